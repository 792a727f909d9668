// The image information of a folder of 3,000 files (a mix of every format
// the reader knows, each a few hundred KB; hard links to one source of each,
// in a folder removed however the run ends) read as the file list reads them,
// against the tools that read a whole folder in one process: exiftool -fast2
// and mediainfo --ParseSpeed=0. Both sides run five times, alternating; the
// verdict is on the minima against the faster peer (target at most 0.05).
// Width and height of every file are compared with each peer's; a peer that
// is missing, fails or disagrees is not measured (known differences of
// definition are listed). The note gives the most any file but a TIFF
// (whose directory may follow the pixels) made the reader read (target at
// most 64 KiB). SYLLABRIX_BENCH_IMAGE_FILES sets the file count.
//
// The crafted floods of the image and document readers (a JPEG 2000 file of
// two million boxes, an icon family of three million elements, HTML nested a
// million deep, PDFs of a million objects in a table and in a
// cross-reference stream) are a case of their own: each file read by the
// reader against ffprobe probing the same file, printed as the ratio to
// ffprobe. The target is at most 1.0.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fileinfo/buffered_stream.h"
#include "fileinfo/document_info.h"
#include "fileinfo/image_info.h"
#include "fileinfo_peers.h"
#include "paired_runs.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 3000;

const std::vector<std::string> kKnownDifferences = {
    "ico\twidth\texiftool\tour reader gives the largest picture of an icon, the tools the first",
    "ico\theight\texiftool\tour reader gives the largest picture of an icon, the tools the first",
    "ico\twidth\tmediainfo\tour reader gives the largest picture of an icon, the tools the first",
    "ico\theight\tmediainfo\tour reader gives the largest picture of an icon, the tools the first",
};

// Noise keeps every format from compressing the pictures to nothing.
const char* const kMakeSources = R"SH(
set -e
C=/usr/bin/convert
$C -size 360x280 xc:gray +noise Random PNG24:noise.png
$C -size 600x450 xc:gray +noise Random -quality 95 -density 72 -units PixelsPerInch photo.jpg
$C -size 600x450 xc:gray +noise Random -colorspace Gray -quality 97 gray.jpg
$C -size 360x280 xc:gray +noise Random -colorspace Gray -define png:color-type=0 gray.png
$C -size 400x300 xc:gray +noise Random -colors 256 still.gif
$C -delay 10 -size 300x200 xc:gray +noise Random \( +clone +noise Random \) \( +clone +noise Random \) -colors 128 anim.gif
$C noise.png -type TrueColor BMP3:rgb.bmp
$C noise.png -compress none -density 300 -units PixelsPerInch rgb.tif
$C noise.png \( +clone -flop \) -compress none pages.tif
$C noise.png rgb.psd
$C noise.png rgb.tga
$C noise.png rgb.ppm
$C noise.png -colorspace Gray gray.pgm
$C -size 1600x1400 xc:gray +noise Random -monochrome mono.pbm
$C -size 900x800 xc:gray +noise Random -monochrome mono.xbm
$C -size 300x200 xc:gray +noise Random -colors 200 col.xpm
$C noise.png rgb.pam
/usr/bin/cwebp -quiet -lossless noise.png -o lossless.webp
/usr/bin/cwebp -quiet -q 100 -size 300000 noise.png -o lossy.webp
/usr/bin/opj_compress -i noise.png -o rgb.jp2 > /dev/null
/usr/bin/cjxl noise.png rgb.jxl -d 0 > /dev/null 2>&1
/usr/bin/heif-enc -q 100 noise.png -o rgb.heic > /dev/null
/usr/bin/heif-enc -A -q 100 noise.png -o rgb.avif > /dev/null
$C -size 256x256 xc:gray +noise Random PNG32:i256.png
$C -size 48x48 xc:gray +noise Random PNG32:i48.png
$C i48.png i256.png icon.ico
/usr/bin/png2icns icon.icns i256.png > /dev/null
rm i48.png i256.png
$C noise.png rgb.jng
$C noise.png \( +clone -flop \) anim.mng
)SH";

bench::TWorkDir& Work() {
  static bench::TWorkDir dir("images");
  return dir;
}

fs::path Folder() { return Work().Path() / "files"; }
fs::path Sources() { return Work().Path() / "sources"; }

// The sources are made once; the files are hard links to them, so the folder
// costs the disk a few megabytes.
const std::vector<std::string>& Files() {
  static const std::vector<std::string> files = [] {
    fs::create_directories(Sources());
    const std::string script = Work().File("make.sh");
    std::ofstream(script) << kMakeSources;
    if (bench::RunShell("cd " + bench::ShellQuote(Sources().string()) + " && bash " + bench::ShellQuote(script) +
                        " > /dev/null 2>&1") != 0)
      return std::vector<std::string>{};
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(Sources())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    const char* count = std::getenv("SYLLABRIX_BENCH_IMAGE_FILES");
    return fileinfo_bench::LinkFiles(Sources(), names, Folder(), count ? std::max(1, std::atoi(count)) : kFiles);
  }();
  return files;
}

// Every file of the folder, as the file list reads them.
double ReadFolder(fileinfo_bench::TOurFields* fields) {
  const auto start = bench::Clock::now();
  int ok = 0;
  TImageInfo info;
  for (const auto& entry : fs::directory_iterator(Folder())) {
    if (!info.GetImageData(entry.path().string())) return -1;
    ++ok;
    if (fields) {
      fields->Add(entry.path().string(), "width", info.Width);
      fields->Add(entry.path().string(), "height", info.Height);
    }
  }
  const double s = bench::SecondsSince(start);
  return ok > 0 ? s : -1;
}

// The most bytes one file but a TIFF made the reader read.
double MaxHeaderBytes() {
  int64_t most = 0;
  for (const auto& e : fs::directory_iterator(Sources())) {
    const std::string ext = e.path().extension().string();
    if (ext == ".tif") continue;
    const int64_t before = FileStreamBytesReadOnThisThread();
    TImageInfo info(e.path().string());
    const int64_t read = FileStreamBytesReadOnThisThread() - before;
    if (read > 64 * 1024) std::fprintf(stderr, "%s: %lld bytes read\n", e.path().c_str(), static_cast<long long>(read));
    most = std::max(most, read);
  }
  return static_cast<double>(most);
}

void BM_ImageFolder(benchmark::State& state) {
  const auto& files = Files();
  for (auto _ : state) {
    fileinfo_bench::CompareWithFolderPeers(state, Work(), "image information", files, ReadFolder,
                                           {fileinfo_bench::Exiftool(Work(), Folder(), "-ImageWidth -ImageHeight"),
                                            fileinfo_bench::Mediainfo(Work(), Folder())},
                                           kKnownDifferences, 0.05);
  }
  if (files.empty()) return;
  const double most = MaxHeaderBytes();
  char note[200];
  std::snprintf(note, sizeof note, "%-34s at most %.0f bytes read from one file but a TIFF  (target at most 65536: %s)",
                "", most, most <= 65536 ? "met" : "MISSED");
  bench::AddSummaryNote(note);
}

BENCHMARK(BM_ImageFolder)->Unit(benchmark::kMillisecond)->Iterations(1);

const char* const kMakeFloods = R"PY(
import struct, zlib
def box(t, c): return struct.pack('>I', len(c) + 8) + t + c
jp2 = [b'\0\0\0\x0cjP  \r\n\x87\n', box(b'ftyp', b'jp2 \0\0\0\0jp2 '), box(b'jp2h', b'') * 2000000,
       box(b'jp2h', box(b'ihdr', struct.pack('>II', 5, 7) + b'\0\x03\x07\x07\0\0'))]
open('flood.jp2', 'wb').write(b''.join(jp2))
elements = (b'is32' + struct.pack('>I', 8)) * 3000000
open('flood.icns', 'wb').write(b'icns' + struct.pack('>I', len(elements) + 8) + elements)
nested = b'<div>' * 1000000 + b'<meta name="keywords" content="deep">x' + b'</div>' * 1000000
open('flood.html', 'wb').write(b'<html lang="en"><head><title>Deep</title></head><body>' + nested + b'</body></html>')
def pdf(path, stream):
    n = 1000000
    out = [b'%PDF-1.5\n']; size = len(out[0]); offsets = []
    def obj(body):
        nonlocal size
        offsets.append(size)
        o = b'%d 0 obj %s endobj\n' % (len(offsets), body); out.append(o); size += len(o)
    obj(b'<< /Type /Catalog /Pages %d 0 R >>' % (n + 3))
    for i in range(n): obj(b'null')
    obj(b'<< /Title (Far away) >>'); obj(b'<< /Type /Pages /Count 9 >>')
    xref = size; trailer = b'/Root 1 0 R /Info %d 0 R' % (n + 2)
    if not stream:
        out.append(b'xref\n0 %d\n0000000000 65535 f\r\n' % (len(offsets) + 1))
        out.append(b''.join(b'%010d 00000 n\r\n' % o for o in offsets))
        out.append(b'trailer\n<< /Size %d %s >>\n' % (len(offsets) + 1, trailer))
    else:
        rows = b'\0' * 6 + b''.join(b'\x01' + struct.pack('>I', o) + b'\0' for o in offsets + [xref])
        z = zlib.compress(rows)
        out.append(b'%d 0 obj << /Type /XRef /Size %d /W [1 4 1] %s /Filter /FlateDecode /Length %d >>\nstream\n'
                   % (len(offsets) + 1, len(offsets) + 2, trailer, len(z)) + z + b'\nendstream\nendobj\n')
    out.append(b'startxref\n%d\n%%%%EOF\n' % xref)
    open(path, 'wb').write(b''.join(out))
pdf('flood_table.pdf', False)
pdf('flood_stream.pdf', True)
)PY";

// Each flood file: the reader on it against ffprobe on it (ffprobe gives up
// on a format it does not know after probing: its time to give up is what is
// measured, so its exit code is not asked; a missing ffprobe is checked first).
void BM_ImageAndDocumentFloods(benchmark::State& state) {
  if (!bench::HaveTool("ffprobe")) {
    bench::Report(state, "Floods", "ffprobe", bench::NotMeasured("ffprobe is not installed"), 1.0);
    return;
  }
  const fs::path dir = Work().Path() / "floods";
  fs::create_directories(dir);
  std::ofstream(dir / "make.py") << kMakeFloods;
  const std::string make = "cd '" + dir.string() + "' && /usr/bin/python3 make.py";
  if (bench::RunShell(make) != 0) {
    bench::Report(state, "Floods", "ffprobe", bench::NotMeasured("the flood files could not be made"), 1.0);
    return;
  }
  struct TFlood {
    const char* File;
    bool Image;
  };
  const TFlood floods[] = {{"flood.jp2", true},
                           {"flood.icns", true},
                           {"flood.html", false},
                           {"flood_table.pdf", false},
                           {"flood_stream.pdf", false}};
  for (auto _ : state) {
    for (const TFlood& f : floods) {
      const std::string path = (dir / f.File).string();
      auto ours = [&] {
        const auto start = bench::Clock::now();
        if (f.Image) {
          TImageInfo info;
          benchmark::DoNotOptimize(info.GetImageData(path));
        } else {
          TDocumentInfo info;
          benchmark::DoNotOptimize(info.GetDocumentData(path));
        }
        return bench::SecondsSince(start);
      };
      const std::string probe = "/usr/bin/ffprobe -v quiet '" + path + "' > /dev/null 2>&1; true";
      const auto t = bench::RunPaired(bench::kDefaultRepetitions, ours, [&] { return bench::TimeCommand(probe); });
      bench::Report(state, std::string("Flood ") + f.File, "ffprobe", t, 1.0);
    }
  }
  std::error_code ec;
  fs::remove_all(dir, ec);
}

BENCHMARK(BM_ImageAndDocumentFloods)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return bench::RunAndSummarize(argc, argv); }
