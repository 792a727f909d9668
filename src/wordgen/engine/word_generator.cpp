#include "wordgen/engine/word_generator.h"

#include <algorithm>
#include <utility>

#include "foundation/letters.h"
#include "foundation/number_format.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"

namespace {
// Bytes the remembered verdicts may take.
constexpr size_t kMaxVerdictBytes = size_t{64} << 20;
}  // namespace

void TWordGenEngine::TVerdictCache::Clear() {
  Rows.clear();
  Verdicts.clear();
  BeginsWithKey.clear();
  RowKeys.clear();
  EndingRows.clear();
}

void TWordGenEngine::ClearSilbenFrequencyArray() {
  FCache.Clear();
  GlobalSFA.clear();
  FCumulative.clear();
  FGuide.clear();
  GlobalMaxKum = 0;
}

int32_t TWordGenEngine::AddToSyllableList(std::string syllable, int32_t frequency, int32_t positionType,
                                          int32_t positionValue) {
  FCache.Clear();
  TSilbenFrequencyItem item;
  item.Syllable = std::move(syllable);
  item.Frequency = frequency;
  item.Cumulative = GlobalMaxKum + std::max<int64_t>(frequency, 0);
  item.PositionType = positionType;
  item.PositionValue = positionValue;
  GlobalMaxKum = item.Cumulative;
  FCumulative.push_back(item.Cumulative);
  FGuide.clear();
  GlobalSFA.push_back(std::move(item));
  return static_cast<int32_t>(GlobalSFA.size() - 1);
}

void TWordGenEngine::CreateSilbenFrequencyArray(const TStrArray& lines, bool useLineBreakChar,
                                                std::string_view lineBreakChar) {
  ClearSilbenFrequencyArray();
  TSyllableHead head;
  std::string syllable;
  for (const std::string& line : lines) {
    if (ParseSyllableLine(line, head, syllable))
      AddToSyllableList(std::move(syllable), head.Frequency, head.PositionType, head.PositionValue);
  }
  FCache.Clear();
  if (useLineBreakChar && !lineBreakChar.empty()) {
    for (TSilbenFrequencyItem& item : GlobalSFA) item.Syllable = StringReplaceFast(item.Syllable, lineBreakChar, "\n");
  }
}

bool TWordGenEngine::CheckSyllableListForPositions(int32_t wordLength, std::string& missing) const {
  missing.clear();
  if (wordLength <= 0) return true;
  const int64_t length = wordLength;
  // Each entry covers one run of positions; the gaps between the runs are the
  // missing positions. Working on runs keeps long words cheap.
  std::vector<std::pair<int64_t, int64_t>> runs;
  for (const TSilbenFrequencyItem& item : GlobalSFA) {
    const int64_t n = item.PositionValue;
    int64_t lo = 1;
    int64_t hi = 0;
    switch (item.PositionType) {
      case kPosAnywhere:
        lo = 1;
        hi = length;
        break;
      case kPosBegin:
        lo = 1;
        hi = 1;
        break;
      case kPosEnd:
        lo = length;
        hi = length;
        break;
      case kPosMiddle:
        lo = 2;
        hi = length - 1;
        break;
      case kPosLeft:
        lo = 1;
        hi = std::min(n, length);
        break;
      case kPosRight:
        lo = std::max<int64_t>(1, length - n + 1);
        hi = length;
        break;
      case kPosExact:
        lo = n;
        hi = n;
        break;
      default: break;
    }
    lo = std::max<int64_t>(lo, 1);
    hi = std::min(hi, length);
    if (lo > hi) continue;
    if (lo == 1 && hi == length) return true;
    runs.emplace_back(lo, hi);
  }
  std::sort(runs.begin(), runs.end());
  int64_t next = 1;  // first position not yet covered
  for (const auto& [lo, hi] : runs) {
    for (int64_t p = next; p < lo; ++p) missing += IntToStr(p) + " ";
    next = std::max(next, hi + 1);
  }
  for (int64_t p = next; p <= length; ++p) missing += IntToStr(p) + " ";
  return missing.empty();
}

void TWordGenEngine::CreateGlobalLesbarRegeln(std::string_view rulesText) {
  ParseReadabilityRules(rulesText, GlobalLesbarRegeln);
  FIndex.Build(GlobalLesbarRegeln);
  FCache.Clear();
}

bool TWordGenEngine::CheckSyllableListIfLesbar() const {
  bool vowel = false;
  bool consonant = false;
  for (const TSilbenFrequencyItem& item : GlobalSFA) {
    const std::string first = UTF8FirstChar(item.Syllable);
    if (IsVokal(first)) {
      vowel = true;
    } else if (IsKonsonant(first)) {
      consonant = true;
    } else {
      vowel = true;
      consonant = true;
    }
    if (vowel && consonant) return true;
  }
  return false;
}

int32_t TWordGenEngine::GetSyllablePositionFromGlobalSFA(int64_t r) const {
  const auto it = std::lower_bound(FCumulative.begin(), FCumulative.end(), r);
  if (it == FCumulative.end()) return -1;
  return static_cast<int32_t>(it - FCumulative.begin());
}

int32_t TWordGenEngine::GuidedPosition(int64_t r) {
  if (FGuide.empty()) {
    // About four blocks per entry.
    const auto total = static_cast<uint64_t>(GlobalMaxKum);
    const auto entries = static_cast<uint64_t>(FCumulative.size()) * 4;
    FGuideShift = 0;
    while ((total >> FGuideShift) > entries) ++FGuideShift;
    const size_t blocks = static_cast<size_t>((total - 1) >> FGuideShift) + 2;
    FGuide.resize(blocks);
    for (size_t b = 0; b < blocks; ++b) {
      const int64_t first = static_cast<int64_t>(std::min<uint64_t>(total, (uint64_t{b} << FGuideShift) + 1));
      FGuide[b] = GetSyllablePositionFromGlobalSFA(first);
    }
  }
  // The entry lies between the ones that the first values of this block and
  // of the next select.
  const size_t b = static_cast<size_t>(static_cast<uint64_t>(r - 1) >> FGuideShift);
  int32_t i = FGuide[b];
  const int32_t last = FGuide[b + 1];
  if (last - i > 8)
    return static_cast<int32_t>(std::lower_bound(FCumulative.begin() + i, FCumulative.begin() + last, r) -
                                FCumulative.begin());
  while (FCumulative[static_cast<size_t>(i)] < r) ++i;
  return i;
}

int32_t TWordGenEngine::DrawSyllable() {
  if (GlobalMaxKum <= 0) return -1;
  // r from 1 to the total: every entry gets exactly its frequency's share,
  // and an entry of frequency 0 never comes up.
  const int64_t r = static_cast<int64_t>(Random().Random(static_cast<uint64_t>(GlobalMaxKum))) + 1;
  return GuidedPosition(r);
}

int32_t TWordGenEngine::FindSyllablePosInGlobalSFA(int32_t a, int32_t b, bool oncePerWord) {
  int64_t drawsLeft = kMaxDrawsPerSearch;
  return FindSyllablePos(a, b, oncePerWord, drawsLeft);
}

int32_t TWordGenEngine::FindSyllablePos(int32_t a, int32_t b, bool oncePerWord, int64_t& drawsLeft) {
  if (GlobalMaxKum <= 0) return -1;
  for (int32_t draws = 0; draws < kMaxDrawsPerSearch; ++draws) {
    if (drawsLeft <= 0) return -1;
    --drawsLeft;
    const int32_t i = DrawSyllable();
    if (i < 0) continue;
    const TSilbenFrequencyItem& item = GlobalSFA[i];
    if (oncePerWord && item.Used) continue;
    if (IsAllowedAtPosition(item.PositionType, item.PositionValue, a, b)) return i;
  }
  return -1;
}

int8_t* TWordGenEngine::VerdictRow() {
  FRowKey.assign(reinterpret_cast<const char*>(FEndingKeys.data()), FEndingKeys.size() * sizeof(int32_t));
  const auto it = FCache.Rows.find(FRowKey);
  if (it != FCache.Rows.end()) {
    FRowIndex = it->second;
    return FCache.Verdicts[it->second].data();
  }
  if ((FCache.Verdicts.size() + 1) * GlobalSFA.size() > kMaxVerdictBytes) return nullptr;
  FRowIndex = static_cast<int32_t>(FCache.Verdicts.size());
  FCache.Rows.emplace(FRowKey, FRowIndex);
  FCache.Verdicts.emplace_back(GlobalSFA.size(), int8_t{-1});
  FCache.RowKeys.push_back(FEndingKeys);
  return FCache.Verdicts.back().data();
}

int8_t* TWordGenEngine::RowAfter(const std::string& word) {
  // The ending keys depend on the word's last bytes, as many as the longest
  // key has, alone.
  const size_t keyLength = FIndex.MaxKeyLength();
  if (keyLength > 7) {
    FIndex.EndingKeys(word, FEndingKeys);
    return VerdictRow();
  }
  const size_t n = std::min(keyLength, word.size());
  uint64_t ending = uint64_t{n} << 56;
  for (size_t k = 0; k < n; ++k) ending |= uint64_t{static_cast<unsigned char>(word[word.size() - n + k])} << (8 * k);
  constexpr size_t kEndingRowBits = 12;
  if (FCache.EndingRows.empty()) FCache.EndingRows.resize(size_t{1} << kEndingRowBits);
  auto& slot = FCache.EndingRows[(ending * 0x9E3779B97F4A7C15ULL) >> (64 - kEndingRowBits)];
  if (slot.Row >= 0 && slot.Ending == ending) {
    FEndingKeys = FCache.RowKeys[slot.Row];
    return FCache.Verdicts[slot.Row].data();
  }
  FIndex.EndingKeys(word, FEndingKeys);
  int8_t* row = VerdictRow();
  if (row) slot = {ending, FRowIndex};
  return row;
}

bool TWordGenEngine::SyllableAllowed(int32_t entry, bool ifNoRule, int8_t* row) {
  const std::string& syllable = GlobalSFA[entry].Syllable;
  bool rule;
  if (row && row[entry] >= 0) {
    rule = row[entry] != 0;
  } else {
    rule = FIndex.RuleAllows(FEndingKeys, syllable);
    if (row) row[entry] = rule ? 1 : 0;
  }
  if (rule) return true;
  if (!ifNoRule) return false;
  if (FEndingKeys.empty()) return true;
  if (FCache.BeginsWithKey.size() != GlobalSFA.size()) FCache.BeginsWithKey.assign(GlobalSFA.size(), int8_t{-1});
  int8_t& begins = FCache.BeginsWithKey[entry];
  if (begins < 0) begins = FIndex.BeginsWithKey(syllable) ? 1 : 0;
  return begins == 0;
}

std::string TWordGenEngine::CreateWord(int32_t length, bool readable, bool ifNoRule, bool oncePerWord) {
  std::string word;
  int64_t drawsLeft = kMaxDrawsPerWord;
  if (oncePerWord)
    for (TSilbenFrequencyItem& item : GlobalSFA) item.Used = false;
  for (int64_t pos = 1; pos <= length; ++pos) {
    const int32_t a = static_cast<int32_t>(pos);
    if (!readable) {
      const int32_t i = FindSyllablePos(a, length, oncePerWord, drawsLeft);
      if (i < 0) return NulMarker();
      word += GlobalSFA[i].Syllable;
      GlobalSFA[i].Used = true;
      continue;
    }
    // The word only changes when a syllable is taken, so its ending keys are
    // looked up once per position.
    int8_t* row = nullptr;
    if (!word.empty()) row = RowAfter(word);
    int32_t tests = 0;
    for (;;) {
      const int32_t i = FindSyllablePos(a, length, oncePerWord, drawsLeft);
      if (i < 0) return NulMarker();
      if (tests >= kMaxReadabilityTests) return NulMarker();
      ++tests;
      TSilbenFrequencyItem& item = GlobalSFA[i];
      if (word.empty() || SyllableAllowed(i, ifNoRule, row)) {
        word += item.Syllable;
        item.Used = true;
        break;
      }
    }
  }
  return word;
}
