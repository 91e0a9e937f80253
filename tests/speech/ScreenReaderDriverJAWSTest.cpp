// The JAWS driver against the project's stand-in for JAWS's automation object (FakeJaws.dll
// beside the test program), registered under JAWS's class id while a test runs.

#include "speech/windows/ScreenReaderDriverJAWS.h"

#include <gtest/gtest.h>

#include <optional>

#include "speech/windows/IJawsApi.h"
#include "speech/windows/Utf16.h"

namespace {

// Registered for the machine: wine's COM looks no classes up among the user's.
const std::wstring Klassenschluessel = L"CLSID\\{CCE5B1E5-B2ED-45D5-B09F-8EC54B75ABF4}";

// The folder of the test program, with its separator.
std::wstring Programmordner() {
    wchar_t Pfad[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, Pfad, MAX_PATH);
    std::wstring Ordner = Pfad;
    return Ordner.substr(0, Ordner.find_last_of(L'\\') + 1);
}

// JAWS's window as the driver looks for it. Creating a window needs a display.
class TJawsFenster {
public:
    TJawsFenster() {
        WNDCLASSW Klasse{};
        Klasse.lpfnWndProc = DefWindowProcW;
        Klasse.hInstance = GetModuleHandleW(nullptr);
        Klasse.lpszClassName = L"JFWUI2";
        RegisterClassW(&Klasse);
        FFenster =
            CreateWindowW(L"JFWUI2", L"JAWS", 0, 0, 0, 10, 10, nullptr, nullptr, Klasse.hInstance, nullptr);
    }
    ~TJawsFenster() {
        if (FFenster != nullptr)
            DestroyWindow(FFenster);
    }
    TJawsFenster(const TJawsFenster&) = delete;
    TJawsFenster& operator=(const TJawsFenster&) = delete;
    bool Da() const { return FFenster != nullptr; }

private:
    HWND FFenster;
};

class ScreenReaderDriverJAWS : public ::testing::Test {
protected:
    std::optional<TScreenReaderDriverJAWS> Treiber;

    void TearDown() override {
        Treiber.reset();
        RegDeleteTreeW(HKEY_CLASSES_ROOT, Klassenschluessel.c_str());
    }
    void Registrieren() {
        HKEY Key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, (Klassenschluessel + L"\\InprocServer32").c_str(), 0,
                                  nullptr, 0, KEY_SET_VALUE, nullptr, &Key, nullptr),
                  ERROR_SUCCESS);
        const std::wstring Datei = Programmordner() + L"FakeJaws.dll";
        const std::wstring Modell = L"Apartment";
        RegSetValueExW(Key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(Datei.c_str()),
                       static_cast<DWORD>((Datei.size() + 1) * sizeof(wchar_t)));
        RegSetValueExW(Key, L"ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>(Modell.c_str()),
                       static_cast<DWORD>((Modell.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(Key);
    }
    // The stand-in's own functions; it is loaded once the driver made JAWS's object.
    template <typename T> T Export(const char* AName) {
        const HMODULE Fake = GetModuleHandleW(L"FakeJaws.dll");
        return Fake != nullptr ? reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(Fake, AName)))
                               : nullptr;
    }
    void Antwort(bool AErfolg) {
        const auto Setzen = Export<void (*)(VARIANT_BOOL)>("FakeAntwort");
        ASSERT_NE(Setzen, nullptr) << "JAWS's object was not made from the stand-in";
        Setzen(AErfolg ? VARIANT_TRUE : VARIANT_FALSE);
    }
    std::string Protokoll() {
        const auto Lesen = Export<void (*)(wchar_t*, int)>("FakeProtokoll");
        if (Lesen == nullptr)
            return "<nicht geladen>";
        wchar_t Text[4096] = {};
        Lesen(Text, 4096);
        return Utf16ZuUtf8(Text);
    }
};

TEST_F(ScreenReaderDriverJAWS, SpeaksAndBraillesThroughTheAutomationObject) {
    Registrieren();
    Treiber.emplace("JAWS", true, true);
    ASSERT_NO_FATAL_FAILURE(Antwort(true));
    Protokoll();
    EXPECT_TRUE(Treiber->Output("Jänner: \"Heilige Drei Könige\"", true));
    // A double quote would end the braille function's string early.
    EXPECT_EQ(Protokoll(), "SayString flush Jänner: \"Heilige Drei Könige\"\n"
                           "RunFunction BrailleString(\"Jänner: 'Heilige Drei Könige'\")\n");
    EXPECT_TRUE(Treiber->Speak("weiter", false));
    EXPECT_TRUE(Treiber->Silence());
    EXPECT_FALSE(Treiber->Speak("", false));
    EXPECT_EQ(Protokoll(), "SayString weiter\nStopSpeech\n");
    // What JAWS refuses is reported as not done.
    Antwort(false);
    EXPECT_FALSE(Treiber->Output("abgelehnt", false));
    EXPECT_EQ(Protokoll(), "SayString abgelehnt\nRunFunction BrailleString(\"abgelehnt\")\n");
}

TEST_F(ScreenReaderDriverJAWS, RunsOnlyWithItsWindowAndItsObject) {
    // Neither the object nor the window: nothing is reachable.
    Treiber.emplace("JAWS", true, true);
    EXPECT_FALSE(Treiber->IsActive());
    EXPECT_FALSE(Treiber->Output("niemand", false));
    const TJawsFenster Fenster;
    if (!Fenster.Da())
        GTEST_SKIP() << "no display to create JAWS's window on";
    EXPECT_FALSE(Treiber->IsActive());
    // Once JAWS is installed and its window is there, the driver connects.
    Registrieren();
    EXPECT_TRUE(Treiber->IsActive());
    EXPECT_TRUE(Treiber->Speak("da", false));
    EXPECT_EQ(Protokoll(), "SayString da\n");
}

} // namespace
