#include "controls/tab_panel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "foundation/qt/qt_strings.h"

TTabStripGeometry TabStripGeometry(const std::vector<int32_t>& widths, int32_t startX, int32_t captionWidth,
                                   int32_t spacing, bool spacingSidewards, int32_t fixedTabWidth) {
  TTabStripGeometry g;
  int32_t x = startX;
  g.TabsStartX = x;
  if (captionWidth >= 0) {
    x += captionWidth + spacing;
    g.TabsStartX = x - spacing;
  }
  for (size_t i = 0; i < widths.size(); ++i) {
    int32_t w = widths[i];
    int32_t F = fixedTabWidth;
    if (F >= 1) {
      x = static_cast<int32_t>(i) * F + (F - w) / 2;
    } else if (i > 0 || spacingSidewards) {
      x += spacing;
    }
    g.TextX.push_back(x);
    x = F >= 1 ? static_cast<int32_t>(i + 1) * F : x + spacing + w;
    g.RightEdges.push_back(x);
    g.TabsEndX = x;
  }
  return g;
}

int32_t TabAtPosition(const TTabStripGeometry& g, int32_t x) {
  if (x < g.TabsStartX) return -1;
  for (size_t i = 0; i < g.RightEdges.size(); ++i)
    if (x < g.RightEdges[i]) return static_cast<int32_t>(i);
  return -1;
}

int32_t TabStripPreferredWidth(const std::vector<int32_t>& widths, int32_t startX, int32_t spacing,
                               bool spacingSidewards, int32_t fixedTabWidth) {
  auto count = static_cast<int32_t>(widths.size());
  if (fixedTabWidth >= 1) return count * fixedTabWidth + startX;
  int32_t w = startX;
  for (int32_t v : widths) w += v;
  w += spacing * 2 * count;
  if (spacingSidewards) w -= spacing;
  return w;
}

TTabbedLabel::TTabbedLabel(QWidget* parent) : QWidget(parent) {
  resize(250, 25);
  FTabBorderColor = palette().color(QPalette::Dark);
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
}

void TTabbedLabel::SetTabs(const TStrArray& tabs) {
  FTabs = tabs;
  if (!FTabs.empty()) FTabIndex = 0;
  updateGeometry();
  repaint();
}

void TTabbedLabel::SetTabCaption(int32_t index, const std::string& caption) {
  if (index < 0) return;
  if (index >= TabCount()) FTabs.resize(static_cast<size_t>(index) + 1);
  FTabs[static_cast<size_t>(index)] = caption;
  updateGeometry();
}

#define TAB_SETTER(Name, Type, Field, Relayout) \
  void TTabbedLabel::Set##Name(Type value) {    \
    if (value == Field) return;                 \
    Field = value;                              \
    if (Relayout) updateGeometry();             \
    update();                                   \
  }
TAB_SETTER(TabIndex, int32_t, FTabIndex, false)
TAB_SETTER(TabSelectedBold, bool, FTabSelectedBold, false)
TAB_SETTER(TabStartPosition, int32_t, FTabStartPosition, false)
TAB_SETTER(TabBorderColor, const QColor&, FTabBorderColor, false)
TAB_SETTER(DrawTabBorders, bool, FDrawTabBorders, false)
TAB_SETTER(DrawTabRects, bool, FDrawTabRects, false)
TAB_SETTER(TabAlignment, Qt::Alignment, FTabAlignment, false)
TAB_SETTER(Caption, const std::string&, FCaption, false)
TAB_SETTER(TabSpacing, int32_t, FTabSpacing, true)
TAB_SETTER(TabSpacingSidewards, bool, FTabSpacingSidewards, true)
TAB_SETTER(FixedTabWidth, int32_t, FFixedTabWidth, true)
#undef TAB_SETTER

std::vector<int32_t> TTabbedLabel::TextWidths() const {
  QFontMetrics fm(font());
  std::vector<int32_t> widths;
  for (const auto& t : FTabs) widths.push_back(fm.horizontalAdvance(ToQString(t)));
  return widths;
}

// The strip's geometry is reckoned from the leading edge; a right-to-left
// strip starts at the right, so its x positions are read from there.
int32_t TTabbedLabel::LeadingX(int32_t x) const { return isRightToLeft() ? width() - 1 - x : x; }

int32_t TTabbedLabel::GetTabAtPosition(int32_t x, int32_t) const { return TabAtPosition(FGeometry, LeadingX(x)); }

QSize TTabbedLabel::sizeHint() const {
  QFontMetrics fm(font());
  int32_t h = fm.height() * 3 / 2;
  return {TabStripPreferredWidth(TextWidths(), FTabStartPosition, FTabSpacing, FTabSpacingSidewards, FFixedTabWidth),
          h};
}

void TTabbedLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const bool rtl = isRightToLeft();
  // Positions below are from the leading edge; a mirrored strip draws each
  // text and line at the same distance from the right.
  auto textAt = [&](int32_t x, int32_t y, int32_t w, const QString& text) {
    p.drawText(rtl ? width() - x - w : x, y, text);
  };
  auto lineAt = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (rtl) x1 = width() - 1 - x1, x2 = width() - 1 - x2;
    p.drawLine(x1, y1, x2, y2);
  };
  QFont regular = font();
  QFont bold = font();
  bold.setBold(true);
  QFontMetrics fm(regular);
  QFontMetrics fmBold(bold);
  int32_t y = (height() - fm.height()) / 2;
  int32_t captionWidth = -1;
  setCursor(TabCount() < 2 ? Qt::ArrowCursor : Qt::PointingHandCursor);
  if (!FCaption.empty()) {
    p.setFont(bold);
    captionWidth = fmBold.horizontalAdvance(ToQString(FCaption));
    textAt(FTabStartPosition, y + fm.ascent(), captionWidth, ToQString(FCaption));
  }
  std::vector<int32_t> widths = TextWidths();
  FGeometry =
      TabStripGeometry(widths, FTabStartPosition, captionWidth, FTabSpacing, FTabSpacingSidewards, FFixedTabWidth);
  int32_t start = captionWidth >= 0 ? FGeometry.TabsStartX + FTabSpacing : FTabStartPosition;
  p.setPen(FTabBorderColor);
  if (FDrawTabRects && start > 0) lineAt(0, height() - 1, start, height() - 1);
  int32_t x0 = start;
  for (size_t i = 0; i < widths.size(); ++i) {
    int32_t x = FGeometry.TextX[i];
    int32_t right = FGeometry.RightEdges[i];
    QString text = ToQString(FTabs[i]);
    p.setPen(palette().color(QPalette::WindowText));
    if (static_cast<int32_t>(i) == FTabIndex && FTabSelectedBold) {
      p.setFont(bold);
      int32_t b = fmBold.horizontalAdvance(text);
      textAt(std::max(0, x - (b - widths[i]) / 2), y + fm.ascent(), b, text);
    } else {
      p.setFont(regular);
      textAt(x, y + fm.ascent(), widths[i], text);
    }
    p.setPen(FTabBorderColor);
    bool last = i + 1 == widths.size();
    if (FDrawTabBorders && (FDrawTabRects || !last)) {
      lineAt(right, 0, right, height());
      if (FDrawTabRects && i == 0) lineAt(x0, 0, x0, height());
    }
    if (FDrawTabRects) {
      lineAt(x0, 0, right, 0);
      if (static_cast<int32_t>(i) != FTabIndex) lineAt(x0, height() - 1, right, height() - 1);
    }
    x0 = right;
  }
  if (FDrawTabRects) lineAt(x0, height() - 1, width(), height() - 1);
}

void TTabbedLabel::mousePressEvent(QMouseEvent* e) {
  QWidget::mousePressEvent(e);
  int32_t i = GetTabAtPosition(static_cast<int32_t>(e->position().x()), static_cast<int32_t>(e->position().y()));
  if (i < 0) return;
  if (OnTabClick) OnTabClick(this, i);
  SetTabIndex(i);
  repaint();
}

void TTabbedLabel::mouseMoveEvent(QMouseEvent* e) {
  QWidget::mouseMoveEvent(e);
  auto x = LeadingX(static_cast<int32_t>(e->position().x()));
  setCursor(FGeometry.TabsStartX < x && x < FGeometry.TabsEndX ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

TTabPanelTab::TTabPanelTab(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  hide();
  if (auto* panel = qobject_cast<TTabPanel*>(parent)) {
    FPanel = panel;
    panel->InsertTab(this);
  }
}

TTabPanelTab::~TTabPanelTab() {
  if (FPanel) FPanel->RemovePage(this);
}

int32_t TTabPanelTab::Index() const { return FPanel ? FPanel->GetIndexOfTab(this) : -1; }

void TTabPanelTab::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  if (FPanel) {
    FPanel->FStrip->SetTabCaption(Index(), value);
    FPanel->FStrip->update();
    FPanel->update();
  }
}

bool TTabPanelTab::event(QEvent* e) {
  if (e->type() == QEvent::ParentChange) {
    auto* panel = qobject_cast<TTabPanel*>(parentWidget());
    if (panel != FPanel) {
      if (FPanel) FPanel->RemovePage(this);
      FPanel = panel;
      if (panel != nullptr) panel->InsertTab(this);
    }
  }
  return QWidget::event(e);
}

TTabPanel::TTabPanel(QWidget* parent) : QWidget(parent) {
  setGeometry(0, 0, 300, 150);
  setFocusPolicy(Qt::TabFocus);
  FStrip = new TTabbedLabel(this);
  FStrip->OnTabClick = [this](QObject*, int32_t tab) { SetTabIndex(tab); };
  LayoutChildren();
}

TTabPanel::~TTabPanel() {
  // The pages die with the panel; nothing may call back into the list then.
  for (TTabPanelTab* page : FPages) page->FPanel = nullptr;
}

TTabPanelTab* TTabPanel::AddTab(const std::string& caption) {
  std::string text = caption.empty() ? "Tab" + std::to_string(FPages.size() + 1) : caption;
  auto* page = new TTabPanelTab(nullptr);
  page->SetCaption(text);
  page->setParent(this);
  update();
  return page;
}

void TTabPanel::InsertTab(TTabPanelTab* page) {
  if (GetIndexOfTab(page) >= 0) return;
  page->hide();
  FPages.push_back(page);
  FStrip->SetTabCaption(TabCount() - 1, page->Caption());
  FStrip->updateGeometry();
  FStrip->update();
  LayoutChildren();
  if (FTabIndex == -1) SetTabIndex(TabCount() - 1);
}

void TTabPanel::RemovePage(TTabPanelTab* page) {
  int32_t index = GetIndexOfTab(page);
  if (index < 0) return;
  FPages.erase(FPages.begin() + index);
  TStrArray captions;
  for (auto* p : FPages) captions.push_back(p->Caption());
  int32_t stripIndex = FStrip->TabIndex();
  FStrip->SetTabs(captions);
  if (index == FTabIndex) {
    FTabIndex = -1;
    FStrip->SetTabIndex(-1);
    if (!FPages.empty()) SetTabIndex(std::min<int32_t>(index, TabCount() - 1));
  } else {
    if (index < FTabIndex) --FTabIndex;
    FStrip->SetTabIndex(FTabIndex >= 0 ? FTabIndex : std::min(stripIndex, TabCount() - 1));
  }
  update();
}

void TTabPanel::SetTabIndex(int32_t value) {
  if (value == FTabIndex || value < -1 || value >= TabCount()) return;
  if (TTabPanelTab* visible = GetActiveTab()) visible->hide();
  FTabIndex = value;
  if (value == -1) return;
  TTabPanelTab* page = FPages[static_cast<size_t>(value)];
  LayoutChildren();
  page->show();
  FStrip->SetTabIndex(value);
  if (OnTabChange) OnTabChange(this, value);
}

TTabPanelTab* TTabPanel::GetTab(int32_t index) const {
  if (index < 0 || index >= TabCount()) return nullptr;
  return FPages[static_cast<size_t>(index)];
}

int32_t TTabPanel::GetIndexOfTab(const TTabPanelTab* page) const {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  return it == FPages.end() ? -1 : static_cast<int32_t>(it - FPages.begin());
}

void TTabPanel::SetTabsPosition(TTabPosition value) {
  if (value == FTabsPosition) return;
  bool moves = value == tpTop || value == tpBottom;
  FTabsPosition = value;
  if (moves) LayoutChildren();
  update();
}

void TTabPanel::LayoutChildren() {
  int32_t h = FStrip->sizeHint().height();
  bool bottom = FTabsPosition == tpBottom || (FStrip->y() > 0 && FTabsPosition != tpTop);
  FStrip->setGeometry(0, bottom ? height() - h : 0, width(), h);
  QRect pageRect = bottom ? QRect(0, 0, width(), height() - h) : QRect(0, h, width(), height() - h);
  for (auto* page : FPages) page->setGeometry(pageRect);
}

void TTabPanel::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  LayoutChildren();
}

void TTabPanel::SetTabsAlignment(Qt::Alignment value) { FStrip->SetTabAlignment(value); }
void TTabPanel::SetTabsBorderColor(const QColor& value) { FStrip->SetTabBorderColor(value); }
void TTabPanel::SetTabsDrawBorders(bool value) { FStrip->SetDrawTabBorders(value); }
void TTabPanel::SetTabsDrawRects(bool value) { FStrip->SetDrawTabRects(value); }
void TTabPanel::SetTabsSpacing(int32_t value) { FStrip->SetTabSpacing(value); }
void TTabPanel::SetTabsSpacingSidewards(bool value) { FStrip->SetTabSpacingSidewards(value); }
void TTabPanel::SetTabsStartPosition(int32_t value) { FStrip->SetTabStartPosition(value); }
void TTabPanel::SetCaption(const std::string& value) {
  FStrip->SetCaption(value);
  update();
}
