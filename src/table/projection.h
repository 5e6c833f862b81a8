// The bird's-eye perspective: the flat table top (1140 x 846) drawn as a trapezoid into base
// coordinates, five source rows at a time, nearer bands covering farther ones.
#pragma once

#include <vector>

#include "geometry.h"

namespace quintrick {

inline constexpr int kMinAngle = 9;
inline constexpr int kMaxAngle = 26;
inline constexpr int kDefaultAngle = 21;

// The quantities of one bird's-eye angle (degrees).
struct Perspective {
    double kakudo = kDefaultAngle;
    double T = 0;  // tan of the angle
    int H = 0;     // projected depth of the table in base units
    int ti = 0;    // the angle truncated to whole degrees

    explicit Perspective(double angle);
};

// An angle read from the profile, held within 9..26 so that no stored value can reach the
// projection as 0 or as a nonsense depth.
double AngleFromProfile(int stored);

// One band of five source rows and where it lands.
struct ProjectionBand {
    int sourceY = 0;  // first of the five source rows
    int left = 0;     // destination rectangle: left, top, width; 5 rows high
    int top = 0;
    int width = 0;
};

// The discard stack's side as it comes out of the projection.
struct ProjectionResult {
    std::vector<ProjectionBand> bands;  // in drawing order
    Rect discardSide;                   // empty when no band reached the rows
};

// Lays out the 170 bands and, for the discard rows (top, bottom) of the surface, the stack side.
ProjectionResult LayoutProjection(const Perspective& p, int discardTopRow, int discardBottomRow);

// An upright approximation of a table-surface rectangle in base coordinates, for hit tests.
Rect ProjectRect(const Perspective& p, int left, int top, int right, int bottom);
inline Rect ProjectRect(const Perspective& p, const Rect& r) {
    return ProjectRect(p, r.left, r.top, r.right, r.bottom);
}

}  // namespace quintrick
