#pragma once

// The system's file-open and file-save dialogs as the behaviour classes see them, so that tests
// answer them.

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
    // The filter chosen first, counted from 1; the save dialog reports the one the user chose.
    int FilterIndex = 1;
};

class TDateiDialog {
public:
    virtual ~TDateiDialog() = default;
    // Lets the user choose an existing file; true with its full path in ADatei, false when the user
    // cancelled (ADatei is then unchanged).
    virtual bool Oeffnen(const TDateiDialogWahl& AWahl, std::string& ADatei) = 0;
    // Lets the user name a file to write (asking before an existing one is replaced); true with
    // its full path in ADatei and the chosen filter in AWahl.FilterIndex, false when the user
    // cancelled (both then unchanged). The name is taken as typed: adding an extension is the
    // caller's business.
    virtual bool Speichern(TDateiDialogWahl& AWahl, std::string& ADatei) = 0;
};
