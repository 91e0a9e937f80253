#include "files/OVDatei.h"
#include "model/Fehler.h"
#include "model/TGeladenClass.h"
#include "platform/TMeldungsPort.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Kalenderbytes.h"
#include "platform/SystemDateisystem.h"
#include "platform/Umgebung.h"

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t Tag1_3_2024 = 45352;

std::string Lies(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void Schreib(const fs::path& p, const std::string& ABytes) {
    std::ofstream(p, std::ios::binary) << ABytes;
}

// The worked example: a once-only appointment on 1.3.2024 at 09:30.
TDatenClass Beispieleintrag() {
    TDatenClass e;
    e.EndeDatum = KalenderEnde;
    e.Kurztext = "Arzt";
    TDatumClass d;
    d.Datum = d.VonDatum = d.BisDatum = Tag1_3_2024;
    d.VonZeitSetzen((9 * 60 + 30) / 1440.0);
    e.Add(d);
    return e;
}

std::string Beispielbytes() {
    return TKalenderbytes::Datei(3).Kopf(3, {}, 1).Satz(3, {Tag1_3_2024, Tag1_3_2024, Tag1_3_2024}).b;
}

TKalenderbytes::TKopf KopfMit(void (*AAendern)(TKalenderbytes::TKopf&)) {
    TKalenderbytes::TKopf k;
    AAendern(k);
    return k;
}

std::string Lesefehler(const std::string& ABytes) {
    TDaten Daten;
    try {
        KalenderdateiDekodieren(ABytes, Daten, 0);
    } catch (const ELeseFehler& f) {
        return f.what();
    }
    return "";
}

class TOrdnerTest : public ::testing::Test {
protected:
    fs::path Ordner;
    void SetUp() override { Ordner = NeuerTempOrdner("orvanto-ovdatei-"); }
    void TearDown() override {
        fs::permissions(Ordner, fs::perms::owner_all);
        fs::remove_all(Ordner);
    }
    std::vector<std::string> Dateien() const {
        std::vector<std::string> Namen;
        for (const auto& e : fs::directory_iterator(Ordner)) {
            Namen.push_back(e.path().filename().string());
        }
        std::sort(Namen.begin(), Namen.end());
        return Namen;
    }
};

} // namespace

TEST(Kalenderdatei, WritesTheWorkedExampleByteForByte) {
    TDaten Daten;
    Daten.Add(Beispieleintrag());
    const std::string Bytes = KalenderdateiKodieren(Daten);
    const std::string Erwartet =
        std::string("\x00\x04OV_3\x00\x30\x00\x00\x00\x00\xC7\x00\x01\x1E\x00\x00\x00\x00"
                    "\x00\x04"
                    "Arzt\x00\x00\x00\x00\x30\x30\x01\x00\x00\x00"
                    "\x28\x00\x00\xB1\x28\x00\x00\xB1\x28\x00\x00\xB1"
                    "\x00\x05"
                    "09:30\x30\x30\x30",
                    6 + 1 + 1 + 4 + 4 + 4 + 6 + 2 + 2 + 1 + 1 + 4 + 12 + 7 + 3);
    EXPECT_EQ(Bytes, Erwartet);
    EXPECT_EQ(Bytes, Beispielbytes());
    EXPECT_EQ(Bytes.size() - 36, 22u); // one version-3 day record
}

// The start time is written in the minute the views show: its seconds are dropped, never
// rounded up into the next minute.
TEST(Kalenderdatei, WritesTheStartTimeWithoutItsSeconds) {
    TDaten Daten;
    TDatenClass e = Beispieleintrag();
    e.DatumListe[0].VonZeitSetzen((9 * 3600 + 29 * 60 + 59.6) / 86400);
    Daten.Add(e);
    const std::string Bytes = KalenderdateiKodieren(Daten);
    EXPECT_NE(Bytes.find(std::string("\x00\x05"
                                     "09:29",
                                     7)),
              std::string::npos);
    EXPECT_EQ(Bytes.find("09:30"), std::string::npos);
}

TEST(Kalenderdatei, ReadsTheWorkedExample) {
    TDaten Daten;
    KalenderdateiDekodieren(Beispielbytes(), Daten, 0);
    ASSERT_EQ(Daten.Count(), 1);
    TDatenClass Erwartet = Beispieleintrag();
    EXPECT_TRUE(Daten[0].Ident(&Erwartet, false));
}

TEST(Kalenderdatei, Int32UsesTheFormatsByteOrder) {
    struct Fall {
        std::int32_t Wert;
        std::string Bytes;
    } Faelle[] = {{1, std::string("\x01\x00\x00\x00", 4)},
                  {256, std::string("\x00\x00\x00\x01", 4)},
                  {65536, std::string("\x00\x00\x01\x00", 4)},
                  {45352, std::string("\x28\x00\x00\xB1", 4)},
                  {-1, std::string("\xFF\xFF\xFF\xFF", 4)}};
    for (const auto& f : Faelle) {
        TDaten Daten;
        TDatenClass e = Beispieleintrag();
        e.CounterStart = f.Wert;
        Daten.Add(e);
        const std::string Bytes = KalenderdateiKodieren(Daten);
        EXPECT_EQ(Bytes.substr(8, 4), f.Bytes) << f.Wert;
        TDaten Gelesen;
        KalenderdateiDekodieren(Bytes, Gelesen, 0);
        EXPECT_EQ(Gelesen[0].CounterStart, f.Wert);
    }
}

TEST(Kalenderdatei, ReadsVersionsOneAndTwo) {
    TKalenderbytes::TKopf Kopf;
    Kopf.GanzerTag = '1';
    Kopf.Sound = "Gong.wav";
    Kopf.Id = 7;
    const std::string V1 = TKalenderbytes::Datei(1)
                               .Kopf(1, Kopf, 2)
                               .Satz(1, {Tag1_3_2024, Tag1_3_2024, Tag1_3_2024 + 1, "7:05"})
                               .Satz(1, {Tag1_3_2024 + 1, Tag1_3_2024, Tag1_3_2024 + 1, "7:05"})
                               .b;
    TDaten Daten;
    KalenderdateiDekodieren(V1, Daten, 2);
    ASSERT_EQ(Daten.Count(), 1);
    EXPECT_TRUE(Daten[0].SounddateiS);
    EXPECT_EQ(Daten[0].IdDatei, 2);
    EXPECT_EQ(Daten[0].Id, 7);
    for (const TDatumClass& d : Daten[0].DatumListe) {
        EXPECT_TRUE(d.GanzerTagS);
        EXPECT_FALSE(d.LoeschenS);
        EXPECT_DOUBLE_EQ(d.VonZeit(), (7 * 60 + 5) / 1440.0);
    }

    const std::string V2 = TKalenderbytes::Datei(2)
                               .Kopf(2, {}, 1)
                               .Satz(2, {Tag1_3_2024, Tag1_3_2024, Tag1_3_2024, "10:15:30", '1', '1'})
                               .b;
    KalenderdateiDekodieren(V2, Daten, 0);
    ASSERT_EQ(Daten.Count(), 1);
    EXPECT_FALSE(Daten[0].SounddateiS); // no sound file text
    EXPECT_TRUE(Daten[0].DatumListe[0].GanzerTagS);
    EXPECT_EQ(Daten[0].DatumListe[0].AktivTyp, avDeaktiv);
    EXPECT_FALSE(Daten[0].DatumListe[0].LoeschenS);
    EXPECT_DOUBLE_EQ(Daten[0].DatumListe[0].VonZeit(), (10 * 3600 + 15 * 60 + 30) / 86400.0);
}

TEST(Kalenderdatei, EveryReadErrorHasItsMessage) {
    using K = TKalenderbytes;
    const auto Mit = [](void (*AAendern)(K::TKopf&)) {
        return K::Datei(3).Kopf(3, KopfMit(AAendern), 1).Satz(3, {Tag1_3_2024, Tag1_3_2024, Tag1_3_2024}).b;
    };
    const auto MitSatz = [](K::TSatz s) { return K::Datei(3).Kopf(3, {}, 1).Satz(3, s).b; };
    const std::int32_t t = Tag1_3_2024;
    struct Fall {
        const char* Was;
        std::string Bytes;
        const char* Meldung;
    } Faelle[] = {
        {"empty file", "", "Die Kalenderdatei ist unvollständig."},
        {"magic in lower case", K().Text("ov_3").b, "Unbekanntes Kalenderdateiformat."},
        {"magic OV_4", K().Text("OV_4").b, "Unbekanntes Kalenderdateiformat."},
        {"cut in the middle of an entry", Beispielbytes().substr(0, 20),
         "Die Kalenderdatei ist unvollständig."},
        {"cut in a text body", Beispielbytes().substr(0, 25), "Die Kalenderdatei ist unvollständig."},
        {"cut in the last record", Beispielbytes().substr(0, Beispielbytes().size() - 1),
         "Die Kalenderdatei ist unvollständig."},
        {"switch byte 2", Mit([](K::TKopf& k) { k.Counter = '2'; }),
         "Ungültiger Schalterwert in der Kalenderdatei."},
        {"interval 12", Mit([](K::TKopf& k) { k.Intervall = 12; }), "Ungültiges Wiederholungsintervall."},
        {"type 3", Mit([](K::TKopf& k) { k.Typ = '3'; }), "Ungültiger Eintragstyp."},
        {"type as raw byte", Mit([](K::TKopf& k) { k.Typ = 0; }), "Ungültiger Eintragstyp."},
        {"negative count", K::Datei(3).Kopf(3, {}, -1).b, "Ungültige Anzahl von Terminen."},
        {"count 1000 with 100 bytes left", K::Datei(3).Kopf(3, {}, 1000).b + std::string(100, '0'),
         "Ungültige Anzahl von Terminen."},
        {"time 24:00", MitSatz({t, t, t, "24:00"}), "Ungültige Uhrzeit."},
        {"time without minutes", MitSatz({t, t, t, "9:"}), "Ungültige Uhrzeit."},
        {"empty time", MitSatz({t, t, t, ""}), "Ungültige Uhrzeit."},
        {"activation 2", MitSatz({t, t, t, "09:30", '2'}), "Ungültiger Aktivierungszustand."},
        {"day before first day", MitSatz({t, t + 1, t + 1}), "Ungültiger Datumsbereich."},
        {"day after last day", MitSatz({t + 1, t, t}), "Ungültiger Datumsbereich."},
        {"first day before 1900", MitSatz({1, 1, 1}), "Ungültiger Datumsbereich."},
        {"last day after 2101", MitSatz({73780, 73780, 73781}), "Ungültiger Datumsbereich."},
        {"run cut off", MitSatz({t, t, t + 1}), "Unvollständiger mehrtägiger Eintrag."},
        {"run not starting on its first day",
         K::Datei(3)
             .Kopf(3, {}, 3)
             .Satz(3, {t + 1, t, t + 2})
             .Satz(3, {t, t, t + 2})
             .Satz(3, {t + 2, t, t + 2})
             .b,
         "Unvollständiger mehrtägiger Eintrag."},
        {"wrong day inside a run",
         K::Datei(3)
             .Kopf(3, {}, 3)
             .Satz(3, {t, t, t + 2})
             .Satz(3, {t + 2, t, t + 2})
             .Satz(3, {t + 2, t, t + 2})
             .b,
         "Ungültige Folge eines mehrtägigen Eintrags."},
        {"other last day inside a run",
         K::Datei(3).Kopf(3, {}, 2).Satz(3, {t, t, t + 1}).Satz(3, {t + 1, t, t + 2}).b,
         "Ungültige Folge eines mehrtägigen Eintrags."},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(Lesefehler(f.Bytes), f.Meldung) << f.Was;
    }
}

TEST(Kalenderdatei, AFailedReadLeavesTheCollection) {
    TDaten Daten;
    Daten.Add(Beispieleintrag());
    EXPECT_THROW(KalenderdateiDekodieren(Beispielbytes() + "\x0C", Daten, 0), ELeseFehler);
    ASSERT_EQ(Daten.Count(), 1);
    EXPECT_EQ(Daten[0].Kurztext, "Arzt");
}

TEST(Kalenderdatei, EdgeCasesOfReading) {
    TDaten Daten;
    KalenderdateiDekodieren(TKalenderbytes::Datei(3).b, Daten, 0);
    EXPECT_EQ(Daten.Count(), 0);

    // Ids 5, 5, -1, 0: replacements count up from 0 and skip ids already used.
    TKalenderbytes d = TKalenderbytes::Datei(3);
    for (std::int32_t Id : {5, 5, -1, 0}) {
        TKalenderbytes::TKopf k;
        k.Id = Id;
        d.Kopf(3, k, 1).Satz(3, {Tag1_3_2024, Tag1_3_2024, Tag1_3_2024});
    }
    KalenderdateiDekodieren(d.b, Daten, 0);
    ASSERT_EQ(Daten.Count(), 4);
    EXPECT_EQ(Daten[0].Id, 5);
    EXPECT_EQ(Daten[1].Id, 0);
    EXPECT_EQ(Daten[2].Id, 1);
    EXPECT_EQ(Daten[3].Id, 2);

    // An entry whose only occurrence starts after its limit, and one without records, are dropped.
    TKalenderbytes::TKopf Abgelaufen;
    Abgelaufen.Ende = Tag1_3_2024 - 1;
    const std::string Bytes = TKalenderbytes::Datei(3)
                                  .Kopf(3, Abgelaufen, 1)
                                  .Satz(3, {Tag1_3_2024, Tag1_3_2024, Tag1_3_2024})
                                  .Kopf(3, {}, 0)
                                  .Kopf(3, KopfMit([](TKalenderbytes::TKopf& k) { k.Kurz = "Bleibt"; }), 1)
                                  .Satz(3, {Tag1_3_2024, Tag1_3_2024, Tag1_3_2024})
                                  .b;
    KalenderdateiDekodieren(Bytes, Daten, 0);
    ASSERT_EQ(Daten.Count(), 1);
    EXPECT_EQ(Daten[0].Kurztext, "Bleibt");
    EXPECT_EQ(Daten[0].Id, 2); // the ids 0 and 1 went to the dropped entries
    EXPECT_EQ(KalenderdateiKodieren(Daten), TKalenderbytes::Datei(3)
                                                .Kopf(3, KopfMit([](TKalenderbytes::TKopf& k) {
                                                          k.Kurz = "Bleibt";
                                                          k.Id = 2;
                                                      }),
                                                      1)
                                                .Satz(3, {Tag1_3_2024, Tag1_3_2024, Tag1_3_2024})
                                                .b);

    // Code page 1252 texts, the undefined bytes included.
    KalenderdateiDekodieren(
        TKalenderbytes::Datei(3)
            .Kopf(3, KopfMit([](TKalenderbytes::TKopf& k) { k.Kurz = "\xC4rzte \x80 \x81"; }), 1)
            .Satz(3, {Tag1_3_2024, Tag1_3_2024, Tag1_3_2024})
            .b,
        Daten, 0);
    EXPECT_EQ(Daten[0].Kurztext, "Ärzte € \u0081");
}

TEST(Kalenderdatei, WritingChecksTextsAndSkipsWhatIsNotSaved) {
    TDaten Daten;
    TDatenClass e = Beispieleintrag();
    e.Kurztext = "Термин";
    Daten.Add(e);
    try {
        KalenderdateiKodieren(Daten);
        ADD_FAILURE() << "a Cyrillic text must not be written";
    } catch (const ESchreibFehler& f) {
        EXPECT_STREQ(f.what(),
                     "Der Text enthält Zeichen, die das bisherige Kalenderformat nicht speichern kann. "
                     "Die Originaldatei bleibt erhalten.");
    }
    Daten.Aendern(Daten[0], [](TDatenClass& e) {
        e.Kurztext = "Arzt";
        e.Langtext = std::string(65534, 'x') + "ä"; // 65535 code-page bytes
    });
    EXPECT_NO_THROW(KalenderdateiKodieren(Daten));
    Daten.Aendern(Daten[0], [](TDatenClass& e) { e.Langtext += "x"; });
    try {
        KalenderdateiKodieren(Daten);
        ADD_FAILURE() << "65536 bytes must not be written";
    } catch (const ESchreibFehler& f) {
        EXPECT_STREQ(f.what(), "Ein Text überschreitet die Formatgrenze von 65535 Bytes.");
    }

    TDaten Gemischt;
    Gemischt.Add(Beispieleintrag());
    TDatenClass Geladen = Beispieleintrag();
    Geladen.IdDatei = 1;
    Gemischt.Add(Geladen);
    TDatenClass Leer = Beispieleintrag();
    Leer.ClearDatumListe();
    Gemischt.Add(Leer);
    EXPECT_EQ(KalenderdateiKodieren(Gemischt), Beispielbytes());
}

TEST(Kalenderdatei, RewritingAFileGivesTheSameBytes) {
    TDaten Daten;
    for (int i = 0; i < 5; ++i) {
        TDatenClass Vorlage = Beispieleintrag();
        Vorlage.AnzeigenTyp = static_cast<TAnzeigenTyp>(i * 2 + 1);
        Vorlage.Id = i;
        Vorlage.Langtext = "Zeile 1\r\nZeile 2 – „Zitat“ ß";
        Vorlage.CounterS = i % 2 == 0;
        Vorlage.SounddateiS = true;
        Vorlage.Sounddatei = "/home/anna/Sounddateien/Gong.wav";
        Vorlage.TagTyp = static_cast<TTagTyp>(i % 3);
        Vorlage.DatumListe[0].BisDatum += i;
        Vorlage.DatumListe[0].LoeschenS = true;
        Vorlage.DatumListe[0].GanzerTagS = i == 3;
        Daten.Add(TTagClass(0, &Vorlage));
    }
    const std::string Erste = KalenderdateiKodieren(Daten);
    TDaten Gelesen;
    KalenderdateiDekodieren(Erste, Gelesen, 0);
    EXPECT_TRUE(Gelesen.Ident(&Daten, false));
    EXPECT_EQ(KalenderdateiKodieren(Gelesen), Erste);
}

// ---- Files on disk -------------------------------------------------------------------------------

using KalenderdateiAufPlatte = TOrdnerTest;

TEST_F(KalenderdateiAufPlatte, SavesAndLoadsThroughTheCollection) {
    TDaten Daten;
    Daten.Add(Beispieleintrag());
    const std::string Pfad = (Ordner / "Kalender.OVK").string();
    Daten.SaveToFile(Pfad, SystemDateisystem());
    EXPECT_EQ(Lies(Pfad), Beispielbytes());
    EXPECT_EQ(Dateien(), std::vector<std::string>{"Kalender.OVK"});
    TDaten Geladen;
    EXPECT_TRUE(Geladen.LoadFromFile(Pfad, true, 0, SystemDateisystem()));
    EXPECT_TRUE(Geladen.Ident(&Daten, false));
    EXPECT_THROW(Daten.SaveToFile("", SystemDateisystem()), ESchreibFehler);
}

namespace {

class TAufzeichnung : public TMeldungsPort {
public:
    std::vector<std::string> Texte;
    TMeldungsAntwort Zeige(TMeldungsArt AArt, const std::string& AText, TMeldungsKnoepfe AKnoepfe) override {
        EXPECT_EQ(AArt, maFehler);
        EXPECT_EQ(AKnoepfe, mkOK);
        Texte.push_back(AText);
        return maOK;
    }
};

} // namespace

TEST_F(KalenderdateiAufPlatte, LoadFromFileShowsTheErrorAndKeepsTheContent) {
    TAufzeichnung Meldungen;
    TMeldungsPort::Setze(&Meldungen);
    TDaten Daten;
    Daten.Add(Beispieleintrag());
    const std::string Fehlt = (Ordner / "fehlt.OVK").string();
    EXPECT_FALSE(Daten.LoadFromFile(Fehlt, true, 0, SystemDateisystem()));
    const std::string Kaputt = (Ordner / "kaputt.OVK").string();
    Schreib(Kaputt, std::string("\x00\x04OV_9", 6));
    EXPECT_FALSE(Daten.LoadFromFile(Kaputt, true, 0, SystemDateisystem()));
    EXPECT_FALSE(Daten.LoadFromFile("", false, 0, SystemDateisystem()));
    TMeldungsPort::Setze(nullptr);
    ASSERT_EQ(Meldungen.Texte.size(), 2u);
    EXPECT_EQ(Meldungen.Texte[0],
              "Kalenderdatei konnte nicht geladen werden:\r\n" + Fehlt + "\r\nDie Datei existiert nicht.");
    EXPECT_EQ(Meldungen.Texte[1], "Kalenderdatei konnte nicht geladen werden:\r\n" + Kaputt +
                                      "\r\nUnbekanntes Kalenderdateiformat.");
    EXPECT_EQ(Daten.Count(), 1);
}

TEST_F(KalenderdateiAufPlatte, LoadsAdditionalFilesAndImports) {
    const std::string Feiertage = (Ordner / "Feiertage.OVF").string();
    TKalenderbytes::TKopf Kopf;
    Kopf.Typ = '2';
    Kopf.Kurz = "Neujahr";
    Schreib(Feiertage,
            TKalenderbytes::Datei(3).Kopf(3, Kopf, 1).Satz(3, {Tag1_3_2024, Tag1_3_2024, Tag1_3_2024}).b);

    TDaten Daten;
    Daten.Add(Beispieleintrag());
    TGeladenClass Geladen(&Daten, "");
    ASSERT_TRUE(Geladen.LadeFilename(Feiertage, SystemDateisystem()));
    TDatenClass Eigener = Beispieleintrag();
    Eigener.Id = 1;
    Daten.Add(Eigener); // an entry added after the file
    ASSERT_TRUE(Geladen.LadeFilename((Ordner / "." / "Feiertage.OVF").string(),
                                     SystemDateisystem())); // the same file again
    ASSERT_EQ(Geladen.Count(), 1);
    EXPECT_EQ(Geladen.GeladenListe[0].IdDatei, 1);
    ASSERT_EQ(Daten.Count(), 3);
    EXPECT_EQ(Daten[2].Kurztext, "Neujahr"); // reloaded entries go to the end
    EXPECT_EQ(Daten[2].IdDatei, 1);
    EXPECT_FALSE(Geladen.LadeFilename((Ordner / "fehlt.OVF").string(), SystemDateisystem()));
    EXPECT_EQ(Geladen.Count(), 1);

    Daten.Import(Feiertage, SystemDateisystem());
    Daten.Import(Feiertage, SystemDateisystem());
    ASSERT_EQ(Daten.Count(), 4);
    EXPECT_EQ(Daten[3].Kurztext, "Neujahr");
    EXPECT_EQ(Daten[3].IdDatei, 0);
    EXPECT_EQ(Daten[3].Id, 2);
}

TEST(Kalenderdatei, RunsOutOfOrderAreSortedOnReading) {
    const std::int32_t t = Tag1_3_2024;
    const std::string Bytes = TKalenderbytes::Datei(3)
                                  .Kopf(3, {}, 3)
                                  .Satz(3, {t + 7, t + 7, t + 7})
                                  .Satz(3, {t, t, t + 1})
                                  .Satz(3, {t + 1, t, t + 1})
                                  .b;
    TDaten Daten;
    KalenderdateiDekodieren(Bytes, Daten, 0);
    ASSERT_EQ(Daten.Count(), 1);
    EXPECT_EQ(Daten[0].DatumListe[0].Datum, t);
    EXPECT_EQ(Daten[0].DatumListe[1].Datum, t + 1);
    EXPECT_EQ(Daten[0].DatumListe[2].Datum, t + 7);
}
