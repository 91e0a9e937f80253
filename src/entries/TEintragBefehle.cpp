#include "entries/TEintragBefehle.h"

#include <algorithm>

#include "info/RemoveAmpersands.h"
#include "model/Uhr.h"
#include "platform/TMeldungsPort.h"
#include "views/OVAnzeige.h"
#include "views/TTagesliste.h"

namespace {

bool Bestaetigt(const std::string& AText) {
    return Frage(maBestaetigung, AText, mkJaNein) == maJa;
}

// The occurrence of record ATagClass.DatumNr.
TDatumVonBisNr Lauf(const TTagClass& ATagClass) {
    return ATagClass.DatenClass->FindeDatumVonBisNr(ATagClass);
}

std::string Zeile(const TTagClass& ATagClass) {
    return ZeilenText(ATagClass.DatenClass, ATagClass.DatumNr);
}

// The main-file record that importing ATag of an entry like AQuelle left in ADaten: the import
// merges into an entry of the same kind, or finds the record held there already. Its line shows
// the counter of the record's place in that entry, which a line text built from AQuelle need not.
TTagClass Importiert(const TDaten& ADaten, const TDatenClass& AQuelle, const TDatumClass& ATag) {
    for (const TDatenClass& e : ADaten.Eintraege()) {
        if (e.IdentInfos(&AQuelle, true)) {
            if (const std::int32_t Nr = e.FindeIdentDatumClassNr(ATag); Nr >= 0) {
                return {Nr, &e};
            }
        }
    }
    return {};
}

// The records the generator makes from AVorlage's first record at AVorlage's interval.
TDatumListe Erzeugt(const TDatenClass& AVorlage) {
    TDatenClass Vorlage;
    Vorlage.AssignInfos(AVorlage);
    Vorlage.Add(AVorlage.DatumListe.front());
    TDaten Neu;
    Neu.Add(TTagClass(0, &Vorlage));
    return std::move(Neu[0].DatumListe);
}

// The n-th new occurrence takes the activation state of the n-th old one from AAb on, as far as
// both lists reach; later new occurrences keep the state they were made with.
void AktivUebernehmen(const TDatumListe& AAlt, std::size_t AAb, TDatumListe& ANeu) {
    std::size_t a = AAb;
    std::size_t n = 0;
    while (a < AAlt.size() && n < ANeu.size()) {
        const std::size_t NeuLaenge = static_cast<std::size_t>(std::max(ANeu[n].Laenge(), 1));
        const std::size_t Ende = std::min(n + NeuLaenge, ANeu.size());
        for (std::size_t k = n; k < Ende; ++k) {
            ANeu[k].AktivTyp = AAlt[a].AktivTyp;
        }
        a += static_cast<std::size_t>(std::max(AAlt[a].Laenge(), 1));
        n = Ende;
    }
}

} // namespace

TEintragBefehle::TEintragBefehle(TDaten& ADaten, TTagesliste& ATagesliste, TTageslisteSteuerung& ASteuerung,
                                 TEintragEditor& AEditor)
    : FDaten(ADaten), FTagesliste(ATagesliste), FSteuerung(ASteuerung), FEditor(AEditor) {}

const TTagClass* TEintragBefehle::Aktuell() const {
    return FSteuerung.ZeilenHatFokus() ? FTagesliste.AktTagClass() : nullptr;
}

const TTagClass* TEintragBefehle::AktuellHauptdatei() const {
    const TTagClass* T = Aktuell();
    return T != nullptr && T->DatenClass->IdDatei == 0 ? T : nullptr;
}

std::span<const TBefehl<TEintragBefehle, bool>> TEintragBefehle::Befehle() {
    using B = TBefehl<TEintragBefehle, bool>;
    // Most commands change an entry of the main file on the focused day list's line.
    static constexpr auto Hauptdatei = [](const TEintragBefehle& e) {
        return TMenueZustand{e.AktuellHauptdatei() != nullptr};
    };
    static constexpr auto Aktivierung = [](const TEintragBefehle& e, TAktivTyp ATyp) {
        const TTagClass* T = e.AktuellHauptdatei();
        return T != nullptr ? TMenueZustand{true, T->DatenClass->DatumListe[T->DatumNr].AktivTyp == ATyp}
                            : TMenueZustand{false, false};
    };
    static const B Tabelle[] = {
        {{.Id = mbKopieren,
          .Caption = "&Kopieren",
          .Kurztaste = "Ctrl+C",
          .Menue = mnBearbeiten,
          .PopupCaption = "Kopieren",
          .MenueFolgt = true},
         Hauptdatei,
         [](TEintragBefehle& e) {
             e.MenuBearbKopierenClick();
             return false;
         }},
        {{.Id = mbAusschneiden,
          .Caption = "&Ausschneiden",
          .Kurztaste = "Ctrl+X",
          .Menue = mnBearbeiten,
          .PopupCaption = "Ausschneiden",
          .MenueFolgt = true},
         Hauptdatei,
         [](TEintragBefehle& e) { return e.MenuBearbAusschneidenClick(); }},
        {{.Id = mbEinfuegen,
          .Caption = "&Einfügen",
          .Kurztaste = "Ctrl+V",
          .Menue = mnBearbeiten,
          .PopupCaption = "Einfügen",
          .MenueFolgt = true},
         [](const TEintragBefehle& e) {
             return TMenueZustand{e.FSteuerung.ZeilenHatFokus() && e.EinfuegenOk()};
         },
         [](TEintragBefehle& e) { return e.MenuBearbEinfuegenClick(); }},
        {{.Id = mbNeu,
          .Caption = "&Neuer Eintrag...",
          .Kurztaste = "Ctrl+N",
          .Menue = mnAktionen,
          .MenueFolgt = true},
         nullptr,
         [](TEintragBefehle& e) { return e.MenuAktNeuClick(); }},
        {{.Id = mbBearbeiten,
          .Caption = "Eintrag &bearbeiten...",
          .Kurztaste = "Ctrl+B",
          .Menue = mnAktionen,
          .MenueFolgt = true},
         Hauptdatei,
         [](TEintragBefehle& e) { return e.MenuAktBearbeitenClick(); }},
        {{.Id = mbAktivieren,
          .Caption = "Eintrag &aktivieren",
          .Art = meOption,
          .Menue = mnAktionen,
          .TrennerDavor = true,
          .MenueFolgt = true},
         [](const TEintragBefehle& e) { return Aktivierung(e, avAktiv); },
         [](TEintragBefehle& e) { return e.MenuAktAktDeaktClick(avAktiv); }},
        {{.Id = mbDeaktivieren,
          .Caption = "Eintrag &deaktivieren",
          .Art = meOption,
          .Menue = mnAktionen,
          .MenueFolgt = true},
         [](const TEintragBefehle& e) { return Aktivierung(e, avDeaktiv); },
         [](TEintragBefehle& e) { return e.MenuAktAktDeaktClick(avDeaktiv); }},
        {{.Id = mbAusblenden,
          .Caption = "Eintrag und alle nachfolgenden Einträge ausblenden",
          .Menue = mnAktionen,
          .MenueFolgt = true},
         [](const TEintragBefehle& e) {
             const TTagClass* T = e.AktuellHauptdatei();
             return TMenueZustand{T != nullptr && Lauf(*T).VonNr > 0};
         },
         [](TEintragBefehle& e) { return e.MenuAktAusblendenClick(); }},
        {{.Id = mbEintragImportieren,
          .Caption = "Eintrag importieren",
          .Menue = mnAktionen,
          .MenueFolgt = true},
         [](const TEintragBefehle& e) {
             const TTagClass* T = e.Aktuell();
             return TMenueZustand{T != nullptr && T->DatenClass->IdDatei != 0};
         },
         [](TEintragBefehle& e) { return e.MenuAktImportClick(); }},
        {{.Id = mbLoeschen,
          .Caption = "Eintrag &löschen",
          .Kurztaste = "Del",
          .Menue = mnAktionen,
          .MenueFolgt = true},
         Hauptdatei,
         [](TEintragBefehle& e) { return e.MenuAktLoeschenClick(false); }},
        {{.Id = mbAlleLoeschen,
          .Caption = "Eintrag &und alle dazugehörigen Einträge löschen",
          .Kurztaste = "Shift+Del",
          .Menue = mnAktionen,
          .MenueFolgt = true},
         Hauptdatei,
         [](TEintragBefehle& e) { return e.MenuAktLoeschenClick(true); }},
        {{.Id = mbAbgelaufeneLoeschen,
          .Caption = "Alle mit \"Lö&schfunktion\" gekennzeichneten abgelaufenen Einträge löschen",
          .Kurztaste = "Ctrl+A",
          .Menue = mnAktionen,
          .MenueFolgt = true},
         [](const TEintragBefehle& e) { return TMenueZustand{e.FDaten.CountLoeschfunktion() > 0}; },
         [](TEintragBefehle& e) {
             const bool Geaendert = e.MenuAktLoeschfunktionClick();
             if (Geaendert && e.HeuteZeigen) {
                 e.HeuteZeigen();
             }
             return Geaendert;
         }},
    };
    return Tabelle;
}

TMenueZustand TEintragBefehle::MenueZustand(TMenueBefehl ABefehl) const {
    return BefehlIn(Befehle(), ABefehl).ZustandIn(*this);
}

bool TEintragBefehle::MenueBefehl(TMenueBefehl ABefehl) {
    return BefehlIn(Befehle(), ABefehl).Ausfuehren(*this);
}

bool TEintragBefehle::MenuAktNeuClick() {
    const std::string Zeile = FTagesliste.AktZeile();
    const TTag Von = Zeile.empty() ? TUhr::Heute() : DatumAusZeile(Zeile);
    if (!FEditor.Neu(FDaten, Von)) {
        return false;
    }
    TDatenClass Neu(*FEditor.Datensatz().DatenClass);
    Neu.Id = FDaten.NewId();
    Neu.IdDatei = 0;
    Neu.DatumListe.front().AktivTyp = avAktiv;
    FDaten.Add(TTagClass(0, &Neu));
    Springe(FDaten[FDaten.Count() - 1], 0);
    return true;
}

bool TEintragBefehle::MenuAktBearbeitenClick() {
    const TTagClass* Zeiger = AktuellHauptdatei();
    if (Zeiger == nullptr) {
        return false;
    }
    const TTagClass T = *Zeiger;
    const TDatenClass& E = *T.DatenClass;
    const TDatumVonBisNr L = Lauf(T);
    const TTag VonMin = L.VonNr > 0 ? E.DatumListe[L.VonNr - 1].BisDatum + 1 : KalenderAnfang;
    const TTag VonMax = L.BisNr + 1 < E.Count() ? E.DatumListe[L.BisNr + 1].VonDatum - 1 : KalenderEnde;
    const bool EinzigerLaufS = L.VonNr == 0 && L.BisNr == E.Count() - 1;
    if (!FEditor.Bearbeiten(FDaten, T, VonMin, VonMax, EinzigerLaufS)) {
        return false;
    }
    const int ModifyNr = FEditor.ModifyNr();
    const TDatenClass R(*FEditor.Datensatz().DatenClass);
    std::int32_t Nr = 0;
    FDaten.Aendern(E, [&](TDatenClass& AEintrag) {
        Nr = TerminBearbeiten(AEintrag, L, R, ModifyNr, FEditor.AktuellerS(), FEditor.AlleS(), EinzigerLaufS);
    });
    Springe(E, Nr);
    return true;
}

std::int32_t TEintragBefehle::TerminBearbeiten(TDatenClass& AEintrag, TDatumVonBisNr AVonBis,
                                               const TDatenClass& R, int AModifyNr, bool AAktuellerS,
                                               bool AAlleS, bool AEinzigerLaufS) {
    if (AEinzigerLaufS) {
        TDatenClass Neu;
        Neu.AssignInfos(R);
        Neu.DatumListe = Erzeugt(R);
        AEintrag.Assign(Neu);
        return 0;
    }
    AEintrag.AssignInfos(R);
    const TDatumClass& Erster = R.DatumListe.front();
    if (AModifyNr == 2) {
        const std::int32_t Von = AAlleS ? 0 : AVonBis.VonNr;
        const std::int32_t Bis = AAktuellerS ? AVonBis.BisNr : AEintrag.Count() - 1;
        for (std::int32_t i = Von; i <= Bis; ++i) {
            TDatumClass& d = AEintrag.DatumListe[i];
            d.VonZeitSetzen(Erster.VonZeit());
            d.GanzerTagS = Erster.GanzerTagS;
            d.LoeschenS = Erster.LoeschenS;
        }
    } else if (AModifyNr == 3) {
        TDatenClass Vorlage;
        Vorlage.AssignInfos(R);
        Vorlage.Add(Erster);
        if (AAktuellerS) {
            Vorlage.AnzeigenTyp = atEinmalig;
            AEintrag.Delete(AVonBis.VonNr, AVonBis.BisNr);
            AEintrag.InsertDatumListe(Erzeugt(Vorlage), AVonBis.VonNr);
        } else {
            TDatumListe Neu = Erzeugt(Vorlage);
            AktivUebernehmen(AEintrag.DatumListe, static_cast<std::size_t>(AVonBis.VonNr), Neu);
            AEintrag.Delete(AVonBis.VonNr, AEintrag.Count() - 1);
            AEintrag.AddDatumListe(Neu);
        }
    }
    return AVonBis.VonNr;
}

bool TEintragBefehle::MenuAktAktDeaktClick(TAktivTyp AAktivTyp) {
    const TTagClass* Zeiger = AktuellHauptdatei();
    if (Zeiger == nullptr) {
        return false;
    }
    const TTagClass T = *Zeiger;
    const TDatenClass& E = *T.DatenClass;
    const TDatumVonBisNr L = Lauf(T);
    const auto Von = E.DatumListe.begin() + L.VonNr;
    const auto Bis = E.DatumListe.begin() + L.BisNr + 1;
    if (std::all_of(Von, Bis, [&](const TDatumClass& d) { return d.AktivTyp == AAktivTyp; })) {
        return false;
    }
    const std::string Wort = AAktivTyp == avAktiv ? "aktiviert" : "deaktiviert";
    if (!Bestaetigt("Soll der folgende Eintrag " + Wort + " werden?\r\n" + Zeile(T))) {
        return false;
    }
    FDaten.Aendern(E, [&](TDatenClass& AEintrag) {
        for (std::int32_t i = L.VonNr; i <= L.BisNr; ++i) {
            AEintrag.DatumListe[i].AktivTyp = AAktivTyp;
        }
    });
    FTagesliste.MerkePos();
    FTagesliste.SpringeZuDatum(FTagesliste.PosDatum, Zeile(T));
    return true;
}

bool TEintragBefehle::MenuAktAusblendenClick() {
    const TTagClass* Zeiger = AktuellHauptdatei();
    if (Zeiger == nullptr) {
        return false;
    }
    const TTagClass T = *Zeiger;
    const TDatenClass& E = *T.DatenClass;
    const std::string Bearbeiten = RemoveAmpersands(MenueEintrag(mbBearbeiten).Caption);
    if (!Bestaetigt("Soll der folgende und alle folgenden Einträge ausgeblendet werden?\r\nMit \"" +
                    Bearbeiten + "\" kann die Kalendergrenze wieder geändert werden.\r\n" + Zeile(T))) {
        return false;
    }
    const TTag Ende = E.DatumListe[Lauf(T).VonNr].VonDatum - 1;
    FDaten.Aendern(E, [&](TDatenClass& AEintrag) { AEintrag.EndeDatum = Ende; });
    FTagesliste.SpringeZuDatum(E.DatumListe[T.DatumNr].Datum, "");
    return true;
}

bool TEintragBefehle::MenuAktImportClick() {
    const TTagClass* Zeiger = Aktuell();
    if (Zeiger == nullptr || Zeiger->DatenClass->IdDatei == 0) {
        return false;
    }
    const TTagClass T = *Zeiger;
    TDatenClass Anzeige;
    Anzeige.AssignInfos(*T.DatenClass);
    Anzeige.IdDatei = 0;
    Anzeige.Add(T.DatenClass->DatumListe[T.DatumNr]);
    const std::string Text = ZeilenText(&Anzeige, 0);
    switch (Frage(maBestaetigung,
                  "Soll der folgende Eintrag importiert werden?\r\n" + Text +
                      "\r\nJa=Nur aktueller; Alle=Aktueller und alle dazugehörigen",
                  mkJaNeinAlle)) {
    case maJa:
        FDaten.Import(T);
        Frage(maInformation, "Der Eintrag wurde erfolgreich importiert!", mkOK);
        break;
    case maAlle: {
        const TDatenClass Quelle(*T.DatenClass);
        FDaten.Import(Quelle);
        Frage(maInformation, "Die Einträge wurden erfolgreich importiert!", mkOK);
        break;
    }
    default:
        return false;
    }
    const TDatumClass& Tag = Anzeige.DatumListe.front();
    FTagesliste.SpringeZuEintrag(Tag.Datum, Importiert(FDaten, Anzeige, Tag));
    return true;
}

bool TEintragBefehle::MenuAktLoeschenClick(bool AAllesS) {
    const TTagClass* Zeiger = AktuellHauptdatei();
    if (Zeiger == nullptr) {
        return false;
    }
    const TTagClass T = *Zeiger;
    const TDatenClass& E = *T.DatenClass;
    const TTag Tag = E.DatumListe[T.DatumNr].Datum;
    if (AAllesS) {
        if (!Bestaetigt("Soll der folgende und alle dazugehörigen Einträge gelöscht werden?\r\n" +
                        Zeile(T))) {
            return false;
        }
        EintragEntfernen(E);
    } else {
        if (!Bestaetigt("Soll der folgende Eintrag gelöscht werden?\r\n" + Zeile(T))) {
            return false;
        }
        const TDatumVonBisNr L = Lauf(T);
        FDaten.Aendern(E, [&](TDatenClass& AEintrag) { AEintrag.Delete(L.VonNr, L.BisNr); });
        if (E.Count() > 0 && !E.EndeDatumValid()) {
            EintragEntfernen(E);
        }
    }
    LeereEintraegeEntfernen();
    FTagesliste.SpringeZuDatum(Tag, "");
    return true;
}

bool TEintragBefehle::MenuAktLoeschfunktionClick() {
    if (!Bestaetigt("Alle mit \"Löschfunktion\" gekennzeichneten abgelaufenen Einträge löschen?")) {
        return false;
    }
    FDaten.DeleteLoeschfunktion();
    LeereEintraegeEntfernen();
    return true;
}

void TEintragBefehle::Kopieren(const TTagClass& ATagClass, bool AKopierenS) {
    const TDatenClass& E = *ATagClass.DatenClass;
    const TDatumVonBisNr L = Lauf(ATagClass);
    auto Neu = std::make_unique<TGemerktClass>();
    Neu->Datums->AssignInfos(E);
    Neu->Datums->DatumListe.assign(E.DatumListe.begin() + L.VonNr, E.DatumListe.begin() + L.BisNr + 1);
    Neu->DatumNr = ATagClass.DatumNr - L.VonNr;
    Neu->DatenClass = E.IdDatei == 0 ? ATagClass.DatenClass : nullptr;
    Neu->KopierenS = AKopierenS;
    FGemerkt = std::move(Neu);
}

void TEintragBefehle::MenuBearbKopierenClick() {
    if (const TTagClass* T = AktuellHauptdatei()) {
        Kopieren(*T, true);
    }
}

bool TEintragBefehle::MenuBearbAusschneidenClick() {
    const TTagClass* Zeiger = AktuellHauptdatei();
    if (Zeiger == nullptr) {
        return false;
    }
    const TTagClass T = *Zeiger;
    const TDatenClass& E = *T.DatenClass;
    const TTag Tag = E.DatumListe[T.DatumNr].Datum;
    Kopieren(T, false);
    const TDatumVonBisNr L = Lauf(T);
    FDaten.Aendern(E, [&](TDatenClass& AEintrag) { AEintrag.Delete(L.VonNr, L.BisNr); });
    LeereEintraegeEntfernen();
    FTagesliste.SpringeZuDatum(Tag, "");
    return true;
}

std::optional<std::pair<TTag, TTag>> TEintragBefehle::EinfuegenZiel() const {
    if (FGemerkt == nullptr || FGemerkt->Datums->Count() == 0) {
        return std::nullopt;
    }
    const std::string Zeile = FTagesliste.AktZeile();
    if (Zeile.empty()) {
        return std::nullopt;
    }
    const TTag Von = DatumAusZeile(Zeile) - FGemerkt->DatumNr;
    const TTag Bis = Von + FGemerkt->Datums->Count() - 1;
    if (Von < KalenderAnfang || Bis > KalenderEnde) {
        return std::nullopt;
    }
    if (const TDatenClass* Q = Quelle()) {
        const bool Ueberschneidung =
            std::any_of(Q->DatumListe.begin(), Q->DatumListe.end(),
                        [&](const TDatumClass& d) { return d.VonDatum <= Bis && d.BisDatum >= Von; });
        if (Ueberschneidung) {
            return std::nullopt;
        }
    }
    return std::make_pair(Von, Bis);
}

bool TEintragBefehle::MenuBearbEinfuegenClick() {
    const std::optional<std::pair<TTag, TTag>> Ziel = EinfuegenZiel();
    if (!Ziel) {
        return false;
    }
    const auto [Von, Bis] = *Ziel;
    TDatenClass& Datums = *FGemerkt->Datums;
    for (std::int32_t i = 0; i < Datums.Count(); ++i) {
        TDatumClass& d = Datums.DatumListe[i];
        d.Datum = Von + i;
        d.VonDatum = Von;
        d.BisDatum = Bis;
    }
    const TDatenClass* Eintrag = Quelle();
    if (Eintrag != nullptr && Datums.AnzeigenTyp != atEinmalig) {
        FDaten.Aendern(*Eintrag,
                       [&](TDatenClass& AEintrag) { AEintrag.InsertDatumListe(Datums.DatumListe); });
    } else {
        Datums.Id = FDaten.NewId();
        Datums.IdDatei = 0;
        FDaten.Add(Datums);
        Eintrag = &FDaten[FDaten.Count() - 1];
        FGemerkt->DatenClass = Eintrag;
    }
    FDaten.Aendern(*Eintrag, [Ende = Bis](TDatenClass& AEintrag) {
        AEintrag.EndeDatum = std::max(AEintrag.EndeDatum, Ende);
    });
    Springe(*Eintrag, Eintrag->FindeIdentDatumClassNr(Datums.DatumListe.front()));
    if (!FGemerkt->KopierenS) {
        FGemerkt.reset();
    }
    return true;
}

void TEintragBefehle::GemerktLoesen() {
    if (FGemerkt != nullptr) {
        FGemerkt->DatenClass = nullptr;
    }
}

const TDatenClass* TEintragBefehle::Quelle() const {
    if (FGemerkt == nullptr || FGemerkt->DatenClass == nullptr) {
        return nullptr;
    }
    const TDatenClass* Q = FGemerkt->DatenClass;
    return FDaten.Enthaelt(Q) && Q->IdDatei == 0 ? Q : nullptr;
}

void TEintragBefehle::EintragEntfernen(const TDatenClass& AEintrag) {
    FDaten.Delete(AEintrag);
}

void TEintragBefehle::LeereEintraegeEntfernen() {
    if (FGemerkt != nullptr) {
        const TDatenClass* Q = Quelle();
        if (Q == nullptr || Q->Count() == 0) {
            FGemerkt->DatenClass = nullptr;
        }
    }
    FDaten.DeleteLeere();
}

void TEintragBefehle::Springe(const TDatenClass& AEintrag, std::int32_t ADatumNr) {
    FTagesliste.SpringeZuDatum(AEintrag.DatumListe[ADatumNr].Datum, ZeilenText(&AEintrag, ADatumNr));
}
