// ComponentFacts: the facts of a component in the component dialogs.
#include "windows/controls/ComponentFacts.h"

#include <QLabel>
#include <QLineEdit>

#include "model/DataHand.h"
#include "picking/Measure.h"
#include "platform/TextBoxes.h"

namespace lintavo {

namespace {

// A creation date as the database's text of it, which the chooser shows.
constexpr const char* DateFormat = "yyyy-MM-dd HH:mm:ss";

QString Text(const String& s) { return QString::fromStdString(s); }

}  // namespace

ComponentFacts FactsOfItem(const ItemRec& Item) {
  ComponentFacts facts;
  facts.Category = Item.Category;
  facts.Author = Item.Author;
  if (Item.CreationDate.isValid()) facts.CreationDate = Item.CreationDate.toString(DateFormat).toStdString();
  facts.PartNumber = Item.PartNumber;
  facts.Description = Item.Description;
  facts.Width = Item.Xmax - Item.Xmin;
  facts.Height = Item.Ymax - Item.Ymin;
  return facts;
}

void ShowComponentFacts(const ComponentFacts& Facts, const ComponentFactBoxes& Boxes) {
  ShowWholeText(*Boxes.Category, Text(Facts.Category));
  ShowWholeText(*Boxes.Author, Text(Facts.Author));
  ShowWholeText(*Boxes.CreationDate, Text(Facts.CreationDate));
  ShowWholeText(*Boxes.PartNumber, Text(Facts.PartNumber));
  ShowWholeText(*Boxes.Description, Text(Facts.Description));
  Boxes.Width->setText(Text(FormatWidthLabel(Facts.Width)));
  Boxes.Height->setText(Text(FormatHeightLabel(Facts.Height)));
}

}  // namespace lintavo
