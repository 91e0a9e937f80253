// Checks an installed tree: for both programs the program-folder rule (platform/Programmordner.h)
// chooses share/orvanto below the prefix, and every file the programs look for there is present. The names
// come from the program's own constants wherever it has them.
//   installation_pruefen PREFIX

#include <filesystem>
#include <iostream>
#include <string>

#include "info/InfoTextHilfen.h"
#include "info/Namenstage.h"
#include "info/TInfosTexte.h"
#include "platform/Pfadteile.h"
#include "platform/Programmordner.h"
#include "settings/TEinstellungsspeicher.h"

namespace {

int Fehler = 0;

void Erwarte(bool AWahr, const std::string& AText) {
    if (!AWahr) {
        std::cerr << AText << '\n';
        ++Fehler;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Aufruf: installation_pruefen PREFIX\n";
        return 2;
    }
    const std::filesystem::path Prefix = std::filesystem::absolute(argv[1]);
    const std::string Bin = (Prefix / "bin").string();
    const std::string Erwartet = (Prefix / "share" / "orvanto").string();
    for (const char* Programm : {"orvanto", "orvanto-text"}) {
        const std::string Datei = Bin + "/" + Programm;
        Erwarte(IstDatei(Datei), Datei + " fehlt.");
        const std::string Ordner = ProgrammordnerWaehlen(ProgrammordnerKandidaten(Datei));
        Erwarte(Ordner == Erwartet, std::string(Programm) + " fände den Programmordner in " + Ordner +
                                        " statt in " + Erwartet + ".");
    }
    const std::string Kalenderdateien = PfadIn(Erwartet, "Kalenderdateien");
    const std::string Sounddateien = PfadIn(Erwartet, SounddateienOrdner);
    for (const std::string& Datei : {
             NamenstageDatei(Erwartet),
             PfadIn(Kalenderdateien, TEinstellungsspeicher::FeiertagsdateiName),
             PfadIn(Sounddateien, VollmondSounddatei),
             PfadIn(Erwartet, "Orvanto-Hilfe.txt"),
             PfadIn(Erwartet, "History.txt"),
             PfadIn(Erwartet, "Kurztasten.txt"),
             (Prefix / "share/man/man1/orvanto.1").string(),
             (Prefix / "share/man/man1/orvanto-text.1").string(),
             (Prefix / "share/applications/at.orvanto.Orvanto.desktop").string(),
             (Prefix / "share/metainfo/at.orvanto.Orvanto.metainfo.xml").string(),
             (Prefix / "share/mime/packages/orvanto-kalender.xml").string(),
             (Prefix / "share/icons/hicolor/scalable/apps/at.orvanto.Orvanto.svg").string(),
         }) {
        Erwarte(IstDatei(Datei), Datei + " fehlt.");
    }
    return Fehler == 0 ? 0 : 1;
}
