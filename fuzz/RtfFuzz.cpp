// The RTF reader on any input: it must not crash, must give valid UTF-8, and every text the
// writer turns into a document must read back as it was (line breaks as CR LF).

#include "files/RtfDokument.h"
#include "files/RtfText.h"
#include "files/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string MitCrLf(std::string_view AText) {
    std::string Ergebnis;
    for (std::size_t i = 0; i < AText.size(); ++i) {
        if (AText[i] == '\r' || AText[i] == '\n') {
            if (AText[i] == '\r' && i + 1 < AText.size() && AText[i + 1] == '\n')
                ++i;
            Ergebnis += "\r\n";
        } else {
            Ergebnis += AText[i];
        }
    }
    return Ergebnis;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t AGroesse) {
    const std::string_view Eingabe(reinterpret_cast<const char*>(AData), AGroesse);
    if (!IstGueltigesUtf8(RtfText(Eingabe)))
        std::abort();

    const std::string Text = GueltigesUtf8(Eingabe);
    if (RtfText(RtfDokument(Text, TRtfSchrift{Text.substr(0, 8), 12})) != MitCrLf(Text))
        std::abort();
    return 0;
}
