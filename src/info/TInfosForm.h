#pragma once

// The information window without a window toolkit: the one read-only text window of the program.
// The calling command puts it into one of its uses (information about a line in two panes, the
// preview of coming events, an overview) with the caption, help number and text; the window shows
// it modally and forwards its keys, its context menu, the save command and its sound timer here.
//
// The upper pane is RichEdit1, the lower one (two-pane mode only) RichEdit2. Their texts keep the
// CR LF line ends of the texts they come from; in the preview, line i of RichEdit1 is line i of
// ObjSl.

#include <optional>
#include <string>
#include <vector>

#include "controls/TRechteck.h"
#include "info/TVorschauZeile.h"
#include "settings/TSchrift.h"

class TDateiDialog;
class TMediaPlayer;
class TSystemKlang;

// How the window ended: "S&chließen" or Escape, "&Beenden", Enter on an event line of the preview.
enum TInfosErgebnis { ieSchliessen, ieBeenden, ieAlle };

class TInfosForm {
public:
    static constexpr const char* SchliessenCaption = "S&chließen";
    static constexpr const char* BeendenCaption = "&Beenden";
    // The context menu of the panes.
    static constexpr const char* AllesMarkierenCaption = "Alles markieren";
    static constexpr const char* KopierenCaption = "Kopieren";
    static constexpr const char* SpeichernCaption = "Speichern &unter...";
    static constexpr const char* DruckenCaption = "Drucken...";
    // The save dialog's file types, in the order of their filter index.
    static constexpr const char* SpeichernFilter =
        "Rich Text Format (*.RTF)|*.RTF|Textdokument (*.TXT)|*.TXT|UTF-8-Textdokument (*.TXT)|*.TXT|"
        "Unicode-Textdokument (*.TXT)|*.TXT";
    static constexpr const char* KeinEintrag = "(Kein Eintrag)\r\n";
    static constexpr const char* SoundFehler = "Sound konnte nicht wiedergegeben werden: ";
    // Help numbers of the window's uses.
    static constexpr int HilfeInfos = 8;
    static constexpr int HilfeVorschau = 9;
    static constexpr int HilfeMondphasen = 15;
    static constexpr int HilfeFeiertage = 16;
    static constexpr int HilfeKalendertage = 17;
    // The interval of the sound timer.
    static constexpr int SoundTakt = 100;

    // ASystemKlang gives the beep of a refused Enter; it outlives this object.
    explicit TInfosForm(TSystemKlang& ASystemKlang);

    std::string Caption;
    int HelpContext = HilfeInfos;
    // "&Beenden" is shown (the preview).
    bool BeendenS = false;
    bool ZweiFensterS = false;
    bool VorschauS = false;
    std::string Text1; // RichEdit1
    std::string Text2; // RichEdit2, shown in two-pane mode only
    // The last preview's lines with their events; kept after closing until the next preview.
    TVorschauListe ObjSl;
    // Full paths of the sound files to play, one after the other, while the window is shown.
    std::vector<std::string> SounddateienSl;
    // Sound playing must stop.
    bool StopS = true;
    // The caret's line in RichEdit1 when the window ended with ieAlle.
    int AktZeile = -1;

    // The uses. Information: AText (day part, blank line, entry part) split into the two panes.
    void InfosEinrichten(const std::string& AText, std::vector<std::string> ASounddateien);
    // The preview of today (ATage = 0) or of the next ATage days, with its lines and their events.
    void VorschauEinrichten(int ATage, TVorschauListe AListe, std::vector<std::string> ASounddateien);
    // An overview: one pane, no "&Beenden". The text is taken over: an overview can be megabytes
    // long.
    void UeberblickEinrichten(const std::string& ACaption, int AHelpContext, std::string AText);
    // The caption of a preview of ATage days (0: today).
    static std::string VorschauCaption(int ATage);

    // The window is shown: the sound list starts from its first file. True when the sound timer
    // is to run.
    bool FormShow();
    // A tick of the sound timer, ASichtbarS telling whether the window is still shown. True while
    // the timer is to go on. A player error stops the list and is shown as a message.
    bool Timer1Timer(TMediaPlayer& APlayer, bool ASichtbarS);
    // Any way of closing: the modes are reset and the sound stops; ObjSl stays.
    void FormClose(TMediaPlayer& APlayer);

    // The event on line AZeile of RichEdit1 in the preview, or null.
    const TDatenClass* Eintrag(int AZeile) const;
    // Enter in a pane with the caret on line AZeile of RichEdit1: in the preview on an event line
    // the window ends with ieAlle; otherwise the beep and nothing.
    std::optional<TInfosErgebnis> EnterTaste(int AZeile);
    // Escape: a playing sound stops (and the list is not continued); otherwise the window ends
    // with ieSchliessen.
    std::optional<TInfosErgebnis> EscapeTaste(TMediaPlayer& APlayer);

    // The context menu's items for the focused pane (none focused: all disabled).
    struct TMenue {
        bool AllesMarkierenS = false;
        bool KopierenS = false;
        bool SpeichernS = false;
        bool DruckenS = false;
    };
    static TMenue Kontextmenue(bool APaneFokusS, const std::string& APaneText, bool AMarkiertS);

    // "Speichern &unter..." for pane 1 or 2: the save dialog with the four file types; the pane's
    // text is written as the chosen type (RTF in AFont). A name without an extension gets that of
    // the chosen type. A failed write is shown as a message; false when nothing was written.
    bool SpeichernUnter(TDateiDialog& ADialog, int APane, const TSchrift& AFont);
    const std::string& PaneText(int APane) const { return APane == 2 ? Text2 : Text1; }

    // Layout. M is the width of "M" in the text font, the line height that of "Ag".
    struct TMasse {
        int MBreite = 0;
        int ZeilenHoehe = 0;
        int SchalterBreite = 0;
        int SchalterHoehe = 0;
        int ScrollHoehe = 0; // a horizontal scroll bar
        int ArbeitsBreite = 0;
        int ArbeitsHoehe = 0;
    };
    struct TLage {
        TRechteck Pane1;
        TRechteck Pane2; // empty unless two panes
        TRechteck Schliessen;
        TRechteck Beenden; // empty unless shown
        int ClientWidth = 0;
        int ClientHeight = 0;
    };
    TLage Layout(const TMasse& AMasse) const;

private:
    TSystemKlang& FSystemKlang;
    std::size_t FSoundIndex = 0;
    bool FSoundOffenS = false;

    void SoundsAnhalten(TMediaPlayer& APlayer);
};
