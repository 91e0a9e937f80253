#pragma once

// The automation interface as JAWS publishes it, with its class and interface ids; called through
// its table (early binding), so the order of the methods is part of the contract.

#include <windows.h>

#include <oleauto.h>

struct IJawsApi : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE RunScript(BSTR ScriptName, VARIANT_BOOL* vbSuccess) = 0;
    virtual HRESULT STDMETHODCALLTYPE SayString(BSTR StringToSpeak, VARIANT_BOOL bFlush,
                                                VARIANT_BOOL* vbSuccess) = 0;
    virtual HRESULT STDMETHODCALLTYPE StopSpeech() = 0;
    virtual HRESULT STDMETHODCALLTYPE Enable(VARIANT_BOOL vbNoDDIHooks, VARIANT_BOOL* vbSuccess) = 0;
    virtual HRESULT STDMETHODCALLTYPE Disable(VARIANT_BOOL* vbSuccess) = 0;
    virtual HRESULT STDMETHODCALLTYPE RunFunction(BSTR FunctionName, VARIANT_BOOL* vbSuccess) = 0;
};

constexpr CLSID CLSID_JawsApi = {
    0xCCE5B1E5, 0xB2ED, 0x45D5, {0xB0, 0x9F, 0x8E, 0xC5, 0x4B, 0x75, 0xAB, 0xF4}};
constexpr IID IID_IJawsApi = {0x123DEDB4, 0x2CF6, 0x429C, {0xA2, 0xAB, 0xCC, 0x80, 0x9E, 0x55, 0x16, 0xCE}};
