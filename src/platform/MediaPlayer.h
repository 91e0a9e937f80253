#pragma once

// Plays one sound file (WAV or MP3) at a time without blocking the caller. Every operation
// that fails throws EBetriebssystemFehler with the system's message.

#include <memory>
#include <string>

class TMediaPlayer {
public:
    virtual ~TMediaPlayer() = default;
    // Loads the file, closing any previous one; playback has not started.
    virtual void Open(const std::string& AFileName) = 0;
    // Starts playing and returns at once.
    virtual void Play() = 0;
    // True while the sound plays; false once it ended or was stopped.
    virtual bool IsPlaying() = 0;
    // Halts playback where it is.
    virtual void Stop() = 0;
    // Goes back to the start of the sound.
    virtual void Rewind() = 0;
    virtual void Close() = 0;
};

// The system's media player (defined in linux/ or windows/).
std::unique_ptr<TMediaPlayer> SystemMediaPlayer();
