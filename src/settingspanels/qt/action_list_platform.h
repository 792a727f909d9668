// What the action-list windows and commands need of the system: message
// boxes (through the library's dialogs, so that tests answer them), the
// clipboard as text, and the folder that holds the action-list folders.
#pragma once

#include <cstdint>
#include <string>

class QWidget;

// A message with an OK button under the caption of captionSlot ("Note",
// "Information", "Error"), which tells its kind.
void ActionListMessageBox(int32_t captionSlot, const std::string& text);

// Writes a list file in UTF-8; false, after telling the user why, when it
// could not be written. The old file stays intact then.
bool SaveActionListFile(const std::string& text, const std::string& path);
// The error message of a list file that could not be written to path, with
// the system's reason (an errno); a hint at the likely cause for 0.
void ActionListWriteErrorMessage(const std::string& path, int errorNumber);

// Moves a window that is about to be shown to the centre of host's window
// (of the screen without one), then inside the available area of the screen
// that centre lies on, so that no part of it, its title and menu above all,
// starts off the screen.
void PlaceWindowOverHost(QWidget* window, QWidget* host);

std::string ActionListClipboardText();
void SetActionListClipboardText(const std::string& text);

// The folder, with a trailing "/", below which action-list folders lie: the
// program's own folder when it can be written to, else the per-user data
// folder of the program (QStandardPaths::AppDataLocation).
std::string ActionListBaseFolder();
// The same rule for a given program folder and data folder.
std::string ActionListBaseFolderOf(const std::string& programFolder, const std::string& dataFolder);
