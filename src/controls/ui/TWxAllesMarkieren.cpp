#include "controls/ui/TWxAllesMarkieren.h"

#include <wx/textentry.h>
#include <wx/window.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {
constexpr int NachFokusMs = 400;
} // namespace

TWxAllesMarkieren::TWxAllesMarkieren(wxWindow& AFeld) : FFeld(AFeld) {
    FFeld.Bind(wxEVT_SET_FOCUS, &TWxAllesMarkieren::OnSetFocus, this);
    FFeld.Bind(wxEVT_KILL_FOCUS, &TWxAllesMarkieren::OnKillFocus, this);
    FFeld.Bind(wxEVT_KEY_DOWN, &TWxAllesMarkieren::OnKeyDown, this);
    FNachFokus.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Markieren(); });
}

void TWxAllesMarkieren::Markieren() {
#ifdef __WXGTK__
    // A GTK spin field is an entry too; wx offers no text selection for it.
    auto* Widget = static_cast<GtkWidget*>(FFeld.GetHandle());
    if (GTK_IS_EDITABLE(Widget)) {
        gtk_editable_select_region(GTK_EDITABLE(Widget), 0, -1);
    }
#else
    if (auto* Eingabe = dynamic_cast<wxTextEntry*>(&FFeld)) {
        Eingabe->SelectAll();
    }
#endif
}

void TWxAllesMarkieren::OnSetFocus(wxFocusEvent& AEvent) {
    AEvent.Skip();
    if (FAuslassenS) {
        FAuslassenS = false;
        return;
    }
    FNachFokus.StartOnce(NachFokusMs);
}

void TWxAllesMarkieren::OnKillFocus(wxFocusEvent& AEvent) {
    AEvent.Skip();
    FNachFokus.Stop();
}

void TWxAllesMarkieren::OnKeyDown(wxKeyEvent& AEvent) {
    AEvent.Skip();
    if (FNachFokus.IsRunning()) {
        FNachFokus.Stop();
        Markieren();
    }
}
