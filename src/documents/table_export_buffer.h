// Appending the millions of small pieces of a large table file (a worksheet,
// a CSV text) through a pointer: room is made in large steps, in huge pages
// where the system has them, instead of growing the string piece by piece.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "documents/html_writer_escape.h"
#include "foundation/code_pages.h"

class TTextBuffer {
 public:
  // Appends to text, which keeps what it holds. Until Finish the text holds
  // unwritten bytes at its end.
  explicit TTextBuffer(std::string& text) : FText(text), FPos(text.size()) {}
  TTextBuffer(const TTextBuffer&) = delete;
  TTextBuffer& operator=(const TTextBuffer&) = delete;

  // Room for at least n more bytes. Every Put makes sure of its own; asking
  // once for a whole row saves the checks.
  void Room(size_t n) {
    if (FPos + n > FText.size()) Grow(FPos + n);
  }
  void Put(std::string_view v) {
    Room(v.size());
    char* at = FText.data() + FPos;
    // Most pieces are a few bytes; a call of memcpy costs more than they do.
    if (v.size() <= 8)
      for (char c : v) *at++ = c;
    else
      std::memcpy(at, v.data(), v.size());
    FPos += v.size();
  }
  void Put(char c) {
    Room(1);
    FText[FPos++] = c;
  }
  void PutInt(int64_t v) {
    Room(24);
    char* at = FText.data() + FPos;
    FPos += static_cast<size_t>(std::to_chars(at, at + 24, v).ptr - at);
  }
  void PutEscaped(std::string_view v) {
    Room(MarkupEscapedBound(v.size()));
    char* at = FText.data() + FPos;
    FPos += static_cast<size_t>(WriteMarkupEscaped(at, v) - at);
  }
  // Cuts the text to what was written; call it once at the end, before the
  // text is used.
  void Finish() { FText.resize(FPos); }

 private:
  void Grow(size_t need) {
    if (need > FText.capacity()) ReserveLargeText(FText, need + need / 2);
    FText.resize(std::min(FText.capacity(), std::max(need, 2 * FText.size())));
  }

  std::string& FText;
  size_t FPos;
};
