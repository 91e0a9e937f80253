// Encoding a calendar file (always version 3).

#include <algorithm>

#include "files/Codepage1252.h"
#include "files/OVDatei.h"
#include "model/Fehler.h"

namespace {

// Collects the bytes of the file and hands them to AZiel in pieces of about a megabyte, so that a
// large calendar is never held twice in memory.
class TSchreiber {
public:
    explicit TSchreiber(const TSchreibziel& AZiel) : Ziel(AZiel) { Bytes.reserve(Stueck + 4096); }

    std::string Bytes;

    void Abgeben() {
        Ziel(Bytes);
        Bytes.clear();
    }

    void Byte(std::uint8_t b) { Bytes.push_back(static_cast<char>(b)); }
    void Schalter(bool b) { Byte(b ? '1' : '0'); }

    void Int32(std::int32_t v) {
        char b[4];
        Int32Nach(b, v);
        Bytes.append(b, 4);
    }

    void TextBytes(std::string_view ABytes) {
        Byte(static_cast<std::uint8_t>(ABytes.size() >> 8));
        Byte(static_cast<std::uint8_t>(ABytes.size()));
        Bytes.append(ABytes);
    }

    void Text(const std::string& AText) {
        if (IstAscii(AText)) {
            Pruefe(AText.size());
            TextBytes(AText);
            return;
        }
        std::string Umgesetzt;
        if (!Utf8ToCp1252(AText, Umgesetzt) || Cp1252ToUtf8(Umgesetzt) != AText) {
            throw ESchreibFehler("Der Text enthält Zeichen, die das bisherige Kalenderformat nicht speichern "
                                 "kann. Die Originaldatei bleibt erhalten.");
        }
        Pruefe(Umgesetzt.size());
        TextBytes(Umgesetzt);
    }

    // The day records, 22 bytes each, written in place.
    void Datensaetze(const TDatumListe& AListe) {
        constexpr std::size_t ProStueck = Stueck / 22;
        for (std::size_t Von = 0; Von < AListe.size(); Von += ProStueck) {
            const std::size_t Anzahl = std::min(ProStueck, AListe.size() - Von);
            const std::size_t Alt = Bytes.size();
            Bytes.resize(Alt + 22 * Anzahl);
            char* p = Bytes.data() + Alt;
            for (std::size_t i = Von; i < Von + Anzahl; ++i) {
                const TDatumClass& d = AListe[i];
                Int32Nach(p, d.Datum);
                Int32Nach(p + 4, d.VonDatum);
                Int32Nach(p + 8, d.BisDatum);
                UhrzeitNach(p + 12, d.VonZeit());
                p[19] = static_cast<char>('0' + d.AktivTyp);
                p[20] = d.GanzerTagS ? '1' : '0';
                p[21] = d.LoeschenS ? '1' : '0';
                p += 22;
            }
            if (Bytes.size() >= Stueck) {
                Abgeben();
            }
        }
    }

private:
    static constexpr std::size_t Stueck = 1 << 20;
    const TSchreibziel& Ziel;

    static void Int32Nach(char* p, std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        p[0] = static_cast<char>(u);
        p[1] = static_cast<char>(u >> 24);
        p[2] = static_cast<char>(u >> 16);
        p[3] = static_cast<char>(u >> 8);
    }

    // The start time as the text "hh:nn" with its length, the minute the views show.
    static void UhrzeitNach(char* p, TDateTime AZeit) {
        const TUhrzeit Zeit = UhrzeitVon(AZeit);
        const int h = Zeit.Stunde;
        const int n = Zeit.Minute;
        p[0] = 0;
        p[1] = 5;
        p[2] = static_cast<char>('0' + h / 10);
        p[3] = static_cast<char>('0' + h % 10);
        p[4] = ':';
        p[5] = static_cast<char>('0' + n / 10);
        p[6] = static_cast<char>('0' + n % 10);
    }

    static bool IstAscii(std::string_view AText) {
        for (const char c : AText) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                return false;
            }
        }
        return true;
    }

    static void Pruefe(std::size_t ALaenge) {
        if (ALaenge > 65535) {
            throw ESchreibFehler("Ein Text überschreitet die Formatgrenze von 65535 Bytes.");
        }
    }
};

void EintragSchreiben(TSchreiber& S, const TDatenClass& e) {
    S.Byte(e.AnzeigenTyp);
    S.Schalter(e.CounterS);
    S.Int32(e.CounterStart);
    S.Int32(e.EndeDatum);
    S.Int32(e.Id);
    S.Text(e.Kurztext);
    S.Text(e.Langtext);
    S.Text(e.Sounddatei);
    S.Schalter(e.SounddateiS);
    S.Byte(static_cast<std::uint8_t>('0' + e.TagTyp));
    S.Int32(e.Count());
    S.Datensaetze(e.DatumListe);
}

} // namespace

void KalenderdateiKodieren(const TDaten& ADaten, const TSchreibziel& AZiel) {
    TSchreiber S(AZiel);
    S.TextBytes("OV_3");
    for (const TDatenClass& e : ADaten.Eintraege()) {
        if (e.Count() > 0 && e.IdDatei == 0 && e.EndeDatumValid()) {
            EintragSchreiben(S, e);
        }
    }
    S.Abgeben();
}

std::string KalenderdateiKodieren(const TDaten& ADaten) {
    std::string Bytes;
    KalenderdateiKodieren(ADaten, [&Bytes](std::string_view AStueck) { Bytes.append(AStueck); });
    return Bytes;
}
