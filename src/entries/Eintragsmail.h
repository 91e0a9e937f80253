#pragma once

// The "mailto:" link that hands an entry to the user's mail program: its short text (with the
// counter of the day record when the entry counts) as the subject, the beginning of its long
// text as the body, no recipient. Where the desktop's xdg-email runs, the entry's iCalendar file
// goes with it as an attachment, so that the recipient's calendar can take the appointment over.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TProgrammStart;
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

// The longest wait for xdg-email, in milliseconds. A mail program that was not running may keep
// it until its compose window closes; by then the mail is under way.
constexpr std::int32_t MailProgrammWarten = 3000;

// The parameters of xdg-email for the entry's mail with the file AAnhang attached: the file
// (quoted, it may hold blanks) and the link, which holds neither blanks nor quotes.
std::string MailAnhangParameter(const TTagClass& ATagClass, const std::string& AAnhang);

// Hands the entry to the mail program: with AAnhang attached through xdg-email when a file is
// given; the link alone, as without one, when xdg-email is missing or reports failure. One that
// is still running after MailProgrammWarten has started the mail.
void EintragMailen(TProgrammStart& AStart, const TTagClass& ATagClass, const std::string& AAnhang);
