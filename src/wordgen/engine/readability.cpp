#include "wordgen/engine/readability.h"

#include <algorithm>

#include "foundation/line_breaks.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"

namespace {

const char* const kVowelList =
    "A|E|I|O|U|Ä|Ö|Ü|Α|А|Е|Ё|И|О|У|Ы|Э|Ε|Η|Ι|"
    "Ο|Υ|Ω|À|Á|Â|Ã|Ä|Å|Æ|Ǻ|Ā|Ă|Ą|È|É|Ê|Ë|Ȩ|Ð|"
    "Ē|Ĕ|Ė|Ę|Ě|Ì|Í|Î|Ï|Ĩ|Ī|Ĭ|Į|İ|Ō|Ŏ|Ő|Œ|Ò|Ó|"
    "Ô|Õ|Ö|Ø|Ơ|Ũ|Ū|Ŭ|Ů|Ű|Ų|Ư|Ù|Ú|Û|Ü";

const char* const kConsonantList =
    "B|C|D|F|G|H|J|K|L|M|N|P|Q|R|S|T|V|W|X|Y|"
    "Z|ß|Б|В|Г|Д|Ж|З|Й|К|Л|М|Н|П|Р|С|Т|Ф|Х|Ц|"
    "Ч|Ш|Щ|Ю|Я|Β|Γ|Δ|Ζ|Θ|Κ|Λ|Μ|Ν|Ξ|Π|Ρ|Σ|Τ|Φ|"
    "Χ|Ψ|Ç|Ć|Ĉ|Ċ|Č|Đ|Ď|Ĝ|Ğ|Ġ|Ģ|Ǧ|Ĥ|Ħ|Ĵ|Ķ|Ǩ|Ĺ|"
    "Ļ|Ľ|Ŀ|Ł|Ń|Ņ|Ň|Ŋ|Ñ|Ŕ|Ŗ|Ř|Ś|Ŝ|Ş|Š|Ș|Ţ|Ť|Ŧ|"
    "Ț|Ŵ|Ŷ|Ÿ|Ý|Ź|Ż|Ž";

}  // namespace

const std::string& DefaultReadabilityRules() {
  static const std::string text =
      std::string(kVowelList) + ">" + kConsonantList + "\n\n" + kConsonantList + ">" + kVowelList;
  return text;
}

void ParseReadabilityRules(std::string_view rulesText, TKeyStrArrayArrayObj& rules) {
  rules.Clear();
  TStrArray lines;
  ExplodeAtAllTypesOfLineBreaks(lines, rulesText);
  for (const std::string& line : lines) {
    const size_t gt = line.find('>');
    if (gt == std::string::npos) continue;
    TStrArray keys;
    TStrArray values;
    Explode(keys, "|", Trim(std::string_view(line).substr(0, gt)));
    Explode(values, "|", Trim(std::string_view(line).substr(gt + 1)));
    for (const std::string& key : keys) rules.Add(key, values);
  }
}

void TReadabilityIndex::Build(const TKeyStrArrayArrayObj& rules) {
  FKeys.clear();
  FKeyIndex.clear();
  FKeyLens.clear();
  FEmptyKey = -1;
  const int32_t count = rules.Count_Keys();
  FKeys.resize(count);
  for (int32_t k = 0; k < count; ++k) {
    const std::string& key = rules.Items[k].Key;
    if (key.empty()) {
      FEmptyKey = k;
    } else {
      FKeyIndex.emplace(key, k);
      FKeyLens.push_back(key.size());
    }
    TKey& entry = FKeys[k];
    for (const std::string& value : rules.Items[k].Values) {
      if (value.empty()) continue;
      if (entry.Values.insert(value).second) entry.ValueLens.push_back(value.size());
    }
    std::sort(entry.ValueLens.begin(), entry.ValueLens.end());
    entry.ValueLens.erase(std::unique(entry.ValueLens.begin(), entry.ValueLens.end()), entry.ValueLens.end());
  }
  std::sort(FKeyLens.begin(), FKeyLens.end());
  FKeyLens.erase(std::unique(FKeyLens.begin(), FKeyLens.end()), FKeyLens.end());
}

void TReadabilityIndex::EndingKeys(std::string_view word, std::vector<int32_t>& keys) const {
  keys.clear();
  if (FEmptyKey >= 0) keys.push_back(FEmptyKey);
  for (size_t len : FKeyLens) {
    if (len > word.size()) break;
    const auto it = FKeyIndex.find(word.substr(word.size() - len));
    if (it != FKeyIndex.end()) keys.push_back(it->second);
  }
}

bool TReadabilityIndex::BeginsWithKey(std::string_view syllable) const {
  for (size_t len : FKeyLens) {
    if (len > syllable.size()) break;
    if (FKeyIndex.find(syllable.substr(0, len)) != FKeyIndex.end()) return true;
  }
  return false;
}

bool TReadabilityIndex::RuleAllows(const std::vector<int32_t>& endingKeys, std::string_view syllable) const {
  for (int32_t k : endingKeys) {
    const TKey& key = FKeys[k];
    for (size_t len : key.ValueLens) {
      if (len > syllable.size()) break;
      if (key.Values.find(syllable.substr(0, len)) != key.Values.end()) return true;
    }
  }
  return false;
}

bool TReadabilityIndex::Allows(const std::vector<int32_t>& endingKeys, std::string_view syllable, bool ifNoRule) const {
  if (RuleAllows(endingKeys, syllable)) return true;
  if (!ifNoRule) return false;
  // Without a joining rule the syllable is refused only when the rules speak
  // about both the word's ending and the syllable's beginning.
  return endingKeys.empty() || !BeginsWithKey(syllable);
}

bool TReadabilityIndex::Check(std::string_view word, std::string_view syllable, bool ifNoRule) const {
  if (word.empty()) return true;
  std::vector<int32_t> keys;
  EndingKeys(word, keys);
  return Allows(keys, syllable, ifNoRule);
}
