#pragma once

// The settings file: "Orvanto/Orvanto.ini" in the user's application-data folder, section
// "MainForm", UTF-8. It is read once per start and written as a whole after every change of a
// setting and when the main window closes. Errors are shown to the user (TMeldungsPort) and never
// stop the program: what was read before the error stays applied.

#include <functional>
#include <string>

#include "platform/SpezialOrdner.h"
#include "platform/TDateisystem.h"
#include "platform/THistoryList.h"
#include "platform/TMemIniFile.h"
#include "platform/TRegistryMigration.h"
#include "settings/TEinstellungen.h"

// What loading needs to know besides the file.
struct TEinstellungsOrte {
    std::string KalenderProgPath; // the program's "Kalenderdateien" folder, with separator
    std::string KalenderUserPath; // the user's "Kalenderdateien" folder, with separator
    std::string ErsterParameter;  // the first command-line argument, or ""
};

class TEinstellungsspeicher {
public:
    static constexpr const char* Section = "MainForm";
    static constexpr const char* FeiertagsdateiName = "Oesterreichische Feiertage.ovf";

    TEinstellungsspeicher(const TSpezialOrdner& AOrdner, TRegistryMigration& AMigration,
                          TDateisystem& ADateisystem);

    // The full path of the settings file; EFehler when the system has no application-data
    // folder.
    std::string EinstellungsDateiname() const;

    // The early read of the program entry: prepares the file and returns ShowSplashScreen; after
    // an error (shown to the user) true.
    bool ShowSplashScreenLesen();

    // Prepares the file and loads every setting into AWerte and AHistory, in the order the main
    // window applies them. AWerte holds the window's current values on entry: Height and Width
    // stay unless the file holds a usable size. False after an error (shown to the user).
    bool Laden(TEinstellungen& AWerte, THistoryList& AHistory, const TEinstellungsOrte& AOrte);

    // Says which typefaces are installed; a stored font name that is not is replaced by the
    // default one. Without a check every name that SchriftnameZulaessig accepts is taken.
    void SchriftpruefungSetzen(std::function<bool(const std::string&)> AVorhanden);

    // Writes every setting and the history. AFensterlageS false (a minimized window, or one whose
    // placement is unknown) keeps the stored window state and size. False after an error (shown).
    bool Speichern(const TEinstellungen& AWerte, const THistoryList& AHistory, bool AFensterlageS);

private:
    TMemIniFile Vorbereiten();
    void OrdnerAnlegen(const std::string& ADateiname) const;
    void Bereinigen(const TMemIniFile& AIni);
    void WerteLesen(const TMemIniFile& AIni, TEinstellungen& AWerte, THistoryList& AHistory,
                    const TEinstellungsOrte& AOrte) const;
    void WerteSchreiben(TMemIniFile& AIni, const TEinstellungen& AWerte, const THistoryList& AHistory,
                        bool AFensterlageS) const;

    const TSpezialOrdner& FOrdner;
    TRegistryMigration& FMigration;
    TDateisystem& FDateisystem;
    std::function<bool(const std::string&)> FSchriftVorhanden;
};
