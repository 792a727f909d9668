#include "frame/qt/style_pickers.h"

#include "foundation/qt/qt_strings.h"
#include "text/text_store.h"

namespace {

constexpr const char* kFontStyleWords[] = {"regular", "bold", "italic", "bold-italic"};
// The vertical list shows top, bottom, center; the values are top 0, center 1, bottom 2.
constexpr int32_t kVerticalValueOfItem[] = {0, 2, 1};

}  // namespace

TSOFontStyleComboBox::TSOFontStyleComboBox(QWidget* parent) : QComboBox(parent) {
  for (const char* word : kFontStyleWords) addItem(word);
  setCurrentIndex(0);
  connect(this, &QComboBox::currentIndexChanged, this, [this] {
    if (OnChange) OnChange(this);
  });
}

int32_t TSOFontStyleComboBox::FontStyleTypeAsInt() const { return currentIndex() < 0 ? 0 : currentIndex(); }

std::string TSOFontStyleComboBox::FontStyleTypeAsString() const { return kFontStyleWords[FontStyleTypeAsInt()]; }

void TSOFontStyleComboBox::SetFrontStyleTypeFromInt(int32_t value) {
  setCurrentIndex(value >= 0 && value <= 3 ? value : 0);
}

void TSOFontStyleComboBox::SetFrontStyleTypeFromString(const std::string& text) {
  int32_t value = 0;
  for (int32_t i = 0; i < 4; ++i)
    if (text == kFontStyleWords[i]) value = i;
  SetFrontStyleTypeFromInt(value);
}

void TSOFontStyleComboBox::SetLanguage() {
  const std::string texts[] = {SprText(608), SprText(609), SprText(610), SprText(609) + " " + SprText(610)};
  for (int i = 0; i < 4; ++i) setItemText(i, ToQString(texts[i]));
}

TSOAlignmentComboBox::TSOAlignmentComboBox(QWidget* parent) : QComboBox(parent) {
  addItems({"Left", "Right", "Center"});
  setCurrentIndex(0);
  connect(this, &QComboBox::currentIndexChanged, this, [this] {
    if (OnChange) OnChange(this);
  });
}

void TSOAlignmentComboBox::SetAlignment(int32_t value) {
  if (value >= 0 && value <= 2) setCurrentIndex(value);
}

void TSOAlignmentComboBox::SetAlignmentFromText(const std::string& text) {
  if (text == "left") SetAlignment(0);
  if (text == "right") SetAlignment(1);
  if (text == "center") SetAlignment(2);
}

void TSOAlignmentComboBox::SetStrings(const std::string& left, const std::string& right, const std::string& center) {
  setItemText(0, ToQString(left));
  setItemText(1, ToQString(right));
  setItemText(2, ToQString(center));
}

TSOAlignmentVerticalComboBox::TSOAlignmentVerticalComboBox(QWidget* parent) : QComboBox(parent) {
  addItems({"Top", "Bottom", "Center"});
  setCurrentIndex(0);
  connect(this, &QComboBox::currentIndexChanged, this, [this] {
    if (OnChange) OnChange(this);
  });
}

int32_t TSOAlignmentVerticalComboBox::Alignment() const {
  return currentIndex() < 0 ? 0 : kVerticalValueOfItem[currentIndex()];
}

void TSOAlignmentVerticalComboBox::SetAlignment(int32_t value) {
  for (int i = 0; i < 3; ++i)
    if (kVerticalValueOfItem[i] == value) setCurrentIndex(i);
}

void TSOAlignmentVerticalComboBox::SetAlignmentFromText(const std::string& text) {
  if (text == "top") SetAlignment(0);
  if (text == "center") SetAlignment(1);
  if (text == "bottom") SetAlignment(2);
}

void TSOAlignmentVerticalComboBox::SetStrings(const std::string& top, const std::string& bottom,
                                              const std::string& center) {
  setItemText(0, ToQString(top));
  setItemText(1, ToQString(bottom));
  setItemText(2, ToQString(center));
}
