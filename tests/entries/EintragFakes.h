#pragma once

// Fakes for the entry commands: message boxes answered from a script (TSkriptMeldungen), and the
// entry editor as the real editor behaviour (TNeuForm) with the user's input given as a function,
// so that the commands meet the editor's own questions and results.

#include <functional>

#include "entries/TEintragEditor.h"
#include "entries/TNeuForm.h"
#include "platform/TSkriptMeldungen.h"

// The editor: set up as the window sets it up, the input applied to its fields, then OK pressed
// once. A dialog that would stay open (a question answered with Abbrechen) counts as cancelled.
class TFakeEditor : public TEintragEditor, private TNeuFormAnsicht {
public:
    TNeuForm Form;
    std::function<void(TNeuForm::TFelder&)> Eingabe;
    int Gezeigt = 0;
    TNeuForm::TGrenzen GezeigteGrenzen;
    TNeuForm::TFelder GezeigteFelder;

    explicit TFakeEditor(TMeldungsPort& APort) : FPort(APort) {}

    bool Neu(const TDaten& ARefDaten, TTag AVon) override {
        Form.NeuEinrichten(&ARefDaten, AVon);
        return Zeigen();
    }
    bool Bearbeiten(const TDaten& ARefDaten, const TTagClass& ATagClass, TTag AVonMin, TTag AVonMax,
                    bool AEinzigerLaufS) override {
        Form.BearbeitenEinrichten(&ARefDaten, ATagClass, AVonMin, AVonMax, AEinzigerLaufS);
        return Zeigen();
    }
    TTagClass Datensatz() override { return Form.Datensatz(); }
    int ModifyNr() override { return Form.ModifyNr(); }
    bool AktuellerS() const override { return Form.AktuellerS; }
    bool AlleS() const override { return Form.AlleS; }

private:
    TMeldungsPort& FPort;

    bool Zeigen() {
        ++Gezeigt;
        GezeigteGrenzen = Form.Grenzen;
        GezeigteFelder = Form.Felder;
        if (Eingabe) {
            Eingabe(Form.Felder);
        }
        return Form.Schliessen(true, FPort, *this) == TNeuForm::TSchluss::Ok;
    }
    void Fokus(TNeuFeld, bool) override {}
};
