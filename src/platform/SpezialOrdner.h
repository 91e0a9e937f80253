#pragma once

// The user's special folders: where the settings, the calendar files and the autostart entry
// live. The numbers are the shell's folder ids the program has always used.

#include <memory>
#include <string>

enum TOrdnerArt {
    ofDokumente = 5,
    ofAutostart = 7,
    ofAnwendungsdaten = 26,
};

class TSpezialOrdner {
public:
    virtual ~TSpezialOrdner() = default;
    // The folder's path with a trailing separator, or "" when the system has no such folder.
    // Never throws.
    virtual std::string GetSpecialFolder(TOrdnerArt AOrdner) const = 0;
};

// The folders of the system the program runs on (defined in linux/ or windows/).
std::unique_ptr<TSpezialOrdner> SystemSpezialOrdner();
