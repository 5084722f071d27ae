// The drawing on a drafting screen: entities in model units (millimetres, y up) and the view
// that maps them to the drawing area's pixels. Adding an entity draws it; changing one redraws
// the area it covered and covers now; a new view redraws the whole area.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/gifgen/palette.h"
#include "tools/gifgen/raster.h"

namespace torvek::gifgen {

enum class EntityKind { kPolyline, kCircle, kText, kFilled };
enum class Align { kLeft, kCentre, kRight };

struct Entity {
  EntityKind kind = EntityKind::kPolyline;
  std::vector<Point> points;  // polyline vertices; circle centre; text anchor; solid corners
  int radius = 0;
  std::string text;
  int height = 0;  // capital height of a text
  Align align = Align::kLeft;
  bool middle = false;    // text anchored at the middle of its capitals, not the baseline
  bool vertical = false;  // text reading bottom to top
  std::uint8_t colour = kWhite;
  Pattern pattern = kSolid;
  int weight = 1;  // pixels
  bool closed = false;
  bool selected = false;  // dashed, with grips, as a selection shows
  bool hidden = false;
};

Entity MakeLine(Point from, Point to, std::uint8_t colour, Pattern pattern = kSolid,
                int weight = 1);
Entity MakePolyline(std::vector<Point> points, std::uint8_t colour, int weight = 1,
                    bool closed = false);
Entity MakeCircle(Point centre, int radius, std::uint8_t colour);
Entity MakeText(Point anchor, std::string text, int height, std::uint8_t colour,
                Align align = Align::kLeft);
Entity MakeSolid(Point corner, Point opposite, std::uint8_t colour);
// An entity moved by `offset`, in model units.
Entity Moved(Entity entity, Point offset);

// `pixels` screen pixels for every `units` model units; `origin` is the model point at the
// bottom-left pixel of the drawing area.
struct View {
  Point origin;
  int pixels = 1;
  int units = 20;
};

class Drawing {
 public:
  Drawing(Raster& still, const Rect& area, std::uint8_t background);

  const Rect& Area() const { return area_; }
  std::uint8_t Background() const { return background_; }
  const View& CurrentView() const { return view_; }
  void SetView(const View& view);

  Point ToScreen(Point model) const;
  Point ToModel(Point screen) const;
  int ToPixels(int length) const;

  int Add(Entity entity);
  const Entity& Get(int id) const { return entities_[static_cast<std::size_t>(id)]; }
  int Count() const { return static_cast<int>(entities_.size()); }
  template <typename Edit>
  void Change(int id, Edit edit) {
    Entity& entity = entities_[static_cast<std::size_t>(id)];
    const Rect before = Extent(entity);
    edit(entity);
    Redraw(Union(before, Extent(entity)));
  }
  void Redraw(const Rect& area);

  // Draws `entity` on any raster through this view (the overlay draws dragged copies so).
  void DrawEntity(Raster& raster, const Entity& entity) const;
  // The pixels `entity` covers, grips included.
  Rect Extent(const Entity& entity) const;

 private:
  struct TextPlacement {
    Point origin;
    int scale = 0;  // 0: too small to read, shown as a bar
    int capPixels = 0;
    int length = 0;
  };
  TextPlacement PlaceText(const Entity& text) const;
  void DrawUcsIcon();

  Raster& still_;
  Rect area_;
  std::uint8_t background_;
  View view_;
  std::vector<Entity> entities_;
};

}  // namespace torvek::gifgen
