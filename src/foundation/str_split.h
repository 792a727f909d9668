// Splitting a text into the parts between delimiters, and joining arrays and
// tables back into text with CSV-style quoting.
//
// Every split function appends to the array it is given and never clears it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/types.h"

// Appends the parts between non-overlapping occurrences of the delimiter
// (k occurrences give k + 1 parts, empty parts kept) and returns the new
// length. An empty text or delimiter appends the whole text as one element
// and returns its index instead.
int32_t Explode(TStrArray& arr, std::string_view delimiter, std::string_view text);
// Explode for a one-byte delimiter; an empty text appends one empty element
// and returns its index.
int32_t ExplodeAtChar(TStrArray& arr, char delimiter, std::string_view text);
// Explode for a two-byte delimiter; other delimiters go to Explode.
int32_t ExplodeAt2Chars(TStrArray& arr, std::string_view delimiter, std::string_view text);
// The strategies Explode picks by size: a single forward pass (used for long
// texts and long delimiters) and the general search from the current position.
// Both take a delimiter of at least one byte and return the new length.
int32_t ExplodePointer(TStrArray& arr, std::string_view delimiter, std::string_view text);
int32_t ExplodeCopyDelete(TStrArray& arr, std::string_view delimiter, std::string_view text);
// Texts of this many bytes or more take the single-pass strategy.
inline constexpr size_t kExplodePointerMinTextBytes = 20000;

// Splits into lines at one kind of break: CR LF when the text holds any,
// else LF, else CR. Returns the new length; a text without a line break
// (or empty) is appended whole and its index is returned.
int32_t ExplodeAtCRLF_CR_LF_LineBreaks(TStrArray& arr, std::string_view text);
// The break ExplodeAtCRLF_CR_LF_LineBreaks splits at; empty for a text without one.
std::string_view LineBreakOfText(std::string_view text);
// Hands visit the lines ExplodeAtCRLF_CR_LF_LineBreaks would append, as views
// into the text, one at a time: a reader that looks at a line and lets it go
// holds no copy of the whole text, however many lines it has.
template <class TVisit>
void ForEachLineAtCRLF_CR_LF_LineBreaks(std::string_view text, TVisit&& visit) {
  const std::string_view lineBreak = LineBreakOfText(text);
  size_t start = 0;
  for (size_t at; !lineBreak.empty() && (at = text.find(lineBreak, start)) != std::string_view::npos;
       start = at + lineBreak.size())
    visit(text.substr(start, at - start));
  visit(text.substr(start));
}
// Splits at every CR LF, LF and CR, so that a text whose lines end in mixed
// kinds loses no line. Appends to the array; a final line break ends the last
// line instead of starting an empty one, and an empty text appends nothing.
void ExplodeAtEveryLineBreak(TStrArray& lines, std::string_view text);
// Splits at every byte in the set; an empty text appends one empty element and
// returns its index.
int32_t ExplodeAtMultipleChars(TStrArray& arr, const TCharSet& chars, std::string_view text);
// Splits like Explode, trims each part and appends the parts that are whole
// numbers; returns how many were appended.
int32_t ExplodeToIntArray(TIntArray& arr, std::string_view delimiter, std::string_view text);

// Splits at the separator outside quotes, dropping opening and closing quotes
// and reducing doubled quotes to one. Returns the index of the last element.
int32_t ExplodeWithQuotes(TStrArray& arr, std::string_view text, std::string_view separator, std::string_view quote);
// The byte variant (one-byte separator and quote) and the string variant.
int32_t ExplodeWithQuotes_C(TStrArray& arr, std::string_view text, char separator, char quote);
int32_t ExplodeWithQuotes_S(TStrArray& arr, std::string_view text, std::string_view separator, std::string_view quote);

// The fields of ExplodeWithQuotes_C one at a time, for a reader that needs only
// some of them or joins them as it goes: a text of many short fields then costs
// no array of strings. The text must outlive the reader.
class TQuotedFieldReader {
 public:
  TQuotedFieldReader(std::string_view text, char separator, char quote)
      : FText(text), FSeparator(separator), FQuote(quote) {}
  // The next field (quotes removed, doubled quotes made single) into field;
  // false when every field was read. An empty text has one empty field.
  bool Next(std::string& field);

 private:
  std::string_view FText;
  char FSeparator;
  char FQuote;
  size_t FPos = 0;
  bool FDone = false;
};

// Lines at the line separator, fields at the field separator, no quoting.
// Returns the index of the table's last row.
int32_t ExplodeTable(TStrArray2D& table, std::string_view text, std::string_view lineSeparator,
                     std::string_view fieldSeparator);

// Joins the elements with the separator, the reverse of Explode.
std::string Implode(const TStrArray& arr, std::string_view separator);
// Joins the elements with the separator. An element is quoted when it holds
// the quote (which is doubled), the separator, a CR or an LF, and an empty
// element when quoteEmpty is set.
std::string ImplodeWithQuotes(const TStrArray& arr, char separator, char quote, bool quoteEmpty);
// Joins each row's cells with the field separator and the rows with the line
// separator; rows without cells leave no trace. A cell is quoted as above and
// also when it holds the line separator.
std::string ImplodeWithQuotes(const TStrArray2D& table, std::string_view lineSeparator, std::string_view fieldSeparator,
                              char quote, bool quoteEmpty);
