// The six window sizes and the choice of a size for the desktop.
#pragma once

#include <QRect>
#include <QSize>
#include <array>

#include "shell/extras/command_ids.h"

namespace quintrick {

struct ScreenSize {
    int width;
    int command;
};
inline constexpr std::array<ScreenSize, 6> kScreenSizes{{{640, kCmdSize640},
                                                         {800, kCmdSize800},
                                                         {1024, kCmdSize1024},
                                                         {1200, kCmdSize1200},
                                                         {1400, kCmdSize1400},
                                                         {1600, kCmdSize1600}}};

// The stored "Gamen" that means "not chosen yet".
inline constexpr int kGamenNotSet = 1000;

// The frame height of a frame width: (width / 4) * 3.
constexpr int FrameHeight(int width) {
    return width / 4 * 3;
}

// The width chosen from the desktop's height (a height of 0 or less: the desktop is unknown).
int GamenForDesktopHeight(int height);

// The width to use for a stored "Gamen" on a desktop of `desktop`; `store` tells whether it must
// be written back. A value that is not set, or whose window would not fit the desktop (zero,
// negative, larger than the screen), gives the desktop-height choice.
struct GamenChoice {
    int width;
    bool store;
};
GamenChoice ChooseGamen(int stored, QSize desktop);

// Where the table lies in a client area of `client`: the largest 4:3 rectangle that fits, whole
// multiples of 4 x 3 so that both scales are the same, centred; the rest is margin.
QRect TableArea(QSize client);

// The smallest client area the window may be made.
inline constexpr QSize kMinClient{320, 240};

// A stored window size (the client area of the normal window) that can be used on a desktop of
// `desktop`: at least kMinClient and no larger than the desktop; an invalid size otherwise.
QSize UsableStoredSize(QSize stored, QSize desktop);

}  // namespace quintrick
