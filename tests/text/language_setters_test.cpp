#include "text/language_setters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "text/text_store.h"

namespace {

std::vector<StrResGlobal> Range(int from, int to) {
  std::vector<StrResGlobal> r;
  for (int s = from; s <= to; ++s) r.push_back(static_cast<StrResGlobal>(s));
  return r;
}

// "13, 17-25, 34" -> {13, 17, 18, ..., 25, 34}
std::set<int> ParseSlotList(const std::string& text) {
  std::set<int> slots;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    const size_t dash = item.find('-');
    const int from = std::stoi(item.substr(0, dash));
    const int to = dash == std::string::npos ? from : std::stoi(item.substr(dash + 1));
    for (int s = from; s <= to; ++s) slots.insert(s);
  }
  return slots;
}

class LanguageSetters : public ::testing::Test {
 protected:
  // Other tests of this binary install the translations; these tests measure
  // the registry itself, empty.
  void SetUp() override { TearDown(); }
  void TearDown() override {
    for (uint32_t l = 1; l <= 14; ++l) SprRegisterLibrarySetter(l, nullptr);
    for (uint32_t l = 1; l <= 13; ++l) SprRegisterProgramSetter(l, nullptr);
    SprResGlobalArr.clear();
  }
};

TEST_F(LanguageSetters, EnglishSlotSets) {
  std::vector<StrResGlobal> expected;
  for (auto [from, to] : {std::pair{1, 424}, {432, 494}, {504, 532}, {534, 860}, {936, 946}}) {
    auto r = Range(from, to);
    expected.insert(expected.end(), r.begin(), r.end());
  }
  EXPECT_EQ(SprEnglishLibrarySlots(), expected);
  std::vector<StrResGlobal> program = Range(947, 1061);
  program.insert(program.end(), {1070, 1071, 1072, 1073, 1074});
  EXPECT_EQ(SprEnglishProgramSlots(), program);
}

TEST_F(LanguageSetters, LibraryContractsAreTheListedSlots) {
  const std::vector<StrResGlobal> english = SprEnglishLibrarySlots();
  const std::pair<const char*, size_t> counts[] = {
      {"SetSprResGlobal_DE", 854}, {"SetSprResGlobal_DA", 854},     {"SetSprResGlobal_PTBR", 854},
      {"SetSprResGlobal_ES", 854}, {"SetSprResGlobal_ZHSIMP", 854}, {"SetSprResGlobal_FR", 854},
      {"SetSprResGlobal_RU", 854}, {"SetSprResGlobal_NL", 854},     {"SetSprResGlobal_IT", 854},
      {"SetSprResGlobal_JA", 854}, {"SetSprResGlobal_SR", 854},     {"SetSprResGlobal_PL", 854},
      {"SetSprResGlobal_AR", 854}, {"SetSprResGlobal_KO", 854},
  };
  for (uint32_t l = 1; l <= 14; ++l) {
    SCOPED_TRACE(l);
    const TSprSetterContract c = SprLibrarySetterContract(l);
    EXPECT_EQ(c.Name, counts[l - 1].first);
    EXPECT_EQ(c.Slots.size(), counts[l - 1].second);
    EXPECT_TRUE(std::is_sorted(c.Slots.begin(), c.Slots.end()));
    // Every slot a language writes is written by English first.
    EXPECT_TRUE(std::includes(english.begin(), english.end(), c.Slots.begin(), c.Slots.end()));
  }
  // Every language writes every library text; the program itself is not
  // offered in Korean.
  for (uint32_t complete = 1; complete <= 14; ++complete)
    EXPECT_EQ(SprLibrarySetterContract(complete).Slots, english) << complete;
  for (uint32_t none : {0u, 15u, static_cast<uint32_t>(-1)}) {
    EXPECT_TRUE(SprLibrarySetterContract(none).Name.empty());
    EXPECT_TRUE(SprLibrarySetterContract(none).Slots.empty());
  }
}

// Written out a second time, as the translators get them, so that a slip in
// either copy shows up.
TEST_F(LanguageSetters, EveryLibraryContractLeavesExactlyItsListedSlotsInEnglish) {
  const std::pair<uint32_t, std::string> untranslated[] = {
      {1,  // German
       ""},
      {2,  // Danish
       ""},
      {3,  // Brazilian Portuguese
       ""},
      {4,  // Spanish
       ""},
      {5,  // Simplified Chinese
       ""},
      {6,  // French
       ""},
      {7,  // Russian
       ""},
      {8,  // Dutch
       ""},
      {9,  // Italian
       ""},
      {10,  // Japanese
       ""},
      {11,  // Serbian
       ""},
      {12,  // Polish
       ""},
      {13,  // Arabic
       ""},
      {14,  // Korean
       ""},
  };
  const std::vector<StrResGlobal> english = SprEnglishLibrarySlots();
  const std::set<int> englishSet(english.begin(), english.end());
  for (const auto& [language, list] : untranslated) {
    SCOPED_TRACE(language);
    const std::set<int> left = ParseSlotList(list);
    EXPECT_TRUE(std::includes(englishSet.begin(), englishSet.end(), left.begin(), left.end()));
    std::vector<StrResGlobal> expected;
    for (StrResGlobal s : english)
      if (!left.count(s)) expected.push_back(s);
    EXPECT_EQ(SprLibrarySetterContract(language).Slots, expected);
  }
}

// Every offered language holds all 119 program texts; Korean, not offered, none.
TEST_F(LanguageSetters, ProgramContractsAreTheListedSlots) {
  std::vector<StrResGlobal> all = Range(947, 1061);
  // The close question, the replaced-characters notice, the HTML encoding note,
  // the notice of an action list whose numbers were cut and the notice of a table
  // saved on several sheets.
  all.insert(all.end(), {1070, 1071, 1072, 1073, 1074});
  const char* names[] = {"DE", "DA", "PTBR", "ES", "ZHSIMP", "FR", "RU", "NL", "IT", "JA", "SR", "PL", "AR"};
  for (uint32_t l = 1; l <= 13; ++l) {
    SCOPED_TRACE(l);
    const TSprSetterContract c = SprProgramSetterContract(l);
    EXPECT_EQ(c.Name, std::string("SetSprResLocal_") + names[l - 1]);
    EXPECT_EQ(c.Slots, all);
  }
  EXPECT_TRUE(SprProgramSetterContract(14).Slots.empty());
  EXPECT_TRUE(SprProgramSetterContract(0).Name.empty());
}

TEST_F(LanguageSetters, UntranslatedLanguagesWriteNothing) {
  for (uint32_t l = 0; l <= 15; ++l) {
    EXPECT_TRUE(SprSlotsWrittenByLibrarySetter(l).empty()) << l;
    EXPECT_TRUE(SprSlotsWrittenByProgramSetter(l).empty()) << l;
  }
}

TEST_F(LanguageSetters, RegistrationAndMeasuringAgainstTheContract) {
  EXPECT_FALSE(SprRegisterLibrarySetter(0, [] {}));
  EXPECT_FALSE(SprRegisterLibrarySetter(15, [] {}));
  EXPECT_FALSE(SprRegisterProgramSetter(14, [](int32_t) {}));
  ASSERT_TRUE(SprRegisterLibrarySetter(12, [] {
    SprResGlobalArr[1] = "Informacja";
    SprResGlobalArr[200] = "Anuluj";
  }));
  ASSERT_TRUE(SprRegisterProgramSetter(12, [](int32_t base) { SprResGlobalArr[base + 1] = "Kreator"; }));
  SprResGlobalArr = {"kept"};
  EXPECT_EQ(SprSlotsWrittenByLibrarySetter(12), (std::vector<StrResGlobal>{1, 200}));
  EXPECT_EQ(SprSlotsWrittenByProgramSetter(12), (std::vector<StrResGlobal>{948}));
  EXPECT_EQ(SprResGlobalArr, TStrArray{"kept"});  // the real store is untouched
  // A table that writes a slot English does not write shows up as such.
  SprRegisterLibrarySetter(12, [] { SprResGlobalArr[425] = "x"; });
  const auto written = SprSlotsWrittenByLibrarySetter(12);
  const auto english = SprEnglishLibrarySlots();
  EXPECT_FALSE(std::includes(english.begin(), english.end(), written.begin(), written.end()));
  // Putting the no-op back.
  SprRegisterLibrarySetter(12, nullptr);
  EXPECT_TRUE(SprSlotsWrittenByLibrarySetter(12).empty());
}

}  // namespace
