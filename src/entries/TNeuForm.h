#pragma once

// The entry editor without a window toolkit: it creates a new entry or changes one run of an
// existing one. The caller sets it up for each command, the window shows Felder in its controls and
// writes the user's input back into Felder before every call here; the editor reads the entry from
// Felder (Datensatz), classifies a change (ModifyNr) and decides, with its questions, whether the
// window may close. It never changes the calendar itself.
//
// Invariant: FDatensatz and SpeicherDatensatz hold exactly one day record, the occurrence run
// edited (Datum = VonDatum).

#include <array>
#include <string>

#include "controls/TRechteck.h"
#include "model/TDatenClass.h"
#include "model/TTagClass.h"
#include "platform/TMeldungsPort.h"

class TDaten;
class TDateiDialog;
class TDateisystem;
class TMediaPlayer;

// The dialog's fields in Tab order.
enum class TNeuFeld {
    Von,
    Dauer,
    Ganztaegig,
    Uhrzeit,
    Grenze,
    Kurztext,
    Langtext,
    Intervall,
    Eintragstyp,
    Zaehlfunktion,
    Startwert,
    Loeschfunktion,
    SounddateiS,
    Sounddatei,
    Durchsuchen,
    Ok,
    Abbrechen,
};

// What the window does for the editor while it decides on closing.
class TNeuFormAnsicht {
public:
    virtual ~TNeuFormAnsicht() = default;
    // Focuses AFeld; with AMarkiereS its whole text is selected.
    virtual void Fokus(TNeuFeld AFeld, bool AMarkiereS) = 0;
};

class TNeuForm {
public:
    static constexpr const char* CaptionNeu = "Neuen Eintrag erstellen";
    static constexpr const char* CaptionBearbeiten = "Eintrag bearbeiten";
    static constexpr int KurztextMaxLaenge = 35;
    static constexpr int LangtextMaxLaenge = 1024;
    static constexpr int StartwertMax = 9999;
    // The duration field's maximum while a run is loaded, before the interval limits it.
    static constexpr int DauerGrenze = 99;

    // What the controls show.
    struct TFelder {
        TTag Von = 0;
        int Dauer = 1;
        bool GanzerTagS = true;
        TDateTime Zeit = 7.0 / 24.0;
        TTag Grenze = 0;
        std::string Kurztext;
        std::string Langtext;
        int Intervall = atEinmalig;
        int Eintragstyp = ttTermin;
        bool CounterS = false;
        int Startwert = 0;
        bool LoeschenS = false;
        bool SounddateiS = false;
        std::string Sounddatei;
    };
    // The controls' ranges and states besides their values.
    struct TGrenzen {
        TTag VonMin = KalenderAnfang;
        TTag VonMax = KalenderEnde;
        TTag GrenzeMin = KalenderAnfang;
        TTag GrenzeMax = KalenderEnde;
        int DauerMin = 1;
        int DauerMax = DauerGrenze;
        bool IntervallEnabledS = true;
    };

    TNeuForm();

    TFelder Felder;
    TGrenzen Grenzen;
    // Set by the caller for each command.
    const TDaten* RefDaten = nullptr;
    bool NeuS = true;
    // Result flags after OK when a run of an entry with several runs was edited.
    bool AktuellerS = false;
    bool AlleS = false;

    // Every field to its default, today as start date, both date ranges the calendar range.
    void Standardwerte();
    // The set-up for a new entry: the defaults, the start date AVon (a selected line's date) and
    // the calendar limit from there; the interval can be chosen.
    void NeuEinrichten(const TDaten* ARefDaten, TTag AVon);
    // The set-up for editing run ATagClass: its start date may move within AVonMin..AVonMax (the
    // days between the runs before and after it); the interval can be changed only when
    // AEinzigerLaufS (the run is the entry's only one).
    void BearbeitenEinrichten(const TDaten* ARefDaten, const TTagClass& ATagClass, TTag AVonMin, TTag AVonMax,
                              bool AEinzigerLaufS);
    // The window caption for the current set-up.
    std::string Caption() const { return NeuS ? CaptionNeu : CaptionBearbeiten; }
    // Loads run ATagClass.DatumNr of ATagClass.DatenClass for editing.
    void SetDatensatz(const TTagClass& ATagClass);
    // The entry as the fields give it, with one day record; refers to the editor's own entry,
    // valid until the next call.
    TTagClass Datensatz();
    const TDatenClass& SpeicherDatensatz() const { return FSpeicherDatensatz; }
    // 3: the run's first or last day changed; 2: its time or a flag changed; 1: only attributes.
    int ModifyNr();

    // The duration's range for the interval and the start date's maximum; the value held in it.
    void MaxValueSpinEdit();
    // After the start date field was left: the calendar limit starts there, the duration follows.
    void VonVerlassen();

    // The dependent fields: the start value with the counter, the time without the whole-day
    // switch, the sound path editable with its check box.
    bool StartwertEnabled() const { return Felder.CounterS; }
    bool UhrzeitEnabled() const { return !Felder.GanzerTagS; }
    bool SounddateiReadOnly() const { return !Felder.SounddateiS; }
    // The field that gets the focus when AFeld (a check box) was clicked, or AFeld itself when the
    // dependent field did not become usable.
    TNeuFeld NachKlick(TNeuFeld AFeld) const;

    // Abbrechen: a close without OK, always allowed.
    enum class TSchluss { Offen, Ok, Nein, Abbrechen };
    // Whether the dialog may close, and how. Every close stops the sound preview and resets
    // AktuellerS and AlleS; only AOkS (closing with OK) runs the checks and questions.
    TSchluss Schliessen(bool AOkS, TMeldungsPort& APort, TNeuFormAnsicht& AAnsicht);

    enum class TTaste { Enter, Escape };
    // What a key in a field does: Weiter: the dialog's own handling (Return presses OK, Escape
    // cancels); Feld: the field keeps it (a line break in the long text); Nichts: consumed.
    enum class TWirkung { Weiter, Feld, Nichts, Ok, Abbrechen };
    static TWirkung Taste(TNeuFeld AFeld, TTaste ATaste, bool AModifikatorS, bool AOkEnabledS);

    // Spoken through the screen reader when AFeld receives the focus ("" for none), see
    // ZugangsName for the rule when the screen reader reads the control's own name.
    static std::string Ansage(TNeuFeld AFeld);
    // The label or caption shown with AFeld (with "&"), "" for a field without one.
    static std::string Beschriftung(TNeuFeld AFeld);
    // Where the screen reader reads a focused control's label itself (Orca on GTK), the field's
    // announcement travels in the accessibility names instead of through Tolk, so that the words
    // are spoken once: the name to give AFeld (on its label when it has one, as Orca reads a label
    // and then a different own name of the field), "" to keep the label's. Only a field whose
    // announcement says more than its visible label gets one.
    static std::string ZugangsName(TNeuFeld AFeld);

    // The sound preview, through APlayer (may be null: no preview).
    void SetPlayer(TMediaPlayer* APlayer) { FPlayer = APlayer; }
    bool PlayErlaubt(TDateisystem& ADateisystem) const;
    bool StopErlaubt() const;
    // Loads and starts the sound path's file; false when it cannot be played.
    bool Play(TDateisystem& ADateisystem);
    void Stop();
    // The sound file dialog, starting in the path's folder or in ASoundOrdner; a chosen file stops
    // the preview and becomes the path. True when the user chose one.
    bool Durchsuchen(TDateiDialog& ADialog, const std::string& ASoundOrdner);

    // The layout, measured in the user font.
    enum TTeil {
        tLabel1,
        tDatePicker1,
        tLabel2,
        tSpinEdit1,
        tCheckBox2,
        tLabel10,
        tTimePicker,
        tLabel8,
        tDatePicker2,
        tLabel3,
        tEdit1,
        tLabel4,
        tRichEdit1,
        tLabel5,
        tListBox1,
        tLabel6,
        tListBox2,
        tCheckBox1,
        tLabel9,
        tSpinEdit2,
        tCheckBox3,
        tCheckBox4,
        tEdit2,
        tButton3,
        tButton1,
        tButton2,
        TeilAnzahl
    };
    struct TGroesse {
        int Width = 0;
        int Height = 0;
    };
    struct TMasse {
        // The width of "M", of "Mi, 88.88.8888", "88:88" and "-88888" in the dialog font.
        int M = 0;
        int DatumText = 0;
        int ZeitText = 0;
        int ZahlText = 0;
        // The width of a picker's up-down control, which the picker's width includes; the number
        // fields' arrows are as wide.
        int UpDown = 0;
        // Labels and check boxes: what they need; the number fields: the least they are drawn in;
        // other parts: their height (width unused).
        std::array<TGroesse, TeilAnzahl> Bedarf{};
        // A list line's height and the width the wider list needs.
        int ListenZeile = 0;
        int ListenBreite = 0;
        TGroesse Schalter;
        // The monitor's work area.
        TGroesse Arbeitsbereich;
    };
    struct TLage {
        std::array<TRechteck, TeilAnzahl> Teile{};
        // Everything laid out, and the client area shown (smaller: scroll bars).
        TGroesse Inhalt;
        TGroesse Client;
    };
    static TLage Layout(const TMasse& AMasse);

private:
    TDatumClass GelesenesDatum() const;
    // The checks before the closing question; false: the dialog stays open (the user was told why).
    bool EingabenGueltig(TMeldungsPort& APort, TNeuFormAnsicht& AAnsicht);
    // The closing question this change asks, and what its answer means.
    TSchluss Bestaetigen(TMeldungsPort& APort);
    // ANein: what "Nein" means: Nein (close without applying) or Ok for this record only.
    TSchluss Antwort(TMeldungsAntwort AAntwort, TSchluss ANein);

    TDatenClass FDatensatz;
    TDatenClass FSpeicherDatensatz;
    TMediaPlayer* FPlayer = nullptr;
};
