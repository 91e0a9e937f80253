#pragma once

// One screen reader behind six operations. The facade asks each driver whether its screen
// reader runs and forwards the program's texts to the one that does.

#include <string>

class TScreenReaderDriver {
public:
    TScreenReaderDriver(const std::string& AScreenReaderName, bool ASpeech, bool ABraille)
        : FName(AScreenReaderName), FHasSpeech(ASpeech), FHasBraille(ABraille) {}
    virtual ~TScreenReaderDriver() = default;
    TScreenReaderDriver(const TScreenReaderDriver&) = delete;
    TScreenReaderDriver& operator=(const TScreenReaderDriver&) = delete;

    const std::string& Name() const { return FName; }
    bool HasSpeech() const { return FHasSpeech; }
    bool HasBraille() const { return FHasBraille; }

    // The text was accepted for speech.
    virtual bool Speak(const std::string& S, bool Interrupt) = 0;
    // The text was accepted for the braille display.
    virtual bool Braille(const std::string& S) = 0;
    virtual bool IsSpeaking() = 0;
    // Current speech was stopped.
    virtual bool Silence() = 0;
    // This screen reader is running and reachable now.
    virtual bool IsActive() = 0;
    // Speech or braille accepted the text.
    virtual bool Output(const std::string& S, bool Interrupt) = 0;

private:
    std::string FName;
    bool FHasSpeech;
    bool FHasBraille;
};
