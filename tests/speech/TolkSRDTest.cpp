#include "speech/TolkSRD.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// What the fakes did, in order, shared by all of them.
struct TProtokoll {
    std::vector<std::string> Ereignisse;
    int Anfragen(const std::string& AName) const {
        int n = 0;
        for (const auto& e : Ereignisse)
            n += e == AName + ".IsActive";
        return n;
    }
};

class TFakeDriver : public TScreenReaderDriver {
public:
    TFakeDriver(const std::string& AName, TProtokoll& AProtokoll)
        // The fake JAWS has no braille, so that the facade's answer shows which driver gave it.
        : TScreenReaderDriver(AName, true, AName != "JAWS"), FProtokoll(AProtokoll) {}
    ~TFakeDriver() override { FProtokoll.Ereignisse.push_back(Name() + ".frei"); }

    // Answers of IsActive, one per call; the last one repeats.
    std::vector<bool> Aktiv{false};
    bool AktivWirft = false;
    bool Ergebnis = true;

    bool Speak(const std::string& S, bool Interrupt) override {
        return Melden("Speak " + S + (Interrupt ? " !" : ""));
    }
    bool Braille(const std::string& S) override { return Melden("Braille " + S); }
    bool IsSpeaking() override { return Melden("IsSpeaking"); }
    bool Silence() override { return Melden("Silence"); }
    bool Output(const std::string& S, bool Interrupt) override {
        return Melden("Output " + S + (Interrupt ? " !" : ""));
    }
    bool IsActive() override {
        FProtokoll.Ereignisse.push_back(Name() + ".IsActive");
        if (AktivWirft)
            throw std::runtime_error("kaputt");
        const bool a = Aktiv.front();
        if (Aktiv.size() > 1)
            Aktiv.erase(Aktiv.begin());
        return a;
    }

private:
    bool Melden(const std::string& AAufruf) {
        FProtokoll.Ereignisse.push_back(Name() + "." + AAufruf);
        return Ergebnis;
    }
    TProtokoll& FProtokoll;
};

class TFakePlattform : public TScreenReaderPlattform {
public:
    TFakePlattform(TProtokoll& AProtokoll, std::vector<TFakeDriver*>& ATreiber, bool AVorbereitet,
                   bool AZweiterWirft)
        : FProtokoll(AProtokoll), FTreiber(ATreiber), FVorbereitet(AVorbereitet),
          FZweiterWirft(AZweiterWirft) {}

    bool Vorbereiten() override {
        FProtokoll.Ereignisse.push_back("Vorbereiten");
        return FVorbereitet;
    }
    void Freigeben() override { FProtokoll.Ereignisse.push_back("Freigeben"); }
    TScreenReaderDriverListe TreiberErzeugen() override {
        FProtokoll.Ereignisse.push_back("Erzeugen");
        TScreenReaderDriverListe Liste;
        for (const char* Name : {"JAWS", "NVDA"}) {
            if (FZweiterWirft && !Liste.empty())
                throw std::runtime_error("kein zweiter Treiber");
            auto t = std::make_unique<TFakeDriver>(Name, FProtokoll);
            FTreiber.push_back(t.get());
            Liste.push_back(std::move(t));
        }
        return Liste;
    }

private:
    TProtokoll& FProtokoll;
    std::vector<TFakeDriver*>& FTreiber;
    bool FVorbereitet;
    bool FZweiterWirft;
};

class TolkSRDTest : public ::testing::Test {
protected:
    std::unique_ptr<TTolkSRD> Erzeugen(bool AVorbereitet = true, bool AZweiterWirft = false) {
        return std::make_unique<TTolkSRD>(
            std::make_unique<TFakePlattform>(Protokoll, Treiber, AVorbereitet, AZweiterWirft));
    }
    void Laden() {
        Tolk = Erzeugen();
        Tolk->Load();
        Protokoll.Ereignisse.clear();
    }
    TFakeDriver& Jaws() { return *Treiber.at(0); }
    TFakeDriver& Nvda() { return *Treiber.at(1); }

    TProtokoll Protokoll;
    std::vector<TFakeDriver*> Treiber;
    std::unique_ptr<TTolkSRD> Tolk;
};

TEST_F(TolkSRDTest, EmptyTextFailsWithoutAskingAnyDriver) {
    Laden();
    Jaws().Aktiv = {true};
    EXPECT_FALSE(Tolk->Output("", false));
    EXPECT_FALSE(Tolk->Speak("", true));
    EXPECT_FALSE(Tolk->Braille(""));
    EXPECT_TRUE(Protokoll.Ereignisse.empty());
}

TEST_F(TolkSRDTest, EveryCallDetectsAnewAndAsksTheChosenDriverTwice) {
    Laden();
    Nvda().Aktiv = {true};
    EXPECT_TRUE(Tolk->Output("Kurztext:", false));
    EXPECT_EQ(Protokoll.Ereignisse, (std::vector<std::string>{"JAWS.IsActive", "NVDA.IsActive",
                                                              "NVDA.IsActive", "NVDA.Output Kurztext:"}));
    // JAWS started meanwhile: the next call goes to it, with nothing remembered from before.
    Jaws().Aktiv = {true};
    Protokoll.Ereignisse.clear();
    EXPECT_TRUE(Tolk->Speak("Von:", true));
    EXPECT_EQ(Protokoll.Ereignisse,
              (std::vector<std::string>{"JAWS.IsActive", "JAWS.IsActive", "JAWS.Speak Von: !"}));
}

TEST_F(TolkSRDTest, FirstDriverWinsWhenBothRun) {
    Laden();
    Jaws().Aktiv = {true};
    Nvda().Aktiv = {true};
    EXPECT_EQ(Tolk->DetectScreenReader(), "JAWS");
    EXPECT_TRUE(Tolk->Braille("Datum:"));
    EXPECT_TRUE(Tolk->Silence());
    EXPECT_TRUE(Tolk->Stop());
    for (const auto& e : Protokoll.Ereignisse)
        EXPECT_EQ(e.rfind("NVDA", 0), std::string::npos) << e;
}

TEST_F(TolkSRDTest, ForwardsEveryOperationAndItsResult) {
    Laden();
    Nvda().Aktiv = {true};
    Nvda().Ergebnis = false;
    EXPECT_FALSE(Tolk->Output("a", false));
    EXPECT_FALSE(Tolk->Speak("b", false));
    EXPECT_FALSE(Tolk->Braille("c"));
    EXPECT_FALSE(Tolk->IsSpeaking());
    EXPECT_FALSE(Tolk->Silence());
    Nvda().Ergebnis = true;
    EXPECT_TRUE(Tolk->IsSpeaking());
    EXPECT_NE(std::find(Protokoll.Ereignisse.begin(), Protokoll.Ereignisse.end(), "NVDA.Braille c"),
              Protokoll.Ereignisse.end());
}

TEST_F(TolkSRDTest, NoScreenReaderMakesEveryCallFail) {
    Laden();
    EXPECT_EQ(Tolk->DetectScreenReader(), "");
    EXPECT_FALSE(Tolk->Output("Tage:", false));
    EXPECT_FALSE(Tolk->Speak("Tage:", false));
    EXPECT_FALSE(Tolk->Braille("Tage:"));
    EXPECT_FALSE(Tolk->IsSpeaking());
    EXPECT_FALSE(Tolk->Silence());
    EXPECT_FALSE(Tolk->HasSpeech());
    EXPECT_FALSE(Tolk->HasBraille());
}

TEST_F(TolkSRDTest, ScreenReaderGoneAtTheSecondQuestionCountsAsNone) {
    Laden();
    Jaws().Aktiv = {true, false};
    EXPECT_EQ(Tolk->DetectScreenReader(), "");
    EXPECT_EQ(Protokoll.Anfragen("NVDA"), 0);
    EXPECT_FALSE(Tolk->Output("Name:", false));
}

TEST_F(TolkSRDTest, ExceptionsDuringDetectionAreSwallowed) {
    Laden();
    Jaws().AktivWirft = true;
    Nvda().Aktiv = {true};
    EXPECT_EQ(Tolk->DetectScreenReader(), "");
    EXPECT_FALSE(Tolk->Output("Name:", false));
    EXPECT_FALSE(Tolk->HasSpeech());
}

TEST_F(TolkSRDTest, HasSpeechAndHasBrailleAreTheChosenDriversFlags) {
    Laden();
    Nvda().Aktiv = {true};
    EXPECT_TRUE(Tolk->HasBraille());
    Jaws().Aktiv = {true};
    EXPECT_FALSE(Tolk->HasBraille());
    EXPECT_TRUE(Tolk->HasSpeech());
}

TEST_F(TolkSRDTest, NotLoadedDetectsNothing) {
    Tolk = Erzeugen();
    EXPECT_FALSE(Tolk->IsLoaded());
    EXPECT_EQ(Tolk->DetectScreenReader(), "");
    EXPECT_FALSE(Tolk->Output("x", false));
    Tolk->Unload();
    EXPECT_TRUE(Protokoll.Ereignisse.empty());
}

TEST_F(TolkSRDTest, LoadTwiceCreatesOnceAndUnloadFreesInOrderAndBalances) {
    Tolk = Erzeugen();
    Tolk->Load();
    Tolk->Load();
    EXPECT_TRUE(Tolk->IsLoaded());
    EXPECT_EQ(Protokoll.Ereignisse, (std::vector<std::string>{"Vorbereiten", "Erzeugen"}));
    Protokoll.Ereignisse.clear();
    Tolk->Unload();
    Tolk->Unload();
    EXPECT_FALSE(Tolk->IsLoaded());
    EXPECT_EQ(Protokoll.Ereignisse, (std::vector<std::string>{"JAWS.frei", "NVDA.frei", "Freigeben"}));
}

TEST_F(TolkSRDTest, FailedPreparationIsNotBalanced) {
    Tolk = Erzeugen(false);
    Tolk->Load();
    Tolk.reset();
    EXPECT_EQ(Protokoll.Ereignisse,
              (std::vector<std::string>{"Vorbereiten", "Erzeugen", "JAWS.frei", "NVDA.frei"}));
}

TEST_F(TolkSRDTest, FailedLoadIsUndoneAndPropagates) {
    Tolk = Erzeugen(true, true);
    EXPECT_THROW(Tolk->Load(), std::runtime_error);
    EXPECT_FALSE(Tolk->IsLoaded());
    EXPECT_EQ(Protokoll.Ereignisse,
              (std::vector<std::string>{"Vorbereiten", "Erzeugen", "JAWS.frei", "Freigeben"}));
    EXPECT_EQ(Tolk->DetectScreenReader(), "");
}

} // namespace
