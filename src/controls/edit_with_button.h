// One-line value editors with a "..." button at their side: a plain one whose
// owner decides what the button does, a colour entry and a font-name entry;
// and a masked date-time edit.
#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "controls/id_combo_box.h"
#include "foundation/colours.h"
#include "foundation/dates.h"

// The shared body: the edit fills the control, the button stands at its end
// (at the left in right-to-left layout, by Qt's mirroring) 1 pixel apart.
class TEditWithButtonBase : public QWidget {
  Q_OBJECT
 public:
  explicit TEditWithButtonBase(QWidget* parent = nullptr);

  QLineEdit* Edit() const { return FEdit; }
  QToolButton* Button() const { return FButton; }
  // Only the height follows the content; the width is the caller's.
  QSize sizeHint() const override;
  // The width at which the edit shows its whole text beside the button.
  int32_t WidthToShowText() const;

 protected:
  QLineEdit* FEdit;
  QToolButton* FButton;
};

class TEditWithButton : public TEditWithButtonBase {
  Q_OBJECT
 public:
  explicit TEditWithButton(QWidget* parent = nullptr);
  const std::string& Value() const { return FValue; }
  void SetValue(const std::string& value);
  TIDNotifyEvent OnChange;
  TIDNotifyEvent OnButtonClick;

 private:
  std::string FValue;
};

class TFontNameEditSpr : public TEditWithButtonBase {
  Q_OBJECT
 public:
  explicit TFontNameEditSpr(QWidget* parent = nullptr);
  const std::string& FontName() const { return FFontName; }
  void SetFontName(const std::string& value);
  TIDNotifyEvent OnChange;
  // Opens the font chooser and takes its choice.
  void FontDialogButtonClick();

 private:
  std::string FFontName;
};

// Asks the user for a colour; false when cancelled. Tests replace it.
using TColorDialogFunc = std::function<bool(QWidget* parent, TGraphicsColor& colour)>;

class TColorEdit : public TEditWithButtonBase {
  Q_OBJECT
 public:
  explicit TColorEdit(QWidget* parent = nullptr);
  TGraphicsColor GetTColor() const { return FColor; }
  void SetTColor(TGraphicsColor colour);
  std::string GetHexColor() const { return TColorToHex(FColor); }
  void SetHexColor(const std::string& text);
  TIDNotifyEvent OnChange;
  void ColorDialogButtonClick();

  // The colour dialog every colour edit opens; empty for Qt's own.
  static TColorDialogFunc ColorDialog;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void ColorEditChange();

  TGraphicsColor FColor = 0xFFFFFF;
  bool FReact = true;
};

// Where the date-time edit takes its format from; the system's is the only one.
enum TDateTimeEditFormat { defDefault };

using TDateTimeEditChangeNotification = std::function<void(QObject* Sender, TDateTime ADateTime)>;

class TDateTimeEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TDateTimeEdit(QWidget* parent = nullptr);
  // The same, from given system formats (tests; the default asks QLocale).
  TDateTimeEdit(const std::string& shortDateFormat, const std::string& longTimeFormat, QWidget* parent = nullptr);

  TDateTime GetDateTime() const { return FDateTime; }
  void SetDateTime(TDateTime value);
  std::string GetDateTimeAsYYYYMMDDHHIISS() const;
  void SetDateTimeFromYYYYMMDDHHIISS(const std::string& text);
  TDateTimeEditFormat Format() const { return defDefault; }
  const std::string& DateTimeFormat() const { return FFormat; }
  const std::string& Mask() const { return FMask; }

  TIDNotifyEvent OnChange;
  TIDNotifyEvent OnEditingDone;
  TDateTimeEditChangeNotification OnDateTimeChange;

  bool ValueHasChangedInternal();
  void EditingDone();

 private:
  void SetDateTimeFormat(const std::string& shortDateFormat, const std::string& longTimeFormat);

  std::string FFormat;
  std::string FMask;
  TDateTime FDateTime = 0;
  // The value last announced (or set by code): typed input that ends in
  // another value is announced when editing is done.
  TDateTime FReportedDateTime = 0;
};

// The current local date and time.
TDateTime NowAsDateTime();
