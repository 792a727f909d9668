// Reading the information of many video files and PDFs next to the tools that
// read the same files in the same run: mediainfo (one process over all files)
// and ffprobe (one process per file) for video, pdfinfo (one per file) for
// PDFs of 1 to 500 pages. ratio_to_<tool>: our time / theirs (targets: 0.1
// for video, 0.5 for PDF). The markup tree over a 50 MB XHTML file against
// python3's xml.etree.ElementTree parsing the same file (target 1.0).
//
// Needs ffmpeg, mediainfo, qpdf and poppler-utils; SYLLABRIX_BENCH_MEDIA_FILES
// sets the count of each kind (default 2000).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fileinfo/markup_tree.h"
#include "fileinfo/pdf_info.h"
#include "fileinfo/video_info.h"

namespace {

using Clock = std::chrono::steady_clock;
double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

struct TMediaFiles {
  std::string dir;
  std::vector<std::string> videos, pdfs;
  std::string xhtml;
  TMediaFiles() {
    char tmpl[] = "/tmp/bench_fileinfo_media_XXXXXX";
    dir = mkdtemp(tmpl) ? tmpl : "/tmp";
    const std::string d = "'" + dir + "'";
    const std::string ff = "ffmpeg -v error -y -f lavfi -i testsrc=size=640x360:rate=25 -t 10 ";
    const std::string make = "cd " + d + " && " + ff + "-c:v mpeg4 a.avi && " + ff + "-c:v flv1 a.flv && " + ff +
                             "-c:v mpeg2video -f vob a.mpg && " + ff + "-c:v mpeg4 a.mkv && " + ff +
                             "-c:v wmv2 a.wmv && " + ff + "-c:v mpeg4 a.mp4 && " + ff + "-c:v libtheora a.ogv && " +
                             ff + "-c:v libvpx -b:v 300k -deadline realtime a.webm";
    const std::string makePdfs =
        "cd " + d +
        " && python3 -c \""
        "import sys\n"
        "for n in (1, 5, 20, 60, 150, 300, 500):\n"
        "  objs=['<< /Type /Catalog /Pages 2 0 R >>','<< /Type /Pages /Kids [' + "
        "' '.join('%d 0 R' % (4+i) for i in range(n)) + '] /Count %d >>' % n,"
        "'<< /Title (Bench) /Author (Me) /CreationDate (D:20240101120000Z) >>']\n"
        "  objs += ['<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>']*n\n"
        "  out=b'%PDF-1.4\\n'; offs=[]\n"
        "  for i,o in enumerate(objs):\n"
        "    offs.append(len(out)); out += ('%d 0 obj\\n%s\\nendobj\\n' % (i+1, o)).encode()\n"
        "  x=len(out); out += ('xref\\n0 %d\\n0000000000 65535 f \\n' % (len(objs)+1)).encode()\n"
        "  out += b''.join(('%010d 00000 n \\n' % o).encode() for o in offs)\n"
        "  out += ('trailer\\n<< /Size %d /Root 1 0 R /Info 3 0 R >>\\nstartxref\\n%d\\n%%%%EOF\\n'"
        " % (len(objs)+1, x)).encode()\n"
        "  open('c%d.pdf' % n, 'wb').write(out)\n"
        "\" && for f in c*.pdf; do qpdf --object-streams=generate $f s${f#c}; done";
    if (std::system(make.c_str()) != 0 || std::system(makePdfs.c_str()) != 0) return;
    const char* const videoKinds[] = {"a.avi", "a.flv", "a.mpg", "a.mkv", "a.wmv", "a.mp4", "a.ogv", "a.webm"};
    std::vector<std::string> pdfKinds;
    for (int n : {1, 5, 20, 60, 150, 300, 500}) {
      pdfKinds.push_back("c" + std::to_string(n) + ".pdf");
      pdfKinds.push_back("s" + std::to_string(n) + ".pdf");
    }
    const char* count = std::getenv("SYLLABRIX_BENCH_MEDIA_FILES");
    const int n = count ? std::atoi(count) : 2000;
    for (int i = 0; i < n; ++i) {
      const std::string v = videoKinds[i % 8];
      videos.push_back(dir + "/v" + std::to_string(i) + v.substr(v.find('.')));
      std::filesystem::copy_file(dir + "/" + v, videos.back());
      pdfs.push_back(dir + "/p" + std::to_string(i) + ".pdf");
      std::filesystem::copy_file(dir + "/" + pdfKinds[static_cast<size_t>(i) % pdfKinds.size()], pdfs.back());
    }
    // About 50 MB of XHTML: nested sections of paragraphs with attributes.
    xhtml = dir + "/big.xhtml";
    std::ofstream out(xhtml);
    out << "<?xml version=\"1.0\"?><html xmlns=\"http://www.w3.org/1999/xhtml\"><body>";
    for (int s = 0; out.tellp() < 50 * 1000 * 1000; ++s) {
      out << "<div class=\"sec s" << s << "\" id=\"d" << s << "\"><h2>Section " << s << "</h2>";
      for (int p = 0; p < 20; ++p)
        out << "<p class=\"t\">Some words of paragraph " << p << " with <b>bold</b> and <a href=\"#x" << p
            << "\">a link</a> &amp; more text.</p>";
      out << "</div>";
    }
    out << "</body></html>";
  }
  ~TMediaFiles() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

TMediaFiles& Files() {
  static TMediaFiles f;
  return f;
}

std::string WriteList(const std::vector<std::string>& files, const std::string& path) {
  std::ofstream out(path);
  for (const auto& name : files) out << name << '\n';
  return path;
}

void BM_VideoInfo(benchmark::State& state) {
  TMediaFiles& f = Files();
  if (f.videos.empty()) {
    state.SkipWithError("the tools are missing");
    return;
  }
  const std::string list = WriteList(f.videos, f.dir + "/videos.txt");
  double ours = 0, mediainfo = 0, ffprobe = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    int ok = 0;
    for (const auto& name : f.videos) ok += TVideoInfo(name).Width > 0 ? 1 : 0;
    ours = Seconds(Clock::now() - t0);
    benchmark::DoNotOptimize(ok);
    t0 = Clock::now();
    std::system(("xargs -a '" + list + "' -d '\\n' mediainfo --Output=JSON > /dev/null 2>&1").c_str());
    mediainfo = Seconds(Clock::now() - t0);
    t0 = Clock::now();
    std::system(
        ("xargs -a '" + list + "' -d '\\n' -n 1 ffprobe -v error -show_format -show_streams > /dev/null 2>&1").c_str());
    ffprobe = Seconds(Clock::now() - t0);
    state.SetIterationTime(ours);
  }
  state.counters["files"] = static_cast<double>(f.videos.size());
  state.counters["ratio_to_mediainfo"] = mediainfo > 0 ? ours / mediainfo : 0;
  state.counters["ratio_to_ffprobe"] = ffprobe > 0 ? ours / ffprobe : 0;
}
BENCHMARK(BM_VideoInfo)->UseManualTime()->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);

void BM_PDFInfo(benchmark::State& state) {
  TMediaFiles& f = Files();
  if (f.pdfs.empty()) {
    state.SkipWithError("the tools are missing");
    return;
  }
  const std::string list = WriteList(f.pdfs, f.dir + "/pdfs.txt");
  double ours = 0, pdfinfo = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    int64_t pages = 0;
    for (const auto& name : f.pdfs) pages += TDocumentInfoPDF(name).PageCount;
    ours = Seconds(Clock::now() - t0);
    benchmark::DoNotOptimize(pages);
    t0 = Clock::now();
    std::system(("xargs -a '" + list + "' -d '\\n' -n 1 pdfinfo > /dev/null 2>&1").c_str());
    pdfinfo = Seconds(Clock::now() - t0);
    state.SetIterationTime(ours);
  }
  state.counters["files"] = static_cast<double>(f.pdfs.size());
  state.counters["ratio_to_pdfinfo"] = pdfinfo > 0 ? ours / pdfinfo : 0;
}
BENCHMARK(BM_PDFInfo)->UseManualTime()->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);

void BM_MarkupTree(benchmark::State& state) {
  TMediaFiles& f = Files();
  if (f.xhtml.empty()) {
    state.SkipWithError("the tools are missing");
    return;
  }
  std::ifstream in(f.xhtml, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  double ours = 0, etree = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    {
      TDocDOM dom;
      dom.LoadFromString(text);
      benchmark::DoNotOptimize(dom.Document()->Count());
    }
    ours = Seconds(Clock::now() - t0);
    // The interpreter's start is measured apart and taken off.
    t0 = Clock::now();
    std::system("/usr/bin/python3 -c 'import xml.etree.ElementTree'");
    const double start = Seconds(Clock::now() - t0);
    t0 = Clock::now();
    std::system(("/usr/bin/python3 -c 'import xml.etree.ElementTree as E; E.parse(\"" + f.xhtml + "\")'").c_str());
    etree = Seconds(Clock::now() - t0) - start;
    state.SetIterationTime(ours);
  }
  state.counters["bytes"] = static_cast<double>(text.size());
  state.counters["ratio_to_elementtree"] = etree > 0 ? ours / etree : 0;
}
BENCHMARK(BM_MarkupTree)->UseManualTime()->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
