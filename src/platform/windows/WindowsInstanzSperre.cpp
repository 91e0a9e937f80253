// The single-instance lock on Windows: the named mutex, owned by the first instance until it ends.

#include <windows.h>

#include "platform/TInstanzSperre.h"
#include "speech/windows/Utf16.h"

namespace {

class TMutexSperre : public TInstanzSperre {
public:
    explicit TMutexSperre(const std::string& AName)
        : FMutex(CreateMutexW(nullptr, TRUE, Utf8ZuUtf16(AName).c_str())) {
        if (FMutex == nullptr) {
            FZustand = szOhneSperre;
        } else if (GetLastError() == ERROR_ALREADY_EXISTS) {
            FZustand = szBelegt;
        }
    }
    ~TMutexSperre() override {
        if (FMutex != nullptr) {
            CloseHandle(FMutex);
        }
    }
    TMutexSperre(const TMutexSperre&) = delete;
    TMutexSperre& operator=(const TMutexSperre&) = delete;

    TSperrZustand Zustand() const override { return FZustand; }

private:
    HANDLE FMutex;
    TSperrZustand FZustand = szGehalten;
};

} // namespace

std::unique_ptr<TInstanzSperre> SystemInstanzSperre(const std::string& AName) {
    return std::make_unique<TMutexSperre>(AName);
}
