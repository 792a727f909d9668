#include "frame_qt_test_app.h"

#include "qt_test_support.h"

QApplication& FrameTestApp() { return EnsureTestApplication("frame_qt_tests"); }

void SaveScreenshot(QWidget* widget, const std::string& name) { SaveWidgetScreenshot(widget, "frame_", name); }

std::vector<std::string>& OpenedURLs() {
  static std::vector<std::string> urls;
  return urls;
}

// fontconfig keeps a few blocks of its cache to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
