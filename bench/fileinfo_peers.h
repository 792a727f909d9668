// What the file-information benchmarks share: folders of sample files made
// of hard links (a few sources, thousands of names), the peers that read a
// whole folder in one process (exiftool -fast2, mediainfo --ParseSpeed=0),
// and the comparison of the fields both sides give for every file.
#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "paired_runs.h"

namespace fileinfo_bench {

namespace fs = std::filesystem;

// count names in files/ (made here), each a hard link to one of the sources
// in turn, so that the folder costs the disk only the sources. The names
// keep the sources' extensions.
inline std::vector<std::string> LinkFiles(const fs::path& sources, const std::vector<std::string>& names,
                                          const fs::path& files, int count) {
  fs::create_directories(files);
  std::vector<std::string> out;
  for (int i = 0; i < count && !names.empty(); ++i) {
    const std::string& source = names[static_cast<size_t>(i) % names.size()];
    const fs::path link = files / (std::to_string(i) + "_" + source);
    std::error_code ec;
    fs::create_hard_link(sources / source, link, ec);
    if (ec) return {};
    out.push_back(link.string());
  }
  return out;
}

// The fields of our readers, file by file, as the comparison reads them:
// "file name TAB field TAB value" (a value of 0 counts as not given).
class TOurFields {
 public:
  void Add(const std::string& file, const std::string& field, double value) {
    if (value != 0) FLines.push_back(fs::path(file).filename().string() + "\t" + field + "\t" + Number(value));
  }
  void Write(const std::string& path) const {
    std::ofstream out(path);
    for (const std::string& l : FLines) out << l << '\n';
  }

 private:
  static std::string Number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    return buf;
  }
  std::vector<std::string> FLines;
};

// A peer over the whole folder, its output in a file of the work folder.
struct TFolderPeer {
  std::string Name;     // exiftool or mediainfo
  std::string Command;  // empty: not installed
  std::string Output;
};

// exiftool at its fastest (-fast2: no scan past the header) over the folder,
// asked for the tags given, as JSON with plain numbers.
inline TFolderPeer Exiftool(const bench::TWorkDir& work, const fs::path& folder, const std::string& tags) {
  TFolderPeer p{"exiftool -fast2", "", work.File("exiftool.json")};
  if (bench::HaveTool("exiftool"))
    p.Command = "exiftool -fast2 -n -json -q -q " + tags + " " + bench::ShellQuote(folder.string()) + " > " +
                bench::ShellQuote(p.Output);
  return p;
}

// mediainfo at its lowest parse depth over the folder, as JSON.
inline TFolderPeer Mediainfo(const bench::TWorkDir& work, const fs::path& folder) {
  TFolderPeer p{"mediainfo --ParseSpeed=0", "", work.File("mediainfo.json")};
  if (bench::HaveTool("mediainfo"))
    p.Command = "mediainfo --ParseSpeed=0 --Output=JSON " + bench::ShellQuote(folder.string()) + " > " +
                bench::ShellQuote(p.Output);
  return p;
}

// Reads a peer's JSON into the fields ours gives (duration in seconds,
// rate, channels, width, height, pages) and compares them file by file:
// where the peer gives a field, ours must give it too, within a tolerance
// for durations. Known differences of definition ("ext field tool why",
// one a line) are left out and listed, as are the few files the peer does
// not read at all (it does less work than ours there). Prints one line:
// agreement or what differs; exit status 1 when something differs, 2 when
// the peer leaves out more than one file in a hundred (or reads nothing).
inline const char* ComparerScript() {
  return R"PY(
import json, os, re, sys
tool, peer_json, ours_tsv, known_file = sys.argv[1:5]
known = {}
for line in open(known_file, encoding='utf-8'):
    if line.strip():
        ext, field, who, why = line.rstrip('\n').split('\t')
        known[(ext, field, who)] = why
def num(v):
    if isinstance(v, (int, float)): return float(v)
    if isinstance(v, str):
        m = re.fullmatch(r'\s*(\d+):(\d+):(\d+(?:\.\d+)?)\s*', v)
        if m: return int(m.group(1)) * 3600 + int(m.group(2)) * 60 + float(m.group(3))
        try: return float(v)
        except ValueError: return None
    return None
peer = {}
data = json.load(open(peer_json, encoding='utf-8'))
if tool == 'exiftool':
    for d in data:
        f = {}
        for field, tags in (('duration', ['Duration']), ('rate', ['SampleRate', 'AudioSampleRate']),
                            ('channels', ['Channels', 'AudioChannels', 'NumChannels']),
                            ('width', ['ImageWidth']), ('height', ['ImageHeight']), ('pages', ['PageCount'])):
            for t in tags:
                v = num(d.get(t))
                if v: f[field] = v; break
        peer[os.path.basename(d['SourceFile'])] = f
else:
    if isinstance(data, dict): data = [data]
    for m in data:
        tracks = m['media']['track']
        f = {}
        for t in tracks:
            kind = t.get('@type')
            if kind == 'General' and num(t.get('Duration')): f['duration'] = num(t['Duration'])
            if kind == 'Audio' and 'rate' not in f:
                if num(t.get('SamplingRate')): f['rate'] = num(t['SamplingRate'])
                if num(t.get('Channels')): f['channels'] = num(t['Channels'])
            if kind in ('Video', 'Image') and 'width' not in f:
                if num(t.get('Width')): f['width'] = num(t['Width'])
                if num(t.get('Height')): f['height'] = num(t['Height'])
        peer[os.path.basename(m['media']['@ref'])] = f
ours = {}
for line in open(ours_tsv, encoding='utf-8'):
    name, field, value = line.rstrip('\n').split('\t')
    ours.setdefault(name, {})[field] = float(value)
compared, differ, used, skipped = 0, {}, set(), {}
for name, fields in ours.items():
    if name not in peer:
        ext = os.path.splitext(name)[1].lstrip('.')
        skipped[ext] = skipped.get(ext, 0) + 1
        continue
    ext = os.path.splitext(name)[1].lstrip('.')
    for field, theirs in peer[name].items():
        mine = fields.get(field)
        key = (ext, field, tool)
        same = mine is not None and abs(mine - theirs) <= (max(0.1, theirs * 0.005) if field == 'duration' else 0)
        if not same and key in known:
            used.add(key); continue
        compared += 1
        if not same:
            differ.setdefault((ext, field, 'ours %s, %s %g' % ('none' if mine is None else '%g' % mine, tool, theirs)), []).append(name)
files = len(ours)
# A peer that leaves out more than a small share of the files does less work
# than ours: its time is no measure of the same reading.
left_out = sum(skipped.values())
if files and left_out * 100 > files:
    skip = ', '.join('%s %d' % (e, n) for e, n in sorted(skipped.items()))
    print('%s reads only %d of %d files (not: %s)' % (tool, files - left_out, files, skip))
    sys.exit(2)
if differ:
    parts = ['%s %s (%d files: %s)' % (k[0], k[1], len(v), k[2]) for k, v in sorted(differ.items())]
    print('fields DIFFER: ' + '; '.join(parts[:6]))
    sys.exit(1)
reasons = {}
for k in sorted(used): reasons.setdefault(known[k], []).append('%s %s' % (k[0], k[1]))
note = '; '.join('%s: %s' % (', '.join(keys), why) for why, keys in reasons.items())
skip = ', '.join('%s %d' % (e, n) for e, n in sorted(skipped.items()))
print('%d files, %d fields the same%s%s' % (files, compared, (' (left out: ' + note + ')') if note else '',
                                            ('; files the peer does not read: ' + skip) if skip else ''))
)PY";
}

// One line from the comparison (see ComparerScript); false when the fields
// differ or the comparison could not run.
inline bool CompareFields(const bench::TWorkDir& work, const TFolderPeer& peer, const TOurFields& ours,
                          const std::vector<std::string>& knownDifferences, std::string& line) {
  const std::string script = work.File("compare.py"), oursFile = work.File("ours.tsv"),
                    knownFile = work.File("known.tsv"), result = work.File("compare.txt");
  std::ofstream(script) << ComparerScript();
  ours.Write(oursFile);
  {
    std::ofstream known(knownFile);
    for (const std::string& k : knownDifferences) known << k << '\n';
  }
  const std::string tool = peer.Name.substr(0, peer.Name.find(' '));
  const int rc = bench::RunShell("/usr/bin/python3 " + bench::ShellQuote(script) + " " + tool + " " +
                                 bench::ShellQuote(peer.Output) + " " + bench::ShellQuote(oursFile) + " " +
                                 bench::ShellQuote(knownFile) + " > " + bench::ShellQuote(result) + " 2>&1");
  std::ifstream in(result);
  std::getline(in, line);
  if (line.empty()) line = "the comparison failed";
  return rc == 0;
}

// Reads the sample files once for their fields, then times ours (read:
// every file of the folder, the fields added when given) against each folder
// peer (five runs each, alternating), compares the fields after the runs and
// adds the summary lines; the target holds against the faster peer
// measured. Returns the times against that peer (Failed when no peer was
// measured).
template <typename Read>
bench::TPairedTimes MeasureFolderPeers(const bench::TWorkDir& work, const std::string& what,
                                       const std::vector<std::string>& files, const Read& read,
                                       const std::vector<TFolderPeer>& peers,
                                       const std::vector<std::string>& knownDifferences, double target) {
  const std::string name = what + ", " + std::to_string(files.size()) + " files";
  TOurFields fields;
  if (files.empty() || read(&fields) < 0) {
    const bench::TPairedTimes none = bench::NotMeasured(
        files.empty() ? "the sample files could not be made (tools missing?)" : "our reader failed on a sample file");
    bench::AddReportLine(name, peers.empty() ? "" : peers[0].Name, none, target);
    return none;
  }
  std::vector<bench::TPairedTimes> times;
  std::vector<std::string> notes;
  for (const TFolderPeer& peer : peers) {
    if (peer.Command.empty()) {
      times.push_back(bench::NotMeasured(peer.Name.substr(0, peer.Name.find(' ')) + " is not installed"));
      notes.emplace_back();
      continue;
    }
    bench::TPairedTimes t = bench::RunPaired(
        bench::kDefaultRepetitions, [&] { return read(nullptr); },
        [&] { return bench::TimeCommand(peer.Command, {peer.Output}); });
    std::string line;
    if (!t.Failed && !CompareFields(work, peer, fields, knownDifferences, line)) t = bench::NotMeasured(line);
    notes.push_back(t.Failed ? std::string() : line);
    times.push_back(std::move(t));
  }
  size_t fastest = peers.size();
  for (size_t k = 0; k < peers.size(); ++k)
    if (!times[k].Failed && (fastest == peers.size() || bench::Min(times[k].Peer) < bench::Min(times[fastest].Peer)))
      fastest = k;
  for (size_t k = 0; k < peers.size(); ++k) {
    bench::AddReportLine(name, peers[k].Name, times[k], k == fastest ? target : 0);
    if (!notes[k].empty()) bench::AddSummaryNote(std::string(36, ' ') + notes[k]);
  }
  return fastest == peers.size() ? bench::NotMeasured("no peer measured") : times[fastest];
}

// The same as a benchmark's case: its counters, or skipped as not measured.
template <typename Read>
bool CompareWithFolderPeers(benchmark::State& state, const bench::TWorkDir& work, const std::string& what,
                            const std::vector<std::string>& files, const Read& read,
                            const std::vector<TFolderPeer>& peers, const std::vector<std::string>& knownDifferences,
                            double target) {
  const bench::TPairedTimes t = MeasureFolderPeers(work, what, files, read, peers, knownDifferences, target);
  if (t.Failed) {
    state.SkipWithError("not measured");
    return false;
  }
  state.counters["ratio_min"] = bench::Min(t.Ours) / bench::Min(t.Peer);
  state.counters["ratio_med"] = bench::Median(t.Ours) / bench::Median(t.Peer);
  return true;
}

// A tool started once per file over the first files, for comparison only:
// what per-file probing costs beside our reading of the same files.
template <typename Ours>
void ComparePerFileTool(const std::string& name, const std::string& tool, const std::string& commandPrefix,
                        const std::vector<std::string>& files, size_t count, const Ours& oursOver) {
  const std::vector<std::string> some(files.begin(),
                                      files.begin() + static_cast<std::ptrdiff_t>(std::min(count, files.size())));
  bench::TPairedTimes t;
  if (!bench::HaveTool(tool)) {
    t = bench::NotMeasured(tool + " is not installed");
  } else {
    std::string command;
    for (const std::string& f : some) command += commandPrefix + " " + bench::ShellQuote(f) + " > /dev/null && ";
    command += "true";
    t = bench::RunPaired(
        3, [&] { return oursOver(some); }, [&] { return bench::TimeCommand(command); });
  }
  bench::AddReportLine(name + ", " + std::to_string(some.size()) + " files", tool + " per file", t, 0);
}

}  // namespace fileinfo_bench
