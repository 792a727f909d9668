#include "documents/html_writer_escape.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// 0: copied as it is; 1: entity or blank, decided per byte; 2: starts a
// multi-byte sequence to check.
constexpr std::array<uint8_t, 256> BuildClasses() {
  std::array<uint8_t, 256> t{};
  for (int c = 0; c < 0x20; ++c) t[c] = 1;
  t['\t'] = 0;
  t['\n'] = 0;
  t['\r'] = 0;
  t['&'] = 1;
  t['<'] = 1;
  t['>'] = 1;
  t['\''] = 1;
  t['"'] = 1;
  t[0x7F] = 0;
  for (int c = 0x80; c < 0x100; ++c) t[c] = 2;
  return t;
}
constexpr std::array<uint8_t, 256> kClasses = BuildClasses();

// HTML readers turn a carriage return into a line feed; as a character
// reference it stays what it is.
constexpr std::array<uint8_t, 256> BuildHtmlClasses() {
  std::array<uint8_t, 256> t = BuildClasses();
  t['\r'] = 1;
  return t;
}
constexpr std::array<uint8_t, 256> kHtmlClasses = BuildHtmlClasses();

// Length of the well-formed sequence at p (lead byte >= 0x80), 0 when the
// bytes there are not one.
size_t WellFormedLength(const unsigned char* p, size_t left, bool& xmlForbidden) {
  xmlForbidden = false;
  const unsigned char b0 = p[0];
  auto cont = [&](size_t i, unsigned char lo, unsigned char hi) { return i < left && p[i] >= lo && p[i] <= hi; };
  if (b0 >= 0xC2 && b0 <= 0xDF) return cont(1, 0x80, 0xBF) ? 2 : 0;
  if (b0 >= 0xE0 && b0 <= 0xEF) {
    unsigned char lo = 0x80, hi = 0xBF;
    if (b0 == 0xE0) lo = 0xA0;  // no overlong forms below U+0800
    if (b0 == 0xED) hi = 0x9F;  // no surrogates
    if (!cont(1, lo, hi) || !cont(2, 0x80, 0xBF)) return 0;
    xmlForbidden = b0 == 0xEF && p[1] == 0xBF && (p[2] == 0xBE || p[2] == 0xBF);
    return 3;
  }
  if (b0 >= 0xF0 && b0 <= 0xF4) {
    unsigned char lo = 0x80, hi = 0xBF;
    if (b0 == 0xF0) lo = 0x90;  // from U+10000
    if (b0 == 0xF4) hi = 0x8F;  // up to U+10FFFF
    if (!cont(1, lo, hi) || !cont(2, 0x80, 0xBF) || !cont(3, 0x80, 0xBF)) return 0;
    return 4;
  }
  return 0;
}

}  // namespace

char* WriteMarkupEscaped(char* out, std::string_view text, bool html) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  const std::array<uint8_t, 256>& classes = html ? kHtmlClasses : kClasses;
  auto put = [&out](const char* s, size_t len) {
    std::memcpy(out, s, len);
    out += len;
  };
  size_t i = 0;
  while (i < n) {
    size_t run = i;
    while (run < n && classes[p[run]] == 0) ++run;
    put(text.data() + i, run - i);
    i = run;
    if (i >= n) break;
    const unsigned char c = p[i];
    if (classes[c] == 1) {
      switch (c) {
        case '&': put("&amp;", 5); break;
        case '<': put("&lt;", 4); break;
        case '>': put("&gt;", 4); break;
        case '\'':
          if (html)
            put("&#39;", 5);
          else
            put("&apos;", 6);
          break;
        case '"': put("&quot;", 6); break;
        case '\r': put("&#13;", 5); break;
        default: *out++ = ' '; break;
      }
      ++i;
      continue;
    }
    bool forbidden = false;
    const size_t len = WellFormedLength(p + i, n - i, forbidden);
    if (len == 0 || forbidden) {
      *out++ = ' ';
      i += len == 0 ? 1 : len;
    } else {
      put(text.data() + i, len);
      i += len;
    }
  }
  return out;
}

void AppendMarkupEscaped(std::string& out, std::string_view text, bool html) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::array<uint8_t, 256>& classes = html ? kHtmlClasses : kClasses;
  size_t plain = 0;
  while (plain < text.size() && classes[p[plain]] == 0) ++plain;
  if (plain == text.size()) {
    out.append(text);
    return;
  }
  const size_t old = out.size();
  out.resize(old + MarkupEscapedBound(text.size()));
  char* end = WriteMarkupEscaped(out.data() + old, text, html);
  out.resize(static_cast<size_t>(end - out.data()));
}

std::string MarkupEscape(std::string_view text, bool html) {
  std::string out;
  out.reserve(text.size());
  AppendMarkupEscaped(out, text, html);
  return out;
}
