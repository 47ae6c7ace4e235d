// PlainDrawing: the yardsticks' copy of a loaded drawing in plain records,
// and the plain renderer of a view of it: for each entity, its box taken
// from its points and tested against the view, then what shows drawn with the plain Bresenham loop
// (PlainRaster) into an image: lines and polylines segment by segment, arcs
// and circles as chords a few pixels long, each text character's glyph
// strokes (from a table by glyph) placed at its origin, scale and angle, a
// hatch's 45-degree lines clipped to its area's box. An entity smaller
// than a pixel is one pixel, as is a character under 2 pixels high.
//
// The copy is made outside the timing, from the model's tables after a
// load: the shown, not erased entities of the current drawing.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

#include "MixedDrawing.h"
#include "platform/Types.h"

namespace lintavo {

class PlainDrawing {
 public:
  void CopyCurrentDrawing();  // from the model's tables
  long Entities() const { return static_cast<long>(entities_.size()); }

  // The extents of every point of the drawing.
  WorldBox Extents() const;
  // Every point and box moved by (dx, dy).
  void Offset(Double dx, Double dy);
  // Clears the image (1600 x 1000, RGB32) and draws the current view (the
  // program's view transform, ViewCache.h) of the drawing.
  void Draw(QImage& image) const;

 private:
  enum class Kind : std::uint8_t { Line, Polyline, Arc, Circle, Text, Hatch };
  struct XY {
    Double x, y;
  };
  struct Entity {
    Kind kind;
    std::uint32_t pen;     // ARGB
    std::uint32_t first;   // in points_
    std::uint32_t count;
    std::int32_t glyph;    // Text: index into glyphs_
  };
  struct Box {
    Double xmin, ymin, xmax, ymax;
  };
  struct Glyph {
    std::vector<XY> segments;  // stroke segments in cell units, two points each
  };
  struct Target;  // the image and the view while drawing

  static std::uint32_t Places(const Entity& e);  // its points that are places
  Box BoxOf(const Entity& e) const;
  void DrawEntity(const Target& t, const Entity& e, const Box& box) const;
  void DrawArc(const Target& t, const Entity& e) const;
  void DrawText(const Target& t, const Entity& e) const;
  void DrawHatch(const Target& t, const Entity& e) const;
  std::int32_t GlyphOf(Long item);

  std::vector<Entity> entities_;
  std::vector<XY> points_;
  std::vector<Glyph> glyphs_;
  std::vector<std::int32_t> glyphOfItem_;  // by glyph item index; -1 not copied yet
};

}  // namespace lintavo
