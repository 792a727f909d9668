#include "wordgen_gui_test_app.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "controls/application_language.h"
#include "foundation/config_files.h"
#include "qt_test_support.h"
#include "text/program_texts.h"
#include "text/text_store.h"

QApplication& WordGenTestApp() {
  static QApplication* app = [] {
    QApplication* created = &EnsureTestApplication("wordgen_gui_tests");
    InitSprResLocal();
    SetSprResGlobal(0);
    return created;
  }();
  return *app;
}

void SaveScreenshot(QWidget* widget, const std::string& name) { SaveWidgetScreenshot(widget, "wordgen_", name); }

// The window with one of its menus open: offscreen, a popup is a window of its
// own, so it is drawn onto the window's picture where it stands.
void SaveScreenshotWithMenu(QWidget* window, QMenu* menu, const std::string& name) {
  QPixmap picture = window->grab();
  QPainter painter(&picture);
  const QPoint at = window->mapFromGlobal(menu->pos());
  painter.drawPixmap(at, menu->grab());
  painter.end();
  QWidget holder;
  holder.resize(picture.size());
  QLabel* label = new QLabel(&holder);
  label->setPixmap(picture);
  label->resize(picture.size());
  SaveScreenshot(&holder, name);
}

void TWordGenFixture::SetUp() {
  WordGenTestApp();
  const char* old = std::getenv("XDG_CONFIG_HOME");
  FHadConfigHome = old != nullptr;
  FOldConfigHome = old ? old : "";
  setenv("XDG_CONFIG_HOME", ConfigHome.str().c_str(), 1);
}

TProgOptions TWordGenFixture::Options() {
  TProgOptions options;
  options.Dialogs = &Dialogs;
  options.PrepareFrame = [this](TPwkProgObj& frame) {
    frame.SettingsObj().SetApplicationFolder(AppDir.str() + "/");
    frame.SplashScreenAutoShow = false;
  };
  return options;
}

void TWordGenFixture::Show(Tprog& w) {
  w.resize(515, 610);
  w.show();
  w.activateWindow();
  QApplication::processEvents();
}

std::string TWordGenFixture::ConfigDir() const { return GetConfigPwqConfigDir("Syllabrix"); }

void TWordGenFixture::TearDown() {
  if (FHadConfigHome)
    setenv("XDG_CONFIG_HOME", FOldConfigHome.c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
  SetSprResGlobal(0);
  SetApplicationLanguage(0);
}

// fontconfig keeps a few blocks of its cache to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
