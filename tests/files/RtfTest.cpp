#include "files/RtfDokument.h"
#include "files/RtfText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Fall {
    const char* Name;
    std::string Dokument;
    std::string Text;
};

// A document as a rich-text control of the system writes it.
const char* const GespeichertesDokument =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1031{\\fonttbl{\\f0\\fnil\\fcharset0 Courier "
    "New;}{\\f1\\fswiss Arial;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\f0\\fs24\\lang7 Gr\\'fc\\'dfe an \\cf1\\b J\\'e4nner\\cf0\\b0\\par\r\n"
    "Zweite\\tab Zeile\\par\r\n"
    "}\r\n";

TEST(RtfText, ReadsThePlainTextOfADocument) {
    const Fall Faelle[] = {
        {"saved by a rich-text control", GespeichertesDokument, "Grüße an Jänner\r\nZweite\tZeile"},
        {"no final paragraph mark", "{\\rtf1 Hallo}", "Hallo"},
        {"only the last paragraph mark is dropped", "{\\rtf1 a\\par\\par}", "a\r\n"},
        {"line break stays", "{\\rtf1 a\\line}", "a\r\n"},
        {"empty document", "{\\rtf1}", ""},
        {"nested groups keep their text", "{\\rtf1 {a{\\b b{\\i c}}d}e}", "abcde"},
        {"skipped destinations",
         "{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}x"
         "{\\pict\\wmetafile8 0102ff}{\\*\\unknown {nested} text}{\\header H}y}",
         "xy"},
        {"field result kept, instruction skipped",
         "{\\rtf1{\\field{\\*\\fldinst{HYPERLINK \"u\"}}{\\fldrslt{Link}}}}", "Link"},
        {"escaped braces and backslash", "{\\rtf1 \\{a\\}\\\\b}", "{a}\\b"},
        {"code page 1252 escapes", "{\\rtf1 \\'e4\\'C4\\'80\\'93x\\'94}", "äÄ€“x”"},
        {"unicode with fallback", "{\\rtf1 \\u228?b\\u8364 Ec}", "äb€c"},
        {"negative unicode is a signed 16-bit unit", "{\\rtf1 \\u-4064?\\u-1?}", "\uF020\uFFFF"},
        {"surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?}", "😀"},
        {"fallback of two", "{\\rtf1\\uc2 \\u252\\'fc\\'fcx}", "üx"},
        {"fallback as hex escape", "{\\rtf1 \\u8364\\'80x}", "€x"},
        {"no fallback", "{\\rtf1\\uc0 \\u252 x}", "üx"},
        {"uc is scoped to its group", "{\\rtf1{\\uc0 \\u252}\\u252?x}", "üüx"},
        {"fallback ends at a group", "{\\rtf1\\uc3 \\u252{x}}", "üx"},
        {"special characters",
         "{\\rtf1 \\ldblquote a\\rdblquote \\lquote\\rquote\\endash\\emdash\\bullet\\~}", "“a”‘’–—•\u00A0"},
        {"source line breaks are not text", "{\\rtf1 a\r\nb\nc}", "abc"},
        {"backslash and line break is a paragraph", "{\\rtf1 a\\\r\nb}", "a\r\nb"},
        {"binary data is skipped", "{\\rtf1 a{\\bin3 }{\\}b}", "ab"},
    };
    for (const Fall& f : Faelle)
        EXPECT_EQ(RtfText(f.Dokument), f.Text) << f.Name;
}

TEST(RtfText, DamagedInputGivesWhatCanBeRead) {
    const Fall Faelle[] = {
        {"unclosed groups", "{\\rtf1 {a{b", "ab"},
        {"surplus closing braces", "{\\rtf1 a}}}b}", "ab"},
        {"cut off after backslash", "{\\rtf1 a\\", "a"},
        {"cut off hex escape", "{\\rtf1 a\\'e", "ae"},
        {"invalid hex escape", "{\\rtf1 a\\'zzb}", "azzb"},
        {"huge unicode number", "{\\rtf1 \\u99999999999999999999?x}", "\uFFFDx"},
        {"unicode beyond 16 bits", "{\\rtf1 \\u65536?x\\u-32769?}", "\uFFFDx\uFFFD"},
        {"lone high surrogate", "{\\rtf1 \\u-10179?x}", "\uFFFDx"},
        {"lone low surrogate", "{\\rtf1 \\u-8704?x}", "\uFFFDx"},
        {"high surrogate at the end", "{\\rtf1 \\u-10179?", "\uFFFD"},
        {"huge fallback count", "{\\rtf1\\uc99999999999 \\u252 abc}d", "üd"},
        {"negative binary length", "{\\rtf1 \\bin-5 ab}", "ab"},
        {"huge binary length", "{\\rtf1 a\\bin99999999999 bc}", "a"},
        {"unicode without number", "{\\rtf1 \\u x}", "x"},
        {"bytes that are not ASCII", "{\\rtf1 \xE4\x01}", "ä"},
    };
    for (const Fall& f : Faelle)
        EXPECT_EQ(RtfText(f.Dokument), f.Text) << f.Name;
}

TEST(RtfText, DeepNestingNeitherCrashesNorLosesItsPlace) {
    const std::string Tief(100000, '{');
    const std::string Zu(100000, '}');
    EXPECT_EQ(RtfText("{\\rtf1 " + Tief + "x" + Zu + "y}"), "xy");
    EXPECT_EQ(RtfText("{\\rtf1{\\fonttbl" + Tief + Zu + "}" + "z}"), "z");
}

TEST(RtfDokument, WritesTheFontAndEscapesEveryCharacterOutsideAscii) {
    const std::string Dokument = RtfDokument("Grüße {a}\\b\r\n€ 😀\tx", TRtfSchrift{"Courier New", 12});
    EXPECT_EQ(Dokument,
              "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}}\r\n"
              "\\pard\\f0\\fs24 Gr\\u252?\\u223?e \\{a\\}\\\\b\\par\r\n"
              "\\u8364? \\u-10179?\\u-8704?\\tab x\\par\r\n}");
}

TEST(RtfDokument, WithoutFontNamesNone) {
    EXPECT_EQ(RtfDokument("a", std::nullopt), "{\\rtf1\\ansi\\ansicpg1252\\uc1\r\n\\pard a\\par\r\n}");
}

TEST(RtfDokument, EveryTextReadsBackAsWritten) {
    const std::string Texte[] = {
        "",
        "eine Zeile",
        "Zeile 1\r\nZeile 2\r\n",
        "\r\n\r\nLeerzeilen\r\n\r\n",
        "Sonderzeichen: {}\\ ; ? äöüß ÄÖÜ € „“ ‚‘ – — … ™ ł 日本 😀 \u00A0",
        "\tTab am Anfang\tund Ende\t",
        "Steuerzeichen \x01\x1F\x7F",
        "Ziffern nach Escape: ä1 ü-2",
    };
    for (const std::string& t : Texte)
        EXPECT_EQ(RtfText(RtfDokument(t, TRtfSchrift{"Arial", 10})), t) << t;
}

TEST(RtfDokument, LoneLineFeedsAndCarriageReturnsBecomeParagraphs) {
    EXPECT_EQ(RtfText(RtfDokument("a\nb\rc", std::nullopt)), "a\r\nb\r\nc");
}

TEST(RtfDokument, FontNameCannotBreakTheFontTable) {
    const std::string Dokument = RtfDokument("x", TRtfSchrift{"Bö;se}{\\", 8});
    EXPECT_NE(Dokument.find("\\fcharset0 B\\u246?se\\}\\{\\\\;}"), std::string::npos) << Dokument;
    EXPECT_EQ(RtfText(Dokument), "x");
}

} // namespace
