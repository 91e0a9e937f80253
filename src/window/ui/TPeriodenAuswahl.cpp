#include "window/ui/TPeriodenAuswahl.h"

#include <algorithm>

#include <wx/listbox.h>
#include <wx/sizer.h>

#include "controls/ui/GtkZugang.h"
#include "controls/ui/WxText.h"

namespace {

constexpr int SichtbareZeilen = 12;

} // namespace

TPeriodenAuswahl::TPeriodenAuswahl(wxWindow* AUnter, const wxArrayString& APerioden, int ANr)
    : wxDialog(AUnter, wxID_ANY, Wx("Zeitraum wählen"), wxDefaultPosition, wxDefaultSize, wxBORDER_SIMPLE) {
    FListe = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE);
    FListe->SetFont(AUnter->GetFont());
    ListeZugaenglich(*FListe, "Zeiträume");
    ListeErsetzen(*FListe, APerioden);

    const int Breite = std::max(AUnter->GetSize().GetWidth(), FListe->GetCharWidth() * 12);
    FListe->SetMinSize(wxSize(Breite, FListe->GetCharHeight() * 3 / 2 * SichtbareZeilen));
    auto* Rahmen = new wxBoxSizer(wxVERTICAL);
    Rahmen->Add(FListe, 1, wxEXPAND);
    SetSizerAndFit(Rahmen);
    Move(AUnter->ClientToScreen(wxPoint(0, AUnter->GetSize().GetHeight())));

    if (ANr >= 0 && ANr < static_cast<int>(APerioden.size())) {
        FListe->SetSelection(ANr);
        ListenCursorSetzen(*FListe, ANr);
        FListe->EnsureVisible(ANr);
    }
    FListe->SetFocus();
    FListe->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { Uebernehmen(); });
    // Alt with an arrow closes the list as it closes a drop-down list: with the line chosen.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& AEreignis) {
        const int Taste = AEreignis.GetKeyCode();
        const bool AltHoch = AEreignis.GetModifiers() == wxMOD_ALT && (Taste == WXK_UP || Taste == WXK_DOWN);
        if (Taste == WXK_RETURN || Taste == WXK_NUMPAD_ENTER || AltHoch) {
            Uebernehmen();
            return;
        }
        // A dialog without a cancel button leaves Escape alone.
        if (Taste == WXK_ESCAPE) {
            EndModal(wxID_CANCEL);
            return;
        }
        AEreignis.Skip();
    });
}

TPeriodenAuswahl::~TPeriodenAuswahl() {
    // A list destroyed with its lines removes them one by one, each told to the screen reader.
    ListeErsetzen(*FListe, wxArrayString());
}

void TPeriodenAuswahl::Uebernehmen() {
    FGewaehlt = FListe->GetSelection();
    EndModal(FGewaehlt >= 0 ? wxID_OK : wxID_CANCEL);
}
