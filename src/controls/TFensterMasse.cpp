#include "controls/TFensterMasse.h"

#include <algorithm>

#include "info/RemoveAmpersands.h"

int TFensterMasse::ControlHeight(int AFontTextHeight, TControlArt AArt) {
    const int Basis = AFontTextHeight > 0 ? AFontTextHeight : 12;
    switch (AArt) {
    case TControlArt::Edit:
    case TControlArt::Kontrollkaestchen:
        return Basis + 8;
    case TControlArt::Button:
        return Basis + 12;
    case TControlArt::Statusleiste:
        return Basis + 6;
    case TControlArt::Sonstiges:
        break;
    }
    return Basis;
}

int TFensterMasse::SchalterBreite(const std::vector<std::string>& ACaptions,
                                  const TCaptionWidth& ACaptionWidth, int AMindestens) {
    int Breite = AMindestens;
    for (const std::string& Caption : ACaptions) {
        Breite = std::max(Breite, ACaptionWidth(RemoveAmpersands(Caption) + "MM"));
    }
    return Breite;
}

TRechteck TFensterMasse::Zentriert(const TRechteck& AOwner, int AWidth, int AHeight,
                                   const TRechteck& ABereich) {
    const int Left = AOwner.Left + (AOwner.Width - AWidth) / 2;
    const int Top = AOwner.Top + (AOwner.Height - AHeight) / 2;
    return {std::max(ABereich.Left, std::min(Left, ABereich.Right() - AWidth)),
            std::max(ABereich.Top, std::min(Top, ABereich.Bottom() - AHeight)), AWidth, AHeight};
}
