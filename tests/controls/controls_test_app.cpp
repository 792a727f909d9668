#include "controls_test_app.h"

#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <memory>

QApplication& ControlsTestApp() {
  static int argc = 1;
  static char name[] = "controls_tests";
  static char* argv[] = {name, nullptr};
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

void SaveScreenshot(QWidget* widget, const std::string& name) {
  QDir().mkpath(QStringLiteral(SYLLABRIX_SCREENSHOT_DIR));
  widget->grab().save(QStringLiteral(SYLLABRIX_SCREENSHOT_DIR) + QStringLiteral("/controls_") +
                      QString::fromStdString(name) + QStringLiteral(".png"));
}

// fontconfig keeps a few blocks of its cache to the end of the process. Weak,
// so that another test file of this binary may bring the same list.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
