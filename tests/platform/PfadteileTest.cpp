#include "platform/Pfadteile.h"

#include <gtest/gtest.h>

#include "Umgebung.h"

namespace {

// Names outside ASCII and outside code page 1252 come back as they went in: on Windows a
// narrow path would be read in the ANSI code page.
TEST(Pfadteile, NameAndFolderKeepEveryLetter) {
    const struct {
        std::string Pfad, Name, Ordner;
    } Faelle[] = {
        {"Ördner/Jänner.ovk", "Jänner.ovk", "Ördner/"},
        {"Ärzte/Встреча 日程.OVK", "Встреча 日程.OVK", "Ärzte/"},
        {"Köln.ovk", "Köln.ovk", ""},
        {"Ördner/", "", "Ördner/"},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(DateinameTeil(f.Pfad), f.Name) << f.Pfad;
        EXPECT_EQ(OrdnerTeil(f.Pfad), f.Ordner) << f.Pfad;
    }
}

TEST(Pfadteile, AFileWithLettersOutsideTheCodePageIsFound) {
    TTempOrdner Temp;
    const std::string Datei = Temp.Pfad() + "/Встреча Jänner.ovk";
    EXPECT_FALSE(IstDatei(Datei));
    DateiSchreiben(Datei, "OV_3");
    EXPECT_TRUE(IstDatei(Datei));
    EXPECT_FALSE(IstDatei(Temp.Pfad()));
    EXPECT_FALSE(IstDatei(""));
}

} // namespace
