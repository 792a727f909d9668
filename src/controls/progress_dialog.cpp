#include "controls/progress_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/progress_refresh.h"
#include "foundation/number_format.h"
#include "foundation/qt/qt_strings.h"

namespace {

constexpr int kRowCount = 6;
int RowSlot(TProgressRow row) { return static_cast<int>(row); }

}  // namespace

QString ProgressMinimizeName(const QString& path, const QFontMetrics& metrics, int maxWidth) {
  if (metrics.horizontalAdvance(path) <= maxWidth) return path;
  QStringList parts = path.split(QLatin1Char('/'));
  // Inner folders give way one by one after the first folder; the name stays.
  const qsizetype first = parts.size() > 1 && parts[0].isEmpty() ? 2 : 1;
  while (parts.size() > first + 2 || (parts.size() == first + 2 && parts[first] != QStringLiteral("..."))) {
    if (parts[first] == QStringLiteral("...")) {
      parts.removeAt(first + 1);
    } else {
      parts[first] = QStringLiteral("...");
    }
    const QString candidate = parts.join(QLatin1Char('/'));
    if (metrics.horizontalAdvance(candidate) <= maxWidth) return candidate;
  }
  return metrics.elidedText(parts.join(QLatin1Char('/')), Qt::ElideLeft, std::max(maxWidth, 0));
}

TBaseProgressDialogObj::TBaseProgressDialogObj(QObject* owner, int32_t fileCount)
    : QObject(owner), FFileCount(fileCount) {}

TBaseProgressDialogObj::~TBaseProgressDialogObj() { delete FForm; }

void TBaseProgressDialogObj::SetTickSource(std::function<uint32_t()> source) { FTickSource = std::move(source); }

void TBaseProgressDialogObj::SetCurrentFile(const std::string& value) {
  FCurrentFile = value;
  ++FCurrentFileNumber;
  AutoRefresh();
}

void TBaseProgressDialogObj::SetTargetFile(const std::string& value) {
  FTargetFile = value;
  AutoRefresh();
}

void TBaseProgressDialogObj::SetCurrentFolder(const std::string& value) {
  if (value == FCurrentFolder) return;
  FCurrentFolder = value;
  AutoRefresh();
}

void TBaseProgressDialogObj::SetSearchedFiles(int32_t value) {
  if (value == FSearchedFiles) return;
  FSearchedFiles = value;
  AutoRefresh();
}

void TBaseProgressDialogObj::SetSearchedFolders(int32_t value) {
  if (value == FSearchedFolders) return;
  FSearchedFolders = value;
  AutoRefresh();
}

void TBaseProgressDialogObj::ProcBtCancelButton(QObject* Sender) { Canceled = true; }

QLabel* TBaseProgressDialogObj::RowValueLabel(TProgressRow row) const { return FValueLabels[RowSlot(row)]; }
QLabel* TBaseProgressDialogObj::RowNameLabel(TProgressRow row) const { return FNameLabels[RowSlot(row)]; }

void TBaseProgressDialogObj::Show() {
  if (!FForm) BuildForm();
  FForm->show();
}

void TBaseProgressDialogObj::BuildForm() {
  auto* form =
      new QWidget(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  FForm = form;
  form->setWindowTitle(ToQString(StrCaption));
  // The loop runs on the GUI thread: while it lets events through, no other
  // window may take input and start work that re-enters it.
  form->setWindowModality(Qt::ApplicationModal);
  auto* outer = new QHBoxLayout(form);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  outer->setSizeConstraint(QLayout::SetFixedSize);

  auto* left = new QWidget(form);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(20, 20, 26, 0);
  auto* icon = new QLabel(left);
  icon->setFixedSize(48, 48);
  icon->setScaledContents(true);
  icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
  leftLayout->addWidget(icon);
  leftLayout->addStretch(1);
  outer->addWidget(left);

  auto* main = new QWidget(form);
  main->setMinimumWidth(700 - 94);
  auto* mainLayout = new QVBoxLayout(main);
  mainLayout->setContentsMargins(0, 0, 0, 0);
  mainLayout->setSpacing(0);
  auto* title = new QLabel(ToQString(StrCaption), main);
  QFont titleFont = title->font();
  titleFont.setPointSize(12);
  title->setFont(titleFont);
  mainLayout->addSpacing(20);
  mainLayout->addWidget(title);
  mainLayout->addSpacing(14);

  if (FFileCount > 0) {
    auto* barBox = new QWidget(main);
    auto* barLayout = new QVBoxLayout(barBox);
    barLayout->setContentsMargins(0, 0, 20, 20);
    FProgressBar = new QProgressBar(barBox);
    FProgressBar->setRange(0, FFileCount);
    FProgressBar->setValue(0);
    barLayout->addWidget(FProgressBar);
    mainLayout->addWidget(barBox);
  }

  const bool shown[kRowCount] = {ShowLabelStatus,        ShowLabelCurrentFile,   ShowLabelTargetFile,
                                 ShowLabelSearchedFiles, ShowLabelCurrentFolder, ShowLabelSearchedFolders};
  const std::string names[kRowCount] = {StrStatus,        ShowLabelTargetFile ? StrSourceFile : StrCurrentFile,
                                        StrTargetFile,    StrSearchedFiles,
                                        StrCurrentFolder, StrSearchedFolders};
  // Rows whose value is a path keep the width the row gives them.
  const bool pathRow[kRowCount] = {false, true, true, false, true, false};
  const QFontMetrics metrics(form->font());
  int nameWidth = 0;
  for (int i = 0; i < kRowCount; ++i) {
    if (shown[i]) nameWidth = std::max(nameWidth, metrics.horizontalAdvance(ToQString(names[i])));
  }
  nameWidth += 20;
  auto* rows = new QWidget(main);
  auto* rowsLayout = new QVBoxLayout(rows);
  rowsLayout->setContentsMargins(0, 0, 0, 0);
  rowsLayout->setSpacing(0);
  for (int i = 0; i < kRowCount; ++i) {
    if (!shown[i]) continue;
    auto* row = new QWidget(rows);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 20, 5);
    rowLayout->setSpacing(0);
    auto* name = new QLabel(ToQString(names[i]), row);
    name->setMinimumWidth(nameWidth);
    auto* value = new QLabel(row);
    if (pathRow[i]) value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    value->setWordWrap(false);
    rowLayout->addWidget(name);
    rowLayout->addWidget(value, 1);
    rowsLayout->addWidget(row);
    FNameLabels[i] = name;
    FValueLabels[i] = value;
  }
  mainLayout->addWidget(rows);

  auto* buttons = new QWidget(main);
  auto* buttonLayout = new QHBoxLayout(buttons);
  buttonLayout->setContentsMargins(0, 15, 7, 20);
  FCancelButton = new QPushButton(ToQString(StrCancel), buttons);
  FCancelButton->setMinimumWidth(80);
  FCancelButton->setMinimumHeight(20);
  FCancelButton->setAutoDefault(false);
  connect(FCancelButton, &QPushButton::clicked, this, [this] { ProcBtCancelButton(FCancelButton); });
  buttonLayout->addWidget(FCancelButton);
  buttonLayout->addStretch(1);
  mainLayout->addWidget(buttons);
  outer->addWidget(main, 1);

  form->adjustSize();
  if (const QScreen* screen = QApplication::primaryScreen()) {
    form->move(screen->availableGeometry().center() - form->rect().center());
  }
}

void TBaseProgressDialogObj::RefreshGUI() {
  // Before the first Show there is no window; while the event loop runs
  // inside a refresh, a handler that sets values must not start another.
  if (!FForm || FRefreshing) return;
  const uint32_t now = FTickSource ? FTickSource() : ProgressTickNow();
  if (!ProgressRefreshDue(now, FLastRefreshTick, RefreshGUIInterval)) return;
  auto shortened = [](QLabel* label, const std::string& path) {
    label->setText(ProgressMinimizeName(ToQString(path), label->fontMetrics(), label->width() - 15));
  };
  if (QLabel* label = FValueLabels[RowSlot(TProgressRow::CurrentFile)]) shortened(label, FCurrentFile);
  if (ShowLabelTargetFile) {
    if (QLabel* label = FValueLabels[RowSlot(TProgressRow::TargetFile)]) shortened(label, FTargetFile);
  }
  if (QLabel* label = FValueLabels[RowSlot(TProgressRow::Status)]) {
    if (FFileCount <= 0) {
      label->setText(ToQString(IntToStr(FCurrentFileNumber)));
    } else {
      if (FProgressBar != nullptr) FProgressBar->setValue(std::min(FCurrentFileNumber, FFileCount));
      label->setText(ToQString(IntToStr(FCurrentFileNumber) + " / " + IntToStr(FFileCount)));
    }
  }
  if (ShowLabelSearchedFiles) {
    if (QLabel* label = FValueLabels[RowSlot(TProgressRow::SearchedFiles)]) {
      label->setText(ToQString(IntToStr(FSearchedFiles)));
    }
  }
  if (ShowLabelSearchedFolders) {
    if (QLabel* label = FValueLabels[RowSlot(TProgressRow::SearchedFolders)]) {
      label->setText(ToQString(IntToStr(FSearchedFolders)));
    }
  }
  if (ShowLabelCurrentFolder) {
    if (QLabel* label = FValueLabels[RowSlot(TProgressRow::CurrentFolder)]) shortened(label, FCurrentFolder);
  }
  FRefreshing = true;
  QApplication::processEvents();
  FRefreshing = false;
  FLastRefreshTick = now;
}

TFileSearchProgressObj::TFileSearchProgressObj(QObject* owner) : TBaseProgressDialogObj(owner, 0) {
  ShowLabelStatus = true;
  ShowLabelCurrentFile = true;
  ShowLabelCurrentFolder = true;
  ShowLabelSearchedFiles = true;
  ShowLabelSearchedFolders = true;
  ShowLabelTargetFile = false;
  StrStatus = "Found:";
  StrCurrentFile = "Last found:";
}
