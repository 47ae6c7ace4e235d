// Zooms: the view transform of the drawing windows, the view cache every
// drawing routine reads, and the zoom command state.
//
// A window's view maps world units (inches, Y up) to view pixels (x from the
// left, y upward from the bottom of the drawing area):
//   x = X * XVscale + VbaseX,   y = Y * YVscale + Vbasey
// with XVscale = YVscale = View_Scale * PixelsPerUnit. The master copy of a
// view is the public state of its window (DrawingWindow.h); this module keeps it
// consistent, has the active window's view copied into the cache (LoadViewCache,
// ViewCache.h), remembers one previous view, fits world rectangles into the
// window, measures the drawing extents and redraws the whole surface. Every routine acts on ActiveDoc, and
// CurDwg must be that window's ID.
//
// Sections:
//   Command state
//   Screen measure
//   Module view state
//   View set-up and fitting
//   Figures without width or height
//   Previous view
//   Extents and redraw
//   Drag pan
//   Images kept on the surface
//   Reset
#pragma once

#include "model/ViewCache.h"
#include "platform/Types.h"

namespace lintavo {

class DrawingWindow;
struct ItemRec;

// ---- Sub-commands (values of ZoomCommand; 7 and 8 are not used) ---------------------
enum ZoomCode : Integer {
  ZoomAllCode = 1,           // ZOOM ALL: the drawing's extents
  ZoomLimitsCode = 2,        // ZOOM Drawing Limits: the sheet
  ZoomWindowCode = 3,        // ZOOM Window: a window of two corners
  ZoomScaleCode = 4,         // ZOOM SCALE: a typed scale
  ZoomInCode = 5,            // ZOOM IN: about a clicked centre
  ZoomOutCode = 6,           // ZOOM OUT: about a clicked centre
  ZoomPreviousCode = 9,      // ZOOM PREVIOUS: the view before the last change
  PanLeftCode = 10,          // pan left by half the window's width
  PanRightCode = 11,         // pan right by half the window's width
  PanUpCode = 12,            // pan up by half the window's height
  PanDownCode = 13,          // pan down by half the window's height
  ZoomFullCode = 14,         // ZOOM FULL DRAWING; the end of start-up
};
constexpr Integer HighestZoomCode = ZoomFullCode;  // codes 1..this, 7 and 8 unused; a new code takes the next number

// ---- Command state -------------------------------------------------------------
// The commands themselves and their dispatcher are in ZoomCommands; the
// state is here because every refresh of a view ends a running zoom command.
extern Integer ZoomCommand;  // sub-command chosen by the menus and tool bars (1 ZOOM ALL ...)
extern Integer ZoomActive;   // flag: the module's dispatcher has taken the current command

// Ends the running zoom command: prompts cleared, tool state 0, cross pointer.
void EndZoomCommand();

// ---- Screen measure ----------------------------------------------------------------
extern Single PixelsPerUnit;  // screen pixels per inch (one world unit), whole; set by InitView, 96 at start

// ---- Module view state ---------------------------------------------------------------
// A world window: world coordinates at the pixel bounds of an area.
struct ViewWindowRect {
  Double MinX = 0;  // world units
  Double MinY = 0;
  Double MaxX = 0;
  Double MaxY = 0;
};
extern ViewWindowRect PrevViewWindow;  // one view for all windows, for ZOOM PREVIOUS; swapped by RestoreViewWindow
extern Double ViewCenterX;  // world point shown at the centre of the area by ApplyViewScale;
extern Double ViewCenterY;  //   set by FitViewToWindow and the zoom in / out commands only

// ---- View set-up and fitting ----------------------------------------------------------
// The view of a new window: its size in inches and pixels, PixelsPerUnit,
// and world 0..width × 0..height inches at true size, origin bottom left.
void InitView(DrawingWindow& window);
void ApplyViewScale();     // scale and origin from View_Scale about ViewCenterX, ViewCenterY
void UpdateWorldWindow();  // XVmin..YVmax from the pixel bounds
void UpdateWorldWindow(DrawingWindow& Window);  // the same for a window that is not the target
// Scale and origin so that the world window XVmin..XVmax × YVmin..YVmax fills
// the area in its tighter direction, centred; the world window then becomes
// what the whole area shows (UpdateWorldWindow), so that what the padding
// shows beside the rectangle is drawn, filled, gridded and printed too.
// False when the area or the window has no extent, or the view would not be
// showable (IsShowableView): the scale and origin are then left as they
// were, the world window is put back to the one they show, and "View Not
// Valid! View Unchanged" is shown in panel 3.
bool FitViewToWindow();
// The world window of the active drawing window := Box, then
// FitViewToWindow; its result (false, with nothing done, without a window).
bool FitViewToBox(const ViewWindowRect& Box);
// Whether the window can show a view of zoom factor viewScale centred on
// (centreX, centreY): its pixels per unit and the view pixel of the world
// origin are finite nonzero reals in single precision, and the world window
// they give has a finite width and height above 0.
bool IsShowableView(const DrawingWindow& window, Double viewScale, Double centreX, Double centreY);
constexpr const char* MessageViewRefused = "View Not Valid! View Unchanged";  // panel 3
// The world window of the active drawing window := the box of an item (a
// group's or an area's extents) with the margin the fit of the whole drawing
// leaves, 1/100 of its size on each side, then FitViewToWindow; its result.
// Without the margin the view would end on the box's far edges, whose last
// pixel column and row lie just beyond the area: what the item draws there
// would be cut. With Figure (the box holds a figure: ItemHoldsFigure), a box
// of no width or height is then given the size that shows the figure
// (SizeFigureBoxForWindow); without, such a box is refused as FitViewToWindow
// refuses it.
bool FitViewToItemBox(Double Xmin, Double Ymin, Double Xmax, Double Ymax, bool Figure = false);

// ---- Figures without width or height -------------------------------------------------------
// A level or upright line, lines on one level, or one point have a box of no
// height or no width, which no scale fits. A fit of such a box shows the
// figure all the same: the box is given a size first, centred on the figure.
// A box that holds nothing (an empty layer's 0, 0, 0, 0, the inside-out box
// of nothing shown) is not given one: the fit keeps the view or refuses.
//
// Whether Box is inside out on either axis, or not a number: the box of
// nothing a measure that found nothing shown leaves.
bool IsInsideOut(const ViewWindowRect& Box);
// Whether Box has a width and a height above 0.
bool HasWidthAndHeight(const ViewWindowRect& Box);
// Whether Box (world units) holds a figure a fit can show: it is not inside
// out, and it has a width or a height, or, having neither, Members > 0.
bool HoldsFigure(const ViewWindowRect& Box, Long Members);
// HoldsFigure for an item's stored box and its count of entities (Nlines):
// a group, a layer or a component. An area or a view of no size holds
// nothing that a fit could show (its box is a region, not a figure): false.
bool ItemHoldsFigure(const ItemRec& Item);
// A box of no width or no height given the size that shows it in an area
// of Wide x High pixels, centred where it was: one of no height takes the
// height that gives it the area's shape, so that a level line fills the
// area along its length; one of no width likewise; one of neither (a point)
// the size the area shows at PixelsPerWorldUnit, the view's present scale.
// A box of both width and height, or an area without pixels, is left as it
// is; a size that is not finite is left for the fit to refuse.
void SizeFigureBox(ViewWindowRect& Box, Double Wide, Double High, Double PixelsPerWorldUnit);
// SizeFigureBox for the active drawing window's area at its present scale.
void SizeFigureBoxForWindow(ViewWindowRect& Box);

// ---- Previous view -----------------------------------------------------------------------
void SaveViewWindow();     // PrevViewWindow := the world window of ActiveDoc
// Swaps the world window of ActiveDoc with PrevViewWindow, fits and redraws;
// a second call returns to the first view.
void RestoreViewWindow();

// ---- Extents and redraw ----------------------------------------------------------------------
// Extents of the current drawing and its layers, and each layer's count, by
// an extents pass over its live objects, with a margin of 1/100 of the size
// on every side; clears the current drawing's ExtentsChanged mark, and no
// other drawing's. The drawing's own count (Nlines) is left to the road by
// which entities join and leave it (SetEntityDrawing).
void ComputeDrawingExtents();
// Whether the current drawing's extents must be measured again before Show
// All fits them: its entities changed since the last measure (its
// ExtentsChanged mark), or the active window shows another set of its layers
// than showed then (View All, the top layer chosen, a layer shown or hidden).
bool ExtentsNeedMeasure();
// Clears ActiveDoc and readies a new picture of the current drawing: the
// extents of noted items, the view cache, the pick reach, the read-outs, the
// reference mark (with RefMark, when shown) and the redraw hooks. False,
// with nothing done, when there is no drawing window or surface to draw on.
bool BeginViewPicture(bool RefMark);
void RedrawView();         // BeginViewPicture, then the current drawing whole, the grid and the rulers
// Whether the redraw of the current view visits only the entities the object
// index names for a world rectangle (the view shows a part of the drawing),
// and that rectangle: the view window widened by the pixels marks and pen
// weights draw beyond an entity's box. Read after the view cache is loaded.
bool RedrawAsksObjIndex(Double& Xmin, Double& Ymin, Double& Xmax, Double& Ymax);
void RefreshActiveView();  // ends a running zoom command, then RedrawView
void RefreshDocView(DrawingWindow* frm);  // makes frm the active surface, then RefreshActiveView

// ---- Drag pan ------------------------------------------------------------------------------------
// A left drag in a drawing window while no command runs moves the drawing
// with the mouse. The anchor is the view pixel of the last drag move; 0
// means no anchor on that axis, and the button release sets both to 0.
extern Double DragLastX, DragLastY;
// Moves the view of ActiveDoc by the mouse's movement since the anchor to
// the view pixel (x, y) and redraws; the previous view is not saved.
void DragPan(Double x, Double y);

// ---- Images kept on the surface ------------------------------------------------------------------
// A full redraw clears the surface. A module that keeps an image of its own
// on it (the grip frame, the outline of the text box being edited) registers
// a routine that RedrawView calls after the clear and before the objects:
// it forgets the image or draws it again.
void RegisterRedrawHook(void (*routine)());
// A module whose image lies over the drawing (the grip frame, drawn with the
// not-XOR pen) registers a routine that RedrawView calls last, once the
// objects, the grid and the rulers are drawn: it draws the image again.
void RegisterRedrawDoneHook(void (*routine)());

// ---- Reset -------------------------------------------------------------------------------------
void ResetZooms();  // the module's globals to their start values

}  // namespace lintavo
