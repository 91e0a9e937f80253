// The system's event sounds and the standard beep on Windows.

#include <windows.h>

#include <mmsystem.h>

#include "platform/SystemKlang.h"
#include "speech/windows/Utf16.h"

namespace {

class TWindowsKlang : public TSystemKlang {
public:
    // Without waiting, and silent when the alias has no sound (no default sound instead).
    bool PlaySystemSound(const std::string& AAlias) override {
        return PlaySoundW(Utf8ZuUtf16(AAlias).c_str(), nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT) !=
               FALSE;
    }
    bool SignalBeep() override {
        MessageBeep(MB_OK);
        return true;
    }
};

} // namespace

std::unique_ptr<TSystemKlang> SystemKlang() {
    return std::make_unique<TWindowsKlang>();
}
