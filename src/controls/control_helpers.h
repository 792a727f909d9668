// Free functions that place and size given controls: caption-fitted widths,
// tallest and topmost control, centring a row, stacking visible controls, a
// fixed-width font sized to a label's, the dividers of a popup menu, and
// setting a check box without its events.
#pragma once

#include <QMenu>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/text_fitting.h"

class QTabWidget;

using TControlArray = std::vector<QWidget*>;

// The text a control shows as its caption (button, label, check box, edit,
// group box); empty for others.
std::string CHControlCaption(const QWidget* control);

// Push buttons and other controls get max(minWidth, caption + 2 x padding)
// as width; a check box keeps its width and only reports max(minWidth,
// caption + 25).
int32_t CHAdjustControlHorizontal(QWidget* control, const TTextMeasurer& canvas, int32_t minWidth, int32_t padding);
void CHArrangeControlsVerticallyOnCenteredLine(const TControlArray& controls);
int32_t GetHeightOfHighestControl(QWidget* c1, QWidget* c2 = nullptr, QWidget* c3 = nullptr, QWidget* c4 = nullptr,
                                  QWidget* c5 = nullptr);
int32_t GetHeightOfHighestControl(const TControlArray& controls);
// 2147483647 when there is no control.
int32_t GetTopPositionOfHighestControl(const TControlArray& controls);
// Stacks the visible controls from 0 down in argument order, without gaps.
void CHSetTopPositionOfControlsDependingOnVisibilityAndControlOrder(QWidget* c1, QWidget* c2 = nullptr,
                                                                    QWidget* c3 = nullptr, QWidget* c4 = nullptr,
                                                                    QWidget* c5 = nullptr, QWidget* c6 = nullptr);
void CHSetFontFixedWidth(QWidget* control);
void CHSetFontFixedWidthAndFontSize(QWidget* label, QWidget* c1, QWidget* c2 = nullptr, QWidget* c3 = nullptr,
                                    QWidget* c4 = nullptr, QWidget* c5 = nullptr);
// name becomes the NUL marker and size 12 when no fixed-width font is installed.
void CHGetFontFixedWidthAndFontSize(QWidget* label, std::string& name, int32_t& size);
// The same with the installed font list given, for systems without any
// fixed-width font.
void CHGetFontFixedWidthAndFontSize(QWidget* label, const TStrArray& installedFonts, std::string& name, int32_t& size);

// One top-level menu entry for the divider rule.
struct TMenuEntryState {
  bool Divider = false;
  bool Visible = true;
};
// Which dividers to show: none at the top, none right after another, none
// at the end. Entries that are not dividers keep their visibility.
std::vector<bool> DividerVisibility(const std::vector<TMenuEntryState>& entries);
// Applies DividerVisibility to the separators (or "-" entries) of the menu.
void CHSetVisibilityOfDividersFromPopupMenu(QMenu* popup);

// Sets a check box or radio button without raising its events; other
// controls are left alone.
void SetCheckedWithoutEvent(QWidget* control, bool checked);

// Widens window (up to its screen's width) so that every tab title of tabs
// stays in view: extra is what the window needs beside the tab bar.
void GrowToFitTabTitles(QWidget* window, const QTabWidget* tabs, int32_t extra);
