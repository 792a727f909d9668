// The one QApplication of the control tests, and helpers for driving modal
// windows and saving screenshots.
#pragma once

#include <QApplication>
#include <QWidget>
#include <functional>
#include <string>

#include "qt_test_support.h"

QApplication& ControlsTestApp();

// Saves the widget as SYLLABRIX_SCREENSHOT_DIR/controls_<name>.png.
void SaveScreenshot(QWidget* widget, const std::string& name);
