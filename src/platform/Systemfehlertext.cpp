#include "platform/Systemfehlertext.h"

#include <cerrno>
#include <cstring>

std::string Systemfehlertext(int AFehlernummer) {
    switch (AFehlernummer) {
    case ENOENT:
        return "Die Datei oder der Ordner wurde nicht gefunden.";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert.";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt.";
    case ENOSPC:
        return "Auf dem Datenträger ist nicht genügend Speicherplatz verfügbar.";
    case EFBIG:
        return "Die Datei wird größer, als das System für eine Datei erlaubt.";
    case EDQUOT:
        return "Das Speicherkontingent auf dem Datenträger ist erschöpft.";
    case EWOULDBLOCK:
        return "Der Prozess kann nicht auf die Datei zugreifen, da sie von einem anderen Prozess verwendet "
               "wird.";
    case EISDIR:
        return "Der angegebene Name ist ein Ordner, keine Datei.";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Ordner.";
    case EEXIST:
        return "Die Datei ist bereits vorhanden.";
    case EIO:
        return "Ein-/Ausgabefehler beim Zugriff auf den Datenträger.";
    case ELOOP:
        return "Die symbolischen Verknüpfungen im Namen bilden eine Schleife.";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang.";
    default:
        return std::strerror(AFehlernummer);
    }
}
