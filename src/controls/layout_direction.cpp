#include "controls/layout_direction.h"

#include <QLayout>
#include <QVariant>

#include "text/language_constants.h"

namespace {

constexpr const char* kFlippedProperty = "syllabrixFlipped";

bool LayoutManages(QLayout* layout, QWidget* child) {
  if (layout == nullptr) return false;
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == child) return true;
    if (item->layout() != nullptr && LayoutManages(item->layout(), child)) return true;
  }
  return false;
}

QList<QWidget*> OwnChildren(QWidget* container) {
  QList<QWidget*> result;
  for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    // Windows of their own and Qt's internal parts (scroll area viewports
    // and bars) are not the container's content.
    if (child->isWindow() || child->objectName().startsWith(QLatin1String("qt_"))) continue;
    result.push_back(child);
  }
  return result;
}

void FlipChildren(QWidget* container, bool rightToLeft) {
  QList<QWidget*> children = OwnChildren(container);
  if (children.isEmpty()) return;
  container->setProperty(kFlippedProperty, !IsFlipped(container));
  container->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  for (QWidget* child : children) {
    if (!LayoutManages(container->layout(), child)) {
      child->move(container->width() - child->x() - child->width(), child->y());
    }
    FlipChildren(child, rightToLeft);
  }
}

}  // namespace

bool IsFlipped(const QWidget* container) { return container->property(kFlippedProperty).toBool(); }

bool SprFlipChildren(QWidget* container, uint32_t language) {
  const bool rightToLeft = SprGetBiDiModeOfLanguage(static_cast<int32_t>(language)) == bdRightToLeft;
  return FlipChildrenToDirection(container, rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

bool FlipChildrenToDirection(QWidget* container, Qt::LayoutDirection direction) {
  if (container == nullptr) return false;
  const bool rightToLeft = direction == Qt::RightToLeft;
  if (rightToLeft == IsFlipped(container)) return false;
  FlipChildren(container, rightToLeft);
  return true;
}

QString CellTextInDirection(const QString& text, Qt::LayoutDirection listDirection) {
  if (listDirection != Qt::RightToLeft || text.isEmpty()) return text;
  return QChar(0x2068) + text + QChar(0x2069);
}
