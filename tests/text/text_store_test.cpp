#include "text/text_store.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "text/language_setters.h"
#include "text/program_texts.h"

namespace {

constexpr uint32_t kMinusOne = static_cast<uint32_t>(-1);

// Every test starts from an empty store, no hook and no-op setters, and leaves it so.
class TextStore : public ::testing::Test {
 protected:
  void SetUp() override { ResetAll(); }
  void TearDown() override { ResetAll(); }
  static void ResetAll() {
    for (uint32_t l = 1; l <= 14; ++l) SprRegisterLibrarySetter(l, nullptr);
    for (uint32_t l = 1; l <= 13; ++l) SprRegisterProgramSetter(l, nullptr);
    SprInitLocalProc = nullptr;
    SprResGlobalArr.clear();
  }
};

TEST_F(TextStore, FillRunsNeutralEnglishSetterDerivedThenHook) {
  std::vector<std::string> events;
  // What each step sees tells which steps ran before it.
  SprRegisterLibrarySetter(5, [&] {
    events.push_back("setter");
    EXPECT_EQ(SprResGlobalArr.size(), 947u);
    EXPECT_EQ(SprResGlobalArr[922], "Deutsch");    // neutral step ran
    EXPECT_EQ(SprResGlobalArr[1], "Information");  // English step ran
    EXPECT_EQ(SprResGlobalArr[425], "");           // derived step not yet
    SprResGlobalArr[413] = "ZH-413";
  });
  SprInitLocalProc = [&](uint32_t language) {
    events.push_back("hook " + std::to_string(language));
    EXPECT_EQ(SprResGlobalArr[425], "ZH-413 (Abc)");  // derived from the setter's text
  };
  SetSprResGlobal(5);
  EXPECT_EQ(events, (std::vector<std::string>{"setter", "hook 5"}));
}

TEST_F(TextStore, LibrarySetterRunsOnlyForOneToFourteen) {
  std::vector<uint32_t> calls;
  for (uint32_t l = 1; l <= 14; ++l) SprRegisterLibrarySetter(l, [&calls, l] { calls.push_back(l); });
  for (uint32_t language : {kMinusOne, 0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 13u, 14u, 15u, 99u}) {
    calls.clear();
    SetSprResGlobal(language);
    if (language >= 1 && language <= 14)
      EXPECT_EQ(calls, std::vector<uint32_t>{language});
    else
      EXPECT_TRUE(calls.empty()) << language;
  }
}

TEST_F(TextStore, ProgramSetterRunsOnlyForOneToThirteenWithBase947) {
  InitSprResLocal();
  std::vector<std::pair<uint32_t, int32_t>> calls;
  for (uint32_t l = 1; l <= 13; ++l)
    SprRegisterProgramSetter(l, [&calls, l](int32_t base) {
      calls.emplace_back(l, base);
      EXPECT_EQ(SprResGlobalArr.size(), 1075u);
      EXPECT_EQ(SprResGlobalArr[947], "Counter");  // English program step ran
      EXPECT_EQ(SprResGlobalArr[1062], "CSV");     // neutral program step ran
      EXPECT_EQ(SprResGlobalArr[1063], "");        // derived program step not yet
    });
  EXPECT_FALSE(SprRegisterProgramSetter(14, [](int32_t) {}));
  for (uint32_t language : {kMinusOne, 0u, 1u, 7u, 13u, 14u, 15u}) {
    calls.clear();
    SetSprResGlobal(language);
    if (language >= 1 && language <= 13)
      EXPECT_EQ(calls, (std::vector<std::pair<uint32_t, int32_t>>{{language, 947}}));
    else
      EXPECT_TRUE(calls.empty()) << language;
  }
}

TEST_F(TextStore, LengthIs947WithoutHookAnd1075WithIt) {
  EXPECT_TRUE(SprResGlobalArr.empty());
  SetSprResGlobal(0);
  EXPECT_EQ(SprResGlobalArr.size(), 947u);
  EXPECT_EQ(SprText(947), "");  // beyond the store: empty, not a crash
  InitSprResLocal();
  SetSprResGlobal(0);
  EXPECT_EQ(SprResGlobalArr.size(), 1075u);
  EXPECT_EQ(SprText(947), "Counter");
  EXPECT_EQ(SprLocalText(0), "Counter");
  EXPECT_EQ(SprLocalText(122), SprResGlobalArr[1069]);
  EXPECT_EQ(SprLocalText(124), SprResGlobalArr[1071]);
  EXPECT_EQ(SprLocalText(125), SprResGlobalArr[1072]);
  EXPECT_EQ(SprLocalText(126), SprResGlobalArr[1073]);
  EXPECT_EQ(SprLocalText(127), SprResGlobalArr[1074]);
  EXPECT_EQ(SprLocalText(128), "");
  EXPECT_EQ(SprLocalText(-1), "");
  EXPECT_EQ(SprText(UINT16_MAX), "");
  // Dropping the hook shrinks the store again on the next fill.
  SprInitLocalProc = nullptr;
  SetSprResGlobal(0);
  EXPECT_EQ(SprResGlobalArr.size(), 947u);
}

TEST_F(TextStore, SwitchingBackLeavesNothingOfTheEarlierLanguage) {
  InitSprResLocal();
  SetSprResGlobal(0);
  const TStrArray english = SprResGlobalArr;

  SprRegisterLibrarySetter(1, [] {
    SprResGlobalArr[1] = "Information-DE";
    SprResGlobalArr[469] = "Englisch";
    // Outside what the English step writes: a faulty table must not leave this behind either.
    SprResGlobalArr[900] = "left over";
  });
  SprRegisterProgramSetter(1, [](int32_t base) { SprResGlobalArr[base + 1] = "Generator"; });
  SetSprResGlobal(1);
  const TStrArray german = SprResGlobalArr;
  EXPECT_EQ(german[1], "Information-DE");
  EXPECT_EQ(german[948], "Generator");

  SetSprResGlobal(0);
  EXPECT_EQ(SprResGlobalArr, english);
  SetSprResGlobal(1);
  EXPECT_EQ(SprResGlobalArr, german);
  SetSprResGlobal(kMinusOne);
  EXPECT_EQ(SprResGlobalArr, english);
  SetSprResGlobal(99);
  EXPECT_EQ(SprResGlobalArr, english);
}

TEST_F(TextStore, ASetterThatResizesTheStoreCannotBreakTheFill) {
  InitSprResLocal();  // installs the translations first; the faulty setter replaces one
  SprRegisterLibrarySetter(2, [] { SprResGlobalArr.resize(10); });
  SetSprResGlobal(2);
  EXPECT_EQ(SprResGlobalArr.size(), 1075u);
  EXPECT_EQ(SprResGlobalArr[425], " (Abc)");  // its part was lost with the shrink
  SprRegisterProgramSetter(2, [](int32_t) { SprResGlobalArr.clear(); });
  SetSprResGlobal(2);
  EXPECT_EQ(SprResGlobalArr.size(), 1075u);
}

TEST_F(TextStore, DerivedSlotsInEnglishAndWithAGermanTable) {
  SetSprResGlobal(0);
  const std::pair<int, const char*> english[] = {
      {425, "Capitalize Words (Abc)"},
      {426, "First Letter Uppercase (Abc)"},
      {427, "All Letters Uppercase (ABC)"},
      {428, "All Letters Lowercase (abc)"},
      {429, "All Uppercase (ABC)"},
      {430, "All Lowercase (abc)"},
      {431, "Randomly Mixed (aBc)"},
      {495, "Digits (0-9)"},
      {496, "Uppercase Latin Letters (A-Z)"},
      {497, "Lowercase Latin Letters (a-z)"},
      {498, "Uppercase Latin Diacritics (\xC3\x84\xC3\x81\xC3\x85...)"},
      {499, "Lowercase Latin Diacritics (\xC3\xA4\xC3\xA1\xC3\xA5...)"},
      {500, "Uppercase Cyrillic Letters (\xD0\x90-\xD0\xAF)"},
      {501, "Lowercase Cyrillic Letters (\xD0\xB0-\xD1\x8F)"},
      {502, "Uppercase Greek Letters (\xCE\x91-\xCE\xA9)"},
      {503, "Lowercase Greek Letters (\xCE\xB1-\xCF\x89)"},
      {533, "Configure Columns..."},
      {928, "Deutsch (German)"},
      {929, "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC (Greek)"},
      {930, "English"},
      {931, "Espa\xC3\xB1ol (Spanish)"},
      {932,
       "Fran\xC3\xA7"
       "ais (French)"},
      {933, "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9 (Russian)"},
  };
  for (const auto& [slot, text] : english) EXPECT_EQ(SprResGlobalArr[slot], text) << slot;

  SprRegisterLibrarySetter(1, [] {
    SprResGlobalArr[470] = "Deutsch";
    SprResGlobalArr[469] = "Englisch";
    SprResGlobalArr[462] = "Griechisch";
    SprResGlobalArr[532] = "Spalten konfigurieren";
    SprResGlobalArr[401] = "Ziffern";
  });
  SetSprResGlobal(1);
  EXPECT_EQ(SprResGlobalArr[928], "Deutsch");
  EXPECT_EQ(SprResGlobalArr[930], "English (Englisch)");
  EXPECT_EQ(SprResGlobalArr[929], "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC (Griechisch)");
  EXPECT_EQ(SprResGlobalArr[924], "English");  // neutral, untouched by the language
  EXPECT_EQ(SprResGlobalArr[533], "Spalten konfigurieren...");
  EXPECT_EQ(SprResGlobalArr[495], "Ziffern (0-9)");
  // Exact comparison: a difference in case alone keeps the parenthesis.
  SprRegisterLibrarySetter(1, [] { SprResGlobalArr[470] = "deutsch"; });
  SetSprResGlobal(1);
  EXPECT_EQ(SprResGlobalArr[928], "Deutsch (deutsch)");
}

TEST_F(TextStore, SlotClassesAfterEnglishFill) {
  SetSprResGlobal(0);
  std::set<int> english, derived, neutral{922, 923, 924, 925, 926, 927, 934, 935};
  for (StrResGlobal s : SprEnglishLibrarySlots()) english.insert(s);
  for (int s = 425; s <= 431; ++s) derived.insert(s);
  for (int s = 495; s <= 503; ++s) derived.insert(s);
  derived.insert(533);
  for (int s = 928; s <= 933; ++s) derived.insert(s);
  ASSERT_EQ(english.size(), 854u);
  ASSERT_EQ(derived.size(), 23u);
  int empty = 0;
  for (int s = 0; s < 947; ++s) {
    const int classes = english.count(s) + derived.count(s) + neutral.count(s);
    ASSERT_LE(classes, 1) << s;
    if (classes == 1)
      EXPECT_FALSE(SprResGlobalArr[s].empty()) << s;
    else {
      EXPECT_TRUE(SprResGlobalArr[s].empty()) << s;
      EXPECT_TRUE(s == 0 || (s >= 861 && s <= 921)) << s;
      ++empty;
    }
  }
  EXPECT_EQ(empty, 1 + 61);
}

TEST_F(TextStore, ProgramSlotsInEnglish) {
  InitSprResLocal();
  SetSprResGlobal(0);
  EXPECT_EQ(SprResGlobalArr[947], "Counter");
  EXPECT_EQ(SprResGlobalArr[1062], "CSV");
  EXPECT_EQ(SprResGlobalArr[1063], "Letters, Ascending");
  EXPECT_EQ(SprResGlobalArr[1064], "Letters, Descending");
  EXPECT_EQ(SprResGlobalArr[1065], "Frequency, Ascending");
  EXPECT_EQ(SprResGlobalArr[1066], "Frequency, Descending");
  EXPECT_EQ(SprResGlobalArr[1067], "Counter Characters");
  EXPECT_EQ(SprResGlobalArr[1068], "Counter Output");
  for (int s = 947; s < 1075; ++s) EXPECT_FALSE(SprResGlobalArr[s].empty()) << s;
  const std::string link = "<a=" + SprProgramWebPage() + ">" + SprProgramWebPage() + "</a>.";
  const std::string& s1061 = SprResGlobalArr[1061];
  ASSERT_GE(s1061.size(), link.size());
  EXPECT_EQ(s1061.substr(s1061.size() - link.size()), link);
  EXPECT_EQ(s1061.find("go to <a="), s1061.size() - link.size() - 6);
}

TEST_F(TextStore, SyllableListAddressFollowsLanguage) {
  InitSprResLocal();
  std::set<std::string> addresses;
  for (uint32_t language : {kMinusOne, 0u, 1u, 2u, 4u, 6u, 14u, 99u}) {
    SetSprResGlobal(language);
    // The words come from the language's library table (slot 827), the address from the language group.
    // French sets a no-break space before its colon.
    const std::string colon = language == 6u ? "\xC2\xA0: " : ": ";
    const std::string expected = SprResGlobalArr[827] + colon + SprSyllableListWebPage(language);
    EXPECT_EQ(SprResGlobalArr[1069], expected) << language;
    addresses.insert(SprSyllableListWebPage(language));
    const std::string page = SprSyllableListWebPage(language);
    EXPECT_EQ(page.rfind("www.pellwick.example/", 0), 0u) << page;
    EXPECT_EQ(page.find("://"), std::string::npos);
  }
  EXPECT_EQ(addresses.size(), 4u);  // German, Spanish, French, everybody else
  EXPECT_EQ(SprSyllableListWebPage(0), SprSyllableListWebPage(14));
  EXPECT_EQ(SprSyllableListWebPage(0), SprSyllableListWebPage(2));
  EXPECT_NE(SprSyllableListWebPage(0), SprSyllableListWebPage(1));
  EXPECT_NE(SprSyllableListWebPage(4), SprSyllableListWebPage(6));
}

TEST_F(TextStore, DerivedProgramTextsFollowTheLibraryLanguage) {
  InitSprResLocal();
  SprRegisterLibrarySetter(1, [] {
    SprResGlobalArr[405] = "Buchstaben";
    SprResGlobalArr[395] = "aufsteigend";
    SprResGlobalArr[827] = "Mehr Informationen unter";
  });
  SprRegisterProgramSetter(1, [](int32_t base) { SprResGlobalArr[base] = "Z\xC3\xA4hler"; });
  SetSprResGlobal(1);
  EXPECT_EQ(SprResGlobalArr[1063], "Buchstaben, aufsteigend");
  // German narrows a caption down after a colon; a noun keeps its capital.
  EXPECT_EQ(SprResGlobalArr[1067], "Z\xC3\xA4hler: Characters");
  EXPECT_EQ(SprResGlobalArr[1069], "Mehr Informationen unter: " + SprSyllableListWebPage(1));
}

TEST_F(TextStore, ProgramStepsAreSafeWithAnOddBase) {
  InitSprResLocal();
  SetSprResGlobal(0);
  const TStrArray before = SprResGlobalArr;
  SetSprResLocal_EN(2000);  // past the end: writes nothing
  SetSprResLocal_All(60000, 0);
  SetSprResLocal_Combinations(1069, 0);
  EXPECT_EQ(SprResGlobalArr, before);
  SetSprResLocal_EN(-5000);
  EXPECT_EQ(SprResGlobalArr, before);
}

}  // namespace
