#include "foundation/number_format.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {
NumberFormat& MutableGlobal() {
  static NumberFormat fmt;
  return fmt;
}

size_t SkipBlanks(std::string_view t, size_t i) {
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  return i;
}

template <typename T>
bool ParseWhole(std::string_view text, T& value) {
  size_t i = SkipBlanks(text, 0);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= text.size()) return false;
  // Accumulate as a negative number so that the minimum value fits.
  T acc = 0;
  const T min = std::numeric_limits<T>::min();
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return false;
    T d = c - '0';
    if (acc < (min + d) / 10) return false;
    acc = acc * 10 - d;
  }
  if (!negative) {
    if (acc == min) return false;
    acc = -acc;
  }
  value = acc;
  return true;
}
}  // namespace

const NumberFormat& GlobalNumberFormat() { return MutableGlobal(); }
void SetGlobalNumberFormat(const NumberFormat& fmt) { MutableGlobal() = fmt; }

bool TryStrToInt(std::string_view text, int32_t& value) { return ParseWhole(text, value); }

int32_t StrToIntDef(std::string_view text, int32_t def) {
  int32_t v;
  return TryStrToInt(text, v) ? v : def;
}

bool TryStrToInt64(std::string_view text, int64_t& value) { return ParseWhole(text, value); }

int64_t StrToInt64Def(std::string_view text, int64_t def) {
  int64_t v;
  return TryStrToInt64(text, v) ? v : def;
}

bool TryStrToFloat(std::string_view text, const NumberFormat& fmt, double& value) {
  size_t i = SkipBlanks(text, 0);
  size_t end = text.size();
  while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  std::string buf;
  buf.reserve(end - i);
  bool sawSep = false;
  for (size_t k = i; k < end;) {
    if (!fmt.DecimalSeparator.empty() && text.compare(k, fmt.DecimalSeparator.size(), fmt.DecimalSeparator) == 0) {
      if (sawSep) return false;
      sawSep = true;
      buf.push_back('.');
      k += fmt.DecimalSeparator.size();
      continue;
    }
    char c = text[k];
    if (c == '.' && fmt.DecimalSeparator != ".") return false;
    buf.push_back(c);
    ++k;
  }
  if (buf.empty()) return false;
  const char* b = buf.data();
  const char* e = b + buf.size();
  // from_chars takes no leading '+' and accepts "inf"/"nan": allow one sign, digits only.
  if (*b == '+') {
    ++b;
    if (b == e || *b == '-') return false;
  }
  for (const char* p = b; p < e; ++p) {
    char c = *p;
    if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+')) return false;
  }
  double v = 0;
  auto res = std::from_chars(b, e, v, std::chars_format::general);
  if (res.ec != std::errc() || res.ptr != e) return false;
  value = v;
  return true;
}

namespace {
std::string Group(std::string digits, const NumberFormat& fmt) {
  std::string out;
  size_t n = digits.size();
  for (size_t k = 0; k < n; ++k) {
    if (k > 0 && (n - k) % 3 == 0) out += fmt.ThousandsSeparator;
    out.push_back(digits[k]);
  }
  return out;
}
}  // namespace

std::string FormatFloatFixed(double value, int decimals, const NumberFormat& fmt, bool grouped) {
  if (decimals < 0) decimals = 0;
  if (decimals > 18) decimals = 18;
  char buf[400];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (res.ec != std::errc()) return "0";
  std::string s(buf, res.ptr);
  bool negative = !s.empty() && s[0] == '-';
  if (negative) s.erase(0, 1);
  std::string intPart = s, frac;
  if (auto dot = s.find('.'); dot != std::string::npos) {
    intPart = s.substr(0, dot);
    frac = s.substr(dot + 1);
  }
  // "-0.00" reads as zero; keep no sign for it.
  if (negative && intPart.find_first_not_of('0') == std::string::npos &&
      frac.find_first_not_of('0') == std::string::npos)
    negative = false;
  std::string out = negative ? "-" : "";
  out += grouped ? Group(intPart, fmt) : intPart;
  if (!frac.empty()) out += fmt.DecimalSeparator + frac;
  return out;
}

std::string FormatFloatGeneral(double value, const NumberFormat& fmt) {
  if (std::isnan(value)) return "Nan";
  if (std::isinf(value)) return value > 0 ? "+Inf" : "-Inf";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  std::string s(buf, res.ptr);
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c == '.') {
      out += fmt.DecimalSeparator;
    } else if (c == 'e') {
      out.push_back('E');
      size_t j = i + 1;
      if (j < s.size() && s[j] == '+')
        ++j;
      else if (j < s.size() && s[j] == '-')
        out.push_back(s[j++]);
      while (j + 1 < s.size() && s[j] == '0') ++j;
      out.append(s, j, std::string::npos);
      break;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string IntToStr(int64_t value) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, res.ptr);
}

std::string IntToStrGrouped(int64_t value, const NumberFormat& fmt) {
  std::string s = IntToStr(value);
  if (s[0] == '-') return "-" + Group(s.substr(1), fmt);
  return Group(s, fmt);
}
