#pragma once

// Orca, the screen reader of the Linux desktops. The driver is active while Orca runs, speaks
// through the speech server Orca uses and brailles on the display Orca uses. Each piece is
// handed in, so that tests decide whether Orca runs and where speech and braille go.

#include <functional>
#include <memory>

#include "speech/ScreenReaderDriver.h"
#include "speech/linux/BrailleVerbindung.h"
#include "speech/linux/SprachVerbindung.h"

class TScreenReaderDriverOrca : public TScreenReaderDriver {
public:
    using TOrcaProbe = std::function<bool()>;

    TScreenReaderDriverOrca(TOrcaProbe AOrcaLaeuft, std::unique_ptr<TSprachVerbindung> ASprache,
                            std::unique_ptr<TBrailleVerbindung> ABraille);

    bool Speak(const std::string& S, bool Interrupt) override;
    bool Braille(const std::string& S) override;
    bool IsSpeaking() override { return false; }
    bool Silence() override;
    bool IsActive() override;
    bool Output(const std::string& S, bool Interrupt) override;

private:
    TOrcaProbe FOrcaLaeuft;
    std::unique_ptr<TSprachVerbindung> FSprache;
    std::unique_ptr<TBrailleVerbindung> FBraille;
};
