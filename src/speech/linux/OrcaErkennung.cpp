#include "speech/linux/OrcaErkennung.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gio/gio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int DBusFristMs = 200;

std::string Dateiname(const std::string& APfad) {
    const auto p = APfad.rfind('/');
    return p == std::string::npos ? APfad : APfad.substr(p + 1);
}

bool IstOrca(const std::filesystem::path& AProzess) {
    std::ifstream Comm(AProzess / "comm");
    std::string Name;
    if (std::getline(Comm, Name) && Name == "orca")
        return true;
    // "python3 /usr/bin/orca": the script is the second argument.
    std::ifstream Cmdline(AProzess / "cmdline", std::ios::binary);
    std::string Argument;
    for (int i = 0; i < 2 && std::getline(Cmdline, Argument, '\0'); ++i)
        if (Dateiname(Argument) == "orca")
            return true;
    return false;
}

} // namespace

std::optional<bool> ScreenReaderEnabled() {
    const char* Adresse = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (!Adresse || !*Adresse)
        return std::nullopt;
    GError* Fehler = nullptr;
    GDBusConnection* Bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &Fehler);
    if (!Bus) {
        g_clear_error(&Fehler);
        return std::nullopt;
    }
    GVariant* Antwort = g_dbus_connection_call_sync(
        Bus, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Get",
        g_variant_new("(ss)", "org.a11y.Status", "ScreenReaderEnabled"), G_VARIANT_TYPE("(v)"),
        G_DBUS_CALL_FLAGS_NO_AUTO_START, DBusFristMs, nullptr, &Fehler);
    g_object_unref(Bus);
    if (!Antwort) {
        g_clear_error(&Fehler);
        return std::nullopt;
    }
    GVariant* Wert = nullptr;
    g_variant_get(Antwort, "(v)", &Wert);
    std::optional<bool> Ergebnis;
    if (g_variant_is_of_type(Wert, G_VARIANT_TYPE_BOOLEAN))
        Ergebnis = g_variant_get_boolean(Wert) != FALSE;
    g_variant_unref(Wert);
    g_variant_unref(Antwort);
    return Ergebnis;
}

bool OrcaProzessLaeuft(const std::string& AProcOrdner) {
    std::error_code Fehler;
    const uid_t Benutzer = getuid();
    for (const auto& Eintrag : std::filesystem::directory_iterator(AProcOrdner, Fehler)) {
        const std::string Name = Eintrag.path().filename().string();
        if (Name.empty() || Name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        struct stat Info {};
        if (stat(Eintrag.path().c_str(), &Info) == 0 && Info.st_uid == Benutzer && IstOrca(Eintrag.path()))
            return true;
    }
    return false;
}

bool OrcaLaeuft() {
    return ScreenReaderEnabled().value_or(false) || OrcaProzessLaeuft();
}
