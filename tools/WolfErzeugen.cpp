// Build step: synthesises "Wolf.wav", the sound of full-moon days. The howl is made here from
// sine tones and nothing else, so the program ships no recording of anyone's.
//   wolf_erzeugen ZIELDATEI
//
// A howl is a nearly pure tone that rises, holds with a slow vibrato and sinks: the pitch glides
// from 280 Hz up to 560 to 600 Hz and down to 380 Hz, with a few weak overtones, over three
// seconds of 16-bit mono PCM at 22050 Hz.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int Abtastrate = 22050;
constexpr double Dauer = 3.0;  // seconds
constexpr double Spitze = 0.7; // of full scale, so the overtones never clip
constexpr double Obertoene[] = {1.0, 0.35, 0.12, 0.05};

// 0 at A, 1 at B, a smooth S-curve between.
double Uebergang(double t, double A, double B) {
    const double x = std::clamp((t - A) / (B - A), 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

double Tonhoehe(double t) {
    const double Anstieg = 280 + 280 * Uebergang(t, 0.0, 0.6);
    const double Halten = 40 * Uebergang(t, 0.6, 2.0);
    const double Fallen = -220 * Uebergang(t, 2.0, 3.0);
    const double Vibrato = 1 + 0.02 * Uebergang(t, 0.6, 1.2) * std::sin(2 * std::numbers::pi * 5.5 * t);
    return (Anstieg + Halten + Fallen) * Vibrato;
}

double Lautstaerke(double t) {
    return Uebergang(t, 0.0, 0.35) * (1 - Uebergang(t, Dauer - 0.8, Dauer));
}

std::vector<std::int16_t> Geheul() {
    const int n = static_cast<int>(Dauer * Abtastrate);
    std::vector<double> Welle(n);
    double Phase = 0;
    double Groesste = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / Abtastrate;
        Phase += 2 * std::numbers::pi * Tonhoehe(t) / Abtastrate;
        double Wert = 0;
        for (std::size_t k = 0; k < std::size(Obertoene); ++k) {
            Wert += Obertoene[k] * std::sin(static_cast<double>(k + 1) * Phase);
        }
        Welle[i] = Wert * Lautstaerke(t);
        Groesste = std::max(Groesste, std::abs(Welle[i]));
    }
    std::vector<std::int16_t> Proben(n);
    for (int i = 0; i < n; ++i) {
        Proben[i] = static_cast<std::int16_t>(std::lround(Welle[i] / Groesste * Spitze * 32767));
    }
    return Proben;
}

void Zahl(std::string& AZiel, std::uint32_t AWert, int ABytes) {
    for (int i = 0; i < ABytes; ++i) {
        AZiel.push_back(static_cast<char>((AWert >> (8 * i)) & 0xFF));
    }
}

// A RIFF WAVE file: the "fmt " chunk for mono 16-bit PCM, then the "data" chunk.
std::string WaveDatei(const std::vector<std::int16_t>& AProben) {
    const std::uint32_t Daten = static_cast<std::uint32_t>(AProben.size() * 2);
    std::string s = "RIFF";
    Zahl(s, 36 + Daten, 4);
    s += "WAVEfmt ";
    Zahl(s, 16, 4);             // chunk size
    Zahl(s, 1, 2);              // PCM
    Zahl(s, 1, 2);              // channels
    Zahl(s, Abtastrate, 4);     // samples per second
    Zahl(s, Abtastrate * 2, 4); // bytes per second
    Zahl(s, 2, 2);              // bytes per sample frame
    Zahl(s, 16, 2);             // bits per sample
    s += "data";
    Zahl(s, Daten, 4);
    for (const std::int16_t p : AProben) {
        Zahl(s, static_cast<std::uint16_t>(p), 2);
    }
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Aufruf: wolf_erzeugen ZIELDATEI\n";
        return 2;
    }
    std::ofstream Datei(argv[1], std::ios::binary | std::ios::trunc);
    Datei << WaveDatei(Geheul());
    Datei.close();
    if (!Datei) {
        std::cerr << argv[1] << ": konnte nicht geschrieben werden.\n";
        return 1;
    }
    return 0;
}
