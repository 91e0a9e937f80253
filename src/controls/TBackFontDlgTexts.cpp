#include "controls/TBackFontDlgTexts.h"

namespace {

void Vorgabe(std::string& AFeld, const char* AStandard) {
    if (AFeld.empty()) {
        AFeld = AStandard;
    }
}

} // namespace

TBackFontDlgTexts MitStandardTexten(TBackFontDlgTexts ATexts) {
    Vorgabe(ATexts.WindowCaption, "Schrifteinstellungen");
    Vorgabe(ATexts.FontColumnCaption, "Schriftart");
    Vorgabe(ATexts.FontSizeCaption, "Schrift&größe (%d-%d):");
    Vorgabe(ATexts.BoldCaption, "&Fett");
    Vorgabe(ATexts.PreviewText, "Das ist eine Vorschau, wie der Text aussehen wird.");
    Vorgabe(ATexts.OkCaption, "O&K");
    Vorgabe(ATexts.CancelCaption, "&Abbrechen");
    Vorgabe(ATexts.InsertCaption, "Einfügen");
    Vorgabe(ATexts.CopyCaption, "&Kopieren");
    Vorgabe(ATexts.SelectAllCaption, "Alles &markieren");
    Vorgabe(ATexts.BackgroundSuffix, " (Hintergrund)");
    Vorgabe(ATexts.EqualColorsQuestion,
            "Schriftfarbe und Hintergrundfarbe sind identisch!\nSoll trotzdem fortgesetzt werden?");
    Vorgabe(ATexts.TolkFontName, "Schriftart: %s");
    Vorgabe(ATexts.TolkFontColor, "Schriftfarbe: %s");
    Vorgabe(ATexts.TolkFontSize, "Schriftgröße (%d bis %d): %s");
    Vorgabe(ATexts.TolkBackColor, "Hintergrundfarbe: %s");
    for (std::size_t i = 0; i < ATexts.ColorNames.size(); ++i) {
        Vorgabe(ATexts.ColorNames[i], TColors::StandardNamen()[i].c_str());
    }
    return ATexts;
}
