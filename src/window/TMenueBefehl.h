#pragma once

// The main window's menu commands. Each is declared once, in its feature's command class, as a
// TBefehl: its id, caption, shortcut, place in the menus and pop-up menus, its enable rule and
// its action. The menu bar, the pop-up menus, the shortcut list and the menu states are made from
// those declarations; the ids are listed here in the order of the menu bar, which is the order
// of the items within each menu.

#include <cstdint>
#include <vector>

enum TMenueBefehl : std::int32_t {
    // "&Datei"
    mbOeffnen,
    mbSpeichern,
    mbSpeichernUnter,
    mbLaden,
    mbGeladeneEntfernen,
    mbImportieren,
    mbIcsExportieren,
    mbDrucken,
    mbSchliessen,
    // "&Bearbeiten"
    mbKopieren,
    mbAusschneiden,
    mbEinfuegen,
    // "&Suchen"
    mbSuchen,
    mbSuchenWeiter,
    mbNamenstag,
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
    mbEintragIcs,
    mbLoeschen,
    mbAlleLoeschen,
    mbAbgelaufeneLoeschen,
    mbVorblaettern,
    mbZurueckblaettern,
    mbGeheDatum,
    // "S&prünge"
    mbSprHeute,
    mbSprAnfang,
    mbSprEnde,
    mbSprErster,
    mbSprLetzter,
    mbSprVoriger,
    mbSprNaechster,
    // "&Ansicht"
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
    // "E&xtras"
    mbMondUeberblick,
    mbFeiertageUeberblick,
    mbKalendertageUeberblick,
    // "&Einstellungen"
    mbSplash,
    mbAutostart,
    mbFeiertagsdatei,
    mbSonderdatei,
    mbSicherung,
    mbVortage,
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

// The menu bar's menus, in their order on the bar.
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

// What a command shows: its item in the menu bar (and the copies and pop-up items of it).
struct TMenueEintrag {
    TMenueBefehl Id;
    const char* Caption;        // "&" marks the access key; some items have none
    const char* Kurztaste = ""; // in the toolkit's notation ("Ctrl+PgDn"); "" for none
    TMenueArt Art = meEintrag;
    TMenue Menue = mnDatei;           // the menu its shortcut is shown in first
    bool TrennerDavor = false;        // a separator before it, unless it is the first of its menu
    const char* Untermenue = nullptr; // the caption of the submenu of its menu it stands in
    // A copy of it stands in the settings menu's view submenu, showing its shortcut too.
    bool EinstellungsKopie = false;
    bool ComboPopup = false; // in the period box's pop-up menu, in menu order
    // Its caption in the day list's pop-up menu (ListenPopupBefehle), when it differs.
    const char* PopupCaption = nullptr;
    // It changes what other items show: every menu takes its state right after it.
    bool MenueFolgt = false;
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
const char* MenueCaption(TMenue AMenue);
TMenue MenueVon(TMenueBefehl ABefehl);

// A menu as the window builds it: commands, separators and submenus, in their order.
struct TMenuePunkt {
    enum TArt { mpBefehl, mpTrenner, mpUntermenue } Art = mpBefehl;
    TMenueBefehl Befehl = mbOeffnen; // mpBefehl
    // A copy of an item of another menu: it shows the shortcut too and runs the same command, but
    // a shortcut runs the first item with it only.
    bool KopieS = false;
    const char* Caption = nullptr;        // mpUntermenue
    std::vector<TMenuePunkt> Punkte = {}; // mpUntermenue
};
std::vector<TMenuePunkt> MenueAufbau(TMenue AMenue);
// The pop-up menus' commands, in their order: the day list's is listed in TMenueBefehl.cpp, the
// period box's are the items marked ComboPopup, in menu order.
std::vector<TMenueBefehl> ListenPopupBefehle();
std::vector<TMenueBefehl> ComboPopupBefehle();
