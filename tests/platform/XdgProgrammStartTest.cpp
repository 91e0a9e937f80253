#include "platform/linux/XdgProgrammStart.h"

#include "Umgebung.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {

// An opener that writes its arguments, one per line, into a file, standing in for xdg-open.
class XdgProgrammStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        DateiSchreiben(Oeffner, "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"" + Protokoll +
                                    ".tmp\"\nmv \"" + Protokoll + ".tmp\" \"" + Protokoll + "\"\n");
        std::filesystem::permissions(Oeffner, std::filesystem::perms::owner_all);
    }
    std::string ProtokollAbwarten() {
        for (int i = 0; i < 400 && !std::filesystem::exists(Protokoll); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        return DateiLesen(Protokoll);
    }

    TTempOrdner Temp;
    std::string Oeffner = Temp.Pfad() + "/oeffner";
    std::string Protokoll = Temp.Pfad() + "/aufrufe";
    TXdgProgrammStart Start{Oeffner};
};

TEST_F(XdgProgrammStartTest, RunAndWaitPassesTheExitCode) {
    struct TFall {
        std::string Programm;
        std::string Parameter;
        bool Ergebnis;
        std::int64_t ExitCode;
    };
    const std::vector<TFall> Faelle = {
        {"sh", "-c \"exit 0\"", true, 0},
        {"sh", "-c \"exit 3\"", false, 3},
        {"sh", "-c \"kill -9 $$\"", false, 128 + 9},
        {"/nicht/vorhanden", "", false, ENOENT},
    };
    for (const TFall& f : Faelle) {
        std::int64_t ExitCode = 12345;
        EXPECT_EQ(Start.RunAndWait("", ExitCode, f.Programm, 10000, true, "", f.Parameter), f.Ergebnis)
            << f.Parameter;
        EXPECT_EQ(ExitCode, f.ExitCode) << f.Parameter;
    }
}

TEST_F(XdgProgrammStartTest, RunAndWaitRunsInTheFolderAndGivesUpAtTheTimeout) {
    std::int64_t ExitCode = 0;
    EXPECT_TRUE(Start.RunAndWait("", ExitCode, "sh", -1, false, Temp.Pfad(), "-c \"pwd > hier\""));
    EXPECT_EQ(DateiLesen(Temp.Pfad() + "/hier"), std::filesystem::canonical(Temp.Pfad()).string() + "\n");
    EXPECT_FALSE(Start.RunAndWait("", ExitCode, "sleep", 50, false, "", "10"));
    EXPECT_EQ(ExitCode, -1);
}

TEST_F(XdgProgrammStartTest, RunAndWaitWithoutProgramOpensTheFile) {
    const std::string Text = Temp.Pfad() + "/Kurztasten.txt";
    DateiSchreiben(Text, "x");
    std::int64_t ExitCode = 1;
    EXPECT_TRUE(Start.RunAndWait(Text, ExitCode, "", -1, false, "", ""));
    EXPECT_EQ(ExitCode, 0);
    EXPECT_EQ(DateiLesen(Protokoll), Text + "\n");
}

TEST_F(XdgProgrammStartTest, ShellRunOpensLinksAndRunsPrograms) {
    Start.ShellRun("mailto:jemand@example.org?subject=Termin", "", "open", "");
    EXPECT_EQ(ProtokollAbwarten(), "mailto:jemand@example.org?subject=Termin\n");
    std::filesystem::remove(Protokoll);
    // A program is started itself, with its parameters.
    Start.ShellRun(Oeffner, "/I:\"Mein Kalender.OVI\" zwei", "open", "");
    EXPECT_EQ(ProtokollAbwarten(), "/I:Mein Kalender.OVI\nzwei\n");
}

TEST_F(XdgProgrammStartTest, OpenTextInEditorOpensExistingFilesOnly) {
    EXPECT_FALSE(Start.OpenTextInEditor(Temp.Pfad() + "/fehlt.txt", false));
    EXPECT_FALSE(std::filesystem::exists(Protokoll));
    const std::string Hilfe = Temp.Pfad() + "/Orvanto-Hilfe.txt";
    DateiSchreiben(Hilfe, "Hilfe");
    EXPECT_TRUE(Start.OpenTextInEditor(Hilfe, true));
    EXPECT_EQ(DateiLesen(Protokoll), Hilfe + "\n");
    std::filesystem::remove(Protokoll);
    EXPECT_TRUE(Start.OpenTextInEditor(Hilfe, false));
    EXPECT_EQ(ProtokollAbwarten(), Hilfe + "\n");
}

TEST(XdgProgrammStartParameterTest, SplitsAtBlanksOutsideQuotes) {
    using V = std::vector<std::string>;
    EXPECT_EQ(TXdgProgrammStart::ParameterTeilen(""), V{});
    EXPECT_EQ(TXdgProgrammStart::ParameterTeilen("  a  b\tc "), (V{"a", "b", "c"}));
    EXPECT_EQ(TXdgProgrammStart::ParameterTeilen("\"a b\" c\"d e\" \"\""), (V{"a b", "cd e", ""}));
}

} // namespace
