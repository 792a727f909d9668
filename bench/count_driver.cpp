// The count command as one process, for bench_counter: loads a text file as
// the program opens it (code page detected), counts it with the counter's
// default settings and writes the table the output field would show.
//
//   count_driver <count type 0-7> <text file> <table file>
//
// Exit status 0 when the table was written. With SYLLABRIX_COUNT_DRIVER_MEMORY
// naming a file, the driver writes to it its resident memory in KiB after its
// start and at its peak after it (load, count, table), for the memory note.
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "foundation/number_format.h"
#include "foundation/text_files.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "wordgen/counter/counter.h"

namespace {

// A field of /proc/self/status in KiB.
long StatusKiB(const char* field) {
  FILE* f = std::fopen("/proc/self/status", "r");
  if (!f) return 0;
  char line[256];
  long value = 0;
  const size_t n = std::strlen(field);
  while (std::fgets(line, sizeof line, f))
    if (std::strncmp(line, field, n) == 0) value = std::atol(line + n);
  std::fclose(f);
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: count_driver <count type 0-7> <text file> <table file>\n");
    return 2;
  }
  const int type = std::atoi(argv[1]);
  if (type < ctWords || type > ctSyllables) return 2;
  InitSprResLocal();
  SetSprResGlobal(0);
  const char* memoryReport = std::getenv("SYLLABRIX_COUNT_DRIVER_MEMORY");
  long startKiB = 0;
  if (memoryReport) {
    // What the start left behind is given back, and the peak counted from here.
    malloc_trim(0);
    if (FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
      std::fputs("5", refs);
      std::fclose(refs);
    }
    startKiB = StatusKiB("VmRSS:");
  }
  const std::string text = LoadString(argv[2]);
  TCounterSettings settings;
  settings.CountType = static_cast<TCountType>(type);
  TCounterObj counter;
  const std::string table = counter.Count(text, settings, NumberFormat{}).Output;
  FILE* out = std::fopen(argv[3], "wb");
  if (!out) return 1;
  const bool written = std::fwrite(table.data(), 1, table.size(), out) == table.size();
  if (std::fclose(out) != 0 || !written) return 1;
  if (memoryReport) {
    FILE* report = std::fopen(memoryReport, "w");
    if (!report) return 1;
    std::fprintf(report, "%ld %ld\n", startKiB, StatusKiB("VmHWM:"));
    if (std::fclose(report) != 0) return 1;
  }
  return 0;
}
