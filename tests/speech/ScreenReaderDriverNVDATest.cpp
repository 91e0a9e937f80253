// The NVDA driver against the project's stand-in for NVDA's controller library, which lies beside
// the test program and is found first, as NVDA's own would be beside the program.

#include "speech/windows/ScreenReaderDriverNVDA.h"

#include <gtest/gtest.h>

#include <memory>

#include "speech/windows/Utf16.h"

namespace {

// NVDA's main window as the driver looks for it. Creating a window needs a display.
class TNvdaFenster {
public:
    TNvdaFenster() {
        WNDCLASSW Klasse{};
        Klasse.lpfnWndProc = DefWindowProcW;
        Klasse.hInstance = GetModuleHandleW(nullptr);
        Klasse.lpszClassName = L"wxWindowClassNR";
        RegisterClassW(&Klasse);
        FFenster = CreateWindowW(L"wxWindowClassNR", L"NVDA", 0, 0, 0, 10, 10, nullptr, nullptr,
                                 Klasse.hInstance, nullptr);
    }
    ~TNvdaFenster() {
        if (FFenster != nullptr)
            DestroyWindow(FFenster);
    }
    TNvdaFenster(const TNvdaFenster&) = delete;
    TNvdaFenster& operator=(const TNvdaFenster&) = delete;
    bool Da() const { return FFenster != nullptr; }

private:
    HWND FFenster;
};

class ScreenReaderDriverNVDA : public ::testing::Test {
protected:
    TScreenReaderDriverNVDA Treiber{"NVDA", true, true};
    HMODULE Fake = GetModuleHandleW(L"nvdaControllerClient64.dll");

    void SetUp() override {
        ASSERT_NE(Fake, nullptr) << "the driver did not load the library beside the program";
        Antworten(0, 0);
        Protokoll();
    }
    void Antworten(long ALaeuft, long AAbbrechen) {
        reinterpret_cast<void (*)(long, long)>(
            reinterpret_cast<void*>(GetProcAddress(Fake, "FakeAntworten")))(ALaeuft, AAbbrechen);
    }
    std::string Protokoll() {
        wchar_t Text[4096] = {};
        reinterpret_cast<void (*)(wchar_t*, int)>(
            reinterpret_cast<void*>(GetProcAddress(Fake, "FakeProtokoll")))(Text, 4096);
        return Utf16ZuUtf8(Text);
    }
};

TEST_F(ScreenReaderDriverNVDA, SendsTextsAndInterruptsAsTheCallSays) {
    EXPECT_TRUE(Treiber.Output("Mo 06.01.2025: Jänner, „Heilige Drei Könige“", true));
    EXPECT_EQ(Protokoll(), "cancelSpeech\n"
                           "speakText Mo 06.01.2025: Jänner, „Heilige Drei Könige“\n"
                           "brailleMessage Mo 06.01.2025: Jänner, „Heilige Drei Könige“\n");
    EXPECT_TRUE(Treiber.Speak("weiter", false));
    EXPECT_TRUE(Treiber.Braille("nur Braille"));
    EXPECT_TRUE(Treiber.Silence());
    EXPECT_EQ(Protokoll(), "speakText weiter\nbrailleMessage nur Braille\ncancelSpeech\n");
    // Empty texts are not sent.
    EXPECT_FALSE(Treiber.Speak("", false));
    EXPECT_FALSE(Treiber.Braille(""));
    EXPECT_EQ(Protokoll(), "");
}

TEST_F(ScreenReaderDriverNVDA, SpeechThatCannotBeCancelledIsNotSpokenOver) {
    Antworten(0, 1);
    EXPECT_FALSE(Treiber.Speak("neu", true));
    EXPECT_EQ(Protokoll(), "cancelSpeech\n");
    // Braille still shows the text.
    EXPECT_TRUE(Treiber.Output("neu", true));
    EXPECT_EQ(Protokoll(), "cancelSpeech\nbrailleMessage neu\n");
}

TEST_F(ScreenReaderDriverNVDA, RunsOnlyWithItsWindowAndWhenTheLibrarySaysSo) {
    // Without NVDA's window the library is not even asked.
    EXPECT_FALSE(Treiber.IsActive());
    EXPECT_EQ(Protokoll(), "");
    const TNvdaFenster Fenster;
    if (!Fenster.Da())
        GTEST_SKIP() << "no display to create NVDA's window on";
    EXPECT_TRUE(Treiber.IsActive());
    Antworten(1, 0);
    EXPECT_FALSE(Treiber.IsActive());
    EXPECT_EQ(Protokoll(), "testIfRunning\ntestIfRunning\n");
}

} // namespace
