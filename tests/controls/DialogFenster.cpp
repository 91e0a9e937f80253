// A window with one button that opens one of the program's dialogs, for the screen-reader
// transcript tests and for trying a dialog by hand. The dialogs speak through a real Tolk.
//
//   dialog_fenster gehedatum|vortage|geladen|schrift
//
// Return on the button opens the dialog; when it closes, its result is written to stderr on one
// line ("OK ..." or "Abbrechen"), and the begin/end hook of modal dialogs writes "Beginn" and
// "Ende" there (the harness keeps a program's stderr, not its stdout).

#include <cstdio>
#include <string>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include "controls/TModalKlammer.h"
#include "controls/ui/GtkZugang.h"
#include "controls/ui/TWxBackFontDlg.h"
#include "controls/ui/TWxMeldungsPort.h"
#include "controls/ui/WxText.h"
#include "mainwindow/ui/TWxGeheDatumForm.h"
#include "mainwindow/ui/TWxGeladenForm.h"
#include "mainwindow/ui/TWxVortageForm.h"
#include "model/Kalenderdatum.h"
#include "model/TDaten.h"
#include "model/TGeladenClass.h"
#include "speech/TolkSRD.h"

namespace {

void Zeile(const std::string& AText) {
    std::fprintf(stderr, "%s\n", AText.c_str());
}

class TDialogFenster : public wxFrame {
public:
    explicit TDialogFenster(const std::string& ADialog)
        : wxFrame(nullptr, wxID_ANY, Wx("Dialog-Test"), wxDefaultPosition, wxSize(640, 480)),
          FTolk(SystemScreenReaderPlattform()), FDialog(ADialog), FGeladen(&FDaten, "") {
        FTolk.Load();
        FAktFont.Name = "DejaVu Sans";
        FAktFont.Groesse = 12;
        FAktFont.Farbe = 0x00800000; // navy blue, in the colour table
        FGeladen.Add("/home/anna/Kalenderdateien/Feiertage.OVF", 1);
        FGeladen.Add("/home/anna/Kalenderdateien/Sonder.OVK", 2);
        auto* Flaeche = new wxPanel(this);
        auto* Oeffnen = new wxButton(Flaeche, wxID_ANY, Wx("Öffnen"), wxPoint(10, 10));
        Oeffnen->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Ausfuehren(); });
        Oeffnen->SetFocus();
        TMeldungsPort::Setze(&FMeldungen);
        FMeldungen.Besitzer = [this] { return static_cast<wxWindow*>(this); };
        TModalKlammer::Setze([] { Zeile("Beginn"); }, [] { Zeile("Ende"); });
    }
    ~TDialogFenster() override {
        TModalKlammer::Setze(nullptr, nullptr);
        TMeldungsPort::Setze(nullptr);
    }

private:
    void Ausfuehren() {
        if (FDialog == "gehedatum") {
            TWxGeheDatumForm Dlg(this, FTolk, FAktFont, FAktBackColor);
            TTag Datum = EncodeDate(2024, 3, 4);
            Zeile(Dlg.Ausfuehren(Datum) ? "OK " + DatumText(Datum) : "Abbrechen");
        } else if (FDialog == "vortage") {
            TWxVortageForm Dlg(this, FTolk, FAktFont, FAktBackColor);
            int Tage = 3;
            Zeile(Dlg.Ausfuehren(Tage) ? "OK " + std::to_string(Tage) : "Abbrechen");
        } else if (FDialog == "geladen") {
            TWxGeladenForm Dlg(this, FTolk, FAktFont, FAktBackColor);
            const bool EntferntS = Dlg.Ausfuehren(FDaten, FGeladen);
            Zeile(std::string(EntferntS ? "Entfernt" : "Unverändert") +
                  ", Dateien: " + std::to_string(FGeladen.Count()));
        } else {
            TWxBackFontDlg Dlg(this, FTolk, FAktFont, FAktBackColor);
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
    TWxMeldungsPort FMeldungen;
};

class TDialogApp : public wxApp {
public:
    bool OnInit() override {
        const std::string Dialog = argc > 1 ? Utf8(argv[1]) : "gehedatum";
        if (Dialog != "gehedatum" && Dialog != "vortage" && Dialog != "geladen" && Dialog != "schrift") {
            std::fprintf(stderr, "dialog_fenster gehedatum|vortage|geladen|schrift\n");
            return false;
        }
        GtkZugangEinrichten();
        (new TDialogFenster(Dialog))->Show();
        return true;
    }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TDialogApp);

int main(int argc, char** argv) {
    return wxEntry(argc, argv);
}
