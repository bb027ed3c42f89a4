#pragma once
// A small RGBA drawing surface for the skin images: shapes are filled with anti-aliased
// edges (each pixel weighted by how many of its 8 x 8 sample points lie inside), colours
// come from paints (solid or gradients). Arithmetic is plain IEEE double with no library
// functions beyond sqrt, so every run on every machine gives the same bytes.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace qx::imagegen {

// A colour with straight (not premultiplied) alpha: channels 0..255, alpha 0..1.
struct Rgba {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 1;
};

// 0xRRGGBB as an opaque colour, or with the given alpha.
constexpr Rgba Hex(uint32_t rgb, double alpha = 1) {
    return Rgba{double((rgb >> 16) & 0xFF), double((rgb >> 8) & 0xFF), double(rgb & 0xFF), alpha};
}
constexpr Rgba Grey(double level, double alpha = 1) { return Rgba{level, level, level, alpha}; }
// Linear mix: t = 0 gives a, t = 1 gives b (alpha too).
Rgba Mix(const Rgba& a, const Rgba& b, double t);
Rgba WithAlpha(Rgba colour, double alpha);
// Multiplies the colour channels (lighter above 1, darker below).
Rgba Scale(Rgba colour, double factor);

// An area, as a test of one point. Pixel (x, y) covers [x, x + 1) x [y, y + 1), so the
// centre of pixel (0, 0) is (0.5, 0.5).
using Shape = std::function<bool(double x, double y)>;
// The colour to put at a point.
using Paint = std::function<Rgba(double x, double y)>;

struct Bounds {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Shapes.
Shape RoundedRect(double left, double top, double right, double bottom, double radius);
Shape Ellipse(double cx, double cy, double rx, double ry);
Shape Circle(double cx, double cy, double r);
// A line of the given width with round ends (a capsule).
Shape Stroke(double x0, double y0, double x1, double y1, double width);
// A closed polygon, even-odd rule.
Shape Polygon(std::vector<std::pair<double, double>> points);
Shape Union(std::vector<Shape> shapes);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Everywhere();
Bounds BoundsOf(double left, double top, double right, double bottom);

// Paints.
Paint Solid(Rgba colour);
// Colour stops along one axis, in pixel coordinates; before the first stop and after the
// last the end colours hold.
struct Stop {
    double at;
    Rgba colour;
};
Paint Vertical(std::vector<Stop> stops);
Paint Horizontal(std::vector<Stop> stops);

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Rgba fill = Rgba{0, 0, 0, 0});

    int Width() const { return width_; }
    int Height() const { return height_; }
    const Rgba& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    Rgba& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    // Composites the paint over every pixel the shape covers, weighted by coverage; only
    // pixels meeting the bounds are visited.
    void Fill(const Shape& shape, const Bounds& bounds, const Paint& paint);
    // Whole pixels, no edge weighting.
    void FillRect(int x, int y, int width, int height, const Paint& paint);
    // Every pixel whose centre lies outside `keep` becomes `colour`, opaque and hard-edged:
    // the window's colour key must be exact, a blended edge would show as a fringe.
    void CutOutside(const Shape& keep, const Rgba& colour);
    // The source composited over this canvas with its top-left corner at (x, y).
    void Draw(const Canvas& source, int x, int y);

    Canvas Crop(int x, int y, int width, int height) const;
    // Nearest neighbour, as the window stretches its images.
    Canvas Stretched(int width, int height) const;
    Canvas Enlarged(int factor) const { return Stretched(width_ * factor, height_ * factor); }
    // Averages factor x factor blocks (for showing large images small).
    Canvas Reduced(int factor) const;
    // The colour half of an image with a separate mask: alpha dropped, colours kept.
    Canvas Opaque() const;
    // The mask half: alpha as a grey level, white opaque, black transparent.
    Canvas AlphaAsGrey() const;

    // 8-bit red, green, blue per pixel, rows top to bottom; rounded and clamped.
    std::vector<uint8_t> Rgb8() const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgba> pixels_;
};

// Rounds to the nearest byte value, clamped to 0..255.
uint8_t ToByte(double channel);

}  // namespace qx::imagegen
