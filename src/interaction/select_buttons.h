// Where the character dialog's six buttons sit, and where its map picture (191) puts the
// provinces. Plain data without Qt: the dialog and the artwork generator both read it, and the
// home province of each character comes from the province table, so the buttons' titles, the
// picture's highlighted provinces and the conquest map's homes cannot disagree.
#pragma once

#include <array>

namespace quintrick {

struct SelectButton {
    int id;         // control id, kept as the button's object name
    int character;  // roster index
    int left, top;  // dialog units; every button is 30 x 27
};

inline constexpr std::array<SelectButton, 6> kSelectButtons{{
    {1017, 0, 91, 68},
    {1018, 1, 174, 122},
    {1019, 3, 141, 200},
    {1020, 4, 61, 115},
    {1021, 7, 9, 148},
    {1022, 9, 50, 238},
}};

// The map picture is 217 x 269 dialog units at two pixels each. It shows the conquest map's
// standard picture (489 x 538) scaled to its width and set on its bottom edge, below the title.
inline constexpr int kHomeMapWidth = 434;
inline constexpr int kHomeMapHeight = 538;
inline constexpr int kHomeMapSourceWidth = 489;
inline constexpr int kHomeMapTop = kHomeMapHeight - 538 * kHomeMapWidth / kHomeMapSourceWidth;

struct HomeMapPoint {
    int x, y;
};
// The picture's pixel of a pixel of the standard conquest map.
constexpr HomeMapPoint HomeMapFromStandard(int sx, int sy) {
    return {sx * kHomeMapWidth / kHomeMapSourceWidth,
            kHomeMapTop + sy * kHomeMapWidth / kHomeMapSourceWidth};
}

}  // namespace quintrick
