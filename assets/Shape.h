// Shapes as signed distance fields in design units (negative inside, positive outside), each with
// a bounding box, so that a canvas can fill them with smooth edges at any scale.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

namespace assetgen {

struct Vec {
    double x = 0;
    double y = 0;
};

inline Vec operator+(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(Vec a, double s)
{
    return {a.x * s, a.y * s};
}
inline double Dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y;
}
inline double Length(Vec a)
{
    return std::hypot(a.x, a.y);
}

inline constexpr double Pi = 3.14159265358979323846;
inline double Radians(double degrees)
{
    return degrees * Pi / 180.0;
}
// The point at an angle in degrees on an ellipse; 0 is east and 90 south (y grows downwards).
inline Vec OnEllipse(Vec centre, double rx, double ry, double degrees)
{
    return {centre.x + rx * std::cos(Radians(degrees)), centre.y + ry * std::sin(Radians(degrees))};
}

struct Box {
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;

    Box Grown(double r) const { return {x0 - r, y0 - r, x1 + r, y1 + r}; }
    Box Joined(const Box& o) const
    {
        return {std::fmin(x0, o.x0), std::fmin(y0, o.y0), std::fmax(x1, o.x1), std::fmax(y1, o.y1)};
    }
    // Distance from p to the box (0 inside): a lower bound of any shape's distance inside it.
    double DistanceTo(Vec p) const
    {
        const double dx = std::fmax(std::fmax(x0 - p.x, p.x - x1), 0.0);
        const double dy = std::fmax(std::fmax(y0 - p.y, p.y - y1), 0.0);
        return std::hypot(dx, dy);
    }
};

struct Shape {
    Box bounds;
    std::function<double(Vec)> field;

    double operator()(Vec p) const { return field(p); }
};

// Placement of a shape drawn in its own units: scaled, turned (degrees, clockwise on screen),
// optionally mirrored left to right (before turning), then moved to origin.
struct Place {
    Vec origin;
    double scale = 1;
    double degrees = 0;
    bool mirror = false;
};

Shape Circle(Vec centre, double radius);
Shape Ellipse(Vec centre, double rx, double ry);
Shape Rect(double x0, double y0, double x1, double y1, double cornerRadius = 0);
Shape Polygon(std::vector<Vec> points);
Shape Capsule(Vec a, Vec b, double radius);
Shape Polyline(const std::vector<Vec>& points, double radius);
// A stroke along part of an ellipse, from angle a0 to a1 in degrees (either direction).
Shape Arc(Vec centre, double rx, double ry, double a0, double a1, double radius);
Shape Star(Vec centre, double outer, double inner, int points, double degrees = -90);
Shape RegularPolygon(Vec centre, double radius, int sides, double degrees = -90);
// Everything on the side of the line through p that the normal points away from.
Shape HalfPlane(Vec p, Vec normal);

Shape Union(const Shape& a, const Shape& b);
Shape Union(std::vector<Shape> shapes);
Shape Intersect(const Shape& a, const Shape& b);
Shape Subtract(const Shape& a, const Shape& b);
Shape Grow(const Shape& a, double radius);
Shape Outline(const Shape& a, double halfWidth);
Shape Placed(const Shape& a, const Place& place);

} // namespace assetgen
