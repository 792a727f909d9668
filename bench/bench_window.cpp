// Speed of the create command as a user meets it: one click on the create
// button of the real main window (offscreen) making 10^5 words, against one
// QPlainTextEdit::setPlainText of the same text in a field of the same size,
// measured in the same run with the sides alternating (target: at most 2).
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
#include "text/program_texts.h"
#include "wordgen/gui/prog.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWords = 100000;
constexpr int kRepetitions = 7;

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

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
};

struct TSetup {
  std::unique_ptr<Tprog> Window;
  std::unique_ptr<QPlainTextEdit> Peer;
  TSilentDialogs Dialogs;
  std::vector<double> Ours, Peers;
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

void RunOnce(TSetup& s) {
  s.Window->m_creator_out()->clear();
  QApplication::processEvents();
  auto start = Clock::now();
  s.Window->findChild<QPushButton*>("bt_create")->click();
  QApplication::processEvents();
  s.Ours.push_back(Seconds(start));
  const QString text = s.Window->m_creator_out()->toPlainText();

  s.Peer->clear();
  QApplication::processEvents();
  start = Clock::now();
  s.Peer->setPlainText(text);
  QApplication::processEvents();
  s.Peers.push_back(Seconds(start));
}

void BM_CreateInWindowAgainstSetPlainText(benchmark::State& state) {
  TSetup& s = Setup();
  for (auto _ : state) {
    RunOnce(s);
    state.SetIterationTime(s.Ours.back());
  }
}
BENCHMARK(BM_CreateInWindowAgainstSetPlainText)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(kRepetitions);

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // A configuration folder of its own, so no settings of the user are read.
  const std::filesystem::path config = std::filesystem::temp_directory_path() / "syllabrix_bench_window";
  std::filesystem::create_directories(config);
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  QApplication app(argc, argv);
  InitSprResLocal();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  TSetup& s = Setup();
  if (s.Ours.empty()) return 0;
  std::vector<double> ratios;
  for (size_t i = 0; i < s.Ours.size(); ++i) ratios.push_back(s.Ours[i] / s.Peers[i]);
  const double minRatio = *std::min_element(ratios.begin(), ratios.end());
  const double medianRatio = Median(ratios);
  std::printf(
      "create %d words in the window / setPlainText of the same text: min %.3f, median %.3f "
      "(ours %.1f ms, peer %.1f ms median; target at most 2: %s)\n",
      kWords, minRatio, medianRatio, Median(s.Ours) * 1000, Median(s.Peers) * 1000,
      medianRatio <= 2.0 ? "met" : "MISSED");
  s.Window.reset();
  s.Peer.reset();
  std::filesystem::remove_all(config);
  return 0;
}
