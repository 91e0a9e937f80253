#include "instance/TBefehlsannahme.h"

#include <utility>

#include "model/Textvergleich.h"

namespace {

constexpr std::string_view ImportPraefix = "/I:";

bool IstImport(const std::string& AArgument) {
    return AArgument.size() >= ImportPraefix.size() &&
           GleichOhneGrossKlein(AArgument.substr(0, ImportPraefix.size()), ImportPraefix);
}

} // namespace

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
    if (IstImport(Filename)) {
        FForm.Dateien().ImportStarten(Filename.substr(ImportPraefix.size()));
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
