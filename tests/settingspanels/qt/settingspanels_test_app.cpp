#include "settingspanels_test_app.h"

#include "text/translations.h"

QApplication& PanelsTestApp() {
  // The panels read the library's texts in every language.
  static const bool registered = (RegisterTranslations(), true);
  (void)registered;
  return EnsureTestApplication("settingspanels_qt_tests");
}

void SaveScreenshot(QWidget* widget, const std::string& name) { SaveWidgetScreenshot(widget, "settingspanels_", name); }

TEveryKind DeclareEveryKind(TSettingsContainerModel& m) {
  TEveryKind k;
  k.Record.fill(-1);
  auto add = [&](int32_t tab, int32_t kind, int32_t slot, const std::string& key, const std::string& def,
                 const std::string& caption = "") {
    const int32_t i = m.AddControl(tab, kind, caption, slot, key, def);
    if (k.Record[static_cast<size_t>(kind)] < 0) k.Record[static_cast<size_t>(kind)] = i;
    return i;
  };
  k.Head = m.AddSectionHead("Settings", 11);
  k.Search = m.AddTab("Search", 81, "search", scTabTypeCheckBox, k.Head);
  k.Replace = m.AddTab("Replace", 83, "replace", scTabTypeCheckBox, k.Head);
  k.Options = m.AddTab("Options", 26, "options", scTabTypeLabel);
  k.View = m.AddTab("View", 127, "view", scTabTypeLabel);

  // Texts and panels.
  add(k.Search, sckLabelHeading, 99, "", "", "Search and Replace");
  add(k.Search, sckLabel, 95, "", "", "Multiple terms");
  add(k.Search, sckColumnLabel, -1, "", "", "Key\tValue\nalpha\t1\nbeta\t22");
  add(k.Search, sckHTMLPanel, -1, "", "", "Read the <a=link:17>notes</a> first.");
  add(k.Search, sckCheckPanel, 108, "panel", "0", "Match Case");
  k.NestedEdit = add(k.Search, sckEdit, -1, "nested", "inside");
  m.ControlRecords[k.NestedEdit].ParentLevel = scParentCheckPanel;
  add(k.Search, sckCollapsiblePanel, 27, "", "", "Advanced");
  k.NestedCheck = m.AddControl(k.Search, sckCheckBox, "Case Sensitive", 109, "casesensitive", "1");
  m.ControlRecords[k.NestedCheck].ParentLevel = scParentCollapsiblePanel;
  const int32_t searchFor = add(k.Search, sckEditTextTop, 84, "searchfor", "Replace", "Search for");
  m.ControlRecords[searchFor].DefaultValueTextSlot = 83;
  m.ControlRecords[searchFor].SpaceAbove = true;
  add(k.Search, sckEditTextRight, 115, "days", "10", "Date");
  const int32_t multi = add(k.Search, sckEditMultiLabel, 116, "time", "12:00", "Time");
  m.ControlRecords[multi].IntArrayValue = {116, 118};
  const int32_t first = add(k.Search, sckButton, 17, "", "", "Refresh Preview");
  m.ControlRecords[first].Param = 1;
  k.SecondButton = add(k.Search, sckButton, 36, "", "", "Refresh");
  k.ThirdButton = add(k.Search, sckButton, 125, "", "", "Reset");

  // Memos, checks and radios.
  const int32_t memo = add(k.Replace, sckMemo, -1, "memo", "one\ntwo");
  m.ControlRecords[memo].IntArrayValue = m.ControlRecords[memo].DefaultIntArrayValue = {50};
  const int32_t memoTop = add(k.Replace, sckMemoTextTop, 100, "replacements", "Replace with", "Replacements");
  m.ControlRecords[memoTop].IntArrayValue = m.ControlRecords[memoTop].DefaultIntArrayValue = {100};
  m.ControlRecords[memoTop].DefaultValueTextSlot = 85;
  add(k.Replace, sckCheckBox, 108, "matchcase", "0", "Match Case");
  add(k.Replace, sckRadioButton, 110, "ignorecase", "0", "Ignore Case");
  const int32_t group = m.AddRadioButtonGroup(k.Replace, "Sort by", 129, "sort", "name", 1);
  k.Record[sckRadioButtonGroup] = group;
  k.Radios = {m.AddRadioButtonGroupItem(group, "Name", 241, "name", 1),
              m.AddRadioButtonGroupItem(group, "Date", 115, "date", 2),
              m.AddRadioButtonGroupItem(group, "Time", 116, "time", 3)};
  k.Record[sckRadioButtonGroupItem] = k.Radios[0];

  // Lists and pickers.
  const int32_t ids = m.AddListInitializationData(
      {{2, "copy", 40, ""}, {1, "cut", 39, ""}, {3, "paste", 41, ""}, {4, "zzz", -1, "Fixed text"}});
  const int32_t plain = m.AddListInitializationData({{0, "", -1, "alpha"}, {0, "", -1, "beta"}});
  const int32_t idList = add(k.Options, sckIDComboBox, -1, "action", "cut");
  m.ControlRecords[idList].ListIndex = ids;
  m.ControlRecords[idList].Param = 1;
  const int32_t idListTop = add(k.Options, sckIDComboBoxTextTop, 122, "action2", "paste", "Custom");
  m.ControlRecords[idListTop].ListIndex = ids;
  m.ControlRecords[idListTop].Param = 0;
  const int32_t texts = add(k.Options, sckComboBoxTextTop, 128, "sorttext", "beta", "Sort");
  m.ControlRecords[texts].ListIndex = plain;
  const int32_t number = add(k.Options, sckNumberComboBox, -1, "count", "3");
  m.ControlRecords[number].IntArrayValue = {0, 10, 1};
  const int32_t numberTop = add(k.Options, sckNumberComboBoxTextTop, 73, "percent", "50", "Resize");
  m.ControlRecords[numberTop].IntArrayValue = {0, 100, 5};
  const int32_t format = add(k.Options, sckFileFormatComboBox, -1, "format", "txt");
  m.ControlRecords[format].Param = 6;
  const int32_t formatTop = add(k.Options, sckFileFormatComboBoxTextTop, 304, "format2", "png", "Format");
  m.ControlRecords[formatTop].Param = 2;
  add(k.Options, sckAlignmentComboBox, 631, "align", "left", "Alignment");
  add(k.Options, sckSizeTypeComboBox, 373, "unit", "KB", "Unit");
  const int32_t codePage = add(k.Options, sckCodePageComboBox, 130, "codepage", "utf8", "Character Encoding");
  m.ControlRecords[codePage].IntArrayValue = {1, 1};
  const int32_t lineBreak = add(k.Options, sckLineBreakComboBox, 131, "linebreak", "crlf", "Line Break");
  m.ControlRecords[lineBreak].IntArrayValue = {1, 1, 1, 1};
  const int32_t advanced = add(k.Options, sckAdvancedLineBreakComboBox, 131, "linebreak2", "lf", "Line Break");
  m.ControlRecords[advanced].IntArrayValue = {0, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0};
  const int32_t csv = add(k.Options, sckCSVParamComboBox, 370, "separator", "semicolon", "Value");
  m.ControlRecords[csv].IntArrayValue = {0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0};
  add(k.Options, sckDateTimeEdit, -1, "stamp", "20240229120000");
  add(k.Options, sckDateTimeEditTextTop, 115, "stamp2", "20000101000000", "Date");
  add(k.Options, sckFolderEdit, 255, "folder", "/tmp", "Folder");

  // List view, its buttons, order lists and the action list's place.
  const int32_t view = add(k.View, sckVirtualListView, -1, "", "");
  m.AddVirtualListViewColumn(view, m.AddColumnDefinition(scColumnOneLine, 241), 241);
  m.AddVirtualListViewColumn(view, m.AddColumnDefinition(scColumnMultiLine, 739), 739);
  k.Record[sckVirtualListViewColumn] = m.AddVirtualListViewColumn(view, m.AddColumnDefinition(scColumnFlag, 366), 366);
  const int32_t buttons = add(k.View, sckVirtualListViewButtonPanel, -1, "", "");
  m.ControlRecords[buttons].IntValue = m.ControlRecords[buttons].DefaultIntValue = view;
  const int32_t order = add(k.View, sckOrderListBox, -1, "order", "");
  k.OrderItems = {m.AddOrderListItem(order, "Name", 241, "name"), m.AddOrderListItem(order, "Size", 246, "size"),
                  m.AddOrderListItem(order, "Date", 115, "date")};
  k.Record[sckOrderListItem] = k.OrderItems[0];
  const int32_t order2 = add(k.View, sckOrderListBoxAlt, -1, "order2", "");
  m.AddOrderListItem(order2, "Width", 646, "w");
  m.AddOrderListItem(order2, "Height", 647, "h");
  add(k.View, sckActionList, -1, "", "");
  return k;
}

// fontconfig keeps a few blocks of its cache to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
