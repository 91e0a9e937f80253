// Decoding a calendar file. Every read is bounds-checked against the bytes left, and the record
// count is checked against them before anything is allocated, so no file can make the reader
// allocate more than its own size in records or read past its end.

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "files/Codepage1252.h"
#include "files/OVDatei.h"
#include "model/Fehler.h"
#include "platform/Speicherverwaltung.h"

namespace {

constexpr std::size_t MindestDatensatz = 15; // three days, an empty time text, the activation
constexpr TTag LetzterErlaubterTag = EncodeDate(2101, 12, 31);

[[noreturn]] void Fehler(const char* AMeldung) {
    throw ELeseFehler(AMeldung);
}

// The bytes of the file, either all in memory or read from a source piece by piece into a buffer
// that holds at least what one field needs. A view handed out (a text) is valid until the next
// read from the reader.
class TLeser {
public:
    explicit TLeser(std::string_view ABytes) : Bytes(ABytes) {}
    TLeser(const TLesequelle& AQuelle, std::uint64_t AGroesse, std::size_t AStueck)
        : Quelle(&AQuelle), NochInQuelle(AGroesse), Stueck(std::max<std::size_t>(AStueck, 1)) {}

    // The bytes left in the file, buffered or not.
    std::uint64_t Rest() const { return (Bytes.size() - Pos) + NochInQuelle; }
    bool AmEnde() const { return Rest() == 0; }

    // True if the next n bytes can be had in the buffer (reading more if needed).
    bool Verfuegbar(std::size_t n) {
        if (Bytes.size() - Pos < n && NochInQuelle > 0) {
            Nachladen(n);
        }
        return Bytes.size() - Pos >= n;
    }

    std::uint8_t Byte() {
        Brauche(1);
        return static_cast<std::uint8_t>(Bytes[Pos++]);
    }

    bool Schalter() {
        const std::uint8_t b = Byte();
        if (b != '0' && b != '1') {
            Fehler("Ungültiger Schalterwert in der Kalenderdatei.");
        }
        return b == '1';
    }

    std::int32_t Int32() {
        Brauche(4);
        const auto* p = reinterpret_cast<const unsigned char*>(Bytes.data() + Pos);
        Pos += 4;
        return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 24 |
                                         std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 8);
    }

    // The bytes of a text, still in code page 1252.
    std::string_view TextBytes() {
        Brauche(2);
        const std::size_t n =
            static_cast<std::uint8_t>(Bytes[Pos]) << 8 | static_cast<std::uint8_t>(Bytes[Pos + 1]);
        Pos += 2;
        Brauche(n);
        const std::string_view t = Bytes.substr(Pos, n);
        Pos += n;
        return t;
    }

    std::string Text() { return Cp1252ToUtf8(TextBytes()); }

    // Direct access for the fast path of day records, after Verfuegbar said yes.
    const unsigned char* Zeiger() const { return reinterpret_cast<const unsigned char*>(Bytes.data() + Pos); }
    void Weiter(std::size_t n) { Pos += n; }

private:
    void Brauche(std::size_t n) {
        if (!Verfuegbar(n)) {
            Fehler("Die Kalenderdatei ist unvollständig.");
        }
    }

    // Keeps the unread bytes and fills the buffer to at least n bytes (a piece, if more is there).
    // A source that ends before the promised size ends the file there.
    void Nachladen(std::size_t n) {
        const std::size_t Alt = Bytes.size() - Pos;
        const std::size_t Ziel = std::max(n, Stueck);
        std::string Unverbraucht(Bytes.substr(Pos));
        if (Puffer.size() < Ziel) {
            Puffer.resize(Ziel);
        }
        Unverbraucht.copy(Puffer.data(), Alt);
        std::size_t Hat = Alt;
        while (Hat < Ziel && NochInQuelle > 0) {
            const std::size_t Wunsch =
                static_cast<std::size_t>(std::min<std::uint64_t>(Ziel - Hat, NochInQuelle));
            const std::size_t Gelesen = (*Quelle)(Puffer.data() + Hat, Wunsch);
            if (Gelesen == 0) {
                NochInQuelle = 0;
                break;
            }
            Hat += Gelesen;
            NochInQuelle -= Gelesen;
        }
        Bytes = std::string_view(Puffer.data(), Hat);
        Pos = 0;
    }

    std::string_view Bytes;
    std::size_t Pos = 0;
    const TLesequelle* Quelle = nullptr;
    std::uint64_t NochInQuelle = 0;
    std::size_t Stueck = 0;
    std::string Puffer;
};

// One to two digits; AWert receives the number.
bool Zahl(std::string_view& ATeil, int& AWert) {
    std::size_t i = 0;
    AWert = 0;
    while (i < ATeil.size() && i < 2 && ATeil[i] >= '0' && ATeil[i] <= '9') {
        AWert = AWert * 10 + (ATeil[i] - '0');
        ++i;
    }
    ATeil.remove_prefix(i);
    return i > 0;
}

// A time text "h:n" or "h:n:s" (one or two digits each, blanks around it allowed) as a fraction of
// a day; false if it is no valid time of day.
bool ZeitLesen(std::string_view AText, TDateTime& AZeit) {
    while (!AText.empty() && AText.front() == ' ') {
        AText.remove_prefix(1);
    }
    while (!AText.empty() && AText.back() == ' ') {
        AText.remove_suffix(1);
    }
    int h = 0, n = 0, s = 0;
    if (!Zahl(AText, h) || AText.empty() || AText.front() != ':') {
        return false;
    }
    AText.remove_prefix(1);
    if (!Zahl(AText, n)) {
        return false;
    }
    if (!AText.empty()) {
        if (AText.front() != ':') {
            return false;
        }
        AText.remove_prefix(1);
        if (!Zahl(AText, s) || !AText.empty()) {
            return false;
        }
    }
    if (h > 23 || n > 59 || s > 59) {
        return false;
    }
    AZeit = (h * 3600 + n * 60 + s) / 86400.0;
    return true;
}

// A time text of a record that is not in the program's own "hh:nn" form.
TDateTime Uhrzeit(std::string_view AText) {
    TDateTime Zeit = 0;
    if (!ZeitLesen(AText, Zeit)) {
        Fehler("Ungültige Uhrzeit.");
    }
    return Zeit;
}

// Follows the runs while the records are read (one pass over the records): a run must start on
// its first day and fit into the records, and the records inside it must continue it day by day.
// The first fault is kept and raised only after all records were read, so that a fault of a
// single record later in the list is still reported first, as a check after reading would.
class TLaufPruefung {
public:
    explicit TLaufPruefung(std::size_t AAnzahl) : Anzahl(AAnzahl) {}

    void Naechster(std::size_t i, const TDatumClass& d) {
        if (Meldung != nullptr) {
            return;
        }
        if (i == Ende) {
            const std::size_t n = static_cast<std::size_t>(d.BisDatum - d.VonDatum) + 1;
            if (d.Datum != d.VonDatum || Anzahl - i < n) {
                Meldung = "Unvollständiger mehrtägiger Eintrag.";
                return;
            }
            Geordnet = Geordnet && (i == 0 || d.VonDatum >= Anfang.VonDatum);
            Anfang = d;
            Ende = i + n;
        } else if (d.Datum != Anfang.VonDatum + static_cast<TTag>(i - (Ende - Laenge())) ||
                   d.VonDatum != Anfang.VonDatum || d.BisDatum != Anfang.BisDatum) {
            Meldung = "Ungültige Folge eines mehrtägigen Eintrags.";
        }
    }

    // True while every run starts on or after the one before it.
    bool InOrdnung() const { return Geordnet; }

    void Abschliessen() const {
        if (Meldung != nullptr) {
            Fehler(Meldung);
        }
    }

private:
    std::size_t Laenge() const { return static_cast<std::size_t>(Anfang.BisDatum - Anfang.VonDatum) + 1; }

    std::size_t Anzahl;
    std::size_t Ende = 0; // index after the current run
    TDatumClass Anfang;
    const char* Meldung = nullptr;
    bool Geordnet = true;
};

std::int32_t Int32Aus(const unsigned char* p) {
    return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 24 |
                                     std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 8);
}

void BereichPruefen(const TDatumClass& d) {
    if (d.VonDatum > d.Datum || d.Datum > d.BisDatum || d.VonDatum < KalenderAnfang ||
        d.BisDatum > LetzterErlaubterTag) {
        Fehler("Ungültiger Datumsbereich.");
    }
}

// A record as the program writes it: a five-character "hh:nn" and valid flag bytes. Anything
// else (or too few bytes) is left to the general path, which finds the fault in the fields' order.
bool SchnellLesen(TLeser& ALeser, int AVersion, bool AGanzerTagS, TDatumClass& d) {
    const std::size_t Laenge = AVersion == 1 ? 20 : AVersion == 2 ? 21 : 22;
    if (!ALeser.Verfuegbar(Laenge)) {
        return false;
    }
    const unsigned char* p = ALeser.Zeiger();
    if (p[12] != 0 || p[13] != 5 || p[16] != ':') {
        return false;
    }
    const unsigned h1 = p[14] - '0', h2 = p[15] - '0', n1 = p[17] - '0', n2 = p[18] - '0';
    const unsigned Aktiv = p[19] - '0';
    const unsigned Ganz = AVersion >= 2 ? p[20] - '0' : AGanzerTagS;
    const unsigned Loeschen = AVersion == 3 ? p[21] - '0' : 0;
    const unsigned h = h1 * 10 + h2;
    if (h1 > 2 || h2 > 9 || h > 23 || n1 > 5 || n2 > 9 || Aktiv > 1 || Ganz > 1 || Loeschen > 1) {
        return false;
    }
    d.Datum = Int32Aus(p);
    d.VonDatum = Int32Aus(p + 4);
    d.BisDatum = Int32Aus(p + 8);
    d.VonZeitSetzen((h * 60 + n1 * 10 + n2) * 60 / 86400.0);
    d.AktivTyp = static_cast<TAktivTyp>(Aktiv);
    d.GanzerTagS = Ganz != 0;
    d.LoeschenS = Loeschen != 0;
    BereichPruefen(d);
    ALeser.Weiter(Laenge);
    return true;
}

void AllgemeinLesen(TLeser& ALeser, int AVersion, bool AGanzerTagS, TDatumClass& d) {
    d.Datum = ALeser.Int32();
    d.VonDatum = ALeser.Int32();
    d.BisDatum = ALeser.Int32();
    d.VonZeitSetzen(Uhrzeit(ALeser.TextBytes()));
    const std::uint8_t Aktiv = ALeser.Byte();
    if (Aktiv != '0' && Aktiv != '1') {
        Fehler("Ungültiger Aktivierungszustand.");
    }
    d.AktivTyp = static_cast<TAktivTyp>(Aktiv - '0');
    d.GanzerTagS = AVersion >= 2 ? ALeser.Schalter() : AGanzerTagS;
    d.LoeschenS = AVersion >= 3 ? ALeser.Schalter() : false;
    BereichPruefen(d);
}

// Reads the records of an entry; false if its runs are not in order of their first days.
bool DatensaetzeLesen(TLeser& ALeser, int AVersion, bool AGanzerTagS, TDatenClass& AEintrag) {
    const std::int32_t Anzahl = ALeser.Int32();
    if (Anzahl < 0 || static_cast<std::uint64_t>(Anzahl) * MindestDatensatz > ALeser.Rest()) {
        Fehler("Ungültige Anzahl von Terminen.");
    }
    AEintrag.DatumListe.reserve(static_cast<std::size_t>(Anzahl));
    SeitenVorbelegen(AEintrag.DatumListe.data(), AEintrag.DatumListe.capacity() * sizeof(TDatumClass));
    TLaufPruefung Laeufe(static_cast<std::size_t>(Anzahl));
    for (std::int32_t i = 0; i < Anzahl; ++i) {
        TDatumClass d;
        if (!SchnellLesen(ALeser, AVersion, AGanzerTagS, d)) {
            AllgemeinLesen(ALeser, AVersion, AGanzerTagS, d);
        }
        Laeufe.Naechster(static_cast<std::size_t>(i), d);
        AEintrag.DatumListe.push_back(d);
    }
    Laeufe.Abschliessen();
    return Laeufe.InOrdnung();
}

// Ids must be unique within the file: a negative or repeated id takes the next free number of a
// counter that rises through the whole file.
class TIdVergabe {
public:
    std::int32_t Eindeutig(std::int32_t AId) {
        if (AId < 0 || Vergeben.contains(AId)) {
            while (Vergeben.contains(Zaehler)) {
                ++Zaehler;
            }
            AId = Zaehler;
        }
        Vergeben.insert(AId);
        return AId;
    }

private:
    std::unordered_set<std::int32_t> Vergeben;
    std::int32_t Zaehler = 0;
};

std::unique_ptr<TDatenClass> EintragLesen(TLeser& ALeser, int AVersion, std::int32_t AIdDatei,
                                          TIdVergabe& AIds) {
    auto e = std::make_unique<TDatenClass>();
    const std::uint8_t Intervall = ALeser.Byte();
    if (Intervall >= AnzeigenTypAnzahl) {
        Fehler("Ungültiges Wiederholungsintervall.");
    }
    e->AnzeigenTyp = static_cast<TAnzeigenTyp>(Intervall);
    e->CounterS = ALeser.Schalter();
    e->CounterStart = ALeser.Int32();
    e->EndeDatum = ALeser.Int32();
    const bool GanzerTagS = AVersion == 1 ? ALeser.Schalter() : false;
    e->Id = AIds.Eindeutig(ALeser.Int32());
    e->IdDatei = AIdDatei;
    e->Kurztext = ALeser.Text();
    e->Langtext = ALeser.Text();
    e->Sounddatei = ALeser.Text();
    e->SounddateiS = AVersion == 3 ? ALeser.Schalter() : !e->Sounddatei.empty();
    const std::uint8_t Typ = ALeser.Byte();
    if (Typ < '0' || Typ >= '0' + TagTypAnzahl) {
        Fehler("Ungültiger Eintragstyp.");
    }
    e->TagTyp = static_cast<TTagTyp>(Typ - '0');
    // The views find an entry's runs by their first day, so a file with runs out of order (never
    // written by the program) is put in order.
    if (!DatensaetzeLesen(ALeser, AVersion, GanzerTagS, *e)) {
        e->Sort();
    }
    return e;
}

int Version(TLeser& ALeser) {
    const std::string_view Magie = ALeser.TextBytes();
    for (int v = 1; v <= 3; ++v) {
        if (Magie == std::string("OV_") + static_cast<char>('0' + v)) {
            return v;
        }
    }
    Fehler("Unbekanntes Kalenderdateiformat.");
}

} // namespace

namespace {

void Dekodieren(TLeser& ALeser, TDaten& ADaten, std::int32_t AIdDatei) {
    const int v = Version(ALeser);
    TDaten Gelesen;
    TIdVergabe Ids;
    while (!ALeser.AmEnde()) {
        std::unique_ptr<TDatenClass> e = EintragLesen(ALeser, v, AIdDatei, Ids);
        // An entry with no occurrence on or before its limit would never be shown: it is dropped.
        if (e->EndeDatumValid()) {
            Gelesen.Add(std::move(*e));
        }
    }
    ADaten.Tauschen(Gelesen);
}

} // namespace

void KalenderdateiDekodieren(std::string_view ABytes, TDaten& ADaten, std::int32_t AIdDatei) {
    TLeser Leser(ABytes);
    Dekodieren(Leser, ADaten, AIdDatei);
}

void KalenderdateiDekodieren(const TLesequelle& AQuelle, std::uint64_t AGroesse, TDaten& ADaten,
                             std::int32_t AIdDatei, std::size_t AStueck) {
    TLeser Leser(AQuelle, AGroesse, AStueck);
    Dekodieren(Leser, ADaten, AIdDatei);
}
