#include "platform/windows/ShortcutAutostart.h"

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "Umgebung.h"
#include "speech/windows/Utf16.h"

namespace {

// The Startup folder in a test's own folder.
class TStartordner : public TSpezialOrdner {
public:
    explicit TStartordner(std::string AOrdner) : FOrdner(std::move(AOrdner)) {}
    std::string GetSpecialFolder(TOrdnerArt AOrdner) const override {
        return AOrdner == ofAutostart ? FOrdner : "";
    }

private:
    std::string FOrdner;
};

struct TVerknuepfung {
    std::string Ziel, Argumente, Ordner;
};

// What the shortcut file says, read back through the shell.
TVerknuepfung Lesen(const std::string& APfad) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* Verknuepfung = nullptr;
    IPersistFile* Datei = nullptr;
    wchar_t Ziel[MAX_PATH] = {}, Argumente[MAX_PATH] = {}, Ordner[MAX_PATH] = {};
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&Verknuepfung))) &&
        SUCCEEDED(Verknuepfung->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&Datei))) &&
        SUCCEEDED(Datei->Load(Utf8ZuUtf16(APfad).c_str(), STGM_READ))) {
        Verknuepfung->GetPath(Ziel, MAX_PATH, nullptr, SLGP_RAWPATH);
        Verknuepfung->GetArguments(Argumente, MAX_PATH);
        Verknuepfung->GetWorkingDirectory(Ordner, MAX_PATH);
    }
    if (Datei)
        Datei->Release();
    if (Verknuepfung)
        Verknuepfung->Release();
    CoUninitialize();
    return {Utf16ZuUtf8(Ziel), Utf16ZuUtf8(Argumente), Utf16ZuUtf8(Ordner)};
}

TEST(ShortcutAutostart, TheShortcutStartsTheProgramInItsFolderWithTheStartupSwitch) {
    TTempOrdner Temp;
    const std::string Programm = "C:\\Programme\\Örvanto\\Orvanto.exe";
    const TStartordner Ordner(Temp.Pfad() + "\\");
    TShortcutAutostart Autostart(Programm, Ordner);
    EXPECT_EQ(Autostart.Pfad(), Temp.Pfad() + "\\Orvanto.lnk");
    EXPECT_FALSE(Autostart.Vorhanden());
    ASSERT_TRUE(Autostart.Anlegen());
    EXPECT_TRUE(Autostart.Vorhanden());
    const TVerknuepfung v = Lesen(Autostart.Pfad());
    EXPECT_EQ(v.Ziel, Programm);
    EXPECT_EQ(v.Argumente, "/systemstartup");
    EXPECT_EQ(v.Ordner, "C:\\Programme\\Örvanto");
    // Made again over the old one, removed, and removing what is gone succeeds.
    EXPECT_TRUE(Autostart.Anlegen());
    EXPECT_TRUE(Autostart.Loeschen());
    EXPECT_FALSE(Autostart.Vorhanden());
    EXPECT_TRUE(Autostart.Loeschen());
}

TEST(ShortcutAutostart, WithoutAStartupFolderThereIsNoShortcut) {
    TShortcutAutostart Autostart("C:\\Programme\\Orvanto.exe", TStartordner(""));
    EXPECT_EQ(Autostart.Pfad(), "");
    EXPECT_FALSE(Autostart.Vorhanden());
    EXPECT_FALSE(Autostart.Anlegen());
    EXPECT_TRUE(Autostart.Loeschen());
}

TEST(ShortcutAutostart, AMissingStartupFolderIsMade) {
    TTempOrdner Temp;
    TShortcutAutostart Autostart("C:\\Programme\\Orvanto.exe", TStartordner(Temp.Pfad() + "\\fehlt\\"));
    EXPECT_TRUE(Autostart.Anlegen());
    EXPECT_TRUE(Autostart.Vorhanden());
}

TEST(ShortcutAutostart, AFolderThatCannotBeMadeIsReported) {
    TTempOrdner Temp;
    // A file where the Startup folder should be.
    DateiSchreiben(Temp.Pfad() + "\\Datei", "");
    TShortcutAutostart Autostart("C:\\Programme\\Orvanto.exe", TStartordner(Temp.Pfad() + "\\Datei\\"));
    EXPECT_FALSE(Autostart.Anlegen());
    EXPECT_FALSE(Autostart.Vorhanden());
}

} // namespace
