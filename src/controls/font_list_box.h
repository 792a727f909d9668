// A virtual, custom-painted list of fonts: the owner delivers each row's font
// name, preview text and subtitle on demand (OnData), and the list paints the
// preview in that font with the subtitle below it. Only the rows on screen
// are asked for and painted, so thousands of fonts scroll smoothly.
#pragma once

#include <QScrollBar>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/font_manager.h"
#include "foundation/colours.h"

struct TFontListBoxItemInfoRec {
  bool Selected = false;
  // Height of the row as last painted; 0 until it is measured.
  int32_t Height = 0;
  std::string FontName;
};
using TFontListBoxItemInfoRecArr = std::vector<TFontListBoxItemInfoRec>;

using TFontListBoxOnDataProc =
    std::function<void(QObject* Sender, std::string& AFontName, std::string& ATextFont, std::string& ATextSubTitle,
                       TFontStyleSet& AFontStyles, int32_t AIndex)>;
using TFontListBoxSelectItemProc = std::function<void(QObject* Sender, const std::string& AFontName)>;

QColor ToQColor(TGraphicsColor colour);

class TFontListBox : public QWidget {
  Q_OBJECT
 public:
  explicit TFontListBox(QWidget* parent = nullptr);

  std::string InitialFontName;
  bool OwnerData = false;
  bool AllowDelKey = false;
  bool MultiSelect = false;
  TFontListBoxOnDataProc OnData;
  TFontListBoxSelectItemProc OnSelectFont;

  int32_t Count() const { return FCount; }
  void SetCount(int32_t value);
  bool ShowFont() const { return FShowFont; }
  void SetShowFont(bool value);
  bool ShowSubTitle() const { return FShowSubTitle; }
  void SetShowSubTitle(bool value);
  int32_t SpacingBetweenItems() const { return FSpacingBetweenItems; }
  void SetSpacingBetweenItems(int32_t value);
  int32_t SpacingInItems() const { return FSpacingInItems; }
  void SetSpacingInItems(int32_t value);
  int32_t FontSize() const { return FFontSize; }
  void SetFontSize(int32_t value);
  int32_t SubTitleFontSize() const { return FSubTitleFontSize; }
  void SetSubTitleFontSize(int32_t value);
  TGraphicsColor FontColor() const { return FFontColor; }
  void SetFontColor(TGraphicsColor value);
  TGraphicsColor SubTitleFontColor() const { return FSubTitleFontColor; }
  void SetSubTitleFontColor(TGraphicsColor value);
  const std::string& SubTitleFont() const { return FSubTitleFont; }
  void SetSubTitleFont(const std::string& value);
  TGraphicsColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TGraphicsColor value);
  TGraphicsColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(TGraphicsColor value);
  TGraphicsColor SelectionColor() const { return FSelectionColor; }

  int32_t ItemIndex() const { return FItemIndex; }
  int32_t TopIndex() const { return FTopIndex; }
  const TFontListBoxItemInfoRecArr& ItemInfos() const { return FItems; }
  QScrollBar* ScrollBar() const { return FScrollBar; }

  void ResetItemInfos();
  void ResetItemHeight();
  void RefreshScrollBar();
  void ClearSelection();
  void SelectAll();
  void SelectItem(int32_t index, bool clear);
  void SelectNextItem(bool clear, bool up);
  void MakeItemVisible(int32_t index);
  int32_t GetIndexAtXY(int32_t x, int32_t y) const;
  void RefreshSelectionChangeInternal();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void PlaceScrollBar();
  int32_t PageStep() const { return FScrollBar->pageStep(); }

  TFontListBoxItemInfoRecArr FItems;
  int32_t FCount = 0;
  bool FShowFont = true;
  bool FShowSubTitle = false;
  std::string FSubTitleFont;
  TGraphicsColor FSubTitleFontColor = 0x808080;
  int32_t FSubTitleFontSize = 0;
  TGraphicsColor FFontColor = 0;
  int32_t FFontSize = 0;
  TGraphicsColor FBackgroundColor = 0xFFFFFF;
  TGraphicsColor FHighlightColor = 0xFFEBD7;
  TGraphicsColor FSelectionColor = 0xFFEBD7;
  int32_t FSpacingBetweenItems = 8;
  int32_t FSpacingInItems = 4;
  int32_t FItemIndex = -1;
  int32_t FTopIndex = 0;
  int32_t FSubTitleHeight = 0;
  int32_t FLastPageCount = 0;
  QScrollBar* FScrollBar;
};
