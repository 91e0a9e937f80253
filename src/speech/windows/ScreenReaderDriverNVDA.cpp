#include "speech/windows/ScreenReaderDriverNVDA.h"

#include <string>

#include "speech/windows/Utf16.h"

namespace {

// Loaded by its bare name, so the standard search finds the copy beside the program first. A
// 64-bit program cannot load the 32-bit library, so it takes NVDA's 64-bit one.
constexpr const wchar_t* NvdaBibliothek =
    sizeof(void*) == 8 ? L"nvdaControllerClient64.dll" : L"nvdaControllerClient32.dll";

template <typename T> T Export(HMODULE AModul, const char* AName) {
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(AModul, AName)));
}

} // namespace

TScreenReaderDriverNVDA::TScreenReaderDriverNVDA(const std::string& AScreenReaderName, bool ASpeech,
                                                 bool ABraille)
    : TScreenReaderDriver(AScreenReaderName, ASpeech, ABraille) {
    Controller = LoadLibraryW(NvdaBibliothek);
    if (Controller) {
        nvdaController_speakText = Export<TnvdaController_speakText>(Controller, "nvdaController_speakText");
        nvdaController_brailleMessage =
            Export<TnvdaController_brailleMessage>(Controller, "nvdaController_brailleMessage");
        nvdaController_cancelSpeech =
            Export<TnvdaController_cancelSpeech>(Controller, "nvdaController_cancelSpeech");
        nvdaController_testIfRunning =
            Export<TnvdaController_testIfRunning>(Controller, "nvdaController_testIfRunning");
    }
}

TScreenReaderDriverNVDA::~TScreenReaderDriverNVDA() {
    if (Controller)
        FreeLibrary(Controller);
}

bool TScreenReaderDriverNVDA::IsActive() {
    return nvdaController_testIfRunning && FindWindowW(L"wxWindowClassNR", L"NVDA") &&
           nvdaController_testIfRunning() == 0;
}

// When current speech cannot be cancelled, nothing is spoken over it.
bool TScreenReaderDriverNVDA::Speak(const std::string& S, bool Interrupt) {
    if (Interrupt && !Silence())
        return false;
    if (S.empty() || !nvdaController_speakText)
        return false;
    return nvdaController_speakText(Utf8ZuUtf16(S).c_str()) == 0;
}

bool TScreenReaderDriverNVDA::Braille(const std::string& S) {
    if (S.empty() || !nvdaController_brailleMessage)
        return false;
    return nvdaController_brailleMessage(Utf8ZuUtf16(S).c_str()) == 0;
}

bool TScreenReaderDriverNVDA::Silence() {
    return nvdaController_cancelSpeech && nvdaController_cancelSpeech() == 0;
}

bool TScreenReaderDriverNVDA::Output(const std::string& S, bool Interrupt) {
    const bool Gesprochen = Speak(S, Interrupt);
    const bool Gezeigt = Braille(S);
    return Gesprochen || Gezeigt;
}
