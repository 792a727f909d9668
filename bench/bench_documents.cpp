// DOCX and ODT of 100000 generated words (one default paragraph per word, as
// the main window saves them), each against two programs a user could write
// the same paragraphs with, measured in the same run:
// - pandoc converting the words from Markdown (one paragraph per word);
// - LibreOffice's headless conversion of the words as plain text (one
//   paragraph per line), with a profile of its own made before timing.
// Each peer is a whole process per save, as a user meets it; our side is the
// save the main window does. Both sides run five times, alternating; the
// target is at most 0.1 of the faster peer, judged on the minima. Every
// document written, ours and the peers', is read back and its paragraphs
// compared with the words: a peer that fails, writes nothing or writes other
// paragraphs is not measured.
//
// "peak memory / XML" is the extra peak memory of one save (measured in a
// fresh run of this program doing only that save) divided by the size of the XML parts written; the target is
// at most 10.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "documents/docx_writer.h"
#include "documents/odt_writer.h"
#include "paired_runs.h"

namespace {

constexpr size_t kWordCount = 100000;
constexpr double kTarget = 0.1;

bench::TWorkDir& Work() {
  static bench::TWorkDir dir("documents");
  return dir;
}

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

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The words one per line (LibreOffice's text import and the comparison), and
// as Markdown paragraphs (pandoc).
const std::string& WordLines() {
  static const std::string text = [] {
    std::string t;
    for (const std::string& w : Words()) t += w + "\n";
    return t;
  }();
  return text;
}

void WriteInputs() {
  static const bool done = [] {
    WriteBytes(Work().File("words.txt"), WordLines());
    std::string md;
    for (const std::string& w : Words()) md += w + "\n\n";
    WriteBytes(Work().File("words.md"), md);
    // Prints the text of every non-empty paragraph of a DOCX or ODT, one a line.
    WriteBytes(Work().File("paragraphs.py"),
               "import sys, zipfile, xml.etree.ElementTree as ET\n"
               "z = zipfile.ZipFile(sys.argv[1])\n"
               "W = '{http://schemas.openxmlformats.org/wordprocessingml/2006/main}'\n"
               "T = '{urn:oasis:names:tc:opendocument:xmlns:text:1.0}'\n"
               "out = []\n"
               "if 'word/document.xml' in z.namelist():\n"
               "    for p in ET.fromstring(z.read('word/document.xml')).iter(W + 'p'):\n"
               "        out.append(''.join(t.text or '' for t in p.iter(W + 't')))\n"
               "else:\n"
               "    for p in ET.fromstring(z.read('content.xml')).iter():\n"
               "        if p.tag in (T + 'p', T + 'h'):\n"
               "            out.append(''.join(p.itertext()))\n"
               "open(sys.argv[2], 'w', encoding='utf-8').write(''.join(s + '\\n' for s in out if s))\n");
    return true;
  }();
  (void)done;
}

// Whether the document holds exactly the words as its paragraphs.
bool HoldsTheWords(const std::string& document) {
  const std::string listing = Work().File("paragraphs.txt");
  if (bench::TimeCommand("/usr/bin/python3 " + bench::ShellQuote(Work().File("paragraphs.py")) + " " +
                             bench::ShellQuote(document) + " " + bench::ShellQuote(listing),
                         {listing}) < 0)
    return false;
  return ReadBytes(listing) == WordLines();
}

template <typename TDoc>
void AddWords(TDoc& doc) {
  for (const std::string& w : Words()) doc.Page().AddParagraph(w, -1);
}

std::string OursFile(const char* ext) { return Work().File(std::string("ours.") + ext); }

template <typename TDoc>
double TimeOurs(const char* ext) {
  const auto start = bench::Clock::now();
  TDoc doc;
  AddWords(doc);
  const bool ok = doc.SaveToFile(OursFile(ext));
  const double s = bench::SecondsSince(start);
  return ok ? s : -1;
}

size_t XmlBytes(TDocDOCX& doc) {
  return doc.GetFileStringContentTypesXML().size() + doc.GetFileStringRelsRels().size() +
         doc.GetFileStringDocPropsAppXML().size() + doc.GetFileStringDocPropsCoreXML().size() +
         doc.GetFileStringWordRelsDocumentXMLRels().size() + doc.GetFileStringWordDocumentXML().size() +
         doc.GetFileStringWordFontTableXML().size() + doc.GetFileStringWordStylesXML().size();
}

size_t XmlBytes(TDocODT& doc) {
  return doc.GetFileStringContentXML().size() + doc.GetFileStringStylesXML().size() +
         doc.GetFileStringMetaXML().size() + doc.GetFileStringSettingsXML().size() +
         doc.GetFileStringManifestXML().size();
}

struct TPeer {
  std::string Name;
  std::string Command;  // empty: not installed
  std::string Output;
  std::string Missing;  // why it cannot run
};

TPeer Pandoc(const char* ext) {
  TPeer p{"pandoc", "", Work().File(std::string("pandoc.") + ext), ""};
  if (!bench::HaveTool("pandoc")) {
    p.Missing = "pandoc is not installed";
    return p;
  }
  p.Command = "pandoc -f markdown -t " + std::string(ext) + " " + bench::ShellQuote(Work().File("words.md")) + " -o " +
              bench::ShellQuote(p.Output) + " 2>>" + bench::ShellQuote(Work().File("peers.log"));
  return p;
}

std::string SofficeCommand(const std::string& filter) {
  return "soffice -env:UserInstallation=file://" + Work().File("lo-profile") +
         " --headless --norestore --infilter=\"Text (encoded):UTF8,LF,,,\" --convert-to " + filter + " --outdir " +
         bench::ShellQuote(Work().File("lo")) + " " + bench::ShellQuote(Work().File("words.txt")) + " >>" +
         bench::ShellQuote(Work().File("peers.log")) + " 2>&1";
}

TPeer LibreOffice(const char* ext, const std::string& filter) {
  TPeer p{"LibreOffice", "", Work().File(std::string("lo/words.") + ext), ""};
  if (!bench::HaveTool("soffice")) {
    p.Missing = "LibreOffice (soffice) is not installed";
    return p;
  }
  // Its first start makes the profile; that is not what a user meets on
  // every conversion, so it is done before timing.
  static const bool profileMade = bench::TimeCommand(SofficeCommand("odt"), {Work().File("lo/words.odt")}) >= 0;
  if (!profileMade) {
    p.Missing = "LibreOffice failed to convert the words";
    return p;
  }
  p.Command = SofficeCommand(filter);
  return p;
}

template <typename TDoc>
void CompareFormat(benchmark::State& state, const char* name, const char* ext, const std::vector<TPeer>& peers) {
  for (auto _ : state) {
    std::vector<bench::TPairedTimes> times;
    for (const TPeer& peer : peers) {
      if (!peer.Missing.empty()) {
        times.push_back(bench::NotMeasured(peer.Missing));
        continue;
      }
      bench::TPairedTimes t = bench::RunPaired(
          bench::kDefaultRepetitions, [&] { return TimeOurs<TDoc>(ext); },
          [&] { return bench::TimeCommand(peer.Command, {peer.Output}); });
      if (!t.Failed && !HoldsTheWords(OursFile(ext))) t = bench::NotMeasured("our document lacks the words");
      if (!t.Failed && !HoldsTheWords(peer.Output)) t = bench::NotMeasured(peer.Name + " wrote other paragraphs");
      times.push_back(std::move(t));
    }
    // The verdict is against the faster of the peers measured.
    size_t fastest = peers.size();
    for (size_t k = 0; k < peers.size(); ++k)
      if (!times[k].Failed && (fastest == peers.size() || bench::Min(times[k].Peer) < bench::Min(times[fastest].Peer)))
        fastest = k;
    for (size_t k = 0; k < peers.size(); ++k)
      bench::AddReportLine(std::string(name) + " 10^5 paragraphs", peers[k].Name, times[k], k == fastest ? kTarget : 0);
    if (fastest == peers.size()) {
      state.SkipWithError("not measured");
    } else {
      state.counters["ratio_min"] = bench::Min(times[fastest].Ours) / bench::Min(times[fastest].Peer);
      state.counters["ratio_med"] = bench::Median(times[fastest].Ours) / bench::Median(times[fastest].Peer);
    }
  }
  TDoc doc;
  AddWords(doc);
  const double xml = static_cast<double>(XmlBytes(doc));
  const double peak = bench::FreshPeakBytes(ext);
  char note[200];
  if (peak < 0)
    std::snprintf(note, sizeof note, "%-34s peak memory not measured (the run measuring it failed)", name);
  else
    std::snprintf(note, sizeof note, "%-34s peak memory %.1f MB = %.2f x the XML parts  (target at most 10: %s)", name,
                  peak / 1e6, peak / xml, peak / xml <= 10 ? "met" : "MISSED");
  bench::AddSummaryNote(note);
}

void BM_Docx(benchmark::State& state) {
  CompareFormat<TDocDOCX>(state, "DOCX", "docx", {Pandoc("docx"), LibreOffice("docx", "docx:\"MS Word 2007 XML\"")});
}

void BM_Odt(benchmark::State& state) {
  CompareFormat<TDocODT>(state, "ODT", "odt", {Pandoc("odt"), LibreOffice("odt", "odt:writer8")});
}

BENCHMARK(BM_Docx)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Odt)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  // The peak of one save (the document made and written) in a process that
  // does nothing else; a save that fails leaves it unmeasured.
  bench::AddPeakWork("docx", [](const std::string&) {
    if (TimeOurs<TDocDOCX>("docx") < 0) std::exit(1);
  });
  bench::AddPeakWork("odt", [](const std::string&) {
    if (TimeOurs<TDocODT>("odt") < 0) std::exit(1);
  });
  bench::RunPeakWorkIfAsked();
  WriteInputs();
  return bench::RunAndSummarize(argc, argv);
}
