// The settings container's tabs, counts, section captions and value changes,
// without widgets.
#include <gtest/gtest.h>

#include "foundation/types.h"
#include "settingspanels/core/settings_container_model.h"

namespace {

struct TValueEvent {
  int32_t ID;
  std::string Text;
  int32_t Number;
  double DateTime;
};

class ContainerModel : public ::testing::Test {
 protected:
  void SetUp() override {
    M.OnCustomTabValueChange = [this](TSettingsContainerModel* sender, int32_t id, const std::string& text,
                                      int32_t number, double dateTime) {
      EXPECT_EQ(sender, &M);
      Events.push_back({id, text, number, dateTime});
    };
    M.OnStandardTabValueChange = [this](TSettingsContainerModel*, int32_t tab, TSettingsContainerStandardTabType type) {
      StandardEvents.emplace_back(tab, type);
    };
  }
  TSettingsContainerModel M;
  std::vector<TValueEvent> Events;
  std::vector<std::pair<int32_t, TSettingsContainerStandardTabType>> StandardEvents;
};

TEST_F(ContainerModel, AnEmptyContainerCountsNothing) {
  EXPECT_EQ(M.TabCount(), 0);
  EXPECT_EQ(M.TabActiveCount(), 0);
  EXPECT_EQ(M.GetTabOpenCount(), 0);
  EXPECT_FALSE(M.HasOpenTabs());
  M.OpenSectionsWithActiveTabs();
  M.CloseAllTabs();
  EXPECT_FALSE(M.HasOpenTabs());
  EXPECT_EQ(M.GetScaleFactorForCurrentDPI(true), 1.0);
  EXPECT_EQ(M.GetScaleFactorForCurrentDPI(false), 1.0);
}

TEST_F(ContainerModel, TabsTakeTheDefaultsOfTheirDeclaration) {
  M.DefaultTabType = scTabTypeLabel;
  M.DefaultTabOpen = true;
  M.ShowOptionButtons = false;
  M.ColorTabContentBackground = 0x00EEDDCC;
  const int32_t label = M.AddTab("Label", -1, "label", scTabTypeDefault);
  M.DefaultTabType = scTabTypeDefault;  // still a check-box tab
  M.DefaultTabOpen = false;
  const int32_t check = M.AddTab("Check", -1, "check", scTabTypeDefault);
  const int32_t head = M.AddSectionHead("Head", -1);
  const int32_t member = M.AddTab("Member", -1, "member", scTabTypeCheckBox, head);
  // Only a head can hold tabs, and a head never lies in another.
  const int32_t stray = M.AddTab("Stray", -1, "stray", scTabTypeCheckBox, label);
  const int32_t nested = M.AddTab("Nested head", -1, "", scTabTypeHeader, head);

  EXPECT_EQ(M.Tabs[label].TabType, scTabTypeLabel);
  EXPECT_TRUE(M.Tabs[label].TabOpen);
  EXPECT_TRUE(M.Tabs[label].DefaultOpen);
  EXPECT_TRUE(M.Tabs[label].TabActive);
  EXPECT_FALSE(M.Tabs[label].ShowOptionButton);
  EXPECT_EQ(M.Tabs[label].ColorContentBackground, 0x00EEDDCCu);
  EXPECT_EQ(M.Tabs[check].TabType, scTabTypeCheckBox);
  EXPECT_FALSE(M.Tabs[check].TabActive);
  EXPECT_EQ(M.Tabs[head].Level, 1);
  EXPECT_EQ(M.Tabs[member].SectionIndex, head);
  EXPECT_EQ(M.Tabs[stray].SectionIndex, -1);
  EXPECT_EQ(M.Tabs[nested].SectionIndex, -1);
}

TEST_F(ContainerModel, CountsTakeOnlyCheckBoxTabs) {
  const int32_t head = M.AddSectionHead("Encoding", -1);
  const int32_t a = M.AddTab("A", -1, "a", scTabTypeCheckBox, head);
  const int32_t b = M.AddTab("B", -1, "b", scTabTypeCheckBox, head);
  const int32_t label = M.AddTab("Label", -1, "l", scTabTypeLabel, head);
  const int32_t second = M.AddSectionHead("Writing", -1);
  const int32_t c = M.AddTab("C", -1, "c", scTabTypeCheckBox, second);
  const int32_t loose = M.AddTab("Loose", -1, "loose", scTabTypeCheckBox);
  M.SetTabActive(a, true);
  M.SetTabActive(loose, true);
  EXPECT_TRUE(M.Tabs[label].TabActive);
  EXPECT_EQ(M.TabActiveCount(), 2);  // the active label tab does not count
  EXPECT_EQ(M.GetTabActiveCountInSection(head), 1);
  EXPECT_EQ(M.GetTabActiveCountInSection(second), 0);
  EXPECT_EQ(M.GetTabActiveCountInSection(-1), 1);

  M.OpenSectionsWithActiveTabs();
  EXPECT_TRUE(M.Tabs[head].TabOpen);
  EXPECT_FALSE(M.Tabs[second].TabOpen);
  EXPECT_FALSE(M.Tabs[a].TabOpen);
  M.OpenTab(b, true);
  M.OpenTab(c, true);
  EXPECT_EQ(M.GetTabOpenCount(), 3);
  M.CloseAllTabs();
  EXPECT_FALSE(M.HasOpenTabs());
}

// Section heads show their caption as declared, brackets and all, with the
// number of ticked tabs after it.
TEST_F(ContainerModel, SectionHeadsKeepTheirDeclaredCaption) {
  const int32_t head = M.AddSectionHead("Text (UTF-8)", -1);
  const int32_t plain = M.AddSectionHead("(x", -1);
  const int32_t a = M.AddTab("A", -1, "a", scTabTypeCheckBox, head);
  const int32_t b = M.AddTab("B", -1, "b", scTabTypeCheckBox, head);
  M.AddTab("C", -1, "c", scTabTypeCheckBox, plain);

  M.SetTabActive(a, true);
  M.RefreshShowNumberOfCheckedTabs();  // not initialised: nothing shown yet
  EXPECT_EQ(M.Tabs[head].ShownCaption, "Text (UTF-8)");

  M.Initialized = true;
  M.RefreshShowNumberOfCheckedTabs();
  EXPECT_EQ(M.Tabs[head].ShownCaption, "Text (UTF-8) (1)");
  EXPECT_EQ(M.Tabs[plain].ShownCaption, "(x");
  M.SetTabActive(b, true);
  M.Updating = true;  // the container is writing values: no recount meanwhile
  M.RefreshShowNumberOfCheckedTabs();
  EXPECT_EQ(M.Tabs[head].ShownCaption, "Text (UTF-8) (1)");
  M.Updating = false;
  M.RefreshShowNumberOfCheckedTabs();
  EXPECT_EQ(M.Tabs[head].ShownCaption, "Text (UTF-8) (2)");

  M.SetShowNumberOfCheckedTabs(false);
  EXPECT_EQ(M.Tabs[head].ShownCaption, "Text (UTF-8)");
  M.SetShowNumberOfCheckedTabs(true);
  EXPECT_EQ(M.Tabs[head].ShownCaption, "Text (UTF-8) (2)");
  EXPECT_EQ(M.Tabs[plain].ShownCaption, "(x");

  // A new caption (a language switch) keeps the count.
  M.SetCaption(head, "Texte (UTF-8)");
  EXPECT_EQ(M.Tabs[head].Caption, "Texte (UTF-8)");
  EXPECT_EQ(M.Tabs[head].ShownCaption, "Texte (UTF-8) (2)");
  M.SetTabActive(a, false);
  M.SetTabActive(b, false);
  M.RefreshShowNumberOfCheckedTabs();
  EXPECT_EQ(M.Tabs[head].ShownCaption, "Texte (UTF-8)");
}

TEST_F(ContainerModel, TypedTextsKeepTheirFormAndGiveTheirNumber) {
  struct TCase {
    std::string Text;
    int32_t Number;
  };
  for (const TCase& c :
       std::vector<TCase>{{"12 ", 12}, {" -3", -3}, {"abc", 7}, {"", 7}, {"2.5", 7}, {"99999999999", 7}, {"0x10", 7}}) {
    EXPECT_EQ(TSettingsContainerModel::NumberOfTypedText(c.Text, 7), c.Number) << c.Text;
  }
  const int32_t tab = M.AddTab("T", -1, "t", scTabTypeLabel);
  const int32_t edit = M.AddControl(tab, sckEdit, "", -1, "count", "5");
  M.ControlRecords[edit].DefaultIntValue = 7;
  M.ControlValueChanged(edit, "12 ", TSettingsContainerModel::NumberOfTypedText("12 ", 7), 0);
  EXPECT_EQ(M.ControlRecords[edit].StrValue, "12 ");
  EXPECT_EQ(M.ControlRecords[edit].IntValue, 12);
  EXPECT_TRUE(M.ControlRecords[edit].ValueSet);
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].ID, edit);
  EXPECT_EQ(Events[0].Text, "12 ");
  EXPECT_EQ(Events[0].Number, 12);
}

TEST_F(ContainerModel, ARadioReportsItsGroupAndTheUncheckedOneNothing) {
  const int32_t tab = M.AddTab("T", -1, "t", scTabTypeLabel);
  const int32_t group = M.AddRadioButtonGroup(tab, "Case", -1, "case", "lower", 1);
  const int32_t lower = M.AddRadioButtonGroupItem(group, "Lower", -1, "lower", 1);
  const int32_t upper = M.AddRadioButtonGroupItem(group, "Upper", -1, "upper", 2);
  const int32_t mixed = M.AddRadioButtonGroupItem(group, "Mixed", -1, "mixed", 3);
  EXPECT_EQ(M.ControlRecords[group].Items, (TIntArray{lower, upper, mixed}));
  EXPECT_EQ(M.ControlRecords[lower].StrValue, "1");
  EXPECT_EQ(M.ControlRecords[upper].StrValue, "0");
  EXPECT_EQ(M.ControlRecords[group].IntValue, 1);

  M.ControlValueChanged(lower, "0", 0, 0);  // lost its check
  M.ControlValueChanged(upper, "1", 1, 0);
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].ID, group);
  EXPECT_EQ(Events[0].Text, "upper");
  EXPECT_EQ(Events[0].Number, 2);
  EXPECT_EQ(M.ControlRecords[group].StrValue, "upper");
  EXPECT_EQ(M.ControlRecords[group].IntValue, 2);
  EXPECT_EQ(M.ControlRecords[lower].StrValue, "1");  // the group holds the value, not the item
  EXPECT_EQ(M.GetRadioButtonGroupItemIntIdFromStrId(group, "mixed", -1), 3);
  EXPECT_EQ(M.GetRadioButtonGroupItemIntIdFromStrId(group, "Mixed", -1), -1);
  EXPECT_EQ(M.GetRadioButtonGroupItemIntIdFromStrId(lower, "mixed", -1), -1);
}

// A single radio unchecked by a neighbour keeps the "0" it shows, silently,
// so that a save does not store two checked radios.
TEST_F(ContainerModel, ASingleRadioUncheckedByANeighbourStoresZero) {
  const int32_t tab = M.AddTab("T", -1, "t", scTabTypeLabel);
  const int32_t first = M.AddControl(tab, sckRadioButton, "First", -1, "first", "1");
  const int32_t second = M.AddControl(tab, sckRadioButton, "Second", -1, "second", "0");
  M.ControlValueChanged(second, "1", 1, 0);
  M.ControlValueChanged(first, "0", 0, 0);
  EXPECT_EQ(M.ControlRecords[first].StrValue, "0");
  EXPECT_EQ(M.ControlRecords[first].IntValue, 0);
  EXPECT_EQ(M.ControlRecords[second].StrValue, "1");
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].ID, second);
}

TEST_F(ContainerModel, EventsFollowTheTabsState) {
  const int32_t check = M.AddTab("Check", -1, "check", scTabTypeCheckBox);
  const int32_t noisy = M.AddTab("Noisy", -1, "noisy", scTabTypeCheckBox);
  const int32_t standard = M.AddTab("Encoding", -1, "enc", scTabTypeCheckBox);
  M.Tabs[noisy].AlwaysNotify = true;
  M.Tabs[standard].StandardTabType = scStandardTabTextEncoding;
  const int32_t a = M.AddControl(check, sckCheckBox, "A", -1, "a", "0");
  const int32_t b = M.AddControl(noisy, sckCheckBox, "B", -1, "b", "0");
  const int32_t c = M.AddControl(standard, sckDateTimeEdit, "", -1, "c", "");

  M.ControlValueChanged(a, "1", 1, 0);  // inactive tab: stored, not told
  EXPECT_EQ(M.ControlRecords[a].StrValue, "1");
  EXPECT_TRUE(Events.empty());
  M.ControlValueChanged(b, "1", 1, 0);
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].ID, b);
  M.ExecuteValueChangeOnlyIfTabActive = false;
  M.ControlValueChanged(a, "0", 0, 0);
  EXPECT_EQ(Events.size(), 2u);

  M.ExecuteValueChangeOnlyIfTabActive = true;
  M.SetTabActive(standard, true);
  M.ControlValueChanged(c, "20240229235959", 0, 45351.999988);
  EXPECT_EQ(Events.size(), 2u);
  ASSERT_EQ(StandardEvents.size(), 1u);
  EXPECT_EQ(StandardEvents[0].first, standard);
  EXPECT_EQ(StandardEvents[0].second, scStandardTabTextEncoding);

  M.SetTabActive(check, true);
  const int32_t d = M.AddControl(check, sckDateTimeEdit, "", -1, "d", "");
  M.ControlValueChanged(d, "20240229235959", 0, 45351.5);
  ASSERT_EQ(Events.size(), 3u);
  EXPECT_EQ(Events[2].Text, "20240229235959");
  EXPECT_EQ(Events[2].Number, 0);
  EXPECT_DOUBLE_EQ(Events[2].DateTime, 45351.5);
}

TEST_F(ContainerModel, TheContainersOwnWritesAndControlsWithoutValueStaySilent) {
  const int32_t tab = M.AddTab("T", -1, "t", scTabTypeLabel);
  const int32_t edit = M.AddControl(tab, sckEdit, "", -1, "e", "x");
  M.Updating = true;
  M.ControlValueChanged(edit, "y", 0, 0);
  M.Updating = false;
  EXPECT_EQ(M.ControlRecords[edit].StrValue, "x");
  EXPECT_FALSE(M.ControlRecords[edit].ValueSet);
  M.ControlValueChanged(edit, NulMarker(), 0, 0);
  EXPECT_EQ(M.ControlRecords[edit].StrValue, "x");
  EXPECT_TRUE(M.ControlRecords[edit].ValueSet);
  M.ControlValueChanged(-1, "z", 0, 0);
  M.ControlValueChanged(99, "z", 0, 0);
  EXPECT_TRUE(Events.empty());
}

TEST_F(ContainerModel, ReorderingReportsEvenOnAnInactiveTab) {
  const int32_t tab = M.AddTab("T", -1, "t", scTabTypeCheckBox);
  const int32_t list = M.AddControl(tab, sckOrderListBox, "", -1, "order", "");
  const int32_t a = M.AddOrderListItem(list, "A", -1, "a");
  const int32_t b = M.AddOrderListItem(list, "B", -1, "b");
  M.OrderListBoxRearranged(list, {b, a});
  EXPECT_EQ(M.ControlRecords[list].IntArrayValue, (TIntArray{b, a}));
  EXPECT_FALSE(M.ControlRecords[list].ValueSet);
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].ID, list);
  EXPECT_EQ(Events[0].Text, "");
}

TEST_F(ContainerModel, MemoDialogTitleNamesTabAndOption) {
  M.OnGetTranslation = [](int32_t slot) { return "T" + std::to_string(slot); };
  const int32_t tab = M.AddTab("Tab", 10, "t", scTabTypeLabel);
  const int32_t loose = M.AddTab("Loose tab", -1, "l", scTabTypeLabel);
  const int32_t own = M.AddControl(tab, sckMemo, "Memo", 20, "m", "");
  const int32_t panel = M.AddControl(tab, sckCheckPanel, "Panel", 30, "p", "0");
  const int32_t nested = M.AddControl(tab, sckMemo, "", -1, "n", "");
  M.ControlRecords[nested].ParentLevel = scParentCheckPanel;
  const int32_t bare = M.AddControl(tab, sckMemo, "", -1, "b", "");
  const int32_t outside = M.AddControl(loose, sckMemo, "", 21, "o", "");
  const int32_t tabless = M.AddControl(-1, sckMemo, "", 22, "x", "");
  EXPECT_EQ(M.MemoDialogTitle(own), "T10 - T20");
  EXPECT_EQ(M.MemoDialogTitle(nested), "T10 - T30");
  EXPECT_EQ(M.MemoDialogTitle(bare), "T10");
  EXPECT_EQ(M.MemoDialogTitle(outside), "Loose tab - T21");
  EXPECT_EQ(M.MemoDialogTitle(tabless), "T22");
  EXPECT_EQ(M.MemoDialogTitle(panel + 100), "");
  M.OnGetTranslation = nullptr;
  EXPECT_EQ(M.MemoDialogTitle(own), "Memo");
}

TEST_F(ContainerModel, RowEditorHasOneFieldPerKnownColumnKind) {
  M.OnGetTranslation = [](int32_t slot) { return "S" + std::to_string(slot); };
  const int32_t tab = M.AddTab("T", -1, "t", scTabTypeLabel);
  const int32_t oneLine = M.AddColumnDefinition(scColumnOneLine, 241);
  const int32_t multiLine = M.AddColumnDefinition(scColumnMultiLine, 242);
  const int32_t flag = M.AddColumnDefinition(scColumnFlag, 243);
  const int32_t unknown = M.AddColumnDefinition(7, 244);
  const int32_t view = M.AddControl(tab, sckVirtualListView, "", -1, "", "");
  M.AddVirtualListViewColumn(view, oneLine, 241);
  M.AddVirtualListViewColumn(view, unknown, 244);
  M.AddVirtualListViewColumn(view, multiLine, 242);
  M.AddVirtualListViewColumn(view, flag, 243);
  M.AddVirtualListViewColumn(view, 55, 1);  // no such definition
  const int32_t row = M.AddControl(tab, sckVirtualListViewButtonPanel, "", -1, "", "");
  M.ControlRecords[row].IntValue = view;

  TIntArray positions;
  const auto fields = M.RowEditorFields(row, positions);
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[0].Kind, scdOneLine);
  EXPECT_EQ(fields[0].Caption, "S241");
  EXPECT_EQ(fields[1].Kind, scdMultiLine);
  EXPECT_EQ(fields[2].Kind, scdFlag);
  for (const auto& f : fields) EXPECT_EQ(f.Value, "1");
  EXPECT_EQ(positions, (TIntArray{0, 2, 3}));
  M.OnGetTranslation = nullptr;
  EXPECT_EQ(M.RowEditorFields(row, positions)[0].Caption, "");
  EXPECT_TRUE(M.RowEditorFields(view + 50, positions).empty());
  EXPECT_TRUE(positions.empty());
}

// A language switch offers the default text in the new language: a value the
// user left at its default follows, one the user changed stays.
TEST_F(ContainerModel, DefaultTextsFollowTheLanguageUntilTheUserChangesThem) {
  const int32_t tab = M.AddTab("T", -1, "t", scTabTypeLabel);
  const int32_t fresh = M.AddControl(tab, sckEditTextTop, "", 10, "fresh", "");
  const int32_t typed = M.AddControl(tab, sckEditTextTop, "", 11, "typed", "");
  const int32_t loaded = M.AddControl(tab, sckEditTextTop, "", 12, "loaded", "");
  const int32_t undeclared = M.AddControl(tab, sckEditTextTop, "", 13, "none", "keep");
  for (int32_t i : {fresh, typed, loaded}) M.ControlRecords[i].DefaultValueTextSlot = 100 + i;
  for (int32_t i : {fresh, typed, loaded}) EXPECT_TRUE(M.TakeDefaultText(i, "Hello"));
  M.ControlValueChanged(typed, "Mine", 0, 0);
  M.ControlRecords[loaded].ValueSet = true;  // a settings file brought the English default

  EXPECT_TRUE(M.TakeDefaultText(fresh, "Hallo"));
  EXPECT_FALSE(M.TakeDefaultText(typed, "Hallo"));
  EXPECT_TRUE(M.TakeDefaultText(loaded, "Hallo"));
  EXPECT_FALSE(M.TakeDefaultText(undeclared, "Hallo"));
  EXPECT_EQ(M.ControlRecords[fresh].StrValue, "Hallo");
  EXPECT_EQ(M.ControlRecords[typed].StrValue, "Mine");
  EXPECT_EQ(M.ControlRecords[typed].DefaultStrValue, "Hallo");
  EXPECT_EQ(M.ControlRecords[loaded].StrValue, "Hallo");
  EXPECT_EQ(M.ControlRecords[undeclared].StrValue, "keep");
  EXPECT_EQ(M.ControlRecords[undeclared].DefaultStrValue, "keep");
  M.ResetValuesToDefault();
  EXPECT_EQ(M.ControlRecords[typed].StrValue, "Hallo");
}

}  // namespace
