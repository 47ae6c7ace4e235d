// AnnotationOptionLists: filling and binding the option dialogs' layer and font lists.
#include "annotation/AnnotationOptionLists.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "model/Top.h"
#include "model/SupportLists.h"
#include "view/DisplayOptions.h"

namespace lintavo {

void KeepLayer(ModelMark& mark, const String& layer) {
  mark.GiveBack();
  const Integer preview = PreviewMode;
  PreviewMode = FlagFalse;
  EnsureLayer(layer);
  PreviewMode = preview;
  mark.KeepAppended();
}

void OptionSample::Begin() {
  Mark.Take();
  SavedRefPnts = ShowRefPnts;
  Ended = false;
}

void OptionSample::End() {
  if (Ended) return;
  Ended = true;
  ShowRefPnts = SavedRefPnts;
  Mark.GiveBack();
  PreviewMode = FlagFalse;
  PreviewAllLayers = FlagFalse;
}

void FillLayerNames(QComboBox& list, const String& layer) {
  list.clear();
  int index = -1;
  for (Long i = 1; i <= ItemCount; ++i) {
    const ItemRec& item = Items[i];
    if (item.Rtype != ItemLayer || item.DwgNo != CurDwg) continue;
    if (item.Name == layer && index < 0) index = list.count();
    list.addItem(QString::fromStdString(item.Name));
  }
  // The option's layer is made when something is put on it, not by showing it.
  if (index < 0 && !layer.empty()) {
    index = list.count();
    list.addItem(QString::fromStdString(layer));
  }
  if (list.count() > 0) list.setCurrentIndex(std::max(index, 0));
}

namespace {
// Whether the current drawing has a layer of that name.
bool IsDrawingLayer(const String& name) {
  LayerNameSought = name;
  Long index = 0;
  return FindLayerByName(index);
}
}  // namespace

void BindLayerList(QComboBox& list, String& layer, std::function<void()> refresh) {
  list.setEditable(true);
  list.setInsertPolicy(QComboBox::NoInsert);  // a typed name becomes an entry by being made a layer
  QObject::connect(&list, &QComboBox::activated, &list, [&list, &layer](int position) {
    if (position >= 0) layer = list.itemText(position).toStdString();
  });
  // The dialogs' buttons are never default ones, so Enter goes no further.
  QObject::connect(list.lineEdit(), &QLineEdit::returnPressed, &list, [&list, &layer, refresh] {
    const String typed = list.lineEdit()->text().toStdString();
    if (typed.empty() || IsDrawingLayer(typed)) return;
    layer = typed;
    refresh();
  });
}

void FillFontNames(QComboBox& list, const String& font) {
  list.clear();
  int index = 0;
  const Integer count = std::min<Integer>(FontCount, MaxFontNames);
  for (Long i = 1; i <= count; ++i) {
    if (FontNames[i] == font) index = list.count();
    list.addItem(QString::fromStdString(FontNames[i]));
  }
  if (list.count() > 0) list.setCurrentIndex(index);
}

}  // namespace lintavo
