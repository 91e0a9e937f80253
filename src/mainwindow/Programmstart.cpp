#include "mainwindow/Programmstart.h"

#include <algorithm>
#include <filesystem>

namespace {

std::string Getrimmt(const std::string& S) {
    size_t Anfang = 0;
    size_t Ende = S.size();
    while (Anfang < Ende && static_cast<unsigned char>(S[Anfang]) <= ' ') {
        ++Anfang;
    }
    while (Ende > Anfang && static_cast<unsigned char>(S[Ende - 1]) <= ' ') {
        --Ende;
    }
    return S.substr(Anfang, Ende - Anfang);
}

} // namespace

std::vector<std::string> ParameterAufbereiten(const std::vector<std::string>& AArgumente) {
    std::vector<std::string> Ergebnis;
    for (const std::string& Argument : AArgumente) {
        const std::string Text = Getrimmt(Argument);
        size_t Anfang = 0;
        while (Anfang <= Text.size()) {
            const size_t Trenner = std::min(Text.find('|', Anfang), Text.size());
            if (Trenner > Anfang) {
                Ergebnis.push_back(Text.substr(Anfang, Trenner - Anfang));
            }
            Anfang = Trenner + 1;
        }
    }
    return Ergebnis;
}

bool SplashErlaubtS(bool AShowSplashScreenS, const std::vector<std::string>& ARohArgumente) {
    return AShowSplashScreenS && (ARohArgumente.empty() || ARohArgumente.front() != "/systemstartup");
}

std::string SplashDateiname(const std::string& AProgrammdatei) {
    return std::filesystem::path(AProgrammdatei).replace_extension(".ss").string();
}
