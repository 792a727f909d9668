// The Korean library texts as the user sees them: words that one window shows
// side by side must not read alike (Korean says "정렬" for sorting and for
// aligning, "예" for yes and for an example), and a message that names a
// button or menu item quotes it as it is captioned.
#include <gtest/gtest.h>

#include "translation_fixture.h"

#include <string>

#include "text/text_store.h"

namespace {

constexpr uint32_t kKorean = 14;

class KoreanTexts : public TTranslationFixture {
 protected:
  void SetUp() override {
    TTranslationFixture::SetUp();
    SetSprResGlobal(kKorean);
  }
  static const std::string& T(size_t slot) { return SprResGlobalArr.at(slot); }
  static std::string Quoted(const std::string& caption) { return "\"" + caption + "\""; }
};

TEST_F(KoreanTexts, NeighbouringCaptionsAreToldApart) {
  const std::pair<size_t, size_t> apart[] = {
      {128, 631},  // sort / alignment
      {675, 630},  // sorting / text alignment
      {50, 365},   // select all / check all
      {46, 47},    // delete / remove
      {193, 599},  // yes / example
      {609, 650},  // bold / thick, both in the font dialog
      {385, 384},  // the font dialog's middle line weight / the average of values
      {34, 36},    // update / refresh
      {69, 200},   // discard changes / cancel
      {243, 302},  // file type / file format
      {334, 344},  // properties / attributes
  };
  for (const auto& [a, b] : apart) EXPECT_NE(T(a), T(b)) << a << " and " << b << ": " << T(a);
}

TEST_F(KoreanTexts, MessagesQuoteButtonsAsTheyAreCaptioned) {
  const std::pair<size_t, std::string> quotes[] = {
      {23, Quoted(T(17))},
      {328, Quoted(T(193))},
      {329, Quoted(T(193))},
      {330, Quoted(T(194))},
      {330, Quoted(T(200))},
      {332, Quoted(T(333))},
      {546, Quoted(T(193))},
      {527, Quoted(T(523) + "/" + T(525))},
      {528, Quoted(T(523) + "/" + T(525))},
  };
  for (const auto& [slot, quote] : quotes) EXPECT_NE(T(slot).find(quote), std::string::npos) << slot << ": " << T(slot);
}

}  // namespace
