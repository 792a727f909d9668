#include "controls/options_panel.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "foundation/qt/qt_strings.h"
#include "foundation/str_arrays.h"

int32_t AddOptionsPanelOption(TOptionsPanelOptions& options, int32_t kind, const std::string& caption,
                              const std::string& value, int32_t number, bool checked) {
  options.push_back({kind, caption, value, number, checked, nullptr});
  return static_cast<int32_t>(options.size()) - 1;
}

TOptionsPanelOptions OptionsFromCSVStrings(const std::string& checkedText, const std::string& valuesText,
                                           const std::string& captionsText, bool useValueStrAll) {
  TCharSet separators = CharSet(",;");
  TStrArray values = CSVStringToStrArray(valuesText, true, true, true, separators);
  TStrArray captions = CSVStringToStrArray(captionsText, true, true, true, separators);
  bool all = useValueStrAll && checkedText == "all";
  TStrArray checked = all ? TStrArray{} : CSVStringToStrArray(checkedText, true, true, true, separators);
  TOptionsPanelOptions options;
  for (size_t i = 0; i < values.size(); ++i) {
    bool tick = all || std::find(checked.begin(), checked.end(), values[i]) != checked.end();
    AddOptionsPanelOption(options, kOptionsPanelKindCheckBox, i < captions.size() ? captions[i] : values[i], values[i],
                          0, tick);
  }
  return options;
}

std::vector<TOptionsPanelCell> OptionsPanelCells(int32_t count, int32_t columns) {
  if (columns == 0) columns = 1;
  std::vector<TOptionsPanelCell> cells;
  int32_t row = -1, column = 0;
  for (int32_t i = 0; i < count; ++i) {
    if (column == 0) ++row;
    cells.push_back({row, column});
    ++column;
    if (column == columns || columns < 0) column = 0;
  }
  return cells;
}

TOptionsPanel::TOptionsPanel(QWidget* parent) : QWidget(parent) {
  resize(300, 50);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setAlignment(Qt::AlignTop);
}

void TOptionsPanel::SetOptionsFromCSVStringAsCheckBoxes(const std::string& checkedText, const std::string& valuesText,
                                                        const std::string& captionsText) {
  SetOptions(OptionsFromCSVStrings(checkedText, valuesText, captionsText, UseValueStrAll));
}

void TOptionsPanel::SetOptions(const TOptionsPanelOptions& options) {
  // A second list replaces the first, boxes included.
  for (QWidget* w : FBuilt) delete w;
  FBuilt.clear();
  FOptions = options;
  for (auto& o : FOptions) o.Control = nullptr;
  CreateGUI();
}

void TOptionsPanel::CreateGUI() {
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  int32_t columns = EffectiveColumns();
  std::vector<TOptionsPanelCell> cells = OptionsPanelCells(static_cast<int32_t>(FOptions.size()), columns);
  QHBoxLayout* rowLayout = nullptr;
  int32_t currentRow = -1;
  for (size_t i = 0; i < FOptions.size(); ++i) {
    TOptionsPanelOption& o = FOptions[i];
    QWidget* host = this;
    if (columns != 1) {
      if (cells[i].Row != currentRow) {
        currentRow = cells[i].Row;
        auto* row = new TRawPanel(this);
        row->SetAutoSize(true);
        rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->setSpacing(0);
        rowLayout->addStretch(1);
        layout->addWidget(row);
        FBuilt.push_back(row);
      }
      host = rowLayout->parentWidget();
    }
    if (o.Kind != kOptionsPanelKindCheckBox) continue;
    auto* box = new QCheckBox(ToQString(o.Caption), host);
    box->setChecked(o.Checked);
    box->setContentsMargins(0, 2, 0, 2);
    box->setProperty("tag", static_cast<int>(i));
    box->setMinimumWidth(FFixedControlWidth);
    connect(box, &QCheckBox::toggled, this, [this] {
      if (OnChange) OnChange(this);
    });
    o.Control = box;
    if (columns == 1) {
      layout->addWidget(box);
      FBuilt.push_back(box);
    } else {
      rowLayout->insertWidget(rowLayout->count() - 1, box);
    }
  }
  ApplyWidthRules();
}

void TOptionsPanel::ApplyWidthRules() {
  int32_t columns = EffectiveColumns();
  if (FFixedControlWidth == 0 && columns > 1) {
    int32_t w = std::max(0, width() / columns - columns);
    for (auto& o : FOptions)
      if (o.Control) o.Control->setMinimumWidth(w);
  } else if (FFixedControlWidth == 1) {
    int32_t m = 1;
    for (auto& o : FOptions)
      if (o.Control) m = std::max(m, o.Control->sizeHint().width());
    for (size_t i = 0; i < FOptions.size(); ++i) {
      QCheckBox* box = FOptions[i].Control;
      if (box == nullptr) continue;
      box->setMinimumWidth(m);
      bool first = columns > 0 && static_cast<int32_t>(i) % columns == 0;
      box->setContentsMargins(first ? 0 : 10, 2, 0, 2);
    }
  }
}

void TOptionsPanel::resizeEvent(QResizeEvent* e) {
  ApplyWidthRules();
  QWidget::resizeEvent(e);
}

void TOptionsPanel::SetShowPopUpMenuSelectAll(bool value) {
  if (value == FShowPopup) return;
  FShowPopup = value;
  if (FPopup == nullptr) {
    FPopup = new QMenu(this);
    FSelectAll = FPopup->addAction(QStringLiteral("Select All"));
    FSelectAll->setData(1);
    FDeselectAll = FPopup->addAction(QStringLiteral("Deselect All"));
    FDeselectAll->setData(2);
    connect(FSelectAll, &QAction::triggered, this, [this] { SetAll(true); });
    connect(FDeselectAll, &QAction::triggered, this, [this] { SetAll(false); });
    connect(FPopup, &QMenu::aboutToShow, this, [this] {
      int32_t ticked = 0, unticked = 0;
      GetNumberOfCheckedCheckBoxes(ticked, unticked);
      FSelectAll->setVisible(unticked > 0);
      FDeselectAll->setVisible(ticked > 0);
    });
  }
}

void TOptionsPanel::contextMenuEvent(QContextMenuEvent* e) {
  if (FShowPopup && FPopup != nullptr) {
    FPopup->popup(e->globalPos());
    return;
  }
  QWidget::contextMenuEvent(e);
}

void TOptionsPanel::SetPopupMenuCaptions(const std::string& selectAll, const std::string& deselectAll) {
  if (FSelectAll == nullptr) return;
  FSelectAll->setText(ToQString(selectAll));
  FDeselectAll->setText(ToQString(deselectAll));
}

TStrArray TOptionsPanel::GetCheckedStringValuesAsStrArray() const {
  TStrArray values;
  for (const auto& o : FOptions)
    if (o.Kind == kOptionsPanelKindCheckBox && o.Control && o.Control->isChecked()) values.push_back(o.Value);
  return values;
}

std::string TOptionsPanel::GetCheckedStringValuesAsCSVString(const std::string& separator) const {
  if (UseValueStrAll && AllCheckBoxesChecked()) return "all";
  std::string text;
  bool first = true;
  for (const auto& v : GetCheckedStringValuesAsStrArray()) {
    if (!first) text += separator;
    text += v;
    first = false;
  }
  return text;
}

bool TOptionsPanel::AllCheckBoxesChecked() const {
  for (const auto& o : FOptions)
    if (o.Kind == kOptionsPanelKindCheckBox && o.Control && !o.Control->isChecked()) return false;
  return true;
}

void TOptionsPanel::GetNumberOfCheckedCheckBoxes(int32_t& ticked, int32_t& unticked) const {
  for (const auto& o : FOptions) {
    if (o.Kind != kOptionsPanelKindCheckBox || o.Control == nullptr) continue;
    if (o.Control->isChecked()) {
      ++ticked;
    } else {
      ++unticked;
    }
  }
}

void TOptionsPanel::SetAll(bool value) {
  for (auto& o : FOptions)
    if (o.Kind == kOptionsPanelKindCheckBox && o.Control) o.Control->setChecked(value);
}
