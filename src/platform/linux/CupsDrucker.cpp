// The printers of a Linux system are the queues of CUPS, which the print dialog lists too. The
// CUPS library is loaded when first asked, so that a system without it (and without printers)
// runs the program all the same; a CUPS server that is not running has no queue to offer.

#include "platform/Drucker.h"

#include <dlfcn.h>

namespace {

using TGetDests = int (*)(void** ADests);
using TFreeDests = void (*)(int AAnzahl, void* ADests);

struct TCups {
    TGetDests GetDests = nullptr;
    TFreeDests FreeDests = nullptr;
};

// Loaded once and kept, as a linked library would be: its per-thread state lives until the
// thread ends, and unloading it earlier would leave that state behind.
const TCups& Cups() {
    static const TCups Geladen = [] {
        TCups c;
        if (void* Bibliothek = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL)) {
            c.GetDests = reinterpret_cast<TGetDests>(dlsym(Bibliothek, "cupsGetDests"));
            c.FreeDests = reinterpret_cast<TFreeDests>(dlsym(Bibliothek, "cupsFreeDests"));
        }
        return c;
    }();
    return Geladen;
}

} // namespace

bool DruckerInstalliert() {
    const TCups& c = Cups();
    if (c.GetDests == nullptr || c.FreeDests == nullptr) {
        return false;
    }
    void* Ziele = nullptr;
    const int Anzahl = c.GetDests(&Ziele);
    c.FreeDests(Anzahl, Ziele);
    return Anzahl > 0;
}
