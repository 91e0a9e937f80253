#include "controls/ui/TWxMeldungsPort.h"

#include <wx/msgdlg.h>

#include "controls/ui/WxText.h"

namespace {

const char* Titel(TMeldungsArt AArt) {
    switch (AArt) {
    case maFehler:
        return "Fehler";
    case maWarnung:
        return "Warnung";
    case maInformation:
        return "Informationen";
    case maBestaetigung:
        return "Bestätigen";
    }
    return "";
}

long Symbol(TMeldungsArt AArt) {
    switch (AArt) {
    case maFehler:
        return wxICON_ERROR;
    case maWarnung:
        return wxICON_WARNING;
    case maInformation:
        return wxICON_INFORMATION;
    case maBestaetigung:
        return wxICON_QUESTION;
    }
    return 0;
}

// The wx button of each answer; "&Alle" takes the place of the help button.
long Knopf(TMeldungsAntwort AAntwort) {
    switch (AAntwort) {
    case maOK:
        return wxOK;
    case maJa:
        return wxYES;
    case maNein:
        return wxNO;
    case maAbbrechen:
        return wxCANCEL;
    case maAlle:
        return wxHELP;
    }
    return wxOK;
}

long Knoepfe(TMeldungsKnoepfe AKnoepfe) {
    long Stil = 0;
    for (TMeldungsAntwort Antwort : KnopfAntworten(AKnoepfe)) {
        Stil |= Knopf(Antwort);
    }
    return Stil;
}

} // namespace

TMeldungsAntwort TWxMeldungsPort::Zeige(TMeldungsArt AArt, const std::string& AText,
                                        TMeldungsKnoepfe AKnoepfe) {
    if (VorDialog) {
        VorDialog();
    }
    wxMessageDialog Dialog(Besitzer ? Besitzer() : nullptr, WxZeilen(AText), Wx(Titel(AArt)),
                           Knoepfe(AKnoepfe) | Symbol(AArt));
    Dialog.SetYesNoCancelLabels(Wx("&Ja"), Wx("&Nein"), Wx("Abbrechen"));
    Dialog.SetOKLabel(Wx("OK"));
    Dialog.SetHelpLabel(Wx("&Alle"));
    switch (Dialog.ShowModal()) {
    case wxID_YES:
        return maJa;
    case wxID_NO:
        return maNein;
    case wxID_HELP:
        return maAlle;
    case wxID_OK:
        return maOK;
    default:
        return EscapeAntwort(AKnoepfe);
    }
}
