#include "text/language_setters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
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

class LanguageSetters : public ::testing::Test {
 protected:
  void TearDown() override {
    for (uint32_t l = 1; l <= 14; ++l) SprRegisterLibrarySetter(l, nullptr);
    for (uint32_t l = 1; l <= 13; ++l) SprRegisterProgramSetter(l, nullptr);
    SprResGlobalArr.clear();
  }
};

TEST_F(LanguageSetters, EnglishSlotSets) {
  std::vector<StrResGlobal> expected;
  for (auto [from, to] : {std::pair{1, 424}, {432, 494}, {504, 532}, {534, 858}, {936, 946}}) {
    auto r = Range(from, to);
    expected.insert(expected.end(), r.begin(), r.end());
  }
  EXPECT_EQ(SprEnglishLibrarySlots(), expected);
  EXPECT_EQ(SprEnglishProgramSlots(), Range(947, 1061));
}

TEST_F(LanguageSetters, LibraryContractsAreTheListedSlots) {
  const std::vector<StrResGlobal> english = SprEnglishLibrarySlots();
  const std::pair<const char*, size_t> counts[] = {
      {"SetSprResGlobal_DE", 851},     {"SetSprResGlobal_DA", 512}, {"SetSprResGlobal_PTBR", 648},
      {"SetSprResGlobal_ES", 848},     {"SetSprResGlobal_ZHSIMP", 690}, {"SetSprResGlobal_FR", 848},
      {"SetSprResGlobal_RU", 691},     {"SetSprResGlobal_NL", 648}, {"SetSprResGlobal_IT", 622},
      {"SetSprResGlobal_JA", 759},     {"SetSprResGlobal_SR", 597}, {"SetSprResGlobal_PL", 698},
      {"SetSprResGlobal_AR", 728},     {"SetSprResGlobal_KO", 237},
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
  EXPECT_EQ(SprLibrarySetterContract(4).Slots, Without(english, {123, 309, 319, 353}));
  EXPECT_EQ(SprLibrarySetterContract(6).Slots, Without(english, {123, 309, 319, 353}));
  // Korean leaves most slots in English but translates a few basic ones.
  const auto ko = SprLibrarySetterContract(14).Slots;
  EXPECT_TRUE(std::binary_search(ko.begin(), ko.end(), 1));
  EXPECT_FALSE(std::binary_search(ko.begin(), ko.end(), 5));
  for (uint32_t none : {0u, 15u, static_cast<uint32_t>(-1)}) {
    EXPECT_TRUE(SprLibrarySetterContract(none).Name.empty());
    EXPECT_TRUE(SprLibrarySetterContract(none).Slots.empty());
  }
}

TEST_F(LanguageSetters, ProgramContractsAreTheListedSlots) {
  const std::vector<StrResGlobal> all = Range(947, 1061);
  const auto partial = Without(all, {950, 951, 952, 953, 954, 958, 959, 965, 966, 967, 969, 982, 983, 984,
                                     985, 990, 994, 1021, 1022, 1026, 1027, 1048, 1054, 1055, 1056});
  const auto serbian =
      Without(all, {950, 951, 952, 953, 954, 958, 959, 965, 966, 967, 969, 982, 983, 984, 985, 994});
  const char* names[] = {"DE", "DA", "PTBR", "ES", "ZHSIMP", "FR", "RU", "NL", "IT", "JA", "SR", "PL", "AR"};
  for (uint32_t l = 1; l <= 13; ++l) {
    SCOPED_TRACE(l);
    const TSprSetterContract c = SprProgramSetterContract(l);
    EXPECT_EQ(c.Name, std::string("SetSprResLocal_") + names[l - 1]);
    if (l == 1 || l == 4 || l == 6 || l == 10)
      EXPECT_EQ(c.Slots, all);
    else if (l == 11)
      EXPECT_EQ(c.Slots, serbian);
    else
      EXPECT_EQ(c.Slots, partial);
  }
  EXPECT_EQ(partial.size(), 90u);
  EXPECT_EQ(serbian.size(), 99u);
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
