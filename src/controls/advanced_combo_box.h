// A drop-down list of texts that also takes a typed text.
#pragma once

#include <QComboBox>
#include <cstdint>
#include <functional>
#include <string>

#include "foundation/types.h"

class TAdvancedComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TAdvancedComboBox(QWidget* parent = nullptr);

  // The shown or typed text. Setting it raises no event.
  std::string Text() const;
  void SetText(const std::string& text);
  // Replaces the list's texts; the shown text stays.
  void SetItems(const TStrArray& items);
  // Switches between a list that takes typed text and one that only offers
  // its entries; typing keeps raising OnChange after the switch.
  void SetEditable(bool editable);
  int32_t DropDownCount() const { return maxVisibleItems(); }
  void SetDropDownCount(int32_t value) { setMaxVisibleItems(value); }

  // Raised when the user picks an item or types.
  std::function<void(QObject* Sender)> OnChange;

 private:
  void BindLineEdit();
};
