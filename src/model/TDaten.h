#pragma once

// The calendar in memory: the entries of the main file (IdDatei 0) and of every additionally
// loaded file, in insertion order. The collection owns its entries and always stores deep copies.
// It gives them out read-only: every change of an entry goes through the operations below, which
// note it for the modified check themselves, so no code can change the calendar unnoticed.

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
    TDaten() = default;
    TDaten(const TDaten& ADaten);
    TDaten& operator=(const TDaten&) = delete;

    std::int32_t Count() const { return static_cast<std::int32_t>(Liste.size()); }
    const TDatenClass& operator[](std::int32_t ANr) const { return *Liste[ANr]; }
    // The entries in order, read-only (for range-for loops).
    class TEintragsansicht {
    public:
        class Iterator {
        public:
            explicit Iterator(TListe::const_iterator AStelle) : FStelle(AStelle) {}
            const TDatenClass& operator*() const { return **FStelle; }
            Iterator& operator++() {
                ++FStelle;
                return *this;
            }
            bool operator==(const Iterator&) const = default;

        private:
            TListe::const_iterator FStelle;
        };
        explicit TEintragsansicht(const TListe& AListe) : FListe(AListe) {}
        Iterator begin() const { return Iterator(FListe.begin()); }
        Iterator end() const { return Iterator(FListe.end()); }

    private:
        const TListe& FListe;
    };
    TEintragsansicht Eintraege() const { return TEintragsansicht(Liste); }
    void Clear();
    void Assign(const TDaten& ADaten);

    void Add(const TDatenClass& ADatenClass);
    // Takes the entry over without copying its records.
    void Add(TDatenClass&& ADatenClass);
    void Add(const TDaten* ADaten);
    // Expands the occurrences of ATagClass.DatenClass from its first record and appends the result.
    void Add(const TTagClass& ATagClass);
    void Delete(std::int32_t ANr);
    // Removes AEintrag, if it is one of this calendar's entries.
    void Delete(const TDatenClass& AEintrag) { Delete(NrVon(&AEintrag)); }
    void DeleteIdDatei(std::int32_t AIdDatei);
    // Exchanges the entries with AAndere's; neither keeps what it knew about its saved copy.
    void Tauschen(TDaten& AAndere);
    // Replaces the entries of file AIdDatei with those of AGeladen, which is left empty; the other
    // entries keep their order and the new ones follow them.
    void DateiErsetzen(std::int32_t AIdDatei, TDaten& AGeladen);

    // Changes AEintrag, an entry of this calendar, by calling AAenderung with it, and notes the
    // change (under its old and its new id). An entry that this calendar does not hold is left
    // alone.
    template <typename F> void Aendern(const TDatenClass& AEintrag, F AAenderung) {
        TDatenClass* Eintrag = Eigener(AEintrag);
        if (Eintrag == nullptr) {
            return;
        }
        Geaendert(*Eintrag);
        AAenderung(*Eintrag);
        Geaendert(*Eintrag);
    }

    // Smallest non-negative id not used by a main-file entry.
    std::int32_t NewId() const;
    std::int32_t FindeDatenClassNr(const TDatenClass& ADatenClass) const;
    // True if AEintrag points at one of this calendar's entries (the very object, not an equal
    // one); the pointer is compared, never followed.
    bool Enthaelt(const TDatenClass* AEintrag) const { return NrVon(AEintrag) >= 0; }
    const TDatenClass* FindeIdentInfosDatenClass(const TDatenClass* ADatenClass, bool AImportS) const;
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
    class TImport;

    TListe Liste;

    // The copy SpeicherkopieSetzen made, and the ids whose records may differ from it: every
    // main-file entry whose id is not in FGeaendert has the records of the copy's entry with that
    // id. Adding an entry or changing records or ids in place breaks this unless the id is noted,
    // which the operations of this class do themselves; removing an entry keeps it. Without a
    // copy (nullptr) IdentSpeicherkopie compares everything. The copy is compared by address and
    // never read through this pointer.
    const TDaten* FSpeicherkopie = nullptr;
    std::unordered_set<std::int32_t> FGeaendert;

    // Notes that the records or ids of AEintrag may differ from the copy's (called with its new
    // ids after a change of them); removing entries needs no note.
    void Geaendert(const TDatenClass& AEintrag);
    // Forgets the copy: the next modified check compares everything.
    void AllesGeaendert();
    // The index of the entry at AEintrag in the list, or -1.
    std::int32_t NrVon(const TDatenClass* AEintrag) const;
    TDatenClass* Eigener(const TDatenClass& AEintrag) {
        const std::int32_t Nr = NrVon(&AEintrag);
        return Nr < 0 ? nullptr : Liste[Nr].get();
    }

    // Ident; with AGeaendert, the records of entries whose id it does not hold are taken as equal
    // when their counts are.
    bool Vergleiche(const TDaten* ADaten, bool AImportS,
                    const std::unordered_set<std::int32_t>* AGeaendert) const;

    // Expands the template record ADatenClass.DatumListe[0] at the entry's interval up to
    // KalenderEnde and appends the entry with the generated records.
    void DatumListeErstellen(TDatenClass& ADatenClass);
};
