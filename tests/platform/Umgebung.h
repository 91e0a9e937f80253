#pragma once

// Helpers of the platform tests: a temporary folder, environment variables set for one test,
// files written in one line.

#include <map>
#include <optional>
#include <string>

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
