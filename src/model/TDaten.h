#pragma once

// The calendar in memory: the entries of the main file (IdDatei 0) and of every additionally
// loaded file, in insertion order. The collection owns its entries and always stores deep copies.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
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

    // The saved copy. ASpeicherDaten becomes a deep copy of this calendar, and from then on this
    // calendar notes the main-file ids whose records may come to differ from the copy's. The copy
    // is changed by nothing but this call while it serves, and outlives its use here.
    void SpeicherkopieSetzen(TDaten& ASpeicherDaten);
    // Ident(&ASpeicherDaten, false). Against the copy that SpeicherkopieSetzen made, the records
    // of entries whose ids were not noted since are known to equal the copy's and are not read;
    // ids, attributes and record counts are compared for every entry all the same.
    bool IdentSpeicherkopie(const TDaten& ASpeicherDaten) const;
    // Code that changes the records of an entry in place, or its Id or IdDatei, reports the entry
    // here (with its new ids), and code that puts entries into Liste other than through the
    // operations of this class calls AllesGeaendert. Removing entries needs no report.
    void Geaendert(const TDatenClass& AEintrag);
    void AllesGeaendert();

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
    // The copy SpeicherkopieSetzen made, and the ids whose records may differ from it: every
    // main-file entry whose id is not in FGeaendert has the records of the copy's entry with that
    // id. Adding an entry or changing records or ids in place breaks this unless the id is noted,
    // which the operations of this class do themselves; removing an entry keeps it. Without a
    // copy (nullptr) IdentSpeicherkopie compares everything. The copy is compared by address and
    // never read through this pointer.
    const TDaten* FSpeicherkopie = nullptr;
    std::unordered_set<std::int32_t> FGeaendert;

    // Ident; with AGeaendert, the records of entries whose id it does not hold are taken as equal
    // when their counts are.
    bool Vergleiche(const TDaten* ADaten, bool AImportS,
                    const std::unordered_set<std::int32_t>* AGeaendert) const;

    // Expands the template record ADatenClass.DatumListe[0] at the entry's interval up to
    // KalenderEnde and appends the entry with the generated records.
    void DatumListeErstellen(TDatenClass& ADatenClass);
};
