#pragma once

// An INI file held in memory: read once (UTF-8, a leading byte-order mark ignored), changed in
// memory, written back as a whole. Section and key names compare without regard to letter case;
// keys keep the order in which they were first written.
//
// Reading is lenient, so that a damaged file never stops the program: lines are trimmed, empty
// lines and ";" comments are skipped, "[name]" opens a section, "key=value" is split at the
// first "=", and anything else is ignored. When a key appears twice, the first one counts.
//
// Writing replaces the file only by the final rename of a completed temporary file, so that a
// crash or a full disk leaves the old file as it was.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/TDateisystem.h"

class TMemIniFile {
public:
    // An empty INI object for AFileName; the file is not read.
    TMemIniFile(std::string AFileName, TDateisystem& ADateisystem);

    // Replaces the content by the file's, when the file exists (EBetriebssystemFehler when it
    // exists but cannot be read).
    void LoadFromFile();
    // Writes the whole content to FileName (EBetriebssystemFehler on any failure; the old file
    // is then untouched and no temporary file is left).
    void UpdateFile() const;

    const std::string& FileName() const { return FFileName; }

    bool SectionExists(std::string_view ASection) const;
    bool ValueExists(std::string_view ASection, std::string_view AKey) const;

    std::string ReadString(std::string_view ASection, std::string_view AKey, std::string_view ADefault) const;
    // A decimal number with optional sign, or hexadecimal after "$" or "0x" (32 bits, taken as
    // signed); anything else, or a number outside 32 bits, gives ADefault.
    std::int32_t ReadInteger(std::string_view ASection, std::string_view AKey, std::int32_t ADefault) const;
    // Any integer other than 0 is true.
    bool ReadBool(std::string_view ASection, std::string_view AKey, bool ADefault) const;

    // A value cannot span lines: line breaks in AValue are written as blanks.
    void WriteString(std::string_view ASection, std::string_view AKey, std::string_view AValue);
    void WriteInteger(std::string_view ASection, std::string_view AKey, std::int32_t AValue);
    // Written as "1" or "0".
    void WriteBool(std::string_view ASection, std::string_view AKey, bool AValue);
    void DeleteKey(std::string_view ASection, std::string_view AKey);
    // Creates the section when it is missing, so that it is written even without keys.
    void AddSection(std::string_view ASection);

    // The file's text, and the content replaced by a text.
    std::string GetText() const;
    void SetText(std::string_view AText);

private:
    struct TEintrag {
        std::string Key;
        std::string Value;
    };
    // Names are found through an index of their lower-cased form, so that reading a file of many
    // keys takes time in proportion to its length.
    using TIndex = std::unordered_map<std::u32string, std::size_t>;
    struct TSection {
        std::string Name;
        std::vector<TEintrag> Eintraege;
        TIndex Index; // lower-cased key -> place in Eintraege
    };

    const TSection* FindeSection(std::string_view ASection) const;
    TSection& SectionFuerSchreiben(std::string_view ASection);
    const TEintrag* FindeEintrag(std::string_view ASection, std::string_view AKey) const;
    static TEintrag* FindeEintrag(TSection& ASection, std::string_view AKey);
    static void Hinzufuegen(TSection& ASection, std::string AKey, std::string AValue);

    std::string FFileName;
    TDateisystem* FDateisystem;
    std::vector<TSection> FSections;
    TIndex FSectionIndex; // lower-cased name -> place in FSections
};
