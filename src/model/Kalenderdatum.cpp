#include "model/Kalenderdatum.h"

#include <cctype>
#include <charconv>
#include <cmath>

const char* const LangeMonatsnamen[12] = {"Jänner",    "Februar", "März",     "April",
                                          "Mai",       "Juni",    "Juli",     "August",
                                          "September", "Oktober", "November", "Dezember"};
const char* const KurzeMonatsnamen[12] = {"Jän", "Feb", "Mär", "Apr", "Mai", "Jun",
                                          "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const char* const LangeTagesnamen[7] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                        "Donnerstag", "Freitag", "Samstag"};
const char* const KurzeTagesnamen[7] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};

TTag TagVon(TDateTime AZeitpunkt) {
    // Out of any calendar's range (or not a number) the nearest representable day is taken, so
    // that no input makes the conversion undefined.
    const double Tag = std::floor(AZeitpunkt);
    if (!(Tag > -2.0e9)) {
        return -2000000000;
    }
    return Tag < 2.0e9 ? static_cast<TTag>(Tag) : 2000000000;
}

namespace {

// AWert padded with zeros to AStellen characters, a minus sign counted among them ("%0*d"). Without
// printf: the views format a few numbers for each of tens of thousands of lines.
std::string Zahl(int AWert, int AStellen) {
    char Puffer[16];
    const char* Ende = std::to_chars(Puffer, Puffer + sizeof Puffer, AWert).ptr;
    const std::string_view Ziffern(Puffer, static_cast<size_t>(Ende - Puffer));
    const bool Negativ = AWert < 0;
    std::string Text(Negativ ? "-" : "");
    if (AStellen > static_cast<int>(Ziffern.size())) {
        Text.append(static_cast<size_t>(AStellen) - Ziffern.size(), '0');
    }
    Text.append(Ziffern.substr(Negativ ? 1 : 0));
    return Text;
}

struct TZeitTeile {
    TJMT Datum;
    int Wochentag = 0;
    TUhrzeit Zeit;
};

TZeitTeile Zerlege(TDateTime AZeitpunkt) {
    TZeitTeile t;
    const TTag Tag = TagVon(AZeitpunkt);
    t.Datum = DecodeDate(Tag);
    t.Wochentag = Wochentag(Tag);
    t.Zeit = UhrzeitVon(AZeitpunkt);
    return t;
}

size_t Lauf(std::string_view s, size_t i) {
    size_t n = 1;
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
    while (i + n < s.size() && std::tolower(static_cast<unsigned char>(s[i + n])) == c) {
        ++n;
    }
    return n;
}

} // namespace

std::string FormatDateTime(std::string_view AMuster, TDateTime AZeitpunkt) {
    const TZeitTeile t = Zerlege(AZeitpunkt);
    std::string Ergebnis;
    bool NachStunde = false;
    size_t i = 0;
    while (i < AMuster.size()) {
        const char c = AMuster[i];
        if (c == '"' || c == '\'') {
            const size_t Ende = AMuster.find(c, i + 1);
            const size_t Stop = Ende == std::string_view::npos ? AMuster.size() : Ende;
            Ergebnis.append(AMuster.substr(i + 1, Stop - i - 1));
            i = Stop == AMuster.size() ? Stop : Stop + 1;
            continue;
        }
        const size_t n = Lauf(AMuster, i);
        switch (std::tolower(static_cast<unsigned char>(c))) {
        case 'd':
            if (n == 1 || n == 2) {
                Ergebnis += Zahl(t.Datum.Tag, static_cast<int>(n));
            } else if (n == 3) {
                Ergebnis += KurzeTagesnamen[t.Wochentag];
            } else {
                Ergebnis += LangeTagesnamen[t.Wochentag];
            }
            break;
        case 'm':
            if (NachStunde && n <= 2) {
                Ergebnis += Zahl(t.Zeit.Minute, static_cast<int>(n));
            } else if (n <= 2) {
                Ergebnis += Zahl(t.Datum.Monat, static_cast<int>(n));
            } else if (n == 3) {
                Ergebnis += KurzeMonatsnamen[t.Datum.Monat - 1];
            } else {
                Ergebnis += LangeMonatsnamen[t.Datum.Monat - 1];
            }
            break;
        case 'y':
            Ergebnis += n <= 2 ? Zahl(t.Datum.Jahr % 100, 2) : Zahl(t.Datum.Jahr, 4);
            break;
        case 'h':
            Ergebnis += Zahl(t.Zeit.Stunde, n >= 2 ? 2 : 1);
            break;
        case 'n':
            Ergebnis += Zahl(t.Zeit.Minute, n >= 2 ? 2 : 1);
            break;
        case 's':
            Ergebnis += Zahl(t.Zeit.Sekunde, n >= 2 ? 2 : 1);
            break;
        default:
            Ergebnis.append(AMuster.substr(i, n));
            break;
        }
        const char k = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (k == 'h') {
            NachStunde = true;
        } else if (k != ' ' && k != ':') {
            NachStunde = false;
        }
        i += n;
    }
    return Ergebnis;
}

std::string DatumText(TTag ATag) {
    const TJMT d = DecodeDate(ATag);
    std::string Text = Zahl(d.Tag, 2);
    Text.append(".").append(Zahl(d.Monat, 2)).append(".").append(Zahl(d.Jahr, 4));
    return Text;
}

bool DatumLesen(std::string_view AText, TTag& ADatum) {
    if (AText.size() != 10 || AText[2] != '.' || AText[5] != '.') {
        return false;
    }
    int Ziffern[10] = {};
    for (size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (AText[i] < '0' || AText[i] > '9') {
            return false;
        }
        Ziffern[i] = AText[i] - '0';
    }
    const int Tag = Ziffern[0] * 10 + Ziffern[1];
    const int Monat = Ziffern[3] * 10 + Ziffern[4];
    const int Jahr = ((Ziffern[6] * 10 + Ziffern[7]) * 10 + Ziffern[8]) * 10 + Ziffern[9];
    if (!IstGueltigesDatum(Jahr, Monat, Tag)) {
        return false;
    }
    ADatum = EncodeDate(Jahr, Monat, Tag);
    return true;
}
