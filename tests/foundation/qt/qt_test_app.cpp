#include "qt_test_app.h"

QApplication& TestApp() {
  static int argc = 1;
  static char name[] = "foundation_qt_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance());
    return existing ? existing : new QApplication(argc, argv);
  }();
  return *app;
}

// fontconfig keeps a few blocks of its cache to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
