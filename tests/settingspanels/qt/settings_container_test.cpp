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

}  // namespace
