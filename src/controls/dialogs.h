// Small modal dialogs built in code on every call: a notification, yes/no
// (/cancel) confirmations and input of one line, a choice or several lines.
// Every text shown is an argument; nothing is read from the text store.
//
// Everything these functions show goes through one replaceable handler, so
// that commands which ask the user run headless in tests: install a
// TDialogHandler with SetDialogHandler (or TScopedDialogHandler) and the
// windows are never built.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/types.h"

// The modal results the dialogs give (the stored numbers of the widget library).
inline constexpr int32_t kModalResultNone = 0;
inline constexpr int32_t kModalResultOK = 1;
inline constexpr int32_t kModalResultCancel = 2;
inline constexpr int32_t kModalResultYes = 6;
inline constexpr int32_t kModalResultNo = 7;

// What InputGeneral shows.
inline constexpr int32_t kInputKindEdit = 1;
inline constexpr int32_t kInputKindComboBox = 2;
inline constexpr int32_t kInputKindMemo = 4;

// The three dialog shapes every function below ends in.
class TDialogHandler {
 public:
  virtual ~TDialogHandler() = default;
  virtual void Notification(const std::string& caption, const std::string& message,
                            const std::string& buttonCaption) = 0;
  // cancelCaption is the NUL marker when there is no cancel button;
  // systemDialog tells the platform question box from our own window.
  // Returns kModalResultYes, kModalResultNo or kModalResultCancel.
  virtual int32_t Confirmation(const std::string& caption, const std::string& question, const std::string& yesCaption,
                               const std::string& noCaption, const std::string& cancelCaption, bool systemDialog) = 0;
  // The entered text, or the NUL marker when the user did not confirm.
  virtual std::string Input(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                            const std::string& cancelCaption, const std::string& defaultText, const TStrArray& items,
                            int32_t kind, bool password) = 0;
};

// Installs a handler and returns the one before; nullptr brings back the
// real windows. The handler is not owned.
TDialogHandler* SetDialogHandler(TDialogHandler* handler);

class TScopedDialogHandler {
 public:
  explicit TScopedDialogHandler(TDialogHandler* handler) : FPrevious(SetDialogHandler(handler)) {}
  ~TScopedDialogHandler() { SetDialogHandler(FPrevious); }
  TScopedDialogHandler(const TScopedDialogHandler&) = delete;
  TScopedDialogHandler& operator=(const TScopedDialogHandler&) = delete;

 private:
  TDialogHandler* FPrevious;
};

void NotificationDialog(const std::string& caption, const std::string& message, const std::string& buttonCaption);
// Texts shorter than limit bytes in a quoted notification, longer ones in a
// resizable memo window.
void NotificationDialogOrMemo(const std::string& caption, const std::string& text, int32_t limit);
// Shows a value for inspection.
void SV(const std::string& text);

// True only for Yes.
bool ConfirmationDialog(const std::string& caption, const std::string& question, const std::string& yesCaption,
                        const std::string& noCaption, bool ownWindow);
// kModalResultYes, kModalResultNo or kModalResultCancel.
int32_t ConfirmationDialog(const std::string& caption, const std::string& question, const std::string& yesCaption,
                           const std::string& noCaption, const std::string& cancelCaption, bool ownWindow);
// Our own window; the NUL marker as cancelCaption means no cancel button.
int32_t ConfirmationDialogGeneral(const std::string& caption, const std::string& question,
                                  const std::string& yesCaption, const std::string& noCaption,
                                  const std::string& cancelCaption);
// The platform's question box; the NUL marker as cancelCaption means no cancel button.
int32_t ConfirmationDialogSystem(const std::string& caption, const std::string& question, const std::string& yesCaption,
                                 const std::string& noCaption, const std::string& cancelCaption);

// Each returns the entered text, or the NUL marker when the user cancelled.
// An empty cancelCaption gives no cancel button.
std::string InputEdit(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                      const std::string& cancelCaption, const std::string& defaultText, bool password);
// defaultText is not used; the first item is selected.
std::string InputComboBox(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                          const std::string& cancelCaption, const std::string& defaultText, const TStrArray& items);
std::string InputMemo(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                      const std::string& cancelCaption, const std::string& defaultText);
std::string InputGeneral(const std::string& caption, const std::string& prompt, const std::string& okCaption,
                         const std::string& cancelCaption, const std::string& defaultText, const TStrArray& items,
                         int32_t kind, bool password);

// Object names of the parts of the dialog windows, for tests that drive them.
inline constexpr const char* kDialogOkButtonName = "OkButton";
inline constexpr const char* kDialogYesButtonName = "YesButton";
inline constexpr const char* kDialogNoButtonName = "NoButton";
inline constexpr const char* kDialogCancelButtonName = "CancelButton";
inline constexpr const char* kDialogMessageName = "Message";
inline constexpr const char* kDialogInputName = "Input";
