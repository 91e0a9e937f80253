#include "model/Uhr.h"

#include <chrono>
#include <ctime>

namespace {

std::function<TDateTime()>& Quelle() {
    static std::function<TDateTime()> q;
    return q;
}

TDateTime Systemzeit() {
    const auto Jetzt = std::chrono::system_clock::now();
    const std::time_t Sekunden = std::chrono::system_clock::to_time_t(Jetzt);
    std::tm Lokal{};
    localtime_r(&Sekunden, &Lokal);
    const auto Millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(Jetzt.time_since_epoch()).count() % 1000;
    const double Tagesanteil =
        (Lokal.tm_hour * 3600.0 + Lokal.tm_min * 60.0 + Lokal.tm_sec + Millis / 1000.0) / 86400.0;
    return EncodeDate(Lokal.tm_year + 1900, Lokal.tm_mon + 1, Lokal.tm_mday) + Tagesanteil;
}

} // namespace

TDateTime TUhr::Jetzt() {
    return Quelle() ? Quelle()() : Systemzeit();
}

TTag TUhr::Heute() {
    return TagVon(Jetzt());
}

void TUhr::Stellen(std::function<TDateTime()> AQuelle) {
    Quelle() = std::move(AQuelle);
}

void TUhr::Festhalten(TDateTime AZeitpunkt) {
    Stellen([AZeitpunkt] { return AZeitpunkt; });
}
