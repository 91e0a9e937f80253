#include "platform/windows/WindowsProgrammStart.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#include "Umgebung.h"
#include "speech/windows/Utf16.h"

namespace {

TEST(WindowsProgrammStart, OnlyNamesWithBlanksAreQuoted) {
    EXPECT_EQ(TWindowsProgrammStart::Befehlszeile("C:\\Programme\\x.exe", "a.txt", "/p"),
              "C:\\Programme\\x.exe a.txt /p");
    EXPECT_EQ(TWindowsProgrammStart::Befehlszeile("C:\\Program Files\\x.exe", "Mein Text.txt", "-a \"b c\""),
              "\"C:\\Program Files\\x.exe\" \"Mein Text.txt\" -a \"b c\"");
    EXPECT_EQ(TWindowsProgrammStart::Befehlszeile("x.exe", "", ""), "x.exe  ");
}

TEST(WindowsProgrammStart, RunAndWaitPassesTheExitCodeBack) {
    TWindowsProgrammStart Start;
    const struct {
        const char* Programm;
        const char* Parameter;
        bool Erfolg;
        std::int64_t ExitCode;
    } Faelle[] = {
        {"cmd.exe", "/c exit 0", true, 0},
        {"cmd.exe", "/c exit 3", false, 3},
        // The system's error code when the program cannot start.
        {"orvanto-fehlt.exe", "", false, ERROR_FILE_NOT_FOUND},
    };
    for (const auto& f : Faelle) {
        std::int64_t ExitCode = -5;
        EXPECT_EQ(Start.RunAndWait("", ExitCode, f.Programm, 10000, true, "", f.Parameter), f.Erfolg)
            << f.Parameter;
        EXPECT_EQ(ExitCode, f.ExitCode) << f.Parameter;
    }
}

TEST(WindowsProgrammStart, AFileWithoutAProgramGivesTheShellsError) {
    TTempOrdner Temp;
    const std::string Datei = Temp.Pfad() + "\\Jänner.orvantounbekannt";
    DateiSchreiben(Datei, "x");
    TWindowsProgrammStart Start;
    std::int64_t ExitCode = 0;
    EXPECT_FALSE(Start.RunAndWait(Datei, ExitCode, "", -1, true, "", ""));
    EXPECT_GT(ExitCode, 0);
    EXPECT_LT(ExitCode, 32);
}

// Fake editors in a temporary folder: which one the text viewer rule picks.
class Textbetrachter : public ::testing::Test {
protected:
    TTempOrdner Temp;
    std::string Ordner(const std::string& AName) const { return Temp.Pfad() + "\\" + AName; }
    std::string Editor(const std::string& APfad) const {
        DateiSchreiben(Temp.Pfad() + "\\" + APfad, "MZ");
        return Temp.Pfad() + "\\" + APfad;
    }
};

TEST_F(Textbetrachter, NotepadComesFromTheSystemFolderElseFromThePath) {
    const std::string Pfad = Ordner("leer") + ";" + Ordner("bin");
    EXPECT_EQ(TWindowsProgrammStart::Notepad(Ordner("Windows"), Pfad), "");
    const std::string ImPfad = Editor("bin\\notepad.exe");
    EXPECT_EQ(TWindowsProgrammStart::Notepad(Ordner("Windows"), Pfad), ImPfad);
    EXPECT_EQ(TWindowsProgrammStart::Notepad("", Pfad), ImPfad);
    const std::string ImSystem = Editor("Windows\\System32\\notepad.exe");
    EXPECT_EQ(TWindowsProgrammStart::Notepad(Ordner("Windows"), Pfad), ImSystem);
}

TEST_F(Textbetrachter, WordPadComesFromProgramFilesThenThePathThenTheAccessories) {
    const std::string Pfad = Ordner("bin");
    const std::string Registry = Ordner("Programme");
    EXPECT_EQ(TWindowsProgrammStart::WordPad(Ordner("pf"), Pfad, Registry), "");
    const std::string Zubehoer = Editor("Programme\\Zubehör\\WordPad.exe");
    EXPECT_EQ(TWindowsProgrammStart::WordPad(Ordner("pf"), Pfad, Registry), Zubehoer);
    const std::string Accessories = Editor("Programme\\Windows Nt\\Accessories\\WordPad.exe");
    EXPECT_EQ(TWindowsProgrammStart::WordPad(Ordner("pf"), Pfad, Registry), Accessories);
    const std::string Deutsch = Editor("Programme\\Windows Nt\\Zubehör\\WordPad.exe");
    EXPECT_EQ(TWindowsProgrammStart::WordPad(Ordner("pf"), Pfad, Registry), Deutsch);
    const std::string ImPfad = Editor("bin\\WordPad.exe");
    EXPECT_EQ(TWindowsProgrammStart::WordPad(Ordner("pf"), Pfad, Registry), ImPfad);
    EXPECT_EQ(TWindowsProgrammStart::WordPad("", Pfad, ""), ImPfad);
    const std::string Eigener = Editor("pf\\Windows NT\\Accessories\\wordpad.exe");
    EXPECT_EQ(TWindowsProgrammStart::WordPad(Ordner("pf"), Pfad, Registry), Eigener);
}

// A window titled like Notepad showing the file, closed by its own thread after a while.
class TEditorAttrappe {
public:
    explicit TEditorAttrappe(const std::string& ATitel) : FThread([this, ATitel] { Laufen(ATitel); }) {
        while (!FBereit)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~TEditorAttrappe() { FThread.join(); }
    TEditorAttrappe(const TEditorAttrappe&) = delete;
    TEditorAttrappe& operator=(const TEditorAttrappe&) = delete;

private:
    void Laufen(const std::string& ATitel) {
        const HWND Fenster = CreateWindowW(L"STATIC", Utf8ZuUtf16(ATitel).c_str(), WS_OVERLAPPEDWINDOW, 0, 0,
                                           100, 100, nullptr, nullptr, nullptr, nullptr);
        FBereit = true;
        // Like a real editor it answers the messages sent to it meanwhile.
        const auto Ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
        while (std::chrono::steady_clock::now() < Ende) {
            MSG Nachricht;
            while (PeekMessageW(&Nachricht, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&Nachricht);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        DestroyWindow(Fenster);
    }

    std::atomic<bool> FBereit{false};
    std::thread FThread;
};

TEST(OpenTextInEditor, AnEditorThatShowsTheFileIsUsedAndWaitedFor) {
    TTempOrdner Temp;
    const std::string Datei = Temp.Pfad() + "\\Встреча Jänner.txt";
    DateiSchreiben(Datei, "Hilfe\r\n");
    TWindowsProgrammStart Start;
    // Unsaved changes in Notepad: the title starts with "*".
    TEditorAttrappe Attrappe("*Встреча Jänner.txt - Editor");
    ASSERT_NE(FindWindowW(nullptr, L"*Встреча Jänner.txt - Editor"), nullptr)
        << "no window without a display";
    const auto Anfang = std::chrono::steady_clock::now();
    EXPECT_TRUE(Start.OpenTextInEditor(Datei, true));
    EXPECT_GE(std::chrono::steady_clock::now() - Anfang, std::chrono::milliseconds(200));
    EXPECT_EQ(FindWindowW(nullptr, L"*Встреча Jänner.txt - Editor"), nullptr);
}

TEST(OpenTextInEditor, AMissingFileIsNotShown) {
    TTempOrdner Temp;
    TWindowsProgrammStart Start;
    EXPECT_FALSE(Start.OpenTextInEditor(Temp.Pfad() + "\\fehlt.txt", false));
    EXPECT_FALSE(Start.OpenTextInEditor(Temp.Pfad() + "\\fehlt.txt", true));
}

} // namespace
