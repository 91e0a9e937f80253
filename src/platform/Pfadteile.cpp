#include "platform/Pfadteile.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string DateinameTeil(const std::string& APfad) {
    return fs::path(APfad).filename().string();
}

std::string OrdnerTeil(const std::string& APfad) {
    return fs::path(APfad).remove_filename().string();
}

bool IstDatei(const std::string& APfad) {
    std::error_code Fehler;
    return !APfad.empty() && fs::is_regular_file(APfad, Fehler);
}
