// Where a question opens: inside the game window, clear of what the question is about.
#pragma once

#include <QRect>
#include <vector>

class QWidget;

namespace quintrick {

// The outer rectangle, of size `outer`, inside `area` that covers the least of `keep` (the
// first of the candidate places on a tie: below, above, right of, left of each kept rectangle,
// then the corners of the area). All in screen coordinates.
QRect PlaceClearOf(QSize outer, const QRect& area, const std::vector<QRect>& keep);

// Moves `dialog` when it is shown (its size is known then) to the place PlaceClearOf finds inside
// the client area of `game`'s window.
void OpenClearOf(QWidget& dialog, const QWidget& game, std::vector<QRect> keep);

}  // namespace quintrick
