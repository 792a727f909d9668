// The settings window's own font-style and alignment lists: drop-down lists
// whose choice is a small number with a stored word.
#pragma once

#include <QComboBox>
#include <cstdint>
#include <string>

#include "controls/id_combo_box.h"

// Regular, bold, italic and bold-italic (0 to 3).
class TSOFontStyleComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TSOFontStyleComboBox(QWidget* parent = nullptr);
  int32_t FontStyleTypeAsInt() const;
  // "regular", "bold", "italic" or "bold-italic".
  std::string FontStyleTypeAsString() const;
  // Other values select regular.
  void SetFrontStyleTypeFromInt(int32_t value);
  void SetFrontStyleTypeFromString(const std::string& text);
  // The four item texts in the current language.
  void SetLanguage();
  TIDNotifyEvent OnChange;
};

// Left, right and center (0 to 2), listed in that order.
class TSOAlignmentComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TSOAlignmentComboBox(QWidget* parent = nullptr);
  int32_t Alignment() const { return currentIndex() < 0 ? 0 : currentIndex(); }
  void SetAlignment(int32_t value);
  // "left", "right" or "center" exactly; other text is ignored.
  void SetAlignmentFromText(const std::string& text);
  void SetStrings(const std::string& left, const std::string& right, const std::string& center);
  TIDNotifyEvent OnChange;
};

// Top, center and bottom (0 to 2), listed as top, bottom, center.
class TSOAlignmentVerticalComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TSOAlignmentVerticalComboBox(QWidget* parent = nullptr);
  int32_t Alignment() const;
  void SetAlignment(int32_t value);
  // "top", "center" or "bottom" exactly; other text is ignored.
  void SetAlignmentFromText(const std::string& text);
  void SetStrings(const std::string& top, const std::string& bottom, const std::string& center);
  TIDNotifyEvent OnChange;
};
