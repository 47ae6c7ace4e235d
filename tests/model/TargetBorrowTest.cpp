// TargetBorrow: the drawing target and the view cache given back exactly,
// however the borrow ends, nested borrows, and the faults it refuses.
#include "model/TargetBorrow.h"

#include <functional>
#include <stdexcept>

#include "model/LayerItems.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "platform/ImageSurface.h"
#include "support/ModelFixture.h"

namespace lintavo {
namespace {

// Everything a borrow changes and must give back.
struct TargetState {
  Surface* Doc = nullptr;
  Integer Preview = 0;
  Integer AllLayers = 0;
  ViewCacheState View;
  bool operator==(const TargetState&) const = default;
};

TargetState CurrentTarget() { return {ActiveDoc, PreviewMode, PreviewAllLayers, SaveViewCache()}; }

// A view whose every value differs with k, as a borrower loads its surface's view.
void LoadViewNumbered(Single k) {
  ViewPixMinX = static_cast<Long>(k);
  ViewPixMinY = static_cast<Long>(2 * k);
  ViewPixMaxX = static_cast<Long>(300 * k);
  ViewPixMaxY = static_cast<Long>(200 * k);
  ViewBaseX = 3 * k;
  ViewBaseY = 4 * k;
  ViewWinMinX = -k;
  ViewWinMinY = -2 * k;
  ViewWinMaxX = 10 * k;
  ViewWinMaxY = 7 * k;
  ViewScaleX = ViewScaleY = 96 * k;
  ViewZoom = k / 8;
}

class TargetBorrowTest : public ModelFixture {
 protected:
  void SetUp() override {
    ModelFixture::SetUp();
    // The lender is no drawing window, so what comes back is the saved values alone.
    ActiveDoc = &lender_;
    PreviewMode = FlagFalse;
    PreviewAllLayers = FlagTrue;
    LoadViewNumbered(1);
  }

  ImageSurface lender_{40, 30};
  ImageSurface picture_{20, 10};
  ImageSurface printer_{50, 50};
};

TEST_F(TargetBorrowTest, GivesBackTheTargetAndTheViewCacheHoweverTheBorrowEnds) {
  struct EndCase {
    const char* name;
    std::function<void()> borrow;
  };
  const EndCase cases[] = {
      {"end of scope",
       [this] {
         TargetBorrow onPicture(picture_);
         EXPECT_EQ(ActiveDoc, &picture_);
         EXPECT_EQ(PreviewMode, FlagTrue);
         EXPECT_EQ(onPicture.Lender(), &lender_);
         LoadViewNumbered(2);
         PreviewAllLayers = FlagFalse;
       }},
      {"early return",
       [this] {
         TargetBorrow onPicture;
         onPicture.Borrow(picture_);
         LoadViewNumbered(2);
         if (ViewZoom > 0) return;
         ADD_FAILURE() << "not reached";
       }},
      {"exception",
       [this] {
         try {
           TargetBorrow onPicture(picture_);
           LoadViewNumbered(2);
           throw std::runtime_error("drawing failed");
         } catch (const std::runtime_error&) {
         }
       }},
      {"given back twice",
       [this] {
         TargetBorrow onPicture(picture_);
         LoadViewNumbered(2);
         onPicture.GiveBack();
         EXPECT_FALSE(onPicture.Holding());
         ActiveDoc = &printer_;  // taken after the give-back: the second one leaves it
         onPicture.GiveBack();
         EXPECT_EQ(ActiveDoc, &printer_);
         ActiveDoc = &lender_;
       }},
      {"pointed at a second surface",
       [this] {
         TargetBorrow onPicture(picture_);
         LoadViewNumbered(2);
         onPicture.Borrow(printer_);
         EXPECT_EQ(ActiveDoc, &printer_);
         LoadViewNumbered(3);
       }},
  };
  const TargetState before = CurrentTarget();
  for (const EndCase& c : cases) {
    SCOPED_TRACE(c.name);
    c.borrow();
    EXPECT_TRUE(CurrentTarget() == before);
    EXPECT_EQ(ActiveDoc, &lender_);
    EXPECT_EQ(ViewZoom, before.View.Zoom);
    EXPECT_FALSE(TargetBorrowed());
  }
}

TEST_F(TargetBorrowTest, ANestedBorrowGivesBackTheOuterBorrowsPictureAndView) {
  const TargetState before = CurrentTarget();
  {
    TargetBorrow onPicture(picture_);
    LoadViewNumbered(2);
    const TargetState onThePicture = CurrentTarget();
    {
      TargetBorrow onPage(printer_);
      EXPECT_EQ(onPage.Lender(), &picture_);
      LoadViewNumbered(3);
      PreviewAllLayers = FlagFalse;
    }
    EXPECT_TRUE(CurrentTarget() == onThePicture);
    EXPECT_EQ(ActiveDoc, &picture_);
    EXPECT_EQ(ViewPixMaxX, 600);
    EXPECT_TRUE(TargetBorrowed());
  }
  EXPECT_TRUE(CurrentTarget() == before);
  EXPECT_FALSE(TargetBorrowed());
}

TEST_F(TargetBorrowTest, AWindowResizedWhileLentGetsItsNewViewBack) {
  Activate(doc_);
  doc_.View_Maxx = 400;
  doc_.View_Maxy = 300;
  doc_.XVmax = 4;
  doc_.YVmax = 3;
  doc_.XVscale = doc_.YVscale = 100;
  LoadViewCache();
  {
    TargetBorrow onPicture(picture_);
    LoadViewNumbered(2);
    doc_.View_Maxx = 500;  // the window takes a new size while a dialog holds the target
    doc_.XVmax = 5;
  }
  EXPECT_EQ(ActiveDoc, &doc_);
  EXPECT_EQ(ViewPixMaxX, 500);
  EXPECT_EQ(ViewPixMaxY, 300);
  EXPECT_EQ(ViewWinMaxX, 5);
  EXPECT_EQ(ViewScaleX, 100);
}

TEST_F(TargetBorrowTest, ATargetTakenMeanwhileIsLeftToWhatTookItButPreviewModeEnds) {
  {
    TargetBorrow onPicture(picture_);
    PreviewAllLayers = FlagFalse;
    ActiveDoc = &printer_;  // something else made its own surface the target
    LoadViewNumbered(5);
  }
  EXPECT_EQ(ActiveDoc, &printer_);
  EXPECT_EQ(ViewPixMaxX, 1500);
  EXPECT_EQ(PreviewMode, FlagFalse);
  EXPECT_EQ(PreviewAllLayers, FlagTrue);
}

using TargetBorrowDeathTest = TargetBorrowTest;

TEST_F(TargetBorrowDeathTest, BorrowsEndedOutOfOrderStopTheProgram) {
#if LINTAVO_CHECK_INVARIANTS
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        TargetBorrow onPicture(picture_);
        TargetBorrow onPage(printer_);
        onPicture.GiveBack();
      },
      "model invariant broken");
  EXPECT_DEATH(
      {
        TargetBorrow onPicture(picture_);
        TargetBorrow onPage(printer_);
        onPicture.Borrow(lender_);
      },
      "model invariant broken");
#else
  GTEST_SKIP() << "built without invariant checks";
#endif
}

TEST_F(TargetBorrowDeathTest, ACommandDispatchedWhileATargetIsBorrowedStopsTheProgram) {
#if LINTAVO_CHECK_INVARIANTS
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  ActiveTool = ToolLineDraw;
  EXPECT_DEATH(
      {
        TargetBorrow onPicture(picture_);
        SelectTool();
      },
      "model invariant broken");
#else
  GTEST_SKIP() << "built without invariant checks";
#endif
}

}  // namespace
}  // namespace lintavo
