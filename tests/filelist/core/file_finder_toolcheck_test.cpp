// The finder's file and folder lists of a generated tree against `find` with
// the same depth and hidden rules: a name of two or more characters that
// starts with one dot is hidden, links are listed and never entered.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "filelist/core/file_finder.h"
#include "foundation/str_split.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

// Folders up to four levels deep with files, hidden files and folders, names
// that start with two dots, blanks, decomposed and composed letters, links to
// files and folders, dangling links and links back to ancestors.
void BuildRandomTree(const std::string& root, uint32_t seed) {
  std::mt19937 rng(seed);
  const char* stems[] = {"a", "Report", "..two", ".dot", "x y", "Cafe\xCC\x81", "Caf\xC3\xA9", "n", "data.v1"};
  const char* exts[] = {".txt", ".TXT", ".jpg", "", ".tar.gz", ".Txt", ".md"};
  std::vector<std::string> folders = {root};
  for (size_t i = 0; i < folders.size() && folders.size() < 60; ++i) {
    const std::string folder = folders[i];
    const int depth =
        static_cast<int>(std::count(folder.begin() + static_cast<ptrdiff_t>(root.size()), folder.end(), '/'));
    const int subs = depth == 0 ? 4 : depth < 4 ? static_cast<int>(rng() % 4) : 0;
    for (int s = 0; s < subs; ++s) {
      std::string name = std::string(stems[rng() % std::size(stems)]) + "_d" + std::to_string(s);
      fs::create_directory(folder + name);
      folders.push_back(folder + name + "/");
    }
    const int files = 2 + static_cast<int>(rng() % 12);
    for (int f = 0; f < files; ++f) {
      const std::string name =
          std::string(stems[rng() % std::size(stems)]) + std::to_string(f) + exts[rng() % std::size(exts)];
      testsupport::WriteFileBytes(folder + name, name);
    }
  }
  for (size_t i = 1; i < folders.size(); i += 3) {
    fs::create_directory_symlink(root, folders[i] + "to_root.txt");
    fs::create_directory_symlink(folders[(i * 7) % folders.size()], folders[i] + "sideways");
    fs::create_symlink("missing.txt", folders[i] + "dangling.txt");
  }
}

TStrArray Sorted(TStrArray list) {
  std::sort(list.begin(), list.end());
  return list;
}

TStrArray Find(const std::string& root, const std::string& tests) {
  const testsupport::CommandResult r =
      testsupport::RunCommand("LC_ALL=C find " + testsupport::ShellQuote(root) + " -mindepth 1 " + tests + " -print0");
  EXPECT_EQ(r.exitCode, 0);
  TStrArray paths;
  if (r.out.empty()) return paths;
  ExplodeAtChar(paths, '\0', r.out.substr(0, r.out.size() - 1));
  return paths;
}

struct TCase {
  const char* Name;
  bool IncludeHidden;
  bool SearchSubDirs;
  bool Folders;
  const char* Extensions;
  const char* FindTests;
};

TEST(ToolCheckFileFinder, ListsLikeFind) {
  const TCase cases[] = {
      {"files", false, true, false, "", "-name '.[!.]*' -prune -o ! -type d"},
      {"files with hidden", true, true, false, "", "! -type d"},
      {"files, one level", false, false, false, "", "-maxdepth 1 -name '.[!.]*' -prune -o ! -type d"},
      {"folders", false, true, true, "", "-name '.[!.]*' -prune -o -type d"},
      {"folders with hidden, one level", true, false, true, "", "-maxdepth 1 -type d"},
      {"text files", false, true, false, "txt", "-name '.[!.]*' -prune -o ! -type d -iname '*.txt'"},
      {"text and gz files with hidden", true, true, false, "txt;gz", "! -type d ( -iname '*.txt' -o -iname '*.gz' )"},
  };
  for (uint32_t seed : {1u, 2u, 3u}) {
    testsupport::TempDir dir;
    const std::string root = dir.str() + "/";
    BuildRandomTree(root, seed);
    for (const TCase& c : cases) {
      TFileFinderObj f(root, c.SearchSubDirs);
      f.IncludeHidden = c.IncludeHidden;
      f.FindFiles = !c.Folders;
      f.FindFolders = c.Folders;
      f.ExtensionFilter.SetFilter(c.Extensions, "", "");
      ASSERT_TRUE(f.Execute());
      std::string tests = c.FindTests;
      for (size_t p; (p = tests.find(" ( ")) != std::string::npos;) tests.replace(p, 3, " \\( ");
      for (size_t p; (p = tests.find(" )")) != std::string::npos;) tests.replace(p, 2, " \\)");
      const TStrArray expected = Sorted(Find(root, tests));
      EXPECT_FALSE(expected.empty()) << c.Name;
      EXPECT_EQ(Sorted(c.Folders ? f.FolderList : f.FileList), expected) << c.Name << ", seed " << seed;
    }
  }
}

}  // namespace
