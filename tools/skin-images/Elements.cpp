#include "Elements.h"

#include <utility>
#include <vector>

namespace qx::imagegen {

namespace {

// The ring between two ellipses of the same centre, optionally only below cy.
Shape EllipseRing(double cx, double cy, double rx, double ry, double width, bool lowerHalfOnly) {
    const double half = width / 2;
    Shape ring = Subtract(Ellipse(cx, cy, rx + half, ry + half), Ellipse(cx, cy, rx - half, ry - half));
    if (!lowerHalfOnly) return ring;
    return Intersect(std::move(ring), [cy](double, double y) { return y >= cy; });
}

}  // namespace

void DrawSphere(Canvas& canvas, double cx, double cy, double r, const SphereColours& colours) {
    const Bounds box = BoundsOf(cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1);
    canvas.Fill(Circle(cx, cy, r), box, Solid(colours.rim));
    const double inner = r - 0.9;
    canvas.Fill(Circle(cx, cy, inner), box,
                Vertical({{cy - inner, colours.top}, {cy + inner, colours.bottom}}));
    // The highlight: a flat ellipse in the upper half fading downwards.
    const double hy = cy - inner * 0.42;
    canvas.Fill(Ellipse(cx, hy, inner * 0.68, inner * 0.46), box,
                Vertical({{hy - inner * 0.46, Grey(255, colours.shine)}, {hy + inner * 0.46, Grey(255, 0.05)}}));
}

Shape CrossGlyph(double cx, double cy, double half, double width) {
    return Union({Stroke(cx - half, cy - half, cx + half, cy + half, width),
                  Stroke(cx - half, cy + half, cx + half, cy - half, width)});
}

Shape MinusGlyph(double cx, double cy, double half, double width) {
    return Stroke(cx - half, cy, cx + half, cy, width);
}

Shape Chevron(double left, double top, double right, double bottom, double width) {
    const double midY = (top + bottom) / 2;
    return Union({Stroke(left, top, right, midY, width), Stroke(right, midY, left, bottom, width)});
}

Shape Triangle(double left, double top, double right, double bottom, double grow) {
    const double midY = (top + bottom) / 2;
    Shape body = Polygon({{left, top}, {right, midY}, {left, bottom}});
    if (grow <= 0) return body;
    const double w = grow * 2;
    return Union({body, Stroke(left, top, right, midY, w), Stroke(right, midY, left, bottom, w),
                  Stroke(left, bottom, left, top, w)});
}

Canvas HaloGlyph(int width, int height, const Shape& glyph, Rgba glyphColour, const Shape& halo,
                 Rgba haloColour) {
    Canvas canvas(width, height, WithAlpha(haloColour, 0));
    const Bounds all = BoundsOf(0, 0, width, height);
    canvas.Fill(halo, all, Solid(haloColour));
    canvas.Fill(glyph, all, Solid(glyphColour));
    return canvas;
}

void DrawGripRidges(Canvas& canvas, int count, double spacing, Rgba shadow, Rgba light) {
    const double w = canvas.Width();
    const double h = canvas.Height();
    const Bounds all = BoundsOf(0, 0, w, h);
    for (int i = 1; i <= count; ++i) {
        const double d = spacing * i;
        canvas.Fill(Stroke(w - d - 0.7, h + 0.3, w + 0.3, h - d - 0.7, 1.1), all, Solid(light));
        canvas.Fill(Stroke(w - d + 0.4, h + 0.3, w + 0.3, h - d + 0.4, 1.1), all, Solid(shadow));
    }
}

Wordmark QuilloxWordmark(double left, double top, double capHeight) {
    const double h = capHeight;
    const double w = 0.15 * h;           // stroke width
    const double xTop = top + 0.34 * h;  // top of the small letters
    const double base = top + h;
    const double gap = 0.14 * h;
    std::vector<Shape> parts;
    double x = left;
    // Q
    parts.push_back(EllipseRing(x + 0.44 * h, top + 0.5 * h, 0.44 * h - w / 2, 0.5 * h - w / 2, w, false));
    parts.push_back(Stroke(x + 0.56 * h, top + 0.72 * h, x + 0.92 * h, top + 1.04 * h, w));
    x += 0.92 * h + gap;
    // u
    const double ur = 0.23 * h;
    parts.push_back(Stroke(x + w / 2, xTop + w / 2, x + w / 2, base - ur - w / 2, w));
    parts.push_back(EllipseRing(x + w / 2 + ur, base - ur - w / 2, ur, ur, w, true));
    parts.push_back(Stroke(x + w / 2 + 2 * ur, xTop + w / 2, x + w / 2 + 2 * ur, base - w / 2, w));
    x += w + 2 * ur + gap;
    // i, l, l
    parts.push_back(Stroke(x + w / 2, xTop + w / 2, x + w / 2, base - w / 2, w));
    parts.push_back(Circle(x + w / 2, top + 0.12 * h, w * 0.62));
    x += w + gap;
    for (int i = 0; i < 2; ++i) {
        parts.push_back(Stroke(x + w / 2, top + w / 2, x + w / 2, base - w / 2, w));
        x += w + gap;
    }
    // o
    const double orx = 0.3 * h;
    const double ory = (base - xTop) / 2;
    parts.push_back(EllipseRing(x + orx, xTop + ory, orx - w / 2, ory - w / 2, w, false));
    x += 2 * orx + gap;
    // x
    const double xw = 0.52 * h;
    parts.push_back(Stroke(x + w / 2, xTop + w / 2, x + xw - w / 2, base - w / 2, w));
    parts.push_back(Stroke(x + xw - w / 2, xTop + w / 2, x + w / 2, base - w / 2, w));
    x += xw;
    return Wordmark{Union(std::move(parts)), x - left};
}

}  // namespace qx::imagegen
