#pragma once

// The per-user channel through which a start of the program hands its command to the running
// one: three values that a writer puts in and the running program's watcher takes out again.
// Windows keeps them in a registry key of the user, Linux in a folder of the user's.

#include <memory>
#include <optional>
#include <string>

#include "instance/TRegistrySettings.h"

class TBefehlsKanal {
public:
    virtual ~TBefehlsKanal() = default;

    // Puts in every non-empty field as its value; a reader never sees half a value. All fields
    // empty: true without touching the channel. False on any error.
    virtual bool Schreiben(const TRegistrySettings& ABefehl) = 0;
    // Whether every value this object wrote is gone: taken by the reader, or replaced by a
    // newer writer.
    virtual bool Abgeholt() = 0;
    // Takes back those values this object wrote that are still waiting; false when there was
    // none left (the reader took them meanwhile).
    virtual bool Zuruecknehmen() = 0;
    // Takes every waiting value out of the channel (in the order Parameters, SetFocus, Close) and
    // gives them; nullopt when there was none or on any error.
    virtual std::optional<TRegistrySettings> Lesen() = 0;
};

// A channel, or the German reason why none may be used.
struct TKanalOeffnung {
    std::unique_ptr<TBefehlsKanal> Kanal;
    std::string Fehler;
};

// The channel named AAppName of the user on the system the program runs on (defined in linux/
// or windows/).
TKanalOeffnung SystemBefehlsKanal(const std::string& AAppName);
