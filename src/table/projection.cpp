#include "projection.h"

#include <algorithm>
#include <cmath>

#include "layout.h"

namespace quintrick {

namespace {
constexpr double kPi = 3.1415926535;

int Trunc(double v) {
    return static_cast<int>(std::trunc(v));
}
}  // namespace

Perspective::Perspective(double angle) : kakudo(angle) {
    T = std::tan(kakudo * kPi / 180);
    H = Trunc(1050 * T);
    ti = Trunc(kakudo);
}

double AngleFromProfile(int stored) {
    // The profile keeps the angle as an unsigned number: anything outside the angle steps' range
    // comes back inside it.
    if (stored < kMinAngle) return stored < 0 ? kMaxAngle : kMinAngle;
    return std::min(stored, kMaxAngle);
}

ProjectionResult LayoutProjection(const Perspective& p, int discardTopRow, int discardBottomRow) {
    ProjectionResult r;
    r.bands.reserve(kSurfaceHeight / 5 + 1);
    const float rowStep = float(p.H) / 846;
    bool topSet = false;
    bool bottomSet = false;
    for (int y = 0; y < kSurfaceHeight; y += 5) {
        const int c = p.H - Trunc(float(y) * rowStep);
        const int e = Trunc(c / p.T / 4);
        const int w = kSurfaceWidth - e;
        const int x = e / 2 + 30;
        const int yd = 12 * p.ti - c + 373;
        if (!topSet && y >= discardTopRow) {
            const float s = float(w) / 1140;
            r.discardSide.left = Trunc(float(e / 2 + 85) * s);
            r.discardSide.right = Trunc(s * float(e / 2 + 270)) + 30;
            r.discardSide.top = yd;
            topSet = true;
        }
        if (!bottomSet && y >= discardBottomRow) {
            r.discardSide.bottom = yd;
            bottomSet = true;
        }
        r.bands.push_back({y, x, yd, w});
    }
    return r;
}

Rect ProjectRect(const Perspective& p, int left, int top, int right, int bottom) {
    const float hs = float(p.H);
    const int e = Trunc(hs / p.T / 4);
    const int w0 = kSurfaceWidth - e;
    const int x0 = e / 2 + 30;
    const int y0 = 12 * p.ti - p.H + 373;
    const int mid = (top + bottom) / 2;
    const double f = 1 - (846 - mid) / 1140.0;
    const float g = float(double(float(w0) / 1140) + f * double(0.3f));
    const float sy = hs / 846;
    const int shift = Trunc(f * 150);
    return {Trunc(float(left) * g) - shift + x0, Trunc(float(top) * sy) + y0,
            Trunc(float(right) * g) - shift + x0, Trunc(float(bottom) * sy) + y0};
}

}  // namespace quintrick
