// A window holding a date picker and a time picker, each with its label, for the screen-reader
// transcript test: a button takes the focus first, so that Tab enters the date picker.
//
//   picker_fenster [TT.MM.JJJJ [hh:nn]]   the date and time shown at the start (04.03.2024 23:58)

#include <cstdio>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "controls/ui/GtkZugang.h"
#include "controls/ui/TWxDatePicker.h"
#include "controls/ui/TWxTimePicker.h"
#include "controls/ui/WxText.h"
#include "model/Kalenderdatum.h"

namespace {

class TPickerFenster : public wxFrame {
public:
    TPickerFenster(TTag ADatum, TDateTime AZeit)
        : wxFrame(nullptr, wxID_ANY, Wx("Picker-Test"), wxDefaultPosition, wxSize(420, 200)) {
        auto* Flaeche = new wxPanel(this);
        auto* Start = new wxButton(Flaeche, wxID_ANY, Wx("Start"), wxPoint(10, 10));
        new wxStaticText(Flaeche, wxID_ANY, Wx("&Datum:"), wxPoint(10, 64));
        auto* Datum = new TWxDatePicker(Flaeche);
        Datum->SetMinDatum(KalenderAnfang);
        Datum->SetMaxDatum(KalenderEnde);
        Datum->SetDatum(ADatum);
        Datum->Bounds(60, 110, 260);
        new wxStaticText(Flaeche, wxID_ANY, Wx("&Uhrzeit:"), wxPoint(10, 114));
        auto* Zeit = new TWxTimePicker(Flaeche);
        Zeit->SetZeit(AZeit);
        Zeit->Bounds(110, 110, 260);
        Start->SetFocus();
    }
};

class TPickerApp : public wxApp {
public:
    bool OnInit() override {
        TTag Datum = EncodeDate(2024, 3, 4);
        if (argc > 1) {
            DatumLesen(Utf8(argv[1]), Datum);
        }
        int Stunde = 23;
        int Minute = 58;
        if (argc > 2) {
            std::sscanf(Utf8(argv[2]).c_str(), "%d:%d", &Stunde, &Minute);
        }
        GtkZugangEinrichten();
        (new TPickerFenster(Datum, (Stunde * 60 + Minute) / 1440.0))->Show();
        return true;
    }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TPickerApp);

int main(int argc, char** argv) {
    return wxEntry(argc, argv);
}
