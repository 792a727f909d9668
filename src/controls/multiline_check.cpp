#include "controls/multiline_check.h"

#include <QRegularExpression>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <type_traits>

#include "foundation/qt/qt_strings.h"
#include "foundation/qt/text_measurer.h"
#include "foundation/str_transform.h"

namespace {

std::string FlattenLineBreaks(const std::string& caption) {
  std::string blanks = caption;
  for (char& c : blanks) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  // One left-to-right pass: longer runs of blanks are only halved.
  std::string result;
  for (size_t i = 0; i < blanks.size(); ++i) {
    result += blanks[i];
    if (blanks[i] == ' ' && i + 1 < blanks.size() && blanks[i + 1] == ' ') ++i;
  }
  return result;
}

}  // namespace

TWrappedCaption WrapCaptionToWidth(const std::string& caption, int32_t controlWidth, bool wordWrap,
                                   const TTextMeasurer& canvas) {
  TWrappedCaption result{caption, -1};
  if (!wordWrap || caption.empty()) return result;
  int32_t limit = controlWidth - canvas.TextWidth("ww");
  std::string text = caption;
  if (text.find_first_of("\r\n") != std::string::npos) text = FlattenLineBreaks(text);
  if (canvas.TextWidth(text) < limit) {
    result.Caption = Trim(text);
    return result;
  }
  TStrArray lines = ExplodeForWidth(text, limit, canvas);
  result.PreferredHeight = static_cast<int32_t>(lines.size()) * canvas.TextHeight(text);
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += '\n';
    joined += lines[i];
  }
  // Qt draws line breaks at the ends as empty lines, which would push the
  // caption out of the height worked out here.
  result.Caption = Trim(joined);
  return result;
}

template <class TBase>
void TMultiLineButton<TBase>::InitSizePolicy() {
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  policy.setHeightForWidth(true);
  this->setSizePolicy(policy);
}

template <class TBase>
int TMultiLineButton<TBase>::StyledHeight(int textHeight) const {
  QStyleOptionButton option;
  this->initStyleOption(&option);
  constexpr QStyle::ContentsType kind = std::is_same_v<TBase, QCheckBox> ? QStyle::CT_CheckBox : QStyle::CT_RadioButton;
  return this->style()->sizeFromContents(kind, &option, QSize(this->width(), textHeight), this).height();
}

template <class TBase>
void TMultiLineButton<TBase>::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  this->updateGeometry();
  this->update();
  AdjustToWidth();
}

template <class TBase>
void TMultiLineButton<TBase>::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  AdjustToWidth();
}

template <class TBase>
void TMultiLineButton<TBase>::SetCaption(const QString& caption) {
  this->setText(caption);
  AdjustToWidth();
}

template <class TBase>
void TMultiLineButton<TBase>::AdjustToWidth() {
  if (FAdjusting || !FWordWrap) return;
  FAdjusting = true;
  TWrappedCaption wrapped =
      WrapCaptionToWidth(FromQString(this->text()), this->width(), FWordWrap, TQtTextMeasurer(this->font()));
  QString caption = ToQString(wrapped.Caption);
  if (caption != this->text()) this->setText(caption);
  this->updateGeometry();
  if (FAutoSize) {
    int32_t height = wrapped.PreferredHeight >= 0 ? StyledHeight(wrapped.PreferredHeight) : TBase::sizeHint().height();
    if (height != this->height()) this->resize(this->width(), height);
  }
  FAdjusting = false;
}

template <class TBase>
QSize TMultiLineButton<TBase>::sizeHint() const {
  QSize hint = TBase::sizeHint();
  if (FWordWrap) hint.setHeight(heightForWidth(this->width()));
  return hint;
}

template <class TBase>
QSize TMultiLineButton<TBase>::minimumSizeHint() const {
  if (!FWordWrap) return TBase::minimumSizeHint();
  QFontMetrics metrics(this->font());
  int widest = 0;
  for (const QString& word : this->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
    widest = std::max(widest, metrics.horizontalAdvance(word));
  }
  int width = metrics.horizontalAdvance(QStringLiteral("ww")) + widest + 1;
  return QSize(width, TBase::minimumSizeHint().height());
}

template <class TBase>
int TMultiLineButton<TBase>::heightForWidth(int width) const {
  TWrappedCaption wrapped =
      WrapCaptionToWidth(FromQString(this->text()), width, FWordWrap, TQtTextMeasurer(this->font()));
  if (wrapped.PreferredHeight >= 0) return StyledHeight(wrapped.PreferredHeight);
  return TBase::sizeHint().height();
}

template <class TBase>
void TMultiLineButton<TBase>::resizeEvent(QResizeEvent* e) {
  TBase::resizeEvent(e);
  if (this->width() == FLastWidth && this->height() == FLastHeight) return;
  FLastWidth = this->width();
  FLastHeight = this->height();
  AdjustToWidth();
}

template class TMultiLineButton<QCheckBox>;
template class TMultiLineButton<QRadioButton>;
