#include "fileinfo/pdf_info.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "fileinfo/markup_tree.h"
#include "fileinfo/pdf_security.h"
#include "fileinfo/zlib_inflate.h"
#include "foundation/dates.h"
#include "foundation/utf8.h"

namespace {

constexpr int32_t kMaxSections = 256;    // cross-reference sections followed through /Prev
constexpr int32_t kMaxResolveDepth = 8;  // indirect references followed for one value
constexpr int32_t kMaxPageTreeDepth = 64;
constexpr int64_t kReadChunk = 4096;

bool IsWhite(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }
bool IsDelimiter(char c) {
  return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' || c == '}' || c == '/' ||
         c == '%';
}

std::string_view TrimView(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

bool ParseInt64(std::string_view s, int64_t& v) {
  s = TrimView(s);
  if (s.empty() || s.size() > 18) return false;
  size_t i = 0;
  bool neg = false;
  if (s[0] == '+' || s[0] == '-') {
    neg = s[0] == '-';
    i = 1;
  }
  if (i >= s.size()) return false;
  v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
  }
  if (neg) v = -v;
  return true;
}

// The end (one past) of the value token starting at i; iterative, so nesting
// costs no stack.
size_t SkipValue(std::string_view t, size_t i) {
  const size_t n = t.size();
  if (i >= n) return n;
  const char c = t[i];
  if (c == '(') {
    int depth = 0;
    for (; i < n; ++i) {
      if (t[i] == '\\') {
        ++i;
      } else if (t[i] == '(') {
        ++depth;
      } else if (t[i] == ')') {
        if (--depth == 0) return i + 1;
      }
    }
    return n;
  }
  if (c == '<' && i + 1 < n && t[i + 1] != '<') {
    const size_t e = t.find('>', i);
    return e == std::string_view::npos ? n : e + 1;
  }
  if (c == '<' || c == '[') {
    int depth = 0;
    while (i < n) {
      const char d = t[i];
      if (d == '(') {
        i = SkipValue(t, i);
        continue;
      }
      if (d == '<' && i + 1 < n && t[i + 1] == '<') {
        ++depth;
        i += 2;
        continue;
      }
      if (d == '>' && i + 1 < n && t[i + 1] == '>') {
        i += 2;
        if (--depth == 0) return i;
        continue;
      }
      if (d == '<') {  // a hex string
        const size_t e = t.find('>', i);
        i = e == std::string_view::npos ? n : e + 1;
        continue;
      }
      if (d == '[') ++depth;
      if (d == ']' && --depth == 0) return i + 1;
      ++i;
    }
    return n;
  }
  // Names, numbers and keywords; a stray delimiter is one character, so every
  // call moves on.
  const size_t start = i;
  if (c == '/') ++i;
  while (i < n && !IsWhite(t[i]) && !IsDelimiter(t[i])) ++i;
  return i == start ? start + 1 : i;
}

size_t SkipWhite(std::string_view t, size_t i) {
  while (i < t.size()) {
    if (IsWhite(t[i])) {
      ++i;
    } else if (t[i] == '%') {
      while (i < t.size() && t[i] != '\n' && t[i] != '\r') ++i;
    } else {
      break;
    }
  }
  return i;
}

// 5 0 R as one reference: object number, or 0.
int32_t RefNumber(std::string_view value) {
  value = TrimView(value);
  if (value.size() < 5 || value.back() != 'R') return 0;
  const size_t sp = value.find_first_of(" \r\n\t");
  if (sp == std::string_view::npos) return 0;
  int64_t n = 0;
  if (!ParseInt64(value.substr(0, sp), n) || n <= 0 || n > 0x7FFFFFFF) return 0;
  return static_cast<int32_t>(n);
}

int64_t IntValue(const TKeyValueArrayObj& d, std::string_view key, int64_t def) {
  int64_t v = 0;
  return ParseInt64(d.GetValueOrDefaultIfKeyNotExist(key, ""), v) ? v : def;
}

std::vector<int64_t> IntArray(std::string_view value) {
  std::vector<int64_t> out;
  value = TrimView(value);
  if (value.empty() || value[0] != '[') return out;
  size_t i = 1;
  while (i < value.size() && out.size() < 1u << 20) {
    i = SkipWhite(value, i);
    if (i >= value.size() || value[i] == ']') break;
    const size_t e = SkipValue(value, i);
    int64_t v = 0;
    if (ParseInt64(value.substr(i, e - i), v)) out.push_back(v);
    i = e;
  }
  return out;
}

void AppendCodePoint(std::string& out, uint32_t cp) {
  if (cp == 0) return;
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  UTF8Append(out, static_cast<char32_t>(cp));
}

std::string PDFDocToUTF8(std::string_view bytes) {
  static const uint16_t kLow[8] = {0x02D8, 0x02C7, 0x02C6, 0x02D9, 0x02DD, 0x02DB, 0x02DA, 0x02DC};
  static const uint16_t kHigh[33] = {0x2022, 0x2020, 0x2021, 0x2026, 0x2014, 0x2013, 0x0192, 0x2044, 0x2039,
                                     0x203A, 0x2212, 0x2030, 0x201E, 0x201C, 0x201D, 0x2018, 0x2019, 0x201A,
                                     0x2122, 0xFB01, 0xFB02, 0x0141, 0x0152, 0x0160, 0x0178, 0x017D, 0x0131,
                                     0x0142, 0x0153, 0x0161, 0x017E, 0xFFFD, 0x20AC};
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char c : bytes) {
    if (c >= 0x18 && c <= 0x1F)
      AppendCodePoint(out, kLow[c - 0x18]);
    else if (c >= 0x80 && c <= 0xA0)
      AppendCodePoint(out, kHigh[c - 0x80]);
    else if (c == 0xAD)
      AppendCodePoint(out, 0xFFFD);
    else
      AppendCodePoint(out, c);
  }
  return out;
}

std::string UTF16ToUTF8Text(std::string_view bytes, bool bigEndian) {
  std::string out;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
    const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
    uint32_t u = (uint32_t{hi} << 8) | lo;
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      const auto hi2 = static_cast<unsigned char>(bytes[bigEndian ? i + 2 : i + 3]);
      const auto lo2 = static_cast<unsigned char>(bytes[bigEndian ? i + 3 : i + 2]);
      const uint32_t u2 = (uint32_t{hi2} << 8) | lo2;
      if (u2 >= 0xDC00 && u2 <= 0xDFFF) {
        u = 0x10000 + ((u - 0xD800) << 10) + (u2 - 0xDC00);
        i += 2;
      }
    }
    AppendCodePoint(out, u);
  }
  return out;
}

std::string TextFromPDFBytes(std::string_view b) {
  if (b.size() >= 2 && static_cast<unsigned char>(b[0]) == 0xFE && static_cast<unsigned char>(b[1]) == 0xFF)
    return UTF16ToUTF8Text(b.substr(2), true);
  if (b.size() >= 2 && static_cast<unsigned char>(b[0]) == 0xFF && static_cast<unsigned char>(b[1]) == 0xFE)
    return UTF16ToUTF8Text(b.substr(2), false);
  if (b.size() >= 3 && b.substr(0, 3) == "\xEF\xBB\xBF") return UTF8Repair(b.substr(3));
  return PDFDocToUTF8(b);
}

// Inflates a zlib stream, at most kPDFMaxStreamSize bytes.
bool Inflate(std::string_view in, std::string& out) { return InflateBounded(in, out, kPDFMaxStreamSize); }

uint8_t Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  if (pb <= pc) return static_cast<uint8_t>(b);
  return static_cast<uint8_t>(c);
}

// PNG prediction (predictors 10 to 15): every row carries its own filter tag.
// The tags are removed; the result holds columns bytes per row.
bool UndoPNGPrediction(std::string& data, int64_t columns, int64_t colors, int64_t bitsPerComponent) {
  if (columns < 1 || columns > (1 << 24) || colors < 1 || colors > 32 || bitsPerComponent < 1 || bitsPerComponent > 16)
    return false;
  const int64_t rowLen = (columns * colors * bitsPerComponent + 7) / 8;
  const int64_t bpp = std::max<int64_t>(1, colors * bitsPerComponent / 8);
  const int64_t stride = rowLen + 1;
  const int64_t rows = static_cast<int64_t>(data.size()) / stride;
  std::string out(static_cast<size_t>(rows * rowLen), '\0');
  std::string prev(static_cast<size_t>(rowLen), '\0');
  for (int64_t r = 0; r < rows; ++r) {
    const auto* in = reinterpret_cast<const uint8_t*>(data.data() + r * stride);
    auto* cur = reinterpret_cast<uint8_t*>(out.data() + r * rowLen);
    const auto* up = reinterpret_cast<const uint8_t*>(prev.data());
    for (int64_t c = 0; c < rowLen; ++c) {
      const int a = c >= bpp ? cur[c - bpp] : 0;
      const int b = up[c];
      const int ul = c >= bpp ? up[c - bpp] : 0;
      const int x = in[1 + c];
      switch (in[0]) {
        case 1: cur[c] = static_cast<uint8_t>(x + a); break;
        case 2: cur[c] = static_cast<uint8_t>(x + b); break;
        case 3: cur[c] = static_cast<uint8_t>(x + (a + b) / 2); break;
        case 4: cur[c] = static_cast<uint8_t>(x + Paeth(a, b, ul)); break;
        default: cur[c] = static_cast<uint8_t>(x); break;
      }
    }
    prev.assign(reinterpret_cast<const char*>(cur), static_cast<size_t>(rowLen));
  }
  data.swap(out);
  return true;
}

}  // namespace

TKeyValueArrayObj ParsePDFDictionary(std::string_view text) {
  TKeyValueArrayObj d;
  text = TrimView(text);
  size_t i = 0;
  if (text.substr(0, 2) == "<<") i = 2;
  while (i < text.size()) {
    i = SkipWhite(text, i);
    if (i >= text.size() || text.substr(i, 2) == ">>") break;
    if (text[i] != '/') {
      i = SkipValue(text, i);
      continue;
    }
    const size_t keyEnd = SkipValue(text, i);
    const std::string_view key = text.substr(i + 1, keyEnd - i - 1);
    i = SkipWhite(text, keyEnd);
    if (i >= text.size() || text.substr(i, 2) == ">>") {
      d.Add(key, "");
      break;
    }
    size_t e = SkipValue(text, i);
    // An integer followed by another and R is one reference.
    int64_t dummy = 0;
    if (ParseInt64(text.substr(i, e - i), dummy)) {
      const size_t j = SkipWhite(text, e);
      const size_t je = SkipValue(text, j);
      if (j < text.size() && ParseInt64(text.substr(j, je - j), dummy)) {
        const size_t k = SkipWhite(text, je);
        if (k < text.size() && text[k] == 'R' &&
            (k + 1 == text.size() || IsWhite(text[k + 1]) || IsDelimiter(text[k + 1])))
          e = k + 1;
      }
    }
    d.Add(key, text.substr(i, e - i));
    i = e;
  }
  return d;
}

TDocumentInfoPDF::TDocumentInfoPDF(const std::string& FileName, bool ReadOutMetaInfo)
    : ReadOutMetaInfo(ReadOutMetaInfo) {
  Tag = 0;
  Reset();
  if (!FileName.empty()) ReadFromFile(FileName);
}

void TDocumentInfoPDF::Reset() {
  FTable.clear();
  FTableComplete = true;
  FSections.clear();
  FLookups.clear();
  FObjectStreams.clear();
  FReconstructed = false;
  FEncryptValue.clear();
  FFirstID.clear();
  FSecurity = TPDFSecurity();
  PageCount = 0;
  MetaTitle.clear();
  MetaAuthor.clear();
  MetaSubject.clear();
  MetaKeywords.clear();
  MetaCreated.clear();
  MetaModified.clear();
  MetaApplication.clear();
  MetaCreatedWith.clear();
  PDFVersion.clear();
  Encrypted = false;
  FInfoObj = FRootObj = FMetadataObj = FPagesObj = 0;
}

double TDocumentInfoPDF::GetMetaCreatedAsDateTime() const { return YYYYxMMxDDxHHxMMxSSToDateTime(MetaCreated); }
double TDocumentInfoPDF::GetMetaModifiedAsDateTime() const { return YYYYxMMxDDxHHxMMxSSToDateTime(MetaModified); }

std::string TDocumentInfoPDF::EncodeStringFromPDFStringFormat(std::string_view text) {
  const bool isString =
      text.size() >= 2 && ((text.front() == '<' && text.back() == '>') || (text.front() == '(' && text.back() == ')'));
  return isString ? TextFromPDFBytes(PDFStringBytes(text)) : std::string(text);
}

std::string TDocumentInfoPDF::PDFDateToNormalDateStr(std::string_view text) {
  text = TrimView(text);
  if (text.substr(0, 2) == "D:") text.remove_prefix(2);
  size_t digits = 0;
  while (digits < text.size() && digits < 14 && text[digits] >= '0' && text[digits] <= '9') ++digits;
  // A date needs its year; the parts after it are optional in whole pairs,
  // and whatever follows the digits must be a time zone.
  if (digits < 4 || digits % 2 != 0) return "";
  if (digits < text.size() && digits < 14) {
    const char z = text[digits];
    if (z != 'Z' && z != '+' && z != '-' && z != '\'') return "";
  }
  std::string d(text.substr(0, digits));
  if (d.size() < 6) d += "01";
  if (d.size() < 8) d += "01";
  while (d.size() < 14) d += '0';
  auto field = [&](size_t at, size_t len) {
    int v = 0;
    for (size_t k = at; k < at + len; ++k) v = v * 10 + (d[k] - '0');
    return v;
  };
  return NormalDateTimeText(field(0, 4), field(4, 2), field(6, 2), field(8, 2), field(10, 2), field(12, 2));
}

std::string NormalDateTimeText(int year, int month, int day, int hour, int minute, int second) {
  TDateTime date = 0, time = 0;
  if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, minute, second, 0, time)) return "";
  return YYYYMMDDHHMMSSStringWithoutSeparatorToStrWithSeparators(
      DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(ComposeDateTime(date, time)));
}

namespace {

constexpr int64_t kScanChunk = 1 << 20;
// An object's text (without its stream data) longer than this is no object.
constexpr int64_t kMaxObjectText = 8 << 20;
constexpr size_t kMaxLookups = 1024;
constexpr size_t kMaxCachedObjectStreams = 4;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The object number of an object header "N G obj" whose keyword starts at
// p; 0 when the bytes before it are no such header.
int64_t HeaderNumberBefore(std::string_view t, size_t p, int64_t& generation, size_t& headerStart) {
  if (p + 3 < t.size() && !IsWhite(t[p + 3]) && !IsDelimiter(t[p + 3])) return 0;
  size_t i = p;
  auto skipBack = [&] {
    const size_t e = i;
    while (i > 0 && IsWhite(t[i - 1])) --i;
    return e - i;
  };
  auto digitsBack = [&](int64_t& v) {
    const size_t e = i;
    while (i > 0 && IsDigit(t[i - 1]) && e - i < 10) --i;
    if (i == e) return false;
    v = 0;
    for (size_t k = i; k < e; ++k) v = v * 10 + (t[k] - '0');
    return true;
  };
  int64_t number = 0;
  if (skipBack() == 0 || !digitsBack(generation) || skipBack() == 0 || !digitsBack(number)) return 0;
  if (i > 0 && !IsWhite(t[i - 1]) && !IsDelimiter(t[i - 1])) return 0;
  headerStart = i;
  return number > 0 && number <= 0x7FFFFFFF ? number : 0;
}

// The file in pieces of a megabyte for the scans, each with the bytes before
// it (so that a number cut by the piece's start is read whole) and after it
// (so that a keyword cut by its end is found). Hits count from From() to
// Limit(), so that each position is looked at once.
class TScanChunks {
 public:
  TScanChunks(TStream& stream, int64_t size) : FStream(stream), FSize(size) {}
  bool Next() {
    FStart = FNext;
    // A scan of a large file ends early when its worker is told to stop.
    if (FStart >= FSize || ReadStopRequestedOnThisThread()) return false;
    FNext = FStart + kScanChunk;
    const int64_t from = std::max<int64_t>(0, FStart - kLookBehind);
    const int64_t len = std::min(FNext + kLookAhead, FSize) - from;
    FText.assign(static_cast<size_t>(len), '\0');
    FStream.SetPosition(from);
    FStream.Read(FText.data(), len);
    FBase = from;
    return true;
  }
  const std::string& Text() const { return FText; }
  size_t From() const { return static_cast<size_t>(FStart - FBase); }
  size_t Limit() const { return static_cast<size_t>(std::min(FNext, FSize) - FBase); }
  int64_t Offset(size_t p) const { return FBase + static_cast<int64_t>(p); }

 private:
  static constexpr int64_t kLookBehind = 32;
  static constexpr int64_t kLookAhead = 32;
  TStream& FStream;
  int64_t FSize;
  int64_t FStart = 0, FNext = 0, FBase = 0;
  std::string FText;
};

// Rows of a cross-reference stream, inflated piece by piece so that a stream
// of millions of rows needs no more than a row and a buffer at a time. PNG
// predictors undo each row against the one before it.
class TRowInflater {
 public:
  TRowInflater(int64_t rowLength, int64_t predictor)
      : FRowLength(rowLength),
        FTagged(predictor >= 10 && predictor <= 15),
        FPrevious(static_cast<size_t>(rowLength), 0) {}

  // Inflates input and calls row(bytes) for every complete row; false when
  // the data are no zlib stream, or the row callback asks to stop.
  // Inflates the stored bytes and calls row(bytes) for every complete row,
  // until it asks to stop, the data end or they pass the stream limit.
  template <typename Row>
  void Run(TStream& stream, int64_t start, int64_t length, const Row& row) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return;
    std::string in, out(16384, '\0');
    int64_t done = 0, produced = 0;
    for (;;) {
      if (z.avail_in == 0 && done < length) {
        const int64_t n = std::min<int64_t>(65536, length - done);
        in.resize(static_cast<size_t>(n));
        stream.SetPosition(start + done);
        const int64_t got = stream.Read(in.data(), n);
        done = got > 0 ? done + got : length;
        z.next_in = reinterpret_cast<Bytef*>(in.data());
        z.avail_in = static_cast<uInt>(std::max<int64_t>(got, 0));
      }
      z.next_out = reinterpret_cast<Bytef*>(out.data());
      z.avail_out = static_cast<uInt>(out.size());
      const int rc = inflate(&z, Z_NO_FLUSH);
      const size_t got = out.size() - z.avail_out;
      produced += static_cast<int64_t>(got);
      if (!Feed(std::string_view(out.data(), got), row) || produced > kPDFMaxStreamSize) break;
      if (rc == Z_STREAM_END || (rc != Z_OK && rc != Z_BUF_ERROR)) break;
      if (got == 0 && z.avail_in == 0 && done >= length) break;
    }
    inflateEnd(&z);
  }

 private:
  template <typename Row>
  bool Feed(std::string_view bytes, const Row& row) {
    const size_t stride = static_cast<size_t>(FRowLength) + (FTagged ? 1 : 0);
    while (!bytes.empty()) {
      const size_t take = std::min(stride - FPending.size(), bytes.size());
      FPending.append(bytes.substr(0, take));
      bytes.remove_prefix(take);
      if (FPending.size() < stride) break;
      if (FTagged) {
        // The stream's rows are one byte per sample, so the left neighbour
        // is the byte before.
        const auto tag = static_cast<uint8_t>(FPending[0]);
        auto* cur = reinterpret_cast<uint8_t*>(FPending.data() + 1);
        for (size_t k = 0; k + 1 < stride; ++k) {
          const int a = k > 0 ? cur[k - 1] : 0;
          const int b = FPrevious[k];
          const int ul = k > 0 ? FPrevious[k - 1] : 0;
          const int x = cur[k];
          int v = x;
          switch (tag) {
            case 1: v = x + a; break;
            case 2: v = x + b; break;
            case 3: v = x + (a + b) / 2; break;
            case 4: v = x + Paeth(a, b, ul); break;
            default: break;
          }
          cur[k] = static_cast<uint8_t>(v & 0xFF);
        }
        std::copy(cur, cur + stride - 1, FPrevious.begin());
      }
      const bool more = row(std::string_view(FPending).substr(FTagged ? 1 : 0));
      FPending.clear();
      if (!more) return false;
    }
    return true;
  }

  int64_t FRowLength;
  bool FTagged;
  std::vector<uint8_t> FPrevious;
  std::string FPending;
};

}  // namespace

bool TDocumentInfoPDF::ReadFromFile(const std::string& fileName) {
  std::error_code ec;
  if (fileName.empty() || !std::filesystem::exists(fileName, ec) || std::filesystem::is_directory(fileName, ec))
    return false;
  FileName = fileName;
  FFile = OpenStreamForReadingOrRaise(fileName);
  FStream = std::make_unique<TBufferedStream>(*FFile);
  FSize = FStream->GetSize();
  struct TCloser {
    TDocumentInfoPDF* Self;
    ~TCloser() {
      Self->FStream.reset();
      Self->FFile.reset();
      Self->FObjectStreams.clear();
      Self->FLookups.clear();
      Self->FTable.clear();
    }
  } closer{this};

  if (FSize >= 9) ParsePDFVersionFromStream();
  // The newest cross-reference section, named near the end of the file.
  if (FSize >= 35) {
    const int64_t tail = std::min<int64_t>(FSize, 1024);
    std::string t(static_cast<size_t>(tail), '\0');
    FStream->SetPosition(FSize - tail);
    FStream->Read(t.data(), tail);
    const size_t p = t.rfind("startxref");
    if (p != std::string::npos) {
      std::string_view rest = std::string_view(t).substr(p + 9);
      const size_t q = rest.find("%%EOF");
      int64_t offset = 0;
      if (ParseInt64(q == std::string_view::npos ? rest : rest.substr(0, q), offset)) ParseXRefTable(offset);
    }
  }
  // Cross-reference data that lead nowhere: the objects themselves say where
  // they are.
  if (FSize > 0 && ((FRootObj == 0 && FInfoObj == 0) || (FRootObj > 0 && !Reachable(FRootObj)) ||
                    (FInfoObj > 0 && !Reachable(FInfoObj))))
    Reconstruct();
  OpenSecurity();
  PageCount = PageCountFromTree();
  if (PageCount <= 0) PageCount = CountPagesFromFileViaString();
  if (ReadOutMetaInfo) ParseMetaInfo();
  return true;
}

bool TDocumentInfoPDF::ParsePDFVersionFromStream() {
  char b[9] = {};
  FStream->SetPosition(0);
  FStream->Read(b, 9);
  if (std::memcmp(b, "%PDF-", 5) != 0) return false;
  PDFVersion = std::string(TrimView(std::string_view(b + 5, 4)));
  return true;
}

int32_t TDocumentInfoPDF::CountPagesFromFileViaString() {
  // One pass in chunks; the chunks overlap so that no hit is split.
  constexpr int64_t kOverlap = 16;
  int32_t count = 0;
  std::string buf;
  int64_t start = 0;
  while (start < FSize) {
    const int64_t len = std::min(kScanChunk + kOverlap, FSize - start);
    buf.assign(static_cast<size_t>(len), '\0');
    FStream->SetPosition(start);
    FStream->Read(buf.data(), len);
    const size_t limit = static_cast<size_t>(std::min(kScanChunk, len));
    for (size_t p = buf.find("/Page"); p != std::string::npos && p < limit; p = buf.find("/Page", p + 1)) {
      if (p + 5 >= buf.size()) continue;
      const char next = buf[p + 5];
      if ((next >= 'A' && next <= 'Z') || (next >= 'a' && next <= 'z')) continue;
      size_t b = p;
      while (b > 0 && IsWhite(buf[b - 1])) --b;
      // "/Type" ending in the previous chunk's overlap was counted there.
      if (b >= 5 && buf.compare(b - 5, 5, "/Type") == 0) ++count;
    }
    start += kScanChunk;
  }
  return count;
}

bool TDocumentInfoPDF::AddToXRefTable(int64_t objectNumber, int64_t offset, int32_t generation, char kind,
                                      bool replace) {
  // No file holds more objects than bytes.
  if (objectNumber <= 0 || objectNumber > FSize || objectNumber > 0x7FFFFFFF || offset < 0) return false;
  if (kind != '2' && offset > FSize) return false;
  const auto number = static_cast<int32_t>(objectNumber);
  auto it = FTable.find(number);
  if (it == FTable.end()) {
    if (FTable.size() >= kPDFMaxTableEntries) {
      FTableComplete = false;
      return false;
    }
    it = FTable.emplace(number, TXRefEntry{}).first;
  } else if (it->second.Used && !replace) {
    return false;
  }
  it->second = {offset, generation, kind, true};
  return true;
}

void TDocumentInfoPDF::SetInfosFromXRefTrailer(const TKeyValueArrayObj& trailer) {
  if (FInfoObj == 0) FInfoObj = RefNumber(trailer.GetValueOrDefaultIfKeyNotExist("Info", ""));
  if (FRootObj == 0) FRootObj = RefNumber(trailer.GetValueOrDefaultIfKeyNotExist("Root", ""));
  if (trailer.ContainsKey("Encrypt")) {
    Encrypted = true;
    if (FEncryptValue.empty())
      FEncryptValue = std::string(TrimView(trailer.GetValueOrDefaultIfKeyNotExist("Encrypt", "")));
  }
  const std::string id(TrimView(trailer.GetValueOrDefaultIfKeyNotExist("ID", "")));
  if (FFirstID.empty() && id.size() > 2 && id[0] == '[') {
    const size_t s = SkipWhite(id, 1);
    FFirstID = PDFStringBytes(std::string_view(id).substr(s, SkipValue(id, s) - s));
  }
}

void TDocumentInfoPDF::ParseXRefTable(int64_t offset) {
  if (offset < 0 || offset >= FSize || FSections.size() >= static_cast<size_t>(kMaxSections)) return;
  // A /Prev chain that loops ends at a section read before.
  if (std::find(FSections.begin(), FSections.end(), offset) != FSections.end()) return;
  FSections.push_back(offset);
  TKeyValueArrayObj trailer;
  ParseSectionEntries(
      offset, 0, [this](int64_t n, int64_t o, int32_t g, char k) { AddToXRefTable(n, o, g, k, false); }, &trailer);
  SetInfosFromXRefTrailer(trailer);
  // A hybrid file keeps its compressed objects in a stream beside the table.
  const int64_t xrefStm = IntValue(trailer, "XRefStm", 0);
  if (xrefStm > 0) ParseXRefTable(xrefStm);
  const int64_t prev = IntValue(trailer, "Prev", 0);
  if (prev > 0) ParseXRefTable(prev);
}

void TDocumentInfoPDF::ParseSectionEntries(int64_t offset, int32_t wanted, const TEntryVisitor& visit,
                                           TKeyValueArrayObj* trailer) {
  char head[4] = {};
  FStream->SetPosition(offset);
  FStream->Read(head, 4);
  if (std::memcmp(head, "xref", 4) == 0)
    ParseClassicSection(offset, wanted, visit, trailer);
  else
    ParseXRefStreamSection(offset, wanted, visit, trailer);
}

// The table is read line by line in pieces, never whole. A subsection of
// entries of the standard 20 bytes has a known end: it is passed over by its
// length when it cannot hold the object looked for, or once the table holds
// all the entries it may.
void TDocumentInfoPDF::ParseClassicSection(int64_t offset, int32_t wanted, const TEntryVisitor& visit,
                                           TKeyValueArrayObj* trailer) {
  constexpr int64_t kPiece = 65536;
  constexpr int64_t kEntryLength = 20;
  int64_t pos = offset + 4;  // after "xref"
  int64_t obj = 0;
  int64_t trailerAt = -1;
  int64_t subsectionEnd = -1;  // where the standard entries of this subsection end
  std::string piece;
  bool done = false;
  while (!done && pos < FSize) {
    const int64_t len = std::min(kPiece, FSize - pos);
    piece.assign(static_cast<size_t>(len), '\0');
    FStream->SetPosition(pos);
    FStream->Read(piece.data(), len);
    const bool last = pos + len >= FSize;
    int64_t jump = -1;
    size_t i = 0;
    while (i < piece.size() && jump < 0) {
      size_t e = piece.find_first_of("\r\n", i);
      if (e == std::string::npos) {
        if (!last) break;  // the line goes on in the next piece
        e = piece.size();
      }
      const std::string_view raw = std::string_view(piece).substr(i, e - i);
      const int64_t lineStart = pos + static_cast<int64_t>(i);
      std::string_view line = TrimView(raw);
      i = e + 1;
      const size_t t = raw.find("trailer");
      if (t != std::string_view::npos) {
        trailerAt = lineStart + static_cast<int64_t>(t);
        line = TrimView(raw.substr(0, t));
        done = true;
      }
      if (line.empty()) {
        if (done) break;
        continue;
      }
      const size_t sp1 = line.find(' ');
      if (line.size() < 15) {
        int64_t start = 0, count = 0;
        if (!ParseInt64(line.substr(0, sp1 == std::string_view::npos ? line.size() : sp1), start)) continue;
        obj = start;
        subsectionEnd = -1;
        if (sp1 == std::string_view::npos || !ParseInt64(line.substr(sp1 + 1), count) || count <= 0 ||
            count > FSize / kEntryLength)
          continue;
        // Entries follow the header's line end.
        int64_t entries = pos + static_cast<int64_t>(i);
        if (i < piece.size() && piece[i - 1] == '\r' && piece[i] == '\n') ++entries;
        char first[kEntryLength] = {}, probe[kEntryLength] = {};
        FStream->SetPosition(entries);
        FStream->Read(first, kEntryLength);
        const int64_t end = entries + count * kEntryLength;
        const bool standard = (first[18] == '\r' || first[18] == ' ') && (first[19] == '\n' || first[19] == '\r') &&
                              first[10] == ' ' && first[16] == ' ' && end <= FSize;
        if (!standard) continue;
        const bool holdsWanted = wanted > 0 && wanted >= start && wanted < start + count;
        FStream->SetPosition(holdsWanted ? entries + (wanted - start) * kEntryLength : end - kEntryLength);
        FStream->Read(probe, kEntryLength);
        const std::string_view entry(probe, kEntryLength);
        int64_t o = 0, g = 0;
        if (probe[10] != ' ' || probe[16] != ' ' || !ParseInt64(entry.substr(0, 10), o) ||
            !ParseInt64(entry.substr(11, 5), g))
          continue;
        subsectionEnd = end;
        if (holdsWanted) {
          visit(wanted, o, static_cast<int32_t>(g), probe[17] == 'f' ? 'f' : 'n');
          return;
        }
        if (wanted > 0 || !FTableComplete) jump = end;
        continue;
      }
      if (sp1 == std::string_view::npos) continue;
      const size_t sp2 = line.find(' ', sp1 + 1);
      if (sp2 == std::string_view::npos) continue;
      int64_t entryOffset = 0, gen = 0;
      if (!ParseInt64(line.substr(0, sp1), entryOffset) || !ParseInt64(line.substr(sp1 + 1, sp2 - sp1 - 1), gen))
        continue;
      if (wanted == 0 || obj == wanted) {
        visit(obj, entryOffset, static_cast<int32_t>(gen), TrimView(line.substr(sp2 + 1)) == "f" ? 'f' : 'n');
        if (wanted > 0) return;
        // A full table takes no more entries: on to the next subsection.
        if (!FTableComplete && subsectionEnd > lineStart) jump = subsectionEnd;
      }
      ++obj;
      if (done) break;
    }
    if (done) continue;
    if (jump >= 0) {
      pos = jump;
      continue;
    }
    if (i == 0) break;  // a line longer than a piece: no table
    pos += static_cast<int64_t>(std::min(i, piece.size()));
  }
  if (!trailer || trailerAt < 0) return;
  std::string dict;
  if (ReadDictionaryAt(trailerAt + 7, dict)) *trailer = ParsePDFDictionary(dict);
}

void TDocumentInfoPDF::ParseXRefStreamSection(int64_t offset, int32_t wanted, const TEntryVisitor& visit,
                                              TKeyValueArrayObj* trailer) {
  TObject object;
  if (!ReadObjectAt(offset, object, 0) || !object.IsStream) return;
  const TKeyValueArrayObj dict = ParsePDFDictionary(object.Body);
  if (dict.GetValueOrDefaultIfKeyNotExist("Type", "") != "/XRef") return;
  if (trailer) *trailer = dict;
  const std::vector<int64_t> w = IntArray(dict.GetValueOrDefaultIfKeyNotExist("W", ""));
  std::vector<int64_t> index = IntArray(dict.GetValueOrDefaultIfKeyNotExist("Index", ""));
  if (index.empty() || index.size() % 2 != 0) index = {0, IntValue(dict, "Size", 0)};
  bool widthsOk = w.size() == 3;
  int64_t rowLen = 0;
  for (int64_t f : w) {
    if (f < 0 || f > 8) widthsOk = false;
    rowLen += f;
  }
  int64_t length = 0;
  if (!widthsOk || rowLen <= 0 ||
      !ParseInt64(ResolveValue(dict.GetValueOrDefaultIfKeyNotExist("Length", ""), 1), length) || length < 0 ||
      length > FSize - object.DataStart)
    return;
  const std::string filter(TrimView(dict.GetValueOrDefaultIfKeyNotExist("Filter", "")));
  const TKeyValueArrayObj parms = ParsePDFDictionary(dict.GetValueOrDefaultIfKeyNotExist("DecodeParms", ""));
  const int64_t predictor = IntValue(parms, "Predictor", 1);
  size_t k = 0;
  int64_t n = 0;
  auto row = [&](std::string_view r) {
    while (k + 1 < index.size() && n >= index[k + 1]) {
      k += 2;
      n = 0;
    }
    if (k + 1 >= index.size()) return false;
    const auto* p = reinterpret_cast<const uint8_t*>(r.data());
    uint64_t field[3] = {1, 0, 0};
    for (int f = 0; f < 3; ++f) {
      if (w[static_cast<size_t>(f)] == 0) continue;
      uint64_t v = 0;
      for (int64_t b = 0; b < w[static_cast<size_t>(f)]; ++b) v = (v << 8) | *p++;
      field[f] = v;
    }
    const int64_t number = index[k] + n++;
    if (wanted > 0 && number != wanted) return true;
    if (field[0] == 1 && field[1] <= static_cast<uint64_t>(FSize))
      visit(number, static_cast<int64_t>(field[1]), static_cast<int32_t>(field[2] & 0x7FFFFFFF), 'x');
    else if (field[0] == 2 && field[1] > 0 && field[1] <= static_cast<uint64_t>(FSize))
      visit(number, static_cast<int64_t>(field[1]), static_cast<int32_t>(field[2] & 0x7FFFFFFF), '2');
    else if (field[0] == 0)
      visit(number, 0, 0, 'f');
    return wanted == 0;
  };
  if (filter == "/FlateDecode" || filter == "/Fl" || filter == "[/FlateDecode]") {
    if (predictor != 1 && !(predictor >= 10 && predictor <= 15)) return;
    TRowInflater(rowLen, predictor).Run(*FStream, object.DataStart, length, row);
  } else if (filter.empty() && predictor == 1) {
    std::string r(static_cast<size_t>(rowLen), '\0');
    for (int64_t at = 0; at + rowLen <= length; at += rowLen) {
      FStream->SetPosition(object.DataStart + at);
      FStream->Read(r.data(), rowLen);
      if (!row(r)) break;
    }
  }
}

bool TDocumentInfoPDF::FindEntry(int32_t number, TXRefEntry& entry) {
  const auto it = FTable.find(number);
  if (it != FTable.end()) {
    entry = it->second;
    return entry.Used;
  }
  if (FTableComplete) return false;
  const auto known = FLookups.find(number);
  if (known != FLookups.end()) {
    entry = known->second;
    return entry.Used;
  }
  // The table holds only part of a large file: one more pass for this object.
  TXRefEntry found;
  if (FReconstructed) {
    FindObjectByScan(number, found);
  } else {
    for (int64_t section : FSections) {
      ParseSectionEntries(
          section, number,
          [&](int64_t, int64_t o, int32_t g, char k) {
            if (!found.Used) found = {o, g, k, true};
          },
          nullptr);
      if (found.Used) break;
    }
  }
  if (FLookups.size() < kMaxLookups) FLookups[number] = found;
  entry = found;
  return found.Used;
}

// The last header "number G obj" in the file.
bool TDocumentInfoPDF::FindObjectByScan(int32_t number, TXRefEntry& entry) {
  TScanChunks chunks(*FStream, FSize);
  while (chunks.Next()) {
    const std::string& buf = chunks.Text();
    for (size_t p = buf.find("obj", chunks.From()); p != std::string::npos && p < chunks.Limit();
         p = buf.find("obj", p + 3)) {
      int64_t generation = 0;
      size_t headerStart = 0;
      if (HeaderNumberBefore(buf, p, generation, headerStart) == number)
        entry = {chunks.Offset(headerStart), static_cast<int32_t>(generation), 'n', true};
    }
  }
  return entry.Used;
}

// A scan of the whole file for object headers, trailers and cross-reference
// streams, as a damaged file is repaired: a later object of a number replaces
// an earlier one, the last trailer names the catalog and the information
// dictionary, and a catalog or an information dictionary found among the
// objects stands in for a trailer that names none.
void TDocumentInfoPDF::Reconstruct() {
  FTable.clear();
  FLookups.clear();
  FObjectStreams.clear();
  FTableComplete = true;
  FReconstructed = true;
  constexpr size_t kMaxStreams = 64;
  std::vector<int64_t> xrefStreams;
  int64_t lastTrailer = -1;
  int32_t lastObject = 0, catalog = 0, info = 0;
  int64_t lastObjectAt = -1;
  TScanChunks chunks(*FStream, FSize);
  while (chunks.Next()) {
    const std::string& buf = chunks.Text();
    const size_t limit = chunks.Limit();
    // The markers in file order: object headers, trailers, and the keys that
    // tell a cross-reference stream, a catalog or an information dictionary.
    size_t p = chunks.From();
    while (p < limit) {
      const size_t next = buf.find_first_of("ot/", p);
      if (next == std::string::npos || next >= limit) break;
      p = next;
      const std::string_view at = std::string_view(buf).substr(p);
      if (at.substr(0, 3) == "obj") {
        int64_t generation = 0;
        size_t headerStart = 0;
        const int64_t number = HeaderNumberBefore(buf, p, generation, headerStart);
        if (number > 0) {
          lastObject = static_cast<int32_t>(number);
          lastObjectAt = chunks.Offset(headerStart);
          AddToXRefTable(number, lastObjectAt, static_cast<int32_t>(generation), 'n', true);
        }
        p += 3;
      } else if (at.substr(0, 7) == "trailer") {
        lastTrailer = chunks.Offset(p);
        p += 7;
      } else if (at.substr(0, 5) == "/XRef" && (at.size() < 6 || !std::isalpha(static_cast<unsigned char>(at[5])))) {
        if (lastObjectAt >= 0 && xrefStreams.size() < kMaxStreams &&
            (xrefStreams.empty() || xrefStreams.back() != lastObjectAt))
          xrefStreams.push_back(lastObjectAt);
        p += 5;
      } else if (at.substr(0, 8) == "/Catalog") {
        catalog = lastObject;
        p += 8;
      } else if (at.substr(0, 9) == "/Producer" || at.substr(0, 13) == "/CreationDate") {
        info = lastObject;
        p += 9;
      } else {
        ++p;
      }
    }
  }
  // Objects of object streams are known only to the cross-reference streams,
  // the newest first.
  for (auto it = xrefStreams.rbegin(); it != xrefStreams.rend(); ++it) {
    TKeyValueArrayObj trailer;
    ParseSectionEntries(
        *it, 0,
        [this](int64_t n, int64_t o, int32_t g, char k) {
          if (k == '2') AddToXRefTable(n, o, g, k, false);
        },
        &trailer);
    SetInfosFromXRefTrailer(trailer);
  }
  if (lastTrailer >= 0) {
    std::string dict;
    if (ReadDictionaryAt(lastTrailer + 7, dict)) {
      // The repaired file's own trailer wins over what the broken data named.
      const TKeyValueArrayObj trailer = ParsePDFDictionary(dict);
      const int32_t root = RefNumber(trailer.GetValueOrDefaultIfKeyNotExist("Root", ""));
      const int32_t infoRef = RefNumber(trailer.GetValueOrDefaultIfKeyNotExist("Info", ""));
      if (root > 0) FRootObj = root;
      if (infoRef > 0) FInfoObj = infoRef;
      SetInfosFromXRefTrailer(trailer);
    }
  }
  if ((FRootObj == 0 || !Reachable(FRootObj)) && catalog > 0) FRootObj = catalog;
  if ((FInfoObj == 0 || !Reachable(FInfoObj)) && info > 0) FInfoObj = info;
}

// An object whose entry leads to its header (or into an object stream).
bool TDocumentInfoPDF::Reachable(int32_t number) {
  TXRefEntry e;
  if (!FindEntry(number, e) || e.Kind == 'f') return false;
  TObject o;
  return e.Kind == '2' || ReadObjectAt(e.Offset, o, number);
}

void TDocumentInfoPDF::OpenSecurity() {
  if (!Encrypted) return;
  std::string value = FEncryptValue;
  if (RefNumber(value) > 0) {
    TObject o;
    // The encryption dictionary itself is never encrypted.
    if (!ReadObject(RefNumber(value), o, 0)) return;
    value = o.Body;
  }
  const TKeyValueArrayObj dict = ParsePDFDictionary(value);
  TKeyValueArrayObj resolved;
  for (int32_t i = 0; i < dict.Count(); ++i) resolved.Add(dict.GetKey(i), ResolveValue(dict.GetValue(i), 0));
  FSecurity.Open(resolved, FFirstID);
}

bool TDocumentInfoPDF::ReadDictionaryAt(int64_t offset, std::string& text) {
  int64_t want = kReadChunk;
  for (;;) {
    const int64_t len = std::min(want, FSize - offset);
    if (len <= 0) return false;
    text.assign(static_cast<size_t>(len), '\0');
    FStream->SetPosition(offset);
    FStream->Read(text.data(), len);
    const size_t open = text.find("<<");
    if (open == std::string::npos) {
      if (len == FSize - offset || len >= kMaxObjectText) return false;
    } else {
      const size_t end = SkipValue(text, open);
      if (end < text.size() || len == FSize - offset) {
        text = text.substr(open, end - open);
        return true;
      }
    }
    if (len >= kMaxObjectText) return false;
    want *= 2;
  }
}

// The object's text is read by its tokens, so that "stream" or "endobj"
// inside a string or a name is no end of the object. The text grows by
// doubling; a value cut by the end of what was read is read again whole.
bool TDocumentInfoPDF::ReadObjectAt(int64_t offset, TObject& object, int32_t expectedNumber) {
  if (offset < 0 || offset >= FSize) return false;
  std::string text;
  int64_t want = kReadChunk;
  size_t pos = std::string::npos, bodyStart = 0;
  for (;;) {
    const int64_t len = std::min(want, FSize - offset);
    const bool whole = len == FSize - offset;
    if (static_cast<int64_t>(text.size()) < len) {
      const size_t old = text.size();
      text.resize(static_cast<size_t>(len));
      FStream->SetPosition(offset + static_cast<int64_t>(old));
      FStream->Read(text.data() + old, len - static_cast<int64_t>(old));
    }
    if (pos == std::string::npos) {
      // The header: number, generation, "obj".
      size_t i = SkipWhite(text, 0);
      const size_t a = SkipValue(text, i);
      int64_t number = 0, generation = 0;
      if (!ParseInt64(std::string_view(text).substr(i, a - i), number)) return false;
      i = SkipWhite(text, a);
      const size_t b = SkipValue(text, i);
      if (!ParseInt64(std::string_view(text).substr(i, b - i), generation)) return false;
      i = SkipWhite(text, b);
      if (text.compare(i, 3, "obj") != 0) {
        if (i + 3 <= text.size() || whole) return false;
      } else {
        if (expectedNumber > 0 && number != expectedNumber) return false;
        object.Number = static_cast<int32_t>(number);
        object.Generation = static_cast<int32_t>(generation & 0xFFFF);
        bodyStart = pos = i + 3;
      }
    }
    while (pos != std::string::npos) {
      const size_t start = SkipWhite(text, pos);
      if (start >= text.size()) break;
      const size_t end = SkipValue(text, start);
      if (end >= text.size() && !whole) break;  // the token may go on
      const std::string_view token = std::string_view(text).substr(start, end - start);
      if (token == "stream" || token == "endobj") {
        object.Body = std::string(TrimView(std::string_view(text).substr(bodyStart, start - bodyStart)));
        object.IsStream = token == "stream";
        if (object.IsStream) {
          size_t d = end;
          if (d < text.size() && text[d] == '\r') ++d;
          if (d < text.size() && text[d] == '\n') ++d;
          object.DataStart = offset + static_cast<int64_t>(d);
        }
        return true;
      }
      pos = end;
    }
    if (whole) {
      if (pos == std::string::npos) return false;
      object.Body = std::string(TrimView(std::string_view(text).substr(bodyStart)));
      object.IsStream = false;
      return true;
    }
    if (len >= kMaxObjectText) return false;
    want *= 2;
  }
}

bool TDocumentInfoPDF::ReadObject(int32_t number, TObject& object, int32_t depth) {
  TXRefEntry e;
  if (depth > kMaxResolveDepth || !FindEntry(number, e) || e.Kind == 'f') return false;
  if (e.Kind != '2') return ReadObjectAt(e.Offset, object, number);
  // Object streams of a file that stays locked cannot be read.
  if (Encrypted && !FSecurity.IsOpen()) return false;
  const int32_t streamNumber = static_cast<int32_t>(e.Offset);
  if (streamNumber == number) return false;
  auto cached = FObjectStreams.find(streamNumber);
  if (cached == FObjectStreams.end()) {
    TObject container;
    std::string data;
    if (!ReadObject(streamNumber, container, depth + 1) || !container.IsStream ||
        !ReadStreamData(container, data, depth + 1))
      data.clear();
    const TKeyValueArrayObj dict = ParsePDFDictionary(container.Body);
    // The header (pairs of number and offset) is kept in front; First marks
    // where the objects begin.
    const int64_t first = IntValue(dict, "First", -1);
    if (first < 0 || first > static_cast<int64_t>(data.size())) data.clear();
    if (FObjectStreams.size() >= kMaxCachedObjectStreams) FObjectStreams.clear();
    cached = FObjectStreams.emplace(streamNumber, std::to_string(first) + "\n" + data).first;
  }
  const std::string& stored = cached->second;
  const size_t nl = stored.find('\n');
  int64_t first = 0;
  ParseInt64(std::string_view(stored).substr(0, nl), first);
  const std::string_view data = std::string_view(stored).substr(nl + 1);
  if (first <= 0 || first > static_cast<int64_t>(data.size())) return false;
  const std::string_view header = data.substr(0, static_cast<size_t>(first));
  // Pairs "number offset"; the object with this number.
  size_t i = 0;
  int64_t start = -1, end = -1;
  while (i < header.size()) {
    i = SkipWhite(header, i);
    const size_t a = SkipValue(header, i);
    const size_t j = SkipWhite(header, a);
    const size_t b = SkipValue(header, j);
    int64_t num = 0, off = 0;
    if (i >= header.size() || !ParseInt64(header.substr(i, a - i), num) || !ParseInt64(header.substr(j, b - j), off))
      break;
    i = b;
    if (start >= 0) {
      end = off;
      break;
    }
    if (num == number) start = off;
  }
  if (start < 0) return false;
  const int64_t from = first + start;
  const int64_t to = end > start ? first + end : static_cast<int64_t>(data.size());
  if (from > static_cast<int64_t>(data.size()) || to > static_cast<int64_t>(data.size()) || to < from) return false;
  object.Body = std::string(TrimView(data.substr(static_cast<size_t>(from), static_cast<size_t>(to - from))));
  object.IsStream = false;
  object.Number = number;
  object.Generation = 0;
  object.InObjectStream = true;
  return true;
}

std::string TDocumentInfoPDF::ResolveValue(const std::string& value, int32_t depth, TObject* from) {
  std::string v(TrimView(value));
  for (int32_t d = depth; d < kMaxResolveDepth; ++d) {
    const int32_t ref = RefNumber(v);
    if (ref == 0) break;
    TObject o;
    if (!ReadObject(ref, o, d)) return "";
    v = o.Body;
    if (from) *from = o;
  }
  return v;
}

bool TDocumentInfoPDF::ReadStreamData(const TObject& object, std::string& data, int32_t depth) {
  if (Encrypted && !FSecurity.IsOpen()) return false;
  const TKeyValueArrayObj dict = ParsePDFDictionary(object.Body);
  int64_t length = 0;
  if (!ParseInt64(ResolveValue(dict.GetValueOrDefaultIfKeyNotExist("Length", ""), depth + 1), length) || length < 0 ||
      length > FSize - object.DataStart || length > kPDFMaxStreamSize)
    return false;
  std::string raw(static_cast<size_t>(length), '\0');
  FStream->SetPosition(object.DataStart);
  FStream->Read(raw.data(), length);
  const bool plainMetadata =
      !FSecurity.EncryptMetadata() && dict.GetValueOrDefaultIfKeyNotExist("Type", "") == "/Metadata";
  if (FSecurity.IsOpen() && !plainMetadata) raw = FSecurity.DecryptStream(raw, object.Number, object.Generation);
  std::string filter = dict.GetValueOrDefaultIfKeyNotExist("Filter", "");
  std::string parms = dict.GetValueOrDefaultIfKeyNotExist("DecodeParms", "");
  if (!filter.empty() && filter[0] == '[') {
    const std::string inner(TrimView(std::string_view(filter).substr(1, filter.size() - 2)));
    if (inner.find('/', 1) != std::string::npos) return false;  // a chain of filters
    filter = inner;
  }
  if (!parms.empty() && parms[0] == '[')
    parms = std::string(TrimView(std::string_view(parms).substr(1, parms.size() - 2)));
  if (filter.empty()) {
    data.swap(raw);
  } else if (filter == "/FlateDecode" || filter == "/Fl") {
    if (!Inflate(raw, data)) return false;
  } else {
    return false;
  }
  const TKeyValueArrayObj p = ParsePDFDictionary(parms);
  const int64_t predictor = IntValue(p, "Predictor", 1);
  if (predictor >= 10 && predictor <= 15)
    return UndoPNGPrediction(data, IntValue(p, "Columns", 1), IntValue(p, "Colors", 1),
                             IntValue(p, "BitsPerComponent", 8));
  return predictor == 1;
}

int32_t TDocumentInfoPDF::PageCountFromTree() {
  if (FRootObj <= 0) return 0;
  TObject root;
  if (!ReadObject(FRootObj, root, 0)) return 0;
  const TKeyValueArrayObj catalog = ParsePDFDictionary(root.Body);
  FPagesObj = RefNumber(catalog.GetValueOrDefaultIfKeyNotExist("Pages", ""));
  FMetadataObj = RefNumber(catalog.GetValueOrDefaultIfKeyNotExist("Metadata", ""));
  if (FPagesObj <= 0) return 0;
  TObject pages;
  if (!ReadObject(FPagesObj, pages, 0)) return 0;
  const TKeyValueArrayObj tree = ParsePDFDictionary(pages.Body);
  int64_t count = 0;
  if (!ParseInt64(ResolveValue(tree.GetValueOrDefaultIfKeyNotExist("Count", ""), 0), count)) return 0;
  // No file holds more pages than bytes.
  if (count < 0 || count > FSize) return 0;
  return static_cast<int32_t>(count);
}

void TDocumentInfoPDF::ParseMetaInfo() {
  if (FRootObj > 0 && FPagesObj == 0 && FMetadataObj == 0) PageCountFromTree();
  if (FInfoObj > 0 && (!Encrypted || FSecurity.IsOpen())) {
    TObject info;
    if (ReadObject(FInfoObj, info, 0)) {
      const TKeyValueArrayObj d = ParsePDFDictionary(info.Body);
      auto text = [&](const char* key) {
        TObject from = info;
        const std::string v = ResolveValue(d.GetValueOrDefaultIfKeyNotExist(key, ""), 0, &from);
        const bool isString = v.size() >= 2 && (v.front() == '(' || v.front() == '<');
        if (!isString || !FSecurity.IsOpen() || from.InObjectStream) return EncodeStringFromPDFStringFormat(v);
        return TextFromPDFBytes(FSecurity.DecryptString(PDFStringBytes(v), from.Number, from.Generation));
      };
      MetaTitle = text("Title");
      MetaAuthor = text("Author");
      MetaSubject = text("Subject");
      MetaKeywords = text("Keywords");
      MetaApplication = text("Creator");
      MetaCreatedWith = text("Producer");
      MetaCreated = PDFDateToNormalDateStr(text("CreationDate"));
      MetaModified = PDFDateToNormalDateStr(text("ModDate"));
    }
  }
  if (FMetadataObj > 0) ParseMetaInfoFromXMLObj(FMetadataObj);
}

void TDocumentInfoPDF::ParseMetaInfoFromXMLObj(int32_t number) {
  TObject object;
  std::string xml;
  if (!ReadObject(number, object, 0) || !object.IsStream || !ReadStreamData(object, xml, 0)) return;
  TDocDOM dom;
  dom.KeptTagNames = {"dc:title",     "dc:creator",      "dc:subject",     "pdf:Keywords",
                      "pdf:Producer", "xmp:CreatorTool", "xmp:CreateDate", "xmp:ModifyDate"};
  dom.LoadFromString(xml);
  auto value = [&](const char* tag) {
    const TDOMNode* node = dom.GetFirstNodeWithTagName(tag);
    if (!node) return std::string();
    return std::string(TrimView(node->TextContent(" ")));
  };
  auto date = [&](const char* tag) {
    std::string v = value(tag).substr(0, 19);
    for (char& c : v)
      if (c == 'T') c = ' ';
    return v;
  };
  if (MetaTitle.empty()) MetaTitle = value("dc:title");
  if (MetaAuthor.empty()) MetaAuthor = value("dc:creator");
  if (MetaSubject.empty()) MetaSubject = value("dc:subject");
  if (MetaKeywords.empty()) MetaKeywords = value("pdf:Keywords");
  if (MetaApplication.empty()) MetaApplication = value("xmp:CreatorTool");
  if (MetaCreatedWith.empty()) MetaCreatedWith = value("pdf:Producer");
  if (MetaCreated.empty()) MetaCreated = date("xmp:CreateDate");
  if (MetaModified.empty()) MetaModified = date("xmp:ModifyDate");
}
