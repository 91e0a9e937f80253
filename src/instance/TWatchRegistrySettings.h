#pragma once

// The running program's watcher: a thread that looks into the command channel about every 100 ms,
// takes out what it finds and hands it on. It touches nothing but the channel; AWeitergeben runs
// on the watcher's thread and must only queue the command for the user-interface thread.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "instance/TBefehlsKanal.h"

class TWatchRegistrySettings {
public:
    using TWeitergabe = std::function<void(const TRegistrySettings&)>;

    // Starts the thread at once. Commands left in the channel from an earlier run are taken out
    // and dropped first. After a command was handed on, the next look waits one more interval.
    TWatchRegistrySettings(TBefehlsKanal& AKanal, TWeitergabe AWeitergeben,
                           std::chrono::milliseconds AIntervall = std::chrono::milliseconds(100));
    // Stops the thread and waits for it (at most about one look into the channel).
    ~TWatchRegistrySettings();
    TWatchRegistrySettings(const TWatchRegistrySettings&) = delete;
    TWatchRegistrySettings& operator=(const TWatchRegistrySettings&) = delete;

private:
    TBefehlsKanal& FKanal;
    TWeitergabe FWeitergeben;
    std::chrono::milliseconds FIntervall;
    std::mutex FMutex;
    std::condition_variable FWecker;
    bool FTerminated = false;
    std::thread FThread;

    void Execute();
    // Sleeps one interval; false when the thread is to end.
    bool Schlafen();
};
