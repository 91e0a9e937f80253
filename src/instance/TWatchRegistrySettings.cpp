#include "instance/TWatchRegistrySettings.h"

#include <utility>

TWatchRegistrySettings::TWatchRegistrySettings(TBefehlsKanal& AKanal, TWeitergabe AWeitergeben,
                                               std::chrono::milliseconds AIntervall)
    : FKanal(AKanal), FWeitergeben(std::move(AWeitergeben)), FIntervall(AIntervall),
      FThread([this] { Execute(); }) {}

TWatchRegistrySettings::~TWatchRegistrySettings() {
    {
        const std::lock_guard<std::mutex> Sperre(FMutex);
        FTerminated = true;
    }
    FWecker.notify_all();
    FThread.join();
}

bool TWatchRegistrySettings::Schlafen() {
    std::unique_lock<std::mutex> Sperre(FMutex);
    return !FWecker.wait_for(Sperre, FIntervall, [this] { return FTerminated; });
}

void TWatchRegistrySettings::Execute() {
    FKanal.Lesen();
    while (Schlafen()) {
        const std::optional<TRegistrySettings> Befehl = FKanal.Lesen();
        if (!Befehl) {
            continue;
        }
        FWeitergeben(*Befehl);
        if (!Schlafen()) {
            return;
        }
    }
}
