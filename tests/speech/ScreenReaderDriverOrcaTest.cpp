#include "speech/linux/ScreenReaderDriverOrca.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct TAufrufe {
    std::vector<std::string> Liste;
};

class TFakeSprache : public TSprachVerbindung {
public:
    TFakeSprache(TAufrufe& A, bool ASprechenOk, bool AAbbrechenOk)
        : FAufrufe(A), FSprechenOk(ASprechenOk), FAbbrechenOk(AAbbrechenOk) {}
    bool Sprechen(const std::string& S) override {
        FAufrufe.Liste.push_back("Sprechen " + S);
        return FSprechenOk;
    }
    bool Abbrechen() override {
        FAufrufe.Liste.push_back("Abbrechen");
        return FAbbrechenOk;
    }

private:
    TAufrufe& FAufrufe;
    bool FSprechenOk;
    bool FAbbrechenOk;
};

class TFakeBraille : public TBrailleVerbindung {
public:
    TFakeBraille(TAufrufe& A, bool AOk) : FAufrufe(A), FOk(AOk) {}
    bool Zeigen(const std::string& S) override {
        FAufrufe.Liste.push_back("Zeigen " + S);
        return FOk;
    }

private:
    TAufrufe& FAufrufe;
    bool FOk;
};

struct TFall {
    bool SprechenOk;
    bool AbbrechenOk;
    bool ZeigenOk;
    bool Interrupt;
    bool Ergebnis;
    std::vector<std::string> Aufrufe;
};

TEST(ScreenReaderDriverOrcaTest, OutputSpeaksAndBraillesAndSucceedsWhenEitherDoes) {
    const std::vector<TFall> Faelle = {
        {true, true, true, false, true, {"Sprechen Von:", "Zeigen Von:"}},
        {false, true, true, false, true, {"Sprechen Von:", "Zeigen Von:"}},
        {true, true, false, false, true, {"Sprechen Von:", "Zeigen Von:"}},
        {false, true, false, false, false, {"Sprechen Von:", "Zeigen Von:"}},
        {true, true, true, true, true, {"Abbrechen", "Sprechen Von:", "Zeigen Von:"}},
        // Current speech could not be stopped: nothing is spoken over it, braille still goes out.
        {true, false, true, true, true, {"Abbrechen", "Zeigen Von:"}},
        {true, false, false, true, false, {"Abbrechen", "Zeigen Von:"}},
    };
    for (const TFall& f : Faelle) {
        TAufrufe Aufrufe;
        TScreenReaderDriverOrca Orca([] { return true; },
                                     std::make_unique<TFakeSprache>(Aufrufe, f.SprechenOk, f.AbbrechenOk),
                                     std::make_unique<TFakeBraille>(Aufrufe, f.ZeigenOk));
        EXPECT_EQ(Orca.Output("Von:", f.Interrupt), f.Ergebnis) << f.Aufrufe.size();
        EXPECT_EQ(Aufrufe.Liste, f.Aufrufe);
    }
}

TEST(ScreenReaderDriverOrcaTest, EmptyTextReachesNeitherSpeechNorBraille) {
    TAufrufe Aufrufe;
    TScreenReaderDriverOrca Orca([] { return true; }, std::make_unique<TFakeSprache>(Aufrufe, true, true),
                                 std::make_unique<TFakeBraille>(Aufrufe, true));
    EXPECT_FALSE(Orca.Speak("", false));
    EXPECT_FALSE(Orca.Braille(""));
    EXPECT_TRUE(Aufrufe.Liste.empty());
}

TEST(ScreenReaderDriverOrcaTest, ActiveExactlyWhileTheProbeSaysOrcaRuns) {
    TAufrufe Aufrufe;
    bool Laeuft = false;
    TScreenReaderDriverOrca Orca([&] { return Laeuft; }, std::make_unique<TFakeSprache>(Aufrufe, true, true),
                                 std::make_unique<TFakeBraille>(Aufrufe, true));
    EXPECT_EQ(Orca.Name(), "Orca");
    EXPECT_TRUE(Orca.HasSpeech());
    EXPECT_TRUE(Orca.HasBraille());
    EXPECT_FALSE(Orca.IsActive());
    Laeuft = true;
    EXPECT_TRUE(Orca.IsActive());
    EXPECT_FALSE(Orca.IsSpeaking());
    EXPECT_TRUE(Orca.Silence());
    EXPECT_EQ(Aufrufe.Liste, std::vector<std::string>{"Abbrechen"});
}

} // namespace
