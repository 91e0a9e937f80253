#include "platform/linux/DesktopAutostart.h"

#include "files/DateiSicherErsetzen.h"
#include "model/Fehler.h"
#include "platform/SystemDateisystem.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// A value of a desktop entry: backslashes doubled; line breaks cannot be written.
std::string Wert(const std::string& S) {
    std::string Ergebnis;
    for (char c : S) {
        if (c == '\\')
            Ergebnis += '\\';
        Ergebnis += c;
    }
    return Ergebnis;
}

// The program as the first word of Exec: quoted when it holds a reserved character, with '"',
// '`', '$' and '\' escaped inside the quotes and '%' doubled (it starts field codes).
std::string ExecProgramm(const std::string& AProgramm) {
    const std::string Reserviert = " \t\n\"'\\><~|&;$*?#()`";
    std::string Text;
    for (char c : AProgramm) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            Text += '\\';
        Text += c;
        if (c == '%')
            Text += '%';
    }
    if (AProgramm.find_first_of(Reserviert) != std::string::npos)
        Text = "\"" + Text + "\"";
    return Text;
}

} // namespace

TDesktopAutostart::TDesktopAutostart(const std::string& AProgramm, const TSpezialOrdner& AOrdner)
    : FProgramm(AProgramm) {
    const std::string Ordner = AOrdner.GetSpecialFolder(ofAutostart);
    const std::string Name = fs::path(AProgramm).stem().string();
    if (!Ordner.empty() && !Name.empty())
        FPfad = Ordner + Name + ".desktop";
}

std::string TDesktopAutostart::Eintrag(const std::string& AProgramm) {
    if (AProgramm.empty() || AProgramm.find_first_of("\r\n") != std::string::npos)
        return "";
    const fs::path Programm(AProgramm);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           Wert(Programm.stem().string()) +
           "\n"
           "Exec=" +
           Wert(ExecProgramm(AProgramm)) +
           " /systemstartup\n"
           "Path=" +
           Wert(Programm.parent_path().string()) + "\n";
}

bool TDesktopAutostart::Vorhanden() const {
    std::error_code f;
    return !FPfad.empty() && fs::exists(FPfad, f);
}

// Replaced as a whole and durably, so that the session never reads half an entry.
bool TDesktopAutostart::Anlegen() {
    const std::string Text = Eintrag(FProgramm);
    if (FPfad.empty() || Text.empty())
        return false;
    std::error_code f;
    fs::create_directories(fs::path(FPfad).parent_path(), f);
    try {
        DateiSicherErsetzen(FPfad, Text, SystemDateisystem());
    } catch (const EFehler&) {
        return false;
    }
    return true;
}

bool TDesktopAutostart::Loeschen() {
    if (FPfad.empty())
        return true;
    std::error_code f;
    fs::remove(FPfad, f);
    return !fs::exists(FPfad, f);
}

std::unique_ptr<TAutostart> SystemAutostart(const std::string& AProgramm, const TSpezialOrdner& AOrdner) {
    return std::make_unique<TDesktopAutostart>(AProgramm, AOrdner);
}
