// ListClicks: clicks on the rows of lists and trees as the mouse delivers
// them (a press and a release on the row's centre), so a dialog sees the
// same events as from a person.
#pragma once

#include <QPoint>

class QAbstractItemView;
class QListWidget;
class QTreeWidget;

namespace lintavo {

void ClickAt(QAbstractItemView* list, QPoint at);  // at: a point of the list's viewport
void ClickRow(QListWidget* list, int row);         // row from 0; a missing row fails the test
void ClickRow(QTreeWidget* tree, int row);         // a top-level row from 0
void ClickLastRow(QListWidget* list);

}  // namespace lintavo
