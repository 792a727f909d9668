#include "settingspanels/qt/action_list_platform.h"

#include <fcntl.h>
#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <filesystem>

#include "controls/dialogs.h"
#include "foundation/code_pages.h"
#include "foundation/paths.h"
#include "foundation/qt/qt_strings.h"
#include "foundation/text_files.h"
#include "text/text_store.h"

void ActionListMessageBox(int32_t captionSlot, const std::string& text) {
  NotificationDialog(SprText(static_cast<StrResGlobal>(captionSlot)), text, SprText(192));
}

bool SaveActionListFile(const std::string& text, const std::string& path) {
  // A file without a byte-order mark whose text holds zero bytes would be
  // taken for UTF-16 or UTF-32 when read; the mark keeps it UTF-8. Files
  // without zero bytes are written as they always were.
  const bool mark = text.find('\0') != std::string::npos;
  int errorNumber = 0;
  try {
    if (SaveString(text, path, cpUTF8, mark, false)) return true;
    errorNumber = LastFileWriteError();
  } catch (const EFileError& e) {
    errorNumber = e.ErrorNumber != 0 ? e.ErrorNumber : LastFileWriteError();
  }
  ActionListWriteErrorMessage(path, errorNumber);
  return false;
}

void ActionListWriteErrorMessage(const std::string& path, int errorNumber) {
  if (errorNumber != 0) {
    ActionListMessageBox(7, FileFailureText(SprText(170), path, errorNumber));
    return;
  }
  std::error_code ec;
  // A file that is there could not be replaced; else the folder refused it.
  const int32_t reason = std::filesystem::exists(path, ec) ? 177 : 172;
  ActionListMessageBox(7, SprText(170) + "\n\n" + path + "\n\n" + SprText(static_cast<StrResGlobal>(reason)));
}

void PlaceWindowOverHost(QWidget* window, QWidget* host) {
  QWidget* over = host ? host->window() : nullptr;
  const QScreen* screen = nullptr;
  QPoint centre;
  if (over && over != window) {
    centre = over->frameGeometry().center();
    screen = QGuiApplication::screenAt(centre);
    if (!screen) screen = over->screen();
  } else {
    screen = window->screen();
    if (screen) centre = screen->availableGeometry().center();
  }
  if (!screen) screen = QGuiApplication::primaryScreen();
  // The frame (title bar and borders) counts: it is what must stay on the
  // screen, and a window's position is its frame's.
  // A window not shown yet grows to its layout's minimum when it is.
  const QSize frame = window->frameGeometry().size() - window->size();
  QRect placed(QPoint(0, 0), window->size().expandedTo(window->minimumSizeHint()) + frame);
  placed.moveCenter(centre);
  if (screen) {
    const QRect area = screen->availableGeometry();
    placed.moveLeft(std::max(area.left(), std::min(placed.left(), area.right() + 1 - placed.width())));
    placed.moveTop(std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - placed.height())));
  }
  window->move(placed.topLeft());
}

std::string ActionListClipboardText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? FromQString(clipboard->text()) : std::string();
}

void SetActionListClipboardText(const std::string& text) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(ToQString(text));
}

std::string ActionListBaseFolderOf(const std::string& programFolder, const std::string& dataFolder) {
  auto withSlash = [](std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
  };
  // A program installed where its user cannot write keeps its lists with the user.
  // With the effective ids: those are the ones a write runs with.
  if (!programFolder.empty() && ::faccessat(AT_FDCWD, programFolder.c_str(), W_OK, AT_EACCESS) == 0)
    return withSlash(programFolder);
  return withSlash(dataFolder);
}

std::string ActionListBaseFolder() {
  return ActionListBaseFolderOf(ApplicationPath(),
                                FromQString(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}
