#include "files/VkFiles.h"

#include "model/Fehler.h"
#include "platform/Umgebung.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace std::string_literals;

std::string Utf16Le(std::u16string_view AText) {
    std::string Bytes;
    for (const char16_t z : AText) {
        Bytes.push_back(static_cast<char>(z & 0xFF));
        Bytes.push_back(static_cast<char>(z >> 8));
    }
    return Bytes;
}

std::string Utf16Be(std::u16string_view AText) {
    std::string Bytes;
    for (const char16_t z : AText) {
        Bytes.push_back(static_cast<char>(z >> 8));
        Bytes.push_back(static_cast<char>(z & 0xFF));
    }
    return Bytes;
}

class VkFiles : public testing::Test {
protected:
    void SetUp() override { FOrdner = NeuerTempOrdner("orvanto-files-"); }
    void TearDown() override { std::filesystem::remove_all(FOrdner); }

    std::string Datei(const std::string& AInhalt, const std::string& AName = "datei.txt") {
        const std::filesystem::path Pfad = FOrdner / AName;
        std::ofstream(Pfad, std::ios::binary) << AInhalt;
        return Pfad.string();
    }

    std::string Inhalt(const std::string& APfad) {
        std::ifstream f(APfad, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }

    std::filesystem::path FOrdner;
};

TEST_F(VkFiles, TypeIsToldFromTheContent) {
    const std::string Ascii64k(65536, 'a');
    struct Fall {
        const char* Name;
        std::string Bytes;
        TFileTextType Typ;
    };
    const Fall Faelle[] = {
        {"empty", "", fttAnsi},
        {"ascii", "Hallo Welt\r\n", fttAnsi},
        {"rtf header", "{\\rtf1\\ansi x}", fttRtf},
        {"rtf header alone", "{\\rt", fttRtf},
        {"rtf header in capitals is not rtf", "{\\RTF1 x}", fttAnsi},
        {"utf-8 mark", "\xEF\xBB\xBFx", fttUtf8Bom},
        {"utf-16 mark little-endian", "\xFF\xFEx\0"s, fttUnicode},
        {"utf-16 mark big-endian", "\xFE\xFF\0x"s, fttUnicode},
        {"utf-16le without mark", Utf16Le(u"Ein Text in UTF-16 ohne Marke"), fttUnicode},
        {"utf-16be without mark", Utf16Be(u"Ein Text in UTF-16 ohne Marke"), fttUnicode},
        {"utf-16 of 32 bytes", Utf16Le(u"abcdefghijklmnop"), fttUnicode},
        {"utf-16 of 30 bytes is too short", Utf16Le(u"abcdefghijklmno"), fttAnsi},
        {"utf-8 without mark", "Grüße", fttUtf8},
        {"code page 1252", "Gr\xFC\xDF\x65", fttAnsi},
        {"utf-8 cut off at the end", "ab\xC3", fttAnsi},
        {"overlong utf-8", "a\xC0\xAF", fttAnsi},
        {"utf-8 surrogate", "a\xED\xA0\x80", fttAnsi},
        {"utf-8 beyond U+10FFFF", "a\xF4\x90\x80\x80", fttAnsi},
        {"non-ascii only after the sample", Ascii64k + "ä", fttAnsi},
        {"character across the first block", std::string(65535, 'a') + "ä", fttUtf8},
        {"character cut off by the block end",
         std::string(65535, 'a') + "\xE2\x82\xAC" + std::string(65536, 'b') + "\xE2\x82\xAC", fttUtf8},
        {"invalid byte in a later block", "ä" + Ascii64k + Ascii64k + "\xFF", fttAnsi},
    };
    for (const Fall& f : Faelle)
        EXPECT_EQ(FileTextType(Datei(f.Bytes)), f.Typ) << f.Name;
}

TEST_F(VkFiles, NoTypeWithoutAReadableFile) {
    EXPECT_EQ(FileTextType((FOrdner / "fehlt.txt").string()), fttNone);
    EXPECT_EQ(FileTextType(""), fttNone);
    EXPECT_EQ(FileTextType(FOrdner.string()), fttNone);
}

TEST_F(VkFiles, EachTypeIsReadIntoUtf8) {
    struct Fall {
        const char* Name;
        std::string Bytes;
        std::string Text;
        TFileTextType Typ;
    };
    const Fall Faelle[] = {
        {"empty", "", "", fttAnsi},
        {"code page 1252", "Gr\xFC\xDF \x80 \x84x\x93", "Grüß € „x“", fttAnsi},
        {"utf-8", "Grüße\r\n日本 😀", "Grüße\r\n日本 😀", fttUtf8},
        {"utf-8 with mark", "\xEF\xBB\xBFGrüße", "Grüße", fttUtf8Bom},
        {"utf-8 mark before code page 1252", "\xEF\xBB\xBFGr\xFC\xDF\x65", "Grüße", fttUtf8Bom},
        {"utf-16le with mark", "\xFF\xFE" + Utf16Le(u"Grüße 😀"), "Grüße 😀", fttUnicode},
        {"utf-16be with mark", "\xFE\xFF" + Utf16Be(u"Grüße 😀"), "Grüße 😀", fttUnicode},
        {"utf-16le without mark", Utf16Le(u"Ein längerer Text ohne Marke"), "Ein längerer Text ohne Marke",
         fttUnicode},
        {"utf-16be without mark", Utf16Be(u"Ein längerer Text ohne Marke"), "Ein längerer Text ohne Marke",
         fttUnicode},
        {"utf-16 with a lone surrogate and an odd byte",
         "\xFF\xFE" +
             Utf16Le(u"a\xD800"
                     u"b") +
             "c",
         "a\uFFFDb\uFFFD", fttUnicode},
        {"rtf", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 J\\'e4nner\\par\r\nZeile 2\\par\r\n}",
         "Jänner\r\nZeile 2", fttRtf},
    };
    for (const Fall& f : Faelle) {
        TFileTextType Typ = fttNone;
        EXPECT_EQ(LoadTextFile(Datei(f.Bytes), Typ), f.Text) << f.Name;
        EXPECT_EQ(Typ, f.Typ) << f.Name;
        EXPECT_EQ(LoadTextFile(Datei(f.Bytes)), f.Text) << f.Name;
    }
}

TEST_F(VkFiles, ReadingWithoutATypeFails) {
    for (const std::string& Name : {(FOrdner / "fehlt.txt").string(), FOrdner.string()}) {
        try {
            LoadTextFile(Name);
            ADD_FAILURE() << Name;
        } catch (const ELeseFehler& e) {
            EXPECT_STREQ(e.what(), "FileTextType konnte nicht ermittelt werden.");
        }
    }
}

TEST_F(VkFiles, Utf8OrAnsiIsStrictAboutUtf8) {
    EXPECT_EQ(LoadUtf8OrAnsi(Datei("\xEF\xBB\xBFGrüße")), "Grüße");
    EXPECT_EQ(LoadUtf8OrAnsi(Datei("Grüße")), "Grüße");
    EXPECT_EQ(LoadUtf8OrAnsi(Datei("Gr\xFC\xDF\x65")), "Grüße");
    EXPECT_EQ(LoadUtf8OrAnsi(Datei("ä\xC3")), "Ã¤Ã");
    EXPECT_THROW(LoadUtf8OrAnsi((FOrdner / "fehlt.txt").string()), EBetriebssystemFehler);
    EXPECT_THROW(LoadUtf8OrAnsi(FOrdner.string()), EBetriebssystemFehler);
}

TEST_F(VkFiles, EachTypeIsWrittenAndReadBack) {
    const std::string Text = "Grüße € „x“\r\nZeile\t2";
    struct Fall {
        TFileTextType Typ;
        std::string Bytes;
    };
    const Fall Faelle[] = {
        {fttAnsi, "Gr\xFC\xDF\x65 \x80 \x84x\x93\r\nZeile\t2"},
        {fttUtf8, Text},
        {fttUtf8Bom, "\xEF\xBB\xBF" + Text},
        {fttUnicode, "\xFF\xFE" + Utf16Le(u"Grüße € „x“\r\nZeile\t2")},
        {fttRtf,
         "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}}\r\n"
         "\\pard\\f0\\fs24 Gr\\u252?\\u223?e \\u8364? \\u8222?x\\u8220?\\par\r\nZeile\\tab 2\\par\r\n}"},
    };
    for (const Fall& f : Faelle) {
        const std::string Name = Datei("ein längerer alter Inhalt, der ganz ersetzt wird");
        SaveTextFile(Name, Text, f.Typ, TRtfSchrift{"Courier New", 12});
        EXPECT_EQ(Inhalt(Name), f.Bytes) << f.Typ;
        TFileTextType Typ = fttNone;
        EXPECT_EQ(LoadTextFile(Name, Typ), Text) << f.Typ;
        EXPECT_EQ(Typ, f.Typ);
    }
}

TEST_F(VkFiles, AnsiIsTheFallbackAndMarksWhatItCannotHold) {
    for (const TFileTextType Typ : {fttAnsi, fttNone, static_cast<TFileTextType>(9)}) {
        const std::string Name = Datei("");
        SaveTextFile(Name, "Łódź ä", Typ, std::nullopt);
        EXPECT_EQ(Inhalt(Name), "?\xF3"
                                "d? \xE4")
            << Typ;
    }
}

TEST_F(VkFiles, WritingIntoAMissingFolderFails) {
    EXPECT_THROW(SaveTextFile((FOrdner / "fehlt" / "x.txt").string(), "x", fttUtf8, std::nullopt),
                 EBetriebssystemFehler);
}

TEST_F(VkFiles, FileNamesAreUtf8) {
    const std::string Name = (FOrdner / "Jänner €.txt").string();
    SaveTextFile(Name, "ä", fttUtf8, std::nullopt);
    EXPECT_EQ(LoadTextFile(Name), "ä");
}

} // namespace
