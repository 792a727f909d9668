// A painted one-row strip of tab captions that reports presses on a tab, and
// a page container driven by such a strip on its top or bottom edge.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "foundation/types.h"

// Where the strip paints its tabs: the x of each text and each tab's right
// edge. widths are the regular text widths; the caption before the tabs is
// already accounted for in start (its end plus the spacing).
struct TTabStripGeometry {
  std::vector<int32_t> TextX;
  std::vector<int32_t> RightEdges;
  int32_t TabsStartX = 0;
  int32_t TabsEndX = 0;
};
// startX: TabStartPosition; captionWidth: the bold caption's width, or -1
// when there is none.
TTabStripGeometry TabStripGeometry(const std::vector<int32_t>& widths, int32_t startX, int32_t captionWidth,
                                   int32_t spacing, bool spacingSidewards, int32_t fixedTabWidth);
// -1 left of the tabs' start or right of the last edge.
int32_t TabAtPosition(const TTabStripGeometry& g, int32_t x);
// The preferred width of the strip.
int32_t TabStripPreferredWidth(const std::vector<int32_t>& widths, int32_t startX, int32_t spacing,
                               bool spacingSidewards, int32_t fixedTabWidth);

using TTabClickNotification = std::function<void(QObject* Sender, int32_t ATab)>;
using TTabPanelChangeNotification = std::function<void(QObject* Sender, int32_t ANewOpenTabIndex)>;

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

class TTabbedLabel : public QWidget {
  Q_OBJECT
 public:
  explicit TTabbedLabel(QWidget* parent = nullptr);

  const TStrArray& Tabs() const { return FTabs; }
  void SetTabs(const TStrArray& tabs);
  void SetTabCaption(int32_t index, const std::string& caption);
  int32_t TabCount() const { return static_cast<int32_t>(FTabs.size()); }
  int32_t TabIndex() const { return FTabIndex; }
  void SetTabIndex(int32_t value);
  bool TabSelectedBold() const { return FTabSelectedBold; }
  void SetTabSelectedBold(bool value);
  int32_t TabStartPosition() const { return FTabStartPosition; }
  void SetTabStartPosition(int32_t value);
  QColor TabBorderColor() const { return FTabBorderColor; }
  void SetTabBorderColor(const QColor& value);
  bool DrawTabBorders() const { return FDrawTabBorders; }
  void SetDrawTabBorders(bool value);
  bool DrawTabRects() const { return FDrawTabRects; }
  void SetDrawTabRects(bool value);
  Qt::Alignment TabAlignment() const { return FTabAlignment; }
  void SetTabAlignment(Qt::Alignment value);
  std::string Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  int32_t TabSpacing() const { return FTabSpacing; }
  void SetTabSpacing(int32_t value);
  bool TabSpacingSidewards() const { return FTabSpacingSidewards; }
  void SetTabSpacingSidewards(bool value);
  int32_t FixedTabWidth() const { return FFixedTabWidth; }
  void SetFixedTabWidth(int32_t value);

  int32_t GetTabAtPosition(int32_t x, int32_t y) const;
  // The layout of the last paint (hit testing uses it).
  const TTabStripGeometry& Geometry() const { return FGeometry; }

  TTabClickNotification OnTabClick;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  std::vector<int32_t> TextWidths() const;
  int32_t LeadingX(int32_t x) const;

  bool FDrawTabBorders = true;
  int32_t FFixedTabWidth = 0;
  Qt::Alignment FTabAlignment = Qt::AlignLeft;
  QColor FTabBorderColor;
  int32_t FTabIndex = -1;
  TStrArray FTabs;
  bool FTabSelectedBold = true;
  int32_t FTabSpacing = 15;
  bool FTabSpacingSidewards = false;
  bool FDrawTabRects = false;
  int32_t FTabStartPosition = 0;
  std::string FCaption;
  TTabStripGeometry FGeometry{{}, {}, 0, 250};
};

class TTabPanel;

class TTabPanelTab : public QWidget {
  Q_OBJECT
 public:
  explicit TTabPanelTab(QWidget* parent = nullptr);
  ~TTabPanelTab() override;
  std::string Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  std::string StrID;
  // Position in the parent tab panel; -1 when the parent is none.
  int32_t Index() const;

 protected:
  bool event(QEvent* e) override;

 private:
  friend class TTabPanel;
  std::string FCaption;
  QPointer<TTabPanel> FPanel;
};

class TTabPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TTabPanel(QWidget* parent = nullptr);
  ~TTabPanel() override;

  TTabPanelTab* AddTab(const std::string& caption);
  void InsertTab(TTabPanelTab* page);
  int32_t TabIndex() const { return FTabIndex; }
  void SetTabIndex(int32_t value);
  TTabPanelTab* GetTab(int32_t index) const;
  TTabPanelTab* GetActiveTab() const { return GetTab(FTabIndex); }
  int32_t GetIndexOfTab(const TTabPanelTab* page) const;
  int32_t TabCount() const { return static_cast<int32_t>(FPages.size()); }
  TTabbedLabel* TabStrip() const { return FStrip; }

  TTabPosition TabsPosition() const { return FTabsPosition; }
  void SetTabsPosition(TTabPosition value);
  void SetTabsAlignment(Qt::Alignment value);
  void SetTabsBorderColor(const QColor& value);
  void SetTabsDrawBorders(bool value);
  void SetTabsDrawRects(bool value);
  void SetTabsSpacing(int32_t value);
  void SetTabsSpacingSidewards(bool value);
  void SetTabsStartPosition(int32_t value);
  void SetCaption(const std::string& value);

  TTabPanelChangeNotification OnTabChange;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  friend class TTabPanelTab;
  // A page that is deleted or moves to another parent leaves the list, so
  // that the strip never refers to a page that is gone.
  void RemovePage(TTabPanelTab* page);
  void LayoutChildren();

  int32_t FTabIndex = -1;
  TTabbedLabel* FStrip;
  std::vector<TTabPanelTab*> FPages;
  TTabPosition FTabsPosition = tpTop;
};
