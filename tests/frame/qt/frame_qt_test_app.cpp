#include "frame_qt_test_app.h"

#include <QDir>

QApplication& FrameTestApp() {
  static int argc = 1;
  static char name[] = "frame_qt_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance());
    return existing ? existing : new QApplication(argc, argv);
  }();
  return *app;
}

void SaveScreenshot(QWidget* widget, const std::string& name) {
  QDir().mkpath(QStringLiteral(SYLLABRIX_SCREENSHOT_DIR));
  widget->grab().save(QStringLiteral(SYLLABRIX_SCREENSHOT_DIR) + QStringLiteral("/frame_") +
                      QString::fromStdString(name) + QStringLiteral(".png"));
}

std::vector<std::string>& OpenedURLs() {
  static std::vector<std::string> urls;
  return urls;
}

// fontconfig keeps a few blocks of its cache to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
