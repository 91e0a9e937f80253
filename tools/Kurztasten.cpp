#include "tools/Kurztasten.h"

#include <array>
#include <cctype>
#include <stdexcept>
#include <utility>

#include "info/RemoveAmpersands.h"
#include "window/TMenueBefehl.h"

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 19> Namen = {{
    {"Ctrl", "Strg"},
    {"Alt", "Alt"},
    {"Shift", "Umschalt"},
    {"Up", "Pfeil auf"},
    {"Down", "Pfeil ab"},
    {"Left", "Pfeil links"},
    {"Right", "Pfeil rechts"},
    {"Home", "Pos1"},
    {"End", "Ende"},
    {"PgUp", "Bild auf"},
    {"PgDn", "Bild ab"},
    {"Del", "Entf"},
    {"Ins", "Einfg"},
    {"Enter", "Eingabetaste"},
    {"Esc", "Escape"},
    {"Space", "Leertaste"},
    {"Tab", "Tab"},
    {"Back", "Rücktaste"},
    {"Menu", "Menütaste"},
}};

bool IstFunktionstaste(std::string_view ATaste) {
    if (ATaste.size() < 2 || ATaste.size() > 3 || ATaste[0] != 'F') {
        return false;
    }
    for (const char c : ATaste.substr(1)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> EineTaste(std::string_view ATaste) {
    for (const auto& [Englisch, Deutsch] : Namen) {
        if (ATaste == Englisch) {
            return std::string(Deutsch);
        }
    }
    const bool Zeichen = ATaste.size() == 1 && (std::isupper(static_cast<unsigned char>(ATaste[0])) ||
                                                std::isdigit(static_cast<unsigned char>(ATaste[0])));
    if (Zeichen || IstFunktionstaste(ATaste)) {
        return std::string(ATaste);
    }
    return std::nullopt;
}

// The caption as the menu says it, without the access key's "&" and the "..." of a dialog.
std::string BefehlText(const char* ACaption) {
    std::string Text = RemoveAmpersands(ACaption);
    if (Text.ends_with("...")) {
        Text.resize(Text.size() - 3);
    }
    return Text;
}

// "Aktionen, Alt+K": the menu's name and the key that opens it.
std::string MenueZeile(TMenue AMenue) {
    const std::string_view Caption = MenueCaption(AMenue);
    std::string Zeile = "Menü " + RemoveAmpersands(Caption);
    const std::size_t Und = Caption.find('&');
    const char Zugriff = Und + 1 < Caption.size() ? Caption[Und + 1] : '\0';
    if (Und != std::string_view::npos && std::isalnum(static_cast<unsigned char>(Zugriff))) {
        Zeile += ", Alt+";
        Zeile += static_cast<char>(std::toupper(static_cast<unsigned char>(Zugriff)));
    }
    return Zeile;
}

} // namespace

std::optional<std::string> TastenName(std::string_view AKurztaste) {
    std::string Ergebnis;
    while (true) {
        const std::size_t Plus = AKurztaste.find('+');
        const std::optional<std::string> Taste = EineTaste(AKurztaste.substr(0, Plus));
        if (!Taste) {
            return std::nullopt;
        }
        Ergebnis += *Taste;
        if (Plus == std::string_view::npos) {
            return Ergebnis;
        }
        Ergebnis += '+';
        AKurztaste.remove_prefix(Plus + 1);
    }
}

std::string KurztastenText() {
    std::string Text =
        "Orvanto: Kurztasten des Hauptfensters\n\n"
        "Diese Liste entsteht aus den Menüs des Programms. Befehle ohne Kurztaste stehen nur im "
        "Menü.\n";
    for (std::int32_t m = 0; m < MenueAnzahl; ++m) {
        std::string Zeilen;
        for (std::int32_t b = 0; b < MenueBefehlAnzahl; ++b) {
            const auto Befehl = static_cast<TMenueBefehl>(b);
            const TMenueEintrag& e = MenueEintrag(Befehl);
            if (MenueVon(Befehl) != m || *e.Kurztaste == '\0') {
                continue;
            }
            const std::optional<std::string> Taste = TastenName(e.Kurztaste);
            if (!Taste) {
                throw std::invalid_argument(std::string("Unbekannte Kurztaste: ") + e.Kurztaste);
            }
            Zeilen += BefehlText(e.Caption) + ": " + *Taste + "\n";
        }
        if (!Zeilen.empty()) {
            Text += "\n" + MenueZeile(static_cast<TMenue>(m)) + "\n" + Zeilen;
        }
    }
    return Text;
}
