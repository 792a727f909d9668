// The save-target panel's widgets: what a new panel shows, values set by the
// host and by the user, the storage profiles in the lists, the layout rules,
// and the settings section read back by python's configparser.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <map>

#include "controls/advanced_combo_box.h"
#include "controls/caption_panels.h"
#include "controls/multiline_check.h"
#include "foundation/config_files.h"
#include "foundation/paths.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/qt/text_measurer.h"
#include "foundation/str_split.h"
#include "settingspanels/qt/save_target_panel.h"
#include "settingspanels_test_app.h"
#include "test_support.h"

namespace {

TStrArray Items(const QComboBox* box) {
  TStrArray items;
  for (int i = 0; i < box->count(); ++i) items.push_back(FromQString(box->itemText(i)));
  return items;
}

// Picks an entry the way a user does: the list drops down and the entry is clicked.
void PickEntry(QComboBox* box, int index) {
  box->showPopup();
  QAbstractItemView* view = box->view();
  const QRect rect = view->visualRect(view->model()->index(index, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
  QApplication::processEvents();
}

// Clicks a check box or radio button on its box, where a click always lands.
void Click(QAbstractButton* button) {
  const int x = button->isRightToLeft() ? button->width() - 6 : 6;
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(x, button->height() / 2));
}

// Replaces the text of an editable list by typing.
void Type(QComboBox* box, const QString& text) {
  box->lineEdit()->selectAll();
  QTest::keyClicks(box->lineEdit(), text);
}

class SaveTargetPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    PanelsTestApp();
    P = std::make_unique<TSaveSettingsContainer>();
    P->OnChange = [this](TSaveSettingsContainerModel* sender) {
      EXPECT_EQ(sender, P.get());
      ++Changes;
    };
  }
  // Shows the panel at its width and a height that holds all of it.
  void ShowPanel(int width = 300) {
    P->resize(width, 400);
    P->show();
    QApplication::processEvents();
    P->resize(width, P->sizeHint().height());
    QApplication::processEvents();
  }
  std::unique_ptr<TSaveSettingsContainer> P;
  int Changes = 0;
};

TEST_F(SaveTargetPanel, ANewPanelShowsTheInitialValues) {
  EXPECT_EQ(P->size(), QSize(150, 250));
  EXPECT_EQ(P->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(P->RadioButtonOverwriteFile()->text(), "Overwrite File");
  EXPECT_EQ(P->RadioButtonSaveAsNewFile()->text(), "Save as new File");
  EXPECT_FALSE(P->RadioButtonOverwriteFile()->isChecked());
  EXPECT_TRUE(P->RadioButtonSaveAsNewFile()->isChecked());
  const std::pair<TSaveTargetList, const char*> labels[] = {
      {stlFolder, "Folder:"}, {stlName, "Name:"}, {stlFormat, "Format:"}};
  for (const auto& [list, caption] : labels) {
    EXPECT_EQ(P->Label(list)->text(), caption);
    EXPECT_EQ(Items(P->ComboBox(list)), TStrArray{"<keep>"});
    EXPECT_EQ(P->SelectedIndex(list), 0);
    EXPECT_TRUE(P->ComboBox(list)->isEditable());
    EXPECT_EQ(P->ComboBox(list)->DropDownCount(), 16);
  }
  EXPECT_EQ(P->FolderButton()->text(), "...");
  EXPECT_TRUE(P->FolderButton()->autoRaise());
  const std::pair<TSaveTargetOption, const char*> checks[] = {
      {stoSaveOnlyInCaseOfChange, "Save only in case of a Change"},
      {stoKeepDateOfOriginalFile, "Keep Date of original File"},
      {stoDeleteOriginalFile, "Delete original File"},
      {stoOpenFileAfterCreating, "Open File after creating"},
  };
  for (const auto& [option, caption] : checks) {
    EXPECT_FALSE(P->CheckBox(option)->isChecked());
    EXPECT_EQ(P->CheckBox(option)->text().replace('\n', ' '), caption);
  }
  // Stacked from the top in this order.
  ShowPanel();
  const QWidget* order[] = {P->RadioButtonOverwriteFile(),
                            P->RadioButtonSaveAsNewFile(),
                            P->Row(stlFolder),
                            P->Row(stlName),
                            P->Row(stlFormat),
                            P->CheckBox(stoSaveOnlyInCaseOfChange),
                            P->CheckBox(stoKeepDateOfOriginalFile),
                            P->CheckBox(stoDeleteOriginalFile),
                            P->CheckBox(stoOpenFileAfterCreating)};
  for (size_t i = 1; i < std::size(order); ++i) EXPECT_GE(order[i]->y(), order[i - 1]->geometry().bottom() + 1) << i;
  // The folder button sits at the trailing end of its row, one pixel from the list.
  EXPECT_EQ(P->FolderButton()->x() - P->ComboBox(stlFolder)->geometry().right() - 1, 1);
}

TEST_F(SaveTargetPanel, TheHostsValuesReachTheControlsWithoutAChange) {
  P->SetValFolder("/out");
  P->SetValName("%num%");
  P->SetValFormat("PNG");
  P->SetOptOverwriteFile(true);
  P->SetOptDeleteOriginalFile(true);
  P->SetOptOpenFileAfterCreating(true);
  P->SetOptSaveOnlyInCaseOfChange(true);
  P->SetOptKeepDateOfOriginalFile(true);
  EXPECT_EQ(P->ComboBox(stlFolder)->Text(), "/out");
  EXPECT_EQ(P->ComboBox(stlName)->Text(), "%num%");
  EXPECT_EQ(P->ComboBox(stlFormat)->Text(), "PNG");
  EXPECT_EQ(P->SelectedIndex(stlFolder), -1);
  EXPECT_TRUE(P->RadioButtonOverwriteFile()->isChecked());
  EXPECT_FALSE(P->RadioButtonSaveAsNewFile()->isChecked());
  for (TSaveTargetOption o :
       {stoDeleteOriginalFile, stoOpenFileAfterCreating, stoSaveOnlyInCaseOfChange, stoKeepDateOfOriginalFile})
    EXPECT_TRUE(P->CheckBox(o)->isChecked()) << o;
  P->SetOptOverwriteFile(false);
  EXPECT_TRUE(P->RadioButtonSaveAsNewFile()->isChecked());
  EXPECT_TRUE(P->ValsFromFilePath("/home/u/report.DOCX"));
  EXPECT_EQ(P->ComboBox(stlFolder)->Text(), "/home/u");
  EXPECT_EQ(P->ComboBox(stlName)->Text(), "report");
  EXPECT_EQ(P->ComboBox(stlFormat)->Text(), "DOCX");
  P->ResetValuesToDefault();
  for (TSaveTargetOption o :
       {stoDeleteOriginalFile, stoOpenFileAfterCreating, stoSaveOnlyInCaseOfChange, stoKeepDateOfOriginalFile})
    EXPECT_FALSE(P->CheckBox(o)->isChecked()) << o;
  EXPECT_EQ(P->ComboBox(stlFolder)->Text(), "/home/u");
  EXPECT_EQ(Changes, 0);
}

TEST_F(SaveTargetPanel, WhatTheUserDoesBecomesTheValues) {
  ShowPanel();
  Type(P->ComboBox(stlFolder), "/out");
  EXPECT_EQ(P->ValFolder(), "/out");
  EXPECT_EQ(Changes, 4);  // one per key
  Type(P->ComboBox(stlName), "%num% - copy");
  EXPECT_EQ(P->ValName(), "%num% - copy");
  Type(P->ComboBox(stlFormat), " png - x");
  EXPECT_EQ(P->ValFormat(), "png");
  EXPECT_EQ(P->ComboBox(stlFormat)->Text(), " png - x");  // the list is not written back
  Changes = 0;

  Click(P->CheckBox(stoDeleteOriginalFile));
  EXPECT_TRUE(P->OptDeleteOriginalFile());
  P->CheckBox(stoOpenFileAfterCreating)->setFocus();
  QTest::keyClick(P->CheckBox(stoOpenFileAfterCreating), Qt::Key_Space);
  EXPECT_TRUE(P->OptOpenFileAfterCreating());
  Click(P->CheckBox(stoSaveOnlyInCaseOfChange));
  Click(P->CheckBox(stoKeepDateOfOriginalFile));
  EXPECT_TRUE(P->OptSaveOnlyInCaseOfChange());
  EXPECT_TRUE(P->OptKeepDateOfOriginalFile());
  EXPECT_EQ(Changes, 4);
  Click(P->CheckBox(stoKeepDateOfOriginalFile));
  EXPECT_FALSE(P->OptKeepDateOfOriginalFile());
  Changes = 0;

  // Both radio buttons report the switch.
  Click(P->RadioButtonOverwriteFile());
  EXPECT_TRUE(P->OptOverwriteFile());
  EXPECT_EQ(Changes, 2);
  Click(P->RadioButtonSaveAsNewFile());
  EXPECT_FALSE(P->OptOverwriteFile());
  EXPECT_EQ(Changes, 4);
  Changes = 0;

  P->SetStorageProfile(spTextDefFromFile);
  PickEntry(P->ComboBox(stlName), 3);
  EXPECT_EQ(P->ValName(), "%num%");
  PickEntry(P->ComboBox(stlFolder), 1);
  EXPECT_EQ(P->ValFolder(), "%folder%/new");
  EXPECT_EQ(Changes, 2);
}

TEST_F(SaveTargetPanel, StorageProfilesFillTheLists) {
  P->SetValName("mine");
  P->SetStorageProfile(spImgDefNew);
  EXPECT_TRUE(Items(P->ComboBox(stlFolder)).empty());
  EXPECT_EQ(Items(P->ComboBox(stlName)), (TStrArray{"%yyyy%-%mm%-%tt%", "%hh%-%ii%-%ss%", "%date% %time%"}));
  EXPECT_EQ(P->SelectedIndex(stlName), -1);
  EXPECT_EQ(P->ComboBox(stlName)->Text(), "mine");  // nothing selected: the value stays in view
  EXPECT_EQ(Items(P->ComboBox(stlFormat)), (TStrArray{"JPG", "PNG", "BMP"}));
  EXPECT_EQ(P->ComboBox(stlFormat)->currentText(), "JPG");
  EXPECT_FALSE(P->ComboBox(stlFormat)->isEditable());
  EXPECT_FALSE(P->AllowCustomFormat());
  EXPECT_EQ(P->ValFolder(), "<keep>");
  EXPECT_EQ(P->ValName(), "mine");
  EXPECT_EQ(P->ValFormat(), "<keep>");

  P->SetStorageProfile(spCustom);
  EXPECT_EQ(Items(P->ComboBox(stlFormat)), (TStrArray{"JPG", "PNG", "BMP"}));

  P->SetStorageProfile(spImgAllFromFile);
  EXPECT_EQ(P->ComboBox(stlFormat)->count(), 30);
  EXPECT_EQ(P->ComboBox(stlFormat)->DropDownCount(), 25);
  EXPECT_EQ(P->ComboBox(stlFormat)->currentText(), "<keep>");
  EXPECT_EQ(P->ComboBox(stlFolder)->currentText(), "<keep>");
  EXPECT_EQ(P->SelectedIndex(stlName), 1);
  ShowPanel();
  PickEntry(P->ComboBox(stlFormat), 7);
  EXPECT_EQ(P->ValFormat(), "TIFF");
  EXPECT_EQ(Changes, 1);
  // A list that offers only its entries shows the one of a value set by the host.
  P->SetValFormat("PNG");
  EXPECT_EQ(P->ComboBox(stlFormat)->currentText(), "PNG - Portable Network Graphics");

  // Back to a list that takes typed text: typing still reports.
  P->SetStorageProfile(spTextDefNew);
  EXPECT_TRUE(P->ComboBox(stlFormat)->isEditable());
  EXPECT_EQ(P->ComboBox(stlFormat)->DropDownCount(), 16);
  Type(P->ComboBox(stlFormat), "md");
  EXPECT_EQ(P->ValFormat(), "md");
  EXPECT_EQ(Changes, 3);
}

TEST_F(SaveTargetPanel, IndentAndLabelWidths) {
  ShowPanel();
  const int wo = GetWidthForFont(P->font(), "wo");
  EXPECT_EQ(P->IndentWidth(), wo);
  int widest = 0;
  for (const char* caption : {"Folder:", "Name:", "Format:"})
    widest = std::max(widest, GetWidthForFont(P->font(), caption));
  const int labelWidth = P->Label(stlFolder)->minimumWidth();
  EXPECT_GE(labelWidth, widest);
  EXPECT_LE(labelWidth, widest + 2);  // what the label draws beyond the advance
  for (TSaveTargetList list : {stlFolder, stlName, stlFormat}) {
    EXPECT_EQ(P->Row(list)->layout()->contentsMargins().left(), wo);
    EXPECT_EQ(P->Row(list)->layout()->contentsMargins().right(), 0);
    EXPECT_EQ(P->Label(list)->minimumWidth(), labelWidth);
    EXPECT_EQ(P->Label(list)->width(), labelWidth);
    EXPECT_EQ(P->Label(list)->x(), wo);
    // The label's gap of 8 and the list's indent: the larger one counts.
    EXPECT_EQ(P->ComboBox(list)->x() - P->Label(list)->geometry().right() - 1, std::max(8, wo));
  }
  // All three lists begin at the same place.
  EXPECT_EQ(P->ComboBox(stlFolder)->x(), P->ComboBox(stlFormat)->x());

  P->SetCaptionName("A much longer name caption:");
  EXPECT_EQ(P->Label(stlName)->minimumWidth(), labelWidth);  // until the next indent run
  P->IndentControls();
  EXPECT_GE(P->Label(stlFolder)->minimumWidth(), GetWidthForFont(P->font(), "A much longer name caption:"));
  EXPECT_EQ(P->Label(stlFolder)->minimumWidth(), P->Label(stlName)->minimumWidth());

  P->SetShowOverwriteFile(false);
  EXPECT_TRUE(P->RadioButtonOverwriteFile()->isHidden());
  EXPECT_TRUE(P->RadioButtonSaveAsNewFile()->isHidden());
  EXPECT_EQ(P->IndentWidth(), 0);
  EXPECT_EQ(P->Row(stlFolder)->layout()->contentsMargins().left(), 0);
  P->SetShowOverwriteFile(true);
  EXPECT_FALSE(P->RadioButtonOverwriteFile()->isHidden());
  EXPECT_EQ(P->IndentWidth(), wo);
}

TEST_F(SaveTargetPanel, VerticalSpacingFollowsWhatIsShown) {
  ShowPanel();
  QWidget* folder = P->Row(stlFolder);
  QWidget* name = P->Row(stlName);
  QWidget* format = P->Row(stlFormat);
  auto gap = [](QWidget* upper, QWidget* lower) { return lower->y() - upper->geometry().bottom() - 1; };
  EXPECT_EQ(P->TopSpacing(folder), 8);
  EXPECT_EQ(P->BottomSpacing(folder), 8);
  EXPECT_EQ(P->TopSpacing(name), 8);
  EXPECT_EQ(P->BottomSpacing(name), 3);
  EXPECT_EQ(P->BottomSpacing(format), 8);
  EXPECT_EQ(gap(P->RadioButtonOverwriteFile(), P->RadioButtonSaveAsNewFile()), 1);
  EXPECT_EQ(gap(P->RadioButtonSaveAsNewFile(), folder), 8);
  EXPECT_EQ(gap(folder, name), 8);
  EXPECT_EQ(gap(name, format), 8);
  EXPECT_EQ(gap(format, P->CheckBox(stoSaveOnlyInCaseOfChange)), 8);
  EXPECT_EQ(gap(P->CheckBox(stoSaveOnlyInCaseOfChange), P->CheckBox(stoKeepDateOfOriginalFile)), 1);

  // Without the radio buttons the folder row keeps its top spacing and gets the small bottom one.
  P->SetShowOverwriteFile(false);
  QApplication::processEvents();
  EXPECT_EQ(P->TopSpacing(folder), 8);
  EXPECT_EQ(P->BottomSpacing(folder), 3);
  EXPECT_EQ(folder->y(), 8);
  EXPECT_EQ(gap(folder, name), 8);

  // Without any check box the format row ends with the small spacing.
  P->SetShowDeleteOriginalFile(false);
  P->SetShowOpenFileAfterCreating(false);
  P->SetShowSaveOnlyInCaseOfChange(false);
  QApplication::processEvents();
  EXPECT_EQ(P->BottomSpacing(format), 8);
  EXPECT_EQ(gap(format, P->CheckBox(stoKeepDateOfOriginalFile)), 8);
  P->SetShowKeepDateOfOriginalFile(false);
  EXPECT_EQ(P->BottomSpacing(format), 3);
  for (TSaveTargetOption o :
       {stoDeleteOriginalFile, stoOpenFileAfterCreating, stoSaveOnlyInCaseOfChange, stoKeepDateOfOriginalFile})
    EXPECT_TRUE(P->CheckBox(o)->isHidden()) << o;
  QApplication::processEvents();
  EXPECT_EQ(P->sizeHint().height(), format->geometry().bottom() + 1 + 3);
  P->SetShowDeleteOriginalFile(true);
  EXPECT_FALSE(P->CheckBox(stoDeleteOriginalFile)->isHidden());
  EXPECT_EQ(P->BottomSpacing(format), 8);
}

TEST_F(SaveTargetPanel, ScreenshotsLeftToRightAndRightToLeft) {
  for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
    QWidget window;
    window.setLayoutDirection(direction);
    auto* column = new QVBoxLayout(&window);
    column->setContentsMargins(8, 8, 8, 8);
    auto* panel = new TSaveSettingsContainer(&window);
    column->addWidget(panel);
    panel->SetStorageProfile(spTextImgSpreadsheetDefFromFile);
    panel->SetValFolder("/home/user/Documents/out");
    panel->SetOptKeepDateOfOriginalFile(true);
    window.resize(320, 300);
    window.show();
    QApplication::processEvents();
    window.resize(320, window.sizeHint().height());
    QApplication::processEvents();
    const int indent = panel->IndentWidth();
    const QMargins margins = panel->Row(stlName)->layout()->contentsMargins();
    if (direction == Qt::RightToLeft) {
      EXPECT_EQ(margins.right(), indent);
      EXPECT_EQ(margins.left(), 0);
      // The label stands right of its list, the folder button left of it.
      EXPECT_GT(panel->Label(stlName)->x(), panel->ComboBox(stlName)->x());
      EXPECT_LT(panel->FolderButton()->x(), panel->ComboBox(stlFolder)->x());
      EXPECT_EQ(panel->Row(stlName)->width() - panel->Label(stlName)->geometry().right() - 1, indent);
    } else {
      EXPECT_EQ(margins.left(), indent);
      EXPECT_LT(panel->Label(stlName)->x(), panel->ComboBox(stlName)->x());
    }
    // Nothing reaches past the panel's edge.
    for (QWidget* child : panel->findChildren<QWidget*>()) {
      if (!child->isVisible()) continue;
      EXPECT_LE(child->mapTo(panel, QPoint(child->width(), 0)).x(), panel->width());
    }
    SaveScreenshot(&window, direction == Qt::RightToLeft ? "save_target_rtl" : "save_target_ltr");
  }
}

TEST_F(SaveTargetPanel, AChangeOfReadingDirectionMovesTheIndent) {
  ShowPanel();
  const int indent = P->IndentWidth();
  P->ComboBox(stlName)->lineEdit()->selectAll();
  ASSERT_TRUE(P->ComboBox(stlName)->lineEdit()->hasSelectedText());
  P->setLayoutDirection(Qt::RightToLeft);
  QApplication::processEvents();
  for (TSaveTargetList list : {stlFolder, stlName, stlFormat}) {
    EXPECT_EQ(P->Row(list)->layout()->contentsMargins().right(), indent);
    EXPECT_EQ(P->Row(list)->layout()->contentsMargins().left(), 0);
    EXPECT_GT(P->Label(list)->x(), P->ComboBox(list)->x());
    EXPECT_FALSE(P->ComboBox(list)->lineEdit()->hasSelectedText());
  }
  P->setLayoutDirection(Qt::LeftToRight);
  QApplication::processEvents();
  EXPECT_EQ(P->Row(stlName)->layout()->contentsMargins().left(), indent);
  EXPECT_LT(P->Label(stlName)->x(), P->ComboBox(stlName)->x());
}

// Every profile's lists, used as a user would, survive a settings file.
class SaveTargetFile : public SaveTargetPanel {
 protected:
  // Picks the last entry of every list and ticks every second option.
  void UseProfile(TSaveSettingsContainer& panel, TSaveSettingsContainerStorageProfile profile) {
    panel.SetStorageProfile(profile);
    panel.resize(300, 300);
    panel.show();
    QApplication::processEvents();
    for (TSaveTargetList list : {stlFolder, stlName, stlFormat})
      if (panel.ComboBox(list)->count() > 0) PickEntry(panel.ComboBox(list), panel.ComboBox(list)->count() - 1);
    if (panel.ComboBox(stlFolder)->count() == 0) Type(panel.ComboBox(stlFolder), "/home/u/out dir");
    Click(panel.RadioButtonOverwriteFile());
    Click(panel.CheckBox(stoOpenFileAfterCreating));
    Click(panel.CheckBox(stoKeepDateOfOriginalFile));
  }
  std::string SaveFile(TSaveSettingsContainer& panel, const std::string& name) {
    TConfigSaver doc;
    panel.SettingsSave(doc, "target", false);
    const std::string file = Dir.file(name);
    EXPECT_TRUE(doc.SaveToFile(file));
    return file;
  }
  testsupport::TempDir Dir;
};

TEST_F(SaveTargetFile, EveryStorageProfileRoundTrips) {
  for (int32_t p = spImgDefFromFile; p < kSaveTargetProfileCount; ++p) {
    const auto profile = static_cast<TSaveSettingsContainerStorageProfile>(p);
    TSaveSettingsContainer source;
    UseProfile(source, profile);
    const TStrArray formats = SaveTargetProfileLists(profile).Lists[stlFormat].Items;
    EXPECT_EQ(source.ValFormat(), FileFormatExtensionOfText(formats.back())) << p;
    const std::string file = SaveFile(source, "p" + std::to_string(p) + ".sxs");

    TConfigSaver doc;
    ASSERT_TRUE(doc.LoadFromFile(file));
    TSaveSettingsContainer target;
    target.SetStorageProfile(profile);
    target.SettingsLoad(doc, "target", false);
    EXPECT_EQ(target.ValFolder(), source.ValFolder()) << p;
    EXPECT_EQ(target.ValName(), source.ValName()) << p;
    EXPECT_EQ(target.ValFormat(), source.ValFormat()) << p;
    for (int32_t o = 0; o < kSaveTargetOptionCount; ++o)
      EXPECT_EQ(target.Opt(static_cast<TSaveTargetOption>(o)), source.Opt(static_cast<TSaveTargetOption>(o))) << p;
    EXPECT_TRUE(target.RadioButtonOverwriteFile()->isChecked()) << p;
    EXPECT_TRUE(target.CheckBox(stoKeepDateOfOriginalFile)->isChecked()) << p;
    EXPECT_EQ(target.ComboBox(stlName)->currentText(), source.ComboBox(stlName)->currentText()) << p;
    // A list that offers only its entries shows the loaded format's entry.
    EXPECT_EQ(target.ComboBox(stlFormat)->currentText(), source.ComboBox(stlFormat)->currentText()) << p;
  }
}

class ToolCheckSaveTargetFile : public SaveTargetFile {};

TEST_F(ToolCheckSaveTargetFile, ConfigParserReadsEveryProfilesSection) {
  for (int32_t p = spImgDefFromFile; p < kSaveTargetProfileCount; ++p) {
    const auto profile = static_cast<TSaveSettingsContainerStorageProfile>(p);
    TSaveSettingsContainer source;
    UseProfile(source, profile);
    const testsupport::CommandResult r =
        testsupport::ReadWithConfigParser(SaveFile(source, "p" + std::to_string(p) + ".sxs"));
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const std::string expected = "target|folder=" + source.ValFolder() + "\ntarget|name=" + source.ValName() +
                                 "\ntarget|format=" + source.ValFormat() +
                                 "\ntarget|overwrite_file=1\ntarget|delete_original_file=0\n"
                                 "target|open_file_after_creating=1\ntarget|save_only_in_case_of_change=0\n"
                                 "target|keep_file_date=1\n";
    EXPECT_EQ(r.out, expected) << p;
  }
}

}  // namespace
