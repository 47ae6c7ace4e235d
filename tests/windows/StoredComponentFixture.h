// StoredComponentFixture: a drawings database in the test folder holding a
// hexagon bolt symbol (a hexagon 2 wide, 1.732 high, with a circle of
// radius 0.75 inside, reference point at their centre) made the way a user
// makes one, by Edit, Component, Create, and then a fresh model, as in the
// next session: nothing of the component is in memory until a dialog
// loads it. With helpers that read the component dialogs' pictures.
#pragma once

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>

#include "commands/EditFixture.h"
#include "model/Top.h"
#include "model/UndoRedo.h"
#include "storage/TestDatabase.h"

namespace lintavo {

class StoredComponentFixture : public EditFixture {
 protected:
  static constexpr Double BoltX = 3, BoltY = 2.5;  // its reference point in the drawing it was made in
  static constexpr Double CornerRadius = 1;        // hexagon: the centre to a corner
  static constexpr Double HoleRadius = 0.75;

  void SetUp() override {
    EditFixture::SetUp();
    UserName = "Draughtsman";  // the component's author
    DwgDbPath = ScratchPath("Parts_dwg.mdb");
    CreateEmptyDrawingsDb(DwgDbPath);
    MakeStoredBolt();
    ResetModel();
    NewDwgRec(CurDwg);
    RefreshDocView(doc_);
  }

  // The bolt drawn, selected by a window and made a component, which
  // Create stores in the drawings database.
  void MakeStoredBolt() {
    const Double h = CornerRadius * std::sqrt(3.0) / 2;
    const Double r = CornerRadius, x = BoltX, y = BoltY;
    AddEntity(EntityPolygon, {{x + r, y}, {x + r / 2, y + h}, {x - r / 2, y + h}, {x - r, y},
                              {x - r / 2, y - h}, {x + r / 2, y - h}, {x + r, y}});
    AddCircle(x, y, HoleRadius);
    RefreshDocView(doc_);
    SelectWindow(x - 1.5, y - 1.5, x + 1.5, y + 1.5);
    DrawingDriver::Choose("mnuEditCompCreate");
    input_->ClickAt(x, y);
  }

  // Pixels of a preview that are not the background (white).
  static bool Drawn(const QImage& picture, int x, int y) { return picture.pixel(x, y) != qRgb(255, 255, 255); }
  static int DrawnPixels(const QImage& picture) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) count += Drawn(picture, x, y);
    return count;
  }
  // The box of the drawn pixels; an empty rectangle when none is drawn.
  static QRect DrawnBox(const QImage& picture) {
    QRect box;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        if (Drawn(picture, x, y)) box |= QRect(x, y, 1, 1);
    return box;
  }
  // The longest run of drawn pixels along row y.
  static int LongestRun(const QImage& picture, int y) {
    int longest = 0, run = 0;
    for (int x = 0; x < picture.width(); ++x) {
      run = Drawn(picture, x, y) ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    return longest;
  }
};

}  // namespace lintavo
