// An entry's mail with its iCalendar file attached through xdg-email, and the way back to the
// plain link when xdg-email is missing or fails.

#include "entries/Eintragsmail.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "model/TTagClass.h"
#include "platform/ProgrammStart.h"
#include "views/ViewsHilfen.h"
#ifndef _WIN32
#include "platform/linux/XdgProgrammStart.h"
#endif

namespace {

// The desktop's program start, answering xdg-email as the system does: it ran (exit code 0),
// could not start (the system's error code), ended with an error code, or is still running after
// the wait (-1). Every call is noted.
class TFakeStart : public TProgrammStart {
public:
    struct TLauf {
        bool Ergebnis;
        std::int64_t Code;
    };
    TLauf Antwort{true, 0};
    std::vector<std::string> Programme, Parameter, Geoeffnet;

    void ShellRun(const std::string& AFile, const std::string&, const std::string&,
                  const std::string&) override {
        Geoeffnet.push_back(AFile);
    }
    bool RunAndWait(const std::string& AFile, std::int64_t& AExitCode, const std::string& AProgram,
                    std::int32_t ATimeoutMs, bool, const std::string&,
                    const std::string& AParameters) override {
        EXPECT_EQ(AFile, "");
        EXPECT_EQ(ATimeoutMs, MailProgrammWarten);
        Programme.push_back(AProgram);
        Parameter.push_back(AParameters);
        AExitCode = Antwort.Code;
        return Antwort.Ergebnis;
    }
    bool OpenTextInEditor(const std::string&, bool) override { return false; }
};

TEST(Eintragsmail, TheAttachmentGoesThroughXdgEmailElseTheLinkAlone) {
    const TDatenClass Arzt = Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}});
    const TTagClass Tag(0, &Arzt);
    const std::string Link = "mailto:?subject=OV%3A+Arzt&body=";
    const std::string Anhang = "/tmp/orvanto mail/Arzt.ics";
    struct TFall {
        const char* Name;
        std::string Anhang;
        TFakeStart::TLauf Antwort;
        bool XdgEmailS; // xdg-email was asked
        bool LinkS;     // the link went to the desktop
    };
    const TFall Faelle[] = {
        {"no attachment", "", {true, 0}, false, true},
        {"xdg-email sent it", Anhang, {true, 0}, true, false},
        {"xdg-email missing", Anhang, {false, ENOENT}, true, true},
        {"xdg-email failed", Anhang, {false, 4}, true, true},
        {"the mail program still open", Anhang, {false, -1}, true, false},
    };
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        TFakeStart Start;
        Start.Antwort = f.Antwort;
        EintragMailen(Start, Tag, f.Anhang);
        EXPECT_EQ(Start.Programme,
                  f.XdgEmailS ? std::vector<std::string>{"xdg-email"} : std::vector<std::string>{});
        if (f.XdgEmailS) {
            EXPECT_EQ(Start.Parameter.at(0), "--attach \"" + Anhang + "\" " + Link);
        }
        EXPECT_EQ(Start.Geoeffnet, f.LinkS ? std::vector<std::string>{Link} : std::vector<std::string>{});
    }
}

#ifndef _WIN32
// The desktop's program start splits the parameters into the file with its blanks and the link.
TEST(Eintragsmail, TheParametersSplitIntoTheFileAndTheLink) {
    TDatenClass e = Eintrag("Kino \"Abends\" & mehr", {{D(8, 1, 2025), D(8, 1, 2025)}});
    e.Langtext = "Karten \"2\" abholen";
    const TTagClass Tag(0, &e);
    EXPECT_EQ(TXdgProgrammStart::ParameterTeilen(MailAnhangParameter(Tag, "/tmp/a b/Kino.ics")),
              (std::vector<std::string>{"--attach", "/tmp/a b/Kino.ics", EintragsMailLink(Tag)}));
}
#endif

} // namespace
