#pragma once

// The entry editor dialog: every field of an entry in Tab order, bound to the behaviour class
// TNeuForm, which reads the entry, checks it and asks its questions. Created once by the main
// window and set up anew for every command:
//
//     TWxNeuForm Neu(Frame, Tolk, AktFont, AktBackColor, Meldungen, DateiDialog, SoundOrdner);
//     // new entry, preset to the selected line's day:
//     if (Neu.Neu(Daten, Tag) == TWxNeuForm::TErgebnis::Ok) {
//         TTagClass T = Neu.Datensatz();          // one entry with one record; the caller
//         ...                                    // gives it an id and adds it (TDaten::Add)
//     }
//     // edit the run of record T.DatumNr; VonMin..VonMax lie between the runs before and after:
//     if (Neu.Bearbeiten(Daten, T, VonMin, VonMax, EinzigerLaufS) == TWxNeuForm::TErgebnis::Ok) {
//         Neu.Datensatz(); Neu.ModifyNr(); Neu.AktuellerS(); Neu.AlleS();
//     }
//
// Screen reader: on GTK, Orca reads a focused control's label itself ("Kurztext: Text"), so a
// field's announcement is not spoken again through Tolk; where the announcement says more than
// the visible label ("Zählfunktion Startwert", the unlabelled sound path) it becomes the accessible
// name of the label or of the unlabelled field (TNeuForm::ZugangsName). Measured with Orca 43: with
// Tolk speaking too, each of the eight announced fields a Tab round reached said its label twice;
// with this rule none does. Elsewhere (Windows) every field speaks its announcement through Tolk on focus.

#include <array>
#include <memory>
#include <string>
#include <utility>

#include "controls/ui/TWxDialog.h"
#include "entries/TNeuForm.h"

class TDateiDialog;
class TMeldungsPort;
class TWxAllesMarkieren;
class TWxDatePicker;
class TWxTimePicker;
class wxButton;
class wxCheckBox;
class wxListBox;
class wxScrolledWindow;
class wxSpinCtrl;
class wxStaticText;
class wxTextCtrl;

class TWxNeuForm : public TWxDialog, private TNeuFormAnsicht {
public:
    // APort asks the questions, ADateiDialog chooses the sound file, starting in ASoundOrdner
    // when the path names no folder; all outlive the dialog.
    TWxNeuForm(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont, const TFarbe& AAktBackColor,
               TMeldungsPort& APort, TDateiDialog& ADateiDialog, std::string ASoundOrdner);
    ~TWxNeuForm() override;

    // Ok: read Datensatz (and, after Bearbeiten, ModifyNr, AktuellerS, AlleS). Nein: the user
    // declined the final question. Abbrechen: cancelled. Neither changes anything.
    enum class TErgebnis { Ok, Nein, Abbrechen };
    // ARefDaten: the calendar, for the duplicate short-text question.
    TErgebnis Neu(const TDaten& ARefDaten, TTag AVon);
    TErgebnis Bearbeiten(const TDaten& ARefDaten, const TTagClass& ATagClass, TTag AVonMin, TTag AVonMax,
                         bool AEinzigerLaufS);

    // The entry read from the dialog; refers to the dialog's own entry, valid until the next run.
    TTagClass Datensatz() { return FForm.Datensatz(); }
    int ModifyNr() { return FForm.ModifyNr(); }
    bool AktuellerS() const { return FForm.AktuellerS; }
    bool AlleS() const { return FForm.AlleS; }

private:
    TErgebnis Zeigen();
    void CaptionZuweisen();
    void SchalterEinrichten() override;
    // The parts the layout places, with their controls.
    std::array<std::pair<TNeuForm::TTeil, wxWindow*>, TNeuForm::TeilAnzahl> Teile() const;
    // What the layout needs to know of the controls in the user's font and of the screen.
    TNeuForm::TMasse Masse() const;
    void BeimZeigen() override;
    bool EigeneTaste(wxKeyEvent& AEvent) override;
    void Fokus(TNeuFeld AFeld, bool AMarkiereS) override;

    // The controls' values into the behaviour class and back.
    void Lesen();
    void Schreiben();
    void Abhaengige();
    wxWindow* Control(TNeuFeld AFeld) const;
    TNeuFeld FeldVon(const wxWindow* AControl) const;
    void Ansagen();
    void Schliessen(bool AOkS);
    void OnKlick(TNeuFeld AFeld);
    void Durchsuchen();
    void SoundMenue();
    void LangtextMenue();

    TNeuForm FForm;
    TMeldungsPort& FPort;
    TDateiDialog& FDateiDialog;
    const std::string FSoundOrdner;
    std::unique_ptr<TMediaPlayer> FPlayer;

    wxScrolledWindow* Flaeche = nullptr;
    wxStaticText* Label1 = nullptr;
    TWxDatePicker* DatePicker1 = nullptr;
    wxStaticText* Label2 = nullptr;
    wxSpinCtrl* SpinEdit1 = nullptr;
    wxCheckBox* CheckBox2 = nullptr;
    wxStaticText* Label10 = nullptr;
    TWxTimePicker* TimePicker = nullptr;
    wxStaticText* Label8 = nullptr;
    TWxDatePicker* DatePicker2 = nullptr;
    wxStaticText* Label3 = nullptr;
    wxTextCtrl* Edit1 = nullptr;
    wxStaticText* Label4 = nullptr;
    wxTextCtrl* RichEdit1 = nullptr;
    wxStaticText* Label5 = nullptr;
    wxListBox* ListBox1 = nullptr;
    wxStaticText* Label6 = nullptr;
    wxListBox* ListBox2 = nullptr;
    wxCheckBox* CheckBox1 = nullptr;
    wxStaticText* Label9 = nullptr;
    wxSpinCtrl* SpinEdit2 = nullptr;
    wxCheckBox* CheckBox3 = nullptr;
    wxCheckBox* CheckBox4 = nullptr;
    wxTextCtrl* Edit2 = nullptr;
    wxButton* Button3 = nullptr;
    wxButton* Button1 = nullptr;
    wxButton* Button2 = nullptr;
    std::unique_ptr<TWxAllesMarkieren> FMarkieren1;
    std::unique_ptr<TWxAllesMarkieren> FMarkieren2;
};
