#include "frame/qt/managed_controls_qt.h"

#include "foundation/qt/qt_strings.h"

std::string TManagedComboBox::GetText() const { return FComboBox ? FromQString(FComboBox->currentText()) : ""; }

void TManagedComboBox::SetText(const std::string& text) {
  if (!FComboBox) return;
  const QString t = ToQString(text);
  if (FComboBox->isEditable()) {
    FComboBox->setCurrentText(t);
  } else {
    // A list without that item keeps its choice, as a list cannot show other text.
    const int index = FComboBox->findText(t, Qt::MatchExactly);
    if (index >= 0) FComboBox->setCurrentIndex(index);
  }
}
