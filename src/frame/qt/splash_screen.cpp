#include "frame/qt/splash_screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {
QPointer<TSplashScreen> GSplashForm;
constexpr int32_t kTicks = 5;
}  // namespace

TSplashScreen* SplashForm() { return GSplashForm.data(); }

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("SplashScreen");
}

TSplashScreen::~TSplashScreen() {
  if (GSplashForm == this) GSplashForm = nullptr;
}

void TSplashScreen::TimerProc() {
  ++FTickCount;
  if (FTickCount >= kTicks) {
    FTimer->stop();
    close();
  }
}

void TSplashScreen::CloseProc() {
  FTimer->stop();
  close();
}

bool TSplashScreen::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FImage && event->type() == QEvent::MouseButtonRelease) {
    CloseProc();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TSplashScreen::closeEvent(QCloseEvent* event) {
  GSplashForm = nullptr;
  event->accept();
}

void ShowSplashScreenPicture(const QPixmap& picture, int32_t duration, int32_t centerTop, int32_t centerLeft) {
  if (GSplashForm) {
    GSplashForm->show();
    GSplashForm->raise();
    return;
  }
  auto* form = new TSplashScreen();
  GSplashForm = form;
  form->FTickCount = 0;
  QPalette palette = form->palette();
  palette.setColor(QPalette::Window, Qt::white);
  form->setPalette(palette);
  form->setAutoFillBackground(true);
  form->resize(300, 200);

  form->FImage = new QLabel(form);
  form->FImage->setObjectName("SplashImage");
  if (!picture.isNull()) form->FImage->setPixmap(picture);
  form->FImage->adjustSize();
  form->FImage->move(0, 0);
  form->FImage->setCursor(Qt::PointingHandCursor);
  form->FImage->installEventFilter(form);

  form->FTimer = new QTimer(form);
  form->FTimer->setInterval(duration > 0 ? duration / kTicks : 0);
  QObject::connect(form->FTimer, &QTimer::timeout, form, &TSplashScreen::TimerProc);
  form->FTimer->start();

  // The window takes the picture's size.
  if (!picture.isNull()) form->resize(picture.size());
  if (centerTop == 0 && centerLeft == 0) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->geometry();
      form->move(area.x() + (area.width() - form->width()) / 2, area.y() + (area.height() - form->height()) / 2);
    }
  } else {
    form->move(centerLeft - picture.width() / 2, centerTop - picture.height() / 2);
  }
  form->show();
}
