#pragma once

// The period box and the day list without a screen: the text front end drives the day-list
// behaviour through this, as the main window does through its controls.

#include <cstdint>
#include <string>

#include "views/TTageslisteSteuerung.h"

class TSpeicherSteuerung : public TTageslisteSteuerung {
public:
    // Types a period label into the box, as the user does before Enter.
    void PeriodeEintippen(const std::string& AText) {
        FText = AText;
        FIndex = -1;
    }

    void PeriodenLaden(const TPeriodenliste& APerioden) override {
        FPerioden = &APerioden;
        FIndex = -1;
    }
    std::string PeriodenText() const override { return FText; }
    std::int32_t PeriodenIndex() const override { return FIndex; }
    void PeriodeWaehlen(std::int32_t ANr) override {
        FIndex = ANr;
        FText = (*FPerioden)[ANr].Name;
    }
    void PeriodenTextMarkieren() override {}
    void PeriodenFokus() override {}

    void ZeilenErsetzen(const TZeilenliste&) override { FZeile = -1; }
    std::int32_t ZeilenIndex() const override { return FZeile; }
    void ZeileWaehlen(std::int32_t ANr) override { FZeile = ANr; }
    void ZeilenFokus() override {}
    // The text front end always acts on its lines.
    bool ZeilenHatFokus() const override { return true; }

    // A terminal has no beep worth sounding; a failed period is reported by the caller.
    void Piep() override {}

private:
    const TPeriodenliste* FPerioden = nullptr;
    std::string FText;
    std::int32_t FIndex = -1;
    std::int32_t FZeile = -1;
};
