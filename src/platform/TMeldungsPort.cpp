#include "platform/TMeldungsPort.h"

namespace {
TMeldungsPort* AktiverPort = nullptr;
}

TMeldungsPort* TMeldungsPort::Aktiv() {
    return AktiverPort;
}

void TMeldungsPort::Setze(TMeldungsPort* APort) {
    AktiverPort = APort;
}

TMeldungsAntwort Frage(TMeldungsArt AArt, const std::string& AText, TMeldungsKnoepfe AKnoepfe) {
    TMeldungsPort* Port = TMeldungsPort::Aktiv();
    return Port ? Port->Zeige(AArt, AText, AKnoepfe) : maAbbrechen;
}

std::vector<TMeldungsAntwort> KnopfAntworten(TMeldungsKnoepfe AKnoepfe) {
    switch (AKnoepfe) {
    case mkOK:
        return {maOK};
    case mkJaNein:
        return {maJa, maNein};
    case mkJaNeinAbbrechen:
        return {maJa, maNein, maAbbrechen};
    case mkJaNeinAlle:
        return {maJa, maNein, maAlle};
    case mkJaNeinAbbrechenAlle:
        return {maJa, maNein, maAbbrechen, maAlle};
    }
    return {maOK};
}

TMeldungsAntwort EscapeAntwort(TMeldungsKnoepfe AKnoepfe) {
    switch (AKnoepfe) {
    case mkOK:
        return maOK;
    case mkJaNein:
    case mkJaNeinAlle:
        return maNein;
    case mkJaNeinAbbrechen:
    case mkJaNeinAbbrechenAlle:
        return maAbbrechen;
    }
    return maAbbrechen;
}
