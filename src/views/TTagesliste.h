#pragma once

// The behaviour of the period box and the day list of the main window: the view (year, month,
// week), the six display filters, the lines of the chosen period and the user's place in them,
// which every rebuild keeps.
//
// It owns the lines shown (FDisplayItems) with their TTagClass handles; a handle given out by
// AktTagClass lives until the next rebuild.

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "model/TDaten.h"
#include "views/TKalenderlisten.h"
#include "views/TTageslisteSteuerung.h"
#include "views/TZeile.h"

// Indexes of the display filters for the indexed setter and MenuAnsAusblenden.
enum TFilterIndex : int {
    fiUnbelegt = 0, // a line for days without entries
    fiBelegt = 1,   // appointments
    fiFeiertag = 2, // holidays
    fiUrlaub = 3,   // vacation days
    fiKwoche = 4,   // the calendar-week prefix
    fiFrei = 5,     // free-days mode
};
constexpr int FilterAnzahl = 6;

// The jumps between the day records of the current line's entry.
enum TDatensatzSprung { dsErster, dsLetzter, dsVoriger, dsNaechster };

class TTagesliste {
public:
    // The remembered place: the selected line from its second word on, and its date.
    std::string StrDatum;
    TTag PosDatum = 0;
    // The place taken when no line is selected; today at start.
    std::string AltStrDatum;
    TTag AltPosDatum = 0;
    // Says a text to the screen reader after the line it reads, without interrupting it: the
    // new period after a command moved into another one, and a toggle's new state when the
    // selected line reads as before. Nothing is said while the program starts.
    std::function<void(const std::string&)> Ansage;

    // Week view on today's week, filters at their start values, no lines yet.
    TTagesliste(TDaten& ADaten, TTageslisteSteuerung& ASteuerung);
    TTagesliste(const TTagesliste&) = delete;
    TTagesliste& operator=(const TTagesliste&) = delete;

    const TKalenderlisten& Kalenderlisten() const { return FKalenderlisten; }
    const TPeriodenliste& Perioden() const { return FKalenderlisten.Liste(FTagesansicht); }

    TTagesansicht Tagesansicht() const { return FTagesansicht; }
    // Switches the view and returns to the remembered place in it.
    void SetTagesansicht(TTagesansicht ATagesansicht);

    bool Filter(int AIndex) const;
    // Stores one filter (index order of TFilterIndex); other indexes are ignored.
    void SetFilter(int AIndex, bool AWert);
    bool UnbelegtS() const { return FUnbelegtS; }
    bool BelegtS() const { return FBelegtS; }
    bool FeiertagS() const { return FFeiertagS; }
    bool UrlaubS() const { return FUrlaubS; }
    bool KwocheS() const { return FKwocheS; }
    bool FreiS() const { return FFreiS; }

    // While the program starts, the focus is left where it is.
    void SetStarting(bool AStartingS) { FStartingS = AStartingS; }

    // The label of the current view's period that contains ADatum.
    std::string DatumInTagesansicht(TTag ADatum) const;

    // Rebuilds the lines for the period named in the period box; beeps and changes nothing
    // else when the box names no period.
    bool UpdateTage();
    void MerkePos();
    // Shows the period of ADatum and selects the line of that date that shows S (a line text,
    // with or without its first word); empty S selects the date's first line.
    void SpringeZuDatum(TTag ADatum, std::string S);
    // Shows the period of ADatum and selects the line of that date that shows the day record
    // AZiel (entry and record, as a line's handle holds them): a line text would not do, as an
    // entry's counter numbers each record by its place in the entry. Without such a line (a
    // cleared handle has none) the date's first line is selected.
    void SpringeZuEintrag(TTag ADatum, TTagClass AZiel);

    // Shows the next (AVorS) or previous period with its first line and gives the list the focus;
    // beeps and changes nothing before the first or after the last period. With no period chosen
    // in the box, forward goes to the first period and back beeps.
    void Blaettern(bool AVorS);
    // From an entry line to another day record of its entry, selecting exactly that record's line;
    // nothing on a day line. Beeps and changes nothing when the record does not exist, lies after
    // the entry's calendar limit or is the current one.
    void ZuDatensatzSpringen(TDatensatzSprung ASprung);

    // Enter in the period box.
    void PeriodeEingeben();
    // An item picked from the period box's list.
    void PeriodeGewaehlt();
    // Up (AVorS false) or Down in the period box: the previous or next period is picked and shown
    // at once, the focus staying in the box. Beeps and changes nothing before the first or after
    // the last period; with no period chosen in the box, Down picks the first one.
    void PeriodeSchritt(bool AVorS);

    // Toggles one filter and returns to the place. Switching the last of the four day filters
    // off enters free-days mode, switching one on leaves it. The caller saves the settings
    // after fiKwoche.
    void MenuAnsAusblenden(int AIndex);
    // After a toggle: when the selected line reads as AZeileVorher did, its new state AZustand
    // ("Kalenderwochen aus") is said, since the screen reader only repeats the line.
    void ZustandAnsagen(const std::string& AZeileVorher, const std::string& AZustand);
    // The text of the selected line, "" for none.
    std::string AktZeile() const;
    // "&Alle Tage anzeigen"
    void MenuAnsAlleTageClick();
    // "&Leeren Kalender anzeigen"
    void MenuAnsLeereTageClick();
    // Before a jump to a date: makes sure every day has a line.
    void UnbelegteTageEinschalten();

    // The handle of the selected line; nil for no selection or a day line.
    TTagClass* AktTagClass() const;
    // Replaces the handle of the selected line (nil makes it a day line's).
    void SetAktTagClass(const TTagClass* ATagClass);

    const TZeilenliste& DisplayItems() const { return FDisplayItems; }

private:
    TDaten& FDaten;
    TTageslisteSteuerung& FSteuerung;
    TKalenderlisten FKalenderlisten;
    TTagesansicht FTagesansicht = taWoche;
    // The view whose periods the box holds.
    std::optional<TTagesansicht> FGeladeneAnsicht;
    bool FUnbelegtS = true;
    bool FBelegtS = true;
    bool FFeiertagS = true;
    bool FUrlaubS = true;
    bool FKwocheS = true;
    bool FFreiS = false;
    bool FStartingS = false;
    TZeilenliste FDisplayItems;
    std::int32_t FPeriodenNr = -1; // the period of FDisplayItems
    std::string FZeitraum;         // its name

    void PeriodenLaden();
    // The period after (AVorS) or before the one chosen in the box; with none chosen, the first
    // one forward and none back. -1 for none.
    std::int32_t NachbarPeriode(bool AVorS) const;
    void Ansagen(const std::string& AText);
    void FreiNeuBerechnen();
    // Shows the period of ADatum and selects the line AZeile finds in the rebuilt list.
    template <typename F> void Springe(TTag ADatum, F AZeile);
    // The lines of ADatum: the first one and the one after the last.
    std::pair<std::int32_t, std::int32_t> TagesZeilen(TTag ADatum) const;
    std::int32_t FindeZeile(TTag ADatum, const std::string& S) const;
    std::int32_t FindeZeile(TTag ADatum, const TTagClass& AZiel) const;
};
