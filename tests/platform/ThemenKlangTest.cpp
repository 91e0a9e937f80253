#include "platform/linux/ThemenKlang.h"

#include "Umgebung.h"
#include "model/Fehler.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class TFakePlayer : public TMediaPlayer {
public:
    explicit TFakePlayer(std::vector<std::string>& AProtokoll) : FProtokoll(AProtokoll) {}
    void Open(const std::string& AFileName) override {
        if (AFileName.find("kaputt") != std::string::npos)
            throw EBetriebssystemFehler("kaputt");
        FProtokoll.push_back("Open " + AFileName);
    }
    void Play() override { FProtokoll.push_back("Play"); }
    bool IsPlaying() override { return false; }
    void Stop() override {}
    void Rewind() override {}
    void Close() override {}

private:
    std::vector<std::string>& FProtokoll;
};

class ThemenKlangTest : public ::testing::Test {
protected:
    void SetUp() override {
        Umgebung.Setzen("XDG_DATA_HOME", Temp.Pfad() + "/home");
        Umgebung.Setzen("XDG_DATA_DIRS", "relativ:" + Temp.Pfad() + "/a:" + Temp.Pfad() + "/b");
    }
    std::string Thema(const std::string& AOrdner) {
        return Temp.Pfad() + "/" + AOrdner + "/sounds/freedesktop/stereo/";
    }

    TTempOrdner Temp;
    TUmgebung Umgebung;
    std::vector<std::string> Protokoll;
    TThemenKlang Klang{std::make_unique<TFakePlayer>(Protokoll)};
};

TEST_F(ThemenKlangTest, ExclamationPlaysTheThemesWarningSoundFromTheFirstFolderHavingIt) {
    DateiSchreiben(Thema("b") + "dialog-warning.oga", "b");
    DateiSchreiben(Thema("a") + "dialog-warning.wav", "a");
    EXPECT_TRUE(Klang.PlayExclamation());
    EXPECT_EQ(Protokoll, (std::vector<std::string>{"Open " + Thema("a") + "dialog-warning.wav", "Play"}));
}

TEST_F(ThemenKlangTest, UserSoundsComeFirst) {
    DateiSchreiben(Thema("a") + "dialog-warning.wav", "a");
    DateiSchreiben(Thema("home") + "dialog-warning.ogg", "h");
    EXPECT_EQ(TThemenKlang::EreignisDatei("dialog-warning"), Thema("home") + "dialog-warning.ogg");
}

TEST_F(ThemenKlangTest, WithoutASoundNothingPlays) {
    DateiSchreiben(Thema("a") + "bell.oga", "a");
    EXPECT_FALSE(Klang.PlayExclamation());
    EXPECT_FALSE(Klang.PlaySystemSound("GibtEsNicht"));
    EXPECT_TRUE(Protokoll.empty());
}

TEST_F(ThemenKlangTest, AnUnplayableSoundCountsAsNone) {
    Umgebung.Setzen("XDG_DATA_HOME", Temp.Pfad() + "/kaputt");
    DateiSchreiben(Thema("kaputt") + "dialog-warning.oga", "x");
    EXPECT_FALSE(Klang.PlayExclamation());
}

TEST_F(ThemenKlangTest, BeepSucceedsWithOrWithoutABell) {
    EXPECT_TRUE(Klang.SignalBeep());
    EXPECT_TRUE(Protokoll.empty());
    DateiSchreiben(Thema("b") + "bell.oga", "b");
    EXPECT_TRUE(Klang.SignalBeep());
    EXPECT_EQ(Protokoll, (std::vector<std::string>{"Open " + Thema("b") + "bell.oga", "Play"}));
}

} // namespace
