#include "text/localised_names.h"

#include "foundation/code_pages.h"
#include "foundation/line_breaks.h"
#include "text/caption_grammar.h"
#include "text/language_constants.h"
#include "text/text_store.h"

namespace {

std::string Bracketed(StrResGlobal main, StrResGlobal inner) { return SprText(main) + " (" + SprText(inner) + ")"; }

}  // namespace

std::string CodePageToStrSpr(int32_t codePage, bool longForm) {
  if (!longForm) {
    if (codePage == cpAutoDetect) return "AUTO";
    if (codePage == cpKeep) return "KEEP";
    return CodePageToStr(codePage, false);
  }
  switch (codePage) {
    case cpASCII: return "ASCII (7 BIT)";
    case cpAutoDetect: return SprText(306);
    case cpKeep: return SprText(124);
    case cpUTF16LE: return "UTF-16 Little Endian";
    case cpUTF16BE: return "UTF-16 Big Endian";
    case cpWindows1250: return "WINDOWS-1250 (" + SprText(475) + ")";
    case cpWindows1251: return "WINDOWS-1251 (" + SprText(463) + ")";
    case cpWindows1252: return "WINDOWS-1252 (" + SprText(476) + ")";
    case cpWindows1253: return "WINDOWS-1253 (" + SprText(462) + ")";
    case cpUTF32LE: return "UTF-32 Little Endian";
    case cpUTF32BE: return "UTF-32 Big Endian";
    case cpUTF7ANSI: return "UTF-7 ANSI";
    case cpUTF7: return "UTF-7";
    case cpUTF8: return "UTF-8";
    case cpUTF8BOM: return "UTF-8 BOM";
    case cpISO88591: return "LATIN-1 (ISO 8859-1)";
    case cpISO88592: return "LATIN-2 (ISO 8859-2)";
    default: return CodePageToStr(codePage, true);  // negative ids included
  }
}

std::string LineBreakToStrSpr(uint32_t lineBreak, bool longForm) {
  switch (lineBreak) {
    case lbkAutoDetect: return longForm ? SprText(306) : "AUTO";
    case lbkKeep: return longForm ? SprText(124) : "KEEP";
    case lbkSystem: return longForm ? SprText(140) : "SYSTEM";
    case lbkBinary: return "BINARY";
    case lbkNoChar: return longForm ? SprText(149) : "NO";
    case lbkTab: return "TAB - Horizontal Tab (U+0009)";
    case lbkLF: return "LF - Unix, Linux, macOS, Mac OS X, AmigaOS, BSD (U+000A)";
    case lbkVT: return "VT - Vertical Tab (U+000B)";
    case lbkFF: return "FF - Unicode Form Feed (U+000C)";
    case lbkCR: return "CR - Classic Mac OS, Apple II, Commodore (U+000D)";
    case lbkNL: return "NL - AIX OS, IBM Mainframe Systems, OS/390 (U+0015)";
    case lbkNEL: return "NEL - Unicode New Line (U+0085)";
    case lbkCustomStr: return longForm ? SprText(150) : "CUSTOM_STR";
    case lbkCustomStrs: return longForm ? SprText(142) : "CUSTOM_STRS";
    case lbkCustomCodePoint: return longForm ? SprText(151) : "CUSTOM_CP";
    case lbkCustomCodePoints: return longForm ? SprText(143) : "CUSTOM_CPS";
    case lbkFixedLength: return longForm ? Bracketed(141, 144) : "FIXED";
    case lbkCRLF: return "CRLF - Windows, DOS, OS/2, CP/M, TOS (U+000D + U+000A)";
    case lbkLS: return "LS - Unicode Line Seperator (U+2028)";
    case lbkPS: return "PS - Unicode Paragraph Separator (U+2029)";
    default: return longForm ? "Unknown" : "UNKOWN";
  }
}

std::string CsvParamToStrSpr(int32_t csvParam) {
  switch (csvParam) {
    case 1: return SprText(306);
    case 2: return SprText(124);
    case 10: return SprText(752);
    case 11: return SprText(439);
    case 12: return SprText(440);
    case 13: return SprText(442);
    case 14: return SprText(441);
    case 15: return SprText(437);
    case 16: return SprText(443);
    case 17: return SprText(149);
    case 20: return SprText(444);
    case 21: return SprText(445);
    case 30: return SprText(150);
    case 31: return SprText(147);
    case 32: return SprText(151);
    case 33: return SprText(148);
    case 40: return Bracketed(146, 145);
    default: return {};
  }
}

std::string SprCombineWordWithDescriptor(std::string_view word, std::string_view descriptor, uint32_t language) {
  std::string descriptorText(descriptor);
  switch (language) {
    case SprLangGerman:
    case SprLangDanish:
    case SprLangDutch: {
      // A compound takes a hyphen unless either part already holds a blank.
      const bool blank = word.find(' ') != std::string_view::npos || descriptorText.find(' ') != std::string_view::npos;
      // Only German keeps the noun's capital inside a compound ("CSV-Tabelle", "CSV-tabel").
      const std::string tail = language == SprLangGerman ? std::string(word) : SprLowerFirstLetterOfWord(word);
      return descriptorText + (blank ? " " : "-") + tail;
    }
    // The format name follows the noun: "Fichier DOCX", "таблица CSV", "جدول CSV"
    // (Arabic reads it from the right, noun first).
    case SprLangBrazilianPortuguese:
    case SprLangSpanish:
    case SprLangFrench:
    case SprLangRussian:
    case SprLangItalian:
    case SprLangSerbian:
    case SprLangPolish:
    case SprLangArabic: return std::string(word) + " " + descriptorText;
    case SprLangSimplifiedChinese:
    case SprLangJapanese: return descriptorText + std::string(word);
    default: return descriptorText + " " + std::string(word);
  }
}

std::string SprCombineWordWithOwnerName(std::string_view word, std::string_view name, uint32_t language) {
  switch (language) {
    case SprLangSpanish: return std::string(word) + " de " + std::string(name);
    case SprLangBrazilianPortuguese: return std::string(word) + " do " + std::string(name);
    case SprLangArabic: {
      // The owned noun stands in the construct state, without its article.
      constexpr std::string_view kArticle = "\xD8\xA7\xD9\x84";  // ال
      if (word.starts_with(kArticle) && word.size() > kArticle.size()) word.remove_prefix(kArticle.size());
      return std::string(word) + " " + std::string(name);
    }
    default: return SprCombineWordWithDescriptor(word, name, language);
  }
}
