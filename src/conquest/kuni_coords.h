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
};

extern const std::array<KuniCoord, kProvinces> KuniCoords;

// The names in the enlarged map's label boxes: the Japanese names in boxes of 28 x 15, or the
// romanised names in boxes as wide as each name needs. A romanised box keeps the origin and the
// height of the Japanese one and grows to the right; where neighbours crowd it, it moves by a
// few pixels. The cost stands under the left end of the box; the fill seeds are the same for
// both.
enum class MapLabels { Japanese, Romanised };

struct LabelBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    constexpr bool Holds(int mx, int my) const {
        return mx >= x && mx < x + width && my >= y && my < y + height;
    }
};

// The label box of a province (the click target); an empty box for an index outside 0..74.
LabelBox KuniLabel(int province, MapLabels labels);

// The first province whose label box holds the enlarged-map pixel, -1 for none.
int ProvinceAtLabel(int mx, int my, MapLabels labels = MapLabels::Japanese);

}  // namespace quintrick
