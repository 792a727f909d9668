#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <filesystem>

#include "frame/qt/html_panel.h"
#include "frame/qt/info_dialog.h"
#include "frame/qt/stretch_image.h"
#include "frame/qt/widget_tags.h"
#include "frame_qt_test_app.h"
#include "text/translations.h"

namespace {

namespace fs = std::filesystem;

// --- Stretch image ----------------------------------------------------------------------

QImage Paint(const QImage& picture, int w, int h, TStretchImageOptions o) {
  QImage target(w, h, QImage::Format_ARGB32);
  target.fill(Qt::white);
  QPainter painter(&target);
  PaintStretchImage(painter, w, h, picture, o);
  painter.end();
  return target;
}

// Left column red, right column blue, top row green, the rest grey.
QImage Picture(int w, int h) {
  QImage p(w, h, QImage::Format_ARGB32);
  p.fill(Qt::gray);
  for (int y = 0; y < h; ++y) {
    p.setPixelColor(0, y, Qt::red);
    p.setPixelColor(w - 1, y, Qt::blue);
  }
  for (int x = 1; x < w - 1; ++x) p.setPixelColor(x, 0, Qt::green);
  return p;
}

TEST(StretchImage, EdgePixelsContinueOutwards) {
  TStretchImageOptions o;
  o.OrientationHorizontal = ohCenter;
  const QImage img = Paint(Picture(100, 10), 300, 10, o);
  for (int x : {0, 50, 99}) EXPECT_EQ(img.pixelColor(x, 5), QColor(Qt::red)) << x;
  for (int x : {200, 250, 299}) EXPECT_EQ(img.pixelColor(x, 5), QColor(Qt::blue)) << x;
  EXPECT_EQ(img.pixelColor(100, 5), QColor(Qt::red));
  EXPECT_EQ(img.pixelColor(150, 5), QColor(Qt::gray));
  EXPECT_EQ(img.pixelColor(150, 0), QColor(Qt::green));
  // The bottom strip and its corners, the picture at the top.
  TStretchImageOptions top;
  const QImage tall = Paint(Picture(10, 10), 20, 30, top);
  EXPECT_EQ(tall.pixelColor(5, 25), QColor(Qt::gray));   // the last row continues down
  EXPECT_EQ(tall.pixelColor(15, 25), QColor(Qt::blue));  // bottom-right corner
  EXPECT_EQ(tall.pixelColor(15, 0), QColor(Qt::blue));   // right strip of the top row
  // At the bottom: the top strip repeats the first row, the corners above use the top corner pixels.
  TStretchImageOptions bottom;
  bottom.OrientationVertical = ovBottom;
  bottom.OrientationHorizontal = ohCenter;
  const QImage low = Paint(Picture(10, 10), 30, 40, bottom);
  EXPECT_EQ(low.pixelColor(15, 5), QColor(Qt::green));
  EXPECT_EQ(low.pixelColor(2, 5), QColor(Qt::red));
  EXPECT_EQ(low.pixelColor(28, 5), QColor(Qt::blue));
}

TEST(StretchImage, SameSizeEmptyPictureAndBorders) {
  TStretchImageOptions o;
  o.DrawBorderBottom = true;
  o.BorderColor = Qt::black;
  const QImage same = Paint(Picture(10, 10), 10, 10, o);
  EXPECT_EQ(same.pixelColor(5, 5), QColor(Qt::gray));
  EXPECT_EQ(same.pixelColor(5, 9), QColor(Qt::black));
  const QImage empty = Paint(QImage(), 10, 10, o);
  EXPECT_EQ(empty.pixelColor(5, 9), QColor(Qt::white));  // not even the border
  TStretchImage control;
  EXPECT_EQ(control.size(), QSize(100, 100));
  EXPECT_EQ(control.OriginalImageWidth(), 0);
  control.SetPicture(Picture(7, 3));
  EXPECT_EQ(control.OriginalImageWidth(), 7);
  EXPECT_EQ(control.OriginalImageHeight(), 3);
}

// --- Markup panel ----------------------------------------------------------------------

class MarkupPanel : public TFrameFixture {};

TEST_F(MarkupPanel, ClicksOpenLinksOrReportThem) {
  THTMLPanel panel;
  panel.resize(400, 50);
  panel.URLAppendix = "&rf=x";
  panel.URLAppendixForURLPart = "pellwick";
  std::vector<int32_t> ids;
  panel.OnLinkClick = [&](QObject*, int32_t id) { ids.push_back(id); };
  panel.SetHTML("<a=www.pellwick.com/p>one</a> <a=link:7>two</a> <a=https://x.org>three</a>");
  ASSERT_EQ(panel.Links().size(), 3u);
  for (const TMarkupArea& a : panel.Links()) panel.ClickAt(QPoint(a.Bounds.Left + 1, a.Bounds.Top + 1));
  EXPECT_EQ(ids, (std::vector<int32_t>{7}));
  EXPECT_EQ(OpenedURLs(), (std::vector<std::string>{"http://www.pellwick.com/p&rf=x", "https://x.org"}));
  panel.ClickAt(QPoint(399, 49));  // no link there
  EXPECT_EQ(OpenedURLs().size(), 2u);
  panel.HoverAt(QPoint(panel.Links()[0].Bounds.Left + 1, panel.Links()[0].Bounds.Top + 1));
  EXPECT_EQ(panel.cursor().shape(), Qt::PointingHandCursor);
  panel.SetHTML("<hint=tip>hover</hint>");
  panel.HoverAt(QPoint(1, 1));
  EXPECT_EQ(panel.toolTip().toStdString(), "tip");
  // A right-to-left panel shows its areas mirrored.
  panel.setLayoutDirection(Qt::RightToLeft);
  panel.SetHTML("<a=link:3>x</a>");
  panel.ClickAt(QPoint(395, 5));
  EXPECT_EQ(ids.back(), 3);
  panel.setLayoutDirection(Qt::LeftToRight);
  panel.AutoCreateLinks = true;
  panel.SetHTML("see x.com/a now");
  EXPECT_EQ(panel.HTML(), "see <a=x.com/a>x.com/a</a> now");
}

TEST_F(MarkupPanel, AutoSizeFollowsTheContent) {
  QWidget parent;
  parent.resize(300, 400);
  parent.show();
  auto* panel = new THTMLPanel(&parent);
  panel->show();
  panel->resize(200, 20);
  panel->SetAutoSize(true);
  panel->SetHTML("one<p>two<p>three");
  const int threeLines = panel->height();
  EXPECT_EQ(threeLines, panel->ContentHeight());
  panel->SetHTML("one");
  EXPECT_LT(panel->height(), threeLines);
  panel->SetHTML(std::string(400, 'w') + " end");
  const int narrow = panel->height();
  panel->resize(290, panel->height());
  EXPECT_LT(panel->height(), narrow);  // measured again at its new width
}

// --- Info dialog ----------------------------------------------------------------------

class InfoDialog : public TFrameFixture {};

// The window's size where the screen leaves room for it, else what the screen
// leaves, but never below the window's minimum.
int FittedToScreen(int size, bool height) {
  QScreen* screen = QGuiApplication::primaryScreen();
  const double ppi = screen->logicalDotsPerInch(), f = ppi / 96.0;
  const int available = height ? screen->geometry().height() : screen->geometry().width();
  if (size * f + 1.4 * ppi >= available) size = static_cast<int>(std::lround(available / f - 1.4 * ppi));
  return std::max(size, height ? 500 : 660);
}

TEST_F(InfoDialog, OneWindowPagesAndLanguage) {
  TInfoDialogObj dialog;
  dialog.HelpTexts = {11, 12, 46, 204, 224};
  dialog.ProgVersion = "24.01";
  dialog.SetInfoThanks({"Ann"});
  dialog.ProgURLRef = "&rf=h";
  dialog.ShowInfoDialog(5005);
  QWidget* form = dialog.Form();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->height(), FittedToScreen(600, true));
  EXPECT_EQ(form->width(), FittedToScreen(780, false));
  EXPECT_EQ(form->windowTitle().toStdString(), "Help and Introduction");
  auto* pc = form->findChild<QTabWidget*>("pc");
  EXPECT_EQ(pc->currentWidget()->objectName().toStdString(), "tab5005");
  dialog.ShowInfoDialog(5001);
  EXPECT_EQ(dialog.Form(), form);
  EXPECT_EQ(pc->currentWidget()->objectName().toStdString(), "tab5001");
  dialog.ShowInfoDialog(42);
  EXPECT_EQ(pc->currentWidget()->objectName().toStdString(), "tab5001");
  // The pages without content in this program are left out, not shown empty.
  const std::pair<int, const char*> pages[] = {
      {5000, "Introduction"}, {5001, "Bugs/Improvements"}, {5004, "Why Donate?"}, {5005, "Licence/About"}};
  ASSERT_EQ(pc->count(), 4);
  for (int i = 0; i < 4; ++i) {
    const int id = pages[i].first;
    EXPECT_EQ(pc->tabText(i).toStdString(), pages[i].second);
    auto* hp = form->findChild<THTMLPanel*>(QString("hp%1").arg(id));
    ASSERT_NE(hp, nullptr);
    EXPECT_EQ(hp->HTML(), dialog.GetInfoDialogText(id));
    EXPECT_FALSE(hp->HTML().empty());
    EXPECT_EQ(GetTag(hp), id);
    EXPECT_EQ(hp->URLAppendix, "&rf=h");
    EXPECT_NE(form->findChild<QScrollArea*>(QString("sb%1").arg(id)), nullptr);
  }
  for (int id : {5002, 5003}) EXPECT_EQ(form->findChild<QWidget*>(QString("tab%1").arg(id)), nullptr);
  EXPECT_FALSE(form->findChild<TStretchImage*>("headerimg")->isVisibleTo(form));
  dialog.ShowInfoDialog(5000);
  SaveScreenshot(form, "info_dialog_en");
  // A language switch re-captions and refills the open window, with the
  // German words of the store.
  RegisterTranslations();
  SetSprResGlobal(1);
  QPixmap header(300, 40);
  header.fill(Qt::darkBlue);
  dialog.OnFetchHeaderImage = [&](int32_t language, QPixmap& p) {
    if (language == 1) p = header;
  };
  dialog.SetLanguage(1);
  EXPECT_EQ(pc->tabText(0).toStdString(), SprText(790));
  EXPECT_EQ(form->findChild<THTMLPanel*>("hp5005")->HTML(), dialog.GetInfoDialogText(5005));
  EXPECT_NE(dialog.GetInfoDialogText(5005).find("Danksagungen"), std::string::npos);
  auto* img = form->findChild<TStretchImage*>("headerimg");
  EXPECT_TRUE(img->isVisibleTo(form));
  EXPECT_EQ(img->height(), 41);
  SaveScreenshot(form, "info_dialog_de");
  form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(dialog.Form(), nullptr);
  dialog.HelpTexts.push_back(225);
  dialog.ShowInfoDialog(5000);
  EXPECT_EQ(dialog.Form()->height(), FittedToScreen(650, true));
}

TEST_F(InfoDialog, MirroredInArabicFitsInRussianAndClosesWithEscape) {
  TInfoDialogObj dialog;
  dialog.HelpTexts = {11, 12, 46};
  dialog.ProgVersion = "24.01";
  // The program's language switch sets the application's direction; the dialog follows it.
  SetSprResGlobal(13);
  SetApplicationLanguage(13);
  dialog.SetLanguage(13);
  dialog.ShowInfoDialog(5000);
  QWidget* form = dialog.Form();
  ASSERT_NE(form, nullptr);
  auto* pc = form->findChild<QTabWidget*>("pc");
  EXPECT_EQ(form->layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(pc->layoutDirection(), Qt::RightToLeft);
  auto* hp = form->findChild<THTMLPanel*>("hp5000");
  EXPECT_EQ(hp->layoutDirection(), Qt::RightToLeft);
  QCoreApplication::processEvents();
  // The first tab stands at the right.
  EXPECT_GT(pc->tabBar()->tabRect(0).x(), pc->tabBar()->tabRect(1).x());
  SaveScreenshot(form, "info_dialog_arabic");
  // The donation page shows its picture.
  dialog.ShowInfoDialog(5004);
  auto* donate = form->findChild<THTMLPanel*>("hp5004");
  bool picture = false;
  for (const TMarkupDrawItem& item : donate->PaintProc(true).Items) picture = picture || item.IsPicture;
  EXPECT_TRUE(picture);
  EXPECT_GT(donate->ContentHeight(), 150);
  SaveScreenshot(form, "info_dialog_donate_arabic");
  // Every tab title fits in every language: no scroll arrows, nothing cut.
  for (int32_t language = 0; language < 15; ++language) {
    SetSprResGlobal(static_cast<uint32_t>(language));
    SetApplicationLanguage(language);
    dialog.SetLanguage(language);
    QCoreApplication::processEvents();
    EXPECT_LE(pc->tabBar()->sizeHint().width(), pc->width()) << language;
    const QRect last = pc->tabBar()->tabRect(pc->count() - 1);
    EXPECT_LE(std::max(last.right(), pc->tabBar()->tabRect(0).right()), pc->tabBar()->width()) << language;
    if (language == 7) SaveScreenshot(form, "info_dialog_russian");
  }
  SetSprResGlobal(0);
  SetApplicationLanguage(0);
  dialog.SetLanguage(0);
  EXPECT_EQ(form->layoutDirection(), Qt::LeftToRight);
  form->activateWindow();
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form, Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(dialog.Form(), nullptr);
}

TEST_F(InfoDialog, WheelScrollsThePage) {
  TInfoDialogObj dialog;
  dialog.HelpTexts = {11, 12, 46, 204, 224, 225};
  for (int i = 0; i < 40; ++i) dialog.HelpTexts.push_back(849);
  dialog.ShowInfoDialog(5000);
  auto* hp = dialog.Form()->findChild<THTMLPanel*>("hp5000");
  auto* sb = dialog.Form()->findChild<QScrollArea*>("sb5000");
  QCoreApplication::processEvents();
  ASSERT_GT(sb->verticalScrollBar()->maximum(), 100);
  dialog.ProcMouseWheel(hp, -120);
  EXPECT_EQ(sb->verticalScrollBar()->value(), 120);
  dialog.ProcMouseWheel(hp, 120);
  EXPECT_EQ(sb->verticalScrollBar()->value(), 0);
  dialog.Form()->close();
}

// --- Menus, links and the tray --------------------------------------------------------

class FrameMenus : public TFrameFixture {};

std::vector<std::string> EntryNames(QMenu* menu) {
  std::vector<std::string> names;
  for (QAction* a : menu->actions()) names.push_back(a->objectName().toStdString());
  return names;
}

TEST_F(FrameMenus, NamesTagsAndOrder) {
  QMainWindow window;
  QMenu* file = window.menuBar()->addMenu("File");
  file->setObjectName("m_file");
  auto* settings = new QMenu("x", &window);
  settings->setObjectName("m_settings");
  window.menuBar()->addMenu(settings);
  window.menuBar()->addMenu("Help")->setObjectName("m_own");
  TPwkProgObj frame(&window);
  Prepare(frame);
  frame.SettingsAddTab(StrResGlobal{11}, "a");
  frame.SettingsAddTab(StrResGlobal{12}, "b");
  ASSERT_TRUE(frame.Initialize());
  std::vector<std::string> top;
  for (QAction* a : window.menuBar()->actions()) top.push_back(a->menu() ? a->menu()->objectName().toStdString() : "");
  EXPECT_EQ(top, (std::vector<std::string>{"", "m_file", "m_settings", "m_own", "m_software", "m_info"}));
  QMenu* app = window.menuBar()->actions().first()->menu();
  EXPECT_EQ(app->title(), QString(QChar(0xF8FF)));
  EXPECT_EQ(EntryNames(app), (std::vector<std::string>{"MacAbout", "MacPreferences"}));
  auto* prefs = window.findChild<QAction*>("MacPreferences");
  EXPECT_EQ(prefs->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
  EXPECT_EQ(GetTag(window.findChild<QAction*>("MacAbout")), 5000);
  EXPECT_EQ(EntryNames(settings), (std::vector<std::string>{"m_settings_tab0", "m_settings_tab1", "m_settings_divider1",
                                                            "m_settings_language", "m_settings_divider3",
                                                            "m_settings_save", "m_settings_reset"}));
  EXPECT_EQ(settings->title().toStdString(), "Settings");
  EXPECT_EQ(window.findChild<QAction*>("m_settings_tab1")->text().toStdString(), "Language");
  EXPECT_EQ(GetTag(window.findChild<QAction*>("m_settings_save")), 7002);
  EXPECT_TRUE(window.findChild<QAction*>("m_settings_divider1")->isSeparator());
  // A divider shows no text: some styles draw a separator's text as a section label.
  for (QAction* a : window.findChildren<QAction*>())
    if (a->isSeparator()) {
      EXPECT_TRUE(a->text().isEmpty()) << a->objectName().toStdString();
    }
  auto* info0 = window.findChild<QAction*>("m_info0");
  EXPECT_EQ(info0->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(info0->text().toStdString(), "Help and Introduction");
  for (int i : {0, 1, 4, 5}) EXPECT_EQ(GetTag(window.findChild<QAction*>(QString("m_info%1").arg(i))), 5000 + i);
  for (const char* gone : {"m_info2", "m_info3", "m_software19", "m_software20"})
    EXPECT_EQ(window.findChild<QAction*>(gone), nullptr) << gone;
  EXPECT_EQ(window.findChild<QAction*>("m_info9")->text().toStdString(),
            "www.pellwick.com/prog - Website of this Software");
  EXPECT_EQ(EntryNames(window.findChild<QMenu*>("m_software")),
            (std::vector<std::string>{"m_software21", "m_software22"}));
  // A designed settings menu with entries is left alone.
  QMainWindow designed;
  auto* own = designed.menuBar()->addMenu("x");
  own->setObjectName("m_settings");
  own->addAction("mine")->setObjectName("m_mine");
  TPwkProgObj second(&designed);
  Prepare(second);
  ASSERT_TRUE(second.Initialize());
  EXPECT_EQ(EntryNames(own), (std::vector<std::string>{"m_mine"}));
}

TEST_F(FrameMenus, EntriesOpenTheirPages) {
  QMainWindow window;
  TPwkProgObj frame(&window);
  Prepare(frame);
  frame.ProgID = "SX";
  ASSERT_TRUE(frame.Initialize());
  window.findChild<QAction*>("m_settings_language")->trigger();
  TSOWindow* settings = frame.SettingsWindowHost().SettingsWindow();
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(settings->FPageControl->currentWidget()->objectName().toStdString(), "tab_lang");
  settings->close();
  window.findChild<QAction*>("m_info4")->trigger();
  QWidget* info = frame.InfoDialogObj().Form();
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->findChild<QTabWidget*>("pc")->currentWidget()->objectName().toStdString(), "tab5004");
  info->close();
  const std::string ref = "&rf=sxmmen" + frame.GetProgVersionAsYYMMDD();
  window.findChild<QAction*>("m_info9")->trigger();
  window.findChild<QAction*>("m_info13")->trigger();
  ASSERT_EQ(OpenedURLs().size(), 2u);
  EXPECT_EQ(OpenedURLs()[0], "http://www.pellwick.com/prog" + ref);
  EXPECT_EQ(OpenedURLs()[1], "http://www.pellwick.com/prog-faq" + ref);
  // A donation control opens the donation page with its own place letter.
  QLabel donate(&window);
  frame.AddDonateControl(&donate);
  frame.SetLanguage(0);
  EXPECT_EQ(donate.text().toStdString(), "www.pellwick.com/donate - Thank you");
  frame.DonateControlClick();
  EXPECT_EQ(OpenedURLs().back(), "http://www.pellwick.com/donate&rf=sxsmen" + frame.GetProgVersionAsYYMMDD());
  EXPECT_EQ(frame.GetURLRef("h"), "&rf=sxhmen" + frame.GetProgVersionAsYYMMDD());
  frame.BrowseToURL("https://example.org/x", "");
  EXPECT_EQ(OpenedURLs().back(), "https://example.org/x");
}

TEST_F(FrameMenus, ProfileEntriesFollowTheSavedProfiles) {
  QMainWindow window;
  TPwkProgObj frame(&window);
  Prepare(frame);
  frame.SettingsAddTab(StrResGlobal{11}, "a");
  ASSERT_TRUE(frame.Initialize());
  QMenu* settings = window.findChild<QMenu*>("m_settings");
  const std::vector<std::string> fixed = EntryNames(settings);
  EXPECT_EQ(fixed.back(), "m_settings_reset");
  fs::create_directories(ConfigDir());
  testsupport::WriteFileBytes(ConfigDir() + "Work.sxs", "[a]\n");
  testsupport::WriteFileBytes(ConfigDir() + "m_settings_tab0.sxs", "[a]\n");
  testsupport::WriteFileBytes(ConfigDir() + "R&D.sxs", "[a]\n");
  frame.SettingsObjProfilesChange();
  std::vector<std::string> expected = fixed;
  for (const char* n :
       {"m_settings_profiles_divider", "m_settings_profiles_0", "m_settings_profiles_1", "m_settings_profiles_2"})
    expected.push_back(n);
  EXPECT_EQ(EntryNames(settings), expected);
  EXPECT_EQ(window.findChild<QAction*>("m_settings_profiles_0")->text().toStdString(), "m_settings_tab0");
  EXPECT_EQ(window.findChild<QAction*>("m_settings_profiles_1")->text().toStdString(), "R&&D");
  EXPECT_NE(window.findChild<QAction*>("m_settings_tab0"), nullptr);
  int loads = 0;
  frame.OnSettingsLoad = [&](TConfigSaver&) { ++loads; };
  window.findChild<QAction*>("m_settings_profiles_1")->trigger();
  EXPECT_EQ(loads, 1);
  fs::remove_all(ConfigDir());
  frame.SettingsObjProfilesChange();
  EXPECT_EQ(EntryNames(settings), fixed);
  EXPECT_EQ(window.findChild<QAction*>("m_settings_profiles_0"), nullptr);
}

TEST_F(FrameMenus, TrayIconOnlyWhenAsked) {
  QMainWindow window;
  TPwkProgObj frame(&window);
  Prepare(frame);
  ASSERT_TRUE(frame.Initialize());
  EXPECT_EQ(frame.TrayIcon(), nullptr);  // this program never asks for one
  frame.TrayMinimizeToTrayIcon = true;
  frame.CreateTrayIcon();
  ASSERT_NE(frame.TrayIcon(), nullptr);
  EXPECT_FALSE(frame.TrayIcon()->isVisible());
  QSystemTrayIcon* icon = frame.TrayIcon();
  frame.CreateTrayIcon();
  EXPECT_EQ(frame.TrayIcon(), icon);
  window.show();
  window.setWindowState(Qt::WindowMinimized);
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.isVisible());
  frame.TrayIconOnDblClick();
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.isMinimized());
  EXPECT_FALSE(frame.TrayIcon()->isVisible());
  window.close();
}

}  // namespace
