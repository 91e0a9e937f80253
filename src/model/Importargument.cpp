#include "model/Importargument.h"

#include <string_view>

#include "model/Textvergleich.h"

std::optional<std::string> Importdatei(const std::string& AArgument) {
    constexpr std::string_view Praefix = "/I:";
    if (AArgument.size() < Praefix.size() ||
        !GleichOhneGrossKlein(std::string_view(AArgument).substr(0, Praefix.size()), Praefix)) {
        return std::nullopt;
    }
    return AArgument.substr(Praefix.size());
}
