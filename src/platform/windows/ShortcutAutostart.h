#pragma once

// The autostart entry on Windows: a shortcut in the user's Startup folder, named like the program,
// that starts it with "/systemstartup" in its own folder.

#include "platform/Autostart.h"

class TShortcutAutostart : public TAutostart {
public:
    TShortcutAutostart(const std::string& AProgramm, const TSpezialOrdner& AOrdner);

    const std::string& Pfad() const override { return FPfad; }
    bool Vorhanden() const override;
    bool Anlegen() override;
    bool Loeschen() override;

private:
    std::string FProgramm;
    std::string FPfad;
};
