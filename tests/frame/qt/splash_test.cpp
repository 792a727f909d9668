#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "frame/qt/splash_screen.h"
#include "frame_qt_test_app.h"

namespace {

QPixmap Picture(const QString& text, QColor colour) {
  QPixmap p(420, 240);
  QPainter painter(&p);
  QLinearGradient gradient(0, 0, 420, 240);
  gradient.setColorAt(0, colour);
  gradient.setColorAt(1, Qt::white);
  painter.fillRect(p.rect(), gradient);
  QFont font = painter.font();
  font.setPointSize(28);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(p.rect(), Qt::AlignCenter, text);
  return p;
}

void CloseSplash() {
  if (SplashForm()) SplashForm()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class Splash : public TFrameFixture {
 protected:
  void TearDown() override {
    CloseSplash();
    TFrameFixture::TearDown();
  }
};

TEST_F(Splash, FiveTicksOfAFifthThenClosed) {
  ShowSplashScreenPicture(Picture("Syllabrix", QColor(84, 114, 181)), 2500, 0, 0);
  TSplashScreen* splash = SplashForm();
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(splash->Timer()->interval(), 500);
  EXPECT_TRUE(splash->Timer()->isActive());
  EXPECT_EQ(splash->size(), QSize(420, 240));
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(splash->geometry().center().x() / 2, screen.center().x() / 2);
  SaveScreenshot(splash, "splash");
  for (int i = 0; i < 4; ++i) splash->TimerProc();
  EXPECT_EQ(SplashForm(), splash);
  EXPECT_TRUE(splash->isVisible());
  // A second call only brings the open window forward; its count goes on.
  ShowSplashScreenPicture(Picture("other", Qt::red), 100, 0, 0);
  EXPECT_EQ(SplashForm(), splash);
  EXPECT_EQ(splash->TickCount(), 4);
  EXPECT_EQ(splash->Timer()->interval(), 500);
  splash->TimerProc();
  EXPECT_EQ(SplashForm(), nullptr);
}

TEST_F(Splash, RealTimerClosesIt) {
  ShowSplashScreenPicture(Picture("x", Qt::green), 100, 0, 0);
  ASSERT_NE(SplashForm(), nullptr);
  EXPECT_EQ(SplashForm()->Timer()->interval(), 20);
  QElapsedTimer clock;
  clock.start();
  while (SplashForm() && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(SplashForm(), nullptr);
  EXPECT_GE(clock.elapsed(), 90);
}

TEST_F(Splash, ClickClosesAtOnce) {
  ShowSplashScreenPicture(Picture("x", Qt::blue), 2500, 0, 0);
  TSplashScreen* splash = SplashForm();
  ASSERT_NE(splash, nullptr);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(splash->Image(), &release);
  EXPECT_EQ(SplashForm(), nullptr);
}

TEST_F(Splash, PictureByLanguageAndPosition) {
  QMainWindow window;
  window.resize(300, 200);
  TPwkProgObj frame(&window);
  Prepare(frame);
  frame.ShowSplashScreen();
  EXPECT_EQ(SplashForm(), nullptr);  // no picture, no splash
  frame.ImgSplashScreenEN = Picture("EN", Qt::yellow);
  frame.SetLanguage(1);
  frame.ShowSplashScreen();
  ASSERT_NE(SplashForm(), nullptr);
  EXPECT_EQ(SplashForm()->Image()->pixmap().toImage(), frame.ImgSplashScreenEN.toImage());
  CloseSplash();
  frame.ImgSplashScreenDE = Picture("DE", Qt::cyan);
  // A stored window position centres the splash on the main window.
  testsupport::WriteFileBytes(AppDir.file("w.sxs"), "[windowsize]\ntop=100\nleft=150\nwidth=300\nheight=200\n");
  ASSERT_TRUE(frame.SettingsObj().LoadSettings(AppDir.file("w.sxs"), false));
  frame.ShowSplashScreen();
  ASSERT_NE(SplashForm(), nullptr);
  EXPECT_EQ(SplashForm()->Image()->pixmap().toImage(), frame.ImgSplashScreenDE.toImage());
  EXPECT_EQ(SplashForm()->pos(), QPoint(150 + 150 - 210, 100 + 100 - 120));
}

}  // namespace
