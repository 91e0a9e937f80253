#include "text/TTextArgumente.h"

#include <gtest/gtest.h>

#include "text/ETextAufrufFehler.h"

namespace {

TTextAufruf Lies(std::vector<std::string> AArgumente) {
    return TTextArgumente(std::move(AArgumente)).Lesen();
}

TTag D(int ATag, int AMonat, int AJahr) {
    return EncodeDate(AJahr, AMonat, ATag);
}

TEST(TextArgumente, GlobaleOptionenUndBefehle) {
    const TTextAufruf a = Lies({"--heute", "06.01.2025", "--programmordner", "/opt/o", "pruefen", "a.OVK"});
    EXPECT_EQ(a.Befehl, tbPruefen);
    EXPECT_EQ(a.Heute, D(6, 1, 2025));
    EXPECT_EQ(a.Programmordner, "/opt/o");
    EXPECT_EQ(a.Dateien, std::vector<std::string>{"a.OVK"});

    EXPECT_EQ(Lies({"speichern", "a", "b"}).Dateien, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Lies({"importieren", "a", "b", "c"}).Befehl, tbImportieren);
    const TTextAufruf Export = Lies({"exportieren", "a.OVK", "a.ics"});
    EXPECT_EQ(Export.Befehl, tbExportieren);
    EXPECT_EQ(Export.Dateien, (std::vector<std::string>{"a.OVK", "a.ics"}));
    EXPECT_EQ(Lies({"mondphasen", "2100"}).Jahr, 2100);
    for (const char* Hilfe : {"--hilfe", "--help", "-h"}) {
        EXPECT_EQ(Lies({Hilfe}).Befehl, tbHilfe) << Hilfe;
        EXPECT_EQ(Lies({"--heute", "06.01.2025", Hilfe}).Befehl, tbHilfe) << Hilfe;
    }
    EXPECT_EQ(Lies({"--version"}).Befehl, tbVersion);
}

TEST(TextArgumente, ListeNimmtOptionenUeberallUndInReihenfolge) {
    const TTextAufruf a = Lies({"liste", "--ohne-kw", "a.OVK", "--zusatz", "f.OVF", "--ansicht", "jahr",
                                "--leer", "--zusatz", "g.OVK", "--periode", "2025", "--komprimiert"});
    EXPECT_EQ(a.Befehl, tbListe);
    EXPECT_EQ(a.Dateien, std::vector<std::string>{"a.OVK"});
    EXPECT_EQ(a.Zusatzdateien, (std::vector<std::string>{"f.OVF", "g.OVK"}));
    EXPECT_EQ(a.Ansicht, taJahr);
    EXPECT_EQ(a.Periode, "2025");
    EXPECT_EQ(a.Schalter, (std::vector<TListenSchalter>{lsOhneKw, lsLeer, lsKomprimiert}));

    const TTextAufruf b = Lies({"liste", "a", "--datum", "29.02.2024"});
    EXPECT_EQ(b.Ansicht, taWoche);
    EXPECT_EQ(b.Datum, D(29, 2, 2024));
    EXPECT_FALSE(b.Periode);
}

TEST(TextArgumente, InfoVorschauFeiertageNamenstage) {
    const TTextAufruf i = Lies({"info", "a", "08.01.2025", "2"});
    EXPECT_EQ(i.Datum, D(8, 1, 2025));
    EXPECT_EQ(i.Nr, 2);
    EXPECT_EQ(Lies({"info", "a", "08.01.2025"}).Nr, 0);

    const TTextAufruf v = Lies({"vorschau", "--tage", "9", "a", "--zusatz", "f"});
    EXPECT_EQ(v.Tage, 9);
    EXPECT_EQ(v.Zusatzdateien, std::vector<std::string>{"f"});
    EXPECT_EQ(Lies({"vorschau", "a"}).Tage, 0);

    const TTextAufruf f = Lies({"feiertage", "a", "2025", "--zusatz", "f"});
    EXPECT_EQ(f.Jahr, 2025);
    EXPECT_EQ(f.Dateien, std::vector<std::string>{"a"});

    EXPECT_EQ(Lies({"namenstage", "26.07.2025"}).Befehl, tbNamenstage);
    const TTextAufruf n = Lies({"namenstage", "--genau", "--name", "Anna"});
    EXPECT_EQ(n.Befehl, tbNamenSuche);
    EXPECT_EQ(n.Name, "Anna");
    EXPECT_TRUE(n.GenauS);
}

TEST(TextArgumente, FalscheAufrufeNennenDenFehler) {
    const std::pair<std::vector<std::string>, std::string> Faelle[] = {
        {{}, "Es fehlt der Befehl."},
        {{"--heute", "06.01.2025"}, "Es fehlt der Befehl."},
        {{"--farbe", "pruefen", "a"}, "Unbekannte Option: --farbe"},
        {{"drucken", "a"}, "Unbekannter Befehl: drucken"},
        {{"pruefen"}, "Zu wenige Argumente für pruefen."},
        {{"pruefen", "a", "b"}, "Zu viele Argumente für pruefen: b"},
        {{"exportieren", "a", "b", "c"}, "Zu viele Argumente für exportieren: c"},
        {{"pruefen", "--tage", "a"}, "Unbekannte Option: --tage"},
        {{"liste", "a", "--zusatz"}, "Nach --zusatz fehlt der Wert."},
        {{"liste", "a", "--ansicht", "tag"}, "Unbekannte Ansicht: tag (jahr, monat oder woche)"},
        {{"liste", "a", "--periode", "2025", "--datum", "01.01.2025"},
         "--periode und --datum schließen einander aus."},
        {{"--heute", "31.02.2025", "pruefen", "a"},
         "Kein gültiges Datum (TT.MM.JJJJ, 01.01.1900 bis 31.12.2100): 31.02.2025"},
        {{"info", "a", "1.1.2025"}, "Kein gültiges Datum (TT.MM.JJJJ, 01.01.1900 bis 31.12.2100): 1.1.2025"},
        {{"info", "a", "31.12.1899"},
         "Kein gültiges Datum (TT.MM.JJJJ, 01.01.1900 bis 31.12.2100): 31.12.1899"},
        {{"info", "a", "01.01.2025", "0"}, "NR muss eine Zahl von 1 bis 999999999 sein: 0"},
        {{"vorschau", "a", "--tage", "10"}, "Die Zahl der Tage muss eine Zahl von 1 bis 9 sein: 10"},
        {{"vorschau", "a", "--tage", "-1"}, "Die Zahl der Tage muss eine Zahl von 1 bis 9 sein: -1"},
        {{"mondphasen", "1899"}, "JAHR muss eine Zahl von 1900 bis 2100 sein: 1899"},
        {{"mondphasen", "99999999999"}, "JAHR muss eine Zahl von 1900 bis 2100 sein: 99999999999"},
        {{"namenstage", "--name", " "}, "Der Name darf nicht leer sein."},
        {{"namenstage", "--genau", "01.01.2025"}, "--genau gilt nur mit --name."},
        {{"namenstage", "--name", "anna", "01.01.2025"}, "Zu viele Argumente für namenstage: 01.01.2025"},
    };
    for (const auto& [Argumente, Meldung] : Faelle) {
        SCOPED_TRACE(Meldung);
        try {
            Lies(Argumente);
            ADD_FAILURE() << "kein Fehler";
        } catch (const ETextAufrufFehler& Fehler) {
            EXPECT_EQ(Fehler.what(), Meldung);
        }
    }
}

} // namespace
