// A window with one button that opens the entry editor, for the screen-reader transcript test and
// for trying the editor by hand. The editor speaks through a real Tolk and asks through the
// program's message boxes.
//
//   editor_fenster neu|bearbeiten
//
// Return on the button opens the editor, for a new entry on 4.3.2024 in a calendar that holds
// "Arzt", or on that entry's run; when it closes, its result is written to stderr on one line
// ("OK short text, start date, duration, interval", "Nein" or "Abbrechen"), and the begin/end hook
// of modal dialogs writes "Beginn" and "Ende" there (the harness keeps a program's stderr).

#include <cstdio>
#include <string>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include "controls/TModalKlammer.h"
#include "controls/ui/GtkZugang.h"
#include "controls/ui/TWxMeldungsPort.h"
#include "controls/ui/WxText.h"
#include "editor/ui/TWxDateiDialog.h"
#include "editor/ui/TWxNeuForm.h"
#include "model/Kalenderdatum.h"
#include "model/TDaten.h"
#include "speech/TolkSRD.h"

namespace {

void Zeile(const std::string& AText) {
    std::fprintf(stderr, "%s\n", AText.c_str());
}

class TEditorFenster : public wxFrame {
public:
    explicit TEditorFenster(std::string AArt)
        : wxFrame(nullptr, wxID_ANY, Wx("Editor-Test"), wxPoint(100, 100), wxSize(640, 480)),
          FTolk(SystemScreenReaderPlattform()), FArt(std::move(AArt)), FDateiDialog(this) {
        FTolk.Load();
        FAktFont.Name = "DejaVu Sans";
        FAktFont.Groesse = 12;
        TDatenClass Arzt;
        Arzt.Id = 1;
        Arzt.Kurztext = "Arzt";
        Arzt.EndeDatum = KalenderEnde;
        TDatumClass Tag;
        Tag.Datum = Tag.VonDatum = Tag.BisDatum = EncodeDate(2024, 3, 11);
        Tag.VonZeit = 9.5 / 24;
        Arzt.Add(Tag);
        FDaten.Add(Arzt);
        auto* Flaeche = new wxPanel(this);
        auto* Oeffnen = new wxButton(Flaeche, wxID_ANY, Wx("Öffnen"), wxPoint(10, 10));
        Oeffnen->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Ausfuehren(); });
        Oeffnen->SetFocus();
        TMeldungsPort::Setze(&FMeldungen);
        FMeldungen.Besitzer = [this] { return static_cast<wxWindow*>(this); };
        TModalKlammer::Setze([] { Zeile("Beginn"); }, [] { Zeile("Ende"); });
        FEditor = new TWxNeuForm(this, FTolk, FAktFont, FAktBackColor, FMeldungen, FDateiDialog, "/tmp/");
    }
    ~TEditorFenster() override {
        TModalKlammer::Setze(nullptr, nullptr);
        TMeldungsPort::Setze(nullptr);
    }

private:
    void Ausfuehren() {
        const TWxNeuForm::TErgebnis Ergebnis =
            FArt == "neu"
                ? FEditor->Neu(FDaten, EncodeDate(2024, 3, 4))
                : FEditor->Bearbeiten(FDaten, TTagClass(0, &FDaten[0]), KalenderAnfang, KalenderEnde, true);
        switch (Ergebnis) {
        case TWxNeuForm::TErgebnis::Ok: {
            const TTagClass T = FEditor->Datensatz();
            const TDatumClass& O = T.DatenClass->DatumListe[0];
            Zeile("OK " + T.DatenClass->Kurztext + ", " + DatumText(O.VonDatum) + ", " +
                  std::to_string(O.Laenge()) + ", " + IntervallNamen[T.DatenClass->AnzeigenTyp] +
                  (FArt == "neu" ? "" : ", " + std::to_string(FEditor->ModifyNr())));
            break;
        }
        case TWxNeuForm::TErgebnis::Nein:
            Zeile("Nein");
            break;
        case TWxNeuForm::TErgebnis::Abbrechen:
            Zeile("Abbrechen");
            break;
        }
    }

    TTolkSRD FTolk;
    std::string FArt;
    TSchrift FAktFont;
    TFarbe FAktBackColor = clWhite;
    TDaten FDaten;
    TWxMeldungsPort FMeldungen;
    TWxDateiDialog FDateiDialog;
    TWxNeuForm* FEditor = nullptr;
};

class TEditorApp : public wxApp {
public:
    bool OnInit() override {
        const std::string Art = argc > 1 ? Utf8(argv[1]) : "neu";
        if (Art != "neu" && Art != "bearbeiten") {
            std::fprintf(stderr, "editor_fenster neu|bearbeiten\n");
            return false;
        }
        GtkZugangEinrichten();
        (new TEditorFenster(Art))->Show();
        return true;
    }
};

} // namespace

wxIMPLEMENT_APP(TEditorApp);
