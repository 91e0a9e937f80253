#pragma once

// The calendar in memory: the entries of the main file (IdDatei 0) and of every additionally
// loaded file, in insertion order. The collection owns its entries and always stores deep copies.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/TDatenClass.h"
#include "model/TTagClass.h"
#include "model/TVonBisClass.h"

using TListe = std::vector<std::unique_ptr<TDatenClass>>;

struct TZeile; // views/TZeile.h: callers of Items include it
class TDateisystem;

class TDaten {
public:
    TListe Liste;

    TDaten() = default;
    TDaten(const TDaten& ADaten);
    TDaten& operator=(const TDaten&) = delete;

    std::int32_t Count() const { return static_cast<std::int32_t>(Liste.size()); }
    TDatenClass& operator[](std::int32_t ANr) const { return *Liste[ANr]; }
    void Clear();
    void Assign(const TDaten& ADaten);

    void Add(const TDatenClass& ADatenClass);
    void Add(const TDaten* ADaten);
    // Expands the occurrences of ATagClass.DatenClass from its first record and appends the result.
    void Add(const TTagClass& ATagClass);
    void Delete(std::int32_t ANr);
    void DeleteIdDatei(std::int32_t AIdDatei);

    // Smallest non-negative id not used by a main-file entry.
    std::int32_t NewId() const;
    std::int32_t FindeDatenClassNr(const TDatenClass& ADatenClass) const;
    TDatenClass* FindeIdentInfosDatenClass(const TDatenClass* ADatenClass, bool AImportS) const;
    // True if some entry's short text equals AText ignoring letter case, umlauts included.
    bool FindeKurztext(const std::string& AText) const;
    // True if both hold the same non-empty main-file entries, in any order.
    bool Ident(const TDaten* ADaten, bool AImportS) const;

    // The file operations below go through ADateisystem (defined with the files).
    // Replaces the content with the entries of a calendar file, each given AIdDatei. On failure
    // the content stays, the result is false and, with AFehlerMeldungS, the error is shown.
    bool LoadFromFile(const std::string& AFilename, bool AFehlerMeldungS, std::int32_t AIdDatei,
                      TDateisystem& ADateisystem);
    // Writes the main-file entries, replacing the file only when all is written; errors propagate.
    void SaveToFile(const std::string& AFilename, TDateisystem& ADateisystem) const;
    // Merges every entry of a calendar file into the main calendar; a file that cannot be loaded
    // (its error shown) changes nothing.
    void Import(const std::string& AFilename, TDateisystem& ADateisystem);

    // Merges one entry of another file into the main calendar.
    void Import(const TDatenClass& ADatenClass);
    // Merges every entry of ADaten, in order, as Import(ADatenClass) does one; the cost grows
    // with the entries and their records, not with the number of entries squared.
    void Import(const TDaten& ADaten);
    // Merges the one occurrence that contains the record of ATagClass.
    void Import(const TTagClass& ATagClass);

    // The view line of day record ADatumNr of entry AListeNr (defined with the views).
    std::string Text(std::int32_t AListeNr, std::int32_t ADatumNr) const;
    // The lines of the days AVonBis->Von..AVonBis->Bis with the view filters; empty for nil
    // (defined with the views).
    std::vector<TZeile> Items(const TVonBisClass* AVonBis, bool AUnbelegtS, bool ABelegtS, bool AFeiertagS,
                              bool AUrlaubS, bool AKwocheS, bool AFreiS);

    // Day records of expired occurrences marked for deletion ("today" from the clock).
    std::int32_t CountLoeschfunktion() const;
    void DeleteLoeschfunktion();
    void DeleteLeere();

private:
    // Expands the template record ADatenClass.DatumListe[0] at the entry's interval up to
    // KalenderEnde and appends the entry with the generated records.
    void DatumListeErstellen(TDatenClass& ADatenClass);
};
