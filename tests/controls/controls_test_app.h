// The one QApplication of the control tests, and helpers for driving modal
// windows and saving screenshots.
#pragma once

#include <QApplication>
#include <QWidget>
#include <functional>
#include <string>

QApplication& ControlsTestApp();

// Runs action on the next modal window that opens (polling from a timer), so
// that a test can look at a dialog and close it while exec() runs.
void OnNextModal(std::function<void(QWidget* modal)> action);

// Saves the widget as SYLLABRIX_SCREENSHOT_DIR/controls_<name>.png.
void SaveScreenshot(QWidget* widget, const std::string& name);
