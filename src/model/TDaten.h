#pragma once

// The calendar in memory: the entries of the main file (IdDatei 0) and of every additionally
// loaded file, in insertion order. The collection owns its entries and always stores deep copies.
// It gives them out read-only: every change of an entry goes through the operations below, which
// note it for the modified check themselves, so no code can change the calendar unnoticed.

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
class TSpeicherstand;

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
    // Exchanges the entries with AAndere's; to each one's saved state the entries it gives away
    // are removed and those it takes are added.
    void Tauschen(TDaten& AAndere);
    // Replaces the entries of file AIdDatei with those of AGeladen, which is left empty; the other
    // entries keep their order and the new ones follow them.
    void DateiErsetzen(std::int32_t AIdDatei, TDaten& AGeladen);

    // Changes AEintrag, an entry of this calendar, by calling AAenderung with it, the saved state
    // noted before. An entry that this calendar does not hold is left alone.
    template <typename F> void Aendern(const TDatenClass& AEintrag, F AAenderung) {
        TDatenClass* Eintrag = Eigener(AEintrag);
        if (Eintrag == nullptr) {
            return;
        }
        VorAenderung(*Eintrag);
        AAenderung(*Eintrag);
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
    // The entries Ident compares: main-file entries with records.
    static bool Verglichen(const TDatenClass& AEintrag) {
        return AEintrag.IdDatei == 0 && AEintrag.Count() > 0;
    }

    // The saved state. AStand takes this calendar as it is now, and from then on this calendar
    // tells it of every change before making it. AStand outlives its use here.
    void SpeicherkopieSetzen(TSpeicherstand& AStand);
    // Ident with the calendar as last set in AStand, reading only the entries changed since. A
    // state never set for this calendar is that of an empty one.
    bool IdentSpeicherkopie(const TSpeicherstand& AStand) const;

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

    // The saved state SpeicherkopieSetzen set, or nullptr. Every change of the entries goes
    // through the calls below, which tell it: an entry about to change in place, added, removed.
    TSpeicherstand* FSpeicherstand = nullptr;

    void VorAenderung(const TDatenClass& AEintrag);
    void Hinzufuegen(std::unique_ptr<TDatenClass> AEintrag);
    void Entfernen(std::unique_ptr<TDatenClass> AEintrag);
    // Removes the entries for which AWeg is true, keeping the others' order.
    template <typename F> void EntferneWenn(F AWeg);
    // All entries leave for another calendar: Liste is left empty.
    TListe Abgeben();
    // The index of the entry at AEintrag in the list, or -1.
    std::int32_t NrVon(const TDatenClass* AEintrag) const;
    TDatenClass* Eigener(const TDatenClass& AEintrag) {
        const std::int32_t Nr = NrVon(&AEintrag);
        return Nr < 0 ? nullptr : Liste[Nr].get();
    }

    // Expands the template record ADatenClass.DatumListe[0] at the entry's interval up to
    // KalenderEnde and appends the entry with the generated records.
    void DatumListeErstellen(TDatenClass& ADatenClass);
};
