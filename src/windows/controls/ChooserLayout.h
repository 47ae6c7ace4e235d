// ChooserLayout: the frame the database choosers share (the drawing chooser
// of File, Open and the component chooser of Insert, Component): a list of
// what the database holds with its count under it, the fields of the chosen
// row beside it, the preview picture at the right, the database's path below
// and the buttons at the bottom.
#pragma once

#include <initializer_list>

class QGridLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace lintavo {

// The controls the frame makes; the caller fills Fields (caption in column
// 0, box in column 1) with CaptionedField.
struct ChooserControls {
  QListWidget* List1 = nullptr;  // what the database holds
  QLineEdit* txtCount = nullptr;  // read only: how many
  QLineEdit* txtPath = nullptr;   // read only: the database's path
  QGridLayout* Fields = nullptr;  // the chosen row's fields
};

// Lays dialog out as a chooser: listCaption over the list, pathCaption
// before the path box, picture at the right of the fields, buttons in a row.
ChooserControls LayOutChooser(QWidget& dialog, const char* listCaption, const char* pathCaption, QWidget* picture,
                              std::initializer_list<QPushButton*> buttons);

}  // namespace lintavo
