#pragma once

// The single-instance lock on Linux: an exclusive flock on a file of the user's. The kernel drops
// the lock when its process ends in any way, so the file of a killed instance never blocks a
// start; the file itself stays.

#include <string>
#include <vector>

#include "platform/TInstanzSperre.h"

// A folder the lock file may lie in.
struct TSperrOrt {
    std::string Ordner;
    bool AnlegenS = false; // create the folder (mode 0700) when it is missing

    bool operator==(const TSperrOrt&) const = default;
};

// Where to look, in order: $XDG_RUNTIME_DIR, then $XDG_CACHE_HOME/Orvanto (default
// ~/.cache/Orvanto). Relative settings are ignored, as the freedesktop rules say; never the home
// folder itself.
std::vector<TSperrOrt> SperrOrte();

class TDateiSperre : public TInstanzSperre {
public:
    // Tries the places in order. A place is passed over when its folder or file cannot be used:
    // missing, not a folder, the file a link, not a regular file or owned by someone else. The
    // first usable file decides: its lock is taken, or another instance holds it.
    TDateiSperre(const std::vector<TSperrOrt>& AOrte, const std::string& AName);
    ~TDateiSperre() override;
    TDateiSperre(const TDateiSperre&) = delete;
    TDateiSperre& operator=(const TDateiSperre&) = delete;

    TSperrZustand Zustand() const override { return FZustand; }
    // The lock file that decided; "" without one.
    const std::string& Datei() const { return FDatei; }

private:
    int FHandle = -1;
    TSperrZustand FZustand = szOhneSperre;
    std::string FDatei;

    bool Versuchen(const TSperrOrt& AOrt, const std::string& AName);
};
