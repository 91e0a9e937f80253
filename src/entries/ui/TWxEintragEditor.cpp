#include "entries/ui/TWxEintragEditor.h"

#include <utility>

#include "entries/ui/TWxNeuForm.h"
#include "platform/TMeldungsPort.h"

TWxEintragEditor::TWxEintragEditor(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont,
                                   const TFarbe& AAktBackColor, TDateiDialog& ADateiDialog,
                                   std::string ASoundOrdner)
    : FOwner(AOwner), FTolk(ATolk), FAktFont(AAktFont), FAktBackColor(AAktBackColor),
      FDateiDialog(ADateiDialog), FSoundOrdner(std::move(ASoundOrdner)) {}

TWxNeuForm* TWxEintragEditor::Form() {
    if (FForm == nullptr) {
        if (TMeldungsPort* Port = TMeldungsPort::Aktiv()) {
            FForm = new TWxNeuForm(FOwner, FTolk, FAktFont, FAktBackColor, *Port, FDateiDialog, FSoundOrdner);
        }
    }
    return FForm;
}

bool TWxEintragEditor::Neu(const TDaten& ARefDaten, TTag AVon) {
    TWxNeuForm* Dlg = Form();
    return Dlg != nullptr && Dlg->Neu(ARefDaten, AVon) == TWxNeuForm::TErgebnis::Ok;
}

bool TWxEintragEditor::Bearbeiten(const TDaten& ARefDaten, const TTagClass& ATagClass, TTag AVonMin,
                                  TTag AVonMax, bool AEinzigerLaufS) {
    TWxNeuForm* Dlg = Form();
    return Dlg != nullptr && Dlg->Bearbeiten(ARefDaten, ATagClass, AVonMin, AVonMax, AEinzigerLaufS) ==
                                 TWxNeuForm::TErgebnis::Ok;
}

// The results are read only after Neu or Bearbeiten returned true, so the dialog exists.
TTagClass TWxEintragEditor::Datensatz() {
    return FForm->Datensatz();
}

int TWxEintragEditor::ModifyNr() {
    return FForm->ModifyNr();
}

bool TWxEintragEditor::AktuellerS() const {
    return FForm->AktuellerS();
}

bool TWxEintragEditor::AlleS() const {
    return FForm->AlleS();
}
