#include "qt_test_support.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <vector>

QApplication& EnsureTestApplication(const char* programName) {
  static int argc = 1;
  static std::string name = programName;
  static char* argv[] = {name.data(), nullptr};
  static QApplication* app = [] {
    auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance());
    return existing ? existing : new QApplication(argc, argv);
  }();
  return *app;
}

TModalWanted AnyModal() {
  return {"any modal window", [](QWidget*) { return true; }};
}

TModalWanted ModalTitled(const QString& title) {
  return {"a window titled \"" + title.toStdString() + "\"",
          [title](QWidget* modal) { return modal->windowTitle() == title; }};
}

namespace {

std::string DescribeWindow(QWidget* window) {
  std::string text = window->metaObject()->className();
  text += " \"" + window->windowTitle().toStdString() + "\"";
  if (!window->objectName().isEmpty()) text += " (" + window->objectName().toStdString() + ")";
  return text;
}

// Watches the modal windows of the running test from a timer of its own. The
// actions run from a single-shot timer each, so that a window an action opens
// (and waits in) does not stop the watch: Qt never delivers a timer's event
// again while that timer's handler runs. A window is forgotten when it hides,
// so that a dialog shown once more (the same object, at once) counts afresh.
class TModalWatch : public QObject {
 public:
  static TModalWatch& Instance() {
    static TModalWatch watch;
    return watch;
  }

  void Await(TModalWanted wanted, std::function<void(QWidget*)> action) {
    FAwaited.push_back({std::move(wanted), std::move(action)});
    FTimer.start();
  }

  void Finish() {
    std::deque<TAwaited> awaited;
    awaited.swap(FAwaited);
    for (const TAwaited& a : awaited) ADD_FAILURE() << "Awaited " << a.Wanted.Description << ", but it never opened";
    while (!FSeen.empty()) Forget(FSeen.front().Window);
    FTimer.stop();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) {
      if (TSeen* s = Find(watched)) {
        if (s->InAction)
          s->HiddenInAction = true;
        else
          Forget(watched);
      }
    }
    return false;
  }

 private:
  struct TAwaited {
    TModalWanted Wanted;
    std::function<void(QWidget*)> Action;
  };
  struct TSeen {
    QPointer<QWidget> Window;
    QElapsedTimer Unattended;  // since it opened, or since its action returned
    bool Handled = false;
    bool InAction = false;
    bool HiddenInAction = false;
    int Closings = 0;
  };

  TModalWatch() {
    FTimer.setInterval(10);
    QObject::connect(&FTimer, &QTimer::timeout, [this] { Tick(); });
  }

  TSeen* Find(const QObject* window) {
    for (TSeen& s : FSeen) {
      if (s.Window == window) return &s;
    }
    return nullptr;
  }

  void Forget(const QObject* window) {
    for (auto it = FSeen.begin(); it != FSeen.end(); ++it) {
      if (it->Window != window) continue;
      if (it->Window) it->Window->removeEventFilter(this);
      FSeen.erase(it);
      return;
    }
  }

  void ActionDone(QWidget* window) {
    TSeen* s = Find(window);
    if (s == nullptr) return;
    if (s->HiddenInAction || !window->isVisible()) {
      Forget(window);
      return;
    }
    s->InAction = false;
    s->Unattended.restart();
  }

  void Tick() {
    std::erase_if(FSeen, [](const TSeen& s) { return s.Window.isNull(); });
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    TSeen* seen = Find(modal);
    if (seen == nullptr) {
      modal->installEventFilter(this);
      FSeen.push_back({modal, {}, false, false, false, 0});
      seen = &FSeen.back();
      seen->Unattended.start();
    }
    if (seen->InAction) return;
    if (!seen->Handled && !FAwaited.empty() && FAwaited.front().Wanted.Matches(modal)) {
      seen->Handled = true;
      seen->InAction = true;
      auto action = std::move(FAwaited.front().Action);
      FAwaited.pop_front();
      QPointer<QWidget> window = modal;
      QTimer::singleShot(0, this, [this, window, action = std::move(action)] {
        if (!window) return;
        action(window);
        if (window) ActionDone(window);
      });
      return;
    }
    if (seen->Unattended.elapsed() < kModalBoundMs) return;
    const std::string awaited =
        FAwaited.empty() ? std::string("no further modal window") : FAwaited.front().Wanted.Description;
    ADD_FAILURE() << "Awaited " << awaited << ", but " << DescribeWindow(modal)
                  << (seen->Handled ? " stayed open after its test action" : " was open") << " for " << kModalBoundMs
                  << " ms; closing it";
    // A window that refuses to close is hidden the second time. Closing
    // forgets the window (its hide event), so the entry is looked up again.
    const bool refusedBefore = seen->Closings++ > 0;
    seen->Unattended.restart();
    if (refusedBefore) {
      modal->hide();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
  }

  std::deque<TAwaited> FAwaited;
  std::vector<TSeen> FSeen;
  QTimer FTimer;
};

// Ends the modal watch of every test, before the result printer reports it,
// so that a window awaited in vain fails its own test and a later test's
// window is not taken for it.
class TModalWatchEnd : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override { TModalWatch::Instance().Finish(); }
};

void EnsureModalWatchEnd() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
  ::testing::TestEventListener* printer = listeners.Release(listeners.default_result_printer());
  listeners.Append(new TModalWatchEnd);
  if (printer != nullptr) listeners.Append(printer);
}

}  // namespace

void OnNextModal(TModalWanted wanted, std::function<void(QWidget* modal)> action) {
  EnsureModalWatchEnd();
  TModalWatch::Instance().Await(std::move(wanted), std::move(action));
}

void OnNextModal(std::function<void(QWidget* modal)> action) { OnNextModal(AnyModal(), std::move(action)); }

void FinishModalExpectations() { TModalWatch::Instance().Finish(); }

bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

void SaveWidgetScreenshot(QWidget* widget, const std::string& prefix, const std::string& name) {
  QDir().mkpath(QStringLiteral(SYLLABRIX_SCREENSHOT_DIR));
  widget->grab().save(QStringLiteral(SYLLABRIX_SCREENSHOT_DIR) + QStringLiteral("/") +
                      QString::fromStdString(prefix + name) + QStringLiteral(".png"));
}
