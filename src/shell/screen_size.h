// The six window sizes and the choice of a size for the desktop.
#pragma once

#include <QSize>
#include <array>

namespace quintrick {

struct ScreenSize {
    int width;
    int command;
};
inline constexpr std::array<ScreenSize, 6> kScreenSizes{
    {{640, 32794}, {800, 32791}, {1024, 32805}, {1200, 32792}, {1400, 32806}, {1600, 32793}}};

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

}  // namespace quintrick
