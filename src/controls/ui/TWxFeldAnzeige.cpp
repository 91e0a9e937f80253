#include "controls/ui/TWxFeldAnzeige.h"

#include <wx/textctrl.h>

#include "controls/ui/WxText.h"

namespace {
// See the header: longer than Orca takes for a focus change, shorter than it speaks the label.
constexpr int NachFokusMs = 400;
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
    Merken(AText, ASelStart, ASelLaenge);
    FNachFokus.Stop();
    Schreiben();
}

void TWxFeldAnzeige::FokusErhalten(const std::string& AText, int ASelStart, int ASelLaenge) {
    Merken(AText, ASelStart, ASelLaenge);
    FFokusS = true;
    FNachFokus.StartOnce(NachFokusMs);
}

void TWxFeldAnzeige::Merken(const std::string& AText, int ASelStart, int ASelLaenge) {
    FText = AText;
    FStart = ASelStart;
    FEnde = ASelStart + ASelLaenge;
}

void TWxFeldAnzeige::FokusVerloren(const std::string& AText, int ASelStart, int ASelLaenge) {
    Merken(AText, ASelStart, ASelLaenge);
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
        // Everything but the field first (keeping the field as shown), then the field removed with
        // a separator beside it and put back, the field last. Orca reads only the last removal:
        // it is never equal to the field that was selected (Orca would say "Auswahl gelöscht"),
        // and Backspace speaks it ("04.", not the whole text). Orca compares without blanks, so
        // the separator taken is not the trailing blank.
        std::string Vorher = FText;
        if (FGezeigt.size() == FText.size()) {
            Vorher.replace(FStart, FEnde - FStart, FGezeigt, FStart, FEnde - FStart);
        }
        FFeld.ChangeValue(Wx(Vorher));
        long Von = FStart;
        long Bis = FEnde;
        if (Bis < static_cast<long>(FText.size()) && FText[Bis] != ' ') {
            ++Bis;
        } else if (Von > 0) {
            --Von;
        }
        FFeld.Remove(Von, Bis);
        FFeld.SetInsertionPoint(Von);
        FFeld.WriteText(Wx(FText.substr(Von, FStart - Von) + FText.substr(FEnde, Bis - FEnde)));
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
