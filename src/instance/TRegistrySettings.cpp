#include "instance/TRegistrySettings.h"

#include <algorithm>

#include <optional>

#include "model/Importargument.h"
#include "model/Trim.h"
#include "platform/Pfadteile.h"

std::string JoinParameters(const std::vector<std::string>& AArgumente) {
    std::string Text;
    for (size_t i = 0; i < AArgumente.size(); ++i) {
        const std::string_view Argument = Trim(AArgumente[i]);
        if (Argument.empty()) {
            continue;
        }
        Text += Argument;
        if (i + 1 < AArgumente.size()) {
            Text += '|';
        }
    }
    return Text;
}

std::vector<std::string> SplitParameters(const std::string& AText) {
    const std::string_view Text = Trim(AText);
    std::vector<std::string> Stuecke;
    size_t Anfang = 0;
    while (Anfang <= Text.size()) {
        const size_t Trenner = std::min(Text.find('|', Anfang), Text.size());
        if (Trenner > Anfang) {
            Stuecke.emplace_back(Text.substr(Anfang, Trenner - Anfang));
        }
        Anfang = Trenner + 1;
    }
    return Stuecke;
}

TRegistrySettings StartBefehl(const std::vector<std::string>& AArgumente) {
    TRegistrySettings Befehl;
    Befehl.Parameters = JoinParameters(AArgumente);
    if (Befehl.Parameters.empty()) {
        Befehl.SetFocus = "1";
    }
    return Befehl;
}

std::string DateinameMitTrenner(const std::vector<std::string>& AArgumente) {
    for (const std::string& Roh : AArgumente) {
        const std::string Argument(Trim(Roh));
        if (Argument.find('|') == std::string::npos) {
            continue;
        }
        const std::optional<std::string> Import = Importdatei(Argument);
        if (IstDatei(Argument) || (Import && IstDatei(*Import))) {
            return Argument;
        }
    }
    return "";
}
