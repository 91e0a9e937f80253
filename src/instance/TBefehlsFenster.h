#pragma once

// What the handling of a handed-over command needs from the main window itself. The program
// binds the real window; tests bind a scripted fake.

class TBefehlsFenster {
public:
    virtual ~TBefehlsFenster() = default;

    // The window may take a command now: it is enabled, no dialog or message box is open, and no
    // other window of the program is the active one (none at all is fine).
    virtual bool FreiS() const = 0;
    // Brings the main window to the front, then every open window it owns (an open dialog last),
    // and asks the window manager to activate them.
    virtual void NachVorne() = 0;
    // Runs TBefehlsannahme::TimerSendToTimer once, 5 ms from now, after the events waiting now.
    virtual void SendToStarten() = 0;
    // Closes the window through its normal close path, as "&Beenden" does (with the save
    // question).
    virtual void Beenden() = 0;
};
