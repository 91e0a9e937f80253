#include "settings/TSchrift.h"

#include <algorithm>

#include "files/Utf8.h"

namespace {

// The toolkit puts the name into its style text as a quoted string: a quote, a backslash or a
// line break would end or break that string.
bool StoertStiltext(unsigned char AZeichen) {
    return AZeichen < 0x20 || AZeichen == 0x7F || AZeichen == '"' || AZeichen == '\\';
}

} // namespace

bool SchriftnameZulaessig(const std::string& AName) {
    return !AName.empty() && AName.size() <= MaxSchriftnameLaenge && IstGueltigesUtf8(AName) &&
           std::none_of(AName.begin(), AName.end(),
                        [](char c) { return StoertStiltext(static_cast<unsigned char>(c)); });
}
