// A stand-in for JAWS's automation object: an in-process COM server (FakeJaws.dll) that a test
// registers under JAWS's class id for the user. It logs every call, and the test sets what it
// answers.

#include <windows.h>

#include <string>

#include "speech/windows/IJawsApi.h"

namespace {

std::wstring Protokoll;
VARIANT_BOOL Antwort = VARIANT_TRUE;
LONG Objekte = 0;

HRESULT Notieren(const wchar_t* AAufruf, const wchar_t* AText, VARIANT_BOOL* AErfolg) {
    Protokoll += AAufruf;
    if (AText != nullptr) {
        Protokoll += L' ';
        Protokoll += AText;
    }
    Protokoll += L'\n';
    if (AErfolg != nullptr)
        *AErfolg = Antwort;
    return S_OK;
}

class TFakeJaws : public IJawsApi {
public:
    TFakeJaws() { InterlockedIncrement(&Objekte); }
    virtual ~TFakeJaws() { InterlockedDecrement(&Objekte); }
    TFakeJaws(const TFakeJaws&) = delete;
    TFakeJaws& operator=(const TFakeJaws&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID AId, void** AObjekt) override {
        if (AId == IID_IUnknown || AId == IID_IDispatch || AId == IID_IJawsApi) {
            *AObjekt = this;
            AddRef();
            return S_OK;
        }
        *AObjekt = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&FZaehler); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG n = InterlockedDecrement(&FZaehler);
        if (n == 0)
            delete this;
        return n;
    }
    // Late binding is not offered: the driver calls through the table.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE RunScript(BSTR AName, VARIANT_BOOL* AErfolg) override {
        return Notieren(L"RunScript", AName, AErfolg);
    }
    HRESULT STDMETHODCALLTYPE SayString(BSTR AText, VARIANT_BOOL AFlush, VARIANT_BOOL* AErfolg) override {
        return Notieren(AFlush == VARIANT_TRUE ? L"SayString flush" : L"SayString", AText, AErfolg);
    }
    HRESULT STDMETHODCALLTYPE StopSpeech() override { return Notieren(L"StopSpeech", nullptr, nullptr); }
    HRESULT STDMETHODCALLTYPE Enable(VARIANT_BOOL, VARIANT_BOOL* AErfolg) override {
        return Notieren(L"Enable", nullptr, AErfolg);
    }
    HRESULT STDMETHODCALLTYPE Disable(VARIANT_BOOL* AErfolg) override {
        return Notieren(L"Disable", nullptr, AErfolg);
    }
    HRESULT STDMETHODCALLTYPE RunFunction(BSTR AName, VARIANT_BOOL* AErfolg) override {
        return Notieren(L"RunFunction", AName, AErfolg);
    }

private:
    LONG FZaehler = 1;
};

class TFabrik : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID AId, void** AObjekt) override {
        if (AId == IID_IUnknown || AId == IID_IClassFactory) {
            *AObjekt = this;
            return S_OK;
        }
        *AObjekt = nullptr;
        return E_NOINTERFACE;
    }
    // The one factory lives as long as the library.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* AAeusseres, REFIID AId, void** AObjekt) override {
        *AObjekt = nullptr;
        if (AAeusseres != nullptr)
            return CLASS_E_NOAGGREGATION;
        TFakeJaws* Objekt = new TFakeJaws;
        const HRESULT hr = Objekt->QueryInterface(AId, AObjekt);
        Objekt->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

TFabrik Fabrik;

} // namespace

// Exported through FakeJaws.def.
extern "C" {

HRESULT __stdcall DllGetClassObject(REFCLSID AKlasse, REFIID AId, void** AObjekt) {
    if (AKlasse != CLSID_JawsApi) {
        *AObjekt = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return Fabrik.QueryInterface(AId, AObjekt);
}

HRESULT __stdcall DllCanUnloadNow() {
    return Objekte == 0 ? S_OK : S_FALSE;
}

// What the calls with a success flag answer.
void FakeAntwort(VARIANT_BOOL AErfolg) {
    Antwort = AErfolg;
}

// The calls since the last look, one a line; the log starts anew.
void FakeProtokoll(wchar_t* AZiel, int AGroesse) {
    lstrcpynW(AZiel, Protokoll.c_str(), AGroesse);
    Protokoll.clear();
}
}
