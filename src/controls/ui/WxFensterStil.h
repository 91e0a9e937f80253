#pragma once

// The window-styling services every window uses: text measurement in a font on the screen,
// control heights, the user font and background colour for a whole window, and one width for all
// of a window's buttons. The rules are TFensterMasse's; this measures with wx.

#include <string>
#include <vector>

#include "controls/TFensterMasse.h"
#include "settings/TSchrift.h"

class wxFont;
class wxSize;
class wxWindow;

// The font's character cell height on the screen; without a font the system's GUI font is used; 0
// when the font cannot be measured.
int FontTextHeight(const wxFont* AFont);
// The width of AText in that font on the screen; 0 for an empty text or a font that cannot be
// measured.
int FontTextWidth(const wxFont* AFont, const std::string& AText);
// FontTextWidth of the text followed by one blank.
int CaptionWidth(const wxFont& AFont, const std::string& AText);
// The height TFensterMasse gives the control's kind in that font, but never less than the toolkit
// needs to draw the control (GTK does not draw an entry smaller than its minimum).
int ControlHeight(const wxFont& AFont, const wxWindow& AControl);
// AktFont and AktBackColor for the window and every control in it. Buttons take the font but keep
// their own colours, as the system draws them.
void FormSchriftZuweisen(wxWindow& AForm, const TSchrift& AFont, TFarbe ABackColor);
// Every button of the window gets one width (TFensterMasse::SchalterBreite of all their captions
// in their font, at least AMindestens) and ControlHeight; the size given is returned.
wxSize SchalterAngleichen(wxWindow& AForm, int AMindestens = TFensterMasse::MinSchalterBreite);
