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

std::vector<StrResGlobal> Without(std::vector<StrResGlobal> all, std::initializer_list<int> drop) {
  std::erase_if(all, [&](StrResGlobal s) { return std::find(drop.begin(), drop.end(), s) != drop.end(); });
  return all;
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
  program.insert(program.end(), {1070, 1071, 1072});
  EXPECT_EQ(SprEnglishProgramSlots(), program);
}

TEST_F(LanguageSetters, LibraryContractsAreTheListedSlots) {
  const std::vector<StrResGlobal> english = SprEnglishLibrarySlots();
  const std::pair<const char*, size_t> counts[] = {
      {"SetSprResGlobal_DE", 853}, {"SetSprResGlobal_DA", 854},     {"SetSprResGlobal_PTBR", 854},
      {"SetSprResGlobal_ES", 850}, {"SetSprResGlobal_ZHSIMP", 696}, {"SetSprResGlobal_FR", 850},
      {"SetSprResGlobal_RU", 697}, {"SetSprResGlobal_NL", 854},     {"SetSprResGlobal_IT", 854},
      {"SetSprResGlobal_JA", 761}, {"SetSprResGlobal_SR", 854},     {"SetSprResGlobal_PL", 704},
      {"SetSprResGlobal_AR", 734}, {"SetSprResGlobal_KO", 239},
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
  EXPECT_EQ(SprLibrarySetterContract(1).Slots, Without(english, {309}));
  EXPECT_EQ(SprLibrarySetterContract(2).Slots, english);
  EXPECT_EQ(SprLibrarySetterContract(11).Slots, english);
  EXPECT_EQ(SprLibrarySetterContract(4).Slots, Without(english, {123, 309, 319, 353}));
  EXPECT_EQ(SprLibrarySetterContract(6).Slots, Without(english, {123, 309, 319, 353}));
  // Brazilian Portuguese, Dutch and Italian write every library text.
  for (uint32_t complete : {3u, 8u, 9u}) EXPECT_EQ(SprLibrarySetterContract(complete).Slots, english) << complete;
  // Korean leaves most slots in English but translates a few basic ones.
  const auto ko = SprLibrarySetterContract(14).Slots;
  EXPECT_TRUE(std::binary_search(ko.begin(), ko.end(), 1));
  EXPECT_FALSE(std::binary_search(ko.begin(), ko.end(), 5));
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
       "309"},
      {2,  // Danish
       ""},
      {3,  // Brazilian Portuguese
       ""},
      {4,  // Spanish
       "123, 309, 319, 353"},
      {5,  // Simplified Chinese
       "17-24, 45, 51-52, 60, 67, 69-70, 75-81, 92, 97, 101, 103-105, 113-114, 119-120, 123, 136, 138, "
       "141-151, 153, 160, 165, 191, 201, 211, 221, 226, 243-244, 250-254, 263-264, 266-269, "
       "294-295, 297-298, 303, 309, 312, 317-319, 323-333, 336, 338, 353, 376, 409-410, 439-445, "
       "464-468, 474, 514, 517, 544, 546-547, 560, 562-563, 605, 607, 628, 655, 665, 684, 691-692, "
       "698-700, 704, 708, 711-719, 723-727, 736, 770, 829, 832, 834, 848-849, 938-946"},
      {6,  // French
       "123, 309, 319, 353"},
      {7,  // Russian
       "17-24, 45, 51-52, 59-60, 67, 69-70, 75-81, 92, 97, 101, 103-105, 113-114, 119-120, 123, 136, "
       "138, 141-151, 153, 160, 165, 191, 201, 211, 221, 226, 243-244, 250-254, 263-264, 266-269, "
       "294-295, 297-298, 303, 309, 312, 317-319, 323-333, 336, 338, 353, 376, 409-410, 439-445, "
       "464-468, 474, 514, 517, 544, 546-547, 560, 562-563, 605, 607, 628, 655, 665, 684, 691-692, "
       "698-700, 704, 708, 711, 713-719, 723-727, 736, 770, 829, 832, 848-849, 938-946"},
      {8,  // Dutch
       ""},
      {9,  // Italian
       ""},
      {10,  // Japanese
       "17-24, 45, 67, 75-81, 86-87, 100, 102-105, 113-114, 123, 136, 138, 141-151, 153, 157, 201, 211, "
       "226, 254, 332-333, 338, 364-365, 376, 432-436, 439-445, 464, 466-468, 474, 514, 562, 605, 628, "
       "665, 691-692, 704, 708, 711-718, 936-939, 941-943"},
      {11,  // Serbian
       ""},
      {12,  // Polish
       "17-23, 45, 51-52, 59-60, 67, 69-70, 76-81, 92, 97, 101, 103-105, 113-114, 119-120, 123, 136, "
       "138, 141-151, 153, 160, 165, 191, 201, 211, 221, 226, 243-244, 250-253, 263-264, 266-269, "
       "294-295, 297-298, 303, 309, 312, 317-319, 323-333, 336, 353, 409-410, 439-445, 464-468, "
       "474, 514, 517, 544, 546-547, 560, 562-563, 605, 607, 628, 655, 665, 684, 691-692, 698-700, 704, "
       "708, 711, 713-719, 723-727, 736, 770, 829, 832, 848-849, 940-946"},
      {13,  // Arabic
       "17-23, 51-52, 60, 69-70, 76-81, 92, 97, 104-105, 113-114, 119-120, 123, 136, 141-151, 153, 160, "
       "165, 191, 221, 226, 243-244, 250-251, 263, 268-269, 294-295, 303, 312, 323-333, 336, "
       "409-410, 439-445, 465-468, 474, 514, 517, 546-547, 560, 562-563, 605, 607, 628, 655, 665, 684, "
       "699-700, 704, 708, 711-719, 723-727, 770, 829, 832, 834, 848-849, 943"},
      {14,  // Korean
       "5-6, 13, 15-24, 27-28, 31-39, 42-45, 48-52, 54, 56-65, 67-81, 86-92, 94, 96-98, 101, 104-107, "
       "109-110, 112-114, 117-156, 160-163, 165, 168, 179-180, 184, 187-191, 195-199, 201-203, 206-207, "
       "209-212, 214-223, 226, 230, 233-234, 237-240, 243-245, 248-254, 256-273, 276-281, 283-295, "
       "297-303, 305-306, 309-319, 322-356, 358-363, 368-369, 371-424, 432-476, 481-494, 504-506, 508, "
       "513-519, 526-528, 531-532, 534-552, 554-573, 579-581, 583-584, 586-589, 592-595, 599-600, "
       "603-620, 622, 627-632, 635-645, 648-669, 671-701, 704, 708, 711, 713-719, 723-750, 752, 755, "
       "771-772, 786, 789, 793, 811, 822, 829-832, 834, 839-841, 858, 936-946"},
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

// Every offered language holds all 118 program texts; Korean, not offered, none.
TEST_F(LanguageSetters, ProgramContractsAreTheListedSlots) {
  std::vector<StrResGlobal> all = Range(947, 1061);
  // The close question, the replaced-characters notice and the HTML encoding note.
  all.insert(all.end(), {1070, 1071, 1072});
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
