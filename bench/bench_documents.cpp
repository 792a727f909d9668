// DOCX and ODT of 100000 generated words (one default paragraph per word, as
// the main window saves them), each against python-docx adding the same
// paragraphs and saving, and against pandoc converting the same words from
// Markdown, in the same run. Every case times ours and the peer per iteration
// (alternating which goes first) and reports "ratio_to_peer" = our time /
// the peer's time; the target is at most 0.1. "peak_mem_to_xml" is the extra
// peak memory of one save (measured in a child process) divided by the size
// of the XML parts written; the target is at most 10.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "documents/docx_writer.h"
#include "documents/odt_writer.h"
#include "paired_runs.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr size_t kWordCount = 100000;

struct WorkArea {
  fs::path dir;
  WorkArea() {
    dir = fs::temp_directory_path() / ("syllabrix-bench-documents-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  ~WorkArea() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
} workArea;

const fs::path& WorkDir() { return workArea.dir; }

// Made-up words of two to four syllables, some with letters beyond ASCII.
const std::vector<std::string>& Words() {
  static const std::vector<std::string> words = [] {
    static const char* syllables[] = {"ka",      "lo",  "mi", "ren", "tu",      "sa",
                                      "\u00E4r", "dil", "on", "pe",  "\u00F6s", "ga"};
    std::mt19937 rng(11);
    std::vector<std::string> out;
    out.reserve(kWordCount);
    for (size_t i = 0; i < kWordCount; ++i) {
      std::string w;
      const size_t n = 2 + rng() % 3;
      for (size_t k = 0; k < n; ++k) w += syllables[rng() % std::size(syllables)];
      w[0] = static_cast<char>(w[0] >= 'a' && w[0] <= 'z' ? w[0] - 32 : w[0]);
      out.push_back(std::move(w));
    }
    return out;
  }();
  return words;
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The words one per line for python-docx, as Markdown paragraphs for pandoc.
const fs::path& WordListFile() {
  static const fs::path p = [] {
    std::string text;
    for (const std::string& w : Words()) text += w + "\n";
    fs::path f = WorkDir() / "words.txt";
    WriteBytes(f, text);
    return f;
  }();
  return p;
}

const fs::path& MarkdownFile() {
  static const fs::path p = [] {
    std::string text;
    for (const std::string& w : Words()) text += w + "\n\n";
    fs::path f = WorkDir() / "words.md";
    WriteBytes(f, text);
    return f;
  }();
  return p;
}

const fs::path& PythonDocxScript() {
  static const fs::path p = [] {
    fs::path f = WorkDir() / "python_docx.py";
    WriteBytes(f,
               "import sys, docx\n"
               "d = docx.Document()\n"
               "for line in open(sys.argv[1], encoding='utf-8').read().split('\\n')[:-1]:\n"
               "    d.add_paragraph(line)\n"
               "d.save(sys.argv[2])\n");
    return f;
  }();
  return p;
}

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

double RunCommandTimed(const std::string& cmd) {
  auto t0 = Clock::now();
  int rc = std::system(cmd.c_str());
  auto t1 = Clock::now();
  if (rc != 0) std::fprintf(stderr, "peer failed: %s\n", cmd.c_str());
  return Seconds(t0, t1);
}

double PythonDocx() {
  return RunCommandTimed("/usr/bin/python3 '" + PythonDocxScript().string() + "' '" + WordListFile().string() + "' '" +
                         (WorkDir() / "python.docx").string() + "'");
}

double Pandoc(const char* ext) {
  return RunCommandTimed("pandoc -f markdown '" + MarkdownFile().string() + "' -o '" +
                         (WorkDir() / (std::string("pandoc.") + ext)).string() + "'");
}

template <typename TDoc>
bool SaveWords(const std::string& target) {
  TDoc doc;
  for (const std::string& w : Words()) doc.Page().AddParagraph(w, -1);
  return doc.SaveToFile(target);
}

bool SaveDocx() { return SaveWords<TDocDOCX>((WorkDir() / "ours.docx").string()); }
bool SaveOdt() { return SaveWords<TDocODT>((WorkDir() / "ours.odt").string()); }

size_t DocxXmlBytes() {
  TDocDOCX doc;
  for (const std::string& w : Words()) doc.Page().AddParagraph(w, -1);
  return doc.GetFileStringContentTypesXML().size() + doc.GetFileStringRelsRels().size() +
         doc.GetFileStringDocPropsAppXML().size() + doc.GetFileStringDocPropsCoreXML().size() +
         doc.GetFileStringWordRelsDocumentXMLRels().size() + doc.GetFileStringWordDocumentXML().size() +
         doc.GetFileStringWordFontTableXML().size() + doc.GetFileStringWordStylesXML().size();
}

size_t OdtXmlBytes() {
  TDocODT doc;
  for (const std::string& w : Words()) doc.Page().AddParagraph(w, -1);
  return doc.GetFileStringContentXML().size() + doc.GetFileStringStylesXML().size() +
         doc.GetFileStringMetaXML().size() + doc.GetFileStringSettingsXML().size() +
         doc.GetFileStringManifestXML().size();
}

template <typename Ours, typename Peer>
void Compare(benchmark::State& state, size_t xmlBytes, Ours ours, Peer peer) {
  Words();
  WordListFile();
  MarkdownFile();
  PythonDocxScript();
  double oursSeconds = 0, peerSeconds = 0;
  bool oursFirst = true;
  for (auto _ : state) {
    double oursThisRound = 0;
    for (int k = 0; k < 2; ++k) {
      const bool runOurs = (k == 0) == oursFirst;
      if (runOurs) {
        auto t0 = Clock::now();
        bool ok = ours();
        auto t1 = Clock::now();
        if (!ok) state.SkipWithError("save failed");
        oursThisRound = Seconds(t0, t1);
        oursSeconds += oursThisRound;
      } else {
        peerSeconds += peer();
      }
    }
    oursFirst = !oursFirst;
    state.SetIterationTime(oursThisRound);
  }
  state.counters["ours_ms"] = 1000 * oursSeconds / static_cast<double>(state.iterations());
  state.counters["peer_ms"] = 1000 * peerSeconds / static_cast<double>(state.iterations());
  state.counters["ratio_to_peer"] = peerSeconds > 0 ? oursSeconds / peerSeconds : 0;
  state.counters["peak_mem_to_xml"] = bench::PeakExtraBytes([&] {
                                        auto r = ours();
                                        benchmark::DoNotOptimize(r);
                                      }) /
                                      static_cast<double>(xmlBytes);
}

void BM_DocxVsPythonDocx(benchmark::State& state) { Compare(state, DocxXmlBytes(), SaveDocx, PythonDocx); }
void BM_DocxVsPandoc(benchmark::State& state) {
  Compare(state, DocxXmlBytes(), SaveDocx, [] { return Pandoc("docx"); });
}
void BM_OdtVsPythonDocx(benchmark::State& state) { Compare(state, OdtXmlBytes(), SaveOdt, PythonDocx); }
void BM_OdtVsPandoc(benchmark::State& state) {
  Compare(state, OdtXmlBytes(), SaveOdt, [] { return Pandoc("odt"); });
}

BENCHMARK(BM_DocxVsPythonDocx)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_DocxVsPandoc)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_OdtVsPythonDocx)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_OdtVsPandoc)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
