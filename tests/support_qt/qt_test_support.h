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

// Which modal window a test waits for: what it is called in failure messages,
// and whether an open modal window is that one.
struct TModalWanted {
  std::string Description;
  std::function<bool(QWidget* modal)> Matches;
};

TModalWanted AnyModal();
TModalWanted ModalTitled(const QString& title);
template <class TWindow>
TModalWanted ModalOfClass() {
  return {TWindow::staticMetaObject.className(),
          [](QWidget* modal) { return qobject_cast<TWindow*>(modal) != nullptr; }};
}

// How long a modal window may stay open that no test is driving: one the test
// did not wait for (or one that opened in place of the awaited one), or one
// its action left open. It is closed then and the test fails, so that a test
// never waits in exec() for good.
constexpr int kModalBoundMs = 5000;

// Runs action on the next modal window that opens and matches wanted, while
// exec() runs, so that a test can look at a dialog and close it. Windows are
// awaited in the order they were asked for. A window the action opens over
// the awaited one is awaited by a further call. Any modal window left open
// kModalBoundMs (nested ones too) is closed with a failure naming what was
// awaited and what was open; an awaited window that never opened fails the
// test at its end.
void OnNextModal(TModalWanted wanted, std::function<void(QWidget* modal)> action);
void OnNextModal(std::function<void(QWidget* modal)> action);
template <class TWindow>
void OnNextModal(std::function<void(TWindow* modal)> action) {
  OnNextModal(ModalOfClass<TWindow>(),
              [action = std::move(action)](QWidget* modal) { action(qobject_cast<TWindow*>(modal)); });
}

// Fails for every awaited modal window that never opened and forgets them all;
// runs at the end of every test that awaited one.
void FinishModalExpectations();

// Lets the event loop run until done() holds or five seconds have passed;
// whether it holds in the end.
bool WaitFor(const std::function<bool()>& done);

// Saves the widget as <screenshot folder>/<prefix><name>.png.
void SaveWidgetScreenshot(QWidget* widget, const std::string& prefix, const std::string& name);
