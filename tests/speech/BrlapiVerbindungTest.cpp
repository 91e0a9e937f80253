#include "speech/linux/BrlapiVerbindung.h"

#include "FakeBrlapiServer.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using TVerhalten = TFakeBrlapiServer::TVerhalten;

class BrlapiVerbindungTest : public ::testing::Test {
protected:
    void TearDown() override { unsetenv("BRLAPI_HOST"); }

    static void Verbinden(const TFakeBrlapiServer& AServer) {
        setenv("BRLAPI_HOST", AServer.Host().c_str(), 1);
    }
    static std::vector<std::string> Texte(const TFakeBrlapiServer& AServer) {
        std::vector<std::string> Ergebnis;
        for (const auto& Anzeige : AServer.Anzeigen())
            Ergebnis.push_back(Anzeige.Text);
        return Ergebnis;
    }
};

// Holding the display for a message must not hold the user's keys: panning and routing go on
// to the screen reader, for every message and also after the display was given back and taken
// again.
TEST_F(BrlapiVerbindungTest, AMessageLeavesEveryKeyToTheScreenReader) {
    TFakeBrlapiServer Server;
    Verbinden(Server);
    TBrlapiVerbindung Braille(5s, 300ms);
    EXPECT_TRUE(Braille.Zeigen("Zählfunktion Startwert:"));
    EXPECT_TRUE(Braille.Zeigen("Langtext:"));
    ASSERT_TRUE(Server.Warten([&] { return Server.Anzeigen().size() == 2; }));
    EXPECT_TRUE(Server.HaeltAnzeige());

    // After the display time the display is the screen reader's again.
    EXPECT_TRUE(Server.Warten([&] { return !Server.HaeltAnzeige(); }));
    EXPECT_TRUE(Braille.Zeigen("Dauer (Tage):"));
    ASSERT_TRUE(Server.Warten([&] { return Server.Anzeigen().size() == 3; }));

    EXPECT_EQ(Texte(Server),
              (std::vector<std::string>{"Zählfunktion Startwert:", "Langtext:", "Dauer (Tage):"}));
    for (const auto& Anzeige : Server.Anzeigen())
        EXPECT_FALSE(Anzeige.TastenGenommen) << Anzeige.Text;
}

// A BRLTTY that cannot pass the keys on gets no message: the display stays with the screen
// reader rather than lose its keys.
TEST_F(BrlapiVerbindungTest, WithoutPassingTheKeysOnTheDisplayIsNotTaken) {
    TFakeBrlapiServer Server(TVerhalten::IgnorierenAblehnen);
    Verbinden(Server);
    TBrlapiVerbindung Braille(5s, 60s);
    EXPECT_FALSE(Braille.Zeigen("Kurztext:"));
    EXPECT_TRUE(Server.Warten([&] { return !Server.HaeltAnzeige(); }));
    EXPECT_TRUE(Server.Anzeigen().empty());
}

// BRLTTY going away while a message is shown makes BrlAPI's next write to it fail; that must
// not end the program (a broken pipe), and once BRLTTY is back the messages reach it again.
TEST_F(BrlapiVerbindungTest, BrlttyGoingAwayEndsOnlyTheConnection) {
    TFakeBrlapiServer Server(TVerhalten::ErsteVerbindungSchliessen);
    Verbinden(Server);
    TBrlapiVerbindung Braille(5s, 60s);
    EXPECT_TRUE(Braille.Zeigen("Kurztext:"));
    ASSERT_TRUE(Server.Warten([&] { return !Server.HaeltAnzeige(); }));
    // A write has no answer: the first one or two after the loss may still count as shown.
    for (int i = 0; i < 10 && Texte(Server).size() < 2; ++i) {
        Braille.Zeigen("Langtext:");
        Server.Warten([&] { return Texte(Server).size() == 2; }, 200ms);
    }
    EXPECT_EQ(Texte(Server), (std::vector<std::string>{"Kurztext:", "Langtext:"}));
}

// No BRLTTY answers at this address: every message is refused, and a refused connection is
// tried again with the next message instead of being given up.
TEST_F(BrlapiVerbindungTest, WithoutBrlttyNothingIsShown) {
    setenv("BRLAPI_HOST", "127.0.0.1:97", 1);
    TBrlapiVerbindung Braille(5s);
    EXPECT_FALSE(Braille.Zeigen("Kurztext:"));
    EXPECT_FALSE(Braille.Zeigen("Langtext:"));
}

} // namespace
