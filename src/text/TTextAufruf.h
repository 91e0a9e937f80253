#pragma once

// One run of the text front end as its command line asks for it.

#include <optional>
#include <string>
#include <vector>

#include "model/Kalenderdatum.h"
#include "views/TTagesansicht.h"

enum TTextBefehl {
    tbHilfe,
    tbVersion,
    tbPruefen,
    tbSpeichern,
    tbListe,
    tbInfo,
    tbVorschau,
    tbMondphasen,
    tbFeiertage,
    tbNamenstage,
    tbNamenSuche,
    tbImportieren,
    tbExportieren,
};

// The day list's display switches, applied in command-line order.
enum TListenSchalter {
    lsKomprimiert,
    lsOhneKw,
    lsOhneTermine,
    lsOhneUnbelegte,
    lsOhneFeiertage,
    lsOhneUrlaub,
    lsFrei,
    lsLeer,
};

struct TTextAufruf {
    TTextBefehl Befehl = tbHilfe;
    std::optional<TTag> Heute;              // "today" for this run; the clock's when not given
    std::string Programmordner;             // "" for the program's own data folder
    std::vector<std::string> Dateien;       // the command's file arguments, in order
    std::vector<std::string> Zusatzdateien; // additional files, loaded as file ids 1, 2, ...
    TTagesansicht Ansicht = taWoche;
    std::optional<std::string> Periode;
    std::optional<TTag> Datum; // liste: the day whose period is shown; info, namenstage: the day
    std::vector<TListenSchalter> Schalter;
    int Nr = 0;   // info: the entry line of the day, from 1; 0 for the day alone
    int Tage = 0; // vorschau: 0 for today only
    int Jahr = 0;
    std::string Name;
    bool GenauS = false;
};
