#include "settingspanels/qt/settings_container.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>

#include "controls/advanced_combo_box.h"
#include "controls/caption_panels.h"
#include "controls/column_labels.h"
#include "controls/edit_with_button.h"
#include "controls/encoding_pickers.h"
#include "controls/id_combo_box.h"
#include "controls/list_box.h"
#include "controls/list_view.h"
#include "controls/multiline_check.h"
#include "controls/padding_button.h"
#include "controls/value_pickers.h"
#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/str_transform.h"
#include "frame/qt/html_panel.h"
#include "frame/qt/widget_tags.h"
#include "settingspanels/qt/settings_container_dialogs.h"

namespace {

constexpr int32_t kRightSpacing = 8;
constexpr int32_t kBottomSpacing = 3;
constexpr int32_t kEndOfTabSpacing = 6;
constexpr int32_t kEndOfTabSpacingMemo = 4;
constexpr int32_t kMemoDefaultHeight = 100;
constexpr int32_t kListViewHeight = 120;

// Element i of a parameter array, 0 when it is missing.
int32_t Param(const TIntArray& values, size_t i) { return i < values.size() ? values[i] : 0; }

std::string Literal(const std::string& caption) { return StringReplaceFast(caption, "&", "&&"); }

QLabel* WrappingLabel(const std::string& caption, QWidget* parent) {
  auto* label = new QLabel(ToQString(caption), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  // Leading, not left: the text starts at the right in right-to-left languages.
  label->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
  return label;
}

// A radio that shows a value no neighbour gave it: unchecking an exclusive
// radio is refused by Qt, so exclusivity pauses meanwhile.
void SetRadioChecked(QRadioButton* radio, bool checked) {
  if (radio->isChecked() == checked) return;
  QButtonGroup* group = radio->group();
  const bool groupExclusive = group && group->exclusive();
  const bool autoExclusive = radio->autoExclusive();
  if (!checked) {
    if (groupExclusive) group->setExclusive(false);
    radio->setAutoExclusive(false);
  }
  radio->setChecked(checked);
  if (groupExclusive) group->setExclusive(true);
  radio->setAutoExclusive(autoExclusive);
}

}  // namespace

TSettingsContainer::TSettingsContainer(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  resize(150, 300);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  FScrollBox = new TScrollBox(this);
  FScrollBox->setFrameShape(QFrame::NoFrame);
  FScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FScrollBox->verticalScrollBar()->setTracking(true);
  FScrollBox->setWidgetResizable(true);
  FScrollContent = new QWidget;
  auto* content = new QVBoxLayout(FScrollContent);
  content->setContentsMargins(0, 0, 0, 0);
  content->setSpacing(2);
  content->addStretch(1);
  FScrollBox->setWidget(FScrollContent);
  column->addWidget(FScrollBox);
  InitializeStandardSettings();
}

TSettingsContainer::~TSettingsContainer() = default;

// --- Building --------------------------------------------------------------------

QVBoxLayout* TSettingsContainer::Column(QWidget* parent) {
  if (auto* existing = qobject_cast<QVBoxLayout*>(parent->layout())) return existing;
  auto* column = new QVBoxLayout(parent);
  column->setContentsMargins(FIndent, 0, kRightSpacing, 0);
  column->setSpacing(0);
  return column;
}

QSpacerItem* TSettingsContainer::Place(QWidget* parent, QWidget* control, int32_t top, int32_t bottom) {
  QVBoxLayout* column = Column(parent);
  TPlacement& at = FPlacements[parent];
  QSpacerItem* above = at.LastSpacer;
  if (above) {
    above->changeSize(0, std::max(at.LastBottom, top), QSizePolicy::Minimum, QSizePolicy::Fixed);
  } else {
    above = new QSpacerItem(0, top, QSizePolicy::Minimum, QSizePolicy::Fixed);
    column->addSpacerItem(above);
  }
  column->addWidget(control);
  at.LastSpacer = new QSpacerItem(0, bottom, QSizePolicy::Minimum, QSizePolicy::Fixed);
  column->addSpacerItem(at.LastSpacer);
  at.LastBottom = bottom;
  return above;
}

int32_t TSettingsContainer::TopSpacing(int32_t index) const { return ControlRecords[index].SpaceAbove ? 11 : 3; }

void TSettingsContainer::BindWheel(QWidget* control) {
  FWheelControls.insert(control);
  control->installEventFilter(this);
}

void TSettingsContainer::SetControls(int32_t index, QWidget* control, QWidget* captionControl) {
  FControls[index].Control = control;
  FControls[index].CaptionControl = captionControl;
  if (control) SetTag(control, index);
  if (captionControl) SetTag(captionControl, index);
}

QWidget* TSettingsContainer::CaptionLabel(int32_t index, QWidget* parent) {
  QLabel* label = WrappingLabel(ControlRecords[index].Caption, parent);
  Place(parent, label, TopSpacing(index));
  BindWheel(label);
  return label;
}

void TSettingsContainer::PlaceValueControl(int32_t index, QWidget* parent, QWidget* control, bool captionAbove,
                                           int32_t top) {
  QWidget* caption = captionAbove ? CaptionLabel(index, parent) : nullptr;
  Place(parent, control, captionAbove ? 3 : top);
  SetControls(index, control, caption);
  BindChange(control, index);
}

void TSettingsContainer::BindChange(QWidget* control, int32_t index) {
  auto change = [this](QObject* sender) { ProcCustomControlChange(sender); };
  const int32_t kind = ControlRecords[index].Kind;
  if (auto* edit = qobject_cast<QLineEdit*>(control);
      edit && kind != sckDateTimeEdit && kind != sckDateTimeEditTextTop) {
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { ProcCustomControlChange(edit); });
  } else if (auto* memo = qobject_cast<TAdvancedMemo*>(control)) {
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] { ProcCustomControlChange(memo); });
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    connect(button, &QAbstractButton::toggled, this, [this, button] { ProcCustomControlChange(button); });
  } else if (auto* panel = qobject_cast<TCheckPanel*>(control)) {
    panel->OnChange = change;
  } else if (auto* ids = qobject_cast<TIDComboBox*>(control)) {
    ids->OnChange = change;
  } else if (auto* texts = qobject_cast<TAdvancedComboBox*>(control)) {
    texts->OnChange = change;
  } else if (auto* picker = qobject_cast<TPickerComboBox*>(control)) {
    picker->OnChange = change;
  } else if (auto* codePage = qobject_cast<TCodePageComboBox*>(control)) {
    codePage->OnChange = change;
  } else if (auto* lineBreak = qobject_cast<TLineBreakComboBox*>(control)) {
    lineBreak->OnChange = change;
  } else if (auto* withEdit = qobject_cast<TIDComboBoxWithEdit*>(control)) {
    withEdit->OnChange = change;
  } else if (auto* date = qobject_cast<TDateTimeEdit*>(control)) {
    date->OnChange = change;
    date->OnEditingDone = change;
  } else if (auto* folder = qobject_cast<TEditWithButton*>(control)) {
    folder->OnChange = change;
  }
}

void TSettingsContainer::SetUpMemo(TAdvancedMemo* memo) const {
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  if (!FontMemoMonospace) return;
  QFont font = memo->font();
  if (!FontMonospaceName.empty()) font.setFamily(ToQString(FontMonospaceName));
  if (FontMonospaceSize > 0) font.setPointSize(FontMonospaceSize);
  memo->setFont(font);
}

void TSettingsContainer::BuildTab(int32_t index) {
  const TSettingsContainerTab& t = Tabs[index];
  TSettingsContainerTabWidgets& w = FTabWidgets[index];
  const bool inSection = t.SectionIndex >= 0 && FTabWidgets[t.SectionIndex].ContentPanel;
  QWidget* host = inSection ? FTabWidgets[t.SectionIndex].ContentPanel.data() : FScrollContent;

  auto* frame = new QWidget(host);
  auto* column = new QVBoxLayout(frame);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* header = new TRawPanel(frame);
  header->setAutoFillBackground(true);
  header->setBackgroundRole(t.Level == 1 ? QPalette::Mid : QPalette::Button);
  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(6, 4, 6, 4);
  row->setSpacing(6);
  QWidget* headerControl = nullptr;
  if (t.TabType == scTabTypeCheckBox) {
    auto* box = new TCheckBoxML(header);
    box->SetCaption(ToQString(Literal(t.ShownCaption)));
    connect(box, &QCheckBox::toggled, this, [this, index](bool checked) { TabCheckBoxToggled(index, checked); });
    headerControl = box;
  } else {
    QLabel* label = WrappingLabel(t.ShownCaption, header);
    if (t.Level == 1) {
      QFont bold = label->font();
      bold.setBold(true);
      label->setFont(bold);
    }
    headerControl = label;
  }
  row->addWidget(headerControl, 1, Qt::AlignVCenter);
  QWidget* openControl = nullptr;
  if (t.TabType == scTabTypeCheckBox && t.ShowOptionButton) {
    auto* button = new TPaddingButton(ToQString(StrCaptionOptionButtons()), header);
    connect(button, &QPushButton::clicked, this, [this, index] { TabHeaderClicked(index); });
    openControl = button;
  } else {
    auto* marker = new TImageCheckBox(header);
    marker->SetIconSize(10);
    marker->SetAutoSize(true);
    marker->OnChange = [this, index, marker](QObject*) {
      if (Tabs[index].TabOpen != marker->Checked()) OpenTab(index, marker->Checked());
    };
    openControl = marker;
  }
  row->addWidget(openControl, 0, Qt::AlignVCenter);
  header->OnClick = [this, index](QObject*) { TabHeaderClicked(index); };
  column->addWidget(header);

  auto* content = new QWidget(frame);
  if (t.Level != 1) {
    // Colours are stored with red in the low byte.
    const TGraphicsColor c = t.ColorContentBackground;
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    content->setPalette(palette);
    content->setAutoFillBackground(true);
  }
  auto* contentColumn = new QVBoxLayout(content);
  // A section's tabs stand a little in from its head; controls take the indent.
  contentColumn->setContentsMargins(t.Level == 1 ? 8 : FIndent, 0, t.Level == 1 ? 0 : kRightSpacing, 0);
  contentColumn->setSpacing(t.Level == 1 ? 2 : 0);
  column->addWidget(content);

  auto* hostColumn = qobject_cast<QVBoxLayout*>(host->layout());
  if (host == FScrollContent)
    hostColumn->insertWidget(hostColumn->count() - 1, frame);  // above the closing stretch
  else
    hostColumn->addWidget(frame);
  w.Frame = frame;
  w.HeaderPanel = header;
  w.ContentPanel = content;
  w.HeaderControl = headerControl;
  w.OpenControl = openControl;
  BindWheel(header);
}

void TSettingsContainer::Initialize() {
  if (Initialized) return;
  FIndent = fontMetrics().horizontalAdvance(QStringLiteral("ww")) - 2;
  FControls.assign(ControlRecords.size(), {});
  FTabWidgets.assign(Tabs.size(), {});
  for (int32_t tab = 0; tab < GetTabCount(); ++tab) BuildTab(tab);

  for (int32_t tab = 0; tab < GetTabCount(); ++tab) {
    QWidget* content = FTabWidgets[tab].ContentPanel;
    QWidget* parent = content;
    int32_t lastLevel = scParentTab;
    int32_t lastPlaced = -1;
    FLastButtonRow = nullptr;
    for (int32_t i = 0; IsRecordIndex(i); ++i) {
      const TSettingsContainerControl& r = ControlRecords[i];
      if (r.TabIndex != tab || !r.Used) continue;
      if (r.ParentLevel != lastLevel) {
        QWidget* previous = i > 0 ? FControls[i - 1].Control.data() : nullptr;
        if (r.ParentLevel == scParentTab) {
          parent = content;
        } else if (r.ParentLevel == scParentCheckPanel && i > 0 && ControlRecords[i - 1].Kind == sckCheckPanel) {
          if (auto* panel = qobject_cast<TCheckPanel*>(previous)) parent = panel->GetContentPanel();
        } else if (r.ParentLevel == scParentCollapsiblePanel && i > 0 &&
                   ControlRecords[i - 1].Kind == sckCollapsiblePanel) {
          if (auto* panel = qobject_cast<TCollapsiblePanel*>(previous)) parent = panel->GetContentPanel();
        }
      }
      lastLevel = r.ParentLevel;
      BuildControl(i, parent);
      if (FControls[i].Control && parent == content) lastPlaced = i;
    }
    // The last control of a tab keeps some room below it.
    TPlacement& at = FPlacements[content];
    if (at.LastSpacer) {
      const int32_t kind = lastPlaced >= 0 ? ControlRecords[lastPlaced].Kind : -1;
      const bool memo = kind == sckMemo || kind == sckMemoTextTop;
      at.LastSpacer->changeSize(0, memo ? kEndOfTabSpacingMemo : kEndOfTabSpacing, QSizePolicy::Minimum,
                                QSizePolicy::Fixed);
    }
  }
  FPlacements.clear();
  FLastButtonRow = nullptr;
  FLastButtonRowSpacer = nullptr;
  Initialized = true;
  for (int32_t tab = 0; tab < GetTabCount(); ++tab) ApplyTabState(tab);
  if (!ActionListWrappers.empty()) LoadActionLists();
  UpdateControlValuesInGUI();
}

void TSettingsContainer::BuildControl(int32_t index, QWidget* parent) {
  TSettingsContainerControl& r = ControlRecords[index];
  const int32_t top = TopSpacing(index);
  switch (r.Kind) {
    case sckLabelHeading:
    case sckLabel: {
      QLabel* label = WrappingLabel(r.Caption, parent);
      Place(parent, label, top);
      BindWheel(label);
      SetControls(index, label, label);
      break;
    }
    case sckColumnLabel: {
      auto* label = new TColumnLabel(parent);
      label->SetCaption(r.Caption);
      Place(parent, label, top);
      BindWheel(label);
      SetControls(index, label, label);
      break;
    }
    case sckHTMLPanel: {
      auto* panel = new THTMLPanel(parent);
      panel->SetLinkColor(ColorLinks);
      panel->URLAppendix = URLAppendix;
      panel->URLAppendixForURLPart = URLAppendixForURLPart;
      panel->AutoCreateLinks = true;
      panel->AutoCreateLineBreaks = true;
      panel->SetAutoSize(true);
      panel->SetHTML(r.Caption);
      panel->OnLinkClick = [this](QObject* sender, int32_t link) { ProcHTMLPanelLinkClick(sender, link); };
      Place(parent, panel, top);
      BindWheel(panel);
      SetControls(index, panel, panel);
      break;
    }
    case sckCheckPanel: {
      auto* panel = new TCheckPanel(parent);
      panel->SetOpen(false);
      panel->SetCaption(r.Caption);
      Column(panel->GetContentPanel())->setContentsMargins(FIndent, 3, kRightSpacing, 0);
      Place(parent, panel, top);
      BindWheel(panel);
      SetControls(index, panel, panel);
      BindChange(panel, index);
      break;
    }
    case sckCollapsiblePanel: {
      auto* panel = new TCollapsiblePanel(parent);
      panel->SetOpen(false);
      panel->SetCaptionBold(false);
      panel->SetCaption(r.Caption);
      Column(panel->GetContentPanel())->setContentsMargins(FIndent, 3, kRightSpacing, 0);
      Place(parent, panel, top);
      BindWheel(panel);
      SetControls(index, panel, panel);
      break;
    }
    case sckEdit:
    case sckEditTextTop:
      PlaceValueControl(index, parent, new QLineEdit(parent), r.Kind == sckEditTextTop, top);
      BindWheel(GetControlRef(index));
      break;
    case sckEditMultiLabel: {
      auto* multi = new TMultiLabel(parent);
      multi->SetCaptionLeft(r.Caption);
      multi->SetCaptionCenter("");
      multi->SetCaptionRight("");
      multi->SetWordWrapLeft(mwtDotsRightAndHideOthers);
      Place(parent, multi, top);
      BindWheel(multi);
      auto* edit = new QLineEdit(parent);
      PlaceValueControl(index, parent, edit, false, 3);
      BindWheel(edit);
      FControls[index].CaptionControl = multi;
      SetTag(multi, index);
      break;
    }
    case sckEditTextRight: {
      auto* row = new TRawPanel(parent);
      row->SetAutoSize(true);
      auto* line = new QHBoxLayout(row);
      line->setContentsMargins(0, 0, 0, 0);
      auto* edit = new QLineEdit(row);
      edit->setFixedWidth(50);
      QLabel* label = WrappingLabel(r.Caption, row);
      line->addWidget(edit, 0, Qt::AlignVCenter);
      line->addWidget(label, 1, Qt::AlignVCenter);
      Place(parent, row, top);
      for (QWidget* w : {static_cast<QWidget*>(row), static_cast<QWidget*>(edit), static_cast<QWidget*>(label)})
        BindWheel(w);
      SetControls(index, edit, label);
      BindChange(edit, index);
      break;
    }
    case sckButton: {
      auto* button = new TPaddingButton(ToQString(r.Caption));
      const bool joins = index > 0 && ControlRecords[index - 1].Kind == sckButton && FLastButtonRow &&
                         FLastButtonRow->parentWidget() == parent;
      if (joins) {
        auto* line = static_cast<QHBoxLayout*>(FLastButtonRow->layout());
        line->insertSpacing(line->count() - 1, 4);
        line->insertWidget(line->count() - 1, button);
        // A row of several buttons stands 4 pixels below what is above it.
        if (FLastButtonRowSpacer) {
          FLastButtonRowSpacer->changeSize(0, 4, QSizePolicy::Minimum, QSizePolicy::Fixed);
          FLastButtonRow->parentWidget()->layout()->invalidate();
        }
      } else {
        auto* row = new TRawPanel(parent);
        row->SetAutoSize(true);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 2);
        line->setSpacing(0);
        line->addWidget(button);
        line->addStretch(1);
        FLastButtonRowSpacer = Place(parent, row, top);
        BindWheel(row);
        FLastButtonRow = row;
      }
      connect(button, &QPushButton::clicked, this, [this, button] { ProcButtonClick(button); });
      BindWheel(button);
      SetControls(index, button, button);
      break;
    }
    case sckMemo:
    case sckMemoTextTop: {
      QWidget* caption = r.Kind == sckMemoTextTop ? CaptionLabel(index, parent) : nullptr;
      auto* panel = new TExpandablePanel(parent);
      const int32_t height = r.IntArrayValue.empty() ? kMemoDefaultHeight : r.IntArrayValue[0];
      panel->setFixedHeight(std::max(1, height));
      panel->ConstraintsMinHeight = std::max(35, height / 2);
      panel->SetShowButtonPlus(true);
      panel->ResizeAreaBottom = 11;
      auto* fill = new QVBoxLayout(panel);
      fill->setContentsMargins(0, 0, 0, 11);
      auto* memo = new TAdvancedMemo(panel);
      SetUpMemo(memo);
      fill->addWidget(memo);
      SetTag(panel, index);
      panel->OnButtonPlusClick = [this](QObject* sender) { ProcMemoButtonPlusClick(sender); };
      Place(parent, panel, r.Kind == sckMemo ? top : 3, 0);
      SetControls(index, memo, caption);
      BindChange(memo, index);
      break;
    }
    case sckCheckBox: {
      auto* box = new TCheckBoxML(parent);
      box->SetCaption(ToQString(r.Caption));
      Place(parent, box, top);
      BindWheel(box);
      SetControls(index, box, box);
      BindChange(box, index);
      break;
    }
    case sckRadioButton:
    case sckRadioButtonGroupItem: {
      auto* radio = new TRadioButtonML(parent);
      radio->SetCaption(ToQString(r.Caption));
      if (r.Kind == sckRadioButtonGroupItem) {
        // Each group is exclusive on its own, whatever stands beside it.
        QButtonGroup*& group = FRadioGroups[r.LinkIndex];
        if (!group) group = new QButtonGroup(this);
        group->addButton(radio);
      }
      Place(parent, radio, top);
      BindWheel(radio);
      SetControls(index, radio, radio);
      BindChange(radio, index);
      break;
    }
    case sckRadioButtonGroup:
      if (r.CaptionTextSlot >= 0) SetControls(index, nullptr, CaptionLabel(index, parent));
      break;
    case sckIDComboBox:
    case sckIDComboBoxTextTop: {
      auto* box = new TIDComboBox(parent);
      box->setMaxVisibleItems(26);
      box->SetAllowEditing(r.AllowEditing);
      PlaceValueControl(index, parent, box, r.Kind == sckIDComboBoxTextTop, top);
      RefreshComboBoxItems(index);
      break;
    }
    case sckComboBoxTextTop: {
      auto* box = new TAdvancedComboBox(parent);
      box->SetDropDownCount(15);
      PlaceValueControl(index, parent, box, true, 3);
      RefreshComboBoxItems(index);
      break;
    }
    case sckNumberComboBox:
    case sckNumberComboBoxTextTop: {
      auto* box = new TNumberComboBox(parent);
      const int32_t low = Param(r.IntArrayValue, 0), high = Param(r.IntArrayValue, 1);
      // The picker refuses a bound that passes the other one, so widen first.
      if (low > box->ValueMax()) box->SetValueMax(high);
      box->SetValueMin(low);
      box->SetValueMax(high);
      box->SetValueInterval(Param(r.IntArrayValue, 2));
      box->SetAllowEditing(r.AllowEditing);
      PlaceValueControl(index, parent, box, r.Kind == sckNumberComboBoxTextTop, 3);
      break;
    }
    case sckFileFormatComboBox:
    case sckFileFormatComboBoxTextTop: {
      auto* box = new TFileFormatComboBox(parent);
      box->SetProfileFromInt(r.Param);
      PlaceValueControl(index, parent, box, r.Kind == sckFileFormatComboBoxTextTop, 3);
      break;
    }
    case sckAlignmentComboBox: PlaceValueControl(index, parent, new TAlignmentComboBox(parent), true, 3); break;
    case sckSizeTypeComboBox: PlaceValueControl(index, parent, new TSizeTypeComboBox(parent), true, 3); break;
    case sckCodePageComboBox: {
      auto* box = new TCodePageComboBox(parent);
      box->ShowItems(Param(r.IntArrayValue, 0) == 1, Param(r.IntArrayValue, 1) == 1);
      box->SetCodePage(r.DefaultIntValue);
      PlaceValueControl(index, parent, box, true, 3);
      break;
    }
    case sckLineBreakComboBox: {
      auto* box = new TLineBreakComboBox(parent);
      box->ShowItems(Param(r.IntArrayValue, 0) == 1, Param(r.IntArrayValue, 1) == 1, Param(r.IntArrayValue, 2) == 1,
                     Param(r.IntArrayValue, 3) == 1);
      box->SetLineBreak(r.DefaultIntValue);
      PlaceValueControl(index, parent, box, true, 3);
      break;
    }
    case sckAdvancedLineBreakComboBox: {
      auto* box = new TAdvancedLineBreakComboBox(parent);
      TAdvancedLineBreakItems items;
      bool TAdvancedLineBreakItems::*switches[] = {
          &TAdvancedLineBreakItems::ShowItemAutoDetect,      &TAdvancedLineBreakItems::ShowItemKeep,
          &TAdvancedLineBreakItems::ShowItemSystem,          &TAdvancedLineBreakItems::ShowItemsStandard,
          &TAdvancedLineBreakItems::ShowItemsExtended,       &TAdvancedLineBreakItems::ShowItemTab,
          &TAdvancedLineBreakItems::ShowItemCustomStr,       &TAdvancedLineBreakItems::ShowItemCustomStrs,
          &TAdvancedLineBreakItems::ShowItemCustomCP,        &TAdvancedLineBreakItems::ShowItemCustomCPs,
          &TAdvancedLineBreakItems::ShowItemFixedLineLength, &TAdvancedLineBreakItems::ShowItemNoChar};
      for (size_t k = 0; k < std::size(switches); ++k) items.*switches[k] = Param(r.IntArrayValue, k) == 1;
      box->ShowItems(items);
      box->SetSelectedStrId(r.DefaultStrValue);
      PlaceValueControl(index, parent, box, true, 3);
      break;
    }
    case sckCSVParamComboBox: {
      auto* box = new TCSVParamComboBox(parent);
      TCSVParamItems items;
      bool TCSVParamItems::*switches[] = {&TCSVParamItems::ShowItemAutoDetect,
                                          &TCSVParamItems::ShowItemKeep,
                                          &TCSVParamItems::ShowItemFieldSeparatorSystem,
                                          &TCSVParamItems::ShowItemsFieldSeparators,
                                          &TCSVParamItems::ShowItemsQuotes,
                                          &TCSVParamItems::ShowItemCustomStr,
                                          &TCSVParamItems::ShowItemCustomStrs,
                                          &TCSVParamItems::ShowItemCustomCP,
                                          &TCSVParamItems::ShowItemCustomCPs,
                                          &TCSVParamItems::ShowItemFixedLength,
                                          &TCSVParamItems::ShowItemNoChar};
      for (size_t k = 0; k < std::size(switches); ++k) items.*switches[k] = Param(r.IntArrayValue, k) == 1;
      box->ShowItems(items);
      box->SetSelectedStrId(r.DefaultStrValue);
      PlaceValueControl(index, parent, box, true, 3);
      break;
    }
    case sckDateTimeEdit:
    case sckDateTimeEditTextTop: {
      auto* edit = new TDateTimeEdit(parent);
      PlaceValueControl(index, parent, edit, r.Kind == sckDateTimeEditTextTop, top);
      BindWheel(edit);
      break;
    }
    case sckFolderEdit: {
      auto* edit = new TEditWithButton(parent);
      PlaceValueControl(index, parent, edit, true, 3);
      BindWheel(edit);
      break;
    }
    case sckVirtualListView: {
      auto* view = new TVirtualListView(parent);
      view->ClearDataAndDefinitions();
      for (size_t j = 0; j < r.Items.size(); ++j)
        view->AddColumn(vlvColCustomStr, static_cast<int32_t>(j), "Col", 100, static_cast<int32_t>(j), taLeftJustify,
                        vlvEditNone, vlvFormatDefault, {});
      view->setMinimumHeight(kListViewHeight);
      Place(parent, view, top);
      SetControls(index, view, nullptr);
      break;
    }
    case sckVirtualListViewButtonPanel: {
      auto* row = new TRawPanel(parent);
      row->SetAutoSize(true);
      auto* line = new QHBoxLayout(row);
      line->setContentsMargins(0, 0, 0, 0);
      line->setSpacing(4);
      for (int32_t number = 1; number <= 4; ++number) {
        auto* button = new TPaddingButton(QStringLiteral("Button%1").arg(number), row);
        SetTag(button, number);
        line->addWidget(button, 0, Qt::AlignTop);
        connect(button, &QPushButton::clicked, this,
                [this, button] { ProcVirtualListViewButtonPanelPaddingButtonClick(button); });
      }
      line->addStretch(1);
      Place(parent, row, 0, 5);
      SetControls(index, row, nullptr);
      break;
    }
    case sckOrderListBox:
    case sckOrderListBoxAlt: {
      auto* box = new TVirtualListBox(parent);
      for (int32_t member : r.Items)
        if (IsRecordIndex(member))
          box->AddItem(ControlRecords[member].Caption, member, "", true, ControlRecords[member].CaptionTextSlot);
      box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
      box->setFixedHeight(box->PreferredHeight());
      box->OnRearrangingDone = [this](TVirtualListBox* sender) { ProcOrderListBoxRearrangingDone(sender); };
      Place(parent, box, top);
      SetControls(index, box, nullptr);
      break;
    }
    case sckActionList: BuildActionListControl(index, parent); break;
    default: break;  // members (34, 38) and unknown kinds build nothing
  }
}

void TSettingsContainer::RefreshComboBoxItems(int32_t index) {
  if (!IsRecordIndex(index)) return;
  const TSettingsContainerControl& r = ControlRecords[index];
  if (r.ListIndex < 0 || static_cast<size_t>(r.ListIndex) >= ListInitializationData.size()) return;
  const TSettingsContainerListInitializationData& items = ListInitializationData[r.ListIndex];
  if (auto* box = qobject_cast<TIDComboBox*>(GetControlRef(index));
      box && (r.Kind == sckIDComboBox || r.Kind == sckIDComboBoxTextTop)) {
    box->BeginUpdate();
    box->ClearElements();
    for (const TSettingsContainerListInitializationDataRec& item : items) {
      if (item.TextSlot >= 0)
        box->AddElement(item.TextSlot, item.StrId, item.IntId);
      else
        box->AddElement(item.Caption, item.StrId, item.IntId);
    }
    if (Initialized) {
      if (OnRefreshTranslationOfControl)
        OnRefreshTranslationOfControl(index);
      else
        box->SetSorted(r.Param % 2 == 0);
    }
    box->EndUpdate();
  } else if (auto* texts = qobject_cast<TAdvancedComboBox*>(GetControlRef(index));
             texts && r.Kind == sckComboBoxTextTop) {
    TStrArray captions;
    for (const TSettingsContainerListInitializationDataRec& item : items) captions.push_back(item.Caption);
    texts->SetItems(captions);
  }
}

// --- Values into controls -------------------------------------------------------------

void TSettingsContainer::UpdateControlValuesInGUI() {
  if (!Initialized) return;
  Updating = true;
  for (int32_t i = 0; IsRecordIndex(i); ++i) {
    TSettingsContainerControl& r = ControlRecords[i];
    if (!r.Used) continue;
    QWidget* control = GetControlRef(i);
    if (r.Kind == sckRadioButtonGroup) {
      for (int32_t member : r.Items) {
        if (!IsRecordIndex(member) || ControlRecords[member].ItemIntId != r.IntValue) continue;
        if (auto* radio = qobject_cast<QRadioButton*>(GetControlRef(member))) SetRadioChecked(radio, true);
        break;
      }
      continue;
    }
    if (!control) continue;
    switch (r.Kind) {
      case sckCheckPanel: static_cast<TCheckPanel*>(control)->SetChecked(r.IntValue == 1); break;
      case sckEdit:
      case sckEditTextTop:
      case sckEditTextRight:
      case sckEditMultiLabel:
      case sckMemo:
      case sckMemoTextTop: ShowTextInControl(i, r.StrValue); break;
      case sckCheckBox: static_cast<QCheckBox*>(control)->setChecked(r.IntValue == 1); break;
      case sckRadioButton: SetRadioChecked(static_cast<QRadioButton*>(control), r.IntValue == 1); break;
      case sckIDComboBox:
      case sckIDComboBoxTextTop:
        if (auto* box = qobject_cast<TIDComboBox*>(control)) {
          box->SetSelectedStrId(r.StrValue);
          r.IntValue = box->SelectedIntId();
        }
        break;
      case sckActionList: UpdateActionListControl(i); break;
      case sckComboBoxTextTop: static_cast<TAdvancedComboBox*>(control)->SetText(r.StrValue); break;
      case sckNumberComboBox:
      case sckNumberComboBoxTextTop: static_cast<TNumberComboBox*>(control)->SetValue(r.IntValue); break;
      case sckFileFormatComboBox:
      case sckFileFormatComboBoxTextTop: static_cast<TFileFormatComboBox*>(control)->SetExtension(r.StrValue); break;
      case sckAlignmentComboBox: static_cast<TAlignmentComboBox*>(control)->SetAlignmentFromText(r.StrValue); break;
      case sckSizeTypeComboBox: static_cast<TSizeTypeComboBox*>(control)->SetSizeTypeFromString(r.StrValue); break;
      case sckCodePageComboBox: static_cast<TCodePageComboBox*>(control)->SetCodePage(r.IntValue); break;
      case sckLineBreakComboBox: static_cast<TLineBreakComboBox*>(control)->SetLineBreak(r.IntValue); break;
      case sckAdvancedLineBreakComboBox:
      case sckCSVParamComboBox: static_cast<TIDComboBoxWithEdit*>(control)->SetSelectedStrId(r.StrValue); break;
      case sckDateTimeEdit:
      case sckDateTimeEditTextTop:
        static_cast<TDateTimeEdit*>(control)->SetDateTimeFromYYYYMMDDHHIISS(r.StrValue);
        break;
      case sckFolderEdit: static_cast<TEditWithButton*>(control)->SetValue(r.StrValue); break;
      case sckOrderListBox:
      case sckOrderListBoxAlt: static_cast<TVirtualListBox*>(control)->SetItemOrderFromIntIDs(r.IntArrayValue); break;
      default: break;
    }
  }
  Updating = false;
  RefreshShowNumberOfCheckedTabs();
}

void TSettingsContainer::ShowTextInControl(int32_t index, const std::string& text) {
  QWidget* control = GetControlRef(index);
  const bool wasUpdating = Updating;
  Updating = true;
  if (auto* memo = qobject_cast<TAdvancedMemo*>(control)) {
    if (memo->Text() != text) memo->SetText(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    if (FromQString(edit->text()) != text) edit->setText(ToQString(text));
  }
  Updating = wasUpdating;
}

QWidget* TSettingsContainer::GetControlRef(int32_t index) const {
  return index >= 0 && static_cast<size_t>(index) < FControls.size() ? FControls[index].Control.data() : nullptr;
}

QWidget* TSettingsContainer::GetCaptionControlRef(int32_t index) const {
  return index >= 0 && static_cast<size_t>(index) < FControls.size() ? FControls[index].CaptionControl.data() : nullptr;
}

// --- Tabs ----------------------------------------------------------------------------------

void TSettingsContainer::ApplyTabState(int32_t index) {
  if (static_cast<size_t>(index) >= FTabWidgets.size()) return;
  const TSettingsContainerTab& t = Tabs[index];
  TSettingsContainerTabWidgets& w = FTabWidgets[index];
  if (w.ContentPanel) w.ContentPanel->setVisible(t.TabOpen);
  if (auto* marker = qobject_cast<TImageCheckBox*>(w.OpenControl)) marker->SetChecked(t.TabOpen);
  if (auto* box = qobject_cast<QCheckBox*>(w.HeaderControl)) {
    const QSignalBlocker quiet(box);
    box->setChecked(t.TabActive);
  }
  ShowTabCaption(index, t.ShownCaption);
}

void TSettingsContainer::SetTabOpen(int32_t index, bool open) {
  TSettingsContainerModel::SetTabOpen(index, open);
  if (static_cast<size_t>(index) < FTabWidgets.size()) {
    TSettingsContainerTabWidgets& w = FTabWidgets[index];
    if (w.ContentPanel) {
      w.ContentPanel->setVisible(open);
      if (open) {
        w.ContentPanel->adjustSize();
        w.ContentPanel->update();
      }
    }
    if (auto* marker = qobject_cast<TImageCheckBox*>(w.OpenControl); marker && marker->Checked() != open)
      marker->SetChecked(open);
  }
  if (FMenuItem) FMenuItem->setChecked(HasOpenTabs());
}

void TSettingsContainer::SetTabActive(int32_t index, bool active) {
  TSettingsContainerModel::SetTabActive(index, active);
  if (static_cast<size_t>(index) >= FTabWidgets.size()) return;
  if (auto* box = qobject_cast<QCheckBox*>(FTabWidgets[index].HeaderControl); box && box->isChecked() != active) {
    // The container ticks it; only the user's tick is an activation.
    const QSignalBlocker quiet(box);
    box->setChecked(active);
  }
}

void TSettingsContainer::ShowTabCaption(int32_t index, const std::string& caption) {
  TSettingsContainerModel::ShowTabCaption(index, caption);
  if (static_cast<size_t>(index) >= FTabWidgets.size()) return;
  QWidget* header = FTabWidgets[index].HeaderControl;
  if (auto* box = qobject_cast<TCheckBoxML*>(header))
    box->SetCaption(ToQString(Literal(caption)));
  else if (auto* label = qobject_cast<QLabel*>(header))
    label->setText(ToQString(caption));
}

void TSettingsContainer::TabHeaderClicked(int32_t index) { OpenTab(index, !Tabs[index].TabOpen); }

void TSettingsContainer::TabCheckBoxToggled(int32_t index, bool checked) {
  if (Updating) return;
  TSettingsContainerModel::SetTabActive(index, checked);
  if (checked && Tabs[index].OpenWithCheckBox && !Tabs[index].TabOpen) OpenTab(index, true);
  if (OnTabActivationChange) OnTabActivationChange(this, index, checked);
  RefreshShowNumberOfCheckedTabs();
}

void TSettingsContainer::SetStrCaptionOptionButtons(const std::string& value) {
  if (value == StrCaptionOptionButtons()) return;
  TSettingsContainerModel::SetStrCaptionOptionButtons(value);
  for (const TSettingsContainerTabWidgets& w : FTabWidgets)
    if (auto* button = qobject_cast<TPaddingButton*>(w.OpenControl)) button->SetCaption(ToQString(value));
}

void TSettingsContainer::AssignMenuItem(QAction* item) {
  if (FMenuItem) disconnect(FMenuItem, nullptr, this, nullptr);
  FMenuItem = item;
  if (!item) return;
  item->setCheckable(true);
  connect(item, &QAction::triggered, this, [this] { ProcMenuItemClick(); });
}

void TSettingsContainer::ProcMenuItemClick() {
  if (!HasOpenTabs()) {
    OpenSectionsWithActiveTabs();
    if (FMenuItem) FMenuItem->setChecked(true);
  } else {
    CloseAllTabs();
    if (FMenuItem) FMenuItem->setChecked(false);
  }
}

// --- Handlers ----------------------------------------------------------------------------------

void TSettingsContainer::ProcCustomControlChange(QObject* sender) {
  auto* control = qobject_cast<QWidget*>(sender);
  if (!control || Updating) return;
  const int32_t index = GetTag(control);
  if (!IsRecordIndex(index) || GetControlRef(index) != control) return;
  const TSettingsContainerControl& r = ControlRecords[index];
  std::string text = NulMarker();
  int32_t number = 0;
  double dateTime = 0;
  auto typed = [&](const std::string& value) {
    text = value;
    number = NumberOfTypedText(value, r.DefaultIntValue);
  };
  switch (r.Kind) {
    case sckCheckPanel: {
      const bool on = static_cast<TCheckPanel*>(control)->Checked();
      text = on ? "1" : "0";
      number = on ? 1 : 0;
      break;
    }
    case sckEdit:
    case sckEditTextTop:
    case sckEditTextRight:
    case sckEditMultiLabel: typed(FromQString(static_cast<QLineEdit*>(control)->text())); break;
    case sckMemo:
    case sckMemoTextTop: typed(static_cast<TAdvancedMemo*>(control)->Text()); break;
    case sckCheckBox:
    case sckRadioButton:
    case sckRadioButtonGroupItem: {
      const bool on = static_cast<QAbstractButton*>(control)->isChecked();
      text = on ? "1" : "0";
      number = on ? 1 : 0;
      break;
    }
    case sckIDComboBox:
    case sckIDComboBoxTextTop:
    case sckActionList: {
      auto* box = static_cast<TIDComboBox*>(control);
      text = box->SelectedStrId();
      number = box->SelectedIntId();
      if (r.Kind == sckActionList && OnSetActionList) {
        // Picking the list that is shown keeps its unsaved changes.
        const TSettingsContainerActionListWrapper* w = ActionListWrapperOfRecord(index);
        if (w && w->Modified && w->ListType == number && w->ListName == text) return;
        OnSetActionList(index, number, text);
        // The user kept the shown list with changes that could not be stored.
        if (box->SelectedStrId() != text || box->SelectedIntId() != number) return;
      }
      break;
    }
    case sckComboBoxTextTop: text = static_cast<TAdvancedComboBox*>(control)->Text(); break;
    case sckNumberComboBox:
    case sckNumberComboBoxTextTop: {
      auto* box = static_cast<TNumberComboBox*>(control);
      text = box->GetValueAsString();
      number = box->Value();
      break;
    }
    case sckFileFormatComboBox:
    case sckFileFormatComboBoxTextTop: text = static_cast<TFileFormatComboBox*>(control)->GetExtension(); break;
    case sckAlignmentComboBox: {
      auto* box = static_cast<TAlignmentComboBox*>(control);
      text = box->GetAlignmentAsText();
      number = static_cast<int32_t>(box->Alignment());
      break;
    }
    case sckSizeTypeComboBox: {
      auto* box = static_cast<TSizeTypeComboBox*>(control);
      text = box->GetSizeTypeAsString();
      number = static_cast<int32_t>(box->SizeType());
      break;
    }
    case sckCodePageComboBox: {
      auto* box = static_cast<TCodePageComboBox*>(control);
      text = box->GetCodePageAsStrId();
      number = box->CodePage();
      break;
    }
    case sckLineBreakComboBox: {
      auto* box = static_cast<TLineBreakComboBox*>(control);
      text = box->GetLineBreakAsIsoString();
      number = box->LineBreak();
      break;
    }
    case sckAdvancedLineBreakComboBox:
    case sckCSVParamComboBox: text = static_cast<TIDComboBoxWithEdit*>(control)->SelectedStrId(); break;
    case sckDateTimeEdit:
    case sckDateTimeEditTextTop: {
      auto* edit = static_cast<TDateTimeEdit*>(control);
      text = edit->GetDateTimeAsYYYYMMDDHHIISS();
      dateTime = edit->GetDateTime();
      break;
    }
    case sckFolderEdit: text = static_cast<TEditWithButton*>(control)->Value(); break;
    default: break;
  }
  ControlValueChanged(index, text, number, dateTime);
}

void TSettingsContainer::ProcButtonClick(QObject* sender) {
  if (qobject_cast<QAbstractButton*>(sender)) ButtonClicked(GetTag(sender));
}

void TSettingsContainer::ProcHTMLPanelLinkClick(QObject*, int32_t linkID) { ButtonClicked(linkID); }

void TSettingsContainer::ProcOrderListBoxRearrangingDone(TVirtualListBox* sender) {
  if (!sender) return;
  const int32_t index = GetTag(sender);
  if (GetControlRef(index) != sender) return;
  OrderListBoxRearranged(index, sender->GetItemOrderAsIntIDs());
}

void TSettingsContainer::ProcMemoButtonPlusClick(QObject* sender) {
  if (!OnShowMemoDialog || !sender) return;
  const int32_t index = GetTag(sender);
  if (!IsRecordIndex(index)) return;
  std::string fontName;
  int32_t fontSize = 0;
  if (auto* memo = qobject_cast<TAdvancedMemo*>(GetControlRef(index))) {
    fontName = FromQString(memo->font().family());
    fontSize = memo->font().pointSize();
  }
  OnShowMemoDialog(index, MemoDialogTitle(index), ControlRecords[index].StrValue, fontName, fontSize);
}

void TSettingsContainer::ProcMemoDialogChange(QObject*, int32_t index, const std::string& text) {
  if (!IsRecordIndex(index)) return;
  ControlRecords[index].StrValue = text;
  // The memo's own change then stores and reports the text as typed.
  if (auto* memo = qobject_cast<TAdvancedMemo*>(GetControlRef(index))) memo->SetText(text);
}

void TSettingsContainer::ProcVirtualListViewButtonPanelPaddingButtonClick(QObject* sender) {
  auto* button = qobject_cast<QWidget*>(sender);
  QWidget* row = button ? button->parentWidget() : nullptr;
  if (!row) return;
  const int32_t rowIndex = GetTag(row);
  if (!IsRecordIndex(rowIndex) || GetControlRef(rowIndex) != row) return;
  const int32_t viewIndex = ControlRecords[rowIndex].IntValue;
  auto* view = qobject_cast<TVirtualListView*>(GetControlRef(viewIndex));
  if (!view) return;
  switch (GetTag(button)) {
    case 1: {
      TIntArray positions;
      TSettingsContainerVirtualListViewDialog dialog;
      for (const TSettingsContainerVirtualListViewDialogControl& field : RowEditorFields(rowIndex, positions))
        dialog.AddControl(field.Kind, field.Caption, field.Value);
      if (OnGetTranslation) {
        dialog.StrCaption = Translation(529);
        dialog.StrOk = Translation(192);
        dialog.StrCancel = Translation(200);
      }
      // The confirmed values become a new row, each in its column.
      const size_t columns = ControlRecords[viewIndex].Items.size();
      QPointer<TVirtualListView> target = view;
      dialog.OnConfirm = [target, positions, columns](const TStrArray& values) {
        if (!target) return;
        TStrArray cells(columns);
        for (size_t k = 0; k < values.size() && k < positions.size(); ++k)
          if (static_cast<size_t>(positions[k]) < columns) cells[positions[k]] = values[k];
        target->AddItem(target->GetNextFreeID(0), cells, {});
      };
      dialog.Show(this);
      break;
    }
    case 3: view->RemoveSelected(); break;
    case 4: view->RemoveAll(); break;
    default: break;  // 2 (edit) has no command
  }
}

void TSettingsContainer::ProcMouseWheel(int32_t wheelDelta) {
  QScrollBar* bar = FScrollBox->verticalScrollBar();
  bar->setValue(bar->value() - wheelDelta / 10);
}

bool TSettingsContainer::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::Wheel && FWheelControls.count(watched) != 0) {
    ProcMouseWheel(static_cast<QWheelEvent*>(e)->angleDelta().y());
    return true;
  }
  return QWidget::eventFilter(watched, e);
}

void TSettingsContainer::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  // The header rows are laid out, so they follow the new direction themselves.
  if (e->type() == QEvent::LayoutDirectionChange) update();
}
