#include "window/TGeheDatumForm.h"

#include <algorithm>

#include "controls/TFensterMasse.h"
#include "info/RemoveAmpersands.h"

namespace {
constexpr int Rand = TFensterMasse::Rand;
constexpr int Leer = 5;
} // namespace

std::string TGeheDatumForm::Ansage() {
    return RemoveAmpersands(LabelCaption);
}

TGeheDatumForm::TLage TGeheDatumForm::Layout(const TMasse& AMasse) {
    TLage Lage;
    Lage.Picker = {Rand + AMasse.LabelWidth + Leer, Rand, 3 * AMasse.LabelWidth, AMasse.PickerHeight};
    Lage.Label = {Rand, Lage.Picker.Top + (AMasse.PickerHeight - AMasse.LabelHeight) / 2, AMasse.LabelWidth,
                  AMasse.LabelHeight};
    // A picker cut off at the right edge could not be read; with the program's captions three
    // button widths always hold it.
    Lage.ClientWidth = std::max(3 * AMasse.SchalterWidth, Lage.Picker.Right() + Rand);
    const int Links = (Lage.ClientWidth - 2 * AMasse.SchalterWidth) / 3;
    const int Oben = Lage.Picker.Bottom() + Rand;
    Lage.Ok = {Links, Oben, AMasse.SchalterWidth, AMasse.SchalterHeight};
    Lage.Abbrechen = {2 * Links + AMasse.SchalterWidth, Oben, AMasse.SchalterWidth, AMasse.SchalterHeight};
    Lage.ClientHeight = Lage.Ok.Bottom() + Rand;
    return Lage;
}
