#include "foundation/text_fitting.h"

#include <vector>

#include "foundation/str_split.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {

// Up to this many candidates are tried one by one from the longest down, as
// labels need; longer texts find the longest fitting candidate by bisection,
// so that a long text costs a few dozen measurements instead of one per
// character.
constexpr int64_t kLinearTries = 256;

// The largest k in [1, top] whose candidate fits, or the candidate of 1 when
// none does. Candidate widths grow with k.
template <typename Candidate>
std::string LongestFitting(int64_t top, int32_t maxWidth, const TTextMeasurer& canvas, Candidate candidate) {
  if (top < 1) return candidate(1);
  if (top <= kLinearTries) {
    for (int64_t k = top; k >= 1; --k) {
      std::string c = candidate(k);
      if (canvas.TextWidth(c) <= maxWidth) return c;
    }
    return candidate(1);
  }
  int64_t lo = 0, hi = top;  // candidate(lo) fits (or lo is 0); candidates above hi do not
  while (lo < hi) {
    int64_t mid = lo + (hi - lo + 1) / 2;
    if (canvas.TextWidth(candidate(mid)) <= maxWidth) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  return candidate(lo < 1 ? 1 : lo);
}

}  // namespace

std::string CutText(std::string_view text, int32_t maxWidth, const TTextMeasurer& canvas, std::string_view suffix) {
  // A text that fits exactly is left whole.
  if (canvas.TextWidth(text) <= maxWidth) return std::string(text);
  std::vector<size_t> offsets = UTF8CharOffsets(text);
  auto n = static_cast<int64_t>(offsets.size()) - 1;
  if (n < 2) return std::string(text);
  auto candidate = [&](int64_t k) {
    return Trim(text.substr(0, offsets[static_cast<size_t>(k)])) + std::string(suffix);
  };
  return LongestFitting(n - 1, maxWidth, canvas, candidate);
}

std::string CutTextMiddle(std::string_view text, int32_t maxWidth, const TTextMeasurer& canvas,
                          std::string_view suffix) {
  if (canvas.TextWidth(text) <= maxWidth) return std::string(text);
  std::vector<size_t> offsets = UTF8CharOffsets(text);
  auto n = static_cast<int64_t>(offsets.size()) - 1;
  if (n < 4) return std::string(text);
  auto candidate = [&](int64_t k) {
    size_t head = offsets[static_cast<size_t>(k)];
    size_t tail = offsets[static_cast<size_t>(n - k)];
    return Trim(text.substr(0, head)) + std::string(suffix) + Trim(text.substr(tail));
  };
  return LongestFitting(n / 2 - 1, maxWidth, canvas, candidate);
}

TStrArray ExplodeForWidth(std::string_view text, int32_t maxWidth, const TTextMeasurer& canvas) {
  TStrArray lines;
  if (text.empty()) return lines;
  TStrArray words;
  Explode(words, " ", text);
  std::string line;
  for (const auto& word : words) {
    if (line.empty()) {
      line = word;
      continue;
    }
    std::string longer = line + " " + word;
    if (canvas.TextWidth(longer) > maxWidth) {
      lines.push_back(std::move(line));
      line = word;
    } else {
      line = std::move(longer);
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

int32_t GetWidthForFont(const TTextMeasurer& font, std::string_view text) { return font.TextWidth(text); }
