// TargetBorrow: lending the drawing target and giving it back.
#include "model/TargetBorrow.h"

#include "model/Invariants.h"
#include "model/LayerItems.h"
#include "model/Top.h"

namespace lintavo {

namespace {
// The borrow opened last and not yet given back; nullptr when nothing is
// borrowed. Each borrow links to the one before it (outer_). Owned by the
// borrows alive, so it is not reset between runs of the model.
TargetBorrow* Innermost = nullptr;
}  // namespace

TargetBorrow::TargetBorrow(Surface& Target) { Borrow(Target); }

TargetBorrow::~TargetBorrow() { GiveBack(); }

void TargetBorrow::Borrow(Surface& Target) {
  if (target_) {
    MODEL_INVARIANT(Innermost == this);  // a later borrow still holds the target
  } else {
    savedSurface_ = ActiveDoc;
    savedPreviewMode_ = PreviewMode;
    savedPreviewAllLayers_ = PreviewAllLayers;
    savedView_ = SaveViewCache();
    outer_ = Innermost;
    Innermost = this;
  }
  target_ = &Target;
  ActiveDoc = &Target;
  PreviewMode = FlagTrue;
}

void TargetBorrow::GiveBack() {
  if (!target_) return;
  MODEL_INVARIANT(Innermost == this);  // a borrow opened later is given back first
  Innermost = outer_;
  PreviewMode = savedPreviewMode_;
  PreviewAllLayers = savedPreviewAllLayers_;
  if (ActiveDoc == target_) {
    ActiveDoc = savedSurface_;
    RestoreViewCache(savedView_);
    LoadViewCache();  // a window's own view, which may have changed meanwhile
  }
  target_ = nullptr;
  outer_ = nullptr;
  savedSurface_ = nullptr;
}

bool TargetBorrowed() { return Innermost != nullptr; }

}  // namespace lintavo
