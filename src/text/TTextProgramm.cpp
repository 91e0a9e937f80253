#include "text/TTextProgramm.h"

#include <stdexcept>
#include <utility>

#include "files/OVDatei.h"
#ifdef ORVANTO_ICALENDAR
#include "icalendar/IcsDatei.h"
#endif
#include "info/Namenstage.h"
#include "info/TInfosTexte.h"
#include "model/TGeladenClass.h"
#include "model/Uhr.h"
#include "platform/Pfadteile.h"
#include "platform/SystemDateisystem.h"
#include "search/TNamenSuche.h"
#include "text/TSpeicherSteuerung.h"
#include "text/TextZeilen.h"
#include "views/OVAnzeige.h"
#include "views/TTagesliste.h"

namespace {

// Ends the run with an exit code; an empty message means the core has shown it already.
class EAbbruch : public std::runtime_error {
public:
    EAbbruch(const std::string& AMeldung, int ACode) : std::runtime_error(AMeldung), Code(ACode) {}
    int Code;
};

// The notice the holiday overview shows instead of an empty list.
constexpr const char* KeineFeiertage =
    "Es sind keine Feiertage vorhanden!\r\nBitte laden Sie eine Feiertagsdatei.";

// Switches a display filter off as its menu command does, unless it is off already.
void Ausschalten(TTagesliste& AListe, int AIndex) {
    if (AListe.Filter(AIndex)) {
        AListe.MenuAnsAusblenden(AIndex);
    }
}

void SchalterAnwenden(TTagesliste& AListe, TListenSchalter ASchalter) {
    switch (ASchalter) {
    case lsKomprimiert:
        SetAnzeigeKomprimiert(true);
        break;
    case lsOhneKw:
        Ausschalten(AListe, fiKwoche);
        break;
    case lsOhneTermine:
        Ausschalten(AListe, fiBelegt);
        break;
    case lsOhneUnbelegte:
        Ausschalten(AListe, fiUnbelegt);
        break;
    case lsOhneFeiertage:
        Ausschalten(AListe, fiFeiertag);
        break;
    case lsOhneUrlaub:
        Ausschalten(AListe, fiUrlaub);
        break;
    case lsFrei:
        if (!AListe.FreiS()) {
            AListe.MenuAnsAusblenden(fiFrei);
        }
        break;
    case lsLeer:
        AListe.MenuAnsLeereTageClick();
        break;
    }
}

} // namespace

TTextProgramm::TTextProgramm(std::ostream& AAus, std::ostream& AFehler, const TZeitzone& AZeitzone,
                             TSystemKlang& AKlang, std::string AProgrammordner)
    : FAus(AAus), FFehler(AFehler), FZeitzone(AZeitzone), FKlang(AKlang),
      FProgrammordner(std::move(AProgrammordner)), FPort(AFehler) {}

int TTextProgramm::Ausfuehren(const TTextAufruf& AAufruf) {
    TMeldungsPort* Vorher = TMeldungsPort::Aktiv();
    TMeldungsPort::Setze(&FPort);
    int Code = 0;
    try {
        if (AAufruf.Heute) {
            TUhr::Festhalten(*AAufruf.Heute);
        }
        SetAnzeigeKomprimiert(false);
        Befehl(AAufruf);
        FAus.flush();
        if (!FAus) {
            throw EAbbruch("Die Ausgabe konnte nicht geschrieben werden.", 1);
        }
    } catch (const EAbbruch& Fehler) {
        TextZeilenAusgeben(FFehler, Fehler.what());
        Code = Fehler.Code;
    } catch (const std::exception& Fehler) {
        TextZeilenAusgeben(FFehler, Fehler.what());
        Code = 1;
    }
    SetAnzeigeKomprimiert(false);
    TMeldungsPort::Setze(Vorher);
    return Code;
}

void TTextProgramm::Befehl(const TTextAufruf& A) {
    switch (A.Befehl) {
    case tbHilfe:
    case tbVersion:
        break;
    case tbPruefen:
        Pruefen(A);
        break;
    case tbSpeichern: {
        TDaten Daten;
        Laden(A, Daten);
        Daten.SaveToFile(A.Dateien.at(1), SystemDateisystem());
        break;
    }
    case tbListe:
        Liste(A);
        break;
    case tbInfo:
        Info(A);
        break;
    case tbVorschau:
        Vorschau(A);
        break;
    case tbMondphasen:
        Mondphasen(A);
        break;
    case tbFeiertage:
        Feiertage(A);
        break;
    case tbNamenstage:
        FAus << Namenstage(Programmordner(A), A.Datum.value_or(TUhr::Heute())) << '\n';
        break;
    case tbNamenSuche:
        NamenSuche(A);
        break;
    case tbImportieren:
        Importieren(A);
        break;
    case tbExportieren:
        Exportieren(A);
        break;
    }
}

std::string TTextProgramm::Programmordner(const TTextAufruf& A) const {
    return A.Programmordner.empty() ? FProgrammordner : A.Programmordner;
}

void TTextProgramm::Laden(const TTextAufruf& A, TDaten& ADaten) {
    KalenderdateiLesen(A.Dateien.at(0), ADaten, 0, SystemDateisystem());
    TGeladenClass Geladen(&ADaten, "");
    for (const std::string& Datei : A.Zusatzdateien) {
        if (!Geladen.LadeFilename(Datei, SystemDateisystem())) {
            throw EAbbruch("", 1);
        }
    }
}

void TTextProgramm::Pruefen(const TTextAufruf& A) {
    TDaten Daten;
    Laden(A, Daten);
    long long Tage = 0;
    for (const TDatenClass& Eintrag : Daten.Eintraege()) {
        Tage += Eintrag.Count();
    }
    FAus << Daten.Count() << " Einträge, " << Tage << " Tage\n";
}

void TTextProgramm::Liste(const TTextAufruf& A) {
    TDaten Daten;
    Laden(A, Daten);
    TSpeicherSteuerung Steuerung;
    TTagesliste Tagesliste(Daten, Steuerung);
    Tagesliste.SetTagesansicht(A.Ansicht);
    for (TListenSchalter Schalter : A.Schalter) {
        SchalterAnwenden(Tagesliste, Schalter);
    }
    if (A.Periode) {
        Steuerung.PeriodeEintippen(*A.Periode);
        if (!Tagesliste.UpdateTage()) {
            throw EAbbruch("Unbekannter Zeitraum: " + *A.Periode, 2);
        }
    } else {
        Tagesliste.SpringeZuDatum(A.Datum.value_or(TUhr::Heute()), "");
    }
    for (const TZeile& Zeile : Tagesliste.DisplayItems()) {
        FAus << Zeile.Text << '\n';
    }
}

void TTextProgramm::Info(const TTextAufruf& A) {
    TDaten Daten;
    Laden(A, Daten);
    const TTag Datum = A.Datum.value_or(TUhr::Heute());
    // The entry lines of the day as the week view shows them with the start filters.
    TSpeicherSteuerung Steuerung;
    TTagesliste Tagesliste(Daten, Steuerung);
    Tagesliste.SpringeZuDatum(Datum, "");
    const TTagClass* Eintrag = nullptr;
    int Nr = 0;
    for (const TZeile& Zeile : Tagesliste.DisplayItems()) {
        if (A.Nr > 0 && Zeile.TagClass && DatumAusZeile(Zeile.Text) == Datum && ++Nr == A.Nr) {
            Eintrag = Zeile.TagClass.get();
            break;
        }
    }
    if (A.Nr > 0 && Eintrag == nullptr) {
        throw EAbbruch("Am " + DatumText(Datum) + " gibt es keinen Eintrag Nr. " + std::to_string(A.Nr) + ".",
                       2);
    }
    TInfosTexte Texte(FZeitzone, FKlang, Programmordner(A));
    TextZeilenAusgeben(FAus, Texte.InfosInText(Eintrag, Datum));
}

void TTextProgramm::Vorschau(const TTextAufruf& A) {
    TDaten Daten;
    Laden(A, Daten);
    TInfosTexte Texte(FZeitzone, FKlang, Programmordner(A));
    for (const TVorschauZeile& Zeile : Texte.VorschauInText(Daten, A.Tage)) {
        FAus << Zeile.Text << '\n';
    }
}

void TTextProgramm::Mondphasen(const TTextAufruf& A) {
    TInfosTexte Texte(FZeitzone, FKlang, Programmordner(A));
    TextZeilenAusgeben(FAus, Texte.MondphasenInText(A.Jahr));
}

void TTextProgramm::Feiertage(const TTextAufruf& A) {
    TDaten Daten;
    Laden(A, Daten);
    const std::string Text = TInfosTexte::FeiertageInText(Daten, A.Jahr);
    TextZeilenAusgeben(FAus, Text.empty() ? KeineFeiertage : Text);
}

void TTextProgramm::NamenSuche(const TTextAufruf& A) {
    const std::string Datei = NamenstageDatei(Programmordner(A));
    if (!IstDatei(Datei)) {
        throw EAbbruch("Die Namenstags-Datei \"" + Datei + "\" existiert nicht!", 1);
    }
    const TNamenSuche Suche = NamenstagSuchen(Programmordner(A), A.Name, A.GenauS);
    if (Suche.Ergebnis == nsDateiFehler) {
        throw EAbbruch(Suche.Zeilen.front(), 1);
    }
    for (const std::string& Zeile : Suche.Zeilen) {
        FAus << Zeile << '\n';
    }
}

void TTextProgramm::Importieren(const TTextAufruf& A) {
#ifdef ORVANTO_ICALENDAR
    // An .ics file is known by its content, not by its name.
    if (IstIcsDatei(A.Dateien.at(1), SystemDateisystem())) {
        IcsImportieren(A);
        return;
    }
#endif
    TDaten Daten;
    KalenderdateiLesen(A.Dateien.at(0), Daten, 0, SystemDateisystem());
    const int FehlerVorher = FPort.Fehler();
    Daten.Import(A.Dateien.at(1), SystemDateisystem());
    if (FPort.Fehler() > FehlerVorher) {
        throw EAbbruch("", 1);
    }
    Daten.SaveToFile(A.Dateien.at(2), SystemDateisystem());
}

#ifdef ORVANTO_ICALENDAR

// The report goes to the output only once the target is written: a failed save reports nothing
// as taken over.
void TTextProgramm::IcsImportieren(const TTextAufruf& A) {
    TDaten Daten;
    KalenderdateiLesen(A.Dateien.at(0), Daten, 0, SystemDateisystem());
    const TIcsBericht Bericht = ::IcsImportieren(A.Dateien.at(1), Daten, SystemDateisystem(), FZeitzone);
    Daten.SaveToFile(A.Dateien.at(2), SystemDateisystem());
    FAus << Bericht.Text() << '\n';
}

void TTextProgramm::Exportieren(const TTextAufruf& A) {
    TDaten Daten;
    KalenderdateiLesen(A.Dateien.at(0), Daten, 0, SystemDateisystem());
    IcsDateiSchreiben(A.Dateien.at(1), Daten, SystemDateisystem(), FZeitzone);
}

#else

// Without libical (a build where pkg-config finds none) an .ics source reaches the calendar file reader,
// which refuses it as an unknown format.
void TTextProgramm::Exportieren(const TTextAufruf&) {
    throw EAbbruch("Dieses Orvanto ist ohne iCalendar-Unterstützung (libical) gebaut.", 1);
}

#endif
