// Two painted labels: a small table given as one text (rows at line feeds,
// cells at tabs), and a line of up to three captions - left, centred, right -
// each with its own way of shortening when the line is too narrow.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/colours.h"
#include "foundation/text_fitting.h"
#include "foundation/types.h"

inline constexpr const char* kColumnLabelSpanMarker = "#CLS#";

struct TColumnLabelCells {
  TStrArray2D Cells;
  std::vector<std::vector<bool>> Marked;
};
TColumnLabelCells ParseColumnLabelText(const std::string& text);
// The x at which each column starts: with fixedColumnWidth > 0 column j at
// j * width; otherwise each column is as wide as its widest unmarked cell + 20.
std::vector<int32_t> ColumnLabelColumnStarts(const TColumnLabelCells& cells, const TTextMeasurer& canvas,
                                             int32_t fixedColumnWidth);

// A cell's inline format: "\b\cRRGGBB text" draws text bold and coloured.
struct TColumnLabelCellFormat {
  bool Bold = false;
  TGraphicsColor Colour = 0;
  std::string Text;
};
TColumnLabelCellFormat ParseColumnLabelCellFormat(const std::string& cell);

enum TMultiLabelWordWrapType { mwtNone, mwtDotsRight, mwtMinimizeFileName, mwtDotsRightAndHideOthers };

struct TMultiLabelPiece {
  std::string Text;
  int32_t X = 0;
  bool operator==(const TMultiLabelPiece&) const = default;
};
// What the line shows and where (left, right, centre; empty ones left out).
std::vector<TMultiLabelPiece> MultiLabelLayout(std::string left, TMultiLabelWordWrapType leftMode, std::string center,
                                               std::string right, TMultiLabelWordWrapType rightMode, int32_t width,
                                               bool rightToLeft, const TTextMeasurer& canvas);
// Leading folders replaced by an ellipsis until the path fits.
std::string MinimizeName(const std::string& path, int32_t maxWidth, const TTextMeasurer& canvas);

class TColumnLabel : public QWidget {
  Q_OBJECT
 public:
  explicit TColumnLabel(QWidget* parent = nullptr);

  std::string Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  int32_t FixedColumnWidth() const { return FFixedColumnWidth; }
  void SetFixedColumnWidth(int32_t value);
  bool FormattingEnabled() const { return FFormattingEnabled; }
  void SetFormattingEnabled(bool value);
  const TColumnLabelCells& Cells() const { return FCells; }
  std::vector<int32_t> ColumnStarts() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  std::string FCaption;
  TColumnLabelCells FCells;
  bool FParsed = false;
  int32_t FFixedColumnWidth = 0;
  bool FFormattingEnabled = false;
};

class TMultiLabel : public QWidget {
  Q_OBJECT
 public:
  explicit TMultiLabel(QWidget* parent = nullptr);

  void SetCaptionLeft(const std::string& value);
  void SetCaptionCenter(const std::string& value);
  void SetCaptionRight(const std::string& value);
  void SetWordWrapLeft(TMultiLabelWordWrapType value);
  void SetWordWrapCenter(TMultiLabelWordWrapType value);
  void SetWordWrapRight(TMultiLabelWordWrapType value);
  std::string CaptionLeft() const { return FLeft; }
  std::string CaptionCenter() const { return FCenter; }
  std::string CaptionRight() const { return FRight; }
  // What the last paint showed.
  std::vector<TMultiLabelPiece> Pieces() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  std::string FLeft = "Left", FCenter = "Center", FRight = "Right";
  TMultiLabelWordWrapType FWrapLeft = mwtNone, FWrapCenter = mwtNone, FWrapRight = mwtNone;
};
