// TargetBorrow: lending the drawing target to a picture box or the printer.
//
// Every drawing routine draws on ActiveDoc with the view the view cache
// describes. A dialog's picture box, the print preview and the printer take
// that target for a while. A TargetBorrow saves what it changes when it
// first borrows (ActiveDoc, PreviewMode, PreviewAllLayers and the view
// cache), makes the surface the target in preview mode, and gives all of it
// back once: when GiveBack is called, or when it goes out of scope, however
// the scope is left. The borrower then loads its surface's view into the
// cache and sets PreviewAllLayers as its pictures need.
//
// Giving back: while the target is still the borrowed surface, ActiveDoc and
// the view cache get their saved values; when the surface given back is a
// drawing window, its view is then reloaded from the window, the master
// copy, which a resize may have changed while the target was lent. When
// something else took the target meanwhile, ActiveDoc and the cache stay as
// it set them. PreviewMode and PreviewAllLayers get their saved values either
// way.
//
// Borrows nest: one opened while another holds the target saves that one's
// surface and view and gives them back. They end in the reverse order of
// their start; giving back out of that order, or pointing a borrow at a new
// surface while a later one is open, is a fault of the program and stops it
// (MODEL_INVARIANT). No command is dispatched while a target is borrowed
// (SelectTool checks TargetBorrowed).
//
// A dialog that holds its picture while it is open keeps a TargetBorrow as a
// member: Borrow when it opens (again whenever it points the target back at
// its picture), GiveBack when it closes, and the destructor gives back what a
// dialog never closed still holds.
#pragma once

#include "model/ViewCache.h"
#include "platform/Types.h"

namespace lintavo {

class Surface;

// ---- The borrow ------------------------------------------------------------------------------
class TargetBorrow {
 public:
  TargetBorrow() = default;                // holds nothing until Borrow
  explicit TargetBorrow(Surface& Target);  // borrows at once
  ~TargetBorrow();                         // GiveBack
  TargetBorrow(const TargetBorrow&) = delete;
  TargetBorrow& operator=(const TargetBorrow&) = delete;

  // Makes Target the drawing target and sets PreviewMode. The first call
  // (the first after a GiveBack) saves what GiveBack puts back; a later call
  // only points the target at Target, saving nothing.
  void Borrow(Surface& Target);
  // Puts back what Borrow saved, as the header describes. Nothing while
  // holding nothing, so a second call does nothing.
  void GiveBack();

  bool Holding() const { return target_ != nullptr; }
  Surface* Lender() const { return savedSurface_; }  // ActiveDoc before the borrow; nullptr while holding nothing

 private:
  Surface* target_ = nullptr;           // the surface lent; nullptr while holding nothing
  TargetBorrow* outer_ = nullptr;       // the borrow that held the target before this one; nullptr for none
  Surface* savedSurface_ = nullptr;     // ActiveDoc before the borrow
  Integer savedPreviewMode_ = 0;        // PreviewMode then (flag)
  Integer savedPreviewAllLayers_ = 0;   // PreviewAllLayers then (flag)
  ViewCacheState savedView_;            // the view cache then
};

// ---- Checks ------------------------------------------------------------------------------------
// True while a TargetBorrow holds the drawing target.
bool TargetBorrowed();

}  // namespace lintavo
