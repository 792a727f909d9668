#include "controls/value_pickers.h"

#include <QLineEdit>
#include <limits>

#include "foundation/number_format.h"
#include "foundation/paths.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/str_arrays.h"
#include "foundation/str_transform.h"
#include "text/language_constants.h"
#include "text/text_store.h"

namespace {
std::string AsciiUpper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}
constexpr StrResGlobal kSlotRegular = 608;
constexpr StrResGlobal kSlotBold = 609;
constexpr StrResGlobal kSlotItalic = 610;
}  // namespace

TAlignmentVertical StrToAlignmentVertical(const std::string& text, TAlignmentVertical def) {
  if (text == "top") return tavTop;
  if (text == "bottom") return tavBottom;
  if (text == "center") return tavCenter;
  return def;
}

TAlignmentVertical IntToAlignmentVertical(int32_t n) {
  if (n == 1) return tavCenter;
  if (n == 2) return tavBottom;
  return tavTop;
}

TStrArray NumberComboBoxLines(int32_t valueMin, int32_t valueMax, int32_t interval) {
  TStrArray lines;
  int64_t n = valueMin;
  do {
    lines.push_back(std::to_string(n));
    if (interval < 1) break;
    n += interval;
  } while (n <= valueMax && n <= std::numeric_limits<int32_t>::max() &&
           static_cast<int32_t>(lines.size()) < kNumberComboBoxMaxLines);
  return lines;
}

TStrArray FileFormatComboBoxLines(TFileFormatComboBoxProfile profile) {
  TStrArray def = {"JPG - JPEG-Image", "PNG - Portable Network Graphics", "BMP - Bitmap"};
  switch (profile) {
    case ffpCustom: return {};
    case ffpImgDefFromFile:
    case ffpImgDefNew: return def;
    case ffpImgAllFromFile:
    case ffpImgAllNew: {
      TStrArray all = def;
      for (const char* line : {"DIP - Bitmap",
                               "GIF - Graphics Interchange Format",
                               "TIF - Tagged Image File Format",
                               "TIFF - Tagged Image File Format",
                               "ICO - Windows Icon",
                               "ICNS - MacOS Icon",
                               "CUR - Windows Cursor",
                               "PSD - Photoshop Document",
                               "PDD - Photoshop Document",
                               "JFIF - JPEG-Image",
                               "JPEG - JPEG-Image",
                               "JPE - JPEG-Image",
                               "JIF - JPEG-Image",
                               "MNG - Multiple Image Network Graphics",
                               "JNG - JPEG Network Graphics",
                               "PGM - Portable Gray Map",
                               "PPM - Portable Pixel Map",
                               "PAM - Portable Arbitrary Map",
                               "PFM - Portable Float Map",
                               "JP2 - JPEG2000",
                               "J2K - JPEG2000",
                               "J2C - JPEG2000",
                               "JPX - JPEG2000",
                               "JPC - JPEG2000",
                               "DDS - DirectDraw Surface",
                               "TGA - TrueVision Targa Image"})
        all.push_back(line);
      return all;
    }
    case ffpTextDefFromFile:
    case ffpTextDefNew: return {"TXT", "LOG", "DAT"};
  }
  return {};
}

TPickerComboBox::TPickerComboBox(QWidget* parent) : QComboBox(parent) {
  connect(this, QOverload<int>::of(&QComboBox::activated), this, [this](int) { Change(); });
}

void TPickerComboBox::SelectQuietly(int32_t index) {
  FQuiet = true;
  setCurrentIndex(index);
  FQuiet = false;
}

TAlignmentComboBox::TAlignmentComboBox(QWidget* parent) : TPickerComboBox(parent) {
  addItems({ToQString(FLeft), ToQString(FRight), ToQString(FCenter)});
  setMaxVisibleItems(3);
  SelectQuietly(0);
}

void TAlignmentComboBox::SetAlignment(TAlignment a) {
  if (a == FAlignment) return;
  FAlignment = a;
  SelectQuietly(a == taLeftJustify ? FIndexLeft : a == taRightJustify ? FIndexRight : FIndexCenter);
}

std::string TAlignmentComboBox::GetAlignmentAsText() const {
  return FAlignment == taRightJustify ? "right" : FAlignment == taCenter ? "center" : "left";
}

void TAlignmentComboBox::SetAlignmentFromText(const std::string& text) {
  if (text == "left") SetAlignment(taLeftJustify);
  if (text == "right") SetAlignment(taRightJustify);
  if (text == "center") SetAlignment(taCenter);
}

void TAlignmentComboBox::SetStrAlignLeft(const std::string& text) {
  if (text == FLeft) return;
  FLeft = text;
  setItemText(FIndexLeft, ToQString(text));
}
void TAlignmentComboBox::SetStrAlignRight(const std::string& text) {
  if (text == FRight) return;
  FRight = text;
  setItemText(FIndexRight, ToQString(text));
}
void TAlignmentComboBox::SetStrAlignCenter(const std::string& text) {
  if (text == FCenter) return;
  FCenter = text;
  setItemText(FIndexCenter, ToQString(text));
}
void TAlignmentComboBox::SetStrings(const std::string& left, const std::string& right, const std::string& center) {
  setItemText(FIndexLeft, ToQString(left));
  setItemText(FIndexRight, ToQString(right));
  setItemText(FIndexCenter, ToQString(center));
}

void TAlignmentComboBox::Change() {
  int32_t i = currentIndex();
  if (i < 0) return;
  FAlignment = i == FIndexRight ? taRightJustify : i == FIndexCenter ? taCenter : taLeftJustify;
  if (OnSelectionChange) OnSelectionChange(this, FAlignment);
  if (OnChange) OnChange(this);
}

TAlignmentVerticalComboBox::TAlignmentVerticalComboBox(QWidget* parent) : TPickerComboBox(parent) {
  addItems({ToQString(FTop), ToQString(FBottom), ToQString(FCenter)});
  setMaxVisibleItems(3);
  SelectQuietly(0);
}

void TAlignmentVerticalComboBox::SetAlignment(TAlignmentVertical a) {
  if (a == FAlignment) return;
  FAlignment = a;
  SelectQuietly(a == tavTop ? FIndexTop : a == tavBottom ? FIndexBottom : FIndexCenter);
}

std::string TAlignmentVerticalComboBox::GetAlignmentAsText() const {
  return FAlignment == tavBottom ? "bottom" : FAlignment == tavCenter ? "center" : "top";
}

void TAlignmentVerticalComboBox::SetAlignmentFromText(const std::string& text) {
  if (text == "top" || text == "bottom" || text == "center") SetAlignment(StrToAlignmentVertical(text, tavTop));
}

void TAlignmentVerticalComboBox::SetStrAlignTop(const std::string& text) {
  if (text == FTop) return;
  FTop = text;
  setItemText(FIndexTop, ToQString(text));
}
void TAlignmentVerticalComboBox::SetStrAlignBottom(const std::string& text) {
  if (text == FBottom) return;
  FBottom = text;
  setItemText(FIndexBottom, ToQString(text));
}
void TAlignmentVerticalComboBox::SetStrAlignCenter(const std::string& text) {
  if (text == FCenter) return;
  FCenter = text;
  setItemText(FIndexCenter, ToQString(text));
}
void TAlignmentVerticalComboBox::SetStrings(const std::string& top, const std::string& bottom,
                                            const std::string& center) {
  setItemText(FIndexTop, ToQString(top));
  setItemText(FIndexBottom, ToQString(bottom));
  setItemText(FIndexCenter, ToQString(center));
}

void TAlignmentVerticalComboBox::Change() {
  int32_t i = currentIndex();
  if (i < 0) return;
  FAlignment = i == FIndexBottom ? tavBottom : i == FIndexCenter ? tavCenter : tavTop;
  if (OnSelectionChange) OnSelectionChange(this, FAlignment);
  if (OnChange) OnChange(this);
}

TSizeTypeComboBox::TSizeTypeComboBox(QWidget* parent) : TPickerComboBox(parent) {
  addItems({ToQString(FBestUnit), QStringLiteral("Byte"), QStringLiteral("KB"), QStringLiteral("MB"),
            QStringLiteral("GB"), QStringLiteral("TB")});
  SelectQuietly(0);
}

void TSizeTypeComboBox::SetSizeType(TSizeType t) {
  FSizeType = t;
  SelectQuietly(static_cast<int32_t>(t));
}

std::string TSizeTypeComboBox::GetSizeTypeAsString() const { return SizeTypeToStr(FSizeType); }

void TSizeTypeComboBox::SetSizeTypeFromString(const std::string& text) {
  SetSizeType(StrToSizeType(text, sizeTypeBestUnit));
}

void TSizeTypeComboBox::SetStrBestUnit(const std::string& text) {
  if (text == FBestUnit) return;
  FBestUnit = text;
  setItemText(0, ToQString(text));
}

void TSizeTypeComboBox::Change() {
  int32_t i = currentIndex();
  if (i < 0 || i > sizeTypeTB) return;
  FSizeType = static_cast<TSizeType>(i);
  if (OnSelectionChange) OnSelectionChange(this, FSizeType);
  if (OnChange) OnChange(this);
}

TNumberComboBox::TNumberComboBox(QWidget* parent) : TPickerComboBox(parent) {
  setMaxVisibleItems(15);
  BuildItems();
  SelectQuietly(0);
  connect(this, &QComboBox::editTextChanged, this, [this](const QString&) {
    if (FAllowEditing && !FQuiet) Change();
  });
}

void TNumberComboBox::BuildItems() {
  FQuiet = true;
  clear();
  for (const auto& line : NumberComboBoxLines(FMin, FMax, FInterval)) addItem(ToQString(line));
  setCurrentIndex(-1);
  FQuiet = false;
}

void TNumberComboBox::SetValue(int32_t v) {
  if (v == FValue || v < FMin || v > FMax) return;
  int index = findText(ToQString(std::to_string(v)));
  if (index < 0) return;
  SelectQuietly(index);
  FValue = v;
}

std::string TNumberComboBox::GetValueAsString() const { return std::to_string(FValue); }

void TNumberComboBox::SetValueFromString(const std::string& text) {
  int32_t v = 0;
  if (TryStrToInt(text, v)) SetValue(v);
}

void TNumberComboBox::SetValueMin(int32_t n) {
  if (n == FMin || n > FMax) return;
  FMin = n;
  BuildItems();
}

void TNumberComboBox::SetValueMax(int32_t n) {
  if (n == FMax || n < FMin) return;
  FMax = n;
  BuildItems();
}

void TNumberComboBox::SetValueInterval(int32_t n) {
  if (n == FInterval) return;
  FInterval = n;
  BuildItems();
}

void TNumberComboBox::SetAllowEditing(bool b) {
  if (b == FAllowEditing) return;
  FAllowEditing = b;
  FQuiet = true;
  setEditable(b);
  FQuiet = false;
}

void TNumberComboBox::Change() {
  if (FQuiet) return;
  int32_t v = 0;
  if (TryStrToInt(FromQString(currentText()), v)) FValue = v;
  if (OnChange) OnChange(this);
}

TFileFormatComboBox::TFileFormatComboBox(QWidget* parent) : TPickerComboBox(parent) {}

void TFileFormatComboBox::SetProfile(TFileFormatComboBoxProfile p) {
  if (p == FProfile) return;
  FProfile = p;
  CreateItems();
}

void TFileFormatComboBox::SetProfileFromInt(int32_t n) {
  if (n < ffpCustom || n > ffpTextDefNew) return;
  FProfile = static_cast<TFileFormatComboBoxProfile>(n);
  CreateItems();
}

void TFileFormatComboBox::CreateItems() {
  FQuiet = true;
  clear();
  TStrArray lines = FileFormatComboBoxLines(FProfile);
  for (const auto& line : lines) addItem(ToQString(line));
  if (FProfile == ffpImgDefFromFile || FProfile == ffpImgDefNew || FProfile == ffpImgAllFromFile ||
      FProfile == ffpImgAllNew)
    setEditable(false);
  if (FProfile == ffpImgAllFromFile || FProfile == ffpImgAllNew) setMaxVisibleItems(25);
  if (FProfile == ffpTextDefFromFile || FProfile == ffpTextDefNew) setEditable(true);
  if (!lines.empty()) setCurrentIndex(0);
  FQuiet = false;
}

void TFileFormatComboBox::SetExtension(const std::string& ext) {
  std::string up = AsciiUpper(ext);
  for (int i = 0; i < count(); ++i) {
    std::string line = AsciiUpper(FromQString(itemText(i)));
    if (line == up || line.rfind(up + " ", 0) == 0) {
      SelectQuietly(i);
      return;
    }
  }
  if (isEditable()) setEditText(ToQString(ext));
}

std::string TFileFormatComboBox::GetExtension() const { return FileFormatExtensionOfText(FromQString(currentText())); }

void TFileFormatComboBox::SetLanguage(uint32_t language) {
  CreateItems();
  if (language == static_cast<uint32_t>(SprLangGerman)) ReplaceStringInItems("-Image", "-Bild");
  if (language == static_cast<uint32_t>(SprLangSpanish)) ReplaceStringInItems("JPEG-Image", "Imagen JPEG");
  if (language == static_cast<uint32_t>(SprLangFrench)) ReplaceStringInItems("JPEG-Image", "Image JPEG");
}

void TFileFormatComboBox::ReplaceStringInItems(const std::string& oldText, const std::string& newText) {
  int index = currentIndex();
  FQuiet = true;
  for (int i = 0; i < count(); ++i) {
    std::string line = FromQString(itemText(i));
    if (line.find(oldText) != std::string::npos) setItemText(i, ToQString(StringReplaceFast(line, oldText, newText)));
  }
  if (isEditable()) setEditText(ToQString(StringReplaceFast(FromQString(currentText()), oldText, newText)));
  setCurrentIndex(index);
  FQuiet = false;
}

void TFileFormatComboBox::Change() {
  if (OnChange) OnChange(this);
}

TFontStyleComboBox::TFontStyleComboBox(QWidget* parent) : TPickerComboBox(parent) {
  addItems(
      {QStringLiteral("Regular"), QStringLiteral("Bold"), QStringLiteral("Italic"), QStringLiteral("Bold Italic")});
  setMaxVisibleItems(4);
  SelectQuietly(0);
}

void TFontStyleComboBox::SetFontStyleType(TFontStyleType t) {
  if (t == FStyle) return;
  FStyle = t;
  SelectQuietly(static_cast<int32_t>(t));
}

int32_t TFontStyleComboBox::GetFontStyleTypeAsInt() const {
  return FStyle >= fstRegular && FStyle <= fstBoldItalic ? static_cast<int32_t>(FStyle) : -1;
}

namespace {
TFontStyleType FontStyleFromInt(int32_t n) {
  return n == 1 ? fstBold : n == 2 ? fstItalic : n == 3 ? fstBoldItalic : fstRegular;
}
}  // namespace

void TFontStyleComboBox::SetFrontStyleTypeFromInt(int32_t n) { SetFontStyleType(FontStyleFromInt(n)); }

std::string TFontStyleComboBox::GetFontStyleTypeAsString() const { return FontStyleTypeToStr(FStyle); }

void TFontStyleComboBox::SetFrontStyleTypeFromString(const std::string& text) {
  SetFontStyleType(StrToFontStyleType(text));
}

void TFontStyleComboBox::Change() {
  if (currentIndex() < 0) return;
  FStyle = FontStyleFromInt(currentIndex());
  if (OnChange) OnChange(this);
}

void TFontStyleComboBoxSpr::SetLanguage() {
  if (count() < 4) return;
  setItemText(0, ToQString(SprText(kSlotRegular)));
  setItemText(1, ToQString(SprText(kSlotBold)));
  setItemText(2, ToQString(SprText(kSlotItalic)));
  setItemText(3, ToQString(SprText(kSlotBold) + " " + SprText(kSlotItalic)));
}
