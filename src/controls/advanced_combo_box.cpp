#include "controls/advanced_combo_box.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "foundation/qt/qt_strings.h"

TAdvancedComboBox::TAdvancedComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  // A typed text is the value; it never becomes an item of the list.
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this] {
    if (OnChange) OnChange(this);
  });
  BindLineEdit();
}

void TAdvancedComboBox::BindLineEdit() {
  // Every switch to editable makes a new line edit.
  if (QLineEdit* edit = lineEdit())
    connect(edit, &QLineEdit::textEdited, this, [this] {
      if (OnChange) OnChange(this);
    });
}

void TAdvancedComboBox::SetEditable(bool editable) {
  if (editable == isEditable()) return;
  const QSignalBlocker quiet(this);
  setEditable(editable);
  if (editable) {
    setInsertPolicy(QComboBox::NoInsert);
    BindLineEdit();
  }
}

std::string TAdvancedComboBox::Text() const { return FromQString(currentText()); }

void TAdvancedComboBox::SetText(const std::string& text) {
  const QSignalBlocker quiet(this);
  setEditText(ToQString(text));
}

void TAdvancedComboBox::SetItems(const TStrArray& items) {
  const QSignalBlocker quiet(this);
  const QString shown = currentText();
  clear();
  for (const std::string& item : items) addItem(ToQString(item));
  setEditText(shown);
}
