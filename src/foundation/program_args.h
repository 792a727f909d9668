// The program's command-line arguments, captured once in main.
#pragma once

#include <string>
#include <vector>

void CaptureProgramArguments(int argc, char** argv);
// argv[1..] as given (empty before capture).
const std::vector<std::string>& ProgramArguments();
// argv[0] as given ("" before capture).
const std::string& ProgramName0();
