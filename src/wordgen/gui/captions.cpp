#include "wordgen/gui/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/qt/qt_strings.h"
#include "text/caption_grammar.h"
#include "text/language_constants.h"
#include "text/localised_names.h"
#include "text/text_store.h"
#include "wordgen/gui/syllable_menu.h"

namespace {

// The language items whose caption is the same in every user-interface
// language; they are captioned before the others.
constexpr std::string_view kFixedSyllableMenuCodes[] = {"id", "es", "hi", "ma", "af"};

std::string S(StrResGlobal slot) { return SprText(slot); }
std::string P(int32_t localIndex) { return SprLocalText(localIndex); }

// Menus, actions, buttons and tabs take "&" as the mark of a mnemonic; a
// text from the store means the character itself.
QString Literal(const std::string& text) {
  QString q = ToQString(text);
  q.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return q;
}

// The tab widget that shows page as one of its tabs, or nullptr.
QTabWidget* TabWidgetOfPage(QWidget* page) {
  for (QWidget* p = page->parentWidget(); p; p = p->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(p)) return tabs->indexOf(page) >= 0 ? tabs : nullptr;
  }
  return nullptr;
}

void SetCaption(QObject* component, const std::string& text) {
  if (auto* menu = qobject_cast<QMenu*>(component)) {
    menu->setTitle(Literal(text));
  } else if (auto* action = qobject_cast<QAction*>(component)) {
    action->setText(Literal(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(component)) {
    button->setText(Literal(text));
  } else if (auto* label = qobject_cast<QLabel*>(component)) {
    // Plain text, so that a "<" in a translation is never taken for markup;
    // a label with a buddy still reads "&" as a mnemonic.
    label->setTextFormat(Qt::PlainText);
    label->setText(label->buddy() ? Literal(text) : ToQString(text));
  } else if (auto* page = qobject_cast<QWidget*>(component)) {
    if (QTabWidget* tabs = TabWidgetOfPage(page)) tabs->setTabText(tabs->indexOf(page), Literal(text));
  }
}

// The window's named components, looked up once per captioning run.
class TComponents {
 public:
  explicit TComponents(QWidget* window) {
    if (!window) return;
    for (QObject* child : window->findChildren<QObject*>()) {
      const QString name = child->objectName();
      if (!name.isEmpty()) FByName[FromQString(name)].push_back(child);
    }
  }

  void Caption(std::initializer_list<std::string_view> names, const std::string& text) const {
    for (std::string_view name : names)
      for (QObject* component : Find(name)) SetCaption(component, text);
  }

  void Show(std::initializer_list<std::string_view> names, bool visible) const {
    for (std::string_view name : names)
      for (QObject* component : Find(name))
        if (auto* action = qobject_cast<QAction*>(component)) action->setVisible(visible);
  }

 private:
  const std::vector<QObject*>& Find(std::string_view name) const {
    static const std::vector<QObject*> kNone;
    auto it = FByName.find(std::string(name));
    return it == FByName.end() ? kNone : it->second;
  }

  std::unordered_map<std::string, std::vector<QObject*>> FByName;
};

void CaptionTabDependingItems(const TComponents& c, bool creatorTabActive) {
  if (creatorTabActive) {
    c.Caption({"m_create_count"}, S(202));
    c.Caption({"m_load_general"}, P(18) + "...");
    c.Caption({"m_copy_result_to_clipboard_text"}, S(561));
    c.Show({"m_copy_result_to_clipboard_table"}, false);
    c.Show({"m_use_result_as_list"}, false);
    c.Show({"m_clear_input"}, false);
    c.Show({"m_creator_out_save_docx", "m_creator_out_save_odt", "m_creator_out_save_rtf"}, true);
    c.Show({"m_counter_out_save_csv", "m_counter_out_save_xlsx", "m_counter_out_save_ods", "m_counter_out_save_html",
            "m_counter_out_save_dif"},
           false);
  } else {
    c.Caption({"m_create_count"}, S(674));
    c.Caption({"m_load_general"}, P(19) + "...");
    c.Caption({"m_copy_result_to_clipboard_text"}, P(4));
    c.Caption({"m_copy_result_to_clipboard_table"}, P(5));
    c.Show({"m_copy_result_to_clipboard_table"}, true);
    c.Show({"m_use_result_as_list"}, true);
    c.Show({"m_clear_input"}, true);
    c.Show({"m_creator_out_save_docx", "m_creator_out_save_odt", "m_creator_out_save_rtf"}, false);
    c.Show({"m_counter_out_save_csv", "m_counter_out_save_xlsx", "m_counter_out_save_ods", "m_counter_out_save_html",
            "m_counter_out_save_dif"},
           true);
  }
}

}  // namespace

void ApplyLanguageCaptions(QWidget* window, int32_t language, bool creatorTabActive, TDialogCaptions& dialogs) {
  const TComponents c(window);
  const auto combine = [language](const std::string& word, std::string_view format) {
    return SprCombineWordWithDescriptor(word, format, static_cast<uint32_t>(language));
  };
  const auto saveAs = [language](StrResGlobal noun, std::string_view format = {}) {
    return SprSaveAsCaption(noun, format, static_cast<uint32_t>(language)) + "...";
  };

  c.Caption({"m_file"}, S(9));
  c.Caption({"m_save_result"}, S(207) + "...");
  c.Caption({"m_close"}, S(228));
  c.Caption({"m_silbenliste_save"}, S(204) + "...");
  c.Caption({"m_silbenliste_load"}, S(224) + "...");
  c.Caption({"m_silbenliste_del"}, S(48));
  c.Caption({"bt_settings_creator", "bt_settings_counter"}, S(11));
  c.Caption({"m_save_result_general"}, S(577) + "...");
  c.Caption({"m_creator_out_save_docx"}, combine(S(590), "DOCX") + "...");
  c.Caption({"m_creator_out_save_odt"}, combine(S(590), "ODT") + "...");
  c.Caption({"m_creator_out_save_rtf"}, combine(S(590), "RTF") + "...");
  c.Caption({"m_counter_out_save_csv"}, combine(S(586), "CSV") + "...");
  c.Caption({"m_counter_out_save_html"}, combine(S(585), "HTML") + "...");
  c.Caption({"m_counter_out_save_xlsx"}, combine(S(592), "XLSX") + "...");
  c.Caption({"m_counter_out_save_ods"}, combine(S(592), "ODS") + "...");
  c.Caption({"m_counter_out_save_dif"}, "Data Interchange Format (DIF)...");
  c.Caption({"m_use_result_as_list"}, P(3));
  c.Caption({"m_clear_input"}, P(20));
  c.Caption({"m_clear_result"}, S(49));
  c.Caption({"tab_creator"}, P(1));
  c.Caption({"tab_counter"}, P(0));
  c.Caption({"la_output_creator", "la_output_counter"}, S(670));
  c.Caption({"bt_create"}, S(202));
  c.Caption({"la_input_counter"}, S(668));
  c.Caption({"bt_count"}, S(674));
  c.Caption({"pm_counter_out_clear", "pm_counter_in_clear", "pm_creator_out_clear", "pm_silben_clear"}, S(48));
  c.Caption({"pm_counter_in_load", "pm_silben_load"}, S(224) + "...");
  c.Caption({"pm_silben_change_freq_equal"}, P(11));
  c.Caption({"pm_silben_change_freq_rand"}, P(12));
  c.Caption({"pm_counter_out_clipboard_text"}, P(6));
  c.Caption({"pm_counter_out_clipboard_table"}, P(7));
  c.Caption({"m_copy_result_to_clipboard_table"}, P(5));
  c.Caption({"pm_counter_in_clipboard", "pm_creator_out_clipboard", "pm_silben_clipboard"}, S(553));
  c.Caption({"pm_creator_out_save_txt"}, saveAs(577));
  c.Caption({"pm_creator_out_save_docx"}, saveAs(590, "DOCX"));
  c.Caption({"pm_creator_out_save_odt"}, saveAs(590, "ODT"));
  c.Caption({"pm_creator_out_save_rtf"}, saveAs(590, "RTF"));
  c.Caption({"pm_silben_save"}, S(204) + "...");
  c.Caption({"pm_counter_out_save_txt"}, saveAs(577));
  c.Caption({"pm_counter_out_save_csv"}, saveAs(586, "CSV"));
  c.Caption({"pm_counter_out_save_html"}, saveAs(580));
  c.Caption({"pm_counter_out_save_xlsx"}, saveAs(592, "XLSX"));
  c.Caption({"pm_counter_out_save_ods"}, saveAs(592, "ODS"));
  c.Caption({"pm_counter_out_save_dif"},
            SprSaveAsNameCaption("DIF Data Interchange Format", static_cast<uint32_t>(language)) + "...");
  c.Caption({"pm_counter_out_aslist"}, P(2));
  c.Caption({"pm_counter_resetcounter"}, P(87));

  CaptionTabDependingItems(c, creatorTabActive);

  for (std::string_view code : kFixedSyllableMenuCodes)
    c.Caption({"m_silben_" + std::string(code)}, SyllableMenuCaption(code, false));
  const bool germanUI = language == SprLangGerman;
  for (std::string_view code : kSyllableMenuCodes) {
    if (std::find(std::begin(kFixedSyllableMenuCodes), std::end(kFixedSyllableMenuCodes), code) !=
        std::end(kFixedSyllableMenuCodes))
      continue;
    c.Caption({"m_silben_" + std::string(code)}, SyllableMenuCaption(code, germanUI));
  }

  c.Caption({"m_silbenliste"}, P(15));
  c.Caption({"m_silbenliste_sprachen"}, P(17));
  c.Caption({"m_silbenliste_zufall_latein"}, P(23));
  c.Caption({"m_silbenliste_zufall_lateinumlaut"}, P(24));
  c.Caption({"m_silbenliste_zufall_kyrill"}, P(25));
  c.Caption({"m_silbenliste_zufall_griech"}, P(26));
  c.Caption({"m_silbenliste_zufall_georg"}, P(27));
  c.Caption({"m_silbenliste_zufall_ziffern"}, P(21));
  c.Caption({"m_silbenliste_zufall_zahlen"}, P(22) + "...");
  c.Caption({"m_silbenliste_zufall_benutzer"}, P(28) + "...");
  c.Caption({"m_silbenliste_einst"}, P(16));
  c.Caption({"la_laenge"}, P(29));
  c.Caption({"la_anzahl"}, P(30));
  c.Caption({"la_silben"}, P(31));

  dialogs.Open.Title = S(512);
  dialogs.Open.Filter = S(578) + " (*.txt)|*.txt|" + S(598) + " (*.*)|*.*";
  dialogs.Save.Title = S(511);
  dialogs.Save.Filter = S(576) + " (*.txt)|*.txt";
  dialogs.Save.FileName = S(576);
}

void ApplyTabDependingCaptions(QWidget* window, bool creatorTabActive) {
  CaptionTabDependingItems(TComponents(window), creatorTabActive);
}
