#include "text/caption_grammar.h"

#include "foundation/letter_case.h"
#include "foundation/utf8.h"
#include "text/language_constants.h"
#include "text/localised_names.h"
#include "text/translations.h"

namespace {

constexpr StrResGlobal kSaveAsSlot = 205;

// English joins by concatenation; its captions are the store's texts as they stand.
constexpr TSprCaptionGrammar kEnglish = {"", ", ", ": ", " ", TSprInnerCase::Keep, {}, ""};

std::string Inner(std::string_view text, const TSprCaptionGrammar& g, bool noun) {
  switch (g.InnerCase) {
    case TSprInnerCase::Keep: return std::string(text);
    case TSprInnerCase::KeepNouns: return noun ? std::string(text) : SprLowerFirstLetterOfWord(text);
    case TSprInnerCase::Lower: break;
  }
  return SprLowerFirstLetterOfWord(text);
}

std::string FillPattern(std::string_view pattern, std::string_view noun) {
  std::string out(pattern);
  if (const size_t at = out.find("<X>"); at != std::string::npos) out.replace(at, 3, noun);
  return out;
}

}  // namespace

const TSprCaptionGrammar& SprCaptionGrammar(uint32_t language) {
  switch (static_cast<int32_t>(language)) {
    case SprLangGerman: return SprCaptionGrammar_DE();
    case SprLangDanish: return SprCaptionGrammar_DA();
    case SprLangBrazilianPortuguese: return SprCaptionGrammar_PTBR();
    case SprLangSpanish: return SprCaptionGrammar_ES();
    case SprLangSimplifiedChinese: return SprCaptionGrammar_ZHSIMP();
    case SprLangFrench: return SprCaptionGrammar_FR();
    case SprLangRussian: return SprCaptionGrammar_RU();
    case SprLangDutch: return SprCaptionGrammar_NL();
    case SprLangItalian: return SprCaptionGrammar_IT();
    case SprLangJapanese: return SprCaptionGrammar_JA();
    case SprLangSerbian: return SprCaptionGrammar_SR();
    case SprLangPolish: return SprCaptionGrammar_PL();
    case SprLangArabic: return SprCaptionGrammar_AR();
    case SprLangKorean: return SprCaptionGrammar_KO();
    default: return kEnglish;
  }
}

std::string SprSaveAsCaption(StrResGlobal nounSlot, std::string_view descriptor, uint32_t language) {
  const TSprCaptionGrammar& g = SprCaptionGrammar(language);
  std::string noun;
  if (g.SaveAsPattern.empty()) {
    noun = SprText(nounSlot);
  } else {
    noun = Inner(SprText(nounSlot), g, true);
    for (const TSprNounForm& form : g.SaveAsNouns)
      if (form.Slot == nounSlot) noun = std::string(form.Text);
  }
  if (!descriptor.empty()) noun = SprCombineWordWithDescriptor(noun, descriptor, language);
  if (g.SaveAsPattern.empty()) return SprText(kSaveAsSlot) + " " + noun;
  return FillPattern(g.SaveAsPattern, noun);
}

std::string SprSaveAsNameCaption(std::string_view name, uint32_t language) {
  const TSprCaptionGrammar& g = SprCaptionGrammar(language);
  if (g.SaveAsPattern.empty()) return SprText(kSaveAsSlot) + " " + std::string(name);
  return FillPattern(g.SaveAsNamePattern.empty() ? g.SaveAsPattern : g.SaveAsNamePattern, name);
}

std::string SprSortCaption(std::string_view key, std::string_view direction, uint32_t language) {
  const TSprCaptionGrammar& g = SprCaptionGrammar(language);
  return std::string(key) + std::string(g.Comma) + Inner(direction, g, false);
}

std::string SprQualifiedCaption(std::string_view head, std::string_view noun, uint32_t language) {
  const TSprCaptionGrammar& g = SprCaptionGrammar(language);
  const std::string_view between = g.Qualifier.empty() ? g.Colon : g.Qualifier;
  return std::string(head) + std::string(between) + Inner(noun, g, true);
}

std::string SprColonCaption(std::string_view label, std::string_view value, uint32_t language) {
  return std::string(label) + std::string(SprCaptionGrammar(language).Colon) + std::string(value);
}

std::string SprLabelCaption(std::string_view label, uint32_t language) {
  std::string out = SprColonCaption(label, "", language);
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string SprWithoutSentenceEnd(std::string_view sentence) {
  for (const std::string_view end : {"\xE3\x80\x82", "\xEF\xBD\xA1", "."}) {  // 。 ｡ .
    if (sentence.ends_with(end)) return std::string(sentence.substr(0, sentence.size() - end.size()));
  }
  return std::string(sentence);
}

std::string SprLowerFirstLetterOfWord(std::string_view text) {
  size_t pos = 0;
  const char32_t first = UTF8DecodeAt(text, pos);
  const size_t firstEnd = pos;
  if (pos >= text.size() || CodePointLower(first) == first) return std::string(text);
  const char32_t second = UTF8DecodeAt(text, pos);
  // Only a capital followed by a small letter: "CSV", "HTML-webside" keep theirs.
  if (CodePointUpper(second) == second) return std::string(text);
  std::string out;
  UTF8Append(out, CodePointLower(first));
  out.append(text.substr(firstEnd));
  return out;
}
