#include "filelist_qt_test_app.h"

#include <QDir>
#include <QTimer>
#include <memory>

QApplication& FileListQtTestApp() {
  static int argc = 1;
  static char name[] = "filelist_qt_tests";
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
  widget->grab().save(QStringLiteral(SYLLABRIX_SCREENSHOT_DIR) + QStringLiteral("/filelist_") +
                      QString::fromStdString(name) + QStringLiteral(".png"));
}

// fontconfig keeps a few blocks of its cache to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
