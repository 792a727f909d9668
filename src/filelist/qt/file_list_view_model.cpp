#include "filelist/qt/file_list_view_model.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/directory_tree.h"
#include "controls/layout_direction.h"
#include "filelist/qt/file_list_view.h"
#include "foundation/qt/qt_strings.h"

TFileListViewModel::TFileListViewModel(TFileListView* view) : TOwnerDataModel(view), FView(view) {}

QVariant TFileListViewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int32_t item = FView->GetIndexOfListItem(index.row());
  if (item < 0 || item >= FView->GetFileCount()) return {};
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return CellTextInDirection(ToQString(FView->GetCellDisplayText(item, column)), FView->layoutDirection());
    case Qt::DecorationRole: {
      if (column != 0 || !FView->ShowFileIcons()) return {};
      const int32_t icon = FView->Items().IconIndex(static_cast<size_t>(item));
      if (icon < 0 || icon >= FView->SysIcons()->Count()) return {};
      return FView->SysIcons()->Icon(icon);
    }
    case Qt::CheckStateRole:
      if (column != 0 || !FView->Checkboxes()) return {};
      return FView->Items().Checked(static_cast<size_t>(item)) ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole: {
      if (column >= static_cast<int>(FView->GuiColumns().size())) return {};
      return QVariant::fromValue(QtAlignmentOf(FView->GuiColumns()[static_cast<size_t>(column)].Alignment));
    }
    default: return {};
  }
}

bool TFileListViewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::CheckStateRole || index.column() != 0) return false;
  FView->ItemCheckedProc(index.row(), value.toInt() == Qt::Checked);
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

QVariant TFileListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(FView->GuiColumns().size())) {
    return {};
  }
  const TFileListViewGuiColumn& c = FView->GuiColumns()[static_cast<size_t>(section)];
  if (role == Qt::DisplayRole) {
    // A caption wider than its column ends in an ellipsis rather than losing
    // its first letters under right alignment; the tooltip shows it whole.
    const QHeaderView* header = FView->header();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int room = header->sectionSize(section) - 2 * margin - 2;
    return QFontMetrics(header->font()).elidedText(ToQString(c.Caption), Qt::ElideRight, std::max(room, 0));
  }
  if (role == Qt::ToolTipRole) return ToQString(c.Caption);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(QtAlignmentOf(c.Alignment));
  return {};
}

Qt::ItemFlags TFileListViewModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return FView->AllowItemRearranging() ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  if (FView->AllowItemRearranging()) f |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
  if (index.column() == 0 && FView->Checkboxes()) f |= Qt::ItemIsUserCheckable;
  return f;
}

namespace {

// Characters drawn from the cache: ASCII, Latin-1 and Latin Extended-A and -B
// without the control characters and the soft hyphen.
constexpr char16_t kPlainEnd = 0x250;

constexpr char16_t kEllipsis = 0x2026;
constexpr size_t kMaxPairs = 1 << 16;

// The slot of a character in the tables, or -1 for one the text engine draws.
int PlainSlot(char16_t c) {
  if (c == kEllipsis) return kPlainEnd;
  return c < kPlainEnd && c >= 0x20 && (c < 0x7F || c >= 0xA0) && c != 0xAD ? c : -1;
}

}  // namespace

void TPlainGlyphRun::Load(const QFont& font) {
  FFont = font;
  FLoaded = true;
  FUsable = false;
  FGlyph.assign(kPlainEnd + 1, 0);
  FAdvance.assign(kPlainEnd + 1, 0);
  FPairs.clear();
  // Spacing, capitals and lines the text engine adds are left to it.
  if (font.underline() || font.strikeOut() || font.overline() || font.letterSpacing() != 0 || font.wordSpacing() != 0 ||
      font.capitalization() != QFont::MixedCase) {
    return;
  }
  FRaw = QRawFont::fromFont(font);
  if (!FRaw.isValid()) return;
  QString chars;
  for (char16_t c = 0; c < kPlainEnd; ++c) {
    if (PlainSlot(c) >= 0) chars += QChar(c);
  }
  chars += QChar(kEllipsis);
  const QList<quint32> glyphs = FRaw.glyphIndexesForString(chars);
  if (glyphs.size() != chars.size()) return;
  const QList<QPointF> advances = FRaw.advancesForGlyphIndexes(glyphs);
  if (advances.size() != glyphs.size()) return;
  for (qsizetype k = 0; k < chars.size(); ++k) {
    const auto slot = static_cast<size_t>(PlainSlot(chars[k].unicode()));
    FGlyph[slot] = glyphs[k];
    FAdvance[slot] = advances[k].x();
  }
  FUsable = true;
}

float TPlainGlyphRun::PairShift(char16_t a, char16_t b) {
  const uint32_t key = (static_cast<uint32_t>(a) << 16) | b;
  const auto found = FPairs.find(key);
  if (found != FPairs.end()) return found->second;
  float shift = std::numeric_limits<float>::quiet_NaN();
  const QChar pair[2] = {QChar(a), QChar(b)};
  QTextLayout layout(QString(pair, 2), FFont);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  if (runs.size() == 1) {
    const QList<quint32> glyphs = runs[0].glyphIndexes();
    const QList<QPointF> positions = runs[0].positions();
    const auto first = static_cast<size_t>(PlainSlot(a));
    const auto second = static_cast<size_t>(PlainSlot(b));
    if (glyphs.size() == 2 && positions.size() == 2 && glyphs[0] == FGlyph[first] && glyphs[1] == FGlyph[second] &&
        runs[0].rawFont() == FRaw) {
      shift = static_cast<float>(positions[1].x() - positions[0].x() - FAdvance[first]);
    }
  }
  // Texts mixing many letters could grow the table without end: past a
  // bound it starts anew.
  if (FPairs.size() >= kMaxPairs) FPairs.clear();
  FPairs.emplace(key, shift);
  return shift;
}

bool TPlainGlyphRun::Prepare(const QFont& font, const QString& text) {
  if (!FLoaded || font != FFont) Load(font);
  if (!FUsable) return false;
  const qsizetype n = text.size();
  FGlyphs.resize(n);
  FPositions.resize(n);
  qreal x = 0;
  for (qsizetype k = 0; k < n; ++k) {
    const char16_t c = text[k].unicode();
    const int slot = PlainSlot(c);
    if (slot < 0 || FGlyph[static_cast<size_t>(slot)] == 0) return false;
    if (k > 0) {
      const float shift = PairShift(text[k - 1].unicode(), c);
      if (std::isnan(shift)) return false;
      x += shift;
    }
    FGlyphs[k] = FGlyph[static_cast<size_t>(slot)];
    FPositions[k] = QPointF(x, 0);
    x += FAdvance[static_cast<size_t>(slot)];
  }
  FWidth = x;
  return true;
}

bool TPlainGlyphRun::PrepareElided(const QFont& font, const QString& text, qreal room) {
  if (!Prepare(font, text)) return false;
  if (FWidth <= room) return true;
  // As the text engine elides on the right: the longest start that leaves
  // room for the ellipsis, measured with the kerning inside the text.
  const qreal ellipsis = FAdvance[kPlainEnd];
  qsizetype keep = 0;
  while (keep + 1 < text.size() && FPositions[keep + 1].x() + ellipsis <= room) ++keep;
  if (keep == 0) return false;
  return Prepare(font, text.left(keep) + QChar(kEllipsis));
}

void TPlainGlyphRun::Draw(QPainter* painter, qreal x, qreal y) const {
  QGlyphRun run;
  run.setRawFont(FRaw);
  run.setGlyphIndexes(FGlyphs);
  run.setPositions(FPositions);
  painter->drawGlyphRun(QPointF(x, y + FRaw.ascent()), run);
}

TFileListViewDelegate::TFileListViewDelegate(TFileListView* view) : QStyledItemDelegate(view), FView(view) {}

void TFileListViewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  const int column = index.column();
  // The first column draws a check box or an icon when it has one.
  bool plain = column > 0 && column < static_cast<int>(FView->GuiColumns().size());
  if (column == 0 && !FView->Checkboxes()) {
    const int32_t item = FView->GetIndexOfListItem(index.row());
    plain = !FView->ShowFileIcons() || item < 0 || item >= FView->GetFileCount() ||
            FView->Items().IconIndex(static_cast<size_t>(item)) < 0 ||
            FView->Items().IconIndex(static_cast<size_t>(item)) >= FView->SysIcons()->Count();
  }
  if (!plain || (option.state & QStyle::State_HasFocus)) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                     : (option.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
  const QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return;
  const QStyle* style = option.widget != nullptr ? option.widget->style() : FView->style();
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
  const QRect room = option.rect.adjusted(margin, 0, -margin, 0);
  const Qt::Alignment alignment = QStyle::visualAlignment(
      option.direction, QtAlignmentOf(FView->GuiColumns()[static_cast<size_t>(column)].Alignment));
  painter->save();
  painter->setLayoutDirection(option.direction);
  painter->setFont(option.font);
  painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  const QFontMetrics& metrics = option.fontMetrics;
  const qreal y = room.top() + (room.height() - metrics.height()) / 2;
  auto left = [&](qreal width) {
    if (alignment & Qt::AlignRight) return room.right() + 1 - width;
    if (alignment & Qt::AlignHCenter) return room.left() + (room.width() - width) / 2;
    return static_cast<qreal>(room.left());
  };
  if (option.textElideMode == Qt::ElideRight && FGlyphs.PrepareElided(option.font, text, room.width())) {
    FGlyphs.Draw(painter, left(FGlyphs.Width()), y);
    painter->restore();
    return;
  }
  // The text is shaped once: measured and drawn from one layout.
  QTextLayout layout(text, option.font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  qreal width = line.naturalTextWidth();
  if (width > room.width()) {
    layout.setText(metrics.elidedText(text, option.textElideMode, room.width()));
    layout.beginLayout();
    line = layout.createLine();
    layout.endLayout();
    width = line.naturalTextWidth();
  }
  layout.draw(painter, QPointF(left(width), y));
  painter->restore();
}
