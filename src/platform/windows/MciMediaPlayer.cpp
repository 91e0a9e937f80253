#include "platform/windows/MciMediaPlayer.h"

#include <windows.h>

#include <atomic>
#include <mmsystem.h>

#include "model/Fehler.h"
#include "speech/windows/Utf16.h"

namespace {

[[noreturn]] void MciFehler(MCIERROR AFehler) {
    wchar_t Text[256] = {};
    if (!mciGetErrorStringW(AFehler, Text, 256) || Text[0] == L'\0')
        throw EBetriebssystemFehler("MCI-Fehler " + std::to_string(AFehler));
    throw EBetriebssystemFehler(Utf16ZuUtf8(Text));
}

// MCI opens sound files through the old file functions, which read names in the ANSI code page
// and up to 128 characters; the short name of an existing file avoids both where the volume has
// short names.
std::wstring Dateiname(const std::string& AFileName) {
    const std::wstring Lang = Utf8ZuUtf16(AFileName);
    const DWORD n = GetShortPathNameW(Lang.c_str(), nullptr, 0);
    if (n == 0)
        return Lang;
    std::wstring Kurz(n, L'\0');
    const DWORD m = GetShortPathNameW(Lang.c_str(), Kurz.data(), n);
    if (m == 0 || m >= n)
        return Lang;
    Kurz.resize(m);
    return Kurz;
}

std::wstring NeuerAlias() {
    static std::atomic<unsigned> Zaehler{0};
    return L"orvanto_klang" + std::to_wstring(++Zaehler);
}

} // namespace

TMciMediaPlayer::TMciMediaPlayer() : FAlias(NeuerAlias()) {}

TMciMediaPlayer::~TMciMediaPlayer() {
    Close();
}

void TMciMediaPlayer::Befehl(const std::wstring& AVerb, const std::wstring& ARest) {
    const std::wstring Text = AVerb + L" " + FAlias + ARest;
    if (const MCIERROR Fehler = mciSendStringW(Text.c_str(), nullptr, 0, nullptr); Fehler != 0)
        MciFehler(Fehler);
}

void TMciMediaPlayer::Open(const std::string& AFileName) {
    Close();
    const std::wstring Text = L"open \"" + Dateiname(AFileName) + L"\" alias " + FAlias;
    if (const MCIERROR Fehler = mciSendStringW(Text.c_str(), nullptr, 0, nullptr); Fehler != 0)
        MciFehler(Fehler);
    FOffen = true;
}

// Without "wait" the command returns as soon as playing has started.
void TMciMediaPlayer::Play() {
    Befehl(L"play");
}

bool TMciMediaPlayer::IsPlaying() {
    if (!FOffen)
        return false;
    wchar_t Modus[64] = {};
    const std::wstring Text = L"status " + FAlias + L" mode";
    return mciSendStringW(Text.c_str(), Modus, 64, nullptr) == 0 && std::wstring(Modus) == L"playing";
}

void TMciMediaPlayer::Stop() {
    Befehl(L"stop");
}

void TMciMediaPlayer::Rewind() {
    Befehl(L"seek", L" to start");
}

void TMciMediaPlayer::Close() {
    if (!FOffen)
        return;
    mciSendStringW((L"close " + FAlias).c_str(), nullptr, 0, nullptr);
    FOffen = false;
}

std::unique_ptr<TMediaPlayer> SystemMediaPlayer() {
    return std::make_unique<TMciMediaPlayer>();
}
