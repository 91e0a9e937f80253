#pragma once

// Reads the text front end's command line:
//   orvanto-text [--heute TT.MM.JJJJ] [--programmordner ORDNER] BEFEHL ARGUMENTE...
// The global options stand before the command; a command's options may stand anywhere after it.

#include <string>
#include <vector>

#include "text/TTextAufruf.h"

// The short usage text printed with every command-line error.
extern const char* const TextAufrufHilfe;
// The line --version prints.
extern const char* const TextVersion;

class TTextArgumente {
public:
    // AArgumente without the program name.
    explicit TTextArgumente(std::vector<std::string> AArgumente);

    // Raises ETextAufrufFehler for an unknown command or option, a missing or surplus argument,
    // or a value that is not a date, number or view of the allowed range.
    TTextAufruf Lesen();

private:
    std::vector<std::string> FArgumente;
    std::size_t FPos = 0;

    bool Ende() const { return FPos >= FArgumente.size(); }
    // The value following option AOption.
    std::string Wert(const std::string& AOption);
    void BefehlLesen(TTextAufruf& AAufruf);
    // The readers of the commands' arguments, ABefehl the command's word.
    void DateiBefehlLesen(TTextAufruf& AAufruf, const std::string& ABefehl);
    void ListeLesen(TTextAufruf& AAufruf, const std::string& ABefehl);
    void InfoLesen(TTextAufruf& AAufruf, const std::string& ABefehl);
    void VorschauLesen(TTextAufruf& AAufruf, const std::string& ABefehl);
    void MondphasenLesen(TTextAufruf& AAufruf, const std::string& ABefehl);
    void FeiertageLesen(TTextAufruf& AAufruf, const std::string& ABefehl);
    void NamenstageLesen(TTextAufruf& AAufruf, const std::string& ABefehl);
    // "--zusatz DATEI"; false for any other option.
    bool ZusatzLesen(TTextAufruf& AAufruf, const std::string& AOption);
    // Reads the rest: options through ALeseOption (false for an option the command lacks), the
    // other words as positional arguments.
    template <typename TLeser> std::vector<std::string> Rest(TLeser ALeseOption);
};

// "TT.MM.JJJJ" within the calendar range, or ETextAufrufFehler.
TTag TextDatumLesen(const std::string& AText);
// A whole number from AVon to ABis written in decimal digits, or ETextAufrufFehler naming AWas.
int TextZahlLesen(const std::string& AText, int AVon, int ABis, const std::string& AWas);
