#pragma once

// The program's one way to speak and braille a text: it owns a driver for every supported
// screen reader, asks before every call which of them runs (nothing is cached, so a screen
// reader started or closed meanwhile is noticed at once) and forwards the call to that one.
// Without a running screen reader every call does nothing and returns false.

#include <memory>
#include <string>

#include "speech/ScreenReaderPlattform.h"

class TTolkSRD {
public:
    explicit TTolkSRD(std::unique_ptr<TScreenReaderPlattform> APlattform);
    ~TTolkSRD();
    TTolkSRD(const TTolkSRD&) = delete;
    TTolkSRD& operator=(const TTolkSRD&) = delete;

    // Creates the drivers; nothing happens when they exist. When a driver cannot be created the
    // partial load is undone and the error propagates.
    void Load();
    // Frees the drivers; nothing happens when none exist.
    void Unload();
    bool IsLoaded() const { return FIsLoaded; }

    // The name of the running screen reader, or "" when none runs; chooses CurrentSRD.
    std::string DetectScreenReader();
    bool HasSpeech();
    bool HasBraille();
    bool Output(const std::string& S, bool Interrupt);
    bool Speak(const std::string& S, bool Interrupt);
    bool Braille(const std::string& S);
    bool IsSpeaking();
    bool Silence();
    bool Stop() { return Silence(); }

private:
    void TreiberFreigeben();
    void PlattformFreigeben();

    std::unique_ptr<TScreenReaderPlattform> FPlattform;
    bool FIsLoaded = false;
    // The platform's per-thread preparation (COM on Windows) succeeded and must be balanced.
    bool FComInitialized = false;
    TScreenReaderDriverListe List;
    // Refers to one driver of List; never owns it.
    TScreenReaderDriver* CurrentSRD = nullptr;
};
