// The number a window's control carries beside its name (a setting ID, a tab
// or page ID, a code page, a language constant), kept as a property.
#pragma once

#include <QObject>
#include <QVariant>
#include <cstdint>

inline void SetTag(QObject* object, int32_t tag) { object->setProperty("Tag", tag); }
inline int32_t GetTag(const QObject* object) {
  const QVariant v = object ? object->property("Tag") : QVariant();
  return v.isValid() ? v.toInt() : 0;
}
