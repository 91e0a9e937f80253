#pragma once

// What the information text tests share: a time zone set for the length of a test, a program
// folder of their own, sound calls counted, and entries built record by record.

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "model/TDatenClass.h"
#include "platform/SystemKlang.h"

// Sets TZ while it lives and restores the previous value (or its absence).
class TZeitzoneGesetzt {
public:
    explicit TZeitzoneGesetzt(const char* AZone) {
        if (const char* Alt = std::getenv("TZ"))
            FAlt = Alt;
        setenv("TZ", AZone, 1);
        tzset();
    }
    ~TZeitzoneGesetzt() {
        if (FAlt)
            setenv("TZ", FAlt->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    TZeitzoneGesetzt(const TZeitzoneGesetzt&) = delete;
    TZeitzoneGesetzt& operator=(const TZeitzoneGesetzt&) = delete;

private:
    std::optional<std::string> FAlt;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TTestOrdner {
public:
    explicit TTestOrdner(const std::string& AName)
        : FPfad(std::filesystem::temp_directory_path() / (AName + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(FPfad);
        std::filesystem::create_directories(FPfad);
    }
    ~TTestOrdner() {
        std::error_code Fehler;
        std::filesystem::remove_all(FPfad, Fehler);
    }
    TTestOrdner(const TTestOrdner&) = delete;
    TTestOrdner& operator=(const TTestOrdner&) = delete;

    std::string Pfad() const { return FPfad.string(); }
    // Writes AInhalt into the file ARelativ below the folder, creating its folders.
    std::string Datei(const std::string& ARelativ, const std::string& AInhalt = "RIFF") const {
        const std::filesystem::path p = FPfad / ARelativ;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << AInhalt;
        return p.string();
    }

private:
    std::filesystem::path FPfad;
};

// Counts the sounds asked for instead of playing them.
class TZaehlKlang : public TSystemKlang {
public:
    std::vector<std::string> Gespielt;
    int Pieptoene = 0;
    bool PlaySystemSound(const std::string& AAlias) override {
        Gespielt.push_back(AAlias);
        return true;
    }
    bool SignalBeep() override {
        ++Pieptoene;
        return true;
    }
};

// An entry of one occurrence AVon..ABis (one record per day); a time of day of -1 makes it
// whole-day.
inline TDatenClass Eintrag(const std::string& AKurztext, TTag AVon, TTag ABis, double AZeit = -1) {
    TDatenClass E;
    E.Kurztext = AKurztext;
    E.EndeDatum = KalenderEnde;
    for (TTag t = AVon; t <= ABis; ++t) {
        TDatumClass r;
        r.Datum = t;
        r.VonDatum = AVon;
        r.BisDatum = ABis;
        r.GanzerTagS = AZeit < 0;
        r.VonZeitSetzen(AZeit < 0 ? 7.0 / 24 : AZeit);
        E.Add(r);
    }
    return E;
}
