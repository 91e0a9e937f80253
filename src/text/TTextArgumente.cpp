#include "text/TTextArgumente.h"

#include <algorithm>
#include <utility>

#include "model/Kalenderdatum.h"
#include "text/ETextAufrufFehler.h"

const char* const TextAufrufHilfe =
    "Aufruf: orvanto-text [--heute TT.MM.JJJJ] [--programmordner ORDNER] BEFEHL ARGUMENTE...\n"
    "Befehle:\n"
    "  pruefen DATEI\n"
    "  speichern DATEI ZIEL\n"
    "  liste DATEI [--zusatz DATEI]... [--ansicht jahr|monat|woche]\n"
    "        [--periode ZEITRAUM | --datum TT.MM.JJJJ] [--komprimiert] [--ohne-kw]\n"
    "        [--ohne-termine] [--ohne-unbelegte] [--ohne-feiertage] [--ohne-urlaub]\n"
    "        [--frei] [--leer]\n"
    "  info DATEI TT.MM.JJJJ [NR]\n"
    "  vorschau DATEI [--tage N] [--zusatz DATEI]...\n"
    "  mondphasen JAHR\n"
    "  feiertage DATEI JAHR [--zusatz DATEI]...\n"
    "  namenstage TT.MM.JJJJ\n"
    "  namenstage --name NAME [--genau]\n"
    "  importieren DATEI QUELLE ZIEL      (QUELLE: Kalender- oder iCalendar-Datei)\n"
    "  exportieren DATEI ZIEL             (ZIEL: iCalendar-Datei)\n"
    "  --hilfe, --help, -h\n"
    "  --version\n";

const char* const TextVersion = "orvanto-text 1.03\n";

namespace {

bool IstOption(const std::string& S) {
    return S == "-h" || (S.size() > 2 && S.starts_with("--"));
}

// The option reader of a command without options of its own.
bool OhneOptionen(const std::string&) {
    return false;
}

bool IstHilfe(const std::string& S) {
    return S == "--hilfe" || S == "--help" || S == "-h";
}

void Anzahl(const std::vector<std::string>& AWoerter, std::size_t AVon, std::size_t ABis,
            const std::string& ABefehl) {
    if (AWoerter.size() < AVon) {
        throw ETextAufrufFehler("Zu wenige Argumente für " + ABefehl + ".");
    }
    if (AWoerter.size() > ABis) {
        throw ETextAufrufFehler("Zu viele Argumente für " + ABefehl + ": " + AWoerter[ABis]);
    }
}

TTagesansicht AnsichtLesen(const std::string& AText) {
    if (AText == "jahr") {
        return taJahr;
    }
    if (AText == "monat") {
        return taMonat;
    }
    if (AText == "woche") {
        return taWoche;
    }
    throw ETextAufrufFehler("Unbekannte Ansicht: " + AText + " (jahr, monat oder woche)");
}

const std::pair<const char*, TListenSchalter> ListenSchalter[] = {
    {"--komprimiert", lsKomprimiert},
    {"--ohne-kw", lsOhneKw},
    {"--ohne-termine", lsOhneTermine},
    {"--ohne-unbelegte", lsOhneUnbelegte},
    {"--ohne-feiertage", lsOhneFeiertage},
    {"--ohne-urlaub", lsOhneUrlaub},
    {"--frei", lsFrei},
    {"--leer", lsLeer},
};

} // namespace

TTag TextDatumLesen(const std::string& AText) {
    // A date of the calendar range in the short date format, nothing before or after it.
    TTag Datum = 0;
    if (!DatumLesen(AText, Datum) || Datum < KalenderAnfang || Datum > KalenderEnde) {
        throw ETextAufrufFehler("Kein gültiges Datum (TT.MM.JJJJ, 01.01.1900 bis 31.12.2100): " + AText);
    }
    return Datum;
}

int TextZahlLesen(const std::string& AText, int AVon, int ABis, const std::string& AWas) {
    const bool NurZiffern =
        !AText.empty() && AText.size() <= 9 &&
        std::all_of(AText.begin(), AText.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int Zahl = NurZiffern ? std::stoi(AText) : AVon - 1;
    if (Zahl < AVon || Zahl > ABis) {
        throw ETextAufrufFehler(AWas + " muss eine Zahl von " + std::to_string(AVon) + " bis " +
                                std::to_string(ABis) + " sein: " + AText);
    }
    return Zahl;
}

TTextArgumente::TTextArgumente(std::vector<std::string> AArgumente) : FArgumente(std::move(AArgumente)) {}

std::string TTextArgumente::Wert(const std::string& AOption) {
    if (Ende()) {
        throw ETextAufrufFehler("Nach " + AOption + " fehlt der Wert.");
    }
    return FArgumente[FPos++];
}

TTextAufruf TTextArgumente::Lesen() {
    TTextAufruf Aufruf;
    while (!Ende() && IstOption(FArgumente[FPos])) {
        const std::string Option = FArgumente[FPos++];
        if (Option == "--heute") {
            Aufruf.Heute = TextDatumLesen(Wert(Option));
        } else if (Option == "--programmordner") {
            Aufruf.Programmordner = Wert(Option);
            if (Aufruf.Programmordner.empty()) {
                throw ETextAufrufFehler("Der Programmordner darf nicht leer sein.");
            }
        } else if (IstHilfe(Option) && Ende()) {
            Aufruf.Befehl = tbHilfe;
            return Aufruf;
        } else if (Option == "--version" && Ende()) {
            Aufruf.Befehl = tbVersion;
            return Aufruf;
        } else {
            throw ETextAufrufFehler("Unbekannte Option: " + Option);
        }
    }
    if (Ende()) {
        throw ETextAufrufFehler("Es fehlt der Befehl.");
    }
    BefehlLesen(Aufruf);
    return Aufruf;
}

template <typename TLeser> std::vector<std::string> TTextArgumente::Rest(TLeser ALeseOption) {
    std::vector<std::string> Woerter;
    while (!Ende()) {
        const std::string Wort = FArgumente[FPos++];
        if (!IstOption(Wort)) {
            Woerter.push_back(Wort);
        } else if (!ALeseOption(Wort)) {
            throw ETextAufrufFehler("Unbekannte Option: " + Wort);
        }
    }
    return Woerter;
}

void TTextArgumente::BefehlLesen(TTextAufruf& A) {
    using TLeser = void (TTextArgumente::*)(TTextAufruf&, const std::string&);
    static constexpr std::pair<const char*, TLeser> Befehle[] = {
        {"pruefen", &TTextArgumente::DateiBefehlLesen},
        {"speichern", &TTextArgumente::DateiBefehlLesen},
        {"importieren", &TTextArgumente::DateiBefehlLesen},
        {"exportieren", &TTextArgumente::DateiBefehlLesen},
        {"liste", &TTextArgumente::ListeLesen},
        {"info", &TTextArgumente::InfoLesen},
        {"vorschau", &TTextArgumente::VorschauLesen},
        {"mondphasen", &TTextArgumente::MondphasenLesen},
        {"feiertage", &TTextArgumente::FeiertageLesen},
        {"namenstage", &TTextArgumente::NamenstageLesen},
    };
    const std::string Befehl = FArgumente[FPos++];
    for (const auto& [Name, Leser] : Befehle) {
        if (Befehl == Name) {
            (this->*Leser)(A, Befehl);
            return;
        }
    }
    throw ETextAufrufFehler("Unbekannter Befehl: " + Befehl);
}

bool TTextArgumente::ZusatzLesen(TTextAufruf& A, const std::string& AOption) {
    if (AOption != "--zusatz") {
        return false;
    }
    A.Zusatzdateien.push_back(Wert(AOption));
    return true;
}

void TTextArgumente::DateiBefehlLesen(TTextAufruf& A, const std::string& ABefehl) {
    A.Befehl = ABefehl == "pruefen"       ? tbPruefen
               : ABefehl == "speichern"   ? tbSpeichern
               : ABefehl == "exportieren" ? tbExportieren
                                          : tbImportieren;
    const std::size_t n = A.Befehl == tbPruefen ? 1 : A.Befehl == tbImportieren ? 3 : 2;
    A.Dateien = Rest(OhneOptionen);
    Anzahl(A.Dateien, n, n, ABefehl);
}

void TTextArgumente::ListeLesen(TTextAufruf& A, const std::string& ABefehl) {
    A.Befehl = tbListe;
    A.Dateien = Rest([&](const std::string& Option) {
        const auto Schalter = std::find_if(std::begin(ListenSchalter), std::end(ListenSchalter),
                                           [&](const auto& s) { return Option == s.first; });
        if (Schalter != std::end(ListenSchalter)) {
            A.Schalter.push_back(Schalter->second);
        } else if (Option == "--ansicht") {
            A.Ansicht = AnsichtLesen(Wert(Option));
        } else if (Option == "--periode") {
            A.Periode = Wert(Option);
        } else if (Option == "--datum") {
            A.Datum = TextDatumLesen(Wert(Option));
        } else {
            return ZusatzLesen(A, Option);
        }
        return true;
    });
    Anzahl(A.Dateien, 1, 1, ABefehl);
    if (A.Periode && A.Datum) {
        throw ETextAufrufFehler("--periode und --datum schließen einander aus.");
    }
}

void TTextArgumente::InfoLesen(TTextAufruf& A, const std::string& ABefehl) {
    A.Befehl = tbInfo;
    std::vector<std::string> w = Rest(OhneOptionen);
    Anzahl(w, 2, 3, ABefehl);
    A.Datum = TextDatumLesen(w[1]);
    if (w.size() == 3) {
        A.Nr = TextZahlLesen(w[2], 1, 999999999, "NR");
    }
    A.Dateien = {w[0]};
}

void TTextArgumente::VorschauLesen(TTextAufruf& A, const std::string& ABefehl) {
    A.Befehl = tbVorschau;
    A.Dateien = Rest([&](const std::string& Option) {
        if (Option == "--tage") {
            A.Tage = TextZahlLesen(Wert(Option), 1, 9, "Die Zahl der Tage");
            return true;
        }
        return ZusatzLesen(A, Option);
    });
    Anzahl(A.Dateien, 1, 1, ABefehl);
}

void TTextArgumente::MondphasenLesen(TTextAufruf& A, const std::string& ABefehl) {
    A.Befehl = tbMondphasen;
    std::vector<std::string> w = Rest(OhneOptionen);
    Anzahl(w, 1, 1, ABefehl);
    A.Jahr = TextZahlLesen(w[0], 1900, 2100, "JAHR");
}

void TTextArgumente::FeiertageLesen(TTextAufruf& A, const std::string& ABefehl) {
    A.Befehl = tbFeiertage;
    std::vector<std::string> w = Rest([&](const std::string& Option) { return ZusatzLesen(A, Option); });
    Anzahl(w, 2, 2, ABefehl);
    A.Jahr = TextZahlLesen(w[1], 1900, 2100, "JAHR");
    A.Dateien = {w[0]};
}

void TTextArgumente::NamenstageLesen(TTextAufruf& A, const std::string& ABefehl) {
    bool NameS = false;
    std::vector<std::string> w = Rest([&](const std::string& Option) {
        if (Option == "--name") {
            A.Name = Wert(Option);
            NameS = true;
        } else if (Option == "--genau") {
            A.GenauS = true;
        } else {
            return false;
        }
        return true;
    });
    if (NameS) {
        A.Befehl = tbNamenSuche;
        Anzahl(w, 0, 0, ABefehl);
        if (A.Name.find_first_not_of(' ') == std::string::npos) {
            throw ETextAufrufFehler("Der Name darf nicht leer sein.");
        }
        return;
    }
    A.Befehl = tbNamenstage;
    if (A.GenauS) {
        throw ETextAufrufFehler("--genau gilt nur mit --name.");
    }
    Anzahl(w, 1, 1, ABefehl);
    A.Datum = TextDatumLesen(w[0]);
}
