// A window with one button that opens one of the program's dialogs, for the screen-reader
// transcript tests and for trying a dialog by hand. The dialogs speak through a real Tolk.
//
//   dialog_fenster gehedatum|vortage|geladen|schrift|suchen|gefunden|namenstag
//   dialog_fenster --pruefen SIZE
//
// Return on the button opens the dialog; when it closes, its result is written to stderr on one
// line ("OK ..." or "Abbrechen"; the search dialog "OK term scope-index", the found entries of
// "arzt" "OK line", the name-day dialog, over the shipped name days, "OK name" with the last
// searched name), and the begin/end hook of modal dialogs writes "Beginn" and
// "Ende" there (the harness keeps a program's stderr, not its stdout).
// With --pruefen the window opens each dialog in turn with the user font in SIZE points, checks
// its layout as the toolkit made it (buttons of one size and wide enough, every control inside the
// window and none over another, the dialog centred over the window), closes it and ends with 0
// when every check held.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/timer.h>

#include "calendarfiles/ui/TWxGeladenForm.h"
#include "controls/LayoutPruefung.h"
#include "controls/TFensterMasse.h"
#include "controls/TModalKlammer.h"
#include "controls/ui/GtkZugang.h"
#include "controls/ui/TWxBackFontDlg.h"
#include "controls/ui/TWxDateiDialog.h"
#include "controls/ui/TWxMeldungsPort.h"
#include "controls/ui/WxText.h"
#include "info/TInfosTexte.h"
#include "info/ui/TWxInfosForm.h"
#include "model/Kalenderdatum.h"
#include "model/TDaten.h"
#include "model/TGeladenClass.h"
#include "model/Uhr.h"
#include "platform/SystemKlang.h"
#include "platform/Zeitzone.h"
#include "search/TSuchKlassenForm.h"
#include "search/TSucheNameForm.h"
#include "search/TSuchenForm.h"
#include "search/ui/TWxSuchKlassenForm.h"
#include "search/ui/TWxSucheNameForm.h"
#include "search/ui/TWxSuchenForm.h"
#include "settings/ui/TWxVortageForm.h"
#include "speech/TolkSRD.h"
#include "window/ui/TWxGeheDatumForm.h"

namespace {

// A whole-day entry on one day with its short and long text.
void Eintrag(TDaten& ADaten, const std::string& AKurz, const std::string& ALang, TTag ADatum) {
    TDatenClass e;
    e.Kurztext = AKurz;
    e.Langtext = ALang;
    e.EndeDatum = KalenderEnde;
    TDatumClass d;
    d.Datum = d.VonDatum = d.BisDatum = ADatum;
    d.GanzerTagS = true;
    e.Add(d);
    ADaten.Add(e);
}

// The layout check's result, the program's exit code.
int PruefErgebnis = 0;

// Checks a dialog's layout as shown; writes each fault and returns whether there was none.
bool LayoutPruefen(const std::string& AName, wxDialog& ADialog, int AMinBreite) {
    TLayoutPruefung Pruefung(AName);
    Pruefung.ControlsPruefen(ADialog, wxRect(ADialog.GetClientSize()), "the window", AMinBreite);
    // Centred over the window and kept on the screen; the window manager's frame may shift both
    // by its width.
    const wxRect Owner = ADialog.GetParent()->GetScreenRect();
    const wxRect Bereich = wxDisplay(0u).GetClientArea();
    const TRechteck Soll =
        TFensterMasse::Zentriert({Owner.x, Owner.y, Owner.width, Owner.height}, ADialog.GetSize().x,
                                 ADialog.GetSize().y, {Bereich.x, Bereich.y, Bereich.width, Bereich.height});
    const wxPoint Ist = ADialog.GetScreenRect().GetPosition();
    if (std::abs(Ist.x - Soll.Left) > 30 || std::abs(Ist.y - Soll.Top) > 30) {
        Pruefung.Fehler("at " + std::to_string(Ist.x) + "," + std::to_string(Ist.y) + ", centred would be " +
                        std::to_string(Soll.Left) + "," + std::to_string(Soll.Top));
    }
    if (Pruefung.OkS()) {
        Pruefung.Bestanden(Masse(ADialog.GetClientSize()) + ", buttons " + Masse(Pruefung.Schaltergroesse()));
    }
    return Pruefung.OkS();
}

class TDialogFenster : public wxFrame {
public:
    // APruefGroesse > 0: the layout check with the user font in that size.
    TDialogFenster(const std::string& ADialog, int APruefGroesse)
        : wxFrame(nullptr, wxID_ANY, Wx("Dialog-Test"), wxPoint(100, 100), wxSize(640, 480)),
          FTolk(SystemScreenReaderPlattform()), FDialog(ADialog), FGeladen(&FDaten, ""),
          FZeitzone(SystemZeitzone()), FKlang(SystemKlang()), FInfos(*FZeitzone, *FKlang, ORVANTO_DATEN),
          FNamen(ORVANTO_DATEN) {
        FTolk.Load();
        FAktFont.Name = "DejaVu Sans";
        FAktFont.Groesse = APruefGroesse > 0 ? APruefGroesse : 12;
        FAktFont.Farbe = 0x00800000; // navy blue, in the colour table
        FGeladen.Add("/home/anna/Kalenderdateien/Feiertage.OVF", 1);
        FGeladen.Add("/home/anna/Kalenderdateien/Sonder.OVK", 2);
        Eintrag(FSuchDaten, "Zahnarzt", "Kontrolle", EncodeDate(2025, 3, 4));
        Eintrag(FSuchDaten, "Yoga", "mit der Ärztin", EncodeDate(2025, 3, 5));
        Eintrag(FSuchDaten, "Kino", "", EncodeDate(2025, 3, 6));
        Eintrag(FSuchDaten, "Hausarzt", "Rezept holen", EncodeDate(2025, 3, 10));
        FSuchen.Suchbegriff = "Arzt";
        auto* Flaeche = new wxPanel(this);
        auto* Oeffnen = new wxButton(Flaeche, wxID_ANY, Wx("Öffnen"), wxPoint(10, 10));
        Oeffnen->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Ausfuehren(); });
        Oeffnen->SetFocus();
        TMeldungsPort::Setze(&FMeldungen);
        FMeldungen.Besitzer = [this] { return static_cast<wxWindow*>(this); };
        TModalKlammer::Setze([] { Zeile("Beginn"); }, [] { Zeile("Ende"); });
        if (APruefGroesse > 0) {
            FPruefUhr.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { FPruefSchritt(); });
            // Once the window manager has placed this window.
            FPruefSchritt = [this] { CallAfter([this] { AllePruefen(); }); };
            FPruefUhr.StartOnce(500);
        }
    }
    ~TDialogFenster() override {
        TModalKlammer::Setze(nullptr, nullptr);
        TMeldungsPort::Setze(nullptr);
    }

private:
    void AllePruefen() {
        bool OkS = true;
        for (const char* Dialog : {"gehedatum", "vortage", "geladen", "schrift", "suchen", "gefunden",
                                   "namenstag", "infos", "vorschau"}) {
            FDialog = Dialog;
            FPruefen = [this, &OkS, Dialog](wxDialog& ADialog, int AMinBreite) {
                // Checked once the window manager has placed it.
                FPruefSchritt = [&ADialog, &OkS, Dialog, AMinBreite] {
                    OkS = LayoutPruefen(Dialog, ADialog, AMinBreite) && OkS;
                    ADialog.EndModal(wxID_CANCEL);
                };
                FPruefUhr.StartOnce(500);
            };
            Ausfuehren();
        }
        PruefErgebnis = OkS ? 0 : 1;
        Destroy();
    }

    // In the layout check: checks and closes ADialog once it is shown.
    void Vorbereiten(wxDialog& ADialog, int AMinBreite = 125) {
        if (FPruefen) {
            FPruefen(ADialog, AMinBreite);
        }
    }

    void Ausfuehren() {
        if (FDialog == "gehedatum") {
            TWxGeheDatumForm Dlg(this, FTolk, FAktFont, FAktBackColor);
            Vorbereiten(Dlg);
            TTag Datum = EncodeDate(2024, 3, 4);
            Zeile(Dlg.Ausfuehren(Datum) ? "OK " + DatumText(Datum) : "Abbrechen");
        } else if (FDialog == "vortage") {
            TWxVortageForm Dlg(this, FTolk, FAktFont, FAktBackColor);
            Vorbereiten(Dlg);
            int Tage = 3;
            Zeile(Dlg.Ausfuehren(Tage) ? "OK " + std::to_string(Tage) : "Abbrechen");
        } else if (FDialog == "geladen") {
            TWxGeladenForm Dlg(this, FTolk, FAktFont, FAktBackColor);
            Vorbereiten(Dlg);
            const bool EntferntS = Dlg.Ausfuehren(FDaten, FGeladen);
            Zeile(std::string(EntferntS ? "Entfernt" : "Unverändert") +
                  ", Dateien: " + std::to_string(FGeladen.Count()));
        } else if (FDialog == "suchen") {
            TWxSuchenForm Dlg(this, FTolk, FAktFont, FAktBackColor);
            Vorbereiten(Dlg);
            Zeile(Dlg.Ausfuehren(FSuchen)
                      ? "OK " + FSuchen.Suchbegriff + " " + std::to_string(FSuchen.ItemIndex)
                      : "Abbrechen");
        } else if (FDialog == "gefunden") {
            TSuchKlassenForm Form;
            Form.DatenRef = &FSuchDaten;
            Form.Suchbegriff = "arzt";
            Form.SuchNr = snBeide;
            Form.SucheKlassenOk(EncodeDate(2025, 1, 1));
            TWxSuchKlassenForm Dlg(this, FTolk, FAktFont, FAktBackColor, FInfos);
            Vorbereiten(Dlg);
            Zeile(Dlg.Ausfuehren(Form) && Form.GetTagClass() != nullptr
                      ? "OK " + Form.Results()[Form.ItemIndex].Zeile
                      : "Abbrechen");
        } else if (FDialog == "infos" || FDialog == "vorschau") {
            // The information of the first entry's day and entry in two panes, or the preview of
            // today, 4.3.2025, with that entry.
            TWxDateiDialog DateiDialog(this);
            TWxInfosForm Dlg(this, FTolk, FAktFont, FAktBackColor, DateiDialog);
            TInfosForm Form(*FKlang);
            if (FDialog == "infos") {
                const TTagClass TagClass(0, &FSuchDaten[0]);
                Form.InfosEinrichten(FInfos.InfosInText(&TagClass, FSuchDaten[0].DatumListe[0].Datum),
                                     FInfos.SounddateienSl);
            } else {
                TUhr::Festhalten(EncodeDate(2025, 3, 4) + 0.5);
                Form.VorschauEinrichten(0, FInfos.VorschauInText(FSuchDaten, 0), FInfos.SounddateienSl);
                TUhr::Stellen({});
            }
            Vorbereiten(Dlg);
            const TInfosErgebnis Ende = Dlg.InfosZeigen(Form);
            Zeile(Ende == ieBeenden ? "Beenden"
                  : Ende == ieAlle  ? "Alle " + std::to_string(Form.AktZeile)
                                    : "Schließen");
        } else if (FDialog == "namenstag") {
            TWxSucheNameForm Dlg(this, FTolk, FAktFont, FAktBackColor, *FKlang);
            Vorbereiten(Dlg);
            Dlg.Ausfuehren(FNamen);
            Zeile("OK " + FNamen.SuchStr);
        } else {
            TWxBackFontDlg Dlg(this, FTolk, FAktFont, FAktBackColor);
            // Its buttons are as wide as their captions, without a minimum.
            Vorbereiten(Dlg, 0);
            if (Dlg.Ausfuehren()) {
                FAktFont = Dlg.GetNewFont();
                FAktBackColor = Dlg.ChosenBackColor();
                Zeile("OK " + FAktFont.Name + " " + std::to_string(FAktFont.Groesse) + " " +
                      std::to_string(FAktFont.Stil) + " " + std::to_string(FAktFont.Farbe) + " " +
                      std::to_string(FAktBackColor));
            } else {
                Zeile("Abbrechen");
            }
        }
    }

    TTolkSRD FTolk;
    std::string FDialog;
    TSchrift FAktFont;
    TFarbe FAktBackColor = clWhite;
    TDaten FDaten;
    TGeladenClass FGeladen;
    // The search dialogs' calendar, information texts, sounds and behaviour.
    TDaten FSuchDaten;
    std::unique_ptr<TZeitzone> FZeitzone;
    std::unique_ptr<TSystemKlang> FKlang;
    TInfosTexte FInfos;
    TSuchenForm FSuchen;
    TSucheNameForm FNamen;
    TWxMeldungsPort FMeldungen;
    std::function<void(wxDialog&, int)> FPruefen;
    std::function<void()> FPruefSchritt;
    wxTimer FPruefUhr;
};

class TDialogApp : public wxApp {
public:
    bool OnInit() override {
        const std::string Dialog = argc > 1 ? Utf8(argv[1]) : "gehedatum";
        const int PruefGroesse = Dialog == "--pruefen" && argc > 2 ? std::atoi(Utf8(argv[2]).c_str()) : 0;
        const std::vector<std::string> Dialoge = {"gehedatum", "vortage",   "geladen", "schrift", "suchen",
                                                  "gefunden",  "namenstag", "infos",   "vorschau"};
        if (std::find(Dialoge.begin(), Dialoge.end(), Dialog) == Dialoge.end() && PruefGroesse <= 0) {
            std::fprintf(
                stderr,
                "dialog_fenster gehedatum|vortage|geladen|schrift|suchen|gefunden|namenstag|infos|vorschau\n"
                "dialog_fenster --pruefen SIZE\n");
            return false;
        }
        GtkZugangEinrichten();
        (new TDialogFenster(Dialog, PruefGroesse))->Show();
        return true;
    }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TDialogApp);

int main(int argc, char** argv) {
    const int Ergebnis = wxEntry(argc, argv);
    return Ergebnis != 0 ? Ergebnis : PruefErgebnis;
}
