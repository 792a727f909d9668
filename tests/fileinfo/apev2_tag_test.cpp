#include "fileinfo/apev2_tag.h"

#include <gtest/gtest.h>

#include "audio_fixtures.h"

using namespace audiofixtures;

namespace {

struct TRead {
  explicit TRead(const std::string& bytes) {
    TMemoryStream stream(bytes);
    stream.SetPosition(5);
    result = tag.ReadTagDataFromStream(stream);
    positionAfter = stream.GetPosition();
  }
  TAPEv2Tag tag;
  int32_t result;
  int64_t positionAfter;
};

const std::string kAudio(400, 'x');

}  // namespace

TEST(TAPEv2Tag, ReadsItemsInAnyKeyCaseAndKeepsThePosition) {
  for (bool withHeader : {false, true}) {
    TRead r(kAudio + ApeTag({{"Artist", "Someone"},
                             {"title", "Song  \0\0"},
                             {"TRACK", "3/12"},
                             {"Cover Art (Front)", std::string(1500, 'p'), 2},
                             {"Link", "http://x", 4},
                             {"Year", "2001"},
                             {"ARTIST", "Later wins"}},
                            2000, withHeader));
    EXPECT_EQ(r.result, kApeTagRead);
    EXPECT_EQ(r.positionAfter, 5);
    EXPECT_TRUE(r.tag.Exists);
    EXPECT_EQ(r.tag.TagVersion, 2000u);
    ASSERT_EQ(r.tag.Count(), 6);  // the locator makes no frame
    EXPECT_EQ(r.tag.Frames[3]->Index, 3);
    EXPECT_EQ(r.tag.Frames[3]->Format, 2);
    EXPECT_EQ(r.tag.Frames[3]->GetAsText(), "BINARY 1.465 KB");
    EXPECT_EQ(r.tag.Artist, "Later wins");
    EXPECT_EQ(r.tag.Title, "Song");  // trailing blanks and zero bytes removed
    EXPECT_EQ(r.tag.Track, "3/12");
    EXPECT_EQ(r.tag.Year, "2001");
  }
}

TEST(TAPEv2Tag, FooterBeforeAnId3v1Tag) {
  TRead r(kAudio + ApeTag({{"Album", "A"}}) + Id3v1());
  EXPECT_EQ(r.result, kApeTagRead);
  EXPECT_EQ(r.tag.Album, "A");
}

TEST(TAPEv2Tag, Version1TextsAreReadAsWindows1252) {
  TRead r(kAudio + ApeTag({{"Artist", "Mot\xF6rhead \x80"}}, 1000));
  EXPECT_EQ(r.result, kApeTagRead);
  EXPECT_EQ(r.tag.Artist, "Mot\xC3\xB6rhead \xE2\x82\xAC");
  EXPECT_EQ(r.tag.Frames[0]->Stream.Data(), "Mot\xC3\xB6rhead \xE2\x82\xAC");  // held as UTF-8 now
}

TEST(TAPEv2Tag, ResultCodes) {
  struct {
    const char* name;
    std::string bytes;
    int32_t result;
    int32_t frames;
  } cases[] = {
      {"no tag", kAudio, kApeTagMissing, 0},
      {"no items", kAudio + ApeTag({}), kApeTagRead, 0},
      {"version 3000", kAudio + ApeTag({{"Artist", "A"}}, 3000), kApeTagUnknownVersion, 0},
      {"footer cut short", std::string("APETAGEX") + LE32(2000), kApeTagFooterTooShort, 0},
      // The reading runs on into the footer, whose bytes make a value too large.
      {"item count beyond the items", kAudio + ApeTag({{"Artist", "A"}}, 2000, false, 5), kApeTagItemTooLarge, 1},

      {"reserved value type", kAudio + ApeTag({{"Artist", "A"}, {"R", "r", 6}}), kApeTagRead, 1},
      {"tag size before the start", ApeTag({{"Artist", "A"}}).substr(10), kApeTagReadFailed, 0},
  };
  for (const auto& c : cases) {
    TRead r(c.bytes);
    EXPECT_EQ(r.result, c.result) << c.name;
    EXPECT_EQ(r.tag.Count(), c.frames) << c.name;
    EXPECT_EQ(r.positionAfter, 5) << c.name;
  }
  TRead noTag(kAudio);
  EXPECT_EQ(noTag.tag.FileSize, static_cast<int64_t>(kAudio.size()));
  EXPECT_FALSE(noTag.tag.Exists);

  TRead empty(kAudio + ApeTag({}));
  EXPECT_FALSE(empty.tag.Exists);
  EXPECT_EQ(empty.tag.Artist, "");
}

TEST(TAPEv2Tag, ValueLargerThanTheTagStopsWithSeven) {
  // The second item claims a value larger than the whole tag.
  std::string tag = ApeTag({{"Artist", "A"}, {"Title", "T"}});
  std::string bad = kAudio + tag;
  const size_t secondItem = kAudio.size() + 8 + 7 + 1;
  bad.replace(secondItem, 4, LE32(100000));
  TRead r(bad);
  EXPECT_EQ(r.result, kApeTagItemTooLarge);
  EXPECT_EQ(r.tag.Count(), 1);
  EXPECT_EQ(r.tag.Artist, "");  // the texts are only copied after a complete read
  EXPECT_EQ(r.positionAfter, 5);
}

TEST(TAPEv2Tag, SizeTextsOfBinaryValues) {
  TAPEv2Tag tag;
  struct {
    size_t size;
    const char* text;
  } cases[] = {{999, "BINARY 999 Byte"}, {1000, "BINARY 0.977 KB"}, {1048576, "BINARY 1.000 MB"}};
  for (const auto& c : cases) {
    TAPEv2Frame* f = tag.AddFrame("Cover");
    f->Stream = TMemoryStream(std::string(c.size, 'b'));
    f->Format = 2;
    EXPECT_EQ(f->GetAsText(), c.text);
  }
}

TEST(TAPEv2Tag, ManyItemsKeepTheTextFieldsAndABoundedList) {
  // Beyond some thousands of items, only those that fill a text field are
  // kept, each in the place of the last one of its key: the later still wins.
  std::vector<TApeItem> items(10000, TApeItem{"K", ""});
  items.insert(items.begin(), TApeItem{"Title", "Early"});
  items.push_back({"TITLE", "Late"});
  items.push_back({"Genre", "Jazz"});
  items.push_back({"title", "Latest"});
  TRead r(kAudio + ApeTag(items));
  EXPECT_EQ(r.result, kApeTagRead);
  EXPECT_EQ(r.tag.Title, "Latest");
  EXPECT_EQ(r.tag.Genre, "Jazz");
  EXPECT_LE(r.tag.Frames.size(), 4096u + 8u);
  EXPECT_EQ(r.positionAfter, 5);
}
