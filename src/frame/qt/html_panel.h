// A panel that paints the light markup of the help and info texts, sizes
// itself to its content, shows hints over hint areas and opens links.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "frame/core/markup_layout.h"

class THTMLPanel;
using THTMLPanelLinkClickNotification = std::function<void(QObject* Sender, int32_t ALinkID)>;
using THTMLPanelMouseWheelNotification = std::function<void(THTMLPanel* Sender, int32_t AWheelDelta)>;

struct THTMLPanelImage {
  std::string Name;
  QPixmap Picture;
};

// The platform's no-colour value: pictures from bitmap resources are drawn opaque.
inline constexpr TGraphicsColor kHTMLPanelNoColor = 0x1FFFFFFF;

class THTMLPanel : public QWidget {
  Q_OBJECT
 public:
  explicit THTMLPanel(QWidget* parent = nullptr);

  const std::string& HTML() const { return FHTML; }
  void SetHTML(const std::string& text);
  std::string GetAutoCreatedHTML(const std::string& text) const;

  TMarkupPanelParams Params;
  TGraphicsColor LinkColor() const { return Params.LinkColor; }
  void SetLinkColor(TGraphicsColor color);
  TGraphicsColor TransparentColorBitmapRes = kHTMLPanelNoColor;
  bool AutoCreateLinks = false;
  bool AutoCreateLineBreaks = false;
  std::string URLAppendix;
  std::string URLAppendixForURLPart;
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  int32_t ContentHeight() const { return FContentHeight; }
  // Named pictures for picture tags (by index or name).
  std::vector<THTMLPanelImage> Images;

  THTMLPanelLinkClickNotification OnLinkClick;
  THTMLPanelMouseWheelNotification OnMouseWheel;

  // The layout pass at the panel's size (measureOnly: nothing is drawn); it
  // rebuilds the link and hint areas and the content height.
  TMarkupLayout PaintProc(bool measureOnly);
  const std::vector<TMarkupArea>& Links() const { return FLinks; }
  const std::vector<TMarkupArea>& Hints() const { return FHints; }
  // A click at a point of the panel, as the mouse gives it (areas are in
  // left-to-right coordinates; a right-to-left panel mirrors the point).
  void ClickAt(const QPoint& point);
  // The hover rule at a point: the hint shown and whether the hand cursor shows.
  void HoverAt(const QPoint& point);

  bool hasHeightForWidth() const override { return FAutoSize; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  TMarkupLayout Layout(int32_t width, int32_t height) const;
  // An auto-sized panel that no layout manages follows its content height.
  void FitHeight();
  QPixmap FindPicture(const std::string& name) const;
  // The areas are laid out left to right; a right-to-left panel shows them mirrored.
  QPoint LayoutPoint(const QPoint& point) const;

  std::string FHTML;
  bool FAutoSize = false;
  int32_t FContentHeight = 0;
  std::vector<TMarkupArea> FLinks, FHints;
  mutable TMarkupRemembered FRemembered;
  bool FFitting = false;
};
