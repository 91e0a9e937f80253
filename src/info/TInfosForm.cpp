#include "info/TInfosForm.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "controls/TDateiDialog.h"
#include "files/Utf8.h"
#include "files/VkFiles.h"
#include "platform/MediaPlayer.h"
#include "platform/SystemKlang.h"
#include "platform/TMeldungsPort.h"

namespace {

void Meldung(TMeldungsArt AArt, const std::string& AText) {
    Frage(AArt, AText, mkOK);
}

// The number of lines a pane shows for AText: a last line end opens no line of its own.
int Zeilenzahl(const std::string& AText) {
    if (AText.empty()) {
        return 0;
    }
    const int Umbrueche = static_cast<int>(std::count(AText.begin(), AText.end(), '\n'));
    return AText.back() == '\n' ? Umbrueche : Umbrueche + 1;
}

// The file types of the save dialog's filter, by filter index (from 1).
TFileTextType Dateityp(int AFilterIndex) {
    switch (AFilterIndex) {
    case 2:
        return fttAnsi;
    case 3:
        return fttUtf8;
    case 4:
        return fttUnicode;
    default:
        return fttRtf;
    }
}

} // namespace

TInfosForm::TInfosForm(TSystemKlang& ASystemKlang) : FSystemKlang(ASystemKlang) {}

void TInfosForm::InfosEinrichten(const std::string& AText, std::vector<std::string> ASounddateien) {
    ZweiFensterS = true;
    VorschauS = false;
    BeendenS = false;
    Caption = "Informationen";
    HelpContext = HilfeInfos;
    // The entry part begins after the first blank line; the day part keeps its last line end.
    const std::size_t Leer = AText.find("\r\n\r\n");
    if (Leer == std::string::npos) {
        Text1 = AText;
        Text2 = KeinEintrag;
    } else {
        Text1 = AText.substr(0, Leer + 2);
        Text2 = AText.substr(Leer + 4);
    }
    SounddateienSl = std::move(ASounddateien);
}

std::string TInfosForm::VorschauCaption(int ATage) {
    return ATage == 0 ? std::string("Vorschau von heute")
                      : "Vorschau der nächsten " + std::to_string(ATage) + " Tage";
}

void TInfosForm::VorschauEinrichten(int ATage, TVorschauListe AListe,
                                    std::vector<std::string> ASounddateien) {
    ZweiFensterS = false;
    VorschauS = true;
    BeendenS = true;
    Caption = VorschauCaption(ATage);
    HelpContext = HilfeVorschau;
    ObjSl = std::move(AListe);
    Text1.clear();
    for (std::size_t i = 0; i < ObjSl.size(); ++i) {
        Text1 += (i > 0 ? "\r\n" : "") + ObjSl[i].Text;
    }
    Text2.clear();
    SounddateienSl = std::move(ASounddateien);
}

void TInfosForm::UeberblickEinrichten(const std::string& ACaption, int AHelpContext, std::string AText) {
    ZweiFensterS = false;
    VorschauS = false;
    BeendenS = false;
    Caption = ACaption;
    HelpContext = AHelpContext;
    Text1 = std::move(AText);
    Text2.clear();
    SounddateienSl.clear();
}

bool TInfosForm::FormShow() {
    AktZeile = -1;
    FSoundIndex = 0;
    StopS = false;
    return !SounddateienSl.empty();
}

bool TInfosForm::Timer1Timer(TMediaPlayer& APlayer, bool ASichtbarS) {
    if (StopS || !ASichtbarS) {
        SoundsAnhalten(APlayer);
        return false;
    }
    try {
        if (FSoundOffenS && APlayer.IsPlaying()) {
            return true;
        }
        if (FSoundOffenS) {
            APlayer.Close();
            FSoundOffenS = false;
        }
        if (FSoundIndex >= SounddateienSl.size()) {
            return false;
        }
        APlayer.Open(SounddateienSl[FSoundIndex++]);
        FSoundOffenS = true;
        APlayer.Play();
        return true;
    } catch (const std::exception& Fehler) {
        StopS = true;
        Meldung(maFehler, std::string(SoundFehler) + Fehler.what());
        return false;
    }
}

// A player that fails to stop has nothing left to stop.
void TInfosForm::SoundsAnhalten(TMediaPlayer& APlayer) {
    if (!FSoundOffenS) {
        return;
    }
    try {
        if (APlayer.IsPlaying()) {
            APlayer.Stop();
        }
    } catch (const std::exception&) {
    }
}

void TInfosForm::FormClose(TMediaPlayer& APlayer) {
    VorschauS = false;
    ZweiFensterS = false;
    StopS = true;
    SoundsAnhalten(APlayer);
    SounddateienSl.clear();
    FSoundOffenS = false;
    try {
        APlayer.Close();
    } catch (const std::exception&) {
    }
}

const TDatenClass* TInfosForm::Eintrag(int AZeile) const {
    if (AZeile < 0 || static_cast<std::size_t>(AZeile) >= ObjSl.size()) {
        return nullptr;
    }
    return ObjSl[static_cast<std::size_t>(AZeile)].DatenClass.get();
}

std::optional<TInfosErgebnis> TInfosForm::EnterTaste(int AZeile) {
    if (VorschauS && Eintrag(AZeile) != nullptr) {
        AktZeile = AZeile;
        StopS = true;
        return ieAlle;
    }
    FSystemKlang.SignalBeep();
    return std::nullopt;
}

std::optional<TInfosErgebnis> TInfosForm::EscapeTaste(TMediaPlayer& APlayer) {
    bool SpieltS = false;
    try {
        SpieltS = FSoundOffenS && APlayer.IsPlaying();
    } catch (const std::exception&) {
    }
    StopS = true;
    if (SpieltS) {
        SoundsAnhalten(APlayer);
        return std::nullopt;
    }
    return ieSchliessen;
}

TInfosForm::TMenue TInfosForm::Kontextmenue(bool APaneFokusS, const std::string& APaneText, bool AMarkiertS) {
    if (!APaneFokusS) {
        return {};
    }
    const bool TextS = APaneText.find_first_not_of(" \t\r\n") != std::string::npos;
    return {TextS, AMarkiertS, TextS, TextS};
}

bool TInfosForm::SpeichernUnter(TDateiDialog& ADialog, int APane, const TSchrift& AFont) {
    TDateiDialogWahl Wahl;
    Wahl.Titel = "Speichern unter";
    Wahl.Filter = SpeichernFilter;
    Wahl.StandardEndung = "RTF";
    Wahl.FilterIndex = 1;
    std::string Datei;
    if (!ADialog.Speichern(Wahl, Datei)) {
        return false;
    }
    const TFileTextType Typ = Dateityp(Wahl.FilterIndex);
    if (!PfadAusUtf8(Datei).has_extension()) {
        Datei += Typ == fttRtf ? ".RTF" : ".TXT";
    }
    try {
        SaveTextFile(Datei, PaneText(APane), Typ, TRtfSchrift{AFont.Name, AFont.Groesse});
        return true;
    } catch (const std::exception& Fehler) {
        Meldung(maFehler, Fehler.what());
        return false;
    }
}

TInfosForm::TLage TInfosForm::Layout(const TMasse& AMasse) const {
    const int m = std::max(AMasse.MBreite, 10);
    int Breite = std::max(60 * AMasse.MBreite, 2 * AMasse.SchalterBreite + 3 * m);
    Breite = std::max(1, std::min(Breite, AMasse.ArbeitsBreite - 2 * m));
    int Hoehe1 = std::max(6, Zeilenzahl(Text1)) * AMasse.ZeilenHoehe + AMasse.ScrollHoehe + 2 * m;
    int Hoehe2 = ZweiFensterS ? std::max(3, Zeilenzahl(Text2)) * AMasse.ZeilenHoehe + 2 * m : 0;
    // Panes, the gap between them and the buttons get at most three quarters of the work area.
    const int Abstand = ZweiFensterS ? m : 0;
    const int Verfuegbar = AMasse.ArbeitsHoehe * 3 / 4 - AMasse.SchalterHoehe - Abstand;
    if (Hoehe1 + Hoehe2 > Verfuegbar) {
        const int Gewollt = Hoehe1 + Hoehe2;
        const int Platz = std::max(Verfuegbar, ZweiFensterS ? 2 : 1);
        const int Neu1 = std::max(1, static_cast<int>(static_cast<long long>(Platz) * Hoehe1 / Gewollt));
        Hoehe2 = ZweiFensterS ? std::max(1, Platz - Neu1) : 0;
        Hoehe1 = Neu1;
    }
    TLage l;
    l.Pane1 = {m, m, Breite - 2 * m, Hoehe1};
    int Unten = m + Hoehe1;
    if (ZweiFensterS) {
        l.Pane2 = {m, Unten + m, Breite - 2 * m, Hoehe2};
        Unten += m + Hoehe2;
    }
    const int Oben = Unten + m;
    int Rechts = Breite - m;
    if (BeendenS) {
        l.Beenden = {Rechts - AMasse.SchalterBreite, Oben, AMasse.SchalterBreite, AMasse.SchalterHoehe};
        Rechts -= AMasse.SchalterBreite + m;
    }
    l.Schliessen = {Rechts - AMasse.SchalterBreite, Oben, AMasse.SchalterBreite, AMasse.SchalterHoehe};
    l.ClientWidth = Breite;
    l.ClientHeight = Oben + AMasse.SchalterHoehe + m;
    return l;
}
