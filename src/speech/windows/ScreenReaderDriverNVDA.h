#pragma once

// NVDA, reached through its controller client library, which stays loaded for the driver's
// whole life; whether NVDA runs is asked anew every time.

#include <windows.h>

#include "speech/ScreenReaderDriver.h"

class TScreenReaderDriverNVDA : public TScreenReaderDriver {
public:
    TScreenReaderDriverNVDA(const std::string& AScreenReaderName, bool ASpeech, bool ABraille);
    ~TScreenReaderDriverNVDA() override;

    bool Speak(const std::string& S, bool Interrupt) override;
    bool Braille(const std::string& S) override;
    bool IsSpeaking() override { return false; }
    bool Silence() override;
    bool IsActive() override;
    bool Output(const std::string& S, bool Interrupt) override;

private:
    // The library's exports; 0 means success (a running NVDA for testIfRunning).
    using TnvdaController_speakText = long(__stdcall*)(const wchar_t* S);
    using TnvdaController_brailleMessage = long(__stdcall*)(const wchar_t* S);
    using TnvdaController_cancelSpeech = long(__stdcall*)();
    using TnvdaController_testIfRunning = long(__stdcall*)();

    HMODULE Controller = nullptr;
    TnvdaController_speakText nvdaController_speakText = nullptr;
    TnvdaController_brailleMessage nvdaController_brailleMessage = nullptr;
    TnvdaController_cancelSpeech nvdaController_cancelSpeech = nullptr;
    TnvdaController_testIfRunning nvdaController_testIfRunning = nullptr;
};
