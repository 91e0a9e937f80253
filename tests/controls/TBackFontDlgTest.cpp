#include "controls/TBackFontDlg.h"

#include <gtest/gtest.h>

#include "platform/TSkriptMeldungen.h"

namespace {

class TFakeMeldungen : public TMeldungsPort {
public:
    std::vector<std::string> Texte;
    TMeldungsAntwort Antwort = maJa;

    TMeldungsAntwort Zeige(TMeldungsArt, const std::string& AText, TMeldungsKnoepfe AKnoepfe) override {
        EXPECT_EQ(AKnoepfe, mkJaNein);
        Texte.push_back(AText);
        return KnopfGeprueft(AKnoepfe, Antwort);
    }
};

constexpr TFarbe Rgb(unsigned r, unsigned g, unsigned b) {
    return r | g << 8 | b << 16;
}

TEST(TColors, TheSeventeenColoursInTheirOrderWithNamesAndValues) {
    const TColors Farben;
    struct TFall {
        int Index;
        const char* Name;
        TFarbe Wert;
    };
    const TFall Faelle[] = {
        {0, "Schwarz", Rgb(0, 0, 0)},        {1, "Weiß", Rgb(255, 255, 255)},
        {2, "Gelb", Rgb(255, 255, 0)},       {3, "Blau", Rgb(0, 0, 255)},
        {4, "Marineblau", Rgb(0, 0, 128)},   {5, "Himmelblau", Rgb(166, 202, 240)},
        {6, "Blaugrün", Rgb(0, 128, 128)},   {7, "Grün", Rgb(0, 128, 0)},
        {8, "Minzgrün", Rgb(192, 220, 192)}, {9, "Gelbgrün", Rgb(0, 255, 0)},
        {10, "Olivgrün", Rgb(128, 128, 0)},  {11, "Grau", Rgb(128, 128, 128)},
        {12, "Rot", Rgb(255, 0, 0)},         {13, "Violett", Rgb(128, 0, 128)},
        {14, "Lila", Rgb(255, 0, 255)},      {15, "Silber", Rgb(192, 192, 192)},
        {16, "Braun", Rgb(128, 0, 0)},
    };
    ASSERT_EQ(Farben.Count(), 17);
    for (const TFall& F : Faelle) {
        const TColorName& e = Farben.Get(F.Index);
        EXPECT_EQ(e.Index, F.Index);
        EXPECT_EQ(e.Name, F.Name);
        EXPECT_EQ(e.Color, F.Wert) << F.Name;
    }
    // Outside the table: entry 0.
    EXPECT_EQ(Farben.Get(17).Name, "Schwarz");
    EXPECT_EQ(Farben.Get(-1).Name, "Schwarz");
}

TEST(TColors, ListsFindsAndGivenNames) {
    TBackFontDlgColorNames Namen = TColors::StandardNamen();
    Namen[12] = "Red";
    const TColors Farben(Namen, " [bg]");
    const auto Hintergrund = Farben.FillStringList(true);
    ASSERT_EQ(Hintergrund.size(), 17u);
    EXPECT_EQ(Hintergrund[0], "Schwarz [bg]");
    EXPECT_EQ(Farben.FillStringList(false)[12], "Red");

    TColorName Gefunden;
    ASSERT_TRUE(Farben.FindName("rED", Gefunden));
    EXPECT_EQ(Gefunden.Color, Rgb(255, 0, 0));
    ASSERT_TRUE(Farben.FindName("GRÜN", Gefunden));
    EXPECT_EQ(Gefunden.Index, 7);
    EXPECT_FALSE(Farben.FindName("  ", Gefunden));
    EXPECT_FALSE(Farben.FindName("", Gefunden));
    EXPECT_FALSE(Farben.FindName("Rot", Gefunden));
    ASSERT_TRUE(Farben.FindColor(Rgb(192, 192, 192), Gefunden));
    EXPECT_EQ(Gefunden.Index, 15);
    EXPECT_FALSE(Farben.FindColor(clWindowText, Gefunden));
}

TSchrift Schrift(const char* AName, int AGroesse, TFarbe AFarbe, int AStil) {
    TSchrift s;
    s.Name = AName;
    s.Groesse = AGroesse;
    s.Farbe = AFarbe;
    s.Stil = AStil;
    s.CharSet = 1;
    return s;
}

const std::vector<std::string> Familien = {"Arial", "Courier New", "DejaVu Sans"};

TEST(TBackFontDlg, TheCurrentValuesAreMarkedAndSelected) {
    const TBackFontDlg Dlg(Schrift("Courier New", 14, Rgb(0, 0, 128), fsBold), Rgb(255, 255, 0));
    EXPECT_EQ(Dlg.FontZeilen(Familien), (std::vector<std::string>{"Arial", "*Courier New", "DejaVu Sans"}));
    EXPECT_EQ(Dlg.StartFontZeile(Familien), 1);
    EXPECT_EQ(Dlg.FarbZeilen(false)[4], "*Marineblau");
    EXPECT_EQ(Dlg.StartFarbe(false), 4);
    EXPECT_EQ(Dlg.FarbZeilen(true)[2], "*Gelb (Hintergrund)");
    EXPECT_EQ(Dlg.FarbZeilen(true)[0], "Schwarz (Hintergrund)");
    EXPECT_EQ(Dlg.StartFarbe(true), 2);
    EXPECT_EQ(Dlg.StartGroesse(), 14);
    EXPECT_TRUE(Dlg.StartFettS());
    EXPECT_EQ(Dlg.GroesseCaption(), "Schrift&größe (5-35):");
}

TEST(TBackFontDlg, ValuesOutsideTheTablesStartAtTheFirstEntryUnmarked) {
    // A system colour for the text, a colour not in the table for the background, a typeface not
    // installed and a size beyond the field's range.
    const TBackFontDlg Dlg(Schrift("Fehlt", 40, clWindowText, 0), Rgb(1, 2, 3));
    EXPECT_EQ(Dlg.StartFontZeile(Familien), 0);
    EXPECT_EQ(Dlg.FontZeilen(Familien), Familien);
    EXPECT_EQ(Dlg.StartFarbe(false), 0);
    EXPECT_EQ(Dlg.StartFarbe(true), 0);
    EXPECT_EQ(Dlg.FarbZeilen(true)[0], "Schwarz (Hintergrund)");
    EXPECT_EQ(Dlg.FarbZeilen(false), TColors().FillStringList(false));
    EXPECT_EQ(Dlg.StartGroesse(), 35);
    EXPECT_EQ(TBackFontDlg(Schrift("Fehlt", 1, 0, 0), 0).StartGroesse(), 5);
    EXPECT_EQ(Dlg.StartFontZeile({}), -1);
}

TEST(TBackFontDlg, SizeFieldEnablesOkOnlyForWholeNumbersFromFiveToThirtyFive) {
    const std::pair<const char*, bool> Gueltig[] = {
        {"12", true}, {"5", true},   {"35", true},  {" 9 ", true}, {"36", false},          {"4", false},
        {"", false},  {"1a", false}, {"-7", false}, {"+7", false}, {"99999999999", false},
    };
    for (const auto& [Text, Ok] : Gueltig) {
        EXPECT_EQ(TBackFontDlg::GroesseGueltig(Text), Ok) << Text;
    }
    const std::pair<const char*, int> Verlassen[] = {
        {"12", 12}, {"36", 35}, {"4", 5}, {"", 5}, {"xy", 5}, {"99999999999", 5},
    };
    for (const auto& [Text, Groesse] : Verlassen) {
        EXPECT_EQ(TBackFontDlg::GroesseAusText(Text), Groesse) << Text;
    }
}

TEST(TBackFontDlg, TheChosenFontHasThePlainNameAndBoldOrNoStyle) {
    const TBackFontDlg Dlg(Schrift("Courier New", 14, Rgb(0, 0, 128), fsBold | fsItalic | fsUnderline), 0);
    const TSchrift Neu = Dlg.GetNewFont(Familien, 1, 20, true, 12);
    EXPECT_EQ(Neu.Name, "Courier New");
    EXPECT_EQ(Neu.Groesse, 20);
    EXPECT_EQ(Neu.Stil, fsBold);
    EXPECT_EQ(Neu.Farbe, Rgb(255, 0, 0));
    EXPECT_EQ(Neu.CharSet, 1);
    EXPECT_EQ(Dlg.GetNewFont(Familien, 2, 12, false, -1), Schrift("DejaVu Sans", 12, Rgb(0, 0, 0), 0));
    // Without a selected row the typeface stays.
    EXPECT_EQ(Dlg.GetNewFont(Familien, -1, 12, false, 0).Name, "Courier New");
    EXPECT_EQ(Dlg.GetNewFont(Familien, 3, 50, false, 0).Groesse, 35);
    EXPECT_EQ(Dlg.ChosenBackColor(16), Rgb(128, 0, 0));
    EXPECT_EQ(Dlg.ChosenBackColor(-1), Rgb(0, 0, 0));
}

TEST(TBackFontDlg, EqualColoursAreConfirmedAndNoKeepsTheDialogOpen) {
    const TBackFontDlg Dlg(Schrift("Arial", 12, 0, 0), Rgb(255, 255, 255));
    TFakeMeldungen Meldungen;
    EXPECT_TRUE(Dlg.SchliessenMitOk(0, 1, Meldungen));
    EXPECT_TRUE(Meldungen.Texte.empty());
    Meldungen.Antwort = maNein;
    EXPECT_FALSE(Dlg.SchliessenMitOk(3, 3, Meldungen));
    // No selection counts as black on either side.
    EXPECT_FALSE(Dlg.SchliessenMitOk(-1, 0, Meldungen));
    Meldungen.Antwort = maJa;
    EXPECT_TRUE(Dlg.SchliessenMitOk(3, 3, Meldungen));
    ASSERT_EQ(Meldungen.Texte.size(), 3u);
    EXPECT_EQ(Meldungen.Texte[0],
              "Schriftfarbe und Hintergrundfarbe sind identisch!\nSoll trotzdem fortgesetzt werden?");
}

TEST(TBackFontDlg, AnnouncementsAndGivenTextsWithoutFormatSurprises) {
    const TBackFontDlg Dlg(Schrift("Arial", 12, 0, 0), 0);
    EXPECT_EQ(Dlg.Ansage(TBackFontDlg::tgFonts, "*Arial"), "Schriftart: *Arial");
    EXPECT_EQ(Dlg.Ansage(TBackFontDlg::tgFarbe, "Schwarz"), "Schriftfarbe: Schwarz");
    EXPECT_EQ(Dlg.Ansage(TBackFontDlg::tgGroesse, "12"), "Schriftgröße (5 bis 35): 12");
    EXPECT_EQ(Dlg.Ansage(TBackFontDlg::tgHintergrund, "Weiß (Hintergrund)"),
              "Hintergrundfarbe: Weiß (Hintergrund)");

    TBackFontDlgTexts Texte;
    Texte.TolkFontName = "Font %s %s %n %x 100%%";
    Texte.FontSizeCaption = "Size";
    Texte.ColorNames[0] = "Black";
    const TBackFontDlg Eigen(Schrift("Arial", 12, 0, 0), 0, Texte);
    EXPECT_EQ(Eigen.Ansage(TBackFontDlg::tgFonts, "%s"), "Font %s %s %n %x 100%");
    EXPECT_EQ(Eigen.GroesseCaption(), "Size");
    EXPECT_EQ(Eigen.Colors().Get(0).Name, "Black");
    EXPECT_EQ(Eigen.Colors().Get(1).Name, "Weiß");
    EXPECT_EQ(Eigen.Texts().OkCaption, "O&K");
}

TEST(TBackFontDlg, LayoutBesideAndBelowTheFontList) {
    TBackFontDlg::TMasse m;
    m.ListWidth = 200;
    m.SchalterWidth = 100;
    m.SchalterHeight = 30;
    m.LabelWidth = 150;
    m.LabelHeight = 16;
    m.GroesseWidth = 90;
    m.GroesseHeight = 30;
    m.FettWidth = 60;
    m.FettHeight = 24;
    m.ComboHeight = 32;
    m.VorschauHeight = 28;
    const auto Lage = TBackFontDlg::Layout(m);
    EXPECT_EQ(Lage.Fonts, (TRechteck{10, 10, 200, 180}));
    // A third of (180 - 30) below the list's top.
    EXPECT_EQ(Lage.Groesse, (TRechteck{375, 60, 90, 30}));
    EXPECT_EQ(Lage.Label, (TRechteck{220, 67, 150, 16}));
    EXPECT_EQ(Lage.Fett, (TRechteck{475, 60, 60, 24}));
    EXPECT_EQ(Lage.ClientWidth, 545);
    EXPECT_EQ(Lage.Farben, (TRechteck{220, 110, 315, 32}));
    EXPECT_EQ(Lage.HintergrundFarben, (TRechteck{220, 162, 315, 32}));
    // The background list reaches below the font list: the preview starts below it.
    EXPECT_EQ(Lage.Vorschau, (TRechteck{10, 214, 525, 140}));
    EXPECT_EQ(Lage.Ok, (TRechteck{115, 374, 100, 30}));
    EXPECT_EQ(Lage.Abbrechen, (TRechteck{330, 374, 100, 30}));
    EXPECT_EQ(Lage.ClientHeight, 414);
    EXPECT_EQ(TBackFontDlg::FontListenBreite(
                  {"ab", "abcd"}, [](const std::string& s) { return static_cast<int>(s.size()) * 10; }),
              60);
}

} // namespace
