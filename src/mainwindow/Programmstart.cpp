#include "mainwindow/Programmstart.h"
#include "model/Trim.h"

#include <algorithm>
#include <filesystem>

std::vector<std::string> ParameterAufbereiten(const std::vector<std::string>& AArgumente) {
    std::vector<std::string> Ergebnis;
    for (const std::string& Argument : AArgumente) {
        const std::string Text(Trim(Argument));
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
