// Crash-safe replacing of a file.

#include "files/DateiSicherErsetzen.h"

#include <random>

// Random (version 4).
std::string NeueGuid() {
    std::random_device Zufall;
    unsigned char b[16];
    for (unsigned char& x : b) {
        x = static_cast<unsigned char>(Zufall());
    }
    b[6] = static_cast<unsigned char>((b[6] & 0x0F) | 0x40);
    b[8] = static_cast<unsigned char>((b[8] & 0x3F) | 0x80);
    static const char Hex[] = "0123456789ABCDEF";
    std::string s = "{";
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            s += '-';
        }
        s += Hex[b[i] >> 4];
        s += Hex[b[i] & 0x0F];
    }
    return s + "}";
}

namespace {

// Moves the finished temporary file over the target. The old file keeps a second name until the
// move is durable, so that a failure at any point leaves the target as it was.
void Ersetzen(TDateisystem& ADateisystem, const std::string& ATemporaer, const std::string& AZiel) {
    const std::string Alt = ATemporaer.substr(0, ATemporaer.size() - 4) + ".alt";
    const bool AltBehalten = ADateisystem.Verknuepfe(AZiel, Alt);
    try {
        ADateisystem.Umbenennen(ATemporaer, AZiel);
    } catch (...) {
        ADateisystem.Entferne(ATemporaer);
        ADateisystem.Entferne(Alt);
        throw;
    }
    try {
        ADateisystem.OrdnerSichern(AZiel);
    } catch (...) {
        if (AltBehalten) {
            try {
                ADateisystem.Umbenennen(Alt, AZiel);
            } catch (...) {
                // The new file stays in place; the error below is the one to report.
            }
        }
        ADateisystem.Entferne(Alt);
        throw;
    }
    ADateisystem.Entferne(Alt);
}

} // namespace

void DateiSicherErsetzen(const std::string& AZiel, const std::function<void(const TSchreibziel&)>& AInhalt,
                         TDateisystem& ADateisystem) {
    const std::string Ziel = ADateisystem.Speicherziel(AZiel);
    const std::string Temporaer = Ziel + "." + NeueGuid() + ".tmp";
    const int Handle = ADateisystem.ErzeugeNeu(Temporaer);
    bool Offen = true;
    try {
        AInhalt(
            [&](std::string_view AStueck) { ADateisystem.Schreibe(Handle, AStueck.data(), AStueck.size()); });
        ADateisystem.Sichere(Handle);
        Offen = false;
        ADateisystem.Schliesse(Handle);
    } catch (...) {
        if (Offen) {
            try {
                ADateisystem.Schliesse(Handle);
            } catch (...) {
                // The write already failed; that error is the one to report.
            }
        }
        ADateisystem.Entferne(Temporaer);
        throw;
    }
    Ersetzen(ADateisystem, Temporaer, Ziel);
}

void DateiSicherErsetzen(const std::string& AZiel, std::string_view ABytes, TDateisystem& ADateisystem) {
    DateiSicherErsetzen(
        AZiel, [ABytes](const TSchreibziel& AZiel) { AZiel(ABytes); }, ADateisystem);
}
