// The list controls move dragged items themselves: a drag they allow is
// answered as a copy, so that Qt's views never remove the source rows.
#pragma once

#include <QDropEvent>

inline void AnswerDrag(QDropEvent* e, bool allowed) {
  if (allowed) {
    e->setDropAction(Qt::CopyAction);
    e->accept();
  } else {
    e->ignore();
  }
}
