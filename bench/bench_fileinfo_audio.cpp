// Reading the information of a folder of audio files (about a megabyte each,
// a mix of MP3 CBR and VBR, FLAC, Ogg Vorbis, Opus, WAV, WavPack and M4A) as
// the file list reads it, next to the tools that read a whole folder in one
// process: mediainfo at its lowest parse depth (--ParseSpeed=0) and exiftool
// -fast2. Both sides run five times, alternating; the verdict is on the
// minima against the faster peer (target at most 0.05). After the runs the
// duration, sample rate and channels of every file are compared with each
// peer's; a peer that is missing, fails or disagrees is not measured (known
// differences of definition are listed). ffprobe, which reads one file a
// start, is timed over the first 50 files for comparison only. The note
// gives what our readers read per file (their read-ahead included).
//
// The sample files are hard links to eight sources, in a folder removed
// however the run ends. Needs sox, lame, flac, vorbis-tools, opus-tools,
// wavpack, ffmpeg, mediainfo and exiftool; SYLLABRIX_BENCH_AUDIO_FILES sets
// the file count (default 2000).
//
// Floods: files made to flood the readers (an unknown-size Matroska segment
// of two-byte Void elements, an M4A file of empty boxes, two million empty
// APE items, a 16 MB FLAC comment block, a million empty ID3v2 frames), each
// read by the audio reader and by one ffprobe process; the ratio of the two
// times on the same file (target at most 1.0) and the reader's peak memory.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../tests/fileinfo/flood_files.h"
#include "../tests/fileinfo/heap_peak.h"
#include "fileinfo/audio_info.h"
#include "fileinfo_peers.h"
#include "paired_runs.h"

namespace {

namespace fs = std::filesystem;

int64_t ProcessReadBytes() { return heappeak::ProcessIoCount("rchar:"); }

bench::TWorkDir& Work() {
  static bench::TWorkDir dir("audio");
  return dir;
}

fs::path Folder() { return Work().Path() / "files"; }

// The sample files; empty when the encoders are missing.
const std::vector<std::string>& Files() {
  static const std::vector<std::string> files = [] {
    const fs::path sources = Work().Path() / "sources";
    fs::create_directories(sources);
    // About a megabyte in each format.
    const std::string make = "cd " + bench::ShellQuote(sources.string()) +
                             " && sox -q -n -r 44100 -c 2 -b 16 long.wav synth 62 sine 440 sine 660"
                             " && sox -q -n -r 44100 -c 2 -b 16 short.wav synth 6 sine 440"
                             " && lame --quiet -b 128 --tt T --ta A long.wav cbr.mp3"
                             " && lame --quiet -V 4 --tt T --ta A long.wav vbr.mp3"
                             " && flac --silent -8 --tag=TITLE=T short.wav -o a.flac"
                             " && oggenc --quiet -q 4 -t T long.wav -o a.ogg"
                             " && opusenc --quiet --bitrate 128 long.wav a.opus"
                             " && wavpack -q -y short.wav -o a.wv"
                             " && ffmpeg -v error -y -i long.wav -c:a aac -b:a 128k a.m4a && rm long.wav";
    if (bench::RunShell(make + " > /dev/null 2>&1") != 0) return std::vector<std::string>{};
    const char* count = std::getenv("SYLLABRIX_BENCH_AUDIO_FILES");
    return fileinfo_bench::LinkFiles(sources,
                                     {"cbr.mp3", "vbr.mp3", "a.flac", "a.ogg", "a.opus", "short.wav", "a.wv", "a.m4a"},
                                     Folder(), count ? std::max(1, std::atoi(count)) : 2000);
  }();
  return files;
}

int32_t ChannelCount(TAudioInfoChannels channels) { return channels == aicMono ? 1 : channels == aicStereo ? 2 : 0; }

// Every file of the folder, as the file list reads them.
double ReadFolder(fileinfo_bench::TOurFields* fields) {
  const auto start = bench::Clock::now();
  int ok = 0;
  for (const auto& entry : fs::directory_iterator(Folder())) {
    TAudioInfo info;
    if (!info.GetAudioData(entry.path().string())) return -1;
    ++ok;
    if (fields) {
      fields->Add(entry.path().string(), "duration", info.DurationExact);
      fields->Add(entry.path().string(), "rate", info.SampleRate);
      fields->Add(entry.path().string(), "channels", ChannelCount(info.Channels));
    }
  }
  const double s = bench::SecondsSince(start);
  return ok > 0 ? s : -1;
}

double ReadFiles(const std::vector<std::string>& files) {
  const auto start = bench::Clock::now();
  for (const std::string& f : files) {
    TAudioInfo info;
    if (!info.GetAudioData(f)) return -1;
  }
  return bench::SecondsSince(start);
}

const std::vector<std::string> kKnownDifferences = {
    "wv\tduration\tmediainfo\tmediainfo takes the length of the first block",
    "ogg\tduration\texiftool\texiftool -fast2 estimates it without reading the end",
};

void BM_AudioFolder(benchmark::State& state) {
  const auto& files = Files();
  for (auto _ : state) {
    fileinfo_bench::CompareWithFolderPeers(
        state, Work(), "audio information", files, ReadFolder,
        {fileinfo_bench::Mediainfo(Work(), Folder()),
         fileinfo_bench::Exiftool(Work(), Folder(),
                                  "-Duration -SampleRate -AudioSampleRate -Channels -AudioChannels -NumChannels")},
        kKnownDifferences, 0.05);
    if (files.empty()) return;
    fileinfo_bench::ComparePerFileTool("audio information", "ffprobe", "ffprobe -v error -show_format -show_streams",
                                       files, 50, ReadFiles);
  }
  const int64_t before = ProcessReadBytes();
  ReadFolder(nullptr);
  char note[160];
  std::snprintf(note, sizeof note, "%-34s our readers read %.0f bytes per file", "",
                static_cast<double>(ProcessReadBytes() - before) / static_cast<double>(files.size()));
  bench::AddSummaryNote(note);
}
BENCHMARK(BM_AudioFolder)->Unit(benchmark::kMillisecond)->Iterations(1);

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
  const std::string name = std::string("Flood: ") + c.Name;
  if (!bench::HaveTool("ffprobe")) {
    bench::Report(state, name, "ffprobe", bench::NotMeasured("ffprobe is not installed"), 1.0);
    return;
  }
  const std::string path = Work().File(c.File);
  {
    const std::string bytes = c.Make();
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  // ffprobe rejects some floods with an error: its time counts all the same.
  const std::string probe =
      "ffprobe -v error -show_format -show_streams " + bench::ShellQuote(path) + " > /dev/null 2>&1; true";
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
        [&] { return bench::TimeCommand(probe); });
  }
  state.counters["peak_mem_mb"] = bench::FreshPeakBytes("audio", path) / (1 << 20);
  bench::Report(state, name, "ffprobe", t, 1.0);
  std::error_code ec;
  fs::remove(path, ec);
}
BENCHMARK(BM_Flood)->DenseRange(0, 5)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // One file's reading in a process that does nothing else.
  bench::AddPeakWork("audio", [](const std::string& file) {
    TAudioInfo info;
    info.GetAudioData(file);
  });
  return bench::RunAndSummarize(argc, argv);
}
