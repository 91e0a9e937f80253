#pragma once

// The main window's extras without a window toolkit: mailing an entry, the help menu (help texts,
// links, the about box, the external updater) and the autostart option. Files and links go to
// the desktop through TProgrammStart, questions and messages through TMeldungsPort.

#include <span>
#include <string>
#include <vector>

#include "settings/TSchrift.h"
#include "views/TTagesansicht.h"
#include "window/TBefehl.h"

class TAutostart;
class TDrucker;
class TForm1;
class TProgrammStart;
struct TTagClass;

// The help texts of the program folder, numbered as the help menu's items have always been.
enum THilfedatei : int {
    hdHilfe = 1,
    hdAenderungen = 2,
    hdKurztasten = 4,
};

// Where the extras find their files; folders end with a separator.
struct TExtrasOrte {
    std::string Programmordner; // the help texts and the updater
    std::string Programmdatei;  // the full path of the running program
    std::string TempOrdner;     // the user's temporary folder: the updater's hand-over file
};

class TExtrasBefehle {
public:
    // AStart, AAutostart and ADrucker outlive this object.
    TExtrasBefehle(TProgrammStart& AStart, TAutostart& AAutostart, TDrucker& ADrucker, TExtrasOrte AOrte);

    // Printing the day list, mailing an entry, the autostart option and the help menu; disabled
    // until the window has made what they need.
    static std::span<const TBefehl<TForm1>> Befehle();

    // "&Drucken...": the lines of the view ATagesansicht in the user's font, as the print job
    // "Drucke Wochenansicht" (or the year's or month's).
    void MenuDruckenClick(TTagesansicht ATagesansicht, const std::vector<std::string>& AZeilen,
                          const TSchrift& AFont);
    static std::string DruckTitel(TTagesansicht ATagesansicht);

    // "Eintrag per &Mail versenden...": the entry of ATagClass to the mail program, with the file
    // AAnhang attached where the desktop can ("": none).
    void MenuMailClick(const TTagClass& ATagClass, const std::string& AAnhang = "");

    // The file of a help item; "" for a number that names none.
    std::string Hilfedatei(int ATag) const;
    // A help item is enabled while its file exists.
    bool HilfedateiVorhanden(int ATag) const;
    // "&Hilfe..." (F1), "&Änderungen..." and "&Kurztasten...": the file in the desktop's text
    // viewer; a number that names no file opens nothing.
    void MenuHilfeClick(int ATag);
    // "&Mail an den Programmierer...", "Home&page..." and "&Spenden...".
    void MenuMailProgrammiererClick();
    void MenuHomepageClick();
    void MenuSpendenClick();
    // "&Info": the about box.
    void MenuInfoClick();
    static std::string InfoText();

    // The external updater beside the program: "Vantrel" with the program file's extension.
    std::string Aktualisierer() const;
    // "&Aktualisierung..." is in the menu only while the updater exists.
    bool AktualisierungSichtbar() const;
    // The hand-over file's path in the temporary folder.
    std::string UebergabeDatei() const;
    // Its six lines (CR LF after each), for the window caption ATitel and the user's font and
    // background colour.
    std::string UebergabeText(const std::string& ATitel, const TSchrift& AFont, TFarbe ABackColor) const;
    // "&Aktualisierung...": writes the hand-over file and starts the updater with its name; when
    // the file cannot be written, says so and starts nothing.
    void MenuAktualisierungClick(const std::string& ATitel, const TSchrift& AFont, TFarbe ABackColor);

    // "Automatisch beim &Hochfahren starten ein" is checked exactly while the autostart entry
    // exists.
    bool AutostartS() const;
    // Switching on asks first, and Nein leaves it off; switching off asks nothing. The check mark
    // follows the entry, whether writing or removing it worked or not.
    void MenuAutostartClick();
#ifdef _WIN32
    static constexpr const char* AutostartFrage =
        "Soll der Orvanto und das Vorschaufenster beim Windowsstart aufgerufen werden?";
#else
    // The desktop starts its autostart entries when the user logs in, not when the system starts.
    static constexpr const char* AutostartFrage =
        "Soll der Orvanto und das Vorschaufenster beim Anmelden aufgerufen werden?";
#endif

private:
    TProgrammStart& FStart;
    TAutostart& FAutostart;
    TDrucker& FDrucker;
    TExtrasOrte FOrte;

    // A link or file opened with the desktop's program for it.
    void Oeffnen(const std::string& ALink);
};
