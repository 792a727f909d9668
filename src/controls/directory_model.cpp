#include "controls/directory_model.h"

#include <filesystem>
#include <system_error>

#include "foundation/file_functions.h"

namespace fs = std::filesystem;

namespace {
bool IsSameOrAncestor(const fs::path& ancestor, const fs::path& p) {
  auto a = ancestor.begin(), b = p.begin();
  for (; a != ancestor.end(); ++a, ++b) {
    if (b == p.end() || *a != *b) return false;
  }
  return true;
}
}  // namespace

TDirTreeListing ListDirTreeLevel(const std::string& folder) {
  TDirTreeListing listing;
  std::error_code ec;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  if (ec) return listing;
  listing.Readable = true;
  fs::path parentCanonical = fs::canonical(folder, ec);
  if (ec) parentCanonical.clear();
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    const fs::directory_entry& entry = *it;
    std::string name = entry.path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code e2;
    if (!entry.is_directory(e2) || e2) continue;
    TDirTreeEntry out;
    out.Name = name;
    out.Path = WithTrailingDelimiter(folder) + name;
    if (entry.is_symlink(e2)) {
      fs::path target = fs::canonical(entry.path(), e2);
      if (e2 || parentCanonical.empty() || IsSameOrAncestor(target, parentCanonical)) out.LoopLink = true;
    }
    out.HasSubDirs = !out.LoopLink && DirHasSubDirs(out.Path);
    listing.Entries.push_back(std::move(out));
  }
  return listing;
}

std::string WithTrailingDelimiter(const std::string& path) {
  if (!path.empty() && path.back() == '/') return path;
  return path + "/";
}

bool DirTreePathParts(const std::string& root, const std::string& path, TStrArray& parts) {
  parts.clear();
  auto clean = [](const std::string& text) {
    std::string s = fs::path(text).lexically_normal().string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return fs::path(s);
  };
  fs::path r = clean(root);
  fs::path p = clean(path);
  fs::path rel = p.lexically_relative(r);
  if (rel.empty()) return false;
  for (const auto& part : rel) {
    std::string s = part.string();
    if (s == "..") return false;
    if (s == "." || s.empty() || s == "/") continue;
    parts.push_back(s);
  }
  return true;
}
