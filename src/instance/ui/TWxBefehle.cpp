#include "instance/ui/TWxBefehle.h"

#include <wx/frame.h>
#include <wx/toplevel.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif
#endif

namespace {

// Raises the window and asks the window manager to activate it. On X11 the request carries the
// server's current time: a request without a time is one that focus-stealing prevention may
// refuse (the user's last input elsewhere is newer).
void FensterVorholen(wxTopLevelWindow& AFenster) {
    if (AFenster.IsIconized()) {
        AFenster.Iconize(false);
    }
    AFenster.Raise();
#ifdef __WXGTK__
    GtkWindow* Gtk = GTK_WINDOW(AFenster.GetHandle());
    guint32 Zeit = GDK_CURRENT_TIME;
#ifdef GDK_WINDOWING_X11
    GdkWindow* Gdk = gtk_widget_get_window(GTK_WIDGET(Gtk));
    if (Gdk != nullptr && GDK_IS_X11_WINDOW(Gdk)) {
        Zeit = gdk_x11_get_server_time(Gdk);
    }
#endif
    gtk_window_present_with_time(Gtk, Zeit);
#endif
}

// The window, then each shown window it owns, depth first in the owner's order: an open dialog
// ends up in front.
void MitBesitzVorholen(wxTopLevelWindow& AFenster) {
    FensterVorholen(AFenster);
    for (wxWindow* Kind : AFenster.GetChildren()) {
        if (auto* Fenster = dynamic_cast<wxTopLevelWindow*>(Kind); Fenster != nullptr && Fenster->IsShown()) {
            MitBesitzVorholen(*Fenster);
        }
    }
}

} // namespace

TWxBefehle::TWxBefehle(wxFrame& AFrame, TForm1& AForm) : FFrame(AFrame), FAnnahme(AForm, *this) {
    Register();
}

TWxBefehle::~TWxBefehle() {
    Stop();
    Unregister();
}

bool TWxBefehle::FreiS() const {
    if (!FFrame.IsEnabled() || FDialoge > 0) {
        return false;
    }
    for (wxWindow* Fenster : wxTopLevelWindows) {
        auto* Oben = dynamic_cast<wxTopLevelWindow*>(Fenster);
        if (Oben != nullptr && Oben != &FFrame && Oben->IsShown() && Oben->IsActive()) {
            return false;
        }
    }
    return true;
}

void TWxBefehle::NachVorne() {
    MitBesitzVorholen(FFrame);
}

void TWxBefehle::SendToStarten() {
    StartOnce(5);
}

void TWxBefehle::Beenden() {
    FFrame.Close();
}

void TWxBefehle::Notify() {
    FAnnahme.TimerSendToTimer();
}

int TWxBefehle::Enter(wxDialog*) {
    ++FDialoge;
    // A pending command is dropped once a dialog opens.
    Stop();
    return wxID_NONE;
}

void TWxBefehle::Exit(wxDialog*) {
    --FDialoge;
}
