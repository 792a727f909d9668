#include "wordgen/engine/list_builders.h"

#include <cmath>
#include <vector>

#include "foundation/number_format.h"
#include "foundation/str_transform.h"
#include "foundation/utf8.h"
#include "syllables/syllable_lists.h"
#include "text/text_store.h"
#include "wordgen/engine/syllable_list.h"

namespace {

constexpr int32_t kTextCountFirst = 41;

std::string Frequency4(uint64_t f) { return IntToStrLeadingZeros(static_cast<int64_t>(f), 4); }

// Random groups of groupSize letters: draws times one group with a random
// frequency, merged by group and sorted by it. drawFrequencyFirst chooses
// whether the frequency or the letters come first in each draw.
void AppendGroups(const TStrArray& letters, int32_t groupSize, double factor, bool drawFrequencyFirst,
                  TRandomGenerator& gen, TStrArray& result) {
  if (letters.empty()) return;
  const double n = static_cast<double>(letters.size());
  const int64_t draws = static_cast<int64_t>(std::trunc(n * factor)) + 1;
  // The counter's 32-bit counts would wrap for a group drawn millions of
  // times (a long run of one character), so each pair holds the index of its
  // sum, kept in 64 bits, and is sorted with it.
  TIntStrArrayObj groups;
  std::vector<int64_t> sums;
  for (int64_t d = 0; d < draws; ++d) {
    uint64_t f = 0;
    if (drawFrequencyFirst) f = gen.Random(1000);
    std::string group;
    for (int32_t k = 0; k < groupSize; ++k) group += letters[gen.Random(letters.size())];
    if (!drawFrequencyFirst) f = gen.Random(1000);
    const int32_t at = groups.Contains(group);
    if (at >= 0) {
      sums[groups.Items[at].Int] += static_cast<int64_t>(f);
    } else {
      groups.Add(static_cast<int32_t>(sums.size()), group);
      sums.push_back(static_cast<int64_t>(f));
    }
  }
  groups.SortStrUp();
  for (const TIntStr& g : groups.Items) result.push_back(IntToStrLeadingZeros(sums[g.Int], 4) + " " + g.Str);
}

using TLoadListFunc = TStrArray (*)(bool, bool, bool);

struct TBuiltInList {
  const char* Code;
  TLoadListFunc Load;
};

constexpr TBuiltInList kBuiltInLists[] = {
    {"af", LoadListAF}, {"ba", LoadListBA}, {"be", LoadListBE}, {"ca", LoadListCA}, {"ce", LoadListCE},
    {"cy", LoadListCY}, {"da", LoadListDA}, {"de", LoadListDE}, {"ee", LoadListEE}, {"en", LoadListEN},
    {"es", LoadListES}, {"fi", LoadListFI}, {"fj", LoadListFJ}, {"fr", LoadListFR}, {"ga", LoadListGA},
    {"gr", LoadListGR}, {"he", LoadListHE}, {"hi", LoadListHI}, {"hr", LoadListHR}, {"id", LoadListID},
    {"ir", LoadListIR}, {"is", LoadListIS}, {"it", LoadListIT}, {"ki", LoadListKI}, {"la", LoadListLA},
    {"lv", LoadListLV}, {"ma", LoadListMA}, {"mk", LoadListMK}, {"mn", LoadListMN}, {"nl", LoadListNL},
    {"no", LoadListNO}, {"pl", LoadListPL}, {"po", LoadListPO}, {"ru", LoadListRU}, {"se", LoadListSE},
    {"sp", LoadListSP}, {"sq", LoadListSQ}, {"ta", LoadListTA}, {"tu", LoadListTU}, {"uk", LoadListUK},
    {"vi", LoadListVI},
};

// The head of a list line rewritten with a new frequency, its position code kept.
std::string HeadWithFrequency(const TSyllableHead& head, const std::string& frequency) {
  switch (head.PositionType) {
    case kPosBegin: return frequency + "B";
    case kPosEnd: return frequency + "E";
    case kPosMiddle: return frequency + "M";
    case kPosLeft: return frequency + "L" + IntToStr(head.PositionValue);
    case kPosRight: return frequency + "R" + IntToStr(head.PositionValue);
    case kPosExact: return frequency + "P" + IntToStr(head.PositionValue);
    default: return frequency;
  }
}

}  // namespace

TStrArray RandomList(std::string_view chars, bool addSingle, bool addDigrams, bool addTrigrams, TRandomGenerator& gen) {
  TStrArray result;
  TStrArray letters;
  size_t pos = 0;
  while (pos < chars.size()) {
    const char32_t c = UTF8DecodeAt(chars, pos);
    if (c == 0) break;
    if (c <= 32) continue;  // what trimming would remove
    letters.push_back(UTF8Encode(c));
  }
  if (addSingle)
    for (const std::string& letter : letters) result.push_back(Frequency4(gen.Random(1000)) + " " + letter);
  if (addDigrams) AppendGroups(letters, 2, 1.3, true, gen, result);
  if (addTrigrams) AppendGroups(letters, 3, 1.8, false, gen, result);
  return result;
}

TStrArray RandomList(std::string_view chars, bool addSingle, bool addDigrams, bool addTrigrams) {
  return RandomList(chars, addSingle, addDigrams, addTrigrams, ProgramRandom());
}

TStrArray LoadList(std::string_view code, bool addSingle, bool addDigrams, bool addTrigrams) {
  for (const TBuiltInList& list : kBuiltInLists)
    if (code == list.Code) return list.Load(addSingle, addDigrams, addTrigrams);
  return {};
}

bool NumberRangeList(std::string_view text, TStrArray& lines, TRandomGenerator& gen) {
  lines.clear();
  const size_t dash = text.find('-');
  if (dash == std::string_view::npos) return false;
  const std::string x = Trim(text.substr(0, dash));
  const std::string y = Trim(text.substr(dash + 1));
  int32_t from = 0;
  int32_t to = 0;
  if (x.empty() || y.empty() || !TryStrToInt(x, from) || !TryStrToInt(y, to)) return false;
  if (int64_t{to} - from + 1 > kMaxNumberRangeLines) return false;
  for (int64_t i = from; i <= to; ++i) lines.push_back(Frequency4(gen.Random(1000)) + " " + IntToStr(i));
  return true;
}

bool NumberRangeList(std::string_view text, TStrArray& lines) { return NumberRangeList(text, lines, ProgramRandom()); }

TResultAsListStatus CounterResultAsList(const TIntStrArrayObj& result, bool countPositions, TStrArray& lines) {
  lines.clear();
  if (result.Items.empty()) return TResultAsListStatus::EmptyResult;
  // 64 bits, so that a sum beyond the 32-bit range cannot turn negative.
  int64_t sum = 0;
  for (const TIntStr& item : result.Items) sum += item.Int;
  if (sum == 0) return TResultAsListStatus::ZeroSum;
  lines.reserve(result.Items.size());
  for (const TIntStr& item : result.Items) {
    const double share = static_cast<double>(item.Int) / static_cast<double>(sum) * 10000.0;
    const int64_t f = static_cast<int64_t>(std::nearbyint(share));
    // The counter appends "_" and the position to the group, and the group
    // itself may hold "_": the position follows the last one.
    const size_t underscore = item.Str.rfind('_');
    const bool hasPosition = underscore != std::string::npos && underscore + 1 < item.Str.size() &&
                             item.Str.find_first_not_of("0123456789", underscore + 1) == std::string::npos;
    if (countPositions && hasPosition) {
      std::string code = IntToStr(f) + "P" + item.Str.substr(underscore + 1);
      const size_t width = UTF8Length(code);
      if (width < 7) code.insert(0, 7 - width, '0');
      lines.push_back(code + " " + item.Str.substr(0, underscore));
    } else {
      lines.push_back(IntToStrLeadingZeros(f, 4) + " " + item.Str);
    }
  }
  return TResultAsListStatus::Built;
}

TEngineMessage ResultEmptyMessage() { return {TMessageKind::Error, SprLocalText(kTextCountFirst)}; }

TStrArray ChangeSilbenlistFrequencies(const TStrArray& lines, int32_t tag, TRandomGenerator& gen) {
  if (tag != 1 && tag != 2) return lines;
  TStrArray result;
  result.reserve(lines.size());
  TSyllableHead head;
  for (const std::string& line : lines) {
    if (line.empty() || line[0] == '#') {
      result.push_back(line);
      continue;
    }
    const std::string frequency = tag == 1 ? std::string("0001") : Frequency4(gen.Random(1000));
    const size_t blank = line.find(' ');
    if (blank != std::string::npos && blank > 0 && ParseSyllableHead(std::string_view(line).substr(0, blank), head))
      result.push_back(HeadWithFrequency(head, frequency) + line.substr(blank));
    else
      result.push_back(frequency + " " + line);
  }
  return result;
}

TStrArray ChangeSilbenlistFrequencies(const TStrArray& lines, int32_t tag) {
  return ChangeSilbenlistFrequencies(lines, tag, ProgramRandom());
}
