// The menus as the window builds them from the features' command declarations: every menu's
// items in their order with captions, shortcuts, separators and submenus, and the pop-up menus.
// A declaration placed in the wrong menu, at the wrong place or with another caption or key shows
// here; the screen reader reads exactly these texts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/TBefehlsliste.h"
#include "window/TMenueBefehl.h"

namespace {

// One line per item: "[ ] " before a check item, "( ) " before a radio item, the caption, a tab
// and the shortcut; "-" for a separator; a submenu's caption with ">" and its items indented.
// Copies of items of another menu end with " (Kopie)".
void Zeilen(const std::vector<TMenuePunkt>& APunkte, const std::string& AEinzug,
            std::vector<std::string>& AZeilen) {
    for (const TMenuePunkt& p : APunkte) {
        if (p.Art == TMenuePunkt::mpTrenner) {
            AZeilen.push_back(AEinzug + "-");
            continue;
        }
        if (p.Art == TMenuePunkt::mpUntermenue) {
            AZeilen.push_back(AEinzug + p.Caption + ">");
            Zeilen(p.Punkte, AEinzug + "  ", AZeilen);
            continue;
        }
        const TMenueEintrag& e = MenueEintrag(p.Befehl);
        const std::string Art = e.Art == meHaken ? "[ ] " : e.Art == meOption ? "( ) " : "";
        std::string Zeile = AEinzug + Art + e.Caption;
        if (*e.Kurztaste != '\0') {
            Zeile += std::string("\t") + e.Kurztaste;
        }
        AZeilen.push_back(Zeile + (p.KopieS ? " (Kopie)" : ""));
    }
}

std::vector<std::string> Menue(TMenue AMenue) {
    std::vector<std::string> Ergebnis;
    Zeilen(MenueAufbau(AMenue), "", Ergebnis);
    return Ergebnis;
}

std::vector<std::string> Captions(const std::vector<TMenueBefehl>& ABefehle, bool AListe) {
    std::vector<std::string> Ergebnis;
    for (TMenueBefehl b : ABefehle) {
        const TMenueEintrag& e = MenueEintrag(b);
        Ergebnis.push_back(AListe && e.PopupCaption != nullptr ? e.PopupCaption : e.Caption);
    }
    return Ergebnis;
}

using TZeilen = std::vector<std::string>;

// "&Beenden" (Alt+F4) and the recent files end the file menu; the window adds them.
TEST(MenueTabelle, EveryMenuHoldsItsItemsInTheirOrder) {
    struct Fall {
        TMenue Menue;
        const char* Caption;
        TZeilen Zeilen;
    };
    const Fall Faelle[] = {
        {mnDatei,
         "&Datei",
         {"Ö&ffnen...\tCtrl+O", "&Speichern\tCtrl+S", "Speichern &unter...\tCtrl+U", "-", "&Anzeigen>",
          "  Datei &laden und anzeigen...\tCtrl+L", "  Geladene &Dateien aus Liste entfernen...\tCtrl+D",
          "&Importieren...", "iCalendar-Datei &exportieren...", "&Drucken...\tCtrl+P",
          "S&chließen\tCtrl+F4"}},
        {mnBearbeiten, "&Bearbeiten", {"&Kopieren\tCtrl+C", "&Ausschneiden\tCtrl+X", "&Einfügen\tCtrl+V"}},
        {mnSuchen,
         "&Suchen",
         {"&Text in Einträgen...\tCtrl+F", "Suche &weiter Text in Einträgen\tF3", "&Namenstag..."}},
        {mnAktionen,
         "A&ktionen",
         {"&Neuer Eintrag...\tCtrl+N", "Eintrag &bearbeiten...\tCtrl+B", "&Infos...\tCtrl+I",
          "V&orschau von heute\tF4", "Vo&rschau der nächsten Tage\tF8", "-", "( ) Eintrag &aktivieren",
          "( ) Eintrag &deaktivieren", "Eintrag und alle nachfolgenden Einträge ausblenden",
          "Eintrag importieren", "Eintrag per &Mail versenden...", "Eintrag als iCalendar-Datei speichern...",
          "Eintrag &löschen\tDel", "Eintrag &und alle dazugehörigen Einträge löschen\tShift+Del",
          "Alle mit \"Lö&schfunktion\" gekennzeichneten abgelaufenen Einträge löschen\tCtrl+A", "-",
          "&Vorblättern\tCtrl+Down", "&Zurückblättern\tCtrl+Up", "&Gehe zu Datum...\tCtrl+G"}},
        {mnSpruenge,
         "S&prünge",
         {"Sprung zum &heutigen Tag\tCtrl+H", "Sprung zum Kalender&anfang\tAlt+Home",
          "Sprung zum &Kalenderende\tAlt+End", "Sprung zum &ersten dazugehörigen Eintrag\tCtrl+Home",
          "Sprung zum &letzten dazugehörigen Eintrag\tCtrl+End",
          "Sprung zum &vorigen dazugehörigen Eintrag\tCtrl+PgUp",
          "Sprung zum &nächsten dazugehörigen Eintrag\tCtrl+PgDn"}},
        {mnAnsicht,
         "&Ansicht",
         {"( ) &Jahresansicht\tCtrl+J", "( ) &Monatsansicht\tCtrl+M", "( ) &Wochenansicht\tCtrl+W", "-",
          "[ ] &Termintage ein\tCtrl+1", "[ ] &Unbelegte Tage ein\tCtrl+2", "[ ] &Feiertage ein\tCtrl+3",
          "[ ] U&rlaubstage ein\tCtrl+4", "[ ] Fr&eie Tage anzeigen\tCtrl+6", "-",
          "&Alle Tage anzeigen\tCtrl+5", "&Leeren Kalender anzeigen\tCtrl+7", "-",
          "[ ] Kale&nderwochen ein\tCtrl+0", "[ ] &Komprimierter Eintragsmodus ein\tCtrl+K", "-",
          "&Schrifteinstellungen..."}},
        {mnExtras,
         "E&xtras",
         {"Mondphasen im Überblick...", "Feiertage im Überblick...",
          "Angezeigte &Kalendertage im Überblick...\tF9"}},
        {mnEinstellungen,
         "&Einstellungen",
         {"&Ansicht>", "  [ ] Kale&nderwochen ein\tCtrl+0 (Kopie)",
          "  [ ] &Komprimierter Eintragsmodus ein\tCtrl+K (Kopie)", "  -",
          "  &Schrifteinstellungen... (Kopie)", "-", "[ ] Zeige SplashS&creen beim Start",
          "[ ] Automatisch beim &Hochfahren starten ein", "[ ] &Feiertagsdatei verwenden ein...",
          "[ ] S&onderdatei verwenden ein...", "[ ] &Sicherungsdatei beim Speichern erstellen ein",
          "Anzahl der &Vorschautage..."}},
        {mnHilfe,
         "&Hilfe",
         {"&Hilfe...\tF1", "&Kurztasten...", "&Änderungen...", "&Mail an den Programmierer...",
          "Home&page...", "&Spenden...", "&Aktualisierung...", "&Info"}},
    };
    ASSERT_EQ(std::size(Faelle), static_cast<std::size_t>(MenueAnzahl));
    for (std::int32_t m = 0; m < MenueAnzahl; ++m) {
        const Fall& f = Faelle[m];
        ASSERT_EQ(f.Menue, m) << "the menus in the order of the bar";
        EXPECT_STREQ(MenueCaption(f.Menue), f.Caption);
        EXPECT_EQ(Menue(f.Menue), f.Zeilen) << f.Caption;
    }
}

TEST(MenueTabelle, ThePopupMenusHoldTheirCommandsInTheirOrder) {
    EXPECT_EQ(Captions(ListenPopupBefehle(), true),
              (TZeilen{"&Neuer Eintrag...", "Eintrag &bearbeiten...", "&Infos...", "Kopieren", "Ausschneiden",
                       "Einfügen", "Eintrag &aktivieren", "Eintrag &deaktivieren", "Eintrag importieren",
                       "Eintrag per Mail versenden...", "Eintrag als iCalendar-Datei speichern...",
                       "Eintrag &löschen", "Eintrag und alle nachfolgenden Einträge ausblenden",
                       "Sc&hrifteinstellungen..."}));
    EXPECT_EQ(Captions(ComboPopupBefehle(), false),
              (TZeilen{"&Jahresansicht", "&Monatsansicht", "&Wochenansicht", "&Schrifteinstellungen..."}));
}

// Each id names its own declaration, so a command's item runs the command it shows.
TEST(MenueTabelle, EveryIdHasItsOwnDeclaration) {
    for (std::int32_t b = 0; b < MenueBefehlAnzahl; ++b) {
        EXPECT_EQ(MenueEintrag(static_cast<TMenueBefehl>(b)).Id, b);
    }
}

struct TZaehler {
    bool AnS = false;
    int Laeufe = 0;
};

TEST(Befehlsliste, ACommandWorksOnItsBoundObjectAndIsDisabledBefore) {
    static const TBefehl<TZaehler> Tabelle[] = {
        {{.Id = mbNeu, .Caption = "&Neuer Eintrag..."},
         [](const TZaehler& z) {
             return TMenueZustand{z.AnS, z.Laeufe > 0};
         },
         [](TZaehler& z) { ++z.Laeufe; }},
        {{.Id = mbInfo, .Caption = "&Info"}, nullptr, [](TZaehler& z) { z.Laeufe += 10; }},
    };
    TBefehlsliste Liste;
    EXPECT_EQ(Liste.Zustand(mbNeu), (TMenueZustand{false, false}));
    Liste.Ausfuehren(mbNeu); // nothing to run on yet

    TZaehler Zaehler;
    Liste.Binden(std::span<const TBefehl<TZaehler>>(Tabelle), Zaehler);
    EXPECT_EQ(Liste.Zustand(mbNeu), (TMenueZustand{false, false}));
    Zaehler.AnS = true;
    EXPECT_EQ(Liste.Zustand(mbNeu), (TMenueZustand{true, false})) << "read at each call";
    Liste.Ausfuehren(mbNeu);
    EXPECT_EQ(Zaehler.Laeufe, 1);
    EXPECT_EQ(Liste.Zustand(mbNeu), (TMenueZustand{true, true}));
    // Without a rule: enabled and unchecked.
    EXPECT_EQ(Liste.Zustand(mbInfo), TMenueZustand{});
    Liste.Ausfuehren(mbInfo);
    EXPECT_EQ(Zaehler.Laeufe, 11);
    EXPECT_EQ(Liste.Zustand(mbSpeichern), (TMenueZustand{false, false})) << "not in the bound table";
}

} // namespace
