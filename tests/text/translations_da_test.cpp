// The Danish texts as the user sees them: captions built out of Danish parts.
#include <gtest/gtest.h>

#include "translation_fixture.h"

#include <string>

#include "text/language_setters.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

constexpr uint32_t kDanish = 2;

class DanishTexts : public TTranslationFixture {
 protected:
  void SetUp() override {
    TTranslationFixture::SetUp();
    SetSprResGlobal(kDanish);
  }
};

TEST_F(DanishTexts, DerivedCaptionsAreBuiltFromDanishParts) {
  ASSERT_EQ(SprResGlobalArr.size(), static_cast<size_t>(SprStoreLength));
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      // Letters and ascending are both Danish.
      {SprFirstProgramSlot + 116, "Bogstaver, stigende"},
      {SprFirstProgramSlot + 117, "Bogstaver, faldende"},
      {SprFirstProgramSlot + 118, "Hyppighed, stigende"},
      // The language name and the column command are Danish parts too.
      {928, "Deutsch (Tysk)"},
      {533, "Konfigurer kolonner..."},
      {947, "Tæller"},
      {948, "Generator"},
      {SprFirstProgramSlot + 3, "Brug resultatet som stavelsesliste"},
      {SprFirstProgramSlot + 115, "CSV"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
}

TEST_F(DanishTexts, MoreInformationPointsToTheMainSite) {
  EXPECT_EQ(SprLocalText(122), "Flere oplysninger på: www.pellwick.example/syllabrix/syllable-lists");
}

TEST_F(DanishTexts, MissingPositionsFollowTheColonAfterABlank) {
  const std::string shown = SprLocalText(34) + "1, 3";
  EXPECT_NE(shown.find("Manglende positioner: 1, 3"), std::string::npos) << shown;
}

TEST_F(DanishTexts, QuoteNamesTypographicallyOnly) {
  // Where English quotes a name with straight quotes, Danish uses “ ”; the
  // quote among the markup characters that get encoded stays the character itself.
  for (const TSprSlotText& t : SprLibraryTexts_DA()) {
    std::string text(t.Text);
    for (size_t at; (at = text.find("<>&\"'")) != std::string::npos;) text.erase(at, 5);
    EXPECT_EQ(text.find('"'), std::string::npos) << "slot " << t.Slot;
  }
  for (const TSprProgramText& t : SprProgramTexts_DA())
    EXPECT_EQ(t.Text.find('"'), std::string_view::npos) << "program text " << t.Index;
}

}  // namespace
