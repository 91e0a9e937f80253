#pragma once

// A stand-in for BRLTTY's BrlAPI server on a loopback TCP port. It greets a client without
// authentication and keeps what decides where the keys of the braille display go: whether the
// client holds the display (tty mode) and which keys it still takes. Entering tty mode takes every
// key, as BRLTTY does; only the client's own ignore calls pass keys on to the screen reader below
// it. Every text written is recorded with whether the client took keys at that moment. One client
// at a time is enough for the tests.

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class TFakeBrlapiServer {
public:
    // Antworten: as BRLTTY. IgnorierenAblehnen: refuses every ignore call with an error packet.
    // ErsteVerbindungSchliessen: closes the first connection after its first text, as a BRLTTY
    // that goes away while a message is shown, and serves the later ones as BRLTTY.
    enum class TVerhalten { Antworten, IgnorierenAblehnen, ErsteVerbindungSchliessen };

    struct TAnzeige {
        std::string Text;
        bool TastenGenommen;
    };

    explicit TFakeBrlapiServer(TVerhalten AVerhalten = TVerhalten::Antworten);
    ~TFakeBrlapiServer();
    TFakeBrlapiServer(const TFakeBrlapiServer&) = delete;
    TFakeBrlapiServer& operator=(const TFakeBrlapiServer&) = delete;

    // The value of BRLAPI_HOST that reaches this server.
    std::string Host() const;
    std::vector<TAnzeige> Anzeigen() const;
    // True while a connected client is in tty mode.
    bool HaeltAnzeige() const;
    // Waits at most ADauer until ABedingung holds; false when it never did.
    bool Warten(const std::function<bool()>& ABedingung,
                std::chrono::milliseconds ADauer = std::chrono::seconds(5)) const;

private:
    using TBereich = std::pair<std::uint64_t, std::uint64_t>;

    void Laufen();
    void Bedienen(int AClient);
    bool Antworten(int AClient, std::uint32_t ATyp, const std::string& AInhalt);
    void Ignorieren(const std::string& AInhalt);
    void Schreiben(const std::string& AInhalt);
    void Verlassen();

    TVerhalten FVerhalten;
    int FSocket = -1;
    int FPortNr = 0;
    int FVerbindungen = 0;
    int FStopp[2] = {-1, -1};
    mutable std::mutex FSperre;
    bool FTtyModus = false;
    // The keys the client takes while in tty mode, as closed ranges.
    std::vector<TBereich> FGenommen;
    std::vector<TAnzeige> FAnzeigen;
    std::thread FThread;
};
