#include "platform/Programmordner.h"

#include "files/Utf8.h"
#include "info/Namenstage.h"
#include "platform/Pfadteile.h"

std::vector<std::string> ProgrammordnerKandidaten(const std::string& AProgrammdatei) {
    const std::filesystem::path Ordner = PfadAusUtf8(AProgrammdatei).parent_path();
    return {PfadAlsUtf8(Ordner),
            PfadAlsUtf8((Ordner.parent_path() / "share" / "orvanto").lexically_normal())};
}

std::string ProgrammordnerWaehlen(const std::vector<std::string>& AKandidaten) {
    for (const std::string& Ordner : AKandidaten) {
        if (IstDatei(NamenstageDatei(Ordner))) {
            return Ordner;
        }
    }
    return AKandidaten.empty() ? std::string() : AKandidaten.front();
}
