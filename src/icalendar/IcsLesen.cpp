#include "icalendar/IcsLesen.h"

#include <libical/ical.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "files/Codepage1252.h"
#include "icalendar/IcsEigenschaften.h"
#include "icalendar/IcsKomponente.h"
#include "icalendar/IcsZeit.h"
#include "model/Fehler.h"

namespace {

// The file reader accepts an occurrence's last day up to a year after the calendar range.
constexpr TTag LetzterEndtag = EncodeDate(2101, 12, 31);
// The longest occurrence of each interval that the entry editor allows, so that the generated
// occurrences of an entry never share a day.
constexpr int MaxDauer[AnzeigenTypAnzahl] = {99, 1, 7, 14, 21, 28, 28, 58, 88, 99, 99, 99};
// A rule with at most one occurrence a day gives fewer than this within the calendar range; the
// expansion of a stranger one stops here, its later occurrences would all share days.
constexpr int MaxVorkommenJeRegel = 2 * (KalenderEnde - KalenderAnfang + 1);
// A text of the calendar file holds at most this many bytes.
constexpr std::size_t MaxTextBytes = 65535;

[[noreturn]] void Fehler(const std::string& AMeldung) {
    throw ELeseFehler(AMeldung);
}

bool GleichOhneFall(std::string_view A, std::string_view B) {
    return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) ==
                      std::toupper(static_cast<unsigned char>(b));
           });
}

bool Leerzeichen(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view OhneRand(std::string_view t) {
    while (!t.empty() && Leerzeichen(t.front())) {
        t.remove_prefix(1);
    }
    while (!t.empty() && Leerzeichen(t.back())) {
        t.remove_suffix(1);
    }
    return t;
}

// The last line that holds more than blanks.
std::string_view LetzteZeile(std::string_view t) {
    t = OhneRand(t);
    const std::size_t Umbruch = t.find_last_of("\r\n");
    return Umbruch == std::string_view::npos ? t : t.substr(Umbruch + 1);
}

// One occurrence in local wall time, as the calendar keeps it.
struct TVorkommen {
    TTag Von = 0;
    TTag Bis = 0;
    TSekunden Zeit = 0; // seconds after midnight, whole minutes
    bool AktivS = true;

    TSekunden Beginn() const { return TSekunden{Von} * SekundenJeTag + Zeit; }
    bool operator<(const TVorkommen& A) const { return Beginn() < A.Beginn(); }
};

bool ImBereich(const TVorkommen& v) {
    return v.Von >= KalenderAnfang && v.Von <= KalenderEnde && v.Bis <= LetzterEndtag;
}

// A text as the calendar file can hold it; false when characters were replaced or cut.
bool AlsKalendertext(std::string& AText) {
    std::string Bytes;
    bool Unveraendert = Utf8ToCp1252(AText, Bytes);
    if (Bytes.size() > MaxTextBytes) {
        Bytes.resize(MaxTextBytes);
        Unveraendert = false;
    }
    AText = Cp1252ToUtf8(Bytes);
    return Unveraendert;
}

// Line breaks of any kind as the program stores them (CR LF), or as blanks in a one-line text.
std::string Zeilenumbrueche(std::string_view AText, const char* AUmbruch) {
    std::string t;
    for (std::size_t i = 0; i < AText.size(); ++i) {
        if (AText[i] == '\r' || AText[i] == '\n') {
            t += AUmbruch;
            if (AText[i] == '\r' && i + 1 < AText.size() && AText[i + 1] == '\n') {
                ++i;
            }
        } else {
            t += AText[i];
        }
    }
    return t;
}

// A date written as YYYYMMDD, or 0.
TTag DatumAusText(std::string_view t) {
    t = OhneRand(t);
    if (t.size() != 8 || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return 0;
    }
    const int j = std::stoi(std::string(t.substr(0, 4)));
    const int m = std::stoi(std::string(t.substr(4, 2)));
    const int d = std::stoi(std::string(t.substr(6, 2)));
    return IstGueltigesDatum(j, m, d) ? EncodeDate(j, m, d) : 0;
}

// The value of the first property of this name, or nullptr.
const char* XWert(icalcomponent* AEreignis, const char* AName) {
    for (icalproperty* p = icalcomponent_get_first_property(AEreignis, ICAL_X_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(AEreignis, ICAL_X_PROPERTY)) {
        const char* Name = icalproperty_get_x_name(p);
        if (Name != nullptr && GleichOhneFall(Name, AName)) {
            return icalproperty_get_x(p);
        }
    }
    return nullptr;
}

std::string_view XText(icalcomponent* AEreignis, const char* AName) {
    const char* Wert = XWert(AEreignis, AName);
    return Wert != nullptr ? Wert : "";
}

// The days of a comma-separated list of dates.
std::set<TTag> DatumsListe(std::string_view t) {
    std::set<TTag> Tage;
    while (!t.empty()) {
        const std::size_t Komma = t.find(',');
        if (const TTag d = DatumAusText(t.substr(0, Komma))) {
            Tage.insert(d);
        }
        t = Komma == std::string_view::npos ? "" : t.substr(Komma + 1);
    }
    return Tage;
}

// Reads the events of one file.
class TLeser {
public:
    TLeser(icalcomponent* AKalender, const TZeitzone& AZeitzone, TIcsBericht& ABericht)
        : FKalender(AKalender), FZeit(AZeitzone), FBericht(ABericht), FLokaleZone(IcsZonenname(AZeitzone)) {}

    // The entry of one event; nullptr when it is not taken over (and counted).
    std::unique_ptr<TDatenClass> Eintrag(icalcomponent* AEreignis, const std::set<TTag>& AErsetzt);
    // The local start day of a RECURRENCE-ID, or 0.
    TTag ErsetzterTag(icalcomponent* AEreignis);

private:
    icalcomponent* FKalender;
    TIcsZeit FZeit;
    TIcsBericht& FBericht;
    std::string FLokaleZone;
    // Of the event being read:
    icaltimetype FStart{};
    std::int64_t FDauer = 0; // seconds, or days for a start without time

    icaltimetype MitZone(icalproperty* AEigenschaft, icaltimetype t) const;
    TVorkommen Vorkommen(icaltimetype AStart) const;
    void DauerLesen(icalcomponent* AEreignis);
    template <typename F> void RegelErweitern(const icalrecurrencetype& ARegel, F AAktion) const;
    bool IntervallPasst(const icalrecurrencetype& ARegel, TAnzeigenTyp& ATyp) const;
    bool AlsIntervall(const icalrecurrencetype& ARegel, const TVorkommen& AErstes,
                      TDatenClass& AEintrag) const;
    std::vector<TVorkommen> Erweitert(icalcomponent* AEreignis,
                                      const std::vector<icalrecurrencetype>& ARegeln);
    void Texte(icalcomponent* AEreignis, TDatenClass& AEintrag);
    bool RegelnLesen(icalcomponent* AEreignis, std::vector<icalrecurrencetype>& ARegeln);
    void Eigenschaften(icalcomponent* AEreignis, TDatenClass& AEintrag);
    std::set<TTag> Ausnahmen(icalcomponent* AEreignis, const std::set<TTag>& AErsetzt) const;
    bool AlsEinzelne(std::vector<TVorkommen> AAlle, bool ALoeschenS, TDatenClass& AEintrag);
};

// A time with the zone its TZID names: the file's own VTIMEZONE first, then libical's zone data;
// an unknown zone leaves the time floating (local). A time of the local zone itself is a wall
// time as it stands, also on the night the clocks go forward, when it names an hour that the
// zone skips: so a calendar written by this program comes back with the times it showed.
icaltimetype TLeser::MitZone(icalproperty* AEigenschaft, icaltimetype t) const {
    if (t.is_date || icaltime_is_utc(t)) {
        return t;
    }
    t.zone = nullptr;
    icalparameter* Tzid = icalproperty_get_first_parameter(AEigenschaft, ICAL_TZID_PARAMETER);
    const char* Name = Tzid != nullptr ? icalparameter_get_tzid(Tzid) : nullptr;
    if (Name == nullptr) {
        return t;
    }
    icaltimezone* Zone = icalcomponent_get_timezone(FKalender, Name);
    if (Zone == nullptr) {
        Zone = icaltimezone_get_builtin_timezone_from_tzid(Name);
    }
    if (Zone == nullptr) {
        Zone = icaltimezone_get_builtin_timezone(Name);
    }
    const char* Ort = Zone != nullptr ? icaltimezone_get_location(Zone) : nullptr;
    t.zone = Ort != nullptr && Ort == FLokaleZone ? nullptr : Zone;
    return t;
}

void TLeser::DauerLesen(icalcomponent* AEreignis) {
    constexpr std::int64_t MaxSekunden = std::int64_t{400} * 366 * SekundenJeTag;
    FDauer = FStart.is_date ? 1 : 0;
    if (icalproperty* Ende = icalcomponent_get_first_property(AEreignis, ICAL_DTEND_PROPERTY)) {
        const icaltimetype e = MitZone(Ende, icalproperty_get_dtend(Ende));
        if (TIcsZeit::Gueltig(e)) {
            // Between wall times the duration is a wall-clock one, as the occurrence's end is
            // found by adding it to a wall time.
            FDauer = FStart.is_date ? TagAus(TIcsZeit::Wand(e)) - TagAus(TIcsZeit::Wand(FStart))
                     : TIcsZeit::Schwebend(FStart) && TIcsZeit::Schwebend(e)
                         ? TIcsZeit::Wand(e) - TIcsZeit::Wand(FStart)
                         : FZeit.Utc(e) - FZeit.Utc(FStart);
        }
    } else if (icalproperty* Dauer = icalcomponent_get_first_property(AEreignis, ICAL_DURATION_PROPERTY)) {
        const std::int64_t s = icaldurationtype_as_int(icalproperty_get_duration(Dauer));
        FDauer = FStart.is_date ? s / SekundenJeTag : s;
    }
    FDauer = std::clamp<std::int64_t>(FDauer, FStart.is_date ? 1 : 0, MaxSekunden);
}

// The occurrence that starts at AStart: from the local day of its start to the local day of its
// end, an end at exactly midnight belonging to the day before.
TVorkommen TLeser::Vorkommen(icaltimetype AStart) const {
    TVorkommen v;
    if (AStart.is_date) {
        v.Von = TagAus(TIcsZeit::Wand(AStart));
        v.Bis = static_cast<TTag>(std::min<std::int64_t>(v.Von + FDauer - 1, LetzterEndtag + 1));
        return v;
    }
    const TSekunden Beginn = FZeit.Lokal(AStart);
    const TSekunden Ende =
        TIcsZeit::Schwebend(AStart) ? Beginn + FDauer : FZeit.LokalAusUtc(FZeit.Utc(AStart) + FDauer);
    v.Von = TagAus(Beginn);
    v.Bis = TagAus(Ende);
    if (FDauer > 0 && Ende == TSekunden{v.Bis} * SekundenJeTag) {
        --v.Bis;
    }
    v.Bis = std::max(v.Bis, v.Von);
    v.Zeit = (Beginn - TSekunden{v.Von} * SekundenJeTag) / 60 * 60;
    return v;
}

template <typename F> void TLeser::RegelErweitern(const icalrecurrencetype& ARegel, F AAktion) const {
    icalrecur_iterator* Iterator = icalrecur_iterator_new(ARegel, FStart);
    if (Iterator == nullptr) {
        return;
    }
    if (FStart.year < 1899 && ARegel.count == 0) {
        // Occurrences before the calendar range are dropped anyway: start just before it.
        icaltimetype Ab = FStart;
        Ab.year = 1899;
        Ab.month = 12;
        Ab.day = 1;
        icalrecur_iterator_set_start(Iterator, Ab);
    }
    int n = 0;
    for (icaltimetype t = icalrecur_iterator_next(Iterator);
         TIcsZeit::Gueltig(t) && t.year <= 2101 && n < MaxVorkommenJeRegel;
         t = icalrecur_iterator_next(Iterator)) {
        t.zone = FStart.zone;
        t.is_date = FStart.is_date;
        AAktion(t);
        ++n;
    }
    icalrecur_iterator_free(Iterator);
}

// The entry's interval for a rule our generator repeats exactly as RFC 5545 does: the frequency
// and interval of one of our intervals, and by-parts only where they name the start's own
// weekday, day or month. A month interval from day 29 on, or a year from 29 February, skips the
// months without that day in RFC 5545, where the generator would take the month's last day.
bool TLeser::IntervallPasst(const icalrecurrencetype& r, TAnzeigenTyp& ATyp) const {
    const auto Einer = [](const auto& AFeld, int AWert) {
        return AFeld[0] == AWert && AFeld[1] == ICAL_RECURRENCE_ARRAY_MAX;
    };
    const auto Leer = [](const auto& AFeld) { return AFeld[0] == ICAL_RECURRENCE_ARRAY_MAX; };
    if (!Leer(r.by_second) || !Leer(r.by_minute) || !Leer(r.by_hour) || !Leer(r.by_year_day) ||
        !Leer(r.by_week_no) || !Leer(r.by_set_pos) || r.rscale != nullptr) {
        return false;
    }
    const int Wochentag = icaltime_day_of_week(FStart); // 1 = Sunday, as libical counts weekdays
    const bool EigenerTag = Leer(r.by_month_day) || Einer(r.by_month_day, FStart.day);
    const bool EigenerMonat = Leer(r.by_month) || Einer(r.by_month, FStart.month);
    const int i = r.interval;
    switch (r.freq) {
    case ICAL_DAILY_RECURRENCE:
        ATyp = at1Tag;
        return i == 1 && Leer(r.by_day) && Leer(r.by_month_day) && Leer(r.by_month);
    case ICAL_WEEKLY_RECURRENCE:
        ATyp = static_cast<TAnzeigenTyp>(at1Woche + i - 1);
        return i >= 1 && i <= 4 && (Leer(r.by_day) || Einer(r.by_day, Wochentag)) && Leer(r.by_month_day) &&
               Leer(r.by_month);
    case ICAL_MONTHLY_RECURRENCE: {
        constexpr TAnzeigenTyp Typen[7] = {atEinmalig, at1Monat,   at2Monat, at3Monat,
                                           at4Monat,   atEinmalig, at6Monat};
        ATyp = i >= 1 && i <= 6 ? Typen[i] : atEinmalig;
        return ATyp != atEinmalig && Leer(r.by_day) && EigenerTag && Leer(r.by_month) && FStart.day <= 28;
    }
    case ICAL_YEARLY_RECURRENCE:
        ATyp = at1Jahr;
        // A day of month without a month would be that day in every month.
        return i == 1 && Leer(r.by_day) && EigenerMonat && (Leer(r.by_month_day) || !Leer(r.by_month)) &&
               EigenerTag && !(FStart.month == 2 && FStart.day == 29);
    default:
        return false;
    }
}

// Makes AEintrag repeat AErstes at the rule's interval, when the rule fits one, and gives it the
// rule's end as its limit: the last day of the last occurrence. Times in a zone are checked
// against libical's expansion, as the zone's offsets may move them against the local time.
bool TLeser::AlsIntervall(const icalrecurrencetype& ARegel, const TVorkommen& AErstes,
                          TDatenClass& AEintrag) const {
    TAnzeigenTyp Typ = atEinmalig;
    if (!IntervallPasst(ARegel, Typ) || AErstes.Bis - AErstes.Von + 1 > MaxDauer[Typ] ||
        !ImBereich(AErstes)) {
        return false;
    }
    TDatenClass Vorlage;
    Vorlage.AssignInfos(AEintrag);
    Vorlage.AnzeigenTyp = Typ;
    TDatumClass R;
    R.Datum = R.VonDatum = AErstes.Von;
    R.BisDatum = AErstes.Bis;
    R.GanzerTagS = FStart.is_date;
    R.VonZeitSetzen(static_cast<TDateTime>(AErstes.Zeit) / SekundenJeTag);
    Vorlage.Add(R);
    TDaten Erzeugt;
    Erzeugt.Add(TTagClass(0, &Vorlage));
    const TDatenClass& e = Erzeugt[0];
    std::vector<TVorkommen> Laeufe;
    e.FuerJedenLauf([&](std::int32_t AStart, std::int32_t) {
        const TDatumClass& d = e.DatumListe[AStart];
        Laeufe.push_back(TVorkommen{d.VonDatum, d.BisDatum, AErstes.Zeit});
    });
    const bool Ende = ARegel.count > 0 || !icaltime_is_null_time(ARegel.until);
    TTag Grenze = KalenderEnde;
    if (TIcsZeit::Schwebend(FStart)) {
        if (ARegel.count > 0) {
            Grenze = Laeufe[std::min<std::size_t>(ARegel.count, Laeufe.size()) - 1].Bis;
        } else if (Ende) {
            const icaltimetype u = ARegel.until;
            const TSekunden Bis = u.is_date ? TIcsZeit::Wand(u) + SekundenJeTag - 1 : FZeit.Lokal(u);
            Grenze = AErstes.Bis;
            for (const TVorkommen& v : Laeufe) {
                if (v.Beginn() <= Bis) {
                    Grenze = v.Bis;
                }
            }
        }
    } else {
        std::size_t n = 0;
        bool Gleich = true;
        RegelErweitern(ARegel, [&](icaltimetype t) {
            const TVorkommen v = Vorkommen(t);
            if (v.Von > KalenderEnde || !Gleich) {
                return;
            }
            Gleich = n < Laeufe.size() && v.Von == Laeufe[n].Von && v.Bis == Laeufe[n].Bis &&
                     v.Zeit == Laeufe[n].Zeit;
            Grenze = v.Bis;
            ++n;
        });
        if (!Gleich || n == 0 || (!Ende && n != Laeufe.size())) {
            return false;
        }
        if (!Ende) {
            Grenze = KalenderEnde;
        }
    }
    AEintrag.AnzeigenTyp = Typ;
    AEintrag.EndeDatum = Grenze;
    AEintrag.DatumListe = std::move(e.DatumListe);
    return true;
}

// Every occurrence of the event: its start, its rules' and its RDATEs' occurrences.
std::vector<TVorkommen> TLeser::Erweitert(icalcomponent* AEreignis,
                                          const std::vector<icalrecurrencetype>& ARegeln) {
    std::vector<TVorkommen> Alle{Vorkommen(FStart)};
    for (const icalrecurrencetype& r : ARegeln) {
        RegelErweitern(r, [&](icaltimetype t) { Alle.push_back(Vorkommen(t)); });
    }
    for (icalproperty* p = icalcomponent_get_first_property(AEreignis, ICAL_RDATE_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(AEreignis, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype Wert = icalproperty_get_rdate(p);
        icaltimetype t = icaltime_is_null_time(Wert.time) ? Wert.period.start : Wert.time;
        t = MitZone(p, t);
        if (TIcsZeit::Gueltig(t)) {
            // An RDATE takes the kind of the start: a date for a whole-day event, else a time.
            if (FStart.is_date && !t.is_date) {
                t = icaltime_from_day_of_year(icaltime_day_of_year(t), t.year);
            } else if (!FStart.is_date && t.is_date) {
                t.is_date = 0;
                t.hour = FStart.hour;
                t.minute = FStart.minute;
                t.second = FStart.second;
                t.zone = FStart.zone;
            }
            Alle.push_back(Vorkommen(t));
        }
    }
    return Alle;
}

void TLeser::Texte(icalcomponent* AEreignis, TDatenClass& AEintrag) {
    const char* Kurz = icalcomponent_get_summary(AEreignis);
    const char* Lang = icalcomponent_get_description(AEreignis);
    AEintrag.Kurztext = std::string(OhneRand(Zeilenumbrueche(Kurz != nullptr ? Kurz : "", " ")));
    if (AEintrag.Kurztext.empty()) {
        AEintrag.Kurztext = "Ohne Titel";
    }
    AEintrag.Langtext = std::string(OhneRand(Zeilenumbrueche(Lang != nullptr ? Lang : "", "\r\n")));
    const char* Sound = XWert(AEreignis, IcsSounddatei);
    AEintrag.Sounddatei = Sound != nullptr ? Sound : "";
    for (std::string* t : {&AEintrag.Kurztext, &AEintrag.Langtext, &AEintrag.Sounddatei}) {
        if (!AlsKalendertext(*t)) {
            ++FBericht.GeaenderteTexte;
        }
    }
}

TTag TLeser::ErsetzterTag(icalcomponent* AEreignis) {
    icalproperty* p = icalcomponent_get_first_property(AEreignis, ICAL_RECURRENCEID_PROPERTY);
    if (p == nullptr) {
        return 0;
    }
    const icaltimetype t = MitZone(p, icalproperty_get_recurrenceid(p));
    return TIcsZeit::Gueltig(t) ? TagAus(FZeit.Lokal(t)) : 0;
}

// The event's rules; false, counted, for a rule of several occurrences a day, since an entry
// holds one occurrence a day.
bool TLeser::RegelnLesen(icalcomponent* AEreignis, std::vector<icalrecurrencetype>& ARegeln) {
    const auto Mehrere = [](const auto& AFeld) {
        return AFeld[0] != ICAL_RECURRENCE_ARRAY_MAX && AFeld[1] != ICAL_RECURRENCE_ARRAY_MAX;
    };
    for (icalproperty* p = icalcomponent_get_first_property(AEreignis, ICAL_RRULE_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(AEreignis, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype r = icalproperty_get_rrule(p);
        if (r.freq == ICAL_SECONDLY_RECURRENCE || r.freq == ICAL_MINUTELY_RECURRENCE ||
            r.freq == ICAL_HOURLY_RECURRENCE || Mehrere(r.by_hour) || Mehrere(r.by_minute) ||
            Mehrere(r.by_second)) {
            ++FBericht.Kurztakt;
            return false;
        }
        if (r.freq != ICAL_NO_RECURRENCE) {
            ARegeln.push_back(r);
        }
    }
    return true;
}

void TLeser::Eigenschaften(icalcomponent* AEreignis, TDatenClass& AEintrag) {
    Texte(AEreignis, AEintrag);
    const std::string_view Typ = XText(AEreignis, IcsTyp);
    AEintrag.TagTyp = GleichOhneFall(Typ, EintragstypNamen[ttUrlaub])     ? ttUrlaub
                      : GleichOhneFall(Typ, EintragstypNamen[ttFeiertag]) ? ttFeiertag
                                                                          : ttTermin;
    AEintrag.CounterS = GleichOhneFall(XText(AEreignis, IcsZaehler), "JA");
    AEintrag.CounterStart = static_cast<std::int32_t>(
        std::strtol(std::string(XText(AEreignis, IcsZaehlerstart)).c_str(), nullptr, 10));
    const char* SoundAn = XWert(AEreignis, IcsSoundAn);
    AEintrag.SounddateiS = SoundAn != nullptr ? GleichOhneFall(SoundAn, "JA") : !AEintrag.Sounddatei.empty();
}

// The local days of the occurrences that EXDATEs and overrides (AErsetzt) take away.
std::set<TTag> TLeser::Ausnahmen(icalcomponent* AEreignis, const std::set<TTag>& AErsetzt) const {
    std::set<TTag> Weg = AErsetzt;
    for (icalproperty* p = icalcomponent_get_first_property(AEreignis, ICAL_EXDATE_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(AEreignis, ICAL_EXDATE_PROPERTY)) {
        const icaltimetype t = MitZone(p, icalproperty_get_exdate(p));
        if (TIcsZeit::Gueltig(t)) {
            Weg.insert(t.is_date ? TagAus(TIcsZeit::Wand(t)) : TagAus(FZeit.Lokal(t)));
        }
    }
    return Weg;
}

// Makes AEintrag a once-only entry of the occurrences within the calendar range, in order; an
// occurrence that shares a day with an earlier one is left out and counted. False when none is
// within the range.
bool TLeser::AlsEinzelne(std::vector<TVorkommen> AAlle, bool ALoeschenS, TDatenClass& AEintrag) {
    std::erase_if(AAlle, [](const TVorkommen& v) { return !ImBereich(v); });
    if (AAlle.empty()) {
        return false;
    }
    std::sort(AAlle.begin(), AAlle.end());
    // The same start twice (a rule and an RDATE naming it) is one occurrence.
    AAlle.erase(
        std::unique(AAlle.begin(), AAlle.end(),
                    [](const TVorkommen& a, const TVorkommen& b) { return a.Beginn() == b.Beginn(); }),
        AAlle.end());
    TTag BelegtBis = KalenderAnfang - 1;
    for (const TVorkommen& v : AAlle) {
        if (v.Von <= BelegtBis) {
            ++FBericht.Ueberschneidungen;
            continue;
        }
        BelegtBis = v.Bis;
        TDatumClass d;
        d.VonDatum = v.Von;
        d.BisDatum = v.Bis;
        d.AktivTyp = v.AktivS ? avAktiv : avDeaktiv;
        d.GanzerTagS = FStart.is_date != 0;
        d.LoeschenS = ALoeschenS;
        d.VonZeitSetzen(static_cast<TDateTime>(v.Zeit) / SekundenJeTag);
        for (d.Datum = v.Von; d.Datum <= v.Bis; ++d.Datum) {
            AEintrag.Add(d);
        }
    }
    AEintrag.AnzeigenTyp = atEinmalig;
    AEintrag.EndeDatum = BelegtBis;
    return true;
}

std::unique_ptr<TDatenClass> TLeser::Eintrag(icalcomponent* AEreignis, const std::set<TTag>& AErsetzt) {
    const char* Titel = icalcomponent_get_summary(AEreignis);
    icalproperty* Start = icalcomponent_get_first_property(AEreignis, ICAL_DTSTART_PROPERTY);
    FStart = Start != nullptr ? MitZone(Start, icalproperty_get_dtstart(Start)) : icaltime_null_time();
    if (!TIcsZeit::Gueltig(FStart)) {
        Fehler(std::string("Der Termin \"") + (Titel != nullptr ? Titel : "") +
               "\" hat keinen gültigen Beginn (DTSTART).");
    }
    std::vector<icalrecurrencetype> Regeln;
    if (!RegelnLesen(AEreignis, Regeln)) {
        return nullptr;
    }
    DauerLesen(AEreignis);
    auto e = std::make_unique<TDatenClass>();
    Eigenschaften(AEreignis, *e);
    const bool LoeschenS = GleichOhneFall(XText(AEreignis, IcsLoeschfunktion), "JA");
    const std::set<TTag> Weg = Ausnahmen(AEreignis, AErsetzt);
    // Deactivated occurrences of our own entries: excluded for other programs, kept here.
    const std::set<TTag> Deaktiviert = DatumsListe(XText(AEreignis, IcsDeaktiviert));
    const TVorkommen Erstes = Vorkommen(FStart);
    const bool Rdates = icalcomponent_get_first_property(AEreignis, ICAL_RDATE_PROPERTY) != nullptr;

    if (Regeln.size() == 1 && !Rdates && AlsIntervall(Regeln.front(), Erstes, *e)) {
        e->DeleteLaeufe([&](const TDatumClass* ALauf, std::int32_t) {
            return Weg.contains(ALauf->VonDatum) && !Deaktiviert.contains(ALauf->VonDatum);
        });
        for (TDatumClass& d : e->DatumListe) {
            d.AktivTyp = Deaktiviert.contains(d.VonDatum) ? avDeaktiv : avAktiv;
            d.LoeschenS = LoeschenS;
        }
    } else {
        std::vector<TVorkommen> Alle = Erweitert(AEreignis, Regeln);
        std::erase_if(
            Alle, [&](const TVorkommen& v) { return Weg.contains(v.Von) || Deaktiviert.contains(v.Von); });
        for (const TTag d : Deaktiviert) {
            Alle.push_back(TVorkommen{d, d + (Erstes.Bis - Erstes.Von), Erstes.Zeit, false});
        }
        if (!Alle.empty() && !AlsEinzelne(std::move(Alle), LoeschenS, *e)) {
            ++FBericht.Ausserhalb;
            return nullptr;
        }
    }
    const std::string_view Intervall = XText(AEreignis, IcsIntervall);
    for (int i = 0; i < AnzeigenTypAnzahl; ++i) {
        if (GleichOhneFall(Intervall, IntervallKuerzel[i])) {
            e->AnzeigenTyp = static_cast<TAnzeigenTyp>(i);
        }
    }
    if (const TTag Grenze = DatumAusText(XText(AEreignis, IcsGrenze))) {
        e->EndeDatum = Grenze;
    }
    if (e->Count() == 0) {
        return nullptr;
    }
    ++FBericht.Uebernommen;
    return e;
}

// Lines libical could not read at all (no property name, no component) are garbage.
void UnlesbaresPruefen(icalcomponent* AKomponente) {
    for (icalproperty* p = icalcomponent_get_first_property(AKomponente, ICAL_XLICERROR_PROPERTY);
         p != nullptr; p = icalcomponent_get_next_property(AKomponente, ICAL_XLICERROR_PROPERTY)) {
        icalparameter* Art = icalproperty_get_first_parameter(p, ICAL_XLICERRORTYPE_PARAMETER);
        if (Art != nullptr &&
            (icalparameter_get_xlicerrortype(Art) == ICAL_XLICERRORTYPE_COMPONENTPARSEERROR ||
             icalparameter_get_xlicerrortype(Art) == ICAL_XLICERRORTYPE_PROPERTYPARSEERROR)) {
            Fehler("Die iCalendar-Datei enthält unlesbare Zeilen.");
        }
    }
    for (icalcomponent* c = icalcomponent_get_first_component(AKomponente, ICAL_ANY_COMPONENT); c != nullptr;
         c = icalcomponent_get_next_component(AKomponente, ICAL_ANY_COMPONENT)) {
        UnlesbaresPruefen(c);
    }
}

// The calendars of the parsed text: itself, or the calendars under the root libical makes for
// several of them.
std::vector<icalcomponent*> Kalender(icalcomponent* AWurzel) {
    if (icalcomponent_isa(AWurzel) == ICAL_VCALENDAR_COMPONENT) {
        return {AWurzel};
    }
    std::vector<icalcomponent*> Liste;
    for (icalcomponent* c = icalcomponent_get_first_component(AWurzel, ICAL_VCALENDAR_COMPONENT);
         c != nullptr; c = icalcomponent_get_next_component(AWurzel, ICAL_VCALENDAR_COMPONENT)) {
        Liste.push_back(c);
    }
    return Liste;
}

std::vector<icalcomponent*> Komponenten(icalcomponent* AKalender, icalcomponent_kind AArt) {
    std::vector<icalcomponent*> Liste;
    for (icalcomponent* c = icalcomponent_get_first_component(AKalender, AArt); c != nullptr;
         c = icalcomponent_get_next_component(AKalender, AArt)) {
        Liste.push_back(c);
    }
    return Liste;
}

// Reads one calendar's events into AListe. Overrides (RECURRENCE-ID) take their occurrence from
// the event of their UID; the per-occurrence events of one of our own entries join again.
void KalenderLesen(icalcomponent* AKalender, const TZeitzone& AZeitzone, TIcsBericht& ABericht,
                   TListe& AListe) {
    ABericht.Aufgaben += static_cast<int>(Komponenten(AKalender, ICAL_VTODO_COMPONENT).size());
    ABericht.Journaleintraege += static_cast<int>(Komponenten(AKalender, ICAL_VJOURNAL_COMPONENT).size());
    TLeser Leser(AKalender, AZeitzone, ABericht);
    const std::vector<icalcomponent*> Ereignisse = Komponenten(AKalender, ICAL_VEVENT_COMPONENT);
    std::map<std::string, std::set<TTag>> Ersetzt;
    for (icalcomponent* e : Ereignisse) {
        const char* Uid = icalcomponent_get_uid(e);
        if (const TTag Tag = Leser.ErsetzterTag(e); Tag != 0 && Uid != nullptr) {
            Ersetzt[Uid].insert(Tag);
        }
    }
    std::map<std::string, TDatenClass*> Teile;
    for (icalcomponent* e : Ereignisse) {
        const bool Ueberschreibung =
            icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY) != nullptr;
        if (icalcomponent_get_status(e) == ICAL_STATUS_CANCELLED) {
            ++ABericht.Abgesagt;
            continue;
        }
        const char* Uid = icalcomponent_get_uid(e);
        const auto Eigene = Uid != nullptr && !Ueberschreibung ? Ersetzt.find(Uid) : Ersetzt.end();
        std::unique_ptr<TDatenClass> Eintrag =
            Leser.Eintrag(e, Eigene != Ersetzt.end() ? Eigene->second : std::set<TTag>{});
        if (Eintrag == nullptr) {
            continue;
        }
        const char* Teil = XWert(e, IcsTeil);
        if (Teil != nullptr && Teile.contains(Teil)) {
            TDatenClass& Ganzes = *Teile[Teil];
            Ganzes.AddDatumListe(Eintrag->DatumListe);
            Ganzes.Sort();
            Ganzes.EndeDatum = std::max(Ganzes.EndeDatum, Eintrag->EndeDatum);
            --ABericht.Uebernommen;
            continue;
        }
        AListe.push_back(std::move(Eintrag));
        if (Teil != nullptr) {
            Teile[Teil] = AListe.back().get();
        }
    }
}

} // namespace

bool IstIcalendar(std::string_view AAnfang) {
    if (AAnfang.starts_with("\xEF\xBB\xBF")) {
        AAnfang.remove_prefix(3);
    }
    const std::string_view t = OhneRand(AAnfang);
    const std::string_view Wort = "BEGIN:VCALENDAR";
    return t.size() >= Wort.size() && GleichOhneFall(t.substr(0, Wort.size()), Wort) &&
           (t.size() == Wort.size() || Leerzeichen(t[Wort.size()]));
}

TIcsBericht IcsLesen(std::string_view AText, TDaten& ADaten, std::int32_t AIdDatei,
                     const TZeitzone& AZeitzone) {
    if (!IstIcalendar(AText)) {
        Fehler("Die Datei ist keine iCalendar-Datei: sie beginnt nicht mit BEGIN:VCALENDAR.");
    }
    if (AText.find('\0') != std::string_view::npos) {
        Fehler("Die iCalendar-Datei enthält Binärdaten.");
    }
    if (!GleichOhneFall(OhneRand(LetzteZeile(AText)), "END:VCALENDAR")) {
        Fehler("Die iCalendar-Datei ist unvollständig: END:VCALENDAR fehlt am Ende.");
    }
    icalerror_set_errors_are_fatal(0);
    const std::string Text(AText);
    const TIcsKomponente Wurzel(icalparser_parse_string(Text.c_str()));
    icalerror_clear_errno();
    if (Wurzel == nullptr || Kalender(Wurzel.get()).empty()) {
        Fehler("Die iCalendar-Datei ist beschädigt: sie enthält keinen lesbaren Kalender.");
    }
    UnlesbaresPruefen(Wurzel.get());
    TIcsBericht Bericht;
    TListe Liste;
    for (icalcomponent* k : Kalender(Wurzel.get())) {
        KalenderLesen(k, AZeitzone, Bericht, Liste);
    }
    TDaten Gelesen;
    for (std::size_t i = 0; i < Liste.size(); ++i) {
        Liste[i]->Id = static_cast<std::int32_t>(i);
        Liste[i]->IdDatei = AIdDatei;
        Gelesen.Add(std::move(*Liste[i]));
    }
    ADaten.Tauschen(Gelesen);
    return Bericht;
}
