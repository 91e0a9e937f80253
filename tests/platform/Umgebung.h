#pragma once

// Helpers of the platform tests: a temporary folder, environment variables set for one test,
// files written in one line.

#include <map>
#include <optional>
#include <string>

#include "platform/SpezialOrdner.h"

// Creates a new folder named APrefix and a random number in the system's temporary folder and
// returns its path.
std::string NeuerTempOrdner(const std::string& APrefix);

class TTempOrdner {
public:
    TTempOrdner();
    ~TTempOrdner();
    TTempOrdner(const TTempOrdner&) = delete;
    TTempOrdner& operator=(const TTempOrdner&) = delete;
    const std::string& Pfad() const { return FPfad; }

private:
    std::string FPfad;
};

// The user's special folders where a test puts them, so that no test reads or writes the real
// ones: the application data folder as set, no other.
class TAnwendungsdatenOrdner : public TSpezialOrdner {
public:
    explicit TAnwendungsdatenOrdner(std::string AAnwendungsdaten)
        : Anwendungsdaten(std::move(AAnwendungsdaten)) {}
    std::string GetSpecialFolder(TOrdnerArt AOrdner) const override {
        return AOrdner == ofAnwendungsdaten ? Anwendungsdaten : "";
    }
    std::string Anwendungsdaten;
};

// Sets (or, with nullopt, removes) environment variables and restores them at the end.
class TUmgebung {
public:
    ~TUmgebung();
    void Setzen(const std::string& AName, std::optional<std::string> AWert);

private:
    std::map<std::string, std::optional<std::string>> FAlt;
};

void DateiSchreiben(const std::string& APfad, const std::string& AInhalt);
std::string DateiLesen(const std::string& APfad);
