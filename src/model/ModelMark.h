// ModelMark: a mark in the drawing model that a dialog's sample is dropped
// back to.
//
// A sample (an option dialog's picture, a chooser's preview of a stored
// component) appends to the model above a mark taken when the dialog opened
// and is dropped by giving the mark back. Besides the records themselves,
// the appenders, the item finders and the loaders write a handful of
// counters and names: the counts, the entity and point added last, the
// number the next point takes within its entity, the item found or added
// last, the current drawing and the names and keys handed to the finders.
// The mark holds every one of them and gives them all back in one place, so
// that a command waiting while the dialog is open (a chain that grows by one
// point a click, an area boundary being collected) goes on with its own
// entity as if no sample had been made.
//
// Sections:
//   The mark
#pragma once

#include <tuple>

#include "platform/Types.h"

namespace lintavo {

// ---- The mark ---------------------------------------------------------------------------------
class ModelMark {
 public:
  void Take();            // the model as it stands now
  void GiveBack() const;  // drops whatever was appended since Take, and puts every counter back
  // What was appended since Take stays (a layer the user made in the
  // dialog): the counts are taken again; the rest of the mark is kept.
  void KeepAppended();
  Long Objs() const;  // the entity count at the mark

 private:
  // PntCount, ObjCount, ItemCount, LastPnt, LastObj, PntSeq, CurItem, CurDwg,
  // NewItemName, NewItemKind, SelRecordID, in that order (ModelMark.cpp
  // lists them once for both ways).
  std::tuple<Long, Long, Long, Long, Long, Long, Long, Integer, String, Integer, DbKey> values_{};
};

}  // namespace lintavo
