#pragma once

// The main window's commands that show the information window, without a window toolkit: the
// information about the selected line ("&Infos...", Ctrl+I, Enter on an entry line), the preview of
// today (F4) and of the next days (F8), the start-up preview, and the three overviews of the
// "E&xtras" menu. Each fills the window's behaviour (Form), shows it through TInfosFenster and
// acts on how it ended: "&Beenden" closes the main window, Enter on an event of the preview jumps
// to that event in the day list.

#include <optional>
#include <span>
#include <string>

#include "info/TInfosForm.h"
#include "window/TBefehl.h"

class TDaten;
class TForm1;
class TInfosTexte;
class TSystemKlang;
class TTagesliste;
class TTageslisteSteuerung;

// The information window as the window shows it modally, and the way out of the program.
class TInfosFenster {
public:
    virtual ~TInfosFenster() = default;
    // Shows AForm's caption, panes and buttons modally, AForm taking the window's keys, menu and
    // sound timer; how the window ended.
    virtual TInfosErgebnis InfosZeigen(TInfosForm& AForm) = 0;
    // Closes the main window through its normal close path (with the save question).
    virtual void HauptfensterSchliessen() = 0;
};

// Why the preview is shown: by the menu, by the start-up with "/systemstartup" (the program ends
// when there is nothing to show), or by a "/systemstartup" another start handed over (nothing
// happens when there is nothing to show: the running program stays).
enum TVorschauAnlass { vaMenue, vaSystemstart, vaUebergeben };

class TInfosBefehle {
public:
    // Everything outlives this object.
    TInfosBefehle(const TDaten& ADaten, TTagesliste& ATagesliste, TTageslisteSteuerung& ASteuerung,
                  TInfosTexte& ATexte, TInfosFenster& AFenster, TSystemKlang& ASystemKlang);

    // The commands that show the information window: the information of a line, the previews and
    // the overviews; disabled until the window has made it.
    static std::span<const TBefehl<TForm1>> Befehle();

    TInfosForm Form;

    // "&Infos...": the day and entry of the selected line.
    void MenuAktInfosClick();
    // The preview of today (ATage = 0) or of the ATage days after today.
    void VorschauAnzeigen(int ATage, TVorschauAnlass AAnlass);
    // "Mondphasen im Überblick...", "Feiertage im Überblick...", "Angezeigte &Kalendertage im
    // Überblick...".
    void MenuExtMondphasenClick();
    void MenuExtFeiertageClick();
    void MenuExtKalendertageClick();

    // The year of the overviews from a period name (its last four characters): nothing when they
    // are not a year of the calendar.
    static std::optional<int> UeberblickJahr(const std::string& APeriodenName);

private:
    const TDaten& FDaten;
    TTagesliste& FTagesliste;
    TTageslisteSteuerung& FSteuerung;
    TInfosTexte& FTexte;
    TInfosFenster& FFenster;

    // Shows the window; "&Beenden" closes the main window. The result.
    TInfosErgebnis Zeigen();
    // The year of the selected period; nothing (with the beep) when none is selected.
    std::optional<int> AktJahr();
};
