#pragma once

// What the main window does with a command another start (or another program) handed over, on
// the user-interface thread. A command that arrives while the window is busy (starting, closing,
// a dialog open, another window of the program active) is dropped; the user can repeat the start.

#include <string>
#include <vector>

#include "instance/TBefehlsFenster.h"
#include "instance/TRegistrySettings.h"
#include "window/TForm1.h"

class TBefehlsannahme {
public:
    TBefehlsannahme(TForm1& AForm, TBefehlsFenster& AFenster);

    // The queued command: the parameters if set, else coming to the front, else closing.
    void Ausfuehren(const TRegistrySettings& ABefehl);
    // Handed-over arguments: the window comes to the front and, a moment later (TimerSendTo),
    // carries out the first one.
    void Parameter(const std::string& AText);
    // TimerSendTo's tick: "/I:" and a file imports that file after the import question; any other
    // first argument is opened as the main calendar, through the question about unsaved changes
    // (an unreadable file is reported and the calendar stays).
    void TimerSendToTimer();
    // Closes the window as "&Beenden" does.
    void ProgramClose();

    // The argument waiting for TimerSendTo; "" when none.
    const std::string& ParameterFilename() const { return FParameterFilename; }

private:
    TForm1& FForm;
    TBefehlsFenster& FFenster;
    std::string FParameterFilename;

    bool AnnehmenS() const;
};
