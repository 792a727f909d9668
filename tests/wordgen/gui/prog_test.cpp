#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "controls/zoom_memo.h"
#include "foundation/config_files.h"
#include "foundation/str_split.h"
#include "foundation/text_files.h"
#include "text/language_constants.h"
#include "text/text_store.h"
#include "wordgen/engine/list_builders.h"
#include "wordgen/gui/settings_ids.h"
#include "wordgen_gui_test_app.h"

namespace {

namespace fs = std::filesystem;

std::string Text(const QPlainTextEdit* memo) { return memo->toPlainText().toStdString(); }

TStrArray Lines(const std::string& text) {
  TStrArray lines;
  if (!text.empty()) Explode(lines, "\n", text);
  return lines;
}

std::vector<std::string> ComboItems(const QComboBox* box) {
  std::vector<std::string> items;
  for (int i = 0; i < box->count(); ++i) items.push_back(box->itemText(i).toStdString());
  return items;
}

class MainWindow : public TWordGenFixture {
 protected:
  // Writes the start settings file that the program loads at start.
  void WriteStartSettings(const std::string& text) {
    fs::create_directories(ConfigDir());
    testsupport::WriteFileBytes(ConfigDir() + "start.sxs", text);
  }
  void UseGerman() { testsupport::WriteFileBytes(AppDir.file("lang.cfg"), "lang=de"); }
  // Shows the window and lets both tabs lay out once.
  static void ShowBothTabs(Tprog& w) {
    w.resize(515, 610);
    w.show();
    QApplication::processEvents();
    w.pc()->setCurrentWidget(w.tab_counter());
    QApplication::processEvents();
    w.pc()->setCurrentWidget(w.tab_creator());
    QApplication::processEvents();
  }
};

TEST_F(MainWindow, StartsInEnglishWithTheEnglishLettersAndTheDefaultFields) {
  Tprog w(Options());
  EXPECT_EQ(w.pc()->currentWidget(), w.tab_creator());
  EXPECT_EQ(Lines(Text(w.m_silben())), LoadList("en", true, false, false));
  EXPECT_EQ(Lines(Text(w.m_silben())).size(), 26u);
  EXPECT_EQ(w.cb_laenge()->currentText(), "3-6");
  EXPECT_EQ(ComboItems(w.cb_laenge()),
            (std::vector<std::string>{"1", "2", "3", "4", "5", "10", "15", "25", "1-3", "2-5", "3-6", "3-10"}));
  EXPECT_EQ(w.cb_anzahl()->currentText(), "6");
  EXPECT_EQ(ComboItems(w.cb_anzahl()),
            (std::vector<std::string>{"1", "2", "3", "4", "5", "10", "15", "25", "50", "100", "500", "1000"}));
  EXPECT_TRUE(Text(w.m_creator_out()).empty());
  EXPECT_TRUE(Text(w.m_counter_in()).empty());
  EXPECT_TRUE(Text(w.m_counter_out()).empty());
  EXPECT_EQ(w.RandNumbers, "1-20");
  EXPECT_EQ(w.InitialDir, "");
  EXPECT_TRUE(Dialogs.Messages.empty());
  // The settings button of each tab opens its own settings tab.
  EXPECT_EQ(w.SchemaTabs().Creator, 1);
  EXPECT_EQ(w.SchemaTabs().SyllableList, 2);
  EXPECT_EQ(w.SchemaTabs().Counter, 3);
}

TEST_F(MainWindow, GermanInterfaceLoadsTheGermanLetters) {
  UseGerman();
  Tprog w(Options());
  EXPECT_EQ(w.SP().Language(), 1);
  EXPECT_EQ(Lines(Text(w.m_silben())), LoadList("de", true, false, false));
  EXPECT_EQ(Lines(Text(w.m_silben())).size(), 30u);
}

TEST_F(MainWindow, SplittersStartAtAThirdAndAtHalfTheWidthAndKeepTheirRatio) {
  Tprog w(Options());
  ShowBothTabs(w);
  TRatioSplitter* creator = w.splitter_creator();
  TRatioSplitter* counter = w.splitter_counter();
  const int width = creator->width();
  ASSERT_GT(width, 300);
  // The share is kept truncated to 1/10000, so a later layout may stand one pixel short.
  EXPECT_EQ(creator->Tag, static_cast<int>(static_cast<double>(width / 3) / width * 10000));
  EXPECT_NEAR(creator->BarLeft(), width / 3, 1);
  const int counterWidth = counter->width();
  EXPECT_EQ(counter->Tag, static_cast<int>(static_cast<double>(counterWidth / 2 - 2) / counterWidth * 10000));
  EXPECT_NEAR(counter->BarLeft(), counterWidth / 2 - 2, 1);
  SaveScreenshot(&w, "main_window_start");
  // The first show centres the window on its screen.
  const QRect screen = w.screen()->availableGeometry();
  EXPECT_NEAR(w.frameGeometry().center().x(), screen.center().x(), 2);
  EXPECT_NEAR(w.frameGeometry().center().y(), screen.center().y(), 2);

  // A wider window keeps the share.
  const int tag = creator->Tag;
  w.resize(900, 610);
  QApplication::processEvents();
  EXPECT_EQ(creator->Tag, tag);
  EXPECT_NEAR(creator->BarLeft(), creator->width() / 3, 2);

  // Shares beyond the limits stop at the panes' smallest widths.
  creator->Tag = 9000;
  w.ResizeAll(false);
  EXPECT_EQ(creator->BarLeft(), creator->width() - 150 - 40);
  creator->Tag = 100;
  w.ResizeAll(false);
  EXPECT_EQ(creator->BarLeft(), 150);
}

TEST_F(MainWindow, StoredRatiosPlaceTheSplittersAtTheFirstLayout) {
  WriteStartSettings("[windowsize]\nratio_creator=5000\nratio_counter=abc\n");
  Tprog w(Options());
  EXPECT_EQ(w.splitter_creator()->Tag, 5000);
  EXPECT_EQ(w.splitter_counter()->Tag, 0);
  ShowBothTabs(w);
  EXPECT_NEAR(w.splitter_creator()->BarLeft(), w.splitter_creator()->width() / 2, 1);
  EXPECT_NEAR(w.splitter_counter()->BarLeft(), w.splitter_counter()->width() / 2 - 2, 1);
}

TEST_F(MainWindow, CreateButtonWritesSixWordsOfThreeToSixLetters) {
  Tprog w(Options());
  w.findChild<QPushButton*>("bt_create")->click();
  const TStrArray words = Lines(Text(w.m_creator_out()));
  ASSERT_EQ(words.size(), 6u);
  for (const std::string& word : words) {
    EXPECT_GE(word.size(), 3u) << word;
    EXPECT_LE(word.size(), 6u) << word;
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
  // The caret stands after the last word.
  EXPECT_EQ(w.m_creator_out()->textCursor().position(), w.m_creator_out()->toPlainText().size());
  w.resize(515, 610);
  w.show();
  QApplication::processEvents();
  SaveScreenshot(&w, "main_window_created");
  // Ctrl+N creates on the creator tab.
  w.Item("m_create_count")->trigger();
  EXPECT_EQ(Lines(Text(w.m_creator_out())).size(), 12u);
}

TEST_F(MainWindow, CreateCommandShowsItsMessages) {
  Tprog w(Options());
  const std::string more = "\n\n" + SprLocalText(122);
  struct TCase {
    std::string Length, Number, List, Text;
  };
  const std::vector<TCase> cases = {
      {"abc", "6", "0100 A", SprLocalText(40)},
      {"3", "ten", "0100 A", SprLocalText(39)},
      {"3", "6", "", SprLocalText(42) + more},
  };
  for (const TCase& c : cases) {
    Dialogs.Messages.clear();
    w.cb_laenge()->setCurrentText(QString::fromStdString(c.Length));
    w.cb_anzahl()->setCurrentText(QString::fromStdString(c.Number));
    w.m_silben()->setPlainText(QString::fromStdString(c.List));
    w.bt_createClick(nullptr);
    ASSERT_EQ(Dialogs.Messages.size(), 1u) << c.Length << " " << c.Number;
    EXPECT_EQ(Dialogs.Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Dialogs.Messages[0].Caption, "Error");
    EXPECT_EQ(Dialogs.Messages[0].Text, c.Text);
    EXPECT_TRUE(Text(w.m_creator_out()).empty());
  }
}

TEST_F(MainWindow, CountsAndCopiesTheTableAndUsesItAsList) {
  Tprog w(Options());
  w.pc()->setCurrentWidget(w.tab_counter());
  // An empty input asks for a text first.
  w.findChild<QPushButton*>("bt_count")->click();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Kind, TMessageKind::Information);
  EXPECT_EQ(Dialogs.Messages[0].Caption, "Information");
  EXPECT_EQ(Dialogs.Messages[0].Text, SprLocalText(43));

  w.m_counter_in()->setPlainText("Hello, hello!");
  w.Item("m_create_count")->trigger();  // Ctrl+N counts on the counter tab
  EXPECT_EQ(Text(w.m_counter_out()),
            "E       2  20.00%\n"
            "H       2  20.00%\n"
            "L       4  40.00%\n"
            "O       2  20.00%\n"
            "Total  10        \n");
  EXPECT_EQ(w.Counter().GlobalErgCount, 10);
  w.resize(515, 610);
  w.show();
  QApplication::processEvents();
  SaveScreenshot(&w, "main_window_counted");

  w.Item("m_copy_result_to_clipboard_table")->trigger();
  EXPECT_EQ(Dialogs.Clipboard, "E\t2\t20.00%\nH\t2\t20.00%\nL\t4\t40.00%\nO\t2\t20.00%");
  w.Item("m_copy_result_to_clipboard_text")->trigger();
  EXPECT_EQ(Dialogs.Clipboard, Text(w.m_counter_out()));
  w.Item("pm_counter_in_clipboard")->trigger();
  EXPECT_EQ(Dialogs.Clipboard, "Hello, hello!");

  w.Item("m_use_result_as_list")->trigger();
  EXPECT_EQ(Text(w.m_silben()), "2000 E\n2000 H\n4000 L\n2000 O");
  EXPECT_EQ(w.pc()->currentWidget(), w.tab_creator());
  EXPECT_EQ(w.m_silben()->textCursor().position(), 0);

  // The reset forgets the result: using it then is refused.
  w.Item("pm_counter_resetcounter")->trigger();
  EXPECT_TRUE(Text(w.m_counter_out()).empty());
  Dialogs.Messages.clear();
  w.Item("pm_counter_out_aslist")->trigger();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Caption, "Error");
  EXPECT_EQ(Dialogs.Messages[0].Text, SprLocalText(41));
  EXPECT_EQ(Text(w.m_silben()), "2000 E\n2000 H\n4000 L\n2000 O");
}

TEST_F(MainWindow, SyllableListSourcesAskAndFillTheField) {
  Tprog w(Options());
  // The number range starts from "1-20" and remembers what was typed.
  Dialogs.InputAnswers = {"1-20", " 3 - 5 ", "a-b"};
  w.Item("m_silbenliste_zufall_zahlen")->trigger();
  ASSERT_EQ(Dialogs.Inputs.size(), 1u);
  EXPECT_EQ(Dialogs.Inputs[0].Text, "1-20");
  EXPECT_EQ(Dialogs.Inputs[0].Caption, SprLocalText(22));
  EXPECT_EQ(Dialogs.Inputs[0].Prompt, "Numbers:");
  TStrArray lines = Lines(Text(w.m_silben()));
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[19].substr(4), " 20");
  w.Item("m_silbenliste_zufall_zahlen")->trigger();
  EXPECT_EQ(Lines(Text(w.m_silben())).size(), 3u);
  EXPECT_EQ(w.RandNumbers, " 3 - 5 ");
  w.Item("m_silbenliste_zufall_zahlen")->trigger();  // no range: nothing changes
  EXPECT_EQ(Dialogs.Inputs[2].Text, " 3 - 5 ");
  EXPECT_EQ(Lines(Text(w.m_silben())).size(), 3u);
  EXPECT_EQ(w.RandNumbers, " 3 - 5 ");
  // The prompt ends with the colon of the window's language.
  const struct {
    int32_t Language;
    const char* Prompt;
  } kPrompts[] = {{SprLangFrench, "Nombres\u00A0:"}, {SprLangEnglish, "Numbers:"}};
  for (const auto& p : kPrompts) {
    w.SP().SettingsObj().SetLanguage(p.Language);
    w.SP().SettingsObj().OnLanguageChange(p.Language);
    w.Item("m_silbenliste_zufall_zahlen")->trigger();
    EXPECT_EQ(Dialogs.Inputs.back().Prompt, p.Prompt) << p.Language;
  }
  EXPECT_EQ(Lines(Text(w.m_silben())).size(), 3u);

  // The own characters start from the setting; cancelling changes nothing.
  w.Item("m_silbenliste_zufall_benutzer")->trigger();
  EXPECT_EQ(Dialogs.Inputs.back().Text, "ABCDEF");
  EXPECT_EQ(Lines(Text(w.m_silben())).size(), 3u);
  Dialogs.InputAnswers = {"XYZ"};
  w.Item("m_silbenliste_zufall_benutzer")->trigger();
  lines = Lines(Text(w.m_silben()));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(4), " X");

  // A language item loads its list; equal frequencies rewrite every line.
  w.Item("m_silben_fr")->trigger();
  EXPECT_EQ(Lines(Text(w.m_silben())), LoadList("fr", true, false, false));
  // Comments, empty lines and position codes keep what they mean.
  w.m_silben()->setPlainText("0558 A\nA\n# note\n\n0100P2 AB");
  w.Item("pm_silben_change_freq_equal")->trigger();
  EXPECT_EQ(Text(w.m_silben()), "0001 A\n0001 A\n# note\n\n0001P2 AB");
  // Only menu items with their tags change frequencies.
  w.ChangeSilbenlistFrequencies(w.findChild<QPushButton*>("bt_create"));
  EXPECT_EQ(Text(w.m_silben()), "0001 A\n0001 A\n# note\n\n0001P2 AB");
}

TEST_F(MainWindow, ProgramKeysGoIntoTheSettingsOnlyWhenTheyShould) {
  Tprog w(Options());
  TConfigSaver plain;
  w.SPSettingsSave(plain);
  EXPECT_EQ(plain.ReadString("mainform", "syllables", "missing"), "missing");
  EXPECT_EQ(plain.ReadString("syllablelist", "rand_numbers", "missing"), "missing");
  EXPECT_EQ(plain.ReadString("main", "initial_dir", "missing"), "");

  w.RandNumbers = "5-9";
  w.InitialDir = "/tmp/";
  TConfigSaver changed;
  w.SPSettingsSave(changed);
  EXPECT_EQ(changed.ReadString("syllablelist", "rand_numbers", ""), "5-9");
  EXPECT_EQ(changed.ReadString("main", "initial_dir", ""), "/tmp/");

  w.splitter_creator()->Tag = 3333;
  TConfigSaver sizes;
  w.SPWindowSizeSave("windowsize", sizes);
  EXPECT_EQ(sizes.ReadString("windowsize", "ratio_creator", ""), "3333");

  // A reset brings back the range, the length and number fields, and puts the
  // save folder at the working folder.
  w.cb_laenge()->setCurrentText("2");
  w.cb_anzahl()->setCurrentText("99");
  w.SP().ResetSettings();
  EXPECT_EQ(w.cb_laenge()->currentText(), "3-6");
  EXPECT_EQ(w.cb_anzahl()->currentText(), "6");
  EXPECT_EQ(w.RandNumbers, "1-20");
  EXPECT_EQ(w.InitialDir, fs::current_path().string() + "/");
}

TEST_F(MainWindow, StartSettingsBringValuesAndTheListOnlyWithSavingTheListOn) {
  WriteStartSettings(
      "[creator]\nwriting=uppercase\nlength=2-3\n[syllablelist]\nsavewithsettings=1\nrand_numbers=7-8\n"
      "[mainform]\nsyllables=0100 KA\\n0200 TI\n[main]\ninitial_dir=/srv/\n");
  {
    Tprog w(Options());
    EXPECT_EQ(w.SP().ReadInt(kSettingWriting, 0), 1);
    EXPECT_EQ(w.cb_laenge()->currentText(), "2-3");
    EXPECT_EQ(Text(w.m_silben()), "0100 KA\n0200 TI");
    EXPECT_EQ(w.RandNumbers, "7-8");
    EXPECT_EQ(w.InitialDir, "/srv/");
    // Saving the list round-trips its lines.
    TConfigSaver saved;
    w.SPSettingsSave(saved);
    EXPECT_EQ(saved.ReadString("mainform", "syllables", ""), "0100 KA\n0200 TI");
  }
  // Without saving the list on, the default list replaces it.
  WriteStartSettings("[mainform]\nsyllables=0100 KA\n");
  Tprog w(Options());
  EXPECT_EQ(Lines(Text(w.m_silben())), LoadList("en", true, false, false));
}

TEST_F(MainWindow, ClosingWritesNoSettingsFileByDefault) {
  auto* w = new Tprog(Options());
  w->setAttribute(Qt::WA_DeleteOnClose);
  w->show();
  QApplication::processEvents();
  w->Item("m_close")->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(fs::exists(ConfigDir() + "start.sxs"));
}

TEST_F(MainWindow, SavesEveryFormatAndReportsAFailedSave) {
  Tprog w(Options());
  testsupport::TempDir out;
  w.m_creator_out()->setPlainText("KATI\nROMU");
  struct TCase {
    const char* Sender;
    const char* File;
    std::string Magic;
  };
  const TCase wordCases[] = {
      {"pm_creator_out_save_txt", "w.txt", "KATI\nROMU"},  {"m_creator_out_save_docx", "w.docx", "PK"},
      {"m_creator_out_save_odt", "w.odt", "PK"},           {"pm_creator_out_save_rtf", "w.rtf", "{\\rtf"},
      {"m_creator_out_save_docx", "w2.TXT", "KATI\nROMU"},  // the extension decides
  };
  for (const TCase& c : wordCases) {
    Dialogs.SaveAnswers = {out.file(c.File)};
    w.Item(c.Sender)->trigger();
    ASSERT_TRUE(fs::exists(out.file(c.File))) << c.Sender;
    EXPECT_EQ(testsupport::ReadFileBytes(out.file(c.File)).substr(0, c.Magic.size()), c.Magic) << c.Sender;
    EXPECT_EQ(w.InitialDir, out.str() + "/");
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
  EXPECT_EQ(Dialogs.Saves[0].FileName, "Result");
  EXPECT_EQ(Dialogs.Saves[1].FilterIndex, 2);

  // Table formats need a count first; the text format saves the field.
  w.pc()->setCurrentWidget(w.tab_counter());
  Dialogs.SaveAnswers = {out.file("early.xlsx")};
  w.Item("m_counter_out_save_xlsx")->trigger();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, SprLocalText(41));
  EXPECT_FALSE(fs::exists(out.file("early.xlsx")));
  Dialogs.Messages.clear();

  w.m_counter_in()->setPlainText("Hello, hello!");
  w.bt_countClick(nullptr);
  const TCase tableCases[] = {
      {"pm_counter_out_save_txt", "t.txt", "E       2"}, {"m_counter_out_save_csv", "t.csv", "E,2,20.00%\n"},
      {"m_counter_out_save_xlsx", "t.xlsx", "PK"},       {"pm_counter_out_save_ods", "t.ods", "PK"},
      {"m_counter_out_save_dif", "t.dif", "TABLE"},      {"m_counter_out_save_html", "t.html", "<"},
  };
  for (const TCase& c : tableCases) {
    Dialogs.SaveAnswers = {out.file(c.File)};
    w.Item(c.Sender)->trigger();
    ASSERT_TRUE(fs::exists(out.file(c.File))) << c.Sender;
    EXPECT_EQ(testsupport::ReadFileBytes(out.file(c.File)).substr(0, c.Magic.size()), c.Magic) << c.Sender;
  }
  EXPECT_TRUE(Dialogs.Messages.empty());

  // A name without a fitting extension takes the chosen format's.
  Dialogs.SaveAnswers = {out.file("plain")};
  w.Item("m_counter_out_save_ods")->trigger();
  EXPECT_TRUE(fs::exists(out.file("plain.ods")));

  // A folder that does not exist: the error, and the save folder stays.
  w.InitialDir = "/keep/";
  for (const char* sender : {"m_counter_out_save_csv", "pm_counter_out_save_txt"}) {
    Dialogs.Messages.clear();
    Dialogs.SaveAnswers = {out.file("missing/t.csv")};
    w.Item(sender)->trigger();
    ASSERT_EQ(Dialogs.Messages.size(), 1u) << sender;
    EXPECT_EQ(Dialogs.Messages[0].Caption, "Error");
    EXPECT_EQ(Dialogs.Messages[0].Text,
              SprText(158) + "\n\n" + out.file("missing/t.csv") + "\n" + std::strerror(ENOENT));
    EXPECT_EQ(w.InitialDir, "/keep/");
  }
}

TEST_F(MainWindow, LoadsFilesIntoTheFieldOfTheSender) {
  Tprog w(Options());
  testsupport::TempDir in;
  testsupport::WriteFileBytes(in.file("u16.txt"), std::string("\xFF\xFE"
                                                              "H\0i\0\r\0\n\0!\0",
                                                              12));
  Dialogs.OpenAnswers = {in.file("u16.txt")};
  w.Item("pm_counter_in_load")->trigger();
  EXPECT_EQ(Text(w.m_counter_in()), "Hi\n!");
  // Cancelling keeps the field.
  w.Item("m_load_general")->trigger();
  EXPECT_EQ(Lines(Text(w.m_silben())).size(), 26u);
}

TEST_F(MainWindow, KeysOfTheWindowReachTheirCommands) {
  Tprog w(Options());
  w.show();
  QApplication::processEvents();
  w.m_creator_out()->setPlainText("KA TI");
  w.m_creator_out()->setFocus();
  // Ctrl+Delete clears the result although the field has the focus.
  QTest::keyClick(w.m_creator_out(), Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_TRUE(Text(w.m_creator_out()).empty());
  // Command+A selects the whole field.
  w.m_silben()->setFocus();
  QTest::keyClick(w.m_silben(), Qt::Key_A, Qt::MetaModifier);
  EXPECT_EQ(Lines(Text(w.m_silben())).size(), 26u);
  EXPECT_EQ(w.m_silben()->textCursor().selectedText().size(), w.m_silben()->toPlainText().size());
}

}  // namespace

namespace {

TEST_F(MainWindow, SettingsButtonsOpenTheirTabsAndFontChangesActAtOnce) {
  Tprog w(Options());
  std::vector<int32_t> opened;
  w.SP().SettingsObj().WindowHooks.ShowSettings = [&](int32_t tab) { opened.push_back(tab); };
  w.findChild<QPushButton*>("bt_settings_creator")->click();
  w.findChild<QPushButton*>("bt_settings_counter")->click();
  w.Item("m_silbenliste_einst")->trigger();
  w.ShowSettingsClick(w.Item("m_close"));  // any other sender opens nothing
  EXPECT_EQ(opened,
            (std::vector<int32_t>{w.SchemaTabs().Creator, w.SchemaTabs().Counter, w.SchemaTabs().SyllableList}));

  // A new font and size reach the four fields when the settings window reports the change.
  w.SP().SettingsObj().Controls()[kSettingFont].Value = "DejaVu Serif";
  w.SP().SettingsObj().Controls()[kSettingFontSize].Value = "17";
  w.SPSettingsCustomInputChange(kSettingFontSize, "17", 17);
  for (QPlainTextEdit* memo :
       {static_cast<QPlainTextEdit*>(w.m_silben()), static_cast<QPlainTextEdit*>(w.m_creator_out()),
        static_cast<QPlainTextEdit*>(w.m_counter_in()), static_cast<QPlainTextEdit*>(w.m_counter_out())}) {
    EXPECT_EQ(memo->font().family(), "DejaVu Serif") << memo->objectName().toStdString();
    EXPECT_EQ(memo->font().pointSize(), 17);
  }
  // Other settings act only when a command reads them.
  w.SP().SettingsObj().Controls()[kSettingFont].Value = "DejaVu Sans";
  w.SPSettingsCustomInputChange(kSettingWriting, "1", 1);
  EXPECT_EQ(w.m_silben()->font().family(), "DejaVu Serif");
}

}  // namespace

namespace {

TEST_F(MainWindow, InfoDialogShowsTheProgramsHelpTexts) {
  Tprog w(Options());
  w.SP().InfoDialogObj().ShowInfoDialog(5000);
  QWidget* info = w.SP().InfoDialogObj().Form();
  ASSERT_NE(info, nullptr);
  const std::string page = w.SP().InfoDialogObj().GetInfoDialogText(5000);
  for (int n : {110, 111, 112, 113, 114}) {
    const std::string text = SprLocalText(n);
    // The first words of every paragraph stand on the introduction page.
    EXPECT_NE(page.find(text.substr(0, std::min<size_t>(text.size(), 20))), std::string::npos) << n;
  }
  SaveScreenshot(info, "info_dialog");
  info->close();
}

}  // namespace
