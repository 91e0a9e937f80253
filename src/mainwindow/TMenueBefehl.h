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
    // "&Datei"
    mbOeffnen,
    mbSpeichern,
    mbSpeichernUnter,
    mbLaden,
    mbGeladeneEntfernen,
    mbImportieren,
    mbDrucken,
    mbSchliessen,
    // "&Bearbeiten"
    mbKopieren,
    mbAusschneiden,
    mbEinfuegen,
    // "A&ktionen"
    mbNeu,
    mbBearbeiten,
    mbInfos,
    mbVorschauHeute,
    mbVorschauTage,
    mbAktivieren,
    mbDeaktivieren,
    mbAusblenden,
    mbEintragImportieren,
    mbMail,
    mbLoeschen,
    mbAlleLoeschen,
    mbAbgelaufeneLoeschen,
    // "E&xtras"
    mbMondUeberblick,
    mbFeiertageUeberblick,
    mbKalendertageUeberblick,
    // "&Einstellungen"
    mbAutostart,
    mbFeiertagsdatei,
    mbSonderdatei,
    mbSicherung,
    // "&Hilfe"
    mbHilfe,
    mbKurztasten,
    mbAenderungen,
    mbMailProgrammierer,
    mbHomepage,
    mbSpenden,
    mbAktualisierung,
    mbInfo,
};
constexpr std::int32_t MenueBefehlAnzahl = mbInfo + 1;

enum TMenueArt { meEintrag, meHaken, meOption };

struct TMenueEintrag {
    const char* Caption;   // "&" marks the access key; some items have none
    const char* Kurztaste; // in the toolkit's notation ("Ctrl+PgDn"); "" for none
    TMenueArt Art;
    const char* PopupCaption = nullptr; // in the day list's pop-up menu, when it differs
};

// The enabled and checked state of an item; every copy of an item shows the same.
struct TMenueZustand {
    bool EnabledS = true;
    bool CheckedS = false;
    // A hidden item is not in its menu at all.
    bool SichtbarS = true;

    bool operator==(const TMenueZustand&) const = default;
};

const TMenueEintrag& MenueEintrag(TMenueBefehl ABefehl);

// The menu bar's menus, in their order on the bar. A command belongs to the menu its shortcut is
// shown in first; copies of it in other menus run the same command.
enum TMenue : std::int32_t {
    mnDatei,
    mnBearbeiten,
    mnSuchen,
    mnAktionen,
    mnSpruenge,
    mnAnsicht,
    mnExtras,
    mnEinstellungen,
    mnHilfe
};
constexpr std::int32_t MenueAnzahl = mnHilfe + 1;

const char* MenueCaption(TMenue AMenue);
TMenue MenueVon(TMenueBefehl ABefehl);
