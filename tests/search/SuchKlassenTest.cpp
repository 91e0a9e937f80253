#include "search/TSuchKlassenForm.h"

#include <gtest/gtest.h>

#include "views/ViewsHilfen.h"

namespace {

// A calendar of entries whose texts differ in letter case, umlauts and where the word stands; one
// entry comes from a loaded file, one has no occurrences.
class SuchKlassen : public MitUhr {
protected:
    TDaten Daten;
    TSuchKlassenForm Form;

    void SetUp() override {
        MitUhr::SetUp();
        Neu("Zahnarzt", "Kontrolle beim ARZT", {{D(3, 2, 2025), D(3, 2, 2025)}});
        Neu("Ärztin Müller", "", {{D(4, 2, 2025), D(4, 2, 2025)}});
        Neu("Straßenfest", "Grillen im Hof", {{D(5, 2, 2025), D(5, 2, 2025)}});
        Neu("Yoga", "mit der Ärztin", {{D(6, 2, 2025), D(6, 2, 2025)}});
        const TDatenClass& Chor = Neu("Chor", "", {{D(7, 2, 2025), D(7, 2, 2025)}});
        Daten.Aendern(Chor, [](TDatenClass& e) { e.IdDatei = 2; }); // from a loaded file
        Neu("Leer Arzt", "", {});
        Form.DatenRef = &Daten;
    }

    // An entry with these texts and occurrences up to AGrenze.
    const TDatenClass& Neu(const std::string& AKurz, const std::string& ALang,
                           const std::vector<std::pair<TTag, TTag>>& AVorkommen,
                           TTag AGrenze = KalenderEnde) {
        TDatenClass e = Eintrag(AKurz, AVorkommen);
        e.Langtext = ALang;
        e.EndeDatum = AGrenze;
        Daten.Add(e);
        return Daten[Daten.Count() - 1];
    }

    std::vector<std::string> Zeilen(const std::string& ABegriff, int ASuchNr) {
        Form.Suchbegriff = ABegriff;
        Form.SuchNr = ASuchNr;
        const bool GefundenS = Form.SucheKlassenOk(D(1, 1, 2025));
        std::vector<std::string> Ergebnis;
        for (const TSuchTreffer& t : Form.Results()) {
            Ergebnis.push_back(t.Zeile);
        }
        EXPECT_EQ(GefundenS, !Ergebnis.empty());
        EXPECT_EQ(Form.ItemIndex, Ergebnis.empty() ? -1 : 0);
        return Ergebnis;
    }
};

TEST_F(SuchKlassen, ScopeCaseAndUmlauts) {
    struct Fall {
        std::string Begriff; // as the search dialog stores it: lower case
        int SuchNr;
        std::vector<std::string> Zeilen;
    };
    const std::vector<Fall> Faelle = {
        // Short text: "arzt" inside words, in any case; umlauts sort with their base letter.
        {"arzt", snKurztext, {"\"Zahnarzt\""}},
        {"ärzt", snKurztext, {"\"Ärztin Müller\""}},
        {"müller", snKurztext, {"\"Ärztin Müller\""}},
        {"straße", snKurztext, {"\"Straßenfest\""}},
        // Long text only: the short texts' words are not found there.
        {"arzt", snLangtext, {"\"Zahnarzt\""}},
        {"zahn", snLangtext, {}},
        {"ärztin", snLangtext, {"\"Yoga\""}},
        // Both: an entry with the word in both texts is listed once.
        {"arzt", snBeide, {"\"Zahnarzt\""}},
        {"ärztin", snBeide, {"\"Ärztin Müller\"", "\"Yoga\""}},
        {"i", snBeide, {"\"Ärztin Müller\"", "\"Straßenfest\"", "\"Yoga\"", "\"Zahnarzt\""}},
        // An entry of a loaded file is searched as well.
        {"chor", snKurztext, {"\"Chor\""}},
        // No match, and an empty term finds nothing.
        {"kino", snBeide, {}},
        {"", snBeide, {}},
    };
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Begriff + " " + std::to_string(f.SuchNr));
        EXPECT_EQ(Zeilen(f.Begriff, f.SuchNr), f.Zeilen);
    }
}

// Broken UTF-8 (a text from an old file) is searched around, never past its end.
TEST_F(SuchKlassen, BrokenUtf8) {
    Neu("\xC3", "", {{D(9, 2, 2025), D(9, 2, 2025)}});
    Neu("\xFF\xFE Arzt \xE2\x82", "", {{D(9, 2, 2025), D(9, 2, 2025)}});
    EXPECT_EQ(Zeilen("arzt \xEF\xBF\xBD", snKurztext),
              std::vector<std::string>{"\"\xFF\xFE Arzt \xE2\x82\""});
    // A broken term is the replacement character, as the edit gives it, and finds the broken texts.
    EXPECT_EQ(Zeilen("\xC3", snKurztext),
              (std::vector<std::string>{"\"\xC3\"", "\"\xFF\xFE Arzt \xE2\x82\""}));
}

TEST_F(SuchKlassen, EqualLinesJumpToTheirOwnEntries) {
    Neu("Zahnarzt", "", {{D(9, 2, 2025), D(9, 2, 2025)}});
    ASSERT_EQ(Zeilen("zahnarzt", snKurztext), (std::vector<std::string>{"\"Zahnarzt\"", "\"Zahnarzt\""}));
    EXPECT_EQ(Form.Results()[0].TagClass.DatenClass, &Daten[0]);
    EXPECT_EQ(Form.Results()[1].TagClass.DatenClass, &Daten[Daten.Count() - 1]);
}

TEST_F(SuchKlassen, SelectionAndItsInformation) {
    Zeilen("ärztin", snBeide);
    ASSERT_NE(Form.GetTagClass(), nullptr);
    EXPECT_EQ(Form.GetTagClass()->DatenClass->Kurztext, "Ärztin Müller");
    Form.ItemIndex = 1;
    EXPECT_EQ(Form.GetTagClass()->DatenClass->Kurztext, "Yoga");
    Form.ItemIndex = -1;
    EXPECT_EQ(Form.GetTagClass(), nullptr);
    Form.ItemIndex = 2;
    EXPECT_EQ(Form.GetTagClass(), nullptr);
}

// The jump target: the first occurrence after the start day within the limit, else the first one
// within the limit; an entry with nothing shown is not listed.
TEST_F(SuchKlassen, JumpTargetAfterTheStartDay) {
    Daten.Clear();
    // Occurrences on 10.3., 11.3.-12.3. (two records) and 20.3.; the limit 15.3. hides 20.3.
    const TDatenClass& Kurs = Neu("Kurs", "",
                                  {{D(10, 3, 2025), D(10, 3, 2025)},
                                   {D(11, 3, 2025), D(12, 3, 2025)},
                                   {D(20, 3, 2025), D(20, 3, 2025)}},
                                  D(15, 3, 2025));
    // Every occurrence after its limit.
    Neu("Kurs verschoben", "", {{D(1, 6, 2025), D(1, 6, 2025)}}, D(1, 5, 2025));
    struct Fall {
        TTag Start;
        std::int32_t DatumNr;
    };
    const std::vector<Fall> Faelle = {
        {D(1, 3, 2025), 0},  // before the first
        {D(10, 3, 2025), 1}, // on an occurrence: the next one
        {D(11, 3, 2025), 2}, // the second day of the same occurrence
        {D(12, 3, 2025), 0}, // past the last within the limit: back to the first
        {D(31, 12, 2030), 0},
    };
    Form.Suchbegriff = "kurs";
    Form.SuchNr = snKurztext;
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(DatumText(f.Start));
        ASSERT_TRUE(Form.SucheKlassenOk(f.Start));
        ASSERT_EQ(Form.Results().size(), 1u);
        EXPECT_EQ(Form.Results()[0].TagClass.DatenClass, &Kurs);
        EXPECT_EQ(Form.Results()[0].TagClass.DatumNr, f.DatumNr);
    }
}

TEST(SuchKlassenLayout, FieldsAndButtonsInsideTheClient) {
    for (int OwnerHeight : {400, 1000}) {
        const auto Lage = TSuchKlassenForm::Layout({800, OwnerHeight, 90, 20, 125, 32});
        EXPECT_EQ(Lage.ClientWidth, 750);
        EXPECT_EQ(Lage.ClientHeight, std::min(OwnerHeight - 50, 600));
        EXPECT_EQ(Lage.Liste.Top, 10);
        EXPECT_EQ(Lage.Infos.Top, Lage.Liste.Bottom() + 10);
        EXPECT_NEAR(Lage.Liste.Height * 3, Lage.Liste.Height + Lage.Infos.Height, 3);
        EXPECT_EQ(Lage.Ok.Top, Lage.Infos.Bottom() + 10);
        EXPECT_EQ(Lage.Ok.Bottom() + 10, Lage.ClientHeight);
        EXPECT_LE(Lage.Infos.Right() + 10, Lage.ClientWidth);
    }
}

} // namespace
