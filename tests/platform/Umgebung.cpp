#include "Umgebung.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "files/Utf8.h"

namespace {

// Sets or removes one variable of the process's environment.
void Umgebungswert(const std::string& AName, const std::optional<std::string>& AWert) {
#ifdef _WIN32
    // An empty value removes the variable.
    _putenv_s(AName.c_str(), AWert ? AWert->c_str() : "");
#else
    if (AWert)
        setenv(AName.c_str(), AWert->c_str(), 1);
    else
        unsetenv(AName.c_str());
#endif
}

} // namespace

std::string NeuerTempOrdner(const std::string& APrefix) {
    std::random_device Zufall;
    const std::filesystem::path Basis = std::filesystem::temp_directory_path();
    for (int Versuch = 0; Versuch < 100; ++Versuch) {
        const std::filesystem::path Ordner = Basis / (APrefix + std::to_string(Zufall()));
        if (std::filesystem::create_directory(Ordner))
            return Ordner.string();
    }
    throw std::runtime_error("Kein temporärer Ordner");
}

TTempOrdner::TTempOrdner() : FPfad(NeuerTempOrdner("orvanto-test-")) {}

TTempOrdner::~TTempOrdner() {
    std::error_code f;
    std::filesystem::remove_all(FPfad, f);
}

TUmgebung::~TUmgebung() {
    for (const auto& [Name, Wert] : FAlt)
        Umgebungswert(Name, Wert);
}

void TUmgebung::Setzen(const std::string& AName, std::optional<std::string> AWert) {
    if (!FAlt.count(AName)) {
        const char* Alt = std::getenv(AName.c_str());
        FAlt[AName] = Alt ? std::optional<std::string>(Alt) : std::nullopt;
    }
    Umgebungswert(AName, AWert);
}

void DateiSchreiben(const std::string& APfad, const std::string& AInhalt) {
    std::filesystem::create_directories(PfadAusUtf8(APfad).parent_path());
    std::ofstream(PfadAusUtf8(APfad), std::ios::binary) << AInhalt;
}

std::string DateiLesen(const std::string& APfad) {
    std::ifstream Datei(PfadAusUtf8(APfad), std::ios::binary);
    std::stringstream s;
    s << Datei.rdbuf();
    return s.str();
}
