#include "window/TBefehlsliste.h"

TMenueZustand TBefehlsliste::Zustand(TMenueBefehl ABefehl) const {
    const TBindung& Bindung = FBindungen[ABefehl];
    return Bindung.Zustand ? Bindung.Zustand() : TMenueZustand{false, false};
}

void TBefehlsliste::Ausfuehren(TMenueBefehl ABefehl) const {
    const TBindung& Bindung = FBindungen[ABefehl];
    if (Bindung.Ausfuehren) {
        Bindung.Ausfuehren();
    }
}
