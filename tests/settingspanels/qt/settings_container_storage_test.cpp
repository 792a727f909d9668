// Every stored kind of control through a settings file and back: our own
// reader and python's configparser read what the container wrote.
#include <gtest/gtest.h>

#include <map>

#include "controls/list_box.h"
#include "foundation/config_files.h"
#include "foundation/str_split.h"
#include "settingspanels/qt/settings_container_spr.h"
#include "settingspanels_test_app.h"
#include "test_support.h"
#include "text/text_store.h"

namespace {

bool IsOrderList(int32_t kind) { return kind == sckOrderListBox || kind == sckOrderListBoxAlt; }

class ContainerFile : public ::testing::Test {
 protected:
  void SetUp() override {
    PanelsTestApp();
    SetSprResGlobal(0);
    Source = std::make_unique<TSettingsContainerSpr>();
    K = DeclareEveryKind(*Source);
    Source->Initialize();
    Source->SetLanguage(0);
    Source->ExecuteValueChangeOnlyIfTabActive = false;
    ChangeEveryStoredValue(*Source, K);
    Source->SetTabActive(K.Search, true);
    Source->OpenTab(K.Options, true);
    TConfigSaver doc;
    Source->SettingsSave(doc, true);
    ASSERT_TRUE(doc.SaveToFile(File()));
  }
  std::string File() const { return Dir.file("panels.sxs"); }
  // The stored records: every one the full container has a key for.
  std::vector<int32_t> Stored() const {
    std::vector<int32_t> stored;
    for (int32_t i = 0; Source->IsRecordIndex(i); ++i)
      if (Source->ControlRecords[i].Stored && !Source->ControlRecords[i].IniKey.empty()) stored.push_back(i);
    return stored;
  }
  testsupport::TempDir Dir;
  std::unique_ptr<TSettingsContainerSpr> Source;
  TEveryKind K;
};

TEST_F(ContainerFile, EveryKindComesBackFromTheFile) {
  EXPECT_EQ(Stored().size(), 29u);
  TSettingsContainerSpr target;
  DeclareEveryKind(target);
  target.Initialize();
  target.SetLanguage(0);
  TConfigSaver doc;
  ASSERT_TRUE(doc.LoadFromFile(File()));
  target.SettingsLoad(doc, true, false);
  EXPECT_TRUE(target.Tabs[K.Search].TabActive);
  EXPECT_TRUE(target.Tabs[K.Options].TabOpen);
  EXPECT_FALSE(target.Tabs[K.Replace].TabActive);
  for (int32_t i : Stored()) {
    const TSettingsContainerControl& want = Source->ControlRecords[i];
    const TSettingsContainerControl& got = target.ControlRecords[i];
    if (IsOrderList(want.Kind)) {
      // An order list keeps its value as the order; its text is made when saved.
      EXPECT_NE(want.IntArrayValue, want.DefaultIntArrayValue) << want.IniKey << " was not changed";
      EXPECT_EQ(target.GetOrderListBoxIntOrderAsStrIdOrder(i), Source->GetOrderListBoxIntOrderAsStrIdOrder(i));
    } else {
      EXPECT_NE(want.StrValue, want.DefaultStrValue) << want.IniKey << " was not changed";
      EXPECT_EQ(got.StrValue, want.StrValue) << want.IniKey;
    }
    EXPECT_EQ(got.IntValue, want.IntValue) << want.IniKey;
    EXPECT_EQ(got.IntArrayValue, want.IntArrayValue) << want.IniKey;
  }
  // Each control shows its value: reading it back changes nothing.
  target.ExecuteValueChangeOnlyIfTabActive = false;
  for (int32_t i = 0; target.IsRecordIndex(i); ++i) {
    QWidget* control = target.GetControlRef(i);
    if (!control || IsOrderList(target.ControlRecords[i].Kind)) continue;
    const TSettingsContainerControl before = target.ControlRecords[i];
    target.ProcCustomControlChange(control);
    const int32_t group = before.Kind == sckRadioButtonGroupItem ? before.LinkIndex : i;
    EXPECT_EQ(target.ControlRecords[group].StrValue, Source->ControlRecords[group].StrValue) << "record " << i;
    EXPECT_EQ(target.ControlRecords[group].IntValue, Source->ControlRecords[group].IntValue) << "record " << i;
  }
  for (int32_t kind : {sckOrderListBox, sckOrderListBoxAlt})
    EXPECT_EQ(qobject_cast<TVirtualListBox*>(target.GetControlRef(K[kind]))->GetItemOrderAsIntIDs(),
              Source->ControlRecords[K[kind]].IntArrayValue);
}

// Python's configparser reads the file to the values the container wrote.
class ToolCheckContainerFile : public ContainerFile {};

TEST_F(ToolCheckContainerFile, ConfigParserReadsTheSameValues) {
  const testsupport::CommandResult r = testsupport::ReadWithConfigParser(File());
  ASSERT_EQ(r.exitCode, 0) << r.out;
  std::map<std::string, std::string> read;
  TStrArray lines;
  Explode(lines, "\n", r.out);
  for (const std::string& line : lines) {
    const size_t bar = line.find('|'), eq = line.find('=');
    if (bar != std::string::npos && eq != std::string::npos) read[line.substr(0, eq)] = line.substr(eq + 1);
  }
  for (int32_t i : Stored()) {
    const TSettingsContainerControl& r = Source->ControlRecords[i];
    const std::string key = Source->Tabs[r.TabIndex].Section + "|" + r.IniKey;
    ASSERT_TRUE(read.count(key)) << key;
    std::string expected = IsOrderList(r.Kind) ? Source->GetOrderListBoxIntOrderAsStrIdOrder(i) : r.StrValue;
    // Line breaks are written as \n, and a backslash before n doubled.
    if (i == K[sckMemo]) expected = "first line\\nsecond line\\\\n";
    EXPECT_EQ(read[key], expected) << key;
  }
  EXPECT_EQ(read["search|active"], "1");
  EXPECT_EQ(read["options|open"], "1");
  EXPECT_EQ(read["view|order"], "date|size|name");
  EXPECT_EQ(read["search|searchfor"], "Fünf # ; [x]");
}

}  // namespace
