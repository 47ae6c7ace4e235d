// ModelMark: taking and giving back the model's counters around a sample.
#include "model/ModelMark.h"

#include <type_traits>

#include "model/DataHand.h"
#include "model/ObjIndex.h"
#include "model/Top.h"

namespace lintavo {

namespace {

// Every counter and name a sample may write, listed once: Take copies them
// into the mark and GiveBack writes the mark into them, so that neither way
// can leave one out.
auto MarkedValues() {
  return std::tie(PntCount, ObjCount, ItemCount, LastPnt, LastObj, PntSeq, CurItem, CurDwg, NewItemName,
                  NewItemKind, SelRecordID);
}

// Their values now.
auto MarkedValuesNow() {
  return std::apply([](const auto&... value) { return std::make_tuple(value...); }, MarkedValues());
}

// Where each count lies in the list.
constexpr std::size_t PntsAt = 0, ObjsAt = 1, ItemsAt = 2;

}  // namespace

void ModelMark::Take() {
  static_assert(std::is_same_v<decltype(values_), decltype(MarkedValuesNow())>,
                "the mark holds one value of each marked counter, in the same order");
  values_ = MarkedValuesNow();
}

void ModelMark::GiveBack() const {
  // The dropped sample's entities leave their drawing's count of live
  // entities, and the object index must not keep them.
  for (Long i = ObjCount; i > Objs(); --i) SetEntityDrawing(i, 0, FlagTrue);
  if (ObjCount > Objs()) ObjIndexCutBack();
  MarkedValues() = values_;
}

void ModelMark::KeepAppended() {
  std::get<PntsAt>(values_) = PntCount;
  std::get<ObjsAt>(values_) = ObjCount;
  std::get<ItemsAt>(values_) = ItemCount;
}

Long ModelMark::Objs() const { return std::get<ObjsAt>(values_); }

}  // namespace lintavo
