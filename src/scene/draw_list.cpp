#include "scene/draw_list.h"

const char* part_name(PartId id) {
  switch (id) {
    case PartId::title:
      return "title";
    case PartId::grid:
      return "grid";
    case PartId::ghost:
      return "ghost";
    case PartId::red_trail:
      return "red_trail";
    case PartId::red_vehicle:
      return "red_vehicle";
    case PartId::blue_trail:
      return "blue_trail";
    case PartId::blue_vehicle:
      return "blue_vehicle";
    case PartId::upper:
      return "upper";
    case PartId::compare:
      return "compare";
    case PartId::status:
      return "status";
    case PartId::chart_dots:
      return "chart_dots";
    case PartId::overlays:
      return "overlays";
    case PartId::count:
      break;
  }
  return "";
}

void DrawList::clear(int width, int height) {
  width_ = width;
  height_ = height;
  parts_.clear();
  cmds_.clear();
  vertices_.clear();
  chars_.clear();
}

void DrawList::begin_part(PartId id, Retain retain, std::uint64_t key) {
  parts_.push_back({id, retain, key, static_cast<int>(cmds_.size()), 0});
}

void DrawList::end_part() {
  DrawPart& p = parts_.back();
  p.count = static_cast<int>(cmds_.size()) - p.first;
}

const DrawPart* DrawList::part(PartId id) const {
  for (const DrawPart& p : parts_) {
    if (p.id == id) return &p;
  }
  return nullptr;
}

void DrawList::begin_shape(DrawKind mode, const rgba& colour, float width, const point2d& origin,
                           bool turned, double angle) {
  DrawCmd c{};
  c.kind = mode;
  c.turned = turned;
  c.colour = colour;
  c.width = width;
  c.stipple_factor = 1;
  c.origin = origin;
  c.angle = angle;
  c.first = static_cast<int>(vertices_.size());
  cmds_.push_back(c);
}

void DrawList::vertex(double x, double y) {
  vertices_.push_back({x, y});
}

void DrawList::end_shape() {
  DrawCmd& c = cmds_.back();
  c.count = static_cast<int>(vertices_.size()) - c.first;
}

void DrawList::disc(const point2d& centre, double radius, const rgba& colour) {
  DrawCmd c{};
  c.kind = DrawKind::disc;
  c.colour = colour;
  c.origin = centre;
  c.radius = radius;
  c.first = static_cast<int>(vertices_.size());
  cmds_.push_back(c);
}

void DrawList::begin_discs(double radius, const rgba& colour, double covered_from) {
  begin_shape(DrawKind::discs, colour, 0.0f, {0.0, 0.0});
  cmds_.back().radius = radius;
  cmds_.back().covered_from = covered_from;
}

void DrawList::text(double x, double y, FontId font, std::string_view text, const rgba& colour) {
  DrawCmd c{};
  c.kind = DrawKind::text;
  c.font = font;
  c.colour = colour;
  c.origin = {x, y};
  c.first = static_cast<int>(chars_.size());
  c.count = static_cast<int>(text.size());
  chars_.insert(chars_.end(), text.begin(), text.end());
  cmds_.push_back(c);
}

void DrawList::image(double x, double y, const DrawImage* image) {
  DrawCmd c{};
  c.kind = DrawKind::image;
  c.origin = {x, y};
  c.image = image;
  cmds_.push_back(c);
}
