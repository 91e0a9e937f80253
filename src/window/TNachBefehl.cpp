#include "window/TNachBefehl.h"

#include <utility>

void TNachBefehl::ZeilenErsetzt() {
    if (!FZeile) {
        FFenster.NachBefehl([this] { ZeileAusfuehren(); });
    }
    FZeile = -1;
}

void TNachBefehl::ZeileWaehlen(std::int32_t ANr) {
    if (FZeile) {
        FZeile = ANr;
        return;
    }
    FFenster.ZeileSetzen(ANr);
}

void TNachBefehl::ZeileAusfuehren() {
    const std::int32_t Nr = *std::exchange(FZeile, std::nullopt);
    if (Nr >= 0) {
        FFenster.ZeileSetzen(Nr);
    }
}

void TNachBefehl::FokusVormerken(TZiel AZiel) {
    if (!FFokus) {
        FFenster.ImLeerlauf([this] { FokusAusfuehren(); });
    }
    FFokus = AZiel;
}

void TNachBefehl::FokusAusfuehren() {
    FFenster.FokusSetzen(*std::exchange(FFokus, std::nullopt));
}
