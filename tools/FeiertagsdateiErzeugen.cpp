// Build step: writes the holiday file from its rule table through the program's own calendar
// model and file writer.
//   feiertagsdatei_erzeugen TABELLE ZIELDATEI

#include <exception>
#include <iostream>

#include "files/VkFiles.h"
#include "model/TDaten.h"
#include "platform/SystemDateisystem.h"
#include "tools/Feiertagsregeln.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Aufruf: feiertagsdatei_erzeugen TABELLE ZIELDATEI\n";
        return 2;
    }
    try {
        TDaten Daten;
        FeiertageErstellen(FeiertagsregelnLesen(LoadUtf8OrAnsi(argv[1])), Daten);
        Daten.SaveToFile(argv[2], SystemDateisystem());
    } catch (const std::exception& Fehler) {
        std::cerr << argv[1] << ": " << Fehler.what() << '\n';
        return 1;
    }
    return 0;
}
