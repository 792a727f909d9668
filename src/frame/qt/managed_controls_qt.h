// The main window's own controls as the settings object sees them.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QPointer>

#include "frame/core/settings_types.h"

// A combo box whose shown text is saved.
class TManagedComboBox : public TSOManagedControl {
 public:
  explicit TManagedComboBox(QComboBox* comboBox) : FComboBox(comboBox) {}
  bool Supports(TSOManagedControlType kind) const override { return kind == mcComboBox && FComboBox; }
  std::string GetText() const override;
  void SetText(const std::string& text) override;

 private:
  QPointer<QComboBox> FComboBox;
};

// A check box or radio button whose checked state is saved.
class TManagedCheckButton : public TSOManagedControl {
 public:
  explicit TManagedCheckButton(QAbstractButton* button) : FButton(button) {}
  bool Supports(TSOManagedControlType kind) const override {
    return (kind == mcCheckBox || kind == mcRadioButton) && FButton;
  }
  bool GetChecked() const override { return FButton && FButton->isChecked(); }
  void SetChecked(bool checked) override {
    if (FButton) FButton->setChecked(checked);
  }

 private:
  QPointer<QAbstractButton> FButton;
};
