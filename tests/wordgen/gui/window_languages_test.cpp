// The program in every language it offers: no caption of the main window, its
// menus and popups, the settings window or the info dialog stays English where
// the language has a text of its own. Each language leaves screenshots of the
// window with its file menu open and of the settings window for review.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTabWidget>
#include <algorithm>
#include <cctype>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "controls/zoom_memo.h"
#include "frame/qt/html_panel.h"
#include "frame/qt/settings_window.h"
#include "text/english_texts.h"
#include "text/text_store.h"
#include "text/translations.h"
#include "wordgen_gui_test_app.h"

namespace {

// A name thanked on the about page reads the same in every language.
constexpr const char* kThanked = "A. Tester";

using TTexts = std::map<std::string, std::string>;

// The texts of a markup panel between its tags, each as one entry.
void AddMarkupSegments(const std::string& key, const std::string& markup, TTexts& out) {
  std::string segment;
  int32_t index = 0;
  auto flush = [&] {
    if (!segment.empty()) out[key + "#" + std::to_string(index++)] = segment;
    segment.clear();
  };
  for (size_t i = 0; i < markup.size(); ++i) {
    if (markup[i] == '<') {
      const size_t end = markup.find('>', i);
      if (end != std::string::npos) {
        flush();
        i = end;
        continue;
      }
    }
    segment += markup[i];
  }
  flush();
}

// Every visible text under root by object name: actions, menus, buttons,
// labels, group boxes, tab titles (by page) and markup panels.
TTexts Texts(QWidget* root) {
  TTexts out;
  auto named = [](const QObject* o) { return !o->objectName().isEmpty(); };
  for (QAction* a : root->findChildren<QAction*>())
    if (named(a) && !a->isSeparator()) out[a->objectName().toStdString()] = a->text().toStdString();
  for (QMenu* m : root->findChildren<QMenu*>())
    if (named(m)) out[m->objectName().toStdString()] = m->title().toStdString();
  for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
    if (named(b)) out[b->objectName().toStdString()] = b->text().toStdString();
  for (QLabel* l : root->findChildren<QLabel*>())
    if (named(l)) out[l->objectName().toStdString()] = l->text().toStdString();
  for (QGroupBox* g : root->findChildren<QGroupBox*>())
    if (named(g)) out[g->objectName().toStdString()] = g->title().toStdString();
  for (QTabWidget* tabs : root->findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i)
      out["tabtitle:" + tabs->widget(i)->objectName().toStdString()] = tabs->tabText(i).toStdString();
  for (THTMLPanel* hp : root->findChildren<THTMLPanel*>())
    if (named(hp)) AddMarkupSegments(hp->objectName().toStdString(), hp->HTML(), out);
  out["windowtitle"] = root->windowTitle().toStdString();
  return out;
}

struct TLanguageCase {
  int32_t Language;
  const char* Code;
  std::span<const TSprSlotText> (*Library)();
  std::span<const TSprProgramText> (*Program)();
};

// The texts a language writes exactly as English does: those its own tables
// hold with the English text, the language-neutral ones, and format names.
// A text the language's table does not hold is English fallback and counts
// as untranslated.
std::vector<std::string> TextsWrittenAsInEnglish(const TLanguageCase& c) {
  std::vector<std::string> shared = {"DOCX", "ODT", "RTF", "CSV", "XLSX", "ODS", "HTML", "DIF", "UTF-8", "BOM"};
  std::map<StrResGlobal, std::string_view> english;
  for (const TSprSlotText& t : SprEnglishLibraryTexts()) english[t.Slot] = t.Text;
  for (const TSprSlotText& t : c.Library())
    if (english[t.Slot] == t.Text) shared.emplace_back(t.Text);
  const std::span<const std::string_view> englishProgram = SprEnglishProgramTexts();
  for (const TSprProgramText& t : c.Program())
    if (englishProgram[static_cast<size_t>(t.Index)] == t.Text) shared.emplace_back(t.Text);
  for (const TSprSlotText& t : SprNeutralLibraryTexts()) shared.emplace_back(t.Text);
  std::erase_if(shared, [](const std::string& s) { return s.size() < 2; });
  std::sort(shared.begin(), shared.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  return shared;
}

// A text left as in English is right when it is made only of texts the
// language writes as English does, of addresses and of punctuation and digits.
bool WrittenAsInEnglish(const std::string& text, const std::vector<std::string>& shared) {
  std::string rest = text;
  for (const std::string& s : shared)
    for (size_t at = rest.find(s); at != std::string::npos; at = rest.find(s)) rest.replace(at, s.size(), " ");
  // Web addresses and the maker's name read the same in every language.
  for (size_t at = rest.find(kThanked); at != std::string::npos; at = rest.find(kThanked))
    rest.replace(at, std::string_view(kThanked).size(), " ");
  for (const char* neutral : {"www.", "pellwick", "Pellwick", "Syllabrix", "http"})
    for (size_t at = rest.find(neutral); at != std::string::npos; at = rest.find(neutral)) {
      size_t end = rest.find(' ', at);
      rest.replace(at, (end == std::string::npos ? rest.size() : end) - at, " ");
    }
  for (char ch : rest)
    if (std::isalpha(static_cast<unsigned char>(ch)) || static_cast<unsigned char>(ch) >= 0x80) return false;
  return true;
}

// Texts that are the same in every language by design: language names, the
// fixed DIF caption, the donation links, the language list and the code page
// names of the settings window, and the platform's hidden application menu.
bool SameEverywhereByDesign(const std::string& name) {
  for (const char* prefix : {"m_silben_", "la_donate", "rb_language_", "rb_codepage_", "Mac"})
    if (name.starts_with(prefix)) return true;
  return name == "m_counter_out_save_dif";
}

void ExpectNoEnglishLeft(const TLanguageCase& c, const char* where, const TTexts& english, const TTexts& translated) {
  const std::vector<std::string> shared = TextsWrittenAsInEnglish(c);
  for (const auto& [name, text] : english) {
    if (SameEverywhereByDesign(name) || text.empty()) continue;
    auto it = translated.find(name);
    if (it == translated.end() || it->second != text) continue;
    EXPECT_TRUE(WrittenAsInEnglish(text, shared))
        << c.Code << ", " << where << ": " << name << " still reads \"" << text << "\"";
  }
}

class WindowLanguages : public TWordGenFixture, public ::testing::WithParamInterface<TLanguageCase> {
 protected:
  // As the language tab of the settings window switches it.
  static void Switch(Tprog& w, int32_t language) {
    w.SP().SettingsObj().SetLanguage(language);
    w.SP().SettingsObj().OnLanguageChange(language);
  }
  static TTexts SettingsWindowTexts(Tprog& w) {
    w.SP().ShowSettings(0);
    TSOWindow* window = w.SP().SettingsWindowHost().SettingsWindow();
    if (!window) return {};
    // A tab captions its controls when it is shown.
    TTexts texts;
    for (int i = 0; i < window->FPageControl->count(); ++i) {
      window->FPageControl->setCurrentIndex(i);
      QApplication::processEvents();
      for (const auto& [name, text] : Texts(window))
        if (!text.empty()) texts[name] = text;
    }
    window->close();
    QApplication::processEvents();
    return texts;
  }
  static TTexts InfoDialogTexts(Tprog& w) {
    w.SP().InfoDialogObj().ShowInfoDialog(5000);
    QWidget* form = w.SP().InfoDialogObj().Form();
    if (!form) return {};
    TTexts texts = Texts(form);
    form->close();
    QApplication::processEvents();
    return texts;
  }
};

TEST_P(WindowLanguages, NoTextStaysEnglishWhereTheLanguageHasItsOwn) {
  const TLanguageCase c = GetParam();
  Tprog w(Options());
  w.resize(515, 610);
  w.SP().InfoDialogObj().SetInfoThanks({kThanked});
  const TTexts englishWindow = Texts(&w);
  const TTexts englishSettings = SettingsWindowTexts(w);
  const TTexts englishInfo = InfoDialogTexts(w);
  ASSERT_FALSE(englishSettings.empty());

  ASSERT_FALSE(englishInfo.empty());

  Switch(w, c.Language);
  ASSERT_EQ(w.SP().Language(), c.Language);
  if (c.Language != SprLangEnglish) {
    ExpectNoEnglishLeft(c, "main window", englishWindow, Texts(&w));
    ExpectNoEnglishLeft(c, "settings window", englishSettings, SettingsWindowTexts(w));
    ExpectNoEnglishLeft(c, "info dialog", englishInfo, InfoDialogTexts(w));
  }
  EXPECT_EQ(w.layoutDirection(), c.Language == SprLangArabic ? Qt::RightToLeft : Qt::LeftToRight);

  w.show();
  QApplication::processEvents();
  // The help paragraphs place the syllable list and the counter's input on
  // the side where the window shows them: the right one in Arabic.
  const auto centreX = [](QWidget* field) { return field->mapTo(field->window(), field->rect().center()).x(); };
  const bool listOnTheRight = centreX(w.m_silben()) > centreX(w.m_creator_out());
  EXPECT_EQ(listOnTheRight, c.Language == SprLangArabic);
  SaveScreenshot(&w, std::string("window_lang_") + c.Code);
  QMenu* file = w.findChild<QMenu*>("m_file");
  ASSERT_NE(file, nullptr);
  // Under its title, aligned to the title's leading edge as the menu bar opens it.
  const QRect title = w.menuBar()->actionGeometry(file->menuAction());
  const QPoint under = w.isRightToLeft() ? QPoint(title.right() + 1 - file->sizeHint().width(), title.bottom() + 1)
                                         : QPoint(title.left(), title.bottom() + 1);
  file->popup(w.menuBar()->mapToGlobal(under));
  QApplication::processEvents();
  SaveScreenshotWithMenu(&w, file, std::string("file_menu_lang_") + c.Code);
  file->hide();
  // The result field's popup holds the composed "save as" captions.
  QMenu* popup = w.findChild<QMenu*>("pm_counter_out");
  ASSERT_NE(popup, nullptr);
  const QPoint inField(w.isRightToLeft() ? w.width() - 40 - popup->sizeHint().width() : 40, 60);
  popup->popup(w.mapToGlobal(inField));
  QApplication::processEvents();
  SaveScreenshotWithMenu(&w, popup, std::string("result_popup_lang_") + c.Code);
  popup->hide();

  w.SP().ShowSettings(0);
  TSOWindow* settings = w.SP().SettingsWindowHost().SettingsWindow();
  ASSERT_NE(settings, nullptr);
  QApplication::processEvents();
  SaveScreenshot(settings, std::string("settings_lang_") + c.Code);
  settings->close();
  // The counter's output tab holds the composed sort captions.
  w.SP().ShowSettings(5);
  settings = w.SP().SettingsWindowHost().SettingsWindow();
  ASSERT_NE(settings, nullptr);
  QApplication::processEvents();
  SaveScreenshot(settings, std::string("settings_counteroutput_lang_") + c.Code);
  settings->close();
}

INSTANTIATE_TEST_SUITE_P(Offered, WindowLanguages,
                         ::testing::Values(TLanguageCase{0, "en", nullptr, nullptr},
                                           TLanguageCase{1, "de", SprLibraryTexts_DE, SprProgramTexts_DE},
                                           TLanguageCase{2, "da", SprLibraryTexts_DA, SprProgramTexts_DA},
                                           TLanguageCase{3, "ptbr", SprLibraryTexts_PTBR, SprProgramTexts_PTBR},
                                           TLanguageCase{4, "es", SprLibraryTexts_ES, SprProgramTexts_ES},
                                           TLanguageCase{5, "zhsimp", SprLibraryTexts_ZHSIMP, SprProgramTexts_ZHSIMP},
                                           TLanguageCase{6, "fr", SprLibraryTexts_FR, SprProgramTexts_FR},
                                           TLanguageCase{7, "ru", SprLibraryTexts_RU, SprProgramTexts_RU},
                                           TLanguageCase{8, "nl", SprLibraryTexts_NL, SprProgramTexts_NL},
                                           TLanguageCase{9, "it", SprLibraryTexts_IT, SprProgramTexts_IT},
                                           TLanguageCase{10, "ja", SprLibraryTexts_JA, SprProgramTexts_JA},
                                           TLanguageCase{11, "sr", SprLibraryTexts_SR, SprProgramTexts_SR},
                                           TLanguageCase{12, "pl", SprLibraryTexts_PL, SprProgramTexts_PL},
                                           TLanguageCase{13, "ar", SprLibraryTexts_AR, SprProgramTexts_AR}),
                         [](const ::testing::TestParamInfo<TLanguageCase>& info) { return info.param.Code; });

}  // namespace
