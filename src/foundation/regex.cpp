#include "foundation/regex.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <array>
#include <optional>

#include "foundation/utf8.h"

bool RequiresUnicodeRegex(std::string_view Text) {
  for (unsigned char b : Text) {
    if (b >= 128) return true;
    if (b < 32 && b != 9 && b != 10 && b != 13 && b != 26) return true;
  }
  return false;
}

namespace {

// --- Character tables ---------------------------------------------------------
//
// PCRE2 decides word, digit and space characters below 256 from a table; we
// hand it our own so that both paths have the library's sets, whatever the
// process locale is. Layout as pcre2_maketables() builds it.

constexpr size_t kLccOffset = 0;
constexpr size_t kFccOffset = 256;
constexpr size_t kCbitsOffset = 512;
constexpr size_t kCtypesOffset = 832;
constexpr size_t kTablesLength = 1088;

constexpr size_t kCbitSpace = 0;
constexpr size_t kCbitXdigit = 32;
constexpr size_t kCbitDigit = 64;
constexpr size_t kCbitUpper = 96;
constexpr size_t kCbitLower = 128;
constexpr size_t kCbitWord = 160;
constexpr size_t kCbitGraph = 192;
constexpr size_t kCbitPrint = 224;
constexpr size_t kCbitPunct = 256;
constexpr size_t kCbitCntrl = 288;

constexpr uint8_t kCtypeSpace = 0x01;
constexpr uint8_t kCtypeLetter = 0x02;
constexpr uint8_t kCtypeLcLetter = 0x04;
constexpr uint8_t kCtypeDigit = 0x08;
constexpr uint8_t kCtypeWord = 0x10;

using TTables = std::array<uint8_t, kTablesLength>;

TTables BuildTables(bool unicode) {
  TTables t{};
  auto setBit = [&t](size_t cbit, int c) { t[kCbitsOffset + cbit + c / 8] |= static_cast<uint8_t>(1u << (c % 8)); };
  for (int c = 0; c < 256; ++c) {
    const bool upper = c >= 'A' && c <= 'Z';
    const bool lower = c >= 'a' && c <= 'z';
    const bool digit = c >= '0' && c <= '9';
    const bool xdigit = digit || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    // Only blank, TAB, LF, CR and FF are spaces (no VT).
    const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
    bool word = upper || lower || digit;
    // The Unicode path adds the underscore and the German letters; their
    // code points are below 256, so the table decides for them too.
    if (unicode &&
        (c == '_' || c == 0xE4 || c == 0xF6 || c == 0xFC || c == 0xDF || c == 0xC4 || c == 0xD6 || c == 0xDC))
      word = true;
    const bool graph = c > 32 && c < 127;
    const bool print = c >= 32 && c < 127;
    const bool cntrl = c < 32 || c == 127;

    t[kLccOffset + c] = static_cast<uint8_t>(upper ? c + 32 : c);
    // Case flips of ASCII letters only: on the byte path bytes of 128 and more
    // are parts of characters, on the Unicode path PCRE2 folds them itself.
    t[kFccOffset + c] = static_cast<uint8_t>(upper ? c + 32 : lower ? c - 32 : c);
    if (space) setBit(kCbitSpace, c);
    if (xdigit) setBit(kCbitXdigit, c);
    if (digit) setBit(kCbitDigit, c);
    if (upper) setBit(kCbitUpper, c);
    if (lower) setBit(kCbitLower, c);
    if (word) setBit(kCbitWord, c);
    if (graph) setBit(kCbitGraph, c);
    if (print) setBit(kCbitPrint, c);
    if (graph && !(upper || lower || digit)) setBit(kCbitPunct, c);
    if (cntrl) setBit(kCbitCntrl, c);
    uint8_t ctype = 0;
    if (space) ctype |= kCtypeSpace;
    if (upper || lower) ctype |= kCtypeLetter;
    if (lower) ctype |= kCtypeLcLetter;
    if (digit) ctype |= kCtypeDigit;
    if (word) ctype |= kCtypeWord;
    t[kCtypesOffset + c] = ctype;
  }
  return t;
}

const uint8_t* Tables(bool unicode) {
  static const TTables byteTables = BuildTables(false);
  static const TTables unicodeTables = BuildTables(true);
  return unicode ? unicodeTables.data() : byteTables.data();
}

// --- Translation into PCRE2 syntax -------------------------------------------

constexpr int kMaxReportedGroup = 14;
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

const char kEmptySubject[] = "";

// Length of the character that starts at pos (at least one byte).
size_t CharLenAt(std::string_view text, size_t pos) {
  if (pos >= text.size()) return 1;
  size_t p = pos;
  UTF8DecodeAt(text, p);
  return p - pos;
}

}  // namespace

// --- Engine ---------------------------------------------------------------------

// One compiled pattern on one path, with its match data.
class TRegexEngine {
 public:
  TRegexEngine(std::string_view regex, bool unicode, bool caseless) {
    // An empty pattern is no expression at all.
    if (regex.empty()) return;
    std::string repaired;
    if (unicode && !UTF8IsValid(regex)) {
      repaired = UTF8Repair(regex);
      regex = repaired;
    }
    std::string translated;
    if (!TTranslator(regex, unicode, caseless).Run(translated)) return;

    pcre2_compile_context* ctx = pcre2_compile_context_create(nullptr);
    if (!ctx) return;
    pcre2_set_character_tables(ctx, Tables(unicode));
    pcre2_set_newline(ctx, unicode ? PCRE2_NEWLINE_ANY : PCRE2_NEWLINE_ANYCRLF);
    uint32_t options = PCRE2_DOTALL;
    if (unicode) options |= PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
    if (caseless) options |= PCRE2_CASELESS;
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    code_ = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translated.data()), translated.size(), options, &error,
                          &errorOffset, ctx);
    pcre2_compile_context_free(ctx);
    if (!code_) return;
    match_ = pcre2_match_data_create_from_pattern(code_, nullptr);
    if (!match_) {
      pcre2_code_free(code_);
      code_ = nullptr;
      return;
    }
    uint32_t captures = 0;
    pcre2_pattern_info(code_, PCRE2_INFO_CAPTURECOUNT, &captures);
    groups_ = static_cast<int>(captures);
  }

  ~TRegexEngine() {
    pcre2_match_data_free(match_);
    pcre2_code_free(code_);
  }

  TRegexEngine(const TRegexEngine&) = delete;
  TRegexEngine& operator=(const TRegexEngine&) = delete;

  bool ok() const { return code_ != nullptr; }

  // The first match that starts at or after byte offset start.
  bool Exec(std::string_view text, size_t start) {
    if (!code_ || start > text.size()) return false;
    // Machine code pays off only when one pattern serves many searches.
    if (!jitTried_ && ++searches_ >= kJitAfterSearches) {
      jitTried_ = true;
      pcre2_jit_compile(code_, PCRE2_JIT_COMPLETE);
    }
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(text.data() ? text.data() : kEmptySubject);
    int rc = pcre2_match(code_, subject, text.size(), start, 0, match_, nullptr);
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT)
      rc = pcre2_match(code_, subject, text.size(), start, PCRE2_NO_JIT, match_, nullptr);
    // Errors such as an exhausted match limit count as no match.
    if (rc <= 0) return false;
    const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(match_);
    return ov[0] <= ov[1];
  }

  size_t Start() const { return pcre2_get_ovector_pointer(match_)[0]; }
  size_t End() const { return pcre2_get_ovector_pointer(match_)[1]; }

  // Text of group g of the last match; "" for a group that did not take part
  // or is beyond the reported groups.
  std::string_view Group(std::string_view text, int g) const {
    if (g < 0 || g > kMaxReportedGroup || g > groups_) return {};
    const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(match_);
    const PCRE2_SIZE s = ov[2 * g], e = ov[2 * g + 1];
    if (s == PCRE2_UNSET || e == PCRE2_UNSET || e < s || e > text.size()) return {};
    return text.substr(s, e - s);
  }

  // Calls f after each of the successive matches until it returns false.
  template <typename F>
  void ForEachMatch(std::string_view text, const F& f) {
    size_t pos = 0;
    while (pos <= text.size() && Exec(text, pos)) {
      const size_t s = Start(), e = End();
      if (!f()) return;
      // After an empty match the search goes on one whole character further.
      pos = e > s ? e : e + CharLenAt(text, e);
    }
  }

 private:
  static constexpr int kJitAfterSearches = 32;
  pcre2_code* code_ = nullptr;
  pcre2_match_data* match_ = nullptr;
  int groups_ = 0;
  int searches_ = 0;
  bool jitTried_ = false;
};

// --- TRegex ---------------------------------------------------------------------

TRegex::TRegex(std::string_view Regex, bool CaseInsensitive, TRegexPath Path)
    : regex_(Regex),
      caseInsensitive_(CaseInsensitive),
      path_(Path),
      patternNeedsUnicode_(RequiresUnicodeRegex(Regex)) {}

TRegex::~TRegex() = default;

TRegexEngine* TRegex::EngineFor(std::string_view Text, std::string_view Extra) {
  bool unicode = false;
  switch (path_) {
    case TRegexPath::Byte: unicode = false; break;
    case TRegexPath::Unicode: unicode = true; break;
    case TRegexPath::Auto: unicode = patternNeedsUnicode_ || HasNonASCII(Text) || RequiresUnicodeRegex(Extra); break;
  }
  auto& slot = unicode ? unicode_ : byte_;
  if (!slot) slot = std::make_unique<TRegexEngine>(regex_, unicode, caseInsensitive_);
  lastOK_ = slot->ok();
  return slot.get();
}

bool TRegex::OK() { return EngineFor({})->ok(); }

int32_t TRegex::Pos(std::string_view Text) {
  TRegexEngine* e = EngineFor(Text);
  if (!e->Exec(Text, 0)) return 0;
  return static_cast<int32_t>(e->Start() + 1);
}

bool TRegex::Matches(std::string_view Text) {
  TRegexEngine* e = EngineFor(Text);
  return e->Exec(Text, 0) && e->Start() == 0 && e->End() == Text.size();
}

bool TRegex::EndsWith(std::string_view Text) {
  TRegexEngine* e = EngineFor(Text);
  if (Text.empty()) return false;
  bool found = false;
  e->ForEachMatch(Text, [&] {
    found = e->End() == Text.size();
    return !found;
  });
  return found;
}

TStrArray TRegex::FindText(std::string_view Text) {
  TRegexEngine* e = EngineFor(Text);
  TStrArray result;
  e->ForEachMatch(Text, [&] {
    result.emplace_back(e->Group(Text, 0));
    return true;
  });
  return result;
}

TStrArray TRegex::FindTextFromBrackets(std::string_view Text, bool OnlyFirstBracket) {
  TRegexEngine* e = EngineFor(Text);
  TStrArray result;
  e->ForEachMatch(Text, [&] {
    if (OnlyFirstBracket) {
      result.emplace_back(e->Group(Text, 1));
      return true;
    }
    for (int g = 1; g <= kMaxReportedGroup; ++g) {
      const std::string_view t = e->Group(Text, g);
      if (t.empty()) break;
      result.emplace_back(t);
    }
    return true;
  });
  return result;
}

namespace {

void AppendExpanded(std::string& out, std::string_view repl, std::string_view text, const TRegexEngine& e) {
  size_t i = 0;
  while (i < repl.size()) {
    const char c = repl[i];
    if (c == '\\' && i + 1 < repl.size()) {
      const size_t len = CharLenAt(repl, i + 1);
      out.append(repl.substr(i + 1, len));
      i += 1 + len;
      continue;
    }
    if (c == '$' && i + 1 < repl.size()) {
      const char d = repl[i + 1];
      if (d == '&') {
        out.append(e.Group(text, 0));
        i += 2;
        continue;
      }
      size_t p = i + 1;
      const bool braced = d == '{';
      if (braced) ++p;
      const size_t digitsStart = p;
      int number = 0;
      while (p < repl.size() && repl[p] >= '0' && repl[p] <= '9') {
        if (number <= kMaxReportedGroup) number = number * 10 + (repl[p] - '0');
        ++p;
      }
      const bool hasDigits = p > digitsStart;
      if (hasDigits && (!braced || (p < repl.size() && repl[p] == '}'))) {
        if (braced) ++p;
        out.append(e.Group(text, number));
        i = p;
        continue;
      }
    }
    out += c;
    ++i;
  }
}

}  // namespace

std::string TRegex::Replace(std::string_view Text, std::string_view Replacement) {
  TRegexEngine* e = EngineFor(Text, Replacement);
  // A pattern ending in an open class is never valid.
  if (!regex_.empty() && regex_.back() == '[') {
    lastOK_ = false;
    return std::string(Text);
  }
  std::string out;
  size_t copied = 0;
  e->ForEachMatch(Text, [&] {
    out.append(Text.substr(copied, e->Start() - copied));
    AppendExpanded(out, Replacement, Text, *e);
    copied = e->End();
    return true;
  });
  out.append(Text.substr(copied));
  return out;
}

// --- Free functions ---------------------------------------------------------------

namespace {

template <typename F>
auto WithRegex(std::string_view Regex, bool caseless, TRegexPath path, bool* OK, const F& f) {
  TRegex re(Regex, caseless, path);
  auto result = f(re);
  if (OK) *OK = re.LastOK();
  return result;
}

}  // namespace

#define SYLLABRIX_REGEX_VARIANTS(Name, Ret, Params, Caseless, Call)                               \
  Ret Name Params {                                                                               \
    return WithRegex(Regex, Caseless, TRegexPath::Auto, OK, [&](TRegex& re) { return Call; });    \
  }                                                                                               \
  Ret Name##W Params {                                                                            \
    return WithRegex(Regex, Caseless, TRegexPath::Unicode, OK, [&](TRegex& re) { return Call; }); \
  }                                                                                               \
  Ret Name##A Params {                                                                            \
    return WithRegex(Regex, Caseless, TRegexPath::Byte, OK, [&](TRegex& re) { return Call; });    \
  }

SYLLABRIX_REGEX_VARIANTS(RegReplaceWithRegex, std::string,
                         (std::string_view Text, std::string_view Regex, std::string_view Replacement, bool* OK), false,
                         re.Replace(Text, Replacement))
SYLLABRIX_REGEX_VARIANTS(RegFindTextFromRegex, TStrArray, (std::string_view Text, std::string_view Regex, bool* OK),
                         false, re.FindText(Text))
SYLLABRIX_REGEX_VARIANTS(RegFindTextFromRegexFromBrackets, TStrArray,
                         (std::string_view Text, std::string_view Regex, bool OnlyFirstBracket, bool* OK), false,
                         re.FindTextFromBrackets(Text, OnlyFirstBracket))
SYLLABRIX_REGEX_VARIANTS(RegPos, int32_t, (std::string_view Text, std::string_view Regex, bool* OK), false,
                         re.Pos(Text))
SYLLABRIX_REGEX_VARIANTS(RegMatches, bool, (std::string_view Text, std::string_view Regex, bool MatchCase, bool* OK),
                         !MatchCase, re.Matches(Text))
SYLLABRIX_REGEX_VARIANTS(StrEndsWithRegex, bool, (std::string_view Text, std::string_view Regex, bool* OK), false,
                         re.EndsWith(Text))

#undef SYLLABRIX_REGEX_VARIANTS
