#include "speech/linux/SsipVerbindung.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <libspeechd.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using TUhr = std::chrono::steady_clock;

// The body of a SPEAK command: lines ended by CR LF, a leading dot doubled so that no line of
// the text can end the message, and the lone dot that does.
std::string Nachrichtentext(const std::string& S) {
    std::string Text;
    std::size_t Anfang = 0;
    while (Anfang <= S.size()) {
        std::size_t Ende = S.find('\n', Anfang);
        if (Ende == std::string::npos)
            Ende = S.size();
        std::string Zeile = S.substr(Anfang, Ende - Anfang);
        if (!Zeile.empty() && Zeile.back() == '\r')
            Zeile.pop_back();
        if (!Zeile.empty() && Zeile.front() == '.')
            Text += '.';
        Text += Zeile + "\r\n";
        Anfang = Ende + 1;
    }
    return Text + ".\r\n";
}

// The client name speech-dispatcher shows in its lists: user, program, component.
std::string ClientName() {
    const char* Benutzer = std::getenv("USER");
    std::string Name = Benutzer && *Benutzer ? Benutzer : "user";
    for (char& c : Name)
        if (c == '"' || c == ' ' || c == '\r' || c == '\n')
            c = '_';
    return "\"" + Name + ":orvanto:main\"";
}

int UnixSocketOeffnen(const char* APfad) {
    sockaddr_un Adresse{};
    Adresse.sun_family = AF_UNIX;
    if (!APfad || std::strlen(APfad) >= sizeof(Adresse.sun_path))
        return -1;
    std::strcpy(Adresse.sun_path, APfad);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    if (connect(fd, reinterpret_cast<sockaddr*>(&Adresse), sizeof(Adresse)) != 0 && errno != EINPROGRESS &&
        errno != EAGAIN) {
        close(fd);
        return -1;
    }
    return fd;
}

int InetSocketOeffnen(const char* AHost, int APort) {
    addrinfo Hinweis{};
    Hinweis.ai_family = AF_UNSPEC;
    Hinweis.ai_socktype = SOCK_STREAM;
    Hinweis.ai_flags = AI_NUMERICSERV;
    addrinfo* Liste = nullptr;
    const std::string Port = std::to_string(APort);
    if (getaddrinfo(AHost ? AHost : "127.0.0.1", Port.c_str(), &Hinweis, &Liste) != 0)
        return -1;
    int fd = -1;
    for (addrinfo* a = Liste; a && fd < 0; a = a->ai_next) {
        fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (fd >= 0 && connect(fd, a->ai_addr, a->ai_addrlen) != 0 && errno != EINPROGRESS) {
            close(fd);
            fd = -1;
        }
    }
    freeaddrinfo(Liste);
    return fd;
}

int ServerSocketOeffnen() {
    char* Fehler = nullptr;
    SPDConnectionAddress* Adresse = spd_get_default_address(&Fehler);
    std::free(Fehler);
    if (!Adresse)
        return -1;
    int fd = -1;
    if (Adresse->method == SPD_METHOD_UNIX_SOCKET)
        fd = UnixSocketOeffnen(Adresse->unix_socket_name);
    else if (Adresse->method == SPD_METHOD_INET_SOCKET)
        fd = InetSocketOeffnen(Adresse->inet_socket_host, Adresse->inet_socket_port);
    SPDConnectionAddress__free(Adresse);
    return fd;
}

} // namespace

TSsipVerbindung::TSsipVerbindung(TDauer AFrist, TDauer ARuhezeit) : FFrist(AFrist), FRuhezeit(ARuhezeit) {}

TSsipVerbindung::~TSsipVerbindung() {
    Trennen();
}

bool TSsipVerbindung::Sprechen(const std::string& S) {
    return Ausfuehren([&](TUhrzeit ABis) {
        const TErgebnis Anfang = Befehl("SPEAK", 230, ABis);
        if (Anfang != TErgebnis::Ok)
            return Anfang;
        if (!Senden(Nachrichtentext(S), ABis))
            return TErgebnis::Verbindungsfehler;
        const int Code = AntwortLesen(ABis);
        if (Code < 0)
            return TErgebnis::Verbindungsfehler;
        return Code == 225 ? TErgebnis::Ok : TErgebnis::Abgelehnt;
    });
}

// Orca speaks as a client of its own; stopping only this program's messages would leave the
// screen reader talking, so every client's speech is cancelled.
bool TSsipVerbindung::Abbrechen() {
    return Ausfuehren([&](TUhrzeit ABis) { return Befehl("CANCEL ALL", 0, ABis); });
}

template <typename F> bool TSsipVerbindung::Ausfuehren(F AAustausch) {
    const TUhrzeit Bis = TUhr::now() + FFrist;
    bool ErneutVersuchen = FSocket >= 0;
    while (true) {
        TErgebnis Ergebnis = TErgebnis::Verbindungsfehler;
        if (Verbinden(Bis))
            Ergebnis = AAustausch(Bis);
        if (Ergebnis != TErgebnis::Verbindungsfehler)
            return Ergebnis == TErgebnis::Ok;
        Trennen();
        if (TUhr::now() >= Bis) {
            FRuheBis = TUhr::now() + FRuhezeit;
            return false;
        }
        // A connection that was open may just have lost its server; a new one may reach the
        // server that replaced it.
        if (!ErneutVersuchen)
            return false;
        ErneutVersuchen = false;
    }
}

bool TSsipVerbindung::Verbinden(TUhrzeit ABis) {
    if (FSocket >= 0)
        return true;
    if (TUhr::now() < FRuheBis)
        return false;
    FSocket = ServerSocketOeffnen();
    if (FSocket < 0)
        return false;
    FPuffer.clear();
    // Orca speaks with priority "message"; with the same priority our texts wait behind what Orca
    // is saying instead of cutting it off ("important" would interrupt it, "text" would be
    // dropped by Orca's next message). The program's texts are German.
    if (!Warten(POLLOUT, ABis) || Befehl("SET SELF CLIENT_NAME " + ClientName(), 0, ABis) != TErgebnis::Ok ||
        Befehl("SET SELF PRIORITY MESSAGE", 0, ABis) != TErgebnis::Ok ||
        Befehl("SET SELF LANGUAGE de", 0, ABis) != TErgebnis::Ok) {
        Trennen();
        return false;
    }
    return true;
}

void TSsipVerbindung::Trennen() {
    if (FSocket >= 0)
        close(FSocket);
    FSocket = -1;
    FPuffer.clear();
}

// Sends one command line and reads its reply. AErwartet is the reply code the command must get,
// or 0 for any success code.
TSsipVerbindung::TErgebnis TSsipVerbindung::Befehl(const std::string& AZeile, int AErwartet, TUhrzeit ABis) {
    if (!Senden(AZeile + "\r\n", ABis))
        return TErgebnis::Verbindungsfehler;
    const int Code = AntwortLesen(ABis);
    if (Code < 0)
        return TErgebnis::Verbindungsfehler;
    const bool Ok = AErwartet ? Code == AErwartet : Code >= 200 && Code < 300;
    return Ok ? TErgebnis::Ok : TErgebnis::Abgelehnt;
}

bool TSsipVerbindung::Senden(const std::string& ADaten, TUhrzeit ABis) {
    std::size_t Gesendet = 0;
    while (Gesendet < ADaten.size()) {
        if (!Warten(POLLOUT, ABis))
            return false;
        const ssize_t n = send(FSocket, ADaten.data() + Gesendet, ADaten.size() - Gesendet, MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (n > 0)
            Gesendet += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads the reply lines ("NNN-..." continued, "NNN ..." final) and returns the final code, or
// -1 when the server closed the connection, broke the protocol or did not answer in time.
int TSsipVerbindung::AntwortLesen(TUhrzeit ABis) {
    while (true) {
        std::size_t Ende;
        while ((Ende = FPuffer.find('\n')) != std::string::npos) {
            const std::string Zeile = FPuffer.substr(0, Ende);
            FPuffer.erase(0, Ende + 1);
            if (Zeile.size() < 4 || Zeile[0] < '0' || Zeile[0] > '9')
                return -1;
            if (Zeile[3] == ' ')
                return std::atoi(Zeile.substr(0, 3).c_str());
        }
        if (!Warten(POLLIN, ABis))
            return -1;
        char Block[1024];
        const ssize_t n = recv(FSocket, Block, sizeof(Block), 0);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
            return -1;
        if (n > 0)
            FPuffer.append(Block, static_cast<std::size_t>(n));
    }
}

bool TSsipVerbindung::Warten(short AEreignis, TUhrzeit ABis) {
    while (true) {
        const auto Rest = std::chrono::ceil<std::chrono::milliseconds>(ABis - TUhr::now()).count();
        if (Rest <= 0)
            return false;
        pollfd p{FSocket, AEreignis, 0};
        const int r = poll(&p, 1, static_cast<int>(Rest));
        if (r > 0)
            return (p.revents & AEreignis) != 0 || (p.revents & (POLLHUP | POLLERR)) != 0;
        if (r < 0 && errno != EINTR)
            return false;
    }
}
