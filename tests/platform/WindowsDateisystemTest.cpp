// The calendar's file operations on Windows, run under wine.

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

#include "Umgebung.h"
#include "files/DateiSicherErsetzen.h"
#include "model/Fehler.h"
#include "platform/SystemDateisystem.h"
#include "speech/windows/Utf16.h"

namespace {

namespace fs = std::filesystem;

// A temporary folder with the target file "Jänner.ovk" in it; names go to Windows as UTF-16.
class WindowsDateisystem : public ::testing::Test {
protected:
    TTempOrdner Temp;
    TDateisystem& System = SystemDateisystem();
    const std::string Ziel = Temp.Pfad() + "\\Jänner.ovk";

    std::vector<std::string> Namen() const {
        std::vector<std::string> n;
        for (const auto& e : fs::directory_iterator(fs::u8path(Temp.Pfad())))
            n.push_back(reinterpret_cast<const char*>(e.path().filename().u8string().c_str()));
        std::sort(n.begin(), n.end());
        return n;
    }
    // Opens the file as another program would, with the given sharing.
    HANDLE Oeffnen(const std::string& APfad, DWORD AZugriff, DWORD ATeilen) const {
        return CreateFileW(Utf8ZuUtf16(APfad).c_str(), AZugriff, ATeilen, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }
};

TEST_F(WindowsDateisystem, ASaveReplacesTheFileAndLeavesNothingBesideIt) {
    DateiSicherErsetzen(Ziel, "alt", System);
    DateiSicherErsetzen(Ziel, std::string("neu\r\n\0x", 7), System);
    EXPECT_EQ(System.LiesDatei(Ziel), std::string("neu\r\n\0x", 7));
    EXPECT_TRUE(System.Existiert(Ziel));
    EXPECT_EQ(Namen(), std::vector<std::string>{"Jänner.ovk"});
    EXPECT_EQ(System.Ordnerinhalt(Temp.Pfad()), std::vector<std::string>{"Jänner.ovk"});
}

TEST_F(WindowsDateisystem, AFileAnotherProgramWritesIsNeitherReadNorReplaced) {
    DateiSicherErsetzen(Ziel, "alt", System);
    const HANDLE Schreiber = Oeffnen(Ziel, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(Schreiber, INVALID_HANDLE_VALUE);
    EXPECT_THROW(System.LiesDatei(Ziel), EBetriebssystemFehler);
    EXPECT_THROW(DateiSicherErsetzen(Ziel, "neu", System), EBetriebssystemFehler);
    CloseHandle(Schreiber);
    EXPECT_EQ(System.LiesDatei(Ziel), "alt");
    // The temporary file is gone at once; the old file's second name at the latest with the
    // next save.
    DateiSicherErsetzen(Ziel, "neu", System);
    EXPECT_EQ(Namen(), std::vector<std::string>{"Jänner.ovk"});
}

TEST_F(WindowsDateisystem, WhatASaveMayNotReplaceIsRefusedBeforeAnythingIsWritten) {
    fs::create_directory(fs::u8path(Temp.Pfad() + "\\Ordner.ovk"));
    EXPECT_THROW(DateiSicherErsetzen(Temp.Pfad() + "\\Ordner.ovk", "x", System), EBetriebssystemFehler);

    DateiSicherErsetzen(Ziel, "alt", System);
    ASSERT_TRUE(SetFileAttributesW(Utf8ZuUtf16(Ziel).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_THROW(DateiSicherErsetzen(Ziel, "neu", System), EBetriebssystemFehler);
    EXPECT_EQ(System.LiesDatei(Ziel), "alt");
    EXPECT_EQ(Namen(), (std::vector<std::string>{"Jänner.ovk", "Ordner.ovk"}));
    SetFileAttributesW(Utf8ZuUtf16(Ziel).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WindowsDateisystem, ANewFileIsCreatedOnlyWhenThereIsNone) {
    const int Handle = System.ErzeugeNeu(Ziel);
    System.Schreibe(Handle, "abc", 3);
    System.Sichere(Handle);
    System.Schliesse(Handle);
    try {
        System.ErzeugeNeu(Ziel);
        ADD_FAILURE() << "an existing file was opened as new";
    } catch (const EBetriebssystemFehler& e) {
        // The system's own message, without the line break Windows ends it with.
        const std::string Text = e.what();
        EXPECT_FALSE(Text.empty());
        EXPECT_NE(Text.back(), '\n');
    }
    EXPECT_EQ(System.LiesDatei(Ziel), "abc");
}

TEST_F(WindowsDateisystem, LeftoversOfAKilledSaveGoUnlessASaveStillHoldsThem) {
    DateiSicherErsetzen(Ziel, "alt", System);
    const std::string Guid = NeueGuid();
    const std::string Rest = Ziel + "." + NeueGuid() + ".tmp";
    const std::string Gehalten = Ziel + "." + Guid + ".alt";
    const std::string Fremd = Ziel + ".Kopie.tmp";
    for (const std::string& Datei : {Rest, Gehalten, Fremd})
        DateiSicherErsetzen(Datei, "x", System);
    // A running save holds its files open without letting them be deleted.
    const HANDLE Halter = Oeffnen(Gehalten, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(Halter, INVALID_HANDLE_VALUE);
    DateiSicherErsetzen(Ziel, "neu", System);
    CloseHandle(Halter);
    std::vector<std::string> Erwartet = {"Jänner.ovk", "Jänner.ovk." + Guid + ".alt", "Jänner.ovk.Kopie.tmp"};
    std::sort(Erwartet.begin(), Erwartet.end());
    EXPECT_EQ(Namen(), Erwartet);
    EXPECT_EQ(System.LiesDatei(Ziel), "neu");
}

TEST_F(WindowsDateisystem, FullPathsUseTheSystemsSeparators) {
    EXPECT_EQ(System.VollerPfad("C:/Kalender/./Privat.ovk"), "C:\\Kalender\\Privat.ovk");
    EXPECT_EQ(System.VollerPfad("C:\\Kalender\\Alt\\..\\Privat.ovk"), "C:\\Kalender\\Privat.ovk");
}

} // namespace
