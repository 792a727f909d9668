// Captions joined from several texts of the store, in each language as that
// language writes them; English keeps its joins exactly.
#include "text/caption_grammar.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/language_constants.h"
#include "text/text_store.h"
#include "text/translations.h"
#include "translation_fixture.h"

namespace {

class CaptionGrammar : public TTranslationFixture {};

struct TJoinedCase {
  int32_t Language;
  const char* SaveAsTextFile;     // slot 205's verb with slot 577
  const char* SaveAsSpreadsheet;  // with slot 592 and "XLSX"
  const char* Sorting;            // program text 116: letters, ascending
  const char* CounterTab;         // program text 120: counter, characters
};

// One row per language, written out as a translator of that language reads it.
const TJoinedCase kJoined[] = {
    {SprLangEnglish, "Save as Text File", "Save as XLSX Spreadsheet", "Letters, Ascending", "Counter Characters"},
    {SprLangGerman, "Als Textdatei speichern", "Als XLSX-Tabellendokument speichern", "Buchstaben, aufsteigend",
     "Zähler: Zeichen"},
    {SprLangDanish, "Gem som tekstfil", "Gem som XLSX-regneark", "Bogstaver, stigende", "Tæller: tegn"},
    {SprLangBrazilianPortuguese, "Salvar como arquivo de texto", "Salvar como planilha XLSX", "Letras, crescente",
     "Contador: caracteres"},
    {SprLangSpanish, "Guardar como archivo de texto", "Guardar como hoja de cálculo XLSX", "Letras, ascendente",
     "Contador: caracteres"},
    {SprLangSimplifiedChinese, "另存为文本文件", "另存为XLSX电子表格", "字母，升序", "计数器：字符"},
    {SprLangFrench, "Enregistrer en tant que fichier texte", "Enregistrer en tant que feuille de calcul XLSX",
     "Lettres, croissant", "Compteur\u00A0: caractères"},
    {SprLangRussian, "Сохранить как текстовый файл", "Сохранить как электронную таблицу XLSX", "Буквы, по возрастанию",
     "Счётчик: символы"},
    {SprLangDutch, "Opslaan als tekstbestand", "Opslaan als XLSX-werkblad", "Letters, oplopend", "Teller: tekens"},
    {SprLangItalian, "Salva come file di testo", "Salva come foglio di calcolo XLSX", "Lettere, crescente",
     "Contatore: caratteri"},
    {SprLangJapanese, "テキストファイルとして保存", "XLSXスプレッドシートとして保存", "字母、昇順", "カウンター：文字"},
    {SprLangSerbian, "Сачувај као текстуалну датотеку", "Сачувај као табеларни прорачун XLSX", "Слова, растуће",
     "Бројач: знакови"},
    {SprLangPolish, "Zapisz jako plik tekstowy", "Zapisz jako arkusz kalkulacyjny XLSX", "Litery, rosnąco",
     "Licznik: znaki"},
    {SprLangArabic, "حفظ كملف نصي", "حفظ كجدول بيانات XLSX", "الأحرف، تصاعدي", "العداد: الرموز"},
};

TEST_F(CaptionGrammar, EachLanguageJoinsInItsOwnWords) {
  for (const TJoinedCase& c : kJoined) {
    SCOPED_TRACE(c.Language);
    const auto language = static_cast<uint32_t>(c.Language);
    SetSprResGlobal(language);
    EXPECT_EQ(SprSaveAsCaption(577, "", language), c.SaveAsTextFile);
    EXPECT_EQ(SprSaveAsCaption(592, "XLSX", language), c.SaveAsSpreadsheet);
    EXPECT_EQ(SprLocalText(116), c.Sorting);
    EXPECT_EQ(SprLocalText(120), c.CounterTab);
  }
}

TEST_F(CaptionGrammar, EnglishJoinsStayAsTheyWere) {
  SetSprResGlobal(0);
  EXPECT_EQ(SprSaveAsCaption(586, "CSV", 0), SprText(205) + " CSV " + SprText(586));
  EXPECT_EQ(SprSaveAsNameCaption("DIF Data Interchange Format", 0), "Save as DIF Data Interchange Format");
  EXPECT_EQ(SprQualifiedCaption(SprText(232), SprText(578), 0), "Storage Format Text Files");
  EXPECT_EQ(SprColonCaption("More information on", "x", 0), "More information on: x");
  // Unknown languages join as English does.
  EXPECT_EQ(SprSortCaption("A", "Bc", 99), "A, Bc");
}

TEST_F(CaptionGrammar, ColonsAndCommasOfTheLanguage) {
  EXPECT_EQ(SprColonCaption("Plus d’informations sur", "x", SprLangFrench), "Plus d’informations sur\u00A0: x");
  EXPECT_EQ(SprColonCaption("更多信息", "x", SprLangSimplifiedChinese), "更多信息：x");
  EXPECT_EQ(SprColonCaption("詳しい情報", "x", SprLangJapanese), "詳しい情報：x");
  EXPECT_EQ(SprSortCaption("التكرار", "تنازلي", SprLangArabic), "التكرار، تنازلي");
  // Arabic joins "ك" to its own words only; a Latin name takes "in the format".
  EXPECT_EQ(SprSaveAsNameCaption("DIF Data Interchange Format", SprLangArabic),
            "حفظ بتنسيق DIF Data Interchange Format");
  EXPECT_EQ(SprSaveAsNameCaption("DIF Data Interchange Format", SprLangGerman),
            "Als DIF Data Interchange Format speichern");
  // A format's name is saved "in the format" in French, Spanish, Brazilian Portuguese and Italian, not "as" it.
  EXPECT_EQ(SprSaveAsNameCaption("DIF Data Interchange Format", SprLangFrench),
            "Enregistrer au format DIF Data Interchange Format");
  EXPECT_EQ(SprSaveAsNameCaption("DIF Data Interchange Format", SprLangSpanish),
            "Guardar en formato DIF Data Interchange Format");
  EXPECT_EQ(SprSaveAsNameCaption("DIF Data Interchange Format", SprLangBrazilianPortuguese),
            "Salvar no formato DIF Data Interchange Format");
  EXPECT_EQ(SprSaveAsNameCaption("DIF Data Interchange Format", SprLangItalian),
            "Salva in formato DIF Data Interchange Format");
  // German nouns keep their capital after the colon; other words do not.
  EXPECT_EQ(SprQualifiedCaption("Speicherformat", "Textdateien", SprLangGerman), "Speicherformat: Textdateien");
  EXPECT_EQ(SprSortCaption("Häufigkeit", "Absteigend", SprLangGerman), "Häufigkeit, absteigend");
}

TEST_F(CaptionGrammar, PatternsAndNounFormsAreWellFormed) {
  for (uint32_t language = 1; language <= 14; ++language) {
    SCOPED_TRACE(language);
    const TSprCaptionGrammar& g = SprCaptionGrammar(language);
    const std::string pattern(g.SaveAsPattern);
    ASSERT_NE(pattern.find("<X>"), std::string::npos);
    EXPECT_EQ(pattern.find("<X>"), pattern.rfind("<X>"));
    if (!g.SaveAsNamePattern.empty()) {
      EXPECT_NE(g.SaveAsNamePattern.find("<X>"), std::string_view::npos);
    }
    EXPECT_FALSE(g.Comma.empty());
    EXPECT_FALSE(g.Colon.empty());
  }
  // A noun form stands for a noun the language's table translates.
  const struct {
    uint32_t Language;
    std::span<const TSprSlotText> (*Table)();
  } withForms[] = {
      {SprLangRussian, SprLibraryTexts_RU}, {SprLangSerbian, SprLibraryTexts_SR}, {SprLangPolish, SprLibraryTexts_PL}};
  for (const auto& w : withForms) {
    std::set<StrResGlobal> held;
    for (const TSprSlotText& t : w.Table()) held.insert(t.Slot);
    EXPECT_FALSE(SprCaptionGrammar(w.Language).SaveAsNouns.empty());
    for (const TSprNounForm& form : SprCaptionGrammar(w.Language).SaveAsNouns)
      EXPECT_TRUE(held.count(form.Slot)) << w.Language << " " << form.Slot;
  }
  EXPECT_EQ(&SprCaptionGrammar(0), &SprCaptionGrammar(15));
}

TEST_F(CaptionGrammar, OnlyACapitalisedWordLosesItsCapital) {
  const std::pair<const char*, const char*> cases[] = {
      {"Tabel", "tabel"},
      {"Таблица", "таблица"},
      {"Écran", "écran"},
      {"HTML-webside", "HTML-webside"},
      {"CSV", "CSV"},
      {"A", "A"},
      {"", ""},
      {"tabel", "tabel"},
      {"表格", "表格"},
      {"ملف نصي", "ملف نصي"},
      {"X-Achse", "X-Achse"},
      {"\xFFTabel", "\xFFTabel"},
      {"Σελίδα", "σελίδα"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(SprLowerFirstLetterOfWord(in), out) << in;
}

}  // namespace
