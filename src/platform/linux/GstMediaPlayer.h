#pragma once

// Sound files through GStreamer's playbin. The sound goes to the desktop's audio output, or to
// the sink described by ASinkBeschreibung (a gst-launch description such as
// "fakesink sync=true"), which is how tests play without a sound card.

#include <string>

#include "platform/MediaPlayer.h"

typedef struct _GstElement GstElement;

class TGstMediaPlayer : public TMediaPlayer {
public:
    explicit TGstMediaPlayer(std::string ASinkBeschreibung = "");
    ~TGstMediaPlayer() override;
    TGstMediaPlayer(const TGstMediaPlayer&) = delete;
    TGstMediaPlayer& operator=(const TGstMediaPlayer&) = delete;

    void Open(const std::string& AFileName) override;
    void Play() override;
    bool IsPlaying() override;
    void Stop() override;
    void Rewind() override;
    void Close() override;

private:
    GstElement* Pipeline() const;
    // Takes the messages that arrived; an error is thrown with GStreamer's text.
    void NachrichtenLesen();
    [[noreturn]] void FehlerWerfen();
    void ZustandSetzen(int AZustand);

    std::string FSinkBeschreibung;
    GstElement* FPlaybin = nullptr;
    bool FSpielt = false;
};
