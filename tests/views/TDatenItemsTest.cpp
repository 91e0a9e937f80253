#include <random>
#include <unordered_map>

#include "files/OVDatei.h"
#include "views/TKalenderlisten.h"
#include "views/TZeile.h"
#include "views/ViewsHilfen.h"

namespace {

struct TFilter {
    bool UnbelegtS = true;
    bool BelegtS = true;
    bool FeiertagS = true;
    bool UrlaubS = true;
    bool KwocheS = false;
    bool FreiS = false;
};

std::vector<TZeile> Zeilen(TDaten& ADaten, TTag AVon, TTag ABis, const TFilter& f) {
    const TVonBisClass VonBis{AVon, ABis};
    return ADaten.Items(&VonBis, f.UnbelegtS, f.BelegtS, f.FeiertagS, f.UrlaubS, f.KwocheS, f.FreiS);
}

std::vector<std::string> Texte(const std::vector<TZeile>& AZeilen) {
    std::vector<std::string> t;
    for (const auto& z : AZeilen) {
        t.push_back(z.Text);
    }
    return t;
}

// The lines of a period built the plain way: every record of every visible entry is looked at,
// visible ones are filed by day in a hash map, and the period is emitted day by day.
std::vector<TZeile> Referenz(TDaten& ADaten, TTag Von, TTag Bis, const TFilter& f) {
    std::unordered_map<TTag, std::vector<TTagClass>> Faecher;
    for (const TDatenClass& E : ADaten.Eintraege()) {
        const bool Sichtbar = f.FreiS || (E.TagTyp == ttTermin && f.BelegtS) ||
                              (E.TagTyp == ttUrlaub && f.UrlaubS) || (E.TagTyp == ttFeiertag && f.FeiertagS);
        if (E.Count() == 0 || !Sichtbar) {
            continue;
        }
        std::int32_t i = 0;
        while (i < E.Count()) {
            const TDatumClass& r = E.DatumListe[i];
            if (r.BisDatum < Von || r.VonDatum > Bis || r.VonDatum > E.EndeDatum) {
                i += std::max(1, r.BisDatum - r.Datum + 1);
                continue;
            }
            if (r.Datum >= Von && r.Datum <= Bis && r.Datum <= E.EndeDatum) {
                Faecher[r.Datum].emplace_back(i, &E);
            }
            ++i;
        }
    }
    std::vector<TZeile> Ergebnis;
    const TTag Heute = TUhr::Heute();
    int LetzteWoche = 0;
    const auto Neu = [&](TTag Tag, std::string Text, const TTagClass* t) {
        if (f.KwocheS) {
            const int Woche = Kalenderwoche(Tag);
            std::string Praefix = "W" + std::to_string(Woche);
            Praefix.resize(4, ' ');
            Text = (Woche != LetzteWoche ? Praefix : std::string("    ")) + Text;
            LetzteWoche = Woche;
        }
        Ergebnis.push_back(TZeile{Text, t ? std::make_unique<TTagClass>(*t) : nullptr});
    };
    for (TTag Tag = Von; Tag <= Bis; ++Tag) {
        const std::vector<TTagClass>& L = Faecher[Tag];
        bool Tageszeile;
        if (f.FreiS) {
            Tageszeile = true;
            for (const TTagClass& t : L) {
                if (t.DatenClass->DatumListe[t.DatumNr].AktivTyp == avAktiv) {
                    Tageszeile = false;
                }
            }
        } else {
            Tageszeile = L.empty() && (f.UnbelegtS || Tag == Heute);
        }
        if (Tageszeile) {
            Neu(Tag, ZeilenText(nullptr, Tag) + (Tag == Heute ? ": Heute" : ""), nullptr);
        }
        for (const TTagClass& t : L) {
            if (!f.FreiS || t.DatenClass->TagTyp == ttFeiertag) {
                Neu(Tag, ZeilenText(t.DatenClass, t.DatumNr), &t);
            }
        }
    }
    return Ergebnis;
}

void ErwarteGleich(const std::vector<TZeile>& A, const std::vector<TZeile>& B, const std::string& AWas) {
    ASSERT_EQ(A.size(), B.size()) << AWas;
    for (size_t i = 0; i < A.size(); ++i) {
        ASSERT_EQ(A[i].Text, B[i].Text) << AWas;
        ASSERT_EQ(A[i].TagClass == nullptr, B[i].TagClass == nullptr) << AWas << " " << A[i].Text;
        if (A[i].TagClass) {
            ASSERT_EQ(A[i].TagClass->DatumNr, B[i].TagClass->DatumNr) << AWas << " " << A[i].Text;
            ASSERT_EQ(A[i].TagClass->DatenClass, B[i].TagClass->DatenClass) << AWas << " " << A[i].Text;
        }
    }
}

// Today is Monday 6.1.2025; the week W2/2025 runs from 6.1. to 12.1.
class Items : public MitUhr {
protected:
    TDaten Daten;
    const TTag Mo = D(6, 1, 2025);
    const TTag So = D(12, 1, 2025);
};

} // namespace

TEST_F(Items, WeekWithOneBusyDay) {
    Daten.Add(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
    Daten.Add(Eintrag("Kino", {{D(8, 1, 2025), D(8, 1, 2025)}}));
    EXPECT_EQ(Texte(Zeilen(Daten, Mo, So, TFilter{})),
              (std::vector<std::string>{"Mo 06.01.2025: Heute", "Di 07.01.2025",
                                        "Mi 08.01.2025: Arzt | (T1E+) | Von übermorgen bis übermorgen",
                                        "Mi 08.01.2025: Kino | (T1E+) | Von übermorgen bis übermorgen",
                                        "Do 09.01.2025", "Fr 10.01.2025", "Sa 11.01.2025", "So 12.01.2025"}));
    const auto z = Zeilen(Daten, Mo, So, TFilter{});
    EXPECT_EQ(z[0].TagClass, nullptr);
    ASSERT_NE(z[3].TagClass, nullptr);
    EXPECT_EQ(z[3].TagClass->DatenClass, &Daten[1]);
    EXPECT_EQ(z[3].TagClass->DatumNr, 0);
}

TEST_F(Items, EmptyDaysHidden) {
    TFilter f;
    f.UnbelegtS = false;
    EXPECT_EQ(Texte(Zeilen(Daten, Mo, So, f)), (std::vector<std::string>{"Mo 06.01.2025: Heute"}));
    EXPECT_TRUE(Zeilen(Daten, Mo + 7, So + 7, f).empty());
    Daten.Add(Eintrag("Arzt", {{Mo, Mo}}));
    EXPECT_EQ(Texte(Zeilen(Daten, Mo, So, f)),
              (std::vector<std::string>{"Mo 06.01.2025: Arzt | (T1E+) | Von heute bis heute"}));
}

TEST_F(Items, TypeFiltersAndTheEmptyCalendar) {
    Daten.Add(Eintrag("Arzt", {{D(7, 1, 2025), D(7, 1, 2025)}}));
    Daten.Add(Eintrag("Reise", {{D(8, 1, 2025), D(8, 1, 2025)}}, ttUrlaub));
    Daten.Add(Eintrag("Fest", {{D(9, 1, 2025), D(9, 1, 2025)}}, ttFeiertag));
    // Each entry filter hides its own kind only; the day keeps no line of its own for it.
    const struct {
        bool BelegtS, UrlaubS, FeiertagS;
    } Faelle[] = {{true, true, true},
                  {false, true, true},
                  {true, false, true},
                  {true, true, false},
                  {false, false, false}};
    for (const auto& c : Faelle) {
        TFilter f;
        f.BelegtS = c.BelegtS;
        f.UrlaubS = c.UrlaubS;
        f.FeiertagS = c.FeiertagS;
        const auto z = Zeilen(Daten, Mo, So, f);
        ASSERT_EQ(z.size(), 7u);
        EXPECT_EQ(z[1].TagClass != nullptr, c.BelegtS);
        EXPECT_EQ(z[2].TagClass != nullptr, c.UrlaubS);
        EXPECT_EQ(z[3].TagClass != nullptr, c.FeiertagS);
    }
    // The empty calendar: one day line per day and nothing else.
    const TFilter Leer{true, false, false, false, false, false};
    EXPECT_EQ(Texte(Zeilen(Daten, Mo, So, Leer)),
              (std::vector<std::string>{"Mo 06.01.2025: Heute", "Di 07.01.2025", "Mi 08.01.2025",
                                        "Do 09.01.2025", "Fr 10.01.2025", "Sa 11.01.2025", "So 12.01.2025"}));
}

TEST_F(Items, FreeDaysMode) {
    Daten.Add(Eintrag("Arzt", {{D(7, 1, 2025), D(7, 1, 2025)}}));
    Daten.Add(Eintrag("Abgesagt", {{D(8, 1, 2025), D(8, 1, 2025)}}, ttTermin, avDeaktiv));
    Daten.Add(Eintrag("Fest", {{D(9, 1, 2025), D(9, 1, 2025)}}, ttFeiertag));
    Daten.Add(Eintrag("Alter Feiertag", {{D(10, 1, 2025), D(10, 1, 2025)}}, ttFeiertag, avDeaktiv));
    Daten.Add(Eintrag("Reise", {{D(11, 1, 2025), D(11, 1, 2025)}}, ttUrlaub));
    TFilter f{false, false, false, false, false, true};
    EXPECT_EQ(
        Texte(Zeilen(Daten, Mo, So, f)),
        (std::vector<std::string>{"Mo 06.01.2025: Heute", "Mi 08.01.2025", "Do 09.01.2025: \"Fest\"",
                                  "Fr 10.01.2025", "Fr 10.01.2025: \"Alter Feiertag\"", "So 12.01.2025"}));
}

TEST_F(Items, OccurrenceOverNewYearInBothYears) {
    Daten.Add(Eintrag("Ski", {{D(30, 12, 2024), D(2, 1, 2025)}}, ttUrlaub));
    TFilter f;
    f.UnbelegtS = false;
    const auto Jahr2024 = Texte(Zeilen(Daten, D(1, 1, 2024), D(31, 12, 2024), f));
    const auto Jahr2025 = Texte(Zeilen(Daten, D(1, 1, 2025), D(31, 12, 2025), f));
    EXPECT_EQ(Jahr2024,
              (std::vector<std::string>{"Mo 30.12.2024: Ski | (U1E+) | Von 30.12.2024 bis 02.01.2025",
                                        "Di 31.12.2024: Ski | (U1E+) | Von 30.12.2024 bis 02.01.2025"}));
    EXPECT_EQ(Jahr2025,
              (std::vector<std::string>{"Mi 01.01.2025: Ski | (U1E+) | Von 30.12.2024 bis 02.01.2025",
                                        "Do 02.01.2025: Ski | (U1E+) | Von 30.12.2024 bis 02.01.2025",
                                        "Mo 06.01.2025: Heute"}));
    const auto z = Zeilen(Daten, D(1, 1, 2025), D(31, 12, 2025), f);
    EXPECT_EQ(z[0].TagClass->DatumNr, 2);
    EXPECT_EQ(z[1].TagClass->DatumNr, 3);
}

TEST_F(Items, NothingAfterTheLimit) {
    Erzeuge(Daten, "Kurs", at1Woche, D(13, 1, 2025), D(15, 1, 2025));
    Erzeuge(Daten, "Turnen", at1Woche, D(16, 1, 2025), D(16, 1, 2025));
    for (std::int32_t i = 0; i < Daten.Count(); ++i) {
        Daten.Aendern(Daten[i], [](TDatenClass& e) { e.EndeDatum = D(15, 1, 2025); });
    }
    TFilter f;
    f.UnbelegtS = false;
    const auto z = Texte(Zeilen(Daten, D(1, 1, 2025), D(31, 1, 2025), f));
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[3], "Mi 15.01.2025: Kurs | (T1W+) | Von 13.01.2025 bis 15.01.2025");
}

TEST_F(Items, CalendarWeekPrefix) {
    Daten.Add(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
    TFilter f;
    f.KwocheS = true;
    // The period starts on a Thursday: its first line still carries the week code.
    EXPECT_EQ(Texte(Zeilen(Daten, D(2, 1, 2025), D(8, 1, 2025), f)),
              (std::vector<std::string>{"W1  Do 02.01.2025", "    Fr 03.01.2025", "    Sa 04.01.2025",
                                        "    So 05.01.2025", "W2  Mo 06.01.2025: Heute", "    Di 07.01.2025",
                                        "    Mi 08.01.2025: Arzt | (T1E+) | Von übermorgen bis übermorgen"}));
    EXPECT_EQ(Texte(Zeilen(Daten, D(17, 3, 2025), D(17, 3, 2025), f)),
              (std::vector<std::string>{"W12 Mo 17.03.2025"}));
}

TEST_F(Items, NoRangeNoLines) {
    Daten.Add(Eintrag("Arzt", {{Mo, Mo}}));
    EXPECT_TRUE(Daten.Items(nullptr, true, true, true, true, true, false).empty());
    EXPECT_TRUE(Zeilen(Daten, So, Mo, TFilter{}).empty());
}

// However long an occurrence is, every period it touches lists it: a once-only entry of half a
// year, one that starts a month earlier, a holiday file's long entry and an entry whose long run
// is followed by short ones, compared with the plain build in every week of 2025.
TEST_F(Items, LongOccurrencesInEveryPeriodTheyTouch) {
    Daten.Add(Eintrag("Halbjahr", {{D(1, 1, 2025), D(30, 6, 2025)}}));
    Daten.Add(Eintrag("Mai und Juni", {{D(1, 5, 2025), D(30, 6, 2025)}}));
    TDatenClass Ferien = Eintrag("Ferien", {{D(1, 7, 2024), D(15, 9, 2025)}}, ttFeiertag);
    Ferien.IdDatei = 1;
    Daten.Add(Ferien);
    Daten.Add(Eintrag("Kur", {{D(1, 2, 2025), D(31, 7, 2025)}, {D(5, 2, 2025), D(5, 2, 2025)}}, ttUrlaub));
    TFilter f;
    f.UnbelegtS = false;
    const auto Woche = Texte(Zeilen(Daten, D(2, 6, 2025), D(8, 6, 2025), f));
    ASSERT_EQ(Woche.size(), 28u);
    EXPECT_EQ(Woche[0], "Mo 02.06.2025: Halbjahr | (T1E+) | Von 01.01.2025 bis 30.06.2025");
    EXPECT_EQ(Woche[1], "Mo 02.06.2025: Mai und Juni | (T1E+) | Von 01.05.2025 bis 30.06.2025");
    const TKalenderlisten Listen;
    const TPeriodenliste& p = Listen.Liste(taWoche);
    for (TTag Tag = D(1, 1, 2025); Tag <= D(31, 12, 2025); Tag += 7) {
        const TVonBisClass VonBis = p[p.IndexOf(DatumInTagesansicht(taWoche, Tag))].VonBis;
        ErwarteGleich(Zeilen(Daten, VonBis.Von, VonBis.Bis, f), Referenz(Daten, VonBis.Von, VonBis.Bis, f),
                      DatumText(VonBis.Von));
    }
}

// A long occurrence that reaches an entry after its lines were built, by import into it or by
// loading it from a file, shows as well.
TEST_F(Items, LongOccurrencesFromImportAndFiles) {
    TFilter f;
    f.UnbelegtS = false;
    const auto Juni = [&] { return Texte(Zeilen(Daten, D(2, 6, 2025), D(8, 6, 2025), f)); };
    Daten.Add(Eintrag("Reha", {{D(1, 12, 2024), D(1, 12, 2024)}}));
    EXPECT_TRUE(Juni().empty());
    Daten.Import(Eintrag("Reha", {{D(1, 1, 2025), D(30, 6, 2025)}}));
    ASSERT_EQ(Daten.Count(), 1);
    ASSERT_EQ(Juni().size(), 7u);
    EXPECT_EQ(Juni()[0], "Mo 02.06.2025: Reha | (T1E+) | Von 01.01.2025 bis 30.06.2025");

    TDaten Datei;
    Datei.Add(Eintrag("Semester", {{D(1, 3, 2025), D(30, 6, 2025)}}));
    KalenderdateiDekodieren(KalenderdateiKodieren(Datei), Daten, 1);
    ASSERT_EQ(Juni().size(), 7u);
    EXPECT_EQ(Juni()[6], "So 08.06.2025: Semester | (1*T1E+) | Von 01.03.2025 bis 30.06.2025");
}

// The fast build gives exactly the lines and handles of the plain one, on calendars made by the
// generator, with edited occurrences that reach into the next ones, deactivated runs, limits,
// loaded files, and every filter combination.
TEST_F(Items, SameAsThePlainBuildOnRandomCalendars) {
    std::mt19937 Zufall(20250106);
    const auto Zahl = [&](int AVon, int ABis) {
        return std::uniform_int_distribution<int>(AVon, ABis)(Zufall);
    };
    const TKalenderlisten Listen;
    const int MaxDauer[AnzeigenTypAnzahl] = {99, 1, 7, 14, 21, 28, 28, 58, 88, 99, 99, 99};
    for (int Runde = 0; Runde < 12; ++Runde) {
        TDaten Daten;
        for (int n = Zahl(1, 25); n > 0; --n) {
            const auto Typ = static_cast<TAnzeigenTyp>(Zahl(0, AnzeigenTypAnzahl - 1));
            const TTag Von = D(1, 1, 2020) + Zahl(0, 3000);
            Erzeuge(Daten, "E" + std::to_string(n), Typ, Von, Von + Zahl(0, MaxDauer[Typ] - 1),
                    static_cast<TTagTyp>(Zahl(0, 2)));
            Daten.Aendern(Daten[Daten.Count() - 1], [&](TDatenClass& E) {
                E.IdDatei = Zahl(0, 2);
                E.CounterS = Zahl(0, 1) == 1;
                E.EndeDatum = Zahl(0, 2) == 0 ? D(1, 1, 2020) + Zahl(0, 4000) : KalenderEnde;
                // Deactivate some runs; move the start of some runs up to the day before the next
                // run while keeping their length, as an edit of one occurrence may.
                std::vector<std::int32_t> Anfaenge;
                E.FuerJedenLauf([&](std::int32_t AStart, std::int32_t) { Anfaenge.push_back(AStart); });
                for (size_t k = 0; k + 1 < Anfaenge.size() && k < 400; ++k) {
                    const std::int32_t a = Anfaenge[k];
                    const std::int32_t Laenge = E.DatumListe[a].Laenge();
                    if (Zahl(0, 9) == 0) {
                        for (std::int32_t i = a; i < a + Laenge; ++i) {
                            E.DatumListe[i].AktivTyp = avDeaktiv;
                        }
                    }
                    const TTag Naechster = E.DatumListe[Anfaenge[k + 1]].VonDatum;
                    const TTag Spielraum = Naechster - 1 - E.DatumListe[a].VonDatum;
                    if (Zahl(0, 9) == 0 && Spielraum > 0) {
                        const TTag Neu = E.DatumListe[a].VonDatum + Zahl(0, Spielraum);
                        const TDatumListe Ersatz = Vorkommen(Neu, Neu + Laenge - 1, E.DatumListe[a].AktivTyp);
                        std::copy(Ersatz.begin(), Ersatz.end(), E.DatumListe.begin() + a);
                    }
                }
            });
        }
        TUhr::Festhalten(D(1, 1, 2020) + Zahl(0, 4000));
        for (int Probe = 0; Probe < 20; ++Probe) {
            const auto Ansicht = static_cast<TTagesansicht>(Zahl(0, 2));
            const TPeriodenliste& p = Listen.Liste(Ansicht);
            const TVonBisClass VonBis =
                p[p.IndexOf(DatumInTagesansicht(Ansicht, D(1, 1, 2020) + Zahl(0, 3500)))].VonBis;
            const int Bits = Zahl(0, 63);
            TFilter f{(Bits & 1) != 0, (Bits & 2) != 0,  (Bits & 4) != 0,
                      (Bits & 8) != 0, (Bits & 16) != 0, (Bits & 32) != 0};
            ErwarteGleich(Zeilen(Daten, VonBis.Von, VonBis.Bis, f),
                          Referenz(Daten, VonBis.Von, VonBis.Bis, f),
                          "Runde " + std::to_string(Runde) + " " + DatumText(VonBis.Von));
        }
    }
}
