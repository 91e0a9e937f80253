#include "controls/ui/TWxDateiDialog.h"

#include <cctype>

#include <wx/filedlg.h>

#include "controls/TModalKlammer.h"
#include "controls/ui/WxText.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {

// GTK matches a pattern's letters exactly, so "*.WAV" would hide "gong.wav": every pattern of the
// filter is given in lower case too.
std::string OhneGrossKlein(const std::string& AFilter) {
    std::string Ergebnis;
    std::size_t Teil = 0;
    std::size_t Anfang = 0;
    while (Anfang <= AFilter.size()) {
        std::size_t Ende = AFilter.find('|', Anfang);
        if (Ende == std::string::npos) {
            Ende = AFilter.size();
        }
        std::string Stueck = AFilter.substr(Anfang, Ende - Anfang);
        // Every second part holds the patterns.
        if (Teil % 2 == 1) {
            std::string Klein = Stueck;
            for (char& c : Klein) {
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
            if (Klein != Stueck) {
                Stueck += ";" + Klein;
            }
        }
        Ergebnis += (Teil > 0 ? "|" : "") + Stueck;
        ++Teil;
        Anfang = Ende + 1;
    }
    return Ergebnis;
}

#ifdef __WXGTK__
// Escape cancels the dialog wherever the focus is; in the location field GTK would only close the
// field.
gboolean EscapeBricheAb(GtkWidget* ADialog, GdkEventKey* ATaste, gpointer) {
    if (ATaste->keyval != GDK_KEY_Escape) {
        return FALSE;
    }
    gtk_dialog_response(GTK_DIALOG(ADialog), GTK_RESPONSE_CANCEL);
    return TRUE;
}
#endif

// GTK's open dialog puts the focus on its file list and selects a line there before the window is
// active, so the screen reader reads that line and never the dialog's title. Started with its
// location field open (as Ctrl+L opens it), the focus goes to the field once the window is active:
// the title is read, and the user can type a name or a path at once.
void MitOrtsfeld(wxFileDialog& ADialog) {
#ifdef __WXGTK__
    g_signal_connect(ADialog.GetHandle(), "key-press-event", G_CALLBACK(EscapeBricheAb), nullptr);
    GtkWidget* Inhalt = gtk_dialog_get_content_area(GTK_DIALOG(ADialog.GetHandle()));
    GList* Kinder = gtk_container_get_children(GTK_CONTAINER(Inhalt));
    for (GList* k = Kinder; k != nullptr; k = k->next) {
        if (GTK_IS_FILE_CHOOSER_WIDGET(k->data)) {
            g_signal_emit_by_name(k->data, "location-popup", "");
        }
    }
    g_list_free(Kinder);
#else
    (void)ADialog;
#endif
}

} // namespace

bool TWxDateiDialog::Oeffnen(const TDateiDialogWahl& AWahl, std::string& ADatei) {
    wxFileDialog Dialog(FOwner, Wx(AWahl.Titel), Wx(AWahl.Ordner), Wx(AWahl.Dateiname),
                        Wx(OhneGrossKlein(AWahl.Filter)), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    Dialog.SetFilterIndex(AWahl.FilterIndex - 1);
    MitOrtsfeld(Dialog);
    TModalKlammer Klammer;
    if (Dialog.ShowModal() != wxID_OK) {
        return false;
    }
    ADatei = Utf8(Dialog.GetPath());
    return true;
}

bool TWxDateiDialog::Speichern(TDateiDialogWahl& AWahl, std::string& ADatei) {
    wxFileDialog Dialog(FOwner, Wx(AWahl.Titel), Wx(AWahl.Ordner), Wx(AWahl.Dateiname),
                        Wx(OhneGrossKlein(AWahl.Filter)), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    Dialog.SetFilterIndex(AWahl.FilterIndex - 1);
    TModalKlammer Klammer;
    if (Dialog.ShowModal() != wxID_OK) {
        return false;
    }
    ADatei = Utf8(Dialog.GetPath());
    AWahl.FilterIndex = Dialog.GetFilterIndex() + 1;
    return true;
}
