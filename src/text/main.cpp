// orvanto-text: the calendar's lines, information texts, preview and overviews in a terminal.

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/Programmordner.h"
#include "platform/Zeitzone.h"
#include "text/ETextAufrufFehler.h"
#include "text/TStillerKlang.h"
#include "text/TTextArgumente.h"
#include "text/TTextProgramm.h"

namespace {

// The executable's full path: the kernel's link where there is one, else the name it was
// started with.
std::string Programmdatei(const char* AName) {
    std::error_code Fehler;
    std::filesystem::path Pfad = std::filesystem::read_symlink("/proc/self/exe", Fehler);
    if (Fehler) {
        Pfad = std::filesystem::absolute(AName, Fehler);
    }
    return Pfad.string();
}

// Beside the executable, in <prefix>/share/orvanto, else the data folder of the sources it was
// built from.
std::string StandardProgrammordner(const char* AName) {
    std::vector<std::string> Kandidaten = ProgrammordnerKandidaten(Programmdatei(AName));
    Kandidaten.push_back(ORVANTO_QUELLDATENORDNER);
    return ProgrammordnerWaehlen(Kandidaten);
}

} // namespace

int main(int argc, char** argv) {
    TTextAufruf Aufruf;
    try {
        Aufruf = TTextArgumente(std::vector<std::string>(argv + 1, argv + argc)).Lesen();
    } catch (const ETextAufrufFehler& Fehler) {
        std::cerr << Fehler.what() << '\n' << TextAufrufHilfe;
        return 2;
    }
    if (Aufruf.Befehl == tbHilfe) {
        std::cout << TextAufrufHilfe;
        return 0;
    }
    if (Aufruf.Befehl == tbVersion) {
        std::cout << TextVersion;
        return 0;
    }
    const std::unique_ptr<TZeitzone> Zone = SystemZeitzone();
    TStillerKlang Klang;
    TTextProgramm Programm(std::cout, std::cerr, *Zone, Klang,
                           Aufruf.Programmordner.empty() ? StandardProgrammordner(argv[0])
                                                         : Aufruf.Programmordner);
    return Programm.Ausfuehren(Aufruf);
}
