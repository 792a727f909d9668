#include "foundation/paths.h"

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <system_error>

#include "foundation/program_args.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"

namespace {

const char* const kFolderSeparators = "/\\";

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// Index of the extension's "." (after the last folder separator), or npos.
size_t ExtensionDot(const std::string& fileName) {
  size_t dot = fileName.rfind('.');
  if (dot == std::string::npos) return dot;
  size_t sep = fileName.find_last_of(kFolderSeparators);
  if (sep != std::string::npos && dot < sep) return std::string::npos;
  return dot;
}

std::string NameWithoutFolder(const std::string& fileName) {
  size_t sep = fileName.find_last_of(kFolderSeparators);
  return sep == std::string::npos ? fileName : fileName.substr(sep + 1);
}

const std::string kDisallowedChars = "/\\:*?\"><|";

const int64_t kUnitFactor[] = {1, 1, 1024, 1048576, 1073741824, 1099511627776};
const char* const kUnitSuffix[] = {" Byte", " Byte", " KB", " MB", " GB", " TB"};

TSizeType BestUnitForSize(int64_t bytes) {
  if (bytes < 1024) return sizeTypeByte;
  if (bytes < 1048576) return sizeTypeKB;
  if (bytes < 1073741824) return sizeTypeMB;
  if (bytes < 1099511627776) return sizeTypeGB;
  return sizeTypeTB;
}

}  // namespace

bool FileHasExtension(const std::string& fileName, const std::string& ext) {
  std::string wanted;
  for (char c : ext)
    if (c != '.') wanted.push_back(c);
  return EqualsIgnoringAsciiCase(ExtractFileExtWithoutExtensionSeparator(fileName), wanted);
}

bool FileHasExtension(const std::string& fileName, const std::string& ext1, const std::string& ext2) {
  return FileHasExtension(fileName, ext1) || FileHasExtension(fileName, ext2);
}

bool FileHasExtension(const std::string& fileName, const std::string& ext1, const std::string& ext2,
                      const std::string& ext3, const std::string& ext4) {
  return FileHasExtension(fileName, ext1, ext2) || FileHasExtension(fileName, ext3, ext4);
}

std::string ExtractFileExtWithoutExtensionSeparator(const std::string& fileName) {
  size_t dot = ExtensionDot(fileName);
  return dot == std::string::npos ? std::string() : fileName.substr(dot + 1);
}

std::string ExtractFileNameWithoutPathAndExt(const std::string& fileName) {
  std::string name = NameWithoutFolder(fileName);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ExtractFileNameWithoutPathAndExtEndingAtFirstDotInName(const std::string& fileName) {
  std::string name = NameWithoutFolder(fileName);
  return name.substr(0, name.find('.'));
}

bool DivideFileNameAndExtension(const std::string& fileName, std::string& name, std::string& ext) {
  size_t dot = ExtensionDot(fileName);
  if (dot == std::string::npos) {
    name = fileName;
    ext.clear();
  } else {
    name = fileName.substr(0, dot);
    ext = fileName.substr(dot + 1);
  }
  return !ext.empty();
}

bool DividePathFileNameAndExt(const std::string& fileName, std::string& folder, std::string& name, std::string& ext) {
  // The "." is looked for only after the last "/", so that a dot in a folder
  // name ("/home/u/.config/notes") is never taken for an extension.
  size_t slash = fileName.rfind('/');
  std::string rest = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  folder = slash == std::string::npos ? std::string() : fileName.substr(0, slash);
  size_t dot = rest.rfind('.');
  if (dot == std::string::npos) {
    name = rest;
    ext.clear();
  } else {
    name = rest.substr(0, dot);
    ext = rest.substr(dot + 1);
  }
  return slash != std::string::npos && dot != std::string::npos;
}

std::string FileFormatExtensionOfText(const std::string& text) {
  const size_t pos = text.find(" - ");
  return Trim(pos == std::string::npos ? std::string_view(text) : std::string_view(text).substr(0, pos));
}

std::string ExtractFolderNameOfLevel(const std::string& fileName, int32_t level) {
  std::string s = fileName;
  if (!s.empty() && s.back() == '/') s.pop_back();
  // Only "/" separates folders here: a backslash is an ordinary character of a name on this platform.
  size_t sep = s.rfind('/');
  std::string folderPart = sep == std::string::npos ? std::string() : s.substr(0, sep);
  TStrArray parts;
  Explode(parts, "/", folderPart);
  const int64_t n = static_cast<int64_t>(parts.size());
  const int64_t lv = level;
  if (lv >= 0 && lv < n) return parts[static_cast<size_t>(lv)];
  if (lv < 0 && -lv < n) return parts[static_cast<size_t>(n + lv)];
  return std::string();
}

int32_t GetFolderLevel(const std::string& path) {
  auto slashes = static_cast<int32_t>(std::min<size_t>(std::count(path.begin(), path.end(), '/'), INT32_MAX));
  return slashes == 0 ? 0 : slashes - 1;
}

TStrArray FileNameGetDisallowedCharsAsStrArray() {
  TStrArray out;
  for (char c : kDisallowedChars) out.emplace_back(1, c);
  return out;
}

std::string FileNameGetDisallowedCharsAsString(const std::string& separator) {
  std::string out;
  for (size_t i = 0; i < kDisallowedChars.size(); ++i) {
    if (i > 0) out += separator;
    out.push_back(kDisallowedChars[i]);
  }
  return out;
}

bool FileNameOnlyContainsAllowedChars(const std::string& fileName) {
  return fileName.find_first_of(kDisallowedChars) == std::string::npos;
}

bool IsFolderAndExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

std::string ApplicationPath() {
  // The executable does not move while it runs, so its folder is read once.
  static const std::string folder = [] {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) {
      exe = fs::absolute(ProgramName0(), ec);
      if (ec) exe.clear();
    }
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
  }();
  return folder;
}

std::string ApplicationPathWithPathDelimiter() { return ApplicationPath(); }

bool IsExeInZip() {
  std::string dir = ApplicationPath();
  while (!dir.empty() && dir.back() == '/') dir.pop_back();
  std::string name = dir.substr(dir.rfind('/') + 1);
  return name.size() >= 4 && EqualsIgnoringAsciiCase(name.substr(name.size() - 4), ".zip");
}

bool ParamStrExists(const std::string& text) {
  const auto& args = ProgramArguments();
  return std::find(args.begin(), args.end(), text) != args.end();
}

std::string FileSizeToStr(int64_t bytes, TSizeType unit, int32_t decimals, bool showUnit, bool thousandSeparators,
                          const NumberFormat& fmt) {
  if (unit == sizeTypeBestUnit || unit < sizeTypeBestUnit || unit > sizeTypeTB) unit = BestUnitForSize(bytes);
  const int64_t factor = kUnitFactor[unit];
  std::string text;
  if (decimals > 0 || thousandSeparators) {
    const int32_t shown = unit == sizeTypeByte ? 0 : decimals;
    text = FormatFloatFixed(static_cast<double>(bytes) / static_cast<double>(factor), shown, fmt, thousandSeparators);
  } else {
    text = IntToStr(bytes / factor);
  }
  if (showUnit) text += kUnitSuffix[unit];
  return text;
}

std::string FileSizeBestUnit(int64_t bytes, const NumberFormat& fmt) {
  // The unit follows the number of decimal digits while the division is by
  // powers of 1024, so 1000 bytes show as "0.977 KB".
  const size_t digits = IntToStr(bytes).size();
  TSizeType unit = digits <= 3    ? sizeTypeByte
                   : digits <= 6  ? sizeTypeKB
                   : digits <= 9  ? sizeTypeMB
                   : digits <= 12 ? sizeTypeGB
                                  : sizeTypeTB;
  const int decimals = unit == sizeTypeByte ? 0 : 3;
  return FormatFloatFixed(static_cast<double>(bytes) / static_cast<double>(kUnitFactor[unit]), decimals, fmt, true) +
         kUnitSuffix[unit];
}

std::string RatioString(int32_t a, int32_t b, TRatioType type, bool largerFirst, const std::string& separator,
                        const NumberFormat& fmt) {
  if (a == 0 || b == 0) return std::string();
  if (a == b) return type == ratioTypeDecimal ? FormatFloatFixed(1.0, 2, fmt) : "1" + separator + "1";
  if (type == ratioTypeDecimal) {
    double q = largerFirst && b >= a ? static_cast<double>(b) / a : static_cast<double>(a) / b;
    return FormatFloatFixed(q, 2, fmt);
  }
  // 64 bits keep the magnitude of the smallest 32-bit number representable.
  int64_t x = a, y = b;
  const int64_t g = std::gcd(x, y);
  x /= g;
  y /= g;
  if (largerFirst && y >= x) std::swap(x, y);
  if (type == ratioTypeInteger || x < 20 || y < 20) return IntToStr(x) + separator + IntToStr(y);
  return FormatFloatFixed(static_cast<double>(x) / static_cast<double>(y), 2, fmt);
}
