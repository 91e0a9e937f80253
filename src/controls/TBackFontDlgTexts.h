#pragma once

// The texts of the font and colour dialog. Every field may be left empty; an empty field (and an
// empty colour name) takes its default (MitStandardTexten). "%d" and "%s" in them are filled in
// order; nothing else in them is interpreted.

#include <string>

#include "controls/TColors.h"

struct TBackFontDlgTexts {
    std::string WindowCaption;
    std::string FontColumnCaption;
    std::string FontSizeCaption; // %d-%d: smallest and largest size
    std::string BoldCaption;
    std::string PreviewText;
    std::string OkCaption;
    std::string CancelCaption;
    std::string InsertCaption;
    std::string CopyCaption;
    std::string SelectAllCaption;
    std::string BackgroundSuffix;
    std::string EqualColorsQuestion;
    std::string TolkFontName;  // %s: the font row
    std::string TolkFontColor; // %s: the colour
    std::string TolkFontSize;  // %d, %d, %s: smallest size, largest size, the size field's text
    std::string TolkBackColor; // %s: the colour with its suffix
    TBackFontDlgColorNames ColorNames;
};

// ATexts with every empty field replaced by its default.
TBackFontDlgTexts MitStandardTexten(TBackFontDlgTexts ATexts);
