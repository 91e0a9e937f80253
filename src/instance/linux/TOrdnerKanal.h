#pragma once

// The command channel on Linux: a folder of the user's, one file per value. A writer puts each
// value into a temporary file and renames it to the value's name, so the reader never sees half
// a value; the reader renames a value away before reading it, so each value is taken exactly
// once. The folder must be the user's own, a real folder (no link) and closed to everyone else
// (mode 0700); any other folder is refused, as are values that are links or not the user's.

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

#include "instance/TBefehlsKanal.h"

class TOrdnerKanal : public TBefehlsKanal {
public:
    // The channel in AOrdner, which is created (mode 0700) when missing; its parent must exist.
    // A folder that may not be used gives no channel but the German reason.
    static TKanalOeffnung Oeffnen(const std::string& AOrdner);

    bool Schreiben(const TRegistrySettings& ABefehl) override;
    bool Abgeholt() override;
    bool Zuruecknehmen() override;
    std::optional<TRegistrySettings> Lesen() override;

    // A value larger than this is not a command line: it is taken out and dropped.
    static constexpr off_t MaxWertGroesse = 1 << 20;

private:
    std::string FOrdner;
    // The values this object wrote, with the inode each got.
    std::vector<std::pair<std::string, ino_t>> FGeschrieben;

    explicit TOrdnerKanal(std::string AOrdner) : FOrdner(std::move(AOrdner)) {}
    bool WertSchreiben(int AOrdnerHandle, const char* AName, const std::string& AWert);
};

// The channel's folder: the folder AAppName in the user's runtime folder, or without a usable one
// the program's folder in the user's cache folder (where the single-instance lock lies then, by
// the same rules); "" when neither is known.
std::string KanalOrdner(const std::string& AAppName);
