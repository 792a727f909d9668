// The frame's menus on the main window, its web links and donation
// controls, the info dialog's set-up and the tray icon.
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "foundation/paths.h"
#include "foundation/qt/qt_strings.h"
#include "frame/core/settings_window_rules.h"
#include "frame/qt/pwk_prog_obj.h"
#include "frame/qt/widget_tags.h"

namespace {

constexpr const char* kProfileNameProperty = "ProfileName";
const QString kProfileEntryPrefix = QStringLiteral("m_settings_profiles_");

}  // namespace

std::string TPwkProgObj::GetURLRef(const std::string& place) const {
  return ::GetURLRef(ProgID, place, FLanguage, GetProgVersionAsYYMMDD());
}

std::string TPwkProgObj::GetURLForCurrentLanguage(TProgObjURL kind) const {
  return GetURLForLanguage(kind, FLanguage, {ProgWebsiteEN, ProgWebsiteDE, ProgWebsiteES, ProgWebsiteFR});
}

void TPwkProgObj::BrowseToURL(const std::string& address, const std::string& place) {
  OpenURLInBrowser(FormBrowseURL(address, place.empty() ? place : GetURLRef(place)));
}

void TPwkProgObj::DonateControlClick() { BrowseToURL(GetURLForCurrentLanguage(puDonate), "s"); }

// --- Menus -------------------------------------------------------------------------

namespace {

QAction* NewEntry(QMenu* menu, const TMenuEntrySpec& spec) {
  // The name is an entry's caption until the language sets it; a divider has none, or
  // styles would show the name as a section label.
  const bool divider = spec.Action == TMenuEntryAction::Divider;
  auto* action = new QAction(divider ? QString() : QString::fromStdString(spec.Name), menu);
  action->setObjectName(QString::fromStdString(spec.Name));
  SetTag(action, spec.Tag);
  if (divider) action->setSeparator(true);
  menu->addAction(action);
  return action;
}

}  // namespace

void TPwkProgObj::CreateMenusOnOwnerForm() {
  if (!FOwnerForm) return;
  if (auto* main = qobject_cast<QMainWindow*>(FOwnerForm.data()))
    FMainMenu = main->menuBar();
  else if (auto* bar = FOwnerForm->findChild<QMenuBar*>())
    FMainMenu = bar;
  if (!FMainMenu) {
    FMainMenu = new QMenuBar(FOwnerForm);
    FMainMenu->setObjectName("MainMenu");
  }
  auto bind = [this](QAction* action, TMenuEntryAction kind) {
    switch (kind) {
      case TMenuEntryAction::OpenSettings:
        connect(action, &QAction::triggered, this, [this, action] { MenuItemClickOpenSettings(action); });
        break;
      case TMenuEntryAction::ResetSettings:
        connect(action, &QAction::triggered, this, [this] { ResetSettings(); });
        break;
      case TMenuEntryAction::OpenInfoDialog:
        connect(action, &QAction::triggered, this, [this, action] { MenuItemClickOpenInfoDialog(action); });
        break;
      case TMenuEntryAction::BrowseToCaptionURL:
        connect(action, &QAction::triggered, this, [this, action] { MenuItemClickBrowseToCaptionURL(action); });
        break;
      case TMenuEntryAction::Divider: break;
    }
  };

  // The application menu: macOS moves these entries by their roles; elsewhere the menu stays hidden.
  auto* appMenu = new QMenu(QString(QChar(0xF8FF)), FMainMenu);
  QAction* first = FMainMenu->actions().isEmpty() ? nullptr : FMainMenu->actions().first();
  FMainMenu->insertMenu(first, appMenu);
#ifndef Q_OS_MACOS
  appMenu->menuAction()->setVisible(false);
#endif
  QAction* about = NewEntry(appMenu, {"MacAbout", kInfoPageHelp, TMenuEntryAction::OpenInfoDialog});
  about->setText("About");
  about->setMenuRole(QAction::AboutRole);
  bind(about, TMenuEntryAction::OpenInfoDialog);
  QAction* prefs = NewEntry(appMenu, {"MacPreferences", 0, TMenuEntryAction::OpenSettings});
  prefs->setText("Preferences");
  prefs->setMenuRole(QAction::PreferencesRole);
  prefs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
  bind(prefs, TMenuEntryAction::OpenSettings);

  if (MenuSettings) {
    QMenu* settings = FOwnerForm->findChild<QMenu*>("m_settings");
    const bool created = settings == nullptr;
    if (created) {
      settings = new QMenu(FMainMenu);
      settings->setObjectName("m_settings");
    }
    if (settings->actions().isEmpty()) {
      settings->setTitle("m_settings");
      TSettingsMenuOptions o;
      o.CustomTabCount = FSettingsObj->GetCustomTabCount();
      o.CustomMenuDivider = [this](int32_t tab) { return FSettingsObj->GetCustomMenuDivider(tab); };
      o.TabCodePage = FSettingsTabCodePage;
      o.TabLanguage = FSettingsTabLanguage;
      o.TabSaveSettings = FSettingsTabSaveSettings;
      o.ShowReset = MenuSettingsShowReset;
      o.TabFileAssociations = SettingsTabFileAssociations;
      o.TabContextMenu = SettingsTabContextMenu;
      o.TabProgramShortCut = SettingsTabProgramShortCut;
      o.TabAutoStart = SettingsTabAutoStart;
      for (const TMenuEntrySpec& spec : SettingsMenuEntries(o)) bind(NewEntry(settings, spec), spec.Action);
    }
    if (created) FMainMenu->addMenu(settings);
  }
  auto topMenu = [&](const char* name, const std::vector<TMenuEntrySpec>& entries) {
    auto* menu = new QMenu(QString(name), FMainMenu);
    menu->setObjectName(name);
    SetTag(menu, 0);
    for (const TMenuEntrySpec& spec : entries) bind(NewEntry(menu, spec), spec.Action);
    FMainMenu->addMenu(menu);
    return menu;
  };
  if (MenuSoftware && !FOwnerForm->findChild<QMenu*>("m_software")) topMenu("m_software", SoftwareMenuEntries());
  if (MenuInfo && !FOwnerForm->findChild<QMenu*>("m_info")) {
    QMenu* info = topMenu("m_info", InfoMenuEntries());
    if (auto* help = info->findChild<QAction*>("m_info0")) help->setShortcut(QKeySequence(Qt::Key_F1));
  }
}

void TPwkProgObj::ResetAndCreateProfileMenusOnOwnerForm() {
  if (!FOwnerForm) return;
  QMenu* settings = FOwnerForm->findChild<QMenu*>("m_settings");
  if (!settings) return;
  const QList<QAction*> entries = settings->actions();
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    if (!(*it)->objectName().startsWith(kProfileEntryPrefix)) continue;
    settings->removeAction(*it);
    delete *it;
  }
  const TStrArray names = FSettingsObj->GetSavedProfileNames(true, true);
  if (names.empty()) return;
  NewEntry(settings, {"m_settings_profiles_divider", 0, TMenuEntryAction::Divider});
  for (size_t i = 0; i < names.size(); ++i) {
    QAction* entry =
        NewEntry(settings, {"m_settings_profiles_" + std::to_string(i), 0, TMenuEntryAction::OpenSettings});
    // A profile name is shown as it is: an ampersand is no mnemonic here.
    entry->setText(ToQString(names[i]).replace('&', "&&"));
    entry->setProperty(kProfileNameProperty, ToQString(names[i]));
    connect(entry, &QAction::triggered, this, [this, entry] { MenuItemClickOpenProfile(entry); });
  }
}

void TPwkProgObj::MenuItemClickOpenSettings(QObject* sender) {
  if (sender) ShowSettings(GetTag(sender));
}

void TPwkProgObj::MenuItemClickOpenInfoDialog(QObject* sender) {
  if (sender && GetTag(sender) != 0) FInfoDialogObj->ShowInfoDialog(GetTag(sender));
}

void TPwkProgObj::MenuItemClickOpenProfile(QObject* sender) {
  if (sender) FSettingsObj->LoadSettings(FromQString(sender->property(kProfileNameProperty).toString()), true);
}

void TPwkProgObj::MenuItemClickBrowseToCaptionURL(QObject* sender) {
  if (auto* action = qobject_cast<QAction*>(sender)) BrowseToURL(FromQString(action->text()), "m");
}

// --- Info dialog ---------------------------------------------------------------------

void TPwkProgObj::InfoDialogSetUp() {
  TInfoDialogObj& d = *FInfoDialogObj;
  d.SetLanguage(FLanguage);
  d.ProgCompilationYear = GetProgCompilationYear();
  d.ProgYear = ProgYear;
  d.ProgID = ProgID;
  d.ProgURLRef = GetURLRef("h");
  d.ProgWebsite = ProgWebsiteEN;
  d.ProgVersion = GetProgVersion();
  d.ProgVersionAsYYMMDD = GetProgVersionAsYYMMDD();
  d.HasBatchVersion = EnableBatchProcessor;
  d.SetInfoThanks(InfoThanks);
  d.ColorLinks = ColorLinks;
  d.HelpTexts = InfoDialogHelpTexts;
}

void TPwkProgObj::InfoDialogSetLanguage(int32_t language) {
  FInfoDialogObj->ProgURLRef = GetURLRef("h");
  FInfoDialogObj->SetLanguage(language);
}

// --- Tray icon -----------------------------------------------------------------------

void TPwkProgObj::CreateTrayIcon() {
  if (TrayIconCreated) return;
  FTrayIcon = new QSystemTrayIcon(this);
  FTrayIcon->setIcon(QApplication::windowIcon());
  connect(FTrayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick) TrayIconOnDblClick();
  });
  FTrayPopupMenu = new QMenu;
  connect(FTrayIcon, &QObject::destroyed, FTrayPopupMenu, &QObject::deleteLater);
  FTrayMenuItemShow = FTrayPopupMenu->addAction(ToQString(TitleText()));
  connect(FTrayMenuItemShow, &QAction::triggered, this, [this] { TrayIconOnDblClick(); });
  FTrayPopupMenu->addSeparator();
  FTrayMenuItemClose = FTrayPopupMenu->addAction(ToQString(SprText(228)));
  connect(FTrayMenuItemClose, &QAction::triggered, this, [this] { CloseMainForm(); });
  FTrayIcon->setContextMenu(FTrayPopupMenu);
  FTrayIcon->setVisible(TrayIconAlwaysVisible || (FEnableParameterTray && ParamStrExists("-tray")));
  if (TrayMinimizeToTrayIcon && FOwnerForm) FTrayWatchesWindowState = true;
  TrayIconCreated = true;
}

void TPwkProgObj::ShowTrayIcon() {
  if (FTrayIcon) FTrayIcon->show();
}

void TPwkProgObj::TrayIconOnDblClick() {
  if (!FOwnerForm || !TrayIconCreated) return;
  FOwnerForm->setWindowState(FOwnerForm->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  FOwnerForm->show();
  FOwnerForm->activateWindow();
  if (!TrayIconAlwaysVisible && FTrayIcon) FTrayIcon->hide();
}

void TPwkProgObj::TrayIconOwnerFormWindowStateChange() {
  if (!FOwnerForm || !FTrayIcon || !FOwnerForm->isMinimized()) return;
  FTrayIcon->show();
  FOwnerForm->hide();
}
