// The image information of 10,000 files (a mix of every format the reader
// knows, each a few hundred KB) against `exiftool -fast2 -n` over the same
// folder in the same run. "ratio_to_peer" = our time / exiftool's time; the
// target is at most 0.05. "max_header_bytes" is the most any file but a TIFF
// (whose directory may follow the pixels) made the reader read; the target is
// at most 64 KiB.
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
#include "fileinfo/image_info.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kFiles = 10000;

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

struct WorkArea {
  fs::path dir;
  WorkArea() {
    dir = fs::temp_directory_path() / ("syllabrix-bench-images-" + std::to_string(::getpid()));
    fs::create_directories(dir / "sources");
    fs::create_directories(dir / "files");
  }
  ~WorkArea() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
} workArea;

// The sources are made once; the 10,000 files are hard links to them, so
// the folder costs the disk a few megabytes.
const std::vector<std::string>& Files() {
  static const std::vector<std::string> files = [] {
    const fs::path sources = workArea.dir / "sources";
    const fs::path script = workArea.dir / "make.sh";
    std::ofstream(script) << kMakeSources;
    const std::string cmd = "cd '" + sources.string() + "' && bash '" + script.string() + "' > /dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "making the images failed\n");
    std::vector<fs::path> names;
    for (const auto& e : fs::directory_iterator(sources)) names.push_back(e.path());
    std::sort(names.begin(), names.end());
    std::vector<std::string> out;
    for (int i = 0; i < kFiles && !names.empty(); ++i) {
      const fs::path& src = names[static_cast<size_t>(i) % names.size()];
      fs::path link = workArea.dir / "files" / (std::to_string(i) + "_" + src.filename().string());
      fs::create_hard_link(src, link);
      out.push_back(link.string());
    }
    return out;
  }();
  return files;
}

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

int64_t ReadAll(const std::vector<std::string>& files) {
  int64_t pixels = 0;
  TImageInfo info;
  for (const auto& f : files) {
    info.GetImageData(f);
    pixels += static_cast<int64_t>(info.Width) * info.Height;
  }
  return pixels;
}

double RunExiftool() {
  const std::string cmd = "/usr/bin/exiftool -fast2 -n -q -q '" + (workArea.dir / "files").string() + "' > /dev/null";
  auto t0 = Clock::now();
  if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "exiftool failed\n");
  return Seconds(t0, Clock::now());
}

// The most bytes one file but a TIFF made the reader read.
double MaxHeaderBytes() {
  int64_t most = 0;
  for (const auto& e : fs::directory_iterator(workArea.dir / "sources")) {
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

void BM_ImageInfo10000Files(benchmark::State& state) {
  const auto& files = Files();
  double oursSeconds = 0, peerSeconds = 0;
  bool oursFirst = true;
  for (auto _ : state) {
    double oursThisRound = 0;
    for (int k = 0; k < 2; ++k) {
      if ((k == 0) == oursFirst) {
        auto t0 = Clock::now();
        benchmark::DoNotOptimize(ReadAll(files));
        oursThisRound = Seconds(t0, Clock::now());
        oursSeconds += oursThisRound;
      } else {
        peerSeconds += RunExiftool();
      }
    }
    oursFirst = !oursFirst;
    state.SetIterationTime(oursThisRound);
  }
  state.counters["files"] = static_cast<double>(files.size());
  state.counters["ours_ms"] = 1000 * oursSeconds / static_cast<double>(state.iterations());
  state.counters["peer_ms"] = 1000 * peerSeconds / static_cast<double>(state.iterations());
  state.counters["ratio_to_peer"] = peerSeconds > 0 ? oursSeconds / peerSeconds : 0;
  state.counters["max_header_bytes"] = MaxHeaderBytes();
}

BENCHMARK(BM_ImageInfo10000Files)->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
