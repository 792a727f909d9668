#include "controls/column_labels.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "foundation/qt/qt_strings.h"
#include "foundation/qt/text_measurer.h"
#include "foundation/str_split.h"
#include "foundation/str_transform.h"

TColumnLabelCells ParseColumnLabelText(const std::string& text) {
  TColumnLabelCells result;
  ExplodeTable(result.Cells, text, "\n", "\t");
  if (result.Cells.empty()) result.Cells.push_back({""});
  for (auto& row : result.Cells) {
    std::vector<bool> marks;
    for (auto& cell : row) {
      bool marked = cell.rfind(kColumnLabelSpanMarker, 0) == 0;
      if (marked) cell.erase(0, 5);
      marks.push_back(marked);
    }
    result.Marked.push_back(marks);
  }
  return result;
}

std::vector<int32_t> ColumnLabelColumnStarts(const TColumnLabelCells& cells, const TTextMeasurer& canvas,
                                             int32_t fixedColumnWidth) {
  size_t m = 0;
  for (const auto& row : cells.Cells) m = std::max(m, row.size());
  std::vector<int32_t> starts(m, 0);
  if (fixedColumnWidth > 0) {
    for (size_t j = 0; j < m; ++j) starts[j] = static_cast<int32_t>(j) * fixedColumnWidth;
    return starts;
  }
  std::vector<int32_t> widths(m, 0);
  for (size_t r = 0; r < cells.Cells.size(); ++r)
    for (size_t j = 0; j < cells.Cells[r].size(); ++j)
      if (!cells.Marked[r][j]) widths[j] = std::max(widths[j], canvas.TextWidth(cells.Cells[r][j]) + 20);
  int32_t sum = 0;
  for (size_t j = 0; j < m; ++j) {
    starts[j] = sum;
    sum += widths[j];
  }
  return starts;
}

TColumnLabelCellFormat ParseColumnLabelCellFormat(const std::string& cell) {
  TColumnLabelCellFormat f;
  f.Text = cell;
  size_t blank = cell.find(' ');
  if (cell.empty() || cell[0] != '\\' || blank == std::string::npos) return f;
  f.Text = cell.substr(blank + 1);
  std::string codes = cell.substr(0, blank);
  size_t pos = 0;
  while (pos <= codes.size()) {
    size_t next = codes.find('\\', pos);
    std::string code = codes.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
    if (code == "b") f.Bold = true;
    if (code.size() == 7 && code[0] == 'c') f.Colour = HexToTColorIfStringIsHexColor(code.substr(1), 0);
    if (next == std::string::npos) break;
    pos = next + 1;
  }
  return f;
}

std::string MinimizeName(const std::string& path, int32_t maxWidth, const TTextMeasurer& canvas) {
  if (canvas.TextWidth(path) <= maxWidth) return path;
  std::string rest = path;
  // Drop leading folders one at a time: "/a/b/c/name" -> ".../b/c/name".
  while (true) {
    size_t start = rest.rfind(".../", 0) == 0 ? 4 : (rest.rfind('/', 0) == 0 ? 1 : 0);
    size_t slash = rest.find('/', start);
    if (slash == std::string::npos) return rest;
    rest = ".../" + rest.substr(slash + 1);
    if (canvas.TextWidth(rest) <= maxWidth) return rest;
  }
}

namespace {
std::string Shorten(const std::string& t, TMultiLabelWordWrapType mode, const std::string& opposite,
                    const std::string& center, int32_t width, const TTextMeasurer& canvas) {
  std::string trimmedCenter = center;
  trimmedCenter.erase(0, trimmedCenter.find_first_not_of(' '));
  int32_t room = !trimmedCenter.empty() && trimmedCenter.find_first_not_of(" \t") != std::string::npos
                     ? width / 2 - canvas.TextWidth(center) / 2 - 10
                     : width - canvas.TextWidth(opposite) - 10;
  if (room <= 10) return "...";
  if (mode == mwtDotsRight) return canvas.TextWidth(t) > room ? CutText(t, room, canvas, "...") : t;
  std::string s = MinimizeName(t, room, canvas);
  if (canvas.TextWidth(s) > room) s = CutTextMiddle(s, room, canvas, "...");
  return s;
}
}  // namespace

std::vector<TMultiLabelPiece> MultiLabelLayout(std::string left, TMultiLabelWordWrapType leftMode, std::string center,
                                               std::string right, TMultiLabelWordWrapType rightMode, int32_t width,
                                               bool rightToLeft, const TTextMeasurer& canvas) {
  std::string L = left, R = right, M = center;
  TMultiLabelWordWrapType lm = leftMode, rm = rightMode;
  if (rightToLeft) {
    std::swap(L, R);
    std::swap(lm, rm);
  }
  if (lm == mwtDotsRightAndHideOthers) {
    if (canvas.TextWidth(L) + 10 > width - canvas.TextWidth(R)) {
      R.clear();
      M.clear();
    }
    lm = mwtDotsRight;
  }
  if (rm == mwtDotsRightAndHideOthers) {
    if (canvas.TextWidth(R) + 10 > width - canvas.TextWidth(L)) {
      L.clear();
      M.clear();
    }
    rm = mwtDotsRight;
  }
  std::vector<TMultiLabelPiece> pieces;
  if (!L.empty()) {
    if (lm == mwtDotsRight || lm == mwtMinimizeFileName) L = Shorten(L, lm, R, M, width, canvas);
    pieces.push_back({L, 0});
  }
  if (!R.empty()) {
    if (rm == mwtDotsRight || rm == mwtMinimizeFileName) R = Shorten(R, rm, L, M, width, canvas);
    pieces.push_back({R, width - canvas.TextWidth(R)});
  }
  if (!M.empty()) pieces.push_back({M, (width - canvas.TextWidth(M)) / 2});
  return pieces;
}

TColumnLabel::TColumnLabel(QWidget* parent) : QWidget(parent) {
  SetCaption("");
  FParsed = true;
}

void TColumnLabel::SetCaption(const std::string& value) {
  FCaption = value;
  FCells = ParseColumnLabelText(value);
  updateGeometry();
  update();
}

void TColumnLabel::SetFixedColumnWidth(int32_t value) {
  value = std::max(0, value);
  if (value == FFixedColumnWidth) return;
  FFixedColumnWidth = value;
  updateGeometry();
  repaint();
}

void TColumnLabel::SetFormattingEnabled(bool value) {
  if (value == FFormattingEnabled) return;
  FFormattingEnabled = value;
  repaint();
}

std::vector<int32_t> TColumnLabel::ColumnStarts() const {
  TQtTextMeasurer m(font());
  return ColumnLabelColumnStarts(FCells, m, FFixedColumnWidth);
}

QSize TColumnLabel::sizeHint() const {
  QFontMetrics fm(font());
  if (!FParsed) return {0, 21};
  // The width of the widest row, so that a layout never clips the table.
  TQtTextMeasurer m(font());
  QFont bold = font();
  bold.setBold(true);
  QFontMetrics fmBold(bold);
  std::vector<int32_t> starts = ColumnStarts();
  int32_t w = 0;
  for (const auto& row : FCells.Cells)
    for (size_t j = 0; j < row.size(); ++j) {
      std::string text = FFormattingEnabled ? ParseColumnLabelCellFormat(row[j]).Text : row[j];
      w = std::max(w, starts[j] + fmBold.horizontalAdvance(ToQString(text)));
    }
  return {w, fm.height() * static_cast<int32_t>(FCells.Cells.size())};
}

void TColumnLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QFontMetrics fm(font());
  int32_t h = fm.height();
  std::vector<int32_t> starts = ColumnStarts();
  for (size_t r = 0; r < FCells.Cells.size(); ++r) {
    for (size_t j = 0; j < FCells.Cells[r].size(); ++j) {
      const std::string& cell = FCells.Cells[r][j];
      QFont f = font();
      QColor colour = palette().color(QPalette::WindowText);
      std::string text = cell;
      if (FFormattingEnabled) {
        TColumnLabelCellFormat fmt = ParseColumnLabelCellFormat(cell);
        f.setBold(fmt.Bold);
        TRGBColor rgb = TColorToRGB(fmt.Colour);
        colour = QColor(rgb.Red, rgb.Green, rgb.Blue);
        text = fmt.Text;
      }
      p.setFont(f);
      p.setPen(colour);
      p.drawText(starts[j], static_cast<int32_t>(r) * h + fm.ascent(), ToQString(text));
    }
  }
}

TMultiLabel::TMultiLabel(QWidget* parent) : QWidget(parent) { resize(200, 25); }

#define MULTI_SETTER(Name, Type, Field)     \
  void TMultiLabel::Set##Name(Type value) { \
    if (value == Field) return;             \
    Field = value;                          \
    update();                               \
  }
MULTI_SETTER(CaptionLeft, const std::string&, FLeft)
MULTI_SETTER(CaptionCenter, const std::string&, FCenter)
MULTI_SETTER(CaptionRight, const std::string&, FRight)
MULTI_SETTER(WordWrapLeft, TMultiLabelWordWrapType, FWrapLeft)
MULTI_SETTER(WordWrapCenter, TMultiLabelWordWrapType, FWrapCenter)
MULTI_SETTER(WordWrapRight, TMultiLabelWordWrapType, FWrapRight)
#undef MULTI_SETTER

std::vector<TMultiLabelPiece> TMultiLabel::Pieces() const {
  TQtTextMeasurer m(font());
  return MultiLabelLayout(FLeft, FWrapLeft, FCenter, FRight, FWrapRight, width(), layoutDirection() == Qt::RightToLeft,
                          m);
}

QSize TMultiLabel::sizeHint() const { return {0, QFontMetrics(font()).height()}; }

void TMultiLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  int32_t ascent = QFontMetrics(font()).ascent();
  for (const auto& piece : Pieces()) p.drawText(piece.X, ascent, ToQString(piece.Text));
}

void TMultiLabel::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LayoutDirectionChange) update();
}
