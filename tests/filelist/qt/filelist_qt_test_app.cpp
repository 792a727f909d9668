#include "filelist_qt_test_app.h"

QApplication& FileListQtTestApp() { return EnsureTestApplication("filelist_qt_tests"); }

void SaveScreenshot(QWidget* widget, const std::string& name) { SaveWidgetScreenshot(widget, "filelist_", name); }

// fontconfig keeps a few blocks of its cache to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
