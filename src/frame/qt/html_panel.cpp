#include "frame/qt/html_panel.h"

#include <QFile>
#include <QFontMetrics>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include "foundation/number_format.h"
#include "foundation/qt/qt_strings.h"
#include "frame/core/url_rules.h"

namespace {

QFont StyledFont(QFont font, const TMarkupFontStyle& style) {
  font.setBold(style.Bold);
  font.setItalic(style.Italic);
  font.setUnderline(style.Underline);
  font.setStrikeOut(style.StrikeOut);
  return font;
}

QColor ToQColor(TGraphicsColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

class TQtMarkupMeasurer : public TMarkupMeasurer {
 public:
  TQtMarkupMeasurer(const QFont& font, std::function<QPixmap(const std::string&)> picture)
      : FFont(font), FPicture(std::move(picture)) {}
  int32_t TextWidth(std::string_view text, const TMarkupFontStyle& style) const override {
    return QFontMetrics(StyledFont(FFont, style)).horizontalAdvance(ToQString(std::string(text)));
  }
  int32_t TextHeight(std::string_view text) const override {
    return QFontMetrics(FFont).boundingRect(ToQString(std::string(text))).height();
  }
  bool PictureSize(const std::string& name, int32_t& width, int32_t& height) const override {
    const QPixmap p = FPicture(name);
    if (p.isNull()) return false;
    width = p.width();
    height = p.height();
    return true;
  }

 private:
  QFont FFont;
  std::function<QPixmap(const std::string&)> FPicture;
};

}  // namespace

THTMLPanel::THTMLPanel(QWidget* parent) : QWidget(parent) {
  resize(250, 50);
  setMouseTracking(true);
}

void THTMLPanel::SetLinkColor(TGraphicsColor color) {
  Params.LinkColor = color;
  update();
}

std::string THTMLPanel::GetAutoCreatedHTML(const std::string& text) const {
  return ::GetAutoCreatedHTML(text, AutoCreateLinks, AutoCreateLineBreaks);
}

void THTMLPanel::SetHTML(const std::string& text) {
  FHTML = (AutoCreateLinks || AutoCreateLineBreaks) ? GetAutoCreatedHTML(text) : text;
  PaintProc(true);
  updateGeometry();
  FitHeight();
  update();
}

void THTMLPanel::SetAutoSize(bool value) {
  FAutoSize = value;
  updateGeometry();
  FitHeight();
}

QPixmap THTMLPanel::FindPicture(const std::string& name) const {
  int32_t index = -1;
  if (!TryStrToInt(name, index) || index < 0) {
    index = -1;
    for (size_t i = 0; i < Images.size(); ++i)
      if (Images[i].Name == name) {
        index = static_cast<int32_t>(i);
        break;
      }
  }
  if (index >= 0 && static_cast<size_t>(index) < Images.size() && !Images[index].Picture.isNull())
    return Images[index].Picture;
  // The program's pictures: data resources in any format, then bitmaps.
  const QString base = QStringLiteral(":/pictures/") + ToQString(name);
  if (QFile::exists(base)) return QPixmap(base);
  if (QFile::exists(base + ".png")) return QPixmap(base + ".png");
  if (QFile::exists(base + ".bmp")) {
    QPixmap bitmap(base + ".bmp");
    if (TransparentColorBitmapRes != kHTMLPanelNoColor && !bitmap.isNull())
      bitmap.setMask(bitmap.createMaskFromColor(ToQColor(TransparentColorBitmapRes)));
    return bitmap;
  }
  return QPixmap();
}

TMarkupLayout THTMLPanel::Layout(int32_t width, int32_t height) const {
  TMarkupPanelParams p = Params;
  p.Width = width;
  p.Height = height;
  TQtMarkupMeasurer measurer(font(), [this](const std::string& n) { return FindPicture(n); });
  return LayoutMarkup(FHTML, p, measurer, FRemembered);
}

TMarkupLayout THTMLPanel::PaintProc(bool measureOnly) {
  TMarkupLayout layout = Layout(width(), height());
  FLinks = layout.Links;
  FHints = layout.Hints;
  FContentHeight = layout.ContentHeight;
  if (layout.ShowHint) setAttribute(Qt::WA_AlwaysShowToolTips);
  (void)measureOnly;
  return layout;
}

int THTMLPanel::heightForWidth(int width) const { return Layout(width, height()).ContentHeight; }

QSize THTMLPanel::sizeHint() const {
  if (!FAutoSize) return QWidget::sizeHint();
  return QSize(width(), heightForWidth(width()));
}

void THTMLPanel::FitHeight() {
  if (!FAutoSize || FFitting) return;
  if (parentWidget() && parentWidget()->layout()) return;  // the layout asks heightForWidth
  const int32_t h = heightForWidth(width());
  if (h > 0 && h != height()) {
    FFitting = true;
    resize(width(), h);
    FFitting = false;
  }
}

void THTMLPanel::paintEvent(QPaintEvent*) {
  const TMarkupLayout layout = PaintProc(false);
  QPainter painter(this);
  const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
  const QColor defaultColor = palette().color(QPalette::WindowText);
  for (const TMarkupDrawItem& item : layout.Items) {
    if (item.IsPicture) {
      const QPixmap picture = FindPicture(item.Text);
      painter.drawPixmap(rightToLeft ? width() - item.X - picture.width() : item.X, item.Y, picture);
      continue;
    }
    const QFont f = StyledFont(font(), item.Style);
    const QString text = ToQString(item.Text);
    const QFontMetrics metrics(f);
    painter.setFont(f);
    painter.setPen(item.Color.IsDefault ? defaultColor : ToQColor(item.Color.Value));
    // The markup places a run by its top-left corner; a right-to-left panel mirrors the runs.
    if (rightToLeft) {
      // In a right-to-left paragraph the blanks at a run's end stand at its left.
      const int advance = metrics.horizontalAdvance(text);
      painter.drawText(QRect(width() - item.X - advance, item.Y, advance, metrics.height()),
                       Qt::AlignRight | Qt::AlignTop | Qt::TextForceRightToLeft | Qt::TextDontClip, text);
    } else {
      painter.drawText(QPoint(item.X, item.Y + metrics.ascent()), text);
    }
  }
}

void THTMLPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  updateGeometry();
  FitHeight();
}

QPoint THTMLPanel::LayoutPoint(const QPoint& point) const {
  return layoutDirection() == Qt::RightToLeft ? QPoint(width() - 1 - point.x(), point.y()) : point;
}

void THTMLPanel::HoverAt(const QPoint& widgetPoint) {
  const QPoint point = LayoutPoint(widgetPoint);
  std::string hint;
  for (const TMarkupArea& a : FHints)
    if (a.Bounds.Contains(point.x(), point.y())) hint = a.Text;
  setToolTip(ToQString(hint));
  bool overLink = false;
  for (const TMarkupArea& a : FLinks)
    if (a.Bounds.Contains(point.x(), point.y())) overLink = true;
  if (overLink)
    setCursor(Qt::PointingHandCursor);
  else if (cursor().shape() != Qt::ArrowCursor)
    unsetCursor();
}

void THTMLPanel::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  HoverAt(event->position().toPoint());
}

void THTMLPanel::ClickAt(const QPoint& widgetPoint) {
  const QPoint point = LayoutPoint(widgetPoint);
  for (const TMarkupArea& a : FLinks) {
    if (!a.Bounds.Contains(point.x(), point.y())) continue;
    const TMarkupClick click = MarkupLinkClick(a.Text, URLAppendix, URLAppendixForURLPart);
    if (click.Kind == TMarkupClick::LinkID) {
      if (OnLinkClick) OnLinkClick(this, click.ID);
    } else if (click.Kind == TMarkupClick::OpenURL) {
      OpenURLInBrowser(click.URL);
    }
    return;
  }
}

void THTMLPanel::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    ClickAt(event->position().toPoint());
}

void THTMLPanel::wheelEvent(QWheelEvent* event) {
  if (OnMouseWheel) {
    OnMouseWheel(this, event->angleDelta().y());
    event->accept();
  } else {
    event->ignore();
  }
}
