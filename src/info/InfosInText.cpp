#include "info/TInfosTexte.h"

#include <string_view>
#include <utility>

#include "astro/Moon.h"
#include "info/EintragBeschriftungen.h"
#include "info/InfoTextHilfen.h"
#include "info/Namenstage.h"
#include "info/RemoveAmpersands.h"
#include "model/Fehler.h"
#include "model/ResConst.h"
#include "model/TDatenClass.h"
#include "model/Trim.h"
#include "platform/Pfadteile.h"
#include "views/OVAnzeige.h"

namespace {

constexpr std::string_view LangesDatum = "dddd, d. mmmm yyyy";

std::string LangDatum(TTag ADatum) {
    return FormatDateTime(LangesDatum, ADatum);
}

// A row of the season or zodiac table: its first and last day in the leap year 2000.
struct TZeitraum {
    const char* Name;
    TTag Von;
    TTag Bis;
};

constexpr TTag Tag2000(int AMonat, int ATag) {
    return EncodeDate(2000, AMonat, ATag);
}

// The row spanning the turn of the year comes first; it never matches directly and is the
// result when no other row matches.
constexpr TZeitraum Jahreszeiten[] = {
    {"Winter", Tag2000(12, 22), Tag2000(3, 20)},
    {"Frühling", Tag2000(3, 21), Tag2000(6, 20)},
    {"Sommer", Tag2000(6, 21), Tag2000(9, 22)},
    {"Herbst", Tag2000(9, 23), Tag2000(12, 21)},
};

constexpr TZeitraum Sternzeichen[] = {
    {"Steinbock", Tag2000(12, 22), Tag2000(1, 20)}, {"Wassermann", Tag2000(1, 21), Tag2000(2, 19)},
    {"Fisch", Tag2000(2, 20), Tag2000(3, 20)},      {"Widder", Tag2000(3, 21), Tag2000(4, 20)},
    {"Stier", Tag2000(4, 21), Tag2000(5, 20)},      {"Zwilling", Tag2000(5, 21), Tag2000(6, 21)},
    {"Krebs", Tag2000(6, 22), Tag2000(7, 22)},      {"Löwe", Tag2000(7, 23), Tag2000(8, 23)},
    {"Jungfrau", Tag2000(8, 24), Tag2000(9, 23)},   {"Waage", Tag2000(9, 24), Tag2000(10, 23)},
    {"Skorpion", Tag2000(10, 24), Tag2000(11, 22)}, {"Schütze", Tag2000(11, 23), Tag2000(12, 21)},
};

template <std::size_t N> const TZeitraum& FindeZeitraum(const TZeitraum (&ATabelle)[N], TTag ADatum) {
    const TJMT d = DecodeDate(ADatum);
    const TTag Tag = Tag2000(d.Monat, d.Tag);
    for (const TZeitraum& z : ATabelle)
        if (z.Von <= Tag && Tag <= z.Bis)
            return z;
    return ATabelle[0];
}

std::string ZeitraumText(const TZeitraum& z) {
    return std::string(z.Name) + " (von " + FormatDateTime("d. mmmm", z.Von) + " bis " +
           FormatDateTime("d. mmmm", z.Bis) + ")";
}

// The last Sunday of a month with 31 days, going back from the 31st.
TTag LetzterSonntag(int AJahr, int AMonat) {
    TTag Tag = EncodeDate(AJahr, AMonat, 31);
    for (int i = 0; i < 7 && Wochentag(Tag) != 0; ++i)
        --Tag;
    return Tag;
}

std::string ZeitumstellungText(int AJahr) {
    return "Sommerzeit +1h " + FormatDateTime("d.m.yyyy", LetzterSonntag(AJahr, 3)) + "; Normalzeit -1h " +
           FormatDateTime("d.m.yyyy", LetzterSonntag(AJahr, 10));
}

std::string AktiviertText(bool AAktivS) {
    return AAktivS ? "aktiviert" : "deaktiviert";
}

} // namespace

TInfosTexte::TInfosTexte(const TZeitzone& AZeitzone, TSystemKlang& AKlang, std::string AProgrammordner)
    : FZeitzone(AZeitzone), FKlang(AKlang), FProgrammordner(std::move(AProgrammordner)) {}

std::string TInfosTexte::InfosInText(const TTagClass* ATagClass, TDateTime ADatum) {
    SounddateienSl.clear();
    std::vector<std::string> Zeilen;
    if (ADatum > 0)
        Zeilen = TagTeil(TagVon(ADatum));
    if (ATagClass) {
        const std::vector<std::string> Eintrag = EintragTeil(*ATagClass);
        Zeilen.insert(Zeilen.end(), Eintrag.begin(), Eintrag.end());
    }
    return std::string(Trim(ZeilenVerbinden(Zeilen))) + "\r\n";
}

std::vector<std::string> TInfosTexte::TagTeil(TTag ADatum) {
    const int Jahr = DecodeDate(ADatum).Jahr;
    const std::string JahrText = std::to_string(Jahr);
    // The week number goes with the date's own year, also where the ISO week belongs to the
    // neighbouring year.
    return {
        LangDatum(ADatum),
        "In der Kalenderwoche " + std::to_string(Kalenderwoche(ADatum)) + "/" + JahrText,
        std::to_string(TagDesJahres(ADatum)) + ". Tag des Jahres " + JahrText,
        "Jahreszeit: " + ZeitraumText(FindeZeitraum(Jahreszeiten, ADatum)),
        "Sternzeichen: " + ZeitraumText(FindeZeitraum(Sternzeichen, ADatum)),
        "Zeitumstellung: " + ZeitumstellungText(Jahr),
        "Mondphase: " + MondText(ADatum),
        "Namenstag haben: " + Namenstage(FProgrammordner, ADatum),
        JahrText + " ist " + (IsLeapYear(Jahr) ? "ein" : "kein") + " Schaltjahr",
    };
}

// The phase of the day compares whole days of the Universal Time instants; the next phases are
// searched from the following midnight, so that a phase on the day itself is not repeated, and
// are given in local time.
std::string TInfosTexte::MondText(TTag ADatum) {
    const TTag Neumond = TagVon(FollowingPhase(TMoonPhase::mpNewMoon, ADatum));
    const TTag Vollmond = TagVon(FollowingPhase(TMoonPhase::mpFullMoon, ADatum));
    std::string Phase;
    if (Neumond == ADatum) {
        Phase = "Neumond";
    } else if (Vollmond == ADatum) {
        Phase = "Vollmond";
        const std::string Wolf = PfadIn(PfadIn(FProgrammordner, SounddateienOrdner), VollmondSounddatei);
        if (IstDatei(Wolf))
            SounddateienSl.push_back(Wolf);
    } else {
        Phase = Vollmond <= Neumond ? "Zunehmend" : "Abnehmend";
    }
    const auto Naechste = [&](TMoonPhase APhase) {
        const TDateTime Lokal = FZeitzone.UtcToLocal(FollowingPhase(APhase, ADatum + 1));
        return FormatDateTime("d.m.yyyy, h:mm\"h\"", Lokal);
    };
    return Phase + " (nächster Neumond: " + Naechste(TMoonPhase::mpNewMoon) +
           "; nächster Vollmond: " + Naechste(TMoonPhase::mpFullMoon) + ")";
}

std::vector<std::string> TInfosTexte::EintragTeil(const TTagClass& ATagClass) {
    const TDatenClass* E = ATagClass.DatenClass;
    if (!E || ATagClass.DatumNr < 0 || ATagClass.DatumNr >= E->Count())
        throw EBereichsFehler("Ungültiger Tagesindex " + std::to_string(ATagClass.DatumNr) + ".");
    const TDatumClass& O = E->DatumListe[ATagClass.DatumNr];
    const std::string Typ = EintragstypNamen[E->TagTyp];
    const int Tage = O.BisDatum - O.VonDatum + 1;
    const std::string Zeit = O.GanzerTagS ? "" : FormatDateTime("hh:nn", O.VonZeit()) + " Uhr ";

    std::vector<std::string> Zeilen{
        "",
        "Infos zum " + Typ + " \"" + E->Kurztext + "\":",
        "Von " + LangDatum(O.VonDatum) + " " + Zeit + "bis " + LangDatum(O.BisDatum) + " (Gültig " +
            std::to_string(Tage) + (Tage == 1 ? " Tag)" : " Tage)"),
        Typ + " ist " + AktiviertText(O.AktivTyp == avAktiv),
    };
    if (E->CounterS)
        Zeilen.push_back("Eintragszähler: " +
                         std::to_string(static_cast<std::int64_t>(ATagClass.DatumNr) + E->CounterStart));
    Zeilen.push_back(RemoveAmpersands(BeschriftungIntervall) + " " + IntervallNamen[E->AnzeigenTyp]);
    Zeilen.push_back(RemoveAmpersands(BeschriftungKalendergrenze) + " " + LangDatum(E->EndeDatum));
    Zeilen.push_back(RemoveAmpersands(BeschriftungZaehlfunktion) + " ist " + AktiviertText(E->CounterS));
    if (E->CounterS)
        Zeilen.push_back(RemoveAmpersands(BeschriftungStartwert) + " " + std::to_string(E->CounterStart));
    Zeilen.push_back(RemoveAmpersands(BeschriftungLoeschfunktion) + " ist " + AktiviertText(O.LoeschenS));
    if (E->SounddateiS && !E->Sounddatei.empty())
        Zeilen.push_back(RemoveAmpersands(BeschriftungSounddatei) + ": " + E->Sounddatei);
    else
        Zeilen.push_back("Sounddatei ist deaktiviert");
    if (!E->Langtext.empty())
        Zeilen.push_back("Langtext:\r\n[" + E->Langtext + "]");
    else
        Zeilen.push_back("Kein Langtext");
    return Zeilen;
}
