#include "platform/linux/DesktopAutostart.h"

#include "Umgebung.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class TFesterOrdner : public TSpezialOrdner {
public:
    explicit TFesterOrdner(std::string APfad) : FPfad(std::move(APfad)) {}
    std::string GetSpecialFolder(TOrdnerArt AOrdner) const override {
        return AOrdner == ofAutostart ? FPfad : "";
    }

private:
    std::string FPfad;
};

TEST(DesktopAutostartTest, WritesTheEntryAtomicallyAndDeletesIt) {
    TTempOrdner Temp;
    const std::string Ordner = Temp.Pfad() + "/autostart/";
    TDesktopAutostart Autostart("/opt/orvanto/bin/orvanto", TFesterOrdner(Ordner));
    EXPECT_EQ(Autostart.Pfad(), Ordner + "orvanto.desktop");
    EXPECT_FALSE(Autostart.Vorhanden());
    ASSERT_TRUE(Autostart.Anlegen());
    EXPECT_TRUE(Autostart.Vorhanden());
    EXPECT_EQ(DateiLesen(Autostart.Pfad()), "[Desktop Entry]\nType=Application\nName=orvanto\n"
                                            "Exec=/opt/orvanto/bin/orvanto /systemstartup\n"
                                            "Path=/opt/orvanto/bin\n");
    // Writing again replaces the entry; no temporary file stays behind.
    ASSERT_TRUE(Autostart.Anlegen());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Ordner), {}), 1);
    EXPECT_TRUE(Autostart.Loeschen());
    EXPECT_FALSE(Autostart.Vorhanden());
    EXPECT_TRUE(Autostart.Loeschen());
}

TEST(DesktopAutostartTest, ProgramPathIsQuotedAndEscapedInExec) {
    struct TFall {
        std::string Programm;
        std::string Exec;
        std::string Path;
    };
    const std::vector<TFall> Faelle = {
        {"/home/jürgen/Mein Kalender/orvanto", "\"/home/jürgen/Mein Kalender/orvanto\"",
         "/home/jürgen/Mein Kalender"},
        {"/opt/100%/orvanto", "/opt/100%%/orvanto", "/opt/100%"},
        {"/opt/a$b\"c/orvanto", "\"/opt/a\\\\$b\\\\\"c/orvanto\"", "/opt/a$b\"c"},
        {"/opt/a\\b/orvanto", "\"/opt/a\\\\\\\\b/orvanto\"", "/opt/a\\\\b"},
    };
    for (const TFall& f : Faelle) {
        const std::string Eintrag = TDesktopAutostart::Eintrag(f.Programm);
        EXPECT_NE(Eintrag.find("\nExec=" + f.Exec + " /systemstartup\n"), std::string::npos) << Eintrag;
        EXPECT_NE(Eintrag.find("\nPath=" + f.Path + "\n"), std::string::npos) << Eintrag;
    }
}

TEST(DesktopAutostartTest, WithoutAutostartFolderOrWithALineBreakNothingIsWritten) {
    TDesktopAutostart OhneOrdner("/opt/orvanto/orvanto", TFesterOrdner(""));
    EXPECT_EQ(OhneOrdner.Pfad(), "");
    EXPECT_FALSE(OhneOrdner.Anlegen());
    TTempOrdner Temp;
    TDesktopAutostart Zeilenumbruch("/opt/orv\nanto/orvanto", TFesterOrdner(Temp.Pfad() + "/"));
    EXPECT_FALSE(Zeilenumbruch.Anlegen());
    EXPECT_FALSE(Zeilenumbruch.Vorhanden());
}

TEST(DesktopAutostartTest, FolderThatCannotBeCreatedFailsCleanly) {
    TTempOrdner Temp;
    DateiSchreiben(Temp.Pfad() + "/datei", "x");
    TDesktopAutostart Autostart("/opt/orvanto/orvanto", TFesterOrdner(Temp.Pfad() + "/datei/autostart/"));
    EXPECT_FALSE(Autostart.Anlegen());
}

} // namespace
