// The Qt model of the file list view: rows, header and check marks straight
// from the view's store.
#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QStyledItemDelegate>
#include <unordered_map>
#include <vector>

#include "controls/owner_data_model.h"

class TFileListView;

class TFileListViewModel : public TOwnerDataModel {
  Q_OBJECT
 public:
  explicit TFileListViewModel(TFileListView* view);

  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  TFileListView* FView;
};

// Draws texts of characters that need no shaping (Latin letters, digits,
// punctuation) from glyphs measured once per font; shaping is most of the
// cost of a cell. Each pair of neighbours is shaped once by the text engine,
// which gives its kerning; a pair the engine draws with other glyphs (a
// ligature), any other character and a glyph the font lacks leave the text to
// the text engine.
class TPlainGlyphRun {
 public:
  // True when the text can be drawn from the cache; then Width and Draw hold.
  bool Prepare(const QFont& font, const QString& text);
  // The same for a text that may be too wide: it is cut on the right and
  // ends in an ellipsis, as the text engine cuts it.
  bool PrepareElided(const QFont& font, const QString& text, qreal room);
  qreal Width() const { return FWidth; }
  // Draws the prepared text with its left end at x and its top at y.
  void Draw(QPainter* painter, qreal x, qreal y) const;

 private:
  void Load(const QFont& font);
  // The kerning between two characters; NaN when the engine joins them.
  float PairShift(char16_t a, char16_t b);

  QFont FFont;
  bool FLoaded = false;
  bool FUsable = false;
  QRawFont FRaw;
  // Glyph (0 for none) and advance per character of the plain range.
  std::vector<quint32> FGlyph;
  std::vector<qreal> FAdvance;
  std::unordered_map<uint32_t, float> FPairs;
  QList<quint32> FGlyphs;
  QList<QPointF> FPositions;
  qreal FWidth = 0;
};

// Paints the plain text cells without the style's full item drawing, which
// asks the model for every role of every cell; the first column (check box
// and icon) and the focused cell keep it.
class TFileListViewDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit TFileListViewDelegate(TFileListView* view);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  TFileListView* FView;
  mutable TPlainGlyphRun FGlyphs;
};
