#include "filelist/qt/file_list_properties_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "controls/list_view.h"
#include "filelist/core/file_list_view_core.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/str_transform.h"

namespace {

const char* const kTagProperty = "flvTag";

TVirtualListViewFormatType ListFormat(TListInfoFormat format) {
  switch (format) {
    case TListInfoFormat::FileSize: return vlvFormatFileSize;
    case TListInfoFormat::MsToTime: return vlvFormatMsToTime;
    case TListInfoFormat::Percent: return vlvFormat100To1Percent;
    case TListInfoFormat::Default: break;
  }
  return vlvFormatDefault;
}

}  // namespace

TFileListViewListInfoWindow::TFileListViewListInfoWindow(TFileListViewListInfoCreator& creator, QWidget* parent)
    : QDialog(parent), FCreator(creator), FPages(new QTabWidget(this)) {
  const TFileListViewCore& view = *creator.FileListView;
  setWindowTitle(ToQString(view.StrRes.StrListProperties));
  setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  setMinimumSize(400, 200);
  if (parent) setLayoutDirection(parent->layoutDirection());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 0);
  layout->setSpacing(0);
  layout->addWidget(FPages, 1);

  auto* buttons = new QHBoxLayout();
  buttons->setContentsMargins(0, 4, 0, 8);
  buttons->setSpacing(5);
  const std::string copyAs = view.StrRes.StrCopyAs;
  const struct {
    int32_t tag;
    std::string caption;
  } specs[] = {
      {kListInfoButtonClose, view.StrRes.StrClose},
      {kListInfoButtonText, StringReplaceFast(copyAs, "<X>", view.StrRes.StrText)},
      {kListInfoButtonCSV, StringReplaceFast(copyAs, "<X>", "CSV")},
      {kListInfoButtonTSV, StringReplaceFast(copyAs, "<X>", "TSV")},
  };
  for (const auto& spec : specs) {
    auto* button = new QPushButton(ToQString(spec.caption), this);
    button->setProperty(kTagProperty, spec.tag);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, button] { ListButtonClickProc(button); });
    FButtons.push_back(button);
  }
  connect(Button(kListInfoButtonClose), &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(Button(kListInfoButtonText));
  buttons->addWidget(Button(kListInfoButtonCSV));
  buttons->addWidget(Button(kListInfoButtonTSV));
  buttons->addStretch(1);
  buttons->addWidget(Button(kListInfoButtonClose));
  layout->addLayout(buttons);
  setTabOrder(Button(kListInfoButtonClose), Button(kListInfoButtonText));
  setTabOrder(Button(kListInfoButtonText), Button(kListInfoButtonCSV));
  setTabOrder(Button(kListInfoButtonCSV), Button(kListInfoButtonTSV));

  FFileTypesList = BuildPage(kListInfoByFileType);
  FPages->addTab(FFileTypesList, ToQString(view.StrRes.StrFileTypes));
  FFileFormatsList = BuildPage(kListInfoByExtension);
  FPages->addTab(FFileFormatsList, ToQString(view.StrRes.StrFileFormats));
  FCreator.ShownListType = kListInfoByFileType;
  FPages->setCurrentIndex(0);
  connect(FPages, &QTabWidget::currentChanged, this, [this] { ListPageControlChangeProc(FPages); });
}

TVirtualListView* TFileListViewListInfoWindow::BuildPage(int32_t listType) {
  const TFileListViewCore& view = *FCreator.FileListView;
  auto* list = new TVirtualListView(this);
  list->FixedRowsBottom = 1;
  list->Display.FileSizeDecimalPlaces = view.FileSizeDecimalPlaces;
  list->Display.FileSizeIncludeUnit = view.FileSizeIncludeUnit;
  list->Display.FileSizeType = view.FileSizeType;
  list->Display.TimeFormat = GetPreferredTimeFormatStr(view);
  list->BeginUpdate();
  const TFileListViewListInfoTable table = FCreator.BuildTable(listType);
  list->AddColumn(vlvColCustomStr, 0, table.FirstCaption, table.FirstWidth, 0, taLeftJustify, vlvEditNone,
                  vlvFormatDefault, {});
  for (const TFileListViewListInfoColumn& c : table.Columns) {
    list->AddColumn(vlvColCustomInt, c.ValueIndex, c.Caption, c.Width, c.ValueIndex + 1, taRightJustify, vlvEditNone,
                    ListFormat(c.Format), {});
  }
  for (const TFileListViewListInfoRow& row : table.Rows) list->AddItem64(0, row.Values, {row.Caption});
  list->EndUpdate();
  resize(table.WindowWidth, 400);
  return list;
}

QPushButton* TFileListViewListInfoWindow::Button(int32_t tag) const {
  for (QPushButton* b : FButtons) {
    if (b->property(kTagProperty).toInt() == tag) return b;
  }
  return nullptr;
}

void TFileListViewListInfoWindow::ListButtonClickProc(QObject* Sender) {
  if (!qobject_cast<QPushButton*>(Sender)) return;
  const TVirtualListView* list = FCreator.ShownListType == kListInfoByFileType    ? FFileTypesList
                                 : FCreator.ShownListType == kListInfoByExtension ? FFileFormatsList
                                                                                  : nullptr;
  if (!list) return;
  std::string text;
  switch (Sender->property(kTagProperty).toInt()) {
    case kListInfoButtonTSV: text = list->ExportAsTSV(true, true); break;
    case kListInfoButtonCSV: text = list->ExportAsCSV(true, true); break;
    case kListInfoButtonText: text = list->ExportAsTXT(true, true); break;
    default: return;
  }
  QGuiApplication::clipboard()->setText(ToQString(text));
}

void TFileListViewListInfoWindow::ListPageControlChangeProc(QObject* Sender) {
  const auto* pages = qobject_cast<QTabWidget*>(Sender);
  if (!pages) return;
  if (pages->currentIndex() == 0) FCreator.ShownListType = kListInfoByFileType;
  if (pages->currentIndex() == 1) FCreator.ShownListType = kListInfoByExtension;
}

void ShowFileListViewListInfoWindow(TFileListViewListInfoCreator& creator, QWidget* parent) {
  TFileListViewListInfoWindow window(creator, parent ? parent->window() : nullptr);
  window.exec();
}
