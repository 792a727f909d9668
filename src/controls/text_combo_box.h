// An editable combo box for short texts that may be, or contain, characters a
// user cannot see or type in one line: blanks, tabs, line breaks, nothing at
// all. They show as placeholders in the user's language ("<space>",
// "<leerzeichen>" ...). The shown text is the raw text that settings store;
// the replaced text is what the program works with.
#pragma once

#include <QComboBox>
#include <cstdint>
#include <functional>
#include <string>

struct TTextPlaceholders {
  std::string Empty, Space, Linebreak, Tab;
};
// The placeholders written for a language constant (English for the
// languages without their own).
TTextPlaceholders TextPlaceholdersForLanguage(uint32_t language);

struct TTextReplaceSwitches {
  bool ReplaceEmpty = true;
  bool ReplaceLinebreak = true;
  bool ReplaceSpace = true;
  bool ReplaceTab = true;
};
// Placeholders of every language, in any letter case, become their characters.
std::string TextRawToTextReplaced(const std::string& raw, const TTextReplaceSwitches& switches);
// Characters become the placeholders of the language.
std::string TextReplacedToTextRaw(const std::string& text, const TTextReplaceSwitches& switches, uint32_t language);
// Rewrites placeholders (and, with swapDecimal, the decimal separator) in the
// language; systemDecimal is the separator the system reports.
std::string TextRawToTextRawOfLanguage(const std::string& raw, const TTextReplaceSwitches& switches, uint32_t language,
                                       bool swapDecimal, const std::string& systemDecimal);

using TTextComboBoxChangeNotification =
    std::function<void(QObject* Sender, const std::string& ATextRaw, const std::string& ATextReplaced)>;

class TTextComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TTextComboBox(QWidget* parent = nullptr);

  bool ReplaceEmpty = true;
  bool ReplaceLinebreak = true;
  bool ReplaceSpace = true;
  bool ReplaceTab = true;
  bool ReplaceDecimalSeparatorForLanguage = false;

  std::string GetTextRaw() const;
  void SetTextRaw(const std::string& value);
  std::string GetTextReplaced() const;
  std::string TextRawToTextReplaced(const std::string& raw) const;
  std::string TextReplacedToTextRaw(const std::string& text) const;
  std::string TextRawToTextRawOfCurrentLanguage(const std::string& raw) const;
  void SetLanguage(uint32_t language);
  uint32_t Language() const { return FLanguage; }

  TTextComboBoxChangeNotification OnSelectionChange;
  std::function<void(QObject* Sender)> OnChange;
  void Change();

 protected:
  void changeEvent(QEvent* e) override;

 private:
  TTextReplaceSwitches Switches() const;
  uint32_t FLanguage = 0;
  bool FQuiet = false;
};
