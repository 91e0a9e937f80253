#pragma once

// What the main window's behaviour needs from the window itself besides its two controls (those
// are TTageslisteSteuerung): the caption, the status bar, the font, the menus' check marks and the
// splash picture. The program binds the real window; tests bind a scripted fake.

#include <string>

#include "mainwindow/TSchrift.h"

class THauptfensterAnsicht {
public:
    virtual ~THauptfensterAnsicht() = default;

    // The window caption; the application title stays "Orvanto V1.03".
    virtual void TitelSetzen(const std::string& ATitel) = 0;
    virtual std::string Statustext() const = 0;
    virtual void StatustextSetzen(const std::string& AText) = 0;
    // Applies the font and the background colour to the window and its controls and lays them
    // out again.
    virtual void SchriftartZuweisen(const TSchrift& AFont, TFarbe ABackColor) = 0;
    // The check marks of the menus follow the state again.
    virtual void MenueAktualisieren() = 0;
    // While the splash picture is shown: keeps the window disabled until the picture has been up
    // for its time, processing messages meanwhile. Returns at once without a picture.
    virtual void SplashAbwarten() = 0;
    // Removes the splash picture for good and enables the window as it was.
    virtual void SplashFreigeben() = 0;
};
