// The one crossing between the core's UTF-8 strings and Qt's QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

inline QString ToQString(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

inline std::string FromQString(const QString& s) {
  QByteArray bytes = s.toUtf8();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
