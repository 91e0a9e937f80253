#pragma once

// The search dialog without a window toolkit: the term, the scope, the texts, what it speaks and
// its layout. The main window keeps one for the whole run, so the scope chosen last stays.

#include <string>
#include <string_view>

#include "controls/TRechteck.h"

class TSuchenForm {
public:
    static constexpr const char* Caption = "Suche nach Einträgen";
    static constexpr const char* LabelCaption = "&Suchbegriff:";
    static constexpr const char* GruppeCaption = "Suche &in";
    static constexpr const char* KurztextCaption = "Kurz&text";
    static constexpr const char* LangtextCaption = "Langte&xt";
    static constexpr const char* BeideCaption = "Kurz- &und Langtext";
    static constexpr const char* OkCaption = "O&K";
    static constexpr const char* CancelCaption = "&Abbrechen";

    // The term in the edit; the scope's index (0 short text, 1 long text, 2 both; -1 none yet).
    std::string Suchbegriff;
    int ItemIndex = -1;

    // Before each showing: the first scope when none is chosen.
    void BeimZeigen();
    // The scope as TSuchNr bits: the index + 1.
    int SuchNr() const;
    // OK is enabled exactly while the edit is not empty.
    static bool OkErlaubt(std::string_view AText);
    // Every typed character enters the edit in lower case.
    static std::string Klein(std::string_view AText);

    // Spoken when the edit and the scope group receive the focus.
    static std::string EditAnsage();
    static std::string GruppeAnsage();

    struct TMasse {
        int LabelWidth = 0;
        int LabelHeight = 0;
        int EditHeight = 0;
        int GruppeWidth = 0; // what the group's captions need at least
        int GruppeHeight = 0;
        int SchalterWidth = 0;
        int SchalterHeight = 0;
    };
    struct TLage {
        TRechteck Label;
        TRechteck Edit;
        TRechteck Gruppe;
        TRechteck Ok;
        TRechteck Abbrechen;
        int ClientWidth = 0;
        int ClientHeight = 0;
    };
    // The edit 10 pixels from the top and twice as wide as its label, which stands left of it;
    // the scope group right of the edit, twice the label width wide and five edit heights high (or
    // what its captions need); the two buttons below, centred.
    static TLage Layout(const TMasse& AMasse);
};
