#pragma once

// JAWS, reached through its COM automation object. The driver holds the object only while JAWS
// runs: it lets go as soon as the JAWS window is gone and connects again once it is back.

#include "speech/ScreenReaderDriver.h"

struct IJawsApi;

class TScreenReaderDriverJAWS : public TScreenReaderDriver {
public:
    TScreenReaderDriverJAWS(const std::string& AScreenReaderName, bool ASpeech, bool ABraille);
    ~TScreenReaderDriverJAWS() override;

    bool Speak(const std::string& S, bool Interrupt) override;
    bool Braille(const std::string& S) override;
    bool IsSpeaking() override { return false; }
    bool Silence() override;
    bool IsActive() override;
    bool Output(const std::string& S, bool Interrupt) override;

private:
    void Connect();
    void Disconnect();

    IJawsApi* Controller = nullptr;
    // This driver's own COM initialisation succeeded and must be balanced.
    bool FComInitialized = false;
};
