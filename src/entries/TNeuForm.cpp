#include "entries/TNeuForm.h"

#include <algorithm>

#include "controls/TDateiDialog.h"
#include "controls/TFensterMasse.h"
#include "info/RemoveAmpersands.h"
#include "model/Fehler.h"
#include "model/Fuellen.h"
#include "model/TDaten.h"
#include "model/Trim.h"
#include "model/Uhr.h"
#include "platform/MediaPlayer.h"
#include "platform/TDateisystem.h"
#include "platform/TMeldungsPort.h"
#include "views/OVAnzeige.h"

namespace {

// The longest run each interval allows, in days, so that a run ends before the next one starts
// even in the shortest month or quarter.
constexpr int DauerMaximum[AnzeigenTypAnzahl] = {99, 1, 7, 14, 21, 28, 28, 58, 88, 99, 99, 99};

std::string Getrimmt(const std::string& AText) {
    return std::string(Trim(AText));
}

// Lays the editor out from top to bottom: each step places its rows from Y down and leaves Y
// below them.
class TEditorLayout {
public:
    using N = TNeuForm;

    explicit TEditorLayout(const N::TMasse& AMasse)
        : A(AMasse), B(AMasse.Bedarf), m(std::max(AMasse.M, TFensterMasse::Rand)), g(m / 2),
          // The pickers' up-down controls are drawn no lower than a number field's arrows.
          FeldHoehe(std::max(B[N::tDatePicker1].Height, B[N::tSpinEdit1].Height)),
          DatumBreite(AMasse.DatumText + 3 * m + AMasse.UpDown),
          ZeitBreite(AMasse.ZeitText + 3 * m + AMasse.UpDown),
          // The number fields carry arrows as wide as the pickers' up-down controls, and are never
          // narrower than the toolkit draws them.
          ZahlBreite(std::max(
              {AMasse.ZahlText + 2 * m + AMasse.UpDown, B[N::tSpinEdit1].Width, B[N::tSpinEdit2].Width})) {}

    N::TLage Lage() {
        Datumszeilen();
        Spalten();
        Texte();
        TypUndZaehler();
        Sounddatei();
        Schalter();
        L.Client = {std::max(200, std::min(L.Inhalt.Width, A.Arbeitsbereich.Width - 2 * m)),
                    std::max(150, std::min(L.Inhalt.Height, A.Arbeitsbereich.Height - 2 * m))};
        return L;
    }

private:
    // A label vertically centred on its field's row.
    void Label(N::TTeil ALabel, int ALeft, int ATop, int AZeile) {
        T[ALabel] = {ALeft, ATop + (AZeile - B[ALabel].Height) / 2, B[ALabel].Width, B[ALabel].Height};
    }

    // Rows 1 to 3: the start date and the time share one column.
    void Datumszeilen() {
        const int Spalte = m +
                           std::max({B[N::tLabel1].Width, B[N::tCheckBox2].Width + g + B[N::tLabel10].Width,
                                     B[N::tLabel8].Width}) +
                           g;
        y = m;
        Label(N::tLabel1, m, y, FeldHoehe);
        T[N::tDatePicker1] = {Spalte, y, DatumBreite, FeldHoehe};
        Label(N::tLabel2, T[N::tDatePicker1].Right() + m, y, FeldHoehe);
        T[N::tSpinEdit1] = {T[N::tLabel2].Right() + g, y, ZahlBreite, B[N::tSpinEdit1].Height};
        y += std::max(FeldHoehe, B[N::tSpinEdit1].Height) + g;
        Label(N::tCheckBox2, m, y, FeldHoehe);
        Label(N::tLabel10, Spalte - g - B[N::tLabel10].Width, y, FeldHoehe);
        T[N::tTimePicker] = {Spalte, y, ZeitBreite, FeldHoehe};
        y += FeldHoehe + g;
        Label(N::tLabel8, m, y, FeldHoehe);
        T[N::tDatePicker2] = {Spalte, y, DatumBreite, FeldHoehe};
        y += FeldHoehe + g;
    }

    // The right column holds the interval list and the counter; the long text fills the left.
    void Spalten() {
        const int ListenBreite = std::max(A.ListenBreite, B[N::tCheckBox1].Width);
        const int ZaehlerBreite = B[N::tLabel9].Width + g + ZahlBreite;
        RechtsBreite = std::max({ListenBreite, ZaehlerBreite, B[N::tCheckBox3].Width});
        LinksBreite = std::max({T[N::tSpinEdit1].Right(), T[N::tDatePicker2].Right(), 2 * DatumBreite}) - m;
        Rechts = m + LinksBreite + m;
        Breite = Rechts + RechtsBreite + m;
    }

    // The short text over the whole width; below it the long text and the interval list.
    void Texte() {
        Label(N::tLabel3, m, y, B[N::tEdit1].Height);
        T[N::tEdit1] = {T[N::tLabel3].Right() + g, y, Breite - m - (T[N::tLabel3].Right() + g),
                        B[N::tEdit1].Height};
        y += B[N::tEdit1].Height + g;
        const int Beschriftung = std::max(B[N::tLabel4].Height, B[N::tLabel5].Height);
        T[N::tLabel4] = {m, y, B[N::tLabel4].Width, B[N::tLabel4].Height};
        T[N::tLabel5] = {Rechts, y, B[N::tLabel5].Width, B[N::tLabel5].Height};
        y += Beschriftung + g / 2;
        const int ListeHoehe = AnzeigenTypAnzahl * A.ListenZeile + 4;
        T[N::tRichEdit1] = {m, y, LinksBreite, ListeHoehe};
        T[N::tListBox1] = {Rechts, y, RechtsBreite, ListeHoehe};
        y += ListeHoehe + g;
    }

    // The type list on the left; the limit switch, the counter and the delete switch on the right.
    void TypUndZaehler() {
        const int TypHoehe = TagTypAnzahl * A.ListenZeile + 4;
        Label(N::tLabel6, m, y, B[N::tCheckBox1].Height);
        T[N::tListBox2] = {T[N::tLabel6].Right() + g, y, std::max(A.ListenBreite, DatumBreite), TypHoehe};
        T[N::tCheckBox1] = {Rechts, y, B[N::tCheckBox1].Width, B[N::tCheckBox1].Height};
        const int ZaehlerZeile = T[N::tCheckBox1].Bottom() + g;
        Label(N::tLabel9, Rechts, ZaehlerZeile, B[N::tSpinEdit2].Height);
        T[N::tSpinEdit2] = {T[N::tLabel9].Right() + g, ZaehlerZeile, ZahlBreite, B[N::tSpinEdit2].Height};
        T[N::tCheckBox3] = {Rechts, T[N::tSpinEdit2].Bottom() + g, B[N::tCheckBox3].Width,
                            B[N::tCheckBox3].Height};
        y = std::max(T[N::tListBox2].Bottom(), T[N::tCheckBox3].Bottom()) + g;
    }

    // The sound switch, its path and the browse button in one row.
    void Sounddatei() {
        const int Zeile = std::max(B[N::tEdit2].Height, A.Schalter.Height);
        Label(N::tCheckBox4, m, y, Zeile);
        T[N::tButton3] = {Breite - m - A.Schalter.Width, y + (Zeile - A.Schalter.Height) / 2,
                          A.Schalter.Width, A.Schalter.Height};
        const int PfadLinks = T[N::tCheckBox4].Right() + g;
        T[N::tEdit2] = {PfadLinks, y + (Zeile - B[N::tEdit2].Height) / 2,
                        std::max(T[N::tButton3].Left - g - PfadLinks, ZahlBreite), B[N::tEdit2].Height};
        y += Zeile + m;
    }

    // OK and Abbrechen at the bottom right; a path field wider than the rest widens the dialog.
    void Schalter() {
        const int BreiteGesamt = std::max(Breite, T[N::tEdit2].Right() + g + A.Schalter.Width + m);
        T[N::tButton2] = {BreiteGesamt - m - A.Schalter.Width, y, A.Schalter.Width, A.Schalter.Height};
        T[N::tButton1] = {T[N::tButton2].Left - m - A.Schalter.Width, y, A.Schalter.Width, A.Schalter.Height};
        if (BreiteGesamt != Breite) {
            T[N::tButton3].Left = BreiteGesamt - m - A.Schalter.Width;
        }
        L.Inhalt = {BreiteGesamt, T[N::tButton1].Bottom() + m};
    }

    const N::TMasse& A;
    const std::array<N::TGroesse, N::TeilAnzahl>& B;
    const int m;
    const int g;
    const int FeldHoehe;
    const int DatumBreite;
    const int ZeitBreite;
    const int ZahlBreite;
    N::TLage L;
    std::array<TRechteck, N::TeilAnzahl>& T = L.Teile;
    int y = 0;
    int LinksBreite = 0;
    int RechtsBreite = 0;
    int Rechts = 0;
    int Breite = 0;
};

} // namespace

TNeuForm::TNeuForm() {
    Standardwerte();
    FDatensatz.Add(GelesenesDatum());
    FSpeicherDatensatz.Assign(FDatensatz);
}

void TNeuForm::Standardwerte() {
    Felder = TFelder{};
    Felder.Von = TUhr::Heute();
    Felder.Grenze = KalenderEnde;
    Grenzen = TGrenzen{};
}

void TNeuForm::NeuEinrichten(const TDaten* ARefDaten, TTag AVon) {
    RefDaten = ARefDaten;
    NeuS = true;
    Standardwerte();
    Grenzen.IntervallEnabledS = true;
    Felder.Von = std::clamp(AVon, Grenzen.VonMin, Grenzen.VonMax);
    Grenzen.GrenzeMin = Felder.Von;
    MaxValueSpinEdit();
}

void TNeuForm::BearbeitenEinrichten(const TDaten* ARefDaten, const TTagClass& ATagClass, TTag AVonMin,
                                    TTag AVonMax, bool AEinzigerLaufS) {
    RefDaten = ARefDaten;
    NeuS = false;
    Standardwerte();
    Grenzen.VonMin = std::max(AVonMin, KalenderAnfang);
    Grenzen.VonMax = std::min(AVonMax, KalenderEnde);
    SetDatensatz(ATagClass);
    Grenzen.IntervallEnabledS = AEinzigerLaufS;
    MaxValueSpinEdit();
}

void TNeuForm::SetDatensatz(const TTagClass& ATagClass) {
    TDatumClass O = ATagClass.DatenClass->DatumListe.at(static_cast<std::size_t>(ATagClass.DatumNr));
    O.Datum = O.VonDatum;
    FDatensatz.ClearDatumListe();
    FDatensatz.AssignInfos(*ATagClass.DatenClass);
    FDatensatz.Add(O);
    FSpeicherDatensatz.ClearDatumListe();
    FSpeicherDatensatz.AssignInfos(*ATagClass.DatenClass);
    FSpeicherDatensatz.Add(O);

    const TDatenClass& E = *ATagClass.DatenClass;
    Felder.Von = O.VonDatum;
    Felder.Zeit = O.VonZeit();
    Grenzen.DauerMax = DauerGrenze;
    Felder.Dauer = std::clamp(O.BisDatum - O.VonDatum + 1, Grenzen.DauerMin, Grenzen.DauerMax);
    Felder.GanzerTagS = O.GanzerTagS;
    Felder.LoeschenS = O.LoeschenS;
    Grenzen.GrenzeMin = O.VonDatum;
    Felder.Grenze = std::clamp(E.EndeDatum, Grenzen.GrenzeMin, Grenzen.GrenzeMax);
    Felder.Kurztext = E.Kurztext;
    Felder.Langtext = E.Langtext;
    Felder.Intervall = E.AnzeigenTyp;
    Felder.Sounddatei = E.Sounddatei;
    Felder.SounddateiS = E.SounddateiS;
    Felder.CounterS = E.CounterS;
    Felder.Startwert = std::clamp<int>(E.CounterStart, 0, StartwertMax);
    Felder.Eintragstyp = E.TagTyp;
}

TDatumClass TNeuForm::GelesenesDatum() const {
    TDatumClass O;
    O.Datum = Felder.Von;
    O.VonDatum = Felder.Von;
    O.BisDatum = Felder.Von + Felder.Dauer - 1;
    O.VonZeitSetzen(Felder.Zeit);
    O.AktivTyp =
        NeuS || FSpeicherDatensatz.Count() == 0 ? avAktiv : FSpeicherDatensatz.DatumListe[0].AktivTyp;
    O.GanzerTagS = Felder.GanzerTagS;
    O.LoeschenS = Felder.LoeschenS;
    return O;
}

TTagClass TNeuForm::Datensatz() {
    FDatensatz.ClearDatumListe();
    FDatensatz.Add(GelesenesDatum());
    FDatensatz.Kurztext = Getrimmt(Felder.Kurztext);
    FDatensatz.Langtext = Getrimmt(Felder.Langtext);
    FDatensatz.EndeDatum = Felder.Grenze;
    FDatensatz.AnzeigenTyp =
        static_cast<TAnzeigenTyp>(std::clamp(Felder.Intervall, 0, AnzeigenTypAnzahl - 1));
    FDatensatz.CounterS = Felder.CounterS;
    FDatensatz.CounterStart = Felder.Startwert;
    FDatensatz.TagTyp = static_cast<TTagTyp>(std::clamp(Felder.Eintragstyp, 0, TagTypAnzahl - 1));
    FDatensatz.Sounddatei = Getrimmt(Felder.Sounddatei);
    FDatensatz.SounddateiS = Felder.SounddateiS;
    return {0, &FDatensatz};
}

int TNeuForm::ModifyNr() {
    Datensatz();
    const TDatumClass& Alt = FSpeicherDatensatz.DatumListe[0];
    const TDatumClass& Neu = FDatensatz.DatumListe[0];
    if (Alt.VonDatum != Neu.VonDatum || Alt.BisDatum != Neu.BisDatum) {
        return 3;
    }
    if (Alt.VonZeit() != Neu.VonZeit()) {
        return 2;
    }
    if (Alt.AktivTyp == Neu.AktivTyp && Alt.GanzerTagS == Neu.GanzerTagS && Alt.LoeschenS == Neu.LoeschenS) {
        return 1;
    }
    return 2;
}

void TNeuForm::MaxValueSpinEdit() {
    Grenzen.DauerMin = 1;
    int Maximum = DauerMaximum[std::clamp(Felder.Intervall, 0, AnzeigenTypAnzahl - 1)];
    if (Felder.Von + Maximum - 1 > Grenzen.VonMax) {
        Maximum = Grenzen.VonMax - Felder.Von + 1;
    }
    Grenzen.DauerMax = std::max(Maximum, 1);
    Felder.Dauer = std::min(Felder.Dauer, Grenzen.DauerMax);
    if (Grenzen.DauerMax == 1) {
        Grenzen.DauerMin = 0;
    }
    Felder.Dauer = std::max(Felder.Dauer, Grenzen.DauerMin);
}

void TNeuForm::VonVerlassen() {
    Felder.Von = std::clamp(Felder.Von, Grenzen.VonMin, Grenzen.VonMax);
    Grenzen.GrenzeMin = Felder.Von;
    Felder.Grenze = std::max(Felder.Grenze, Grenzen.GrenzeMin);
    MaxValueSpinEdit();
}

TNeuFeld TNeuForm::NachKlick(TNeuFeld AFeld) const {
    switch (AFeld) {
    case TNeuFeld::Zaehlfunktion:
        return StartwertEnabled() ? TNeuFeld::Startwert : AFeld;
    case TNeuFeld::Ganztaegig:
        return UhrzeitEnabled() ? TNeuFeld::Uhrzeit : AFeld;
    case TNeuFeld::SounddateiS:
        return SounddateiReadOnly() ? AFeld : TNeuFeld::Sounddatei;
    default:
        return AFeld;
    }
}

TNeuForm::TSchluss TNeuForm::Schliessen(bool AOkS, TMeldungsPort& APort, TNeuFormAnsicht& AAnsicht) {
    Stop();
    if (FPlayer != nullptr) {
        FPlayer->Close();
    }
    AktuellerS = false;
    AlleS = false;
    if (!AOkS) {
        return TSchluss::Abbrechen;
    }
    VonVerlassen();
    if (!EingabenGueltig(APort, AAnsicht)) {
        return TSchluss::Offen;
    }
    return Bestaetigen(APort);
}

bool TNeuForm::EingabenGueltig(TMeldungsPort& APort, TNeuFormAnsicht& AAnsicht) {
    const std::string Kurztext = Getrimmt(Felder.Kurztext);
    if (Kurztext.empty()) {
        AAnsicht.Fokus(TNeuFeld::Kurztext, false);
        APort.Zeige(maInformation, "Es wurde noch kein Kurztext eingegeben!", mkOK);
        return false;
    }
    Felder.Dauer = std::max(Felder.Dauer, 1);
    if (NeuS && RefDaten != nullptr && RefDaten->FindeKurztext(Kurztext)) {
        AAnsicht.Fokus(TNeuFeld::Kurztext, true);
        const std::string Frage = Fuellen(
            "Der Kurztext \"%s\" ist bereits vorhanden!\r\nSoll trotzdem fortgesetzt werden?", {Kurztext});
        if (APort.Zeige(maBestaetigung, Frage, mkJaNein) != maJa) {
            return false;
        }
    }
    Datensatz();
    if (!NeuS && FDatensatz.Ident(&FSpeicherDatensatz, false)) {
        AAnsicht.Fokus(TNeuFeld::Von, false);
        APort.Zeige(maInformation, "Es wurde keine Änderung vorgenommen!", mkOK);
        return false;
    }
    return true;
}

TNeuForm::TSchluss TNeuForm::Bestaetigen(TMeldungsPort& APort) {
    if (Grenzen.IntervallEnabledS) {
        const std::string Vorlage = NeuS ? "Soll der folgende %s erstellt werden?\r\n\"%s\""
                                         : "Soll der bearbeitete %s neu erstellt werden?\r\n\"%s\"";
        const std::string Frage =
            Fuellen(Vorlage, {EintragstypNamen[FDatensatz.TagTyp], ZeilenText(&FDatensatz, 0)});
        return Antwort(APort.Zeige(maBestaetigung, Frage, mkJaNeinAbbrechen), TSchluss::Nein);
    }
    switch (ModifyNr()) {
    case 1:
        return Antwort(APort.Zeige(maBestaetigung, "Sollen die vorgenommenen Änderungen übernommen werden?",
                                   mkJaNeinAbbrechen),
                       TSchluss::Nein);
    case 2:
        return Antwort(APort.Zeige(maBestaetigung,
                                   "Sollen sich die Änderungen auch auf dazugehörige Einträge auswirken?\r\n"
                                   "Ja=Auch folgende; Nein=Nur aktuellen; Alle=Alle berücksichtigen",
                                   mkJaNeinAbbrechenAlle),
                       TSchluss::Ok);
    default:
        return Antwort(
            APort.Zeige(maBestaetigung,
                        "Sollen sich die Änderungen auch auf folgende dazugehörige Einträge auswirken?\r\n"
                        "Mit \"Ja\" werden alle nachfolgenden Eintrege gelöscht und neu erzeugt.\r\n"
                        "Ja=Auch folgende; Nein=Nur aktuellen",
                        mkJaNeinAbbrechen),
            TSchluss::Ok);
    }
}

TNeuForm::TSchluss TNeuForm::Antwort(TMeldungsAntwort AAntwort, TSchluss ANein) {
    switch (AAntwort) {
    case maJa:
        return TSchluss::Ok;
    case maNein:
        // Closing with the change for this record only.
        AktuellerS = ANein == TSchluss::Ok;
        return ANein;
    case maAlle:
        AlleS = true;
        return TSchluss::Ok;
    default:
        return TSchluss::Offen;
    }
}

TNeuForm::TWirkung TNeuForm::Taste(TNeuFeld AFeld, TTaste ATaste, bool AModifikatorS, bool AOkEnabledS) {
    const bool ZahlS = AFeld == TNeuFeld::Dauer || AFeld == TNeuFeld::Startwert;
    if (AFeld == TNeuFeld::Langtext) {
        return ATaste == TTaste::Escape ? TWirkung::Abbrechen : TWirkung::Feld;
    }
    if (!ZahlS) {
        return TWirkung::Weiter;
    }
    if (ATaste == TTaste::Escape) {
        return TWirkung::Abbrechen;
    }
    if (AModifikatorS) {
        return TWirkung::Weiter;
    }
    return AOkEnabledS ? TWirkung::Ok : TWirkung::Nichts;
}

std::string TNeuForm::Ansage(TNeuFeld AFeld) {
    switch (AFeld) {
    case TNeuFeld::Von:
        return "Von:";
    case TNeuFeld::Dauer:
        return "Dauer (Tage):";
    case TNeuFeld::Uhrzeit:
        return "Uhrzeit:";
    case TNeuFeld::Grenze:
        return "Kalendergrenze:";
    case TNeuFeld::Kurztext:
        return "Kurztext:";
    case TNeuFeld::Langtext:
        return "Langtext:";
    case TNeuFeld::Intervall:
        return "Intervall:";
    case TNeuFeld::Eintragstyp:
        return "Eintragstyp:";
    case TNeuFeld::Startwert:
        return "Zählfunktion Startwert:";
    case TNeuFeld::Sounddatei:
        return "Sounddatei:";
    default:
        return "";
    }
}

std::string TNeuForm::Beschriftung(TNeuFeld AFeld) {
    switch (AFeld) {
    case TNeuFeld::Von:
        return "&Von:";
    case TNeuFeld::Dauer:
        return "Da&uer (Tage):";
    case TNeuFeld::Ganztaegig:
        return "Ga&nztägig";
    case TNeuFeld::Uhrzeit:
        return "U&hrzeit:";
    case TNeuFeld::Grenze:
        return "Kalender&grenze für diesen Eintrag:";
    case TNeuFeld::Kurztext:
        return "Kurz&text:";
    case TNeuFeld::Langtext:
        return "Langte&xt:";
    case TNeuFeld::Intervall:
        return "&Intervall:";
    case TNeuFeld::Eintragstyp:
        return "&Eintragstyp:";
    case TNeuFeld::Zaehlfunktion:
        return "Zähl&funktion";
    case TNeuFeld::Startwert:
        return "Start&wert:";
    case TNeuFeld::Loeschfunktion:
        return "&Löschfunktion";
    case TNeuFeld::SounddateiS:
        return "&Sounddatei";
    case TNeuFeld::Sounddatei:
        return "";
    case TNeuFeld::Durchsuchen:
        return "&Durchsuchen...";
    case TNeuFeld::Ok:
        return "O&K";
    case TNeuFeld::Abbrechen:
        return "&Abbrechen";
    }
    return "";
}

std::string TNeuForm::ZugangsName(TNeuFeld AFeld) {
    const std::string Text = Ansage(AFeld);
    const std::string Label = RemoveAmpersands(Beschriftung(AFeld));
    // The label already holds the announcement's words ("Kalendergrenze" in "Kalendergrenze für
    // diesen Eintrag:"): the screen reader reads the label.
    if (Text.empty() ||
        (!Label.empty() && Label.find(Text.substr(0, Text.size() - 1)) != std::string::npos)) {
        return "";
    }
    return Text.substr(0, Text.size() - 1);
}

bool TNeuForm::PlayErlaubt(TDateisystem& ADateisystem) const {
    const std::string Pfad = Getrimmt(Felder.Sounddatei);
    return FPlayer != nullptr && !Pfad.empty() && ADateisystem.Existiert(Pfad);
}

bool TNeuForm::StopErlaubt() const {
    return FPlayer != nullptr && FPlayer->IsPlaying();
}

bool TNeuForm::Play(TDateisystem& ADateisystem) {
    if (!PlayErlaubt(ADateisystem)) {
        return false;
    }
    try {
        FPlayer->Open(Getrimmt(Felder.Sounddatei));
        FPlayer->Play();
        return true;
    } catch (const EBetriebssystemFehler&) {
        // A file that is no sound cannot be previewed; the dialog goes on.
        return false;
    }
}

void TNeuForm::Stop() {
    if (StopErlaubt()) {
        FPlayer->Stop();
        FPlayer->Rewind();
    }
}

bool TNeuForm::Durchsuchen(TDateiDialog& ADialog, const std::string& ASoundOrdner) {
    const std::string Pfad = Getrimmt(Felder.Sounddatei);
    const std::size_t Trenner = Pfad.find_last_of('/');
    TDateiDialogWahl Wahl;
    Wahl.Titel = "Audiodatei öffnen";
    Wahl.Filter = "Audiodateien (*.MP3; *.WAV)|*.MP3;*.WAV|Alle Dateien (*.*)|*.*";
    Wahl.StandardEndung = "WAV";
    Wahl.Ordner = Trenner == std::string::npos ? ASoundOrdner : Pfad.substr(0, Trenner + 1);
    Wahl.Dateiname = Trenner == std::string::npos ? Pfad : Pfad.substr(Trenner + 1);
    std::string Datei;
    if (!ADialog.Oeffnen(Wahl, Datei)) {
        return false;
    }
    Stop();
    Felder.Sounddatei = Datei;
    return true;
}

TNeuForm::TLage TNeuForm::Layout(const TMasse& AMasse) {
    return TEditorLayout(AMasse).Lage();
}
