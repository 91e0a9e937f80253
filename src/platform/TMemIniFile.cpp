#include "platform/TMemIniFile.h"

#include <charconv>

#include "files/DateiSicherErsetzen.h"
#include "model/Textvergleich.h"

namespace {

constexpr std::string_view MarkeUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view Leerraum = " \t\r\n\v\f";

std::string_view Trimmen(std::string_view AText) {
    const std::size_t Anfang = AText.find_first_not_of(Leerraum);
    if (Anfang == std::string_view::npos)
        return {};
    return AText.substr(Anfang, AText.find_last_not_of(Leerraum) - Anfang + 1);
}

std::string OhneZeilenumbrueche(std::string_view AText) {
    std::string s(AText);
    for (char& c : s)
        if (c == '\r' || c == '\n')
            c = ' ';
    return s;
}

// A number in AText with base ABasis, the whole text used; digits only.
template <typename T> bool ZahlLesen(std::string_view AText, int ABasis, T& AWert) {
    if (AText.empty() || AText.front() == '-' || AText.front() == '+')
        return false;
    const auto [Ende, Fehler] = std::from_chars(AText.data(), AText.data() + AText.size(), AWert, ABasis);
    return Fehler == std::errc() && Ende == AText.data() + AText.size();
}

bool GanzzahlLesen(std::string_view AText, std::int32_t& AWert) {
    if (AText.starts_with('$') || AText.starts_with("0x") || AText.starts_with("0X")) {
        std::uint32_t Hex = 0;
        if (!ZahlLesen(AText.substr(AText.front() == '$' ? 1 : 2), 16, Hex))
            return false;
        AWert = static_cast<std::int32_t>(Hex);
        return true;
    }
    const bool Negativ = AText.starts_with('-');
    if (Negativ || AText.starts_with('+'))
        AText.remove_prefix(1);
    std::int64_t Betrag = 0;
    if (AText.size() > 11 || !ZahlLesen(AText, 10, Betrag))
        return false;
    const std::int64_t Wert = Negativ ? -Betrag : Betrag;
    if (Wert < INT32_MIN || Wert > INT32_MAX)
        return false;
    AWert = static_cast<std::int32_t>(Wert);
    return true;
}

} // namespace

TMemIniFile::TMemIniFile(std::string AFileName, TDateisystem& ADateisystem)
    : FFileName(std::move(AFileName)), FDateisystem(&ADateisystem) {}

void TMemIniFile::LoadFromFile() {
    if (!FDateisystem->Existiert(FFileName)) {
        FSections.clear();
        return;
    }
    SetText(FDateisystem->LiesDatei(FFileName));
}

void TMemIniFile::UpdateFile() const {
    DateiSicherErsetzen(FFileName, GetText(), *FDateisystem);
}

bool TMemIniFile::SectionExists(std::string_view ASection) const {
    return FindeSection(ASection) != nullptr;
}

bool TMemIniFile::ValueExists(std::string_view ASection, std::string_view AKey) const {
    return FindeEintrag(ASection, AKey) != nullptr;
}

std::string TMemIniFile::ReadString(std::string_view ASection, std::string_view AKey,
                                    std::string_view ADefault) const {
    const TEintrag* Eintrag = FindeEintrag(ASection, AKey);
    return std::string(Eintrag ? Eintrag->Value : ADefault);
}

std::int32_t TMemIniFile::ReadInteger(std::string_view ASection, std::string_view AKey,
                                      std::int32_t ADefault) const {
    const TEintrag* Eintrag = FindeEintrag(ASection, AKey);
    std::int32_t Wert = ADefault;
    return Eintrag && GanzzahlLesen(Eintrag->Value, Wert) ? Wert : ADefault;
}

bool TMemIniFile::ReadBool(std::string_view ASection, std::string_view AKey, bool ADefault) const {
    return ReadInteger(ASection, AKey, ADefault ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(std::string_view ASection, std::string_view AKey, std::string_view AValue) {
    TSection& Section = SectionFuerSchreiben(ASection);
    // Blanks around a value do not survive reading, so they are not written either.
    std::string Wert = std::string(Trimmen(OhneZeilenumbrueche(AValue)));
    if (TEintrag* Eintrag = FindeEintrag(Section, AKey)) {
        Eintrag->Value = std::move(Wert);
        return;
    }
    Hinzufuegen(Section, std::string(Trimmen(OhneZeilenumbrueche(AKey))), std::move(Wert));
}

void TMemIniFile::WriteInteger(std::string_view ASection, std::string_view AKey, std::int32_t AValue) {
    WriteString(ASection, AKey, std::to_string(AValue));
}

void TMemIniFile::WriteBool(std::string_view ASection, std::string_view AKey, bool AValue) {
    WriteString(ASection, AKey, AValue ? "1" : "0");
}

void TMemIniFile::DeleteKey(std::string_view ASection, std::string_view AKey) {
    const auto Section = FSectionIndex.find(Kleinbuchstaben(ASection));
    if (Section == FSectionIndex.end()) {
        return;
    }
    TSection& s = FSections[Section->second];
    const auto Eintrag = s.Index.find(Kleinbuchstaben(AKey));
    if (Eintrag == s.Index.end()) {
        return;
    }
    s.Eintraege.erase(s.Eintraege.begin() + static_cast<std::ptrdiff_t>(Eintrag->second));
    s.Index.clear();
    for (std::size_t i = 0; i < s.Eintraege.size(); ++i) {
        s.Index.emplace(Kleinbuchstaben(s.Eintraege[i].Key), i);
    }
}

void TMemIniFile::AddSection(std::string_view ASection) {
    SectionFuerSchreiben(ASection);
}

std::string TMemIniFile::GetText() const {
    std::string Text;
    for (const TSection& Section : FSections) {
        Text += "[" + Section.Name + "]\n";
        for (const TEintrag& Eintrag : Section.Eintraege)
            Text += Eintrag.Key + "=" + Eintrag.Value + "\n";
        Text += "\n";
    }
    return Text;
}

void TMemIniFile::SetText(std::string_view AText) {
    FSections.clear();
    FSectionIndex.clear();
    if (AText.starts_with(MarkeUtf8))
        AText.remove_prefix(MarkeUtf8.size());
    TSection* Aktuell = nullptr;
    while (!AText.empty()) {
        const std::size_t Ende = AText.find('\n');
        const std::string_view Zeile = Trimmen(AText.substr(0, Ende));
        AText.remove_prefix(Ende == std::string_view::npos ? AText.size() : Ende + 1);
        if (Zeile.empty() || Zeile.front() == ';')
            continue;
        if (Zeile.front() == '[' && Zeile.back() == ']' && Zeile.size() >= 2) {
            Aktuell = &SectionFuerSchreiben(Trimmen(Zeile.substr(1, Zeile.size() - 2)));
            continue;
        }
        const std::size_t Gleich = Zeile.find('=');
        if (Aktuell == nullptr || Gleich == std::string_view::npos)
            continue;
        const std::string_view Key = Trimmen(Zeile.substr(0, Gleich));
        // The first of two equal keys counts, as when reading.
        if (!Key.empty() && FindeEintrag(*Aktuell, Key) == nullptr)
            Hinzufuegen(*Aktuell, std::string(Key), std::string(Trimmen(Zeile.substr(Gleich + 1))));
    }
}

const TMemIniFile::TSection* TMemIniFile::FindeSection(std::string_view ASection) const {
    const auto Section = FSectionIndex.find(Kleinbuchstaben(ASection));
    return Section == FSectionIndex.end() ? nullptr : &FSections[Section->second];
}

TMemIniFile::TSection& TMemIniFile::SectionFuerSchreiben(std::string_view ASection) {
    const auto [Section, Neu] = FSectionIndex.emplace(Kleinbuchstaben(ASection), FSections.size());
    if (Neu) {
        FSections.push_back({std::string(ASection), {}, {}});
    }
    return FSections[Section->second];
}

const TMemIniFile::TEintrag* TMemIniFile::FindeEintrag(std::string_view ASection,
                                                       std::string_view AKey) const {
    const TSection* Section = FindeSection(ASection);
    if (Section == nullptr)
        return nullptr;
    const auto Eintrag = Section->Index.find(Kleinbuchstaben(AKey));
    return Eintrag == Section->Index.end() ? nullptr : &Section->Eintraege[Eintrag->second];
}

TMemIniFile::TEintrag* TMemIniFile::FindeEintrag(TSection& ASection, std::string_view AKey) {
    const auto Eintrag = ASection.Index.find(Kleinbuchstaben(AKey));
    return Eintrag == ASection.Index.end() ? nullptr : &ASection.Eintraege[Eintrag->second];
}

void TMemIniFile::Hinzufuegen(TSection& ASection, std::string AKey, std::string AValue) {
    ASection.Index.emplace(Kleinbuchstaben(AKey), ASection.Eintraege.size());
    ASection.Eintraege.push_back({std::move(AKey), std::move(AValue)});
}
