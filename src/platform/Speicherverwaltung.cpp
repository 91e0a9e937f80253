#include "platform/Speicherverwaltung.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void FreienSpeicherBehalten() {
#if defined(__GLIBC__)
    // Above a year view's lines and their handles with room to spare.
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}
