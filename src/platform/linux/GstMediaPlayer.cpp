#include "platform/linux/GstMediaPlayer.h"

#include <gst/gst.h>

#include "model/Fehler.h"

namespace {

// How long opening may take to read the file's head before it counts as failed.
constexpr GstClockTime OeffnenFrist = 5 * GST_SECOND;

void Initialisieren() {
    GError* Fehler = nullptr;
    if (!gst_init_check(nullptr, nullptr, &Fehler)) {
        const std::string Text = Fehler ? Fehler->message : "GStreamer";
        g_clear_error(&Fehler);
        throw EBetriebssystemFehler(Text);
    }
}

GstElement* SinkErzeugen(const std::string& ABeschreibung) {
    GError* Fehler = nullptr;
    GstElement* Sink = gst_parse_launch(ABeschreibung.c_str(), &Fehler);
    if (!Sink || Fehler) {
        const std::string Text = Fehler ? Fehler->message : ABeschreibung;
        g_clear_error(&Fehler);
        if (Sink)
            gst_object_unref(Sink);
        throw EBetriebssystemFehler(Text);
    }
    return Sink;
}

} // namespace

TGstMediaPlayer::TGstMediaPlayer(std::string ASinkBeschreibung)
    : FSinkBeschreibung(std::move(ASinkBeschreibung)) {}

TGstMediaPlayer::~TGstMediaPlayer() {
    Close();
}

GstElement* TGstMediaPlayer::Pipeline() const {
    if (!FPlaybin)
        throw EBetriebssystemFehler("Es ist keine Sounddatei geöffnet.");
    return FPlaybin;
}

void TGstMediaPlayer::Open(const std::string& AFileName) {
    Close();
    Initialisieren();
    GError* Fehler = nullptr;
    gchar* Uri = gst_filename_to_uri(AFileName.c_str(), &Fehler);
    if (!Uri) {
        const std::string Text = Fehler ? Fehler->message : AFileName;
        g_clear_error(&Fehler);
        throw EBetriebssystemFehler(Text);
    }
    FPlaybin = gst_element_factory_make("playbin", nullptr);
    if (!FPlaybin) {
        g_free(Uri);
        throw EBetriebssystemFehler("GStreamer: playbin fehlt");
    }
    g_object_set(FPlaybin, "uri", Uri, nullptr);
    g_free(Uri);
    // A picture in an MP3 must not open a window.
    g_object_set(FPlaybin, "video-sink", gst_element_factory_make("fakesink", nullptr), nullptr);
    try {
        if (!FSinkBeschreibung.empty())
            g_object_set(FPlaybin, "audio-sink", SinkErzeugen(FSinkBeschreibung), nullptr);
        ZustandSetzen(GST_STATE_PAUSED);
        // Waits until the file is read far enough to play, or failed.
        if (gst_element_get_state(FPlaybin, nullptr, nullptr, OeffnenFrist) == GST_STATE_CHANGE_FAILURE)
            FehlerWerfen();
        NachrichtenLesen();
    } catch (...) {
        Close();
        throw;
    }
}

void TGstMediaPlayer::Play() {
    NachrichtenLesen();
    ZustandSetzen(GST_STATE_PLAYING);
    FSpielt = true;
}

bool TGstMediaPlayer::IsPlaying() {
    if (!FPlaybin)
        return false;
    NachrichtenLesen();
    return FSpielt;
}

void TGstMediaPlayer::Stop() {
    ZustandSetzen(GST_STATE_PAUSED);
    FSpielt = false;
}

void TGstMediaPlayer::Rewind() {
    if (!gst_element_seek_simple(Pipeline(), GST_FORMAT_TIME,
                                 static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_KEY_UNIT), 0))
        throw EBetriebssystemFehler("Die Sounddatei kann nicht zurückgespult werden.");
    gst_element_get_state(FPlaybin, nullptr, nullptr, OeffnenFrist);
}

void TGstMediaPlayer::Close() {
    if (!FPlaybin)
        return;
    gst_element_set_state(FPlaybin, GST_STATE_NULL);
    gst_object_unref(FPlaybin);
    FPlaybin = nullptr;
    FSpielt = false;
}

void TGstMediaPlayer::ZustandSetzen(int AZustand) {
    if (gst_element_set_state(Pipeline(), static_cast<GstState>(AZustand)) == GST_STATE_CHANGE_FAILURE)
        FehlerWerfen();
}

// The failure's message may reach the bus just after the state change reported it.
void TGstMediaPlayer::FehlerWerfen() {
    GstBus* Bus = gst_element_get_bus(Pipeline());
    GstMessage* Nachricht = gst_bus_timed_pop_filtered(Bus, GST_SECOND, GST_MESSAGE_ERROR);
    gst_object_unref(Bus);
    std::string Text = "GStreamer: Die Sounddatei kann nicht abgespielt werden.";
    if (Nachricht) {
        GError* Fehler = nullptr;
        gst_message_parse_error(Nachricht, &Fehler, nullptr);
        if (Fehler)
            Text = Fehler->message;
        g_clear_error(&Fehler);
        gst_message_unref(Nachricht);
    }
    FSpielt = false;
    throw EBetriebssystemFehler(Text);
}

void TGstMediaPlayer::NachrichtenLesen() {
    GstBus* Bus = gst_element_get_bus(Pipeline());
    GstMessage* Nachricht;
    while ((Nachricht = gst_bus_pop_filtered(
                Bus, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR)))) {
        if (GST_MESSAGE_TYPE(Nachricht) == GST_MESSAGE_EOS) {
            FSpielt = false;
            gst_message_unref(Nachricht);
            continue;
        }
        GError* Fehler = nullptr;
        gst_message_parse_error(Nachricht, &Fehler, nullptr);
        const std::string Text = Fehler ? Fehler->message : "GStreamer";
        g_clear_error(&Fehler);
        gst_message_unref(Nachricht);
        gst_object_unref(Bus);
        FSpielt = false;
        throw EBetriebssystemFehler(Text);
    }
    gst_object_unref(Bus);
}

std::unique_ptr<TMediaPlayer> SystemMediaPlayer() {
    return std::make_unique<TGstMediaPlayer>();
}
