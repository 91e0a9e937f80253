// The printers of a Linux system are the queues of CUPS, which the print dialog lists too. The
// CUPS library is looked up when asked, so that a system without it (and without printers) runs
// the program all the same; a CUPS server that is not running has no queue to offer.

#include "platform/Drucker.h"

#include <dlfcn.h>

namespace {

using TGetDests = int (*)(void** ADests);
using TFreeDests = void (*)(int AAnzahl, void* ADests);

} // namespace

bool DruckerInstalliert() {
    void* Cups = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (Cups == nullptr) {
        return false;
    }
    const auto GetDests = reinterpret_cast<TGetDests>(dlsym(Cups, "cupsGetDests"));
    const auto FreeDests = reinterpret_cast<TFreeDests>(dlsym(Cups, "cupsFreeDests"));
    int Anzahl = 0;
    if (GetDests != nullptr && FreeDests != nullptr) {
        void* Ziele = nullptr;
        Anzahl = GetDests(&Ziele);
        FreeDests(Anzahl, Ziele);
    }
    dlclose(Cups);
    return Anzahl > 0;
}
