#pragma once

// The message boxes of the program with German captions and buttons.

#include <functional>

#include "platform/TMeldungsPort.h"

class wxWindow;

class TWxMeldungsPort : public TMeldungsPort {
public:
    // Runs before every box (the splash picture hides then, so that the box is not covered).
    std::function<void()> VorDialog;
    // The window the boxes belong to; none before the main window exists.
    std::function<wxWindow*()> Besitzer;

    TMeldungsAntwort Zeige(TMeldungsArt AArt, const std::string& AText, TMeldungsKnoepfe AKnoepfe) override;
};
