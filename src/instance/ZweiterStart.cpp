#include "instance/ZweiterStart.h"

#include <thread>

namespace {

constexpr const char* Vorspann = "Orvanto läuft bereits; ";

} // namespace

std::string ZweiterStart(const std::vector<std::string>& AArgumente, const TKanalOeffnung& AKanal,
                         std::chrono::milliseconds AFrist, std::chrono::milliseconds ASchritt) {
    if (const std::string Name = DateinameMitTrenner(AArgumente); !Name.empty()) {
        return std::string(Vorspann) +
               "ein Dateiname mit senkrechtem Strich (|) kann ihm nicht übergeben werden: " + Name;
    }
    if (!AKanal.Kanal) {
        return std::string(Vorspann) + "der Befehl kann ihm nicht übergeben werden. " + AKanal.Fehler;
    }
    if (!AKanal.Kanal->Schreiben(StartBefehl(AArgumente))) {
        return std::string(Vorspann) + "der Befehl konnte ihm nicht übergeben werden.";
    }
    const auto Ende = std::chrono::steady_clock::now() + AFrist;
    while (!AKanal.Kanal->Abgeholt()) {
        if (std::chrono::steady_clock::now() >= Ende) {
            if (!AKanal.Kanal->Zuruecknehmen()) {
                return ""; // taken just now
            }
            const auto Sekunden = std::chrono::duration_cast<std::chrono::seconds>(AFrist).count();
            return std::string(Vorspann) + "es hat den Befehl nicht innerhalb von " +
                   std::to_string(Sekunden) + " Sekunden angenommen und antwortet wohl nicht.";
        }
        std::this_thread::sleep_for(ASchritt);
    }
    return "";
}
