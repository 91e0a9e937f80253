#include "mainwindow/TMenueBefehl.h"

#include <cstdlib>

namespace {

constexpr TMenueEintrag Eintraege[MenueBefehlAnzahl] = {
    {"&Vorblättern", "Ctrl+Down", meEintrag},
    {"&Zurückblättern", "Ctrl+Up", meEintrag},
    {"&Gehe zu Datum...", "Ctrl+G", meEintrag},
    {"Sprung zum &heutigen Tag", "Ctrl+H", meEintrag},
    {"Sprung zum Kalender&anfang", "Alt+Home", meEintrag},
    {"Sprung zum &Kalenderende", "Alt+End", meEintrag},
    {"Sprung zum &ersten dazugehörigen Eintrag", "Ctrl+Home", meEintrag},
    {"Sprung zum &letzten dazugehörigen Eintrag", "Ctrl+End", meEintrag},
    {"Sprung zum &vorigen dazugehörigen Eintrag", "Ctrl+PgUp", meEintrag},
    {"Sprung zum &nächsten dazugehörigen Eintrag", "Ctrl+PgDn", meEintrag},
    {"&Jahresansicht", "Ctrl+J", meOption},
    {"&Monatsansicht", "Ctrl+M", meOption},
    {"&Wochenansicht", "Ctrl+W", meOption},
    {"&Termintage ein", "Ctrl+1", meHaken},
    {"&Unbelegte Tage ein", "Ctrl+2", meHaken},
    {"&Feiertage ein", "Ctrl+3", meHaken},
    {"U&rlaubstage ein", "Ctrl+4", meHaken},
    {"Fr&eie Tage anzeigen", "Ctrl+6", meHaken},
    {"&Alle Tage anzeigen", "Ctrl+5", meEintrag},
    {"&Leeren Kalender anzeigen", "Ctrl+7", meEintrag},
    {"Kale&nderwochen ein", "Ctrl+0", meHaken},
    {"&Komprimierter Eintragsmodus ein", "Ctrl+K", meHaken},
    {"&Schrifteinstellungen...", "", meEintrag},
    {"Zeige SplashS&creen beim Start", "", meHaken},
    {"Anzahl der &Vorschautage...", "", meEintrag},
    {"&Text in Einträgen...", "Ctrl+F", meEintrag},
    {"Suche &weiter Text in Einträgen", "F3", meEintrag},
    {"&Namenstag...", "", meEintrag},
};

} // namespace

const TMenueEintrag& MenueEintrag(TMenueBefehl ABefehl) {
    return Eintraege[ABefehl];
}

const char* MenueCaption(TMenue AMenue) {
    constexpr const char* Captions[MenueAnzahl] = {"&Datei",   "&Suchen",  "A&ktionen",
                                                   "S&prünge", "&Ansicht", "&Einstellungen"};
    return Captions[AMenue];
}

// Without a default, so a new command does not compile until it has its menu.
TMenue MenueVon(TMenueBefehl ABefehl) {
    switch (ABefehl) {
    case mbSuchen:
    case mbSuchenWeiter:
    case mbNamenstag:
        return mnSuchen;
    case mbVorblaettern:
    case mbZurueckblaettern:
    case mbGeheDatum:
        return mnAktionen;
    case mbSprHeute:
    case mbSprAnfang:
    case mbSprEnde:
    case mbSprErster:
    case mbSprLetzter:
    case mbSprVoriger:
    case mbSprNaechster:
        return mnSpruenge;
    case mbJahr:
    case mbMonat:
    case mbWoche:
    case mbTermintage:
    case mbUnbelegt:
    case mbFeiertage:
    case mbUrlaub:
    case mbFrei:
    case mbAlleTage:
    case mbLeererKalender:
    case mbKwoche:
    case mbKomprimiert:
    case mbSchrift:
        return mnAnsicht;
    case mbSplash:
    case mbVortage:
        return mnEinstellungen;
    }
    std::abort(); // not a command
}
