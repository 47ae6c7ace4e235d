// DrawingWindowFixture: the view fixture's main window with drawing 1 open
// (400 by 300 pixels), a driver that works it as a person does, the check
// that the picture equals a fresh redraw of the model, and the picture of a
// plain walk of every entity to compare a redraw with. The fixtures and
// tests on it choose their own scale (ShowAtScale, ShowFrom) and settings.
#pragma once

#include <QImage>
#include <memory>

#include "model/DataHand.h"
#include "support/DrawingDriver.h"
#include "view/DrawDispatch.h"
#include "view/ViewFixture.h"
#include "view/Zooms.h"

namespace lintavo {

class DrawingWindowFixture : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    doc_ = Open(1);
    input_ = std::make_unique<DrawingDriver>(*doc_);
  }

  // The surface now, against the same window redrawn from the model (which
  // makes the window the drawing target).
  bool EqualsFreshRedraw() { return EqualsFreshRedraw(doc_); }
  static bool EqualsFreshRedraw(frmDocument* window) {
    const QImage now = window->Image().copy();
    RefreshDocView(window);
    return now == window->Image();
  }

  // The window shows `scale` pixels to the unit from world (x, y) at its
  // lower left corner, its view cache loaded; nothing is redrawn.
  void ShowFrom(Double scale, Double x, Double y) {
    ShowAtScale(doc_, scale, 0);
    doc_->VbaseX = static_cast<Single>(-scale * x);
    doc_->Vbasey = static_cast<Single>(-scale * y);
    UpdateWorldWindow();
    LoadViewCache();
  }

  // The picture of the plain walk of the view as it stands: every live
  // entity of the drawing in table order, the entity index not asked.
  QImage PlainPicture() {
    EXPECT_TRUE(BeginViewPicture(true));
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == CurDwg && !Objs[i].Erased) DrawObject(i);
    return doc_->Image().copy();
  }

  // Point k (from 1) of entity objNo, and its coordinates.
  static const PntRec& Point(Long objNo, Integer k) { return Pnts[Objs[objNo].PointID + k - 1]; }
  static Double PX(Long objNo, Integer k) { return Point(objNo, k).X; }
  static Double PY(Long objNo, Integer k) { return Point(objNo, k).Y; }

  FixedDpiDocument* doc_ = nullptr;  // drawing 1, owned by the main window's area
  std::unique_ptr<DrawingDriver> input_;
};

}  // namespace lintavo
