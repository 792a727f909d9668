// A settings container's tabs and values in a settings document, and its reset.
#include <gtest/gtest.h>

#include "foundation/doc_ini.h"
#include "settingspanels/core/settings_container_model.h"

namespace {

class ContainerStorage : public ::testing::Test {
 protected:
  void SetUp() override {
    Check = M.AddTab("Check", -1, "check", scTabTypeCheckBox);
    Label = M.AddTab("Label", -1, "label", scTabTypeLabel);
    Unstored = M.AddTab("Unstored", -1, "", scTabTypeCheckBox);
    Edit = M.AddControl(Check, sckEdit, "", -1, "edit", "default");
    Box = M.AddControl(Check, sckCheckBox, "Box", -1, "box", "0");
    Break = M.AddControl(Label, sckLineBreakComboBox, "", -1, "linebreak", "crlf");
    Code = M.AddControl(Label, sckCodePageComboBox, "", -1, "codepage", "utf8");
    Align = M.AddControl(Label, sckAlignmentComboBox, "", -1, "align", "left");
    Size = M.AddControl(Label, sckSizeTypeComboBox, "", -1, "size", "KB");
    Group = M.AddRadioButtonGroup(Label, "", -1, "case", "lower", 1);
    M.AddRadioButtonGroupItem(Group, "Lower", -1, "lower", 1);
    M.AddRadioButtonGroupItem(Group, "Upper", -1, "upper", 2);
    Hidden = M.AddControl(Unstored, sckEdit, "", -1, "hidden", "h");
    NoKey = M.AddControl(Check, sckEdit, "", -1, "", "nokey");
    Unused = M.AddControl(Check, sckEdit, "", -1, "unused", "u");
    M.ControlRecords[Unused].Used = false;
  }
  std::string Saved(bool onlyNonDefault) {
    TDocINI doc;
    M.SettingsSave(doc, onlyNonDefault);
    return doc.AsString();
  }
  TSettingsContainerModel M;
  int32_t Check, Label, Unstored, Edit, Box, Break, Code, Align, Size, Group, Hidden, NoKey, Unused;
};

TEST_F(ContainerStorage, DefaultsReadAsTheirNumbers) {
  EXPECT_EQ(M.ControlRecords[Break].IntValue, 1310);
  EXPECT_EQ(M.ControlRecords[Code].IntValue, 65001);
  EXPECT_EQ(M.ControlRecords[Size].IntValue, static_cast<int32_t>(sizeTypeKB));
  EXPECT_EQ(M.ControlRecords[Group].IntValue, 1);
  EXPECT_EQ(M.ControlRecords[Group].DefaultIntValue, 1);
  EXPECT_TRUE(M.ControlRecords[Edit].Stored);
  EXPECT_FALSE(M.ControlRecords[NoKey].Stored);
}

TEST_F(ContainerStorage, AFreshContainerSavesOnlyWhatDiffers) {
  EXPECT_EQ(Saved(true), "");
  EXPECT_EQ(Saved(false),
            "[check]\nactive=0\nopen=0\nedit=default\nbox=0\n"
            "[label]\nopen=0\nlinebreak=crlf\ncodepage=utf8\nalign=left\nsize=KB\ncase=lower\n");
  // Ticked and open count as changed even where that is the tab's default.
  M.Tabs[Check].DefaultActive = true;
  M.SetTabActive(Check, true);
  M.SetTabOpen(Label, true);
  M.ControlRecords[Edit].StrValue = "typed";
  EXPECT_EQ(Saved(true), "[check]\nactive=1\nedit=typed\n[label]\nopen=1\n");
}

TEST_F(ContainerStorage, LoadingReadsTabsAndValuesAsTheyStand) {
  TDocINI doc;
  doc.LoadFromString(
      "[check]\nactive=1\nopen=1\nedit= 5\nbox=1\n"
      "[label]\nactive=0\nlinebreak=lf\ncodepage=LATIN-1\nalign=Center\nsize=MB\ncase=upper\n"
      "[]\nhidden=x\n");
  M.SettingsLoad(doc, true, true);
  EXPECT_TRUE(M.Tabs[Check].TabActive);
  EXPECT_TRUE(M.Tabs[Check].TabOpen);
  EXPECT_TRUE(M.Tabs[Label].TabActive);  // a label tab is always active
  EXPECT_FALSE(M.Tabs[Label].TabOpen);
  EXPECT_EQ(M.ControlRecords[Edit].StrValue, " 5");
  EXPECT_EQ(M.ControlRecords[Edit].IntValue, 5);
  EXPECT_TRUE(M.ControlRecords[Edit].ValueSet);
  EXPECT_EQ(M.ControlRecords[Box].IntValue, 1);
  EXPECT_EQ(M.ControlRecords[Break].IntValue, 10);
  EXPECT_EQ(M.ControlRecords[Code].IntValue, 88591);
  EXPECT_EQ(M.ControlRecords[Align].IntValue, 0);  // names are exact
  EXPECT_EQ(M.ControlRecords[Size].IntValue, static_cast<int32_t>(sizeTypeMB));
  EXPECT_EQ(M.ControlRecords[Group].IntValue, 2);
  EXPECT_EQ(M.ControlRecords[Hidden].StrValue, "h");
  EXPECT_FALSE(M.Updating);
}

TEST_F(ContainerStorage, UnknownTextsFallBackByKind) {
  TDocINI doc;
  doc.LoadFromString("[label]\nlinebreak=paper\ncodepage=klingon\nalign=middle\nsize=parsec\ncase=title\n");
  M.SettingsLoad(doc, true, false);
  EXPECT_EQ(M.ControlRecords[Break].IntValue, 3);
  EXPECT_EQ(M.ControlRecords[Code].IntValue, 65001);
  EXPECT_EQ(M.ControlRecords[Align].IntValue, 0);
  EXPECT_EQ(M.ControlRecords[Size].IntValue, static_cast<int32_t>(sizeTypeBestUnit));
  EXPECT_EQ(M.ControlRecords[Group].IntValue, 1);  // the group's default item
  // A number is taken as it is, even where no item has it.
  doc.LoadFromString("[label]\ncase=3\nalign=2\n");
  M.SettingsLoad(doc, true, false);
  EXPECT_EQ(M.ControlRecords[Group].IntValue, 3);
  EXPECT_EQ(M.ControlRecords[Align].IntValue, 2);
}

TEST_F(ContainerStorage, MissingKeysFollowTheLoadDefaultsSwitch) {
  M.SetTabActive(Check, true);
  M.SetTabOpen(Check, true);
  M.ControlRecords[Edit].StrValue = "typed";
  TDocINI empty;
  M.SettingsLoad(empty, false, false);
  EXPECT_TRUE(M.Tabs[Check].TabActive);
  EXPECT_TRUE(M.Tabs[Check].TabOpen);
  EXPECT_EQ(M.ControlRecords[Edit].StrValue, "typed");
  EXPECT_FALSE(M.ControlRecords[Edit].ValueSet);

  M.SettingsLoad(empty, true, false);
  EXPECT_FALSE(M.Tabs[Check].TabActive);
  EXPECT_FALSE(M.Tabs[Check].TabOpen);
  EXPECT_EQ(M.ControlRecords[Edit].StrValue, "default");
  EXPECT_TRUE(M.ControlRecords[Edit].ValueSet);
  EXPECT_EQ(M.ControlRecords[Unused].StrValue, "u");
}

TEST_F(ContainerStorage, ResetRestoresTabsAndValues) {
  M.SetTabActive(Check, true);
  M.SetTabOpen(Label, true);
  M.ControlValueChanged(Edit, "typed", 0, 0);
  M.ControlRecords[Unused].StrValue = "changed";
  M.ResetValuesToDefault();
  EXPECT_FALSE(M.Tabs[Check].TabActive);
  EXPECT_FALSE(M.Tabs[Label].TabOpen);
  EXPECT_TRUE(M.Tabs[Label].TabActive);
  EXPECT_EQ(M.ControlRecords[Edit].StrValue, "default");
  EXPECT_FALSE(M.ControlRecords[Edit].ValueSet);
  EXPECT_EQ(M.ControlRecords[Unused].StrValue, "changed");
  EXPECT_FALSE(M.Updating);
}

TEST_F(ContainerStorage, ValuesWithLineBreaksAndEqualsSignsComeBackWhole) {
  M.ControlRecords[Edit].StrValue = "a=b\r\nline\\n two";
  TDocINI doc;
  M.SettingsSave(doc, true);
  M.ControlRecords[Edit].StrValue = "";
  TDocINI reread;
  reread.LoadFromString(doc.AsString());
  M.SettingsLoad(reread, true, false);
  EXPECT_EQ(M.ControlRecords[Edit].StrValue, "a=b\r\nline\\n two");
}

class OrderList : public ::testing::Test {
 protected:
  void SetUp() override {
    Tab = M.AddTab("T", -1, "t", scTabTypeLabel);
    M.AddControl(Tab, sckLabel, "one", -1, "", "");
    M.AddControl(Tab, sckLabel, "two", -1, "", "");
    M.AddControl(Tab, sckLabel, "three", -1, "", "");
    List = M.AddControl(Tab, sckOrderListBox, "", -1, "order", "");
    A = M.AddOrderListItem(List, "A", -1, "a");
    B = M.AddOrderListItem(List, "B", -1, "b");
    C = M.AddOrderListItem(List, "C", -1, "c");
  }
  TIntArray Decode(const std::string& text) { return M.GetOrderListBoxStrIdOrderAsIntOrder(List, text); }
  TSettingsContainerModel M;
  int32_t Tab, List, A, B, C;
};

TEST_F(OrderList, DeclaredOrderIsTheDefault) {
  ASSERT_EQ((TIntArray{A, B, C}), (TIntArray{4, 5, 6}));
  EXPECT_EQ(M.ControlRecords[List].DefaultIntArrayValue, (TIntArray{4, 5, 6}));
  EXPECT_EQ(M.ControlRecords[List].DefaultStrValue, "a|b|c");
  EXPECT_EQ(M.GetOrderListBoxIntOrderAsStrIdOrder(List), "a|b|c");
}

TEST_F(OrderList, StoredOrdersDecodeToMemberIndexes) {
  struct TCase {
    std::string Text;
    TIntArray Order;
  };
  for (const TCase& c : std::vector<TCase>{
           {"c|a|b", {6, 4, 5}},
           {"c|x", {6, 4, 5}},  // unknown id dropped, missing members appended
           {"", {4, 5, 6}},
           {"b||a|b|c", {5, 4, 6}},  // empty parts and repeats drop out
           {"c|99|a", {6, 4, 5}},    // a number naming no member is no member
           {"5|6|4", {5, 6, 4}},     // record indexes pass as they are
           {"|||", {4, 5, 6}},
       }) {
    EXPECT_EQ(Decode(c.Text), c.Order) << c.Text;
  }
  M.ControlRecords[List].IntArrayValue = {6, 4, 5};
  EXPECT_EQ(M.GetOrderListBoxIntOrderAsStrIdOrder(List), "c|a|b");
  M.ControlRecords[List].IntArrayValue = {};
  EXPECT_EQ(M.GetOrderListBoxIntOrderAsStrIdOrder(List), "");
}

// A member whose string id is a number can be taken for another member's
// index. The stored format stays, and so does this reading of it.
TEST_F(OrderList, NumericStringIdsCollideWithIndexes) {
  TSettingsContainerModel m;
  const int32_t tab = m.AddTab("T", -1, "t", scTabTypeLabel);
  for (int i = 0; i < 3; ++i) m.AddControl(tab, sckLabel, "", -1, "", "");
  const int32_t list = m.AddControl(tab, sckOrderListBox, "", -1, "order", "");
  const int32_t x = m.AddOrderListItem(list, "X", -1, "x");
  const int32_t four = m.AddOrderListItem(list, "Four", -1, "4");
  ASSERT_EQ(x, 4);
  ASSERT_EQ(four, 5);
  // "x|4" was saved for the order x, 4; "x" becomes 4 first, and then the id
  // "4" takes that first 4 for itself.
  m.ControlRecords[list].IntArrayValue = {x, four};
  EXPECT_EQ(m.GetOrderListBoxIntOrderAsStrIdOrder(list), "x|4");
  EXPECT_EQ(m.GetOrderListBoxStrIdOrderAsIntOrder(list, "x|4"), (TIntArray{four, x}));
  // The other order reads back right.
  EXPECT_EQ(m.GetOrderListBoxStrIdOrderAsIntOrder(list, "4|x"), (TIntArray{four, x}));
}

TEST_F(OrderList, LoadSaveAndResetKeepTheOrder) {
  TDocINI doc;
  doc.LoadFromString("[t]\norder=c|a|b\n");
  M.SettingsLoad(doc, true, false);
  EXPECT_EQ(M.ControlRecords[List].IntArrayValue, (TIntArray{6, 4, 5}));
  EXPECT_EQ(M.ControlRecords[List].StrValue, "c|a|b");
  TDocINI out;
  M.SettingsSave(out, true);
  EXPECT_EQ(out.AsString(), "[t]\norder=c|a|b\n");
  M.ControlRecords[List].IntArrayValue = {5, 4, 6};
  TDocINI moved;
  M.SettingsSave(moved, true);
  EXPECT_EQ(moved.AsString(), "[t]\norder=b|a|c\n");
  M.ResetValuesToDefault();
  EXPECT_EQ(M.ControlRecords[List].IntArrayValue, (TIntArray{4, 5, 6}));
  TDocINI none;
  M.SettingsSave(none, true);
  EXPECT_EQ(none.AsString(), "");
}

}  // namespace
