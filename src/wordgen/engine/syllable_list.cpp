#include "wordgen/engine/syllable_list.h"

#include "foundation/number_format.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"

namespace {

// Forms 2 to 4: the code letter anywhere in the head, as often as it likes.
bool ParseLetterAnywhere(std::string_view head, char letter, int32_t& frequency) {
  if (head.find(letter) == std::string_view::npos) return false;
  std::string rest;
  rest.reserve(head.size());
  for (char c : head)
    if (c != letter) rest += c;
  return TryStrToInt(Trim(rest), frequency);
}

// Forms 5 to 7: frequency, code letter, n.
bool ParseLetterWithValue(std::string_view head, char letter, int32_t& frequency, int32_t& value) {
  const size_t at = head.find(letter);
  if (at == std::string_view::npos) return false;
  int32_t f = 0;
  int32_t n = 0;
  if (!TryStrToInt(Trim(head.substr(0, at)), f) || !TryStrToInt(Trim(head.substr(at + 1)), n)) return false;
  frequency = f;
  value = n;
  return true;
}

}  // namespace

bool ParseSyllableHead(std::string_view head, TSyllableHead& out) {
  int32_t f = 0;
  int32_t n = 0;
  if (TryStrToInt(head, f)) {
    out = {f, kPosAnywhere, 0};
    return true;
  }
  static constexpr struct {
    char Letter;
    int32_t Type;
  } kAnywhere[] = {{'B', kPosBegin}, {'E', kPosEnd}, {'M', kPosMiddle}};
  for (const auto& form : kAnywhere) {
    if (ParseLetterAnywhere(head, form.Letter, f)) {
      out = {f, form.Type, 0};
      return true;
    }
  }
  static constexpr struct {
    char Letter;
    int32_t Type;
  } kWithValue[] = {{'L', kPosLeft}, {'R', kPosRight}, {'P', kPosExact}};
  for (const auto& form : kWithValue) {
    if (ParseLetterWithValue(head, form.Letter, f, n)) {
      out = {f, form.Type, n};
      return true;
    }
  }
  return false;
}

bool ParseSyllableLine(std::string_view line, TSyllableHead& head, std::string& syllable) {
  const size_t blank = line.find(' ');
  if (blank == std::string_view::npos || blank == 0 || blank + 1 >= line.size()) return false;
  if (!ParseSyllableHead(line.substr(0, blank), head)) return false;
  syllable.assign(line.substr(blank + 1));
  return true;
}

bool IsAllowedAtPosition(int32_t positionType, int32_t positionValue, int64_t a, int64_t b) {
  const int64_t n = positionValue;
  switch (positionType) {
    case kPosAnywhere: return true;
    case kPosBegin: return a == 1;
    case kPosEnd: return a == b;
    case kPosMiddle: return 1 < a && a < b;
    case kPosLeft: return a <= n;
    case kPosRight: return a > b - n;
    case kPosExact: return a == n;
    default: return false;
  }
}

int32_t CheckSyllableListForFrequencies(const TStrArray& lines) {
  int64_t with = 0;
  int64_t without = 0;
  TSyllableHead head;
  for (const std::string& raw : lines) {
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '#') continue;
    const size_t blank = line.find(' ');
    if (blank != std::string::npos && ParseSyllableHead(std::string_view(line).substr(0, blank), head))
      ++with;
    else
      ++without;
  }
  if (with == 0 && without == 0) return kFreqCheckNothingUsable;
  if (with == 0) return kFreqCheckNoFrequencies;
  if (without > 0) return kFreqCheckSomeWithout;
  return kFreqCheckAllHaveFrequency;
}

TStrArray SplitFieldLines(std::string_view text) {
  TStrArray lines;
  ExplodeAtEveryLineBreak(lines, text);
  return lines;
}

std::string IntToStrLeadingZeros(int64_t value, int32_t digits) { return RightPadding(IntToStr(value), '0', digits); }
