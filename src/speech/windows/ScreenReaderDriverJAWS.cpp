#include "speech/windows/ScreenReaderDriverJAWS.h"

#include <string>

#include "speech/windows/IJawsApi.h"
#include "speech/windows/Utf16.h"

namespace {

// A BSTR that frees itself.
class TBstr {
public:
    explicit TBstr(const std::string& S) {
        const std::wstring w = Utf8ZuUtf16(S);
        FWert = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
    }
    ~TBstr() { SysFreeString(FWert); }
    TBstr(const TBstr&) = delete;
    TBstr& operator=(const TBstr&) = delete;
    BSTR Get() const { return FWert; }

private:
    BSTR FWert;
};

bool ComInitialisieren() {
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return hr == S_OK || hr == S_FALSE;
}

} // namespace

TScreenReaderDriverJAWS::TScreenReaderDriverJAWS(const std::string& AScreenReaderName, bool ASpeech,
                                                 bool ABraille)
    : TScreenReaderDriver(AScreenReaderName, ASpeech, ABraille) {
    Connect();
}

TScreenReaderDriverJAWS::~TScreenReaderDriverJAWS() {
    Disconnect();
}

// Creation is tried even when COM could not be initialised: the thread may already be in
// another apartment mode in which the object still works.
void TScreenReaderDriverJAWS::Connect() {
    if (Controller)
        return;
    if (!FComInitialized)
        FComInitialized = ComInitialisieren();
    void* Objekt = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_JawsApi, nullptr, CLSCTX_INPROC_SERVER, IID_IJawsApi, &Objekt)))
        Controller = static_cast<IJawsApi*>(Objekt);
}

void TScreenReaderDriverJAWS::Disconnect() {
    if (Controller) {
        Controller->Release();
        Controller = nullptr;
    }
    if (FComInitialized) {
        FComInitialized = false;
        CoUninitialize();
    }
}

bool TScreenReaderDriverJAWS::IsActive() {
    if (!FindWindowW(L"JFWUI2", nullptr)) {
        Disconnect();
        return false;
    }
    if (!Controller)
        Connect();
    return Controller != nullptr;
}

bool TScreenReaderDriverJAWS::Speak(const std::string& S, bool Interrupt) {
    if (S.empty() || !Controller)
        return false;
    TBstr Text(S);
    VARIANT_BOOL Erfolg = VARIANT_FALSE;
    const HRESULT hr = Controller->SayString(Text.Get(), Interrupt ? VARIANT_TRUE : VARIANT_FALSE, &Erfolg);
    return SUCCEEDED(hr) && Erfolg == VARIANT_TRUE;
}

// JAWS runs the script function named in the command; a double quote would end its string
// argument early, so quotes become apostrophes.
bool TScreenReaderDriverJAWS::Braille(const std::string& S) {
    if (S.empty() || !Controller)
        return false;
    std::string Text = S;
    for (char& c : Text)
        if (c == '"')
            c = '\'';
    TBstr Befehl("BrailleString(\"" + Text + "\")");
    VARIANT_BOOL Erfolg = VARIANT_FALSE;
    const HRESULT hr = Controller->RunFunction(Befehl.Get(), &Erfolg);
    return SUCCEEDED(hr) && Erfolg == VARIANT_TRUE;
}

bool TScreenReaderDriverJAWS::Silence() {
    return Controller && SUCCEEDED(Controller->StopSpeech());
}

bool TScreenReaderDriverJAWS::Output(const std::string& S, bool Interrupt) {
    const bool Gesprochen = Speak(S, Interrupt);
    const bool Gezeigt = Braille(S);
    return Gesprochen || Gezeigt;
}
