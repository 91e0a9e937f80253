// A window with one button that opens the entry editor, for the screen-reader transcript test and
// for trying the editor by hand. The editor speaks through a real Tolk and asks through the
// program's message boxes.
//
//   editor_fenster neu|bearbeiten
//   editor_fenster --pruefen SIZE
//
// Return on the button opens the editor, for a new entry on 4.3.2024 in a calendar that holds
// "Arzt" weekly from 11.3.2024 at 9:30, or on that entry's second run (18.3.); when it closes, its
// result is written to stderr on one line ("OK short text, start date, duration, interval", after
// editing also the kind of change and "folgende", "aktuell" or "alle"; "Nein" or "Abbrechen"),
// and the begin/end hook
// of modal dialogs writes "Beginn" and "Ende" there (the harness keeps a program's stderr).
// With --pruefen the window opens the editor with the user font in SIZE points, checks its layout
// as the toolkit made it (buttons of one size and wide enough, every control inside the laid-out
// area and none over another, the window within the screen's work area), closes it and ends with 0
// when every check held.

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/scrolwin.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/timer.h>

#include "controls/LayoutPruefung.h"
#include "controls/TModalKlammer.h"
#include "controls/ui/GtkZugang.h"
#include "controls/ui/TWxDateiDialog.h"
#include "controls/ui/TWxMeldungsPort.h"
#include "controls/ui/WxText.h"
#include "entries/ui/TWxNeuForm.h"
#include "model/Kalenderdatum.h"
#include "model/TDaten.h"
#include "speech/TolkSRD.h"

namespace {

// The layout check's result, the program's exit code.
int PruefErgebnis = 0;

// Checks the editor's layout as shown: its controls lie on one scrolled pane.
bool LayoutPruefen(wxDialog& ADialog) {
    TLayoutPruefung Pruefung("editor");
    wxScrolledWindow* Flaeche = nullptr;
    for (wxWindow* Kind : ADialog.GetChildren()) {
        Flaeche = Flaeche != nullptr ? Flaeche : dynamic_cast<wxScrolledWindow*>(Kind);
    }
    if (Flaeche == nullptr) {
        Pruefung.Fehler("no scrolled pane");
        return false;
    }
    const wxRect Inhalt(Flaeche->GetVirtualSize());
    Pruefung.ControlsPruefen(*Flaeche, Inhalt, "the pane", 125);
    for (wxWindow* Control : Pruefung.Controls()) {
        // Labels and check boxes show their whole text; GTK draws a number field's arrows only in
        // the room they need.
        const bool GanzS = dynamic_cast<wxStaticText*>(Control) != nullptr ||
                           dynamic_cast<wxCheckBox*>(Control) != nullptr ||
                           dynamic_cast<wxSpinCtrl*>(Control) != nullptr;
        const wxSize Groesse = Control->GetSize();
        if (GanzS && (Groesse.x < Control->GetBestSize().x || Groesse.y < Control->GetBestSize().y)) {
            Pruefung.Fehler(Klasse(*Control) + " is " + Masse(Groesse) + ", needs " +
                            Masse(Control->GetBestSize()));
        }
    }
    const wxRect Bereich = wxDisplay(0u).GetClientArea();
    if (!Bereich.Contains(ADialog.GetScreenRect())) {
        Pruefung.Fehler("the window " + Masse(ADialog.GetSize()) + " leaves the work area " +
                        Masse(Bereich.GetSize()));
    }
    if (Pruefung.OkS()) {
        Pruefung.Bestanden(Masse(ADialog.GetClientSize()) + ", laid out " + Masse(Inhalt.GetSize()) +
                           ", buttons " + Masse(Pruefung.Schaltergroesse()));
    }
    return Pruefung.OkS();
}

class TEditorFenster : public wxFrame {
public:
    // APruefGroesse > 0: the layout check with the user font in that size.
    TEditorFenster(std::string AArt, int APruefGroesse)
        : wxFrame(nullptr, wxID_ANY, Wx("Editor-Test"), wxPoint(100, 100), wxSize(640, 480)),
          FTolk(SystemScreenReaderPlattform()), FArt(std::move(AArt)), FDateiDialog(this) {
        FTolk.Load();
        FAktFont.Name = "DejaVu Sans";
        FAktFont.Groesse = APruefGroesse > 0 ? APruefGroesse : 12;
        TDatenClass Arzt;
        Arzt.Id = 1;
        Arzt.Kurztext = "Arzt";
        Arzt.EndeDatum = KalenderEnde;
        TDatumClass Tag;
        Tag.Datum = Tag.VonDatum = Tag.BisDatum = EncodeDate(2024, 3, 11);
        Tag.VonZeitSetzen(9.5 / 24);
        Arzt.Add(Tag);
        Arzt.AnzeigenTyp = at1Woche;
        FDaten.Add(TTagClass(0, &Arzt));
        auto* Flaeche = new wxPanel(this);
        auto* Oeffnen = new wxButton(Flaeche, wxID_ANY, Wx("Öffnen"), wxPoint(10, 10));
        Oeffnen->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Ausfuehren(); });
        Oeffnen->SetFocus();
        TMeldungsPort::Setze(&FMeldungen);
        FMeldungen.Besitzer = [this] { return static_cast<wxWindow*>(this); };
        TModalKlammer::Setze([] { Zeile("Beginn"); }, [] { Zeile("Ende"); });
        FEditor = new TWxNeuForm(this, FTolk, FAktFont, FAktBackColor, FMeldungen, FDateiDialog, "/tmp/");
        if (APruefGroesse > 0) {
            // Once the window manager has placed this window, then once it has placed the editor.
            FPruefUhr.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { FPruefSchritt(); });
            FPruefSchritt = [this] {
                FPruefSchritt = [this] {
                    PruefErgebnis = LayoutPruefen(*FEditor) ? 0 : 1;
                    FEditor->EndModal(wxID_CANCEL);
                };
                FPruefUhr.StartOnce(500);
                Ausfuehren();
                Destroy();
            };
            FPruefUhr.StartOnce(500);
        }
    }
    ~TEditorFenster() override {
        TModalKlammer::Setze(nullptr, nullptr);
        TMeldungsPort::Setze(nullptr);
    }

private:
    void Ausfuehren() {
        const TWxNeuForm::TErgebnis Ergebnis =
            FArt == "neu" ? FEditor->Neu(FDaten, EncodeDate(2024, 3, 4))
                          : FEditor->Bearbeiten(FDaten, TTagClass(1, &FDaten[0]), EncodeDate(2024, 3, 12),
                                                EncodeDate(2024, 3, 24), false);
        switch (Ergebnis) {
        case TWxNeuForm::TErgebnis::Ok: {
            const TTagClass T = FEditor->Datensatz();
            const TDatumClass& O = T.DatenClass->DatumListe[0];
            Zeile("OK " + T.DatenClass->Kurztext + ", " + DatumText(O.VonDatum) + ", " +
                  std::to_string(O.Laenge()) + ", " + IntervallNamen[T.DatenClass->AnzeigenTyp] +
                  (FArt == "neu" ? "" : ", " + std::to_string(FEditor->ModifyNr()) + ", " + Wirkung()));
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

    // Which runs an edit applies to.
    std::string Wirkung() const {
        return FEditor->AlleS() ? "alle" : FEditor->AktuellerS() ? "aktuell" : "folgende";
    }

    TTolkSRD FTolk;
    std::string FArt;
    TSchrift FAktFont;
    TFarbe FAktBackColor = clWhite;
    TDaten FDaten;
    TWxMeldungsPort FMeldungen;
    TWxDateiDialog FDateiDialog;
    TWxNeuForm* FEditor = nullptr;
    std::function<void()> FPruefSchritt;
    wxTimer FPruefUhr;
};

class TEditorApp : public wxApp {
public:
    bool OnInit() override {
        const std::string Art = argc > 1 ? Utf8(argv[1]) : "neu";
        const int PruefGroesse = Art == "--pruefen" && argc > 2 ? std::atoi(Utf8(argv[2]).c_str()) : 0;
        if (Art != "neu" && Art != "bearbeiten" && PruefGroesse <= 0) {
            std::fprintf(stderr, "editor_fenster neu|bearbeiten\neditor_fenster --pruefen SIZE\n");
            return false;
        }
        GtkZugangEinrichten();
        (new TEditorFenster(PruefGroesse > 0 ? "neu" : Art, PruefGroesse))->Show();
        return true;
    }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TEditorApp);

int main(int argc, char** argv) {
    const int Ergebnis = wxEntry(argc, argv);
    return Ergebnis != 0 ? Ergebnis : PruefErgebnis;
}
