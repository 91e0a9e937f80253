#include "FakeBrlapiServer.h"

// clang-format off
#include <brlapi.h>
#include <brlapi_protocol.h>
// clang-format on
#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// BRLAPI_HOST "127.0.0.1:N" means TCP port BRLAPI_SOCKETPORTNUM + N; N is looked for among these.
constexpr int ErsteNr = 1000;
constexpr int AnzahlNr = 2000;

std::uint32_t Zahl(const std::string& AInhalt, std::size_t AStelle) {
    std::uint32_t Wert = 0;
    if (AStelle + sizeof(Wert) <= AInhalt.size())
        std::memcpy(&Wert, AInhalt.data() + AStelle, sizeof(Wert));
    return ntohl(Wert);
}

std::string Zahlen(std::initializer_list<std::uint32_t> AWerte) {
    std::string Daten;
    for (std::uint32_t Wert : AWerte) {
        const std::uint32_t Netz = htonl(Wert);
        Daten.append(reinterpret_cast<const char*>(&Netz), sizeof(Netz));
    }
    return Daten;
}

// The key ranges of an ignore or accept packet: four numbers each, first and last as two halves.
std::vector<std::pair<std::uint64_t, std::uint64_t>> Bereiche(const std::string& AInhalt) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> Ergebnis;
    for (std::size_t i = 0; i + 16 <= AInhalt.size(); i += 16)
        Ergebnis.emplace_back(std::uint64_t(Zahl(AInhalt, i)) << 32 | Zahl(AInhalt, i + 4),
                              std::uint64_t(Zahl(AInhalt, i + 8)) << 32 | Zahl(AInhalt, i + 12));
    return Ergebnis;
}

} // namespace

TFakeBrlapiServer::TFakeBrlapiServer(TVerhalten AVerhalten) : FVerhalten(AVerhalten) {
    FSocket = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (FSocket < 0 || pipe(FStopp) != 0)
        throw std::runtime_error("fake BrlAPI server: " + std::string(std::strerror(errno)));
    for (int i = 0; i < AnzahlNr && FPortNr == 0; ++i) {
        const int Nr = ErsteNr + (getpid() + i) % AnzahlNr;
        sockaddr_in Adresse{};
        Adresse.sin_family = AF_INET;
        Adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        Adresse.sin_port = htons(static_cast<std::uint16_t>(BRLAPI_SOCKETPORTNUM + Nr));
        if (bind(FSocket, reinterpret_cast<sockaddr*>(&Adresse), sizeof(Adresse)) == 0)
            FPortNr = Nr;
    }
    if (FPortNr == 0 || listen(FSocket, 8) != 0)
        throw std::runtime_error("fake BrlAPI server: no free port");
    FThread = std::thread(&TFakeBrlapiServer::Laufen, this);
}

TFakeBrlapiServer::~TFakeBrlapiServer() {
    const char Byte = 0;
    if (write(FStopp[1], &Byte, 1) != 1)
        std::abort();
    FThread.join();
    close(FSocket);
    close(FStopp[0]);
    close(FStopp[1]);
}

std::string TFakeBrlapiServer::Host() const {
    return "127.0.0.1:" + std::to_string(FPortNr);
}

std::vector<TFakeBrlapiServer::TAnzeige> TFakeBrlapiServer::Anzeigen() const {
    std::lock_guard<std::mutex> l(FSperre);
    return FAnzeigen;
}

bool TFakeBrlapiServer::HaeltAnzeige() const {
    std::lock_guard<std::mutex> l(FSperre);
    return FTtyModus;
}

bool TFakeBrlapiServer::Warten(const std::function<bool()>& ABedingung,
                               std::chrono::milliseconds ADauer) const {
    const auto Ende = std::chrono::steady_clock::now() + ADauer;
    while (!ABedingung()) {
        if (std::chrono::steady_clock::now() > Ende)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void TFakeBrlapiServer::Laufen() {
    while (true) {
        pollfd p[2] = {{FSocket, POLLIN, 0}, {FStopp[0], POLLIN, 0}};
        if (poll(p, 2, -1) < 0 || (p[1].revents & POLLIN))
            return;
        const int Client = accept4(FSocket, nullptr, nullptr, SOCK_CLOEXEC);
        if (Client < 0)
            continue;
        ++FVerbindungen;
        Bedienen(Client);
        close(Client);
        Verlassen();
    }
}

void TFakeBrlapiServer::Bedienen(int AClient) {
    // Reads exactly n bytes; false when the client left or the server is stopped.
    const auto Lesen = [&](void* ADaten, std::size_t n) {
        auto* Ziel = static_cast<char*>(ADaten);
        while (n > 0) {
            pollfd p[2] = {{AClient, POLLIN, 0}, {FStopp[0], POLLIN, 0}};
            if (poll(p, 2, -1) < 0 || (p[1].revents & POLLIN))
                return false;
            const ssize_t Gelesen = read(AClient, Ziel, n);
            if (Gelesen <= 0)
                return false;
            Ziel += Gelesen;
            n -= static_cast<std::size_t>(Gelesen);
        }
        return true;
    };
    // Greeting: the server's protocol version, the client's answer, then authentication "none".
    if (!Antworten(AClient, BRLAPI_PACKET_VERSION, Zahlen({BRLAPI_PROTOCOL_VERSION})))
        return;
    bool Begruesst = false;
    while (true) {
        std::uint32_t Kopf[2];
        if (!Lesen(Kopf, sizeof(Kopf)))
            return;
        const std::uint32_t Typ = ntohl(Kopf[1]);
        std::string Inhalt(ntohl(Kopf[0]), '\0');
        if (Inhalt.size() > BRLAPI_MAXPACKETSIZE || !Lesen(Inhalt.data(), Inhalt.size()))
            return;
        bool Ok = true;
        if (!Begruesst) {
            Begruesst = Typ == BRLAPI_PACKET_VERSION;
            Ok = Begruesst && Antworten(AClient, BRLAPI_PACKET_AUTH, Zahlen({BRLAPI_AUTH_NONE}));
        } else if (Typ == BRLAPI_PACKET_GETDISPLAYSIZE) {
            Ok = Antworten(AClient, Typ, Zahlen({40, 1}));
        } else if (Typ == BRLAPI_PACKET_ENTERTTYMODE) {
            {
                std::lock_guard<std::mutex> l(FSperre);
                FTtyModus = true;
                FGenommen = {{0, BRLAPI_KEY_MAX}};
            }
            Ok = Antworten(AClient, BRLAPI_PACKET_ACK, "");
        } else if (Typ == BRLAPI_PACKET_IGNOREKEYRANGES && FVerhalten == TVerhalten::IgnorierenAblehnen) {
            Ok = Antworten(AClient, BRLAPI_PACKET_ERROR,
                           Zahlen({BRLAPI_ERROR_OPNOTSUPP, BRLAPI_PACKET_IGNOREKEYRANGES}));
        } else if (Typ == BRLAPI_PACKET_IGNOREKEYRANGES) {
            Ignorieren(Inhalt);
            Ok = Antworten(AClient, BRLAPI_PACKET_ACK, "");
        } else if (Typ == BRLAPI_PACKET_ACCEPTKEYRANGES) {
            {
                std::lock_guard<std::mutex> l(FSperre);
                for (const TBereich& Bereich : Bereiche(Inhalt))
                    FGenommen.push_back(Bereich);
            }
            Ok = Antworten(AClient, BRLAPI_PACKET_ACK, "");
        } else if (Typ == BRLAPI_PACKET_WRITE) {
            Schreiben(Inhalt);
            if (FVerhalten == TVerhalten::ErsteVerbindungSchliessen && FVerbindungen == 1)
                return;
        } else if (Typ == BRLAPI_PACKET_LEAVETTYMODE) {
            Verlassen();
            Ok = Antworten(AClient, BRLAPI_PACKET_ACK, "");
        } else {
            Ok = Antworten(AClient, BRLAPI_PACKET_ERROR, Zahlen({BRLAPI_ERROR_UNKNOWN_INSTRUCTION, Typ}));
        }
        if (!Ok)
            return;
    }
}

bool TFakeBrlapiServer::Antworten(int AClient, std::uint32_t ATyp, const std::string& AInhalt) {
    const std::string Paket = Zahlen({static_cast<std::uint32_t>(AInhalt.size()), ATyp}) + AInhalt;
    return send(AClient, Paket.data(), Paket.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(Paket.size());
}

void TFakeBrlapiServer::Ignorieren(const std::string& AInhalt) {
    std::lock_guard<std::mutex> l(FSperre);
    for (const auto& [Erste, Letzte] : Bereiche(AInhalt)) {
        std::vector<TBereich> Rest;
        for (const auto& [a, b] : FGenommen) {
            if (b < Erste || a > Letzte) {
                Rest.emplace_back(a, b);
                continue;
            }
            if (a < Erste)
                Rest.emplace_back(a, Erste - 1);
            if (b > Letzte)
                Rest.emplace_back(Letzte + 1, b);
        }
        FGenommen = std::move(Rest);
    }
}

// A write packet: its flags, then the display number, the region and the text, each only when
// its flag is set, in that order.
void TFakeBrlapiServer::Schreiben(const std::string& AInhalt) {
    const std::uint32_t Flags = Zahl(AInhalt, 0);
    std::size_t Stelle = 4;
    if (Flags & BRLAPI_WF_DISPLAYNUMBER)
        Stelle += 4;
    if (Flags & BRLAPI_WF_REGION)
        Stelle += 8;
    std::string Text;
    if (Flags & BRLAPI_WF_TEXT)
        Text = AInhalt.substr(std::min(Stelle + 4, AInhalt.size()), Zahl(AInhalt, Stelle));
    std::lock_guard<std::mutex> l(FSperre);
    FAnzeigen.push_back({Text, FTtyModus && !FGenommen.empty()});
}

void TFakeBrlapiServer::Verlassen() {
    std::lock_guard<std::mutex> l(FSperre);
    FTtyModus = false;
    FGenommen.clear();
}
