// The action type chooser and the configuration panel: which fields a type
// shows, filling them from a row, reading them back as a row or a line.
#include <gtest/gtest.h>

#include <QLabel>
#include <QVBoxLayout>

#include "action_list_fixture.h"
#include "controls/advanced_edit.h"
#include "controls/caption_panels.h"
#include "controls/id_combo_box.h"
#include "controls/list_view.h"
#include "controls/multiline_check.h"
#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"
#include "frame/qt/widget_tags.h"
#include "settingspanels/qt/action_list_list_view.h"
#include "settingspanels/qt/action_list_panels.h"

namespace {

class ActionListPanels : public ActionListWindows {
 protected:
  void SetUp() override {
    ActionListWindows::SetUp();
    Host = std::make_unique<QWidget>();
    auto* column = new QVBoxLayout(Host.get());
    Chooser = new TSettingsContainerActionListDialogActionTypeContainer(
        Host.get(), 0, 5, 0, [this](QObject*, int32_t d) { Chosen.push_back(d); });
    Panel = new TSettingsContainerActionListDialogActionConfigContainer(Host.get(), 1, 5, 0);
    column->addStretch(1);
    Host->resize(400, 700);
    Host->show();
  }
  void TearDown() override {
    Host.reset();
    ActionListWindows::TearDown();
  }
  // Whether the widget would be seen with its window shown.
  static bool Shown(const QWidget* w) { return w->isVisibleTo(w->window()); }
  bool Read(std::string& scope, std::string& p1, std::string& p2, std::string& options) {
    int32_t d = -1;
    return Panel->GetActionParams(d, scope, p1, p2, options, true);
  }
  std::unique_ptr<QWidget> Host;
  TSettingsContainerActionListDialogActionTypeContainer* Chooser = nullptr;
  TSettingsContainerActionListDialogActionConfigContainer* Panel = nullptr;
  std::vector<int32_t> Chosen;
};

TEST_F(ActionListPanels, TheChooserOffersTheGroupAsRadiosOrAList) {
  Chooser->Init(&Vocabulary, 0);
  EXPECT_EQ(Chooser->DisplayStyle(), 1);
  ASSERT_NE(Chooser->DropDown(), nullptr);
  EXPECT_EQ(Chooser->DropDown()->GetCount(), taCount);
  EXPECT_EQ(Chooser->SelectedAction, taComment);
  EXPECT_EQ(Chooser->GetActionTitle(taReplace), "Replace - Replace (replace)");
  EXPECT_EQ(Chooser->GetActionTitle(taRepeat), "Repeat (repeat)");

  // Group 1 shows radio buttons: its own actions and those without a group.
  Chooser->Init(&Vocabulary, 1);
  EXPECT_EQ(Chooser->DisplayStyle(), 2);
  EXPECT_EQ(Chooser->DropDown(), nullptr);
  std::vector<int32_t> offered;
  for (const auto& radio : Chooser->RadioButtons()) offered.push_back(GetTag(radio));
  EXPECT_EQ(offered, std::vector<int32_t>({taComment, taReplace, taReplaceLines, taRepeat, taPick}));
  EXPECT_EQ(Chooser->GetActionTitle(taReplace), "Replace (replace)");
  Chooser->RadioButtons()[2]->click();
  EXPECT_EQ(Chosen, std::vector<int32_t>({taReplaceLines}));
  EXPECT_EQ(Chooser->SelectedAction, taReplaceLines);
  Chooser->SetSelectedAction(taRepeat);
  EXPECT_TRUE(Chooser->RadioButtons()[3]->isChecked());
  EXPECT_EQ(Chosen.size(), 1u);
  Chooser->SetSelectedAction(taClear);  // no choice carries it
  for (const auto& radio : Chooser->RadioButtons()) EXPECT_FALSE(radio->isChecked());

  // Group 2 asks for a list.
  Chooser->Init(&Vocabulary, 2);
  EXPECT_EQ(Chooser->DisplayStyle(), 1);
  EXPECT_EQ(Chooser->DropDown()->GetCount(), 5);
}

TEST_F(ActionListPanels, ATypeWithoutPartsHidesEverything) {
  Panel->Init(&Vocabulary, 0, taClear);
  EXPECT_FALSE(Shown(Panel));
  Panel->SetActionType(taRepeat);
  EXPECT_TRUE(Shown(Panel));
  EXPECT_TRUE(Shown(Panel->Param(1).Edit));
  EXPECT_FALSE(Shown(Panel->Param(2).Block));
  EXPECT_FALSE(Shown(Panel->ScopeBlock()));
  EXPECT_FALSE(Shown(Panel->LettersBlock()));
  EXPECT_EQ(Panel->Param(1).Edit->AllowedCharacters(), acOnlyDigits);
  EXPECT_EQ(FromQString(Panel->Param(1).Label->text()), "Count:");
}

TEST_F(ActionListPanels, EachTypeShowsItsOwnFields) {
  Panel->Init(&Vocabulary, 0, taReplaceLines);
  QApplication::processEvents();
  EXPECT_TRUE(Shown(Panel->Param(1).Memo));
  EXPECT_FALSE(Shown(Panel->Param(1).Edit));
  EXPECT_TRUE(Shown(Panel->Scope(1).Block));
  EXPECT_TRUE(Shown(Panel->Scope(2).Block));
  EXPECT_TRUE(Shown(Panel->Scope(2).Selected));
  EXPECT_TRUE(Shown(Panel->Letter(0)));
  EXPECT_FALSE(Shown(Panel->Letter(1)));
  EXPECT_TRUE(Shown(Panel->Letter(4)));
  // The scope comes first for this type.
  EXPECT_LT(Panel->ScopeBlock()->y(), Panel->ParamsBlock()->y());
  Panel->SetActionType(taReplace);
  QApplication::processEvents();
  EXPECT_FALSE(Shown(Panel->Scope(2).Block));
  EXPECT_GT(Panel->ScopeBlock()->y(), Panel->LettersBlock()->y());
  EXPECT_EQ(FromQString(Panel->Letter(0)->text()).find("Match Case (-c)"), 0u);
  EXPECT_EQ(FromQString(Panel->Scope(1).All->text()), "All");
}

TEST_F(ActionListPanels, NamedOptionsDecideOverParameterTwoAndTheLetters) {
  Panel->Init(&Vocabulary, 0, taInsert);
  TIDComboBox* options = Panel->Param(1).DropDown;
  ASSERT_TRUE(Shown(options));
  EXPECT_EQ(options->GetCount(), 4);
  EXPECT_EQ(options->SelectedStrId(), "before");
  EXPECT_EQ(FromQString(options->itemText(2)), "Line (line)");
  EXPECT_TRUE(Shown(Panel->Param(2).Block));
  EXPECT_TRUE(Shown(Panel->LettersBlock()));
  EXPECT_EQ(FromQString(Panel->Param(2).Label->text()), "Insertion Position:");
  auto choose = [options](const std::string& id) {
    options->setCurrentIndex(options->GetIndexOfStrId(id));
    options->Change();
  };
  choose("line");
  EXPECT_FALSE(Shown(Panel->Param(2).Block));
  EXPECT_FALSE(Shown(Panel->LettersBlock()));
  choose("after");
  EXPECT_TRUE(Shown(Panel->Param(2).Block));
  EXPECT_FALSE(Shown(Panel->LettersBlock()));
  // The label an option chose goes back to the type's own.
  EXPECT_EQ(FromQString(Panel->Param(2).Label->text()), "Content:");
  choose("before");
  EXPECT_TRUE(Shown(Panel->Param(2).Block));
  EXPECT_TRUE(Shown(Panel->LettersBlock()));
}

TEST_F(ActionListPanels, TwoPartScopesReadBackAsTheyAreWritten) {
  Panel->Init(&Vocabulary, 0, taReplaceLines);
  Panel->Param(1).Memo->SetText("x");
  std::string scope, p1, p2, options;
  Panel->Scope(1).All->setChecked(true);
  Panel->Scope(2).All->setChecked(true);
  ASSERT_TRUE(Read(scope, p1, p2, options));
  EXPECT_EQ(scope, "ALL");
  Panel->Scope(2).All->setChecked(false);
  Panel->Scope(2).Edit->setText("3");
  ASSERT_TRUE(Read(scope, p1, p2, options));
  EXPECT_EQ(scope, "ALL:3");
  Panel->Scope(1).Selected->setChecked(true);
  EXPECT_FALSE(Panel->Scope(1).All->isChecked());
  Panel->Scope(2).Edit->clear();
  EXPECT_FALSE(Read(scope, p1, p2, options));  // both parts are required
  EXPECT_EQ(Dialogs.Notifications.size(), 1u);

  Panel->SetActionParams(taReplaceLines, "SELECTED", "", "", "");
  EXPECT_TRUE(Panel->Scope(1).Selected->isChecked());
  EXPECT_TRUE(Panel->Scope(2).Selected->isChecked());
  Panel->SetActionParams(taReplaceLines, "4", "", "", "");
  EXPECT_EQ(FromQString(Panel->Scope(1).Edit->text()), "4");
  EXPECT_TRUE(Panel->Scope(2).All->isChecked());
}

TEST_F(ActionListPanels, ARequiredParameterLeftEmptyAddsNothing) {
  Panel->Init(&Vocabulary, 0, taReplace);
  Panel->Scope(1).All->setChecked(true);
  TVirtualListView view(Host.get());
  const int32_t widths[alCellCount] = {100, 100, 100, 100, 100};
  DefineActionListColumns(view, widths);
  TAdvancedMemo memo(Host.get());
  std::string line;
  EXPECT_FALSE(Panel->AddToListView(&view));
  EXPECT_FALSE(Panel->AddToMemo(&memo));
  EXPECT_FALSE(Panel->GetActionParamsAsLine(line));
  EXPECT_EQ(view.GetItemCount(), 0);
  EXPECT_EQ(memo.Text(), "");
  ASSERT_EQ(Dialogs.Notifications.size(), 3u);
  EXPECT_EQ(Dialogs.Notifications[0].Caption, "Error");
  EXPECT_EQ(Dialogs.Notifications[0].Text, "Please fill out all required fields.");
  // Parameter 2 of "replace" may stay empty.
  Panel->Param(1).Edit->setText("a b");
  ASSERT_TRUE(Panel->GetActionParamsAsLine(line));
  EXPECT_EQ(line, "replace ALL \"a b\"");
}

TEST_F(ActionListPanels, MultiLineParametersTravelEscaped) {
  Panel->Init(&Vocabulary, 0, taReplaceLines);
  Panel->Scope(1).Edit->setText("2");
  Panel->Scope(2).Selected->setChecked(true);
  Panel->Param(1).Memo->SetText("one\ntwo \\n");
  Panel->Letter(0)->setChecked(true);
  Panel->Letter(1)->setChecked(true);  // "r" is not offered by this type
  std::string line;
  ASSERT_TRUE(Panel->GetActionParamsAsLine(line));
  EXPECT_EQ(line, "replacelines 2:SELECTED \"one\\ntwo \\\\n\" \"\" -c");
  int32_t d = -1;
  TStrArray cells;
  ASSERT_TRUE(Panel->GetActionParamsAsStrArrayForListView(d, cells));
  EXPECT_EQ(d, taReplaceLines);
  EXPECT_EQ(cells, TStrArray({"replacelines", "2:SELECTED", "one\\ntwo \\\\n", "", "-c"}));
  // Filled from that row, the memo shows the line break again.
  Panel->ResetAllFields();
  Panel->SetActionParams(d, cells[1], cells[2], cells[3], cells[4]);
  EXPECT_EQ(Panel->Param(1).Memo->Text(), "one\ntwo \\n");
  EXPECT_TRUE(Panel->Letter(0)->isChecked());
  EXPECT_FALSE(Panel->Letter(4)->isChecked());
}

TEST_F(ActionListPanels, ChangingTheTypeKeepsTheLetterBoxes) {
  Panel->Init(&Vocabulary, 0, taReplace);
  Panel->Letter(1)->setChecked(true);
  Panel->SetActionType(taReplaceLines);
  EXPECT_TRUE(Panel->Letter(1)->isChecked());
  EXPECT_FALSE(Shown(Panel->Letter(1)));
  Panel->Scope(1).All->setChecked(true);
  Panel->Scope(2).All->setChecked(true);
  Panel->Param(1).Memo->SetText("x");
  std::string scope, p1, p2, options;
  ASSERT_TRUE(Read(scope, p1, p2, options));
  EXPECT_EQ(options, "");
  Panel->SetActionType(taReplace);
  Panel->Scope(1).All->setChecked(true);
  Panel->Param(1).Edit->setText("x");
  ASSERT_TRUE(Read(scope, p1, p2, options));
  EXPECT_EQ(options, "-r");
}

TEST_F(ActionListPanels, AnOptionThatHidesParameterTwoLeavesItOut) {
  Panel->Init(&Vocabulary, 0, taInsert);
  Panel->Param(2).Edit->setText("typed before");
  Panel->SetActionParams(taInsert, "", "line", "", "-c");
  std::string line;
  ASSERT_TRUE(Panel->GetActionParamsAsLine(line));
  EXPECT_EQ(line, "insert line");
  Panel->SetActionParams(taInsert, "", "before", "x", "-c");
  ASSERT_TRUE(Panel->GetActionParamsAsLine(line));
  EXPECT_EQ(line, "insert x \"\" -c");
  // An option name the list does not hold leaves the choice as it was.
  Panel->SetActionParams(taInsert, "", "nowhere", "x", "");
  EXPECT_EQ(Panel->Param(1).DropDown->SelectedStrId(), "before");
}

TEST_F(ActionListPanels, AddOrUpdateReplacesTheRowWithThatId) {
  TVirtualListView view(Host.get());
  const int32_t widths[alCellCount] = {100, 100, 100, 100, 100};
  DefineActionListColumns(view, widths);
  AddActionListToListView(view, Vocabulary, "clear\nclear", true);
  Panel->Init(&Vocabulary, 0, taRepeat);
  Panel->Param(1).Edit->setText("5");
  ASSERT_TRUE(Panel->AddToOrUpdateInListView(&view, 2));
  ASSERT_EQ(view.GetItemCount(), 2);
  EXPECT_EQ(view.VirtualItems[1].StrValues[0], "repeat");
  EXPECT_EQ(view.VirtualItems[1].ExtraValue, taRepeat);
  ASSERT_TRUE(Panel->AddToOrUpdateInListView(&view, -1));
  EXPECT_EQ(view.VirtualItems[2].ID, 3);
  ASSERT_TRUE(Panel->AddToOrUpdateInListView(&view, 9));
  EXPECT_EQ(view.VirtualItems[3].ID, 9);
  EXPECT_EQ(view.VirtualItems[3].ExtraValue, taRepeat);
}

}  // namespace
