#include "controls/directory_chooser.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "controls/filter_sections.h"
#include "controls/multiline_check.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/str_split.h"
#include "text/text_store.h"

namespace {
// Enter in the path edit selects the typed folder instead of closing.
class TEnterFilter : public QObject {
 public:
  TEnterFilter(QObject* parent, std::function<void()> action) : QObject(parent), FAction(std::move(action)) {}
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(e);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        FAction();
        return true;
      }
    }
    return QObject::eventFilter(watched, e);
  }

 private:
  std::function<void()> FAction;
};

QLabel* Heading(const std::string& text, QWidget* parent, bool first) {
  return CreateFilterHeading(text, parent, first ? 0 : 15);
}

void Spaced(QWidget* w, QVBoxLayout* layout) {
  auto* holder = new QWidget(w->parentWidget());
  auto* l = new QVBoxLayout(holder);
  l->setContentsMargins(10, 0, 10, 4);
  l->addWidget(w);
  layout->addWidget(holder);
}

std::string Trimmed(const std::string& s) {
  size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}
}  // namespace

TDirSelectDialog::TDirSelectDialog(bool fileSearch) : FileSearchDialog(fileSearch) {
  StrCaption = fileSearch ? "Add Files from Folder" : "Select Directory";
  FilterOptions = fileSearch ? dsfoCollapsible : dsfoNone;
}

TDirSelectDialog::~TDirSelectDialog() { delete FForm; }

bool TDirSelectDialog::Execute() {
  if (FForm) return FForm->exec() == QDialog::Accepted;
  BuildWindow();
  OnShow();
  int result = FForm->exec();
  // Closing in any way forgets the window.
  QDialog* form = FForm;
  FForm = nullptr;
  // The window dies later than this call and may outlive this object: its
  // tree must not report a selection change to us while it is taken down.
  if (FTree != nullptr) FTree->OnSelectionChanged = nullptr;
  form->deleteLater();
  return result == QDialog::Accepted;
}

void TDirSelectDialog::BuildWindow() {
  auto* form = new QDialog(nullptr);
  FForm = form;
  form->setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  form->setLayoutDirection(BiDiMode);
  form->resize(400, 550);
  form->setMinimumSize(400, ShowFilterFileType ? 500 : 350);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    auto margin = static_cast<int>(std::lround(screen->logicalDotsPerInch() * 1.4));
    QRect avail = screen->availableGeometry();
    if (form->height() + margin > avail.height()) form->resize(form->width(), std::max(200, avail.height() - margin));
    if (form->width() + margin > avail.width()) form->resize(std::max(200, avail.width() - margin), form->height());
  }
  auto* root = new QVBoxLayout(form);
  root->setContentsMargins(0, 0, 0, 0);
  root->setSpacing(0);

  auto* top = new QWidget(form);
  auto* topLayout = new QVBoxLayout(top);
  topLayout->setContentsMargins(10, 10, 10, 0);
  FPathEdit = new QLineEdit(ToQString(SelectedDir), top);
  topLayout->addWidget(FPathEdit);
  topLayout->addSpacing(6);
  FTopSubDirs = new TCheckBoxML(top);
  FTopSubDirs->setChecked(SearchSubDirs);
  topLayout->addWidget(FTopSubDirs);
  root->addWidget(top);

  auto* main = new QWidget(form);
  auto* mainLayout = new QHBoxLayout(main);
  mainLayout->setContentsMargins(0, 10, 0, 0);
  FTree = new TDirTreeView(main);
  FTree->SetMultiSelect(MultiSelect);
  auto* treeHolder = new QWidget(main);
  auto* treeLayout = new QVBoxLayout(treeHolder);
  treeLayout->setContentsMargins(10, 0, 10, 0);
  treeLayout->addWidget(FTree);
  FSide = new QWidget(main);
  FSide->setMinimumWidth(100);
  auto* side = new QVBoxLayout(FSide);
  side->setContentsMargins(0, 0, 0, 0);
  side->setSpacing(0);
  side->addWidget(Heading(StrName, FSide, true));
  FNameEdit = new QLineEdit(ToQString(FilterNameStr), FSide);
  Spaced(FNameEdit, side);
  FMatchCase = new TCheckBoxML(FSide);
  FMatchCase->setText(ToQString(StrMatchCase));
  FMatchCase->setChecked(FilterNameMatchCase);
  Spaced(FMatchCase, side);
  FRegex = new TCheckBoxML(FSide);
  FRegex->setText(ToQString(StrInterpretAsRegex));
  FRegex->setChecked(FilterNameIsRegEx);
  Spaced(FRegex, side);
  auto makeOptions = [this](const TOptionsPanelOptions& options) {
    auto* panel = CreateFilterCheckGrid(FSide, 3, options, StrActivateAll, StrDeactivateAll);
    panel->OnChange = [this](QObject* s) { ProcChange(s); };
    return panel;
  };
  if (FilterExtensionGeneral.empty()) {
    side->addWidget(Heading(StrExtension, FSide, false));
    FExtEdit = new QLineEdit(ToQString(FilterExtensionCurrent), FSide);
    FExtEdit->setToolTip(ToQString(StrExtensionFilterDesc));
    Spaced(FExtEdit, side);
  } else {
    side->addWidget(Heading(StrFormat, FSide, false));
    FExtPanel = makeOptions(
        OptionsFromCSVStrings(FilterExtensionCurrent, FilterExtensionGeneral, FilterExtensionGeneral, true));
    Spaced(FExtPanel, side);
  }
  if (ShowFilterFileType) {
    side->addWidget(Heading(StrFileType, FSide, false));
    FTypePanel = makeOptions(FileTypeGridOptions(
        {StrAudioFiles, StrTextFiles, StrArchives, StrVideos, StrDocuments, StrImages, StrFonts, StrOthers},
        FilterFileType));
    FTypePanel->SetFixedControlWidth(1);
    Spaced(FTypePanel, side);
  }
  side->addWidget(Heading(StrOptionen, FSide, false));
  FSideSubDirs = new TCheckBoxML(FSide);
  FSideSubDirs->setChecked(SearchSubDirs);
  Spaced(FSideSubDirs, side);
  FHidden = new TCheckBoxML(FSide);
  FHidden->setChecked(AddHiddenFiles);
  Spaced(FHidden, side);
  FOnlyText = new TCheckBoxML(FSide);
  FOnlyText->setText(ToQString(StrOnlyTextFiles));
  FOnlyText->setChecked(AddOnlyTextFiles);
  Spaced(FOnlyText, side);
  FOnlyText->parentWidget()->setVisible(ShowOptionOnlyTextFiles);
  side->addStretch(1);
  mainLayout->addWidget(treeHolder, 1);
  mainLayout->addWidget(FSide, 0);
  root->addWidget(main, 1);

  auto* bar = new QWidget(form);
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->setContentsMargins(6, 10, 10, 10);
  FCancel = new QPushButton(bar);
  FCancel->setMinimumWidth(75);
  FOk = new QPushButton(bar);
  FOk->setMinimumWidth(75);
  FOk->setDefault(false);
  FOk->setAutoDefault(false);
  FCancel->setAutoDefault(false);
  FFilterButton = new QPushButton(bar);
  FFilterButton->setMinimumWidth(75);
  FFilterButton->setAutoDefault(false);
  barLayout->addWidget(FCancel);
  barLayout->addSpacing(4);
  barLayout->addWidget(FOk);
  barLayout->addStretch(1);
  barLayout->addWidget(FFilterButton);
  FFilterButton->setVisible(FileSearchDialog);
  root->addWidget(bar);
  QObject::connect(FOk, &QPushButton::clicked, form, &QDialog::accept);
  QObject::connect(FCancel, &QPushButton::clicked, form, &QDialog::reject);
  QObject::connect(FFilterButton, &QPushButton::clicked, form, [this] { FilterButtonClick(); });

  if (!FileSearchDialog) {
    FTopSubDirs->hide();
    FSide->hide();
  } else if (FilterOptions == dsfoVisible) {
    FTopSubDirs->hide();
    // The side panel open from the start gets the room the filter button
    // would give it, so that the tree is not squeezed.
    form->resize(form->width() + (ShowFilterFileType ? 300 : 200), form->height());
  } else {
    FSide->hide();
  }

  auto connectCheck = [this](QCheckBox* box) {
    QObject::connect(box, &QCheckBox::toggled, FForm, [this, box] { ProcChange(box); });
  };
  for (QCheckBox* box : {static_cast<QCheckBox*>(FTopSubDirs), static_cast<QCheckBox*>(FSideSubDirs),
                         static_cast<QCheckBox*>(FMatchCase), static_cast<QCheckBox*>(FRegex),
                         static_cast<QCheckBox*>(FHidden), static_cast<QCheckBox*>(FOnlyText)})
    connectCheck(box);
  QObject::connect(FNameEdit, &QLineEdit::textChanged, FForm, [this] { ProcChange(FNameEdit); });
  if (FExtEdit != nullptr) QObject::connect(FExtEdit, &QLineEdit::textChanged, FForm, [this] { ProcChange(FExtEdit); });
}

void TDirSelectDialog::OnShow() {
  FShown = false;
  FTree->LoadBaseDirs();
  FTree->SetPath(SelectedDir);
  FPathEdit->setText(ToQString(SelectedDir));
  SelectedDirs = {SelectedDir};
  QObject::connect(FPathEdit, &QLineEdit::textChanged, FForm, [this] { ProcChange(FPathEdit); });
  FPathEdit->installEventFilter(
      new TEnterFilter(FPathEdit, [this] { SelectInDirTreeView(FromQString(FPathEdit->text())); }));
  FTree->OnSelectionChanged = [this](QObject*) { TreeSelectionChanged(); };
  FShown = true;
  FForm->setWindowTitle(ToQString(StrCaption));
  FTopSubDirs->setText(ToQString(StrSearchSubDirs));
  FSideSubDirs->setText(ToQString(StrSearchSubDirs));
  FHidden->setText(ToQString(StrIncludeHiddenFilesAndFolders));
  FOk->setText(ToQString(StrOk));
  FCancel->setText(ToQString(StrCancel));
  FFilterButton->setText(ToQString(
      StrFilter + (NumberOfFilters != 0 ? " (" + std::to_string(NumberOfFilters) + ")" : std::string("..."))));
  if (BiDiMode == Qt::RightToLeft) FForm->setLayoutDirection(Qt::RightToLeft);
  FPathEdit->setFocus();
}

void TDirSelectDialog::SetPathsFromText(const std::string& text) {
  if (MultiSelect && text.find(MultiSelectSeparator) != std::string::npos) {
    TStrArray parts;
    Explode(parts, std::string(1, MultiSelectSeparator), text);
    TStrArray kept;
    for (const auto& p : parts)
      if (!Trimmed(p).empty()) kept.push_back(p);
    SelectedDir = kept.empty() ? "" : kept.front();
    SelectedDirs = kept;
  } else {
    SelectedDir = text;
    SelectedDirs = {text};
  }
}

void TDirSelectDialog::ProcChange(QObject* sender) {
  if (sender == FPathEdit) {
    std::string text = FromQString(FPathEdit->text());
    if (text != FTree->GetPath()) SelectInDirTreeView(text);
    SetPathsFromText(text);
  } else if (sender == FExtEdit) {
    FilterExtensionCurrent = FromQString(FExtEdit->text());
  } else if (sender == FNameEdit) {
    FilterNameStr = FromQString(FNameEdit->text());
  } else if (sender == FTopSubDirs || sender == FSideSubDirs) {
    auto* box = static_cast<QCheckBox*>(sender);
    SearchSubDirs = box->isChecked();
    QCheckBox* other = sender == FTopSubDirs ? FSideSubDirs : FTopSubDirs;
    other->blockSignals(true);
    other->setChecked(SearchSubDirs);
    other->blockSignals(false);
  } else if (sender == FMatchCase) {
    FilterNameMatchCase = FMatchCase->isChecked();
  } else if (sender == FRegex) {
    FilterNameIsRegEx = FRegex->isChecked();
  } else if (sender == FOnlyText) {
    AddOnlyTextFiles = FOnlyText->isChecked();
  } else if (sender == FHidden) {
    AddHiddenFiles = FHidden->isChecked();
  } else if (sender == FExtPanel) {
    FilterExtensionCurrent = FExtPanel->GetCheckedStringValuesAsCSVString(",");
  } else if (sender == FTypePanel) {
    FilterFileType = FTypePanel->GetCheckedStringValuesAsCSVString(",");
  }
}

void TDirSelectDialog::SelectInDirTreeView(const std::string& text) {
  FTree->clearSelection();
  if (!MultiSelect || text.find(MultiSelectSeparator) == std::string::npos) {
    FTree->SetPath(text);
    return;
  }
  TStrArray parts;
  Explode(parts, std::string(1, MultiSelectSeparator), text);
  for (const auto& p : parts) FTree->SetPath(p);
}

void TDirSelectDialog::TreeSelectionChanged() {
  if (!FShown) return;
  std::string path = FTree->GetPath();
  std::string shown = path;
  TStrArray paths = FTree->GetSelectedPaths();
  if (MultiSelect) {
    shown.clear();
    for (size_t i = 0; i < paths.size(); ++i) shown += (i ? std::string(1, MultiSelectSeparator) : "") + paths[i];
  }
  if (shown != FromQString(FPathEdit->text()) && !FPathEdit->hasFocus()) {
    FPathEdit->blockSignals(true);
    FPathEdit->setText(ToQString(shown));
    FPathEdit->blockSignals(false);
    SelectedDir = path;
    SelectedDirs = MultiSelect ? paths : TStrArray{path};
  }
}

void TDirSelectDialog::FilterButtonClick() {
  FForm->resize(FForm->width() + (ShowFilterFileType ? 300 : 200), FForm->height());
  FTopSubDirs->hide();
  FSide->show();
  FFilterButton->hide();
}

TDirSelectDialogSpr::TDirSelectDialogSpr(bool fileSearch) : TDirSelectDialog(fileSearch) { SetLanguage(); }

void TDirSelectDialogSpr::SetLanguage() {
  if (SprResGlobalArr.empty()) return;
  StrCaption = SprText(FileSearchDialog ? 530 : 520);
  StrSearchSubDirs = SprText(282);
  StrOk = SprText(192);
  StrCancel = SprText(200);
  StrFilter = SprText(93);
  StrName = SprText(241);
  StrInterpretAsRegex = SprText(111);
  StrExtension = SprText(308);
  StrExtensionFilterDesc = SprText(95) + "\n" + SprText(97);
  StrOptionen = SprText(26);
  StrIncludeHiddenFilesAndFolders = SprText(357);
  StrFormat = SprText(304);
  StrMatchCase = SprText(108);
}
