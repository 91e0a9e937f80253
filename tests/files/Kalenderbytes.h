#pragma once

// Builds calendar file bytes by hand, field by field, for fixtures of every version.

#include <cstdint>
#include <string>

class TKalenderbytes {
public:
    std::string b;

    TKalenderbytes& Byte(std::uint8_t x) {
        b.push_back(static_cast<char>(x));
        return *this;
    }
    TKalenderbytes& Zeichen(char c) { return Byte(static_cast<std::uint8_t>(c)); }
    TKalenderbytes& Int32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        return Byte(u & 0xFF).Byte(u >> 24).Byte((u >> 16) & 0xFF).Byte((u >> 8) & 0xFF);
    }
    // A text given in code page 1252 bytes.
    TKalenderbytes& Text(const std::string& ABytes) {
        Byte(static_cast<std::uint8_t>(ABytes.size() >> 8)).Byte(ABytes.size() & 0xFF);
        b += ABytes;
        return *this;
    }

    struct TKopf {
        std::uint8_t Intervall = 0;
        char Counter = '0';
        std::int32_t CounterStart = 0;
        std::int32_t Ende = 73415;
        char GanzerTag = '0'; // version 1 only
        std::int32_t Id = 0;
        std::string Kurz = "Arzt", Lang, Sound;
        char SoundAn = '0'; // version 3 only
        char Typ = '0';
    };

    TKalenderbytes& Kopf(int AVersion, const TKopf& k, std::int32_t AAnzahl) {
        Byte(k.Intervall).Zeichen(k.Counter).Int32(k.CounterStart).Int32(k.Ende);
        if (AVersion == 1) {
            Zeichen(k.GanzerTag);
        }
        Int32(k.Id).Text(k.Kurz).Text(k.Lang).Text(k.Sound);
        if (AVersion == 3) {
            Zeichen(k.SoundAn);
        }
        return Zeichen(k.Typ).Int32(AAnzahl);
    }

    struct TSatz {
        std::int32_t Tag, Von, Bis;
        std::string Zeit = "09:30";
        char Aktiv = '0', Ganz = '0', Loeschen = '0';
    };

    TKalenderbytes& Satz(int AVersion, const TSatz& s) {
        Int32(s.Tag).Int32(s.Von).Int32(s.Bis).Text(s.Zeit).Zeichen(s.Aktiv);
        if (AVersion >= 2) {
            Zeichen(s.Ganz);
        }
        if (AVersion == 3) {
            Zeichen(s.Loeschen);
        }
        return *this;
    }

    static TKalenderbytes Datei(int AVersion) {
        TKalenderbytes d;
        d.Text("OV_" + std::to_string(AVersion));
        return d;
    }
};
