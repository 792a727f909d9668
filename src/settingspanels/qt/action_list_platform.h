// What the action-list windows and commands need of the system: message
// boxes (through the library's dialogs, so that tests answer them), the
// clipboard as text, and the folder that holds the action-list folders.
#pragma once

#include <cstdint>
#include <string>

// A message with an OK button under the caption of captionSlot ("Note",
// "Information", "Error"), which tells its kind.
void ActionListMessageBox(int32_t captionSlot, const std::string& text);

// The error message of a list file that could not be written to path.
void ActionListWriteErrorMessage(const std::string& path);

std::string ActionListClipboardText();
void SetActionListClipboardText(const std::string& text);

// The folder, with a trailing "/", below which action-list folders lie: the
// program's own folder when it can be written to, else the per-user data
// folder of the program (QStandardPaths::AppDataLocation).
std::string ActionListBaseFolder();
// The same rule for a given program folder and data folder.
std::string ActionListBaseFolderOf(const std::string& programFolder, const std::string& dataFolder);
