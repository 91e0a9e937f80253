#pragma once

// The desktop's event sounds from the freedesktop sound theme: the Windows alias names are
// mapped to theme events ("SystemExclamation" is "dialog-warning"), the file is looked up in
// the sound folders of XDG_DATA_HOME and XDG_DATA_DIRS and played by a media player.

#include <memory>
#include <string>

#include "platform/MediaPlayer.h"
#include "platform/SystemKlang.h"

class TThemenKlang : public TSystemKlang {
public:
    explicit TThemenKlang(std::unique_ptr<TMediaPlayer> APlayer);

    bool PlaySystemSound(const std::string& AAlias) override;
    bool SignalBeep() override;

    // The sound file of a theme event, or "" when the theme has none.
    static std::string EreignisDatei(const std::string& AEreignis);

private:
    bool Spielen(const std::string& AEreignis);

    std::unique_ptr<TMediaPlayer> FPlayer;
};
