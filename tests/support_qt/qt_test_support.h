// Helpers shared by the window test binaries: their one QApplication,
// driving modal windows, and screenshots for review.
#pragma once

#include <QApplication>
#include <QWidget>
#include <functional>
#include <string>

// The process's QApplication, created on the first call under the given
// program name (or the one that already exists).
QApplication& EnsureTestApplication(const char* programName);

// Runs action on the next modal window that opens (polled from a timer), so
// that a test can look at a dialog and close it while exec() runs.
void OnNextModal(std::function<void(QWidget* modal)> action);

// Lets the event loop run until done() holds or five seconds have passed;
// whether it holds in the end.
bool WaitFor(const std::function<bool()>& done);

// Saves the widget as <screenshot folder>/<prefix><name>.png.
void SaveWidgetScreenshot(QWidget* widget, const std::string& prefix, const std::string& name);
