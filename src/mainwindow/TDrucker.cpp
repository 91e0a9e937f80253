#include "mainwindow/TDrucker.h"

#include "platform/TMeldungsPort.h"

bool TDrucker::TextDrucken(const std::string& ATitel, const std::vector<std::string>& AZeilen,
                           const TSchrift& AFont) {
    if (!DruckerVorhanden()) {
        if (TMeldungsPort* Port = TMeldungsPort::Aktiv()) {
            Port->Zeige(maInformation, KeinDruckerMeldung, mkOK);
        }
        return false;
    }
    return Drucken(ATitel, AZeilen, AFont);
}
