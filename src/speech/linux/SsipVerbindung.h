#pragma once

// A connection to speech-dispatcher, spoken to in its line protocol (SSIP). The address is
// libspeechd's default, so SPEECHD_ADDRESS is honoured. The connection is opened at the first
// use and opened again after the server went away. Every exchange has a deadline: a server that
// hangs costs the user interface one short wait, after which the connection is dropped and not
// tried again for a while.

#include <chrono>
#include <string>

#include "speech/linux/SprachVerbindung.h"

class TSsipVerbindung : public TSprachVerbindung {
public:
    using TDauer = std::chrono::milliseconds;

    explicit TSsipVerbindung(TDauer AFrist = TDauer(250), TDauer ARuhezeit = TDauer(2000));
    ~TSsipVerbindung() override;
    TSsipVerbindung(const TSsipVerbindung&) = delete;
    TSsipVerbindung& operator=(const TSsipVerbindung&) = delete;

    bool Sprechen(const std::string& S) override;
    bool Abbrechen() override;

private:
    using TUhrzeit = std::chrono::steady_clock::time_point;
    enum class TErgebnis { Ok, Abgelehnt, Verbindungsfehler };

    // Runs the exchange on the open connection; when the connection failed (the server went
    // away), once more on a fresh one.
    template <typename F> bool Ausfuehren(F AAustausch);
    bool Verbinden(TUhrzeit ABis);
    void Trennen();
    TErgebnis Befehl(const std::string& AZeile, int AErwartet, TUhrzeit ABis);
    bool Senden(const std::string& ADaten, TUhrzeit ABis);
    int AntwortLesen(TUhrzeit ABis);
    bool Warten(short AEreignis, TUhrzeit ABis);

    TDauer FFrist;
    TDauer FRuhezeit;
    int FSocket = -1;
    std::string FPuffer;
    // After a server did not answer in time, no new connection is tried before this moment.
    TUhrzeit FRuheBis{};
};
