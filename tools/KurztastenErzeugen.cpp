// Build step: writes "Kurztasten.txt", the main window's shortcuts grouped by menu, from the
// window's own menu table.
//   kurztasten_erzeugen ZIELDATEI

#include <fstream>
#include <iostream>
#include <stdexcept>

#include "tools/Kurztasten.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Aufruf: kurztasten_erzeugen ZIELDATEI\n";
        return 2;
    }
    try {
        const std::string Text = KurztastenText();
        std::ofstream Datei(argv[1], std::ios::binary);
        Datei << Text;
        Datei.close();
        if (!Datei) {
            std::cerr << argv[1] << " kann nicht geschrieben werden.\n";
            return 1;
        }
    } catch (const std::invalid_argument& Fehler) {
        std::cerr << Fehler.what() << '\n';
        return 1;
    }
    return 0;
}
