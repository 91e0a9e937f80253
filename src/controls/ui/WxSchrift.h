#pragma once

// AktFont and AktBackColor as wx objects.

#include <string>

#include <wx/colour.h>
#include <wx/font.h>

#include "settings/TSchrift.h"

// The font object of AktFont; a face name that SchriftnameZulaessig refuses gives the default
// typeface.
wxFont WxFont(const TSchrift& ASchrift);
// Whether a typeface of that name is installed.
bool SchriftVorhanden(const std::string& AName);
// A system colour (top byte FF) becomes the desktop's colour of that index.
wxColour WxFarbe(TFarbe AFarbe);
