// ChooserLayout: building a database chooser's frame.
#include "windows/controls/ChooserLayout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lintavo {

namespace {

QLineEdit* ReadOnlyBox(const char* name, QWidget& parent) {
  auto* box = new QLineEdit(&parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setReadOnly(true);
  return box;
}

}  // namespace

ChooserControls LayOutChooser(QWidget& dialog, const char* listCaption, const char* pathCaption, QWidget* picture,
                              std::initializer_list<QPushButton*> buttons) {
  ChooserControls made;
  made.List1 = new QListWidget(&dialog);
  made.List1->setObjectName(QStringLiteral("List1"));
  made.txtCount = ReadOnlyBox("txtCount", dialog);
  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(new QLabel(QString::fromLatin1(listCaption), &dialog));
  listColumn->addWidget(made.List1);
  listColumn->addWidget(made.txtCount);

  made.Fields = new QGridLayout;
  auto* top = new QHBoxLayout;
  top->addLayout(listColumn);
  top->addLayout(made.Fields);
  top->addWidget(picture);

  made.txtPath = ReadOnlyBox("txtPath", dialog);
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(new QLabel(QString::fromLatin1(pathCaption), &dialog));
  pathRow->addWidget(made.txtPath);

  auto* buttonRow = new QHBoxLayout;
  for (QPushButton* button : buttons) buttonRow->addWidget(button);

  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(top);
  layout->addLayout(pathRow);
  layout->addLayout(buttonRow);
  return made;
}

}  // namespace lintavo
