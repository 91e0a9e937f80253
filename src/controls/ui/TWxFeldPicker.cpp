#include "controls/ui/TWxFeldPicker.h"

#include <wx/spinbutt.h>
#include <wx/utils.h>

#include "controls/TDatePicker.h"
#include "controls/TTimePicker.h"

template <class TPicker>
TWxFeldPicker<TPicker>::TWxFeldPicker(wxWindow* AParent, wxWindowID AId, int AErstesFeld)
    : wxTextCtrl(AParent, AId), FErstesFeld(AErstesFeld), FAnzeige(*this) {
    FUpDown =
        new wxSpinButton(AParent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL | wxSP_WRAP);
    FUpDown->SetRange(0, 1);
    FUpDown->SetCanFocus(false);
    Bind(wxEVT_KEY_DOWN, &TWxFeldPicker::OnKeyDown, this);
    Bind(wxEVT_CHAR, &TWxFeldPicker::OnChar, this);
    Bind(wxEVT_SET_FOCUS, &TWxFeldPicker::OnSetFocus, this);
    Bind(wxEVT_KILL_FOCUS, &TWxFeldPicker::OnKillFocus, this);
    Bind(wxEVT_LEFT_UP, &TWxFeldPicker::OnMausLos, this);
    FUpDown->Bind(wxEVT_SPIN_UP, &TWxFeldPicker::OnSpin, this);
    FUpDown->Bind(wxEVT_SPIN_DOWN, &TWxFeldPicker::OnSpin, this);
    NachGeometrie();
}

template <class TPicker> TWxFeldPicker<TPicker>::~TWxFeldPicker() {
    FUpDown->Destroy();
}

template <class TPicker> void TWxFeldPicker<TPicker>::SetMarkiereNr(int ANr) {
    FPicker.SetMarkiereNr(ANr);
    Zeigen();
}

template <class TPicker> void TWxFeldPicker<TPicker>::Markiere(bool AMerkeS) {
    FPicker.Markiere(AMerkeS);
    Zeigen();
}

template <class TPicker> void TWxFeldPicker<TPicker>::CheckEingabe() {
    FPicker.CheckEingabe();
    Zeigen();
}

template <class TPicker> void TWxFeldPicker<TPicker>::SetReadOnly(bool AReadOnlyS) {
    FPicker.SetReadOnlyS(AReadOnlyS);
    SetEditable(!AReadOnlyS);
}

template <class TPicker> int TWxFeldPicker<TPicker>::Width() const {
    return GetSize().x + FUpDown->GetSize().x;
}

template <class TPicker> void TWxFeldPicker<TPicker>::SetTop(int AWert) {
    Move(GetPosition().x, AWert);
    NachGeometrie();
}

template <class TPicker> void TWxFeldPicker<TPicker>::SetLeft(int AWert) {
    Move(AWert, GetPosition().y);
    NachGeometrie();
}

template <class TPicker> void TWxFeldPicker<TPicker>::SetWidth(int AWert) {
    SetSize(AWert - FUpDown->GetSize().x, -1);
    NachGeometrie();
}

template <class TPicker> void TWxFeldPicker<TPicker>::Bounds(int ATop, int ALeft, int AWidth) {
    SetTop(ATop);
    SetLeft(ALeft);
    SetWidth(AWidth);
    SetMarkiereNr(FErstesFeld);
}

template <class TPicker> void TWxFeldPicker<TPicker>::NachGeometrie() {
    const wxRect Feld = GetRect();
    FUpDown->SetSize(Feld.GetRight() + 1, Feld.y, -1, Feld.height);
    FPicker.NachGeometrie();
    Zeigen();
}

template <class TPicker> void TWxFeldPicker<TPicker>::Zeigen() {
    FAnzeige.Zeigen(FPicker.Text(), FPicker.SelStart(), FPicker.SelLaenge());
}

template <class TPicker> void TWxFeldPicker<TPicker>::Antwort(bool APiepS) {
    Zeigen();
    if (APiepS) {
        wxBell();
    }
}

template <class TPicker> void TWxFeldPicker<TPicker>::OnKeyDown(wxKeyEvent& AEvent) {
    using T = typename TPicker::TTaste;
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
        Antwort(FPicker.UpDown(TPicker::TRichtung::Auf));
        break;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        Antwort(FPicker.UpDown(TPicker::TRichtung::Ab));
        break;
    default:
        AEvent.Skip();
    }
}

template <class TPicker> void TWxFeldPicker<TPicker>::OnChar(wxKeyEvent& AEvent) {
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

template <class TPicker> void TWxFeldPicker<TPicker>::OnSetFocus(wxFocusEvent& AEvent) {
    AEvent.Skip();
    if (FEnterHandler) {
        FEnterHandler(FPicker);
    } else {
        FPicker.Enter();
    }
    FAnzeige.FokusErhalten(FPicker.Text(), FPicker.SelStart(), FPicker.SelLaenge());
}

template <class TPicker> void TWxFeldPicker<TPicker>::OnKillFocus(wxFocusEvent& AEvent) {
    AEvent.Skip();
    FPicker.Exit();
    FAnzeige.FokusVerloren(FPicker.Text(), FPicker.SelStart(), FPicker.SelLaenge());
}

template <class TPicker> void TWxFeldPicker<TPicker>::OnMausLos(wxMouseEvent& AEvent) {
    AEvent.Skip();
    // GTK places the caret while it handles the release; the field is chosen afterwards.
    CallAfter([this] {
        FPicker.MausLos(static_cast<int>(GetInsertionPoint()));
        Zeigen();
    });
}

template <class TPicker> void TWxFeldPicker<TPicker>::OnSpin(wxSpinEvent& AEvent) {
    // The up-down's own position never changes; it only gives the direction.
    AEvent.Veto();
    Antwort(FPicker.UpDown(AEvent.GetEventType() == wxEVT_SPIN_UP ? TPicker::TRichtung::Auf
                                                                  : TPicker::TRichtung::Ab));
}

template class TWxFeldPicker<TDatePicker>;
template class TWxFeldPicker<TTimePicker>;
