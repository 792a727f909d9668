// PNM, XBM and XPM headers: image formats whose headers are text.
#include <algorithm>

#include "fileinfo/image_headers_common.h"
#include "fileinfo/image_info.h"
#include "foundation/number_format.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"

using namespace image_headers;

namespace {

bool IsNumber(const std::string& token, int32_t& value) { return !token.empty() && TryStrToInt(token, value); }

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TStrArray Lines(const std::string& text) {
  TStrArray lines;
  ExplodeAtCRLF_CR_LF_LineBreaks(lines, text);
  return lines;
}

TStrArray Tokens(const std::string& text) {
  TStrArray tokens;
  Explode(tokens, " ", text);
  return tokens;
}

// Reads at most limit bytes from the start of the file. When the file is
// longer, the last line may be cut and is dropped.
std::string ReadHead(const std::string& fileName, int64_t limit, bool dropCutLine) {
  TReaderFile file(fileName, false);
  const int64_t size = std::min(file.Size(), limit);
  std::string text(static_cast<size_t>(size), '\0');
  text.resize(static_cast<size_t>(file.Read(text.data(), size)));
  if (dropCutLine && file.Size() > limit) {
    const size_t lastBreak = text.find_last_of("\r\n");
    text.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
  }
  return text;
}

}  // namespace

bool TImageInfo::GetImageDataFromPNM(const std::string& fileName) {
  TReaderFile file(fileName, false);
  if (file.Size() < 8) return false;
  uint8_t magic[2];
  file.Read(magic, 2);
  if (magic[0] != 'P') return false;
  auto formatOf = [](uint8_t c) {
    switch (c) {
      case '1':
      case '4': return iifPBM;
      case '2':
      case '5': return iifPGM;
      case '3':
      case '6': return iifPPM;
      case '7': return iifPAM;
      case 'F':
      case 'f': return iifPFM;
      default: return iifUnknow;
    }
  };
  FFormat = formatOf(magic[1]);
  if (FFormat == iifUnknow) return false;
  char buf[257];
  const int64_t got = file.Read(buf, 257);
  std::string text(buf, static_cast<size_t>(got));
  text = text.substr(0, text.find('\0'));
  if (text.find('#') != std::string::npos) {
    TStrArray lines = Lines(text);
    for (std::string& line : lines) {
      size_t hash = line.find('#');
      if (hash != std::string::npos) line = Trim(line.substr(0, hash));
    }
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) joined += (i ? " " : "") + lines[i];
    text = joined;
  }
  text = Trim(text);
  text = StringReplaceFast(text, "\t", " ");
  text = StringReplaceFast(text, "\n", " ");
  text = StringReplaceFast(text, "\r", " ");
  text = StringReplaceFast(text, "  ", " ");
  bool widthFlag = false, heightFlag = false, depthFlag = false;
  int32_t maxValue = 0;
  for (const std::string& token : Tokens(text)) {
    int32_t v = 0;
    const bool number = IsNumber(token, v);
    if (widthFlag) {
      if (number) Width = v;
      widthFlag = false;
    }
    if (heightFlag) {
      if (number) Height = v;
      heightFlag = false;
    }
    if (depthFlag) {
      if (number) ColorDepth = v;
      depthFlag = false;
    }
    if (number) {
      if (Width == 0)
        Width = v;
      else if (Height == 0)
        Height = v;
      else if (maxValue == 0)
        maxValue = v;
    } else if (token == "WIDTH") {
      widthFlag = true;
    } else if (token == "HEIGHT") {
      heightFlag = true;
    } else if (token == "DEPTH") {
      depthFlag = true;
    }
  }
  const bool grayFloat = magic[1] == 'f';
  if (ColorDepth == 0) {
    switch (FFormat) {
      case iifPGM: ColorDepth = maxValue >= 256 ? 16 : 8; break;
      case iifPPM: ColorDepth = maxValue >= 256 ? 32 : 24; break;
      case iifPAM: ColorDepth = 32; break;
      case iifPFM: ColorDepth = grayFloat ? 1 : 24; break;
      case iifPBM: ColorDepth = 1; break;
      default: break;
    }
  }
  switch (FFormat) {
    case iifPBM: ColorSpace = iicsBlackAndWhite; break;
    case iifPGM: ColorSpace = iicsGrayScale; break;
    case iifPPM: ColorSpace = iicsRGB; break;
    case iifPFM: ColorSpace = grayFloat ? iicsGrayScale : iicsRGB; break;
    default: break;
  }
  FFormat = formatOf(magic[1]);
  ImageCount = 1;
  Quality = 100;
  return true;
}

// The defines of an X bitmap stand before its data; only the first 64 KiB are
// read, so the images of a very large file beyond them are not counted.
bool TImageInfo::GetImageDataFromXBM(const std::string& fileName) {
  constexpr int64_t kXbmReadLimit = 64 * 1024;
  const TStrArray lines = Lines(ReadHead(fileName, kXbmReadLimit, true));
  if (lines.size() < 3) return false;
  for (const std::string& raw : lines) {
    const std::string line = Trim(raw);
    if (!StartsWith(line, "#define ")) continue;
    const std::string rest = line.substr(8);
    const size_t blank = rest.find(' ');
    if (blank == std::string::npos) continue;
    const std::string name = rest.substr(0, blank);
    int32_t value = 0;
    if (!IsNumber(rest.substr(blank + 1), value)) continue;
    if (EndsWith(name, "width")) {
      if (Width == 0) Width = value;
      ++ImageCount;
    } else if (EndsWith(name, "height")) {
      if (Height == 0) Height = value;
    }
  }
  if (ImageCount > 0 && Height > 0) {
    ColorDepth = 1;
    ColorSpace = iicsBlackAndWhite;
    Quality = 100;
    FFormat = iifXBM;
    return true;
  }
  return false;
}

bool TImageInfo::GetImageDataFromXPM(const std::string& fileName) {
  const std::string text = ReadHead(fileName, 7500, false);
  const TStrArray lines = Lines(text);
  if (lines.size() < 3) return false;
  int32_t w = 0, h = 0, n = 0;
  bool colour = false, hsv = false, transparent = false;
  if (StartsWith(lines[0], "#define ")) {
    for (const std::string& line : lines) {
      if (!StartsWith(line, "#define ")) continue;
      const size_t first = line.find(' ');
      const size_t second = line.find(' ', first + 1);
      if (second == std::string::npos) continue;
      const std::string name = Trim(line.substr(first + 1, second - first - 1));
      const std::string value = Trim(line.substr(second + 1));
      int32_t v = 0;
      if (!IsNumber(value, v)) continue;
      if (name == "XFACE_width") w = v;
      if (name == "XFACE_height") h = v;
      if (name == "XFACE_ncolors") n = v;
    }
    colour = text.find("\"#") != std::string::npos;
  } else if (lines[0] == "! XPM2") {
    const TStrArray values = Tokens(lines[1]);
    if (values.size() < 4) return false;
    int32_t v = 0;
    if (IsNumber(values[0], v)) w = v;
    if (IsNumber(values[1], v)) h = v;
    if (IsNumber(values[2], v)) n = v;
    const int64_t last = std::min<int64_t>(static_cast<int64_t>(n) + 1, static_cast<int64_t>(lines.size()) - 1);
    for (int64_t i = 2; i <= last; ++i) {
      const TStrArray t = Tokens(lines[static_cast<size_t>(i)]);
      if (t.size() > 2 && StartsWith(t[2], "#")) colour = true;
    }
  } else if (lines[0] == "/* XPM */") {
    size_t c = 0;
    for (size_t i = 1; i < lines.size() && c == 0; ++i) {
      const std::string& line = lines[i];
      if (line.empty() || line[0] != '"') continue;
      const TStrArray t = Tokens(TrimChars(line, CharSet(" \",")));
      if (t.size() <= 3) continue;
      int32_t v = 0;
      if (IsNumber(t[0], v)) w = v;
      if (IsNumber(t[1], v)) h = v;
      if (IsNumber(t[2], v)) n = v;
      c = i + 1;
    }
    if (c == 0 || lines.size() < c) return false;
    int64_t last = static_cast<int64_t>(c) + n - 1;
    for (size_t i = c; i < lines.size(); ++i) {
      std::string line = lines[i];
      if (line.size() <= 2 || line[0] == '/') {
        ++last;
      } else {
        if (line[1] == ' ' && line[2] == ' ') line[1] = 'x';
        const TStrArray t = Tokens(RemoveDoubleSpaces(line.substr(1)));
        if (t.size() < 3 || t[2].size() < 2) break;
        if (t[2][0] == '#') {
          colour = true;
        } else if (t[2][0] == '%') {
          hsv = true;
        } else {
          std::string head = t[2].substr(0, 4);
          for (char& ch : head)
            if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
          if (head == "NONE") transparent = true;
        }
      }
      if (static_cast<int64_t>(i) == last) break;
    }
  }
  if (w > 0 && h > 0) {
    Width = w;
    Height = h;
    ColorSpace = hsv ? iicsHSV : colour ? iicsRGB : iicsPalette;
    if (colour || hsv) ColorDepth = transparent ? 32 : 24;
    ImageCount = 1;
    Quality = 100;
    FFormat = iifXPM;
    return true;
  }
  return false;
}
