#include "platform/TMemIniFile.h"

#include "Umgebung.h"
#include "model/Fehler.h"
#include "platform/SystemDateisystem.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace std::string_literals;

TEST(TMemIniFileTest, ReadsDamagedTextLeniently) {
    TMemIniFile Ini("unbenutzt.ini", SystemDateisystem());
    // A NUL byte inside, too.
    Ini.SetText("\xEF\xBB\xBF"
                "vor=jeder Section\n"
                "; Kommentar=1\n"
                "[MainForm]\r\n"
                "  FontName =  Arial  \r\n"
                "ohne Gleichheitszeichen\n"
                "\x01\xFF\xFE\x00garbage\n"
                "fontname=Zweiter\n"
                "Pfad=/a=b/\xC3\x28.ovk\n"
                "=leer\n"
                "[Andere]\n"
                "FontName=Anderer\n"
                "[mainform]\n"
                "Neu=1\n"s);
    EXPECT_FALSE(Ini.ValueExists("MainForm", "vor"));
    EXPECT_FALSE(Ini.ValueExists("MainForm", "; Kommentar"));
    // Names ignore letter case; of two equal keys the first counts.
    EXPECT_EQ(Ini.ReadString("MAINFORM", "fontNAME", ""), "Arial");
    // Split at the first "=", and bytes that are no valid UTF-8 stay as they are (file names).
    EXPECT_EQ(Ini.ReadString("MainForm", "Pfad", ""), "/a=b/\xC3\x28.ovk");
    EXPECT_EQ(Ini.ReadString("Andere", "FontName", ""), "Anderer");
    // A section that appears twice is one section.
    EXPECT_EQ(Ini.ReadString("MainForm", "Neu", ""), "1");
    EXPECT_EQ(Ini.ReadString("MainForm", "", "d"), "d");
}

TEST(TMemIniFileTest, ReadsIntegersAsTheFileWritesThem) {
    struct TFall {
        const char* Wert;
        std::int32_t Erwartet;
    };
    const TFall Faelle[] = {
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"$FF000008", -16777208},
        {"0x10", 16},
        {"0XfF", 255},
        {"-16777208", -16777208},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", 99},
        {"99999999999999999999", 99},
        {"$100000000", 99},
        {"12abc", 99},
        {"", 99},
        {"--1", 99},
        {"1 2", 99},
        {"$", 99},
        {"0x-1", 99},
        {"1.5", 99},
    };
    for (const TFall& Fall : Faelle) {
        TMemIniFile Ini("unbenutzt.ini", SystemDateisystem());
        Ini.SetText(std::string("[S]\nK=") + Fall.Wert + "\n");
        EXPECT_EQ(Ini.ReadInteger("S", "K", 99), Fall.Erwartet) << Fall.Wert;
    }
    TMemIniFile Ini("unbenutzt.ini", SystemDateisystem());
    Ini.SetText("[S]\nNull=0\nZwei=2\nText=ja\n");
    EXPECT_FALSE(Ini.ReadBool("S", "Null", true));
    EXPECT_TRUE(Ini.ReadBool("S", "Zwei", false));
    EXPECT_TRUE(Ini.ReadBool("S", "Text", true));
    EXPECT_FALSE(Ini.ReadBool("S", "Fehlt", false));
}

TEST(TMemIniFileTest, WritesWhatItReadsBackAndNeverABrokenLine) {
    TMemIniFile Ini("unbenutzt.ini", SystemDateisystem());
    Ini.AddSection("Leer");
    Ini.WriteString("MainForm", "KalFilename", "/home/jö/a\nFontSize=72\r[X]");
    Ini.WriteInteger("MainForm", "FontColor", -16777208);
    Ini.WriteBool("MainForm", "KwocheS", true);
    Ini.WriteString("mainform", "kwoches", "0"); // replaces, keeps the first spelling and place
    Ini.WriteString("MainForm", "Weg", "x");
    Ini.DeleteKey("MAINFORM", "weg");
    EXPECT_EQ(Ini.GetText(),
              "[Leer]\n\n"
              "[MainForm]\nKalFilename=/home/jö/a FontSize=72 [X]\nFontColor=-16777208\nKwocheS=0\n\n");
    TMemIniFile Kopie("unbenutzt.ini", SystemDateisystem());
    Kopie.SetText(Ini.GetText());
    EXPECT_EQ(Kopie.GetText(), Ini.GetText());
    EXPECT_FALSE(Kopie.ValueExists("MainForm", "FontSize"));
    EXPECT_TRUE(Kopie.SectionExists("Leer"));
}

TEST(TMemIniFileTest, KeysTheProgramDoesNotKnowAreWrittenBackAsTheyWere) {
    // Many keys, so that each one's place and spelling must come from the file, not from a search
    // that happens to find the first.
    std::string Datei = "[MainForm]\nFontSize=10\n";
    for (int i = 0; i < 20000; ++i) {
        Datei += "Fremd" + std::to_string(i) + "=Wert " + std::to_string(i) + "\n";
    }
    Datei += "[Anderes Programm]\nSchlüssel=ä=ö\nfontsize=99\n\n";
    TMemIniFile Ini("unbenutzt.ini", SystemDateisystem());
    Ini.SetText(Datei);
    EXPECT_EQ(Ini.ReadString("mainform", "FREMD19999", ""), "Wert 19999");
    EXPECT_EQ(Ini.ReadInteger("Anderes Programm", "FontSize", 0), 99);
    Ini.WriteInteger("MainForm", "FontSize", 12);
    Ini.WriteString("MainForm", "Neu", "1");
    Ini.WriteString("MainForm", "fremd7", "geändert");
    Ini.DeleteKey("MainForm", "Fremd3");

    std::string Erwartet = "[MainForm]\nFontSize=12\n";
    for (int i = 0; i < 20000; ++i) {
        if (i != 3) {
            Erwartet += "Fremd" + std::to_string(i) + "=" +
                        (i == 7 ? "geändert" : "Wert " + std::to_string(i)) + "\n";
        }
    }
    Erwartet += "Neu=1\n\n[Anderes Programm]\nSchlüssel=ä=ö\nfontsize=99\n\n";
    EXPECT_TRUE(Ini.GetText() == Erwartet);
    // After a key is deleted the others are still found.
    EXPECT_EQ(Ini.ReadString("MainForm", "Fremd4", ""), "Wert 4");
    EXPECT_FALSE(Ini.ValueExists("MainForm", "Fremd3"));
}

TEST(TMemIniFileTest, UpdateFileReplacesTheFileOnlyWhenTheWriteSucceeds) {
    TTempOrdner Temp;
    const std::string Datei = Temp.Pfad() + "/Orvanto.ini";
    DateiSchreiben(Datei, "[MainForm]\nAlt=1\n");

    TMemIniFile Ini(Datei, SystemDateisystem());
    Ini.LoadFromFile();
    Ini.WriteString("MainForm", "Neu", "2");
    Ini.UpdateFile();
    EXPECT_EQ(DateiLesen(Datei), "[MainForm]\nAlt=1\nNeu=2\n\n");

    // A read-only file is not replaced behind the user's back; nothing is left beside it.
    chmod(Datei.c_str(), 0444);
    Ini.WriteString("MainForm", "Neu", "3");
    EXPECT_THROW(Ini.UpdateFile(), EBetriebssystemFehler);
    EXPECT_EQ(DateiLesen(Datei), "[MainForm]\nAlt=1\nNeu=2\n\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Temp.Pfad()), {}), 1);

    TMemIniFile OhneOrdner(Temp.Pfad() + "/fehlt/Orvanto.ini", SystemDateisystem());
    EXPECT_THROW(OhneOrdner.UpdateFile(), EBetriebssystemFehler);
}

TEST(TMemIniFileTest, LoadFromFileTreatsAMissingFileAsEmptyAndReportsAnUnreadableOne) {
    TTempOrdner Temp;
    TMemIniFile Fehlt(Temp.Pfad() + "/fehlt.ini", SystemDateisystem());
    Fehlt.SetText("[S]\nK=1\n");
    Fehlt.LoadFromFile();
    EXPECT_EQ(Fehlt.GetText(), "");

#ifndef _WIN32
    // A pipe is refused without waiting for a writer (Windows has none in its folders).
    const std::string Fifo = Temp.Pfad() + "/fifo.ini";
    ASSERT_EQ(mkfifo(Fifo.c_str(), 0600), 0);
    TMemIniFile Unlesbar(Fifo, SystemDateisystem());
    EXPECT_THROW(Unlesbar.LoadFromFile(), EBetriebssystemFehler);
#endif
}

} // namespace
