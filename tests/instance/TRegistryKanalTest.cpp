#include <windows.h>

#include <atomic>
#include <mutex>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "instance/TBefehlsKanal.h"
#include "instance/TWatchRegistrySettings.h"
#include "instance/ZweiterStart.h"

namespace {

using namespace std::chrono_literals;

// Each test has a key of its own under HKEY_CURRENT_USER, removed at its end.
class RegistryKanal : public ::testing::Test {
protected:
    const std::string Name = "OrvantoTest" + std::to_string(std::random_device()());
    const std::wstring BreiterName = std::wstring(Name.begin(), Name.end());

    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, BreiterName.c_str()); }

    std::unique_ptr<TBefehlsKanal> Kanal() {
        TKanalOeffnung k = SystemBefehlsKanal(Name);
        EXPECT_EQ(k.Fehler, "");
        return std::move(k.Kanal);
    }
    bool KeyDa() const {
        HKEY Key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, BreiterName.c_str(), 0, KEY_READ, &Key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(Key);
        return true;
    }
    // Written by hand, as another program may do it.
    void WertSetzen(const wchar_t* AWert, DWORD ATyp, const void* ADaten, DWORD ABytes) const {
        HKEY Key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, BreiterName.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &Key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExW(Key, AWert, 0, ATyp, static_cast<const BYTE*>(ADaten), ABytes),
                  ERROR_SUCCESS);
        RegCloseKey(Key);
    }
};

TEST_F(RegistryKanal, ValuesAreTakenOutOnceAndAllTogether) {
    auto Schreiber = Kanal();
    auto Leser = Kanal();
    EXPECT_EQ(Leser->Lesen(), std::nullopt);
    EXPECT_TRUE(Schreiber->Schreiben({}));
    EXPECT_FALSE(KeyDa());

    ASSERT_TRUE(Schreiber->Schreiben({"C:\\Kalender\\Jänner.ovk|/systemstartup", "", "1"}));
    EXPECT_TRUE(KeyDa());
    EXPECT_FALSE(Schreiber->Abgeholt());
    EXPECT_EQ(Leser->Lesen(), (TRegistrySettings{"C:\\Kalender\\Jänner.ovk|/systemstartup", "", "1"}));
    EXPECT_TRUE(Schreiber->Abgeholt());
    // The key exists only while commands wait.
    EXPECT_FALSE(KeyDa());
    EXPECT_EQ(Leser->Lesen(), std::nullopt);
    // Nothing left to take back.
    EXPECT_FALSE(Schreiber->Zuruecknehmen());

    // A text stored without its closing zero.
    const wchar_t Eins[] = {L'1'};
    WertSetzen(L"ProgramSetFocus", REG_SZ, Eins, sizeof Eins);
    EXPECT_EQ(Leser->Lesen(), (TRegistrySettings{"", "1", ""}));
}

TEST_F(RegistryKanal, TheNameMayStartWithABackslash) {
    TKanalOeffnung Schreiber = SystemBefehlsKanal("\\" + Name);
    ASSERT_TRUE(Schreiber.Kanal->Schreiben({"", "1", ""}));
    EXPECT_EQ(Kanal()->Lesen(), (TRegistrySettings{"", "1", ""}));
}

TEST_F(RegistryKanal, AWriterTakesBackOnlyItsOwnValue) {
    auto Erster = Kanal();
    auto Zweiter = Kanal();
    ASSERT_TRUE(Erster->Schreiben({"a.ovk", "", ""}));
    ASSERT_TRUE(Zweiter->Schreiben({"b.ovk", "", ""}));
    // The newer value replaced the first writer's.
    EXPECT_TRUE(Erster->Abgeholt());
    EXPECT_FALSE(Erster->Zuruecknehmen());
    EXPECT_TRUE(KeyDa());
    EXPECT_TRUE(Zweiter->Zuruecknehmen());
    EXPECT_FALSE(KeyDa());
}

TEST_F(RegistryKanal, AValueOfAnotherTypeIsDropped) {
    auto Leser = Kanal();
    const DWORD Zahl = 1;
    WertSetzen(L"ProgramParameters", REG_DWORD, &Zahl, sizeof Zahl);
    EXPECT_EQ(Leser->Lesen(), std::nullopt);
    // It is gone, so it blocks no later command.
    ASSERT_TRUE(Kanal()->Schreiben({"", "", "1"}));
    EXPECT_EQ(Leser->Lesen(), (TRegistrySettings{"", "", "1"}));
}

// The registry channel, counting the watcher's looks.
class TZaehlKanal : public TBefehlsKanal {
public:
    explicit TZaehlKanal(std::unique_ptr<TBefehlsKanal> AKanal) : FKanal(std::move(AKanal)) {}
    std::atomic<int> Blicke{0};

    bool Schreiben(const TRegistrySettings& ABefehl) override { return FKanal->Schreiben(ABefehl); }
    bool Abgeholt() override { return FKanal->Abgeholt(); }
    bool Zuruecknehmen() override { return FKanal->Zuruecknehmen(); }
    std::optional<TRegistrySettings> Lesen() override {
        auto Befehl = FKanal->Lesen();
        ++Blicke;
        return Befehl;
    }

private:
    std::unique_ptr<TBefehlsKanal> FKanal;
};

TEST_F(RegistryKanal, ASecondStartHandsOverToTheWatcherOrGivesUp) {
    TZaehlKanal Leser(Kanal());
    std::vector<TRegistrySettings> Empfangen;
    std::mutex Mutex;
    {
        TWatchRegistrySettings Watcher(Leser, [&](const TRegistrySettings& b) {
            const std::lock_guard<std::mutex> Sperre(Mutex);
            Empfangen.push_back(b);
        });
        // What arrives before the watcher's first look counts as left over from an earlier run.
        while (Leser.Blicke == 0) {
            std::this_thread::sleep_for(1ms);
        }
        EXPECT_EQ(ZweiterStart({"Termine.ovk"}, SystemBefehlsKanal(Name)), "");
    }
    EXPECT_EQ(Empfangen, (std::vector<TRegistrySettings>{{"Termine.ovk", "", ""}}));
    // Nobody watches now: the command is taken back, so it cannot act when someone reads later.
    EXPECT_NE(ZweiterStart({"Termine.ovk"}, SystemBefehlsKanal(Name), 200ms), "");
    EXPECT_FALSE(KeyDa());
    EXPECT_EQ(Leser.Lesen(), std::nullopt);
}

} // namespace
