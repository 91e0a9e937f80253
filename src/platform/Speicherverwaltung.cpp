#include "platform/Speicherverwaltung.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

#include <cstdint>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

void FreienSpeicherBehalten() {
#if defined(__GLIBC__)
    // Above a year view's lines and their handles with room to spare.
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    // Setting that ends the library's own raising of the size from which a block is mapped on
    // its own, and so freed to the system at once; it is set to the highest it would reach, so
    // that an overview's text or an entry's records are not mapped and cleared anew each time.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
#endif
}

void SeitenVorbelegen([[maybe_unused]] void* AAnfang, [[maybe_unused]] std::size_t ABytes) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    constexpr std::size_t Mindestens = 64 * 1024;
    if (ABytes < Mindestens) {
        return;
    }
    const auto Seite = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto Anfang = reinterpret_cast<std::uintptr_t>(AAnfang);
    const std::uintptr_t Von = (Anfang + Seite - 1) / Seite * Seite;
    const std::uintptr_t Bis = (Anfang + ABytes) / Seite * Seite;
    if (Von < Bis) {
        madvise(reinterpret_cast<void*>(Von), Bis - Von, MADV_POPULATE_WRITE);
    }
#endif
}

#if defined(__linux__)
namespace {
bool GdkGlGesetzt = false;
} // namespace
#endif

void OpenGlAuslassen() {
#if defined(__linux__)
    GdkGlGesetzt = std::getenv("GDK_GL") == nullptr && setenv("GDK_GL", "disable", 0) == 0;
#endif
}

void OpenGlAuslassenBeenden() {
#if defined(__linux__)
    if (GdkGlGesetzt) {
        unsetenv("GDK_GL");
        GdkGlGesetzt = false;
    }
#endif
}
