// A window with one button that opens one of the search dialogs, for the screen-reader
// transcript tests and for trying a dialog by hand. The dialogs speak through a real Tolk.
//
//   such_fenster suchen|gefunden|namenstag
//
// The name days are the shipped "Namenstage.dat" of the source tree. Return on the button opens the dialog;
// when it closes, its result is written to stderr on one line ("OK ..." or "Abbrechen"), and the begin/end
// hook of modal dialogs writes "Beginn" and "Ende" there (the harness keeps a program's stderr).
//  - suchen: the search dialog, first with the term "Arzt"; "OK term scope-index".
//  - gefunden: the found entries of "arzt" in both texts over a small calendar; "OK line".
//  - namenstag: the name-day dialog; "OK name" with the last searched name when it closes.

#include <cstdio>
#include <memory>
#include <string>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include "controls/TModalKlammer.h"
#include "controls/ui/GtkZugang.h"
#include "controls/ui/WxText.h"
#include "info/TInfosTexte.h"
#include "model/Kalenderdatum.h"
#include "model/TDaten.h"
#include "platform/SystemKlang.h"
#include "platform/Zeitzone.h"
#include "search/TSuchKlassenForm.h"
#include "search/TSucheNameForm.h"
#include "search/TSuchenForm.h"
#include "search/ui/TWxSuchKlassenForm.h"
#include "search/ui/TWxSucheNameForm.h"
#include "search/ui/TWxSuchenForm.h"
#include "speech/TolkSRD.h"

namespace {

void Zeile(const std::string& AText) {
    std::fprintf(stderr, "%s\n", AText.c_str());
}

// A whole-day entry on one day.
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

class TSuchFenster : public wxFrame {
public:
    TSuchFenster(const std::string& ADialog, const std::string& ADatenordner)
        : wxFrame(nullptr, wxID_ANY, Wx("Such-Test"), wxPoint(100, 100), wxSize(640, 480)),
          FTolk(SystemScreenReaderPlattform()), FDialog(ADialog), FZeitzone(SystemZeitzone()),
          FKlang(SystemKlang()), FInfos(*FZeitzone, *FKlang, ADatenordner), FNamen(ADatenordner) {
        FTolk.Load();
        FAktFont.Name = "DejaVu Sans";
        FAktFont.Groesse = 12;
        Eintrag(FDaten, "Zahnarzt", "Kontrolle", EncodeDate(2025, 3, 4));
        Eintrag(FDaten, "Yoga", "mit der Ärztin", EncodeDate(2025, 3, 5));
        Eintrag(FDaten, "Kino", "", EncodeDate(2025, 3, 6));
        Eintrag(FDaten, "Hausarzt", "Rezept holen", EncodeDate(2025, 3, 10));
        FSuchen.Suchbegriff = "Arzt";
        auto* Flaeche = new wxPanel(this);
        auto* Oeffnen = new wxButton(Flaeche, wxID_ANY, Wx("Öffnen"), wxPoint(10, 10));
        Oeffnen->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Ausfuehren(); });
        Oeffnen->SetFocus();
        TModalKlammer::Setze([] { Zeile("Beginn"); }, [] { Zeile("Ende"); });
    }
    ~TSuchFenster() override { TModalKlammer::Setze(nullptr, nullptr); }

private:
    void Ausfuehren() {
        if (FDialog == "suchen") {
            TWxSuchenForm Dlg(this, FTolk, FAktFont, FAktBackColor);
            Zeile(Dlg.Ausfuehren(FSuchen)
                      ? "OK " + FSuchen.Suchbegriff + " " + std::to_string(FSuchen.ItemIndex)
                      : "Abbrechen");
        } else if (FDialog == "gefunden") {
            TSuchKlassenForm Form;
            Form.DatenRef = &FDaten;
            Form.Suchbegriff = "arzt";
            Form.SuchNr = snBeide;
            Form.SucheKlassenOk(EncodeDate(2025, 1, 1));
            TWxSuchKlassenForm Dlg(this, FTolk, FAktFont, FAktBackColor, FInfos);
            Zeile(Dlg.Ausfuehren(Form) && Form.GetTagClass() != nullptr
                      ? "OK " + Form.Results()[Form.ItemIndex].Zeile
                      : "Abbrechen");
        } else {
            TWxSucheNameForm Dlg(this, FTolk, FAktFont, FAktBackColor, *FKlang);
            Dlg.Ausfuehren(FNamen);
            Zeile("OK " + FNamen.SuchStr);
        }
    }

    TTolkSRD FTolk;
    std::string FDialog;
    TSchrift FAktFont;
    TFarbe FAktBackColor = clWhite;
    TDaten FDaten;
    std::unique_ptr<TZeitzone> FZeitzone;
    std::unique_ptr<TSystemKlang> FKlang;
    TInfosTexte FInfos;
    TSuchenForm FSuchen;
    TSucheNameForm FNamen;
};

class TSuchApp : public wxApp {
public:
    bool OnInit() override {
        const std::string Dialog = argc > 1 ? Utf8(argv[1]) : "";
        if (Dialog != "suchen" && Dialog != "gefunden" && Dialog != "namenstag") {
            std::fprintf(stderr, "such_fenster suchen|gefunden|namenstag\n");
            return false;
        }
        GtkZugangEinrichten();
        (new TSuchFenster(Dialog, ORVANTO_DATEN))->Show();
        return true;
    }
};

} // namespace

wxIMPLEMENT_APP(TSuchApp);
