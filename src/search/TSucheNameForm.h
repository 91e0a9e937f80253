#pragma once

// The name-day search dialog without a window toolkit: its texts, the last searched name, the
// enable rule of "&Suchen", the search with the pane's text and caret, the key that starts a new
// name from the pane, the main window's check for the file and the layout. The main window keeps
// one for the whole run, so the last name stays.

#include <optional>
#include <string>
#include <string_view>

#include "controls/TRechteck.h"

class TSucheNameForm {
public:
    static constexpr const char* Caption = "Suche Namenstag";
    static constexpr const char* LabelCaption = "&Name:";
    static constexpr const char* GenauCaption = "&Genaue Übereinstimmung";
    static constexpr const char* SuchenCaption = "&Suchen";
    static constexpr const char* SchliessenCaption = "S&chließen";
    static constexpr const char* AllesMarkierenCaption = "Alles markieren";
    static constexpr const char* KopierenCaption = "Kopieren";
    static constexpr const char* Kopfzeile = "Namenstage:";

    // AProgrammordner holds "Namenstage.dat".
    explicit TSucheNameForm(std::string AProgrammordner) : FProgrammordner(std::move(AProgrammordner)) {}

    // The last searched name, in lower case.
    std::string SuchStr;
    // The pane's text (lines joined with "\n") and where its caret goes.
    std::string Ergebnis = Kopfzeile;
    std::size_t ErgebnisCaret = 0;

    // "&Suchen" is enabled while the name, trimmed, is not empty.
    static bool SuchenErlaubt(std::string_view AText);
    // Every typed character enters the edit in lower case.
    static std::string Klein(std::string_view AText);
    // A character typed in the pane starts a new name: anything but control characters (below 32
    // and 127 to 159).
    static bool StartetNeuenNamen(char32_t AZeichen);
    // Spoken when the edit receives the focus.
    static std::string EditAnsage();

    // Searches AName (SuchStr becomes it in lower case, as the edit then shows it): the pane gets
    // the header and one line per day, the not-found line or the file's fault; the caret goes to
    // the first result. True when the exclamation sound is due (nothing found or a faulty file).
    bool Suchen(std::string_view AName, bool AGenauS);

    // The main window's check before showing the dialog: the message when "Namenstage.dat" is
    // missing from the program's folder, nothing when it is there.
    std::optional<std::string> FehlendeDatei() const;

    struct TMasse {
        int OwnerWidth = 0;
        int LabelWidth = 0;
        int LabelHeight = 0;
        int EditHeight = 0;
        int CheckHeight = 0;
        int SchalterWidth = 0;
        int SchalterHeight = 0;
    };
    struct TLage {
        TRechteck Label;
        TRechteck Edit;
        TRechteck Genau;
        TRechteck Ergebnis;
        TRechteck Suchen;
        TRechteck Schliessen;
        int ClientWidth = 0;
        int ClientHeight = 0;
    };
    // 50 pixels narrower than the owner (at most); the edit at the top with its label to the left,
    // the check box below, the pane ten edit heights high below that, the buttons at the bottom.
    static TLage Layout(const TMasse& AMasse);

private:
    std::string FProgrammordner;
};
