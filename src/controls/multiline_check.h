// A radio button and a check box whose caption wraps onto several lines when
// it is wider than the control. The control keeps its width (from its parent)
// and the height follows the wrapped caption; wrapping rewrites the caption
// with line breaks.
#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <cstdint>
#include <string>

#include "foundation/text_fitting.h"

struct TWrappedCaption {
  std::string Caption;
  // -1 when the platform's height stays.
  int32_t PreferredHeight = -1;
};

// Room for the box or circle is the width of "ww". Existing line breaks are
// turned into blanks first, so that wrapping again never piles them up. A
// wrapped caption has LF between its lines; PreferredHeight is the lines'
// height, without the style's margins.
TWrappedCaption WrapCaptionToWidth(const std::string& caption, int32_t controlWidth, bool wordWrap,
                                   const TTextMeasurer& canvas);

// The shared behaviour of both classes.
template <class TBase>
class TMultiLineButton : public TBase {
 public:
  explicit TMultiLineButton(QWidget* parent = nullptr) : TBase(parent) { InitSizePolicy(); }
  explicit TMultiLineButton(const QString& caption, QWidget* parent = nullptr) : TBase(caption, parent) {
    InitSizePolicy();
  }

  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  // Sets the caption and wraps it for the current width.
  void SetCaption(const QString& caption);
  // Re-wraps the caption for the current width and, with AutoSize, takes
  // the height it needs.
  void AdjustToWidth();

  QSize sizeHint() const override;
  // Narrow enough for the widest word, so that layouts let the caption wrap.
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return FWordWrap; }
  int heightForWidth(int width) const override;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  // The width comes from the parent; the height follows the caption.
  void InitSizePolicy();
  // The control's height for a caption of textHeight, with the style's margins.
  int StyledHeight(int textHeight) const;

  bool FWordWrap = true;
  bool FAutoSize = true;
  bool FAdjusting = false;
  int32_t FLastWidth = 0;
  int32_t FLastHeight = 0;
};

class TCheckBoxML : public TMultiLineButton<QCheckBox> {
  Q_OBJECT
 public:
  using TMultiLineButton::TMultiLineButton;
};

class TRadioButtonML : public TMultiLineButton<QRadioButton> {
  Q_OBJECT
 public:
  using TMultiLineButton::TMultiLineButton;
};
