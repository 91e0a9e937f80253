// Type detection and reading of text files on any content: they must not crash and must give
// valid UTF-8; a file that is read must have a type.

#include "files/Utf8.h"
#include "files/VkFiles.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t AGroesse) {
    static const std::string Datei =
        (std::filesystem::temp_directory_path() / ("orvanto-fuzz-" + std::to_string(getpid()) + ".txt"))
            .string();
    std::ofstream(Datei, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(AData), static_cast<std::streamsize>(AGroesse));

    TFileTextType Typ = fttNone;
    const std::string Text = LoadTextFile(Datei, Typ);
    if (Typ == fttNone || !IstGueltigesUtf8(Text) || !IstGueltigesUtf8(LoadUtf8OrAnsi(Datei)))
        std::abort();
    std::filesystem::remove(Datei); // libFuzzer may end without running static destructors
    return 0;
}
