#include "platform/windows/ShortcutAutostart.h"
#include "platform/windows/WindowsSystem.h"

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

// The machine-wide Run key, read and written here through the registry itself.
constexpr const wchar_t* RunSchluessel = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

void RunWertSchreiben(const std::wstring& AName, const std::wstring& AWert) {
    HKEY Schluessel;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, RunSchluessel, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_SET_VALUE, nullptr, &Schluessel, nullptr),
              ERROR_SUCCESS);
    const LONG Ergebnis =
        RegSetValueExW(Schluessel, AName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(AWert.c_str()),
                       static_cast<DWORD>((AWert.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(Schluessel);
    ASSERT_EQ(Ergebnis, ERROR_SUCCESS);
}

bool RunWertDa(const std::wstring& AName) {
    return RegGetValueW(HKEY_LOCAL_MACHINE, RunSchluessel, AName.c_str(), RRF_RT_ANY, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

void RunWertLoeschen(const std::wstring& AName) {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, RunSchluessel, AName.c_str());
}

// Each case has a program name of its own: the cases run side by side on one registry.
struct TAlterWertFall {
    const char* Titel;
    const wchar_t* Programm; // its file's name without extension
    const wchar_t* Wertname; // the value under the Run key before the start; none when empty
    bool OrdnerGeht;         // whether the Startup folder can be made
    bool Verknuepfung;       // afterwards: the shortcut is there
    bool WertBleibt;         // afterwards: the value is still there
};

class AlterAutostart : public testing::TestWithParam<TAlterWertFall> {
protected:
    void TearDown() override {
        if (*GetParam().Wertname)
            RunWertLoeschen(GetParam().Wertname);
    }
};

TEST_P(AlterAutostart, TheOldRunValueBecomesTheShortcut) {
    const TAlterWertFall& Fall = GetParam();
    TTempOrdner Temp;
    const std::string Ordner = Temp.Pfad() + "\\Startup\\";
    if (!Fall.OrdnerGeht) {
        DateiSchreiben(Temp.Pfad() + "\\Startup", "");
    }
    const std::string Programm = "C:\\Programme\\Örvanto\\" + Utf16ZuUtf8(Fall.Programm) + ".exe";
    if (*Fall.Wertname) {
        RunWertSchreiben(Fall.Wertname, L"\"" + Utf8ZuUtf16(Programm) + L"\" /systemstartup");
    }
    TShortcutAutostart Autostart(Programm, TStartordner(Ordner));

    AltenAutostartErsetzen(Programm, Autostart);

    EXPECT_EQ(Autostart.Vorhanden(), Fall.Verknuepfung);
    if (Fall.Verknuepfung) {
        EXPECT_EQ(Lesen(Autostart.Pfad()).Argumente, "/systemstartup");
    }
    if (*Fall.Wertname) {
        EXPECT_EQ(RunWertDa(Fall.Wertname), Fall.WertBleibt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Start, AlterAutostart,
    testing::Values(
        TAlterWertFall{"ValueOfTheProgram", L"OrvantoAltA", L"OrvantoAltA", true, true, false},
        TAlterWertFall{"NoValue", L"OrvantoAltC", L"", true, false, false},
        TAlterWertFall{"ValueOfAnotherProgram", L"OrvantoAltD", L"OrvantoAltDX", true, false, true},
        // Without the shortcut the old value keeps starting the program.
        TAlterWertFall{"ShortcutCannotBeMade", L"OrvantoAltE", L"OrvantoAltE", false, false, true}),
    [](const testing::TestParamInfo<TAlterWertFall>& AInfo) { return std::string(AInfo.param.Titel); });

} // namespace
