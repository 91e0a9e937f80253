#include "window/TMenueBefehl.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>
#include <string_view>
#include <utility>

#include "entries/TEintragBefehle.h"
#include "window/TForm1.h"

namespace {

using TTabelle = std::array<const TMenueEintrag*, MenueBefehlAnzahl>;

template <class T, class R> void Eintragen(TTabelle& ATabelle, std::span<const TBefehl<T, R>> ABefehle) {
    for (const TBefehl<T, R>& b : ABefehle) {
        // Each command is declared exactly once.
        if (ATabelle[b.Eintrag.Id] != nullptr) {
            std::abort();
        }
        ATabelle[b.Eintrag.Id] = &b.Eintrag;
    }
}

// Every command's item, by id, gathered from the features' declarations.
const TTabelle& Tabelle() {
    static const TTabelle Ergebnis = [] {
        TTabelle t{};
        for (const std::span<const TBefehl<TForm1>> Befehle : TForm1::Fensterbefehle()) {
            Eintragen(t, Befehle);
        }
        Eintragen(t, TEintragBefehle::Befehle());
        if (std::ranges::find(t, nullptr) != t.end()) {
            std::abort(); // a command without its declaration
        }
        return t;
    }();
    return Ergebnis;
}

TMenuePunkt Befehlspunkt(TMenueBefehl ABefehl, bool AKopieS = false) {
    return {.Art = TMenuePunkt::mpBefehl, .Befehl = ABefehl, .KopieS = AKopieS};
}

// Appends the item of ABefehl to APunkte: after a separator when it asks for one and is not the
// first, and into the submenu it names, which it opens when the item before is not in it.
void Anfuegen(std::vector<TMenuePunkt>& APunkte, TMenueBefehl ABefehl, bool AKopieS) {
    const TMenueEintrag& e = MenueEintrag(ABefehl);
    if (e.TrennerDavor && !APunkte.empty()) {
        APunkte.push_back({.Art = TMenuePunkt::mpTrenner});
    }
    if (e.Untermenue == nullptr || AKopieS) {
        APunkte.push_back(Befehlspunkt(ABefehl, AKopieS));
        return;
    }
    const bool Offen = !APunkte.empty() && APunkte.back().Art == TMenuePunkt::mpUntermenue &&
                       std::string_view(APunkte.back().Caption) == e.Untermenue;
    if (!Offen) {
        APunkte.push_back({.Art = TMenuePunkt::mpUntermenue, .Caption = e.Untermenue});
    }
    APunkte.back().Punkte.push_back(Befehlspunkt(ABefehl));
}

} // namespace

const TMenueEintrag& MenueEintrag(TMenueBefehl ABefehl) {
    return *Tabelle()[ABefehl];
}

const char* MenueCaption(TMenue AMenue) {
    constexpr const char* Captions[MenueAnzahl] = {"&Datei",    "&Bearbeiten",    "&Suchen",
                                                   "A&ktionen", "S&prünge",       "&Ansicht",
                                                   "E&xtras",   "&Einstellungen", "&Hilfe"};
    return Captions[AMenue];
}

TMenue MenueVon(TMenueBefehl ABefehl) {
    return MenueEintrag(ABefehl).Menue;
}

std::vector<TMenuePunkt> MenueAufbau(TMenue AMenue) {
    std::vector<TMenuePunkt> Punkte;
    // The settings menu starts with its view submenu of copies.
    if (AMenue == mnEinstellungen) {
        TMenuePunkt Kopien{.Art = TMenuePunkt::mpUntermenue, .Caption = "&Ansicht"};
        for (std::int32_t b = 0; b < MenueBefehlAnzahl; ++b) {
            if (MenueEintrag(static_cast<TMenueBefehl>(b)).EinstellungsKopie) {
                Anfuegen(Kopien.Punkte, static_cast<TMenueBefehl>(b), true);
            }
        }
        Punkte.push_back(std::move(Kopien));
    }
    for (std::int32_t b = 0; b < MenueBefehlAnzahl; ++b) {
        if (MenueVon(static_cast<TMenueBefehl>(b)) == AMenue) {
            Anfuegen(Punkte, static_cast<TMenueBefehl>(b), false);
        }
    }
    return Punkte;
}

std::vector<TMenueBefehl> ListenPopupBefehle() {
    // The commands for the line under the cursor first, the font last.
    return {mbNeu,        mbBearbeiten,   mbInfos,
            mbKopieren,   mbAusschneiden, mbEinfuegen,
            mbAktivieren, mbDeaktivieren, mbEintragImportieren,
            mbMail,       mbEintragIcs,   mbLoeschen,
            mbAusblenden, mbSchrift};
}

std::vector<TMenueBefehl> ComboPopupBefehle() {
    std::vector<TMenueBefehl> Befehle;
    for (std::int32_t b = 0; b < MenueBefehlAnzahl; ++b) {
        if (MenueEintrag(static_cast<TMenueBefehl>(b)).ComboPopup) {
            Befehle.push_back(static_cast<TMenueBefehl>(b));
        }
    }
    return Befehle;
}
