#pragma once

// The "mailto:" link that hands an entry to the user's mail program: its short text (with the
// counter of the day record when the entry counts) as the subject, the beginning of its long
// text as the body, no recipient.

#include <cstddef>
#include <string>
#include <string_view>

struct TTagClass;

// The longest body, in characters (code points), taken from the long text.
constexpr std::size_t MailTextLaenge = 400;

// Letters, digits and @ ! $ ' * - . _ stay, a blank becomes "+", every other byte of the UTF-8
// text becomes "%XX".
std::string UrlKodieren(std::string_view AText);

// The short text, or "Kurztext (n)" with n the running number of the day record when the entry
// has a counter.
std::string MailBetreffText(const TTagClass& ATagClass);

// "mailto:?subject=OV%3A+...&body=..." for the entry of ATagClass (which must point at one).
std::string EintragsMailLink(const TTagClass& ATagClass);
