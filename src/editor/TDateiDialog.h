#pragma once

// The system's file-open dialog as the behaviour classes see it, so that tests answer it.

#include <string>

struct TDateiDialogWahl {
    std::string Titel;
    // "Name (*.X)|*.X|Alle Dateien (*.*)|*.*": pairs of a description and its patterns.
    std::string Filter;
    // Without the dot.
    std::string StandardEndung;
    // The folder shown first (with or without a trailing separator) and the name preset in it.
    std::string Ordner;
    std::string Dateiname;
};

class TDateiDialog {
public:
    virtual ~TDateiDialog() = default;
    // Lets the user choose an existing file; true with its full path in ADatei, false when the user
    // cancelled (ADatei is then unchanged).
    virtual bool Oeffnen(const TDateiDialogWahl& AWahl, std::string& ADatei) = 0;
};
