#include "foundation/qt/file_filters.h"

#include "foundation/qt/qt_strings.h"
#include "foundation/str_split.h"

QStringList QtFileFilters(const std::string& filter) {
  TStrArray parts;
  Explode(parts, "|", filter);
  QStringList out;
  for (size_t i = 0; i < parts.size(); i += 2) {
    QString entry = ToQString(parts[i]);
    // "*.*" matches only names with a dot here; every file is "*".
    entry.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
    out << entry;
  }
  return out;
}

QString QtFileFilter(const std::string& filter) { return QtFileFilters(filter).first(); }
