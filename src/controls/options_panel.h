// A grid of check boxes built from comma- or semicolon-separated lists of
// values, captions and ticked values; the ticked values come back as text.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/caption_panels.h"
#include "foundation/types.h"

inline constexpr int32_t kOptionsPanelKindCheckBox = 0;

struct TOptionsPanelOption {
  int32_t Kind = kOptionsPanelKindCheckBox;
  std::string Caption;
  std::string Value;
  int32_t Number = 0;
  bool Checked = false;
  QCheckBox* Control = nullptr;
};
using TOptionsPanelOptions = std::vector<TOptionsPanelOption>;

int32_t AddOptionsPanelOption(TOptionsPanelOptions& options, int32_t kind, const std::string& caption,
                              const std::string& value, int32_t number, bool checked);
// The choices a list text makes (without controls).
TOptionsPanelOptions OptionsFromCSVStrings(const std::string& checkedText, const std::string& valuesText,
                                           const std::string& captionsText, bool useValueStrAll);
// The row and column of each choice for a column count (0 counts as 1; a
// negative count puts every choice on its own row).
struct TOptionsPanelCell {
  int32_t Row = 0;
  int32_t Column = 0;
  bool operator==(const TOptionsPanelCell&) const = default;
};
std::vector<TOptionsPanelCell> OptionsPanelCells(int32_t count, int32_t columns);

class TOptionsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TOptionsPanel(QWidget* parent = nullptr);

  void SetOptionsFromCSVStringAsCheckBoxes(const std::string& checkedText, const std::string& valuesText,
                                           const std::string& captionsText);
  void SetOptions(const TOptionsPanelOptions& options);
  const TOptionsPanelOptions& Options() const { return FOptions; }

  int32_t Columns() const { return FColumns; }
  void SetColumns(int32_t value) { FColumns = value; }
  int32_t FixedControlWidth() const { return FFixedControlWidth; }
  void SetFixedControlWidth(int32_t value) { FFixedControlWidth = value < 0 ? 0 : value; }
  bool UseValueStrAll = false;
  bool ShowPopUpMenuSelectAll() const { return FShowPopup; }
  void SetShowPopUpMenuSelectAll(bool value);
  void SetPopupMenuCaptions(const std::string& selectAll, const std::string& deselectAll);
  QMenu* PopupMenu() const { return FPopup; }

  TStrArray GetCheckedStringValuesAsStrArray() const;
  std::string GetCheckedStringValuesAsCSVString(const std::string& separator) const;
  bool AllCheckBoxesChecked() const;
  void GetNumberOfCheckedCheckBoxes(int32_t& ticked, int32_t& unticked) const;
  void SetAll(bool value);

  TNotifyEvent OnChange;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  void CreateGUI();
  void ApplyWidthRules();
  int32_t EffectiveColumns() const { return FColumns == 0 ? 1 : FColumns; }

  int32_t FColumns = 1;
  int32_t FFixedControlWidth = 0;
  TOptionsPanelOptions FOptions;
  std::vector<QWidget*> FBuilt;
  bool FShowPopup = false;
  QMenu* FPopup = nullptr;
  QAction* FSelectAll = nullptr;
  QAction* FDeselectAll = nullptr;
};
