#include "controls/caption_panels.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

#include "foundation/qt/qt_strings.h"

// --- TRawPanel ---------------------------------------------------------------

TRawPanel::TRawPanel(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  resize(100, 100);
}

void TRawPanel::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  updateGeometry();
  if (FAutoSize) adjustSize();
}

QSize TRawPanel::sizeHint() const {
  if (!FAutoSize) return QWidget::sizeHint();
  if (layout() != nullptr) return layout()->sizeHint();
  QRect children = childrenRect();
  if (children.isEmpty()) return QSize(0, 0);
  return QSize(children.right() + 1, children.bottom() + 1);
}

QSize TRawPanel::minimumSizeHint() const {
  if (FAutoSize && layout() == nullptr && childrenRect().isEmpty()) return QSize(0, 0);
  return QWidget::minimumSizeHint();
}

void TRawPanel::mousePressEvent(QMouseEvent* e) {
  if (OnMouseDown) OnMouseDown(this, e);
  e->accept();
  if (OnClick) OnClick(this);
}

// --- TImageCheckBox ----------------------------------------------------------

std::vector<TMarkerRow> ImageCheckBoxArrowRows(int32_t width, int32_t height, int32_t iconSize, bool checked) {
  std::vector<TMarkerRow> rows;
  int32_t x = (width - iconSize) / 2;
  int32_t row = height / 2 - iconSize / 4;
  if (checked) row += iconSize / 2;
  for (int32_t i = 0; iconSize - 2 * i > 0; ++i) rows.push_back({checked ? row - i : row + i, x + i, iconSize - 2 * i});
  return rows;
}

TImageCheckBox::TImageCheckBox(QWidget* parent) : QWidget(parent) { resize(25, 25); }

void TImageCheckBox::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  if (OnChange) OnChange(this);
  update();
}

void TImageCheckBox::SetIconSize(int32_t value) {
  if (value == FIconSize) return;
  FIconSize = value;
  updateGeometry();
  if (FAutoSize) resize(sizeHint());
  update();
}

void TImageCheckBox::SetIconType(TImageCheckBoxIconType value) {
  if (value == FIconType) return;
  FIconType = value;
  update();
}

void TImageCheckBox::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  updateGeometry();
  if (FAutoSize) resize(sizeHint());
}

QSize TImageCheckBox::sizeHint() const {
  QMargins m = contentsMargins();
  return QSize(FIconSize + 2 + m.left() + m.right(), FIconSize + 2 + m.top() + m.bottom());
}

void TImageCheckBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QRect area = contentsRect();
  painter.translate(area.topLeft());
  painter.setPen(Qt::black);
  int32_t s = FIconSize;
  int32_t x = (area.width() - s) / 2;
  int32_t y = (area.height() - s) / 2;
  switch (FIconType) {
    case itArrow:
      for (const TMarkerRow& r : ImageCheckBoxArrowRows(area.width(), area.height(), s, FChecked)) {
        painter.drawLine(r.Left, r.Row, r.Left + r.Length - 1, r.Row);
      }
      break;
    case itSquare:
      if (FChecked) {
        painter.fillRect(QRect(x, y, s, s), Qt::black);
      } else {
        painter.drawRect(QRect(x, y, s, s));
      }
      break;
    case itCircle:
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setBrush(FChecked ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
      painter.drawEllipse(QRect(x, y, s, s));
      break;
  }
}

void TImageCheckBox::mousePressEvent(QMouseEvent* e) {
  // The press stays here: a caption bar below must not toggle as well.
  e->accept();
  if (e->button() != Qt::LeftButton) return;
  SetChecked(!FChecked);
  update();
}

// --- Caption bars ------------------------------------------------------------

namespace {

// The bar along the top of a panel: the text at the start, the marker at the
// end; a right-to-left layout direction swaps them.
TRawPanel* MakeCaptionBar(QWidget* panel, QWidget* text, TImageCheckBox* marker) {
  auto* bar = new TRawPanel(panel);
  bar->SetAutoSize(true);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(text, 0, Qt::AlignVCenter);
  row->addStretch(1);
  row->addWidget(marker, 0, Qt::AlignVCenter);
  marker->SetIconSize(10);
  marker->SetAutoSize(true);
  return bar;
}

QVBoxLayout* MakePanelColumn(QWidget* panel, QWidget* bar, QWidget* content) {
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(bar);
  column->addWidget(content, 1);
  return column;
}

void SetSpacings(QWidget* text, QWidget* marker, int32_t left, int32_t right, int32_t top, int32_t bottom) {
  text->setContentsMargins(left, top, left, bottom);
  marker->setContentsMargins(right, top, right, bottom);
  marker->updateGeometry();
  text->updateGeometry();
}

}  // namespace

// --- TCollapsiblePanel -------------------------------------------------------

TCollapsiblePanel::TCollapsiblePanel(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  FLabel = new QLabel(ToQString(FCaption));
  FLabel->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
  QFont bold = FLabel->font();
  bold.setBold(FCaptionBold);
  FLabel->setFont(bold);
  FMarker = new TImageCheckBox;
  FMarker->SetChecked(FOpen);
  FBar = MakeCaptionBar(this, FLabel, FMarker);
  FContent = new TCollapsiblePanelTab(this);
  FContent->CreatedByPanel = true;
  MakePanelColumn(this, FBar, FContent);
  // A press on the label reaches the bar, which toggles.
  FBar->OnClick = [this](QObject*) { SetOpen(!FOpen); };
  FMarker->OnChange = [this](QObject*) { SetOpen(FMarker->Checked()); };
  resize(150, 100);
}

void TCollapsiblePanel::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  FLabel->setText(ToQString(value));
}

void TCollapsiblePanel::SetCaptionBold(bool value) {
  if (value == FCaptionBold) return;
  FCaptionBold = value;
  QFont font = FLabel->font();
  font.setBold(value);
  FLabel->setFont(font);
}

void TCollapsiblePanel::SetCaptionBorderSpacingLeft(int32_t value) {
  if (value == FSpacingLeft) return;
  FSpacingLeft = value;
  ApplySpacing();
}

void TCollapsiblePanel::SetCaptionBorderSpacingRight(int32_t value) {
  if (value == FSpacingRight) return;
  FSpacingRight = value;
  ApplySpacing();
}

void TCollapsiblePanel::SetCaptionBorderSpacingTop(int32_t value) {
  if (value == FSpacingTop) return;
  FSpacingTop = value;
  ApplySpacing();
}

void TCollapsiblePanel::SetCaptionBorderSpacingBottom(int32_t value) {
  if (value == FSpacingBottom) return;
  FSpacingBottom = value;
  FCurrentBottom = value;
  ApplySpacing();
}

void TCollapsiblePanel::ApplySpacing() {
  SetSpacings(FLabel, FMarker, FSpacingLeft, FSpacingRight, FSpacingTop, FCurrentBottom);
}

void TCollapsiblePanel::SetOpen(bool value) {
  if (value == FOpen) return;
  FOpen = value;
  FCurrentBottom = (value || CollapseBehaviorCaptionBorderSpacing == cbcbsNoChange) ? FSpacingBottom : 0;
  ApplySpacing();
  FMarker->SetChecked(value);
  FContent->setVisible(value);
  if (OnChange) OnChange(this);
  if (FMenuItem) {
    FMenuItem->setCheckable(true);
    FMenuItem->setChecked(value);
  }
}

void TCollapsiblePanel::AssignMenuItem(QAction* item) {
  if (FMenuItem) disconnect(FMenuItem, &QAction::triggered, this, nullptr);
  FMenuItem = item;
  if (item != nullptr) connect(item, &QAction::triggered, this, [this] { SetOpen(!FOpen); });
}

void TCollapsiblePanel::mousePressEvent(QMouseEvent* e) {
  e->accept();
  if (OnClick) OnClick(this);
}

void TCollapsiblePanel::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LayoutDirectionChange) update();
}

// --- TCheckPanel -------------------------------------------------------------

TCheckPanel::TCheckPanel(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  FCheckBox = new TCheckBoxML(ToQString(FCaption));
  FCheckBox->setChecked(FChecked);
  FMarker = new TImageCheckBox;
  FMarker->SetChecked(FOpen);
  FBar = MakeCaptionBar(this, FCheckBox, FMarker);
  FContent = new TCheckPanelTab(this);
  FContent->CreatedByPanel = true;
  MakePanelColumn(this, FBar, FContent);
  FBar->OnClick = [this](QObject*) { SetOpen(!FOpen); };
  FMarker->OnChange = [this](QObject*) { SetOpen(FMarker->Checked()); };
  connect(FCheckBox, &QCheckBox::toggled, this, [this] { CheckBoxChanged(); });
  resize(150, 100);
}

void TCheckPanel::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  FCheckBox->SetCaption(ToQString(value));
}

void TCheckPanel::SetCaptionBorderSpacingLeft(int32_t value) {
  if (value == FSpacingLeft) return;
  FSpacingLeft = value;
  ApplySpacing();
}

void TCheckPanel::SetCaptionBorderSpacingRight(int32_t value) {
  if (value == FSpacingRight) return;
  FSpacingRight = value;
  ApplySpacing();
}

void TCheckPanel::SetCaptionBorderSpacingTop(int32_t value) {
  if (value == FSpacingTop) return;
  FSpacingTop = value;
  ApplySpacing();
}

void TCheckPanel::SetCaptionBorderSpacingBottom(int32_t value) {
  if (value == FSpacingBottom) return;
  FSpacingBottom = value;
  ApplySpacing();
}

void TCheckPanel::ApplySpacing() {
  SetSpacings(FCheckBox, FMarker, FSpacingLeft, FSpacingRight, FSpacingTop, FSpacingBottom);
}

void TCheckPanel::SetOpen(bool value) {
  if (value == FOpen) return;
  FOpen = value;
  FMarker->SetChecked(value);
  FContent->setVisible(value);
  if (OnChange) OnChange(this);
}

void TCheckPanel::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  FCheckBox->setChecked(value);
}

void TCheckPanel::CheckBoxChanged() {
  FChecked = FCheckBox->isChecked();
  SetOpen(FChecked);
  if (OnChange) OnChange(this);
}

void TCheckPanel::mousePressEvent(QMouseEvent* e) {
  e->accept();
  if (OnClick) OnClick(this);
}

void TCheckPanel::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LayoutDirectionChange) update();
}

// --- TExpandablePanel --------------------------------------------------------

TExpandablePanelZone ExpandablePanelZoneAt(int32_t width, int32_t height, int32_t x, int32_t y,
                                           int32_t resizeAreaBottom, bool showButtonPlus) {
  if (showButtonPlus && x > width - 12 && y > height - 12) return TExpandablePanelZone::ButtonPlus;
  if (resizeAreaBottom > 0 && y > height - resizeAreaBottom) return TExpandablePanelZone::ResizeStrip;
  return TExpandablePanelZone::None;
}

std::vector<QLine> ExpandablePanelPlusLines(int32_t w, int32_t h) {
  return {
      QLine(w - 10, h - 10, w - 2, h - 10), QLine(w - 10, h - 10, w - 10, h - 2), QLine(w - 10, h - 1, w - 1, h - 1),
      QLine(w - 1, h - 10, w - 1, h - 2),   QLine(w - 6, h - 8, w - 6, h - 3),    QLine(w - 5, h - 8, w - 5, h - 3),
      QLine(w - 8, h - 6, w - 3, h - 6),    QLine(w - 8, h - 5, w - 3, h - 5),
  };
}

TExpandablePanel::TExpandablePanel(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  resize(150, 150);
}

void TExpandablePanel::SetShowButtonPlus(bool value) {
  if (value == FShowButtonPlus) return;
  FShowButtonPlus = value;
  update();
}

void TExpandablePanel::mousePressEvent(QMouseEvent* e) {
  e->accept();
  QPoint p = e->position().toPoint();
  switch (ExpandablePanelZoneAt(width(), height(), p.x(), p.y(), ResizeAreaBottom, FShowButtonPlus)) {
    case TExpandablePanelZone::ButtonPlus:
      if (OnButtonPlusClick) OnButtonPlusClick(this);
      return;
    case TExpandablePanelZone::ResizeStrip:
      FDragStartY = p.y();
      FDragStartHeight = height();
      FDragging = true;
      return;
    case TExpandablePanelZone::None: return;
  }
}

void TExpandablePanel::mouseMoveEvent(QMouseEvent* e) {
  QPoint p = e->position().toPoint();
  TExpandablePanelZone zone = ExpandablePanelZoneAt(width(), height(), p.x(), p.y(), ResizeAreaBottom, FShowButtonPlus);
  if (zone == TExpandablePanelZone::ButtonPlus) {
    setCursor(Qt::PointingHandCursor);
    if (!HintButtonPlus.empty()) setToolTip(ToQString(HintButtonPlus));
  } else {
    setCursor(zone == TExpandablePanelZone::ResizeStrip ? Qt::SizeVerCursor : Qt::ArrowCursor);
    if (!HintButtonPlus.empty()) setToolTip(QString());
  }
  if (FDragging) {
    int32_t newHeight = std::max(std::max(0, ConstraintsMinHeight), p.y() - FDragStartY + FDragStartHeight);
    // A panel in a layout keeps the height the user gave it.
    if (parentWidget() != nullptr && parentWidget()->layout() != nullptr) {
      setFixedHeight(newHeight);
    } else {
      resize(width(), newHeight);
    }
  }
}

void TExpandablePanel::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  FDragging = false;
}

void TExpandablePanel::leaveEvent(QEvent* e) {
  QWidget::leaveEvent(e);
  FDragging = false;
  setCursor(Qt::ArrowCursor);
}

void TExpandablePanel::paintEvent(QPaintEvent*) {
  if (!FShowButtonPlus) return;
  QPainter painter(this);
  // The stored colour is 0x00BBGGRR; grey reads the same either way round.
  QColor grey(kExpandablePanelPlusColour & 0xFF, (kExpandablePanelPlusColour >> 8) & 0xFF,
              (kExpandablePanelPlusColour >> 16) & 0xFF);
  painter.setPen(grey);
  for (const QLine& line : ExpandablePanelPlusLines(width(), height())) painter.drawLine(line);
}
