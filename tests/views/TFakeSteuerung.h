#pragma once

// The period box and the day list as plain state, with a record of focus moves and beeps.

#include <stdexcept>
#include <string>
#include <vector>

#include "views/TPeriodenliste.h"
#include "views/TTageslisteSteuerung.h"
#include "views/TZeile.h"

class TFakeSteuerung : public TTageslisteSteuerung {
public:
    std::vector<std::string> Perioden;
    std::string Text;
    std::int32_t PeriodenNr = -1;
    bool TextMarkiert = false;
    std::vector<std::string> Zeilen;
    std::int32_t ZeilenNr = -1;
    std::string Fokus;
    int Pieps = 0;
    // Replacing the lines fails (as when memory runs out).
    bool ErsetzenWirftS = false;

    void PeriodenLaden(const TPeriodenliste& APerioden) override {
        Perioden.clear();
        for (std::int32_t i = 0; i < APerioden.Count(); ++i) {
            Perioden.push_back(APerioden[i].Name);
        }
        PeriodenNr = -1;
    }
    std::string PeriodenText() const override { return Text; }
    std::int32_t PeriodenIndex() const override { return PeriodenNr; }
    void PeriodeWaehlen(std::int32_t ANr) override {
        PeriodenNr = ANr;
        Text = Perioden.at(ANr);
    }
    void PeriodenTextMarkieren() override { TextMarkiert = true; }
    void PeriodenFokus() override { Fokus = "Perioden"; }
    void ZeilenErsetzen(const TZeilenliste& AZeilen) override {
        if (ErsetzenWirftS) {
            throw std::runtime_error("Zu wenig Speicher.");
        }
        Zeilen.clear();
        for (const auto& z : AZeilen) {
            Zeilen.push_back(z.Text);
        }
        ZeilenNr = -1;
    }
    std::int32_t ZeilenIndex() const override { return ZeilenNr; }
    void ZeileWaehlen(std::int32_t ANr) override { ZeilenNr = ANr; }
    void ZeilenFokus() override { Fokus = "Zeilen"; }
    bool ZeilenHatFokus() const override { return Fokus == "Zeilen"; }
    void Piep() override { ++Pieps; }

    // The user types into the period box.
    void Tippen(const std::string& S) {
        Text = S;
        PeriodenNr = -1;
    }
    std::string Aktuell() const { return ZeilenNr >= 0 ? Zeilen.at(ZeilenNr) : std::string(); }
};
