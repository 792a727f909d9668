// The main window in every language it offers: no caption stays English where
// the language has a text of its own. Each language leaves a screenshot for
// review.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "text/text_store.h"
#include "wordgen_gui_test_app.h"

namespace {

// Every caption of the window by component name.
std::map<std::string, std::string> Captions(Tprog& w) {
  std::map<std::string, std::string> out;
  for (QAction* a : w.findChildren<QAction*>())
    if (!a->objectName().isEmpty() && !a->isSeparator()) out[a->objectName().toStdString()] = a->text().toStdString();
  for (QMenu* m : w.findChildren<QMenu*>())
    if (!m->objectName().isEmpty()) out[m->objectName().toStdString()] = m->title().toStdString();
  for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
    if (!b->objectName().isEmpty()) out[b->objectName().toStdString()] = b->text().toStdString();
  for (QLabel* l : w.findChildren<QLabel*>())
    if (!l->objectName().isEmpty()) out[l->objectName().toStdString()] = l->text().toStdString();
  for (int i = 0; i < w.pc()->count(); ++i)
    out[w.pc()->widget(i)->objectName().toStdString()] = w.pc()->tabText(i).toStdString();
  return out;
}

std::vector<std::string> StoreTexts() {
  std::vector<std::string> texts;
  for (int slot = 0; slot < SprStoreLength; ++slot) texts.push_back(SprText(static_cast<StrResGlobal>(slot)));
  return texts;
}

// A caption left as in English is right when it is made only of texts that
// the language writes as English does (the same text in the same slot), of
// format names and of punctuation.
bool SameInBothLanguages(const std::string& caption, const std::vector<std::string>& english,
                         const std::vector<std::string>& other) {
  std::vector<std::string> shared = {"DOCX", "ODT", "RTF", "CSV", "XLSX", "ODS", "HTML", "DIF"};
  for (size_t slot = 1; slot < english.size(); ++slot)
    if (english[slot].size() >= 2 && english[slot] == other[slot]) shared.push_back(english[slot]);
  std::sort(shared.begin(), shared.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  std::string rest = caption;
  for (const std::string& text : shared)
    for (size_t at = rest.find(text); at != std::string::npos; at = rest.find(text)) rest.replace(at, text.size(), " ");
  for (char ch : rest)
    if (std::isalpha(static_cast<unsigned char>(ch)) || static_cast<unsigned char>(ch) >= 0x80) return false;
  return true;
}

// The frame's own menus (links, info, the platform's application menu) are not the window's captions.
bool IsWindowComponent(const std::string& name) {
  if (name.starts_with("m_info") || name.starts_with("m_software") || name.starts_with("Mac")) return false;
  for (const char* prefix : {"m_", "pm_", "bt_", "la_", "tab_"})
    if (name.starts_with(prefix)) return true;
  return false;
}

struct TLanguageCase {
  int32_t Language;
  const char* Code;
};

class WindowLanguages : public TWordGenFixture, public ::testing::WithParamInterface<TLanguageCase> {};

TEST_P(WindowLanguages, NoCaptionStaysEnglishWhereTheLanguageHasItsOwnText) {
  const TLanguageCase c = GetParam();
  Tprog w(Options());
  w.resize(515, 610);
  const std::map<std::string, std::string> english = Captions(w);
  const std::vector<std::string> englishTexts = StoreTexts();

  // As the language tab of the settings window switches it.
  w.SP().SettingsObj().SetLanguage(c.Language);
  w.SP().SettingsObj().OnLanguageChange(c.Language);
  ASSERT_EQ(w.SP().Language(), c.Language);
  const std::map<std::string, std::string> translated = Captions(w);
  const std::vector<std::string> languageTexts = StoreTexts();

  for (const auto& [name, caption] : english) {
    if (c.Language == SprLangEnglish) break;
    // Language names, the fixed DIF caption and the frame's donation links are
    // the same everywhere by design.
    if (!IsWindowComponent(name) || name.starts_with("m_silben_") || name == "m_counter_out_save_dif" ||
        name.starts_with("la_donate"))
      continue;
    if (caption.empty() || translated.at(name) != caption) continue;
    EXPECT_TRUE(SameInBothLanguages(caption, englishTexts, languageTexts))
        << c.Code << ": " << name << " still reads \"" << caption << "\"";
  }
  EXPECT_EQ(w.layoutDirection(), c.Language == SprLangArabic ? Qt::RightToLeft : Qt::LeftToRight);
  w.show();
  QApplication::processEvents();
  SaveScreenshot(&w, std::string("window_lang_") + c.Code);
}

INSTANTIATE_TEST_SUITE_P(Offered, WindowLanguages,
                         ::testing::Values(TLanguageCase{0, "en"}, TLanguageCase{1, "de"}, TLanguageCase{2, "da"},
                                           TLanguageCase{3, "ptbr"}, TLanguageCase{4, "es"}, TLanguageCase{5, "zhsimp"},
                                           TLanguageCase{6, "fr"}, TLanguageCase{7, "ru"}, TLanguageCase{8, "nl"},
                                           TLanguageCase{9, "it"}, TLanguageCase{10, "ja"}, TLanguageCase{11, "sr"},
                                           TLanguageCase{12, "pl"}, TLanguageCase{13, "ar"}),
                         [](const ::testing::TestParamInfo<TLanguageCase>& info) { return info.param.Code; });

}  // namespace
