#include "window/TNachBefehl.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A window whose two moments "command done" and "idle" come when the test says; it records what
// reaches the list and the focus, in order.
class TFensterProbe : public TNachBefehl::TFenster {
public:
    void ZeileSetzen(std::int32_t ANr) override { Gesetzt.push_back("Zeile " + std::to_string(ANr)); }
    void FokusSetzen(TNachBefehl::TZiel AZiel) override {
        Gesetzt.push_back(AZiel == TNachBefehl::zZeilen ? "Fokus Zeilen" : "Fokus Periode");
    }
    void NachBefehl(std::function<void()> AAufruf) override { FNachBefehl.push_back(std::move(AAufruf)); }
    void ImLeerlauf(std::function<void()> AAufruf) override { FLeerlauf.push_back(std::move(AAufruf)); }

    // The command has returned: first what waits for its end, then the idle time.
    void BefehlBeendet() {
        Abarbeiten(FNachBefehl);
        Abarbeiten(FLeerlauf);
    }
    std::size_t Wartend() const { return FNachBefehl.size() + FLeerlauf.size(); }

    std::vector<std::string> Gesetzt;

private:
    static void Abarbeiten(std::deque<std::function<void()>>& AAufrufe) {
        while (!AAufrufe.empty()) {
            const std::function<void()> a = std::move(AAufrufe.front());
            AAufrufe.pop_front();
            a();
        }
    }
    std::deque<std::function<void()>> FNachBefehl;
    std::deque<std::function<void()>> FLeerlauf;
};

struct NachBefehlTest : ::testing::Test {
    TFensterProbe Fenster;
    TNachBefehl Nach{Fenster};
};

TEST_F(NachBefehlTest, WithoutARefillALineIsSelectedAtOnce) {
    Nach.ZeileWaehlen(4);
    EXPECT_EQ(Fenster.Gesetzt, (std::vector<std::string>{"Zeile 4"}));
    EXPECT_FALSE(Nach.OffeneZeile());
    EXPECT_EQ(Fenster.Wartend(), 0u);
}

TEST_F(NachBefehlTest, AfterARefillOnlyTheLastChosenLineReachesTheListOnceTheCommandIsDone) {
    Nach.ZeilenErsetzt();
    Nach.ZeileWaehlen(0);
    Nach.ZeilenErsetzt(); // a second refill in the same command starts again from none
    EXPECT_EQ(Nach.OffeneZeile(), -1);
    Nach.ZeileWaehlen(0);
    Nach.ZeileWaehlen(17);
    EXPECT_EQ(Nach.OffeneZeile(), 17); // what the list's selection reads while the command runs
    EXPECT_TRUE(Fenster.Gesetzt.empty());
    EXPECT_EQ(Fenster.Wartend(), 1u);

    Fenster.BefehlBeendet();
    EXPECT_EQ(Fenster.Gesetzt, (std::vector<std::string>{"Zeile 17"}));
    EXPECT_FALSE(Nach.OffeneZeile());

    // The next command starts fresh: without a refill its line goes straight to the list.
    Nach.ZeileWaehlen(3);
    EXPECT_EQ(Fenster.Gesetzt, (std::vector<std::string>{"Zeile 17", "Zeile 3"}));
}

TEST_F(NachBefehlTest, ARefillWithoutAChosenLineSelectsNothing) {
    Nach.ZeilenErsetzt(); // an empty period
    Fenster.BefehlBeendet();
    EXPECT_TRUE(Fenster.Gesetzt.empty());
    EXPECT_FALSE(Nach.OffeneZeile());
}

TEST_F(NachBefehlTest, OnlyTheLastFocusTargetTakesTheFocusAfterTheLine) {
    Nach.FokusVormerken(TNachBefehl::zPeriode);
    Nach.ZeilenErsetzt();
    Nach.FokusVormerken(TNachBefehl::zZeilen);
    Nach.ZeileWaehlen(8);
    EXPECT_EQ(Fenster.Wartend(), 2u);

    Fenster.BefehlBeendet();
    EXPECT_EQ(Fenster.Gesetzt, (std::vector<std::string>{"Zeile 8", "Fokus Zeilen"}));

    Nach.FokusVormerken(TNachBefehl::zPeriode);
    Fenster.BefehlBeendet();
    EXPECT_EQ(Fenster.Gesetzt.back(), "Fokus Periode");
    EXPECT_EQ(Fenster.Gesetzt.size(), 3u);
}

} // namespace
