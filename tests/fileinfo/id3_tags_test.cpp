#include "fileinfo/id3_tags.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

std::string BE32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}
std::string Synchsafe(uint32_t v) {
  return {static_cast<char>((v >> 21) & 0x7F), static_cast<char>((v >> 14) & 0x7F), static_cast<char>((v >> 7) & 0x7F),
          static_cast<char>(v & 0x7F)};
}

std::string Frame3(const std::string& id, const std::string& data) {
  return id + BE32(static_cast<uint32_t>(data.size())) + std::string(2, '\0') + data;
}
std::string Frame4(const std::string& id, const std::string& data, char formatFlags = 0) {
  return id + Synchsafe(static_cast<uint32_t>(data.size())) + '\0' + formatFlags + data;
}
std::string Frame2(const std::string& id, const std::string& data) {
  const uint32_t n = static_cast<uint32_t>(data.size());
  return id + std::string{static_cast<char>(n >> 16), static_cast<char>(n >> 8), static_cast<char>(n)} + data;
}

std::string Tag(int version, const std::string& frames, char flags = 0, size_t padding = 0) {
  return std::string("ID3") + static_cast<char>(version) + '\0' + flags +
         Synchsafe(static_cast<uint32_t>(frames.size() + padding)) + frames + std::string(padding, '\0');
}

std::string Text(const std::string& latin1) { return std::string(1, '\0') + latin1; }

struct TV2 {
  explicit TV2(const std::string& bytes) : stream(bytes) { result = tag.ReadFromStream(stream); }
  TMemoryStream stream;
  TID3v2Tag tag;
  TMP3Error result;
};

std::string Id3v1(const std::string& title, char byte125, char byte126, unsigned char genre) {
  std::string r = "TAG" + title + std::string(30 - title.size(), '\0') + std::string("Artist") + std::string(24, ' ') +
                  std::string(30, '\0') + "1999" + std::string(28, 'c') + byte125 + byte126 + static_cast<char>(genre);
  return std::string(50, 'a') + r;
}

}  // namespace

TEST(TID3v1Tag, RecordsAndVersion11) {
  TID3v1Tag t;
  TMemoryStream v11(Id3v1("Title", '\0', '\x07', 13));
  ASSERT_EQ(t.ReadFromStream(v11), mp3eNone);
  EXPECT_TRUE(t.IsVersion11);
  EXPECT_EQ(t.GetTrack(), "7");
  EXPECT_EQ(t.Comment, std::string(28, 'c') + std::string(2, '\0'));
  EXPECT_EQ(t.Title, "Title" + std::string(25, '\0'));
  EXPECT_EQ(t.Year, "1999");
  EXPECT_EQ(t.GetGenre(), "Pop");

  TMemoryStream v10(Id3v1("Caf\xE9", '\0', '\0', 12));
  ASSERT_EQ(t.ReadFromStream(v10), mp3eNone);
  EXPECT_FALSE(t.IsVersion11);
  EXPECT_EQ(t.GetTrack(), "0");
  EXPECT_EQ(t.Comment.size(), 30u);
  EXPECT_EQ(t.Title.substr(0, 5), "Caf\xC3\xA9");  // not UTF-8: read as Windows-1252
  EXPECT_EQ(t.GetGenre(), "");
  for (unsigned char genre : {126, 255}) {
    TMemoryStream s(Id3v1("T", '\0', '\0', genre));
    t.ReadFromStream(s);
    EXPECT_EQ(t.GetGenre(), "");
  }
  TMemoryStream shortStream(std::string(100, 'x'));
  EXPECT_EQ(t.ReadFromStream(shortStream), mp3eReadError);
  EXPECT_FALSE(t.Exists);
  TMemoryStream none(std::string(200, 'x'));
  EXPECT_EQ(t.ReadFromStream(none), mp3eNoTag);
}

TEST(TID3v2Tag, TextEncodings) {
  struct {
    std::string data;
    const char* text;
  } cases[] = {{std::string("\x01\xFF\xFE\x41\x00\x42\x00\x00\x00", 9), "AB"},
               {std::string("\x01\xFE\xFF\x00\x41\x00\x42\x00\x00", 9), "AB"},
               {std::string("\x01\xFF\xFE\x41\x00\x42\x00", 7), "AB"},
               {std::string("\x02\x00\x41\x00\x42", 5), "AB"},
               {std::string("\x00\xE9", 2), "\xC3\xA9"},
               {std::string("\x03  caf\xC3\xA9\x00", 9), "caf\xC3\xA9"},
               {std::string("\x09xyz", 4), ""}};
  for (const auto& c : cases) {
    TV2 r(Tag(3, Frame3("TIT2", c.data)));
    EXPECT_EQ(r.tag.GetTitle(), c.text);
  }
}

TEST(TID3v2Tag, VersionsFramesAndPadding) {
  TV2 v22(Tag(2, Frame2("TT2", Text("Old")) + Frame2("TP1", Text("Band")), 0, 20));
  EXPECT_EQ(v22.result, mp3eNone);
  EXPECT_EQ(v22.tag.GetTitle(), "Old");
  EXPECT_EQ(v22.tag.GetArtist(), "Band");

  TV2 two(Tag(3, Frame3("TIT2", Text("First")) + Frame3("TIT2", Text("Second")) + Frame3("TCON", Text("(13)Pop Rock")),
              0, 40));
  EXPECT_EQ(two.tag.GetTitle(), "Second");
  EXPECT_EQ(two.tag.GetGenre(), "Pop");
  EXPECT_TRUE(two.tag.PaddingReached);
  EXPECT_EQ(two.tag.PaddingSize, 40);

  TV2 v5(std::string("ID3\x05") + std::string(6, '\0') + Frame3("TIT2", Text("x")));
  EXPECT_EQ(v5.result, mp3eUnsupportedVersion);
  EXPECT_FALSE(v5.tag.Exists);
  EXPECT_TRUE(v5.tag.Frames.empty());

  // A version 2.4 tag with a footer: its "3DI" ends the frame reading.
  std::string frames = Frame4("TIT2", Text("Four")) + Frame4("TDRC", Text("2004"));
  std::string v24 = std::string("ID3\x04\x00\x10", 6) + Synchsafe(static_cast<uint32_t>(frames.size())) + frames +
                    std::string("3DI\x04\x00\x10", 6) + Synchsafe(static_cast<uint32_t>(frames.size()));
  TV2 footer(v24 + "audio");
  EXPECT_EQ(footer.tag.Size, static_cast<int32_t>(frames.size() + 20));
  EXPECT_EQ(footer.tag.GetYear(), "2004");
  EXPECT_EQ(footer.tag.Frames.size(), 2u);

  // A 2.3 extended header of six bytes is stepped over.
  std::string ext = BE32(6) + std::string(6, '\0');
  TV2 extended(std::string("ID3\x03\x00\x40", 6) + Synchsafe(static_cast<uint32_t>(ext.size() + 20)) + ext +
               Frame3("TALB", Text("Alb")));
  EXPECT_EQ(extended.tag.GetAlbum(), "Alb");

  // An id with a lower-case letter ends the reading like padding.
  TV2 lower(Tag(3, Frame3("TALB", Text("A")) + Frame3("Tit2", Text("B")) + Frame3("TPE1", Text("C"))));
  EXPECT_EQ(lower.tag.Frames.size(), 1u);
  EXPECT_EQ(lower.tag.GetArtist(), "");

  // A frame running past the end of the file keeps the ones before it and
  // allocates nothing for the claimed size.
  std::string cut = Tag(3, Frame3("TALB", Text("A")) + "TIT2" + BE32(0x7FFFFFF0) + std::string(2, '\0') + "abc");
  TV2 past(cut);
  EXPECT_EQ(past.result, mp3eReadError);
  EXPECT_EQ(past.tag.Frames.size(), 1u);

  TMemoryStream tiny("ID3");
  TID3v2Tag t;
  EXPECT_EQ(t.ReadFromStream(tiny), mp3eReadError);
  EXPECT_FALSE(t.Exists);
}

TEST(TID3v2Tag, CommentsByLanguageAndDescription) {
  std::string described = std::string("\x00", 1) + "eng" + "desc" + '\0' + "described text";
  std::string plain = std::string("\x00", 1) + "deu" + '\0' + "standard text";
  TV2 r(Tag(3, Frame3("COMM", described) + Frame3("COMM", plain)));
  EXPECT_EQ(r.tag.GetStandardComment(), "standard text");
  EXPECT_EQ(r.tag.GetDescribedTextFrame(5, "eng", "*"), "described text");
  EXPECT_EQ(r.tag.GetDescribedTextFrame(5, "fra", "*"), "");
  EXPECT_EQ(r.tag.GetDescription(r.tag.Frames[0]), "desc");

  // UTF-16: the description "Ā" (00 01 in big-endian pairs) holds a zero byte
  // at an odd distance; only an aligned pair ends it.
  std::string utf16 = std::string("\x02", 1) + "eng" + std::string("\x01\x00\x00\x00", 4) + std::string("\x00\x41", 2);
  TV2 u(Tag(3, Frame3("COMM", utf16)));
  EXPECT_EQ(u.tag.GetDescription(u.tag.Frames[0]), "\xC4\x80");
  EXPECT_EQ(u.tag.GetDescribedTextFrame(5, "*", "*"), "A");
}

TEST(TID3v2Tag, UnsynchronisedTagsAreResynchronised) {
  // UTF-16 with its mark FF FE: the writer inserted a zero byte after FF.
  std::string data = std::string("\x01\xFF\x00\xFE\x41\x00\x00\x00", 8);
  std::string frame = "TIT2" + BE32(7) + std::string(2, '\0') + data;
  TV2 v23(Tag(3, frame, static_cast<char>(0x80)));
  EXPECT_TRUE(v23.tag.Unsynchronisation);
  EXPECT_EQ(v23.tag.GetTitle(), "A");

  TV2 v24(Tag(4, Frame4("TIT2", data, 0x02)));
  EXPECT_EQ(v24.tag.GetTitle(), "A");
}

TEST(TID3v2Tag, GenreReferences) {
  struct {
    const char* in;
    const char* out;
  } cases[] = {{"(13)", "Pop"},  {"(13)Pop Rock", "Pop"}, {"Rock", "Rock"}, {"(256)", "Blues"},
               {"(12)", ""},     {"(999)", "(999)"},      {"17", "17"},     {"17)", "Rock"},
               {"(RX)", "(RX)"}, {"(CR)", "(CR)"},        {"(268)", ""}};
  for (const auto& c : cases) EXPECT_EQ(TID3v2Tag::ParseID3v2Genre(c.in), c.out) << c.in;
  EXPECT_EQ(Genres().size(), 126u);
  EXPECT_EQ(Genres()[92], "Progessive Rock");
  EXPECT_EQ(Genres()[123], "A capella");
}

TEST(TID3v2Tag, Version24FrameExtrasStandBeforeTheData) {
  // Per frame: grouping byte (0x40), data length indicator (0x01) and
  // unsynchronisation (0x02) in the format flags.
  std::string utf16 = std::string("\x01\xFF\xFE", 3) + std::string("\xFF\x00\x41\x00", 4) + std::string(2, '\0');
  std::string unsynced =
      std::string("\x01\xFF\x00\xFE", 4) + std::string("\xFF\x00\x00\x41\x00", 5) + std::string(2, '\0');
  std::string withLength = Synchsafe(static_cast<uint32_t>(utf16.size())) + unsynced;
  TV2 r(Tag(4, Frame4("TIT2", withLength, 0x03) + Frame4("TPE1", std::string("\x07") + Text("Grouped"), 0x40) +
                   Frame4("TALB", Synchsafe(6) + Text("Album"), 0x01)));
  EXPECT_EQ(r.tag.GetTitle(),
            "\xC3\xBF"
            "A");  // U+00FF, then A
  EXPECT_EQ(r.tag.GetArtist(), "Grouped");
  EXPECT_EQ(r.tag.GetAlbum(), "Album");
}

TEST(TID3v2Tag, Version24NamesGenresByPlainNumbers) {
  struct {
    int version;
    std::string text;
    const char* genre;
  } cases[] = {{4, "17", "Rock"},  {4, "(17)", "Rock"}, {4, std::string("13\0Rock", 7), "Pop"},
               {4, "200", "200"},  {4, "Jazz", "Jazz"}, {3, "17", "17"},
               {3, "(17)", "Rock"}};
  for (const auto& c : cases) {
    const std::string frame = c.version == 4 ? Frame4("TCON", Text(c.text)) : Frame3("TCON", Text(c.text));
    TV2 r(Tag(c.version, frame));
    EXPECT_EQ(r.tag.GetGenre(), c.genre) << c.version << " " << c.text;
  }
}

TEST(TID3v2Tag, ManyFramesKeepWhatTheGettersRead) {
  // Beyond some thousands of frames only those the getters read are kept:
  // the last of each text kind and the first comment without description.
  std::string frames = Frame3("TIT2", Text("First"));
  for (int i = 0; i < 20000; ++i) frames += Frame3("TXXX", "");
  frames += Frame3("COMM", std::string("\x00", 1) + "eng" + "d" + '\0' + "described");
  frames += Frame3("COMM", std::string("\x00", 1) + "eng" + '\0' + "plain");
  frames += Frame3("TIT2", Text("Last"));
  frames += Frame3("TALB", Text("Album"));
  TV2 r(Tag(3, frames));
  EXPECT_EQ(r.result, mp3eNone);
  EXPECT_EQ(r.tag.GetTitle(), "Last");
  EXPECT_EQ(r.tag.GetAlbum(), "Album");
  EXPECT_EQ(r.tag.GetStandardComment(), "plain");
  EXPECT_LE(r.tag.Frames.size(), 4096u + 8u);
}

namespace {

std::string Zlib(const std::string& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
           static_cast<uLong>(data.size()));
  out.resize(size);
  return out;
}

}  // namespace

TEST(TID3v2Tag, CompressedFramesAreInflated) {
  const std::string title = Text("Compressed title");
  const auto frame3 = [](const std::string& data, char formatFlags) {
    return "TIT2" + BE32(static_cast<uint32_t>(data.size())) + '\0' + formatFlags + data;
  };
  struct TCase {
    const char* Name;
    std::string Bytes;
    const char* Title;
  };
  const TCase cases[] = {
      // Version 2.3: the inflated size stands before the zlib data, the
      // group byte behind it.
      {"v23", Tag(3, frame3(BE32(static_cast<uint32_t>(title.size())) + Zlib(title), '\x80')), "Compressed title"},
      {"v23grouped", Tag(3, frame3(BE32(static_cast<uint32_t>(title.size())) + "\x07" + Zlib(title), '\xA0')),
       "Compressed title"},
      // Version 2.4: compression goes with a data length indicator.
      {"v24", Tag(4, Frame4("TIT2", Synchsafe(static_cast<uint32_t>(title.size())) + Zlib(title), '\x09')),
       "Compressed title"},
      {"v24notZlib", Tag(4, Frame4("TIT2", Synchsafe(5) + "plain", '\x09')), ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TV2 v(c.Bytes);
    ASSERT_EQ(v.result, mp3eNone);
    EXPECT_EQ(v.tag.GetTitle(), c.Title);
  }
  // Kilobytes that inflate to 10 MB in each of three frames: the tag's frames
  // together inflate to 16 MB at most.
  const std::string bomb = Zlib(Text(std::string(10 << 20, 'x')));
  std::string frames;
  for (const char* id : {"TIT2", "TPE1", "TALB"}) frames += Frame4(id, Synchsafe(10 << 20) + bomb, '\x09');
  TV2 v(Tag(4, frames));
  ASSERT_EQ(v.result, mp3eNone);
  const size_t texts = v.tag.GetTitle().size() + v.tag.GetArtist().size() + v.tag.GetAlbum().size();
  EXPECT_LE(texts, size_t{16} << 20);
  EXPECT_GT(texts, size_t{15} << 20);
}
