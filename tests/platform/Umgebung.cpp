#include "Umgebung.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TTempOrdner::TTempOrdner() {
    char Muster[] = "/tmp/orvanto-test-XXXXXX";
    if (!mkdtemp(Muster))
        throw std::runtime_error("mkdtemp");
    FPfad = Muster;
}

TTempOrdner::~TTempOrdner() {
    std::error_code f;
    std::filesystem::remove_all(FPfad, f);
}

TUmgebung::~TUmgebung() {
    for (const auto& [Name, Wert] : FAlt)
        if (Wert)
            setenv(Name.c_str(), Wert->c_str(), 1);
        else
            unsetenv(Name.c_str());
}

void TUmgebung::Setzen(const std::string& AName, std::optional<std::string> AWert) {
    if (!FAlt.count(AName)) {
        const char* Alt = std::getenv(AName.c_str());
        FAlt[AName] = Alt ? std::optional<std::string>(Alt) : std::nullopt;
    }
    if (AWert)
        setenv(AName.c_str(), AWert->c_str(), 1);
    else
        unsetenv(AName.c_str());
}

void DateiSchreiben(const std::string& APfad, const std::string& AInhalt) {
    std::filesystem::create_directories(std::filesystem::path(APfad).parent_path());
    std::ofstream(APfad, std::ios::binary) << AInhalt;
}

std::string DateiLesen(const std::string& APfad) {
    std::ifstream Datei(APfad, std::ios::binary);
    std::stringstream s;
    s << Datei.rdbuf();
    return s.str();
}
