#include "controls/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <memory>
#include <vector>

#include "controls/dialog_layout.h"
#include "controls/layout_direction.h"
#include "controls/zoom_memo.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/qt/text_measurer.h"

// Resources of a static library are registered by hand.
static void InitControlsResources() { Q_INIT_RESOURCE(controls); }

QIcon ControlsGlyph(const char* name) {
  static bool loaded = (InitControlsResources(), true);
  (void)loaded;
  return QIcon(QStringLiteral(":/controls/") + QLatin1String(name));
}

namespace {

TDialogHandler* gDialogHandler = nullptr;

// Escape and the window's close ask the cancel button, when there is one.
class TCodeBuiltDialog : public QDialog {
 public:
  TCodeBuiltDialog()
      : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {}
  int32_t EscapeResult = kModalResultCancel;

 protected:
  void reject() override { done(EscapeResult); }
};

QRect ToQRect(const TDialogRect& r) { return QRect(r.Left, r.Top, r.Width, r.Height); }

QPushButton* AddButton(QDialog* dialog, const std::string& caption, const char* glyph, const char* name,
                       const TDialogRect& place, int32_t result) {
  auto* button = new QPushButton(ToQString(caption), dialog);
  button->setObjectName(QLatin1String(name));
  button->setIcon(ControlsGlyph(glyph));
  button->setGeometry(ToQRect(place));
  QObject::connect(button, &QPushButton::clicked, dialog, [dialog, result] { dialog->done(result); });
  return button;
}

QLabel* AddMessage(QDialog* dialog, const TDialogLayout& layout) {
  auto* label = new QLabel(ToQString(layout.MessageText), dialog);
  label->setObjectName(QLatin1String(kDialogMessageName));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(ToQRect(layout.Message));
  return label;
}

void SetClientSize(QDialog* dialog, const TDialogLayout& layout, bool fixed) {
  if (fixed) {
    dialog->setFixedSize(layout.ClientWidth, layout.ClientHeight);
  } else {
    dialog->resize(layout.ClientWidth, layout.ClientHeight);
  }
}

void CentreOn(QDialog* dialog, QWidget* over) {
  QRect area;
  if (over != nullptr && over != dialog) {
    area = over->frameGeometry();
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  if (area.isValid()) dialog->move(area.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

// The layouts place the parts from the left; a right-to-left window (it takes
// the application's direction) shows them mirrored.
void MirrorForDirection(QDialog* dialog) { FlipChildrenToDirection(dialog, dialog->layoutDirection()); }

QWidget* MainWindow() {
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && qobject_cast<QDialog*>(top) == nullptr) return top;
  }
  return nullptr;
}

void ShowNotificationWindow(const std::string& caption, const std::string& message, const std::string& button) {
  auto dialog = std::make_unique<TCodeBuiltDialog>();
  dialog->setWindowTitle(ToQString(caption));
  TDialogLayout layout = LayoutNotificationDialog(message, button, TQtTextMeasurer(dialog->font()));
  SetClientSize(dialog.get(), layout, true);
  CentreOn(dialog.get(), nullptr);
  AddMessage(dialog.get(), layout);
  QPushButton* ok =
      AddButton(dialog.get(), button, "icon_ok_small", kDialogOkButtonName, layout.ConfirmButton, kModalResultOK);
  ok->setDefault(true);
  ok->setFocus();
  MirrorForDirection(dialog.get());
  dialog->exec();
}

int32_t ShowConfirmationWindow(const std::string& caption, const std::string& question, const std::string& yes,
                               const std::string& no, const std::string& cancel) {
  bool hasCancel = !IsNulMarker(cancel);
  auto dialog = std::make_unique<TCodeBuiltDialog>();
  dialog->setWindowTitle(ToQString(caption));
  TDialogLayout layout = LayoutConfirmationDialog(question, yes, no, cancel, TQtTextMeasurer(dialog->font()));
  SetClientSize(dialog.get(), layout, true);
  CentreOn(dialog.get(), MainWindow());
  AddMessage(dialog.get(), layout);
  QPushButton* yesButton =
      AddButton(dialog.get(), yes, "icon_ok_small", kDialogYesButtonName, layout.ConfirmButton, kModalResultYes);
  AddButton(dialog.get(), no, "icon_cancel_small", kDialogNoButtonName, layout.NoButton, kModalResultNo);
  dialog->EscapeResult = kModalResultNo;
  if (hasCancel) {
    AddButton(dialog.get(), cancel, "icon_cancel_small", kDialogCancelButtonName, layout.CancelButton,
              kModalResultCancel);
    dialog->EscapeResult = kModalResultCancel;
  }
  yesButton->setDefault(true);
  yesButton->setFocus();
  MirrorForDirection(dialog.get());
  return dialog->exec();
}

int32_t ShowQuestionBox(const std::string& caption, const std::string& question, const std::string& yes,
                        const std::string& no, const std::string& cancel) {
  QMessageBox box(QMessageBox::Question, ToQString(caption), ToQString(question), QMessageBox::NoButton, MainWindow());
  box.setTextFormat(Qt::PlainText);
  QPushButton* yesButton = box.addButton(ToQString(yes), QMessageBox::YesRole);
  yesButton->setObjectName(QLatin1String(kDialogYesButtonName));
  QPushButton* noButton = box.addButton(ToQString(no), QMessageBox::NoRole);
  noButton->setObjectName(QLatin1String(kDialogNoButtonName));
  QPushButton* cancelButton = nullptr;
  if (!IsNulMarker(cancel)) {
    cancelButton = box.addButton(ToQString(cancel), QMessageBox::RejectRole);
    cancelButton->setObjectName(QLatin1String(kDialogCancelButtonName));
  }
  box.setDefaultButton(yesButton);
  box.setEscapeButton(cancelButton != nullptr ? cancelButton : noButton);
  box.exec();
  // The platform box answers 26, 27 and 22 for its buttons; 20 is taken off.
  QAbstractButton* clicked = box.clickedButton();
  int32_t platformResult = 20 + kModalResultCancel;
  if (clicked == yesButton) platformResult = 26;
  if (clicked == noButton) platformResult = 27;
  if (cancelButton != nullptr && clicked == cancelButton) platformResult = 22;
  if (cancelButton == nullptr && clicked == nullptr) platformResult = 27;
  return platformResult - 20;
}

// The memo follows all four sides of the long-text window, the buttons its
// bottom right corner (bottom left in a right-to-left window). The gaps are
// those of the left-to-right layout.
struct TAnchor {
  QWidget* widget;
  int32_t rightGap;
  int32_t bottomGap;
};

class TResizeFollower : public QObject {
 public:
  TResizeFollower(QDialog* dialog, QWidget* memo, int32_t rightGap, int32_t bottomGap, std::vector<TAnchor> anchors)
      : QObject(dialog),
        FDialog(dialog),
        FMemo(memo),
        FLeftGap(memo->x()),
        FRightGap(rightGap),
        FBottomGap(bottomGap),
        FAnchors(std::move(anchors)) {
    dialog->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == FDialog && e->type() == QEvent::Resize) {
      const int w = FDialog->width(), h = FDialog->height();
      const bool rightToLeft = FDialog->layoutDirection() == Qt::RightToLeft;
      const int memoWidth = w - FRightGap - FLeftGap;
      FMemo->setGeometry(rightToLeft ? FRightGap : FLeftGap, FMemo->y(), memoWidth, h - FBottomGap - FMemo->y());
      for (const TAnchor& a : FAnchors)
        a.widget->move(rightToLeft ? a.rightGap - a.widget->width() : w - a.rightGap, h - a.bottomGap);
    }
    return false;
  }

 private:
  QDialog* FDialog;
  QWidget* FMemo;
  int32_t FLeftGap, FRightGap, FBottomGap;
  std::vector<TAnchor> FAnchors;
};

// Room that a title bar takes beside its text: the window's icon and its
// buttons, and the margins the window manager keeps.
constexpr int32_t kTitleBarAllowance = 130;

// A fixed-size window shows its whole title: the layout grows to the title's
// width, the message and the input with it, the buttons keeping their place
// at the right edge.
void WidenForTitle(TDialogLayout& layout, const QString& title, const QWidget* dialog) {
  QFont titleFont = dialog->font();
  titleFont.setBold(true);
  const int32_t wanted = QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarAllowance;
  const int32_t grow = wanted - layout.ClientWidth;
  if (grow <= 0) return;
  layout.ClientWidth += grow;
  layout.Message.Width += grow;
  layout.Input.Width += grow;
  for (TDialogRect* button : {&layout.ConfirmButton, &layout.NoButton, &layout.CancelButton})
    if (button->Width > 0) button->Left += grow;
}

std::string ShowInputWindow(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                            const std::string& cancelCaption, const std::string& defaultText, const TStrArray& items,
                            int32_t kind, bool password) {
  auto dialog = std::make_unique<TCodeBuiltDialog>();
  dialog->setWindowTitle(ToQString(caption));
  QWidget* input = nullptr;
  QLineEdit* edit = nullptr;
  QComboBox* combo = nullptr;
  TAdvancedMemo* memo = nullptr;
  if (kind == kInputKindComboBox) {
    combo = new QComboBox(dialog.get());
    for (const std::string& item : items) combo->addItem(ToQString(item));
    if (combo->count() > 0) combo->setCurrentIndex(0);
    input = combo;
  } else if (kind == kInputKindMemo) {
    memo = new TAdvancedMemo(dialog.get());
    memo->SetText(defaultText);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    input = memo;
  } else {
    edit = new QLineEdit(ToQString(defaultText), dialog.get());
    if (password) {
      edit->setEchoMode(QLineEdit::Password);
      // The dialogs mask with "*", whatever the style's own choice.
      edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    }
    input = edit;
  }
  input->setObjectName(QLatin1String(kDialogInputName));
  TDialogLayout layout = LayoutInputDialog(prompt, okCaption, cancelCaption, items, kind, input->sizeHint().height(),
                                           TQtTextMeasurer(dialog->font()));
  WidenForTitle(layout, dialog->windowTitle(), dialog.get());
  AddMessage(dialog.get(), layout);
  input->setGeometry(ToQRect(layout.Input));
  QPushButton* ok =
      AddButton(dialog.get(), okCaption, "icon_ok_small", kDialogOkButtonName, layout.ConfirmButton, kModalResultOK);
  QPushButton* cancel = nullptr;
  if (!cancelCaption.empty()) {
    cancel = AddButton(dialog.get(), cancelCaption, "icon_cancel_small", kDialogCancelButtonName, layout.CancelButton,
                       kModalResultCancel);
  }
  ok->setDefault(true);
  SetClientSize(dialog.get(), layout, kind != kInputKindMemo);
  if (kind == kInputKindMemo) {
    dialog->setMinimumSize(layout.ClientWidth, layout.ConfirmButton.Top);
    std::vector<TAnchor> anchors;
    anchors.push_back(
        {ok, layout.ClientWidth - layout.ConfirmButton.Left, layout.ClientHeight - layout.ConfirmButton.Top});
    if (cancel != nullptr) {
      anchors.push_back(
          {cancel, layout.ClientWidth - layout.CancelButton.Left, layout.ClientHeight - layout.CancelButton.Top});
    }
    new TResizeFollower(dialog.get(), memo, layout.ClientWidth - layout.Input.Right(),
                        layout.ClientHeight - layout.Input.Bottom(), std::move(anchors));
  }
  CentreOn(dialog.get(), MainWindow());
  MirrorForDirection(dialog.get());
  input->setFocus();
  if (dialog->exec() != kModalResultOK) return NulMarker();
  if (combo != nullptr) return FromQString(combo->currentText());
  if (memo != nullptr) return memo->Text();
  return FromQString(edit->text());
}

}  // namespace

TDialogHandler* SetDialogHandler(TDialogHandler* handler) {
  TDialogHandler* previous = gDialogHandler;
  gDialogHandler = handler;
  return previous;
}

void NotificationDialog(const std::string& caption, const std::string& message, const std::string& buttonCaption) {
  if (gDialogHandler != nullptr) {
    gDialogHandler->Notification(caption, message, buttonCaption);
    return;
  }
  ShowNotificationWindow(caption, message, buttonCaption);
}

void NotificationDialogOrMemo(const std::string& caption, const std::string& text, int32_t limit) {
  if (static_cast<int64_t>(text.size()) < limit) {
    NotificationDialog(caption, "\"" + text + "\"", "OK");
  } else {
    InputMemo(caption, "", "", "", text);
  }
}

void SV(const std::string& text) { NotificationDialogOrMemo("String", text, 400); }

bool ConfirmationDialog(const std::string& caption, const std::string& question, const std::string& yesCaption,
                        const std::string& noCaption, bool ownWindow) {
  int32_t result = ownWindow ? ConfirmationDialogGeneral(caption, question, yesCaption, noCaption, NulMarker())
                             : ConfirmationDialogSystem(caption, question, yesCaption, noCaption, NulMarker());
  return result == kModalResultYes;
}

int32_t ConfirmationDialog(const std::string& caption, const std::string& question, const std::string& yesCaption,
                           const std::string& noCaption, const std::string& cancelCaption, bool ownWindow) {
  return ownWindow ? ConfirmationDialogGeneral(caption, question, yesCaption, noCaption, cancelCaption)
                   : ConfirmationDialogSystem(caption, question, yesCaption, noCaption, cancelCaption);
}

int32_t ConfirmationDialogGeneral(const std::string& caption, const std::string& question,
                                  const std::string& yesCaption, const std::string& noCaption,
                                  const std::string& cancelCaption) {
  if (gDialogHandler != nullptr) {
    return gDialogHandler->Confirmation(caption, question, yesCaption, noCaption, cancelCaption, false);
  }
  return ShowConfirmationWindow(caption, question, yesCaption, noCaption, cancelCaption);
}

int32_t ConfirmationDialogSystem(const std::string& caption, const std::string& question, const std::string& yesCaption,
                                 const std::string& noCaption, const std::string& cancelCaption) {
  if (gDialogHandler != nullptr) {
    return gDialogHandler->Confirmation(caption, question, yesCaption, noCaption, cancelCaption, true);
  }
  return ShowQuestionBox(caption, question, yesCaption, noCaption, cancelCaption);
}

std::string InputEdit(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                      const std::string& cancelCaption, const std::string& defaultText, bool password) {
  return InputGeneral(caption, prompt, okCaption, cancelCaption, defaultText, {}, kInputKindEdit, password);
}

std::string InputComboBox(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                          const std::string& cancelCaption, const std::string& defaultText, const TStrArray& items) {
  return InputGeneral(caption, prompt, okCaption, cancelCaption, defaultText, items, kInputKindComboBox, false);
}

std::string InputMemo(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                      const std::string& cancelCaption, const std::string& defaultText) {
  return InputGeneral(caption, prompt, okCaption, cancelCaption, defaultText, {}, kInputKindMemo, false);
}

std::string InputGeneral(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                         const std::string& cancelCaption, const std::string& defaultText, const TStrArray& items,
                         int32_t kind, bool password) {
  if (gDialogHandler != nullptr) {
    return gDialogHandler->Input(caption, prompt, okCaption, cancelCaption, defaultText, items, kind, password);
  }
  return ShowInputWindow(caption, prompt, okCaption, cancelCaption, defaultText, items, kind, password);
}
