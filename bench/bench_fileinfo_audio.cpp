// Reading the information of many audio files (about a megabyte each, a mix of
// MP3 CBR and VBR, FLAC, Ogg Vorbis, Opus, WAV, WavPack and M4A), next to
// mediainfo (one process over all files) and ffprobe (one process per file,
// as it reads one file a call) over the same files in the same run.
// ratio_to_mediainfo and ratio_to_ffprobe: our time / theirs (target 0.05 or
// less). bytes_read_per_file: what our readers read from the files, on
// average (the read-ahead of the formats' own scans included).
//
// Needs sox, lame, flac, vorbis-tools, opus-tools, wavpack, ffmpeg and
// mediainfo; SYLLABRIX_BENCH_AUDIO_FILES sets the file count (default 5000).
//
// Floods: files made to flood the readers (an unknown-size Matroska segment
// of two-byte Void elements, an M4A file of empty boxes, two million empty
// APE items, a 16 MB FLAC comment block, a million empty ID3v2 frames), each
// read by the audio reader and by one ffprobe process; the ratio of the two
// times on the same file (target at most 1.0) and the reader's peak memory.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../tests/fileinfo/flood_files.h"
#include "../tests/fileinfo/heap_peak.h"
#include "fileinfo/audio_info.h"
#include "paired_runs.h"

namespace {

using Clock = std::chrono::steady_clock;
double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

int64_t ProcessReadBytes() { return heappeak::ProcessIoCount("rchar:"); }

struct TAudioFiles {
  std::string dir;
  std::vector<std::string> files;
  TAudioFiles() {
    char tmpl[] = "/tmp/bench_fileinfo_audio_XXXXXX";
    dir = mkdtemp(tmpl) ? tmpl : "/tmp";
    const std::string d = "'" + dir + "'";
    // About a megabyte in each format.
    const std::string make = "cd " + d +
                             " && sox -q -n -r 44100 -c 2 -b 16 long.wav synth 62 sine 440 sine 660"
                             " && sox -q -n -r 44100 -c 2 -b 16 short.wav synth 6 sine 440"
                             " && lame --quiet -b 128 --tt T --ta A long.wav cbr.mp3"
                             " && lame --quiet -V 4 --tt T --ta A long.wav vbr.mp3"
                             " && flac --silent -8 --tag=TITLE=T short.wav -o a.flac"
                             " && oggenc --quiet -q 4 -t T long.wav -o a.ogg"
                             " && opusenc --quiet --bitrate 128 long.wav a.opus"
                             " && wavpack -q -y short.wav -o a.wv"
                             " && ffmpeg -v error -y -i long.wav -c:a aac -b:a 128k a.m4a";
    if (std::system(make.c_str()) != 0) return;
    const char* const kinds[] = {"cbr.mp3", "vbr.mp3", "a.flac", "a.ogg", "a.opus", "short.wav", "a.wv", "a.m4a"};
    const char* count = std::getenv("SYLLABRIX_BENCH_AUDIO_FILES");
    const int n = count ? std::atoi(count) : 5000;
    for (int i = 0; i < n; ++i) {
      const std::string kind = kinds[i % 8];
      const std::string name = dir + "/f" + std::to_string(i) + kind.substr(kind.find('.'));
      std::filesystem::copy_file(dir + "/" + kind, name, std::filesystem::copy_options::overwrite_existing);
      files.push_back(name);
    }
  }
  ~TAudioFiles() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

TAudioFiles& Files() {
  static TAudioFiles f;
  return f;
}

void BM_AudioInfo(benchmark::State& state) {
  TAudioFiles& f = Files();
  if (f.files.empty()) {
    state.SkipWithError("the encoders are missing");
    return;
  }
  const std::string list = f.dir + "/list.txt";
  {
    std::ofstream out(list);
    for (const auto& name : f.files) out << name << '\n';
  }
  double ours = 0, mediainfo = 0, ffprobe = 0;
  int64_t bytes = 0;
  for (auto _ : state) {
    // Sides alternate within each repetition.
    auto t0 = Clock::now();
    const int64_t before = ProcessReadBytes();
    int okCount = 0;
    for (const auto& name : f.files) {
      TAudioInfo info;
      okCount += info.GetAudioData(name) ? 1 : 0;
    }
    bytes = ProcessReadBytes() - before;
    ours = Seconds(Clock::now() - t0);
    benchmark::DoNotOptimize(okCount);
    t0 = Clock::now();
    std::system(("xargs -a '" + list + "' -d '\\n' mediainfo --Output=JSON > /dev/null 2>&1").c_str());
    mediainfo = Seconds(Clock::now() - t0);
    t0 = Clock::now();
    std::system(
        ("xargs -a '" + list + "' -d '\\n' -n 1 ffprobe -v error -show_format -show_streams > /dev/null 2>&1").c_str());
    ffprobe = Seconds(Clock::now() - t0);
    state.SetIterationTime(ours);
  }
  state.counters["files"] = static_cast<double>(f.files.size());
  state.counters["ratio_to_mediainfo"] = mediainfo > 0 ? ours / mediainfo : 0;
  state.counters["ratio_to_ffprobe"] = ffprobe > 0 ? ours / ffprobe : 0;
  state.counters["bytes_read_per_file"] = static_cast<double>(bytes) / static_cast<double>(f.files.size());
}
BENCHMARK(BM_AudioInfo)->UseManualTime()->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);

struct TFloodCase {
  const char* Name;
  const char* File;
  std::string (*Make)();
};

const TFloodCase kFloods[] = {
    {"Matroska, 32 MB of Void elements", "voids.mka", [] { return floodfiles::MatroskaVoids(32 << 20); }},
    {"M4A, 64 MB of 8-byte boxes", "boxes.m4a", [] { return floodfiles::Mp4Boxes(64 << 20, 8); }},
    {"M4A, 64 MB of 4-byte boxes", "tiny.m4a", [] { return floodfiles::Mp4Boxes(64 << 20, 4); }},
    {"WavPack, 2 million APE items", "items.wv", [] { return floodfiles::ApeItems(2000000); }},
    {"FLAC, 16 MB comment block", "comments.flac", [] { return floodfiles::FlacComments((16 << 20) - 1); }},
    {"MP3, 1 million ID3v2 frames", "frames.mp3", [] { return floodfiles::Id3v2Frames(1000000); }},
};

void BM_Flood(benchmark::State& state) {
  const TFloodCase& c = kFloods[state.range(0)];
  char tmpl[] = "/tmp/bench_fileinfo_flood_XXXXXX";
  const std::string dir = mkdtemp(tmpl) ? tmpl : "/tmp";
  const std::string path = dir + "/" + c.File;
  {
    const std::string bytes = c.Make();
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  const std::string probe = "ffprobe -v error -show_format -show_streams '" + path + "' > /dev/null 2>&1";
  bench::TPairedTimes t;
  for (auto _ : state) {
    t = bench::RunPaired(
        bench::kDefaultRepetitions,
        [&] {
          const auto start = bench::Clock::now();
          TAudioInfo info;
          benchmark::DoNotOptimize(info.GetAudioData(path));
          return bench::SecondsSince(start);
        },
        // ffprobe rejects some floods with an error: its time counts all the same.
        [&] {
          const auto start = bench::Clock::now();
          std::system(probe.c_str());
          return bench::SecondsSince(start);
        });
    state.SetIterationTime(t.Ours.empty() ? 0 : bench::Median(t.Ours));
  }
  state.counters["peak_mem_mb"] = bench::PeakExtraBytes([&] {
                                    TAudioInfo info;
                                    info.GetAudioData(path);
                                  }) /
                                  (1 << 20);
  bench::Report(state, std::string("Flood: ") + c.Name, "ffprobe", t, 1.0);
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}
BENCHMARK(BM_Flood)->DenseRange(0, 5)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  bench::PrintSummary();
  return 0;
}
