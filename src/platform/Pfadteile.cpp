#include "platform/Pfadteile.h"

#include <filesystem>
#include <system_error>

#include "files/Utf8.h"

namespace fs = std::filesystem;

std::string DateinameTeil(const std::string& APfad) {
    return PfadAlsUtf8(PfadAusUtf8(APfad).filename());
}

std::string OrdnerTeil(const std::string& APfad) {
    return PfadAlsUtf8(PfadAusUtf8(APfad).remove_filename());
}

bool IstDatei(const std::string& APfad) {
    std::error_code Fehler;
    return !APfad.empty() && fs::is_regular_file(PfadAusUtf8(APfad), Fehler);
}
