// A one-line edit that can refuse every typed key but digits.
#pragma once

#include <QLineEdit>

enum TAllowedChars { acAllowAll, acOnlyDigits };

// Whether a typed character passes the filter: digits, backspace (8) and
// delete (127) always; everything else only with acAllowAll. Control
// characters of shortcuts are not typed text and always pass.
bool AdvancedEditAcceptsChar(TAllowedChars allowed, char32_t ch);

class TAdvancedEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TAdvancedEdit(QWidget* parent = nullptr);

  TAllowedChars AllowedCharacters() const { return FAllowedCharacters; }
  void SetAllowedCharacters(TAllowedChars value);

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  TAllowedChars FAllowedCharacters = acAllowAll;
};
