#include "platform/linux/GstMediaPlayer.h"

#include "Umgebung.h"
#include "WavDatei.h"
#include "model/Fehler.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

// The sound goes to a sink that keeps real time and plays nowhere.
class GstMediaPlayerTest : public ::testing::Test {
protected:
    bool EndeAbwarten() {
        for (int i = 0; i < 400 && Player.IsPlaying(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        return !Player.IsPlaying();
    }
    TTempOrdner Temp;
    TGstMediaPlayer Player{"fakesink sync=true"};
};

TEST_F(GstMediaPlayerTest, PlaysAWavFileToItsEndWithoutWaiting) {
    const std::string Datei = Temp.Pfad() + "/Wolf.wav";
    WavSchreiben(Datei, 300);
    Player.Open(Datei);
    EXPECT_FALSE(Player.IsPlaying());
    Player.Play();
    EXPECT_TRUE(Player.IsPlaying());
    EXPECT_TRUE(EndeAbwarten());
    // Rewound, the same file plays again.
    Player.Rewind();
    Player.Play();
    EXPECT_TRUE(Player.IsPlaying());
    EXPECT_TRUE(EndeAbwarten());
    Player.Close();
    EXPECT_FALSE(Player.IsPlaying());
}

TEST_F(GstMediaPlayerTest, StopHaltsPlayback) {
    const std::string Datei = Temp.Pfad() + "/lang.wav";
    WavSchreiben(Datei, 5000);
    Player.Open(Datei);
    Player.Play();
    Player.Stop();
    EXPECT_FALSE(Player.IsPlaying());
    Player.Rewind();
    Player.Play();
    EXPECT_TRUE(Player.IsPlaying());
    Player.Close();
}

TEST_F(GstMediaPlayerTest, FilesThatCannotBePlayedGiveTheSystemsMessage) {
    const std::string Text = Temp.Pfad() + "/kein Sound.wav";
    DateiSchreiben(Text, "Das ist kein Klang, sondern Text.\n");
    for (const std::string& Datei : {Temp.Pfad() + "/fehlt.wav", Text}) {
        try {
            Player.Open(Datei);
            ADD_FAILURE() << Datei;
        } catch (const EBetriebssystemFehler& e) {
            EXPECT_STRNE(e.what(), "") << Datei;
        }
        EXPECT_FALSE(Player.IsPlaying());
        EXPECT_THROW(Player.Play(), EBetriebssystemFehler);
    }
}

TEST_F(GstMediaPlayerTest, OperationsWithoutAnOpenFileFail) {
    EXPECT_FALSE(Player.IsPlaying());
    EXPECT_THROW(Player.Play(), EBetriebssystemFehler);
    EXPECT_THROW(Player.Rewind(), EBetriebssystemFehler);
    EXPECT_THROW(Player.Stop(), EBetriebssystemFehler);
    Player.Close();
}

} // namespace
