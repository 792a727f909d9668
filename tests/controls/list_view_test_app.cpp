#include "list_view_test_app.h"

QApplication& ListViewTestApp() {
  static int argc = 1;
  static char name[] = "controls_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance());
    return existing ? existing : new QApplication(argc, argv);
  }();
  return *app;
}
