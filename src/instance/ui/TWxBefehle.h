#pragma once

// The main window's side of handed-over commands on wx: it binds TBefehlsannahme to the frame,
// runs TimerSendTo and counts the open modal dialogs and message boxes.

#include <string>

#include <wx/modalhook.h>
#include <wx/timer.h>

#include "instance/TBefehlsannahme.h"

class wxFrame;

class TWxBefehle : public TBefehlsFenster, private wxTimer, private wxModalDialogHook {
public:
    // AFrame is the main window; AForm its behaviour.
    TWxBefehle(wxFrame& AFrame, TForm1& AForm);
    ~TWxBefehle() override;
    TWxBefehle(const TWxBefehle&) = delete;
    TWxBefehle& operator=(const TWxBefehle&) = delete;

    // A command the watcher queued, on the user-interface thread.
    void Ausfuehren(const TRegistrySettings& ABefehl) { FAnnahme.Ausfuehren(ABefehl); }

    // TBefehlsFenster
    bool FreiS() const override;
    void NachVorne() override;
    void SendToStarten() override;
    void Beenden() override;

private:
    wxFrame& FFrame;
    TBefehlsannahme FAnnahme;
    // Modal dialogs and message boxes open now (IsDialogOpen while above zero).
    int FDialoge = 0;

    // TimerSendTo's tick.
    void Notify() override;
    int Enter(wxDialog* ADialog) override;
    void Exit(wxDialog* ADialog) override;
};
