// The main window's captions: every menu item, popup item, label, button and
// tab in the UI language, the file menu's items for the active tab, the
// syllable-list language items, and the file dialogs' texts.
#include "wordgen/gui/captions.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foundation/qt/qt_strings.h"
#include "frame/core/start_language.h"
#include "test_support.h"
#include "text/language_constants.h"
#include "text/text_store.h"
#include "wordgen/gui/prog.h"
#include "wordgen/gui/syllable_menu.h"
#include "wordgen_gui_test_app.h"

namespace {

std::string S(StrResGlobal slot) { return SprText(slot); }
std::string P(int32_t localIndex) { return SprLocalText(localIndex); }

// The text a component shows, as Qt holds it ("&&" for a literal "&"), or
// nothing when the window has no component of that name.
std::optional<std::string> Caption(const QWidget& window, const std::string& name) {
  QObject* component = window.findChild<QObject*>(ToQString(name));
  if (!component) return std::nullopt;
  if (auto* menu = qobject_cast<QMenu*>(component)) return FromQString(menu->title());
  if (auto* action = qobject_cast<QAction*>(component)) return FromQString(action->text());
  if (auto* button = qobject_cast<QAbstractButton*>(component)) return FromQString(button->text());
  if (auto* label = qobject_cast<QLabel*>(component)) return FromQString(label->text());
  if (auto* page = qobject_cast<QWidget*>(component)) {
    for (QWidget* p = page->parentWidget(); p; p = p->parentWidget())
      if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
        const int index = tabs->indexOf(page);
        if (index >= 0) return FromQString(tabs->tabText(index));
      }
  }
  return std::nullopt;
}

bool ItemVisible(const QWidget& window, const std::string& name) {
  QAction* action = window.findChild<QAction*>(ToQString(name));
  return action && action->isVisible();
}

// The components the window captions itself: the items of its own menus and
// popups (frame menus excluded), the labels and buttons of its pages (the
// donation labels are the frame's) and the tab pages.
std::vector<std::string> OwnComponentNames(const QWidget& window) {
  std::vector<std::string> names;
  std::function<void(const QMenu*)> addItems = [&](const QMenu* menu) {
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      if (action->menu()) {
        names.push_back(FromQString(action->menu()->objectName()));
        addItems(action->menu());
      } else {
        names.push_back(FromQString(action->objectName()));
      }
    }
  };
  for (const char* menu : {"m_file", "m_silbenliste"}) {
    names.push_back(menu);
    if (auto* m = window.findChild<QMenu*>(QString::fromLatin1(menu))) addItems(m);
  }
  // The popups themselves have no caption, only their items.
  for (const char* popup : {"pm_silben", "pm_creator_out", "pm_counter_in", "pm_counter_out"})
    if (auto* m = window.findChild<QMenu*>(QString::fromLatin1(popup))) addItems(m);
  auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("pc"));
  for (int i = 0; tabs && i < tabs->count(); ++i) {
    names.push_back(FromQString(tabs->widget(i)->objectName()));
    for (QWidget* w : tabs->widget(i)->findChildren<QWidget*>()) {
      if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w)) continue;
      const std::string name = FromQString(w->objectName());
      if (!name.empty() && name.rfind("la_donate", 0) != 0 && name.rfind("qt_", 0) != 0) names.push_back(name);
    }
  }
  return names;
}

class Captions : public TWordGenFixture {
 protected:
  // The window as the program starts it with this UI language in "lang.cfg".
  std::unique_ptr<Tprog> Start(int32_t language) {
    testsupport::WriteFileBytes(AppDir.file("lang.cfg"), LangCfgContent(language) + "\n");
    auto window = std::make_unique<Tprog>(Options());
    EXPECT_EQ(window->SP().Language(), language);
    return window;
  }

  // The user's choice of a language in the settings window.
  static void SwitchLanguage(Tprog& window, int32_t language) {
    window.SP().SettingsObj().SetLanguage(language);
    window.SP().SettingsObj().OnLanguageChange(language);
    ASSERT_EQ(window.SP().Language(), language);
  }

  static void ExpectNothingLeftUncaptioned(const Tprog& window, int32_t language) {
    const std::vector<std::string> names = OwnComponentNames(window);
    EXPECT_GE(names.size(), 100u);  // two menus with 41 language items, four popups, two pages
    for (const std::string& name : names) {
      const std::optional<std::string> caption = Caption(window, name);
      ASSERT_TRUE(caption) << name;
      EXPECT_NE(*caption, name) << "language " << language;
      EXPECT_FALSE(caption->empty()) << name << " in language " << language;
    }
  }
};

// One row of the window's caption table: the English text as the program
// shows it and how the text is made from the store in any language.
struct TCaptionCase {
  const char* Name;
  const char* English;
  std::function<std::string()> FromStore;
};

std::vector<TCaptionCase> CaptionCases(int32_t language) {
  const auto combine = [language](StrResGlobal word, const char* format) {
    // The word order of the languages the table is checked in.
    return language == SprLangGerman ? std::string(format) + "-" + S(word) : std::string(format) + " " + S(word);
  };
  const auto text = [](StrResGlobal slot, const char* tail = "") { return [=] { return S(slot) + tail; }; };
  // English puts "Save as" before the noun; German follows its own pattern.
  const auto saveAs = [language](const std::string& noun) {
    return language == SprLangGerman ? "Als " + noun + " speichern..." : S(205) + " " + noun + "...";
  };
  const auto program = [](int32_t n, const char* tail = "") { return [=] { return P(n) + tail; }; };
  return {
      {"m_file", "File", text(9)},
      {"m_save_result", "Save Result as...", text(207, "...")},
      {"m_close", "Exit", text(228)},
      {"m_silbenliste_save", "Save...", text(204, "...")},
      {"m_silbenliste_load", "Load...", text(224, "...")},
      {"m_silbenliste_del", "Clear", text(48)},
      {"bt_settings_creator", "Settings", text(11)},
      {"bt_settings_counter", "Settings", text(11)},
      {"m_save_result_general", "Text File...", text(577, "...")},
      {"m_creator_out_save_docx", "DOCX Document...", [=] { return combine(590, "DOCX") + "..."; }},
      {"m_creator_out_save_odt", "ODT Document...", [=] { return combine(590, "ODT") + "..."; }},
      {"m_creator_out_save_rtf", "RTF Document...", [=] { return combine(590, "RTF") + "..."; }},
      {"m_counter_out_save_csv", "CSV Table...", [=] { return combine(586, "CSV") + "..."; }},
      {"m_counter_out_save_html", "HTML Web Page...", [=] { return combine(585, "HTML") + "..."; }},
      {"m_counter_out_save_xlsx", "XLSX Spreadsheet...", [=] { return combine(592, "XLSX") + "..."; }},
      {"m_counter_out_save_ods", "ODS Spreadsheet...", [=] { return combine(592, "ODS") + "..."; }},
      {"m_counter_out_save_dif", "Data Interchange Format (DIF)...",
       [] { return std::string("Data Interchange Format (DIF)..."); }},
      {"m_use_result_as_list", "Use Result as Syllable List", program(3)},
      {"m_clear_input", "Clear Input", program(20)},
      {"m_clear_result", "Clear Result", text(49)},
      {"tab_creator", "Creator", program(1)},
      {"tab_counter", "Counter", program(0)},
      {"la_output_creator", "Result", text(670)},
      {"la_output_counter", "Result", text(670)},
      {"bt_create", "Create", text(202)},
      {"la_input_counter", "Input", text(668)},
      {"bt_count", "Count", text(674)},
      {"pm_counter_out_clear", "Clear", text(48)},
      {"pm_counter_in_clear", "Clear", text(48)},
      {"pm_creator_out_clear", "Clear", text(48)},
      {"pm_silben_clear", "Clear", text(48)},
      {"pm_counter_in_load", "Load...", text(224, "...")},
      {"pm_silben_load", "Load...", text(224, "...")},
      {"pm_silben_change_freq_equal", "Set all Syllables to equal Frequencies", program(11)},
      {"pm_silben_change_freq_rand", "Set all Syllables to random Frequencies", program(12)},
      {"pm_counter_out_clipboard_text", "Copy to Clipboard as Text", program(6)},
      {"pm_counter_out_clipboard_table", "Copy to Clipboard as Table", program(7)},
      {"m_copy_result_to_clipboard_table", "Copy Result to Clipboard as Table", program(5)},
      {"pm_counter_in_clipboard", "Copy to Clipboard", text(553)},
      {"pm_creator_out_clipboard", "Copy to Clipboard", text(553)},
      {"pm_silben_clipboard", "Copy to Clipboard", text(553)},
      {"pm_creator_out_save_txt", "Save as Text File...", [=] { return saveAs(S(577)); }},
      {"pm_creator_out_save_docx", "Save as DOCX Document...", [=] { return saveAs(combine(590, "DOCX")); }},
      {"pm_creator_out_save_odt", "Save as ODT Document...", [=] { return saveAs(combine(590, "ODT")); }},
      {"pm_creator_out_save_rtf", "Save as RTF Document...", [=] { return saveAs(combine(590, "RTF")); }},
      {"pm_silben_save", "Save...", text(204, "...")},
      {"pm_counter_out_save_txt", "Save as Text File...", [=] { return saveAs(S(577)); }},
      {"pm_counter_out_save_csv", "Save as CSV Table...", [=] { return saveAs(combine(586, "CSV")); }},
      {"pm_counter_out_save_html", "Save as HTML Web Page...", [=] { return saveAs(S(580)); }},
      {"pm_counter_out_save_xlsx", "Save as XLSX Spreadsheet...", [=] { return saveAs(combine(592, "XLSX")); }},
      {"pm_counter_out_save_ods", "Save as ODS Spreadsheet...", [=] { return saveAs(combine(592, "ODS")); }},
      {"pm_counter_out_save_dif", "Save as DIF Data Interchange Format...",
       [=] { return saveAs("DIF Data Interchange Format"); }},
      {"pm_counter_out_aslist", "Use as Syllable List", program(2)},
      {"pm_counter_resetcounter", "Reset Counter", program(87)},
      {"m_silbenliste", "Syllable Lists", program(15)},
      {"m_silbenliste_sprachen", "Syllable Lists from Languages", program(17)},
      {"m_silbenliste_zufall_latein", "Random List Latin Letters (A-Z)", program(23)},
      {"m_silbenliste_zufall_lateinumlaut", "Random List Latin including Ä, Ü, Ö and ß", program(24)},
      {"m_silbenliste_zufall_kyrill", "Random List Cyrillic Letters (А-Ц)", program(25)},
      {"m_silbenliste_zufall_griech", "Random List Greek Letters (Α-Ω)", program(26)},
      {"m_silbenliste_zufall_georg", "Random List Georgic Letters (ა-ჰ)", program(27)},
      {"m_silbenliste_zufall_ziffern", "Random List Digits (0-9)", program(21)},
      {"m_silbenliste_zufall_zahlen", "Random List Numbers (from X to Y)...", program(22, "...")},
      {"m_silbenliste_zufall_benutzer", "Custom Random List...", program(28, "...")},
      {"m_silbenliste_einst", "Syllable List Settings", program(16)},
      {"la_laenge", "Length of Words", program(29)},
      {"la_anzahl", "Number of Words", program(30)},
      {"la_silben", "Used Syllables", program(31)},
  };
}

TEST_F(Captions, EveryComponentInEnglishAndGerman) {
  for (int32_t language : {SprLangEnglish, SprLangGerman}) {
    SCOPED_TRACE("language " + std::to_string(language));
    std::unique_ptr<Tprog> window = Start(language);
    for (const TCaptionCase& c : CaptionCases(language)) {
      const std::optional<std::string> caption = Caption(*window, c.Name);
      ASSERT_TRUE(caption) << c.Name;
      if (language == SprLangEnglish) {
        EXPECT_EQ(*caption, c.English) << c.Name;
      }
      EXPECT_EQ(*caption, c.FromStore()) << c.Name;
    }
    ExpectNothingLeftUncaptioned(*window, language);
    EXPECT_TRUE(Dialogs.Messages.empty());
  }
}

TEST_F(Captions, LanguageSwitchRecaptionsWithTheNewWordOrder) {
  std::unique_ptr<Tprog> window = Start(SprLangEnglish);
  struct TOrderCase {
    int32_t Language;
    std::function<std::string(const std::string& word, const std::string& format)> Join;
    const char* SaveRtf;
  };
  const TOrderCase cases[] = {
      {SprLangGerman, [](const std::string& w, const std::string& f) { return f + "-" + w; },
       "Als RTF-Dokument speichern..."},
      {SprLangFrench, [](const std::string& w, const std::string& f) { return w + " " + f; },
       "Enregistrer en tant que document RTF..."},
      {SprLangJapanese, [](const std::string& w, const std::string& f) { return f + w; },
       "RTF\xE3\x83\x89\xE3\x82\xAD\xE3\x83\xA5\xE3\x83\xA1\xE3\x83\xB3\xE3\x83\x88\xE3\x81\xA8\xE3\x81\x97"
       "\xE3\x81\xA6\xE4\xBF\x9D\xE5\xAD\x98..."},  // RTFドキュメントとして保存...
      // Arabic reads from the right: the noun, then its format.
      {SprLangArabic, [](const std::string& w, const std::string& f) { return w + " " + f; },
       "\xD8\xAD\xD9\x81\xD8\xB8 \xD9\x83\xD9\x85\xD8\xB3\xD8\xAA\xD9\x86\xD8\xAF RTF..."},  // حفظ كمستند RTF...
      {SprLangEnglish, [](const std::string& w, const std::string& f) { return f + " " + w; },
       "Save as RTF Document..."},
  };
  for (const TOrderCase& c : cases) {
    SwitchLanguage(*window, c.Language);
    SCOPED_TRACE("language " + std::to_string(c.Language));
    EXPECT_EQ(Caption(*window, "m_creator_out_save_docx"), c.Join(S(590), "DOCX") + "...");
    EXPECT_EQ(Caption(*window, "m_counter_out_save_xlsx"), c.Join(S(592), "XLSX") + "...");
    EXPECT_EQ(Caption(*window, "pm_creator_out_save_rtf"), c.SaveRtf);
    EXPECT_EQ(Caption(*window, "m_file"), S(9));
  }
  EXPECT_EQ(Caption(*window, "m_creator_out_save_docx"), "DOCX Document...");
}

// Every language joins "save as" and the table's name in its own words and order.
TEST_F(Captions, ComposedCaptionsReadAsEachLanguageWritesThem) {
  std::unique_ptr<Tprog> window = Start(SprLangEnglish);
  const std::pair<int32_t, const char*> cases[] = {
      {SprLangEnglish, "Save as CSV Table..."},
      {SprLangGerman, "Als CSV-Tabelle speichern..."},
      {SprLangDanish, "Gem som CSV-tabel..."},
      {SprLangBrazilianPortuguese, "Salvar como tabela CSV..."},
      {SprLangSpanish, "Guardar como tabla CSV..."},
      {SprLangSimplifiedChinese,
       "\xE5\x8F\xA6\xE5\xAD\x98\xE4\xB8\xBA"
       "CSV\xE8\xA1\xA8\xE6\xA0\xBC..."},  // 另存为CSV表格
      {SprLangFrench, "Enregistrer en tant que tableau CSV..."},
      {SprLangRussian,
       "\xD0\xA1\xD0\xBE\xD1\x85\xD1\x80\xD0\xB0\xD0\xBD\xD0\xB8\xD1\x82\xD1\x8C \xD0\xBA\xD0\xB0\xD0\xBA "
       "\xD1\x82\xD0\xB0\xD0\xB1\xD0\xBB\xD0\xB8\xD1\x86\xD1\x83 CSV..."},  // Сохранить как таблицу CSV...
      {SprLangDutch, "Opslaan als CSV-tabel..."},
      {SprLangItalian, "Salva come tabella CSV..."},
      {SprLangJapanese,
       "CSV\xE8\xA1\xA8\xE3\x81\xA8\xE3\x81\x97\xE3\x81\xA6\xE4\xBF\x9D\xE5\xAD\x98..."},  // CSV表として保存...
      {SprLangSerbian,
       "\xD0\xA1\xD0\xB0\xD1\x87\xD1\x83\xD0\xB2\xD0\xB0\xD1\x98 \xD0\xBA\xD0\xB0\xD0\xBE "
       "\xD1\x82\xD0\xB0\xD0\xB1\xD0\xB5\xD0\xBB\xD1\x83 CSV..."},  // Сачувај као табелу CSV...
      {SprLangPolish, "Zapisz jako tabel\xC4\x99 CSV..."},          // tabelę
      {SprLangArabic, "\xD8\xAD\xD9\x81\xD8\xB8 \xD9\x83\xD8\xAC\xD8\xAF\xD9\x88\xD9\x84 CSV..."},  // حفظ كجدول CSV...
  };
  for (const auto& [language, caption] : cases) {
    SwitchLanguage(*window, language);
    EXPECT_EQ(Caption(*window, "pm_counter_out_save_csv"), caption) << "language " << language;
  }
}

// --- The file menu on each tab ---------------------------------------------

struct TTabCase {
  const char* Name;
  std::function<std::string()> CreatorCaption;  // empty: the caption is not checked
  bool CreatorVisible;
  std::function<std::string()> CounterCaption;
  bool CounterVisible;
};

std::vector<TTabCase> TabCases() {
  const std::function<std::string()> any;
  return {
      {"m_create_count", [] { return S(202); }, true, [] { return S(674); }, true},
      {"m_load_general", [] { return P(18) + "..."; }, true, [] { return P(19) + "..."; }, true},
      {"m_copy_result_to_clipboard_text", [] { return S(561); }, true, [] { return P(4); }, true},
      {"m_copy_result_to_clipboard_table", any, false, [] { return P(5); }, true},
      {"m_use_result_as_list", any, false, any, true},
      {"m_clear_input", any, false, any, true},
      {"m_creator_out_save_docx", any, true, any, false},
      {"m_creator_out_save_odt", any, true, any, false},
      {"m_creator_out_save_rtf", any, true, any, false},
      {"m_counter_out_save_csv", any, false, any, true},
      {"m_counter_out_save_xlsx", any, false, any, true},
      {"m_counter_out_save_ods", any, false, any, true},
      {"m_counter_out_save_html", any, false, any, true},
      {"m_counter_out_save_dif", any, false, any, true},
      {"m_save_result_general", any, true, any, true},
      {"m_clear_result", any, true, any, true},
      {"m_close", any, true, any, true},
  };
}

void ExpectTabState(const Tprog& window, bool creator) {
  SCOPED_TRACE(creator ? "creator tab" : "counter tab");
  ASSERT_EQ(window.CreatorTabActive(), creator);
  for (const TTabCase& c : TabCases()) {
    const auto& caption = creator ? c.CreatorCaption : c.CounterCaption;
    if (caption) {
      EXPECT_EQ(Caption(window, c.Name), caption()) << c.Name;
    }
    EXPECT_EQ(ItemVisible(window, c.Name), creator ? c.CreatorVisible : c.CounterVisible) << c.Name;
  }
}

TEST_F(Captions, FileMenuFollowsTheActiveTab) {
  for (int32_t language : {SprLangEnglish, SprLangGerman}) {
    SCOPED_TRACE("language " + std::to_string(language));
    std::unique_ptr<Tprog> window = Start(language);
    ExpectTabState(*window, true);
    if (language == SprLangEnglish) {
      EXPECT_EQ(Caption(*window, "m_create_count"), "Create");
      EXPECT_EQ(Caption(*window, "m_load_general"), "Load Syllable List...");
      EXPECT_EQ(Caption(*window, "m_copy_result_to_clipboard_text"), "Copy Result to Clipboard");
    }
    window->pc()->setCurrentWidget(window->tab_counter());
    ExpectTabState(*window, false);
    if (language == SprLangEnglish) {
      EXPECT_EQ(Caption(*window, "m_create_count"), "Count");
      EXPECT_EQ(Caption(*window, "m_load_general"), "Load Input...");
      EXPECT_EQ(Caption(*window, "m_copy_result_to_clipboard_text"), "Copy Result to Clipboard as Text");
    }
    window->pc()->setCurrentWidget(window->tab_creator());
    ExpectTabState(*window, true);
  }
}

TEST_F(Captions, LanguageChangeOnTheCounterTabKeepsTheCounterItems) {
  std::unique_ptr<Tprog> window = Start(SprLangEnglish);
  window->pc()->setCurrentWidget(window->tab_counter());
  const std::optional<std::string> english = Caption(*window, "m_create_count");
  SwitchLanguage(*window, SprLangGerman);
  ExpectTabState(*window, false);
  EXPECT_NE(Caption(*window, "m_create_count"), english);  // the new language, not the old text
  SwitchLanguage(*window, SprLangFrench);
  ExpectTabState(*window, false);
  window->pc()->setCurrentWidget(window->tab_creator());
  ExpectTabState(*window, true);
}

// --- The syllable-list language items -----------------------------------------

TEST(SyllableMenu, FiveLanguagesHaveOneCaptionTheOthersOnePerUILanguage) {
  const std::vector<std::string> fixed = {"af", "es", "hi", "id", "ma"};
  for (std::string_view code : kSyllableMenuCodes) {
    const std::string german = SyllableMenuCaption(code, true);
    const std::string other = SyllableMenuCaption(code, false);
    EXPECT_FALSE(german.empty()) << code;
    EXPECT_FALSE(other.empty()) << code;
    const bool isFixed = std::find(fixed.begin(), fixed.end(), code) != fixed.end();
    EXPECT_EQ(german == other, isFixed) << code;
  }
  EXPECT_EQ(SyllableMenuCaption("xx", true), "");
  EXPECT_EQ(SyllableMenuCaption("", false), "");
}

TEST_F(Captions, LanguageItemsInGermanEnglishAndFrench) {
  struct TItemCase {
    const char* Name;
    const char* German;
    const char* Other;
  };
  const TItemCase spot[] = {
      {"m_silben_de", "Deutsch", "Deutsch (German)"},
      {"m_silben_en", "English (Englisch)", "English"},
      {"m_silben_fr", "Français (Französisch)", "Français (French)"},
      {"m_silben_po", "Português (Portugisisch)", "Português (Portuguese)"},
      {"m_silben_ta", "Tagalog (Philippinisch)", "Tagalog (Philippines)"},
      {"m_silben_hi", "हिन्दी (Hindi)", "हिन्दी (Hindi)"},
      {"m_silben_af", "Afrikaans", "Afrikaans"},
      {"m_silben_vi", "Việt (Vietnamesisch)", "Việt (Vietnamese)"},
  };
  // Started in German, then switched while running, so that no German text
  // survives the change.
  std::unique_ptr<Tprog> window = Start(SprLangGerman);
  for (int32_t language : {SprLangGerman, SprLangEnglish, SprLangFrench, SprLangGerman}) {
    SwitchLanguage(*window, language);
    SCOPED_TRACE("language " + std::to_string(language));
    const bool german = language == SprLangGerman;
    for (const TItemCase& c : spot) EXPECT_EQ(Caption(*window, c.Name), german ? c.German : c.Other) << c.Name;
    for (std::string_view code : kSyllableMenuCodes)
      EXPECT_EQ(Caption(*window, "m_silben_" + std::string(code)), SyllableMenuCaption(code, german)) << code;
  }
}

// --- Fixed texts in every language ------------------------------------------

TEST_F(Captions, DifItemsAreTheSameInEveryUILanguage) {
  std::unique_ptr<Tprog> window = Start(SprLangEnglish);
  for (int32_t language = 0; language < SprLanguageCount; ++language) {
    if (language == SprLangKorean) continue;  // not offered by this program
    SwitchLanguage(*window, language);
    SCOPED_TRACE("language " + std::to_string(language));
    EXPECT_EQ(Caption(*window, "m_counter_out_save_dif"), "Data Interchange Format (DIF)...");
    const std::optional<std::string> popup = Caption(*window, "pm_counter_out_save_dif");
    ASSERT_TRUE(popup);
    // The format's name stands unchanged in the language's "save as" pattern.
    EXPECT_NE(popup->find("DIF Data Interchange Format"), std::string::npos);
    EXPECT_TRUE(popup->ends_with("..."));
    EXPECT_EQ(Caption(*window, "m_silben_af"), "Afrikaans");
    ExpectNothingLeftUncaptioned(*window, language);
  }
}

// --- The file dialogs -------------------------------------------------------

TEST_F(Captions, FileDialogsAskInTheUILanguage) {
  std::unique_ptr<Tprog> window = Start(SprLangEnglish);
  const TDialogCaptions& texts = window->DialogCaptions();
  EXPECT_EQ(texts.Open.Title, "Load File");
  EXPECT_EQ(texts.Open.Filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
  EXPECT_EQ(texts.Save.Title, "Save as File");
  EXPECT_EQ(texts.Save.Filter, "Text (*.txt)|*.txt");
  EXPECT_EQ(texts.Save.FileName, "Text");

  for (int32_t language : {SprLangEnglish, SprLangGerman, SprLangJapanese}) {
    SwitchLanguage(*window, language);
    SCOPED_TRACE("language " + std::to_string(language));
    EXPECT_EQ(texts.Open.Title, S(512));
    EXPECT_EQ(texts.Open.Filter, S(578) + " (*.txt)|*.txt|" + S(598) + " (*.*)|*.*");
    EXPECT_EQ(texts.Save.Title, S(511));
    EXPECT_EQ(texts.Save.Filter, S(576) + " (*.txt)|*.txt");
    EXPECT_EQ(texts.Save.FileName, S(576));

    // The commands ask with these texts.
    Dialogs.Opens.clear();
    Dialogs.Saves.clear();
    window->Item("m_load_general")->trigger();
    window->Item("m_silbenliste_save")->trigger();
    ASSERT_EQ(Dialogs.Opens.size(), 1u);
    EXPECT_EQ(Dialogs.Opens[0].first, S(512));
    EXPECT_EQ(Dialogs.Opens[0].second, texts.Open.Filter);
    ASSERT_EQ(Dialogs.Saves.size(), 1u);
    EXPECT_EQ(Dialogs.Saves[0].Title, S(511));
  }
}

// --- Texts that Qt would read as markup -------------------------------------

// A translation may hold "&" (as in "Info & Help"): the window must show it,
// not turn the next letter into a mnemonic, and a "<" is no markup.
TEST_F(Captions, AmpersandsAndAnglesInTranslationsAreShownAsWritten) {
  std::unique_ptr<Tprog> window = Start(SprLangEnglish);
  SprResGlobalArr[9] = "File & Folder";
  SprResGlobalArr[11] = "Set & Go";
  SprResGlobalArr[670] = "<b>Result</b> & more";
  SprResGlobalArr[SprFirstProgramSlot + 1] = "Make & Show";
  SprResGlobalArr[48] = "Clear & Empty";
  window->SetLanguage(SprLangEnglish);

  EXPECT_EQ(Caption(*window, "m_file"), "File && Folder");
  EXPECT_EQ(Caption(*window, "bt_settings_creator"), "Set && Go");
  EXPECT_EQ(Caption(*window, "tab_creator"), "Make && Show");
  EXPECT_EQ(Caption(*window, "pm_silben_clear"), "Clear && Empty");
  EXPECT_EQ(FromQString(window->Item("pm_silben_clear")->iconText()), "Clear & Empty");
  auto* label = window->findChild<QLabel*>(QStringLiteral("la_output_creator"));
  ASSERT_TRUE(label);
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
  EXPECT_EQ(FromQString(label->text()), "<b>Result</b> & more");
}

// --- Screenshots ------------------------------------------------------------

TEST_F(Captions, ScreenshotsOfTheWindowInSixLanguages) {
  const std::pair<int32_t, const char*> shots[] = {{SprLangEnglish, "en"},
                                                   {SprLangGerman, "de"},
                                                   {SprLangArabic, "ar"},
                                                   {SprLangJapanese, "ja"},
                                                   {SprLangBrazilianPortuguese, "ptbr"},
                                                   {SprLangItalian, "it"}};
  for (const auto& [language, code] : shots) {
    std::unique_ptr<Tprog> window = Start(language);
    window->show();
    // The splitters lay their panes out once they know their size, which
    // posts further layout requests.
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    SaveScreenshot(window.get(), std::string("window_") + code);
    // The menus drawn closed, with the counter tab's file menu, for reading
    // their captions.
    window->pc()->setCurrentWidget(window->tab_counter());
    for (const char* menu : {"m_file", "m_save_result", "m_silbenliste", "m_silbenliste_sprachen", "pm_counter_out"}) {
      auto* m = window->findChild<QMenu*>(QString::fromLatin1(menu));
      ASSERT_TRUE(m) << menu;
      m->adjustSize();
      SaveScreenshot(m, std::string("menu_") + menu + "_" + code);
    }
    window->close();
  }
}

}  // namespace
