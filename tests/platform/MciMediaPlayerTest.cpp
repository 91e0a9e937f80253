#include "platform/windows/MciMediaPlayer.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#include "Umgebung.h"
#include "WavDatei.h"
#include "model/Fehler.h"

namespace {

class MciMediaPlayerTest : public ::testing::Test {
protected:
    bool EndeAbwarten() {
        for (int i = 0; i < 400 && Player.IsPlaying(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        return !Player.IsPlaying();
    }
    TTempOrdner Temp;
    TMciMediaPlayer Player;
};

TEST_F(MciMediaPlayerTest, PlaysAWavFileToItsEndWithoutWaiting) {
    // A name outside code page 1252 reaches the system whole.
    const std::string Datei = Temp.Pfad() + "\\Wolf Встреча.wav";
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

TEST_F(MciMediaPlayerTest, StopHaltsPlaybackAndTwoPlayersDoNotMeet) {
    const std::string Datei = Temp.Pfad() + "\\lang.wav";
    WavSchreiben(Datei, 20000);
    TMciMediaPlayer Anderer;
    Anderer.Open(Datei);
    Player.Open(Datei);
    Player.Play();
    EXPECT_FALSE(Anderer.IsPlaying());
    Player.Stop();
    EXPECT_FALSE(Player.IsPlaying());
    Player.Rewind();
    Player.Play();
    EXPECT_TRUE(Player.IsPlaying());
    Anderer.Close();
    EXPECT_TRUE(Player.IsPlaying());
    Player.Close();
}

TEST_F(MciMediaPlayerTest, FilesThatCannotBePlayedGiveTheSystemsMessage) {
    const std::string Text = Temp.Pfad() + "\\kein Sound.wav";
    DateiSchreiben(Text, "Das ist kein Klang, sondern Text.\n");
    for (const std::string& Datei : {Temp.Pfad() + "\\fehlt.wav", Text}) {
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

TEST_F(MciMediaPlayerTest, OperationsWithoutAnOpenFileFail) {
    EXPECT_FALSE(Player.IsPlaying());
    EXPECT_THROW(Player.Play(), EBetriebssystemFehler);
    EXPECT_THROW(Player.Rewind(), EBetriebssystemFehler);
    EXPECT_THROW(Player.Stop(), EBetriebssystemFehler);
    Player.Close();
}

} // namespace
