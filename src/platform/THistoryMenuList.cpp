#include "platform/THistoryMenuList.h"

#include "files/Utf8.h"

namespace {

// The part after the last folder separator.
std::string DateinamenTeil(const std::string& APfad) {
    const std::u8string Name = PfadAusUtf8(APfad).filename().u8string();
    return std::string(Name.begin(), Name.end());
}

std::string AmpersandsVerdoppeln(const std::string& AText) {
    std::string s;
    for (const char c : AText) {
        s += c;
        if (c == '&')
            s += '&';
    }
    return s;
}

} // namespace

std::optional<THistoryMenuItem> THistoryMenuList::GetMenuItem(int AIndex) const {
    if (AIndex < 0 || AIndex >= Count())
        return std::nullopt;
    std::string Text = (*this)[AIndex];
    if (!FShowFullPath) {
        std::string Name = DateinamenTeil(Text);
        if (!Name.empty())
            Text = std::move(Name);
    }
    if (FEscapeAmpersand)
        Text = AmpersandsVerdoppeln(Text);
    return THistoryMenuItem{"&" + std::to_string(AIndex + 1) + " " + Text, AIndex};
}

std::optional<std::string> THistoryMenuList::FileNameOfTag(int ATag) const {
    if (ATag < 0 || ATag >= Count())
        return std::nullopt;
    return (*this)[ATag];
}
