// The settings container with its real controls: building every kind, values
// in and out, change notifications, reset, sections and the wheel.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <functional>

#include "controls/advanced_combo_box.h"
#include "controls/caption_panels.h"
#include "controls/column_labels.h"
#include "controls/edit_with_button.h"
#include "controls/encoding_pickers.h"
#include "controls/id_combo_box.h"
#include "controls/list_box.h"
#include "controls/list_view.h"
#include "controls/multiline_check.h"
#include "controls/padding_button.h"
#include "controls/value_pickers.h"
#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"
#include "frame/qt/html_panel.h"
#include "frame/qt/widget_tags.h"
#include "settingspanels/qt/settings_container_spr.h"
#include "settingspanels_test_app.h"
#include "text/text_store.h"

namespace {

struct TEvent {
  int32_t ID;
  std::string Text;
  int32_t Number;
};

class Container : public ::testing::Test {
 protected:
  void SetUp() override {
    PanelsTestApp();
    SetSprResGlobal(0);
    C = std::make_unique<TSettingsContainer>();
    K = DeclareEveryKind(*C);
    C->OnCustomTabValueChange = [this](TSettingsContainerModel*, int32_t id, const std::string& text, int32_t number,
                                       double) {
      Events.push_back({id, text, number});
    };
    C->resize(420, 700);
  }
  template <class T>
  T* Ctl(int32_t index) {
    T* control = qobject_cast<T*>(C->GetControlRef(index));
    EXPECT_NE(control, nullptr) << "record " << index;
    return control;
  }
  const TSettingsContainerControl& Rec(int32_t index) { return C->ControlRecords[index]; }
  std::unique_ptr<TSettingsContainer> C;
  TEveryKind K;
  std::vector<TEvent> Events;
};

TEST_F(Container, EveryKindBuildsItsControl) {
  C->Initialize();
  EXPECT_TRUE(C->Initialized);
  EXPECT_TRUE(Ctl<QLabel>(K[sckLabelHeading]));
  EXPECT_TRUE(Ctl<QLabel>(K[sckLabel]));
  EXPECT_TRUE(Ctl<TColumnLabel>(K[sckColumnLabel]));
  EXPECT_TRUE(Ctl<THTMLPanel>(K[sckHTMLPanel]));
  EXPECT_TRUE(Ctl<TCheckPanel>(K[sckCheckPanel]));
  EXPECT_TRUE(Ctl<TCollapsiblePanel>(K[sckCollapsiblePanel]));
  for (int32_t kind : {sckEdit, sckEditTextTop, sckEditTextRight, sckEditMultiLabel})
    EXPECT_TRUE(Ctl<QLineEdit>(K[kind])) << kind;
  EXPECT_TRUE(Ctl<TPaddingButton>(K[sckButton]));
  EXPECT_TRUE(Ctl<TAdvancedMemo>(K[sckMemo]));
  EXPECT_TRUE(Ctl<TAdvancedMemo>(K[sckMemoTextTop]));
  EXPECT_TRUE(Ctl<TCheckBoxML>(K[sckCheckBox]));
  EXPECT_TRUE(Ctl<TRadioButtonML>(K[sckRadioButton]));
  EXPECT_TRUE(Ctl<TRadioButtonML>(K[sckRadioButtonGroupItem]));
  EXPECT_TRUE(Ctl<TIDComboBox>(K[sckIDComboBox]));
  EXPECT_TRUE(Ctl<TIDComboBox>(K[sckIDComboBoxTextTop]));
  EXPECT_TRUE(Ctl<TAdvancedComboBox>(K[sckComboBoxTextTop]));
  EXPECT_TRUE(Ctl<TNumberComboBox>(K[sckNumberComboBox]));
  EXPECT_TRUE(Ctl<TNumberComboBox>(K[sckNumberComboBoxTextTop]));
  EXPECT_TRUE(Ctl<TFileFormatComboBox>(K[sckFileFormatComboBox]));
  EXPECT_TRUE(Ctl<TFileFormatComboBox>(K[sckFileFormatComboBoxTextTop]));
  EXPECT_TRUE(Ctl<TAlignmentComboBox>(K[sckAlignmentComboBox]));
  EXPECT_TRUE(Ctl<TSizeTypeComboBox>(K[sckSizeTypeComboBox]));
  EXPECT_TRUE(Ctl<TCodePageComboBox>(K[sckCodePageComboBox]));
  EXPECT_TRUE(Ctl<TLineBreakComboBox>(K[sckLineBreakComboBox]));
  EXPECT_TRUE(Ctl<TAdvancedLineBreakComboBox>(K[sckAdvancedLineBreakComboBox]));
  EXPECT_TRUE(Ctl<TCSVParamComboBox>(K[sckCSVParamComboBox]));
  EXPECT_TRUE(Ctl<TDateTimeEdit>(K[sckDateTimeEdit]));
  EXPECT_TRUE(Ctl<TDateTimeEdit>(K[sckDateTimeEditTextTop]));
  EXPECT_TRUE(Ctl<TEditWithButton>(K[sckFolderEdit]));
  EXPECT_TRUE(Ctl<TVirtualListView>(K[sckVirtualListView]));
  EXPECT_TRUE(Ctl<TRawPanel>(K[sckVirtualListViewButtonPanel]));
  EXPECT_TRUE(Ctl<TVirtualListBox>(K[sckOrderListBox]));
  EXPECT_TRUE(Ctl<TVirtualListBox>(K[sckOrderListBoxAlt]));
  // Members and the radio group have no control; the action list builds itself later.
  for (int32_t kind : {sckRadioButtonGroup, sckVirtualListViewColumn, sckOrderListItem, sckActionList})
    EXPECT_EQ(C->GetControlRef(K[kind]), nullptr) << kind;
  EXPECT_EQ(C->GetControlRef(-1), nullptr);
  EXPECT_EQ(C->GetControlRef(5000), nullptr);

  // Every control carries its record index.
  for (int32_t i = 0; C->IsRecordIndex(i); ++i) {
    if (QWidget* w = C->GetControlRef(i)) {
      EXPECT_EQ(GetTag(w), i);
    }
  }

  // Captions: above for "TextTop" kinds, beside for kind 8, two parts for kind 9,
  // and a radio group's only with a slot.
  auto* caption = qobject_cast<QLabel*>(C->GetCaptionControlRef(K[sckEditTextTop]));
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->text(), "Search for");
  EXPECT_EQ(caption->textFormat(), Qt::PlainText);
  EXPECT_EQ(qobject_cast<QLabel*>(C->GetCaptionControlRef(K[sckEditTextRight]))->text(), "Date");
  EXPECT_EQ(qobject_cast<TMultiLabel*>(C->GetCaptionControlRef(K[sckEditMultiLabel]))->CaptionLeft(), "Time");
  EXPECT_NE(C->GetCaptionControlRef(K[sckRadioButtonGroup]), nullptr);
  EXPECT_EQ(C->GetCaptionControlRef(K[sckEdit]), nullptr);
  EXPECT_EQ(Ctl<QLineEdit>(K[sckEditTextRight])->width(), 50);

  // Nesting: level 1 into the check panel before, level 2 into the collapsible one.
  EXPECT_TRUE(Ctl<TCheckPanel>(K[sckCheckPanel])->GetContentPanel()->isAncestorOf(Ctl<QWidget>(K.NestedEdit)));
  EXPECT_TRUE(
      Ctl<TCollapsiblePanel>(K[sckCollapsiblePanel])->GetContentPanel()->isAncestorOf(Ctl<QWidget>(K.NestedCheck)));
  // Three buttons in a row, in record order.
  QWidget* row = Ctl<QWidget>(K[sckButton])->parentWidget();
  EXPECT_EQ(Ctl<QWidget>(K.SecondButton)->parentWidget(), row);
  EXPECT_EQ(Ctl<QWidget>(K.ThirdButton)->parentWidget(), row);
  // Memo panels: declared height, minimum the larger of 35 and half of it.
  auto* small = qobject_cast<TExpandablePanel*>(Ctl<QWidget>(K[sckMemo])->parentWidget());
  auto* large = qobject_cast<TExpandablePanel*>(Ctl<QWidget>(K[sckMemoTextTop])->parentWidget());
  ASSERT_TRUE(small && large);
  EXPECT_EQ(small->height(), 50);
  EXPECT_EQ(small->ConstraintsMinHeight, 35);
  EXPECT_EQ(large->height(), 100);
  EXPECT_EQ(large->ConstraintsMinHeight, 50);
  EXPECT_TRUE(large->ShowButtonPlus());
  // List view: a column per member; order list: an item per member.
  EXPECT_EQ(Ctl<TVirtualListView>(K[sckVirtualListView])->ColumnInfos().size(), 3u);
  auto* order = Ctl<TVirtualListBox>(K[sckOrderListBox]);
  ASSERT_EQ(order->Items.size(), 3u);
  EXPECT_EQ(order->Items[1].Caption, "Size");
  EXPECT_EQ(order->Items[1].IntID, K.OrderItems[1]);
  EXPECT_EQ(order->Items[1].TextSlot, 246);
  const auto listButtons = Ctl<QWidget>(K[sckVirtualListViewButtonPanel])->findChildren<TPaddingButton*>();
  ASSERT_EQ(listButtons.size(), 4);
  EXPECT_EQ(listButtons[0]->text(), "Button1");

  // A second Initialize builds nothing more.
  QWidget* first = C->GetControlRef(K[sckEdit]);
  C->Initialize();
  EXPECT_EQ(C->GetControlRef(K[sckEdit]), first);
}

TEST_F(Container, UnusedRecordsAndUnknownKindsBuildNothing) {
  TSettingsContainer c;
  const int32_t tab = c.AddTab("T", -1, "t", scTabTypeLabel);
  const int32_t unused = c.AddControl(tab, sckEdit, "", -1, "a", "");
  c.ControlRecords[unused].Used = false;
  const int32_t unknown = c.AddControl(tab, 77, "", -1, "", "");
  // A level-1 record after something other than a check panel stays in the tab.
  const int32_t stray = c.AddControl(tab, sckCheckBox, "Stray", -1, "b", "0");
  c.ControlRecords[stray].ParentLevel = scParentCheckPanel;
  const int32_t after = c.AddControl(tab, sckEdit, "", -1, "c", "x");
  c.Initialize();
  EXPECT_EQ(c.GetControlRef(unused), nullptr);
  EXPECT_EQ(c.GetControlRef(unknown), nullptr);
  EXPECT_EQ(c.GetControlRef(stray)->parentWidget(), c.TabWidgets(tab).ContentPanel);
  EXPECT_EQ(GetTag(c.GetControlRef(after)), after);
  EXPECT_EQ(qobject_cast<QLineEdit*>(c.GetControlRef(after))->text(), "x");
}

TEST_F(Container, RecordValuesShowInTheirControls) {
  C->Initialize();
  // The declared defaults first.
  EXPECT_EQ(Ctl<QLineEdit>(K.NestedEdit)->text(), "inside");
  EXPECT_TRUE(Ctl<QCheckBox>(K.NestedCheck)->isChecked());
  EXPECT_EQ(Ctl<TAdvancedMemo>(K[sckMemo])->Text(), "one\ntwo");
  EXPECT_TRUE(Ctl<QRadioButton>(K.Radios[0])->isChecked());
  EXPECT_EQ(Ctl<TIDComboBox>(K[sckIDComboBox])->SelectedStrId(), "cut");
  EXPECT_EQ(Rec(K[sckIDComboBox]).IntValue, 1);  // read back from the list
  EXPECT_EQ(Ctl<TAdvancedComboBox>(K[sckComboBoxTextTop])->Text(), "beta");
  EXPECT_EQ(Ctl<TNumberComboBox>(K[sckNumberComboBoxTextTop])->Value(), 50);
  EXPECT_EQ(Ctl<TCodePageComboBox>(K[sckCodePageComboBox])->CodePage(), 65001);
  EXPECT_EQ(Ctl<TLineBreakComboBox>(K[sckLineBreakComboBox])->LineBreak(), 1310);
  EXPECT_EQ(Ctl<TAdvancedLineBreakComboBox>(K[sckAdvancedLineBreakComboBox])->SelectedStrId(), "lf");
  EXPECT_EQ(Ctl<TCSVParamComboBox>(K[sckCSVParamComboBox])->SelectedStrId(), "semicolon");
  EXPECT_EQ(Ctl<TDateTimeEdit>(K[sckDateTimeEdit])->GetDateTimeAsYYYYMMDDHHIISS(), "20240229120000");
  EXPECT_EQ(Ctl<TEditWithButton>(K[sckFolderEdit])->Value(), "/tmp");

  // Then values written into the records by the host.
  auto set = [&](int32_t kind, const std::string& text, int32_t number) {
    C->ControlRecords[K[kind]].StrValue = text;
    C->ControlRecords[K[kind]].IntValue = number;
  };
  set(sckCheckPanel, "1", 1);
  set(sckEditTextTop, "typed", 0);
  set(sckMemoTextTop, "a\nb", 0);
  set(sckCheckBox, "1", 1);
  set(sckRadioButton, "1", 1);
  set(sckRadioButtonGroup, "time", 3);
  set(sckIDComboBoxTextTop, "copy", 0);
  set(sckComboBoxTextTop, "free text", 0);
  set(sckNumberComboBox, "7", 7);
  set(sckFileFormatComboBox, "csv", 0);
  set(sckAlignmentComboBox, "center", 2);
  set(sckSizeTypeComboBox, "GB", 4);
  set(sckCodePageComboBox, "latin1", 88591);
  set(sckLineBreakComboBox, "lf", 10);
  set(sckCSVParamComboBox, "tab", 0);
  set(sckDateTimeEditTextTop, "19991231235958", 0);
  set(sckFolderEdit, "/home", 0);
  C->ControlRecords[K[sckOrderListBox]].IntArrayValue = {K.OrderItems[2], K.OrderItems[0], K.OrderItems[1]};
  C->UpdateControlValuesInGUI();
  EXPECT_TRUE(Events.empty());  // the container's own writes raise nothing
  EXPECT_TRUE(Ctl<TCheckPanel>(K[sckCheckPanel])->Checked());
  EXPECT_EQ(Ctl<QLineEdit>(K[sckEditTextTop])->text(), "typed");
  EXPECT_EQ(Ctl<TAdvancedMemo>(K[sckMemoTextTop])->Text(), "a\nb");
  EXPECT_TRUE(Ctl<QCheckBox>(K[sckCheckBox])->isChecked());
  EXPECT_TRUE(Ctl<QRadioButton>(K[sckRadioButton])->isChecked());
  EXPECT_TRUE(Ctl<QRadioButton>(K.Radios[2])->isChecked());
  EXPECT_FALSE(Ctl<QRadioButton>(K.Radios[0])->isChecked());
  EXPECT_EQ(Rec(K[sckIDComboBoxTextTop]).IntValue, 2);
  EXPECT_EQ(Ctl<TAdvancedComboBox>(K[sckComboBoxTextTop])->Text(), "free text");
  EXPECT_EQ(Ctl<TNumberComboBox>(K[sckNumberComboBox])->Value(), 7);
  EXPECT_EQ(Ctl<TFileFormatComboBox>(K[sckFileFormatComboBox])->GetExtension(), "csv");
  EXPECT_EQ(Ctl<TAlignmentComboBox>(K[sckAlignmentComboBox])->GetAlignmentAsText(), "center");
  EXPECT_EQ(Ctl<TSizeTypeComboBox>(K[sckSizeTypeComboBox])->GetSizeTypeAsString(), "GB");
  EXPECT_EQ(Ctl<TCodePageComboBox>(K[sckCodePageComboBox])->CodePage(), 88591);
  EXPECT_EQ(Ctl<TLineBreakComboBox>(K[sckLineBreakComboBox])->LineBreak(), 10);
  EXPECT_EQ(Ctl<TCSVParamComboBox>(K[sckCSVParamComboBox])->SelectedStrId(), "tab");
  EXPECT_EQ(Ctl<TDateTimeEdit>(K[sckDateTimeEditTextTop])->GetDateTimeAsYYYYMMDDHHIISS(), "19991231235958");
  EXPECT_EQ(Ctl<TEditWithButton>(K[sckFolderEdit])->Value(), "/home");
  EXPECT_EQ(Ctl<TVirtualListBox>(K[sckOrderListBox])->GetItemOrderAsIntIDs(),
            (TIntArray{K.OrderItems[2], K.OrderItems[0], K.OrderItems[1]}));

  // A single radio unchecked by the host shows unchecked.
  set(sckRadioButton, "0", 0);
  C->UpdateControlValuesInGUI();
  EXPECT_FALSE(Ctl<QRadioButton>(K[sckRadioButton])->isChecked());
  // A group whose value names no radio leaves them as they are.
  set(sckRadioButtonGroup, "none", 9);
  C->UpdateControlValuesInGUI();
  EXPECT_TRUE(Ctl<QRadioButton>(K.Radios[2])->isChecked());
}

// What a user does with each control, and what its record and the host get.
TEST_F(Container, UserChangesReachRecordsAndHost) {
  C->Initialize();
  C->SetTabActive(K.Search, true);
  C->SetTabActive(K.Replace, true);
  struct TCase {
    int32_t Record;
    std::function<void()> Act;
    std::string Text;
    int32_t Number;
    int32_t ReportedID = -1;  // the record itself when -1
  };
  auto pick = [](QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
  };
  auto* lineBreaks = Ctl<TLineBreakComboBox>(K[sckLineBreakComboBox]);
  auto* codePages = Ctl<TCodePageComboBox>(K[sckCodePageComboBox]);
  auto indexOf = [](const TIntArray& table, int32_t value) {
    return static_cast<int>(std::find(table.begin(), table.end(), value) - table.begin());
  };
  std::vector<TCase> cases = {
      {K[sckCheckPanel], [&] { Ctl<TCheckPanel>(K[sckCheckPanel])->CheckBox()->click(); }, "1", 1},
      {K.NestedEdit, [&] { Ctl<QLineEdit>(K.NestedEdit)->setText("12 "); }, "12 ", 12},
      {K[sckEditTextTop], [&] { Ctl<QLineEdit>(K[sckEditTextTop])->setText("abc"); }, "abc", 0},
      {K[sckEditTextRight], [&] { Ctl<QLineEdit>(K[sckEditTextRight])->setText(" 7"); }, " 7", 7},
      {K[sckEditMultiLabel], [&] { Ctl<QLineEdit>(K[sckEditMultiLabel])->setText("13:30"); }, "13:30", 0},
      {K[sckMemo], [&] { Ctl<TAdvancedMemo>(K[sckMemo])->SetText("x\ny"); }, "x\ny", 0},
      {K[sckMemoTextTop], [&] { Ctl<TAdvancedMemo>(K[sckMemoTextTop])->SetText("42"); }, "42", 42},
      {K[sckCheckBox], [&] { Ctl<QCheckBox>(K[sckCheckBox])->click(); }, "1", 1},
      {K[sckRadioButton], [&] { Ctl<QRadioButton>(K[sckRadioButton])->click(); }, "1", 1},
      {K.Radios[1], [&] { Ctl<QRadioButton>(K.Radios[1])->click(); }, "date", 2, K[sckRadioButtonGroup]},
      {K[sckIDComboBox], [&] { pick(Ctl<QComboBox>(K[sckIDComboBox]), 2); }, "paste", 3},
      {K[sckComboBoxTextTop], [&] { pick(Ctl<QComboBox>(K[sckComboBoxTextTop]), 0); }, "alpha", 0},
      {K[sckNumberComboBox], [&] { pick(Ctl<QComboBox>(K[sckNumberComboBox]), 7); }, "7", 7},
      {K[sckNumberComboBoxTextTop], [&] { pick(Ctl<QComboBox>(K[sckNumberComboBoxTextTop]), 2); }, "10", 10},
      {K[sckFileFormatComboBoxTextTop], [&] { pick(Ctl<QComboBox>(K[sckFileFormatComboBoxTextTop]), 2); }, "BMP", 0},
      {K[sckAlignmentComboBox], [&] { pick(Ctl<QComboBox>(K[sckAlignmentComboBox]), 2); }, "center", 2},
      {K[sckSizeTypeComboBox], [&] { pick(Ctl<QComboBox>(K[sckSizeTypeComboBox]), 3); }, "MB", 3},
      {K[sckCodePageComboBox], [&] { pick(codePages, indexOf(codePages->LineTable(), 1252)); }, "win1252", 1252},
      {K[sckLineBreakComboBox], [&] { pick(lineBreaks, indexOf(lineBreaks->LineTable(), 10)); }, "lf", 10},
      {K[sckCSVParamComboBox],
       [&] {
         auto* box = Ctl<TCSVParamComboBox>(K[sckCSVParamComboBox]);
         pick(box->List(), box->GetIndexOfStrId("comma"));
       },
       "comma", 0},
      {K[sckFolderEdit], [&] { Ctl<TEditWithButton>(K[sckFolderEdit])->Edit()->setText("/srv"); }, "/srv", 0},
  };
  for (const TCase& c : cases) {
    Events.clear();
    c.Act();
    const int32_t reported = c.ReportedID < 0 ? c.Record : c.ReportedID;
    EXPECT_EQ(Rec(reported).StrValue, c.Text) << "record " << c.Record;
    EXPECT_EQ(Rec(reported).IntValue, c.Number) << "record " << c.Record;
    EXPECT_TRUE(Rec(c.Record).ValueSet) << "record " << c.Record;
    ASSERT_FALSE(Events.empty()) << "record " << c.Record;
    EXPECT_EQ(Events.back().ID, reported);
    EXPECT_EQ(Events.back().Text, c.Text);
    EXPECT_EQ(Events.back().Number, c.Number);
  }

  // A date-time reports its 14 digits, number 0 and the date-time itself.
  double reportedDateTime = 0;
  C->OnCustomTabValueChange = [&](TSettingsContainerModel*, int32_t, const std::string&, int32_t, double d) {
    reportedDateTime = d;
  };
  auto* date = Ctl<TDateTimeEdit>(K[sckDateTimeEdit]);
  date->SetDateTimeFromYYYYMMDDHHIISS("20240301083000");
  EXPECT_EQ(Rec(K[sckDateTimeEdit]).StrValue, "20240301083000");
  EXPECT_EQ(Rec(K[sckDateTimeEdit]).IntValue, 0);
  EXPECT_DOUBLE_EQ(reportedDateTime, date->GetDateTime());
}

TEST_F(Container, OnlyActiveTabsReportAndOneRadioPickIsOneEvent) {
  C->Initialize();
  // The Replace tab is not ticked: values are kept, the host hears nothing.
  Ctl<QCheckBox>(K[sckCheckBox])->click();
  EXPECT_EQ(Rec(K[sckCheckBox]).StrValue, "1");
  EXPECT_TRUE(Events.empty());
  // The user ticks the tab in its header.
  std::vector<std::pair<int32_t, bool>> activations;
  C->OnTabActivationChange = [&](TSettingsContainerModel*, int32_t tab, bool state) {
    activations.emplace_back(tab, state);
  };
  qobject_cast<QCheckBox*>(C->TabWidgets(K.Replace).HeaderControl)->click();
  ASSERT_EQ(activations.size(), 1u);
  EXPECT_EQ(activations[0], std::make_pair(K.Replace, true));
  EXPECT_TRUE(C->Tabs[K.Replace].TabActive);
  EXPECT_TRUE(C->Tabs[K.Replace].TabOpen);  // ticking opens it
  Ctl<QRadioButton>(K.Radios[2])->click();
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].ID, K[sckRadioButtonGroup]);
  EXPECT_EQ(Events[0].Text, "time");
  // Re-ordering reports whatever the tab's state.
  C->SetTabActive(K.Replace, false);
  Events.clear();
  auto* order = Ctl<TVirtualListBox>(K[sckOrderListBox]);
  TIntArray moved{2, 0, 1};
  ASSERT_TRUE(order->SetItemOrder(moved));
  C->ProcOrderListBoxRearrangingDone(order);
  EXPECT_EQ(Rec(K[sckOrderListBox]).IntArrayValue, (TIntArray{K.OrderItems[2], K.OrderItems[0], K.OrderItems[1]}));
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].ID, K[sckOrderListBox]);
}

TEST_F(Container, ButtonsAndNumericLinksReachTheHost) {
  C->Initialize();
  std::vector<int32_t> clicks;
  C->OnButtonClick = [&](TSettingsContainerModel*, int32_t id) { clicks.push_back(id); };
  Ctl<QPushButton>(K.ThirdButton)->click();
  auto* panel = Ctl<THTMLPanel>(K[sckHTMLPanel]);
  C->OpenTab(K.Search, true);
  C->resize(420, 700);
  C->show();
  QApplication::processEvents();
  panel->PaintProc(true);
  ASSERT_EQ(panel->Links().size(), 1u);
  const TMarkupArea& link = panel->Links()[0];
  panel->ClickAt(QPoint(link.Bounds.Left + 1, link.Bounds.Top + 1));
  EXPECT_EQ(clicks, (std::vector<int32_t>{K.ThirdButton, 17}));
}

TEST_F(Container, ResetBringsBackDefaultsSilently) {
  C->Initialize();
  C->ExecuteValueChangeOnlyIfTabActive = false;
  C->SetTabActive(K.Search, true);
  C->OpenTab(K.Options, true);
  Ctl<QLineEdit>(K[sckEditTextTop])->setText("typed");
  Ctl<QCheckBox>(K[sckCheckBox])->click();
  Ctl<QRadioButton>(K.Radios[2])->click();
  auto* order = Ctl<TVirtualListBox>(K[sckOrderListBox]);
  TIntArray moved{2, 1, 0};
  order->SetItemOrder(moved);
  C->ProcOrderListBoxRearrangingDone(order);
  Events.clear();
  C->ResetValuesToDefault();
  EXPECT_TRUE(Events.empty());
  EXPECT_FALSE(C->Tabs[K.Search].TabActive);
  EXPECT_FALSE(qobject_cast<QCheckBox*>(C->TabWidgets(K.Search).HeaderControl)->isChecked());
  EXPECT_FALSE(C->Tabs[K.Options].TabOpen);
  EXPECT_FALSE(C->TabWidgets(K.Options).ContentPanel->isVisibleTo(C.get()));
  EXPECT_EQ(Ctl<QLineEdit>(K[sckEditTextTop])->text(), "Replace");
  EXPECT_FALSE(Rec(K[sckEditTextTop]).ValueSet);
  EXPECT_FALSE(Ctl<QCheckBox>(K[sckCheckBox])->isChecked());
  EXPECT_TRUE(Ctl<QRadioButton>(K.Radios[0])->isChecked());
  EXPECT_EQ(Rec(K[sckRadioButtonGroup]).StrValue, "name");
  EXPECT_EQ(order->GetItemOrderAsIntIDs(), (TIntArray{K.OrderItems[0], K.OrderItems[1], K.OrderItems[2]}));
}

// Section heads hold their tabs: opening and closing a head shows or hides
// them, its caption counts the ticked ones, and the menu item opens the
// sections that have ticked tabs.
TEST_F(Container, SectionsCollapseAndCount) {
  C->Initialize();
  C->resize(420, 700);
  C->show();
  QApplication::processEvents();
  QWidget* head = C->TabWidgets(K.Head).ContentPanel;
  EXPECT_TRUE(head->isAncestorOf(C->TabWidgets(K.Search).Frame));
  EXPECT_FALSE(head->isAncestorOf(C->TabWidgets(K.Options).Frame));
  EXPECT_FALSE(head->isVisible());
  EXPECT_FALSE(C->TabWidgets(K.Search).Frame->isVisible());

  auto* header = static_cast<TRawPanel*>(C->TabWidgets(K.Head).HeaderPanel.data());
  header->OnClick(header);
  EXPECT_TRUE(C->Tabs[K.Head].TabOpen);
  EXPECT_TRUE(C->TabWidgets(K.Search).Frame->isVisible());
  EXPECT_TRUE(qobject_cast<TImageCheckBox*>(C->TabWidgets(K.Head).OpenControl)->Checked());
  // A check-box tab opens through its options button.
  qobject_cast<QPushButton*>(C->TabWidgets(K.Search).OpenControl)->click();
  EXPECT_TRUE(C->TabWidgets(K.Search).ContentPanel->isVisible());
  // The marker closes the head again.
  qobject_cast<TImageCheckBox*>(C->TabWidgets(K.Head).OpenControl)->SetChecked(false);
  EXPECT_FALSE(C->Tabs[K.Head].TabOpen);
  EXPECT_FALSE(head->isVisible());

  auto* label = qobject_cast<QLabel*>(C->TabWidgets(K.Head).HeaderControl);
  EXPECT_EQ(label->text(), "Settings");
  qobject_cast<QCheckBox*>(C->TabWidgets(K.Search).HeaderControl)->click();
  qobject_cast<QCheckBox*>(C->TabWidgets(K.Replace).HeaderControl)->click();
  EXPECT_EQ(label->text(), "Settings (2)");
  EXPECT_EQ(C->TabActiveCount(), 2);
  C->SetShowNumberOfCheckedTabs(false);
  EXPECT_EQ(label->text(), "Settings");
  C->SetShowNumberOfCheckedTabs(true);

  QAction item(QStringLiteral("Options"));
  C->AssignMenuItem(&item);
  C->CloseAllTabs();
  item.trigger();
  EXPECT_TRUE(item.isChecked());
  EXPECT_TRUE(C->Tabs[K.Head].TabOpen);
  EXPECT_FALSE(C->Tabs[K.Options].TabOpen);
  item.trigger();
  EXPECT_FALSE(item.isChecked());
  EXPECT_FALSE(C->HasOpenTabs());
  // Opening any tab puts the check mark back.
  C->OpenTab(K.View, true);
  EXPECT_TRUE(item.isChecked());

  C->SetStrCaptionOptionButtons("More");
  EXPECT_EQ(qobject_cast<QPushButton*>(C->TabWidgets(K.Replace).OpenControl)->text(), "More");
}

TEST_F(Container, AnEmptyContainerMenuItemOnlyGetsItsCheckMark) {
  TSettingsContainer empty;
  empty.Initialize();
  QAction item(QStringLiteral("Options"));
  empty.AssignMenuItem(&item);
  item.trigger();
  EXPECT_TRUE(item.isChecked());
  EXPECT_FALSE(empty.HasOpenTabs());
}

TEST_F(Container, TheWheelScrollsTheWholeContainer) {
  C->Initialize();
  for (int32_t t = 0; t < C->TabCount(); ++t) C->OpenTab(t, true);
  C->resize(420, 300);
  C->show();
  QApplication::processEvents();
  QScrollBar* bar = C->ScrollBox()->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 100);
  bar->setValue(100);
  C->ProcMouseWheel(120);
  EXPECT_EQ(bar->value(), 88);
  // A wheel turn over a bound control scrolls the container, not the control.
  QWidget* edit = Ctl<QWidget>(K[sckEditTextTop]);
  QWheelEvent wheel(QPointF(5, 5), edit->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(edit, &wheel);
  EXPECT_EQ(bar->value(), 100);
}

// Without a translation hook an id list refreshed after Initialize is sorted
// when its Param is even and keeps its data's order when it is odd.
TEST_F(Container, IdListsRefreshInOrderOrSorted) {
  TSettingsContainer c;
  const int32_t tab = c.AddTab("T", -1, "t", scTabTypeLabel);
  const int32_t data =
      c.AddListInitializationData({{1, "c", -1, "Cherry"}, {2, "a", -1, "apple"}, {3, "b", -1, "Banana"}});
  const int32_t odd = c.AddControl(tab, sckIDComboBox, "", -1, "odd", "b");
  const int32_t even = c.AddControl(tab, sckIDComboBoxTextTop, "Fruit", -1, "even", "b");
  const int32_t plain = c.AddControl(tab, sckComboBoxTextTop, "Plain", -1, "plain", "typed");
  for (int32_t i : {odd, even, plain}) c.ControlRecords[i].ListIndex = data;
  c.ControlRecords[odd].Param = 1;
  c.Initialize();
  auto shown = [&](int32_t index) {
    QStringList items;
    auto* box = qobject_cast<QComboBox*>(c.GetControlRef(index));
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
  };
  // Built while Initialize runs: the data's order either way.
  EXPECT_EQ(shown(even), (QStringList{"Cherry", "apple", "Banana"}));
  c.RefreshComboBoxItems(odd);
  c.RefreshComboBoxItems(even);
  EXPECT_EQ(shown(odd), (QStringList{"Cherry", "apple", "Banana"}));
  EXPECT_EQ(shown(even), (QStringList{"apple", "Banana", "Cherry"}));
  c.ListInitializationData[data].push_back({4, "d", -1, "Date"});
  c.RefreshComboBoxItems(plain);
  EXPECT_EQ(shown(plain), (QStringList{"Cherry", "apple", "Banana", "Date"}));
  EXPECT_EQ(qobject_cast<TAdvancedComboBox*>(c.GetControlRef(plain))->Text(), "typed");
  // Other kinds and indexes are left alone.
  c.RefreshComboBoxItems(tab + 100);
  c.RefreshComboBoxItems(-1);
}

}  // namespace
