#include "speech/linux/BrlapiVerbindung.h"

#include <brlapi.h>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <pthread.h>
#include <thread>

struct TBrlapiVerbindung::TZustand {
    std::mutex Sperre;
    std::condition_variable Signal;
    TDauer Anzeigedauer{};
    std::optional<std::string> Auftrag;
    unsigned long AuftragNr = 0;
    unsigned long ErledigtNr = 0;
    bool Ergebnis = false;
    bool Beenden = false;
    bool Beendet = false;
    bool Gestartet = false;
};

namespace {

// Runs on the braille thread only; owns the BrlAPI handle. A connection exists exactly while a
// message holds the display, and tty mode is entered once per connection: BrlAPI's client
// library allocates a locale each time tty mode is entered and frees only the last one, when the
// connection closes.
class TBrlapiSitzung {
public:
    ~TBrlapiSitzung() { Trennen(); }

    bool Anzeigen(const std::string& S) {
        if (!FVerbunden && !Oeffnen())
            return false;
        brlapi_writeArguments_t Argumente = BRLAPI_WRITEARGUMENTS_INITIALIZER;
        Argumente.regionBegin = 1;
        // Negative: the text fills the display from the left, the rest is blanked.
        Argumente.regionSize = -Zeichenzahl(S);
        Argumente.text = S.c_str();
        Argumente.textSize = static_cast<int>(S.size());
        Argumente.cursor = BRLAPI_CURSOR_OFF;
        Argumente.charset = "UTF-8";
        if (brlapi__write(Handle(), &Argumente) < 0) {
            Trennen();
            return false;
        }
        return true;
    }

    bool ZeigtNachricht() const { return FVerbunden; }

    // Gives the display back to the screen reader. Leaving tty mode first keeps BRLTTY from
    // logging an improper release; closing gives the display back also when leaving failed.
    void Trennen() {
        if (!FVerbunden)
            return;
        FVerbunden = false;
        brlapi__leaveTtyMode(Handle());
        brlapi__closeConnection(Handle());
    }

private:
    static int Zeichenzahl(const std::string& S) {
        int n = 0;
        for (unsigned char c : S)
            n += (c & 0xC0) != 0x80;
        return n;
    }

    brlapi_handle_t* Handle() { return reinterpret_cast<brlapi_handle_t*>(FSpeicher.get()); }

    // Takes the display for a message. Entering tty mode makes this client the one that receives
    // the display's keys; they are all passed on at once, so that the user keeps panning and
    // routing with the screen reader while the message is shown. A server that cannot pass them
    // on gets no message at all.
    bool Oeffnen() {
        FSpeicher.reset(static_cast<unsigned char*>(std::malloc(brlapi_getHandleSize())));
        FVerbunden = FSpeicher && brlapi__openConnection(Handle(), nullptr, nullptr) >= 0;
        if (FVerbunden && (brlapi__enterTtyModeWithPath(Handle(), nullptr, 0, nullptr) < 0 ||
                           brlapi__ignoreAllKeys(Handle()) < 0))
            Trennen();
        return FVerbunden;
    }

    struct TFrei {
        void operator()(unsigned char* p) const { std::free(p); }
    };
    std::unique_ptr<unsigned char, TFrei> FSpeicher;
    bool FVerbunden = false;
};

// BrlAPI sends on its socket without MSG_NOSIGNAL: once BRLTTY has gone away, a send raises
// SIGPIPE, which would end the program. Blocked on this thread, which makes all BrlAPI calls,
// the send fails instead and the connection is dropped.
void BrokenPipeAbschalten() {
    sigset_t Signale;
    sigemptyset(&Signale);
    sigaddset(&Signale, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &Signale, nullptr);
}

void Arbeiten(std::shared_ptr<TBrlapiVerbindung::TZustand> Z) {
    BrokenPipeAbschalten();
    TBrlapiSitzung Sitzung;
    std::unique_lock<std::mutex> Sperre(Z->Sperre);
    while (!Z->Beenden) {
        if (!Z->Auftrag) {
            // A shown message stays for the display time unless a newer one replaces it.
            const bool Neu =
                Sitzung.ZeigtNachricht()
                    ? Z->Signal.wait_for(Sperre, Z->Anzeigedauer,
                                         [&] { return Z->Beenden || Z->Auftrag.has_value(); })
                    : (Z->Signal.wait(Sperre, [&] { return Z->Beenden || Z->Auftrag.has_value(); }), true);
            if (!Neu) {
                Sperre.unlock();
                Sitzung.Trennen();
                Sperre.lock();
            }
            continue;
        }
        const std::string Text = std::move(*Z->Auftrag);
        Z->Auftrag.reset();
        const unsigned long Nr = Z->AuftragNr;
        Sperre.unlock();
        const bool Ok = Sitzung.Anzeigen(Text);
        Sperre.lock();
        Z->ErledigtNr = Nr;
        Z->Ergebnis = Ok;
        Z->Signal.notify_all();
    }
    Sperre.unlock();
    Sitzung.Trennen();
    Sperre.lock();
    Z->Beendet = true;
    Z->Signal.notify_all();
}

} // namespace

TBrlapiVerbindung::TBrlapiVerbindung(TDauer AFrist, TDauer AAnzeigedauer)
    : FFrist(AFrist), FZustand(std::make_shared<TZustand>()) {
    FZustand->Anzeigedauer = AAnzeigedauer;
}

TBrlapiVerbindung::~TBrlapiVerbindung() {
    std::unique_lock<std::mutex> Sperre(FZustand->Sperre);
    if (!FZustand->Gestartet)
        return;
    FZustand->Beenden = true;
    FZustand->Signal.notify_all();
    // A thread stuck in a call to a hanging BRLTTY is left to finish on its own.
    FZustand->Signal.wait_for(Sperre, FFrist, [&] { return FZustand->Beendet; });
}

bool TBrlapiVerbindung::Zeigen(const std::string& S) {
    std::unique_lock<std::mutex> Sperre(FZustand->Sperre);
    if (!FZustand->Gestartet) {
        std::thread(Arbeiten, FZustand).detach();
        FZustand->Gestartet = true;
    }
    // A message still waiting is replaced: only the newest one matters on the display.
    FZustand->Auftrag = S;
    const unsigned long Nr = ++FZustand->AuftragNr;
    FZustand->Signal.notify_all();
    const bool Erledigt =
        FZustand->Signal.wait_for(Sperre, FFrist, [&] { return FZustand->ErledigtNr >= Nr; });
    return Erledigt && FZustand->ErledigtNr == Nr && FZustand->Ergebnis;
}
