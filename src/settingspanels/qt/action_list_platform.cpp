#include "settingspanels/qt/action_list_platform.h"

#include <fcntl.h>
#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QStandardPaths>
#include <filesystem>

#include "controls/dialogs.h"
#include "foundation/paths.h"
#include "foundation/qt/qt_strings.h"
#include "text/text_store.h"

void ActionListMessageBox(int32_t captionSlot, const std::string& text) {
  NotificationDialog(SprText(static_cast<StrResGlobal>(captionSlot)), text, SprText(192));
}

void ActionListWriteErrorMessage(const std::string& path) {
  std::error_code ec;
  // A file that is there could not be replaced; else the folder refused it.
  const int32_t reason = std::filesystem::exists(path, ec) ? 177 : 172;
  ActionListMessageBox(7, SprText(170) + "\n\n" + path + "\n\n" + SprText(static_cast<StrResGlobal>(reason)));
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
