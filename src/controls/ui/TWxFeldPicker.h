#pragma once

// What the date and the time entry field share on wx: a single-line text field with an up-down
// control at its right edge (a sibling with the same parent, no Tab stop). It forwards keys,
// characters, focus and mouse-up to the behaviour class TPicker and shows its text and selection
// through TWxFeldAnzeige, which makes Orca speak the selected field; everything else is the
// behaviour class's. TWxDatePicker and TWxTimePicker add their values.

#include <functional>

#include <wx/textctrl.h>

#include "controls/ui/TWxFeldAnzeige.h"

class wxSpinButton;
class wxSpinEvent;

template <class TPicker> class TWxFeldPicker : public wxTextCtrl {
public:
    ~TWxFeldPicker() override;

    int MarkiereNr() const { return FPicker.MarkiereNr(); }
    void SetMarkiereNr(int ANr);
    void Markiere(bool AMerkeS);
    void CheckEingabe();
    void SetReadOnly(bool AReadOnlyS);

    // Geometry with the up-down control: Width covers both. Each write puts the up-down at the
    // field's right edge again and shows the last value set.
    int Top() const { return GetPosition().y; }
    int Left() const { return GetPosition().x; }
    int Width() const;
    void SetTop(int AWert);
    void SetLeft(int AWert);
    void SetWidth(int AWert);
    void Bounds(int ATop, int ALeft, int AWidth);

    // Replaces what focus-in does to the field (by default the first field is selected); an
    // owner's handler usually calls Markiere(true) to select the field used last. It works on the
    // behaviour class: the field is shown after it, once Orca has read the label.
    void SetEnterHandler(std::function<void(TPicker&)> AHandler) { FEnterHandler = std::move(AHandler); }

    const TPicker& Picker() const { return FPicker; }

protected:
    // AErstesFeld: the field Bounds selects.
    TWxFeldPicker(wxWindow* AParent, wxWindowID AId, int AErstesFeld);

    void Zeigen();

    TPicker FPicker;

private:
    void NachGeometrie();
    void Antwort(bool APiepS);
    void OnKeyDown(wxKeyEvent& AEvent);
    void OnChar(wxKeyEvent& AEvent);
    void OnSetFocus(wxFocusEvent& AEvent);
    void OnKillFocus(wxFocusEvent& AEvent);
    void OnMausLos(wxMouseEvent& AEvent);
    void OnSpin(wxSpinEvent& AEvent);

    const int FErstesFeld;
    TWxFeldAnzeige FAnzeige;
    wxSpinButton* FUpDown = nullptr;
    std::function<void(TPicker&)> FEnterHandler;
};
