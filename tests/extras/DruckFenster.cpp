// Prints lines through the program's printing with the system's print dialog, which the test
// answers (GTK's print-to-file printer writes a PDF file), for the test to read back with
// pdftotext. The system here has no printer queue: the test window takes the file printer for one.
// The lines it prints it also writes to zeilen.txt in the working folder, for the test to compare.
//
//   druck_fenster
// The lines: the first days of a week, 150 numbered lines (so that there are several pages), among
// them a day line of many words wider than the page, and one word far wider than the page: both
// wrap onto further lines.

#include <fstream>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/frame.h>

#include "controls/ui/WxText.h"
#include "extras/ui/TWxDrucker.h"

namespace {

// A day line of many words, umlauts among them, wider than the page.
const std::string LangeZeile =
    "Mi 08.01.2025 10:00h: Besprechung mit Frau Müller über die Änderungen am Dachgeschoß, die "
    "Übergabe der Schlüssel an die Hausverwaltung und den Zeitplan der Maler, danach Mittagessen "
    "im Gasthaus zur Überfuhr mit den Kollegen aus der Buchhaltung und dem Lager (4)";

class TDateiDrucker : public TWxDrucker {
public:
    using TWxDrucker::TWxDrucker;

protected:
    bool DruckerVorhanden() override { return true; }
};

class TDruckApp : public wxApp {
public:
    bool OnInit() override {
        auto* Fenster = new wxFrame(nullptr, wxID_ANY, Wx("Druck-Test"));
        Fenster->Show();
        std::vector<std::string> Zeilen = {"W2  Mo 06.01.2025: \"Dreikönig\"", "Di 07.01.2025: Zahnarzt"};
        for (int i = 1; i <= 150; ++i) {
            Zeilen.push_back("Zeile " + std::to_string(i));
            if (i == 75) {
                Zeilen.push_back(LangeZeile);
            }
        }
        Zeilen.push_back("Breit" + std::string(400, 'x') + "Ende");
        std::ofstream Soll("zeilen.txt");
        for (const std::string& z : Zeilen) {
            Soll << z << '\n';
        }
        TSchrift Font;
        Font.Name = "DejaVu Sans Mono";
        Font.Farbe = 0x000000FF; // red on the screen, black on paper
        TDateiDrucker Drucker(Fenster);
        FErgebnis = Drucker.TextDrucken("Drucke Wochenansicht", Zeilen, Font) ? 0 : 1;
        Fenster->Destroy();
        return true;
    }
    int OnRun() override {
        wxApp::OnRun();
        return FErgebnis;
    }

private:
    int FErgebnis = 1;
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TDruckApp);

int main(int argc, char** argv) {
    return wxEntry(argc, argv);
}
