// Appending the millions of small pieces of a large table file (a worksheet,
// a CSV text, a web page) through a pointer: room is made in large steps, in
// huge pages where the system has them, instead of growing the string piece
// by piece. A buffer with a drain streams: at the places where the text may
// be cut (between rows) it hands what it holds on, so that a file of any size
// passes through a buffer of about one piece.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "documents/html_writer_escape.h"
#include "foundation/code_pages.h"

class TTextBuffer {
 public:
  // Takes the next piece of the text; false when it could not be passed on
  // (the disk is full), which the buffer remembers.
  using TDrain = std::function<bool(std::string_view piece)>;
  static constexpr size_t kDefaultPiece = size_t{1} << 20;

  // Appends to text, which keeps what it holds. Until Finish the text holds
  // unwritten bytes at its end.
  explicit TTextBuffer(std::string& text) : FText(text), FPos(text.size()) {}
  // Streams through text (emptied first) into drain, in pieces of about pieceSize bytes.
  TTextBuffer(std::string& text, TDrain drain, size_t pieceSize = kDefaultPiece)
      : FText(text), FPos(0), FDrain(std::move(drain)), FPieceSize(std::max<size_t>(pieceSize, 1)) {
    FText.clear();
  }
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
  void PutEscaped(std::string_view v, bool html = false) {
    Room(MarkupEscapedBound(v.size()));
    char* at = FText.data() + FPos;
    FPos += static_cast<size_t>(WriteMarkupEscaped(at, v, html) - at);
  }
  // A place where the text may be cut: a streaming buffer that holds a piece
  // hands it on here.
  void Checkpoint() {
    if (FDrain && FPos >= FPieceSize) Drain();
  }
  // Ends the text: cuts it to what was written, or hands the rest on. Call
  // it once at the end, before the text is used.
  void Finish() {
    if (FDrain) {
      Drain();
      FText.clear();
    } else {
      FText.resize(FPos);
    }
  }
  // A piece could not be passed on; what follows is dropped.
  bool Failed() const { return FFailed; }

 private:
  void Grow(size_t need) {
    if (need > FText.capacity()) {
      if (FDrain)
        FText.reserve(std::max(need, FPieceSize + FPieceSize / 2));
      else
        ReserveLargeText(FText, need + need / 2);
    }
    FText.resize(std::min(FText.capacity(), std::max(need, 2 * FText.size())));
  }
  void Drain() {
    if (FPos > 0 && !FFailed) FFailed = !FDrain(std::string_view(FText.data(), FPos));
    FPos = 0;
  }

  std::string& FText;
  size_t FPos;
  TDrain FDrain;
  size_t FPieceSize = kDefaultPiece;
  bool FFailed = false;
};

// The whole text that write puts into a buffer, for callers that want it in
// memory; reserve is room to make first (for a text whose size is known).
template <typename TWrite>
std::string TextWrittenBy(TWrite&& write, size_t reserve = 0) {
  std::string text;
  if (reserve > 0) ReserveLargeText(text, reserve);
  TTextBuffer out(text);
  write(out);
  out.Finish();
  return text;
}
