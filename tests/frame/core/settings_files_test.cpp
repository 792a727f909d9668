#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "failing_folders.h"
#include "frame_core_fixture.h"

namespace {

// A main-window control as the settings object sees it.
struct TFakeControl : TSOManagedControl {
  explicit TFakeControl(TSOManagedControlType kind) : Kind(kind) {}
  TSOManagedControlType Kind;
  bool Checked = false;
  std::string Text;
  int32_t Position = 0, State = 0;
  std::vector<std::string> Calls;
  bool Supports(TSOManagedControlType k) const override { return k == Kind; }
  bool GetChecked() const override { return Checked; }
  void SetChecked(bool c) override { Checked = c; }
  std::string GetText() const override { return Text; }
  void SetText(const std::string& t) override { Text = t; }
  void SetLanguage(uint32_t l) override { Calls.push_back("lang" + std::to_string(l)); }
  int32_t GetSplitterPositionRelativeAsInt() const override { return Position; }
  bool SetSplitterPositionRelativeFromInt(int32_t v) override {
    Position = v;
    return true;
  }
  int32_t GetState() const override { return State; }
  void SetState(int32_t s) override { State = s; }
};

class SettingsFiles : public TSettingsFixture {
 protected:
  // Two tabs: a check box, an edit and a radio group; a font edit.
  void DeclareSchema() {
    SO.AddTab(11, "general");
    SO.AddTab(204, "output");
    Check = SO.AddInputCheckToTab(0, 1, false, "upper", false, -1, false, 0);
    Count = SO.AddInputEditToTab(0, 1, false, "count", "10", -1, false, 0, 0);
    Group = SO.AddInputRadioButtonGroupToTab(0, "case", 1, -1);
    SO.AddInputRadioButtonGroupItemToTab(0, Group, 1, "lower", 1, false, 0, 0, -1);
    SO.AddInputRadioButtonGroupItemToTab(0, Group, 2, "upper", 1, false, 0, 0, -1);
    SO.AddTextToTab(1, 1, true, false, 0, 0, -1);
    Font = SO.AddInputFontNameEditToTab(1, 1, false, "font", "Arial", -1, false, 0, 0);
    SO.TabCodePage = true;
  }
  void SetValue(int id, const std::string& text, int32_t number) {
    SO.Controls()[id].Value = text;
    SO.Controls()[id].ValueInt = number;
  }
  int Check = -1, Count = -1, Group = -1, Font = -1;
};

TEST_F(SettingsFiles, ByteExactWithAllValues) {
  DeclareSchema();
  SO.SaveNoDefaultValues = false;
  ASSERT_TRUE(SO.SaveSettings(cslFileName, AppPath("all.sxs"), false));
  EXPECT_EQ(testsupport::ReadFileBytes(AppPath("all.sxs")),
            "[general]\nupper=0\ncount=10\ncase=1\n[output]\nfont=Arial\n[textfiles]\ncodepage=UTF-8\nbom=0\n"
            "[settings]\nautosave=0\nlocation=0\nwindowsize=1\n");
}

TEST_F(SettingsFiles, ByteExactWithoutDefaults) {
  DeclareSchema();
  ASSERT_TRUE(SO.SaveSettings(cslFileName, AppPath("none.sxs"), false));
  EXPECT_EQ(testsupport::ReadFileBytes(AppPath("none.sxs")), "[textfiles]\ncodepage=UTF-8\nbom=0\n");
  SetValue(Count, "12", 12);
  SetValue(Group, "upper", 2);
  SO.SetAutoSaveOnExit(true);
  SO.SetSaveWindowSize(false);
  SO.CodePage = 1252;
  ASSERT_TRUE(SO.SaveSettings(cslFileName, AppPath("some.sxs"), false));
  EXPECT_EQ(testsupport::ReadFileBytes(AppPath("some.sxs")),
            "[general]\ncount=12\ncase=upper\n[textfiles]\ncodepage=WINDOWS-1252\nbom=0\n"
            "[settings]\nautosave=1\nwindowsize=0\n");
}

TEST_F(SettingsFiles, LoadWithAndWithoutDefaults) {
  DeclareSchema();
  ASSERT_TRUE(SO.SaveSettings(cslFileName, AppPath("defaults.sxs"), false));
  SetValue(Count, "99", 99);
  SetValue(Font, "Courier", 0);
  SO.LoadDefaultValueIfNoKey = false;
  ASSERT_TRUE(SO.LoadSettings(AppPath("defaults.sxs"), false));
  EXPECT_EQ(SO.ReadString(Count, ""), "99");
  EXPECT_EQ(SO.ReadString(Font, ""), "Courier");
  SO.LoadDefaultValueIfNoKey = true;
  ASSERT_TRUE(SO.LoadSettings(AppPath("defaults.sxs"), false));
  EXPECT_EQ(SO.ReadString(Count, ""), "10");
  EXPECT_EQ(SO.ReadInt(Count, 0), 10);
  EXPECT_EQ(SO.ReadString(Font, ""), "Arial");
  // With every setting at its default the file can be empty; it still loads.
  SO.TabCodePage = false;
  ASSERT_TRUE(SO.SaveSettings(cslFileName, AppPath("empty.sxs"), false));
  EXPECT_EQ(testsupport::ReadFileBytes(AppPath("empty.sxs")), "");
  SetValue(Count, "99", 99);
  ASSERT_TRUE(SO.LoadSettings(AppPath("empty.sxs"), false));
  EXPECT_EQ(SO.ReadInt(Count, 0), 10);
}

TEST_F(SettingsFiles, ValueConversionsOnLoad) {
  SO.AddTab(11, "t");
  const int group = SO.AddInputRadioButtonGroupToTab(0, "group", 1, -1);
  SO.AddInputRadioButtonGroupItemToTab(0, group, 1, "lowercase", 1, false, 0, 0, -1);
  SO.AddInputRadioButtonGroupItemToTab(0, group, 2, "uppercase", 1, false, 0, 0, -1);
  const int check = SO.AddInputCheckToTab(0, 1, false, "check", true, -1, false, 0);
  const int edit = SO.AddInputEditToTab(0, "edit", "", -1, false, 0, 0);
  const int cp = SO.AddInputCodePageComboBoxToTab(0, 1, false, "cp", 65001, -1, false, 0, 0);
  // Kinds without a declaration operation still load by their kind.
  const int align = SO.AddInputEditToTab(0, "align", "", -1, false, 0, 0);
  SO.Controls()[align].ControlType = ctAlignmentComboBoxTextTop;
  const int valign = SO.AddInputEditToTab(0, "valign", "", -1, false, 0, 0);
  SO.Controls()[valign].ControlType = ctAlignmentVerticalComboBoxTextRight;
  const int style = SO.AddInputEditToTab(0, "style", "", -1, false, 0, 0);
  SO.Controls()[style].ControlType = ctFontStyleComboBoxTextTop;

  struct TCase {
    const char *Key, *Text;
    int Id;
    int32_t Int;
  };
  const TCase cases[] = {
      {"group", "uppercase", group, 2}, {"group", "3", group, 3},        {"group", "nothing", group, 1},
      {"check", "1", check, 1},         {"check", "yes", check, 0},      {"edit", " 17 ", edit, 17},
      {"edit", "x7", edit, 0},          {"cp", "latin1", cp, 88591},     {"cp", "nonsense", cp, 65001},
      {"align", "center", align, 2},    {"align", "Center", align, 0},   {"align", "right", align, 1},
      {"valign", "bottom", valign, 2},  {"valign", "middle", valign, 0}, {"style", "bold-italic", style, 3},
      {"style", "Bold", style, 0},      {"style", "2", style, 2},
  };
  for (const TCase& c : cases) {
    testsupport::WriteFileBytes(AppPath("c.sxs"), std::string("[t]\n") + c.Key + "=" + c.Text + "\n");
    ASSERT_TRUE(SO.LoadSettings(AppPath("c.sxs"), false));
    EXPECT_EQ(SO.Controls()[c.Id].Value, c.Text) << c.Key << "=" << c.Text;
    EXPECT_EQ(SO.Controls()[c.Id].ValueInt, c.Int) << c.Key << "=" << c.Text;
  }
  testsupport::WriteFileBytes(AppPath("c.sxs"), "[t]\ncheck=yes\n");
  SO.LoadSettings(AppPath("c.sxs"), false);
  EXPECT_FALSE(SO.ReadBoolean(check, true));
}

TEST_F(SettingsFiles, CodePageAndSaveOptions) {
  SO.TabCodePage = true;
  testsupport::WriteFileBytes(AppPath("a.sxs"),
                              "[textfiles]\ncodepage=LATIN-1\nbom=1\n[settings]\nautosave=1\nlocation=yes\n");
  int saveTabChanges = 0, codePageChanges = 0;
  SO.OnSaveSettingsChange = [&] { ++saveTabChanges; };
  SO.OnCodePageChange = [&](int32_t, bool) { ++codePageChanges; };
  SO.SetSaveToAppDir(true);
  saveTabChanges = 0;
  ASSERT_TRUE(SO.LoadSettings(AppPath("a.sxs"), false));
  EXPECT_EQ(SO.CodePage, 88591);
  EXPECT_TRUE(SO.CodePageWriteBOM);
  EXPECT_TRUE(SO.AutoSaveOnExit());
  EXPECT_FALSE(SO.SaveToAppDir());  // neither "1" nor "0": the default
  EXPECT_TRUE(SO.SaveWindowSize());
  EXPECT_EQ(saveTabChanges, 1);
  EXPECT_EQ(codePageChanges, 0);
  testsupport::WriteFileBytes(AppPath("b.sxs"), "[textfiles]\nbom=maybe\n");
  ASSERT_TRUE(SO.LoadSettings(AppPath("b.sxs"), false));
  EXPECT_EQ(SO.CodePage, 88591);
  EXPECT_TRUE(SO.CodePageWriteBOM);
}

TEST_F(SettingsFiles, LookupOrder) {
  const std::string config = ConfigDir();
  std::filesystem::create_directories(config);
  SO.AddTab(11, "t");
  const int id = SO.AddInputEditToTab(0, "where", "", -1, false, 0, 0);
  testsupport::WriteFileBytes(config + "profile.sxs", "[t]\nwhere=config-ext\n");
  ASSERT_TRUE(SO.LoadSettings("profile", false));
  EXPECT_EQ(SO.ReadString(id, ""), "config-ext");
  testsupport::WriteFileBytes(AppPath("profile.sxs"), "[t]\nwhere=app-ext\n");
  ASSERT_TRUE(SO.LoadSettings("profile", false));
  EXPECT_EQ(SO.ReadString(id, ""), "app-ext");
  testsupport::WriteFileBytes(config + "profile", "[t]\nwhere=config\n");
  ASSERT_TRUE(SO.LoadSettings("profile", false));
  EXPECT_EQ(SO.ReadString(id, ""), "config");
  testsupport::WriteFileBytes(AppPath("profile"), "[t]\nwhere=app\n");
  ASSERT_TRUE(SO.LoadSettings("profile", false));
  EXPECT_EQ(SO.ReadString(id, ""), "app");
  // A full path wins over both folders.
  testsupport::TempDir other;
  testsupport::WriteFileBytes(other.file("profile"), "[t]\nwhere=path\n");
  ASSERT_TRUE(SO.LoadSettings(other.file("profile"), false));
  EXPECT_EQ(SO.ReadString(id, ""), "path");
  // A folder of that name is no settings file.
  EXPECT_FALSE(SO.LoadSettings(other.str(), false));
  EXPECT_FALSE(SO.LoadSettings("", false));
}

TEST_F(SettingsFiles, MessagesBySlot) {
  SO.SaveSettings(cslFileName, AppPath("ok.sxs"), true);
  SO.LoadSettings(AppPath("ok.sxs"), true);
  SO.LoadSettings("missing", true);
  SO.LoadSettings(SO.StartFileName(), true);
  testsupport::WriteFileBytes(AppPath("file"), "x");
  SO.SaveSettings(cslFileName, AppPath("file") + "/sub/x.sxs", true);
  ASSERT_EQ(Dialogs.Messages.size(), 5u);
  // A failure names the file and the system's reason under the store's text.
  const std::pair<TSOMessageKind, std::string> expected[] = {
      {TSOMessageKind::Information, "The settings have been saved successfully."},
      {TSOMessageKind::Information, "The settings have been loaded successfully."},
      {TSOMessageKind::Error, "File not found.\n\n" + SO.ConfigFolder() + "missing\n" + std::strerror(ENOENT)},
      {TSOMessageKind::Error, "At the moment, you do not have any stored settings."},
      {TSOMessageKind::Error,
       "File could not be created.\n\n" + AppPath("file") + "/sub/x.sxs\n" + std::strerror(ENOTDIR)},
  };
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(Dialogs.Messages[i].Kind, expected[i].first) << i;
    EXPECT_EQ(Dialogs.Messages[i].Text, expected[i].second) << i;
    EXPECT_EQ(Dialogs.Messages[i].Caption,
              expected[i].first == TSOMessageKind::Information ? std::string("Information") : std::string("Error"));
  }
}

// Settings saved into a folder the user may not write, or onto a full disk,
// name the file and the reason.
TEST_F(SettingsFiles, FailedSavesInAReadOnlyFolderOrOnAFullDiskSayWhy) {
  SO.SetSaveToAppDir(true);
  {
    testsupport::TReadOnlyFolder locked;
    if (locked.Unavailable().empty()) {
      SO.SetApplicationFolder(locked.Folder());
      EXPECT_FALSE(SO.SaveSettings(cslAppDir, SO.StartFileName(), true));
      ASSERT_FALSE(Dialogs.Messages.empty());
      EXPECT_EQ(Dialogs.Messages.back().Text,
                "File could not be created.\n\n" + locked.Folder() + SO.StartFileName() + "\n" + std::strerror(EACCES));
      EXPECT_FALSE(SO.LanguageTabButtonClickSaveLanguage());
      EXPECT_EQ(Dialogs.Messages.back().Text,
                "File could not be created.\n\n" + locked.Folder() + "lang.cfg\n" + std::strerror(EACCES));
    } else {
      std::cout << "[ SKIPPED ] read-only folder: " << locked.Unavailable() << "\n";
    }
  }
  testsupport::TFullFileSystem full;
  if (!full.Unavailable().empty()) GTEST_SKIP() << "full file system: " << full.Unavailable();
  SO.AddTab(11, "t");
  const int id = SO.AddInputEditToTab(0, "k", "", -1, false, 0, 0);
  SO.Controls()[id].Value = std::string(200000, 'x');
  SO.SetApplicationFolder(full.Folder());
  EXPECT_FALSE(SO.SaveSettings(cslAppDir, SO.StartFileName(), true));
  EXPECT_EQ(Dialogs.Messages.back().Text,
            "File could not be created.\n\n" + full.Folder() + SO.StartFileName() + "\n" + std::strerror(ENOSPC));
}

TEST_F(SettingsFiles, EventOrder) {
  std::vector<std::string> events;
  SO.OnSaveSettingsChange = [&] { events.push_back("savetab"); };
  SO.OnLoadSettings = [&](TConfigSaver& d) { events.push_back("load:" + d.ReadString("own", "k", "")); };
  SO.OnSaveSettings = [&](TConfigSaver& d) {
    // The object's own keys are in the document before the program adds its own.
    events.push_back(std::string("save:") + (d.Contains("textfiles") ? "with-own" : "without-own"));
    d.Add("own", "k", "v");
  };
  SO.WindowHooks.UpdateControlValuesInGUI = [&] { events.push_back("gui"); };
  SO.TabCodePage = true;
  ASSERT_TRUE(SO.SaveSettings(cslFileName, AppPath("e.sxs"), false));
  ASSERT_TRUE(SO.LoadSettings(AppPath("e.sxs"), false));
  EXPECT_EQ(events, (std::vector<std::string>{"save:with-own", "savetab", "load:v", "gui"}));
  events.clear();
  EXPECT_FALSE(SO.LoadSettings(AppPath("none.sxs"), false));
  EXPECT_TRUE(events.empty());
  SO.TabSaveSettings = false;
  SO.LoadSettings(AppPath("e.sxs"), false);
  EXPECT_EQ(events, (std::vector<std::string>{"load:v", "gui"}));
}

TEST_F(SettingsFiles, ManagedCombosWithASharedKey) {
  TFakeControl first(mcComboBox), second(mcComboBox), check(mcCheckBox), text(mcTextComboBox);
  SO.AddManagedControl(&first, "main", "list", "German");
  SO.AddManagedControl(&second, "main", "list", "German");
  SO.AddManagedControlGeneral(&check, mcCheckBox, "main", "flag", 1, "");
  SO.AddManagedControlGeneral(&text, mcTextComboBox, "main", "pattern", 0, "<NAME>");
  first.Text = "French";
  second.Text = "Dutch";
  check.Checked = true;
  text.Text = "<NAME>";
  ASSERT_TRUE(SO.SaveSettings(cslFileName, AppPath("m.sxs"), false));
  // The later add replaces the value in place; defaults are left out.
  EXPECT_EQ(testsupport::ReadFileBytes(AppPath("m.sxs")), "[main]\nlist=Dutch\n");
  first.Text = second.Text = "x";
  check.Checked = false;
  text.Text = "y";
  ASSERT_TRUE(SO.LoadSettings(AppPath("m.sxs"), false));
  EXPECT_EQ(first.Text, "Dutch");
  EXPECT_EQ(second.Text, "Dutch");
  EXPECT_TRUE(check.Checked);  // missing key: the default
  EXPECT_EQ(text.Text, "<NAME>");
  EXPECT_EQ(text.Calls, (std::vector<std::string>{"lang0"}));
  SO.LoadDefaultValueIfNoKey = false;
  check.Checked = false;
  ASSERT_TRUE(SO.LoadSettings(AppPath("m.sxs"), false));
  EXPECT_FALSE(check.Checked);
}

TEST_F(SettingsFiles, MissingNestedFolderIsCreated) {
  const std::string path = AppDir.file("a/b/c/settings.sxs");
  ASSERT_TRUE(SO.SaveSettings(cslFileName, path, false));
  EXPECT_TRUE(std::filesystem::is_regular_file(path));
  // The configuration folder does not exist yet either.
  ASSERT_TRUE(SO.SaveSettings(cslConfigDir, "x.sxs", false));
  EXPECT_TRUE(std::filesystem::is_regular_file(ConfigDir() + "x.sxs"));
  ASSERT_TRUE(SO.SaveSettings(cslAppDir, "y.sxs", false));
  EXPECT_TRUE(std::filesystem::is_regular_file(AppPath("y.sxs")));
  EXPECT_FALSE(SO.SaveSettings(static_cast<TConfigSaveLocation>(7), "z.sxs", false));
  // A zero byte would cut the path short and write another file.
  EXPECT_FALSE(SO.SaveSettings(cslFileName, AppDir.file("cut") + std::string(1, '\0') + "x.sxs", false));
  EXPECT_FALSE(std::filesystem::exists(AppDir.file("cut")));
  EXPECT_FALSE(SO.LoadSettings(AppPath("y.sxs") + std::string(1, '\0') + "z", false));
}

TEST_F(SettingsFiles, PanelPositionsWaitForTheMainWindow) {
  TFakeControl splitter(mcSplitterPanelPosition), panel(mcCollapsiblePanelState), both(mcCollapsibleSplitterPanelState);
  SO.AddManagedControlGeneral(&splitter, mcSplitterPanelPosition, "sizes", "split", 0, "");
  SO.AddManagedControlGeneral(&panel, mcCollapsiblePanelState, "sizes", "panel", 1, "");
  SO.AddManagedControlGeneral(&both, mcCollapsibleSplitterPanelState, "sizes", "both", 1, "");
  splitter.Position = 0;
  panel.State = 0;
  both.State = 1;
  TConfigSaver doc;
  ASSERT_TRUE(SO.SaveWindowSizeSettingsOfManagedControls(doc));
  // A splitter at 0 writes nothing; states at their defaults are left out.
  EXPECT_EQ(doc.AsString(), "[sizes]\npanel=0\n");
  testsupport::WriteFileBytes(AppPath("p.sxs"), "[sizes]\nsplit=4500\npanel=1\n");
  ASSERT_TRUE(SO.LoadSettings(AppPath("p.sxs"), false));
  EXPECT_EQ(splitter.Position, 0);
  EXPECT_EQ(SO.ManagedControlAdjustments().size(), 2u);  // the split and the default state
  TConfigSaver loaded;
  loaded.LoadFromFile(AppPath("p.sxs"));
  SO.LoadWindowSizeSettingsOfManagedControls(loaded);
  EXPECT_EQ(panel.State, 1);
  SO.SetSaveWindowSize(false);
  SO.ProgShowProc();
  EXPECT_EQ(splitter.Position, 0);
  EXPECT_EQ(SO.ManagedControlAdjustments().size(), 2u);
  SO.SetSaveWindowSize(true);
  SO.ProgShowProc();
  EXPECT_EQ(splitter.Position, 4500);
  EXPECT_EQ(both.State, 1);
  EXPECT_TRUE(SO.ManagedControlAdjustments().empty());
}

}  // namespace

namespace {

struct THostedPanel : TSOManagedControl {
  std::vector<std::string> Calls;
  bool Supports(TSOManagedControlType) const override { return true; }
  void SetLanguage(uint32_t l) override { Calls.push_back("lang" + std::to_string(l)); }
  void SetURLAppendix(const std::string& a, const std::string& p) override { Calls.push_back("url" + a + p); }
  void FlipChildren(uint32_t l) override { Calls.push_back("flip" + std::to_string(l)); }
  void SettingsSave(TConfigSaver& d, const std::string& s, bool snd, bool widths) override {
    Calls.push_back("save[" + s + "]" + (snd ? "1" : "0") + (widths ? "1" : "0"));
  }
  void SettingsLoad(TConfigSaver&, const std::string& s, bool defaults, bool scale) override {
    Calls.push_back("load[" + s + "]" + (defaults ? "1" : "0") + (scale ? "1" : "0"));
  }
  void ResetValuesToDefault() override { Calls.push_back("reset"); }
  void Initialize() override { Calls.push_back("init"); }
};

TEST_F(SettingsFiles, HostedComponentsSaveLoadTranslateAndReset) {
  THostedPanel container, list, target, raw, rawFlagged;
  SO.AddManagedControlGeneral(&container, mcSettingsContainer, "", "", 0, "");
  SO.AddManagedControlGeneral(&list, mcFileListView, "files", "", 0, "");
  SO.AddManagedControlGeneral(&target, mcSaveSettingsContainer, "target", "", 0, "");
  SO.AddManagedControlGeneral(&raw, mcRawPanel, "", "", 0, "");
  ASSERT_TRUE(SO.SaveSettings(cslFileName, AppPath("h.sxs"), false));
  ASSERT_TRUE(SO.LoadSettings(AppPath("h.sxs"), false));
  SO.ProgObjInitialized = true;
  ASSERT_TRUE(SO.LoadSettings(AppPath("h.sxs"), false));
  SO.Initialize();
  SO.SetLanguageOfManagedControls(13);
  SO.SetURLAppendixOfManagedControls("&rf=x", "pellwick");
  SO.ResetSettings();
  EXPECT_EQ(container.Calls, (std::vector<std::string>{"save[]10", "load[]11", "load[]10", "init", "lang13",
                                                       "url&rf=xpellwick", "reset"}));
  EXPECT_EQ(list.Calls,
            (std::vector<std::string>{"save[files]11", "load[files]11", "load[files]10", "lang13", "reset"}));
  EXPECT_EQ(target.Calls,
            (std::vector<std::string>{"save[target]10", "load[target]10", "load[target]10", "lang13", "reset"}));
  EXPECT_TRUE(raw.Calls.empty());  // mirrored only when its flag asks for it
}

TEST_F(SettingsFiles, OneSettingBackToItsDefault) {
  SO.AddTab(11, "t");
  const int id = SO.AddInputEditToTab(0, "k", "7", -1, false, 0, 0);
  SO.Controls()[id].Value = "9";
  SO.Controls()[id].ValueInt = 9;
  std::vector<int32_t> shown;
  SO.WindowHooks.ShowDefaultValue = [&](int32_t i) { shown.push_back(i); };
  SO.SetValueToDefault(id);
  SO.SetValueToDefault(55);
  SO.SetValueToDefault(-1);
  EXPECT_EQ(SO.ReadString(id, ""), "7");
  EXPECT_EQ(SO.ReadInt(id, 0), 7);
  EXPECT_EQ(shown, (std::vector<int32_t>{id}));
}

}  // namespace
