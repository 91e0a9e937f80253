#pragma once

// What a calendar was when it was last loaded or saved, kept as its difference from what it is
// now: the saved state of each entry changed or removed since, and the entries added since.
// Every entry it does not name is as it was saved, so the saved calendar costs memory only for
// what changed. The calendar (TDaten) tells it of every change before making it; the modified
// check then reads the changed entries only and answers as a comparison with a full copy would.

#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TDaten;
class TDatenClass;

class TSpeicherstand {
public:
    TSpeicherstand();
    ~TSpeicherstand();
    TSpeicherstand(const TSpeicherstand&) = delete;
    TSpeicherstand& operator=(const TSpeicherstand&) = delete;

    // From the next setting on, also keeps a full copy of the calendar as set, for checks that
    // compare the whole calendar with it; the modified check never reads it.
    void VollkopieHalten() { FVollkopieS = true; }
    // The full copy of the last setting (empty before the first or without VollkopieHalten).
    const TDaten& Vollkopie() const { return *FVollkopie; }

    // The calls below are TDaten's, which makes them for every change of its entries.

    // ADaten, as it is now, is the saved state.
    void Setzen(const TDaten& ADaten);
    // AEintrag, an entry of the calendar, is about to change in place.
    void VorAenderung(const TDatenClass& AEintrag);
    // AEintrag has just come into the calendar.
    void Hinzugefuegt(const TDatenClass& AEintrag) { FNeu.insert(&AEintrag); }
    // AEintrag leaves the calendar for good; its saved state is kept where it had one.
    void Entfernt(std::unique_ptr<TDatenClass> AEintrag);
    // AEintrag leaves the calendar but lives on elsewhere; its saved state is kept (copied if it
    // is unchanged) where it had one.
    void Abgegeben(const TDatenClass& AEintrag);
    // The entries of the saved calendar, given ADaten as it is now: its unchanged entries
    // themselves, the saved states of the changed and removed ones.
    std::vector<const TDatenClass*> GespeicherteEintraege(const TDaten& ADaten) const;

private:
    // Saved states of entries still in the calendar, by address; null where the saved state
    // takes no part in the comparison (TDaten::Verglichen).
    std::unordered_map<const TDatenClass*, std::unique_ptr<TDatenClass>> FVorher;
    // Saved states of removed entries that take part in the comparison.
    std::vector<std::unique_ptr<TDatenClass>> FEntfernt;
    std::unordered_set<const TDatenClass*> FNeu;
    bool FVollkopieS = false;
    std::unique_ptr<TDaten> FVollkopie;

    // Moves the saved state of AEintrag, which leaves the calendar, to FEntfernt if it has one
    // apart from the entry itself; false if AEintrag is unchanged since the saving.
    bool StandAblegen(const TDatenClass& AEintrag);
};
