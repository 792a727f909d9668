// Text inside an OpenDocument paragraph (text:p, text:h) written so that
// readers get it back as it was. ODF readers fold white space: a TAB, CR or
// LF counts as a blank, a blank after another blank and blanks at the start
// of a paragraph are dropped. So runs of blanks are written as text:s with
// their count (a single blank after other text stays as it is), a TAB as
// text:tab and each line break (CR LF, CR or LF) as one text:line-break.
#pragma once

#include <string>
#include <string_view>

// putRaw(markup) writes markup as it is, putEscaped(text) writes text escaped
// for XML; the text reaches putEscaped in pieces free of TAB, CR and LF.
template <typename TPutRaw, typename TPutEscaped>
void WriteODFParagraphText(std::string_view text, TPutRaw&& putRaw, TPutEscaped&& putEscaped) {
  // Whether the last thing written is a character that is no white space:
  // only after one does a single blank survive.
  bool afterText = false;
  size_t plain = 0;
  const size_t n = text.size();
  auto flush = [&](size_t end) {
    if (end > plain) {
      putEscaped(text.substr(plain, end - plain));
      afterText = true;
    }
  };
  size_t i = 0;
  while (i < n) {
    const char c = text[i];
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    flush(i);
    if (c == ' ') {
      size_t j = i;
      while (j < n && text[j] == ' ') ++j;
      size_t count = j - i;
      if (afterText) {
        putRaw(" ");
        --count;
      }
      if (count == 1) {
        putRaw("<text:s/>");
      } else if (count > 1) {
        putRaw("<text:s text:c=\"" + std::to_string(count) + "\"/>");
      }
      i = j;
    } else if (c == '\t') {
      putRaw("<text:tab/>");
      ++i;
    } else {
      putRaw("<text:line-break />");
      i += (c == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
    }
    afterText = false;
    plain = i;
  }
  flush(n);
}
