#pragma once

// Braille through BRLTTY's BrlAPI: a text is shown on the display as a message for a few
// seconds, then the display goes back to the screen reader. The keys of the display are never
// taken: while the message is shown they all still reach the screen reader. BrlAPI's calls
// block, so they run on a thread of their own; the caller waits a moment for the answer and
// never longer, also when BRLTTY hangs. The connection (default settings, so BRLAPI_HOST and
// BRLAPI_AUTH apply) is opened for a message and closed when the display is given back.

#include <chrono>
#include <memory>
#include <string>

#include "speech/linux/BrailleVerbindung.h"

class TBrlapiVerbindung : public TBrailleVerbindung {
public:
    using TDauer = std::chrono::milliseconds;

    explicit TBrlapiVerbindung(TDauer AFrist = TDauer(250), TDauer AAnzeigedauer = TDauer(3000));
    ~TBrlapiVerbindung() override;
    TBrlapiVerbindung(const TBrlapiVerbindung&) = delete;
    TBrlapiVerbindung& operator=(const TBrlapiVerbindung&) = delete;

    bool Zeigen(const std::string& S) override;

    struct TZustand;

private:
    TDauer FFrist;
    // Shared with the thread, which may outlive this object when BRLTTY hangs at the end.
    std::shared_ptr<TZustand> FZustand;
};
