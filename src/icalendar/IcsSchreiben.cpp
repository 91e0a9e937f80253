#include "icalendar/IcsSchreiben.h"

#include <libical/ical.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "icalendar/IcsEigenschaften.h"
#include "icalendar/IcsKomponente.h"
#include "icalendar/IcsZeit.h"
#include "model/Uhr.h"

namespace {

// A run of records: one occurrence.
struct TLauf {
    std::int32_t Start = 0;
    std::int32_t Laenge = 0;
};

bool IstMonatsintervall(TAnzeigenTyp ATyp) {
    return ATyp >= at1Monat;
}

std::string DatumsText(TTag ATag) {
    return FormatDateTime("yyyymmdd", ATag);
}

// The records of a run alike but for their day.
bool Einheitlich(const TDatenClass& e, const TLauf& l) {
    const TDatumClass& a = e.DatumListe[l.Start];
    for (std::int32_t i = l.Start; i < l.Start + l.Laenge; ++i) {
        const TDatumClass& d = e.DatumListe[i];
        if (d.VonDatum != a.VonDatum || d.BisDatum != a.BisDatum || d.AktivTyp != a.AktivTyp ||
            d.GanzerTagS != a.GanzerTagS || d.LoeschenS != a.LoeschenS || d.VonZeit() != a.VonZeit()) {
            return false;
        }
    }
    return true;
}

// Two runs of the same shape: length, time and flags, their days and activation aside.
bool GleicheForm(const TDatumClass& a, const TDatumClass& b) {
    return a.Laenge() == b.Laenge() && a.VonZeit() == b.VonZeit() && a.GanzerTagS == b.GanzerTagS &&
           a.LoeschenS == b.LoeschenS;
}

class TSchreiber {
public:
    TSchreiber(icalcomponent* AKalender, icaltimezone* AZone, const TZeitzone& AZeitzone)
        : FKalender(AKalender), FZone(AZone), FZeit(AZeitzone) {}

    void Eintrag(const TDatenClass& e);

private:
    icalcomponent* FKalender;
    icaltimezone* FZone;
    TIcsZeit FZeit;

    icaltimetype Zeit(TTag ATag, const TDatumClass& AForm) const;
    icaltimetype InUtc(icaltimetype t) const;
    icalproperty* MitZone(icalproperty* p, const icaltimetype& t) const;
    icalcomponent* Ereignis(const TDatenClass& e, const std::string& AUid, const TDatumClass& AErster,
                            const std::vector<TLauf>& ALaeufe, bool ARegelS);
    bool Regelmaessig(const TDatenClass& e, const std::vector<TLauf>& ALaeufe) const;
};

icaltimetype TSchreiber::Zeit(TTag ATag, const TDatumClass& AForm) const {
    const TJMT d = DecodeDate(ATag);
    icaltimetype t = icaltime_null_time();
    t.year = d.Jahr;
    t.month = d.Monat;
    t.day = d.Tag;
    t.is_date = AForm.GanzerTagS;
    if (!AForm.GanzerTagS) {
        const TUhrzeit u = UhrzeitVon(AForm.VonZeit());
        t.hour = u.Stunde;
        t.minute = u.Minute;
        t.zone = FZone;
    }
    return t;
}

// RDATEs and EXDATEs of a zoned time are written in UTC: readers that take no TZID on them, as
// libical's own expansion does not, read them right all the same.
icaltimetype TSchreiber::InUtc(icaltimetype t) const {
    if (!t.is_date && t.zone != nullptr) {
        icaltimezone_convert_time(&t, const_cast<icaltimezone*>(t.zone), icaltimezone_get_utc_timezone());
        t.zone = icaltimezone_get_utc_timezone();
    }
    return t;
}

icalproperty* TSchreiber::MitZone(icalproperty* p, const icaltimetype& t) const {
    if (!t.is_date && t.zone != nullptr) {
        icalproperty_add_parameter(
            p, icalparameter_new_tzid(icaltimezone_get_tzid(const_cast<icaltimezone*>(t.zone))));
    }
    return p;
}

// True if the runs up to the limit are exactly what the interval generates from the first one,
// and RFC 5545 repeats them alike: no month interval from day 29 on (RFC 5545 skips the months
// without that day) and no occurrence whose length a short month changes.
bool TSchreiber::Regelmaessig(const TDatenClass& e, const std::vector<TLauf>& ALaeufe) const {
    const TDatumClass& Erster = e.DatumListe[ALaeufe.front().Start];
    if (e.AnzeigenTyp == atEinmalig) {
        return ALaeufe.size() == 1;
    }
    if (IstMonatsintervall(e.AnzeigenTyp) && DecodeDate(Erster.VonDatum).Tag >= 29) {
        return false;
    }
    TDatenClass Vorlage;
    Vorlage.AssignInfos(e);
    TDatumClass R = Erster;
    R.AktivTyp = avAktiv;
    Vorlage.Add(R);
    TDaten Erzeugt;
    Erzeugt.Add(TTagClass(0, &Vorlage));
    const TDatenClass& g = Erzeugt[0];
    std::size_t n = 0;
    bool Gleich = true;
    g.FuerJedenLauf([&](std::int32_t AStart, std::int32_t ALaenge) {
        const TDatumClass& a = g.DatumListe[AStart];
        if (!Gleich || a.VonDatum > e.EndeDatum) {
            return;
        }
        if (n >= ALaeufe.size() || ALaeufe[n].Laenge != ALaenge || a.Laenge() != Erster.Laenge()) {
            Gleich = false;
            return;
        }
        for (std::int32_t i = 0; i < ALaenge && Gleich; ++i) {
            TDatumClass d = e.DatumListe[ALaeufe[n].Start + i];
            d.AktivTyp = avAktiv;
            Gleich = IdentDatumClassMitDatumClass(d, g.DatumListe[AStart + i]);
        }
        ++n;
    });
    return Gleich && n == ALaeufe.size();
}

// One event: its first occurrence AErster, with ARegelS the entry's interval as its rule, else the
// runs ALaeufe after the first as RDATEs. Deactivated runs are excluded and named.
icalcomponent* TSchreiber::Ereignis(const TDatenClass& e, const std::string& AUid, const TDatumClass& AErster,
                                    const std::vector<TLauf>& ALaeufe, bool ARegelS) {
    icalcomponent* v = icalcomponent_new_vevent();
    icalcomponent_add_property(v, icalproperty_new_uid(AUid.c_str()));
    const TSekunden Jetzt = FZeit.UtcAusLokal(static_cast<TSekunden>(TUhr::Jetzt() * SekundenJeTag));
    icaltimetype Stempel = icaltime_from_timet_with_zone(
        static_cast<time_t>(Jetzt - TSekunden{25569} * SekundenJeTag), 0, icaltimezone_get_utc_timezone());
    icalcomponent_add_property(v, icalproperty_new_dtstamp(Stempel));
    icalcomponent_add_property(v, icalproperty_new_summary(e.Kurztext.c_str()));
    if (!e.Langtext.empty()) {
        std::string Lang;
        for (char c : e.Langtext) {
            if (c != '\r') {
                Lang += c;
            }
        }
        icalcomponent_add_property(v, icalproperty_new_description(Lang.c_str()));
    }
    const icaltimetype Start = Zeit(AErster.VonDatum, AErster);
    icalcomponent_add_property(v, MitZone(icalproperty_new_dtstart(Start), Start));
    if (AErster.GanzerTagS || AErster.BisDatum > AErster.VonDatum) {
        // The end is exclusive: the midnight after the last day.
        TDatumClass Mitternacht = AErster;
        Mitternacht.VonZeitSetzen(0);
        const icaltimetype Ende = Zeit(AErster.BisDatum + 1, Mitternacht);
        icalcomponent_add_property(v, MitZone(icalproperty_new_dtend(Ende), Ende));
    }
    if (ARegelS && e.AnzeigenTyp != atEinmalig) {
        icalrecurrencetype r;
        icalrecurrencetype_clear(&r);
        constexpr int Intervalle[AnzeigenTypAnzahl] = {0, 1, 1, 2, 3, 4, 1, 2, 3, 4, 6, 1};
        r.freq = e.AnzeigenTyp == at1Tag     ? ICAL_DAILY_RECURRENCE
                 : e.AnzeigenTyp <= at4Woche ? ICAL_WEEKLY_RECURRENCE
                 : e.AnzeigenTyp == at1Jahr  ? ICAL_YEARLY_RECURRENCE
                                             : ICAL_MONTHLY_RECURRENCE;
        r.interval = static_cast<short>(Intervalle[e.AnzeigenTyp]);
        if (e.EndeDatum < KalenderEnde) {
            // Up to the end of the limit's day; a time in a zone must be given in UTC.
            TDatumClass Tagesende = AErster;
            Tagesende.VonZeitSetzen(0);
            r.until = Zeit(e.EndeDatum, Tagesende);
            if (!AErster.GanzerTagS) {
                r.until.hour = 23;
                r.until.minute = 59;
                r.until.second = 59;
                if (FZone != nullptr) {
                    icaltimezone_convert_time(&r.until, FZone, icaltimezone_get_utc_timezone());
                    r.until.zone = icaltimezone_get_utc_timezone();
                }
            }
        }
        icalcomponent_add_property(v, icalproperty_new_rrule(r));
    }
    std::string Deaktiviert;
    for (std::size_t k = 0; k < ALaeufe.size(); ++k) {
        const TDatumClass& d = e.DatumListe[ALaeufe[k].Start];
        const icaltimetype t = InUtc(Zeit(d.VonDatum, AErster));
        if (!ARegelS && k > 0) {
            icaldatetimeperiodtype p{};
            p.time = t;
            p.period = icalperiodtype_null_period();
            icalcomponent_add_property(v, icalproperty_new_rdate(p));
        }
        if (d.AktivTyp == avDeaktiv) {
            icalcomponent_add_property(v, icalproperty_new_exdate(t));
            Deaktiviert += (Deaktiviert.empty() ? "" : ",") + DatumsText(d.VonDatum);
        }
    }
    const auto X = [v](const char* AName, const std::string& AWert) {
        icalproperty* p = icalproperty_new_x(AWert.c_str());
        icalproperty_set_x_name(p, AName);
        icalcomponent_add_property(v, p);
    };
    X(IcsTyp, EintragstypNamen[e.TagTyp]);
    X(IcsIntervall, IntervallKuerzel[e.AnzeigenTyp]);
    X(IcsGrenze, DatumsText(e.EndeDatum));
    if (e.CounterS || e.CounterStart != 0) {
        X(IcsZaehler, e.CounterS ? "JA" : "NEIN");
        X(IcsZaehlerstart, std::to_string(e.CounterStart));
    }
    if (AErster.LoeschenS) {
        X(IcsLoeschfunktion, "JA");
    }
    if (!e.Sounddatei.empty() || e.SounddateiS) {
        X(IcsSounddatei, e.Sounddatei);
        X(IcsSoundAn, e.SounddateiS ? "JA" : "NEIN");
    }
    if (!Deaktiviert.empty()) {
        X(IcsDeaktiviert, Deaktiviert);
    }
    icalcomponent_add_component(FKalender, v);
    return v;
}

void TSchreiber::Eintrag(const TDatenClass& e) {
    std::vector<TLauf> Laeufe;
    bool Einheitliche = true;
    e.FuerJedenLauf([&](std::int32_t AStart, std::int32_t ALaenge) {
        if (e.DatumListe[AStart].VonDatum <= e.EndeDatum) {
            Laeufe.push_back(TLauf{AStart, ALaenge});
            Einheitliche = Einheitliche && Einheitlich(e, Laeufe.back());
        }
    });
    if (Laeufe.empty()) {
        return;
    }
    const TDatumClass& Erster = e.DatumListe[Laeufe.front().Start];
    // Stable while the entry keeps its id and first day.
    const std::string Uid = "orvanto-" + std::to_string(e.Id) + "-" + DatumsText(Erster.VonDatum);
    if (Einheitliche && Regelmaessig(e, Laeufe)) {
        Ereignis(e, Uid, Erster, Laeufe, true);
        return;
    }
    const bool Gleichfoermig = Einheitliche && std::all_of(Laeufe.begin(), Laeufe.end(), [&](const TLauf& l) {
                                   return GleicheForm(e.DatumListe[l.Start], Erster);
                               });
    if (Gleichfoermig) {
        Ereignis(e, Uid, Erster, Laeufe, false);
        return;
    }
    for (const TLauf& l : Laeufe) {
        const TDatumClass& d = e.DatumListe[l.Start];
        icalcomponent* v = Ereignis(e, Uid + "-" + DatumsText(d.VonDatum), d, {l}, false);
        icalproperty* Teil = icalproperty_new_x(Uid.c_str());
        icalproperty_set_x_name(Teil, IcsTeil);
        icalcomponent_add_property(v, Teil);
    }
}

} // namespace

std::string IcsKodieren(const TDaten& ADaten, const std::string& AZonenname, const TZeitzone& AZeitzone) {
    icalerror_set_errors_are_fatal(0);
    const TIcsKomponente Kalender(icalcomponent_new_vcalendar());
    icalcomponent_add_property(Kalender.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(Kalender.get(), icalproperty_new_prodid("-//Orvanto//Orvanto V1.03//DE"));
    icaltimezone* Zone = AZonenname.empty() ? nullptr : icaltimezone_get_builtin_timezone(AZonenname.c_str());
    if (Zone != nullptr) {
        icalcomponent_add_component(Kalender.get(),
                                    icalcomponent_new_clone(icaltimezone_get_component(Zone)));
    }
    TSchreiber Schreiber(Kalender.get(), Zone, AZeitzone);
    for (const TDatenClass& e : ADaten.Eintraege()) {
        if (e.IdDatei == 0 && e.Count() > 0) {
            Schreiber.Eintrag(e);
        }
    }
    char* Text = icalcomponent_as_ical_string_r(Kalender.get());
    std::string Ergebnis(Text);
    std::free(Text);
    return Ergebnis;
}
