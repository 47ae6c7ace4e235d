// Surface: everything the program can draw on through ActiveDoc: a drawing
// window, a picture box or the printer page.
//
// A surface carries the pen, fill and text state the drawing routines set
// before they draw (colours, draw mode, width, line style, fill style), the
// scale in which its own drawing methods take coordinates, and the current
// positions. Its methods are the ones the drawing routines call on a window:
// PSet, Line (also as an outline or a filled box), Circle (arcs, radius lines
// for negative angles, ellipses by aspect), Cls and Print. The line-level
// calls MoveToEx, LineTo, AngleArc, Polyline, Polygon, PolyBezier, Rectangle
// and SetPixelV live in Gdi.h and draw in device pixels through the same pen.
//
// Device pixels count x from the left and rows down from the top. Images are
// drawn by the program's own rasteriser (PixelRaster) for one-pixel pens and
// fills, so the XOR and not-XOR pens restore every pixel when a shape is
// drawn twice; wider pens and text go through QPainter with the matching
// raster operation. The printer draws through QPainter with the copy pen.
// Arcs take their point terms from the surface's ShapeCache, and a solid
// one-pixel curve drawn before is set from its remembered pixels. A curve
// reaching far beyond the surface (zoomed far into) is walked only where it
// crosses the surface, so its cost follows the surface, not its own size.
#pragma once

#include <QFont>
#include <functional>
#include <vector>

#include "platform/PixelRaster.h"
#include "platform/ShapeCache.h"
#include "platform/Types.h"

class QPainter;
class QPaintDevice;

namespace lintavo {

// Drawing modes used by the program (1..16 are accepted).
constexpr Integer vbCopyPen = 13;    // normal drawing
constexpr Integer vbNotXorPen = 10;  // ghosts: erasable by drawing again
constexpr Integer vbXorPen = 7;      // rubber bands

// Line styles (DrawStyle): 0 solid, 1 dash, 2 dot, 3 dash-dot,
// 4 dash-dot-dot, 5 invisible, 6 inside solid. Styled pens are drawn only
// at width 1; wider pens are solid.
constexpr Integer vbSolid = 0;
constexpr Integer vbInvisible = 5;

// Fill styles (FillStyle): 0 solid, 1 transparent, 2 horizontal lines,
// 3 vertical lines, 4 upward diagonal, 5 downward diagonal, 6 cross,
// 7 diagonal cross.
constexpr Integer vbFSSolid = 0;
constexpr Integer vbFSTransparent = 1;

// Scale modes: 3 pixels, 5 inches.
constexpr Integer vbPixels = 3;
constexpr Integer vbInches = 5;

class Surface {
 public:
  virtual ~Surface() = default;

  // ---- Pen, fill and text state ----------------------------------------------
  Long ForeColor = 0x000000;   // pen colour, RGB with red in the low byte
  Long BackColor = 0xFFFFFF;   // colour of Cls
  Integer DrawMode = vbCopyPen;  // raster operation 1..16
  Integer DrawWidth = 1;       // pen width in pixels (values below 1 draw as 1)
  Integer DrawStyle = vbSolid;   // line style 0..6
  Integer FillStyle = vbFSTransparent;  // fill style 0..7 of Circle, Polygon, Rectangle
  Long FillColor = 0x000000;   // colour of fills
  QFont Font;                  // font of Print
  Integer ScaleMode = vbPixels;  // unit of the methods' coordinates: 3 pixels, 5 inches

  // ---- Current positions -------------------------------------------------------
  Single CurrentX = 0;  // scale units; set by PSet, Line, Circle and Print
  Single CurrentY = 0;
  DevicePoint GdiPosition{0, 0};  // device pixels; set by MoveToEx, LineTo, AngleArc

  // ---- Scale -------------------------------------------------------------------
  Double ScaleLeft() const { return 0.0; }
  Double ScaleTop() const { return 0.0; }
  Double ScaleWidth() const;   // device width in scale units
  Double ScaleHeight() const;  // device height in scale units

  // The device context of the line-level calls (Gdi.h): the surface itself.
  Surface* hDC() { return this; }
  // Whether the surface is an image the program sets pixel by pixel (a
  // window or a picture box), not a device that takes strokes (the printer).
  bool IsPixelImage() { return Raster() != nullptr; }

  // ---- Drawing methods (scale units) -------------------------------------------
  void PSet(Single x, Single y);                // a dot of DrawWidth in ForeColor
  void PSet(Single x, Single y, Long color);
  void Line(Single x1, Single y1, Single x2, Single y2);  // end pixel left out
  void Line(Single x1, Single y1, Single x2, Single y2, Long color);
  void LineBox(Single x1, Single y1, Single x2, Single y2);  // outline in ForeColor
  void LineBoxFilled(Single x1, Single y1, Single x2, Single y2, Long color);
  void Circle(Single x, Single y, Single radius);
  // Arc from start to end counterclockwise (radians); a negative angle also
  // draws the radius line to that end. Aspect below 1: radius is the X
  // radius; otherwise the Y radius.
  void Circle(Single x, Single y, Single radius, Double start, Double end, Double aspect = 1.0);
  void CircleAspect(Single x, Single y, Single radius, Double aspect);  // whole ellipse
  // Whether Circle with this radius and aspect draws nothing at all: both
  // radii round to no pixel.
  bool CircleShowsNothing(Single radius, Double aspect) const;
  void Cls();                                 // fills with BackColor, position to 0, 0
  void Print(const String& text);             // top-left at the current position
  Single TextWidth(const String& text) const;   // scale units
  Single TextHeight(const String& text) const;  // scale units

  // ---- Device level (pixels, rows down) ----------------------------------------
  virtual int DeviceWidth() const = 0;
  virtual int DeviceHeight() const = 0;
  virtual double DeviceDpi() const = 0;
  // Device pixels that one pixel of the program's own sizes (pen weights,
  // point marks, the thin pen) spans: 1 on screens and pictures; on a
  // printer, whose pixels are far finer, as many as make a screen pixel.
  virtual double PixelSpan() const { return 1; }

  // Strokes the polyline through n points with the current pen; closed joins
  // the last point to the first. Every segment leaves out its end pixel, so
  // a closed outline sets each of its pixels once.
  void StrokeDevice(const DevicePoint* points, int count, bool closed);
  // The line from (x0, y0) to (x1, y1) with the current pen, end pixel left out.
  void LineDevice(int x0, int y0, int x1, int y1);
  // Fills the polygon (alternate rule) in the given colour and fill style.
  void FillDevice(const DevicePoint* points, int count, Long color, Integer fillStyle);
  // One pixel in the given colour, through the draw mode or copied.
  void PixelDevice(int x, int y, Long color, bool throughDrawMode);
  // Appends the device points of an elliptical arc about (cx, cy), angles in
  // radians counterclockwise on the screen; a zero sweep is the whole ellipse.
  void AppendArcPoints(double cx, double cy, double rx, double ry, double start, double sweep);
  // Whether an ellipse about (cx, cy) with radii rx, ry (device pixels)
  // reaches beyond the surface by more than CurveSafeMargin, or is not
  // finite: such a curve is drawn by StrokeClippedArc, which walks only the
  // part near the surface. Curves that stay within are drawn whole.
  bool CurveLeavesSafeArea(double cx, double cy, double rx, double ry) const;
  // The part of the elliptical arc (as AppendArcPoints; a zero sweep is the
  // whole ellipse, filled when the fill style asks) that lies within the
  // surface grown by CurveClipMargin, about two pixels between points, each
  // piece stroked on its own. Its cost follows the surface, not the curve.
  // A curve that is not finite draws nothing.
  void StrokeClippedArc(double cx, double cy, double rx, double ry, double start, double sweep);
  // What Circle draws (start, end and whole as there) for the ellipse about
  // (cx, cy) with radii rx, ry in device pixels, by StrokeClippedArc; the
  // radius lines of negative angles are cut to the surface too.
  void ClippedCircleShape(double cx, double cy, double rx, double ry, Double start, Double end, bool whole);
  // The line from (x0, y0) to (x1, y1) (device pixels, doubles) cut to the
  // surface grown by CurveClipMargin first, so far ends keep its direction.
  void LineDeviceClipped(double x0, double y0, double x1, double y1);
  static constexpr double CurveSafeMargin = 16384;  // pixels beyond the surface a curve drawn whole may reach
  static constexpr double CurveClipMargin = 8;      // pixels beyond the surface a clipped curve is walked
  // Appends the points of a cubic Bezier segment, leaving out its first point.
  void AppendBezierPoints(const DevicePoint& p1, const DevicePoint& p2, const DevicePoint& p3,
                          const DevicePoint& p4);
  std::vector<DevicePoint>& ShapeBuffer() { return shape_; }  // scratch points of a shape

 protected:
  // The image pixels when the surface is an image; nullptr otherwise.
  virtual const RasterTarget* Raster() { return nullptr; }
  // The device for QPainter drawing.
  virtual QPaintDevice* PaintDevice() = 0;
  // Whether raster operations other than the copy pen apply.
  virtual bool SupportsDrawModes() const { return true; }
  // Called after anything was drawn.
  virtual void Touched() {}
  // QPainter drawing goes through this; a printer keeps one painter per page.
  virtual void WithPainter(const std::function<void(QPainter&)>& draw);

 private:
  double UnitsToPixels() const;  // device pixels per scale unit
  int DeviceX(Single x) const;
  int DeviceY(Single y) const;
  bool ThinPen() const { return DrawWidth <= 1; }
  void StrokePainter(const DevicePoint* points, int count, bool closed);
  void FillPainter(const DevicePoint* points, int count, Long color, Integer fillStyle);
  void SetPainterMode(QPainter& painter) const;
  // Text through a draw mode other than the copy pen, pixel by pixel.
  void PrintThroughDrawMode(const RasterTarget& raster, const QString& text, int x, int y);
  void CircleShape(Single x, Single y, Single radius, Double start, Double end, Double aspect,
                   bool whole);
  // The clipping walk of StrokeClippedArc: the parameter ranges of the arc
  // within the grown surface into pieces_, a range's points onto shape_, and
  // the fill of a whole ellipse where it covers the grown surface.
  void FindArcPieces(double cx, double cy, double rx, double ry, double start, double sweep);
  void AppendPiecePoints(double cx, double cy, double rx, double ry, double a, double b);
  void FillClippedEllipse(double cx, double cy, double rx, double ry);

  std::vector<DevicePoint> shape_;      // points of the shape being drawn
  std::vector<RasterPoint> fillPoints_;  // the same for the polygon fill
  std::vector<double> crossings_;        // scratch of the polygon fill
  std::vector<double> cuts_;             // scratch of StrokeClippedArc: parameters where the curve crosses the area
  std::vector<double> pieces_;           // scratch of StrokeClippedArc: parameter ranges inside the area, in pairs
  ShapeCache shapes_;                    // arc terms and stroke pixels of repeated shapes
};

}  // namespace lintavo
