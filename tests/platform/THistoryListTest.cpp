#include "platform/SystemDateisystem.h"
#include "platform/THistoryMenuList.h"

#include <gtest/gtest.h>

namespace {

using TListe = std::vector<std::string>;

THistoryList Liste(const TListe& AAeltesteZuerst, bool AGrossS = true) {
    THistoryList h;
    for (const std::string& s : AAeltesteZuerst)
        h.AddString(s, AGrossS);
    return h;
}

TEST(THistoryListTest, AddStringKeepsTheNewestOnTopWithoutDuplicates) {
    struct TFall {
        const char* Name;
        TListe Vorher; // added oldest first
        std::string Neu;
        bool GrossS;
        TListe Nachher; // newest first
    };
    const TFall Faelle[] = {
        {"neu oben", {"a", "b"}, "c", true, {"c", "b", "a"}},
        {"vorhanden nach oben", {"a", "b", "c"}, "a", false, {"a", "c", "b"}},
        {"Grossschreibung ignoriert, neue Schreibung gilt",
         {"/k/Kal.ovk", "b"},
         "/K/KAL.OVK",
         true,
         {"/K/KAL.OVK", "b"}},
        {"Umlaute ohne Gross/klein", {"/k/Jänner.ovk"}, "/K/JÄNNER.OVK", true, {"/K/JÄNNER.OVK"}},
        {"Grossschreibung beachtet", {"/k/Kal.ovk"}, "/k/KAL.ovk", false, {"/k/KAL.ovk", "/k/Kal.ovk"}},
        {"Blanks abgeschnitten", {"a"}, "  a \t", false, {"a"}},
        {"nur Blanks", {"a"}, "   ", true, {"a"}},
        {"leer", {"a"}, "", true, {"a"}},
        {"sechster verdrängt den ältesten", {"1", "2", "3", "4", "5"}, "6", true, {"6", "5", "4", "3", "2"}},
        {"voll, vorhandener", {"1", "2", "3", "4", "5"}, "1", true, {"1", "5", "4", "3", "2"}},
    };
    for (const TFall& Fall : Faelle) {
        THistoryList h = Liste(Fall.Vorher, false);
        h.AddString(Fall.Neu, Fall.GrossS);
        EXPECT_EQ(h.Items(), Fall.Nachher) << Fall.Name;
    }
}

TEST(THistoryListTest, MaxLenIgnoresNonPositiveValuesAndDropsTheOldest) {
    THistoryList h = Liste({"1", "2", "3", "4"});
    h.SetMaxLen(0);
    h.SetMaxLen(-3);
    EXPECT_EQ(h.MaxLen(), 5);
    EXPECT_EQ(h.Count(), 4);
    h.SetMaxLen(2);
    EXPECT_EQ(h.Items(), (TListe{"4", "3"}));
    h.AddString("5", true);
    EXPECT_EQ(h.Items(), (TListe{"5", "4"}));
}

TEST(THistoryListTest, LoadFromStreamReadsTheNumberedKeysInOrder) {
    TMemIniFile Ini("unbenutzt.ini", SystemDateisystem());
    Ini.SetText("[MainForm]\nHistory1=/eins.ovk\nHistory2=/zwei.ovk\nHistory4=/vier.ovk\nHistory5=   \n"
                "History6=/sechs.ovk\n[Andere]\nHistory3=/fremd.ovk\n");
    THistoryList h = Liste({"alt"});
    h.LoadFromStream(Ini, "MainForm");
    EXPECT_EQ(h.Items(), (TListe{"/eins.ovk", "/zwei.ovk", "/vier.ovk"}));

    // Exact duplicates collapse to the higher place; names differing in case stay apart.
    Ini.SetText("[MainForm]\nHistory1=/a.ovk\nHistory2=/A.ovk\nHistory3=/a.ovk\n");
    h.LoadFromStream(Ini, "MainForm");
    EXPECT_EQ(h.Items(), (TListe{"/a.ovk", "/A.ovk"}));
}

TEST(THistoryListTest, SaveToStreamLeavesNoStaleKeyBehind) {
    TMemIniFile Ini("unbenutzt.ini", SystemDateisystem());
    // History2 is missing, History4 and History7 would come back at the next load otherwise.
    Ini.SetText("[MainForm]\nHistory1=x\nHistory3=x\nHistory4=x\nHistory6=x\nHistory7=x\nHistory9=bleibt\n");
    const THistoryList h = Liste({"/b.ovk", "/a.ovk"});
    h.SaveToStream(Ini, "MainForm", true);
    EXPECT_EQ(Ini.GetText(), "[MainForm]\nHistory1=/a.ovk\nHistory9=bleibt\nHistory2=/b.ovk\n\n");

    THistoryList Geladen;
    Geladen.LoadFromStream(Ini, "MainForm");
    EXPECT_EQ(Geladen.Items(), h.Items());

    Ini.SetText("[MainForm]\nHistory3=x\n");
    h.SaveToStream(Ini, "MainForm", false);
    EXPECT_TRUE(Ini.ValueExists("MainForm", "History3"));
}

TEST(THistoryMenuListTest, CaptionsCarryTheirNumberAsAccessKey) {
    THistoryMenuList h;
    for (const char* s : {"/k/Ordner/", "/k/R&D.ovk", "/k/Kal.ovk"})
        h.AddString(s, true);

    struct TFall {
        bool ShowFullPath;
        bool EscapeAmpersand;
        std::vector<std::string> Captions;
    };
    const TFall Faelle[] = {
        {true, false, {"&1 /k/Kal.ovk", "&2 /k/R&D.ovk", "&3 /k/Ordner/"}},
        {false, false, {"&1 Kal.ovk", "&2 R&D.ovk", "&3 /k/Ordner/"}},
        {false, true, {"&1 Kal.ovk", "&2 R&&D.ovk", "&3 /k/Ordner/"}},
    };
    for (const TFall& Fall : Faelle) {
        h.SetShowFullPath(Fall.ShowFullPath);
        h.SetEscapeAmpersand(Fall.EscapeAmpersand);
        for (int i = 0; i < h.Count(); ++i) {
            const std::optional<THistoryMenuItem> Item = h.GetMenuItem(i);
            ASSERT_TRUE(Item);
            EXPECT_EQ(Item->Caption, Fall.Captions[static_cast<std::size_t>(i)]);
            // The tag leads back to the whole name, whatever the caption shows.
            EXPECT_EQ(h.FileNameOfTag(Item->Tag), h[i]);
        }
    }
    EXPECT_FALSE(h.GetMenuItem(-1));
    EXPECT_FALSE(h.GetMenuItem(3));
    EXPECT_FALSE(h.FileNameOfTag(3));
    EXPECT_FALSE(h.FileNameOfTag(-1));
}

} // namespace
