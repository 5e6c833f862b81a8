// Where each province sits in the map artwork: the label box on the enlarged map (the click
// target, 28 x 15 pixels from its origin), the enlarged map's fill seed just below and right of
// the label, and the standard map's fill seed.
#pragma once

#include <array>

#include "conquest/kuni_state.h"

namespace quintrick {

inline constexpr int kEnlargedWidth = 1467;
inline constexpr int kEnlargedHeight = 1614;
inline constexpr int kStandardWidth = 489;
inline constexpr int kStandardHeight = 538;
inline constexpr int kLabelWidth = 28;
inline constexpr int kLabelHeight = 15;

struct KuniCoord {
    int bx = 0;  // label origin on the enlarged map
    int by = 0;
    int sx = 0;  // fill seed on the standard map
    int sy = 0;
    constexpr int SeedX() const { return bx + 30; }  // fill seed on the enlarged map
    constexpr int SeedY() const { return by + 17; }
    constexpr bool LabelHit(int mx, int my) const {
        return mx - bx >= 0 && mx - bx <= kLabelWidth - 1 && my - by >= 0 &&
               my - by <= kLabelHeight - 1;
    }
};

extern const std::array<KuniCoord, kProvinces> KuniCoords;

// The first province whose label box holds the enlarged-map pixel, -1 for none.
int ProvinceAtLabel(int mx, int my);

}  // namespace quintrick
