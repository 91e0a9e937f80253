#include "platform/Systemfehlertext.h"

#include <cerrno>
#include <string>

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
#ifdef EDQUOT // not in the Windows C library
    case EDQUOT:
        return "Das Speicherkontingent auf dem Datenträger ist erschöpft.";
#endif
    case EFBIG:
        return "Die Datei wird größer, als das System für eine Datei erlaubt.";
    case EWOULDBLOCK:
        return "Der Prozess kann nicht auf die Datei zugreifen, da sie von einem anderen Prozess verwendet "
               "wird.";
    case EBUSY:
    case ETXTBSY:
        return "Die Datei oder das Gerät wird gerade verwendet.";
    case EISDIR:
        return "Der angegebene Name ist ein Ordner, keine Datei.";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Ordner.";
    case EEXIST:
        return "Die Datei ist bereits vorhanden.";
    case ENOTEMPTY:
        return "Der Ordner ist nicht leer.";
    case EIO:
        return "Ein-/Ausgabefehler beim Zugriff auf den Datenträger.";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang.";
    case ELOOP:
        return "Die symbolischen Verknüpfungen im Namen bilden eine Schleife.";
    case EMFILE:
    case ENFILE:
        return "Es sind zu viele Dateien geöffnet.";
    case ENOMEM:
        return "Es ist nicht genügend Arbeitsspeicher verfügbar.";
    case EXDEV:
        return "Die Datei kann nicht auf einen anderen Datenträger verschoben werden.";
    case EMLINK:
        return "Die Datei hat zu viele Verknüpfungen.";
    case EINVAL:
    case EOPNOTSUPP:
        return "Der Vorgang wird für diese Datei oder diesen Datenträger nicht unterstützt.";
    case ENXIO:
    case ENODEV:
        return "Das Gerät ist nicht verfügbar.";
    case EOVERFLOW:
        return "Die Datei ist für diesen Vorgang zu groß.";
#ifdef ESTALE // not in the Windows C library
    case ESTALE:
#endif
    case ETIMEDOUT:
    case EHOSTUNREACH:
        return "Der Netzwerkdatenträger ist nicht erreichbar.";
    case EINTR:
        return "Der Vorgang wurde unterbrochen.";
    default:
        // The system's own text is English; the number lets a helper look it up.
        return "Das Betriebssystem meldet einen Fehler (Nummer " + std::to_string(AFehlernummer) + ").";
    }
}
