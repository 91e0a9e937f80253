#include "controls/TModalKlammer.h"

#include <utility>

namespace {
std::function<void()> Beginn;
std::function<void()> Ende;
int Tiefe = 0;
} // namespace

TModalKlammer::TModalKlammer() {
    if (Tiefe++ == 0 && Beginn) {
        Beginn();
    }
}

TModalKlammer::~TModalKlammer() {
    if (--Tiefe == 0 && Ende) {
        Ende();
    }
}

void TModalKlammer::Setze(std::function<void()> ABeginn, std::function<void()> AEnde) {
    Beginn = std::move(ABeginn);
    Ende = std::move(AEnde);
}

bool TModalKlammer::Offen() {
    return Tiefe > 0;
}
