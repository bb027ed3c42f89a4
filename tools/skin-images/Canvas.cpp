#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace qx::imagegen {

namespace {

constexpr int kSamples = 8;  // per axis: 64 coverage levels per pixel

Rgba Over(const Rgba& source, double sourceAlpha, const Rgba& target) {
    const double outAlpha = sourceAlpha + target.a * (1 - sourceAlpha);
    if (outAlpha <= 0) return target;
    const double keep = target.a * (1 - sourceAlpha);
    return Rgba{(source.r * sourceAlpha + target.r * keep) / outAlpha,
                (source.g * sourceAlpha + target.g * keep) / outAlpha,
                (source.b * sourceAlpha + target.b * keep) / outAlpha, outAlpha};
}

Paint AlongAxis(std::vector<Stop> stops, bool vertical) {
    std::sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) { return a.at < b.at; });
    return [stops = std::move(stops), vertical](double x, double y) {
        const double at = vertical ? y : x;
        if (at <= stops.front().at) return stops.front().colour;
        for (size_t i = 1; i < stops.size(); ++i) {
            if (at <= stops[i].at) {
                const double span = stops[i].at - stops[i - 1].at;
                const double t = span > 0 ? (at - stops[i - 1].at) / span : 1;
                return Mix(stops[i - 1].colour, stops[i].colour, t);
            }
        }
        return stops.back().colour;
    };
}

}  // namespace

Rgba Mix(const Rgba& a, const Rgba& b, double t) {
    return Rgba{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                a.a + (b.a - a.a) * t};
}

Rgba WithAlpha(Rgba colour, double alpha) {
    colour.a = alpha;
    return colour;
}

Rgba Scale(Rgba colour, double factor) {
    colour.r *= factor;
    colour.g *= factor;
    colour.b *= factor;
    return colour;
}

Shape RoundedRect(double left, double top, double right, double bottom, double radius) {
    radius = std::min({radius, (right - left) / 2, (bottom - top) / 2});
    return [=](double x, double y) {
        if (x < left || x >= right || y < top || y >= bottom) return false;
        const double cx = std::clamp(x, left + radius, right - radius);
        const double cy = std::clamp(y, top + radius, bottom - radius);
        const double dx = x - cx;
        const double dy = y - cy;
        return dx * dx + dy * dy <= radius * radius;
    };
}

Shape Ellipse(double cx, double cy, double rx, double ry) {
    return [=](double x, double y) {
        const double dx = (x - cx) / rx;
        const double dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1;
    };
}

Shape Circle(double cx, double cy, double r) { return Ellipse(cx, cy, r, r); }

Shape Stroke(double x0, double y0, double x1, double y1, double width) {
    const double half = width / 2;
    return [=](double x, double y) {
        const double vx = x1 - x0;
        const double vy = y1 - y0;
        const double length2 = vx * vx + vy * vy;
        double t = length2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / length2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        const double dx = x - (x0 + t * vx);
        const double dy = y - (y0 + t * vy);
        return dx * dx + dy * dy <= half * half;
    };
}

Shape Polygon(std::vector<std::pair<double, double>> points) {
    return [points = std::move(points)](double x, double y) {
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto [xi, yi] = points[i];
            const auto [xj, yj] = points[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    };
}

Shape Union(std::vector<Shape> shapes) {
    return [shapes = std::move(shapes)](double x, double y) {
        return std::any_of(shapes.begin(), shapes.end(), [&](const Shape& s) { return s(x, y); });
    };
}

Shape Intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && b(x, y); };
}

Shape Subtract(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

Shape Everywhere() {
    return [](double, double) { return true; };
}

Bounds BoundsOf(double left, double top, double right, double bottom) {
    return Bounds{left, top, right, bottom};
}

Paint Solid(Rgba colour) {
    return [colour](double, double) { return colour; };
}

Paint Vertical(std::vector<Stop> stops) { return AlongAxis(std::move(stops), true); }
Paint Horizontal(std::vector<Stop> stops) { return AlongAxis(std::move(stops), false); }

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Fill(const Shape& shape, const Bounds& bounds, const Paint& paint) {
    const int x0 = std::max(0, static_cast<int>(std::floor(bounds.left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(bounds.top)));
    const int x1 = std::min(width_, static_cast<int>(std::ceil(bounds.right)));
    const int y1 = std::min(height_, static_cast<int>(std::ceil(bounds.bottom)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    if (shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++inside;
                }
            }
            if (inside == 0) continue;
            const Rgba colour = paint(x + 0.5, y + 0.5);
            const double alpha = colour.a * inside / (kSamples * kSamples);
            At(x, y) = Over(colour, alpha, At(x, y));
        }
    }
}

void Canvas::FillRect(int x, int y, int width, int height, const Paint& paint) {
    for (int row = std::max(0, y); row < std::min(height_, y + height); ++row) {
        for (int column = std::max(0, x); column < std::min(width_, x + width); ++column) {
            const Rgba colour = paint(column + 0.5, row + 0.5);
            At(column, row) = Over(colour, colour.a, At(column, row));
        }
    }
}

void Canvas::CutOutside(const Shape& keep, const Rgba& colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!keep(x + 0.5, y + 0.5)) At(x, y) = WithAlpha(colour, 1);
        }
    }
}

void Canvas::Draw(const Canvas& source, int x, int y) {
    for (int row = 0; row < source.height_; ++row) {
        for (int column = 0; column < source.width_; ++column) {
            const int tx = x + column;
            const int ty = y + row;
            if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
            const Rgba& s = source.At(column, row);
            At(tx, ty) = Over(s, s.a, At(tx, ty));
        }
    }
}

Canvas Canvas::Crop(int x, int y, int width, int height) const {
    Canvas result(width, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const int sx = std::clamp(x + column, 0, width_ - 1);
            const int sy = std::clamp(y + row, 0, height_ - 1);
            result.At(column, row) = At(sx, sy);
        }
    }
    return result;
}

Canvas Canvas::Stretched(int width, int height) const {
    Canvas result(width, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            result.At(column, row) = At(column * width_ / width, row * height_ / height);
        }
    }
    return result;
}

Canvas Canvas::Reduced(int factor) const {
    Canvas result(width_ / factor, height_ / factor);
    for (int row = 0; row < result.height_; ++row) {
        for (int column = 0; column < result.width_; ++column) {
            Rgba sum{0, 0, 0, 0};
            for (int sy = 0; sy < factor; ++sy) {
                for (int sx = 0; sx < factor; ++sx) {
                    const Rgba& p = At(column * factor + sx, row * factor + sy);
                    sum = Rgba{sum.r + p.r, sum.g + p.g, sum.b + p.b, sum.a + p.a};
                }
            }
            const double n = factor * factor;
            result.At(column, row) = Rgba{sum.r / n, sum.g / n, sum.b / n, sum.a / n};
        }
    }
    return result;
}

Canvas Canvas::Opaque() const {
    Canvas result = *this;
    for (Rgba& p : result.pixels_) p.a = 1;
    return result;
}

Canvas Canvas::AlphaAsGrey() const {
    Canvas result(width_, height_);
    for (size_t i = 0; i < pixels_.size(); ++i) result.pixels_[i] = Grey(pixels_[i].a * 255);
    return result;
}

std::vector<uint8_t> Canvas::Rgb8() const {
    std::vector<uint8_t> bytes;
    bytes.reserve(pixels_.size() * 3);
    for (const Rgba& p : pixels_) {
        bytes.push_back(ToByte(p.r));
        bytes.push_back(ToByte(p.g));
        bytes.push_back(ToByte(p.b));
    }
    return bytes;
}

uint8_t ToByte(double channel) {
    if (!(channel > 0)) return 0;
    if (channel >= 255) return 255;
    return static_cast<uint8_t>(channel + 0.5);
}

}  // namespace qx::imagegen
