#include "foundation/regex.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <array>
#include <optional>

#include "foundation/regex_pattern.h"
#include "foundation/utf8.h"

bool RequiresUnicodeRegex(std::string_view text) {
  for (unsigned char b : text) {
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

// Groups beyond this number are never reported.
constexpr int kMaxReportedGroup = 14;

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
    if (!TranslateRegexPattern(regex, unicode, caseless, translated)) return;

    pcre2_compile_context* ctx = pcre2_compile_context_create(nullptr);
    if (!ctx) return;
    pcre2_set_character_tables(ctx, Tables(unicode));
    pcre2_set_newline(ctx, unicode ? PCRE2_NEWLINE_ANY : PCRE2_NEWLINE_ANYCRLF);
    uint32_t options = PCRE2_DOTALL;
    if (unicode) options |= PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
    if (caseless) options |= PCRE2_CASELESS;
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    FCode = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translated.data()), translated.size(), options, &error,
                          &errorOffset, ctx);
    pcre2_compile_context_free(ctx);
    if (!FCode) return;
    FMatch = pcre2_match_data_create_from_pattern(FCode, nullptr);
    if (!FMatch) {
      pcre2_code_free(FCode);
      FCode = nullptr;
      return;
    }
    uint32_t captures = 0;
    pcre2_pattern_info(FCode, PCRE2_INFO_CAPTURECOUNT, &captures);
    FGroups = static_cast<int>(captures);
  }

  ~TRegexEngine() {
    pcre2_match_data_free(FMatch);
    pcre2_code_free(FCode);
  }

  TRegexEngine(const TRegexEngine&) = delete;
  TRegexEngine& operator=(const TRegexEngine&) = delete;

  bool ok() const { return FCode != nullptr; }

  // The first match that starts at or after byte offset start.
  bool Exec(std::string_view text, size_t start) {
    if (!FCode || start > text.size()) return false;
    // Machine code pays off only when one pattern serves many searches.
    if (!FJitTried && ++FSearches >= kJitAfterSearches) {
      FJitTried = true;
      pcre2_jit_compile(FCode, PCRE2_JIT_COMPLETE);
    }
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(text.data() ? text.data() : kEmptySubject);
    int rc = pcre2_match(FCode, subject, text.size(), start, 0, FMatch, nullptr);
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT)
      rc = pcre2_match(FCode, subject, text.size(), start, PCRE2_NO_JIT, FMatch, nullptr);
    // Errors such as an exhausted match limit count as no match.
    if (rc <= 0) return false;
    const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(FMatch);
    return ov[0] <= ov[1];
  }

  size_t Start() const { return pcre2_get_ovector_pointer(FMatch)[0]; }
  size_t End() const { return pcre2_get_ovector_pointer(FMatch)[1]; }

  // Text of group g of the last match; "" for a group that did not take part
  // or is beyond the reported groups.
  std::string_view Group(std::string_view text, int g) const {
    if (g < 0 || g > kMaxReportedGroup || g > FGroups) return {};
    const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(FMatch);
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
  pcre2_code* FCode = nullptr;
  pcre2_match_data* FMatch = nullptr;
  int FGroups = 0;
  int FSearches = 0;
  bool FJitTried = false;
};

// --- TRegex ---------------------------------------------------------------------

TRegex::TRegex(std::string_view regex, bool caseInsensitive, TRegexPath path)
    : FRegex(regex),
      FCaseInsensitive(caseInsensitive),
      FPath(path),
      FPatternNeedsUnicode(RequiresUnicodeRegex(regex)) {}

TRegex::~TRegex() = default;

TRegexEngine* TRegex::EngineFor(std::string_view text, std::string_view extra) {
  bool unicode = false;
  switch (FPath) {
    case TRegexPath::Byte: unicode = false; break;
    case TRegexPath::Unicode: unicode = true; break;
    case TRegexPath::Auto: unicode = FPatternNeedsUnicode || HasNonASCII(text) || RequiresUnicodeRegex(extra); break;
  }
  auto& slot = unicode ? FUnicode : FByte;
  if (!slot) slot = std::make_unique<TRegexEngine>(FRegex, unicode, FCaseInsensitive);
  FLastOK = slot->ok();
  return slot.get();
}

bool TRegex::OK() { return EngineFor({})->ok(); }

int32_t TRegex::Pos(std::string_view text) {
  TRegexEngine* e = EngineFor(text);
  if (!e->Exec(text, 0)) return 0;
  return static_cast<int32_t>(e->Start() + 1);
}

bool TRegex::Matches(std::string_view text) {
  TRegexEngine* e = EngineFor(text);
  return e->Exec(text, 0) && e->Start() == 0 && e->End() == text.size();
}

bool TRegex::EndsWith(std::string_view text) {
  TRegexEngine* e = EngineFor(text);
  if (text.empty()) return false;
  bool found = false;
  e->ForEachMatch(text, [&] {
    found = e->End() == text.size();
    return !found;
  });
  return found;
}

TStrArray TRegex::FindText(std::string_view text) {
  TRegexEngine* e = EngineFor(text);
  TStrArray result;
  e->ForEachMatch(text, [&] {
    result.emplace_back(e->Group(text, 0));
    return true;
  });
  return result;
}

TStrArray TRegex::FindTextFromBrackets(std::string_view text, bool onlyFirstBracket) {
  TRegexEngine* e = EngineFor(text);
  TStrArray result;
  e->ForEachMatch(text, [&] {
    if (onlyFirstBracket) {
      result.emplace_back(e->Group(text, 1));
      return true;
    }
    for (int g = 1; g <= kMaxReportedGroup; ++g) {
      const std::string_view t = e->Group(text, g);
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

std::string TRegex::Replace(std::string_view text, std::string_view replacement) {
  TRegexEngine* e = EngineFor(text, replacement);
  // A pattern ending in an open class is never valid.
  if (!FRegex.empty() && FRegex.back() == '[') {
    FLastOK = false;
    return std::string(text);
  }
  std::string out;
  size_t copied = 0;
  e->ForEachMatch(text, [&] {
    out.append(text.substr(copied, e->Start() - copied));
    AppendExpanded(out, replacement, text, *e);
    copied = e->End();
    return true;
  });
  out.append(text.substr(copied));
  return out;
}

// --- Free functions ---------------------------------------------------------------

namespace {

template <typename F>
auto WithRegex(std::string_view regex, bool caseless, TRegexPath path, bool* ok, const F& f) {
  TRegex re(regex, caseless, path);
  auto result = f(re);
  if (ok) *ok = re.LastOK();
  return result;
}

}  // namespace

#define SYLLABRIX_REGEX_VARIANTS(Name, Ret, Params, Caseless, Call)                               \
  Ret Name Params {                                                                               \
    return WithRegex(regex, Caseless, TRegexPath::Auto, ok, [&](TRegex& re) { return Call; });    \
  }                                                                                               \
  Ret Name##W Params {                                                                            \
    return WithRegex(regex, Caseless, TRegexPath::Unicode, ok, [&](TRegex& re) { return Call; }); \
  }                                                                                               \
  Ret Name##A Params {                                                                            \
    return WithRegex(regex, Caseless, TRegexPath::Byte, ok, [&](TRegex& re) { return Call; });    \
  }

SYLLABRIX_REGEX_VARIANTS(RegReplaceWithRegex, std::string,
                         (std::string_view text, std::string_view regex, std::string_view replacement, bool* ok), false,
                         re.Replace(text, replacement))
SYLLABRIX_REGEX_VARIANTS(RegFindTextFromRegex, TStrArray, (std::string_view text, std::string_view regex, bool* ok),
                         false, re.FindText(text))
SYLLABRIX_REGEX_VARIANTS(RegFindTextFromRegexFromBrackets, TStrArray,
                         (std::string_view text, std::string_view regex, bool onlyFirstBracket, bool* ok), false,
                         re.FindTextFromBrackets(text, onlyFirstBracket))
SYLLABRIX_REGEX_VARIANTS(RegPos, int32_t, (std::string_view text, std::string_view regex, bool* ok), false,
                         re.Pos(text))
SYLLABRIX_REGEX_VARIANTS(RegMatches, bool, (std::string_view text, std::string_view regex, bool matchCase, bool* ok),
                         !matchCase, re.Matches(text))
SYLLABRIX_REGEX_VARIANTS(StrEndsWithRegex, bool, (std::string_view text, std::string_view regex, bool* ok), false,
                         re.EndsWith(text))

#undef SYLLABRIX_REGEX_VARIANTS
