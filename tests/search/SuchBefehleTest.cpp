#include "search/TSuchBefehle.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "platform/TMeldungsPort.h"
#include "views/TFakeSteuerung.h"
#include "views/TTagesliste.h"
#include "views/ViewsHilfen.h"

namespace {

// The two dialogs as the user answers them, one scripted answer per showing.
class TSkriptDialoge : public TSuchDialoge {
public:
    // The search dialog: the typed term (std::nullopt cancels) and the scope index.
    struct TSuchen {
        std::optional<std::string> Begriff;
        int ItemIndex = 0;
    };
    std::deque<TSuchen> SuchenAntworten;
    // The found entries: the chosen line (-1 cancels).
    std::deque<int> GefundeneAntworten;
    // What the dialogs showed: the term the search dialog opened with, the lines of the found list.
    std::vector<std::string> SuchenGezeigt;
    std::vector<std::vector<std::string>> GefundeneGezeigt;

    bool SuchenZeigen(TSuchenForm& AForm) override {
        SuchenGezeigt.push_back(AForm.Suchbegriff);
        if (SuchenAntworten.empty()) {
            ADD_FAILURE() << "search dialog shown once too often";
            return false;
        }
        const TSuchen Antwort = SuchenAntworten.front();
        SuchenAntworten.pop_front();
        if (!Antwort.Begriff) {
            return false;
        }
        AForm.Suchbegriff = *Antwort.Begriff;
        AForm.ItemIndex = Antwort.ItemIndex;
        return true;
    }
    bool GefundeneZeigen(TSuchKlassenForm& AForm) override {
        std::vector<std::string> Zeilen;
        for (const TSuchTreffer& t : AForm.Results()) {
            Zeilen.push_back(t.Zeile);
        }
        GefundeneGezeigt.push_back(Zeilen);
        if (GefundeneAntworten.empty()) {
            ADD_FAILURE() << "found entries shown once too often";
            return false;
        }
        AForm.ItemIndex = GefundeneAntworten.front();
        GefundeneAntworten.pop_front();
        return AForm.ItemIndex >= 0;
    }
    int NamenGezeigt = 0;
    void NamenSucheZeigen(TSucheNameForm&) override { ++NamenGezeigt; }
};

class TMeldungen : public TMeldungsPort {
public:
    std::vector<std::string> Texte;
    TMeldungsAntwort Zeige(TMeldungsArt AArt, const std::string& AText, TMeldungsKnoepfe AKnoepfe) override {
        EXPECT_EQ(AArt, maInformation);
        EXPECT_EQ(AKnoepfe, mkOK);
        Texte.push_back(AText);
        return maOK;
    }
};

// Today is Monday 6.1.2025; a weekly course on Mondays up to 27.1.2025 (its limit; 3.2. stays
// hidden), a holiday and a vacation day.
class SuchBefehle : public MitUhr {
protected:
    TDaten Daten;
    TFakeSteuerung Fake;
    std::unique_ptr<TTagesliste> Liste;
    TSkriptDialoge Dialoge;
    TMeldungen Meldungen;
    // A program folder of its own, without "Namenstage.dat" until a test puts it there.
    std::filesystem::path Programmordner =
        std::filesystem::temp_directory_path() / ("orvanto-suchbefehle-" + std::to_string(::getpid()));
    std::unique_ptr<TSuchBefehle> Befehle;

    void SetUp() override {
        MitUhr::SetUp();
        std::filesystem::create_directories(Programmordner);
        TDatenClass Kurs = Eintrag("Yogakurs", {{D(6, 1, 2025), D(6, 1, 2025)},
                                                {D(13, 1, 2025), D(13, 1, 2025)},
                                                {D(20, 1, 2025), D(20, 1, 2025)},
                                                {D(27, 1, 2025), D(27, 1, 2025)},
                                                {D(3, 2, 2025), D(3, 2, 2025)}});
        Kurs.EndeDatum = D(27, 1, 2025);
        Kurs.Langtext = "Matte mitnehmen";
        Daten.Add(Kurs);
        Daten.Add(Eintrag("Heilige Drei Könige", {{D(6, 1, 2026), D(6, 1, 2026)}}, ttFeiertag));
        Daten.Add(Eintrag("Skiurlaub", {{D(10, 2, 2025), D(10, 2, 2025)}}, ttUrlaub));
        Liste = std::make_unique<TTagesliste>(Daten, Fake);
        Liste->SpringeZuDatum(TUhr::Heute(), "");
        TMeldungsPort::Setze(&Meldungen);
        Befehle = std::make_unique<TSuchBefehle>(Daten, *Liste, Dialoge, Programmordner.string());
    }
    void TearDown() override {
        TMeldungsPort::Setze(nullptr);
        std::filesystem::remove_all(Programmordner);
        MitUhr::TearDown();
    }

    // The selected line shows this text (after its calendar-week prefix).
    bool Steht(const std::string& AText) const { return Fake.Aktuell().find(AText) != std::string::npos; }

    void Suche(const std::string& ABegriff, int AItemIndex, int AZeile) {
        Dialoge.SuchenAntworten.push_back({ABegriff, AItemIndex});
        Dialoge.GefundeneAntworten.push_back(AZeile);
        Befehle->MenuSuchenSuchenClick();
    }
};

TEST_F(SuchBefehle, MenuNeedsEntriesAndForContinuingATerm) {
    EXPECT_TRUE(Befehle->SuchenMenuUpdate().SuchenS);
    EXPECT_FALSE(Befehle->SuchenMenuUpdate().WeiterS);
    Befehle->Suchbegriff = "kurs";
    EXPECT_TRUE(Befehle->SuchenMenuUpdate().WeiterS);
    Daten.Clear();
    EXPECT_FALSE(Befehle->SuchenMenuUpdate().SuchenS);
    EXPECT_FALSE(Befehle->SuchenMenuUpdate().WeiterS);
}

TEST_F(SuchBefehle, SearchJumpsAndContinuingMovesOnAndWrapsAround) {
    // Typed with capitals: stored and shown again in lower case. Today (6.1.) has an occurrence,
    // so the jump goes to the next one.
    Suche("YogaKURS", 0, 0);
    EXPECT_EQ(Befehle->Suchbegriff, "yogakurs");
    EXPECT_EQ(Dialoge.GefundeneGezeigt, (std::vector<std::vector<std::string>>{{"\"Yogakurs\""}}));
    EXPECT_TRUE(Steht("Mo 13.01.2025: Yogakurs")) << Fake.Aktuell();
    Dialoge.GefundeneAntworten = {0, 0, 0, 0};
    Befehle->MenuSuchenWeiterClick();
    EXPECT_TRUE(Steht("Mo 20.01.2025: Yogakurs")) << Fake.Aktuell();
    Befehle->MenuSuchenWeiterClick();
    EXPECT_TRUE(Steht("Mo 27.01.2025: Yogakurs")) << Fake.Aktuell();
    // Past the last occurrence within the limit (3.2. is hidden): back to the first.
    Befehle->MenuSuchenWeiterClick();
    EXPECT_TRUE(Steht("Mo 06.01.2025: Yogakurs")) << Fake.Aktuell();
    Befehle->MenuSuchenWeiterClick();
    EXPECT_TRUE(Steht("Mo 13.01.2025: Yogakurs")) << Fake.Aktuell();
    EXPECT_EQ(Dialoge.SuchenGezeigt, (std::vector<std::string>{""}));
    EXPECT_TRUE(Meldungen.Texte.empty());
}

TEST_F(SuchBefehle, TheScopeStaysBetweenSearches) {
    // Long text: the course's "Matte"; the scope chosen is used by the continue command too.
    Suche("matte", 1, 0);
    EXPECT_TRUE(Steht("Mo 13.01.2025: Yogakurs")) << Fake.Aktuell();
    EXPECT_EQ(Befehle->Suchen.ItemIndex, 1);
    Dialoge.GefundeneAntworten = {0};
    Befehle->MenuSuchenWeiterClick();
    EXPECT_TRUE(Steht("Mo 20.01.2025: Yogakurs")) << Fake.Aktuell();
}

TEST_F(SuchBefehle, NothingFoundAndCancellingBringTheSearchDialogBack) {
    // Not found: the message, the dialog again with the term; found but cancelled: the dialog
    // again; the dialog cancelled: the command ends without a jump.
    Dialoge.SuchenAntworten = {{"Kino", 0}, {"yoga", 0}, {std::nullopt, 0}};
    Dialoge.GefundeneAntworten = {-1};
    const std::string Vorher = Fake.Aktuell();
    Befehle->MenuSuchenSuchenClick();
    EXPECT_EQ(Meldungen.Texte, (std::vector<std::string>{"Der Suchbegriff \"kino\" wurde nicht gefunden!"}));
    EXPECT_EQ(Dialoge.SuchenGezeigt, (std::vector<std::string>{"", "kino", "yoga"}));
    EXPECT_EQ(Fake.Aktuell(), Vorher);
}

TEST_F(SuchBefehle, ContinueWithoutResultOpensTheSearch) {
    Befehle->Suchbegriff = "kino";
    Dialoge.SuchenAntworten = {{std::nullopt, 0}};
    Befehle->MenuSuchenWeiterClick();
    EXPECT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Dialoge.SuchenGezeigt, (std::vector<std::string>{"kino"}));
}

TEST_F(SuchBefehle, JumpMakesTheEntrysKindVisible) {
    struct Fall {
        std::string Begriff;
        int Filter;
        std::string Zeile;
    };
    const std::vector<Fall> Faelle = {
        {"könige", fiFeiertag, "Di 06.01.2026: \"Heilige Drei Könige\""},
        {"ski", fiUrlaub, "Mo 10.02.2025: Skiurlaub"},
        {"yoga", fiBelegt, "Mo 13.01.2025: Yogakurs"},
    };
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Begriff);
        Liste->SetFilter(f.Filter, false);
        Liste->SetFilter(fiFrei, true);
        Suche(f.Begriff, 0, 0);
        EXPECT_TRUE(Liste->Filter(f.Filter));
        EXPECT_FALSE(Liste->FreiS());
        EXPECT_TRUE(Steht(f.Zeile)) << Fake.Aktuell();
        Liste->SpringeZuDatum(TUhr::Heute(), "");
    }
}

TEST_F(SuchBefehle, NameDayDialogNeedsItsFile) {
    Befehle->MenuSuchenNamenstagClick();
    EXPECT_EQ(Meldungen.Texte, (std::vector<std::string>{"Die Namenstags-Datei \"" +
                                                         (Programmordner / "Namenstage.dat").string() +
                                                         "\" existiert nicht!"}));
    EXPECT_EQ(Dialoge.NamenGezeigt, 0);
    std::ofstream(Programmordner / "Namenstage.dat") << "Maria\n1.1\n";
    Befehle->MenuSuchenNamenstagClick();
    EXPECT_EQ(Dialoge.NamenGezeigt, 1);
    EXPECT_EQ(Meldungen.Texte.size(), 1u);
}

} // namespace
