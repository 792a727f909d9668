#include "controls_test_app.h"

QApplication& ControlsTestApp() { return EnsureTestApplication("controls_tests"); }

void SaveScreenshot(QWidget* widget, const std::string& name) { SaveWidgetScreenshot(widget, "controls_", name); }

// fontconfig keeps a few blocks of its cache to the end of the process. Weak,
// so that another test file of this binary may bring the same list.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
