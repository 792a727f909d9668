#include "foundation/numeral_systems.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "foundation/number_format.h"
#include "foundation/str_transform.h"

int32_t CharToInt(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 36;
  return 0;
}

std::string IntToChar(int32_t value) {
  static const char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  if (value < 0 || value > 61) return std::string();
  return std::string(1, kAlphabet[value]);
}

namespace {

bool IsValidSystem(int system) { return system >= 2 && system <= 62; }

int32_t ClampToInt32(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

// digits = digits * factor + addend, carrying in 64 bits so that no digit
// ever overflows, whatever the factor.
void MulAdd(TIntArray& digits, int64_t base, int64_t factor, int64_t addend) {
  int64_t carry = addend;
  for (auto& d : digits) {
    int64_t v = static_cast<int64_t>(d) * factor + carry;
    d = static_cast<int32_t>(v % base);
    carry = v / base;
  }
  while (carry != 0) {
    digits.push_back(static_cast<int32_t>(carry % base));
    carry /= base;
  }
}

}  // namespace

TBigNumber::TBigNumber(TNumeralSystem base) : fBase(std::clamp<TNumeralSystem>(base, 2, 62)) {}

void TBigNumber::RefreshNumber() {
  int64_t carry = 0;
  for (auto& d : fDigits) {
    int64_t v = static_cast<int64_t>(d) + carry;
    if (v >= fBase) {
      d = static_cast<int32_t>(v % fBase);
      carry = v / fBase;
    } else {
      // Digits below 0 lie outside what the number models; they stay.
      d = ClampToInt32(v);
      carry = 0;
    }
  }
  while (carry > 0) {
    fDigits.push_back(static_cast<int32_t>(carry % fBase));
    carry /= fBase;
  }
}

void TBigNumber::Add(int32_t value) { Add(TIntArray{value}); }

void TBigNumber::Add(const TIntArray& digits) {
  if (fDigits.size() < digits.size()) fDigits.resize(digits.size(), 0);
  int64_t carry = 0;
  for (size_t i = 0; i < fDigits.size(); ++i) {
    int64_t v = static_cast<int64_t>(fDigits[i]) + (i < digits.size() ? digits[i] : 0) + carry;
    if (v >= fBase) {
      fDigits[i] = static_cast<int32_t>(v % fBase);
      carry = v / fBase;
    } else {
      fDigits[i] = ClampToInt32(v);
      carry = 0;
    }
    if (carry == 0 && i >= digits.size()) break;
  }
  while (carry > 0) {
    fDigits.push_back(static_cast<int32_t>(carry % fBase));
    carry /= fBase;
  }
}

void TBigNumber::Multiply(int32_t factor) { MulAdd(fDigits, fBase, factor, 0); }

void TBigNumber::Add(const std::string& text, TNumeralSystem system) {
  if (!IsValidSystem(system) || text.empty()) return;
  std::string s = Trim(text);
  if (system <= 36) {
    for (auto& c : s)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  // Horner's scheme over chunks of digits: the value is built in this
  // number's base, one multiplication per chunk, so the work grows with the
  // square of the length rather than its cube.
  const int64_t kChunkLimit = 100000000;  // system^k stays at or below this
  TIntArray value;
  int64_t chunkValue = 0, chunkPower = 1;
  for (char c : s) {
    chunkValue = chunkValue * system + CharToInt(c);
    chunkPower *= system;
    if (chunkPower * system > kChunkLimit) {
      MulAdd(value, fBase, chunkPower, chunkValue);
      chunkValue = 0;
      chunkPower = 1;
    }
  }
  if (chunkPower > 1) MulAdd(value, fBase, chunkPower, chunkValue);
  Add(value);
}

std::string TBigNumber::AsString() const {
  size_t top = fDigits.size();
  while (top > 1 && fDigits[top - 1] == 0) --top;
  if (top == 0) return "0";
  std::string out;
  out.reserve(top);
  for (size_t i = top; i-- > 0;) out += IntToChar(fDigits[i]);
  return out.empty() ? "0" : out;
}

std::string NSNumberToNSNumber(const std::string& number, TNumeralSystem source, TNumeralSystem target) {
  if (!IsValidSystem(source) || !IsValidSystem(target)) return std::string();
  TBigNumber n(target);
  n.Add(number, source);
  return n.AsString();
}

std::string CreateUnitString(double value, const std::string& unit, char decimalSeparator) {
  NumberFormat fmt;
  fmt.DecimalSeparator = std::string(1, decimalSeparator);
  fmt.ThousandsSeparator.clear();
  return FormatFloatGeneral(value, fmt) + unit;
}

int32_t CmToTwips(double cm) {
  if (std::isnan(cm)) return 0;
  // The factor is taken in extended precision so that products that lie
  // exactly between two integers in decimal round the same way every time.
  long double twips = std::nearbyintl(static_cast<long double>(cm) * 566.928L);
  if (twips >= static_cast<long double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (twips <= static_cast<long double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(twips);
}

std::string CmToTwipsString(double cm) { return IntToStr(CmToTwips(cm)); }
