#include "entries/Eintragsmail.h"

#include <cstdio>

#include "files/Utf8.h"
#include "model/TDatenClass.h"
#include "model/TTagClass.h"
#include "model/Textvergleich.h"
#include "platform/ProgrammStart.h"

namespace {

// Parentheses are encoded as well: the counter "(7)" of a subject has always been sent as
// "%287%29".
bool BleibtStehen(unsigned char c) {
    const bool Buchstabe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool Ziffer = c >= '0' && c <= '9';
    return Buchstabe || Ziffer ||
           std::string_view("@!$'*-._").find(static_cast<char>(c)) != std::string_view::npos;
}

// The first AAnzahl characters; an invalid byte sequence counts as one character and becomes
// U+FFFD, so the link is always valid UTF-8 when decoded.
std::string ErsteZeichen(std::string_view AText, std::size_t AAnzahl) {
    const std::u32string Zeichen = Utf8ZuCodepunkten(AText);
    std::string Ergebnis;
    for (std::size_t i = 0; i < Zeichen.size() && i < AAnzahl; ++i) {
        AppendUtf8(Ergebnis, Zeichen[i]);
    }
    return Ergebnis;
}

} // namespace

std::string UrlKodieren(std::string_view AText) {
    std::string Ergebnis;
    Ergebnis.reserve(AText.size() * 3);
    for (const char Zeichen : AText) {
        const auto c = static_cast<unsigned char>(Zeichen);
        if (BleibtStehen(c)) {
            Ergebnis += Zeichen;
        } else if (c == ' ') {
            Ergebnis += '+';
        } else {
            char Hex[4];
            std::snprintf(Hex, sizeof Hex, "%%%02X", c);
            Ergebnis += Hex;
        }
    }
    return Ergebnis;
}

std::string MailBetreffText(const TTagClass& ATagClass) {
    const TDatenClass& Eintrag = *ATagClass.DatenClass;
    if (!Eintrag.CounterS) {
        return Eintrag.Kurztext;
    }
    return Eintrag.Kurztext + " (" +
           std::to_string(static_cast<long long>(ATagClass.DatumNr) + Eintrag.CounterStart) + ")";
}

std::string EintragsMailLink(const TTagClass& ATagClass) {
    const std::string Betreff = "OV: " + MailBetreffText(ATagClass);
    const std::string Text = ErsteZeichen(ATagClass.DatenClass->Langtext, MailTextLaenge);
    return "mailto:?subject=" + UrlKodieren(Betreff) + "&body=" + UrlKodieren(Text);
}

std::string MailAnhangParameter(const TTagClass& ATagClass, const std::string& AAnhang) {
    return "--attach \"" + AAnhang + "\" " + EintragsMailLink(ATagClass);
}

void EintragMailen(TProgrammStart& AStart, const TTagClass& ATagClass, const std::string& AAnhang) {
    if (!AAnhang.empty()) {
        std::int64_t Code = 0;
        if (AStart.RunAndWait("", Code, "xdg-email", MailProgrammWarten, false, "",
                              MailAnhangParameter(ATagClass, AAnhang)) ||
            Code == -1) {
            return;
        }
    }
    AStart.ShellRun(EintragsMailLink(ATagClass), "", "open", "");
}
