// ComponentFacts: what the component dialogs state about a component (its
// category, author, creation date, part number, description and the size
// of its extents), written the same way in the chooser of Insert,
// Component and in the placement edit dialog.
#pragma once

#include "platform/Types.h"

class QLabel;
class QLineEdit;

namespace lintavo {

struct ItemRec;

// The facts as the dialogs show them.
struct ComponentFacts {
  String Category;
  String Author;
  String CreationDate;  // "yyyy-MM-dd HH:mm:ss", as the database holds it; empty when unknown
  String PartNumber;
  String Description;
  Double Width = 0;     // Xmax - Xmin of its extents, world units
  Double Height = 0;    // Ymax - Ymin of its extents, world units
};

// The facts of a loaded component item.
ComponentFacts FactsOfItem(const ItemRec& Item);

// The boxes and labels of a dialog that show the facts.
struct ComponentFactBoxes {
  QLineEdit* Category;
  QLineEdit* Author;
  QLineEdit* CreationDate;
  QLineEdit* PartNumber;
  QLineEdit* Description;
  QLabel* Width;   // "Width = " and the length in the user's unit
  QLabel* Height;  // "Height = " and the length in the user's unit
};

// Writes the facts into the boxes and labels.
void ShowComponentFacts(const ComponentFacts& Facts, const ComponentFactBoxes& Boxes);

}  // namespace lintavo
