#include <memory>
#include <windows.h>

#include "speech/ScreenReaderPlattform.h"
#include "speech/windows/ScreenReaderDriverJAWS.h"
#include "speech/windows/ScreenReaderDriverNVDA.h"

namespace {

// JAWS is asked first and wins when both run. The drivers use COM in a single-threaded
// apartment on the thread that loads the facade.
class TWindowsScreenReaderPlattform : public TScreenReaderPlattform {
public:
    bool Vorbereiten() override {
        const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        return hr == S_OK || hr == S_FALSE;
    }
    void Freigeben() override { CoUninitialize(); }
    TScreenReaderDriverListe TreiberErzeugen() override {
        TScreenReaderDriverListe Liste;
        Liste.push_back(std::make_unique<TScreenReaderDriverJAWS>("JAWS", true, true));
        Liste.push_back(std::make_unique<TScreenReaderDriverNVDA>("NVDA", true, true));
        return Liste;
    }
};

} // namespace

std::unique_ptr<TScreenReaderPlattform> SystemScreenReaderPlattform() {
    return std::make_unique<TWindowsScreenReaderPlattform>();
}
