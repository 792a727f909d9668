// Small drop-down pickers, each for one kind of value and each able to give
// and take its value as a word, so that settings files store a word instead
// of a position: horizontal and vertical alignment, the unit of file sizes,
// a number from an arithmetic range, an output file format and a font style.
//
// A setter called by code selects the value and raises no event; a pick by
// the user raises OnSelectionChange (where the picker has it) before OnChange.
#pragma once

#include <QComboBox>
#include <cstdint>
#include <functional>
#include <string>

#include "controls/list_view_types.h"
#include "foundation/types.h"

using TPickerNotifyEvent = std::function<void(QObject* Sender)>;

TAlignmentVertical StrToAlignmentVertical(const std::string& text, TAlignmentVertical def);
// Numbers outside 0..2 give tavTop.
TAlignmentVertical IntToAlignmentVertical(int32_t n);

// The lines of the number picker: min, min + interval, ... up to max. At
// least one line; an interval below 1 gives that one line only; never more
// than kNumberComboBoxMaxLines lines and never past the 32-bit range.
inline constexpr int32_t kNumberComboBoxMaxLines = 100000;
TStrArray NumberComboBoxLines(int32_t valueMin, int32_t valueMax, int32_t interval);

enum TFileFormatComboBoxProfile {
  ffpCustom,
  ffpImgDefFromFile,
  ffpImgDefNew,
  ffpImgAllFromFile,
  ffpImgAllNew,
  ffpTextDefFromFile,
  ffpTextDefNew
};
TStrArray FileFormatComboBoxLines(TFileFormatComboBoxProfile profile);

class TPickerComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TPickerComboBox(QWidget* parent = nullptr);
  TPickerNotifyEvent OnChange;
  // What a pick of the user runs; public so that owners and tests replay it.
  virtual void Change() = 0;

 protected:
  void SelectQuietly(int32_t index);
  bool FQuiet = false;
};

using TAlignmentComboBoxChangeNotification = std::function<void(QObject* Sender, TAlignment AAlignment)>;

class TAlignmentComboBox : public TPickerComboBox {
  Q_OBJECT
 public:
  explicit TAlignmentComboBox(QWidget* parent = nullptr);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment a);
  std::string GetAlignmentAsText() const;
  void SetAlignmentFromText(const std::string& text);
  std::string StrAlignLeft() const { return FLeft; }
  std::string StrAlignRight() const { return FRight; }
  std::string StrAlignCenter() const { return FCenter; }
  void SetStrAlignLeft(const std::string& text);
  void SetStrAlignRight(const std::string& text);
  void SetStrAlignCenter(const std::string& text);
  void SetStrings(const std::string& left, const std::string& right, const std::string& center);
  TAlignmentComboBoxChangeNotification OnSelectionChange;
  void Change() override;

 private:
  TAlignment FAlignment = taLeftJustify;
  std::string FLeft = "Left", FRight = "Right", FCenter = "Center";
  int32_t FIndexLeft = 0, FIndexRight = 1, FIndexCenter = 2;
};

using TAlignmentVerticalComboBoxChangeNotification =
    std::function<void(QObject* Sender, TAlignmentVertical AVerticalAlignment)>;

class TAlignmentVerticalComboBox : public TPickerComboBox {
  Q_OBJECT
 public:
  explicit TAlignmentVerticalComboBox(QWidget* parent = nullptr);
  TAlignmentVertical Alignment() const { return FAlignment; }
  void SetAlignment(TAlignmentVertical a);
  std::string GetAlignmentAsText() const;
  void SetAlignmentFromText(const std::string& text);
  void SetStrAlignTop(const std::string& text);
  void SetStrAlignBottom(const std::string& text);
  void SetStrAlignCenter(const std::string& text);
  std::string StrAlignTop() const { return FTop; }
  void SetStrings(const std::string& top, const std::string& bottom, const std::string& center);
  TAlignmentVerticalComboBoxChangeNotification OnSelectionChange;
  void Change() override;

 private:
  TAlignmentVertical FAlignment = tavTop;
  std::string FTop = "Top", FBottom = "Bottom", FCenter = "Center";
  int32_t FIndexTop = 0, FIndexBottom = 1, FIndexCenter = 2;
};

using TSizeTypeComboBoxChangeNotification = std::function<void(QObject* Sender, TSizeType ASizeType)>;

class TSizeTypeComboBox : public TPickerComboBox {
  Q_OBJECT
 public:
  explicit TSizeTypeComboBox(QWidget* parent = nullptr);
  TSizeType SizeType() const { return FSizeType; }
  void SetSizeType(TSizeType t);
  std::string GetSizeTypeAsString() const;
  void SetSizeTypeFromString(const std::string& text);
  std::string StrBestUnit() const { return FBestUnit; }
  void SetStrBestUnit(const std::string& text);
  TSizeTypeComboBoxChangeNotification OnSelectionChange;
  void Change() override;

 private:
  TSizeType FSizeType = sizeTypeBestUnit;
  std::string FBestUnit = "Best Unit";
};

class TNumberComboBox : public TPickerComboBox {
  Q_OBJECT
 public:
  explicit TNumberComboBox(QWidget* parent = nullptr);
  int32_t Value() const { return FValue; }
  void SetValue(int32_t v);
  std::string GetValueAsString() const;
  void SetValueFromString(const std::string& text);
  int32_t ValueMin() const { return FMin; }
  int32_t ValueMax() const { return FMax; }
  int32_t ValueInterval() const { return FInterval; }
  // A bound that would put the minimum above the maximum is refused.
  void SetValueMin(int32_t n);
  void SetValueMax(int32_t n);
  void SetValueInterval(int32_t n);
  bool AllowEditing() const { return FAllowEditing; }
  void SetAllowEditing(bool b);
  void Change() override;

 private:
  void BuildItems();
  int32_t FValue = 0, FMin = 0, FMax = 10, FInterval = 1;
  bool FAllowEditing = false;
};

class TFileFormatComboBox : public TPickerComboBox {
  Q_OBJECT
 public:
  explicit TFileFormatComboBox(QWidget* parent = nullptr);
  TFileFormatComboBoxProfile Profile() const { return FProfile; }
  void SetProfile(TFileFormatComboBoxProfile p);
  void SetProfileFromInt(int32_t n);
  void CreateItems();
  void SetExtension(const std::string& ext);
  std::string GetExtension() const;
  void SetLanguage(uint32_t language);
  void ReplaceStringInItems(const std::string& oldText, const std::string& newText);
  void Change() override;

 private:
  TFileFormatComboBoxProfile FProfile = ffpCustom;
};

class TFontStyleComboBox : public TPickerComboBox {
  Q_OBJECT
 public:
  explicit TFontStyleComboBox(QWidget* parent = nullptr);
  TFontStyleType FontStyleType() const { return FStyle; }
  void SetFontStyleType(TFontStyleType t);
  int32_t GetFontStyleTypeAsInt() const;
  void SetFrontStyleTypeFromInt(int32_t n);
  std::string GetFontStyleTypeAsString() const;
  void SetFrontStyleTypeFromString(const std::string& text);
  void Change() override;

 private:
  TFontStyleType FStyle = fstRegular;
};

class TFontStyleComboBoxSpr : public TFontStyleComboBox {
  Q_OBJECT
 public:
  using TFontStyleComboBox::TFontStyleComboBox;
  void SetLanguage();
};
