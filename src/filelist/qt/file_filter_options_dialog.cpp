#include "filelist/qt/file_filter_options_dialog.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "controls/dialogs.h"
#include "controls/filter_sections.h"
#include "controls/multiline_check.h"
#include "controls/options_panel.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/qt/scroll_box.h"
#include "foundation/str_transform.h"

namespace {

constexpr int32_t kDesignWidth = 400;
constexpr int32_t kDesignHeight = 550;
constexpr int32_t kMinWidth = 250;
constexpr int32_t kMinHeight = 350;
constexpr int32_t kMinHeightWithFileTypes = 500;
constexpr double kDesignPixelsPerInch = 96;
constexpr double kScreenMarginInches = 1.4;
constexpr int32_t kMinButtonWidth = 75;

// Texts on check boxes, radio buttons and tabs show "&" as it is written.
QString Caption(const std::string& text) { return ToQString(text).replace(QLatin1Char('&'), QStringLiteral("&&")); }

// One page of the window: controls stacked from the top, scrolled when the
// window is smaller than they are.
class TPage {
 public:
  TPage(QTabWidget* pages, const std::string& caption, double scale) : FScale(scale) {
    auto* scroll = new TScrollBox(pages);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // The grids need their columns' width; below it the page scrolls
    // sideways rather than cutting boxes off.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    FContent = new QWidget(scroll);
    FLayout = new QVBoxLayout(FContent);
    FLayout->setContentsMargins(0, 0, 0, 0);
    FLayout->setSpacing(0);
    scroll->setWidget(FContent);
    pages->addTab(scroll, Caption(caption));
  }

  QWidget* Content() const { return FContent; }
  int32_t S(int32_t pixels) const { return static_cast<int32_t>(std::lround(pixels * FScale)); }

  void Heading(const std::string& text) {
    QLabel* label = CreateFilterHeading(text, FContent, FFirst ? S(10) : S(15));
    label->setContentsMargins(S(10), label->contentsMargins().top(), S(10), S(5));
    FLayout->addWidget(label);
    FFirst = false;
  }
  // indent: room on the left beyond the page's margin.
  template <typename TControl>
  TControl* Add(TControl* control, int32_t below, int32_t indent = 0) {
    auto* holder = new QWidget(FContent);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(S(10 + indent), 0, S(10), S(below));
    control->setParent(holder);
    layout->addWidget(control);
    FLayout->addWidget(holder);
    FFirst = false;
    return control;
  }
  void Finish() { FLayout->addStretch(1); }

 private:
  double FScale;
  bool FFirst = true;
  QWidget* FContent = nullptr;
  QVBoxLayout* FLayout = nullptr;
};

template <typename TButton>
TButton* Button(const std::string& caption, bool checked) {
  auto* button = new TButton;
  button->setText(Caption(caption));
  button->setChecked(checked);
  return button;
}

}  // namespace

TFilterOptionsGeometry FilterOptionsDialogGeometry(bool showFilterFileType, double pixelsPerInch, int32_t screenWidth,
                                                   int32_t screenHeight) {
  TFilterOptionsGeometry g;
  g.Scale = pixelsPerInch > 0 ? pixelsPerInch / kDesignPixelsPerInch : 1;
  auto scaled = [&](int32_t pixels) { return static_cast<int32_t>(std::lround(pixels * g.Scale)); };
  g.Width = scaled(kDesignWidth);
  g.Height = scaled(kDesignHeight);
  g.MinWidth = scaled(kMinWidth);
  g.MinHeight = scaled(showFilterFileType ? kMinHeightWithFileTypes : kMinHeight);
  const auto margin = static_cast<int32_t>(std::lround(kScreenMarginInches * pixelsPerInch));
  if (g.Height + margin > screenHeight) g.Height = screenHeight - margin;
  if (g.Width + margin > screenWidth) g.Width = screenWidth - margin;
  return g;
}

TFileFilterOptionsDialog::TFileFilterOptionsDialog() = default;

TFileFilterOptionsDialog::~TFileFilterOptionsDialog() { delete FForm; }

int32_t TFileFilterOptionsDialog::ShowModal() {
  if (!FForm) BuildWindow();
  FOk->setFocus();
  return FForm->exec() == QDialog::Accepted ? kModalResultOK : kModalResultCancel;
}

void TFileFilterOptionsDialog::BuildWindow() {
  auto* form = new QDialog(nullptr);
  FForm = form;
  form->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  form->setWindowTitle(ToQString(StrCaption));
  form->setLayoutDirection(BidiMode);

  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const TFilterOptionsGeometry g = FilterOptionsDialogGeometry(
      ShowFilterFileType, screen != nullptr ? screen->logicalDotsPerInch() : kDesignPixelsPerInch, available.width(),
      available.height());
  form->setMinimumSize(g.MinWidth, g.MinHeight);
  form->resize(std::max(g.Width, g.MinWidth), std::max(g.Height, g.MinHeight));
  auto S = [&g](int32_t pixels) { return static_cast<int32_t>(std::lround(pixels * g.Scale)); };

  auto* root = new QVBoxLayout(form);
  root->setContentsMargins(S(10), S(10), S(10), 0);
  root->setSpacing(0);
  FPages = new QTabWidget(form);
  root->addWidget(FPages, 1);

  // The filter.
  TPage filter(FPages, StrCaption, g.Scale);
  filter.Heading(StrName);
  FNameEdit = filter.Add(new QLineEdit(ToQString(FilterNameStr)), 4);
  FMatchCase = filter.Add(Button<TCheckBoxML>(StrMatchCase, FilterNameMatchCase), 4);
  FRegex = filter.Add(Button<TCheckBoxML>(StrInterpretAsRegex, FilterNameIsRegEx), 4);
  if (FilterExtensionGeneral.empty()) {
    filter.Heading(StrExtension);
    FExtensionEdit = filter.Add(new QLineEdit(ToQString(FilterExtensionCurrent)), 4);
    FExtensionEdit->setToolTip(ToQString(StrExtensionFilterDesc));
  } else {
    filter.Heading(StrFormat);
    FExtensionGrid = filter.Add(
        CreateFilterCheckGrid(
            nullptr, 4,
            OptionsFromCSVStrings(FilterExtensionCurrent, FilterExtensionGeneral, FilterExtensionGeneral, true),
            StrActivateAll, StrDeactivateAll),
        4, 10);
  }
  if (ShowFilterFileType) {
    filter.Heading(StrFileType);
    FFileTypeGrid =
        filter.Add(CreateFilterCheckGrid(nullptr, 3,
                                         FileTypeGridOptions({StrAudioFiles, StrTextFiles, StrArchives, StrVideos,
                                                              StrDocuments, StrImages, StrFonts, StrOthers},
                                                             FilterFileType),
                                         StrActivateAll, StrDeactivateAll),
                   4, 10);
  }
  filter.Heading(StrOptionen);
  FSubDirs = filter.Add(Button<TCheckBoxML>(StrSearchSubDirs, SearchSubDirs), 4);
  FHidden = filter.Add(Button<TCheckBoxML>(StrIncludeHiddenFilesAndFolders, AddHiddenFiles), 4);
  FOnlyText = filter.Add(Button<TCheckBoxML>(StrOnlyTextFiles, AddOnlyTextFiles), 4);
  FOnlyText->parentWidget()->setVisible(ShowOptionOnlyTextFiles);
  filter.Finish();

  // The settings.
  TPage settings(FPages, StrSettings, g.Scale);
  settings.Heading(StrApplicationApply);
  FFolderSearchOnly =
      settings.Add(Button<TRadioButtonML>(StrApplyFilterOnlyForFolderSearch, !ApplyFilterForSingleFiles), 4);
  FSingleFiles = settings.Add(Button<TRadioButtonML>(StrApplyFilterAlsoForSingleFiles, ApplyFilterForSingleFiles), 4);
  settings.Heading(StrUpdateN);
  auto* updateLabel = settings.Add(new QLabel(ToQString(StrUpdateFileListAfterFilterChange)), 5);
  updateLabel->setWordWrap(true);
  // The update choice is a group of its own, apart from the application
  // choice above it.
  auto* updatePanel = settings.Add(new QWidget, 4);
  auto* updateLayout = new QVBoxLayout(updatePanel);
  updateLayout->setContentsMargins(0, 0, 0, 0);
  updateLayout->setSpacing(S(4));
  FAlways = Button<TRadioButtonML>(StrAlways, UpdateFileListAfterFilterChange == anaOptAlways);
  FNever = Button<TRadioButtonML>(StrNever, UpdateFileListAfterFilterChange == anaOptNever);
  FAsk = Button<TRadioButtonML>(StrAsk, UpdateFileListAfterFilterChange == anaOptAsk);
  for (QRadioButton* radio : {FAlways, FNever, FAsk}) {
    radio->setParent(updatePanel);
    updateLayout->addWidget(radio);
  }
  settings.Finish();
  // Each radio button sits in a holder of its own, so the groups are made
  // explicit rather than left to the parent widgets.
  auto* application = new QButtonGroup(form);
  application->addButton(FFolderSearchOnly);
  application->addButton(FSingleFiles);
  auto* update = new QButtonGroup(form);
  for (QRadioButton* radio : {FAlways, FNever, FAsk}) update->addButton(radio);

  // The buttons, at the left (at the right when mirrored).
  auto* bar = new QWidget(form);
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->setContentsMargins(0, S(10), S(6), S(10));
  barLayout->setSpacing(S(12));
  FOk = new QPushButton(ToQString(StrOk), bar);
  FCancel = new QPushButton(ToQString(StrCancel), bar);
  for (QPushButton* button : {FOk, FCancel}) {
    button->setMinimumWidth(S(kMinButtonWidth));
    barLayout->addWidget(button);
  }
  barLayout->addStretch(1);
  FOk->setDefault(true);
  root->addWidget(bar);
  QObject::connect(FOk, &QPushButton::clicked, form, &QDialog::accept);
  QObject::connect(FCancel, &QPushButton::clicked, form, &QDialog::reject);
  QObject::connect(form, &QDialog::finished, form, [this] { ReadControls(); });

  // A wrapped label lays its text out in the text's own direction, so an
  // untranslated English text would stand at the left of a mirrored window.
  if (BidiMode == Qt::RightToLeft)
    for (QLabel* label : form->findChildren<QLabel*>()) label->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
  form->move(available.center() - form->rect().center());
}

void TFileFilterOptionsDialog::ReadControls() {
  if (FExtensionEdit != nullptr)
    FilterExtensionCurrent = Trim(FromQString(FExtensionEdit->text()));
  else
    FilterExtensionCurrent = FExtensionGrid->GetCheckedStringValuesAsCSVString(",");
  if (ShowFilterFileType && FFileTypeGrid != nullptr)
    FilterFileType = FFileTypeGrid->GetCheckedStringValuesAsCSVString(",");
  SearchSubDirs = FSubDirs->isChecked();
  AddHiddenFiles = FHidden->isChecked();
  AddOnlyTextFiles = FOnlyText->isChecked();
  ApplyFilterForSingleFiles = FSingleFiles->isChecked();
  FilterNameStr = FromQString(FNameEdit->text());
  FilterNameMatchCase = FMatchCase->isChecked();
  FilterNameIsRegEx = FRegex->isChecked();
  if (FAlways->isChecked())
    UpdateFileListAfterFilterChange = anaOptAlways;
  else if (FNever->isChecked())
    UpdateFileListAfterFilterChange = anaOptNever;
  else if (FAsk->isChecked())
    UpdateFileListAfterFilterChange = anaOptAsk;
}
