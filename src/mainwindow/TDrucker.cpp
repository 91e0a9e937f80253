#include "mainwindow/TDrucker.h"

#include <sstream>

#include "platform/TMeldungsPort.h"

bool TDrucker::TextDrucken(const std::string& ATitel, const std::vector<std::string>& AZeilen,
                           const TSchrift& AFont) {
    if (!DruckerVorhanden()) {
        Frage(maInformation, KeinDruckerMeldung, mkOK);
        return false;
    }
    return Drucken(ATitel, AZeilen, AFont);
}

bool TDrucker::TextDrucken(const std::string& ATitel, const std::string& AText, const TSchrift& AFont) {
    std::vector<std::string> Zeilen;
    std::istringstream Text(AText);
    for (std::string Zeile; std::getline(Text, Zeile);) {
        if (!Zeile.empty() && Zeile.back() == '\r') {
            Zeile.pop_back();
        }
        Zeilen.push_back(Zeile);
    }
    return TextDrucken(ATitel, Zeilen, AFont);
}
