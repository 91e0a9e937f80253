#pragma once

// What the main window's behaviour needs from the window itself besides its two controls (those
// are TTageslisteSteuerung): the caption, the status bar, the font, the window's size and state,
// the menus' check marks and recent-file entries, and the splash picture. The program binds the
// real window; tests bind a scripted fake.

#include <optional>
#include <string>
#include <vector>

#include "model/Kalenderdatum.h"
#include "platform/THistoryMenuList.h"
#include "settings/TEinstellungen.h"
#include "settings/TSchrift.h"

// The window's state and the size of its normal (restored) form, as the settings keep them.
struct TFensterlage {
    TFensterzustand WindowState = fzNormal;
    int Height = 0;
    int Width = 0;

    bool operator==(const TFensterlage&) const = default;
};

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
    // The window's state and normal size; nothing while it is minimized or its placement is
    // unknown.
    virtual std::optional<TFensterlage> Fensterlage() const = 0;
    // Sets the normal size (kept between the window's minimum size and the work area), places the
    // window in the work area and then applies the state.
    virtual void FensterlageSetzen(const TFensterlage& ALage) = 0;
    // The check marks of the menus follow the state again.
    virtual void MenueAktualisieren() = 0;
    // Replaces the recent-file entries of the file menu; a click on one reports its Tag.
    virtual void HistoryMenueSetzen(const std::vector<THistoryMenuItem>& AEintraege) = 0;
    // While the splash picture is shown: keeps the window disabled until the picture has been up
    // for its time, processing messages meanwhile. Returns at once without a picture.
    virtual void SplashAbwarten() = 0;
    // Removes the splash picture for good and enables the window as it was.
    virtual void SplashFreigeben() = 0;
    // The dialogs of the menu commands, shown modally with the values given; each returns true
    // after OK, with the chosen values in its arguments, and false with them unchanged otherwise.
    virtual bool GeheDatumZeigen(TTag& ADatum) = 0;
    virtual bool SchriftDialogZeigen(TSchrift& AFont, TFarbe& ABackColor) = 0;
    virtual bool VortageZeigen(int& ATage) = 0;
};
