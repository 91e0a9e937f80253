#pragma once

// Sound files through the Windows multimedia command strings (MCI): each player opens its file
// under an alias of its own, so that the entry editor and the information window each play
// without disturbing the other. The device is chosen by the file's extension (WAV, MP3).

#include <string>

#include "platform/MediaPlayer.h"

class TMciMediaPlayer : public TMediaPlayer {
public:
    TMciMediaPlayer();
    ~TMciMediaPlayer() override;
    TMciMediaPlayer(const TMciMediaPlayer&) = delete;
    TMciMediaPlayer& operator=(const TMciMediaPlayer&) = delete;

    void Open(const std::string& AFileName) override;
    void Play() override;
    bool IsPlaying() override;
    void Stop() override;
    void Rewind() override;
    void Close() override;

private:
    // Sends "<AVerb> <alias><ARest>"; a failure throws with the system's text for it.
    void Befehl(const std::wstring& AVerb, const std::wstring& ARest = L"");

    std::wstring FAlias;
    bool FOffen = false;
};
