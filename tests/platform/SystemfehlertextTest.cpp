#include "platform/Systemfehlertext.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// Every error a file operation can meet reaches the user as a German sentence of our own, never as
// the system's English text.
TEST(SystemfehlertextTest, EveryFileErrorIsAGermanSentence) {
    std::vector<int> Fehler = {ENOENT,       EACCES,     EPERM,  EROFS,   ENOSPC,    EFBIG,     EWOULDBLOCK,
                               EBUSY,        ETXTBSY,    EISDIR, ENOTDIR, EEXIST,    ENOTEMPTY, EIO,
                               ENAMETOOLONG, ELOOP,      EMFILE, ENFILE,  ENOMEM,    EXDEV,     EMLINK,
                               EINVAL,       EOPNOTSUPP, ENXIO,  ENODEV,  EOVERFLOW, ETIMEDOUT, EINTR};
    // Not in the Windows C library.
#ifdef EDQUOT
    Fehler.push_back(EDQUOT);
#endif
#ifdef ESTALE
    Fehler.push_back(ESTALE);
#endif
    for (const int e : Fehler) {
        const std::string Text = Systemfehlertext(e);
        EXPECT_NE(Text, std::strerror(e)) << e;
        EXPECT_TRUE(Text.ends_with(".")) << e;
        EXPECT_EQ(Text.find("Nummer"), std::string::npos) << e << ": " << Text;
    }
    EXPECT_EQ(Systemfehlertext(ELOOP), "Die symbolischen Verknüpfungen im Namen bilden eine Schleife.");
    EXPECT_EQ(Systemfehlertext(EBUSY), "Die Datei oder das Gerät wird gerade verwendet.");
    // Anything else still comes as a German sentence, with the number to look it up.
    EXPECT_EQ(Systemfehlertext(EPROTO),
              "Das Betriebssystem meldet einen Fehler (Nummer " + std::to_string(EPROTO) + ").");
}

} // namespace
