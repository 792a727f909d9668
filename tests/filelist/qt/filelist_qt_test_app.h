// The one QApplication of the file list window tests, driving modal windows
// and saving screenshots.
#pragma once

#include <QApplication>
#include <QWidget>
#include <functional>
#include <string>

#include "qt_test_support.h"

QApplication& FileListQtTestApp();

// Saves the widget as SYLLABRIX_SCREENSHOT_DIR/filelist_<name>.png.
void SaveScreenshot(QWidget* widget, const std::string& name);
