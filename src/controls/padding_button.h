// A push button that sizes itself to its caption plus padding.
#pragma once

#include <QPushButton>
#include <QSize>
#include <cstdint>

// While AutoSize is on the height never passes this.
inline constexpr int32_t kPaddingButtonMaxAutoHeight = 20;

QSize PaddingButtonPreferredSize(int32_t textWidth, int32_t textHeight, int32_t paddingHorizontal,
                                 int32_t paddingVertical, bool autoSize);

class TPaddingButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TPaddingButton(QWidget* parent = nullptr);
  explicit TPaddingButton(const QString& caption, QWidget* parent = nullptr);

  // Sets the text and, with AutoSize, the size that goes with it.
  void SetCaption(const QString& caption);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  int32_t PaddingHorizontal() const { return FPaddingHorizontal; }
  void SetPaddingHorizontal(int32_t value);
  int32_t PaddingVertical() const { return FPaddingVertical; }
  void SetPaddingVertical(int32_t value);

  // The caption's size plus padding, measured in the button's font.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool event(QEvent* e) override;

 private:
  void ApplyAutoSize();

  bool FAutoSize = true;
  int32_t FPaddingHorizontal = 12;
  int32_t FPaddingVertical = 3;
};
