#pragma once

// Text files whose encoding the program does not control: the name-day list, texts saved from
// the information window, the updater's hand-over file. A file's type is told from its content;
// it is read into a UTF-8 string and written in a chosen encoding. ANSI means code page 1252.
//
// Reading fails with ELeseFehler when the type cannot be determined; file system failures are
// EBetriebssystemFehler carrying the system's message.

#include "files/RtfSchrift.h"

#include <optional>
#include <string>
#include <string_view>

enum TFileTextType : int {
    fttNone = 0,    // file missing or unreadable
    fttAnsi = 1,    // code page 1252, no byte-order mark
    fttUnicode = 2, // UTF-16; written little-endian with the mark FF FE
    fttRtf = 3,     // rich text
    fttUtf8 = 4,    // UTF-8 without byte-order mark
    fttUtf8Bom = 5, // UTF-8 with the mark EF BB BF
};

// Never fails: a missing or unreadable file is fttNone.
TFileTextType FileTextType(const std::string& AFileName);

std::string LoadTextFile(const std::string& AFileName, TFileTextType& AType);
std::string LoadTextFile(const std::string& AFileName);

// Strict UTF-8 (a leading byte-order mark dropped), else code page 1252.
std::string LoadUtf8OrAnsi(const std::string& AFileName);

// Creates or overwrites the file. AFont is used only for fttRtf; any type that is not one of
// the Unicode or RTF types writes code page 1252, with "?" for characters it lacks.
void SaveTextFile(const std::string& AFileName, std::string_view AText, TFileTextType AType,
                  const std::optional<TRtfSchrift>& AFont);
