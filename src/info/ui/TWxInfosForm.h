#pragma once

// The information window on wx: the upper text pane (RichEdit1), the lower one of the two-pane mode
// (RichEdit2), "S&chließen" and, in the preview, "&Beenden". Both panes are read-only but take the
// focus and show their caret, so that the screen reader reads them line by line with the arrow
// keys. Created once by the main window (its owner) and shown by the information commands
// (TInfosBefehle) through TInfosFenster:
//
//     TWxInfosForm Infos(Frame, Tolk, AktFont, AktBackColor, DateiDialog);
//     TInfosBefehle Befehle(Daten, Tagesliste, Steuerung, Texte, Infos, Klang);

#include <functional>
#include <memory>
#include <string>

#include <wx/timer.h>

#include "controls/ui/TWxDialog.h"
#include "info/TInfosBefehle.h"

class TDateiDialog;
class TMediaPlayer;
class wxButton;
class wxTextCtrl;

class TWxInfosForm : public TWxDialog, public TInfosFenster {
public:
    // The owner is the main window, which this window closes for "&Beenden"; the file dialog
    // outlives the window.
    TWxInfosForm(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont, const TFarbe& AAktBackColor,
                 TDateiDialog& ADateiDialog);
    ~TWxInfosForm() override;

    // Printing of a pane's text with the job title "Drucke " and the caption; while it is empty the
    // context menu offers no printing. The printing side sets it.
    std::function<void(wxWindow& AFenster, const std::string& AText, const std::string& AJobTitel)> Drucken;

    // TInfosFenster
    TInfosErgebnis InfosZeigen(TInfosForm& AForm) override;
    void HauptfensterSchliessen() override;

private:
    void CaptionZuweisen();
    void SchalterEinrichten() override;
    void BeimZeigen() override;
    bool EigeneTaste(wxKeyEvent& AEvent) override;
    // The pane that has the focus: 1, 2 or 0 for none.
    int FokusPane() const;
    wxTextCtrl& Pane(int ANr) const;
    // The line of the caret in RichEdit1, from 0.
    int AktZeile() const;
    void Beenden(int ACode);
    void Kontextmenue();
    void SpeichernUnter(int APane);
    void DruckenPane(int APane);
    void OnTimer1(wxTimerEvent& AEvent);

    wxTextCtrl* RichEdit1 = nullptr;
    wxTextCtrl* RichEdit2 = nullptr;
    wxButton* Button1 = nullptr;
    wxButton* Button2 = nullptr;
    wxTimer Timer1;
    std::unique_ptr<TMediaPlayer> MediaPlayer1;
    TDateiDialog& FDateiDialog;
    // The behaviour of the current showing.
    TInfosForm* FForm = nullptr;
};
