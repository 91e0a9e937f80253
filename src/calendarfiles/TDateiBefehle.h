#pragma once

// The calendar file commands of the main window without a window toolkit: open, save, save as,
// close, import, load and show further files, remove them again, the holiday and the special file
// options and the backup option, with the save question before every command that replaces the
// calendar; and the iCalendar files: imported and loaded like calendar files (recognised by their
// content), the calendar or one entry exported as one. The file dialogs come through TDateiDialog, the
// loaded-files dialog through TGeladenDialog; tests fake both.
//
// It works on the main window's state (TForm1: the calendar, its saved copy, the loaded files, the
// main file, the options and the recent files) and ends each command as the window does: a change
// of the loaded files jumps to today, a change of a stored option saves the settings.

#include <optional>
#include <span>
#include <string>

#include "calendarfiles/TIcsDateien.h"
#include "controls/TDateiDialog.h"
#include "window/TBefehl.h"

class TDaten;
class TDateisystem;
class TForm1;
class TGeladenClass;
struct TTagClass;

// The dialog of the additionally loaded files, shown modally; removing a file there takes its
// entries out of ADaten and its registration out of AGeladen.
class TGeladenDialog {
public:
    virtual ~TGeladenDialog() = default;
    virtual void GeladenZeigen(TDaten& ADaten, TGeladenClass& AGeladen) = 0;
};

class TDateiBefehle {
public:
    static constexpr const char* VollerFilter =
        "Kalenderdateien (*.OVK)|*.OVK|Importdateien (*.OVI)|*.OVI|Feiertagsdateien (*.OVF)|*.OVF|"
        "Alle Kalenderdateien (*.OVK, *.OVI, *.OVF)|*.OVK;*.OVI;*.OVF|Alle Dateien (*.*)|*.*";
    static constexpr const char* SpeicherFilter =
        "Kalenderdateien (*.OVK)|*.OVK|Importdateien (*.OVI)|*.OVI|Feiertagsdateien (*.OVF)|*.OVF";
    // The import and load dialogs where iCalendar files are read: the full filter with them.
    static constexpr const char* IcsLeseFilter =
        "Kalenderdateien (*.OVK)|*.OVK|Importdateien (*.OVI)|*.OVI|Feiertagsdateien (*.OVF)|*.OVF|"
        "Alle Kalenderdateien (*.OVK, *.OVI, *.OVF)|*.OVK;*.OVI;*.OVF|iCalendar-Dateien (*.ics)|*.ics|"
        "Alle Dateien (*.*)|*.*";
    static constexpr const char* IcsFilter = "iCalendar-Dateien (*.ics)|*.ics";

    // AForm and ADateisystem outlive this object. Until DialogeSetzen, every dialog counts as
    // cancelled.
    TDateiBefehle(TForm1& AForm, TDateisystem& ADateisystem);

    // The file menu's file commands and the file options of the settings menu.
    static std::span<const TBefehl<TForm1>> Befehle();
    void DialogeSetzen(TDateiDialog& ADateiDialog, TGeladenDialog& AGeladenDialog);
    // The system's time zone, which iCalendar files are read and written in (AZeitzone outlives
    // this object). Until it is set, no file is taken for an iCalendar file and the export
    // commands are off.
    void IcsZeitzoneSetzen(const TZeitzone& AZeitzone) { FIcs.ZeitzoneSetzen(AZeitzone); }
    bool IcsBereit() const { return FIcs.Bereit(); }

    // The last files imported and loaded and shown; their folders start the next dialog.
    std::string ImportFilename;
    std::string LadenFilename;

    // The dialogs as each command shows them now.
    TDateiDialogWahl OeffnenWahl() const;
    TDateiDialogWahl ImportWahl() const;
    TDateiDialogWahl LadenWahl() const;
    TDateiDialogWahl FeiertagsWahl() const;
    TDateiDialogWahl SonderWahl() const;
    TDateiDialogWahl SpeichernUnterWahl() const;
    // The calendar's export: in the main file's folder, named like it.
    TDateiDialogWahl IcsExportWahl() const;
    // One entry's: in the main file's folder, named after the entry's short text.
    TDateiDialogWahl EintragIcsWahl(const TTagClass& ATagClass) const;

    // Saves the calendar to the main file, or to a file chosen in the save-as dialog when
    // ASpeichernUnterS or when the main file has no name yet. With the backup option on, the file
    // about to be replaced is copied to its ".OVO" name first. False when the dialog was cancelled
    // or the save failed (its message shown); the main file and the saved copy then stay.
    bool Speichern(bool ASpeichernUnterS);
    // When the calendar is modified, asks whether to save it first; false when the calling
    // command is to stop (cancelled, or the save failed or was cancelled).
    bool SpeichernFragen();
    // Opens AFilename as the main calendar after the save question; false when the question was
    // cancelled or the file could not be read (the current calendar then stays).
    bool Oeffne(const std::string& AFilename);
    // Loads the holiday and the special file anew for the main calendar whose options are on; an
    // option stays checked only while its file is loaded.
    void ZusatzdateienLaden();
    // Imports AFilename into the main calendar after asking; a file that does not exist is
    // ignored, the main file itself refused. An iCalendar file ends with the report of what it
    // brought, or with the reason it could not be read (the calendar then unchanged).
    void ImportStarten(const std::string& AFilename);
    // The file a program argument asks to import: the one after "/I:", or an iCalendar file
    // named alone (a file manager hands it over so); nothing for any other argument.
    std::optional<std::string> Importziel(const std::string& AArgument) const;

    // "Ö&ffnen...", "&Speichern", "Speichern &unter...", "S&chließen", "&Importieren...",
    // "Datei &laden und anzeigen..." and "Geladene &Dateien aus Liste entfernen...".
    void MenuDateiOeffnenClick();
    void MenuDateiSpeichernClick();
    void MenuDateiSpeichernUnterClick();
    void MenuDateiCloseClick();
    void MenuDateiImportierenClick();
    // "iCalendar-Datei &exportieren...": the main file's entries; the main file stays as it was.
    void MenuDateiIcsExportierenClick();
    // "Eintrag als iCalendar-Datei speichern...": the entry of ATagClass with all its occurrences.
    void MenuEintragIcsClick(const TTagClass& ATagClass);
    // The entry of ATagClass as an iCalendar file in the temporary folder, to go with its mail;
    // "" when it cannot be written or iCalendar files are not written (the mail goes without).
    std::string EintragIcsAnhang(const TTagClass& ATagClass);
    void MenuDateiAnzeigenLadenClick();
    void MenuDateiAnzeigenListeClick();
    // "&Feiertagsdatei verwenden ein...", "S&onderdatei verwenden ein..." and
    // "&Sicherungsdatei beim Speichern erstellen ein".
    void MenuEinstFeiertagsdateiClick();
    void MenuEinstSonderdateiClick();
    void MenuEinstSikClick();

    // "S&chließen" has something to close: entries of the main file, or a main file.
    bool SchliessenErlaubt() const;

    // The name a save writes to: ADatei itself when it has an extension, else with the extension
    // of the chosen filter of AFilter (AFilterIndex, counted from 1): in lower case when every file
    // with that extension in its folder has it so, else as the filter spells it.
    static std::string MitEndung(const std::string& ADatei, const std::string& AFilter, int AFilterIndex,
                                 TDateisystem& ADateisystem);
    // The backup name of AZiel: its extension replaced by ".OVO" (".ovo" for a lower-case one);
    // empty when that is AZiel itself, compared without regard to case.
    static std::string Sicherungsname(const std::string& AZiel);

private:
    TForm1& FForm;
    TDateisystem& FDateisystem;
    TDateiDialog* FDateiDialog = nullptr;
    TGeladenDialog* FGeladenDialog = nullptr;
    TIcsDateien FIcs;

    bool DateiWaehlen(const TDateiDialogWahl& AWahl, std::string& ADatei);
    std::string SpeicherOrdner() const;
    bool SpeicherzielWaehlen(TDateiDialogWahl AWahl, std::string& AZiel);
    // Loads a further file beside the calendar, an iCalendar file or a calendar file; false (its
    // error shown) when it cannot be read, and nothing changes then.
    bool Hinzuladen(const std::string& AFilename);
    bool IcsHinzuladen(const std::string& AFilename);
    void IcsImportieren();
    // Writes the main-file entries of ADaten to the file chosen in the dialog of AWahl.
    void IcsSpeichern(const TDateiDialogWahl& AWahl, const TDaten& ADaten);
    void SicherungAnlegen(const std::string& AZiel);
    bool Registriert(const std::string& AFilename) const;
    void ZusatzdateiUmschalten(bool& AOptionS, std::string& AFilename, const TDateiDialogWahl& AWahl);
};
