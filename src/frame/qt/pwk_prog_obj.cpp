#include "frame/qt/pwk_prog_obj.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QThread>
#include <QUrl>
#include <QWindow>

#include "controls/application_language.h"
#include "controls/layout_direction.h"
#include "foundation/config_files.h"
#include "foundation/paths.h"
#include "foundation/program_args.h"
#include "foundation/qt/qt_strings.h"
#include "frame/core/start_language.h"
#include "frame/core/version_strings.h"
#include "frame/qt/managed_controls_qt.h"
#include "frame/qt/settings_user_dialogs_qt.h"
#include "frame/qt/splash_screen.h"
#include "text/caption_grammar.h"

namespace {

int32_t ProgramTextSlot(const TSettingsVariant& caption) {
  const int32_t n = GetIntFromVariant(caption);
  return n < 0 ? -1 : static_cast<int32_t>(SprFirstProgramSlot) + n;
}

std::string Slot(StrResGlobal slot) { return SprText(slot); }

// The caption of each menu entry by name; the URL kind, when given, goes in front of " - ".
struct TCaptionRow {
  const char* Name;
  int32_t Slot;
  int32_t Url;  // -1: no address
};
constexpr TCaptionRow kCaptionTable[] = {
    {"m_settings", 11, -1},
    {"m_settings_systemintegeration", 751, -1},
    {"m_settings_filefolderassociations", 753, -1},
    {"m_settings_fileassociations", 754, -1},
    {"m_settings_language", 795, -1},
    {"m_settings_reset", 812, -1},
    {"m_software", 791, -1},
    {"m_software21", 846, puIndividualSoftware},
    {"m_software22", 847, puIndividualAdaption},
    {"m_info0", 818, -1},
    {"m_info1", 819, -1},
    {"m_info4", 824, -1},
    {"m_info5", 825, -1},
    {"m_info9", 835, puWebsite},
    {"m_info10", 836, puHelp},
    {"m_info11", 837, puFunctions},
    {"m_info12", 841, puChangelog},
    {"m_info13", 838, puFAQ},
    {"m_info14", 840, puSupport},
    {"m_info15", 842, puPortalForum},
    {"m_info16", 843, puDonate},
    {"m_info17", 844, puIndividualAdaption},
};

void SetEntryCaption(QObject* entry, const QString& caption) {
  if (auto* menu = qobject_cast<QMenu*>(entry))
    menu->setTitle(caption);
  else if (auto* action = qobject_cast<QAction*>(entry))
    action->setText(caption);
}

QScreen* ScreenOf(QWidget* w) {
  if (w && w->screen()) return w->screen();
  return QGuiApplication::primaryScreen();
}

}  // namespace

TPwkProgObj::TPwkProgObj(QObject* owner) : QObject(owner) {
  FOwnerForm = qobject_cast<QWidget*>(owner);
  FProgCompilationDate = BuildDateFromCompilerDate(__DATE__);
  FSettingsObj = std::make_unique<TSettingsObj>();
  FQtDialogs = std::make_unique<TQtSettingsUserDialogs>(FOwnerForm);
  FSettingsObj->SetUserDialogs(FQtDialogs.get());
  TSettingsObj& so = *FSettingsObj;
  so.OnLanguageChange = [this](int32_t l) { SettingsObjLanguageChange(l); };
  so.OnCodePageChange = [this](int32_t c, bool b) { SettingsObjCodePageChange(c, b); };
  so.OnSaveSettingsChange = [this] { SettingsObjSaveTabChange(); };
  so.OnProfilesChange = [this] { SettingsObjProfilesChange(); };
  so.OnCustomControlChange = [this](int32_t id, const std::string& v, int32_t n) {
    SettingsObjCustomInputChange(id, v, n);
  };
  so.OnLoadSettings = [this](TConfigSaver& d) { SettingsObjLoadSettings(d); };
  so.OnSaveSettings = [this](TConfigSaver& d) { SettingsObjSaveSettings(d); };
  so.OnResetSettings = [this](void* s) { SettingsObjResetSettings(s); };
  so.OnButtonClick = [this](int32_t id) { SettingsObjButtonClick(id); };
  FBatchKeyValues = CreateBatchKeyValues();
  FInfoDialogObj = std::make_unique<TInfoDialogObj>();
  FInfoDialogObj->OnFetchHeaderImage = [this](int32_t l, QPixmap& p) { InfoDialogFetchHeaderImage(l, p); };
  FSettingsWindowHost = std::make_unique<TSettingsWindowHost>(so, FOwnerForm);
  if (!HasBrowseToURLProc())
    SetBrowseToURLProc([](const std::string& url) { return QDesktopServices::openUrl(QUrl(ToQString(url))); });
  // The texts are English from the moment the frame exists.
  SetSprResGlobal(static_cast<uint32_t>(FLanguage));
}

TPwkProgObj::~TPwkProgObj() {
  if (FOwnerForm) FOwnerForm->removeEventFilter(this);
}

void TPwkProgObj::SetUserDialogs(TSettingsUserDialogs* dialogs) {
  FSettingsObj->SetUserDialogs(dialogs ? dialogs : FQtDialogs.get());
}

// --- Forwarded properties ---------------------------------------------------------

void TPwkProgObj::SetProgName(const std::string& value) {
  if (value == FProgName) return;
  FProgName = value;
  FSettingsObj->ProgName = value;
}

void TPwkProgObj::SetProgFileExtSettings(const std::string& value) {
  if (value == FProgFileExtSettings) return;
  FProgFileExtSettings = value;
  FSettingsObj->SetProgFileExtSettings(value);
}

void TPwkProgObj::SetLanguages(const TLanguageSet& value) {
  if (value == FLanguages) return;
  FLanguages = value;
  FSettingsObj->Languages = value;
}

void TPwkProgObj::SetEnableParameterTray(bool value) {
  if (value == FEnableParameterTray) return;
  FEnableParameterTray = value;
  FSettingsObj->EnableParameterTray = value;
}

void TPwkProgObj::SetSettingsTabCodePage(bool value) {
  if (value == FSettingsTabCodePage) return;
  FSettingsTabCodePage = value;
  FSettingsObj->TabCodePage = value;
}

void TPwkProgObj::SetSettingsTabLanguage(bool value) {
  if (value == FSettingsTabLanguage) return;
  FSettingsTabLanguage = value;
  FSettingsObj->TabLanguage = value;
}

void TPwkProgObj::SetSettingsTabSaveSettings(bool value) {
  if (value == FSettingsTabSaveSettings) return;
  FSettingsTabSaveSettings = value;
  FSettingsObj->TabSaveSettings = value;
}

void TPwkProgObj::SetSettingsSaveToAppDir(bool value) {
  if (value == FSettingsSaveToAppDir) return;
  FSettingsSaveToAppDir = value;
  FSettingsObj->SetSaveToAppDir(value);
}

void TPwkProgObj::SetSettingsAutoSaveOnExit(bool value) {
  if (value == FSettingsAutoSaveOnExit) return;
  FSettingsAutoSaveOnExit = value;
  FSettingsObj->SetAutoSaveOnExit(value);
}

void TPwkProgObj::SetSettingsSaveWindowSize(bool value) {
  if (value == FSettingsSaveWindowSize) return;
  FSettingsSaveWindowSize = value;
  FSettingsObj->SetSaveWindowSize(value);
}

void TPwkProgObj::SetSettingsSaveNoDefaultValues(bool value) {
  if (value == FSettingsSaveNoDefaultValues) return;
  FSettingsSaveNoDefaultValues = value;
  FSettingsObj->SaveNoDefaultValues = value;
}

void TPwkProgObj::SetSettingsLoadDefaultValueIfNoKey(bool value) {
  if (value == FSettingsLoadDefaultValueIfNoKey) return;
  FSettingsLoadDefaultValueIfNoKey = value;
  FSettingsObj->LoadDefaultValueIfNoKey = value;
}

void TPwkProgObj::SetFileExtensions(const TStrArray& value) {
  FFileExtensions = value;
  FSettingsObj->SetFileExtensions(value);
}

void TPwkProgObj::SetFileExtensionSettings(bool value) {
  if (value == FFileExtensionSettings) return;
  FFileExtensionSettings = value;
  FSettingsObj->FileExtensionSettings = value;
}

// --- Start-up -------------------------------------------------------------------

bool TPwkProgObj::Initialize() {
  TSettingsObj& so = *FSettingsObj;
  // 1. Batch mode.
  BatchMode = EnableBatchProcessor && (ParamStrExists("-cl") || ParamStrExists("-batch"));
  so.BatchMode = BatchMode;
  so.BatchLoadStartSettingsInBatchMode = BatchLoadStartSettingsInBatchMode;
  // 2. The frame hears the main window's close requests and show events first.
  if (FOwnerForm) FOwnerForm->installEventFilter(this);
  // 3. This platform has no system-integration dialogs.
  SettingsTabFileAssociations = false;
  SettingsTabAutoStart = false;
  SettingsTabContextMenu = false;
  SettingsTabProgramShortCut = false;
  // 4. Single instance.
  if (!AllowMultipleInstances) {
    if (ParamStrExists("-wait750")) QThread::msleep(750);
    FInstanceManager =
        std::make_unique<TInstanceManager>(ProgID, FOwnerForm ? static_cast<intptr_t>(FOwnerForm->winId()) : 0);
    FInstanceManager->SendParamsToFistInstanceAutomatically = true;
    FInstanceManager->SetFirstInstanceToForeground = false;
    FInstanceManager->EnableNewInstanceNotifyProc = true;
    FInstanceManager->DisableNewInstanceNotifyProcForBatchVersion = true;
    if (FInstanceManager->Execute()) {
      InstanceWillBeClosed = true;
      ApplicationShowMainForm = false;
      return false;
    }
    FInstanceManager->OnNewInstanceNotification = [this] { InstanceManagerNewInstanceNotification(); };
    FInstanceManager->OnNewInstanceParams = [this](const TStrArray& params, bool batch) {
      if (OnNewInstance) OnNewInstance(params, batch && EnableBatchProcessor);
    };
  }
  // 5, 6.
  SetStartLanguage();
  SetApplicationTitle();
  // 7.
  if (ShowWarningIfAppIsNotExtracted && IsExeInZip())
    so.UserDialogs().MessageBox(TSOMessageKind::Warning, Slot(3), Slot(857));
  // 8 to 10.
  if ((EnableParameterHide && ParamStrExists("-hide")) || (FEnableParameterTray && ParamStrExists("-tray")) ||
      BatchMode) {
    ApplicationShowMainForm = false;
    SplashScreenAutoShow = false;
  }
  if (BatchMode && FFileListView) FFileListView->StartBatchMode();
  // 11. The settings object.
  so.SetLanguage(FLanguage);
  so.Languages = FLanguages;
  so.TabCodePage = FSettingsTabCodePage;
  so.TabLanguage = FSettingsTabLanguage;
  so.TabSaveSettings = FSettingsTabSaveSettings;
  so.TabAutoStart = SettingsTabAutoStart;
  so.TabContextMenu = SettingsTabContextMenu;
  so.TabFileAssociations = SettingsTabFileAssociations;
  so.TabProgramShortCut = SettingsTabProgramShortCut;
  so.ProgName = FProgName;
  so.ProgNameDE = ProgNameDE;
  so.ProgID = ProgID;
  so.ProgURLRef = GetURLRef("e");
  so.ProgVersionAsYYMMDD = GetProgVersionAsYYMMDD();
  so.SetProgFileExtSettings(FProgFileExtSettings);
  so.ProgWebsiteDE = ProgWebsiteDE;
  so.ProgWebsiteEN = ProgWebsiteEN;
  so.ProgWebsiteES = ProgWebsiteES;
  so.ProgWebsiteFR = ProgWebsiteFR;
  so.CodePage = FCodePage;
  so.CodePageWriteBOM = FCodePageWriteBOM;
  so.EnableParameterTray = FEnableParameterTray;
  so.EnableBatchProcessor = EnableBatchProcessor;
  so.FileExtensionSettings = FFileExtensionSettings;
  so.SetFileExtensions(FFileExtensions);
  so.ColorLinks = ColorLinks;
  so.SaveNoDefaultValues = FSettingsSaveNoDefaultValues;
  so.LoadDefaultValueIfNoKey = FSettingsLoadDefaultValueIfNoKey;
  so.SetSaveToAppDir(FSettingsSaveToAppDir);
  so.SetSaveWindowSize(FSettingsSaveWindowSize);
  // 12.
  so.LoadStartOrParameterSettings();
  so.Initialize();
  // 13.
  if (SplashScreenAutoShow) ShowSplashScreen();
  // 14.
  InfoDialogSetUp();
  // 15.
  const TStrArray& args = ProgramArguments();
  if (!args.empty()) HandleParams(args, BatchMode);
  // 16.
  if (BatchMode) return false;
  // 17 to 20.
  CreateMenusOnOwnerForm();
  ResetAndCreateProfileMenusOnOwnerForm();
  if (TrayMinimizeToTrayIcon || TrayCloseToTrayIcon || FEnableParameterTray || TrayIconAlwaysVisible) CreateTrayIcon();
  if (EnableAutoMaximizeIfProgIsTooBigForScreen) MaximizeIfOwnerFormIsTooBigForScreen();
  SetLanguage(FLanguage);
  // 21.
  FInitialized = true;
  so.ProgObjInitialized = true;
  return true;
}

void TPwkProgObj::SetStartLanguage() {
  std::string preferred, fallback;
  const std::string langCfg = LoadLangCfgValue(FSettingsObj->ApplicationFolder(), GetConfigPwqConfigDir(FProgName));
  if (langCfg.empty()) {
    const QStringList ui = QLocale::system().uiLanguages();
    if (!ui.isEmpty() && ui.first() != "C" && ui.first() != "POSIX") {
      preferred = FromQString(ui.first());
      if (ui.size() > 1) fallback = FromQString(ui.at(1));
    } else {
      auto env = [](const char* name) {
        const char* v = std::getenv(name);
        return std::string(v ? v : "");
      };
      SystemLanguagesFromEnvironment(env("LANGUAGE"), env("LC_ALL"), env("LC_MESSAGES"), env("LANG"), preferred,
                                     fallback);
    }
  }
  SetLanguage(ChooseStartLanguage(langCfg, preferred, fallback, FLanguages));
}

std::string TPwkProgObj::TitleText() const {
  return FLanguage == SprLangGerman && !ProgNameDE.empty() ? ProgNameDE : FProgName;
}

void TPwkProgObj::SetApplicationTitle() {
  const QString title = ToQString(TitleText());
  QGuiApplication::setApplicationDisplayName(title);
  if (FOwnerForm) FOwnerForm->setWindowTitle(title);
}

void TPwkProgObj::SetLanguage(int32_t language) {
  TSettingsObj& so = *FSettingsObj;
  FLanguage = language;
  // Every window, dialog and menu of the program follows the language from here on, Qt's own included.
  SetApplicationLanguage(language);
  so.SetURLAppendixOfManagedControls(GetURLRef("w"), "pellwick");
  so.SetLanguage(language);
  so.SetLanguageOfManagedControls(static_cast<uint32_t>(language));
  so.ProgURLRef = GetURLRef("e");
  InfoDialogSetLanguage(language);
  if (!ProgNameDE.empty()) SetApplicationTitle();
  if (!FOwnerForm) return;

  const bool rightToLeft = SprGetBiDiModeOfLanguage(language) == bdRightToLeft;
  FOwnerForm->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  // Laid-out children follow the direction; absolutely placed ones are mirrored once.
  SprFlipChildren(FOwnerForm, static_cast<uint32_t>(language));

  const QString codePageCaption = ToQString(SprQualifiedCaption(Slot(232), Slot(578), static_cast<uint32_t>(language)));
  const QString saveCaption = ToQString(Slot(803) + "...");
  std::string info = Slot(792);
  if (size_t amp = info.find('&'); amp != std::string::npos) info.insert(amp, "&");
  for (QObject* entry : FOwnerForm->findChildren<QObject*>()) {
    const std::string name = FromQString(entry->objectName());
    if (name.empty() || !(qobject_cast<QAction*>(entry) || qobject_cast<QMenu*>(entry))) continue;
    if (name == "m_settings_codepage") {
      SetEntryCaption(entry, codePageCaption);
    } else if (name == "m_settings_save") {
      SetEntryCaption(entry, saveCaption);
    } else if (name == "m_info") {
      SetEntryCaption(entry, ToQString(info));
    } else if (name == "MacPreferences") {
      SetEntryCaption(entry, language == SprLangEnglish ? QString("Preferences") : ToQString(Slot(11)));
    } else {
      for (const TCaptionRow& row : kCaptionTable) {
        if (name != row.Name) continue;
        std::string caption = Slot(static_cast<StrResGlobal>(row.Slot));
        if (row.Url >= 0) caption = GetURLForCurrentLanguage(static_cast<TProgObjURL>(row.Url)) + " - " + caption;
        SetEntryCaption(entry, ToQString(caption));
      }
    }
  }
  for (int32_t n = 0; n < so.GetCustomTabCount(); ++n)
    if (QObject* entry = FOwnerForm->findChild<QObject*>(QString("m_settings_tab%1").arg(n)))
      SetEntryCaption(entry, ToQString(so.GetCustomMenuHeader(n)));

  const QString donate = ToQString(GetURLForCurrentLanguage(puDonate) + " - " + Slot(794));
  for (const QPointer<QWidget>& control : FDonateControls) {
    if (auto* label = qobject_cast<QLabel*>(control.data()))
      label->setText(donate);
    else if (auto* button = qobject_cast<QAbstractButton*>(control.data()))
      button->setText(donate);
  }
}

std::string TPwkProgObj::GetStrForCurrentLanguage(const std::string& en, const std::string& de, const std::string& es,
                                                  const std::string& fr) const {
  switch (FLanguage) {
    case SprLangGerman: return de;
    case SprLangSpanish: return es;
    case SprLangFrench: return fr;
    default: return en;
  }
}

std::string TPwkProgObj::GetProgCompilationYear() const { return ::GetProgCompilationYear(FProgCompilationDate); }
std::string TPwkProgObj::GetProgVersion() const { return ::GetProgVersion(FProgCompilationDate); }
std::string TPwkProgObj::GetProgVersionAsYYMMDD() const { return ::GetProgVersionAsYYMMDD(FProgCompilationDate); }

void TPwkProgObj::ShowSplashScreen() {
  int32_t centerTop = 0, centerLeft = 0;
  if (FWindowSizeLoaded && FOwnerForm) {
    centerTop = FOwnerForm->y() + FOwnerForm->height() / 2;
    centerLeft = FOwnerForm->x() + FOwnerForm->width() / 2;
  }
  if (FLanguage == SprLangGerman && !ImgSplashScreenDE.isNull())
    ShowSplashScreenPicture(ImgSplashScreenDE, SplashScreenDuration, centerTop, centerLeft);
  else if (!ImgSplashScreenEN.isNull())
    ShowSplashScreenPicture(ImgSplashScreenEN, SplashScreenDuration, centerTop, centerLeft);
}

void TPwkProgObj::HandleParams(const TStrArray& arguments, bool batch) {
  THandleParamsContext context;
  context.SettingsExtension = FProgFileExtSettings;
  context.BatchKeyValues = FBatchKeyValues;
  context.LoadSettings = [this](const std::string& f) { return FSettingsObj->LoadSettings(f, false); };
  context.FileListView = FFileListView;
  context.SaveSettingsContainer = FSaveSettingsContainer;
  context.OnOpenFiles = OnOpenFiles;
  context.OnBatchProcess = OnBatchProcess;
  ::HandleParams(arguments, batch, context);
}

void TPwkProgObj::ShowSettings(int32_t tabID) { FSettingsObj->ShowSettings(tabID); }

void TPwkProgObj::CloseMainForm() {
  FCloseFromTray = true;
  if (FOwnerForm) FOwnerForm->close();
}

void TPwkProgObj::ResetSettings() { FSettingsObj->ResetSettings(); }

void TPwkProgObj::AddDonateControl(QWidget* control) {
  if (!control) return;
  control->setCursor(Qt::PointingHandCursor);
  control->installEventFilter(this);
  FDonateControls.emplace_back(control);
}

void TPwkProgObj::MaximizeIfOwnerFormIsTooBigForScreen() {
  if (!FOwnerForm) return;
  QScreen* screen = ScreenOf(FOwnerForm);
  if (!screen) return;
  const QRect area = screen->geometry();
  if (FOwnerForm->height() + 50 >= area.height() || FOwnerForm->width() + 25 >= area.width())
    FOwnerForm->setWindowState(FOwnerForm->windowState() | Qt::WindowMaximized);
}

// --- Window size -------------------------------------------------------------------

void TPwkProgObj::SaveWindowSizeSettings(TConfigSaver& settings) {
  if (!FOwnerForm) return;
  const bool maximized = FOwnerForm->isMaximized();
  const bool normal = !(FOwnerForm->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
  if (!FSettingsSaveNoDefaultValues || !normal) settings.Add("windowsize", "maximized", maximized);
  settings.Add("windowsize", "top", static_cast<int32_t>(FOwnerForm->y()));
  settings.Add("windowsize", "left", static_cast<int32_t>(FOwnerForm->x()));
  // A window of fixed size keeps the size it was built with.
  const bool fixedSize = FOwnerForm->minimumSize() == FOwnerForm->maximumSize();
  if (!fixedSize) {
    settings.Add("windowsize", "width", static_cast<int32_t>(FOwnerForm->width()));
    settings.Add("windowsize", "height", static_cast<int32_t>(FOwnerForm->height()));
  }
  FSettingsObj->SaveWindowSizeSettingsOfManagedControls(settings);
  if (OnWindowSizeSave) OnWindowSizeSave("windowsize", settings);
}

void TPwkProgObj::LoadWindowSizeSettings(TConfigSaver& settings) {
  if (!FOwnerForm || !FSettingsSaveWindowSize) return;
  if (settings.ReadBoolean("windowsize", "maximized", false)) {
    FOwnerForm->setWindowState(FOwnerForm->windowState() | Qt::WindowMaximized);
  } else {
    QScreen* screen = ScreenOf(FOwnerForm);
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 0, 0);
    const bool severalMonitors = QGuiApplication::screens().size() > 1;
    int32_t value = 0;
    QPoint position = FOwnerForm->pos();
    if (settings.ReadIntIfKeyExists("windowsize", "top", value)) {
      if (severalMonitors || static_cast<int64_t>(value) + 50 < area.height()) position.setY(value);
      FWindowSizeLoaded = true;
    }
    if (settings.ReadIntIfKeyExists("windowsize", "left", value)) {
      if (severalMonitors || static_cast<int64_t>(value) + 50 < area.width()) position.setX(value);
      FWindowSizeLoaded = true;
    }
    FOwnerForm->move(position);
    QSize size = FOwnerForm->size();
    if (settings.ReadIntIfKeyExists("windowsize", "width", value)) {
      if (value > 0) size.setWidth(ScaleToScreen(value));
      FWindowSizeLoaded = true;
    }
    if (settings.ReadIntIfKeyExists("windowsize", "height", value)) {
      if (value > 0) size.setHeight(ScaleToScreen(value));
      FWindowSizeLoaded = true;
    }
    FOwnerForm->resize(size);
  }
  FSettingsObj->LoadWindowSizeSettingsOfManagedControls(settings);
  if (OnWindowSizeLoad) OnWindowSizeLoad("windowsize", settings);
}

void TPwkProgObj::InfoDialogFetchHeaderImage(int32_t language, QPixmap& headerImage) const {
  if (language == SprLangGerman && !ImgHeaderDE.isNull())
    headerImage = ImgHeaderDE;
  else if (!ImgHeaderEN.isNull())
    headerImage = ImgHeaderEN;
}

// --- Hooks on the main window --------------------------------------------------------

bool TPwkProgObj::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FOwnerForm && event->type() == QEvent::Close) {
    bool canClose = true;
    MainFormCloseQueryProc(canClose);
    if (!canClose) {
      event->ignore();
      return true;
    }
  } else if (watched == FOwnerForm && event->type() == QEvent::Show) {
    MainFormShowProc();
  } else if (watched == FOwnerForm && event->type() == QEvent::WindowStateChange && FTrayWatchesWindowState) {
    TrayIconOwnerFormWindowStateChange();
  } else if (event->type() == QEvent::MouseButtonRelease) {
    for (const QPointer<QWidget>& control : FDonateControls)
      if (control == watched) DonateControlClick();
  }
  return QObject::eventFilter(watched, event);
}

void TPwkProgObj::MainFormCloseQueryProc(bool& canClose) {
  FSettingsObj->ProgCloseQueryProc();
  if (TrayCloseToTrayIcon && TrayIconCreated && FOwnerForm) {
    if (FCloseFromTray) {
      canClose = true;
    } else {
      canClose = false;
      FOwnerForm->hide();
      ShowTrayIcon();
    }
  }
}

void TPwkProgObj::MainFormShowProc() { FSettingsObj->ProgShowProc(); }

void TPwkProgObj::InstanceManagerNewInstanceNotification() {
  if (!FOwnerForm || BatchMode) return;
  if (!FOwnerForm->isVisible()) {
    FOwnerForm->setWindowState(FOwnerForm->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    FOwnerForm->show();
    FOwnerForm->activateWindow();
  } else {
    if (FInstanceManager) FInstanceManager->BringWindowToForeground(static_cast<intptr_t>(FOwnerForm->winId()));
    FOwnerForm->activateWindow();
  }
}

// --- Relays ----------------------------------------------------------------------------

void TPwkProgObj::SettingsObjLanguageChange(int32_t language) {
  FLanguage = language;
  SetLanguage(language);
  if (OnLanguageChange) OnLanguageChange(language);
}

void TPwkProgObj::SettingsObjCodePageChange(int32_t codePage, bool writeBOM) {
  FCodePage = codePage;
  FCodePageWriteBOM = writeBOM;
  if (OnCodePageChange) OnCodePageChange(codePage, writeBOM);
}

void TPwkProgObj::SettingsObjSaveTabChange() {
  FSettingsSaveToAppDir = FSettingsObj->SaveToAppDir();
  FSettingsSaveWindowSize = FSettingsObj->SaveWindowSize();
  FSettingsAutoSaveOnExit = FSettingsObj->AutoSaveOnExit();
}

void TPwkProgObj::SettingsObjProfilesChange() { ResetAndCreateProfileMenusOnOwnerForm(); }

void TPwkProgObj::SettingsObjCustomInputChange(int32_t controlID, const std::string& newValue, int32_t newValueInt) {
  if (OnSettingsCustomInputChange) OnSettingsCustomInputChange(controlID, newValue, newValueInt);
}

void TPwkProgObj::SettingsObjButtonClick(int32_t controlID) {
  if (OnSettingsButtonClick) OnSettingsButtonClick(controlID);
}

void TPwkProgObj::SettingsObjLoadSettings(TConfigSaver& settings) {
  if (FSettingsSaveWindowSize) LoadWindowSizeSettings(settings);
  if (OnSettingsLoad) OnSettingsLoad(settings);
}

void TPwkProgObj::SettingsObjSaveSettings(TConfigSaver& settings) {
  if (FSettingsSaveWindowSize) SaveWindowSizeSettings(settings);
  if (OnSettingsSave) OnSettingsSave(settings);
}

void TPwkProgObj::SettingsObjResetSettings(void* sender) {
  if (OnSettingsReset) OnSettingsReset(sender);
}

// --- Declarations ----------------------------------------------------------------------

int32_t TPwkProgObj::SettingsAddTab(StrResGlobal caption, const std::string& section) {
  return FSettingsObj->AddTab(caption, section);
}

int32_t TPwkProgObj::SettingsAddTab(const TSettingsVariant& caption, const std::string& section) {
  const int32_t slot = ProgramTextSlot(caption);
  return slot < 0 ? -1 : FSettingsObj->AddTab(slot, section);
}

int32_t TPwkProgObj::SettingsAddTextToTab(int32_t tab, StrResGlobal text, bool heading, bool beside, int32_t left,
                                          int32_t width, int32_t id) {
  return FSettingsObj->AddTextToTab(tab, text, heading, beside, left, width, id);
}

int32_t TPwkProgObj::SettingsAddTextToTab(int32_t tab, const TSettingsVariant& text, bool heading, bool beside,
                                          int32_t left, int32_t width, int32_t id) {
  const int32_t slot = ProgramTextSlot(text);
  return slot < 0 ? -1 : FSettingsObj->AddTextToTab(tab, slot, heading, beside, left, width, id);
}

int32_t TPwkProgObj::SettingsAddInputCheckToTab(int32_t tab, StrResGlobal caption, bool asRadioButton,
                                                const std::string& key, bool def, int32_t id, bool beside,
                                                int32_t left) {
  return FSettingsObj->AddInputCheckToTab(tab, caption, asRadioButton, key, def, id, beside, left);
}

int32_t TPwkProgObj::SettingsAddInputCheckToTab(int32_t tab, const TSettingsVariant& caption, bool asRadioButton,
                                                const std::string& key, bool def, int32_t id, bool beside,
                                                int32_t left) {
  const int32_t slot = ProgramTextSlot(caption);
  return slot < 0 ? -1 : FSettingsObj->AddInputCheckToTab(tab, slot, asRadioButton, key, def, id, beside, left);
}

int32_t TPwkProgObj::SettingsAddInputCheckBoxToTab(int32_t tab, StrResGlobal caption, const std::string& key, bool def,
                                                   int32_t id, bool beside, int32_t left) {
  return FSettingsObj->AddInputCheckToTab(tab, caption, false, key, def, id, beside, left);
}

int32_t TPwkProgObj::SettingsAddInputRadioButtonGroupToTab(int32_t tab, const std::string& key, int32_t defaultItem,
                                                           int32_t id) {
  return FSettingsObj->AddInputRadioButtonGroupToTab(tab, key, defaultItem, id);
}

int32_t TPwkProgObj::SettingsAddInputRadioButtonGroupItemToTab(int32_t tab, int32_t groupID, int32_t itemNumber,
                                                               const std::string& itemStrID, StrResGlobal caption,
                                                               bool beside, int32_t left, int32_t width) {
  return FSettingsObj->AddInputRadioButtonGroupItemToTab(tab, groupID, itemNumber, itemStrID, caption, beside, left,
                                                         width, -1);
}

int32_t TPwkProgObj::SettingsAddInputRadioButtonGroupItemToTab(int32_t tab, int32_t groupID, int32_t itemNumber,
                                                               const std::string& itemStrID,
                                                               const TSettingsVariant& caption, bool beside,
                                                               int32_t left, int32_t width) {
  const int32_t slot = ProgramTextSlot(caption);
  return slot < 0 ? -1
                  : FSettingsObj->AddInputRadioButtonGroupItemToTab(tab, groupID, itemNumber, itemStrID, slot, beside,
                                                                    left, width, -1);
}

int32_t TPwkProgObj::SettingsAddInputEditToTab(int32_t tab, StrResGlobal caption, bool captionBeside,
                                               const std::string& key, const std::string& def, int32_t id, bool beside,
                                               int32_t left, int32_t width) {
  return FSettingsObj->AddInputEditToTab(tab, caption, captionBeside, key, def, id, beside, left, width);
}

int32_t TPwkProgObj::SettingsAddInputEditToTab(int32_t tab, const TSettingsVariant& caption, bool captionBeside,
                                               const std::string& key, const std::string& def, int32_t id, bool beside,
                                               int32_t left, int32_t width) {
  const int32_t slot = ProgramTextSlot(caption);
  return slot < 0 ? -1 : FSettingsObj->AddInputEditToTab(tab, slot, captionBeside, key, def, id, beside, left, width);
}

int32_t TPwkProgObj::SettingsAddInputEditToTab(int32_t tab, const std::string& key, const std::string& def, int32_t id,
                                               bool beside, int32_t left, int32_t width) {
  return FSettingsObj->AddInputEditToTab(tab, key, def, id, beside, left, width);
}

int32_t TPwkProgObj::SettingsAddInputFontNameEditToTab(int32_t tab, StrResGlobal caption, bool captionBeside,
                                                       const std::string& key, const std::string& def, int32_t id,
                                                       bool beside, int32_t left, int32_t width) {
  return FSettingsObj->AddInputFontNameEditToTab(tab, caption, captionBeside, key, def, id, beside, left, width);
}

int32_t TPwkProgObj::SettingsAddInputCodePageComboBoxToTab(int32_t tab, StrResGlobal caption, bool captionBeside,
                                                           const std::string& key, int32_t defaultCodePage, int32_t id,
                                                           bool beside, int32_t left, int32_t width) {
  return FSettingsObj->AddInputCodePageComboBoxToTab(tab, caption, captionBeside, key, defaultCodePage, id, beside,
                                                     left, width);
}

int32_t TPwkProgObj::SettingsAddInputMemoAsButtonWithDialogToTab(int32_t tab, const TSettingsVariant& caption,
                                                                 const std::string& key, const std::string& def,
                                                                 int32_t id, bool beside, int32_t left) {
  const int32_t slot = ProgramTextSlot(caption);
  return slot < 0 ? -1 : FSettingsObj->AddInputMemoAsButtonWithDialogToTab(tab, slot, key, def, id, beside, left);
}

int32_t TPwkProgObj::SettingsAddActionButtonSetToDefault(int32_t tab, const TSettingsVariant& caption, int32_t targetID,
                                                         bool beside, int32_t left, int32_t id) {
  const int32_t slot = ProgramTextSlot(caption);
  return slot < 0 ? -1 : FSettingsObj->AddActionButtonSetToDefault(tab, slot, targetID, beside, left, id);
}

int32_t TPwkProgObj::SettingsAddActionCheckBoxToggleCharsInInput(int32_t tab, StrResGlobal caption, int32_t targetID,
                                                                 const std::string& chars, bool beside, int32_t left,
                                                                 int32_t id) {
  return FSettingsObj->AddActionCheckBoxToggleCharsInInput(tab, caption, targetID, chars, beside, left, id);
}

int32_t TPwkProgObj::SettingsAddActionCheckBoxToggleCharsInInput(int32_t tab, const TSettingsVariant& caption,
                                                                 int32_t targetID, const std::string& chars,
                                                                 bool beside, int32_t left, int32_t id) {
  const int32_t slot = ProgramTextSlot(caption);
  return slot < 0 ? -1
                  : FSettingsObj->AddActionCheckBoxToggleCharsInInput(tab, slot, targetID, chars, beside, left, id);
}

bool TPwkProgObj::SettingsAddDescriptionToCustomControl(int32_t id, const TSettingsVariant& text) {
  const int32_t slot = ProgramTextSlot(text);
  return slot >= 0 && FSettingsObj->AddDescriptionToCustomControl(id, slot);
}

void TPwkProgObj::InfoDialogSetHelpTexts(const TSettingsVariant& v1, const TSettingsVariant& v2,
                                         const TSettingsVariant& v3, const TSettingsVariant& v4,
                                         const TSettingsVariant& v5) {
  InfoDialogHelpTexts.clear();
  for (const TSettingsVariant* v : {&v1, &v2, &v3, &v4, &v5})
    if (const int32_t slot = ProgramTextSlot(*v); slot >= 0) InfoDialogHelpTexts.push_back(slot);
  // The program hands its help texts over after the start-up set the dialog up.
  FInfoDialogObj->HelpTexts = InfoDialogHelpTexts;
}

int32_t TPwkProgObj::SettingsAddManagedControl(QComboBox* comboBox, const std::string& section, const std::string& key,
                                               const std::string& def) {
  FManagedControlAdapters.push_back(std::make_unique<TManagedComboBox>(comboBox));
  return FSettingsObj->AddManagedControl(FManagedControlAdapters.back().get(), section, key, def);
}

int32_t TPwkProgObj::SettingsAddManagedControl(std::unique_ptr<TSOManagedControl> adapter, TSOManagedControlType kind,
                                               const std::string& section) {
  FManagedControlAdapters.push_back(std::move(adapter));
  return FSettingsObj->AddManagedControlGeneral(FManagedControlAdapters.back().get(), kind, section, "", 0, "");
}
