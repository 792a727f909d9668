// Showing folders and files through the desktop: opening a folder in the file
// manager and the file manager's properties window. Nothing here passes a
// path through a shell.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <string>

// An existing folder (or file) is opened as a file address; any other text
// only when it is a complete address with a scheme ("https://…"). True when
// the desktop accepted it.
bool OpenDirectory(const std::string& path);

// Asks the desktop's file manager to show its properties window for the path
// (trimmed, one trailing path delimiter removed).
void ShowSystemFilePropertyDialog(const std::string& path);

// What the functions above hand their work to; tests replace them. An empty
// function restores the desktop's own.
using TUrlOpener = std::function<bool(const QUrl& url)>;
using TProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
void SetUrlOpener(TUrlOpener opener);
void SetProgramStarter(TProgramStarter starter);
