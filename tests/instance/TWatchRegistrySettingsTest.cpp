#include "instance/TWatchRegistrySettings.h"

#include <chrono>
#include <deque>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// A channel in memory, shared by the test's thread and the watcher.
class TSpeicherKanal : public TBefehlsKanal {
public:
    std::mutex Mutex;
    std::deque<TRegistrySettings> Wartend;
    int Gelesen = 0;

    bool Schreiben(const TRegistrySettings& ABefehl) override {
        const std::lock_guard<std::mutex> Sperre(Mutex);
        Wartend.push_back(ABefehl);
        return true;
    }
    bool Abgeholt() override {
        const std::lock_guard<std::mutex> Sperre(Mutex);
        return Wartend.empty();
    }
    bool Zuruecknehmen() override { return false; }
    std::optional<TRegistrySettings> Lesen() override {
        const std::lock_guard<std::mutex> Sperre(Mutex);
        ++Gelesen;
        if (Wartend.empty()) {
            return std::nullopt;
        }
        TRegistrySettings Befehl = Wartend.front();
        Wartend.pop_front();
        return Befehl;
    }
    int LeseZahl() {
        const std::lock_guard<std::mutex> Sperre(Mutex);
        return Gelesen;
    }
};

// What the watcher handed on.
class TEmpfang {
public:
    void operator()(const TRegistrySettings& ABefehl) {
        const std::lock_guard<std::mutex> Sperre(FMutex);
        FBefehle.push_back(ABefehl);
    }
    std::vector<TRegistrySettings> Befehle() {
        const std::lock_guard<std::mutex> Sperre(FMutex);
        return FBefehle;
    }

private:
    std::mutex FMutex;
    std::vector<TRegistrySettings> FBefehle;
};

template <typename F> bool WarteBis(F ABedingung) {
    for (int i = 0; i < 500 && !ABedingung(); ++i) {
        std::this_thread::sleep_for(10ms);
    }
    return ABedingung();
}

TEST(WatchRegistrySettings, LeftoversAreDroppedAndEachNewCommandIsHandedOnOnce) {
    TSpeicherKanal Kanal;
    TEmpfang Empfang;
    Kanal.Schreiben({"Alt.ovk", "", ""});
    {
        TWatchRegistrySettings Watcher(
            Kanal, [&Empfang](const TRegistrySettings& b) { Empfang(b); }, 5ms);
        ASSERT_TRUE(WarteBis([&] { return Kanal.LeseZahl() >= 2; }));
        EXPECT_TRUE(Empfang.Befehle().empty());
        EXPECT_TRUE(Kanal.Abgeholt());

        Kanal.Schreiben({"Neu.ovk", "", "1"});
        ASSERT_TRUE(WarteBis([&] { return !Empfang.Befehle().empty(); }));
        Kanal.Schreiben({"", "1", ""});
        ASSERT_TRUE(WarteBis([&] { return Empfang.Befehle().size() == 2; }));
        EXPECT_TRUE(Kanal.Abgeholt());
    }
    // Both values of one command travel together; the window picks the parameters.
    EXPECT_EQ(Empfang.Befehle(), (std::vector<TRegistrySettings>{{"Neu.ovk", "", "1"}, {"", "1", ""}}));
}

TEST(WatchRegistrySettings, StopsWithinAnIntervalAndLooksNoMore) {
    TSpeicherKanal Kanal;
    TEmpfang Empfang;
    // An interval far longer than any test: ending the watcher must not wait for it.
    {
        TWatchRegistrySettings Watcher(
            Kanal, [&Empfang](const TRegistrySettings& b) { Empfang(b); }, 1h);
        ASSERT_TRUE(WarteBis([&] { return Kanal.LeseZahl() == 1; }));
    }
    Kanal.Schreiben({"", "1", ""});
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(Kanal.LeseZahl(), 1);
    EXPECT_TRUE(Empfang.Befehle().empty());
}

} // namespace
