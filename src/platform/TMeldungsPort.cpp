#include "platform/TMeldungsPort.h"

namespace {
TMeldungsPort* AktiverPort = nullptr;
}

TMeldungsPort* TMeldungsPort::Aktiv() {
    return AktiverPort;
}

void TMeldungsPort::Setze(TMeldungsPort* APort) {
    AktiverPort = APort;
}
