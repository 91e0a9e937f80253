// The program: one instance per user (a second start hands its command to the running one), the
// splash picture, the main window and its message loop.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/stdpaths.h>
#include <wx/weakref.h>

#include "controls/ui/GtkZugang.h"
#include "controls/ui/TWxMeldungsPort.h"
#include "controls/ui/WxSchrift.h"
#include "controls/ui/WxText.h"
#include "instance/TWatchRegistrySettings.h"
#include "instance/ZweiterStart.h"
#include "model/Uhr.h"
#include "platform/Programmordner.h"
#include "platform/Speicherverwaltung.h"
#include "platform/SpezialOrdner.h"
#include "platform/SystemDateisystem.h"
#include "platform/TInstanzSperre.h"
#include "platform/TRegistryMigration.h"
#include "settings/TEinstellungsspeicher.h"
#include "window/Programmstart.h"
#include "window/TForm1.h"
#include "window/ui/THauptFrame.h"
#include "window/ui/TSplashScreenForm.h"

namespace {

// The arguments as the system gave them (wx would convert them through the C locale).
std::vector<std::string> RoheArgumente;
// The single-instance lock, taken before wx starts: a second start needs no window system.
std::unique_ptr<TInstanzSperre> Instanz;
// The name of the command channel.
constexpr const char* KanalName = "Orvanto";

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
        OpenGlAuslassenBeenden();
        HeuteFesthalten();
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
        FHauptfenster = Hauptfenster;
        SetTopWindow(Hauptfenster);
        // Without the lock, two programs would take each other's commands.
        if (Instanz->Zustand() == szGehalten) {
            BefehleAnnehmen();
        }
        Hauptfenster->Show();
        if (Instanz->Zustand() == szOhneSperre) {
            Warnen(OhneSperreMeldung);
        }
        return true;
    }

    int OnExit() override {
        FWatcher.reset();
        FKanal.reset();
        TMeldungsPort::Setze(nullptr);
        Instanz.reset();
        return wxApp::OnExit();
    }

private:
    wxWeakRef<THauptFrame> FHauptfenster;
    std::unique_ptr<TBefehlsKanal> FKanal;
    std::unique_ptr<TWatchRegistrySettings> FWatcher;
    // The settings file lives in the user's configuration folder ($XDG_CONFIG_HOME).
    std::unique_ptr<TSpezialOrdner> FOrdner = SystemSpezialOrdner();
    std::unique_ptr<TRegistryMigration> FMigration = SystemRegistryMigration();
    std::unique_ptr<TEinstellungsspeicher> FEinstellungen;
    TWxMeldungsPort FMeldungen;

    // Starts the watcher, which queues each command it takes out of the channel to this thread.
    void BefehleAnnehmen() {
        TKanalOeffnung Kanal = SystemBefehlsKanal(KanalName);
        if (!Kanal.Kanal) {
            Warnen(Kanal.Fehler +
                   "\nEin weiterer Start von Orvanto kann diesem Fenster deshalb nichts übergeben.");
            return;
        }
        FKanal = std::move(Kanal.Kanal);
        FWatcher =
            std::make_unique<TWatchRegistrySettings>(*FKanal, [this](const TRegistrySettings& ABefehl) {
                CallAfter([this, ABefehl] {
                    if (FHauptfenster) {
                        FHauptfenster->BefehlAusfuehren(ABefehl);
                    }
                });
            });
    }

    void Warnen(const std::string& AText) {
        CallAfter([AText] {
            if (TMeldungsPort* Port = TMeldungsPort::Aktiv()) {
                Port->Zeige(maWarnung, AText, mkOK);
            }
        });
    }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TOrvantoApp);

int main(int argc, char** argv) {
    FreienSpeicherBehalten();
    OpenGlAuslassen();
    RoheArgumente.assign(argv + 1, argv + argc);
    // One instance per user; a lock that cannot be had never keeps the user from the calendar.
    Instanz = SystemInstanzSperre(ProgrammTitel);
    if (Instanz->Zustand() == szBelegt) {
        const std::string Fehler = ZweiterStart(RoheArgumente, SystemBefehlsKanal(KanalName));
        if (!Fehler.empty()) {
            std::fprintf(stderr, "%s\n", Fehler.c_str());
            return 1;
        }
        return 0;
    }
    return wxEntry(argc, argv);
}
