#include "controls/ui/TWxFeldAnzeige.h"

#include <algorithm>

#include <wx/textctrl.h>

#include "controls/ui/WxText.h"

namespace {
// Orca handles a focus change within about 110 ms here; twice that leaves room on a busy machine.
constexpr int NachFokusMs = 200;
} // namespace

TWxFeldAnzeige::TWxFeldAnzeige(wxTextCtrl& AFeld) : FFeld(AFeld) {
    FFeld.Bind(wxEVT_TEXT, &TWxFeldAnzeige::OnText, this);
    FFeld.Bind(wxEVT_CONTEXT_MENU, [](wxContextMenuEvent&) {});
    FNachFokus.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Schreiben(); });
}

TWxFeldAnzeige::~TWxFeldAnzeige() {
    FFeld.Unbind(wxEVT_TEXT, &TWxFeldAnzeige::OnText, this);
}

void TWxFeldAnzeige::Zeigen(const std::string& AText, int ASelStart, int ASelLaenge) {
    FText = AText;
    FStart = ASelStart;
    FEnde = ASelStart + ASelLaenge;
    if (!FNachFokus.IsRunning()) {
        Schreiben();
    }
}

void TWxFeldAnzeige::FokusErhalten() {
    FFokusS = true;
    FNachFokus.StartOnce(NachFokusMs);
}

void TWxFeldAnzeige::FokusVerloren() {
    FFokusS = false;
    FNachFokus.Stop();
    Schreiben();
}

void TWxFeldAnzeige::Schreiben() {
    // Without the focus the field shows a caret only (see the header).
    const long Ende = FFokusS ? FEnde : FStart;
    if (FText == FGezeigt && FStart == FGezeigtStart && Ende == FGezeigtEnde) {
        return;
    }
    FEigeneS = true;
    if (FStart == FEnde) {
        FFeld.ChangeValue(Wx(FText));
    } else {
        // Everything but the field first (keeping the field as shown), then the field with the
        // character behind it removed and put back, the field last. Orca reads only the last
        // removal (for Backspace it speaks it: "04.", not the whole text) and the last insertion.
        std::string Vorher = FText;
        if (FGezeigt.size() == FText.size()) {
            Vorher.replace(FStart, FEnde - FStart, FGezeigt, FStart, FEnde - FStart);
        }
        FFeld.ChangeValue(Wx(Vorher));
        const long Bis = std::min<long>(FEnde + 1, static_cast<long>(FText.size()));
        FFeld.Remove(FStart, Bis);
        FFeld.SetInsertionPoint(FStart);
        FFeld.WriteText(Wx(FText.substr(FEnde, Bis - FEnde)));
        FFeld.SetInsertionPoint(FStart);
        FFeld.WriteText(Wx(FText.substr(FStart, FEnde - FStart)));
    }
    FEigeneS = false;
    FGezeigt = FText;
    FGezeigtStart = FStart;
    FGezeigtEnde = Ende;
    if (Ende == FStart) {
        FFeld.SetSelection(FStart, FStart + 1);
    }
    FFeld.SetSelection(FStart, Ende);
}

void TWxFeldAnzeige::OnText(wxCommandEvent&) {
    if (!FEigeneS && Utf8(FFeld.GetValue()) != FGezeigt) {
        FGezeigt.clear();
        Schreiben();
    }
}
