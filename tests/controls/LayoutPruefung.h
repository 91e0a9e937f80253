#pragma once

// What the window tests check of a dialog's controls as GTK laid them out: buttons of one size and
// at least AMinBreite wide, every control inside its frame, none over another. Each fault is written
// to standard error as "FAIL <name>: ..."; the result says whether there was none.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <wx/button.h>
#include <wx/window.h>

#include "controls/ui/WxText.h"

// One line of the test program's report.
inline void Zeile(const std::string& AText) {
    std::fprintf(stderr, "%s\n", AText.c_str());
}
inline std::string Klasse(const wxWindow& AControl) {
    return Utf8(AControl.GetClassInfo()->GetClassName());
}
inline std::string Masse(const wxSize& AGroesse) {
    return std::to_string(AGroesse.x) + "x" + std::to_string(AGroesse.y);
}

class TLayoutPruefung {
public:
    explicit TLayoutPruefung(std::string AName) : FName(std::move(AName)) {}

    void Fehler(const std::string& AText) {
        Zeile("FAIL " + FName + ": " + AText);
        FOkS = false;
    }
    bool OkS() const { return FOkS; }
    void Bestanden(const std::string& AText) const { Zeile("PASS " + FName + ": " + AText); }

    // The shown children of AEltern (no other windows) are checked against ARahmen, in the parent's
    // coordinates; AFrei says what lies outside ARahmen ("the window", "the pane").
    void ControlsPruefen(wxWindow& AEltern, const wxRect& ARahmen, const std::string& AFrei, int AMinBreite) {
        FControls.clear();
        FSchalter.clear();
        for (wxWindow* Kind : AEltern.GetChildren()) {
            if (!Kind->IsTopLevel() && Kind->IsShown()) {
                FControls.push_back(Kind);
                if (auto* Knopf = dynamic_cast<wxButton*>(Kind)) {
                    FSchalter.push_back(Knopf);
                }
            }
        }
        for (wxButton* Knopf : FSchalter) {
            if (Knopf->GetSize() != FSchalter.front()->GetSize() || Knopf->GetSize().x < AMinBreite) {
                Fehler("button " + Utf8(Knopf->GetLabelText()) + " is " + Masse(Knopf->GetSize()));
            }
        }
        for (std::size_t i = 0; i < FControls.size(); ++i) {
            const wxRect Lage = FControls[i]->GetRect();
            if (!ARahmen.Contains(Lage)) {
                Fehler(Klasse(*FControls[i]) + " leaves " + AFrei);
            }
            for (std::size_t j = i + 1; j < FControls.size(); ++j) {
                if (Lage.Intersects(FControls[j]->GetRect())) {
                    Fehler(Klasse(*FControls[i]) + " lies over " + Klasse(*FControls[j]));
                }
            }
        }
    }
    const std::vector<wxWindow*>& Controls() const { return FControls; }
    wxSize Schaltergroesse() const { return FSchalter.empty() ? wxSize() : FSchalter.front()->GetSize(); }

private:
    std::string FName;
    bool FOkS = true;
    std::vector<wxWindow*> FControls;
    std::vector<wxButton*> FSchalter;
};
