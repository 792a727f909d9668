// The German texts as the user sees them: the captions built out of German
// parts, the path delimiter slot, and a switch to another language
// that must not leave any German behind.
#include <gtest/gtest.h>

#include "translation_fixture.h"

#include <set>
#include <string>
#include <vector>

#include "text/language_setters.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "text/translations.h"

namespace {

constexpr uint32_t kGerman = 1;
constexpr uint32_t kDanish = 2;

class GermanTexts : public TTranslationFixture {
 protected:
  static std::vector<std::string> Fill(uint32_t language) {
    SetSprResGlobal(language);
    return SprResGlobalArr;
  }
};

TEST_F(GermanTexts, DerivedCaptionsAreBuiltFromGermanParts) {
  SetSprResGlobal(kGerman);
  ASSERT_EQ(SprResGlobalArr.size(), static_cast<size_t>(SprStoreLength));
  const struct {
    StrResGlobal Slot;
    const char* Text;
  } kCases[] = {
      {425, "Worte großschreiben (Abc)"},
      {431, "Zufällig gemischt (aBc)"},
      {495, "Ziffern (0-9)"},
      {533, "Spalten konfigurieren..."},
      {928, "Deutsch"},
      {929, "Ελληνικά (Griechisch)"},
      {309, "Abschließendes Pfadtrennzeichen"},
      {948, "Generator"},
      {SprFirstProgramSlot + 115, "CSV"},
      {SprFirstProgramSlot + 116, "Buchstaben, aufsteigend"},
      {SprFirstProgramSlot + 117, "Buchstaben, absteigend"},
      {SprFirstProgramSlot + 118, "Häufigkeit, aufsteigend"},
      {SprFirstProgramSlot + 119, "Häufigkeit, absteigend"},
      {SprFirstProgramSlot + 120, "Zähler: Zeichen"},
      {SprFirstProgramSlot + 121, "Zähler: Ausgabe"},
  };
  for (const auto& c : kCases) EXPECT_EQ(SprResGlobalArr.at(c.Slot), c.Text) << "slot " << c.Slot;
  EXPECT_EQ(SprLocalText(122).rfind("Mehr Informationen auf: www.pellwick.example/de/", 0), 0u) << SprLocalText(122);
}

TEST_F(GermanTexts, MissingPositionsFollowTheColonAfterABlank) {
  SetSprResGlobal(kGerman);
  const std::string shown = SprLocalText(34) + "1, 3";
  EXPECT_NE(shown.find("Fehlende Positionen: 1, 3"), std::string::npos) << shown;
}

TEST_F(GermanTexts, UseStraightQuotesOnly) {
  for (const TSprSlotText& t : SprLibraryTexts_DE())
    for (const char* quote : {"„", "“", "”", "‚", "‘", "’"})
      EXPECT_EQ(t.Text.find(quote), std::string_view::npos) << "slot " << t.Slot;
  for (const TSprProgramText& t : SprProgramTexts_DE())
    for (const char* quote : {"„", "“", "”", "‚", "‘", "’"})
      EXPECT_EQ(t.Text.find(quote), std::string_view::npos) << "program text " << t.Index;
}

TEST_F(GermanTexts, SwitchToDanishLeavesNoGermanBehind) {
  const std::vector<std::string> english = Fill(0);
  const std::vector<std::string> german = Fill(kGerman);
  const std::vector<std::string> afterSwitch = Fill(kDanish);
  SprResGlobalArr.clear();
  const std::vector<std::string> freshDanish = Fill(kDanish);
  ASSERT_EQ(afterSwitch.size(), static_cast<size_t>(SprStoreLength));
  EXPECT_EQ(afterSwitch, freshDanish);

  // Where Danish writes nothing and builds nothing, English must show; the
  // German text only where it happens to read the same as the English one.
  std::set<StrResGlobal> danish;
  for (StrResGlobal s : SprSlotsWrittenByLibrarySetter(kDanish)) danish.insert(s);
  for (StrResGlobal s : SprSlotsWrittenByProgramSetter(kDanish)) danish.insert(s);
  std::set<StrResGlobal> derived;
  for (StrResGlobal s = 425; s <= 431; ++s) derived.insert(s);
  for (StrResGlobal s = 495; s <= 503; ++s) derived.insert(s);
  derived.insert(533);
  for (StrResGlobal s = 928; s <= 933; ++s) derived.insert(s);
  for (StrResGlobal s = SprFirstProgramSlot + 116; s <= SprFirstProgramSlot + 122; ++s) derived.insert(s);

  int germanSlots = 0;
  for (StrResGlobal s = 0; s < SprStoreLength; ++s) {
    if (german[s] != english[s]) ++germanSlots;
    if (danish.count(s) || derived.count(s)) continue;
    EXPECT_EQ(afterSwitch[s], english[s]) << "slot " << s;
  }
  // The German fill did change the store, so the checks above had German to find.
  EXPECT_GT(germanSlots, 800);
}

}  // namespace
