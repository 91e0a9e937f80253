#include "platform/Speicherverwaltung.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
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
