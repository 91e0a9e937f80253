// The program: one instance per user, the splash picture, the main window and its message loop.

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/stdpaths.h>

#include "controls/ui/GtkZugang.h"
#include "controls/ui/TWxMeldungsPort.h"
#include "controls/ui/WxSchrift.h"
#include "controls/ui/WxText.h"
#include "mainwindow/Programmstart.h"
#include "mainwindow/TEinstellungsspeicher.h"
#include "mainwindow/TForm1.h"
#include "mainwindow/ui/THauptFrame.h"
#include "mainwindow/ui/TSplashScreenForm.h"
#include "model/Uhr.h"
#include "platform/Programmordner.h"
#include "platform/SpezialOrdner.h"
#include "platform/SystemDateisystem.h"
#include "platform/TInstanzSperre.h"
#include "platform/TRegistryMigration.h"

namespace {

// The arguments as the system gave them (wx would convert them through the C locale).
std::vector<std::string> RoheArgumente;

// Test hook: ORVANTO_HEUTE=TT.MM.JJJJ fixes the clock at noon of that day.
void HeuteFesthalten() {
    const char* Wert = std::getenv("ORVANTO_HEUTE");
    TTag Heute = 0;
    if (Wert != nullptr && DatumLesen(Wert, Heute)) {
        TUhr::Festhalten(Heute + 0.5);
    }
}

std::string MitTrenner(const wxString& AOrdner) {
    return Utf8(AOrdner + wxFileName::GetPathSeparator());
}

class TOrvantoApp : public wxApp {
public:
    bool OnInit() override {
        HeuteFesthalten();
        // One instance per user; a lock that cannot be had never keeps the user from the calendar.
        FInstanz = SystemInstanzSperre(ProgrammTitel);
        if (FInstanz->Zustand() == szBelegt) {
            return false;
        }
        SetAppDisplayName(Wx(ProgrammTitel));
        wxInitAllImageHandlers();
        GtkZugangEinrichten();
        TMeldungsPort::Setze(&FMeldungen);
        FEinstellungen = std::make_unique<TEinstellungsspeicher>(*FOrdner, *FMigration, SystemDateisystem());
        FEinstellungen->SchriftpruefungSetzen(SchriftVorhanden);

        const wxString Programmdatei = wxStandardPaths::Get().GetExecutablePath();
        TSplashScreenForm* Splash = nullptr;
        const std::string Bilddatei = SplashDateiname(Utf8(Programmdatei));
        if (SplashErlaubtS(FEinstellungen->ShowSplashScreenLesen(), RoheArgumente) &&
            wxFileName::FileExists(Wx(Bilddatei))) {
            Splash = new TSplashScreenForm(Bilddatei);
            if (Splash->HatBild()) {
                Splash->Zeigen();
            } else {
                Splash->Destroy();
                Splash = nullptr;
            }
        }

        const std::string Dokumente = FOrdner->GetSpecialFolder(ofDokumente);
        auto* Hauptfenster = new THauptFrame(
            *FEinstellungen, Dokumente,
            MitTrenner(Wx(ProgrammordnerWaehlen(ProgrammordnerKandidaten(Utf8(Programmdatei))))),
            RoheArgumente, Splash);
        FMeldungen.Besitzer = [Hauptfenster] { return Hauptfenster; };
        FMeldungen.VorDialog = [Hauptfenster] { Hauptfenster->SplashVerbergen(); };
        SetTopWindow(Hauptfenster);
        Hauptfenster->Show();
        if (FInstanz->Zustand() == szOhneSperre) {
            CallAfter([] {
                if (TMeldungsPort* Port = TMeldungsPort::Aktiv()) {
                    Port->Zeige(maWarnung, OhneSperreMeldung, mkOK);
                }
            });
        }
        return true;
    }

    int OnExit() override {
        TMeldungsPort::Setze(nullptr);
        FInstanz.reset();
        return wxApp::OnExit();
    }

private:
    std::unique_ptr<TInstanzSperre> FInstanz;
    // The settings file lives in the user's configuration folder ($XDG_CONFIG_HOME).
    std::unique_ptr<TSpezialOrdner> FOrdner = SystemSpezialOrdner();
    std::unique_ptr<TRegistryMigration> FMigration = SystemRegistryMigration();
    std::unique_ptr<TEinstellungsspeicher> FEinstellungen;
    TWxMeldungsPort FMeldungen;
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TOrvantoApp);

int main(int argc, char** argv) {
    RoheArgumente.assign(argv + 1, argv + argc);
    return wxEntry(argc, argv);
}
