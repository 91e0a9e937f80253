#pragma once

// Writes a plain text as an RTF document, as a rich-text control saves it: one paragraph per
// line (lines end at CR LF, LF or CR), tabs as \tab, every character outside printable ASCII as
// \uN with the fallback "?", so that no text depends on the reader's code page. Without a font
// the document names none and the reader's default applies.

#include "files/RtfSchrift.h"

#include <optional>
#include <string>
#include <string_view>

std::string RtfDokument(std::string_view AText, const std::optional<TRtfSchrift>& ASchrift);
