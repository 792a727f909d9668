#include <gtest/gtest.h>

#include "controls/encoding_pickers.h"
#include "controls/id_combo_box.h"
#include "controls_test_app.h"
#include "foundation/qt/qt_strings.h"

namespace {

// What the user does: picks a line of the list.
void Pick(QComboBox* list, int index) {
  list->setCurrentIndex(index);
  emit list->activated(index);
}

struct TEvents {
  std::vector<std::pair<std::string, int32_t>> selections;
  int changes = 0;
  void Attach(TIDComboBox& box) {
    box.OnSelectionChange = [this](QObject*, const std::string& s, int32_t i) { selections.emplace_back(s, i); };
    box.OnChange = [this](QObject*) { ++changes; };
  }
};

class IDCombo : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
};

}  // namespace

TEST_F(IDCombo, NewControlHoldsTheMarkerAndEmptyIdSelects) {
  TIDComboBox box;
  EXPECT_EQ(box.SelectedStrId(), std::string(1, '\0'));
  EXPECT_EQ(box.SelectedIntId(), -1);
  EXPECT_EQ(box.maxVisibleItems(), 16);
  box.AddElement("None", "", 0);
  box.AddElement("One", "one", 1);
  EXPECT_EQ(box.currentIndex(), -1);
  box.SetSelectedStrId("");
  EXPECT_EQ(box.currentIndex(), 0);
  EXPECT_EQ(box.SelectedIntId(), 0);
  box.SetSelectedStrId("missing");
  EXPECT_EQ(box.SelectedStrId(), "");
}

TEST_F(IDCombo, SettersRaiseNothingPicksRaiseSelectionThenChange) {
  TIDComboBox box;
  TEvents events;
  events.Attach(box);
  std::vector<std::string> order;
  box.OnSelectionChange = [&](QObject*, const std::string&, int32_t) { order.push_back("selection"); };
  box.OnChange = [&](QObject*) { order.push_back("change"); };
  box.AddElement("A", "a", 1);
  box.AddElement("B", "b", 1);
  box.SetSelectedIntId(1);
  EXPECT_EQ(box.currentIndex(), 0);
  box.SetSelectedStrId("b");
  EXPECT_EQ(box.currentIndex(), 1);
  box.SetSelectedIntId(1);  // already selected: nothing, though A carries it too
  EXPECT_EQ(box.currentIndex(), 1);
  EXPECT_TRUE(order.empty());
  Pick(&box, 0);
  EXPECT_EQ(order, (std::vector<std::string>{"selection", "change"}));
  EXPECT_EQ(box.SelectedStrId(), "a");
}

TEST_F(IDCombo, DeletingKeepsOrMovesTheSelection) {
  TIDComboBox box;
  TEvents events;
  events.Attach(box);
  box.AddElement("A", "a", 1);
  box.AddElement("B", "b", 2);
  box.AddElement("C", "c", 3);
  box.AddElement("B2", "b", 2);
  box.SetSelectedStrId("c");
  // Another element goes: the selection stays on C, no event.
  EXPECT_TRUE(box.DeleteElement("a", 1));
  EXPECT_EQ(box.currentText(), QStringLiteral("C"));
  EXPECT_EQ(box.SelectedStrId(), "c");
  EXPECT_TRUE(events.selections.empty());
  // Both matching elements go, walking from the end.
  EXPECT_TRUE(box.DeleteElement("b", 2));
  EXPECT_EQ(box.GetCount(), 1);
  EXPECT_EQ(box.currentText(), QStringLiteral("C"));
  EXPECT_FALSE(box.DeleteElement("x", 9));
  EXPECT_EQ(events.changes, 0);

  box.AddElement("D", "d", 4);
  box.AddElement("E", "e", 5);
  box.SetSelectedStrId("d");
  // The selected element goes: its successor is selected and announced.
  EXPECT_TRUE(box.DeleteElementInternal(1));
  EXPECT_EQ(box.currentText(), QStringLiteral("E"));
  ASSERT_EQ(events.selections.size(), 1u);
  EXPECT_EQ(events.selections[0], (std::pair<std::string, int32_t>{"e", 5}));
  // The last one selected: the new last element takes over.
  EXPECT_TRUE(box.DeleteElementInternal(1));
  EXPECT_EQ(box.SelectedStrId(), "c");
  // The only element: nothing left to select, no event, ids stay.
  EXPECT_TRUE(box.DeleteElementInternal(0));
  EXPECT_EQ(box.GetCount(), 0);
  EXPECT_EQ(events.selections.size(), 2u);
  EXPECT_EQ(box.SelectedStrId(), "c");
  EXPECT_FALSE(box.DeleteElementInternal(0));
}

TEST_F(IDCombo, SortByUpperCaseWithoutDiacriticsKeepsTheSelection) {
  TIDComboBox box;
  box.AddElement("zebra", "z", 1);
  box.AddElement("Äpfel", "ae", 2);
  box.AddElement("apple", "a", 3);
  box.AddElement("Birne", "b", 4);
  box.SetSelectedStrId("a");
  box.SetSorted(true);
  std::vector<std::string> captions;
  for (int i = 0; i < box.count(); ++i) captions.push_back(FromQString(box.itemText(i)));
  EXPECT_EQ(captions, (std::vector<std::string>{"Äpfel", "apple", "Birne", "zebra"}));
  EXPECT_EQ(box.currentText(), QStringLiteral("apple"));
  EXPECT_EQ(box.GetIntId(box.currentIndex()), 3);
  EXPECT_EQ(IDComboBoxSortKey("Äpfel"), "APFEL");
  // Captions shown now (for example translated) are the key.
  box.SetFixedString(0, "xylophone");
  box.Sort();
  EXPECT_EQ(FromQString(box.itemText(3)), "zebra");
  EXPECT_EQ(FromQString(box.itemText(2)), "xylophone");
  EXPECT_EQ(box.GetIntId(box.currentIndex()), 3);
  EXPECT_EQ(box.GetSprId(9), -1);
  EXPECT_EQ(box.GetFixedString(-1), "");
}

TEST_F(IDCombo, WithEditPrefixMatchingAndChangePerEdit) {
  TIDComboBoxWithEdit box;
  box.AddElement("Comma", "comma", 11, false);
  box.AddElement("Custom String:", "customstr-", 30, true);
  int changes = 0;
  box.OnChange = [&](QObject*) { ++changes; };
  box.show();
  Pick(box.List(), 1);
  EXPECT_TRUE(box.Edit()->isVisible());
  EXPECT_EQ(changes, 1);
  box.Edit()->insert(QStringLiteral(";"));
  box.Edit()->insert(QStringLiteral(";"));
  EXPECT_EQ(box.SelectedStrId(), "customstr-;;");
  EXPECT_EQ(box.SelectedIntId(), 30);
  EXPECT_EQ(changes, 3);

  box.SetSelectedStrId("comma");
  EXPECT_FALSE(box.Edit()->isVisible());
  box.SetSelectedStrId("CUSTOMSTR-ab");
  EXPECT_EQ(box.List()->currentIndex(), 1);
  EXPECT_TRUE(box.Edit()->isVisible());
  EXPECT_EQ(box.Edit()->text(), QStringLiteral("ab"));
  EXPECT_EQ(box.SelectedStrId(), "CUSTOMSTR-ab");
  EXPECT_EQ(changes, 3);
  // The loaded value belongs to the entry: picking away and back keeps it.
  Pick(box.List(), 0);
  Pick(box.List(), 1);
  EXPECT_EQ(box.SelectedStrId(), "customstr-ab");
  EXPECT_EQ(box.Edit()->text(), QStringLiteral("ab"));

  box.CaseSensitiveStrIds = true;
  EXPECT_EQ(box.GetIndexOfStrId("CUSTOMSTR-ab"), -1);
  EXPECT_EQ(box.GetIndexOfStrId("customstr-"), 1);
  EXPECT_EQ(box.GetIndexOfIntIdAndStrId(11, "comma"), 0);
}

TEST_F(IDCombo, WithEditIntIdLeavesTheEditAlone) {
  TIDComboBoxWithEdit box;
  box.AddElement("Comma", "comma", 11, false);
  box.AddElement("Custom String:", "customstr-", 30, true);
  box.show();
  box.SetSelectedIntId(30);
  EXPECT_FALSE(box.Edit()->isVisible());
  EXPECT_EQ(box.SelectedStrId(), "customstr-");
}

TEST_F(IDCombo, CodePagePicker) {
  TCodePageComboBox picker;
  EXPECT_EQ(picker.count(), 13);
  EXPECT_EQ(picker.currentText(), QStringLiteral("UTF-8"));
  for (int i = 0; i < picker.count(); ++i) EXPECT_FALSE(picker.itemText(i).contains(QStringLiteral("WINDOWS")));
  EXPECT_TRUE(picker.itemText(picker.findText(QStringLiteral("WIN-1252"), Qt::MatchStartsWith)).startsWith("WIN-"));
  picker.ShowItems(true, true);
  EXPECT_EQ(picker.count(), 15);
  EXPECT_EQ(picker.itemText(0), QStringLiteral("Auto Detect"));
  EXPECT_EQ(picker.itemText(1), QStringLiteral("Keep"));
  EXPECT_EQ(picker.currentText(), QStringLiteral("UTF-8"));

  picker.SetCodePage(1252);
  EXPECT_EQ(picker.CodePage(), 1252);
  picker.SetCodePage(54936);  // not listed
  EXPECT_EQ(picker.CodePage(), 1252);
  picker.SetCodePageFromString("no such code page");
  EXPECT_EQ(picker.CodePage(), 65001);
  EXPECT_EQ(picker.currentText(), QStringLiteral("UTF-8"));

  std::vector<int32_t> picked;
  int changes = 0;
  picker.OnSelectionChange = [&](QObject*, int32_t cp) { picked.push_back(cp); };
  picker.OnChange = [&](QObject*) { ++changes; };
  Pick(&picker, 0);
  EXPECT_EQ(picker.CodePage(), 2);
  EXPECT_EQ(picked, std::vector<int32_t>{2});
  EXPECT_EQ(changes, 1);
  // Rebuilding leaves the leading entry unselected, the value stays.
  picker.SetShowItemKeep(false);
  EXPECT_EQ(picker.currentIndex(), -1);
  EXPECT_EQ(picker.CodePage(), 2);
  picker.SetCodePage(1250);
  EXPECT_EQ(picker.CodePage(), 1250);
  EXPECT_TRUE(picker.currentText().startsWith(QStringLiteral("WIN-1250")));
}

TEST_F(IDCombo, LineBreakPicker) {
  TLineBreakComboBox picker;
  EXPECT_EQ(picker.count(), 9);
  EXPECT_EQ(picker.LineBreak(), 1310);
  EXPECT_TRUE(picker.currentText().startsWith(QStringLiteral("CRLF")));
  picker.SetShowExtendedItems(false);
  EXPECT_EQ(picker.count(), 3);
  picker.ShowItems(true, true, true, true);
  EXPECT_EQ(picker.count(), 12);
  EXPECT_EQ(picker.itemText(2), QStringLiteral("System"));
  // The string setters select the matching line.
  picker.SetLineBreakFromIsoString("lf");
  EXPECT_EQ(picker.LineBreak(), 10);
  EXPECT_EQ(picker.GetLineBreakAsIsoString(), "lf");
  EXPECT_TRUE(picker.currentText().startsWith(QStringLiteral("LF")));
  picker.SetLineBreak(1310);
  EXPECT_TRUE(picker.currentText().startsWith(QStringLiteral("CRLF")));
  EXPECT_EQ(LineBreakIsoString(7), "nochar");
  EXPECT_EQ(LineBreakDisplayString(7), "NO LINEBREAK");
  EXPECT_EQ(LineBreakDisplayString(5), "UNKOWN");
  EXPECT_EQ(LineBreakIsoString(5), "unknown");
  EXPECT_EQ(LineBreakDisplayString(9), "TAB - Horizontal Tab (U+0009)");
}

TEST_F(IDCombo, AdvancedLineBreakPicker) {
  TAdvancedLineBreakComboBox picker;
  EXPECT_EQ(picker.GetCount(), 9);
  EXPECT_EQ(picker.SelectedIntId(), 10);
  EXPECT_EQ(picker.SelectedStrId(), "lf");
  TAdvancedLineBreakItems all;
  all.ShowItemCustomStr = all.ShowItemTab = all.ShowItemNoChar = all.ShowItemFixedLineLength = true;
  picker.ShowItems(all);
  EXPECT_EQ(picker.SelectedIntId(), -1);
  int custom = picker.GetIndexOfIntId(110);
  ASSERT_GE(custom, 0);
  EXPECT_EQ(picker.Items()[static_cast<size_t>(custom)].FixedString, "Custom String:");
  EXPECT_EQ(picker.Items()[static_cast<size_t>(custom)].StrId, "customstr-");
  picker.show();
  Pick(picker.List(), custom);
  picker.Edit()->setText(QStringLiteral(";;"));
  EXPECT_EQ(picker.SelectedStrId(), "customstr-;;");
  EXPECT_EQ(picker.SelectedIntId(), 110);
  picker.SetSelectedStrId("crlf");
  EXPECT_EQ(picker.SelectedIntId(), 1310);
  EXPECT_FALSE(picker.Edit()->isVisible());
  int shown = picker.List()->currentIndex();
  picker.RefreshItems();
  EXPECT_EQ(picker.List()->currentIndex(), shown);
  EXPECT_EQ(picker.SelectedIntId(), -1);
}

TEST_F(IDCombo, CSVPicker) {
  TCSVParamComboBox picker;
  EXPECT_EQ(picker.GetCount(), 6);
  EXPECT_EQ(picker.SelectedIntId(), 11);
  EXPECT_EQ(picker.SelectedStrId(), "comma");
  std::vector<std::string> captions;
  for (const auto& item : picker.Items()) captions.push_back(item.FixedString);
  EXPECT_EQ(captions, (std::vector<std::string>{"Comma ,", "Semicolon ;", "Pipe |", "Hyphen -", "Space", "Tab"}));
  TCSVParamItems switches;
  switches.ShowItemsQuotes = switches.ShowItemCustomCP = switches.ShowItemFixedLength = true;
  picker.ShowItems(switches);
  int cp = picker.GetIndexOfIntId(32);
  ASSERT_GE(cp, 0);
  EXPECT_EQ(picker.Items()[static_cast<size_t>(cp)].FixedString, "Custom Code Point:");
  EXPECT_EQ(picker.Items()[static_cast<size_t>(picker.GetIndexOfIntId(21))].FixedString, "Double Quote \"");
  picker.SetSelectedStrId("fixedlength-12");
  EXPECT_EQ(picker.SelectedIntId(), 40);
  EXPECT_EQ(picker.Edit()->text(), QStringLiteral("12"));
  picker.ItemCaptionFunc = [](int32_t id) { return id == 11 ? std::string("Komma") : std::string(); };
  picker.RefreshItems();
  EXPECT_EQ(picker.Items()[0].FixedString, "Komma ,");
}

TEST_F(IDCombo, Screenshot) {
  QWidget window;
  auto* codePages = new TCodePageComboBox(&window);
  codePages->setGeometry(10, 10, 260, codePages->sizeHint().height());
  auto* lineBreaks = new TLineBreakComboBox(&window);
  lineBreaks->setGeometry(10, 45, 260, lineBreaks->sizeHint().height());
  auto* csv = new TCSVParamComboBox(&window);
  TCSVParamItems switches;
  switches.ShowItemCustomStr = true;
  csv->ShowItems(switches);
  csv->SetSelectedStrId("customstr-::");
  csv->setGeometry(10, 80, 260, 70);
  window.resize(280, 160);
  window.show();
  QApplication::processEvents();
  SaveScreenshot(&window, "encoding_pickers");
}
