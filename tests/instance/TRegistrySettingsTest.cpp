#include "instance/TRegistrySettings.h"

#include <gtest/gtest.h>

#include "platform/Umgebung.h"

namespace {

TEST(RegistrySettings, ArgumentsAreJoinedAndSplitAgain) {
    struct TFall {
        std::vector<std::string> Argumente;
        std::string Joined;
        std::vector<std::string> Split;
    };
    const TFall Faelle[] = {
        {{}, "", {}},
        {{"   "}, "", {}},
        {{"a.ovk"}, "a.ovk", {"a.ovk"}},
        {{" a.ovk ", "\tb.ovk"}, "a.ovk|b.ovk", {"a.ovk", "b.ovk"}},
        // An empty argument adds nothing; after one at the end a bar is left that splitting drops.
        {{"a", "", "b"}, "a|b", {"a", "b"}},
        {{"a", " "}, "a|", {"a"}},
        // A bar inside an argument separates as well.
        {{"a|b", "c"}, "a|b|c", {"a", "b", "c"}},
        {{"/I:Neu.ovi", "/systemstartup"}, "/I:Neu.ovi|/systemstartup", {"/I:Neu.ovi", "/systemstartup"}},
        {{"Mit Leer zeichen.ovk"}, "Mit Leer zeichen.ovk", {"Mit Leer zeichen.ovk"}},
        {{"Kalender/Jänner.ovk"}, "Kalender/Jänner.ovk", {"Kalender/Jänner.ovk"}},
    };
    for (const TFall& f : Faelle) {
        const std::string Joined = JoinParameters(f.Argumente);
        EXPECT_EQ(Joined, f.Joined);
        EXPECT_EQ(SplitParameters(Joined), f.Split) << Joined;
    }
    // Text another program wrote: trimmed as a whole, pieces kept as they are.
    EXPECT_EQ(SplitParameters(" |x| y |\n"), (std::vector<std::string>{"x", " y "}));
}

TEST(RegistrySettings, ASecondStartSendsItsArgumentsOrAsksForTheFront) {
    EXPECT_EQ(StartBefehl({"a.ovk", "b"}), (TRegistrySettings{"a.ovk|b", "", ""}));
    // Arguments of blanks only count as none.
    EXPECT_EQ(StartBefehl({" ", ""}), (TRegistrySettings{"", "1", ""}));
    EXPECT_EQ(StartBefehl({}), (TRegistrySettings{"", "1", ""}));
}

TEST(RegistrySettings, AnExistingFileWithABarInItsNameIsFound) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows allows no bar in file names";
#endif
    TTempOrdner Temp;
    const std::string MitStrich = Temp.Pfad() + "/Termine|2025.ovk";
    const std::string Teil = Temp.Pfad() + "/Termine";
    DateiSchreiben(MitStrich, "OV_3");
    DateiSchreiben(Teil, "OV_3");
    struct TFall {
        std::vector<std::string> Argumente;
        std::string Erwartet;
    };
    const TFall Faelle[] = {
        {{MitStrich}, MitStrich},
        {{" " + MitStrich + " "}, MitStrich},
        {{"/i:" + MitStrich}, "/i:" + MitStrich},
        {{Teil, MitStrich}, MitStrich},
        // Bars that separate, and names without bars, are fine.
        {{Teil + "|/systemstartup"}, ""},
        {{Temp.Pfad() + "/Fehlt|x.ovk"}, ""},
        {{Teil}, ""},
        {{"/I:" + Teil}, ""},
    };
    for (const TFall& f : Faelle) {
        EXPECT_EQ(DateinameMitTrenner(f.Argumente), f.Erwartet) << f.Argumente.front();
    }
}

} // namespace
