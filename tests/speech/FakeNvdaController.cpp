// A stand-in for NVDA's controller client library, built as nvdaControllerClient64.dll beside
// the test program: it logs every call, and the test sets what it answers.

#include <windows.h>

#include <string>

namespace {

std::wstring Protokoll;
long Laeuft = 0;
long Abbrechen = 0;

void Notieren(const wchar_t* AAufruf, const wchar_t* AText = nullptr) {
    Protokoll += AAufruf;
    if (AText != nullptr) {
        Protokoll += L' ';
        Protokoll += AText;
    }
    Protokoll += L'\n';
}

} // namespace

extern "C" {

__declspec(dllexport) long __stdcall nvdaController_testIfRunning() {
    Notieren(L"testIfRunning");
    return Laeuft;
}

__declspec(dllexport) long __stdcall nvdaController_speakText(const wchar_t* AText) {
    Notieren(L"speakText", AText);
    return 0;
}

__declspec(dllexport) long __stdcall nvdaController_brailleMessage(const wchar_t* AText) {
    Notieren(L"brailleMessage", AText);
    return 0;
}

__declspec(dllexport) long __stdcall nvdaController_cancelSpeech() {
    Notieren(L"cancelSpeech");
    return Abbrechen;
}

// What testIfRunning and cancelSpeech answer (0: success).
__declspec(dllexport) void FakeAntworten(long ALaeuft, long AAbbrechen) {
    Laeuft = ALaeuft;
    Abbrechen = AAbbrechen;
}

// The calls since the last look, one a line; the log starts anew.
__declspec(dllexport) void FakeProtokoll(wchar_t* AZiel, int AGroesse) {
    lstrcpynW(AZiel, Protokoll.c_str(), AGroesse);
    Protokoll.clear();
}
}
