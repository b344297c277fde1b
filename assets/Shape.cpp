// Signed distance fields of the basic shapes and the ways of combining them.
#include "assets/Shape.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace assetgen {

namespace {

Box BoxOf(const std::vector<Vec>& points)
{
    Box box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Vec& p : points) {
        box = box.Joined({p.x, p.y, p.x, p.y});
    }
    return box;
}

double SegmentDistance(Vec p, Vec a, Vec b)
{
    const Vec pa = p - a;
    const Vec ba = b - a;
    const double len2 = Dot(ba, ba);
    const double h = len2 > 0 ? std::clamp(Dot(pa, ba) / len2, 0.0, 1.0) : 0.0;
    return Length(pa - ba * h);
}

} // namespace

Shape Circle(Vec centre, double radius)
{
    return {Box{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius},
            [=](Vec p) { return Length(p - centre) - radius; }};
}

Shape Ellipse(Vec centre, double rx, double ry)
{
    // A close approximation of the true distance; exact on the curve, which is what edges need.
    return {Box{centre.x - rx, centre.y - ry, centre.x + rx, centre.y + ry}, [=](Vec p) {
                const Vec d = p - centre;
                const double k0 = std::hypot(d.x / rx, d.y / ry);
                const double k1 = std::hypot(d.x / (rx * rx), d.y / (ry * ry));
                return k1 > 0 ? k0 * (k0 - 1.0) / k1 : -std::min(rx, ry);
            }};
}

Shape Rect(double x0, double y0, double x1, double y1, double cornerRadius)
{
    const Vec centre{(x0 + x1) / 2, (y0 + y1) / 2};
    const Vec half{(x1 - x0) / 2, (y1 - y0) / 2};
    const double r = std::min({cornerRadius, half.x, half.y});
    return {Box{x0, y0, x1, y1}, [=](Vec p) {
                const double qx = std::abs(p.x - centre.x) - half.x + r;
                const double qy = std::abs(p.y - centre.y) - half.y + r;
                return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) +
                       std::min(std::max(qx, qy), 0.0) - r;
            }};
}

Shape Polygon(std::vector<Vec> points)
{
    const Box box = BoxOf(points);
    auto v = std::make_shared<const std::vector<Vec>>(std::move(points));
    return {box, [v](Vec p) {
                const std::vector<Vec>& pts = *v;
                const std::size_t n = pts.size();
                double best = Dot(p - pts[0], p - pts[0]);
                double sign = 1.0;
                for (std::size_t i = 0, j = n - 1; i < n; j = i, ++i) {
                    const Vec e = pts[j] - pts[i];
                    const Vec w = p - pts[i];
                    const double len2 = Dot(e, e);
                    const double h = len2 > 0 ? std::clamp(Dot(w, e) / len2, 0.0, 1.0) : 0.0;
                    const Vec b = w - e * h;
                    best = std::min(best, Dot(b, b));
                    const bool c1 = p.y >= pts[i].y;
                    const bool c2 = p.y < pts[j].y;
                    const bool c3 = e.x * w.y > e.y * w.x;
                    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) {
                        sign = -sign;
                    }
                }
                return sign * std::sqrt(best);
            }};
}

Shape Capsule(Vec a, Vec b, double radius)
{
    const Box box =
        Box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}.Grown(
            radius);
    return {box, [=](Vec p) { return SegmentDistance(p, a, b) - radius; }};
}

Shape Polyline(const std::vector<Vec>& points, double radius)
{
    if (points.size() == 1) {
        return Circle(points[0], radius);
    }
    std::vector<Shape> parts;
    for (std::size_t i = 1; i < points.size(); ++i) {
        parts.push_back(Capsule(points[i - 1], points[i], radius));
    }
    return Union(std::move(parts));
}

Shape Arc(Vec centre, double rx, double ry, double a0, double a1, double radius)
{
    const int steps = std::max(4, static_cast<int>(std::abs(a1 - a0) / 8));
    std::vector<Vec> points;
    for (int i = 0; i <= steps; ++i) {
        points.push_back(OnEllipse(centre, rx, ry, a0 + (a1 - a0) * i / steps));
    }
    return Polyline(points, radius);
}

Shape Star(Vec centre, double outer, double inner, int points, double degrees)
{
    std::vector<Vec> v;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        v.push_back(OnEllipse(centre, r, r, degrees + 180.0 * i / points));
    }
    return Polygon(std::move(v));
}

Shape RegularPolygon(Vec centre, double radius, int sides, double degrees)
{
    std::vector<Vec> v;
    for (int i = 0; i < sides; ++i) {
        v.push_back(OnEllipse(centre, radius, radius, degrees + 360.0 * i / sides));
    }
    return Polygon(std::move(v));
}

Shape HalfPlane(Vec p, Vec normal)
{
    const double len = Length(normal);
    const Vec n = normal * (1.0 / len);
    constexpr double far = 1e6;
    return {Box{-far, -far, far, far}, [=](Vec q) { return -Dot(q - p, n); }};
}

Shape Union(const Shape& a, const Shape& b)
{
    return Union(std::vector<Shape>{a, b});
}

Shape Union(std::vector<Shape> shapes)
{
    Box box = shapes.at(0).bounds;
    for (const Shape& s : shapes) {
        box = box.Joined(s.bounds);
    }
    auto parts = std::make_shared<const std::vector<Shape>>(std::move(shapes));
    return {box, [parts](Vec p) {
                double best = 1e30;
                for (const Shape& s : *parts) {
                    // A part whose box lies farther away than the best so far cannot be nearer;
                    // inside its box a part may lie deeper, so it is always asked.
                    const double lower = s.bounds.DistanceTo(p);
                    if (lower <= 0 || lower < best) {
                        best = std::min(best, s(p));
                    }
                }
                return best;
            }};
}

Shape Intersect(const Shape& a, const Shape& b)
{
    const Box box{std::max(a.bounds.x0, b.bounds.x0), std::max(a.bounds.y0, b.bounds.y0),
                  std::min(a.bounds.x1, b.bounds.x1), std::min(a.bounds.y1, b.bounds.y1)};
    return {box, [a, b](Vec p) { return std::max(a(p), b(p)); }};
}

Shape Subtract(const Shape& a, const Shape& b)
{
    return {a.bounds, [a, b](Vec p) { return std::max(a(p), -b(p)); }};
}

Shape Grow(const Shape& a, double radius)
{
    return {a.bounds.Grown(radius), [a, radius](Vec p) { return a(p) - radius; }};
}

Shape Outline(const Shape& a, double halfWidth)
{
    return {a.bounds.Grown(halfWidth),
            [a, halfWidth](Vec p) { return std::abs(a(p)) - halfWidth; }};
}

Shape Placed(const Shape& a, const Place& place)
{
    const double c = std::cos(Radians(place.degrees));
    const double s = std::sin(Radians(place.degrees));
    auto toWorld = [=](Vec q) {
        const Vec m{place.mirror ? -q.x : q.x, q.y};
        return Vec{place.origin.x + place.scale * (c * m.x - s * m.y),
                   place.origin.y + place.scale * (s * m.x + c * m.y)};
    };
    const Box& b = a.bounds;
    const Vec corners[] = {toWorld({b.x0, b.y0}), toWorld({b.x1, b.y0}), toWorld({b.x0, b.y1}),
                           toWorld({b.x1, b.y1})};
    Box box{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const Vec& v : corners) {
        box = box.Joined({v.x, v.y, v.x, v.y});
    }
    return {box, [=](Vec p) {
                const Vec d = (p - place.origin) * (1.0 / place.scale);
                Vec q{c * d.x + s * d.y, -s * d.x + c * d.y};
                if (place.mirror) {
                    q.x = -q.x;
                }
                return a(q) * place.scale;
            }};
}

} // namespace assetgen
