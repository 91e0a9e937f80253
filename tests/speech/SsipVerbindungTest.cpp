#include "speech/linux/SsipVerbindung.h"

#include "FakeSsipServer.h"
#include "platform/Umgebung.h"
#include "speech/linux/ScreenReaderDriverOrca.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using TVerhalten = TFakeSsipServer::TVerhalten;

class TKeineBraille : public TBrailleVerbindung {
public:
    bool Zeigen(const std::string&) override { return false; }
};

class SsipVerbindungTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("SPEECHD_ADDRESS", ("unix_socket:" + Socket).c_str(), 1); }
    void TearDown() override { unsetenv("SPEECHD_ADDRESS"); }

    std::unique_ptr<TFakeSsipServer> Starten(TVerhalten AVerhalten = TVerhalten::Antworten) {
        return std::make_unique<TFakeSsipServer>(Socket, AVerhalten);
    }
    static std::vector<std::string> Handschlag() {
        const char* Benutzer = std::getenv("USER");
        return {std::string("SET SELF CLIENT_NAME \"") + (Benutzer && *Benutzer ? Benutzer : "user") +
                    ":orvanto:main\"",
                "SET SELF PRIORITY MESSAGE", "SET SELF LANGUAGE de"};
    }
    static std::vector<std::string> Plus(std::vector<std::string> A, const std::vector<std::string>& B) {
        A.insert(A.end(), B.begin(), B.end());
        return A;
    }

    TTempOrdner Ordner;
    std::string Socket = Ordner.Pfad() + "/speechd.sock";
};

TEST_F(SsipVerbindungTest, OutputWithoutInterruptQueuesBehindOrcaWithInterruptCancelsFirst) {
    auto Server = Starten();
    TScreenReaderDriverOrca Orca([] { return true; }, std::make_unique<TSsipVerbindung>(),
                                 std::make_unique<TKeineBraille>());
    EXPECT_TRUE(Orca.Output("Zählfunktion Startwert:", false));
    EXPECT_TRUE(Orca.Output("Kurztext:", true));
    EXPECT_EQ(Server->Zeilen(), Plus(Handschlag(), {"SPEAK", "Zählfunktion Startwert:", ".", "CANCEL ALL",
                                                    "SPEAK", "Kurztext:", "."}));
    EXPECT_EQ(Server->Verbindungen(), 1);
}

TEST_F(SsipVerbindungTest, LinesOfTheTextCannotEndTheMessage) {
    auto Server = Starten();
    TSsipVerbindung Sprache;
    EXPECT_TRUE(Sprache.Sprechen("erste\r\n.\n.zweite\n"));
    EXPECT_EQ(Server->Zeilen(), Plus(Handschlag(), {"SPEAK", "erste", "..", "..zweite", "", "."}));
}

TEST_F(SsipVerbindungTest, NoServerMeansNoSpeech) {
    TSsipVerbindung Sprache;
    EXPECT_FALSE(Sprache.Sprechen("Name:"));
    EXPECT_FALSE(Sprache.Abbrechen());
}

TEST_F(SsipVerbindungTest, ServerGoneMidRunIsReachedAgainOnceItIsBack) {
    auto Server = Starten();
    TSsipVerbindung Sprache;
    EXPECT_TRUE(Sprache.Sprechen("eins"));
    Server->Stoppen();
    EXPECT_FALSE(Sprache.Sprechen("zwei"));
    Server = Starten();
    EXPECT_TRUE(Sprache.Sprechen("drei"));
    EXPECT_EQ(Server->Zeilen(), Plus(Handschlag(), {"SPEAK", "drei", "."}));
}

TEST_F(SsipVerbindungTest, ConnectionClosedByTheServerIsOpenedAgainWithinTheSameCall) {
    auto Server = Starten(TVerhalten::NachNachrichtSchliessen);
    TSsipVerbindung Sprache;
    EXPECT_TRUE(Sprache.Sprechen("eins"));
    EXPECT_TRUE(Sprache.Sprechen("zwei"));
    EXPECT_EQ(Server->Verbindungen(), 2);
    EXPECT_EQ(Server->Zeilen(),
              Plus(Plus(Handschlag(), {"SPEAK", "eins", "."}), Plus(Handschlag(), {"SPEAK", "zwei", "."})));
}

TEST_F(SsipVerbindungTest, HangingServerIsGivenUpAndLeftAloneForAWhile) {
    auto Server = Starten(TVerhalten::Schweigen);
    TSsipVerbindung Sprache(std::chrono::milliseconds(100), std::chrono::hours(1));
    EXPECT_FALSE(Sprache.Sprechen("eins"));
    EXPECT_FALSE(Sprache.Abbrechen());
    EXPECT_FALSE(Sprache.Sprechen("zwei"));
    // Only the first call waited for the server; the others did not even connect.
    EXPECT_EQ(Server->Verbindungen(), 1);
    EXPECT_EQ(Server->Zeilen(), std::vector<std::string>{Handschlag().front()});
}

TEST_F(SsipVerbindungTest, HangingServerIsTriedAgainAfterTheQuietTime) {
    auto Server = Starten(TVerhalten::Schweigen);
    TSsipVerbindung Sprache(std::chrono::milliseconds(50), std::chrono::milliseconds(0));
    EXPECT_FALSE(Sprache.Sprechen("eins"));
    Server->Stoppen();
    Server = Starten();
    EXPECT_TRUE(Sprache.Sprechen("zwei"));
}

} // namespace
