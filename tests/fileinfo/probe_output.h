// The tool checks of the media readers run a python script over their
// fixtures; it prints one line "<file> <tool>_<field>=<value>" per fact.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"

// Facts by file, then by "<tool>_<field>".
using TProbe = std::map<std::string, std::map<std::string, std::string>>;

// Runs tests/fileinfo/<script> over the files and reads what it printed.
inline TProbe RunProbeScript(const std::string& script, const std::vector<std::string>& paths) {
  std::string cmd = testsupport::Python3() + " " +
                    testsupport::ShellQuote(std::string(SYLLABRIX_SOURCE_TESTS) + "/fileinfo/" + script);
  for (const std::string& path : paths) cmd += " " + testsupport::ShellQuote(path);
  const testsupport::CommandResult r = testsupport::RunCommand(cmd);
  EXPECT_EQ(r.exitCode, 0) << cmd;
  TProbe probe;
  std::istringstream lines(r.out);
  std::string line;
  while (std::getline(lines, line)) {
    const size_t space = line.find(' ');
    const size_t eq = line.find('=', space);
    if (space == std::string::npos || eq == std::string::npos) continue;
    probe[line.substr(0, space)][line.substr(space + 1, eq - space - 1)] = line.substr(eq + 1);
  }
  return probe;
}

// The folder of fixtures that tests/fileinfo/<script> makes, once per script
// and run of the test binary.
inline const testsupport::TempDir& MadeFixtures(const std::string& script) {
  static std::map<std::string, testsupport::TempDir> made;
  auto it = made.find(script);
  if (it != made.end()) return it->second;
  const testsupport::TempDir& dir = made[script];
  const testsupport::CommandResult r = testsupport::RunCommand(
      "bash " + testsupport::ShellQuote(std::string(SYLLABRIX_SOURCE_TESTS) + "/fileinfo/" + script) + " " +
      testsupport::ShellQuote(dir.str()) + " 2>&1");
  EXPECT_EQ(r.exitCode, 0) << r.out;
  return dir;
}

// A fact as a number; -1 when the tool did not report it.
inline double ProbeNumber(const std::map<std::string, std::string>& facts, const std::string& key) {
  auto it = facts.find(key);
  return it == facts.end() ? -1 : std::stod(it->second);
}
