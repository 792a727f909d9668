#include "wordgen/engine/create_command.h"

#include <algorithm>

#include "foundation/letter_case.h"
#include "foundation/letters.h"
#include "foundation/number_format.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"
#include "text/text_store.h"
#include "wordgen/engine/syllable_list.h"

namespace {

// Program texts of the messages.
constexpr int32_t kTextNotReadable = 32;
constexpr int32_t kTextCannotCreate = 33;
constexpr int32_t kTextMissingPositions = 34;
constexpr int32_t kTextNoFrequencies = 35;
constexpr int32_t kTextSomeWithoutFrequency = 36;
constexpr int32_t kTextOnlyWithFrequency = 37;
constexpr int32_t kTextRightClickToAssign = 38;
constexpr int32_t kTextEnterNumber = 39;
constexpr int32_t kTextEnterLength = 40;
constexpr int32_t kTextLoadList = 42;
constexpr int32_t kTextMoreInformation = 122;

// Message parts are joined by an empty line.
std::string Compose(std::initializer_list<int32_t> texts) {
  std::string out;
  for (int32_t t : texts) {
    if (!out.empty()) out += "\n\n";
    out += SprLocalText(t);
  }
  return out;
}

TEngineMessage Error(std::string text) { return {TMessageKind::Error, std::move(text)}; }

// The output field seen as lines. A line is appended after a line break; a
// text that is empty or already ends with one takes the line as it is,
// unless a line was appended in this run already (so that appended empty
// lines are kept).
class TOutputLines {
 public:
  explicit TOutputLines(std::string text) : FText(std::move(text)) { FOpen = !FText.empty() && FText.back() != '\n'; }
  void AppendLine(std::string_view line) {
    if (FOpen) FText += '\n';
    FText += line;
    FOpen = true;
  }
  std::string& Text() { return FText; }

 private:
  std::string FText;
  bool FOpen = false;
};

std::string ApplyWriting(std::string word, int32_t writing, TLetterCaseRules rules, TRandomGenerator& gen) {
  switch (writing) {
    case kWritingUpperCase: return UTF8UpperCase(word, rules);
    case kWritingMixedCase: return MixedCase(word, gen, rules);
    case kWritingInitialCapitals: return UpperCaseBegin(word, rules);
    case kWritingLowerCase: return UTF8LowerCaseWords(word, rules);
    default: return word;
  }
}

// The most bytes one word can add to the output: the longest length made of
// the longest syllable that the list yields, and its line break or separator.
// The line-break character never lengthens a syllable.
int64_t MostBytesPerWord(const TStrArray& lines, int64_t longest, const TCreateSettings& settings) {
  int64_t syllable = 0;
  TSyllableHead head;
  std::string text;
  for (const std::string& line : lines)
    if (ParseSyllableLine(line, head, text)) syllable = std::max<int64_t>(syllable, static_cast<int64_t>(text.size()));
  const int64_t separator =
      settings.WordsBeside ? std::max<int64_t>(static_cast<int64_t>(settings.WordsBesideBetweenChar.size()), 1) : 1;
  return std::max<int64_t>(longest, 0) * syllable + separator;
}

// A Japanese or Chinese input method types digits and the range's dash full
// width ("１〜３"), and the Japanese hint shows the range as "1〜3": the length
// field reads those as "0"-"9" and "-".
std::string HalfWidthDigitsAndDashes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    const char32_t c = UTF8DecodeAt(text, pos);
    if (c >= U'\uFF10' && c <= U'\uFF19')  // ０..９
      out += static_cast<char>('0' + (c - U'\uFF10'));
    else if (c == U'\u301C' || c == U'\uFF5E' || c == U'\uFF0D')  // 〜 ～ －
      out += '-';
    else
      out.append(text.substr(start, pos - start));
  }
  return out;
}

}  // namespace

bool ParseWordLength(std::string_view typed, TWordLength& out) {
  out = {};
  const std::string text = HalfWidthDigitsAndDashes(typed);
  int32_t n = 0;
  if (TryStrToInt(text, n)) {
    out.Length = n;
    return true;
  }
  const size_t dash = text.find('-');
  if (dash == std::string_view::npos) return false;
  int32_t a = 0;
  int32_t b = 0;
  if (!TryStrToInt(Trim(text.substr(0, dash)), a) || !TryStrToInt(Trim(text.substr(dash + 1)), b)) return false;
  out.RangeFrom = a;
  out.RangeTo = b;
  return true;
}

TCreateResult RunCreateCommand(TWordGenEngine& engine, const TCreateSettings& settings, std::string_view lengthText,
                               std::string_view numberText, std::string_view syllableListText,
                               std::string_view outputText) {
  TCreateResult result;
  result.OutputText = settings.ClearListBeforeCreation ? std::string() : std::string(outputText);

  TWordLength length;
  if (!ParseWordLength(lengthText, length)) {
    result.Messages.push_back(Error(SprLocalText(kTextEnterLength)));
    return result;
  }
  const int64_t longest = length.IsRange() ? std::max(length.RangeFrom, length.RangeTo) : length.Length;
  if (longest > kMaxCreateWordLength) {
    result.Messages.push_back(Error(SprLocalText(kTextEnterLength)));
    return result;
  }

  const TStrArray lines = SplitFieldLines(syllableListText);
  int32_t count = 0;
  if (!TryStrToInt(numberText, count) || int64_t{count} * std::max<int64_t>(longest, 1) > kMaxCreateSyllables ||
      (count > 0 && count * MostBytesPerWord(lines, longest, settings) > kMaxCreateOutputBytes)) {
    result.Messages.push_back(Error(SprLocalText(kTextEnterNumber)));
    return result;
  }

  switch (CheckSyllableListForFrequencies(lines)) {
    case kFreqCheckNothingUsable:
      result.Messages.push_back(Error(Compose({kTextLoadList, kTextMoreInformation})));
      return result;
    case kFreqCheckNoFrequencies:
      result.Messages.push_back(
          Error(Compose({kTextNoFrequencies, kTextOnlyWithFrequency, kTextRightClickToAssign, kTextMoreInformation})));
      return result;
    case kFreqCheckSomeWithout:
      result.Messages.push_back({TMessageKind::Information, Compose({kTextSomeWithoutFrequency, kTextOnlyWithFrequency,
                                                                     kTextRightClickToAssign, kTextMoreInformation})});
      break;
    default: break;
  }

  engine.CreateSilbenFrequencyArray(lines, settings.UseLineBreakChar, settings.LineBreakChar);
  engine.CreateGlobalLesbarRegeln(settings.ReadabilityRules);

  if (engine.SFA().empty()) {
    result.Messages.push_back(Error(Compose({kTextLoadList, kTextMoreInformation})));
    return result;
  }
  if (settings.ReadableWords && !engine.CheckSyllableListIfLesbar()) {
    result.Messages.push_back(Error(Compose({kTextNotReadable, kTextMoreInformation})));
    return result;
  }
  std::string missing;
  if (!engine.CheckSyllableListForPositions(length.CheckLength(), missing)) {
    result.Messages.push_back(
        Error(SprLocalText(kTextMissingPositions) + missing + "\n\n" + SprLocalText(kTextMoreInformation)));
    return result;
  }

  TOutputLines out(std::move(result.OutputText));
  if (settings.InsertLineBreakBetweenCreations && !out.Text().empty()) out.AppendLine("");

  TRandomGenerator& gen = engine.Random();
  const int32_t lo = std::min(length.RangeFrom, length.RangeTo);
  const int32_t hi = std::max(length.RangeFrom, length.RangeTo);
  std::string runLine;
  for (int32_t w = 0; w < count; ++w) {
    int32_t wordLength = length.Length;
    if (length.IsRange())
      wordLength =
          static_cast<int32_t>(lo + static_cast<int64_t>(gen.Random(static_cast<uint64_t>(int64_t{hi} - lo + 1))));
    std::string word =
        engine.CreateWord(wordLength, settings.ReadableWords, settings.ReadableIfNoRule, settings.SyllableOncePerWord);
    if (word.find('\0') != std::string::npos) {
      result.OutputText = std::move(out.Text());
      result.Messages.push_back(Error(Compose({kTextCannotCreate, kTextMoreInformation})));
      return result;
    }
    word = ApplyWriting(std::move(word), settings.Writing, settings.CaseRules, gen);
    if (!settings.WordsBeside) {
      out.AppendLine(word);
    } else if (runLine.empty()) {
      runLine = std::move(word);
    } else {
      runLine += settings.WordsBesideBetweenChar;
      runLine += word;
    }
  }

  if (settings.WordsBeside && !runLine.empty()) {
    std::string& cur = out.Text();
    if (cur.empty()) {
      cur = std::move(runLine);
    } else if (!settings.InsertLineBreakBetweenCreations && cur.back() != '\n') {
      cur += settings.WordsBesideBetweenChar;
      cur += runLine;
    } else {
      out.AppendLine(runLine);
    }
  }

  result.OutputText = std::move(out.Text());
  result.Caret = static_cast<int64_t>(UTF8Length(result.OutputText));
  return result;
}
