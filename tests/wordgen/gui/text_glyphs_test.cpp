// Every character that the program's texts show in an offered language has a
// glyph in an installed font, so that no window shows a box in its place.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <unicode/uchar.h>

#include "foundation/utf8.h"
#include "text/language_constants.h"
#include "text/language_setters.h"
#include "text/localised_names.h"
#include "text/program_texts.h"
#include "text/text_store.h"
#include "wordgen_gui_test_app.h"

namespace {

// Characters a font need not draw: controls, direction and joining marks, blanks.
bool NeedsGlyph(char32_t c) {
  const int8_t type = u_charType(static_cast<UChar32>(c));
  return type != U_CONTROL_CHAR && type != U_FORMAT_CHAR && type != U_SPACE_SEPARATOR && type != U_LINE_SEPARATOR &&
         type != U_PARAGRAPH_SEPARATOR;
}

TEST(TextGlyphs, EveryCharacterOfEveryOfferedLanguageHasAGlyph) {
  WordGenTestApp();
  InitSprResLocal();
  // The characters with the first language and slot that uses them.
  std::map<char32_t, std::string> used;
  auto collect = [&](const std::string& text, const std::string& where) {
    for (size_t pos = 0; pos < text.size();) {
      const char32_t c = UTF8DecodeAt(text, pos);
      if (NeedsGlyph(c)) used.emplace(c, where);
    }
  };
  // Korean is a library language only; the program does not offer it.
  for (int32_t language = 0; language < SprLangKorean; ++language) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    for (size_t slot = 0; slot < SprResGlobalArr.size(); ++slot)
      collect(SprResGlobalArr[slot], "language " + std::to_string(language) + " slot " + std::to_string(slot));
    for (int32_t status = 0; status < 4; ++status)
      collect(SprFileStatusText(status, static_cast<uint32_t>(language)),
              "language " + std::to_string(language) + " file status " + std::to_string(status));
  }
  SetSprResGlobal(0);
  ASSERT_GT(used.size(), 1000u);

  // Qt falls back through the installed families for a character the chosen
  // font lacks; a character is drawn when one of them has it.
  std::vector<QFontMetrics> fonts;
  for (const QString& family : QFontDatabase::families()) fonts.emplace_back(QFont(family));
  ASSERT_FALSE(fonts.empty());
  std::set<char32_t> missing;
  for (const auto& [c, where] : used) {
    bool drawn = false;
    for (const QFontMetrics& metrics : fonts) {
      if (metrics.inFontUcs4(static_cast<uint>(c))) {
        drawn = true;
        break;
      }
    }
    if (!drawn) {
      missing.insert(c);
      ADD_FAILURE() << "U+" << std::hex << static_cast<uint32_t>(c) << " (" << where << ") has no glyph";
    }
  }
  EXPECT_TRUE(missing.empty()) << missing.size() << " characters without a glyph";
  // The Japanese length hint's wave dash among them.
  EXPECT_TRUE(used.contains(U'\u301C'));
}

}  // namespace
