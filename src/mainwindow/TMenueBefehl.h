#pragma once

// The main window's menu commands, each with its caption and shortcut. The window builds its
// menus and pop-up menus from this table and asks TForm1 for each item's state before a menu opens
// and before a shortcut runs; a command reaches TForm1 through TForm1::MenueBefehl.

#include <cstdint>

enum TMenueBefehl : std::int32_t {
    mbVorblaettern,
    mbZurueckblaettern,
    mbGeheDatum,
    mbSprHeute,
    mbSprAnfang,
    mbSprEnde,
    mbSprErster,
    mbSprLetzter,
    mbSprVoriger,
    mbSprNaechster,
    mbJahr,
    mbMonat,
    mbWoche,
    mbTermintage,
    mbUnbelegt,
    mbFeiertage,
    mbUrlaub,
    mbFrei,
    mbAlleTage,
    mbLeererKalender,
    mbKwoche,
    mbKomprimiert,
    mbSchrift,
    mbSplash,
    mbVortage,
    mbSuchen,
    mbSuchenWeiter,
    mbNamenstag,
};
constexpr std::int32_t MenueBefehlAnzahl = mbNamenstag + 1;

enum TMenueArt { meEintrag, meHaken, meOption };

struct TMenueEintrag {
    const char* Caption;   // "&" marks the access key
    const char* Kurztaste; // in the toolkit's notation ("Ctrl+PgDn"); "" for none
    TMenueArt Art;
};

// The enabled and checked state of an item; every copy of an item shows the same.
struct TMenueZustand {
    bool EnabledS = true;
    bool CheckedS = false;

    bool operator==(const TMenueZustand&) const = default;
};

const TMenueEintrag& MenueEintrag(TMenueBefehl ABefehl);

// The menu bar's menus, in their order on the bar. A command belongs to the menu its shortcut is
// shown in first; copies of it in other menus run the same command.
enum TMenue : std::int32_t { mnDatei, mnSuchen, mnAktionen, mnSpruenge, mnAnsicht, mnEinstellungen };
constexpr std::int32_t MenueAnzahl = mnEinstellungen + 1;

const char* MenueCaption(TMenue AMenue);
TMenue MenueVon(TMenueBefehl ABefehl);
