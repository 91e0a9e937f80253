#include "speech/TolkSRD.h"

#include <utility>

TTolkSRD::TTolkSRD(std::unique_ptr<TScreenReaderPlattform> APlattform) : FPlattform(std::move(APlattform)) {}

TTolkSRD::~TTolkSRD() {
    Unload();
}

void TTolkSRD::Load() {
    if (FIsLoaded)
        return;
    FComInitialized = FPlattform->Vorbereiten();
    try {
        List = FPlattform->TreiberErzeugen();
    } catch (...) {
        TreiberFreigeben();
        PlattformFreigeben();
        throw;
    }
    CurrentSRD = nullptr;
    FIsLoaded = true;
}

void TTolkSRD::Unload() {
    if (FIsLoaded) {
        FIsLoaded = false;
        CurrentSRD = nullptr;
        TreiberFreigeben();
    }
    PlattformFreigeben();
}

// Frees the drivers in the order they are asked; each slot is emptied before its driver goes.
void TTolkSRD::TreiberFreigeben() {
    for (auto& Slot : List) {
        std::unique_ptr<TScreenReaderDriver> Treiber = std::move(Slot);
        Treiber.reset();
    }
    List.clear();
}

void TTolkSRD::PlattformFreigeben() {
    if (FComInitialized) {
        FComInitialized = false;
        FPlattform->Freigeben();
    }
}

std::string TTolkSRD::DetectScreenReader() {
    if (!FIsLoaded)
        return "";
    try {
        CurrentSRD = nullptr;
        for (const auto& Treiber : List) {
            if (Treiber && Treiber->IsActive()) {
                CurrentSRD = Treiber.get();
                break;
            }
        }
        // A second question: the screen reader may have gone between the two.
        if (CurrentSRD && CurrentSRD->IsActive())
            return CurrentSRD->Name();
    } catch (...) {
        // A failing driver counts as no screen reader; speech is never essential.
    }
    CurrentSRD = nullptr;
    return "";
}

bool TTolkSRD::HasSpeech() {
    return !DetectScreenReader().empty() && CurrentSRD->HasSpeech();
}

bool TTolkSRD::HasBraille() {
    return !DetectScreenReader().empty() && CurrentSRD->HasBraille();
}

bool TTolkSRD::Output(const std::string& S, bool Interrupt) {
    if (S.empty() || DetectScreenReader().empty())
        return false;
    return CurrentSRD->Output(S, Interrupt);
}

bool TTolkSRD::Speak(const std::string& S, bool Interrupt) {
    if (S.empty() || DetectScreenReader().empty())
        return false;
    return CurrentSRD->Speak(S, Interrupt);
}

bool TTolkSRD::Braille(const std::string& S) {
    if (S.empty() || DetectScreenReader().empty())
        return false;
    return CurrentSRD->Braille(S);
}

bool TTolkSRD::IsSpeaking() {
    return !DetectScreenReader().empty() && CurrentSRD->IsSpeaking();
}

bool TTolkSRD::Silence() {
    return !DetectScreenReader().empty() && CurrentSRD->Silence();
}
