#include "info/TInfosTexte.h"

#include <algorithm>
#include <limits>
#include <map>

#include "model/Uhr.h"
#include "platform/Pfadteile.h"

namespace {

// The taken occurrences of one day: the entry and its day record, in the order found.
using TTagesereignisse = std::vector<std::pair<const TDatenClass*, const TDatumClass*>>;

// The first active record of each day in [AVon, ABis] that is not after the entry's limit.
void SammleEreignisse(const TDatenClass& E, TTag AVon, TTag ABis, std::map<TTag, TTagesereignisse>& ATage) {
    for (const TDatumClass& r : E.DatumListe) {
        if (r.Datum < AVon || r.Datum > ABis || E.EndeDatum < r.Datum || r.AktivTyp != avAktiv)
            continue;
        auto& Ereignisse = ATage[r.Datum];
        if (std::none_of(Ereignisse.begin(), Ereignisse.end(), [&](const auto& p) { return p.first == &E; }))
            Ereignisse.emplace_back(&E, &r);
    }
}

std::string Ueberschrift(int AIndex, TTag ADatum, std::size_t AAnzahl) {
    static const char* const Texte[] = {"Heute", "Morgen", "Übermorgen"};
    std::string Text = AIndex < 3 ? std::string(Texte[AIndex]) + FormatDateTime(" (dddd)", ADatum)
                                  : "Am " + FormatDateTime("dddd, d. mmmm yyyy", ADatum);
    const std::string n = std::to_string(AAnzahl);
    return Text + " " + (AAnzahl == 1 ? "steht " + n + " Ereignis an:" : "stehen " + n + " Ereignisse an:");
}

std::string EreignisZeile(std::size_t ANummer, const TDatenClass& E, const TDatumClass& r) {
    const std::string Zeit = r.GanzerTagS ? "" : " | " + FormatDateTime("hh:nn", r.VonZeit()) + " Uhr";
    std::string Langtext;
    if (!E.Langtext.empty()) {
        Langtext = E.Langtext;
        std::replace(Langtext.begin(), Langtext.end(), '\r', ' ');
        std::replace(Langtext.begin(), Langtext.end(), '\n', ' ');
        Langtext = " | [" + Langtext + "]";
    }
    return std::to_string(ANummer) + ".: \"" + E.Kurztext + "\"" + Zeit + Langtext;
}

std::unique_ptr<TDatenClass> EreignisKopie(const TDatenClass& E, const TDatumClass& r) {
    auto Kopie = std::make_unique<TDatenClass>();
    Kopie->AssignInfos(E);
    Kopie->Add(r);
    return Kopie;
}

} // namespace

TVorschauListe TInfosTexte::VorschauInText(const TDaten& ADaten, int ATage) {
    SounddateienSl.clear();
    NurHeuteS = ATage == 0;
    TVorschauListe Liste;
    const auto Zeile = [&Liste](std::string AText, std::unique_ptr<TDatenClass> AKopie = nullptr) {
        Liste.push_back(TVorschauZeile{std::move(AText), std::move(AKopie)});
    };
    if (ADaten.Count() == 0) {
        Zeile("Es sind keine Daten zum Auswerten vorhanden!");
        FKlang.PlayExclamation();
        return Liste;
    }
    try {
        const TDateTime Jetzt = TUhr::Jetzt();
        const TTag Heute = TagVon(Jetzt);
        const TTag Von = NurHeuteS ? Heute : Heute + 1;
        // Every day of the range has its heading, also past the calendar's last day (occurrences
        // that start on it reach into the following year); the bound only keeps a day a TTag.
        const TTag Bis = NurHeuteS ? Heute
                                   : static_cast<TTag>(std::min<std::int64_t>(
                                         std::int64_t{Heute} + ATage, std::numeric_limits<TTag>::max()));
        std::map<TTag, TTagesereignisse> Tage;
        for (std::int32_t i = 0; i < ADaten.Count(); ++i)
            if (ADaten[i].TagTyp != ttFeiertag)
                SammleEreignisse(ADaten[i], Von, Bis, Tage);

        Zeile(FormatDateTime("\"Heute ist\" dddd, \"der\" d. mmmm yyyy, h:mm \"Uhr\"", Jetzt));
        Zeile("");
        int Index = NurHeuteS ? 0 : 1;
        for (TTag Tag = Von; Tag <= Bis; ++Tag) {
            const TTagesereignisse& Ereignisse = Tage[Tag];
            Zeile(Ueberschrift(Index, Tag, Ereignisse.size()));
            for (std::size_t n = 0; n < Ereignisse.size(); ++n) {
                const auto& [E, r] = Ereignisse[n];
                Zeile(EreignisZeile(n + 1, *E, *r), EreignisKopie(*E, *r));
                if (NurHeuteS && E->SounddateiS && !E->Sounddatei.empty() && IstDatei(E->Sounddatei))
                    SounddateienSl.push_back(E->Sounddatei);
            }
            Zeile("--------------------");
            Zeile("");
            Index = std::min(Index + 1, 3);
        }
        if (Liste.size() > 1 && Liste.back().Text.empty())
            Liste.pop_back();
    } catch (...) {
        SounddateienSl.clear();
        throw;
    }
    return Liste;
}
