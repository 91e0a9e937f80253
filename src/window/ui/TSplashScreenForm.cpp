#include "window/ui/TSplashScreenForm.h"

#include <wx/image.h>
#include <wx/log.h>
#include <wx/statbmp.h>

#include "controls/ui/WxText.h"

TSplashScreenForm::TSplashScreenForm(const std::string& AFilename)
    : wxFrame(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
              wxBORDER_NONE | wxFRAME_NO_TASKBAR | wxSTAY_ON_TOP) {
    wxImage Bild;
    {
        // A file that is no picture is no error worth a message: the start goes on without it.
        wxLogNull KeineMeldung;
        FHatBild = Bild.LoadFile(Wx(AFilename), wxBITMAP_TYPE_JPEG) ||
                   Bild.LoadFile(Wx(AFilename), wxBITMAP_TYPE_BMP);
    }
    if (FHatBild) {
        new wxStaticBitmap(this, wxID_ANY, wxBitmap(Bild));
        SetClientSize(Bild.GetWidth(), Bild.GetHeight());
        Centre();
    }
    // Closing the picture (Alt+F4 while it has the focus) only hides it: the main window still
    // waits for it and frees it at the end of the start-up step.
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Hide(); });
}

void TSplashScreenForm::Zeigen() {
    Show();
    Raise();
    Update();
    FUhr.Start();
}
