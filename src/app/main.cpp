#include <cstdio>

#include "foundation/program_args.h"

int main(int argc, char** argv) {
  CaptureProgramArguments(argc, argv);
  std::puts(
      "Syllabrix - makes up new words from weighted syllable lists and counts words,\n"
      "letters, letter groups and syllables in texts. The main window is not built yet.");
  return 0;
}
