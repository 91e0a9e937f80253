#include "model/Fuellen.h"

std::string Fuellen(std::string_view AMuster, std::initializer_list<std::string> AWerte) {
    std::string Ergebnis;
    auto Wert = AWerte.begin();
    for (std::size_t i = 0; i < AMuster.size(); ++i) {
        const char Folge = i + 1 < AMuster.size() ? AMuster[i + 1] : '\0';
        if (AMuster[i] == '%' && (Folge == 'd' || Folge == 's') && Wert != AWerte.end()) {
            Ergebnis += *Wert++;
            ++i;
        } else if (AMuster[i] == '%' && Folge == '%') {
            Ergebnis += '%';
            ++i;
        } else {
            Ergebnis += AMuster[i];
        }
    }
    return Ergebnis;
}
