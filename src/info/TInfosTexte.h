#pragma once

// The texts of the information window: the information about a day and an entry, the preview of
// coming events and the three overviews (moon phases, holidays, shown days). Lines are joined with
// CR LF, as the window shows, copies and saves them.
//
// The time zone and the system sounds come from the caller, so that this stays free of the
// system: the program passes the system's own, tests their choice.

#include <string>
#include <vector>

#include "info/TVorschauZeile.h"
#include "model/Kalenderdatum.h"
#include "model/TDaten.h"
#include "model/TTagClass.h"
#include "platform/SystemKlang.h"
#include "platform/Zeitzone.h"
#include "views/TZeile.h"

// The folder below the program's folder that holds the sound files, and the full-moon sound.
inline constexpr const char* SounddateienOrdner = "Sounddateien";
inline constexpr const char* VollmondSounddatei = "Wolf.wav";

class TInfosTexte {
public:
    // AProgrammordner holds "Namenstage.dat" and the folder "Sounddateien". The references must
    // outlive this object.
    TInfosTexte(const TZeitzone& AZeitzone, TSystemKlang& AKlang, std::string AProgrammordner);

    // Full paths of the sound files to play while the window shows the last text: filled by
    // InfosInText (the full-moon sound) and by VorschauInText (today's sound files).
    std::vector<std::string> SounddateienSl;
    // The last preview covered today only.
    bool NurHeuteS = false;

    // The information text of the day ADatum (left out when ADatum <= 0) and of the occurrence
    // ATagClass (left out when nil): the day part, an empty line, the entry part; trimmed and
    // ended with one CR LF. Clears SounddateienSl, then adds the full-moon sound on a full-moon
    // day when the file exists. A record number outside the entry raises EBereichsFehler.
    std::string InfosInText(const TTagClass* ATagClass, TDateTime ADatum);

    // The preview of today (ATage = 0) or of the ATage days after today (today from TUhr): a
    // heading line with the current time, then per day a heading, its events and a separator.
    // Event lines carry a copy of their event. With ATage = 0 the existing sound files of today's
    // events that have the sound flag go into SounddateienSl. An empty calendar gives one notice
    // line and the exclamation sound.
    TVorschauListe VorschauInText(const TDaten& ADaten, int ATage);

    // The new and full moons whose local time falls into AJahr, as "Neumond:" and "Vollmond:"
    // lists of "dd.mm.yyyy hh:mm Uhr" lines. Raises E_OutOfAlgorithmRange for years at the end
    // of the date range.
    std::string MondphasenInText(int AJahr) const;

    // The holidays of AJahr sorted by date, one line "Do., 01.01.2026: Neujahr [long text]"
    // each; empty when the year has none.
    static std::string FeiertageInText(const TDaten& ADaten, int AJahr);

    // The lines of the main list, each entry line followed by " | [long text]" when its entry
    // has a long text.
    static std::string KalenderInText(const TZeilenliste& ALb);

private:
    const TZeitzone& FZeitzone;
    TSystemKlang& FKlang;
    std::string FProgrammordner;

    std::vector<std::string> TagTeil(TTag ADatum);
    std::string MondText(TTag ADatum);
    static std::vector<std::string> EintragTeil(const TTagClass& ATagClass);
};
