// Words the windows show that a native reader of each language checked: the
// filter options headings, the file states, colons and quotes as each table
// writes them, the settings file filter and the contact sentence.
#include <gtest/gtest.h>

#include "translation_fixture.h"

#include <set>
#include <string>
#include <string_view>

#include "text/caption_grammar.h"
#include "text/english_texts.h"
#include "text/language_constants.h"
#include "text/localised_names.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

class WindowWords : public TTranslationFixture {};

// Headings that name what a setting is about are nouns, not commands or
// "software"; the smaller words of the review stand as written.
TEST_F(WindowWords, ReviewedSlotsReadAsTheLanguageSaysIt) {
  const struct {
    int32_t Language;
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      {SprLangDanish, 71, "Anvendelse"},
      {SprLangBrazilianPortuguese, 71, "Aplicação"},
      {SprLangSimplifiedChinese, 71, "应用范围"},
      {SprLangRussian, 71, "Применение"},
      {SprLangSerbian, 71, "Примена"},
      {SprLangPolish, 71, "Stosowanie"},
      {SprLangFrench, 34, "Mise à jour"},
      {SprLangRussian, 34, "Обновление"},
      {SprLangSerbian, 34, "Ажурирање"},
      {SprLangPolish, 34, "Aktualizacja"},
      {SprLangItalian, 34, "Aggiornamento"},
      {SprLangBrazilianPortuguese, 34, "Atualização"},
      {SprLangSpanish, 34, "Actualización"},
      {SprLangBrazilianPortuguese, 944, "Remover hifens duplos"},
      {SprLangDanish, 86, "Træffer"},
      {SprLangDanish, 87, "Træffer"},
      {SprLangItalian, 544, "Elaborato"},
      {SprLangItalian, 123, "Personalizzato"},
      {SprLangDutch, 123, "Aangepast"},
      {SprLangBrazilianPortuguese, 123, "Personalizado"},
      {SprLangBrazilianPortuguese, 695, "Espaço reservado"},
      {SprLangJapanese, 432, "前後の空白を削除"},
      {SprLangPolish, 547, "Proszę pamiętać, że nadpisanych plików nie można przywrócić."},
      {SprLangRussian, 802, "Сохранить язык"},
  };
  for (const auto& c : kCases) {
    SetSprResGlobal(static_cast<uint32_t>(c.Language));
    EXPECT_EQ(SprText(c.Slot), c.Text) << "language " << c.Language << " slot " << c.Slot;
  }
}

// Every table localises the examples of the filter terms, as English names its own words.
TEST_F(WindowWords, TheFilterExamplesAreLocalised) {
  for (int32_t language = 1; language < SprLanguageCount; ++language) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    for (const StrResGlobal slot : {StrResGlobal{95}, StrResGlobal{97}}) {
      const std::string& text = SprText(slot);
      EXPECT_EQ(text.find("word1"), std::string::npos) << "language " << language << ": " << text;
      EXPECT_NE(text.find("1,"), std::string::npos) << "language " << language << ": " << text;
    }
  }
}

// The four states of a file are words of their own: not the "Date Modified"
// column or the "New" command, and in one grammatical form.
TEST_F(WindowWords, FileStatesAreStatesInEveryLanguage) {
  const struct {
    int32_t Language;
    const char* Texts[4];
  } kCases[] = {
      {SprLangEnglish, {"New", "Modified", "Not Modified", "Processed"}},
      {SprLangSimplifiedChinese, {"新增", "已修改", "未修改", "已处理"}},
      {SprLangJapanese, {"新規", "更新済み", "未更新", "処理済み"}},
      {SprLangArabic, {"جديد", "معدَّل", "غير معدَّل", "مُعالَج"}},
      {SprLangKorean, {"신규", "수정됨", "수정되지 않음", "처리됨"}},
      {SprLangFrench, {"Nouveau", "Modifié", "Non modifié", "Traité"}},
      {SprLangRussian, {"Новый", "Изменён", "Не изменён", "Обработан"}},
      {SprLangBrazilianPortuguese, {"Novo", "Modificado", "Não modificado", "Processado"}},
      {SprLangSpanish, {"Nuevo", "Modificado", "No modificado", "Procesado"}},
      {SprLangItalian, {"Nuovo", "Modificato", "Non modificato", "Elaborato"}},
      {SprLangPolish, {"Nowy", "Zmieniony", "Niezmieniony", "Przetworzony"}},
  };
  for (const auto& c : kCases)
    for (int32_t status = 0; status < 4; ++status)
      EXPECT_EQ(SprFileStatusText(status, static_cast<uint32_t>(c.Language)), c.Texts[status])
          << "language " << c.Language << " status " << status;

  for (int32_t language = 0; language < SprLanguageCount; ++language) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    std::set<std::string> seen;
    for (int32_t status = 0; status < 4; ++status) {
      const std::string text = SprFileStatusText(status, static_cast<uint32_t>(language));
      EXPECT_FALSE(text.empty()) << language;
      seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 4u) << "language " << language;
  }
  // Where the column and the command are no states, the states differ from them.
  for (const int32_t language :
       {SprLangSimplifiedChinese, SprLangJapanese, SprLangArabic, SprLangKorean, SprLangFrench}) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    EXPECT_NE(SprFileStatusText(1, static_cast<uint32_t>(language)), SprText(340)) << language;
  }
  for (const int32_t language : {SprLangKorean, SprLangSimplifiedChinese}) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    EXPECT_NE(SprFileStatusText(0, static_cast<uint32_t>(language)), SprText(238)) << language;
  }
  EXPECT_EQ(SprFileStatusText(4, 0), "");
  EXPECT_EQ(SprFileStatusText(0, 99), "New");
}

TEST_F(WindowWords, TheStoreKnowsTheLanguageOfItsFill) {
  SetSprResGlobal(static_cast<uint32_t>(SprLangJapanese));
  EXPECT_EQ(SprStoreLanguage(), static_cast<uint32_t>(SprLangJapanese));
  SetSprResGlobal(4294967295u);
  EXPECT_EQ(SprStoreLanguage(), 0u);
}

// Labels end in each language's colon; a sentence loses its own full stop.
TEST_F(WindowWords, LabelsAndSentencesEndAsTheLanguageWritesThem) {
  const struct {
    int32_t Language;
    const char* Label;
    const char* Out;
  } kLabels[] = {
      {SprLangEnglish, "Found", "Found:"},          {SprLangFrench, "Trouvés", "Trouvés\u00A0:"},
      {SprLangSimplifiedChinese, "找到", "找到："}, {SprLangJapanese, "検出", "検出："},
      {SprLangGerman, "Gefunden", "Gefunden:"},
  };
  for (const auto& c : kLabels)
    EXPECT_EQ(SprLabelCaption(c.Label, static_cast<uint32_t>(c.Language)), c.Out) << c.Label;

  const struct {
    const char* In;
    const char* Out;
  } kSentences[] = {
      {"File not found.", "File not found"},
      {"找不到文件。", "找不到文件"},
      {"ファイルが見つかりません。", "ファイルが見つかりません"},
      {"Datei nicht gefunden", "Datei nicht gefunden"},
      {"", ""},
  };
  for (const auto& c : kSentences) EXPECT_EQ(SprWithoutSentenceEnd(c.In), c.Out) << c.In;
}

// The action-list editor's title names the list after the language's colon.
TEST_F(WindowWords, ColonCaptionsOfTheNewWindows) {
  const struct {
    int32_t Language;
    const char* Out;
  } kCases[] = {
      {SprLangEnglish, "List: Mine"},
      {SprLangFrench, "List\u00A0: Mine"},
      {SprLangSimplifiedChinese, "List：Mine"},
      {SprLangJapanese, "List：Mine"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprColonCaption("List", "Mine", static_cast<uint32_t>(c.Language)), c.Out);
}

// Russian and Polish quote with « » and „ ” in every text, the new ones too.
TEST_F(WindowWords, RussianAndPolishQuoteAsTheirTablesDo) {
  for (const auto& table : {SprLibraryTexts_RU(), SprLibraryTexts_PL()}) {
    for (const TSprSlotText& t : table) {
      // These two name the XML characters themselves, the plain quote among them.
      if (t.Slot == 938 || t.Slot == 939) continue;
      EXPECT_EQ(t.Text.find('"'), std::string_view::npos) << "slot " << t.Slot << ": " << t.Text;
    }
  }
}

// The settings file filter names the program as the owner of its settings.
TEST_F(WindowWords, SettingsOfTheProgramAsEachLanguageSaysIt) {
  const struct {
    int32_t Language;
    const char* Out;
  } kCases[] = {
      {SprLangEnglish, "Syllabrix Settings"},         {SprLangGerman, "Syllabrix-Einstellungen"},
      {SprLangFrench, "Paramètres Syllabrix"},        {SprLangArabic, "إعدادات Syllabrix"},
      {SprLangSpanish, "Configuración de Syllabrix"}, {SprLangBrazilianPortuguese, "Configurações do Syllabrix"},
  };
  for (const auto& c : kCases) {
    SetSprResGlobal(static_cast<uint32_t>(c.Language));
    EXPECT_EQ(SprCombineWordWithOwnerName(SprText(11), "Syllabrix", static_cast<uint32_t>(c.Language)), c.Out);
  }
}

// The contact sentence leads to the contact page in every table, as in English.
TEST_F(WindowWords, TheContactSentenceLinksTheContactPage) {
  for (int32_t language = 0; language < SprLanguageCount; ++language) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    const std::string& text = SprText(851);
    EXPECT_NE(text.find("<a=www.pellwick.example/"), std::string::npos) << "language " << language << ": " << text;
    EXPECT_TRUE(text.ends_with("</a>")) << "language " << language;
  }
}

}  // namespace
