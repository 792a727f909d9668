// File-type choices of open and save dialogs, from the library's filter text
// into Qt's form.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*" as Qt's list of filters:
// "Text Files (*.txt)", "All Files (*)" ("*.*" would hide names without a dot).
QStringList QtFileFilters(const std::string& filter);
// The first of them: "Syllabrix Settings (*.sxs)|*.sxs" gives "Syllabrix Settings (*.sxs)".
QString QtFileFilter(const std::string& filter);
