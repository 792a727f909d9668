#include "text/english_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "foundation/utf8.h"
#include "text/program_texts.h"
#include "text/text_store.h"

namespace {

class EnglishTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    InitSprResLocal();
    SetSprResGlobal(0);
  }
  void TearDown() override {
    SprInitLocalProc = nullptr;
    SprResGlobalArr.clear();
  }
};

TEST_F(EnglishTexts, TablesHaveTheirSizesAndAreWellFormed) {
  EXPECT_EQ(SprEnglishLibraryTexts().size(), 854u);
  EXPECT_EQ(SprNeutralLibraryTexts().size(), 8u);
  // Texts 0..127; the derived 115..122 stand empty.
  EXPECT_EQ(SprEnglishProgramTexts().size(), 128u);
  for (size_t i = 0; i < SprEnglishProgramTexts().size(); ++i)
    EXPECT_EQ(SprEnglishProgramTexts()[i].empty(), i >= 115 && i <= 122) << i;
  int previous = 0;
  for (const TSprSlotText& t : SprEnglishLibraryTexts()) {
    EXPECT_GT(t.Slot, previous);
    previous = t.Slot;
    EXPECT_FALSE(t.Text.empty()) << t.Slot;
  }
  auto wellFormed = [](std::string_view text) {
    return UTF8IsValid(std::string(text)) && text.find('\r') == std::string_view::npos &&
           text.find('\t') == std::string_view::npos;
  };
  for (const TSprSlotText& t : SprEnglishLibraryTexts()) EXPECT_TRUE(wellFormed(t.Text)) << t.Slot;
  for (const TSprSlotText& t : SprNeutralLibraryTexts()) EXPECT_TRUE(wellFormed(t.Text)) << t.Slot;
  for (std::string_view t : SprEnglishProgramTexts()) EXPECT_TRUE(wellFormed(t)) << t;
}

TEST_F(EnglishTexts, SpotTextsByteForByte) {
  const std::pair<int, const char*> cases[] = {
      {1, "Information"},
      {200, "Cancel"},
      {160, "The File was not found. "},
      {685, "Without leading zeros "},
      {717, "Do you want to save the changes on the Action List? "},
      {718, "Do you want to save the Action List? "},
      {800, "Loads the saved startup settings if available. "},
      {20, "Refresh Preview automatically when entering Text into the Field \"<X>\""},
      {938, "Encode XML/HTML-Syntax Characters (<>&\"' \xE2\x86\x92 &lt;...)"},
      {939, "Decode XML/HTML-Syntax Characters (&lt;... \xE2\x86\x92 <>&\"')"},
      {77, "Rotate by <X>\xC2\xB0"},
      {837, "Documemtation of all Functions"},
      {946, "Characters from <X> to <Y>"},
      {34, "Update"},
      {35, "Update"},
      {469, "English"},
      {924, "English"},
      {922, "Deutsch"},
      {923, "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC"},
      {927, "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9"},
      {934, "URL-Encode (ab cd \xE2\x86\x92 ab%20cd)"},
      {935, "URL-Decode (ab%20cd \xE2\x86\x92 ab cd)"},
      {936, "Encode Named Characters (\xC3\xA4 \xE2\x86\x92 &auml;)"},
      {377, "Total"},
      {32, "Redo"},
      {43, "Append"},
      {122, "Custom"},
      {947, "Counter"},
      {972, "Random List Cyrillic Letters (\xD0\x90-\xD0\xA6)"},
      {974, "Random List Georgic Letters (\xE1\x83\x90-\xE1\x83\xB0)"},
      {1002, "Example: \"A|E>B|C|D\" means: After A and E the letters B, C or D are allowed."},
      {1060, "Tip: Right-click on the text boxes of the main window to get more options. "},
      {1062, "CSV"},
  };
  for (const auto& [slot, text] : cases) EXPECT_EQ(SprResGlobalArr[slot], text) << slot;
  EXPECT_EQ(SprResGlobalArr[0], "");
}

TEST_F(EnglishTexts, MultiParagraphMessages) {
  const std::string& zip = SprResGlobalArr[857];
  EXPECT_EQ(std::count(zip.begin(), zip.end(), '\n'), 5);
  EXPECT_NE(zip.find("correctly.\n\nPlease unzip"), std::string::npos);
  EXPECT_NE(zip.find("afterwards.\n\nYou can find"), std::string::npos);
  const std::string tail = "more information about that on:\n";
  const size_t at = zip.find(tail);
  ASSERT_NE(at, std::string::npos);
  const std::string address = zip.substr(at + tail.size());
  EXPECT_EQ(address.rfind("www.pellwick.example/", 0), 0u);
  EXPECT_EQ(address.find_first_of(" \n:"), std::string::npos);

  EXPECT_EQ(SprResGlobalArr[979],
            "Using your current syllable list, it is not possible to create readable words.\n\nAdd further "
            "syllables to your syllable list or disable creating only readable words from \"Settings > "
            "Creator\".");
  EXPECT_EQ(SprResGlobalArr[980],
            "Using your current syllable list and your current settings, it is not possible to create "
            "words.\n\nAdd further syllables to your syllable list, change possible syllable positions or "
            "disable creating only readable words from \"Settings > Creator\".");
  EXPECT_EQ(SprResGlobalArr[981],
            "Your current syllable list does not contain a syllable for each position within the "
            "word.\n\nAdd syllables with other or without any positions to your syllable list or reduce "
            "your desired word length.\n\nMissing Positions: ");
}

TEST_F(EnglishTexts, ProseSlotsLinkToThePellwickSite) {
  // 851, 852: a link in the panel markup; 854, 856: a paragraph break, then the link.
  for (int slot : {851, 852, 854, 856}) {
    const std::string& t = SprResGlobalArr[slot];
    const size_t open = t.find("<a=");
    ASSERT_NE(open, std::string::npos) << slot;
    const size_t close = t.find('>', open);
    const size_t end = t.find("</a>", close);
    ASSERT_NE(end, std::string::npos) << slot;
    const std::string target = t.substr(open + 3, close - open - 3);
    EXPECT_EQ(t.substr(close + 1, end - close - 1), target) << slot;
    EXPECT_EQ(target.rfind("www.pellwick.example/", 0), 0u) << slot;
  }
  EXPECT_NE(SprResGlobalArr[854].find("on the following website:<p2><a="), std::string::npos);
  EXPECT_NE(SprResGlobalArr[856].find("visit the following website:<p2><a="), std::string::npos);
  EXPECT_EQ(SprResGlobalArr[854].rfind("We are constantly endeavored", 0), 0u);
  EXPECT_EQ(SprResGlobalArr[856].rfind("Under circumstances, maybe", 0), 0u);
}

}  // namespace
