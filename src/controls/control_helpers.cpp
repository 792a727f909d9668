#include "controls/control_helpers.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <climits>

#include "foundation/font_helpers.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/qt/text_measurer.h"
#include "foundation/types.h"

std::string CHControlCaption(const QWidget* control) {
  if (auto* button = qobject_cast<const QAbstractButton*>(control)) return FromQString(button->text());
  if (auto* label = qobject_cast<const QLabel*>(control)) return FromQString(label->text());
  if (auto* edit = qobject_cast<const QLineEdit*>(control)) return FromQString(edit->text());
  if (auto* group = qobject_cast<const QGroupBox*>(control)) return FromQString(group->title());
  return {};
}

int32_t CHAdjustControlHorizontal(QWidget* control, const TTextMeasurer& canvas, int32_t minWidth, int32_t padding) {
  if (control == nullptr) return 0;
  int32_t textWidth = canvas.TextWidth(CHControlCaption(control));
  if (qobject_cast<QCheckBox*>(control) != nullptr) return std::max(minWidth, textWidth + 25);
  int32_t width = std::max(minWidth, textWidth + 2 * padding);
  control->resize(width, control->height());
  return control->width();
}

void CHArrangeControlsVerticallyOnCenteredLine(const TControlArray& controls) {
  int32_t h = GetHeightOfHighestControl(controls);
  int32_t t = GetTopPositionOfHighestControl(controls);
  for (QWidget* c : controls) {
    if (c != nullptr && c->height() != h) c->move(c->x(), t + (h - c->height()) / 2);
  }
}

int32_t GetHeightOfHighestControl(QWidget* c1, QWidget* c2, QWidget* c3, QWidget* c4, QWidget* c5) {
  return GetHeightOfHighestControl(TControlArray{c1, c2, c3, c4, c5});
}

int32_t GetHeightOfHighestControl(const TControlArray& controls) {
  int32_t h = 0;
  for (QWidget* c : controls) {
    if (c != nullptr) h = std::max(h, c->height());
  }
  return h;
}

int32_t GetTopPositionOfHighestControl(const TControlArray& controls) {
  int32_t t = INT32_MAX;
  for (QWidget* c : controls) {
    if (c != nullptr) t = std::min(t, c->y());
  }
  return t;
}

void CHSetTopPositionOfControlsDependingOnVisibilityAndControlOrder(QWidget* c1, QWidget* c2, QWidget* c3, QWidget* c4,
                                                                    QWidget* c5, QWidget* c6) {
  int32_t y = 0;
  for (QWidget* c : {c1, c2, c3, c4, c5, c6}) {
    if (c == nullptr || c->isHidden()) continue;
    c->move(c->x(), y);
    y += c->height();
  }
}

void CHSetFontFixedWidth(QWidget* control) {
  std::string name = FHGetFixedWidthFont(NulMarker());
  if (control == nullptr || IsNulMarker(name)) return;
  QFont font = control->font();
  font.setFamily(ToQString(name));
  control->setFont(font);
}

void CHSetFontFixedWidthAndFontSize(QWidget* label, QWidget* c1, QWidget* c2, QWidget* c3, QWidget* c4, QWidget* c5) {
  std::string name;
  int32_t size = 0;
  CHGetFontFixedWidthAndFontSize(label, name, size);
  if (IsNulMarker(name)) return;
  for (QWidget* c : {c1, c2, c3, c4, c5}) {
    if (c == nullptr) continue;
    QFont font = c->font();
    font.setFamily(ToQString(name));
    font.setPointSize(size);
    c->setFont(font);
  }
}

void CHGetFontFixedWidthAndFontSize(QWidget* label, std::string& name, int32_t& size) {
  name = FHGetFixedWidthFont(NulMarker());
  size = 12;
  if (IsNulMarker(name) || label == nullptr) return;
  size = FHGetFontSizeForHeight(name, TQtTextMeasurer(label->font()).TextHeight("Wg"));
}

void CHGetFontFixedWidthAndFontSize(QWidget* label, const TStrArray& installedFonts, std::string& name, int32_t& size) {
  name = FHGetFixedWidthFont(installedFonts, NulMarker());
  size = 12;
  if (IsNulMarker(name) || label == nullptr) return;
  size = FHGetFontSizeForHeight(name, TQtTextMeasurer(label->font()).TextHeight("Wg"));
}

std::vector<bool> DividerVisibility(const std::vector<TMenuEntryState>& entries) {
  std::vector<bool> visible(entries.size());
  bool visibleSinceDivider = false;
  int64_t lastShown = -1;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].Divider) {
      visible[i] = visibleSinceDivider;
      if (visibleSinceDivider) lastShown = static_cast<int64_t>(i);
      visibleSinceDivider = false;
    } else {
      visible[i] = entries[i].Visible;
      if (entries[i].Visible) visibleSinceDivider = true;
    }
  }
  if (!visibleSinceDivider && lastShown >= 0) visible[static_cast<size_t>(lastShown)] = false;
  return visible;
}

void CHSetVisibilityOfDividersFromPopupMenu(QMenu* popup) {
  if (popup == nullptr) return;
  QList<QAction*> actions = popup->actions();
  std::vector<TMenuEntryState> entries;
  for (QAction* a : actions) entries.push_back({a->isSeparator() || a->text() == QLatin1String("-"), a->isVisible()});
  std::vector<bool> visible = DividerVisibility(entries);
  for (qsizetype i = 0; i < actions.size(); ++i) {
    if (entries[static_cast<size_t>(i)].Divider) actions[i]->setVisible(visible[static_cast<size_t>(i)]);
  }
}

void SetCheckedWithoutEvent(QWidget* control, bool checked) {
  auto* button = qobject_cast<QAbstractButton*>(control);
  if (button == nullptr ||
      (qobject_cast<QCheckBox*>(control) == nullptr && qobject_cast<QRadioButton*>(control) == nullptr)) {
    return;
  }
  QSignalBlocker blocker(button);
  button->setChecked(checked);
}

void GrowToFitTabTitles(QWidget* window, const QTabWidget* tabs, int32_t extra) {
  if (!window || !tabs) return;
  const int32_t needed = tabs->tabBar()->sizeHint().width() + extra;
  const QScreen* screen = window->screen();
  const int32_t screenWidth = screen ? screen->availableGeometry().width() : needed;
  if (needed > window->width()) window->resize(std::min(needed, screenWidth), window->height());
}
