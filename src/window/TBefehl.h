#pragma once

// One menu command as its feature declares it: what its items show (TMenueEintrag) and, read
// from the object the command works on (its context T), when it is enabled and what it does.
// A feature lists its commands in one table; the window binds that table to the object once it
// exists (TBefehlsliste).

#include <cstdlib>
#include <span>

#include "window/TMenueBefehl.h"

template <class T, class R = void> struct TBefehl {
    TMenueEintrag Eintrag;
    // Null: always enabled, never checked.
    TMenueZustand (*Zustand)(const T&) = nullptr;
    R (*Ausfuehren)(T&) = nullptr;

    TMenueZustand ZustandIn(const T& AKontext) const {
        return Zustand != nullptr ? Zustand(AKontext) : TMenueZustand{};
    }
};

// The declaration of ABefehl in ATabelle; a command of another table is a programming error.
template <class T, class R>
const TBefehl<T, R>& BefehlIn(std::span<const TBefehl<T, R>> ATabelle, TMenueBefehl ABefehl) {
    for (const TBefehl<T, R>& b : ATabelle) {
        if (b.Eintrag.Id == ABefehl) {
            return b;
        }
    }
    std::abort();
}
