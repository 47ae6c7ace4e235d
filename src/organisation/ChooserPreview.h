// ChooserPreview: the preview surface every item chooser shares.
//
// A chooser makes its picture box the drawing target while it is open,
// through a TargetBorrow it keeps: ActiveDoc points at the picture,
// PreviewMode is set, and the view cache describes the picture (true size
// until an item is previewed, then fitted to the item's extents). Closing
// gives the borrow back (TargetBorrow::GiveBack), so the drawing window draws
// with its own view again. Previews are drawn with the ordinary drawing
// routines; the visibility test passes only PreviewLayer's entities.
#pragma once

#include "platform/Types.h"

namespace lintavo {

class Surface;
class TargetBorrow;
struct ItemRec;

// Makes Picture the drawing target through Session at true size (one world
// unit per PixelsPerUnit pixels, origin bottom left) and sets PreviewMode.
void InitPreviewSurface(TargetBorrow& Session, Surface& Picture, Long Width, Long Height);

// Where a preview window for a box of nothing takes its upper corner.
enum class PreviewCorner {
  DrawingOne,    // the extents of the drawing record in slot 1; the default
                 // sheet's corner where those are no box above the window's lower corner
  DefaultSheet,  // the default sheet size (DefDwgWidth, DefDwgHeight)
};
// The world window of the view cache := the item's extents offset by its
// origin. A window with no width or height is given the size that shows the
// figure it holds (ItemHoldsFigure, SizeFigureBox at true size in the
// picture: a level line fills it along its length). A box of nothing (one
// of no width or height that holds no figure, or one inside out, as a
// measure leaves a layer with nothing shown) takes the window from its
// lower corner (the origin for an inside-out box) to the upper corner
// Corner says. False when the window still has no width or height.
bool SetPreviewWindow(const ItemRec& Item, PreviewCorner Corner = PreviewCorner::DrawingOne);
// Fits the world window into the picture (no margin, centred, the smaller
// of the two scales). A window without width or height is not fitted.
void FitPreviewToView();
// Draws every entity of the current drawing on layer Layer, the layer shown
// meanwhile and Reference Points off. PreviewLayer := Layer, PreviewAllLayers off.
void DrawLayerPreview(Long Layer);
// Draws every shown entity of the current drawing, every shown layer, that
// is owned by Owner (0: every entity). Nothing when the preview window has
// no width or height (it could not be fitted). Reference Points are left as
// they are: the chooser decides.
void DrawOwnedPreview(Long Owner);
// Widens the preview window by a tenth of its width on the left and right
// and a tenth of its height at the bottom and top.
void WidenPreviewWindow();
// The width and height of what SetPreviewWindow last previewed, world
// units: the item's own box (a level line's height is 0), or the window
// put in place of a box that holds no figure.
Double PreviewWidth();
Double PreviewHeight();

}  // namespace lintavo
