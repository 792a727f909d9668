#include "controls/advanced_edit.h"

#include <QKeyEvent>

bool AdvancedEditAcceptsChar(TAllowedChars allowed, char32_t ch) {
  if (allowed == acAllowAll) return true;
  if (ch >= U'0' && ch <= U'9') return true;
  if (ch == 8 || ch == 127) return true;
  return ch < 32;
}

TAdvancedEdit::TAdvancedEdit(QWidget* parent) : QLineEdit(parent) {}

void TAdvancedEdit::SetAllowedCharacters(TAllowedChars value) {
  if (value != FAllowedCharacters) FAllowedCharacters = value;
}

void TAdvancedEdit::keyPressEvent(QKeyEvent* e) {
  if (FAllowedCharacters != acAllowAll && !e->text().isEmpty() &&
      !(e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
    for (char32_t ch : e->text().toUcs4()) {
      if (!AdvancedEditAcceptsChar(FAllowedCharacters, ch)) {
        e->accept();
        return;
      }
    }
  }
  QLineEdit::keyPressEvent(e);
}
