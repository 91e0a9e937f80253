#include "speech/linux/ScreenReaderDriverOrca.h"

#include <utility>

TScreenReaderDriverOrca::TScreenReaderDriverOrca(TOrcaProbe AOrcaLaeuft,
                                                 std::unique_ptr<TSprachVerbindung> ASprache,
                                                 std::unique_ptr<TBrailleVerbindung> ABraille)
    : TScreenReaderDriver("Orca", true, true), FOrcaLaeuft(std::move(AOrcaLaeuft)),
      FSprache(std::move(ASprache)), FBraille(std::move(ABraille)) {}

// Without Interrupt the text waits behind what Orca is saying; with it, current speech goes
// first, and when that cannot be stopped nothing is spoken over it.
bool TScreenReaderDriverOrca::Speak(const std::string& S, bool Interrupt) {
    if (Interrupt && !Silence())
        return false;
    return !S.empty() && FSprache->Sprechen(S);
}

bool TScreenReaderDriverOrca::Braille(const std::string& S) {
    return !S.empty() && FBraille->Zeigen(S);
}

bool TScreenReaderDriverOrca::Silence() {
    return FSprache->Abbrechen();
}

bool TScreenReaderDriverOrca::IsActive() {
    return FOrcaLaeuft();
}

bool TScreenReaderDriverOrca::Output(const std::string& S, bool Interrupt) {
    const bool Gesprochen = Speak(S, Interrupt);
    const bool Gezeigt = Braille(S);
    return Gesprochen || Gezeigt;
}
