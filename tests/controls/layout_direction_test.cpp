#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "controls/layout_direction.h"
#include "controls_test_app.h"
#include "text/language_constants.h"

TEST(FlipChildren, MirrorsOnceAndBack) {
  ControlsTestApp();
  QWidget panel;
  panel.resize(300, 100);
  auto* child = new QPushButton(QStringLiteral("A"), &panel);
  child->setGeometry(10, 20, 50, 25);
  auto* nested = new QWidget(&panel);
  nested->setGeometry(100, 50, 100, 40);
  auto* grandchild = new QLabel(QStringLiteral("x"), nested);
  grandchild->setGeometry(5, 5, 20, 20);

  EXPECT_TRUE(SprFlipChildren(&panel, SprLangArabic));
  EXPECT_EQ(child->geometry(), QRect(300 - 10 - 50, 20, 50, 25));
  EXPECT_EQ(nested->geometry(), QRect(100, 50, 100, 40));
  EXPECT_EQ(grandchild->geometry(), QRect(100 - 5 - 20, 5, 20, 20));
  EXPECT_EQ(panel.layoutDirection(), Qt::RightToLeft);
  EXPECT_TRUE(IsFlipped(&panel));

  EXPECT_FALSE(SprFlipChildren(&panel, SprLangArabic));
  EXPECT_EQ(child->x(), 240);

  EXPECT_TRUE(SprFlipChildren(&panel, SprLangGerman));
  EXPECT_EQ(child->geometry(), QRect(10, 20, 50, 25));
  EXPECT_EQ(grandchild->x(), 5);
  EXPECT_EQ(panel.layoutDirection(), Qt::LeftToRight);
  EXPECT_FALSE(SprFlipChildren(&panel, SprLangEnglish));
}

TEST(FlipChildren, LaidOutChildrenFollowTheLayoutDirection) {
  ControlsTestApp();
  QWidget panel;
  auto* row = new QHBoxLayout(&panel);
  auto* first = new QLabel(QStringLiteral("first"));
  auto* second = new QLabel(QStringLiteral("second"));
  row->addWidget(first);
  row->addWidget(second);
  panel.resize(300, 40);
  panel.show();
  QApplication::processEvents();
  EXPECT_LT(first->x(), second->x());
  EXPECT_TRUE(SprFlipChildren(&panel, SprLangArabic));
  QApplication::processEvents();
  EXPECT_GT(first->x(), second->x());
}

TEST(FlipChildren, ContainerWithoutChildrenIsNeverMarked) {
  ControlsTestApp();
  QWidget empty;
  EXPECT_TRUE(SprFlipChildren(&empty, SprLangArabic));
  EXPECT_TRUE(SprFlipChildren(&empty, SprLangArabic));
  EXPECT_FALSE(IsFlipped(&empty));
  EXPECT_FALSE(SprFlipChildren(&empty, SprLangEnglish));
}
