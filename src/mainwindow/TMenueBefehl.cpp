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
    {"&Schrifteinstellungen...", "", meEintrag, "Sc&hrifteinstellungen..."},
    {"Zeige SplashS&creen beim Start", "", meHaken},
    {"Anzahl der &Vorschautage...", "", meEintrag},
    {"&Text in Einträgen...", "Ctrl+F", meEintrag},
    {"Suche &weiter Text in Einträgen", "F3", meEintrag},
    {"&Namenstag...", "", meEintrag},
    {"Ö&ffnen...", "Ctrl+O", meEintrag},
    {"&Speichern", "Ctrl+S", meEintrag},
    {"Speichern &unter...", "Ctrl+U", meEintrag},
    {"Datei &laden und anzeigen...", "Ctrl+L", meEintrag},
    {"Geladene &Dateien aus Liste entfernen...", "Ctrl+D", meEintrag},
    {"&Importieren...", "", meEintrag},
    {"&Drucken...", "Ctrl+P", meEintrag},
    {"S&chließen", "Ctrl+F4", meEintrag},
    {"&Kopieren", "Ctrl+C", meEintrag, "Kopieren"},
    {"&Ausschneiden", "Ctrl+X", meEintrag, "Ausschneiden"},
    {"&Einfügen", "Ctrl+V", meEintrag, "Einfügen"},
    {"&Neuer Eintrag...", "Ctrl+N", meEintrag},
    {"Eintrag &bearbeiten...", "Ctrl+B", meEintrag},
    {"&Infos...", "Ctrl+I", meEintrag},
    {"V&orschau von heute", "F4", meEintrag},
    {"Vo&rschau der nächsten Tage", "F8", meEintrag},
    {"Eintrag &aktivieren", "", meOption},
    {"Eintrag &deaktivieren", "", meOption},
    {"Eintrag und alle nachfolgenden Einträge ausblenden", "", meEintrag},
    {"Eintrag importieren", "", meEintrag},
    {"Eintrag per &Mail versenden...", "", meEintrag, "Eintrag per Mail versenden..."},
    {"Eintrag &löschen", "Del", meEintrag},
    {"Eintrag &und alle dazugehörigen Einträge löschen", "Shift+Del", meEintrag,
     "Eintrag und alle dazugehörigen Einträge löschen"},
    {"Alle mit \"Lö&schfunktion\" gekennzeichneten abgelaufenen Einträge löschen", "Ctrl+A", meEintrag},
    {"Mondphasen im Überblick...", "", meEintrag},
    {"Feiertage im Überblick...", "", meEintrag},
    {"Angezeigte &Kalendertage im Überblick...", "F9", meEintrag},
    {"Automatisch beim &Hochfahren starten ein", "", meHaken},
    {"&Feiertagsdatei verwenden ein...", "", meHaken},
    {"S&onderdatei verwenden ein...", "", meHaken},
    {"&Sicherungsdatei beim Speichern erstellen ein", "", meHaken},
    {"&Hilfe...", "F1", meEintrag},
    {"&Kurztasten...", "", meEintrag},
    {"&Änderungen...", "", meEintrag},
    {"&Mail an den Programmierer...", "", meEintrag},
    {"Home&page...", "", meEintrag},
    {"&Spenden...", "", meEintrag},
    {"&Aktualisierung...", "", meEintrag},
    {"&Info", "", meEintrag},
};

} // namespace

const TMenueEintrag& MenueEintrag(TMenueBefehl ABefehl) {
    return Eintraege[ABefehl];
}

const char* MenueCaption(TMenue AMenue) {
    constexpr const char* Captions[MenueAnzahl] = {"&Datei",    "&Bearbeiten",    "&Suchen",
                                                   "A&ktionen", "S&prünge",       "&Ansicht",
                                                   "E&xtras",   "&Einstellungen", "&Hilfe"};
    return Captions[AMenue];
}

// Without a default, so a new command does not compile until it has its menu.
TMenue MenueVon(TMenueBefehl ABefehl) {
    switch (ABefehl) {
    case mbOeffnen:
    case mbSpeichern:
    case mbSpeichernUnter:
    case mbLaden:
    case mbGeladeneEntfernen:
    case mbImportieren:
    case mbDrucken:
    case mbSchliessen:
        return mnDatei;
    case mbKopieren:
    case mbAusschneiden:
    case mbEinfuegen:
        return mnBearbeiten;
    case mbSuchen:
    case mbSuchenWeiter:
    case mbNamenstag:
        return mnSuchen;
    case mbNeu:
    case mbBearbeiten:
    case mbInfos:
    case mbVorschauHeute:
    case mbVorschauTage:
    case mbAktivieren:
    case mbDeaktivieren:
    case mbAusblenden:
    case mbEintragImportieren:
    case mbMail:
    case mbLoeschen:
    case mbAlleLoeschen:
    case mbAbgelaufeneLoeschen:
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
    case mbMondUeberblick:
    case mbFeiertageUeberblick:
    case mbKalendertageUeberblick:
        return mnExtras;
    case mbSplash:
    case mbAutostart:
    case mbFeiertagsdatei:
    case mbSonderdatei:
    case mbSicherung:
    case mbVortage:
        return mnEinstellungen;
    case mbHilfe:
    case mbKurztasten:
    case mbAenderungen:
    case mbMailProgrammierer:
    case mbHomepage:
    case mbSpenden:
    case mbAktualisierung:
    case mbInfo:
        return mnHilfe;
    }
    std::abort(); // not a command
}
