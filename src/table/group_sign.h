// The sign of a player's group on the name plate, so that the two groups differ in shape as well
// as in the plate's colour: a circle for the related group, a triangle for the unrelated one,
// white with a dark rim, over the plate's top-left corner. Drawn with vector operations sized from
// the plate, so it is as sharp at any pixel scale as the plate it sits on.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace quintrick {

// The sign's white: a little short of the artwork's pure white key, so it is never taken for a
// transparent pixel.
inline constexpr QRgb kGroupSignWhite = 0xfff4f4f4;

// The square the sign fills for a plate at `plate` (device pixels).
QRectF GroupSignBox(const QRectF& plate);

// Draws the sign of the related (`related`) or the unrelated group on the plate at `plate`.
void DrawGroupSign(QPainter& p, const QRectF& plate, bool related);

}  // namespace quintrick
