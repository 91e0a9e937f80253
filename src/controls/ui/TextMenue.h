#pragma once

// The context menu of a read-only text pane: "Alles markieren" (Ctrl+A), enabled while there is
// text, and "Kopieren" (Ctrl+C), enabled while text is selected. The captions are the caller's.

#include <string>

class wxTextCtrl;

void TextMenueZeigen(wxTextCtrl& APane, const std::string& AAllesMarkieren, const std::string& AKopieren);
