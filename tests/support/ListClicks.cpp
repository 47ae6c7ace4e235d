// ListClicks: mouse presses and releases sent to a list's viewport.
#include "support/ListClicks.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace lintavo {

void ClickAt(QAbstractItemView* list, QPoint at) {
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &event);
  }
}

void ClickRow(QListWidget* list, int row) {
  QListWidgetItem* item = list->item(row);
  ASSERT_NE(item, nullptr) << "no row " << row << " in " << list->objectName().toStdString();
  ClickAt(list, list->visualItemRect(item).center());
}

void ClickRow(QTreeWidget* tree, int row) {
  QTreeWidgetItem* item = tree->topLevelItem(row);
  ASSERT_NE(item, nullptr) << "no row " << row << " in " << tree->objectName().toStdString();
  ClickAt(tree, tree->visualItemRect(item).center());
}

void ClickLastRow(QListWidget* list) { ClickRow(list, list->count() - 1); }

}  // namespace lintavo
