// Reading the information of folders of video files and PDFs as the file
// list reads them, next to the tools that read a whole folder in one process:
// - video (AVI, FLV, MPEG program stream, Matroska, WMV, MP4, Ogg Theora,
//   WebM; ten seconds each): mediainfo --ParseSpeed=0 and exiftool -fast2;
//   width, height and duration compared (target at most 0.1);
// - PDFs of 1 to 500 pages, with cross-reference tables and object streams:
//   exiftool -fast2; the page count compared (target at most 0.5);
// - the markup tree over a 50 MB XHTML file, read from the disk, against a
//   whole python3 process parsing it with xml.etree.ElementTree; the number
//   of paragraphs compared (target at most 1.0).
// Both sides run five times, alternating; verdicts on the minima, against the
// faster peer. A peer that is missing, fails or gives other fields is not
// measured (known differences of definition are listed). ffprobe and pdfinfo,
// which read one file a start, are timed over the first 50 files for
// comparison only.
//
// The sample files are hard links to a few sources, in a folder removed
// however the run ends. Needs ffmpeg, mediainfo, exiftool, qpdf and
// poppler-utils; SYLLABRIX_BENCH_MEDIA_FILES sets the count of each kind
// (default 1000).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fileinfo/markup_tree.h"
#include "fileinfo/pdf_info.h"
#include "fileinfo/video_info.h"
#include "fileinfo_peers.h"
#include "paired_runs.h"

namespace {

namespace fs = std::filesystem;

bench::TWorkDir& Work() {
  static bench::TWorkDir dir("media");
  return dir;
}

int FileCount() {
  const char* count = std::getenv("SYLLABRIX_BENCH_MEDIA_FILES");
  return count ? std::max(1, std::atoi(count)) : 1000;
}

fs::path VideoFolder() { return Work().Path() / "videos"; }
fs::path PdfFolder() { return Work().Path() / "pdfs"; }

const std::vector<std::string>& Videos() {
  static const std::vector<std::string> files = [] {
    const fs::path sources = Work().Path() / "video-sources";
    fs::create_directories(sources);
    const std::string ff = "ffmpeg -v error -y -f lavfi -i testsrc=size=640x360:rate=25 -t 10 ";
    const std::string make = "cd " + bench::ShellQuote(sources.string()) + " && " + ff + "-c:v mpeg4 a.avi && " + ff +
                             "-c:v flv1 a.flv && " + ff + "-c:v mpeg2video -f vob a.mpg && " + ff +
                             "-c:v mpeg4 a.mkv && " + ff + "-c:v wmv2 a.wmv && " + ff + "-c:v mpeg4 a.mp4 && " + ff +
                             "-c:v libtheora a.ogv && " + ff + "-c:v libvpx -b:v 300k -deadline realtime a.webm";
    if (bench::RunShell(make + " > /dev/null 2>&1") != 0) return std::vector<std::string>{};
    return fileinfo_bench::LinkFiles(sources, {"a.avi", "a.flv", "a.mpg", "a.mkv", "a.wmv", "a.mp4", "a.ogv", "a.webm"},
                                     VideoFolder(), FileCount());
  }();
  return files;
}

const char* const kMakePdfs = R"PY(
for n in (1, 5, 20, 60, 150, 300, 500):
    objs = ['<< /Type /Catalog /Pages 2 0 R >>',
            '<< /Type /Pages /Kids [' + ' '.join('%d 0 R' % (4 + i) for i in range(n)) + '] /Count %d >>' % n,
            '<< /Title (Bench) /Author (Me) /CreationDate (D:20240101120000Z) >>']
    objs += ['<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>'] * n
    out = b'%PDF-1.4\n'
    offs = []
    for i, o in enumerate(objs):
        offs.append(len(out))
        out += ('%d 0 obj\n%s\nendobj\n' % (i + 1, o)).encode()
    x = len(out)
    out += ('xref\n0 %d\n0000000000 65535 f \n' % (len(objs) + 1)).encode()
    out += b''.join(('%010d 00000 n \n' % o).encode() for o in offs)
    out += ('trailer\n<< /Size %d /Root 1 0 R /Info 3 0 R >>\nstartxref\n%d\n%%%%EOF\n' % (len(objs) + 1, x)).encode()
    open('c%d.pdf' % n, 'wb').write(out)
)PY";

const std::vector<std::string>& Pdfs() {
  static const std::vector<std::string> files = [] {
    const fs::path sources = Work().Path() / "pdf-sources";
    fs::create_directories(sources);
    std::ofstream(sources / "make.py") << kMakePdfs;
    const std::string make = "cd " + bench::ShellQuote(sources.string()) +
                             " && /usr/bin/python3 make.py && rm make.py && for f in c*.pdf; do qpdf "
                             "--object-streams=generate $f s${f#c}; done";
    if (bench::RunShell(make + " > /dev/null 2>&1") != 0) return std::vector<std::string>{};
    std::vector<std::string> names;
    for (int n : {1, 5, 20, 60, 150, 300, 500}) {
      names.push_back("c" + std::to_string(n) + ".pdf");
      names.push_back("s" + std::to_string(n) + ".pdf");
    }
    return fileinfo_bench::LinkFiles(sources, names, PdfFolder(), FileCount());
  }();
  return files;
}

double ReadVideos(fileinfo_bench::TOurFields* fields) {
  const auto start = bench::Clock::now();
  int ok = 0;
  for (const auto& entry : fs::directory_iterator(VideoFolder())) {
    const TVideoInfo info(entry.path().string());
    if (info.Width <= 0) return -1;
    ++ok;
    if (fields) {
      fields->Add(entry.path().string(), "width", info.Width);
      fields->Add(entry.path().string(), "height", info.Height);
      fields->Add(entry.path().string(), "duration", info.DurationExact);
    }
  }
  const double s = bench::SecondsSince(start);
  return ok > 0 ? s : -1;
}

double ReadPdfs(fileinfo_bench::TOurFields* fields) {
  const auto start = bench::Clock::now();
  int ok = 0;
  for (const auto& entry : fs::directory_iterator(PdfFolder())) {
    const TDocumentInfoPDF info(entry.path().string());
    if (info.PageCount <= 0) return -1;
    ++ok;
    if (fields) fields->Add(entry.path().string(), "pages", info.PageCount);
  }
  const double s = bench::SecondsSince(start);
  return ok > 0 ? s : -1;
}

template <typename TInfo>
double ReadEach(const std::vector<std::string>& files) {
  const auto start = bench::Clock::now();
  for (const std::string& f : files) benchmark::DoNotOptimize(TInfo(f));
  return bench::SecondsSince(start);
}

const std::vector<std::string> kKnownDifferences = {
    "wmv\tduration\texiftool\texiftool gives the play duration of the ASF header, the preroll included",
};

void BM_VideoFolder(benchmark::State& state) {
  const auto& files = Videos();
  for (auto _ : state) {
    fileinfo_bench::CompareWithFolderPeers(
        state, Work(), "video information", files, ReadVideos,
        {fileinfo_bench::Mediainfo(Work(), VideoFolder()),
         fileinfo_bench::Exiftool(Work(), VideoFolder(), "-ImageWidth -ImageHeight -Duration")},
        kKnownDifferences, 0.1);
    if (files.empty()) return;
    fileinfo_bench::ComparePerFileTool("video information", "ffprobe", "ffprobe -v error -show_format -show_streams",
                                       files, 50, ReadEach<TVideoInfo>);
  }
}
BENCHMARK(BM_VideoFolder)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PdfFolder(benchmark::State& state) {
  const auto& files = Pdfs();
  for (auto _ : state) {
    fileinfo_bench::CompareWithFolderPeers(state, Work(), "PDF information", files, ReadPdfs,
                                           {fileinfo_bench::Exiftool(Work(), PdfFolder(), "-PageCount")}, {}, 0.5);
    if (files.empty()) return;
    fileinfo_bench::ComparePerFileTool("PDF information", "pdfinfo", "pdfinfo", files, 50, ReadEach<TDocumentInfoPDF>);
  }
}
BENCHMARK(BM_PdfFolder)->Unit(benchmark::kMillisecond)->Iterations(1);

// About 50 MB of XHTML: nested sections of paragraphs with attributes.
const std::string& XhtmlFile() {
  static const std::string path = [] {
    const std::string p = Work().File("big.xhtml");
    std::ofstream out(p);
    out << "<?xml version=\"1.0\"?><html xmlns=\"http://www.w3.org/1999/xhtml\"><body>";
    for (int s = 0; out.tellp() < 50 * 1000 * 1000; ++s) {
      out << "<div class=\"sec s" << s << "\" id=\"d" << s << "\"><h2>Section " << s << "</h2>";
      for (int k = 0; k < 20; ++k)
        out << "<p class=\"t\">Some words of paragraph " << k << " with <b>bold</b> and <a href=\"#x" << k
            << "\">a link</a> &amp; more text.</p>";
      out << "</div>";
    }
    out << "</body></html>";
    return p;
  }();
  return path;
}

void BM_MarkupTree(benchmark::State& state) {
  const std::string& file = XhtmlFile();
  size_t paragraphs = 0;
  auto ours = [&] {
    const auto start = bench::Clock::now();
    TDocDOM dom;
    if (!dom.LoadFromFile(file)) return -1.0;
    paragraphs = dom.GetAllNodesWithTagName("p", true).size();
    return bench::SecondsSince(start);
  };
  const std::string out = Work().File("etree.txt");
  const std::string command =
      "/usr/bin/python3 -c 'import sys, xml.etree.ElementTree as E; "
      "print(len(E.parse(sys.argv[1]).getroot().findall(\".//{http://www.w3.org/1999/xhtml}p\")))' " +
      bench::ShellQuote(file) + " > " + bench::ShellQuote(out);
  for (auto _ : state) {
    auto t = bench::RunPaired(bench::kDefaultRepetitions, ours, [&] { return bench::TimeCommand(command, {out}); });
    std::string theirs;
    std::getline(std::ifstream(out), theirs);
    if (!t.Failed && theirs != std::to_string(paragraphs))
      t = bench::NotMeasured("ElementTree found " + theirs + " paragraphs, we " + std::to_string(paragraphs));
    bench::Report(state, "markup tree, 50 MB XHTML", "python3 ElementTree", t, 1.0);
  }
}
BENCHMARK(BM_MarkupTree)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return bench::RunAndSummarize(argc, argv); }
