#include "settingspanels/qt/settings_container_memo_dialog.h"

#include "settingspanels/qt/action_list_platform.h"

#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "controls/caption_panels.h"
#include "foundation/qt/qt_strings.h"
#include "text/text_store.h"

TSettingsContainerMemoDialogSpr::TSettingsContainerMemoDialogSpr(QWidget* owner)
    : QDialog(owner ? owner->window() : nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                                     Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(ToQString(SprText(30)));
  setMinimumSize(400, 200);
  resize(500, 250);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* client = new QWidget(this);
  auto* fill = new QVBoxLayout(client);
  fill->setContentsMargins(10, 10, 10, 2);
  FMemo = new TAdvancedMemo(client);
  fill->addWidget(FMemo);
  column->addWidget(client, 1);

  // The buttons stand at the start of the bottom strip, OK first.
  auto* strip = new TRawPanel(this);
  strip->SetAutoSize(true);
  auto* stripColumn = new QVBoxLayout(strip);
  stripColumn->setContentsMargins(0, 5, 0, 10);
  auto* row = new QHBoxLayout;
  row->setSpacing(0);
  stripColumn->addLayout(row);
  FButtonOk = new QPushButton(ToQString(SprText(192)), strip);
  FButtonCancel = new QPushButton(ToQString(SprText(69)), strip);
  for (QPushButton* button : {FButtonOk, FButtonCancel}) button->setMinimumWidth(80);
  FButtonOk->setDefault(true);
  row->addSpacing(10);
  row->addWidget(FButtonOk);
  row->addSpacing(10);
  row->addWidget(FButtonCancel);
  row->addStretch(1);
  column->addWidget(strip);
  setTabOrder(FMemo, FButtonOk);
  setTabOrder(FButtonOk, FButtonCancel);

  connect(FMemo, &QPlainTextEdit::textChanged, this, &TSettingsContainerMemoDialogSpr::ProcMemoChange);
  connect(FButtonOk, &QPushButton::clicked, this, &TSettingsContainerMemoDialogSpr::ProcButtonClickOkay);
  connect(FButtonCancel, &QPushButton::clicked, this, &TSettingsContainerMemoDialogSpr::ProcButtonClickCancel);
  PlaceWindowOverHost(this, owner);
}

void TSettingsContainerMemoDialogSpr::Init(int32_t index, const std::string& caption, const std::string& text,
                                           const std::string& fontName, int32_t fontSize) {
  if (!caption.empty()) setWindowTitle(ToQString(caption));
  FControlIndex = index;
  FStartText = text;
  FMemo->SetText(text);
  QFont font = FMemo->font();
  if (!fontName.empty()) font.setFamily(ToQString(fontName));
  if (fontSize > 0) font.setPointSize(fontSize);
  FMemo->setFont(font);
}

void TSettingsContainerMemoDialogSpr::ProcMemoChange() {
  if (OnChange) OnChange(this, FControlIndex, FMemo->Text());
}

void TSettingsContainerMemoDialogSpr::ProcButtonClickOkay() {
  if (OnChange) OnChange(this, FControlIndex, FMemo->Text());
  close();
}

void TSettingsContainerMemoDialogSpr::ProcButtonClickCancel() {
  if (OnChange) OnChange(this, FControlIndex, FStartText);
  close();
}

TSettingsContainerMemoDialogSpr* ShowSettingsContainerMemoDialogSpr(int32_t index, const std::string& caption,
                                                                    const std::string& text,
                                                                    const std::string& fontName, int32_t fontSize,
                                                                    TSettingsContainerMemoDialogSprChange onChange,
                                                                    QWidget* owner) {
  auto* dialog = new TSettingsContainerMemoDialogSpr(owner);
  dialog->Init(index, caption, text, fontName, fontSize);
  dialog->OnChange = std::move(onChange);
  dialog->show();
  return dialog;
}
