#pragma once

// The one pattern of every dialog window of the program:
//  - its captions are set in code when it is created (the derived class's CaptionZuweisen);
//  - each time it is run it applies AktFont and AktBackColor (SchriftartZuweisen), lays out its
//    controls from the font's metrics (the derived class's SchalterEinrichten, after
//    SchalterAngleichen has given all buttons one size) and centres itself over its owner;
//  - a field that receives the focus speaks its name through Tolk (FeldAnsage);
//  - it runs modally inside the program's begin/end hook (TModalKlammer), so the splash picture
//    hides and the main window knows that a dialog is open;
//  - Return anywhere but on a button presses the default button while it is enabled, and does
//    nothing while it is not (GTK's lists and spin fields would keep the key); Escape cancels;
//  - F1 opens the program's help, as it does in the main window;
//  - the screen reader is told it is a dialog (GTK makes every window a frame).
// The font and colour are referenced, not copied: the main window's AktFont and AktBackColor, so a
// dialog created once and run again shows the values current then.

#include <functional>
#include <string>

#include <wx/dialog.h>

#include "controls/TRechteck.h"
#include "settings/TSchrift.h"

class TTolkSRD;

// The font and colour a dialog reads on every run. The wrappers refuse a temporary, which would be
// gone by the next run.
using TSchriftRef = std::reference_wrapper<const TSchrift>;
using TFarbeRef = std::reference_wrapper<const TFarbe>;

class TWxDialog : public wxDialog {
public:
    TWxDialog(wxWindow* AOwner, const std::string& ACaption, TTolkSRD& ATolk, TSchriftRef AAktFont,
              TFarbeRef AAktBackColor);

    // SchriftartZuweisen, then BeimZeigen, then modal; the dialog's end code (wxID_OK, wxID_CANCEL).
    int ModalAusfuehren();

    // What F1 does in every dialog: the main window's help command (empty: nothing).
    static void HilfeSetzen(std::function<void()> AHilfe);

protected:
    // Lays the controls out; SchalterAngleichen has sized the buttons (FSchalter) before.
    virtual void SchalterEinrichten() = 0;
    // After the layout, before the dialog is shown: values into the controls, the first focus.
    virtual void BeimZeigen() {}
    // A key before the dialog's own handling of Return and Escape; true when the key is used.
    virtual bool EigeneTaste(wxKeyEvent& AEvent);
    // The minimum button width SchalterAngleichen applies.
    virtual int MinSchalterBreite() const;

    // When AFeld receives the focus, AText() is spoken without interrupting the screen reader.
    void FeldAnsage(wxWindow& AFeld, std::function<std::string()> AText);
    // The client area's size in pixels.
    void ClientGroesse(int AWidth, int AHeight);
    // Places a control.
    static void Setze(wxWindow& AControl, const TRechteck& ARect);
    // The control's height in the user font (TFensterMasse::ControlHeight, at least what it needs).
    int Hoehe(const wxWindow& AControl) const;
    // The width of a caption in the user font (CaptionWidth).
    int Breite(const std::string& AText) const;

    TTolkSRD& FTolk;
    const TSchrift& FAktFont;
    const TFarbe& FAktBackColor;
    // The size SchalterAngleichen gave every button.
    wxSize FSchalter;

private:
    void SchriftartZuweisen();
    void Zentrieren();
    void OnCharHook(wxKeyEvent& AEvent);
};
