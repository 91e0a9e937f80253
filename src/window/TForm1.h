#pragma once

// The main window's state and commands, without any window toolkit: program start with the
// settings, the one-time start-up step, the clock, the view commands, opening a calendar from the
// recent-file list and the way out through the save question and the settings. The window
// forwards its events here and shows what this class tells it through THauptfensterAnsicht and
// TTageslisteSteuerung.

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "calendarfiles/TDateiBefehle.h"
#include "entries/TEintragBefehle.h"
#include "extras/TExtrasBefehle.h"
#include "info/TInfosBefehle.h"
#include "model/TDaten.h"
#include "model/TGeladenClass.h"
#include "model/TSpeicherstand.h"
#include "platform/THistoryMenuList.h"
#include "search/TSuchBefehle.h"
#include "settings/TEinstellungsspeicher.h"
#include "settings/TSchrift.h"
#include "speech/TolkSRD.h"
#include "views/TTagesliste.h"
#include "window/TBefehlsliste.h"
#include "window/THauptfensterAnsicht.h"
#include "window/TMenueBefehl.h"

constexpr const char* ProgrammTitel = "Orvanto V1.03";

class TForm1 {
public:
    // The folders of the user's calendars and of the program's own files; both end with a
    // separator.
    std::string KalenderUserPath;
    std::string KalenderProgPath;
    // The holiday file and the special file with their options.
    std::string FeiertagsFilename;
    std::string SonderFilename;
    bool FeiertagS = false;
    bool SonderS = false;
    // The check marks of "Zeige SplashS&creen beim Start" and of the backup option.
    bool ShowSplashScreenS = true;
    bool SikDateiAnlegenS = false;
    // The calendar files last opened or saved, newest first, as the file menu lists them.
    THistoryMenuList HistoryMenuList;

    // The screen reader's speech and braille for every window of the program; silent when no
    // screen reader runs.
    TTolkSRD Tolk;
    // The calendar with the entries of every loaded file, its state as last loaded or saved, and
    // the registry of the additionally loaded files. The state is set only through
    // Daten.SpeicherkopieSetzen, so that the modified check reads no more than what changed since.
    TDaten Daten;
    TSpeicherstand SpeicherDaten;
    TGeladenClass Geladen;
    // The period box and the day list: view, filters, lines and the place in them.
    TTagesliste Tagesliste;

    // FormCreate. ADokumenteOrdner and AProgrammordner end with a separator; AArgumente are the
    // command-line arguments after the program path. Creates the folders for calendars and sounds
    // when missing (failures are ignored). The settings are read and written through
    // AEinstellungsspeicher, the calendar files through ADateisystem; Tolk speaks through the
    // screen-reader drivers of APlattform.
    TForm1(THauptfensterAnsicht& AAnsicht, TTageslisteSteuerung& ASteuerung,
           TEinstellungsspeicher& AEinstellungsspeicher, TDateisystem& ADateisystem,
           const std::string& ADokumenteOrdner, const std::string& AProgrammordner,
           const std::vector<std::string>& AArgumente, std::unique_ptr<TScreenReaderPlattform> APlattform);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The first showing: loads the settings, applies the font and reports true once, when the
    // start-up step is to be scheduled; every later showing reports false.
    bool FormShow();
    // The start-up step: loads the calendars, takes the saved copy, shows the week of today and
    // notes what the command line asks for afterwards.
    void Timer2Timer();
    // The clock in the status bar.
    void Timer1Timer();
    // Whether the window may close; asks about unsaved changes.
    bool FormCloseQuery();
    // The window closes: the settings are saved, and from now on timers and handlers do nothing.
    void FormClose();
    // Removes the program's folders again when they are empty.
    void FormDestroy();

    // The main file. Setting it sets the window caption; a value without a file-name part (a
    // folder) means that no file is open.
    const std::string& KalFilename() const { return FKalFilename; }
    void SetKalFilename(const std::string& AValue);
    // The caption for a main file.
    static std::string Fenstertitel(const std::string& AKalFilename);

    // The calendar differs from the state last loaded or saved.
    bool IsModified() const;
    // Saves to the main file, or to a file chosen in the save-as dialog when it has no name yet;
    // false (after the error message) when that fails or the dialog was cancelled.
    bool Speichern();
    // When the calendar is modified, asks whether to save it first; false when the calling
    // command is to stop (cancelled, or the save failed).
    bool SpeichernFragen();
    // Opens AFilename as the main calendar after the save question; false when the question was
    // cancelled or the file could not be read (the current calendar then stays).
    bool Oeffne(const std::string& AFilename);

    // Loads (true) or saves (false) the settings; errors are shown and change nothing else.
    void EinstellungenLadenSpeichern(bool ALadenS);
    // Rebuilds the file menu's recent-file entries from the list.
    void SetHistoryMenuList();
    // Puts a calendar file opened or saved on top of the recent files.
    void HistoryAdd(const std::string& AFilename);
    // A click on the recent-file entry with tag ATag.
    void HistoryMenuClick(int ATag);

    bool IsClosing() const { return FIsClosing; }
    bool Starting() const { return FStarting; }
    const std::vector<std::string>& Parameters() const { return FParameters; }
    // What the command line asked for, for the start-up's end: a file to import ("/I:" with an
    // existing file) and the start-up preview ("/systemstartup").
    const std::string& StartImportFilename() const { return FStartImportFilename; }
    bool StartVorschauS() const { return FStartVorschauS; }

    TSchrift AktFont;
    TFarbe AktBackColor = clWhite;
    bool KomprimiertS() const { return FKomprimiertS; }
    // Compressed entry mode; the menus' check marks follow.
    void SetKomprimiertS(bool AValue);
    int Vorschautage() const { return FVorschautage; }

    // The window's own commands: paging, going to a date and the jumps; the views and filters, the
    // font and the start-up and preview settings.
    static std::span<const TBefehl<TForm1>> Navigationsbefehle();
    static std::span<const TBefehl<TForm1>> Ansichtsbefehle();
    // Every command table that works on the window: its own and those of the file, information,
    // extras and search features. The entry commands work on TEintragBefehle.
    static std::vector<std::span<const TBefehl<TForm1>>> Fensterbefehle();
    // The state of a menu item now: computed when a menu or pop-up opens and before a shortcut
    // runs, which then runs its command only when the item is enabled.
    TMenueZustand MenueZustand(TMenueBefehl ABefehl) const;
    // Runs a menu command through Ausfuehren when its item is enabled.
    void MenueBefehl(TMenueBefehl ABefehl);
    // The features' command objects; null until the window has made what they need.
    TSuchBefehle* Suche() const { return FSuche.get(); }
    TInfosBefehle* Infos() const { return FInfos.get(); }
    TExtrasBefehle* Extras() const { return FExtras.get(); }
    // Which control the user works in, for the commands' enable rules.
    bool ZeilenHatFokus() const { return FSteuerung.ZeilenHatFokus(); }
    // The search commands, once the window has made their dialogs: they search Daten and jump in
    // Tagesliste; without them the search menu is disabled.
    void SuchDialogeSetzen(TSuchDialoge& ADialoge);
    // The information window's commands, once the window has made it: the information of a line,
    // the previews and the overviews; without it their items are disabled.
    void InfosFensterSetzen(TInfosFenster& AFenster, TInfosTexte& ATexte, TSystemKlang& ASystemKlang);
    // Timer0: the start-up preview of "/systemstartup", 500 ms after the start-up step.
    void Timer0Timer();
    // The preview of today that another start handed over with "/systemstartup".
    void UebergebeneVorschau();
    // The file commands of the file menu and of the settings menu; their dialogs come once the
    // window has made them (until then every dialog counts as cancelled).
    TDateiBefehle& Dateien() { return *FDatei; }
    const TDateiBefehle& Dateien() const { return *FDatei; }
    void DateiDialogeSetzen(TDateiDialog& ADateiDialog, TGeladenDialog& AGeladenDialog);
    // The entry commands, once the window has made the entry editor; without it they are disabled.
    void EintragEditorSetzen(TEintragEditor& AEditor);
    const TEintragBefehle* Eintraege() const { return FEintraege.get(); }
    // Entries left the calendar through a file command: the entry clipboard forgets its source,
    // whose address a new entry could take.
    void EintraegeEntfernt();
    // Enter in the day list: the information on an entry line, a new entry on a day line.
    void ZeileEingabe();
    // The folder of the sound files, ending with a separator.
    std::string Soundordner() const;
    // The extras (printing, mail, the help menu, autostart), once the window has made what they
    // need: the desktop's program start, the autostart entry and the printer; without them their
    // items are disabled.
    void ExtrasSetzen(TProgrammStart& AStart, TAutostart& AAutostart, TDrucker& ADrucker,
                      const TExtrasOrte& AOrte);
    // Runs a command of a menu, key or control. An exception escaping it is shown in a German
    // message box and the program goes on.
    void Ausfuehren(const std::function<void()>& ABefehl);

    // "&Vorblättern" (AVorS) and "&Zurückblättern".
    void MenuAktBlaetternClick(bool AVorS);
    // The date the go-to-date dialog starts with: that of the selected line, else today.
    TTag GeheDatumVorgabe() const;
    // The go-to-date dialog ended with OK on ADatum: every day gets a line and the first line of
    // ADatum is selected.
    void GeheZuDatum(TTag ADatum);
    // The font and colour dialog ended with OK: the window takes them and the settings keep them.
    void SchriftUebernehmen(const TSchrift& AFont, TFarbe ABackColor);
    // "&Gehe zu Datum...", "&Schrifteinstellungen..." and "Anzahl der &Vorschautage...": each
    // shows its dialog with the current values and takes what it ends with on OK.
    void MenuAktGeheDatumClick();
    void MenuAnsSchriftClick();
    void MenuEinstVortageClick();
    // "Sprung zum Kalender&anfang" and "Sprung zum &Kalenderende".
    void MenuSprKalenderClick(bool AEndeS);
    // The four jumps between the day records of the current line's entry.
    void MenuSprDatensatzClick(TDatensatzSprung ASprung);

    // View commands.
    void MenuAnsichtClick(TTagesansicht ATagesansicht);
    // A day filter or the calendar-week prefix (TFilterIndex).
    void MenuAnsAusblenden(int AIndex);
    void MenuAnsAlleTageClick();
    void MenuAnsLeereTageClick();
    void MenuAnsKomprimiertClick();
    void MenuSprHeuteClick();
    // "Zeige SplashS&creen beim Start"
    void MenuEinstSplashClick();

private:
    THauptfensterAnsicht& FAnsicht;
    TTageslisteSteuerung& FSteuerung;
    TEinstellungsspeicher& FEinstellungsspeicher;
    TDateisystem& FDateisystem;
    std::unique_ptr<TSuchBefehle> FSuche;
    std::unique_ptr<TInfosBefehle> FInfos;
    std::unique_ptr<TDateiBefehle> FDatei;
    std::unique_ptr<TEintragBefehle> FEintraege;
    std::unique_ptr<TExtrasBefehle> FExtras;
    TBefehlsliste FBefehle;
    std::string FProgrammordner;
    std::vector<std::string> FParameters;
    std::string FKalFilename;
    bool FStartupScheduled = false;
    bool FStarting = true;
    bool FIsClosing = false;
    bool FKomprimiertS = false;
    int FVorschautage = 3;
    std::string FStartImportFilename;
    bool FStartVorschauS = false;

    TEinstellungen Einstellungen() const;
    void EinstellungenUebernehmen(const TEinstellungen& AWerte);
    void StartdateienLaden();
    void StartbefehleMerken();
};
