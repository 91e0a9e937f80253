#include "controls/ui/TWxTimePicker.h"

#include <wx/spinbutt.h>
#include <wx/utils.h>

TWxTimePicker::TWxTimePicker(wxWindow* AParent, wxWindowID AId) : wxTextCtrl(AParent, AId), FAnzeige(*this) {
    FUpDown =
        new wxSpinButton(AParent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL | wxSP_WRAP);
    FUpDown->SetRange(0, 1);
    FUpDown->SetCanFocus(false);
    Bind(wxEVT_KEY_DOWN, &TWxTimePicker::OnKeyDown, this);
    Bind(wxEVT_CHAR, &TWxTimePicker::OnChar, this);
    Bind(wxEVT_SET_FOCUS, &TWxTimePicker::OnSetFocus, this);
    Bind(wxEVT_KILL_FOCUS, &TWxTimePicker::OnKillFocus, this);
    Bind(wxEVT_LEFT_UP, &TWxTimePicker::OnMausLos, this);
    FUpDown->Bind(wxEVT_SPIN_UP, &TWxTimePicker::OnSpin, this);
    FUpDown->Bind(wxEVT_SPIN_DOWN, &TWxTimePicker::OnSpin, this);
    NachGeometrie();
}

TWxTimePicker::~TWxTimePicker() {
    FUpDown->Destroy();
}

TDateTime TWxTimePicker::Zeit() {
    const TDateTime Ergebnis = FPicker.Zeit();
    Zeigen();
    return Ergebnis;
}

void TWxTimePicker::SetZeit(TDateTime AZeit) {
    FPicker.SetZeit(AZeit);
    Zeigen();
}

void TWxTimePicker::SetSekundenAnzeigen(bool ASekundenAnzeigenS) {
    FPicker.SetSekundenAnzeigenS(ASekundenAnzeigenS);
    Zeigen();
}

void TWxTimePicker::SetMarkiereNr(int ANr) {
    FPicker.SetMarkiereNr(ANr);
    Zeigen();
}

void TWxTimePicker::Markiere(bool AMerkeS) {
    FPicker.Markiere(AMerkeS);
    Zeigen();
}

void TWxTimePicker::CheckEingabe() {
    FPicker.CheckEingabe();
    Zeigen();
}

void TWxTimePicker::SetReadOnly(bool AReadOnlyS) {
    FPicker.SetReadOnlyS(AReadOnlyS);
    SetEditable(!AReadOnlyS);
}

int TWxTimePicker::Width() const {
    return GetSize().x + FUpDown->GetSize().x;
}

void TWxTimePicker::SetTop(int AWert) {
    Move(GetPosition().x, AWert);
    NachGeometrie();
}

void TWxTimePicker::SetLeft(int AWert) {
    Move(AWert, GetPosition().y);
    NachGeometrie();
}

void TWxTimePicker::SetWidth(int AWert) {
    SetSize(AWert - FUpDown->GetSize().x, -1);
    NachGeometrie();
}

void TWxTimePicker::Bounds(int ATop, int ALeft, int AWidth) {
    SetTop(ATop);
    SetLeft(ALeft);
    SetWidth(AWidth);
    SetMarkiereNr(TTimePicker::FeldStunde);
}

void TWxTimePicker::NachGeometrie() {
    const wxRect Feld = GetRect();
    FUpDown->SetSize(Feld.GetRight() + 1, Feld.y, -1, Feld.height);
    FPicker.NachGeometrie();
    Zeigen();
}

void TWxTimePicker::Zeigen() {
    FAnzeige.Zeigen(FPicker.Text(), FPicker.SelStart(), FPicker.SelLaenge());
}

void TWxTimePicker::Antwort(bool APiepS) {
    Zeigen();
    if (APiepS) {
        wxBell();
    }
}

void TWxTimePicker::OnKeyDown(wxKeyEvent& AEvent) {
    using T = TTimePicker::TTaste;
    switch (AEvent.GetKeyCode()) {
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
        Antwort(FPicker.KeyDown(T::Links));
        break;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
        Antwort(FPicker.KeyDown(T::Rechts));
        break;
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
        Antwort(FPicker.KeyDown(T::Pos1));
        break;
    case WXK_END:
    case WXK_NUMPAD_END:
        Antwort(FPicker.KeyDown(T::Ende));
        break;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
        Antwort(FPicker.KeyDown(T::BildAuf));
        break;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
        Antwort(FPicker.KeyDown(T::BildAb));
        break;
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE:
        Antwort(FPicker.KeyDown(T::Entf));
        break;
    case WXK_UP:
    case WXK_NUMPAD_UP:
        Antwort(FPicker.UpDown(TTimePicker::TRichtung::Auf));
        break;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        Antwort(FPicker.UpDown(TTimePicker::TRichtung::Ab));
        break;
    default:
        AEvent.Skip();
    }
}

void TWxTimePicker::OnChar(wxKeyEvent& AEvent) {
    const int Taste = AEvent.GetKeyCode();
    // Focus moves, dialog keys and menu keys belong to the window.
    if (Taste == WXK_TAB || Taste == WXK_RETURN || Taste == WXK_NUMPAD_ENTER || Taste == WXK_ESCAPE ||
        AEvent.AltDown() || AEvent.GetUnicodeKey() == WXK_NONE) {
        AEvent.Skip();
        return;
    }
    // Everything else is consumed: clipboard keys (Ctrl+V, Ctrl+X) do nothing, and a digit with
    // Ctrl is no typing.
    if (AEvent.ControlDown()) {
        return;
    }
    Antwort(FPicker.Char(static_cast<char32_t>(AEvent.GetUnicodeKey())));
}

void TWxTimePicker::OnSetFocus(wxFocusEvent& AEvent) {
    AEvent.Skip();
    if (FEnterHandler) {
        FEnterHandler(FPicker);
    } else {
        FPicker.Enter();
    }
    FAnzeige.FokusErhalten(FPicker.Text(), FPicker.SelStart(), FPicker.SelLaenge());
}

void TWxTimePicker::OnKillFocus(wxFocusEvent& AEvent) {
    AEvent.Skip();
    FPicker.Exit();
    FAnzeige.FokusVerloren(FPicker.Text(), FPicker.SelStart(), FPicker.SelLaenge());
}

void TWxTimePicker::OnMausLos(wxMouseEvent& AEvent) {
    AEvent.Skip();
    // GTK places the caret while it handles the release; the field is chosen afterwards.
    CallAfter([this] {
        FPicker.MausLos(static_cast<int>(GetInsertionPoint()));
        Zeigen();
    });
}

void TWxTimePicker::OnSpin(wxSpinEvent& AEvent) {
    // The up-down's own position never changes; it only gives the direction.
    AEvent.Veto();
    Antwort(FPicker.UpDown(AEvent.GetEventType() == wxEVT_SPIN_UP ? TTimePicker::TRichtung::Auf
                                                                  : TTimePicker::TRichtung::Ab));
}
