// Crash-safe replacing of a file.

#include "files/DateiSicherErsetzen.h"

#include "files/Utf8.h"

#include <cctype>
#include <filesystem>
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

// Keeps a file held for as long as a save runs.
class THalt {
public:
    THalt(TDateisystem& ADateisystem, const std::string& APfad)
        : FDateisystem(ADateisystem), FHandle(ADateisystem.Festhalten(APfad)) {}
    THalt(const THalt&) = delete;
    THalt& operator=(const THalt&) = delete;
    ~THalt() {
        if (FHandle >= 0) {
            FDateisystem.Loslassen(FHandle);
        }
    }

private:
    TDateisystem& FDateisystem;
    int FHandle;
};

bool IstGuid(std::string_view AText) {
    if (AText.size() != 38 || AText.front() != '{' || AText.back() != '}') {
        return false;
    }
    for (std::size_t i = 1; i < 37; ++i) {
        const char c = AText[i];
        const bool Strich = i == 9 || i == 14 || i == 19 || i == 24;
        if (Strich ? c != '-' : !std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// The temporary file or the old file's second name of a save of the file named AZielname: the
// name, ".", a GUID in braces, ".tmp" or ".alt".
bool IstRest(std::string_view AName, std::string_view AZielname) {
    if (AName.size() != AZielname.size() + 43 || !AName.starts_with(AZielname) ||
        AName[AZielname.size()] != '.') {
        return false;
    }
    const std::string_view Endung = AName.substr(AName.size() - 4);
    return IstGuid(AName.substr(AZielname.size() + 1, 38)) && (Endung == ".tmp" || Endung == ".alt");
}

// Removes what killed saves of AZiel left beside it, as large as the file each; what a running
// save holds stays.
void ResteEntfernen(TDateisystem& ADateisystem, const std::string& AZiel) {
    const std::filesystem::path Ziel = PfadAusUtf8(AZiel);
    const std::filesystem::path Ordner = Ziel.has_parent_path() ? Ziel.parent_path() : ".";
    const std::string Name = PfadAlsUtf8(Ziel.filename());
    for (const std::string& Eintrag : ADateisystem.Ordnerinhalt(PfadAlsUtf8(Ordner))) {
        if (IstRest(Eintrag, Name)) {
            ADateisystem.EntferneWennFrei(PfadAlsUtf8(Ordner / PfadAusUtf8(Eintrag)));
        }
    }
}

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
    // Held only now: until the rename the second name is the target itself, whose writers' locks
    // the rename checks, and on a network file system a hold would count as such a lock. A
    // second name lost meanwhile only costs the way back after a failed folder flush.
    const THalt AltHalten(ADateisystem, Alt);
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
    ResteEntfernen(ADateisystem, Ziel);
    const std::string Temporaer = Ziel + "." + NeueGuid() + ".tmp";
    const int Handle = ADateisystem.ErzeugeNeu(Temporaer);
    // Should a save of the same file in another process remove the new file in the instant before
    // it is held, the rename below fails and the target stays as it was.
    const THalt Halten(ADateisystem, Temporaer);
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
