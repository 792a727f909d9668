#include "foundation/regex_pattern.h"

#include <cstdint>
#include <optional>

#include "foundation/utf8.h"

namespace {

constexpr uint32_t kMaxRepeat = 65535;

bool IsHexDigit(char32_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
uint32_t HexValue(char32_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;
}

void AppendHex(std::string& out, uint32_t v) {
  static const char digits[] = "0123456789abcdef";
  char buf[8];
  int n = 0;
  do {
    buf[n++] = digits[v & 15];
    v >>= 4;
  } while (v != 0);
  while (n > 0) out += buf[--n];
}

// A character written so that PCRE2 reads it as itself, in or out of a class.
void AppendLiteral(std::string& out, char32_t c) {
  if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
    out += static_cast<char>(c);
    return;
  }
  out += "\\x{";
  AppendHex(out, c);
  out += '}';
}

struct TModifiers {
  bool i = false;  // case-insensitive
  bool r = true;   // Cyrillic ranges take ё and Ё
  bool s = true;   // the dot matches line breaks
  bool g = true;   // greedy quantifiers
  bool m = false;  // ^ and $ at line breaks too
  bool x = false;  // blanks and # comments in the pattern are ignored
};

// Turns the library's pattern syntax into PCRE2 syntax. Every character is
// written explicitly, so nothing of PCRE2's own extra syntax can be reached.
// Modifiers switched inline hold for the rest of the pattern, beyond the
// group they appear in; they are therefore applied here, item by item, rather
// than passed on to PCRE2, whose inline modifiers end with their group.
class TTranslator {
 public:
  TTranslator(std::string_view pattern, bool unicode, bool caseless)
      : FPat(pattern), FUnicode(unicode), FBaseCaseless(caseless) {
    FMod.i = caseless;
  }

  // False when the pattern is not valid in the library's syntax.
  bool Run(std::string& out) {
    FOut.clear();
    while (FOk && FPos < FPat.size()) Step();
    if (FOk && FDepth != 0) FOk = false;
    out = std::move(FOut);
    return FOk;
  }

 private:
  bool AtEnd() const { return FPos >= FPat.size(); }

  char32_t Peek() const {
    if (AtEnd()) return 0;
    if (!FUnicode) return static_cast<unsigned char>(FPat[FPos]);
    size_t p = FPos;
    return UTF8DecodeAt(FPat, p);
  }

  char32_t Next() {
    if (!FUnicode) return static_cast<unsigned char>(FPat[FPos++]);
    return UTF8DecodeAt(FPat, FPos);
  }

  void Fail() { FOk = false; }

  // The library's character sets, written out so that PCRE2's own notion of
  // them (and its machine code, which ignores our tables above 127) never
  // decides.
  static const char* DigitMembers() { return "0-9"; }
  static const char* SpaceMembers() { return "\\x{9}\\x{a}\\x{c}\\x{d}\\x{20}"; }
  const char* WordMembers() const {
    return FUnicode ? "0-9A-Za-z\\x{5f}\\x{c4}\\x{d6}\\x{dc}\\x{df}\\x{e4}\\x{f6}\\x{fc}" : "0-9A-Za-z";
  }
  // The multi-line anchors, written out over each path's line separators:
  // PCRE2's own newline conventions pair CR LF on the byte path, and its
  // anchors between CR and LF depend on where the search started.
  // No line starts after a separator at the very end of the text.
  const char* LineStart() const {
    return FUnicode ? "(?:^|(?<=[\\n\\x{b}\\x{c}\\x{85}\\x{2028}\\x{2029}])(?!\\z)|(?<=\\r)(?!\\n|\\z))"
                    : "(?:^|(?<=[\\n\\r])(?!\\z))";
  }
  const char* LineEnd() const {
    return FUnicode ? "(?:\\z|(?=[\\r\\x{b}\\x{c}\\x{85}\\x{2028}\\x{2029}])|(?<!\\r)(?=\\n))" : "(?=[\\n\\r]|\\z)";
  }
  static std::string Set(const char* members, bool negated = false) {
    std::string s = negated ? "[^" : "[";
    s += members;
    s += ']';
    return s;
  }

  // An item that a quantifier may follow; letters in it follow the i modifier.
  // Character sets (\\w, the dot …) never fold case: under PCRE2's caseless
  // matching a set with "k" would also take the Kelvin sign.
  void EmitItem(const std::string& body, bool caseMatters) {
    Emit(body, caseMatters);
    FCanQuantify = true;
  }

  void Emit(const std::string& body, bool caseMatters) {
    const bool caseless = caseMatters && FMod.i;
    if (caseless != FBaseCaseless) {
      FOut += caseless ? "(?i:" : "(?-i:";
      FOut += body;
      FOut += ')';
    } else {
      FOut += body;
    }
  }

  void EmitNonItem(const char* s) {
    FOut += s;
    FCanQuantify = false;
  }

  void Step() {
    const char32_t c = Next();
    if (FMod.x) {
      if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') return;
      if (c == '#') {
        while (!AtEnd() && Next() != '\n') {
        }
        return;
      }
    }
    switch (c) {
      case '\\': Escape(); return;
      case '[': Class(); return;
      case '(': Open(); return;
      case ')':
        if (FDepth == 0) return Fail();
        --FDepth;
        FOut += ')';
        FCanQuantify = true;
        return;
      case '|': EmitNonItem("|"); return;
      case '^': EmitNonItem(FMod.m ? LineStart() : "^"); return;
      case '$': EmitNonItem(FMod.m ? LineEnd() : "\\z"); return;
      case '.':
        if (FMod.s)
          EmitItem(".", false);  // compiled with PCRE2_DOTALL
        else if (FUnicode)
          EmitItem("[^\\n\\r\\x{0b}\\x{0c}\\x{85}\\x{2028}\\x{2029}]", false);
        else
          EmitItem("[^\\n\\r]", false);
        return;
      case '*':
      case '+':
      case '?': Quantifier(std::string(1, static_cast<char>(c))); return;
      case '{': {
        std::string q;
        if (ParseBraces(q)) return Quantifier(q);
        if (!FOk) return;
        break;
      }
      default: break;
    }
    Literal(c);
  }

  void Literal(char32_t c) {
    std::string body;
    AppendLiteral(body, c);
    EmitItem(body, true);
  }

  // "{n}", "{n,}" or "{n,m}" right after the consumed "{"; anything else is a
  // literal brace and consumes nothing more.
  bool ParseBraces(std::string& q) {
    size_t p = FPos;
    auto number = [&](uint32_t& v) {
      size_t start = p;
      v = 0;
      while (p < FPat.size() && FPat[p] >= '0' && FPat[p] <= '9') {
        if (v <= kMaxRepeat) v = v * 10 + static_cast<uint32_t>(FPat[p] - '0');
        ++p;
      }
      return p > start;
    };
    uint32_t lo = 0, hi = 0;
    if (!number(lo)) return false;
    bool hasComma = false, hasHi = false;
    if (p < FPat.size() && FPat[p] == ',') {
      hasComma = true;
      ++p;
      hasHi = number(hi);
    }
    if (p >= FPat.size() || FPat[p] != '}') return false;
    ++p;
    if (lo > kMaxRepeat || (hasHi && (hi > kMaxRepeat || hi < lo))) {
      Fail();
      return false;
    }
    FPos = p;
    q = "{";
    q += std::to_string(lo);
    if (hasComma) q += ",";
    if (hasHi) q += std::to_string(hi);
    q += "}";
    return true;
  }

  void Quantifier(const std::string& q) {
    // Nothing to repeat, or a quantifier right after another one (which PCRE2
    // would read as its possessive form).
    if (!FCanQuantify) return Fail();
    FOut += q;
    bool lazy = !FMod.g;
    if (!AtEnd() && FPat[FPos] == '?') {
      ++FPos;
      lazy = true;
    }
    if (lazy) FOut += '?';
    FCanQuantify = false;
  }

  void Open() {
    if (AtEnd() || FPat[FPos] != '?') {
      ++FDepth;
      FOut += '(';
      FCanQuantify = false;
      return;
    }
    ++FPos;
    if (AtEnd()) return Fail();
    if (FPat[FPos] == '#') {
      // A comment runs to the next closing parenthesis.
      const size_t close = FPat.find(')', FPos);
      if (close == std::string_view::npos) return Fail();
      FPos = close + 1;
      return;
    }
    bool on = true;
    int letters = 0;
    TModifiers m = FMod;
    while (!AtEnd()) {
      const char ch = FPat[FPos++];
      if (ch == ')') {
        if (letters == 0) return Fail();
        FMod = m;
        return;
      }
      if (ch == '-') {
        if (!on) return Fail();
        on = false;
        continue;
      }
      ++letters;
      switch (ch) {
        case 'i': m.i = on; break;
        case 'r': m.r = on; break;
        case 's': m.s = on; break;
        case 'g': m.g = on; break;
        case 'm': m.m = on; break;
        case 'x': m.x = on; break;
        default: return Fail();
      }
    }
    Fail();
  }

  // "\x" has been consumed: two hex digits or hex digits in braces.
  std::optional<char32_t> Hex() {
    uint32_t v = 0;
    if (!AtEnd() && FPat[FPos] == '{') {
      ++FPos;
      int n = 0;
      while (!AtEnd() && IsHexDigit(static_cast<unsigned char>(FPat[FPos]))) {
        if (++n > 8) return std::nullopt;
        v = v * 16 + HexValue(static_cast<unsigned char>(FPat[FPos++]));
      }
      if (n == 0 || AtEnd() || FPat[FPos] != '}') return std::nullopt;
      ++FPos;
    } else {
      for (int n = 0; n < 2; ++n) {
        if (AtEnd() || !IsHexDigit(static_cast<unsigned char>(FPat[FPos]))) return std::nullopt;
        v = v * 16 + HexValue(static_cast<unsigned char>(FPat[FPos++]));
      }
    }
    if (FUnicode ? (v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) : v > 0xFF) return std::nullopt;
    return static_cast<char32_t>(v);
  }

  // The character a character escape stands for (\t, \n, \xHH, \. …).
  std::optional<char32_t> EscapedChar(char32_t e) {
    switch (e) {
      case 't': return U'\t';
      case 'n': return U'\n';
      case 'r': return U'\r';
      case 'f': return U'\f';
      case 'a': return U'\a';
      case 'e': return char32_t{27};
      case 'x': return Hex();
      default: return e;
    }
  }

  void Escape() {
    if (AtEnd()) return Fail();
    const char32_t e = Next();
    switch (e) {
      case 'd': EmitItem(Set(DigitMembers()), false); return;
      case 'D': EmitItem(Set(DigitMembers(), true), false); return;
      case 's': EmitItem(Set(SpaceMembers()), false); return;
      case 'S': EmitItem(Set(SpaceMembers(), true), false); return;
      case 'w': EmitItem(Set(WordMembers()), false); return;
      case 'W': EmitItem(Set(WordMembers(), true), false); return;
      case 'b':
      case 'B': {
        // Word boundaries by look-around over the library's word set.
        const std::string w = Set(WordMembers());
        const bool b = e == 'b';
        std::string body = "(?:(?<=";
        body += w;
        body += b ? ")(?!" : ")(?=";
        body += w;
        body += ")|(?<!";
        body += w;
        body += b ? ")(?=" : ")(?!";
        body += w;
        body += "))";
        Emit(body, false);
        FCanQuantify = false;
        return;
      }
      case 'A': EmitNonItem("\\A"); return;
      case 'Z':
      case 'z': EmitNonItem("\\z"); return;
      default: break;
    }
    if (e >= '1' && e <= '9') {
      EmitItem("\\g{" + std::string(1, static_cast<char>(e)) + "}", true);
      return;
    }
    const auto c = EscapedChar(e);
    if (!c) return Fail();
    Literal(*c);
  }

  // One member of a class: a character, or a class escape (returned in esc).
  std::optional<char32_t> ClassChar(char32_t c, std::string& esc) {
    esc.clear();
    if (c != '\\') return c;
    if (AtEnd()) return std::nullopt;
    const char32_t e = Next();
    switch (e) {
      case 'd': esc = DigitMembers(); return std::nullopt;
      case 's': esc = SpaceMembers(); return std::nullopt;
      case 'w': esc = WordMembers(); return std::nullopt;
      // PCRE2 builds a class's map of the characters below 256 from our
      // tables, so the negated escapes can stay as they are inside a class.
      case 'D':
      case 'S':
      case 'W': esc = {'\\', static_cast<char>(e)}; return std::nullopt;
      case 'b': return U'\b';
      default: return EscapedChar(e);
    }
  }

  void Class() {
    std::string body = "[";
    if (!AtEnd() && FPat[FPos] == '^') {
      ++FPos;
      body += '^';
    }
    bool first = true;
    for (;;) {
      if (AtEnd()) return Fail();
      const char32_t c = Next();
      if (c == ']' && !first) break;
      first = false;
      std::string esc;
      const auto lo = ClassChar(c, esc);
      if (!lo) {
        if (esc.empty()) return Fail();
        body += esc;
        continue;
      }
      // A hyphen between two characters makes a range; elsewhere it is itself.
      if (FPos + 1 < FPat.size() && FPat[FPos] == '-' && FPat[FPos + 1] != ']') {
        const size_t save = FPos;
        ++FPos;
        const char32_t c2 = Next();
        const auto hi = ClassChar(c2, esc);
        if (hi) {
          if (*hi < *lo) return Fail();
          AppendLiteral(body, *lo);
          body += '-';
          AppendLiteral(body, *hi);
          if (FMod.r && FUnicode) {
            if (*lo == U'а' && *hi == U'я') AppendLiteral(body, U'ё');
            if (*lo == U'А' && *hi == U'Я') AppendLiteral(body, U'Ё');
          }
          continue;
        }
        if (!esc.empty()) {
          // "a-\d": the hyphen is an ordinary member.
          AppendLiteral(body, *lo);
          AppendLiteral(body, U'-');
          body += esc;
          continue;
        }
        FPos = save;
        return Fail();
      }
      AppendLiteral(body, *lo);
    }
    body += ']';
    EmitItem(body, true);
  }

  std::string_view FPat;
  bool FUnicode;
  bool FBaseCaseless;
  TModifiers FMod;
  size_t FPos = 0;
  int FDepth = 0;
  bool FCanQuantify = false;
  bool FOk = true;
  std::string FOut;
};

}  // namespace

bool TranslateRegexPattern(std::string_view pattern, bool unicode, bool caseless, std::string& out) {
  return TTranslator(pattern, unicode, caseless).Run(out);
}
