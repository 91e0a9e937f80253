#pragma once

// Message boxes answered from a script the way the user answers them: with one of the buttons the
// box shows. A box with OK alone is answered OK; a question takes the next scripted answer, else
// the standing answer Antwort, else it fails the test. An answer the box does not offer fails the
// test too, so that no test rests on a result the real box cannot give.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/TMeldungsPort.h"

// AAntwort when a box with AKnoepfe has its button; else a test failure and the answer of the box
// closed with Escape.
inline TMeldungsAntwort KnopfGeprueft(TMeldungsKnoepfe AKnoepfe, TMeldungsAntwort AAntwort) {
    for (TMeldungsAntwort Knopf : KnopfAntworten(AKnoepfe)) {
        if (Knopf == AAntwort) {
            return AAntwort;
        }
    }
    ADD_FAILURE() << "answer " << AAntwort << " given to a box without its button (buttons " << AKnoepfe
                  << ")";
    return EscapeAntwort(AKnoepfe);
}

class TSkriptMeldungen : public TMeldungsPort {
public:
    // Every box shown, in turn.
    std::vector<TMeldungsArt> Arten;
    std::vector<std::string> Texte;
    std::vector<TMeldungsKnoepfe> Knoepfe;
    // The answers of the next questions, in turn; then every question gets Antwort.
    std::deque<TMeldungsAntwort> Antworten;
    std::optional<TMeldungsAntwort> Antwort;

    TMeldungsAntwort Zeige(TMeldungsArt AArt, const std::string& AText, TMeldungsKnoepfe AKnoepfe) override {
        Arten.push_back(AArt);
        Texte.push_back(AText);
        Knoepfe.push_back(AKnoepfe);
        if (AKnoepfe == mkOK) {
            return maOK;
        }
        if (!Antworten.empty()) {
            const TMeldungsAntwort Naechste = Antworten.front();
            Antworten.pop_front();
            return KnopfGeprueft(AKnoepfe, Naechste);
        }
        if (Antwort) {
            return KnopfGeprueft(AKnoepfe, *Antwort);
        }
        ADD_FAILURE() << "unexpected question: " << AText;
        return EscapeAntwort(AKnoepfe);
    }
};
