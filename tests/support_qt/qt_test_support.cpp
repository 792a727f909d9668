#include "qt_test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>

QApplication& EnsureTestApplication(const char* programName) {
  static int argc = 1;
  static std::string name = programName;
  static char* argv[] = {name.data(), nullptr};
  static QApplication* app = [] {
    auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance());
    return existing ? existing : new QApplication(argc, argv);
  }();
  return *app;
}

void OnNextModal(std::function<void(QWidget* modal)> action) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  auto shared = std::make_shared<std::function<void(QWidget*)>>(std::move(action));
  QObject::connect(timer, &QTimer::timeout, [timer, shared] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    (*shared)(modal);
  });
  timer->start();
}

bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

void SaveWidgetScreenshot(QWidget* widget, const std::string& prefix, const std::string& name) {
  QDir().mkpath(QStringLiteral(SYLLABRIX_SCREENSHOT_DIR));
  widget->grab().save(QStringLiteral(SYLLABRIX_SCREENSHOT_DIR) + QStringLiteral("/") +
                      QString::fromStdString(prefix + name) + QStringLiteral(".png"));
}
