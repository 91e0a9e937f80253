#include "window/Fensterlayout.h"

#include <algorithm>

namespace {

constexpr int MindestBreite = 1000;
constexpr int MindestHoehe = 700;
constexpr int StartBreite = 1200;
constexpr int StartHoehe = 900;
constexpr int Rand = 20;

} // namespace

TFenstergroesse GroesseBegrenzen(int AArbeitsBreite, int AArbeitsHoehe) {
    return GroesseBegrenzen(AArbeitsBreite, AArbeitsHoehe, StartBreite, StartHoehe);
}

TFenstergroesse GroesseBegrenzen(int AArbeitsBreite, int AArbeitsHoehe, int ABreite, int AHoehe) {
    TFenstergroesse g;
    g.MinBreite = std::min(MindestBreite, AArbeitsBreite);
    g.MinHoehe = std::min(MindestHoehe, AArbeitsHoehe);
    g.Breite = std::max(std::min(ABreite, AArbeitsBreite), g.MinBreite);
    g.Hoehe = std::max(std::min(AHoehe, AArbeitsHoehe), g.MinHoehe);
    return g;
}

TRechteck FensterZentrieren(bool AMaximiertS, const TRechteck& AArbeitsbereich, int ABreite, int AHoehe) {
    if (AMaximiertS) {
        return {AArbeitsbereich.Left, AArbeitsbereich.Top, ABreite, AHoehe};
    }
    return {AArbeitsbereich.Left + (AArbeitsbereich.Width - ABreite) / 2,
            AArbeitsbereich.Top + (AArbeitsbereich.Height - AHoehe) / 2, ABreite, AHoehe};
}

TSchalterLayout SchalterEinrichten(int AClientBreite, int AStatusTop, int AStatusHoehe) {
    TSchalterLayout l;
    l.Combo.Height = std::max(0, 6 * AStatusHoehe);
    l.Combo.Width = std::max(0, AClientBreite / 5);
    l.Combo.Top = Rand;
    l.Combo.Left = (AClientBreite - l.Combo.Width) / 2;
    l.Liste.Top = l.Combo.Top + l.Combo.Height + Rand;
    l.Liste.Left = Rand;
    l.Liste.Width = std::max(0, AClientBreite - 2 * Rand);
    l.Liste.Height = std::max(0, AStatusTop - l.Liste.Top - Rand);
    return l;
}
