#pragma once

// The program's texts are UTF-8; wx on GTK runs in the C locale, where a narrow literal with an
// umlaut would become an empty string. Every text crosses to wx and back through these two.

#include <string>

#include <wx/string.h>

class wxTextCtrl;

inline wxString Wx(const std::string& AText) {
    return wxString::FromUTF8(AText.data(), AText.size());
}

std::string Utf8(const wxString& AText);

// A text whose lines end with CR LF (as the program's texts do) for a control: the CR would show
// as an extra character on GTK.
wxString WxZeilen(const std::string& AText);

// The same text as the whole value of a multi-line control, as ChangeValue sets it (no change
// event, unmodified).
void TextZeigen(wxTextCtrl& AFeld, const std::string& AText);
