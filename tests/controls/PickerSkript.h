#pragma once

// Plays a key script on a picker's behaviour class and counts the beeps. Tokens, separated by
// blanks: "<" ">" Left/Right, "Pos1" "Ende", "^" "v" Up/Down (the up-down control), "BA" "BB"
// Page Up/Down, "Entf", "BS" Backspace, "Maus:N" mouse-up with the caret at N; any other token is
// typed character by character ("45", "a", ".").

#include <sstream>
#include <string>

template <typename TPicker> int SpieleSkript(TPicker& APicker, const std::string& ASkript) {
    using T = typename TPicker::TTaste;
    using R = typename TPicker::TRichtung;
    int Pieptoene = 0;
    std::istringstream Tokens(ASkript);
    std::string Token;
    while (Tokens >> Token) {
        bool PiepS = false;
        if (Token == "<") {
            PiepS = APicker.KeyDown(T::Links);
        } else if (Token == ">") {
            PiepS = APicker.KeyDown(T::Rechts);
        } else if (Token == "Pos1") {
            PiepS = APicker.KeyDown(T::Pos1);
        } else if (Token == "Ende") {
            PiepS = APicker.KeyDown(T::Ende);
        } else if (Token == "BA") {
            PiepS = APicker.KeyDown(T::BildAuf);
        } else if (Token == "BB") {
            PiepS = APicker.KeyDown(T::BildAb);
        } else if (Token == "Entf") {
            PiepS = APicker.KeyDown(T::Entf);
        } else if (Token == "^") {
            PiepS = APicker.UpDown(R::Auf);
        } else if (Token == "v") {
            PiepS = APicker.UpDown(R::Ab);
        } else if (Token == "BS") {
            PiepS = APicker.Char(8);
        } else if (Token.rfind("Maus:", 0) == 0) {
            APicker.MausLos(std::stoi(Token.substr(5)));
        } else {
            for (const char c : Token) {
                Pieptoene += APicker.Char(static_cast<char32_t>(c)) ? 1 : 0;
            }
        }
        Pieptoene += PiepS ? 1 : 0;
    }
    return Pieptoene;
}
