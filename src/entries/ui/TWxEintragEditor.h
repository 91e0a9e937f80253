#pragma once

// The entry editor of the main window's entry commands: the editor dialog, created at its first
// use with the main window as its owner (which destroys it) and set up anew for every command.

#include <string>

#include "entries/TEintragEditor.h"
#include "settings/TSchrift.h"

class TDateiDialog;
class TTolkSRD;
class TWxNeuForm;
class wxWindow;

class TWxEintragEditor : public TEintragEditor {
public:
    // The owner, the screen reader, font and colour and the file dialog outlive this object; sound
    // files are chosen in ASoundOrdner when an entry names none.
    TWxEintragEditor(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont, const TFarbe& AAktBackColor,
                     TDateiDialog& ADateiDialog, std::string ASoundOrdner);
    TWxEintragEditor(const TWxEintragEditor&) = delete;
    TWxEintragEditor& operator=(const TWxEintragEditor&) = delete;

    bool Neu(const TDaten& ARefDaten, TTag AVon) override;
    bool Bearbeiten(const TDaten& ARefDaten, const TTagClass& ATagClass, TTag AVonMin, TTag AVonMax,
                    bool AEinzigerLaufS) override;
    TTagClass Datensatz() override;
    int ModifyNr() override;
    bool AktuellerS() const override;
    bool AlleS() const override;

private:
    wxWindow* FOwner;
    TTolkSRD& FTolk;
    const TSchrift& FAktFont;
    const TFarbe& FAktBackColor;
    TDateiDialog& FDateiDialog;
    const std::string FSoundOrdner;
    TWxNeuForm* FForm = nullptr;

    // The dialog; null when no message boxes can be shown, so that no editor can be either.
    TWxNeuForm* Form();
};
