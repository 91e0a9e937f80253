#pragma once

// AktFont and AktBackColor as wx objects.

#include <wx/colour.h>
#include <wx/font.h>

#include "mainwindow/TSchrift.h"

wxFont WxFont(const TSchrift& ASchrift);
// A system colour (top byte FF) becomes the desktop's colour of that index.
wxColour WxFarbe(TFarbe AFarbe);
