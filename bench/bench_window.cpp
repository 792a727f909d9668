// Speed of the create command as a user meets it: one click on the create
// button of the real main window (offscreen) making 10^5 words, against one
// QPlainTextEdit::setPlainText of the same text in a field of the same size,
// measured in the same run, seven times each with the sides alternating
// (bench/paired_runs.h); the verdict is on the minima (target: at most 2).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "controls/zoom_memo.h"
#include "foundation/number_format.h"
#include "paired_runs.h"
#include "text/program_texts.h"
#include "wordgen/gui/prog.h"

namespace {

constexpr int kWords = 100000;
constexpr int kRepetitions = 7;

// Answers nothing: the benchmark's runs show no dialog.
class TSilentDialogs : public TProgDialogs {
 public:
  void MessageBox(TMessageKind, const std::string&, const std::string& text) override {
    std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
  }
  std::string InputEdit(const std::string&, const std::string&, const std::string&, const std::string&,
                        const std::string&) override {
    return NulMarker();
  }
  void InputMemo(const std::string&, const std::string&, const std::string&, const std::string&,
                 const std::string&) override {}
  std::string OpenFile(const std::string&, const std::string&) override { return {}; }
  std::string SaveFile(const std::string&, const std::string&, const std::string&, const std::string&,
                       int32_t&) override {
    return {};
  }
  void SetClipboardText(const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&, const std::string&, const std::string&) override {
    return true;
  }
};

struct TSetup {
  std::unique_ptr<Tprog> Window;
  std::unique_ptr<QPlainTextEdit> Peer;
  TSilentDialogs Dialogs;
  QString Words;
};

TSetup& Setup() {
  static TSetup* setup = [] {
    auto* s = new TSetup;
    TProgOptions options;
    options.Dialogs = &s->Dialogs;
    options.PrepareFrame = [](TPwkProgObj& frame) { frame.SplashScreenAutoShow = false; };
    s->Window = std::make_unique<Tprog>(options);
    s->Window->cb_anzahl()->setCurrentText(QString::number(kWords));
    s->Window->resize(800, 600);
    s->Window->show();
    s->Peer = std::make_unique<QPlainTextEdit>();
    s->Peer->setFont(s->Window->m_creator_out()->font());
    s->Peer->resize(s->Window->m_creator_out()->size());
    s->Peer->show();
    QApplication::processEvents();
    return s;
  }();
  return *setup;
}

double TimeOurs(TSetup& s) {
  s.Window->m_creator_out()->clear();
  QApplication::processEvents();
  const auto start = bench::Clock::now();
  s.Window->findChild<QPushButton*>("bt_create")->click();
  QApplication::processEvents();
  const double seconds = bench::SecondsSince(start);
  // The peer shows the words of our last click.
  s.Words = s.Window->m_creator_out()->toPlainText();
  return s.Words.isEmpty() ? -1 : seconds;
}

double TimePeer(TSetup& s) {
  s.Peer->clear();
  QApplication::processEvents();
  const auto start = bench::Clock::now();
  s.Peer->setPlainText(s.Words);
  QApplication::processEvents();
  return bench::SecondsSince(start);
}

void BM_CreateInWindowAgainstSetPlainText(benchmark::State& state) {
  TSetup& s = Setup();
  // The peer needs a text of the window's before its first turn.
  if (TimeOurs(s) < 0) {
    bench::Report(state, "create 10^5 words", "setPlainText", bench::NotMeasured("the window made no words"), 2.0);
    return;
  }
  for (auto _ : state) {
    const auto t = bench::RunPaired(
        kRepetitions, [&] { return TimeOurs(s); }, [&] { return TimePeer(s); });
    bench::Report(state, "create 10^5 words", "setPlainText", t, 2.0);
  }
}
BENCHMARK(BM_CreateInWindowAgainstSetPlainText)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // A configuration folder of its own, so no settings of the user are read.
  bench::TWorkDir config("window");
  setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  QApplication app(argc, argv);
  InitSprResLocal();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  bench::PrintSummary();
  TSetup& s = Setup();
  s.Window.reset();
  s.Peer.reset();
  return 0;
}
