// Captions built from several texts of the store, in the word order and with
// the punctuation of each user-interface language.
//
// English joins by plain concatenation ("Save as" + " " + "Text File", "Letters"
// + ", " + "Ascending", "Counter" + " " + "Characters"); those captions stay
// exactly as they are. Every other language gives its own pattern for the
// "save as" caption, its comma and colon, and how a joined-in word is cased,
// so that "Als Textdatei speichern", "Enregistrer en tant que tableau CSV",
// "Сохранить как таблицу CSV", "字母，升序" and "Zähler: Zeichen" read as that
// language writes them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "text/text_store.h"

// How the first letter of a word joined into a caption is cased.
enum class TSprInnerCase : uint8_t {
  Keep,       // title case: every word keeps its capital (English)
  KeepNouns,  // nouns keep their capital, other words take lower case (German)
  Lower,      // a capitalised word takes lower case (acronyms such as "HTML" stay)
};

// A noun as it reads inside the language's "save as" pattern, where its
// grammar asks for another form than the caption that stands alone
// ("Таблица" becomes "таблицу"). The text replaces the whole slot text.
struct TSprNounForm {
  StrResGlobal Slot;
  std::string_view Text;
};

struct TSprCaptionGrammar {
  // The "save as" caption with "<X>" for the noun ("Als <X> speichern");
  // empty: library slot 205, a blank and the noun, as English writes it.
  std::string_view SaveAsPattern;
  // Between two parts of one caption ("Letters, Ascending").
  std::string_view Comma;
  // Between a label and what it introduces ("More information on: ...").
  std::string_view Colon;
  // Between a caption and the word that narrows it down ("Counter Characters");
  // empty: the colon.
  std::string_view Qualifier;
  TSprInnerCase InnerCase = TSprInnerCase::Lower;
  std::span<const TSprNounForm> SaveAsNouns;
  // The "save as" caption for a name in Latin letters, where the pattern's
  // grammar does not fit it (Arabic joins "ك" to a word of its own script);
  // empty: SaveAsPattern.
  std::string_view SaveAsNamePattern;
};

// The grammar of a language constant; English for 0 and any unknown value.
const TSprCaptionGrammar& SprCaptionGrammar(uint32_t language);

// "Save as" with the noun of nounSlot, joined with a format name first when
// descriptor is not empty ("Save as CSV Table", "Als CSV-Tabelle speichern").
std::string SprSaveAsCaption(StrResGlobal nounSlot, std::string_view descriptor, uint32_t language);
// "Save as" with a name that no language inflects or cases ("DIF Data Interchange Format").
std::string SprSaveAsNameCaption(std::string_view name, uint32_t language);
// A sort order: the key, the comma and the direction ("Buchstaben, aufsteigend").
std::string SprSortCaption(std::string_view key, std::string_view direction, uint32_t language);
// A caption narrowed down by a noun ("Counter Characters", "Zähler: Zeichen").
std::string SprQualifiedCaption(std::string_view head, std::string_view noun, uint32_t language);
// A label followed by the language's colon and a value ("更多信息：www...").
std::string SprColonCaption(std::string_view label, std::string_view value, uint32_t language);
// A label that stands before a field or a value shown beside it, ending in the
// language's colon without the blank after it ("Found:", "Trouvés :", "找到：").
std::string SprLabelCaption(std::string_view label, uint32_t language);
// A sentence without its closing full stop, in any of the forms the tables
// write ("File not found." and "找不到文件。" inside a longer caption).
std::string SprWithoutSentenceEnd(std::string_view sentence);

// The text with its first letter in lower case when it is a capitalised word
// (an upper-case letter followed by a lower-case one); acronyms stay.
std::string SprLowerFirstLetterOfWord(std::string_view text);
