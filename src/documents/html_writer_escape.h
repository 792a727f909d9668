// The one escaping of text written into markup (HTML pages and the XML parts
// of the spreadsheets): the five special characters become entities, and
// bytes that are no valid UTF-8 become blanks, so that the file stays
// readable whatever the text held.
#pragma once

#include <string>
#include <string_view>

// "&" first, then "<", ">", "'" and the double quotation mark; then each byte
// that does not start a well-formed UTF-8 sequence, each control character
// other than tab, line feed and carriage return, and U+FFFE and U+FFFF become
// one blank (XML 1.0 has no way to write those characters). HTML pages get
// "&#39;" for the apostrophe: readers that know only HTML 4 (LibreOffice's
// import among them) show "&apos;" as it stands; and "&#13;" for a carriage
// return, which HTML readers would otherwise turn into a line feed.
std::string MarkupEscape(std::string_view text, bool html = false);
void AppendMarkupEscaped(std::string& out, std::string_view text, bool html = false);
// The same into a buffer of at least MarkupEscapedBound(text.size()) bytes;
// returns the end of what was written. For writers of very large parts.
inline size_t MarkupEscapedBound(size_t size) { return 6 * size; }
char* WriteMarkupEscaped(char* out, std::string_view text, bool html = false);
