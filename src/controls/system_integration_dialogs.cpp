#include "controls/system_integration_dialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/dialogs.h"
#include "foundation/file_functions.h"
#include "foundation/letter_case.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/str_transform.h"
#include "text/text_store.h"

bool TSystemIntegrationBackend::SetAutostartSettings(const std::string&, const std::string&, const std::string&, bool,
                                                     bool) {
  return false;
}
bool TSystemIntegrationBackend::GetAutostartSettings(const std::string&, const std::string&, bool,
                                                     std::string& parameters) {
  parameters.clear();
  return false;
}
bool TSystemIntegrationBackend::CreateShortcut(const std::string&, const std::string&, const std::string&,
                                               TShortcutLocation, const std::string&, const std::string&) {
  return false;
}
bool TSystemIntegrationBackend::ShortcutExists(const std::string&, TShortcutLocation, const std::string&) {
  return false;
}
bool TSystemIntegrationBackend::RemoveShortcut(const std::string&, TShortcutLocation, const std::string&) {
  return false;
}
bool TSystemIntegrationBackend::FileAssociationSet(const std::string&, const std::string&, const std::string&,
                                                   const std::string&, const std::string&, const std::string&, bool) {
  return false;
}
bool TSystemIntegrationBackend::FileAssociationDelete(const std::string&, bool) { return false; }
std::string TSystemIntegrationBackend::FileAssociationGetProgramPath(const std::string&) { return NulMarker(); }
bool TSystemIntegrationBackend::IsProgramRunningAsAdmin() { return ::IsProgramRunningAsAdmin(); }
void TSystemIntegrationBackend::RestartProgramAsAdmin(const std::string& parameters) {
  ::RestartProgramAsAdmin(parameters);
}

namespace {
TSystemIntegrationBackend* gBackend = nullptr;

const std::string& T(StrResGlobal slot) { return SprText(slot); }

QLabel* Heading(const std::string& text, QWidget* parent, bool bold) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setWordWrap(true);
  label->setContentsMargins(0, bold ? 10 : 0, 0, 5);
  if (bold) {
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
  }
  return label;
}

TRawPanel* Panel(QWidget* parent) {
  auto* panel = new TRawPanel(parent);
  panel->SetAutoSize(true);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(10, 0, 10, 0);
  layout->setSpacing(0);
  return panel;
}

void SetUpWindow(QDialog* dialog, int32_t minWidth, const std::string& caption) {
  dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint);
  dialog->setMinimumWidth(minWidth);
  dialog->setWindowTitle(ToQString(caption));
  auto* layout = new QVBoxLayout(dialog);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSizeConstraint(QLayout::SetMinAndMaxSize);
}

QPushButton* Button(const std::string& caption, QWidget* parent) {
  auto* b = new QPushButton(ToQString(caption), parent);
  b->setAutoDefault(false);
  return b;
}

void Report(bool ok, StrResGlobal okSlot, StrResGlobal failSlot, const std::string& ext) {
  std::string text = StringReplaceFast(T(ok ? okSlot : failSlot), "<EXT>", ext);
  NotificationDialog(T(ok ? 1 : 7), text, T(192));
}
}  // namespace

TSystemIntegrationBackend* SetSystemIntegrationBackend(TSystemIntegrationBackend* backend) {
  TSystemIntegrationBackend* previous = gBackend;
  gBackend = backend;
  return previous;
}

TSystemIntegrationBackend& SystemIntegrationBackend() {
  static TSystemIntegrationBackend platform;
  return gBackend != nullptr ? *gBackend : platform;
}

std::string AutostartEntryName(const std::string& programName) {
  std::string name;
  for (char c : programName)
    if (c != ' ') name += c;
  size_t a = name.find_first_not_of(" \t\r\n");
  if (a == std::string::npos) return "";
  return name.substr(a, name.find_last_not_of(" \t\r\n") - a + 1);
}

std::string FileAssociationStatusText(const std::string& extension, const std::string& associatedPath,
                                      const std::string& exePath, bool& associated) {
  std::string text = T(307) + ":\t" + UTF8UpperCase(extension) + "\n" + T(247) + ": \t";
  associated = false;
  if (IsNulMarker(associatedPath)) {
    text += "\\b\\c9B0000 " + T(758);
  } else if (UTF8UpperCase(associatedPath) == UTF8UpperCase(exePath)) {
    text += "\\b\\c007500 " + T(757);
    associated = true;
  } else {
    text += "\\b\\c9B0000 " + T(759) + "\n \t" + associatedPath;
  }
  return text;
}

bool StandardDialogCheckIfProgramIsRunningAsAdminAndShowRestartDialogIfNotSpr(const std::string& parameters) {
  if (SystemIntegrationBackend().IsProgramRunningAsAdmin()) return true;
  std::string text = T(785) + " " + T(787) + "\n\n" + T(788);
  if (ConfirmationDialog(T(1), text, T(193), T(200), false))
    SystemIntegrationBackend().RestartProgramAsAdmin(parameters);
  return false;
}

TAutoStartState GetCurrentAutoStartState(const std::string& programName, const std::string& exePath, int32_t method) {
  TSystemIntegrationBackend& b = SystemIntegrationBackend();
  std::string name = AutostartEntryName(programName);
  TAutoStartState state;
  std::string params;
  if (b.GetAutostartSettings(name, exePath, false, params))
    state = {params == "-tray" ? siAutoStartTray : siAutoStartNormal, false};
  if (b.GetAutostartSettings(name, exePath, true, params))
    state = {params == "-tray" ? siAutoStartTray : siAutoStartNormal, true};
  if (method == kAutostartMethodShortcuts) {
    if (b.ShortcutExists(name, kShortcutAutostartCurrentUser, "")) state = {siAutoStartNormal, false};
    if (b.ShortcutExists(name + "Tray", kShortcutAutostartCurrentUser, "")) state = {siAutoStartTray, false};
    if (b.ShortcutExists(name, kShortcutAutostartAllUsers, "")) state = {siAutoStartNormal, true};
    if (b.ShortcutExists(name + "Tray", kShortcutAutostartAllUsers, "")) state = {siAutoStartTray, true};
  }
  return state;
}

TSystemIntegrationAutostartDialog::TSystemIntegrationAutostartDialog(const std::string& programName,
                                                                     const std::string& exePath, int32_t options,
                                                                     int32_t method, QWidget* parent)
    : QDialog(parent) {
  SetUpWindow(this, 450, T(782));
  TAutoStartState state = GetCurrentAutoStartState(programName, exePath, method);
  pa_client = Panel(this);
  auto* client = static_cast<QVBoxLayout*>(pa_client->layout());
  client->addWidget(Heading(T(782), pa_client, true));
  auto* group1 = new QButtonGroup(this);
  auto radio = [&](StrResGlobal slot, bool checked, QWidget* parent, QButtonGroup* group) {
    auto* rb = new QRadioButton(ToQString(T(slot)), parent);
    rb->setChecked(checked);
    rb->setContentsMargins(0, 0, 0, 5);
    group->addButton(rb);
    static_cast<QVBoxLayout*>(parent->layout())->addWidget(rb);
    return rb;
  };
  group1->setExclusive(true);
  if (options & kAutostartOfferOff) rb_autostart_off = radio(776, state.Option == siAutoStartOff, pa_client, group1);
  if (options & kAutostartOfferNormal)
    rb_autostart_normal = radio(777, state.Option == siAutoStartNormal, pa_client, group1);
  if (options & kAutostartOfferTray) rb_autostart_tray = radio(778, state.Option == siAutoStartTray, pa_client, group1);
  pa_options = Panel(this);
  static_cast<QVBoxLayout*>(pa_options->layout())->addWidget(Heading(T(26), pa_options, true));
  auto* group2 = new QButtonGroup(this);
  rb_currentuser = radio(783, !state.ForAllUsers, pa_options, group2);
  rb_allusers = radio(784, state.ForAllUsers, pa_options, group2);
  pa_bottom = new TRawPanel(this);
  pa_bottom->SetAutoSize(true);
  auto* bottom = new QHBoxLayout(pa_bottom);
  bottom->setContentsMargins(10, 5, 10, 10);
  bottom->addStretch(1);
  CancelButton = Button(T(200), pa_bottom);
  SaveButton = Button(T(204), pa_bottom);
  bottom->addWidget(CancelButton);
  bottom->addWidget(SaveButton);
  connect(SaveButton, &QPushButton::clicked, this, [this] { done(1); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { done(3); });
  layout()->addWidget(pa_client);
  layout()->addWidget(pa_options);
  layout()->addWidget(pa_bottom);
}

TSystemIntegrationAutoStartOption TSystemIntegrationAutostartDialog::GetSelectedAutoStartOption() const {
  if (rb_autostart_tray != nullptr && rb_autostart_tray->isChecked()) return siAutoStartTray;
  if (rb_autostart_normal != nullptr && rb_autostart_normal->isChecked()) return siAutoStartNormal;
  return siAutoStartOff;
}

bool TSystemIntegrationAutostartDialog::GetForAllUsersOption() const {
  return rb_allusers != nullptr && rb_allusers->isChecked();
}

void TSystemIntegrationAutostartDialog::FormShowProc() { adjustSize(); }

void ShowSystemIntegrationAutostartDialog(const std::string& programName, const std::string& exePath, int32_t options,
                                          int32_t method) {
  if (!StandardDialogCheckIfProgramIsRunningAsAdminAndShowRestartDialogIfNotSpr("-wait750")) return;
  TSystemIntegrationBackend& b = SystemIntegrationBackend();
  std::string name = AutostartEntryName(programName);
  TSystemIntegrationAutostartDialog dialog(programName, exePath, options, method, nullptr);
  dialog.FormShowProc();
  if (dialog.exec() != 1) return;
  TSystemIntegrationAutoStartOption option = dialog.GetSelectedAutoStartOption();
  bool forAll = dialog.GetForAllUsersOption();
  // Both old entries must go; a failure of either is reported.
  bool removedAll = b.SetAutostartSettings(name, exePath, "", true, true);
  bool removedUser = removedAll && b.SetAutostartSettings(name, exePath, "", false, true);
  bool ok = removedAll && removedUser;
  if (method == kAutostartMethodShortcuts) {
    for (const auto& [shortcut, location] :
         {std::pair{name, kShortcutAutostartCurrentUser}, std::pair{name + "Tray", kShortcutAutostartCurrentUser},
          std::pair{name, kShortcutAutostartAllUsers}, std::pair{name + "Tray", kShortcutAutostartAllUsers}})
      if (ok) ok = b.RemoveShortcut(shortcut, location, "");
  }
  bool removalOk = ok;
  if (method == kAutostartMethodEntries) {
    if (option == siAutoStartNormal) ok = b.SetAutostartSettings(name, exePath, "", forAll, false);
    if (option == siAutoStartTray) ok = b.SetAutostartSettings(name, exePath, "-tray", forAll, false);
  } else {
    TShortcutLocation location = forAll ? kShortcutAutostartAllUsers : kShortcutAutostartCurrentUser;
    if (option == siAutoStartNormal) ok = b.CreateShortcut(exePath, "", name, location, "", "");
    if (option == siAutoStartTray) ok = b.CreateShortcut(exePath, "-tray", name + "Tray", location, "", "");
  }
  // A new entry does not make up for an old one that stayed.
  if (!removalOk) ok = false;
  Report(ok, 779, 780, "");
}

TSystemIntegrationFileAssociationsDialog::TSystemIntegrationFileAssociationsDialog(const std::string& programName,
                                                                                   const std::string& exePath,
                                                                                   const TKeyValueArrayObj& extensions,
                                                                                   QWidget* parent)
    : QDialog(parent), FProgramName(programName), FExePath(exePath) {
  SetUpWindow(this, 400, T(754));
  pa_client = Panel(this);
  auto* client = static_cast<QVBoxLayout*>(pa_client->layout());
  QHBoxLayout* lastBand = nullptr;
  QWidget* lastBandPanel = nullptr;
  for (int32_t i = 0; i < static_cast<int32_t>(extensions.Items.size()); ++i) {
    TSystemIntegrationFileAssociationsRec rec;
    rec.Extension = extensions.GetKey(i);
    rec.Description = extensions.GetValue(i);
    client->addWidget(Heading(rec.Description, pa_client, true));
    rec.StatusLabel = new TColumnLabel(pa_client);
    rec.StatusLabel->SetFormattingEnabled(true);
    rec.StatusLabel->setContentsMargins(0, 10, 0, 8);
    client->addSpacing(10);
    client->addWidget(rec.StatusLabel);
    client->addSpacing(8);
    auto* band = new TRawPanel(pa_client);
    band->SetAutoSize(true);
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(0, 0, 0, 4);
    rec.AssociateButton = Button(T(760), band);
    rec.AssociateButton->setProperty("Tag", i + 1);
    rec.DeleteButton = Button(T(761), band);
    rec.DeleteButton->setProperty("Tag", -(i + 1));
    bandLayout->addWidget(rec.AssociateButton);
    bandLayout->addWidget(rec.DeleteButton);
    bandLayout->addStretch(1);
    client->addWidget(band);
    for (QPushButton* button : {rec.AssociateButton, rec.DeleteButton})
      connect(button, &QPushButton::clicked, this, [this, button] { AssociateButtonClick(button); });
    FRows.push_back(rec);
    RefreshStatusOfExtInGUI(i);
    lastBand = bandLayout;
    lastBandPanel = band;
  }
  if (lastBand != nullptr) {
    bt_close = Button(T(227), lastBandPanel);
    lastBand->addWidget(bt_close);
    connect(bt_close, &QPushButton::clicked, this, [this] { done(1); });
  } else {
    // Without rows the window still needs a way out.
    bt_close = Button(T(227), pa_client);
    client->addWidget(bt_close, 0, Qt::AlignRight);
    connect(bt_close, &QPushButton::clicked, this, [this] { done(1); });
  }
  client->addSpacing(6);
  layout()->addWidget(pa_client);
}

void TSystemIntegrationFileAssociationsDialog::RefreshStatusOfExtInGUI(int32_t row) {
  if (row < 0 || row >= static_cast<int32_t>(FRows.size())) return;
  TSystemIntegrationFileAssociationsRec& rec = FRows[static_cast<size_t>(row)];
  bool associated = false;
  std::string path = SystemIntegrationBackend().FileAssociationGetProgramPath(rec.Extension);
  rec.StatusLabel->SetCaption(FileAssociationStatusText(rec.Extension, path, FExePath, associated));
  rec.AssociateButton->setVisible(!associated);
  rec.DeleteButton->setVisible(associated);
}

void TSystemIntegrationFileAssociationsDialog::AssociateButtonClick(QObject* sender) {
  auto* button = qobject_cast<QPushButton*>(sender);
  if (button == nullptr) return;
  int tag = button->property("Tag").toInt();
  TSystemIntegrationBackend& b = SystemIntegrationBackend();
  if (tag >= 1 && tag <= static_cast<int>(FRows.size())) {
    int32_t i = tag - 1;
    const auto& rec = FRows[static_cast<size_t>(i)];
    std::string ext = UTF8UpperCase(rec.Extension);
    std::string description = FProgramName + " " + rec.Description;
    std::string current = b.FileAssociationGetProgramPath(rec.Extension);
    if (!IsNulMarker(current) && UTF8UpperCase(current) != UTF8UpperCase(FExePath)) {
      std::string text = StringReplaceFast(T(766) + "\n\n" + current + "\n\n" + T(767), "<EXT>", ext);
      if (!ConfirmationDialog(T(3), text, T(193), T(194), false)) return;
    }
    bool ok = b.FileAssociationSet(rec.Extension, description, FExePath, "", "\"%1\"", "", true);
    RefreshStatusOfExtInGUI(i);
    Report(ok, 762, 763, ext);
  } else if (tag <= -1 && -tag <= static_cast<int>(FRows.size())) {
    int32_t i = -tag - 1;
    bool ok = b.FileAssociationDelete(FRows[static_cast<size_t>(i)].Extension, true);
    RefreshStatusOfExtInGUI(i);
    Report(ok, 764, 765, "");
  }
}

void TSystemIntegrationFileAssociationsDialog::FormShowProc() {
  adjustSize();
  if (bt_close != nullptr) bt_close->setFocus();
}

void ShowSystemIntegrationFileAssociationsDialog(const std::string& programName, const std::string& exePath,
                                                 const TKeyValueArrayObj& extensions) {
  if (!StandardDialogCheckIfProgramIsRunningAsAdminAndShowRestartDialogIfNotSpr("-wait750")) return;
  TSystemIntegrationFileAssociationsDialog dialog(programName, exePath, extensions, nullptr);
  dialog.FormShowProc();
  dialog.exec();
}

TSystemIntegrationContextMenuDialog::TSystemIntegrationContextMenuDialog(const std::string& entryName,
                                                                         const std::string& programName,
                                                                         const std::string& altProgramName,
                                                                         const std::string& exePath, QWidget* parent)
    : QDialog(parent),
      FEntryName(entryName),
      FProgramName(programName),
      FAltProgramName(altProgramName),
      FExePath(exePath) {
  SetUpWindow(this, 400, T(768));
  pa_client = Panel(this);
  auto* client = static_cast<QVBoxLayout*>(pa_client->layout());
  client->addWidget(Heading(T(770), pa_client, true));
  cl_sendto = new TColumnLabel(pa_client);
  cl_sendto->SetFormattingEnabled(true);
  cl_sendto->SetCaption("Status");
  client->addSpacing(7);
  client->addWidget(cl_sendto);
  client->addSpacing(7);
  pa_sendto_buttons = new TRawPanel(pa_client);
  pa_sendto_buttons->SetAutoSize(true);
  auto* band = new QHBoxLayout(pa_sendto_buttons);
  band->setContentsMargins(0, 0, 0, 14);
  bt_sendto_add = new TPaddingButton(ToQString(T(529)), pa_sendto_buttons);
  bt_sendto_add->SetPaddingVertical(4);
  bt_sendto_remove = new TPaddingButton(ToQString(T(47)), pa_sendto_buttons);
  bt_sendto_remove->SetPaddingVertical(4);
  band->addWidget(bt_sendto_add);
  band->addWidget(bt_sendto_remove);
  band->addStretch(1);
  client->addWidget(pa_sendto_buttons);
  layout()->addWidget(pa_client);
  connect(bt_sendto_add, &QPushButton::clicked, this, [this] { ButtonSendToMenuAddClick(); });
  connect(bt_sendto_remove, &QPushButton::clicked, this, [this] { ButtonSendToMenuRemoveClick(); });
  RefreshStatusInGUI();
}

void TSystemIntegrationContextMenuDialog::RefreshStatusInGUI() {
  TSystemIntegrationBackend& b = SystemIntegrationBackend();
  bool present = b.ShortcutExists(FProgramName, kShortcutSendTo, "");
  if (!present && FAltProgramName != FProgramName) present = b.ShortcutExists(FAltProgramName, kShortcutSendTo, "");
  cl_sendto->SetCaption(T(247) + ": \t" + (present ? "\\b\\c007500 " + T(366) : "\\b\\c9B0000 " + T(367)));
  bt_sendto_add->setEnabled(!present);
  bt_sendto_remove->setEnabled(present);
}

void TSystemIntegrationContextMenuDialog::ButtonSendToMenuAddClick() {
  SystemIntegrationBackend().CreateShortcut(FExePath, "", FEntryName, kShortcutSendTo, "", "");
  RefreshStatusInGUI();
}

void TSystemIntegrationContextMenuDialog::ButtonSendToMenuRemoveClick() {
  TSystemIntegrationBackend& b = SystemIntegrationBackend();
  b.RemoveShortcut(FProgramName, kShortcutSendTo, "");
  if (FAltProgramName != FProgramName) b.RemoveShortcut(FAltProgramName, kShortcutSendTo, "");
  RefreshStatusInGUI();
}

void ShowSystemIntegrationContextMenuDialog(const std::string& entryName, const std::string& programName,
                                            const std::string& altProgramName, const std::string& exePath) {
  TSystemIntegrationContextMenuDialog dialog(entryName, programName, altProgramName, exePath, nullptr);
  dialog.exec();
}
