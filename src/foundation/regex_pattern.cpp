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
      : pat_(pattern), unicode_(unicode), baseCaseless_(caseless) {
    mod_.i = caseless;
  }

  // False when the pattern is not valid in the library's syntax.
  bool Run(std::string& out) {
    out_.clear();
    while (ok_ && pos_ < pat_.size()) Step();
    if (ok_ && depth_ != 0) ok_ = false;
    out = std::move(out_);
    return ok_;
  }

 private:
  bool AtEnd() const { return pos_ >= pat_.size(); }

  char32_t Peek() const {
    if (AtEnd()) return 0;
    if (!unicode_) return static_cast<unsigned char>(pat_[pos_]);
    size_t p = pos_;
    return UTF8DecodeAt(pat_, p);
  }

  char32_t Next() {
    if (!unicode_) return static_cast<unsigned char>(pat_[pos_++]);
    return UTF8DecodeAt(pat_, pos_);
  }

  void Fail() { ok_ = false; }

  // The library's character sets, written out so that PCRE2's own notion of
  // them (and its machine code, which ignores our tables above 127) never
  // decides.
  static const char* DigitMembers() { return "0-9"; }
  static const char* SpaceMembers() { return "\\x{9}\\x{a}\\x{c}\\x{d}\\x{20}"; }
  const char* WordMembers() const {
    return unicode_ ? "0-9A-Za-z\\x{5f}\\x{c4}\\x{d6}\\x{dc}\\x{df}\\x{e4}\\x{f6}\\x{fc}" : "0-9A-Za-z";
  }
  // The multi-line anchors, written out over each path's line separators:
  // PCRE2's own newline conventions pair CR LF on the byte path, and its
  // anchors between CR and LF depend on where the search started.
  // No line starts after a separator at the very end of the text.
  const char* LineStart() const {
    return unicode_ ? "(?:^|(?<=[\\n\\x{b}\\x{c}\\x{85}\\x{2028}\\x{2029}])(?!\\z)|(?<=\\r)(?!\\n|\\z))"
                    : "(?:^|(?<=[\\n\\r])(?!\\z))";
  }
  const char* LineEnd() const {
    return unicode_ ? "(?:\\z|(?=[\\r\\x{b}\\x{c}\\x{85}\\x{2028}\\x{2029}])|(?<!\\r)(?=\\n))" : "(?=[\\n\\r]|\\z)";
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
    canQuantify_ = true;
  }

  void Emit(const std::string& body, bool caseMatters) {
    const bool caseless = caseMatters && mod_.i;
    if (caseless != baseCaseless_) {
      out_ += caseless ? "(?i:" : "(?-i:";
      out_ += body;
      out_ += ')';
    } else {
      out_ += body;
    }
  }

  void EmitNonItem(const char* s) {
    out_ += s;
    canQuantify_ = false;
  }

  void Step() {
    const char32_t c = Next();
    if (mod_.x) {
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
        if (depth_ == 0) return Fail();
        --depth_;
        out_ += ')';
        canQuantify_ = true;
        return;
      case '|': EmitNonItem("|"); return;
      case '^': EmitNonItem(mod_.m ? LineStart() : "^"); return;
      case '$': EmitNonItem(mod_.m ? LineEnd() : "\\z"); return;
      case '.':
        if (mod_.s)
          EmitItem(".", false);  // compiled with PCRE2_DOTALL
        else if (unicode_)
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
        if (!ok_) return;
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
    size_t p = pos_;
    auto number = [&](uint32_t& v) {
      size_t start = p;
      v = 0;
      while (p < pat_.size() && pat_[p] >= '0' && pat_[p] <= '9') {
        if (v <= kMaxRepeat) v = v * 10 + static_cast<uint32_t>(pat_[p] - '0');
        ++p;
      }
      return p > start;
    };
    uint32_t lo = 0, hi = 0;
    if (!number(lo)) return false;
    bool hasComma = false, hasHi = false;
    if (p < pat_.size() && pat_[p] == ',') {
      hasComma = true;
      ++p;
      hasHi = number(hi);
    }
    if (p >= pat_.size() || pat_[p] != '}') return false;
    ++p;
    if (lo > kMaxRepeat || (hasHi && (hi > kMaxRepeat || hi < lo))) {
      Fail();
      return false;
    }
    pos_ = p;
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
    if (!canQuantify_) return Fail();
    out_ += q;
    bool lazy = !mod_.g;
    if (!AtEnd() && pat_[pos_] == '?') {
      ++pos_;
      lazy = true;
    }
    if (lazy) out_ += '?';
    canQuantify_ = false;
  }

  void Open() {
    if (AtEnd() || pat_[pos_] != '?') {
      ++depth_;
      out_ += '(';
      canQuantify_ = false;
      return;
    }
    ++pos_;
    if (AtEnd()) return Fail();
    if (pat_[pos_] == '#') {
      // A comment runs to the next closing parenthesis.
      const size_t close = pat_.find(')', pos_);
      if (close == std::string_view::npos) return Fail();
      pos_ = close + 1;
      return;
    }
    bool on = true;
    int letters = 0;
    TModifiers m = mod_;
    while (!AtEnd()) {
      const char ch = pat_[pos_++];
      if (ch == ')') {
        if (letters == 0) return Fail();
        mod_ = m;
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
    if (!AtEnd() && pat_[pos_] == '{') {
      ++pos_;
      int n = 0;
      while (!AtEnd() && IsHexDigit(static_cast<unsigned char>(pat_[pos_]))) {
        if (++n > 8) return std::nullopt;
        v = v * 16 + HexValue(static_cast<unsigned char>(pat_[pos_++]));
      }
      if (n == 0 || AtEnd() || pat_[pos_] != '}') return std::nullopt;
      ++pos_;
    } else {
      for (int n = 0; n < 2; ++n) {
        if (AtEnd() || !IsHexDigit(static_cast<unsigned char>(pat_[pos_]))) return std::nullopt;
        v = v * 16 + HexValue(static_cast<unsigned char>(pat_[pos_++]));
      }
    }
    if (unicode_ ? (v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) : v > 0xFF) return std::nullopt;
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
        canQuantify_ = false;
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
    if (!AtEnd() && pat_[pos_] == '^') {
      ++pos_;
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
      if (pos_ + 1 < pat_.size() && pat_[pos_] == '-' && pat_[pos_ + 1] != ']') {
        const size_t save = pos_;
        ++pos_;
        const char32_t c2 = Next();
        const auto hi = ClassChar(c2, esc);
        if (hi) {
          if (*hi < *lo) return Fail();
          AppendLiteral(body, *lo);
          body += '-';
          AppendLiteral(body, *hi);
          if (mod_.r && unicode_) {
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
        pos_ = save;
        return Fail();
      }
      AppendLiteral(body, *lo);
    }
    body += ']';
    EmitItem(body, true);
  }

  std::string_view pat_;
  bool unicode_;
  bool baseCaseless_;
  TModifiers mod_;
  size_t pos_ = 0;
  int depth_ = 0;
  bool canQuantify_ = false;
  bool ok_ = true;
  std::string out_;
};

}  // namespace

bool TranslateRegexPattern(std::string_view pattern, bool unicode, bool caseless, std::string& out) {
  return TTranslator(pattern, unicode, caseless).Run(out);
}
