#include "filelist/qt/file_list_columns_dialog.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "controls/dialogs.h"
#include "controls/list_view.h"
#include "filelist/qt/file_list_view.h"
#include "foundation/qt/qt_strings.h"

namespace {

constexpr int kMinButtonWidth = 75;
constexpr int kColumnWidth = 190;

// Button captions show "&" as it is written.
QString ButtonCaption(const std::string& text) {
  return ToQString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

TFileListViewColumnsDialog::TFileListViewColumnsDialog(TFileListView* AFileListView) : FFileListView(AFileListView) {}

TFileListViewColumnsDialog::~TFileListViewColumnsDialog() { delete FForm; }

int32_t TFileListViewColumnsDialog::AddColumn(int32_t AColumnInfoIndex, TFileListViewColumnType AColumnType,
                                              bool AVisible, const std::string& ACaption,
                                              const std::string& ACategory) {
  FRows.push_back({AColumnInfoIndex, AColumnType, ACaption, ACategory, AVisible});
  return static_cast<int32_t>(FRows.size()) - 1;
}

void TFileListViewColumnsDialog::SetColumns(const TFileListViewColumnVisInfoArray& AList) {
  FRows.clear();
  for (const TFileListViewColumnVisInfoRec& rec : AList) {
    if (rec.ColumnInfoIndex < 0 || static_cast<size_t>(rec.ColumnInfoIndex) >= FFileListView->ColumnInfos.size()) {
      continue;
    }
    const TFileListViewColumnInfo& d = FFileListView->ColumnInfos[static_cast<size_t>(rec.ColumnInfoIndex)];
    AddColumn(rec.ColumnInfoIndex, d.ColumnType, rec.Visible, d.Caption, FFileListView->ColumnTypeToStr(d.ColumnType));
  }
  CreateListViewItems();
}

void TFileListViewColumnsDialog::CreateListViewItems() {
  if (FList == nullptr) return;
  FList->BeginUpdate();
  FList->RemoveAllWithoutDeletionDoneNotification();
  for (const TFileListViewColumnsDialogColInfoRec& row : FRows) {
    FList->AddItem(row.Visible, row.ColumnInfoIndex, row.Caption, row.Category);
  }
  FList->EndUpdate();
}

void TFileListViewColumnsDialog::GetResult(TFileListViewColumnVisInfoArray& AList) const {
  AList.clear();
  if (FList == nullptr) {
    for (const TFileListViewColumnsDialogColInfoRec& row : FRows) AList.push_back({row.ColumnInfoIndex, row.Visible});
    return;
  }
  const TVirtualListViewItems& items = FList->VirtualItems;
  for (size_t i = 0; i < items.size(); ++i) AList.push_back({items.ID(i), items.Checked(i)});
}

void TFileListViewColumnsDialog::ProcResetButtonClick() {
  TFileListViewColumnVisInfoArray list;
  FFileListView->GetColumnCustomizableVisInfoInitial(list);
  SetColumns(list);
}

int32_t TFileListViewColumnsDialog::ShowModal() {
  if (!FForm) BuildWindow();
  FOk->setFocus(Qt::OtherFocusReason);
  return FForm->exec() == QDialog::Accepted ? kModalResultOK : kModalResultCancel;
}

void TFileListViewColumnsDialog::BuildWindow() {
  auto* form = new QDialog(nullptr);
  FForm = form;
  form->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  form->setLayoutDirection(BidiMode);
  form->setWindowTitle(ToQString(StrColumns));
  form->resize(430, 480);
  form->setMinimumSize(350, 350);
  auto* root = new QVBoxLayout(form);
  root->setContentsMargins(0, 0, 0, 0);
  root->setSpacing(0);

  auto* client = new QWidget(form);
  auto* clientLayout = new QVBoxLayout(client);
  clientLayout->setContentsMargins(10, 10, 10, 0);
  FList = new TVirtualListView(client);
  FList->SetCheckboxes(true);
  FList->CheckboxViaRow = false;
  FList->AddColumn(vlvColCustomStr, 0, StrColumn, kColumnWidth, 0, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  FList->AddColumn(vlvColCustomStr, 1, StrCategory, kColumnWidth, 1, taLeftJustify, vlvEditNone, vlvFormatDefault, {});
  clientLayout->addWidget(FList);
  root->addWidget(client, 1);

  // Cancel and OK at the left, Reset at the right; mirrored with the window.
  auto* bar = new QWidget(form);
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->setContentsMargins(6, 10, 10, 10);
  barLayout->setSpacing(0);
  FCancel = new QPushButton(ButtonCaption(StrCancel), bar);
  FOk = new QPushButton(ButtonCaption(StrOk), bar);
  FReset = new QPushButton(ButtonCaption(StrReset), bar);
  FReset->setToolTip(ToQString(StrResetToDefault));
  for (QPushButton* button : {FCancel, FOk, FReset}) button->setMinimumWidth(kMinButtonWidth);
  barLayout->addWidget(FCancel);
  barLayout->addSpacing(16);
  barLayout->addWidget(FOk);
  barLayout->addStretch(1);
  barLayout->addWidget(FReset);
  FOk->setDefault(true);
  root->addWidget(bar);
  QObject::connect(FOk, &QPushButton::clicked, form, &QDialog::accept);
  QObject::connect(FCancel, &QPushButton::clicked, form, &QDialog::reject);
  QObject::connect(FReset, &QPushButton::clicked, form, [this] { ProcResetButtonClick(); });

  CreateListViewItems();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    form->move(screen->availableGeometry().center() - form->rect().center());
  }
}
