// The one QApplication of the file list window tests, driving modal windows
// and saving screenshots.
#pragma once

#include <QApplication>
#include <QWidget>
#include <functional>
#include <string>

QApplication& FileListQtTestApp();

// Runs action on the next modal window that opens (polled from a timer), so
// that a test can look at a dialog and close it while exec() runs.
void OnNextModal(std::function<void(QWidget* modal)> action);

// Saves the widget as SYLLABRIX_SCREENSHOT_DIR/filelist_<name>.png.
void SaveScreenshot(QWidget* widget, const std::string& name);
