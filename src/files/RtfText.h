#pragma once

// Reads the plain text out of an RTF document, as a rich-text control shows it.
//
// Groups, formatting and the destinations that hold no document text (font and colour tables,
// style sheet, document information, pictures, objects, headers, footers and every "{\*...}"
// group) are passed over. Paragraph and line breaks become CR LF, \tab a tab; \'hh is a byte of
// code page 1252; \uN is a UTF-16 code unit (a signed 16-bit number) whose \ucN fallback
// characters are skipped. The paragraph mark that ends the document is not part of its text.
// Damaged input (unbalanced braces, cut-off escapes, absurd numbers) never fails: what can be
// read is returned.

#include <string>
#include <string_view>

std::string RtfText(std::string_view ADokument);
