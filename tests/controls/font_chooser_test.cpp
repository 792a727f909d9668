#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QWheelEvent>

#include "controls/font_chooser.h"
#include "controls/font_classification.h"
#include "controls/font_list_box.h"
#include "controls_test_app.h"
#include "foundation/qt/qt_strings.h"
#include "text/text_store.h"

namespace {

void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent e(QEvent::KeyPress, key, mods);
  QApplication::sendEvent(w, &e);
}

// A list of n rows named "Font i", shown and painted once.
struct TListFixture {
  explicit TListFixture(int n) {
    list.OwnerData = true;
    list.SetShowSubTitle(true);
    list.OnData = [](QObject*, std::string& name, std::string& text, std::string& sub, TFontStyleSet&, int32_t i) {
      name = "DejaVu Sans";
      text = "Font " + std::to_string(i);
      sub = "sub";
    };
    list.SetCount(n);
    list.resize(200, 200);
    list.show();
    list.grab();
  }
  TFontListBox list;
};

class FontChooser : public ::testing::Test {
 protected:
  void SetUp() override { ControlsTestApp(); }
};

}  // namespace

TEST_F(FontChooser, CountOnlyWithOwnerDataAndResets) {
  TFontListBox list;
  list.SetCount(5);
  EXPECT_EQ(list.Count(), 0);
  list.OwnerData = true;
  list.SetCount(5);
  EXPECT_EQ(list.Count(), 5);
  list.SelectItem(2, true);
  EXPECT_EQ(list.ItemIndex(), 2);
  list.SetCount(5);  // same count: nothing, the selection stays
  EXPECT_EQ(list.ItemIndex(), 2);
  list.OwnerData = false;
  list.SetCount(7);
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(list.ItemIndex(), -1);
  TFontListBox empty;
  empty.SelectItem(0, true);
  EXPECT_EQ(empty.ItemIndex(), -1);
  Key(&empty, Qt::Key_End);
  EXPECT_EQ(empty.ItemIndex(), -1);
}

TEST_F(FontChooser, KeysMoveTheSelection) {
  TListFixture f(40);
  TFontListBox& list = f.list;
  std::vector<std::string> selected;
  list.OnSelectFont = [&](QObject*, const std::string& name) { selected.push_back(name); };
  int page = list.ScrollBar()->pageStep();
  EXPECT_GT(page, 0);
  list.ScrollBar()->setPageStep(3);
  Key(&list, Qt::Key_PageUp);
  EXPECT_EQ(list.ItemIndex(), 0);
  Key(&list, Qt::Key_Down);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_FALSE(list.ItemInfos()[0].Selected);
  Key(&list, Qt::Key_Down, Qt::ControlModifier);  // keeps the earlier selection
  EXPECT_TRUE(list.ItemInfos()[1].Selected);
  EXPECT_TRUE(list.ItemInfos()[2].Selected);
  Key(&list, Qt::Key_End);
  EXPECT_EQ(list.ItemIndex(), 39);
  EXPECT_EQ(list.TopIndex(), 39);
  Key(&list, Qt::Key_Home);
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(list.TopIndex(), 0);
  Key(&list, Qt::Key_PageDown);
  EXPECT_EQ(list.ItemIndex(), 3);
  Key(&list, Qt::Key_A, Qt::ControlModifier);
  for (const auto& item : list.ItemInfos()) EXPECT_TRUE(item.Selected);
  // The font name was the same on every row: reported once.
  EXPECT_EQ(selected, std::vector<std::string>{"DejaVu Sans"});
}

TEST_F(FontChooser, MouseSelectionAndWheel) {
  TListFixture f(40);
  TFontListBox& list = f.list;
  list.MultiSelect = true;
  int rowHeight = list.ItemInfos()[0].Height;
  ASSERT_GT(rowHeight, 0);
  auto click = [&](int row, Qt::KeyboardModifiers mods) {
    QPointF at(10, row * rowHeight + rowHeight / 2);
    QMouseEvent e(QEvent::MouseButtonPress, at, list.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, mods);
    QApplication::sendEvent(&list, &e);
  };
  click(0, Qt::NoModifier);
  EXPECT_EQ(list.ItemIndex(), 0);
  click(2, Qt::ShiftModifier);
  EXPECT_EQ(list.ItemIndex(), 2);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(list.ItemInfos()[static_cast<size_t>(i)].Selected) << i;
  EXPECT_FALSE(list.ItemInfos()[3].Selected);

  auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
    QPointF at(10, 10);
    QWheelEvent e(at, list.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, mods, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&list, &e);
  };
  wheel(-120, Qt::NoModifier);
  EXPECT_EQ(list.ScrollBar()->value(), 3);
  EXPECT_EQ(list.TopIndex(), 3);
  list.SetFontSize(1);
  wheel(-120, Qt::ControlModifier);
  EXPECT_EQ(list.FontSize(), 1);
  wheel(120, Qt::ControlModifier);
  EXPECT_EQ(list.FontSize(), 2);
}

TEST_F(FontChooser, RightToLeftMovesBarAndText) {
  TListFixture f(3);
  TFontListBox& list = f.list;
  list.OnData = [](QObject*, std::string& name, std::string& text, std::string& sub, TFontStyleSet&, int32_t) {
    name = "DejaVu Sans";
    text = "ab\nc";
    sub = "sub";
  };
  list.ResetItemHeight();
  QImage ltr = list.grab().toImage();
  EXPECT_GT(list.ScrollBar()->x(), 0);
  list.setLayoutDirection(Qt::RightToLeft);
  QImage rtl = list.grab().toImage();
  EXPECT_EQ(list.ScrollBar()->x(), 0);
  // Ink of the first two text lines: near the left edge, then near the right.
  auto inkColumns = [](const QImage& image, int fromY, int toY) {
    int first = image.width(), last = -1;
    for (int y = fromY; y < toY; ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 100) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
      }
    }
    return std::make_pair(first, last);
  };
  int rowHeight = list.ItemInfos()[0].Height;
  int lineHeight = QFontMetrics(QFont(QStringLiteral("DejaVu Sans"))).height();
  auto left = inkColumns(ltr, 8, 8 + 2 * lineHeight);
  auto right = inkColumns(rtl, 8, 8 + 2 * lineHeight);
  EXPECT_GE(left.first, 8);
  EXPECT_LT(left.first, 12);
  EXPECT_GT(right.first, 150);
  EXPECT_LE(right.second, 200 - 8);
  EXPECT_GT(rowHeight, 2 * lineHeight);
  SaveScreenshot(&list, "font_list_box_rtl");
}

TEST_F(FontChooser, HighlightFollowsTheBackground) {
  TFontListBox list;
  list.SetHighlightColor(0x123456);
  EXPECT_EQ(list.SelectionColor(), 0x123456u);
  list.SetBackgroundColor(0x000000);
  list.SetHighlightColor(0x123456);
  EXPECT_EQ(list.SelectionColor(), GetSelectionColorDarkerOrLighter(0x000000));
}

TEST_F(FontChooser, PreviewTextAndTexts) {
  EXPECT_EQ(TFontSelectDialog::PreviewText("%name%\nabc %name%", "Mono"), "Mono\nabc Mono");
  EXPECT_EQ(TFontSelectDialog::PreviewText("%NAME%", "Mono"), "%NAME%");
  EXPECT_EQ(TFontSelectDialog::PreviewText("%name%", "%name%"), "%name%");

  TFontSelectDialog plain(true, {});
  EXPECT_EQ(plain.InitialFont, "Arial");
  EXPECT_EQ(plain.StrCaption, "Select Font");
  SetSprResGlobal(0);
  TFontSelectDialogSpr spr(true, {});
  EXPECT_EQ(spr.StrCaption, "Select Font");
  EXPECT_EQ(spr.StrOk, "OK");
  EXPECT_EQ(spr.StrCancel, "Cancel");
  EXPECT_EQ(spr.StrAdvanced, "Advanced");
  EXPECT_EQ(spr.StrFilterDesMultiCommaSemicolon,
            "Multiple terms can be separated by a comma or a semicolon (Example: word1,word2)");
  EXPECT_EQ(spr.StrThick, "Thick");
  EXPECT_EQ(spr.StrSerif, "Serif");
  EXPECT_EQ(spr.StrSansSerif, "Sans Serif");
}

TEST_F(FontChooser, ChooseAFontOrCancel) {
  TFontSelectDialogSpr chooser(true, InstalledFontFamilies());
  chooser.InitialFont = "DejaVu Serif";
  OnNextModal([&](QWidget* modal) {
    EXPECT_EQ(chooser.FontNameEdit()->text(), QStringLiteral("DejaVu Serif"));
    EXPECT_GT(chooser.ListBox()->Count(), 0);
    EXPECT_FALSE(chooser.SidePanel()->isVisible());
    chooser.AdvancedButton()->click();
    EXPECT_TRUE(chooser.SidePanel()->isVisible());
    EXPECT_FALSE(chooser.AdvancedButton()->isVisible());
    // The filter and the classification boxes drive the list.
    int all = chooser.ListBox()->Count();
    chooser.FilterEdit()->setText(QStringLiteral("mono"));
    EXPECT_LT(chooser.ListBox()->Count(), all);
    chooser.FilterEdit()->clear();
    EXPECT_EQ(chooser.ListBox()->Count(), all);
    chooser.PreviewEdit()->setText(QStringLiteral("%name%\nThe quick brown fox"));
    QApplication::processEvents();
    SaveScreenshot(modal, "font_chooser");
    chooser.ListBox()->setFocus();
    chooser.ListBox()->SelectItem(0, true);
    chooser.ListBox()->RefreshSelectionChangeInternal();
    EXPECT_EQ(chooser.FontNameEdit()->text(), ToQString(chooser.FontManager().GetFMFontRecFromVisibleFonts(0).Name));
    modal->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
  });
  EXPECT_TRUE(chooser.Execute());
  EXPECT_EQ(chooser.InitialFont, chooser.FontManager().GetFMFontRecFromVisibleFonts(0).Name);

  OnNextModal([&](QWidget* modal) {
    chooser.FontNameEdit()->setText(QStringLiteral("Typed"));
    modal->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
  });
  EXPECT_FALSE(chooser.Execute());
  EXPECT_EQ(chooser.InitialFont, "Typed");
}
