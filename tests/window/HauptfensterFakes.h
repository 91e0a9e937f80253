#pragma once

// Fakes of what the main window's behaviour needs from its window and its message boxes, shared
// by the tests that drive TForm1.

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/TSkriptMeldungen.h"
#include "window/THauptfensterAnsicht.h"

// The window as plain state: caption, status text, font, size and state, recent-file entries,
// splash calls.
class TFakeAnsicht : public THauptfensterAnsicht {
public:
    std::string Titel;
    std::string Status;
    int Statuswechsel = 0;
    int Schriftzuweisungen = 0;
    TSchrift Schrift;
    TFarbe Hintergrund = 0;
    std::optional<TFensterlage> Lage = TFensterlage{fzNormal, 900, 1200};
    std::vector<std::string> History; // captions, Tag checked against the position
    int SplashGewartet = 0;
    int SplashFrei = 0;

    void TitelSetzen(const std::string& ATitel) override { Titel = ATitel; }
    std::string Statustext() const override { return Status; }
    void StatustextSetzen(const std::string& AText) override {
        Status = AText;
        ++Statuswechsel;
    }
    void SchriftartZuweisen(const TSchrift& AFont, TFarbe ABackColor) override {
        ++Schriftzuweisungen;
        Schrift = AFont;
        Hintergrund = ABackColor;
    }
    std::optional<TFensterlage> Fensterlage() const override { return Lage; }
    void FensterlageSetzen(const TFensterlage& ALage) override { Lage = ALage; }
    void MenueAktualisieren() override {}
    void HistoryMenueSetzen(const std::vector<THistoryMenuItem>& AEintraege) override {
        History.clear();
        for (const THistoryMenuItem& e : AEintraege) {
            EXPECT_EQ(e.Tag, static_cast<int>(History.size()));
            History.push_back(e.Caption);
        }
    }
    void SplashAbwarten() override { ++SplashGewartet; }
    void SplashFreigeben() override { ++SplashFrei; }

    // The menu dialogs: what each was shown with, and what it ends with (nothing: Abbrechen).
    TTag GeheDatumGezeigt = 0;
    std::optional<TTag> GeheDatumWahl;
    TSchrift SchriftGezeigt;
    std::optional<TSchrift> SchriftWahl;
    TFarbe HintergrundWahl = 0;
    int VortageGezeigt = 0;
    std::optional<int> VortageWahl;

    bool GeheDatumZeigen(TTag& ADatum) override {
        GeheDatumGezeigt = ADatum;
        return Antworten(GeheDatumWahl, ADatum);
    }
    bool SchriftDialogZeigen(TSchrift& AFont, TFarbe& ABackColor) override {
        SchriftGezeigt = AFont;
        if (!Antworten(SchriftWahl, AFont)) {
            return false;
        }
        ABackColor = HintergrundWahl;
        return true;
    }
    bool VortageZeigen(int& ATage) override {
        VortageGezeigt = ATage;
        return Antworten(VortageWahl, ATage);
    }

private:
    template <class T> static bool Antworten(const std::optional<T>& AWahl, T& AWert) {
        if (AWahl) {
            AWert = *AWahl;
        }
        return AWahl.has_value();
    }
};

// Records every message box; a question gets the prepared answer, which must be one of its buttons.
using TFakeMeldungen = TSkriptMeldungen;
