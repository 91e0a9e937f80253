#pragma once

// The splash picture: a borderless window in the middle of the screen showing a JPEG or bitmap
// file, removed by the start-up step after at most three seconds. Only that step destroys it;
// closing it hides it.

#include <string>

#include <wx/frame.h>
#include <wx/stopwatch.h>

class TSplashScreenForm : public wxFrame {
public:
    // Loads the picture; without one (a missing file or neither format) the window stays hidden.
    explicit TSplashScreenForm(const std::string& AFilename);

    bool HatBild() const { return FHatBild; }
    // Shows the picture in front and starts its three seconds.
    void Zeigen();
    // Milliseconds since Zeigen.
    long Sichtbar() const { return FUhr.Time(); }

private:
    bool FHatBild = false;
    wxStopWatch FUhr;
};
