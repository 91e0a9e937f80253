#pragma once

// What a command of the main window leaves for the moment it is done: the day list's line to
// select after it refilled the list, and the control to take the focus. A command often chooses
// several in turn (a jump selects the first line, then the one it looks for; it moves the focus to
// the period box and back to the list); each would be told to the screen reader, which would then
// read the wanted one late. So only the last choice of each is carried out, once.

#include <cstdint>
#include <functional>
#include <optional>

class TNachBefehl {
public:
    enum TZiel { zPeriode, zZeilen };

    // How the window carries a choice out and when.
    struct TFenster {
        virtual ~TFenster() = default;
        virtual void ZeileSetzen(std::int32_t ANr) = 0;
        virtual void FokusSetzen(TZiel AZiel) = 0;
        // Runs AAufruf once the command is done, before the next key reaches the window.
        virtual void NachBefehl(std::function<void()> AAufruf) = 0;
        // Runs AAufruf once the toolkit is idle after the command (its layout done).
        virtual void ImLeerlauf(std::function<void()> AAufruf) = 0;
    };

    explicit TNachBefehl(TFenster& AFenster) : FFenster(AFenster) {}
    TNachBefehl(const TNachBefehl&) = delete;
    TNachBefehl& operator=(const TNachBefehl&) = delete;

    // The list has new lines and none selected; lines chosen from now until the command is done
    // are kept here.
    void ZeilenErsetzt();
    // Selects line ANr now, or when the command is done if it refilled the list.
    void ZeileWaehlen(std::int32_t ANr);
    // The line chosen since the list was refilled (-1: none), while the command runs.
    std::optional<std::int32_t> OffeneZeile() const { return FZeile; }
    // AZiel takes the focus once the command is done and the toolkit idle.
    void FokusVormerken(TZiel AZiel);

private:
    void ZeileAusfuehren();
    void FokusAusfuehren();

    TFenster& FFenster;
    std::optional<std::int32_t> FZeile;
    std::optional<TZiel> FFokus;
};
