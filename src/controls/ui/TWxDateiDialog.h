#pragma once

// The system's file dialogs (wxFileDialog) behind TDateiDialog.

#include "controls/TDateiDialog.h"

class wxWindow;

class TWxDateiDialog : public TDateiDialog {
public:
    explicit TWxDateiDialog(wxWindow* AOwner) : FOwner(AOwner) {}
    bool Oeffnen(const TDateiDialogWahl& AWahl, std::string& ADatei) override;
    bool Speichern(TDateiDialogWahl& AWahl, std::string& ADatei) override;

private:
    wxWindow* FOwner;
};
