#include "settingspanels/qt/settings_container_dialogs.h"

#include "settingspanels/qt/action_list_platform.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"

namespace {

QLabel* BoldLabel(const std::string& caption, QWidget* parent) {
  auto* label = new QLabel(ToQString(caption), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

}  // namespace

int32_t TSettingsContainerVirtualListViewDialog::AddControl(int32_t kind, const std::string& caption,
                                                            const std::string& value) {
  DialogControls.push_back({kind, caption, value});
  return static_cast<int32_t>(DialogControls.size()) - 1;
}

bool TSettingsContainerVirtualListViewDialog::Show(QWidget* owner) {
  if (!FForm) Build(owner);
  FForm->show();
  FForm->raise();
  return true;
}

void TSettingsContainerVirtualListViewDialog::Build(QWidget* owner) {
  QWidget* ownerWindow = owner ? owner->window() : nullptr;
  // The owner's window keeps the dialog; it frees itself when closed.
  auto* form = new QDialog(ownerWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->setWindowTitle(ToQString(StrCaption));
  form->setMinimumSize(400, 100);
  auto* column = new QVBoxLayout(form);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->setSizeConstraint(QLayout::SetMinimumSize);

  auto* fieldPanel = new TRawPanel(form);
  auto* fields = new QVBoxLayout(fieldPanel);
  fields->setContentsMargins(10, 10, 10, 10);
  fields->setSpacing(5);
  // Each input reads its value back when the user confirms.
  std::vector<std::function<std::string()>> readers;
  bool flagHeading = false;
  for (const TSettingsContainerVirtualListViewDialogControl& field : DialogControls) {
    switch (field.Kind) {
      case scdOneLine: {
        fields->addWidget(BoldLabel(field.Caption, fieldPanel));
        auto* edit = new QLineEdit(ToQString(field.Value), fieldPanel);
        fields->addWidget(edit);
        readers.push_back([edit] { return FromQString(edit->text()); });
        break;
      }
      case scdMultiLine: {
        fields->addWidget(BoldLabel(field.Caption, fieldPanel));
        auto* memo = new TAdvancedMemo(fieldPanel);
        memo->SetText(field.Value);
        memo->setMinimumHeight(120);
        fields->addWidget(memo);
        readers.push_back([memo] { return memo->Text(); });
        break;
      }
      case scdFlag: {
        if (!flagHeading) {
          fields->addWidget(BoldLabel("Options", fieldPanel));
          flagHeading = true;
        }
        auto* box = new QCheckBox(ToQString(field.Caption).replace('&', QStringLiteral("&&")), fieldPanel);
        box->setChecked(field.Value == "1");
        fields->addWidget(box);
        readers.push_back([box] { return std::string(box->isChecked() ? "1" : "0"); });
        break;
      }
      default: break;
    }
  }
  column->addWidget(fieldPanel);

  auto* buttonPanel = new TRawPanel(form);
  auto* buttonRow = new QVBoxLayout(buttonPanel);
  buttonRow->setContentsMargins(10, 10, 10, 10);
  auto* buttons = new QDialogButtonBox(buttonPanel);
  QPushButton* ok = buttons->addButton(ToQString(StrOk.empty() ? "OK" : StrOk), QDialogButtonBox::AcceptRole);
  QPushButton* cancel =
      buttons->addButton(ToQString(StrCancel.empty() ? "Cancel" : StrCancel), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  buttonRow->addWidget(buttons);
  column->addWidget(buttonPanel);
  column->addStretch(1);

  QObject::connect(buttons, &QDialogButtonBox::accepted, form,
                   [form, readers = std::move(readers), confirm = OnConfirm] {
                     if (confirm) {
                       TStrArray values;
                       for (const auto& read : readers) values.push_back(read());
                       confirm(values);
                     }
                     form->accept();
                   });
  QObject::connect(buttons, &QDialogButtonBox::rejected, form, &QDialog::reject);

  form->adjustSize();
  form->resize(std::max(400, form->width()), form->height());
  PlaceWindowOverHost(form, ownerWindow);
  FForm = form;
  FFieldPanel = fieldPanel;
  FButtonPanel = buttonPanel;
  FButtonOk = ok;
  FButtonCancel = cancel;
}
