#include "FakeSsipServer.h"

#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

TFakeSsipServer::TFakeSsipServer(const std::string& APfad, TVerhalten AVerhalten)
    : FPfad(APfad), FVerhalten(AVerhalten) {
    sockaddr_un Adresse{};
    Adresse.sun_family = AF_UNIX;
    std::strncpy(Adresse.sun_path, FPfad.c_str(), sizeof(Adresse.sun_path) - 1);
    FSocket = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (FSocket < 0 || bind(FSocket, reinterpret_cast<sockaddr*>(&Adresse), sizeof(Adresse)) != 0 ||
        listen(FSocket, 8) != 0 || pipe(FStopp) != 0)
        throw std::runtime_error("fake server: " + std::string(std::strerror(errno)));
    FThread = std::thread(&TFakeSsipServer::Laufen, this);
}

TFakeSsipServer::~TFakeSsipServer() {
    Stoppen();
}

void TFakeSsipServer::Stoppen() {
    if (!FThread.joinable())
        return;
    const char Byte = 0;
    if (write(FStopp[1], &Byte, 1) != 1)
        std::abort();
    FThread.join();
    close(FSocket);
    close(FStopp[0]);
    close(FStopp[1]);
    unlink(FPfad.c_str());
}

std::vector<std::string> TFakeSsipServer::Zeilen() const {
    std::lock_guard<std::mutex> l(FSperre);
    return FZeilen;
}

int TFakeSsipServer::Verbindungen() const {
    std::lock_guard<std::mutex> l(FSperre);
    return FVerbindungen;
}

bool TFakeSsipServer::Gestoppt() const {
    pollfd p{FStopp[0], POLLIN, 0};
    return poll(&p, 1, 0) > 0;
}

void TFakeSsipServer::Laufen() {
    while (true) {
        pollfd p[2] = {{FSocket, POLLIN, 0}, {FStopp[0], POLLIN, 0}};
        if (poll(p, 2, -1) < 0 || Gestoppt())
            return;
        const int Client = accept(FSocket, nullptr, nullptr);
        if (Client < 0)
            continue;
        {
            std::lock_guard<std::mutex> l(FSperre);
            ++FVerbindungen;
        }
        Bedienen(Client);
        close(Client);
    }
}

void TFakeSsipServer::Bedienen(int AClient) {
    std::string Puffer;
    bool ImText = false;
    const auto Antworten = [&](const std::string& AText) {
        return send(AClient, AText.data(), AText.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(AText.size());
    };
    while (true) {
        pollfd p[2] = {{AClient, POLLIN, 0}, {FStopp[0], POLLIN, 0}};
        if (poll(p, 2, -1) < 0 || Gestoppt())
            return;
        char Block[512];
        const ssize_t n = read(AClient, Block, sizeof(Block));
        if (n <= 0)
            return;
        Puffer.append(Block, static_cast<std::size_t>(n));
        std::size_t Ende;
        while ((Ende = Puffer.find("\r\n")) != std::string::npos) {
            const std::string Zeile = Puffer.substr(0, Ende);
            Puffer.erase(0, Ende + 2);
            {
                std::lock_guard<std::mutex> l(FSperre);
                FZeilen.push_back(Zeile);
            }
            if (FVerhalten == TVerhalten::Schweigen)
                continue;
            bool Ok = true;
            if (ImText) {
                if (Zeile == ".") {
                    ImText = false;
                    Ok = Antworten("225-17\r\n225 OK MESSAGE QUEUED\r\n");
                    if (FVerhalten == TVerhalten::NachNachrichtSchliessen)
                        return;
                }
            } else if (Zeile == "SPEAK") {
                ImText = true;
                Ok = Antworten("230 OK RECEIVING DATA\r\n");
            } else if (Zeile.rfind("SET SELF CLIENT_NAME ", 0) == 0) {
                Ok = Antworten("208 OK CLIENT NAME SET\r\n");
            } else if (Zeile.rfind("SET SELF PRIORITY ", 0) == 0) {
                Ok = Antworten("202 OK PRIORITY SET\r\n");
            } else if (Zeile.rfind("SET SELF LANGUAGE ", 0) == 0) {
                Ok = Antworten("201 OK LANGUAGE SET\r\n");
            } else if (Zeile.rfind("CANCEL ", 0) == 0) {
                Ok = Antworten("210 OK CANCELED\r\n");
            } else {
                Ok = Antworten("300 ERR UNKNOWN COMMAND\r\n");
            }
            if (!Ok)
                return;
        }
    }
}
