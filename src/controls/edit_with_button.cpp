#include "controls/edit_with_button.h"

#include <QColorDialog>
#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

#include "controls/date_time_format.h"
#include "controls/font_chooser.h"
#include "controls/font_list_box.h"
#include "foundation/number_format.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/str_transform.h"

TDateTime NowAsDateTime() {
  QDateTime now = QDateTime::currentDateTime();
  TDateTime date = 0, time = 0;
  TryEncodeDate(now.date().year(), now.date().month(), now.date().day(), date);
  TryEncodeTime(now.time().hour(), now.time().minute(), now.time().second(), 0, time);
  return ComposeDateTime(date, time);
}

// --- TEditWithButtonBase -----------------------------------------------------

TEditWithButtonBase::TEditWithButtonBase(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  FEdit = new QLineEdit(this);
  FButton = new QToolButton(this);
  FButton->setText(QStringLiteral("..."));
  FButton->setFocusPolicy(Qt::NoFocus);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  row->addWidget(FEdit, 1);
  row->addWidget(FButton);
  setFocusProxy(FEdit);
  FButton->setFixedHeight(FEdit->sizeHint().height());
  resize(100, FEdit->sizeHint().height());
}

QSize TEditWithButtonBase::sizeHint() const { return QSize(100, FEdit->sizeHint().height()); }

int32_t TEditWithButtonBase::WidthToShowText() const {
  QStyleOptionFrame option;
  option.initFrom(FEdit);
  option.lineWidth = FEdit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, FEdit);
  const QMargins margins = FEdit->textMargins();
  // The cursor's width and a little room keep the last character clear of the frame.
  const int textWidth = FEdit->fontMetrics().horizontalAdvance(FEdit->text()) + margins.left() + margins.right() + 4;
  const QSize edit =
      FEdit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(textWidth, FEdit->height()), FEdit);
  return edit.width() + layout()->spacing() + FButton->sizeHint().width();
}

// --- TEditWithButton ---------------------------------------------------------

TEditWithButton::TEditWithButton(QWidget* parent) : TEditWithButtonBase(parent) {
  connect(FEdit, &QLineEdit::textChanged, this, [this] {
    FValue = FromQString(FEdit->text());
    FEdit->setToolTip(FEdit->text());
    if (OnChange) OnChange(this);
  });
  connect(FButton, &QToolButton::clicked, this, [this] {
    if (OnButtonClick) OnButtonClick(this);
  });
}

void TEditWithButton::SetValue(const std::string& value) {
  if (value == FValue) return;
  FValue = value;
  FEdit->setText(ToQString(value));
  FEdit->setToolTip(ToQString(value));
}

// --- TFontNameEditSpr --------------------------------------------------------

TFontNameEditSpr::TFontNameEditSpr(QWidget* parent) : TEditWithButtonBase(parent) {
  connect(FEdit, &QLineEdit::textChanged, this, [this] {
    FFontName = FromQString(FEdit->text());
    FEdit->setToolTip(FEdit->text());
    if (OnChange) OnChange(this);
  });
  connect(FButton, &QToolButton::clicked, this, [this] { FontDialogButtonClick(); });
}

void TFontNameEditSpr::SetFontName(const std::string& value) {
  if (value == FFontName) return;
  FFontName = value;
  FEdit->setText(ToQString(value));
  FEdit->setToolTip(ToQString(value));
}

void TFontNameEditSpr::FontDialogButtonClick() {
  TFontSelectDialogSpr chooser(true);
  chooser.InitialFont = FFontName;
  chooser.BiDiMode = layoutDirection();
  if (chooser.Execute()) SetFontName(chooser.InitialFont);
}

// --- TColorEdit --------------------------------------------------------------

TColorDialogFunc TColorEdit::ColorDialog;

TColorEdit::TColorEdit(QWidget* parent) : TEditWithButtonBase(parent) {
  FEdit->installEventFilter(this);
  connect(FEdit, &QLineEdit::textChanged, this, [this] { ColorEditChange(); });
  connect(FButton, &QToolButton::clicked, this, [this] { ColorDialogButtonClick(); });
  SetTColor(FColor);
}

void TColorEdit::SetTColor(TGraphicsColor colour) {
  FColor = colour & 0xFFFFFF;
  FReact = false;
  FEdit->setText(ToQString("#" + TColorToHex(FColor)));
  FReact = true;
  QPalette palette = FEdit->palette();
  palette.setColor(QPalette::Base, ToQColor(FColor));
  palette.setColor(QPalette::Text, ToQColor(GetContrastColorBlackOrWhite(FColor)));
  FEdit->setPalette(palette);
}

void TColorEdit::SetHexColor(const std::string& text) {
  std::string trimmed = Trim(text);
  if (!IsHexColor(trimmed)) return;
  SetTColor(HexToTColorIfStringIsHexColor(trimmed, FColor));
}

void TColorEdit::ColorEditChange() {
  std::string text = FromQString(FEdit->text());
  if (FReact) SetHexColor(text);
  if (OnChange && IsHexColor(FromQString(FEdit->text()))) OnChange(this);
}

bool TColorEdit::eventFilter(QObject* watched, QEvent* e) {
  if (watched == FEdit && e->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(e);
    QString text = key->text();
    if (!text.isEmpty() && !(key->modifiers() & Qt::ControlModifier)) {
      char16_t c = text.at(0).unicode();
      bool hexDigit = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
      if (!hexDigit && c != 8 && c >= 32) return true;
    }
  }
  return TEditWithButtonBase::eventFilter(watched, e);
}

void TColorEdit::ColorDialogButtonClick() {
  TGraphicsColor colour = FColor;
  bool ok = false;
  if (ColorDialog) {
    ok = ColorDialog(this, colour);
  } else {
    QColor chosen = QColorDialog::getColor(ToQColor(FColor), this);
    ok = chosen.isValid();
    if (ok) colour = RGBToColor(chosen.red(), chosen.green(), chosen.blue());
  }
  if (ok) SetTColor(colour);
}

// --- TDateTimeEdit -----------------------------------------------------------

TDateTimeEdit::TDateTimeEdit(QWidget* parent)
    : TDateTimeEdit(FromQString(QLocale::system().dateFormat(QLocale::ShortFormat)),
                    FromQString(QLocale::system().timeFormat(QLocale::LongFormat)), parent) {}

TDateTimeEdit::TDateTimeEdit(const std::string& shortDateFormat, const std::string& longTimeFormat, QWidget* parent)
    : QLineEdit(parent) {
  SetDateTimeFormat(shortDateFormat, longTimeFormat);
  FDateTime = NowAsDateTime();
  FReportedDateTime = FDateTime;
  setText(ToQString(FormatDateTimeWith(FFormat, FDateTime)));
  connect(this, &QLineEdit::textChanged, this, [this] {
    ValueHasChangedInternal();
    if (OnChange) OnChange(this);
  });
  connect(this, &QLineEdit::editingFinished, this, [this] { EditingDone(); });
}

void TDateTimeEdit::SetDateTimeFormat(const std::string& shortDateFormat, const std::string& longTimeFormat) {
  FFormat = BuildDateTimeEditFormat(shortDateFormat, longTimeFormat);
  FMask = DateTimeEditMask(FFormat);
  setInputMask(ToQString(DateTimeEditQtInputMask(FFormat)));
  setToolTip(ToQString(FFormat));
}

void TDateTimeEdit::SetDateTime(TDateTime value) {
  if (value == FDateTime && !std::isnan(value) && !std::isnan(FDateTime)) return;
  FDateTime = value;
  FReportedDateTime = value;
  setText(ToQString(FormatDateTimeWith(FFormat, value)));
}

std::string TDateTimeEdit::GetDateTimeAsYYYYMMDDHHIISS() const {
  return DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(FDateTime);
}

void TDateTimeEdit::SetDateTimeFromYYYYMMDDHHIISS(const std::string& text) {
  SetDateTime(YYYYMMDDHHMMSSStringWithoutSeparatorToDateTime(text, FDateTime));
}

bool TDateTimeEdit::ValueHasChangedInternal() {
  TDateTime before = FDateTime;
  FDateTime = StrToDateTimeFormatDef(FromQString(text()), FFormat, FDateTime);
  setToolTip(ToQString(FFormat + " " + FormatFloatGeneral(FDateTime, GlobalNumberFormat())));
  return FDateTime != before;
}

void TDateTimeEdit::EditingDone() {
  ValueHasChangedInternal();
  if (FDateTime != FReportedDateTime) {
    FReportedDateTime = FDateTime;
    if (OnDateTimeChange) OnDateTimeChange(this, FDateTime);
  }
  if (OnEditingDone) OnEditingDone(this);
}
