#include "controls/font_list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "foundation/qt/qt_strings.h"
#include "foundation/str_split.h"

QColor ToQColor(TGraphicsColor colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

namespace {

QFont MakeFont(const QFont& base, const std::string& name, int32_t size, const TFontStyleSet& styles) {
  // A fresh font, so that nothing of the base font's family list wins over
  // the name.
  QFont font = name.empty() ? base : QFont(ToQString(name));
  if (!name.empty()) font.setPointSize(base.pointSize() > 0 ? base.pointSize() : font.pointSize());
  if (size > 0) font.setPointSize(size);
  font.setBold(styles.Bold);
  font.setItalic(styles.Italic);
  return font;
}

TStrArray TextLines(const std::string& text) {
  TStrArray lines;
  if (text.find('\n') != std::string::npos) {
    ExplodeAtCRLF_CR_LF_LineBreaks(lines, text);
  } else {
    lines.push_back(text);
  }
  return lines;
}

}  // namespace

TFontListBox::TFontListBox(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  FScrollBar = new QScrollBar(Qt::Vertical, this);
  FScrollBar->setPageStep(3);
  FScrollBar->setRange(0, 0);
  connect(FScrollBar, &QScrollBar::valueChanged, this, [this](int position) {
    if (position < FCount) FTopIndex = position;
    update();
  });
  resize(100, 100);
}

void TFontListBox::SetCount(int32_t value) {
  if (value == FCount) return;
  if (OwnerData) FCount = std::max(0, value);
  ResetItemInfos();
  RefreshScrollBar();
  update();
}

void TFontListBox::SetShowFont(bool value) {
  if (value == FShowFont) return;
  FShowFont = value;
  ResetItemHeight();
  update();
}

void TFontListBox::SetShowSubTitle(bool value) {
  if (value == FShowSubTitle) return;
  FShowSubTitle = value;
  ResetItemHeight();
  update();
}

void TFontListBox::SetSpacingBetweenItems(int32_t value) {
  if (value == FSpacingBetweenItems) return;
  FSpacingBetweenItems = value;
  ResetItemHeight();
  update();
}

void TFontListBox::SetSpacingInItems(int32_t value) {
  if (value == FSpacingInItems) return;
  FSpacingInItems = value;
  ResetItemHeight();
  update();
}

void TFontListBox::SetFontSize(int32_t value) {
  if (value == FFontSize) return;
  FFontSize = value;
  ResetItemHeight();
  update();
}

void TFontListBox::SetSubTitleFontSize(int32_t value) {
  if (value == FSubTitleFontSize) return;
  FSubTitleFontSize = value;
  FSubTitleHeight = 0;
  ResetItemHeight();
  update();
}

void TFontListBox::SetFontColor(TGraphicsColor value) {
  if (value == FFontColor) return;
  FFontColor = value;
  update();
}

void TFontListBox::SetSubTitleFontColor(TGraphicsColor value) {
  if (value == FSubTitleFontColor) return;
  FSubTitleFontColor = value;
  update();
}

void TFontListBox::SetSubTitleFont(const std::string& value) {
  if (value == FSubTitleFont) return;
  FSubTitleFont = value;
  update();
}

void TFontListBox::SetHighlightColor(TGraphicsColor value) {
  FHighlightColor = value;
  FSelectionColor = FBackgroundColor == 0xFFFFFF ? value : GetSelectionColorDarkerOrLighter(FBackgroundColor);
  update();
}

void TFontListBox::SetBackgroundColor(TGraphicsColor value) {
  if (value == FBackgroundColor) return;
  FBackgroundColor = value;
  SetHighlightColor(FHighlightColor);
  update();
}

void TFontListBox::ResetItemInfos() {
  FItems.assign(static_cast<size_t>(FCount), TFontListBoxItemInfoRec{});
  FItemIndex = -1;
  FLastPageCount = 0;
  FSubTitleHeight = 0;
  if (FCount < FTopIndex) FTopIndex = 0;
}

void TFontListBox::ResetItemHeight() {
  for (TFontListBoxItemInfoRec& item : FItems) item.Height = 0;
  FSubTitleHeight = 0;
  FLastPageCount = 0;
}

void TFontListBox::RefreshScrollBar() {
  QSignalBlocker blocker(FScrollBar);
  FScrollBar->setRange(0, std::max(0, FCount - FLastPageCount));
  if (FScrollBar->value() > FCount) FScrollBar->setValue(0);
  if (FTopIndex >= FCount) FTopIndex = 0;
}

void TFontListBox::ClearSelection() {
  for (TFontListBoxItemInfoRec& item : FItems) item.Selected = false;
  update();
}

void TFontListBox::SelectAll() {
  for (TFontListBoxItemInfoRec& item : FItems) item.Selected = true;
  update();
}

void TFontListBox::SelectItem(int32_t index, bool clear) {
  if (FCount <= 0) return;
  if (clear) ClearSelection();
  index = std::clamp(index, 0, FCount - 1);
  FItems[static_cast<size_t>(index)].Selected = true;
  FItemIndex = index;
  MakeItemVisible(index);
  update();
}

void TFontListBox::SelectNextItem(bool clear, bool up) { SelectItem(FItemIndex + (up ? -1 : 1), clear); }

void TFontListBox::MakeItemVisible(int32_t index) {
  if (FCount <= 0) return;
  bool changed = false;
  if (index < FTopIndex) {
    FTopIndex = index;
    changed = true;
  } else {
    int32_t sum = 0;
    int32_t lastFitting = FCount - 1;
    for (int32_t i = FTopIndex; i < FCount; ++i) {
      sum += FItems[static_cast<size_t>(i)].Height;
      if (sum > height()) {
        lastFitting = i - 1;
        break;
      }
    }
    if (index > lastFitting) {
      FTopIndex = index;
      changed = true;
    }
  }
  if (changed) {
    QSignalBlocker blocker(FScrollBar);
    FScrollBar->setValue(FTopIndex);
    update();
  }
}

int32_t TFontListBox::GetIndexAtXY(int32_t, int32_t y) const {
  int32_t sum = 0;
  for (int32_t i = FTopIndex; i < FCount; ++i) {
    sum += FItems[static_cast<size_t>(i)].Height;
    if (sum > y) return i;
  }
  return -1;
}

void TFontListBox::RefreshSelectionChangeInternal() {
  if (FItemIndex < 0 || FItemIndex >= FCount) return;
  TFontListBoxItemInfoRec& item = FItems[static_cast<size_t>(FItemIndex)];
  // A row reached by the keyboard may not be painted yet; its name is asked
  // for rather than reported empty.
  if (item.FontName.empty() && OwnerData && OnData) {
    std::string text, subTitle;
    TFontStyleSet styles;
    OnData(this, item.FontName, text, subTitle, styles, FItemIndex);
  }
  const std::string name = item.FontName;
  bool differs = name != InitialFontName;
  InitialFontName = name;
  if (differs && OnSelectFont) OnSelectFont(this, InitialFontName);
}

void TFontListBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  bool rightToLeft = layoutDirection() == Qt::RightToLeft;
  int32_t w = width();
  int32_t h = height();
  std::string fontName, textFont, textSubTitle;
  TFontStyleSet styles;

  if (FLastPageCount == 0 && FSubTitleHeight > 0 && FCount > 0) {
    int32_t sum = 0;
    for (int32_t i = FCount - 1; i >= 0; --i) {
      TFontListBoxItemInfoRec& item = FItems[static_cast<size_t>(i)];
      if (item.Height == 0) {
        if (item.FontName.empty() && OnData) {
          OnData(this, fontName, textFont, textSubTitle, styles, i);
          item.FontName = fontName;
        }
        QFontMetrics metrics(MakeFont(font(), item.FontName, FFontSize, {}));
        item.Height = 3 * FSpacingBetweenItems + FSubTitleHeight +
                      metrics.height() * static_cast<int32_t>(TextLines(textFont).size());
      }
      sum += item.Height;
      if (sum > h) break;
      ++FLastPageCount;
    }
    QSignalBlocker blocker(FScrollBar);
    FScrollBar->setMaximum(std::max(0, FCount - FLastPageCount));
  }

  painter.fillRect(rect(), ToQColor(FBackgroundColor));
  auto drawLines = [&](const TStrArray& lines, int32_t top, int32_t lineHeight, int32_t ascent) {
    for (size_t k = 0; k < lines.size(); ++k) {
      QString line = ToQString(lines[k]);
      int32_t x = rightToLeft ? w - painter.fontMetrics().horizontalAdvance(line) - 8 : 8;
      painter.drawText(x, top + static_cast<int32_t>(k) * lineHeight + ascent, line);
    }
  };
  int32_t y = 0;
  for (int32_t i = FTopIndex; i < FCount; ++i) {
    TFontListBoxItemInfoRec& item = FItems[static_cast<size_t>(i)];
    styles = {};
    int32_t y0 = y;
    int32_t band = item.Height > 0 ? item.Height : h - y;
    if (item.Selected) {
      painter.fillRect(QRect(0, y0, w, band - 1), ToQColor(FSelectionColor));
    } else {
      painter.fillRect(QRect(0, y0, w, band), ToQColor(FBackgroundColor));
    }
    y += FSpacingBetweenItems;
    if (OwnerData) {
      if (OnData) OnData(this, fontName, textFont, textSubTitle, styles, i);
      item.FontName = fontName;
    }
    if (FShowFont) {
      painter.setFont(MakeFont(font(), fontName, FFontSize, styles));
      painter.setPen(ToQColor(FFontColor));
      QFontMetrics metrics = painter.fontMetrics();
      TStrArray lines = TextLines(textFont);
      drawLines(lines, y, metrics.height(), metrics.ascent());
      y += static_cast<int32_t>(lines.size()) * metrics.height();
    }
    if (FShowFont && FShowSubTitle) y += FSpacingInItems;
    if (FShowSubTitle) {
      painter.setFont(MakeFont(font(), FSubTitleFont, FSubTitleFontSize, {}));
      painter.setPen(ToQColor(FSubTitleFontColor));
      QFontMetrics metrics = painter.fontMetrics();
      TStrArray lines = TextLines(textSubTitle);
      drawLines(lines, y, metrics.height(), metrics.ascent());
      FSubTitleHeight = static_cast<int32_t>(lines.size()) * metrics.height();
      y += FSubTitleHeight;
    }
    y += FSpacingBetweenItems;
    item.Height = y - y0;
    if (y > h) {
      QSignalBlocker blocker(FScrollBar);
      FScrollBar->setPageStep(i - FTopIndex - 1);
      break;
    }
  }
}

void TFontListBox::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  FLastPageCount = 0;
  PlaceScrollBar();
}

void TFontListBox::PlaceScrollBar() {
  int32_t barWidth = FScrollBar->sizeHint().width();
  int32_t x = layoutDirection() == Qt::RightToLeft ? 0 : width() - barWidth;
  FScrollBar->setGeometry(x, 0, barWidth, height());
}

void TFontListBox::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LayoutDirectionChange) {
    PlaceScrollBar();
    update();
  }
}

void TFontListBox::keyPressEvent(QKeyEvent* e) {
  bool clear = !(e->modifiers() & Qt::ControlModifier);
  bool handled = true;
  switch (e->key()) {
    case Qt::Key_Up: SelectNextItem(clear, true); break;
    case Qt::Key_Down: SelectNextItem(clear, false); break;
    case Qt::Key_Home:
      if (FCount > 0) SelectItem(0, true);
      break;
    case Qt::Key_End:
      if (FCount > 0) SelectItem(FCount - 1, true);
      break;
    case Qt::Key_PageUp:
      if (FCount > 0) SelectItem(std::max(0, FItemIndex - PageStep()), true);
      break;
    case Qt::Key_PageDown:
      if (FCount > 0) {
        int32_t last = std::max(0, std::min(FItemIndex + PageStep(), FCount - 1));
        SelectItem(last, true);
        MakeItemVisible(std::clamp(last - PageStep() + 1, 0, FCount - 1));
      }
      break;
    case Qt::Key_A:
      handled = false;
      if (e->modifiers() == Qt::ControlModifier || e->modifiers() == Qt::MetaModifier) SelectAll();
      break;
    default: handled = false; break;
  }
  if (handled) {
    RefreshSelectionChangeInternal();
    e->accept();
    return;
  }
  QWidget::keyPressEvent(e);
}

void TFontListBox::mousePressEvent(QMouseEvent* e) {
  setFocus();
  if (e->button() == Qt::RightButton) return;
  bool ctrl = e->modifiers() & Qt::ControlModifier;
  if (!(MultiSelect && ctrl)) ClearSelection();
  QPoint p = e->position().toPoint();
  int32_t clicked = GetIndexAtXY(p.x(), p.y());
  if (MultiSelect && (e->modifiers() & Qt::ShiftModifier) && clicked >= 0 && FItemIndex >= 0 && FItemIndex < FCount) {
    for (int32_t i = std::min(FItemIndex, clicked); i <= std::max(FItemIndex, clicked); ++i) {
      FItems[static_cast<size_t>(i)].Selected = true;
    }
  }
  FItemIndex = clicked;
  if (clicked >= 0) FItems[static_cast<size_t>(clicked)].Selected = true;
  RefreshSelectionChangeInternal();
  update();
}

void TFontListBox::wheelEvent(QWheelEvent* e) {
  e->accept();
  int dy = e->angleDelta().y();
  if (dy == 0) return;
  if (e->modifiers() & Qt::ControlModifier) {
    // The cached row heights stay until the next full reset.
    if (dy > 0) {
      ++FFontSize;
    } else if (FFontSize > 1) {
      --FFontSize;
    }
    update();
    return;
  }
  FScrollBar->setValue(std::clamp(FScrollBar->value() + (dy > 0 ? -3 : 3), 0, FCount));
}
