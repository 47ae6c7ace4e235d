// DrawingWindowFixture: the view fixture's main window with drawing 1 open
// (400 by 300 pixels), a driver that works it as a person does, and the
// check that the picture equals a fresh redraw of the model. The fixtures
// and tests on it choose their own scale (ShowAtScale) and settings.
#pragma once

#include <QImage>
#include <memory>

#include "support/DrawingDriver.h"
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

  // The surface now, against the same window redrawn from the model.
  bool EqualsFreshRedraw() {
    const QImage now = doc_->Image().copy();
    RefreshDocView(doc_);
    return now == doc_->Image();
  }

  FixedDpiDocument* doc_ = nullptr;  // drawing 1, owned by the main window's area
  std::unique_ptr<DrawingDriver> input_;
};

}  // namespace lintavo
