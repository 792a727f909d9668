#include "settingspanels/qt/save_target_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/advanced_combo_box.h"
#include "controls/caption_panels.h"
#include "controls/multiline_check.h"
#include "foundation/paths.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/qt/text_measurer.h"

namespace {

constexpr int32_t kButtonGap = 1;
constexpr int32_t kRadioBottomSpacing = 1;
constexpr int32_t kCheckBoxTopSpacing = 1;
// The lists may grow narrower than their longest entry.
constexpr int32_t kMinimumListCharacters = 4;

// Writing into the panel's own controls must not look like the user's doing.
class TUpdating {
 public:
  explicit TUpdating(bool& flag) : FFlag(flag), FWas(flag) { FFlag = true; }
  ~TUpdating() { FFlag = FWas; }

 private:
  bool& FFlag;
  bool FWas;
};

}  // namespace

TSaveSettingsContainer::TSaveSettingsContainer(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  resize(150, 250);
  CreateControls();
}

TSaveSettingsContainer::~TSaveSettingsContainer() = default;

TRawPanel* TSaveSettingsContainer::CreateRow(TSaveTargetList list, bool withButton) {
  auto* row = new TRawPanel(this);
  row->SetAutoSize(true);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(0);

  auto* label = new QLabel(ToQString(Caption(list)), row);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignVCenter | Qt::AlignLeading);
  line->addWidget(label, 0, Qt::AlignVCenter);
  FLabelGaps[list] = new QSpacerItem(kLabelGap, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
  line->addSpacerItem(FLabelGaps[list]);

  auto* list_ = new TAdvancedComboBox(row);
  list_->SetDropDownCount(kSaveTargetDropDownCount);
  list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list_->setMinimumContentsLength(kMinimumListCharacters);
  list_->addItem(QString::fromLatin1(kSaveTargetKeep));
  list_->setCurrentIndex(0);
  line->addWidget(list_, 1);

  if (withButton) {
    line->addSpacing(kButtonGap);
    FFolderButton = new QToolButton(row);
    FFolderButton->setText(QStringLiteral("..."));
    FFolderButton->setAutoRaise(true);
    FFolderButton->setFocusPolicy(Qt::TabFocus);
    line->addWidget(FFolderButton);
  }
  FLabels[list] = label;
  FComboBoxes[list] = list_;
  return row;
}

void TSaveSettingsContainer::CreateControls() {
  FColumnLayout = new QVBoxLayout(this);
  FColumnLayout->setContentsMargins(0, 0, 0, 0);
  FColumnLayout->setSpacing(0);

  FRadioOverwrite = new TRadioButtonML(QStringLiteral("Overwrite File"), this);
  FRadioSaveAsNew = new TRadioButtonML(QStringLiteral("Save as new File"), this);
  FRadioSaveAsNew->setChecked(true);
  AddToColumn(FRadioOverwrite, 0, kRadioBottomSpacing);
  AddToColumn(FRadioSaveAsNew, 0, kRadioBottomSpacing);

  FRows[stlFolder] = CreateRow(stlFolder, true);
  FRows[stlName] = CreateRow(stlName, false);
  FRows[stlFormat] = CreateRow(stlFormat, false);
  for (TSaveTargetList list : {stlFolder, stlName, stlFormat}) AddToColumn(FRows[list], 0, 0);

  const std::pair<TSaveTargetOption, const char*> checks[] = {
      {stoSaveOnlyInCaseOfChange, "Save only in case of a Change"},
      {stoKeepDateOfOriginalFile, "Keep Date of original File"},
      {stoDeleteOriginalFile, "Delete original File"},
      {stoOpenFileAfterCreating, "Open File after creating"},
  };
  for (const auto& [option, caption] : checks) {
    FCheckBoxes[option] = new TCheckBoxML(QString::fromLatin1(caption), this);
    AddToColumn(FCheckBoxes[option], kCheckBoxTopSpacing, 0);
  }
  FBelowLast = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
  FColumnLayout->addSpacerItem(FBelowLast);
  FColumnLayout->addStretch(1);

  FComboBoxes[stlFolder]->OnChange = [this](QObject* sender) { ProcComboBoxFolderChange(sender); };
  FComboBoxes[stlName]->OnChange = [this](QObject* sender) { ProcComboBoxNameChange(sender); };
  FComboBoxes[stlFormat]->OnChange = [this](QObject* sender) { ProcComboBoxFormatChange(sender); };
  connect(FCheckBoxes[stoDeleteOriginalFile], &QCheckBox::toggled, this,
          [this] { ProcCheckBoxDeleteOriginalFileChange(FCheckBoxes[stoDeleteOriginalFile]); });
  connect(FCheckBoxes[stoOpenFileAfterCreating], &QCheckBox::toggled, this,
          [this] { ProcCheckBoxOpenFileAfterCreatingChange(FCheckBoxes[stoOpenFileAfterCreating]); });
  connect(FCheckBoxes[stoSaveOnlyInCaseOfChange], &QCheckBox::toggled, this,
          [this] { ProcCheckBoxSaveOnlyInCaseOfChangeChange(FCheckBoxes[stoSaveOnlyInCaseOfChange]); });
  connect(FCheckBoxes[stoKeepDateOfOriginalFile], &QCheckBox::toggled, this,
          [this] { ProcCheckBoxKeepDateOfOriginalFileChange(FCheckBoxes[stoKeepDateOfOriginalFile]); });
  for (TRadioButtonML* radio : {FRadioOverwrite, FRadioSaveAsNew})
    connect(radio, &QRadioButton::toggled, this, [this, radio] { ProcRadioButtonOverwriteFileChange(radio); });

  IndentControls();
  AdjustControlSpacings();
}

// --- Layout ------------------------------------------------------------------------

void TSaveSettingsContainer::AddToColumn(QWidget* child, int32_t top, int32_t bottom) {
  TColumnEntry entry;
  entry.Child = child;
  entry.Top = top;
  entry.Bottom = bottom;
  entry.Above = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
  FColumnLayout->addSpacerItem(entry.Above);
  FColumnLayout->addWidget(child);
  FColumn.push_back(entry);
}

void TSaveSettingsContainer::SetSpacing(QWidget* child, int32_t top, int32_t bottom) {
  for (TColumnEntry& entry : FColumn)
    if (entry.Child == child) {
      entry.Top = top;
      entry.Bottom = bottom;
    }
}

int32_t TSaveSettingsContainer::TopSpacing(QWidget* child) const {
  for (const TColumnEntry& entry : FColumn)
    if (entry.Child == child) return entry.Top;
  return 0;
}

int32_t TSaveSettingsContainer::BottomSpacing(QWidget* child) const {
  for (const TColumnEntry& entry : FColumn)
    if (entry.Child == child) return entry.Bottom;
  return 0;
}

void TSaveSettingsContainer::ApplySpacings() {
  const TColumnEntry* above = nullptr;
  for (TColumnEntry& entry : FColumn) {
    if (entry.Child->isHidden()) {
      entry.Above->changeSize(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
      continue;
    }
    const int32_t gap = above ? std::max(above->Bottom, entry.Top) : entry.Top;
    entry.Above->changeSize(0, gap, QSizePolicy::Minimum, QSizePolicy::Fixed);
    above = &entry;
  }
  FBelowLast->changeSize(0, above ? above->Bottom : 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
  FColumnLayout->invalidate();
}

void TSaveSettingsContainer::IndentControls() {
  FIndent = ShowOverwriteFile() ? GetWidthForFont(font(), "wo") : 0;
  const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
  // Qt mirrors the order of a row's children itself, but not its margins.
  const int32_t left = rightToLeft ? 0 : FIndent;
  const int32_t right = rightToLeft ? FIndent : 0;
  // A label draws a little beyond the text's advance; its own size hint
  // counts too, so that the three lists start in one line.
  int32_t labelWidth = 0;
  for (TSaveTargetList list : {stlFormat, stlName, stlFolder}) {
    labelWidth = std::max(labelWidth, GetWidthForFont(font(), Caption(list)));
    FLabels[list]->setMinimumWidth(0);
    labelWidth = std::max(labelWidth, FLabels[list]->sizeHint().width());
  }
  for (int32_t i = 0; i < kSaveTargetListCount; ++i) {
    FRows[i]->layout()->setContentsMargins(left, 0, right, 0);
    FLabels[i]->setMinimumWidth(labelWidth);
    // Neighbours stand apart by the larger of their two spacings.
    FLabelGaps[i]->changeSize(std::max(kLabelGap, FIndent), 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    FRows[i]->layout()->invalidate();
  }
}

void TSaveSettingsContainer::AdjustControlSpacings() {
  if (ShowOverwriteFile())
    SetSpacing(FRows[stlFolder], VerticalControlDistanceLarge, VerticalControlDistanceLarge);
  else
    SetSpacing(FRows[stlFolder], TopSpacing(FRows[stlFolder]), VerticalControlDistanceSmall);
  SetSpacing(FRows[stlName], VerticalControlDistanceLarge, VerticalControlDistanceSmall);
  SetSpacing(FRows[stlFormat], VerticalControlDistanceLarge, VerticalControlDistanceSmall);
  bool anyCheckBox = false;
  for (TCheckBoxML* box : FCheckBoxes)
    if (box && !box->isHidden()) anyCheckBox = true;
  if (anyCheckBox) SetSpacing(FRows[stlFormat], VerticalControlDistanceLarge, VerticalControlDistanceLarge);
  ApplySpacings();
}

void TSaveSettingsContainer::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LayoutDirectionChange) {
    for (TAdvancedComboBox* list : FComboBoxes)
      if (list->lineEdit()) list->lineEdit()->deselect();
    IndentControls();
    update();
  } else if (e->type() == QEvent::FontChange) {
    IndentControls();
  }
}

// --- Values shown ---------------------------------------------------------------------

void TSaveSettingsContainer::ShowListText(TSaveTargetList list, const std::string& text) {
  const TUpdating updating(FUpdating);
  TAdvancedComboBox* box = FComboBoxes[list];
  if (box->isEditable()) {
    box->SetText(text);
    return;
  }
  // A list that offers only its entries shows the entry of that value.
  const QSignalBlocker quiet(box);
  int32_t index = box->findText(ToQString(text), Qt::MatchExactly);
  for (int32_t i = 0; index < 0 && i < box->count(); ++i)
    if (FileFormatExtensionOfText(FromQString(box->itemText(i))) == text) index = i;
  if (index >= 0) box->setCurrentIndex(index);
}

void TSaveSettingsContainer::ShowOptionChecked(TSaveTargetOption option, bool checked) {
  const TUpdating updating(FUpdating);
  if (option == stoOverwriteFile)
    (checked ? FRadioOverwrite : FRadioSaveAsNew)->setChecked(true);
  else
    FCheckBoxes[option]->setChecked(checked);
}

void TSaveSettingsContainer::ShowOptionControl(TSaveTargetOption option, bool visible) {
  if (option == stoOverwriteFile) {
    FRadioOverwrite->setVisible(visible);
    FRadioSaveAsNew->setVisible(visible);
    IndentControls();
  } else {
    FCheckBoxes[option]->setVisible(visible);
  }
  AdjustControlSpacings();
}

void TSaveSettingsContainer::ShowAllowCustomFormat(bool allow) {
  const TUpdating updating(FUpdating);
  FComboBoxes[stlFormat]->SetEditable(allow);
}

void TSaveSettingsContainer::ShowCaption(TSaveTargetList list, const std::string& text) {
  FLabels[list]->setText(ToQString(text));
}

void TSaveSettingsContainer::FillLists(const TSaveTargetProfileLists& lists) {
  const TUpdating updating(FUpdating);
  FComboBoxes[stlFormat]->SetDropDownCount(lists.FormatDropDownCount);
  for (int32_t i = 0; i < kSaveTargetListCount; ++i) {
    TAdvancedComboBox* box = FComboBoxes[i];
    const TSaveTargetListFill& fill = lists.Lists[i];
    const QSignalBlocker quiet(box);
    const QString shown = box->currentText();
    box->clear();
    for (const std::string& item : fill.Items) box->addItem(ToQString(item));
    if (fill.ItemIndex >= 0 && fill.ItemIndex < box->count())
      box->setCurrentIndex(fill.ItemIndex);
    else if (box->isEditable())
      box->setEditText(shown);
  }
}

int32_t TSaveSettingsContainer::SelectedIndex(TSaveTargetList list) const {
  const TAdvancedComboBox* box = FComboBoxes[list];
  const int32_t index = box->currentIndex();
  if (index < 0) return -1;
  return box->itemText(index) == box->currentText() ? index : -1;
}

// --- What the user does -----------------------------------------------------------------

void TSaveSettingsContainer::ProcComboBoxFolderChange(QObject*) {
  if (!FUpdating) ListTextChanged(stlFolder, FComboBoxes[stlFolder]->Text());
}

void TSaveSettingsContainer::ProcComboBoxNameChange(QObject*) {
  if (!FUpdating) ListTextChanged(stlName, FComboBoxes[stlName]->Text());
}

void TSaveSettingsContainer::ProcComboBoxFormatChange(QObject*) {
  if (!FUpdating) ListTextChanged(stlFormat, FComboBoxes[stlFormat]->Text());
}

void TSaveSettingsContainer::ProcCheckBoxDeleteOriginalFileChange(QObject*) {
  if (!FUpdating) OptionChanged(stoDeleteOriginalFile, FCheckBoxes[stoDeleteOriginalFile]->isChecked());
}

void TSaveSettingsContainer::ProcCheckBoxOpenFileAfterCreatingChange(QObject*) {
  if (!FUpdating) OptionChanged(stoOpenFileAfterCreating, FCheckBoxes[stoOpenFileAfterCreating]->isChecked());
}

void TSaveSettingsContainer::ProcCheckBoxSaveOnlyInCaseOfChangeChange(QObject*) {
  if (!FUpdating) OptionChanged(stoSaveOnlyInCaseOfChange, FCheckBoxes[stoSaveOnlyInCaseOfChange]->isChecked());
}

void TSaveSettingsContainer::ProcCheckBoxKeepDateOfOriginalFileChange(QObject*) {
  if (!FUpdating) OptionChanged(stoKeepDateOfOriginalFile, FCheckBoxes[stoKeepDateOfOriginalFile]->isChecked());
}

void TSaveSettingsContainer::ProcRadioButtonOverwriteFileChange(QObject*) {
  if (!FUpdating) OptionChanged(stoOverwriteFile, FRadioOverwrite->isChecked());
}
