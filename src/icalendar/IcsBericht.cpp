#include "icalendar/IcsBericht.h"

#include <vector>

namespace {

std::string Anzahl(int n, const char* AEinzahl, const char* AMehrzahl) {
    return std::to_string(n) + " " + (n == 1 ? AEinzahl : AMehrzahl);
}

} // namespace

int TIcsBericht::NichtUebernommen() const {
    return Abgesagt + Aufgaben + Journaleintraege + Kurztakt + Ueberschneidungen + Ausserhalb;
}

std::string TIcsBericht::Text() const {
    std::string t = Anzahl(Uebernommen, "Termin", "Termine") + " übernommen";
    if (NichtUebernommen() > 0) {
        const std::vector<std::pair<int, std::string>> Teile = {
            {Abgesagt, Anzahl(Abgesagt, "abgesagter Termin", "abgesagte Termine")},
            {Aufgaben, Anzahl(Aufgaben, "Aufgabe", "Aufgaben")},
            {Journaleintraege, Anzahl(Journaleintraege, "Journaleintrag", "Journaleinträge")},
            {Kurztakt,
             Anzahl(Kurztakt, "Termin im Stunden- oder Minutentakt", "Termine im Stunden- oder Minutentakt")},
            {Ueberschneidungen,
             Anzahl(Ueberschneidungen, "überschneidendes Vorkommen", "überschneidende Vorkommen")},
            {Ausserhalb,
             Anzahl(Ausserhalb, "Termin außerhalb von 1900 bis 2100", "Termine außerhalb von 1900 bis 2100")},
        };
        t += ", " + std::to_string(NichtUebernommen()) + " nicht übernommen:";
        const char* Trenner = " ";
        for (const auto& [n, Text] : Teile) {
            if (n > 0) {
                t += Trenner + Text;
                Trenner = ", ";
            }
        }
    }
    t += ".";
    if (GeaenderteTexte > 0) {
        t += GeaenderteTexte == 1
                 ? " In 1 Text wurden Zeichen, die der Kalender nicht speichern kann, durch \"?\" ersetzt."
                 : " In " + std::to_string(GeaenderteTexte) +
                       " Texten wurden Zeichen, die der Kalender nicht speichern kann, durch \"?\" ersetzt.";
    }
    return t;
}
