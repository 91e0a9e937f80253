#include "editor/ui/TWxDateiDialog.h"

#include <cctype>

#include <wx/filedlg.h>

#include "controls/TModalKlammer.h"
#include "controls/ui/WxText.h"

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

} // namespace

bool TWxDateiDialog::Oeffnen(const TDateiDialogWahl& AWahl, std::string& ADatei) {
    wxFileDialog Dialog(FOwner, Wx(AWahl.Titel), Wx(AWahl.Ordner), Wx(AWahl.Dateiname),
                        Wx(OhneGrossKlein(AWahl.Filter)), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    Dialog.SetFilterIndex(AWahl.FilterIndex - 1);
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
