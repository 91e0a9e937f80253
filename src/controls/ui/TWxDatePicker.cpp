#include "controls/ui/TWxDatePicker.h"

#include <wx/spinbutt.h>
#include <wx/utils.h>

TWxDatePicker::TWxDatePicker(wxWindow* AParent, wxWindowID AId) : wxTextCtrl(AParent, AId), FAnzeige(*this) {
    FUpDown =
        new wxSpinButton(AParent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL | wxSP_WRAP);
    FUpDown->SetRange(0, 1);
    FUpDown->SetCanFocus(false);
    Bind(wxEVT_KEY_DOWN, &TWxDatePicker::OnKeyDown, this);
    Bind(wxEVT_CHAR, &TWxDatePicker::OnChar, this);
    Bind(wxEVT_SET_FOCUS, &TWxDatePicker::OnSetFocus, this);
    Bind(wxEVT_KILL_FOCUS, &TWxDatePicker::OnKillFocus, this);
    Bind(wxEVT_LEFT_UP, &TWxDatePicker::OnMausLos, this);
    FUpDown->Bind(wxEVT_SPIN_UP, &TWxDatePicker::OnSpin, this);
    FUpDown->Bind(wxEVT_SPIN_DOWN, &TWxDatePicker::OnSpin, this);
    NachGeometrie();
}

TWxDatePicker::~TWxDatePicker() {
    FUpDown->Destroy();
}

TDateTime TWxDatePicker::Datum() {
    const TDateTime Ergebnis = FPicker.Datum();
    Zeigen();
    return Ergebnis;
}

void TWxDatePicker::SetDatum(TDateTime ADatum) {
    FPicker.SetDatum(ADatum);
    Zeigen();
}

void TWxDatePicker::SetMinDatum(TDateTime AWert) {
    FPicker.SetMinDatum(AWert);
    Zeigen();
}

void TWxDatePicker::SetMaxDatum(TDateTime AWert) {
    FPicker.SetMaxDatum(AWert);
    Zeigen();
}

void TWxDatePicker::SetMarkiereNr(int ANr) {
    FPicker.SetMarkiereNr(ANr);
    Zeigen();
}

void TWxDatePicker::Markiere(bool AMerkeS) {
    FPicker.Markiere(AMerkeS);
    Zeigen();
}

void TWxDatePicker::CheckEingabe() {
    FPicker.CheckEingabe();
    Zeigen();
}

void TWxDatePicker::SetReadOnly(bool AReadOnlyS) {
    FPicker.SetReadOnlyS(AReadOnlyS);
    SetEditable(!AReadOnlyS);
}

int TWxDatePicker::Width() const {
    return GetSize().x + FUpDown->GetSize().x;
}

void TWxDatePicker::SetTop(int AWert) {
    Move(GetPosition().x, AWert);
    NachGeometrie();
}

void TWxDatePicker::SetLeft(int AWert) {
    Move(AWert, GetPosition().y);
    NachGeometrie();
}

void TWxDatePicker::SetWidth(int AWert) {
    SetSize(AWert - FUpDown->GetSize().x, -1);
    NachGeometrie();
}

void TWxDatePicker::Bounds(int ATop, int ALeft, int AWidth) {
    SetTop(ATop);
    SetLeft(ALeft);
    SetWidth(AWidth);
    SetMarkiereNr(TDatePicker::FeldTag);
}

void TWxDatePicker::NachGeometrie() {
    const wxRect Feld = GetRect();
    FUpDown->SetSize(Feld.GetRight() + 1, Feld.y, -1, Feld.height);
    FPicker.NachGeometrie();
    Zeigen();
}

void TWxDatePicker::Zeigen() {
    FAnzeige.Zeigen(FPicker.Text(), FPicker.SelStart(), FPicker.SelLaenge());
}

void TWxDatePicker::Antwort(bool APiepS) {
    Zeigen();
    if (APiepS) {
        wxBell();
    }
}

void TWxDatePicker::OnKeyDown(wxKeyEvent& AEvent) {
    using T = TDatePicker::TTaste;
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
        Antwort(FPicker.UpDown(TDatePicker::TRichtung::Auf));
        break;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        Antwort(FPicker.UpDown(TDatePicker::TRichtung::Ab));
        break;
    default:
        AEvent.Skip();
    }
}

void TWxDatePicker::OnChar(wxKeyEvent& AEvent) {
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

void TWxDatePicker::OnSetFocus(wxFocusEvent& AEvent) {
    AEvent.Skip();
    if (FEnterHandler) {
        FEnterHandler(FPicker);
    } else {
        FPicker.Enter();
    }
    FAnzeige.FokusErhalten(FPicker.Text(), FPicker.SelStart(), FPicker.SelLaenge());
}

void TWxDatePicker::OnKillFocus(wxFocusEvent& AEvent) {
    AEvent.Skip();
    FPicker.Exit();
    FAnzeige.FokusVerloren(FPicker.Text(), FPicker.SelStart(), FPicker.SelLaenge());
}

void TWxDatePicker::OnMausLos(wxMouseEvent& AEvent) {
    AEvent.Skip();
    // GTK places the caret while it handles the release; the field is chosen afterwards.
    CallAfter([this] {
        FPicker.MausLos(static_cast<int>(GetInsertionPoint()));
        Zeigen();
    });
}

void TWxDatePicker::OnSpin(wxSpinEvent& AEvent) {
    // The up-down's own position never changes; it only gives the direction.
    AEvent.Veto();
    Antwort(FPicker.UpDown(AEvent.GetEventType() == wxEVT_SPIN_UP ? TDatePicker::TRichtung::Auf
                                                                  : TDatePicker::TRichtung::Ab));
}
