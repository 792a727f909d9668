// The windows through which the settings window ties the program into the
// desktop - start with the system, file associations, a "Send To" entry -
// and the back end they call. The desktop work sits behind one replaceable
// back end; this platform's answers every call with the fixed "not done"
// results, while the windows and flows stay whole for a back end that
// succeeds (tests install one).
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/caption_panels.h"
#include "controls/column_labels.h"
#include "controls/padding_button.h"
#include "foundation/containers_maps.h"
#include "foundation/types.h"

enum TSystemIntegrationAutoStartOption { siAutoStartOff = 0, siAutoStartNormal = 1, siAutoStartTray = 2 };

// Where a shortcut lives.
using TShortcutLocation = int32_t;
inline constexpr TShortcutLocation kShortcutAutostartCurrentUser = 1;
inline constexpr TShortcutLocation kShortcutAutostartAllUsers = 3;
inline constexpr TShortcutLocation kShortcutSendTo = 4;

// Bits of the offered autostart options.
inline constexpr int32_t kAutostartOfferOff = 1;
inline constexpr int32_t kAutostartOfferNormal = 2;
inline constexpr int32_t kAutostartOfferTray = 4;

inline constexpr int32_t kAutostartMethodEntries = 0;
inline constexpr int32_t kAutostartMethodShortcuts = 1;

// The desktop work. The base class is this platform's: nothing is done and
// every call gives the fixed result (false; the NUL marker for "no program").
class TSystemIntegrationBackend {
 public:
  virtual ~TSystemIntegrationBackend() = default;
  virtual bool SetAutostartSettings(const std::string& name, const std::string& exePath, const std::string& parameters,
                                    bool forAllUsers, bool remove);
  virtual bool GetAutostartSettings(const std::string& name, const std::string& exePath, bool forAllUsers,
                                    std::string& parameters);
  virtual bool CreateShortcut(const std::string& target, const std::string& parameters, const std::string& name,
                              TShortcutLocation location, const std::string& text1, const std::string& text2);
  virtual bool ShortcutExists(const std::string& name, TShortcutLocation location, const std::string& text);
  virtual bool RemoveShortcut(const std::string& name, TShortcutLocation location, const std::string& text);
  virtual bool FileAssociationSet(const std::string& extension, const std::string& description,
                                  const std::string& programPath, const std::string& text4,
                                  const std::string& parameters, const std::string& text6, bool flag);
  virtual bool FileAssociationDelete(const std::string& extension, bool flag);
  virtual std::string FileAssociationGetProgramPath(const std::string& extension);
  virtual bool IsProgramRunningAsAdmin();
  virtual void RestartProgramAsAdmin(const std::string& parameters);
};

// Installs a back end and returns the one before; nullptr brings back this
// platform's. Not owned.
TSystemIntegrationBackend* SetSystemIntegrationBackend(TSystemIntegrationBackend* backend);
TSystemIntegrationBackend& SystemIntegrationBackend();

// The program name without blanks, trimmed.
std::string AutostartEntryName(const std::string& programName);
// The two-column status text of a file-association row, and whether the
// extension is associated with this program.
std::string FileAssociationStatusText(const std::string& extension, const std::string& associatedPath,
                                      const std::string& exePath, bool& associated);

bool StandardDialogCheckIfProgramIsRunningAsAdminAndShowRestartDialogIfNotSpr(const std::string& parameters);

struct TAutoStartState {
  TSystemIntegrationAutoStartOption Option = siAutoStartOff;
  bool ForAllUsers = false;
};
TAutoStartState GetCurrentAutoStartState(const std::string& programName, const std::string& exePath, int32_t method);

class TSystemIntegrationAutostartDialog : public QDialog {
  Q_OBJECT
 public:
  TSystemIntegrationAutostartDialog(const std::string& programName, const std::string& exePath, int32_t options,
                                    int32_t method, QWidget* parent = nullptr);
  QRadioButton* rb_autostart_off = nullptr;
  QRadioButton* rb_autostart_normal = nullptr;
  QRadioButton* rb_autostart_tray = nullptr;
  QRadioButton* rb_allusers = nullptr;
  QRadioButton* rb_currentuser = nullptr;
  TRawPanel* pa_client = nullptr;
  TRawPanel* pa_options = nullptr;
  TRawPanel* pa_bottom = nullptr;
  QPushButton* SaveButton = nullptr;
  QPushButton* CancelButton = nullptr;
  TSystemIntegrationAutoStartOption GetSelectedAutoStartOption() const;
  bool GetForAllUsersOption() const;
  void FormShowProc();
};

struct TSystemIntegrationFileAssociationsRec {
  std::string Extension;
  std::string Description;
  QPushButton* AssociateButton = nullptr;
  QPushButton* DeleteButton = nullptr;
  TColumnLabel* StatusLabel = nullptr;
};
using TSystemIntegrationFileAssociationsRecArray = std::vector<TSystemIntegrationFileAssociationsRec>;

class TSystemIntegrationFileAssociationsDialog : public QDialog {
  Q_OBJECT
 public:
  TSystemIntegrationFileAssociationsDialog(const std::string& programName, const std::string& exePath,
                                           const TKeyValueArrayObj& extensions, QWidget* parent = nullptr);
  TRawPanel* pa_client = nullptr;
  TRawPanel* pa_bottom = nullptr;
  QPushButton* bt_close = nullptr;
  const TSystemIntegrationFileAssociationsRecArray& Rows() const { return FRows; }
  void RefreshStatusOfExtInGUI(int32_t row);
  void AssociateButtonClick(QObject* sender);
  void FormShowProc();

 private:
  std::string FProgramName, FExePath;
  TSystemIntegrationFileAssociationsRecArray FRows;
};

class TSystemIntegrationContextMenuDialog : public QDialog {
  Q_OBJECT
 public:
  TSystemIntegrationContextMenuDialog(const std::string& entryName, const std::string& programName,
                                      const std::string& altProgramName, const std::string& exePath,
                                      QWidget* parent = nullptr);
  TRawPanel* pa_client = nullptr;
  TRawPanel* pa_bottom = nullptr;
  TRawPanel* pa_sendto_buttons = nullptr;
  TPaddingButton* bt_sendto_add = nullptr;
  TPaddingButton* bt_sendto_remove = nullptr;
  TColumnLabel* cl_sendto = nullptr;
  void ButtonSendToMenuAddClick();
  void ButtonSendToMenuRemoveClick();
  void RefreshStatusInGUI();

 private:
  std::string FEntryName, FProgramName, FAltProgramName, FExePath;
};

void ShowSystemIntegrationAutostartDialog(const std::string& programName, const std::string& exePath, int32_t options,
                                          int32_t method);
void ShowSystemIntegrationFileAssociationsDialog(const std::string& programName, const std::string& exePath,
                                                 const TKeyValueArrayObj& extensions);
void ShowSystemIntegrationContextMenuDialog(const std::string& entryName, const std::string& programName,
                                            const std::string& altProgramName, const std::string& exePath);
