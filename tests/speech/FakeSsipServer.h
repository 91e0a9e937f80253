#pragma once

// A stand-in for speech-dispatcher on a Unix socket: it records every line a client sends and
// answers as the real server does, stays silent (a hanging server), or closes the connection
// after each message. One client at a time is enough for the tests.

#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TFakeSsipServer {
public:
    enum class TVerhalten { Antworten, Schweigen, NachNachrichtSchliessen };

    TFakeSsipServer(const std::string& APfad, TVerhalten AVerhalten);
    ~TFakeSsipServer();
    TFakeSsipServer(const TFakeSsipServer&) = delete;
    TFakeSsipServer& operator=(const TFakeSsipServer&) = delete;

    // Closes the socket and every connection and removes the socket file: the server is gone.
    void Stoppen();
    std::vector<std::string> Zeilen() const;
    int Verbindungen() const;

private:
    void Laufen();
    void Bedienen(int AClient);
    bool Gestoppt() const;

    std::string FPfad;
    TVerhalten FVerhalten;
    int FSocket = -1;
    int FStopp[2] = {-1, -1};
    mutable std::mutex FSperre;
    std::vector<std::string> FZeilen;
    int FVerbindungen = 0;
    std::thread FThread;
};
