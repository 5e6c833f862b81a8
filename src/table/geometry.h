// Plain rectangles and points of the table in base coordinates, and the two drawing scales.
#pragma once

#include <cmath>

namespace quintrick {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A rectangle with exclusive right and bottom edges; all four 0 means empty.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    static Rect At(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Base units to the pixels of a surface composed at `k` pixels per unit. Every edge is rounded
// to its nearest pixel on its own, so that rectangles that meet in base units meet in pixels too;
// at 1 the numbers are the base units themselves.
struct PixelScale {
    double k = 1;

    int operator()(int v) const { return k == 1 ? v : static_cast<int>(std::lround(v * k)); }
    Rect operator()(const Rect& r) const {
        return {(*this)(r.left), (*this)(r.top), (*this)(r.right), (*this)(r.bottom)};
    }
    Point operator()(const Point& p) const { return {(*this)(p.x), (*this)(p.y)}; }
};

// The two single-precision scales from base coordinates to the client area.
struct Scales {
    float sx = 1.0f;
    float sy = 1.0f;

    // Base to screen: the product in double precision, truncated toward zero.
    static int ToScreen(double v, float s) { return static_cast<int>(std::trunc(v * double(s))); }
    int X(double v) const { return ToScreen(v, sx); }
    int Y(double v) const { return ToScreen(v, sy); }
    // Screen to base: divided by the single-precision scale, truncated toward zero.
    int BaseX(int x) const { return static_cast<int>(std::trunc(double(x) / double(sx))); }
    int BaseY(int y) const { return static_cast<int>(std::trunc(double(y) / double(sy))); }
    // A base rectangle on the screen: position and size scaled independently.
    Rect ToScreenRect(const Rect& r) const {
        return Rect::At(X(r.left), Y(r.top), X(r.Width()), Y(r.Height()));
    }
};

}  // namespace quintrick
