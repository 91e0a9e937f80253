#pragma once

// The main window's entry commands without a window toolkit: new entry, edit, activate and
// deactivate, hide an occurrence and all following, import from a loaded file, delete one
// occurrence or the whole entry, purge the expired occurrences marked for deletion, and copy, cut
// and paste of occurrences through the entry clipboard. Each acts on the selected line of the day
// list, asks its question through TMeldungsPort, changes the calendar and selects the affected
// line again. Entries of loaded files (IdDatei != 0) are only read: they can be imported, nothing
// else changes them. A command that changes an entry's records in place reports the entry to
// the calendar (TDaten::Geaendert), which then compares it with the saved copy.
//
// It owns the entry clipboard. The clipboard's link to its source entry is a plain pointer into
// the calendar: it is only compared with the calendar's entries before use (Quelle), dropped after
// every deletion here when its entry is gone or empty, and dropped by GemerktLoesen when the
// calendar is replaced (where a new entry could take the old one's address).

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>

#include "entries/TEintragEditor.h"
#include "model/TDaten.h"
#include "model/TGemerktClass.h"
#include "window/TBefehl.h"

class TTagesliste;
class TTageslisteSteuerung;

class TEintragBefehle {
public:
    // The calendar, the day list with its controls and the editor outlive this object.
    TEintragBefehle(TDaten& ADaten, TTagesliste& ATagesliste, TTageslisteSteuerung& ASteuerung,
                    TEintragEditor& AEditor);

    // The entry commands of the edit and actions menus and the day list's pop-up menu; each
    // returns true when the calendar changed.
    static std::span<const TBefehl<TEintragBefehle, bool>> Befehle();
    // The state of an entry command's menu item.
    TMenueZustand MenueZustand(TMenueBefehl ABefehl) const;
    // Runs an entry command, whatever its state. True when the calendar changed.
    bool MenueBefehl(TMenueBefehl ABefehl);
    // Shows today in the day list; the purge of expired entries ends with it when it removed any.
    std::function<void()> HeuteZeigen;

    // "&Neuer Eintrag...": the editor preset with the selected line's day (today without one).
    bool MenuAktNeuClick();
    // "Eintrag &bearbeiten...": the current occurrence in the editor, then TerminBearbeiten.
    bool MenuAktBearbeitenClick();
    // "Eintrag &aktivieren" (AAktivTyp avAktiv) and "Eintrag &deaktivieren" for the current
    // occurrence; no question when it already has that state.
    bool MenuAktAktDeaktClick(TAktivTyp AAktivTyp);
    // "Eintrag und alle nachfolgenden Einträge ausblenden": the limit goes to the day before the
    // current occurrence.
    bool MenuAktAusblendenClick();
    // "Eintrag importieren": the current occurrence (Ja) or the whole entry (Alle) of a loaded
    // file into the main calendar.
    bool MenuAktImportClick();
    // "Eintrag &löschen" (AAllesS false: the current occurrence) and "Eintrag &und alle
    // dazugehörigen Einträge löschen" (AAllesS true).
    bool MenuAktLoeschenClick(bool AAllesS);
    // "Alle mit "Lö&schfunktion" gekennzeichneten abgelaufenen Einträge löschen"; its menu
    // command shows today afterwards (HeuteZeigen) when it returns true.
    bool MenuAktLoeschfunktionClick();
    // "&Kopieren", "&Ausschneiden", "&Einfügen".
    void MenuBearbKopierenClick();
    bool MenuBearbAusschneidenClick();
    bool MenuBearbEinfuegenClick();

    // Applies an edit of the occurrence AVonBis of AEintrag: the editor's entry R (attributes and
    // the occurrence's first record), its change class and answers. AEinzigerLaufS: the
    // occurrence was the entry's only one, so the entry is made anew from R. Returns the index of
    // the record that stands for R's first day afterwards.
    static std::int32_t TerminBearbeiten(TDatenClass& AEintrag, TDatumVonBisNr AVonBis, const TDatenClass& R,
                                         int AModifyNr, bool AAktuellerS, bool AAlleS, bool AEinzigerLaufS);

    // Where a paste on the selected line would put the clipboard's occurrence (its first and last
    // day); nothing when no line is selected, the clipboard is empty, the occurrence would leave
    // the calendar range or overlap an occurrence of its source entry.
    std::optional<std::pair<TTag, TTag>> EinfuegenZiel() const;
    bool EinfuegenOk() const { return EinfuegenZiel().has_value(); }

    const TGemerktClass* Gemerkt() const { return FGemerkt.get(); }
    // The calendar was replaced: the clipboard keeps its copy, without its source.
    void GemerktLoesen();

private:
    TDaten& FDaten;
    TTagesliste& FTagesliste;
    TTageslisteSteuerung& FSteuerung;
    TEintragEditor& FEditor;
    std::unique_ptr<TGemerktClass> FGemerkt;

    // The selected line's handle while the day list has the focus; nothing otherwise.
    const TTagClass* Aktuell() const;
    // The same, only for an entry of the main file.
    const TTagClass* AktuellHauptdatei() const;
    // The clipboard's source entry while it is still a main-file entry of the calendar.
    const TDatenClass* Quelle() const;
    void Kopieren(const TTagClass& ATagClass, bool AKopierenS);
    // Removes AEintrag from the calendar; LeereEintraegeEntfernen follows.
    void EintragEntfernen(const TDatenClass& AEintrag);
    // After deletions: the clipboard's link goes when its entry is gone or empty, then every entry
    // without records.
    void LeereEintraegeEntfernen();
    void Springe(const TDatenClass& AEintrag, std::int32_t ADatumNr);
};
