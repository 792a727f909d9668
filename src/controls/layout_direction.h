// Mirroring a container's children when the language reads the other way.
#pragma once

#include <QWidget>
#include <cstdint>

// Mirrors the children of container (all levels) when the language's reading
// direction differs from the way the container stands now: absolutely placed
// children move to x := parent width - x - width, laid-out ones follow Qt's
// layout direction. The container remembers that it is mirrored, so a second
// call with the same direction does nothing. True when it mirrored. A
// container without children is left alone and never marked.
bool SprFlipChildren(QWidget* container, uint32_t language);

// The same for a layout direction instead of a language: code-built windows
// that open after the language was chosen take the application's direction.
bool FlipChildrenToDirection(QWidget* container, Qt::LayoutDirection direction);

// Whether the container stands mirrored now.
bool IsFlipped(const QWidget* container);

// A cell text as a mirrored list shows it: isolated so that it keeps the
// direction of its own characters (sizes, dates and paths read left to right,
// Arabic names right to left). Unchanged in a left-to-right list.
QString CellTextInDirection(const QString& text, Qt::LayoutDirection listDirection);
