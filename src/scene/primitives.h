#pragma once

#include "control/point2d.h"
#include "control/settings.h"
#include "scene/rgba.h"

// The drawing primitives of the scene and the charts. Coordinates, radii and lengths are in
// window units unless a world point is named; angles are radians, counter-clockwise from +x.
// Each primitive turns lighting off for its own drawing and back on when it is done, so
// between primitives lighting is on (bitmap text then takes the lit near-black).

// Segment p-q at the current line width.
void draw_line(const point2d& p, const point2d& q, const rgba& colour);
// Segment p-q, width * 400 pixels wide; leaves the line width at 2 pixels.
void draw_wide_line(const point2d& p, const point2d& q, double width, const rgba& colour);

// Filled 120-gon.
void fill_disc(const point2d& centre, double radius, const rgba& colour);
// Filled half disc, clockwise from the start angle over 119 of its 120 steps.
void fill_half_disc(const point2d& centre, double radius, double start, const rgba& colour);
// Closed 120-segment circle at the current line width.
void outline_circle(const point2d& centre, double radius, const rgba& colour);
// Open arc over the same angles as fill_half_disc.
void outline_half_circle(const point2d& centre, double radius, double start, const rgba& colour);

// Stadium: straight sides of the given length, round ends of diameter width, turned by angle.
void fill_stadium(const point2d& centre, double length, double width, double angle,
                  const rgba& colour);
void outline_stadium(const point2d& centre, double length, double width, double angle,
                     const rgba& colour);

// a x b rectangle with one corner at `corner`, side a along the turned x axis.
void fill_rect(const point2d& corner, double a, double b, double angle, const rgba& colour);
void outline_rect(const point2d& corner, double a, double b, double angle, const rgba& colour);

// Black grid of 2n + 1 lines each way around origin; the lines through the origin are 2
// pixels wide, the others 1. Leaves the line width at 1 (2 when n is 0).
void draw_grid(const point2d& origin, double angle, int n, double spacing_x, double spacing_y);

// Dot of radius 0.008 window units (3.2 pixels) at a world point, whatever the zoom.
void mark_point(const point2d& world, const rgba& colour);
// Dot of the given radius in metres at a world point; it scales with the zoom.
void mark_point_r(const point2d& world, double radius_m, const rgba& colour);

// Radius of the trail and marker dots in window units.
inline constexpr double mark_radius = 0.04 * view_scale0;
