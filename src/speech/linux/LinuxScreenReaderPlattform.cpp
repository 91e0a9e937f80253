#include <memory>

#include "speech/ScreenReaderPlattform.h"
#include "speech/linux/BrlapiVerbindung.h"
#include "speech/linux/OrcaErkennung.h"
#include "speech/linux/ScreenReaderDriverOrca.h"
#include "speech/linux/SsipVerbindung.h"

namespace {

// Linux has one screen reader to speak through, and the threads need no preparation.
class TLinuxScreenReaderPlattform : public TScreenReaderPlattform {
public:
    bool Vorbereiten() override { return false; }
    void Freigeben() override {}
    TScreenReaderDriverListe TreiberErzeugen() override {
        TScreenReaderDriverListe Liste;
        Liste.push_back(std::make_unique<TScreenReaderDriverOrca>(
            OrcaLaeuft, std::make_unique<TSsipVerbindung>(), std::make_unique<TBrlapiVerbindung>()));
        return Liste;
    }
};

} // namespace

std::unique_ptr<TScreenReaderPlattform> SystemScreenReaderPlattform() {
    return std::make_unique<TLinuxScreenReaderPlattform>();
}
