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

namespace {

// The header of a portable anymap, read as the Netpbm formats define it: the
// magic, then tokens separated by white space, "#" opening a comment to the
// end of its line. A token counts only when something ends it, so that a file
// cut inside a number gives no number.
class TPnmHeader {
 public:
  explicit TPnmHeader(std::string text) : FText(std::move(text)) {}

  // The next token, or false at the end of the text (or of a token that the
  // text cuts off).
  bool Next(std::string& token) {
    SkipBlanks();
    const size_t start = FPos;
    while (FPos < FText.size() && !IsBlank(FText[FPos]) && FText[FPos] != '#') ++FPos;
    if (FPos == start || FPos >= FText.size()) return false;
    token = FText.substr(start, FPos - start);
    return true;
  }
  // The rest of the line after the current position, for the keyword lines
  // of an arbitrary map; false when the line does not end in the text.
  bool RestOfLine(std::string& rest) {
    const size_t end = FText.find_first_of("\r\n", FPos);
    if (end == std::string::npos) return false;
    rest = Trim(FText.substr(FPos, end - FPos));
    FPos = end;
    return true;
  }

 private:
  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
  void SkipBlanks() {
    while (FPos < FText.size()) {
      if (IsBlank(FText[FPos])) {
        ++FPos;
      } else if (FText[FPos] == '#') {
        while (FPos < FText.size() && FText[FPos] != '\n' && FText[FPos] != '\r') ++FPos;
      } else {
        break;
      }
    }
  }

  std::string FText;
  size_t FPos = 0;
};

bool PositiveNumber(const std::string& token, int32_t& value) { return IsNumber(token, value) && value > 0; }

// A float map's scale: a decimal number with an optional sign and fraction.
bool IsScale(const std::string& token) {
  size_t i = token.empty() || (token[0] != '-' && token[0] != '+') ? 0 : 1;
  bool digits = false, dot = false;
  for (; i < token.size(); ++i) {
    if (token[i] >= '0' && token[i] <= '9') {
      digits = true;
    } else if (token[i] == '.' && !dot) {
      dot = true;
    } else {
      return false;
    }
  }
  return digits;
}

// Bits a sample takes in the file: one byte up to the maximum value 255, two
// beyond.
int32_t SampleBits(int32_t maxValue) { return maxValue < 256 ? 8 : 16; }

struct TPnmFields {
  int32_t Width = 0, Height = 0, Depth = 0;
  TImageInfoColorSpace Space = iicsUnknown;  // unknown: the header names none
  TImageInfoFormat Format = iifUnknow;
};

bool ParsePNMHeader(const std::string& head, TPnmFields& out) {
  constexpr int32_t kMaxSampleValue = 65535;
  if (head.size() < 2 || head[0] != 'P') return false;
  const char kind = head[1];
  TImageInfoFormat format;
  switch (kind) {
    case '1':
    case '4': format = iifPBM; break;
    case '2':
    case '5': format = iifPGM; break;
    case '3':
    case '6': format = iifPPM; break;
    case '7': format = iifPAM; break;
    case 'F':
    case 'f': format = iifPFM; break;
    default: return false;
  }
  // The header text ends at the first zero byte.
  const size_t zero = head.find('\0', 2);
  TPnmHeader header(head.substr(2, zero == std::string::npos ? std::string::npos : zero - 2));
  int32_t width = 0, height = 0, maxValue = 0, depth = 0;
  TImageInfoColorSpace space = iicsUnknown;
  std::string token;
  if (format == iifPAM) {
    int32_t channels = 0;
    std::string tupleType;
    bool ended = false;
    while (!ended && header.Next(token)) {
      if (token == "ENDHDR") {
        ended = true;
      } else if (token == "TUPLTYPE") {
        std::string rest;
        if (!header.RestOfLine(rest)) return false;
        tupleType += tupleType.empty() || rest.empty() ? rest : " " + rest;
      } else {
        std::string value;
        if (!header.Next(value)) return false;
        int32_t* field = token == "WIDTH"    ? &width
                         : token == "HEIGHT" ? &height
                         : token == "DEPTH"  ? &channels
                         : token == "MAXVAL" ? &maxValue
                                             : nullptr;
        if (field && !PositiveNumber(value, *field)) return false;
      }
    }
    if (!ended || width <= 0 || height <= 0 || channels <= 0 || maxValue <= 0 || maxValue > kMaxSampleValue)
      return false;
    depth = channels * SampleBits(maxValue);
    if (StartsWith(tupleType, "BLACKANDWHITE"))
      space = iicsBlackAndWhite;
    else if (StartsWith(tupleType, "GRAYSCALE"))
      space = iicsGrayScale;
    else if (StartsWith(tupleType, "RGB"))
      space = iicsRGB;
    else if (StartsWith(tupleType, "CMYK"))
      space = iicsCMYK;
  } else {
    if (!header.Next(token) || !PositiveNumber(token, width)) return false;
    if (!header.Next(token) || !PositiveNumber(token, height)) return false;
    if (format == iifPFM) {
      if (!header.Next(token) || !IsScale(token)) return false;
    } else if (format != iifPBM) {
      if (!header.Next(token) || !PositiveNumber(token, maxValue) || maxValue > kMaxSampleValue) return false;
    }
    switch (format) {
      case iifPBM:
        depth = 1;
        space = iicsBlackAndWhite;
        break;
      case iifPGM:
        depth = SampleBits(maxValue);
        space = iicsGrayScale;
        break;
      case iifPPM:
        depth = 3 * SampleBits(maxValue);
        space = iicsRGB;
        break;
      default:
        depth = kind == 'f' ? 32 : 3 * 32;
        space = kind == 'f' ? iicsGrayScale : iicsRGB;
        break;
    }
  }
  out.Width = width;
  out.Height = height;
  out.Depth = depth;
  out.Space = space;
  out.Format = format;
  return true;
}

}  // namespace

// The depth is the bits of one pixel as stored, as for the other formats:
// samples per pixel times their bits (32-bit floats for a float map). A
// header that the file cuts off, or whose numbers are missing or out of
// range, gives no result. Most headers fit in the first kilobyte; comments may
// make one longer, up to a limit.
bool TImageInfo::GetImageDataFromPNM(const std::string& fileName) {
  constexpr int64_t kFirstRead = 1024;
  constexpr int64_t kHeaderLimit = 64 * 1024;
  const std::string head = ReadHead(fileName, kFirstRead, false);
  if (head.size() < 8) return false;
  TPnmFields f;
  if (!ParsePNMHeader(head, f) &&
      (head.size() < static_cast<size_t>(kFirstRead) || !ParsePNMHeader(ReadHead(fileName, kHeaderLimit, false), f)))
    return false;
  Width = f.Width;
  Height = f.Height;
  ColorDepth = f.Depth;
  if (f.Space != iicsUnknown) ColorSpace = f.Space;
  FFormat = f.Format;
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
