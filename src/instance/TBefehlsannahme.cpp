#include "instance/TBefehlsannahme.h"

#include <optional>
#include <utility>

TBefehlsannahme::TBefehlsannahme(TForm1& AForm, TBefehlsFenster& AFenster)
    : FForm(AForm), FFenster(AFenster) {}

bool TBefehlsannahme::AnnehmenS() const {
    return !FForm.Starting() && !FForm.IsClosing() && FFenster.FreiS();
}

void TBefehlsannahme::Ausfuehren(const TRegistrySettings& ABefehl) {
    if (!ABefehl.Parameters.empty()) {
        Parameter(ABefehl.Parameters);
    } else if (!ABefehl.SetFocus.empty()) {
        if (!FForm.IsClosing()) {
            FFenster.NachVorne();
        }
    } else if (!ABefehl.Close.empty()) {
        ProgramClose();
    }
}

void TBefehlsannahme::Parameter(const std::string& AText) {
    if (!AnnehmenS()) {
        return;
    }
    FFenster.NachVorne();
    const std::vector<std::string> Stuecke = SplitParameters(AText);
    if (!Stuecke.empty()) {
        FParameterFilename = Stuecke.front();
        FFenster.SendToStarten();
    }
}

void TBefehlsannahme::TimerSendToTimer() {
    // A dialog opened meanwhile, or the window is closing: the command is dropped.
    const std::string Filename = std::exchange(FParameterFilename, "");
    if (Filename.empty() || !AnnehmenS()) {
        return;
    }
    if (const std::optional<std::string> Datei = FForm.Dateien().Importziel(Filename)) {
        FForm.Dateien().ImportStarten(*Datei);
        return;
    }
    // The autostart of a login while the program runs: today's preview, as at a start.
    if (Filename == "/systemstartup") {
        FForm.UebergebeneVorschau();
        return;
    }
    FForm.Oeffne(Filename);
}

void TBefehlsannahme::ProgramClose() {
    // Closing from under an open dialog would pull the window away beneath it.
    if (AnnehmenS()) {
        FFenster.Beenden();
    }
}
