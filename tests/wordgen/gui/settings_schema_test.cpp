#include "wordgen/gui/settings_schema.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QRadioButton>
#include <memory>
#include <string>
#include <vector>

#include "foundation/code_pages.h"
#include "foundation/doc_ini.h"
#include "foundation/qt/qt_strings.h"
#include "frame/core/frame_core_fixture.h"
#include "frame/qt/pwk_prog_obj.h"
#include "text/language_constants.h"
#include "text/text_store.h"
#include "wordgen/counter/counter.h"
#include "wordgen/engine/readability.h"
#include "wordgen/gui/settings_ids.h"
#include "wordgen_gui_test_app.h"

namespace {

constexpr int32_t kProgramText = 947;  // the store's slot of program text 0
constexpr size_t kSchemaLength = 105;

size_t CodePoints(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

// A main window with its frame, set up as the program sets it up, with the
// schema declared.
class SettingsSchema : public TWordGenFixture {
 protected:
  void SetUp() override {
    TWordGenFixture::SetUp();
    Window = std::make_unique<QMainWindow>();
    Window->resize(400, 300);
    Frame = NewFrame(Window.get());
  }
  void TearDown() override {
    Frame.reset();
    Window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    TWordGenFixture::TearDown();
  }
  std::unique_ptr<TPwkProgObj> NewFrame(QObject* owner) {
    auto frame = std::make_unique<TPwkProgObj>(owner);
    frame->SetProgName("SyllabrixSchemaTest");
    frame->SetProgFileExtSettings("sxs");
    frame->SettingsObj().SetApplicationFolder(AppDir.str());
    frame->SetUserDialogs(&Dialogs);
    frame->SplashScreenAutoShow = false;
    TLanguageSet languages = TLanguageSet::AllLanguages();
    languages.Exclude(langKO);
    frame->SetLanguages(languages);
    return frame;
  }
  TSettingsSchemaTabs Declare(TPwkProgObj& frame) { return DeclareSettingsSchema(frame, Defaults); }
  const std::vector<TSOControlRecord>& Records() { return Frame->SettingsObj().Controls(); }

  TSettingsSchemaDefaults Defaults{"DejaVu Sans Mono", 13, "."};
  TScriptedDialogs Dialogs;
  std::unique_ptr<QMainWindow> Window;
  std::unique_ptr<TPwkProgObj> Frame;
};

// Every stored setting: its place, its tab's section, its key and its default text.
struct TStoredCase {
  int32_t ID;
  const char* Section;
  const char* Key;
  std::string Default;
};

std::vector<TStoredCase> StoredCases(const std::string& minFrequence, const std::string& fieldSeparator) {
  return {
      {kSettingFont, "general", "font", "DejaVu Sans Mono"},
      {kSettingFontSize, "general", "fontsize", "13"},
      {kSettingWriting, "creator", "writing", "0"},
      {kSettingWordsBeside, "creator", "wordsbeside", "0"},
      {kSettingWordsBesideBetweenChar, "creator", "wordsbeside_betweenchar", " "},
      {kSettingInsertLineBreakBetweenCreations, "creator", "insert_linebreak_betweencreations", "0"},
      {kSettingUseLineBreakChar, "creator", "use_linebreakchar", "0"},
      {kSettingLineBreakChar, "creator", "linebreakchar", "/nl"},
      {kSettingClearListBeforeCreation, "creator", "clearlist_beforecreation", "0"},
      {kSettingReadableWords, "creator", "readable_words", "1"},
      {kSettingReadableIfNoRule, "creator", "readable_ifnorule", "1"},
      {kSettingSyllableOncePerWord, "creator", "syllableonceperword", "0"},
      {kSettingReadabilityRules, "creator", "readabilityrules", DefaultReadabilityRules()},
      {kSettingAddSingle, "syllablelist", "add_single", "1"},
      {kSettingAddDigrams, "syllablelist", "add_digrams", "0"},
      {kSettingAddTrigrams, "syllablelist", "add_trigrams", "0"},
      {kSettingAddDeleteOld, "syllablelist", "add_deleteold", "1"},
      {kSettingUserDefinedList, "syllablelist", "userdefinedlist", "ABCDEF"},
      {kSettingSaveWithSettings, "syllablelist", "savewithsettings", "0"},
      {kSettingCountType, "counter", "count_type", "1"},
      {kSettingCountBlanks, "counter", "count_blanks", "0"},
      {kSettingCountPositions, "counter", "count_positions", "0"},
      {kSettingCountResetCounter, "counter", "count_resetcounter", "1"},
      {kSettingCountExclude, "countercharacters", "count_exclude", "1"},
      {kSettingCountExcludeChars, "countercharacters", "count_exclude_chars", CountExcludeCharsDefault()},
      {kSettingCountOnly, "countercharacters", "count_only", "0"},
      {kSettingCountOnlyChars, "countercharacters", "count_only_chars", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
      {kSettingCountRegex, "countercharacters", "count_regex", "0"},
      {kSettingCountRegexExpr, "countercharacters", "count_regex_expr", ""},
      {kSettingCountRegexBrackets, "countercharacters", "count_regex_brackets", "1"},
      {kSettingCountRegexShowMatches, "countercharacters", "count_regex_showmatches", "0"},
      {kSettingCombineLowUp, "countercharacters", "combinelowup", "1"},
      {kSettingReplaceUmlauts, "countercharacters", "replaceumlauts", "0"},
      {kSettingReplaceAccents, "countercharacters", "replaceaccents", "0"},
      {kSettingReplaceCapitalSharpS, "countercharacters", "replacecapitalß", "0"},
      {kSettingAlwaysCountSmallSharpS, "countercharacters", "alwayscountsmallß", "0"},
      {kSettingSorting, "counteroutput", "sorting", "0"},
      {kSettingShowNumber, "counteroutput", "show_number", "1"},
      {kSettingShowFrequency, "counteroutput", "show_frequency", "1"},
      {kSettingShowTotal, "counteroutput", "show_total", "1"},
      {kSettingAddAllCountedChars, "counteroutput", "add_all_counted_chars", "0"},
      {kSettingMinLength, "counteroutput", "min_length", "1"},
      {kSettingMinFrequence, "counteroutput", "min_frequence", minFrequence},
      {kSettingMinIsPercent, "counteroutput", "min_is_percent", "1"},
      {kSettingOnlyElementsStartingWith, "counteroutput", "only_elements_starting_with", ""},
      {kSettingOnlyElementsEndingWith, "counteroutput", "only_elements_ending_with", ""},
      {kSettingOnlyElementsContaining, "counteroutput", "only_elements_containing", ""},
      {kSettingOnlyElementsCase, "counteroutput", "only_elements_case", "1"},
      {kSettingOnlyElementsRegex, "counteroutput", "only_elements_regex", "0"},
      {kSettingOldBasis, "counteroutput", "old_basis", "1"},
      {kSettingPercentDecimalPlaces, "counteroutput", "percent_decimalplaces", "2"},
      {kSettingEncoding, "storageformat", "encoding", CodePageToStrID(cpUTF8)},
      {kSettingBOM, "storageformat", "bom", "0"},
      {kSettingFieldSeparator, "storageformat", "fieldseparator", fieldSeparator},
      {kSettingQuoteCharacter, "storageformat", "quotecharacter", "\""},
      {kSettingQuoteOnlyIfNecessary, "storageformat", "quoteonlyifnecessary", "1"},
  };
}

TEST_F(SettingsSchema, EveryIDTakesItsPlace) {
  TSettingsSchemaTabs tabs;
  ASSERT_NO_THROW(tabs = Declare(*Frame));
  EXPECT_EQ(tabs.Creator, 1);
  EXPECT_EQ(tabs.SyllableList, 2);
  EXPECT_EQ(tabs.Counter, 3);
  const TSettingsObj& so = Frame->SettingsObj();
  const std::vector<std::string> sections = {"general",           "creator",       "syllablelist", "counter",
                                             "countercharacters", "counteroutput", "storageformat"};
  ASSERT_EQ(so.Tabs().size(), sections.size());
  for (size_t t = 0; t < sections.size(); ++t) EXPECT_EQ(so.Tabs()[t].IniSection, sections[t]);
  const std::vector<int32_t> tabCaptions = {
      14, kProgramText + 1, kProgramText + 14, kProgramText + 0, kProgramText + 120, kProgramText + 121, 232};
  for (size_t t = 0; t < tabCaptions.size(); ++t) EXPECT_EQ(so.Tabs()[t].CaptionText, tabCaptions[t]) << t;

  // No gaps: every place 0..104 is taken.
  ASSERT_EQ(Records().size(), kSchemaLength);
  for (size_t i = 0; i < Records().size(); ++i) EXPECT_TRUE(Records()[i].InUse) << i;

  // The stored settings: each ID on the tab of its section, under its key.
  const std::vector<TStoredCase> stored = StoredCases("0.00", ",");
  size_t inputs = 0;
  for (const TSOControlRecord& r : Records()) inputs += r.IsInput;
  EXPECT_EQ(inputs, stored.size());
  for (const TStoredCase& c : stored) {
    const TSOControlRecord& r = Records()[c.ID];
    EXPECT_TRUE(r.IsInput) << c.Key;
    EXPECT_EQ(r.IniKey, c.Key) << c.ID;
    EXPECT_EQ(so.Tabs()[r.TabID].IniSection, c.Section) << c.Key;
    EXPECT_EQ(r.DefaultValue, c.Default) << c.Key;
  }

  // The elements without an ID of their own.
  const std::vector<int32_t> headings = {0, 3, 10, 17, 23, 28, 30, 32, 42, 46, 65, 71, 79, 84, 93, 96, 99};
  for (int32_t h : headings) EXPECT_EQ(Records()[h].ControlType, ctHeading) << h;
  EXPECT_EQ(Records()[0].CaptionText, 601);
  EXPECT_EQ(Records()[99].CaptionText, kProgramText + 115);
  EXPECT_EQ(Records()[102].ControlType, ctLabel);
  EXPECT_EQ(Records()[102].CaptionText, 688);
  // The note that HTML pages are not written in UTF-7 or UTF-32 closes the
  // storage-format tab.
  EXPECT_EQ(Records()[104].ControlType, ctLabel);
  EXPECT_EQ(Records()[104].CaptionText, kProgramText + 125);
  EXPECT_EQ(so.Tabs()[Records()[104].TabID].IniSection, "storageformat");
  EXPECT_FALSE(Records()[104].PlaceBeside);
  EXPECT_EQ(Records()[22].ControlType, ctActionButtonSetToDefault);
  EXPECT_EQ(Records()[22].DefaultInt, kSettingReadabilityRules);
  EXPECT_TRUE(Records()[22].PlaceBeside);
  EXPECT_EQ(Records()[kSettingReadabilityRules].ControlType, ctMemoAsButton);
  EXPECT_EQ(Records()[kSettingReadabilityRules].DescriptionText, kProgramText + 55);
}

struct TRadioItemCase {
  int32_t Place;
  int32_t Group;
  int32_t Number;
  const char* Value;
  int32_t Caption;
  int32_t Left;  // 0: a new row at the margin
};

TEST_F(SettingsSchema, RadioItemsCarryTheirNumbersAndValueTexts) {
  Declare(*Frame);
  const TRadioItemCase cases[] = {
      {5, kSettingWriting, 0, "likelist", kProgramText + 45, 0},
      {6, kSettingWriting, 1, "uppercase", 415, 225},
      {7, kSettingWriting, 2, "random", 421, 450},
      {8, kSettingWriting, 3, "firstuppercase", 414, 0},
      {9, kSettingWriting, 4, "lowercase", 416, 225},
      {34, kSettingCountType, 1, "letters", 405, 0},
      {35, kSettingCountType, 4, "quadgrams", kProgramText + 69, 225},
      {36, kSettingCountType, 7, "syllables", kProgramText + 72, 450},
      {37, kSettingCountType, 2, "digrams", kProgramText + 67, 0},
      {38, kSettingCountType, 5, "quintgrams", kProgramText + 70, 225},
      {39, kSettingCountType, 0, "words", 412, 450},
      {40, kSettingCountType, 3, "trigrams", kProgramText + 68, 0},
      {41, kSettingCountType, 6, "hexagrams", kProgramText + 71, 225},
      {73, kSettingSorting, 0, "char_up", kProgramText + 116, 0},
      {74, kSettingSorting, 2, "freq_up", kProgramText + 118, 225},
      {75, kSettingSorting, 4, "occurence", 397, 450},
      {76, kSettingSorting, 1, "char_down", kProgramText + 117, 0},
      {77, kSettingSorting, 3, "freq_down", kProgramText + 119, 225},
      {78, kSettingSorting, 5, "char_list", kProgramText + 99, 450},
  };
  for (const TRadioItemCase& c : cases) {
    const TSOControlRecord& r = Records()[c.Place];
    EXPECT_EQ(r.ControlType, ctRadioButtonGroupItem) << c.Place;
    EXPECT_EQ(r.GroupID, c.Group) << c.Place;
    EXPECT_EQ(r.IntID, c.Number) << c.Place;
    EXPECT_EQ(r.StrID, c.Value) << c.Place;
    EXPECT_EQ(r.CaptionText, c.Caption) << c.Place;
    EXPECT_EQ(r.Left, c.Left) << c.Place;
    EXPECT_EQ(r.PlaceBeside, c.Left != 0) << c.Place;
    EXPECT_EQ(Frame->SettingsObj().GetRadioButtonGroupItemIntIDFromStrID(c.Group, c.Value, -1), c.Number);
  }
  EXPECT_EQ(Records()[kSettingWriting].ItemIDs, (TIntArray{5, 6, 7, 8, 9}));
  EXPECT_EQ(Records()[kSettingCountType].ItemIDs.size(), 8u);
  EXPECT_EQ(Records()[kSettingSorting].ItemIDs.size(), 6u);
}

struct TToggleCase {
  int32_t Place;
  int32_t Caption;
  const char* First;  // the first character
  size_t Count;
};

TEST_F(SettingsSchema, ToggleBoxesFillTheOnlyCountedCharacters) {
  Declare(*Frame);
  const TToggleCase cases[] = {
      {51, kProgramText + 89, "A", 26}, {52, kProgramText + 90, "Ä", 3},
      {53, kProgramText + 91, "А", 33}, {54, kProgramText + 92, "Α", 24},
      {55, kProgramText + 97, "ა", 33}, {56, kProgramText + 93, "a", 26},
      {57, kProgramText + 94, "ä", 3},  {58, kProgramText + 95, "а", 33},
      {59, kProgramText + 96, "α", 25}, {60, 401, "0", 10},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const TToggleCase& c = cases[i];
    const TSOControlRecord& r = Records()[c.Place];
    EXPECT_EQ(r.ControlType, ctActionCheckBoxToggleCharsInInput) << c.Place;
    EXPECT_EQ(r.TargetID, kSettingCountOnlyChars) << c.Place;
    EXPECT_EQ(r.CaptionText, c.Caption) << c.Place;
    EXPECT_EQ(CodePoints(r.DefaultValue), c.Count) << c.Place;
    EXPECT_EQ(r.DefaultValue.rfind(c.First, 0), 0u) << c.Place;
    EXPECT_EQ(r.Left, 18 + 135 * static_cast<int32_t>(i % 5)) << c.Place;
    EXPECT_EQ(r.PlaceBeside, i % 5 != 0) << c.Place;
  }
  EXPECT_NE(Records()[59].DefaultValue.find("ς"), std::string::npos);  // final sigma included
}

struct TDefaultsCase {
  std::string DecimalSeparator;
  std::string MinFrequence;
  std::string FieldSeparator;
};

TEST_F(SettingsSchema, DefaultsReadBack) {
  const TDefaultsCase systems[] = {{".", "0.00", ","}, {",", "0,00", ";"}};
  for (const TDefaultsCase& system : systems) {
    SCOPED_TRACE(system.DecimalSeparator);
    auto frame = NewFrame(nullptr);
    Defaults.DecimalSeparator = system.DecimalSeparator;
    Declare(*frame);
    for (const TStoredCase& c : StoredCases(system.MinFrequence, system.FieldSeparator))
      EXPECT_EQ(frame->ReadString(c.ID, "?"), c.Default) << c.Key;
    EXPECT_EQ(frame->ReadFloat(kSettingMinFrequence, -1), 0.0);
    EXPECT_EQ(frame->ReadInt(kSettingMinFrequence, -1), 0);
  }
  Declare(*Frame);
  const struct {
    int32_t ID;
    int32_t Number;
  } numbers[] = {
      {kSettingWriting, 0},   {kSettingCountType, 1}, {kSettingSorting, 0},       {kSettingEncoding, 65001},
      {kSettingFontSize, 13}, {kSettingMinLength, 1}, {kSettingReadableWords, 1}, {kSettingPercentDecimalPlaces, 2},
      {kSettingBOM, 0}};
  for (const auto& n : numbers) EXPECT_EQ(Frame->ReadInt(n.ID, -1), n.Number) << n.ID;
  EXPECT_TRUE(Frame->ReadBoolean(kSettingReadableWords, false));
  EXPECT_FALSE(Frame->ReadBoolean(kSettingWordsBeside, true));
  EXPECT_EQ(Frame->ReadString(kSettingFont, ""), "DejaVu Sans Mono");
  const std::string rules = Frame->ReadString(kSettingReadabilityRules, "");
  EXPECT_EQ(rules.size(), 1052u);
  EXPECT_EQ(CodePoints(rules), 736u);
  EXPECT_EQ(CodePoints(Frame->ReadString(kSettingCountExcludeChars, "")), 59u);
}

TEST_F(SettingsSchema, ChosenRadioItemIsSavedAsItsValueText) {
  const TSettingsSchemaTabs tabs = Declare(*Frame);
  ASSERT_TRUE(Frame->Initialize());
  const std::string path = AppDir.file("before.sxs");
  ASSERT_TRUE(Frame->SettingsObj().SaveSettings(cslFileName, path, false));
  EXPECT_FALSE(TDocINI(path).Contains("creator"));  // nothing differs from its default yet

  Frame->ShowSettings(tabs.Creator);
  TSOWindow* window = Frame->SettingsWindowHost().SettingsWindow();
  ASSERT_NE(window, nullptr);
  auto* upper = window->findChild<QRadioButton*>("rb6");
  ASSERT_NE(upper, nullptr);
  upper->click();
  EXPECT_EQ(Frame->ReadInt(kSettingWriting, -1), 1);
  const std::string after = AppDir.file("after.sxs");
  ASSERT_TRUE(Frame->SettingsObj().SaveSettings(cslFileName, after, false));
  EXPECT_EQ(TDocINI(after).ReadString("creator", "writing", ""), "uppercase");
  window->close();
}

struct TLoadCase {
  const char* Section;
  const char* Key;
  const char* Text;
  int32_t ID;
  int32_t Number;
};

TEST_F(SettingsSchema, LoadedValueTextsGiveTheItemNumbers) {
  Declare(*Frame);
  const TLoadCase cases[] = {
      {"creator", "writing", "uppercase", kSettingWriting, 1},
      {"creator", "writing", "3", kSettingWriting, 3},
      {"counter", "count_type", "trigrams", kSettingCountType, 3},
      {"counter", "count_type", "words", kSettingCountType, 0},
      {"counteroutput", "sorting", "freq_down", kSettingSorting, 3},
      {"counteroutput", "sorting", "occurence", kSettingSorting, 4},
      {"storageformat", "encoding", "windows-1252", kSettingEncoding, 1252},
  };
  for (const TLoadCase& c : cases) {
    const std::string path = AppDir.file("load.sxs");
    testsupport::WriteFileBytes(path, std::string("[") + c.Section + "]\n" + c.Key + "=" + c.Text + "\n");
    ASSERT_TRUE(Frame->SettingsObj().LoadSettings(path, false));
    EXPECT_EQ(Frame->ReadInt(c.ID, -1), c.Number) << c.Text;
  }
}

// Two settings that shared a key in one section would lose one value here.
TEST_F(SettingsSchema, EverySettingRoundTripsThroughAFile) {
  Declare(*Frame);
  TSettingsObj& so = Frame->SettingsObj();
  std::vector<std::string> changed(kSchemaLength);
  for (size_t i = 0; i < so.Controls().size(); ++i) {
    TSOControlRecord& r = so.Controls()[i];
    if (!r.IsInput) continue;
    switch (r.ControlType) {
      case ctCheckBox: r.Value = r.DefaultInt == 1 ? "0" : "1"; break;
      case ctRadioButtonGroup: r.Value = so.Controls()[r.ItemIDs.back()].StrID; break;
      case ctCodePageComboBoxTextRight: r.Value = CodePageToStrID(1252); break;
      case ctMemoAsButton: r.Value = "A>B\n\nB>A"; break;
      default: r.Value = "v" + std::to_string(i) + "ß"; break;
    }
    changed[i] = r.Value;
  }
  const std::string path = AppDir.file("all.sxs");
  ASSERT_TRUE(so.SaveSettings(cslFileName, path, false));
  auto loaded = NewFrame(nullptr);
  Declare(*loaded);
  ASSERT_TRUE(loaded->SettingsObj().LoadSettings(path, false));
  for (size_t i = 0; i < kSchemaLength; ++i) {
    if (!so.Controls()[i].IsInput) continue;
    EXPECT_EQ(loaded->ReadString(static_cast<int32_t>(i), "?"), changed[i]) << i;
  }
  EXPECT_EQ(loaded->ReadInt(kSettingWriting, -1), 4);
  EXPECT_EQ(loaded->ReadInt(kSettingCountType, -1), 6);
  EXPECT_EQ(loaded->ReadInt(kSettingSorting, -1), 5);
  EXPECT_EQ(loaded->ReadInt(kSettingEncoding, -1), 1252);
}

// A file that writes every value, defaults included, gives the defaults back
// exactly: the blank between words and the lone quotation mark among them.
TEST_F(SettingsSchema, DefaultsWrittenOutReadBackUnchanged) {
  Declare(*Frame);
  Frame->SetSettingsSaveNoDefaultValues(false);
  const std::string path = AppDir.file("defaults.sxs");
  ASSERT_TRUE(Frame->SettingsObj().SaveSettings(cslFileName, path, false));
  EXPECT_EQ(TDocINI(path).ReadString("creator", "writing", ""), "0");
  auto loaded = NewFrame(nullptr);
  Declare(*loaded);
  for (TSOControlRecord& r : loaded->SettingsObj().Controls()) {
    if (r.IsInput) r.Value = "changed";
  }
  loaded->SetSettingsLoadDefaultValueIfNoKey(false);
  ASSERT_TRUE(loaded->SettingsObj().LoadSettings(path, false));
  for (const TStoredCase& c : StoredCases("0.00", ",")) EXPECT_EQ(loaded->ReadString(c.ID, "?"), c.Default) << c.Key;
}

TEST_F(SettingsSchema, DeclaringTwiceIsRefused) {
  Declare(*Frame);
  try {
    Declare(*Frame);
    FAIL() << "no exception";
  } catch (const ESettingsObjError& e) {
    // The second heading of the general tab took place 105 before the font setting collided.
    EXPECT_EQ(std::string(e.what()), "SO-CONTROL-ID 1 ALREADY IN USE - LEN=106 - INIKEY=font");
  }
}

// The note on HTML pages is one line of text at the end of the storage-format
// tab: in every language it shows whole, inside the tab, below the last setting.
TEST_F(SettingsSchema, EncodingNoteShowsWholeInEveryLanguage) {
  Declare(*Frame);
  ASSERT_TRUE(Frame->Initialize());
  for (int32_t language = SprLangEnglish; language <= SprLangArabic; ++language) {
    SCOPED_TRACE(language);
    Frame->SetLanguage(language);
    Frame->ShowSettings(6);
    TSOWindow* window = Frame->SettingsWindowHost().SettingsWindow();
    ASSERT_NE(window, nullptr);
    auto* note = window->findChild<QLabel*>("la104");
    auto* quoteOnlyIfNecessary = window->findChild<QCheckBox*>("cb" + QString::number(kSettingQuoteOnlyIfNecessary));
    ASSERT_NE(note, nullptr);
    ASSERT_NE(quoteOnlyIfNecessary, nullptr);
    EXPECT_EQ(FromQString(note->text()), SprLocalText(125));
    EXPECT_GE(note->width(), note->sizeHint().width());
    EXPECT_TRUE(note->parentWidget()->rect().contains(note->geometry())) << FromQString(note->text());
    EXPECT_GE(note->y(), quoteOnlyIfNecessary->geometry().bottom());
  }
  Frame->SettingsWindowHost().SettingsWindow()->close();
  Frame->SetLanguage(SprLangEnglish);
}

TEST_F(SettingsSchema, Screenshots) {
  const TSettingsSchemaTabs tabs = Declare(*Frame);
  ASSERT_TRUE(Frame->Initialize());
  const struct {
    int32_t Tab;
    const char* Name;
  } shown[] = {{tabs.Creator, "creator"}, {4, "countercharacters"}, {5, "counteroutput"}, {6, "storageformat"}};
  const struct {
    int32_t Language;
    const char* Suffix;
  } languages[] = {{0, "en"}, {SprLangGerman, "de"}, {SprLangJapanese, "ja"}, {SprLangArabic, "ar"}};
  for (const auto& l : languages) {
    Frame->SetLanguage(l.Language);
    for (const auto& s : shown) {
      Frame->ShowSettings(s.Tab);
      TSOWindow* window = Frame->SettingsWindowHost().SettingsWindow();
      ASSERT_NE(window, nullptr);
      SaveScreenshot(window, std::string("settings_") + s.Name + "_" + l.Suffix);
    }
  }
  Frame->SettingsWindowHost().SettingsWindow()->close();
  Frame->SetLanguage(0);
}

}  // namespace
