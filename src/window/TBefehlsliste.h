#pragma once

// The main window's commands bound to the objects they work on. A command whose object is not
// there yet (its table not bound) is disabled and does nothing.

#include <array>
#include <functional>
#include <span>

#include "window/TBefehl.h"

class TBefehlsliste {
public:
    // From now on the commands of ATabelle work on AKontext, which outlives this list.
    template <class T, class R> void Binden(std::span<const TBefehl<T, R>> ATabelle, T& AKontext) {
        for (const TBefehl<T, R>& b : ATabelle) {
            TBindung& Bindung = FBindungen[b.Eintrag.Id];
            Bindung.Zustand = [&b, &AKontext] { return b.ZustandIn(AKontext); };
            Bindung.Ausfuehren = [&b, &AKontext] { b.Ausfuehren(AKontext); };
        }
    }

    TMenueZustand Zustand(TMenueBefehl ABefehl) const;
    // Runs the command whatever its state.
    void Ausfuehren(TMenueBefehl ABefehl) const;

private:
    struct TBindung {
        std::function<TMenueZustand()> Zustand;
        std::function<void()> Ausfuehren;
    };
    std::array<TBindung, MenueBefehlAnzahl> FBindungen;
};
