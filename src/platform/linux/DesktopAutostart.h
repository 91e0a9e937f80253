#pragma once

// The autostart entry as a freedesktop desktop entry in the autostart folder, named like the
// program, running it with "/systemstartup" in its own folder.

#include "platform/Autostart.h"

class TDesktopAutostart : public TAutostart {
public:
    TDesktopAutostart(const std::string& AProgramm, const TSpezialOrdner& AOrdner);

    const std::string& Pfad() const override { return FPfad; }
    bool Vorhanden() const override;
    bool Anlegen() override;
    bool Loeschen() override;

    // The entry's text; "" when the program path cannot be written into one.
    static std::string Eintrag(const std::string& AProgramm);

private:
    std::string FProgramm;
    std::string FPfad;
};
