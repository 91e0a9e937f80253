#pragma once

// The found-entries dialog without a window toolkit: the search over the calendar's entries, the
// list of found entries (one line per entry, its short text in double quotation marks) with the
// occurrence each line jumps to, the selected line, its information text, the texts and the
// layout.
//
// The result list lives until the next search: its occurrence references point into DatenRef and
// are valid only while the calendar is unchanged, which holds while the dialog runs.

#include <string>
#include <vector>

#include "controls/TRechteck.h"
#include "model/Kalenderdatum.h"
#include "model/TTagClass.h"

class TDaten;
class TInfosTexte;

// The scope of a search as bits: 1 the short text, 2 the long text, 3 both.
enum TSuchNr { snKurztext = 1, snLangtext = 2, snBeide = 3 };

struct TSuchTreffer {
    std::string Zeile;
    TTagClass TagClass;
};

class TSuchKlassenForm {
public:
    static constexpr const char* Caption = "Gefundene Einträge";
    static constexpr const char* ListeCaption = "&Einträge:";
    static constexpr const char* InfosCaption = "Eintrag&infos:";
    static constexpr const char* OkCaption = "O&K";
    static constexpr const char* CancelCaption = "&Abbrechen";
    // The information pane's context menu.
    static constexpr const char* AllesMarkierenCaption = "Alles markieren";
    static constexpr const char* KopierenCaption = "Kopieren";

    // The term in lower case (as the search dialog stores it), the scope and the calendar.
    std::string Suchbegriff;
    int SuchNr = snKurztext;
    const TDaten* DatenRef = nullptr;
    // The selected line, -1 for none.
    int ItemIndex = -1;

    // Lists every entry with at least one shown occurrence whose short text (scope bit 1) or long
    // text (bit 2) contains the term ignoring letter case, sorted by line ignoring case (entries
    // with equal lines keep the calendar's order). Each line jumps to the entry's first
    // occurrence after the day of ADatum within its calendar limit, else to its first occurrence
    // within the limit. Selects the first line; true when there is one. An empty term lists
    // nothing.
    bool SucheKlassenOk(TTag ADatum);

    const std::vector<TSuchTreffer>& Results() const { return FResults; }
    // The selected line's occurrence, or null when no line is selected.
    const TTagClass* GetTagClass() const;
    // The information text of the selected line's occurrence (its day and its entry); empty when
    // no line is selected.
    std::string InfosText(TInfosTexte& AInfos) const;

    // Spoken when the list receives the focus.
    static std::string ListeAnsage();

    struct TMasse {
        int OwnerWidth = 0; // the main window's size
        int OwnerHeight = 0;
        int LabelWidth = 0; // the wider of the two labels
        int LabelHeight = 0;
        int SchalterWidth = 0;
        int SchalterHeight = 0;
    };
    struct TLage {
        TRechteck ListeLabel;
        TRechteck Liste;
        TRechteck InfosLabel;
        TRechteck Infos;
        TRechteck Ok;
        TRechteck Abbrechen;
        int ClientWidth = 0;
        int ClientHeight = 0;
    };
    // 50 pixels narrower and lower than the main window, the client at most 600 high; the labels
    // in a column on the left, the list on top with a third of the free height, the information
    // below it, the buttons at the bottom.
    static TLage Layout(const TMasse& AMasse);

private:
    std::vector<TSuchTreffer> FResults;
};
