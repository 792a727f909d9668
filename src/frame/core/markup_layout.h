// The light markup of the help and info panels: the layout pass that places
// text runs, pictures, link and hint areas over a text-measurer interface,
// the automatic links and line breaks, and what a click on a link does.
//
// Tags are matched literally and case-sensitively; there are no entities.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/colours.h"

struct TMarkupFontStyle {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  bool operator==(const TMarkupFontStyle&) const = default;
};

// Measures text in the panel's font with a style added.
class TMarkupMeasurer {
 public:
  virtual ~TMarkupMeasurer() = default;
  virtual int32_t TextWidth(std::string_view text, const TMarkupFontStyle& style) const = 0;
  // In the plain font.
  virtual int32_t TextHeight(std::string_view text) const = 0;
  // The size of a picture named by a picture tag (an index or a name); false
  // when there is none.
  virtual bool PictureSize(const std::string& name, int32_t& width, int32_t& height) const { return false; }
};

struct TMarkupRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool Contains(int32_t x, int32_t y) const { return Left <= x && x < Right && Top <= y && y < Bottom; }
  bool operator==(const TMarkupRect&) const = default;
};

// A link target or a hint text with the rectangle it covers.
struct TMarkupArea {
  std::string Text;
  TMarkupRect Bounds;
};

// The font colour: the platform's default or a colour of the markup.
struct TMarkupColor {
  bool IsDefault = true;
  TGraphicsColor Value = 0;
  bool operator==(const TMarkupColor&) const = default;
};

struct TMarkupDrawItem {
  bool IsPicture = false;
  int32_t X = 0, Y = 0;
  // The text, or the picture's name.
  std::string Text;
  TMarkupFontStyle Style;
  TMarkupColor Color;
};

struct TMarkupPanelParams {
  int32_t Width = 250;
  int32_t Height = 50;
  int32_t LineHeight = 0;
  int32_t ParagraphHeight = 10;
  int32_t ParagraphHeight2 = 10;
  int32_t Padding = 0;
  int32_t PaddingTop = 0, PaddingRight = 0, PaddingBottom = 0, PaddingLeft = 0;
  int32_t StartX = 0, StartY = 0;
  int32_t EndX = 0;
  TGraphicsColor LinkColor = 0xFF0000;
};

struct TMarkupLayout {
  std::vector<TMarkupDrawItem> Items;
  std::vector<TMarkupArea> Links;
  std::vector<TMarkupArea> Hints;
  int32_t ContentHeight = 0;
  // A hint area was closed, so the panel shows hints.
  bool ShowHint = false;
};

// The positions stored by "<remx>" and "<remy>"; they outlive a pass.
struct TMarkupRemembered {
  int32_t X = 0;
  int32_t Y = 0;
};

TMarkupLayout LayoutMarkup(std::string_view markup, const TMarkupPanelParams& params, const TMarkupMeasurer& measurer,
                           TMarkupRemembered& remembered);

// Line feeds become "<p>" (with autoLineBreaks); a lower-case host with a
// path after a blank becomes a link to itself (with autoLinks).
std::string GetAutoCreatedHTML(std::string_view text, bool autoLinks, bool autoLineBreaks);

// A link target as it is opened: "link:" targets and targets with a scheme
// stay; "www.", "es." and "fr." get "http://", anything else "http://www.".
std::string CompleteMarkupLinkTarget(const std::string& target);

// What a click on a link area does.
struct TMarkupClick {
  enum TKind { Nothing, LinkID, OpenURL } Kind = Nothing;
  int32_t ID = 0;
  std::string URL;
};
// The appendix is added when the address contains urlPart in any letter case.
TMarkupClick MarkupLinkClick(const std::string& target, const std::string& appendix, const std::string& urlPart);
