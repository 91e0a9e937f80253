#pragma once

// The program's texts are UTF-8; wx on GTK runs in the C locale, where a narrow literal with an
// umlaut would become an empty string. Every text crosses to wx and back through these two.

#include <string>

#include <wx/string.h>

inline wxString Wx(const std::string& AText) {
    return wxString::FromUTF8(AText.data(), AText.size());
}

std::string Utf8(const wxString& AText);
