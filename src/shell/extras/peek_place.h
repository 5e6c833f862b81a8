// Where the peek window opens: beside the game window, whose X window id and rectangles the
// game hands to the peek process in its environment (the command line stays " /W").
#pragma once

#include <QRect>
#include <QString>
#include <QtGlobal>
#include <optional>

class QWidget;

namespace quintrick {

inline constexpr char kPeekOwnerVariable[] = "QUINTRICK_PEEK_OWNER";

// The game window as the peek process needs it.
struct PeekOwner {
    quintptr winId = 0;
    QRect frame;   // outer rectangle on the screen, frame included
    QRect client;  // the window's own area on the screen
};

// The game window `window` as it stands now; "" for none.
QString DescribePeekOwner(const QWidget* window);
// The text of DescribePeekOwner read back; none when it is empty or damaged.
std::optional<PeekOwner> ParsePeekOwner(const QString& text);

// Where the peek window's outer rectangle of `size` goes: to the right of the game window's
// outer rectangle `owner`, else to its left, when it fits on `screen` there; otherwise against
// the screen's edge on the side with more room, level with the game window's bottom, so it
// covers as little as possible of the table and nothing but its empty lower corner. It always
// lies on the screen when it fits there.
QPoint PeekPlace(const QRect& owner, const QSize& size, const QRect& screen);

}  // namespace quintrick
