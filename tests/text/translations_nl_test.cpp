// The Dutch texts as the user sees them: captions built out of Dutch parts
// where Dutch translates them, and English parts where it does not.
#include <gtest/gtest.h>

#include "translation_fixture.h"

#include <string>

#include "text/language_setters.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

constexpr uint32_t kDutch = 8;

class DutchTexts : public TTranslationFixture {
 protected:
  void SetUp() override {
    TTranslationFixture::SetUp();
    SetSprResGlobal(kDutch);
  }
};

TEST_F(DutchTexts, DerivedCaptionsMixDutchAndEnglishParts) {
  ASSERT_EQ(SprResGlobalArr.size(), static_cast<size_t>(SprStoreLength));
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      {425, "Woorden met hoofdletter (Abc)"},
      {431, "Willekeurig gemengd (aBc)"},
      {495, "Cijfers (0-9)"},
      {533, "Kolommen configureren..."},
      // The Dutch name of German differs from its native name.
      {928, "Deutsch (Duits)"},
      {SprFirstProgramSlot + 116, "Letters, oplopend"},
      {SprFirstProgramSlot + 119, "Frequentie, aflopend"},
      {947, "Teller"},
      {948, "Generator"},
      {309, "Afsluitend padscheidingsteken"},
      {705, "Actielijst"},
      {SprFirstProgramSlot + 3, "Resultaat als lettergreeplijst gebruiken"},
      {SprFirstProgramSlot + 115, "CSV"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
}

TEST_F(DutchTexts, MoreInformationPointsToTheMainSite) {
  EXPECT_EQ(SprLocalText(122), "Meer informatie op: www.pellwick.example/syllabrix/syllable-lists");
}

TEST_F(DutchTexts, MissingPositionsFollowTheColonAfterABlank) {
  const std::string shown = SprLocalText(34) + "1, 3";
  EXPECT_NE(shown.find("Ontbrekende posities: 1, 3"), std::string::npos) << shown;
}

TEST_F(DutchTexts, FilledPlaceholderStandsWhereDutchPutsIt) {
  std::string shown = SprResGlobalArr.at(766);
  shown.replace(shown.find("<EXT>"), 5, "TXT");
  EXPECT_EQ(shown, "TXT-bestanden zijn momenteel gekoppeld met het volgende programma:");
}

}  // namespace
