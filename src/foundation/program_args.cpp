#include "foundation/program_args.h"

namespace {
std::vector<std::string>& Args() {
  static std::vector<std::string> a;
  return a;
}
std::string& Arg0() {
  static std::string s;
  return s;
}
}  // namespace

void CaptureProgramArguments(int argc, char** argv) {
  Args().clear();
  if (argc > 0 && argv && argv[0]) Arg0() = argv[0];
  for (int i = 1; i < argc; ++i) Args().emplace_back(argv[i] ? argv[i] : "");
}

const std::vector<std::string>& ProgramArguments() { return Args(); }
const std::string& ProgramName0() { return Arg0(); }
