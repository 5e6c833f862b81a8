#include "layout.h"

namespace quintrick {

namespace {
constexpr double kFarFanScale = 0.628654956817627;
}

HandLayout ComputerHandLayout(int seat, int n, int ti, bool faceUp) {
    const Point anchor = kSeatAnchor[seat];
    HandLayout l;
    if (IsSideSeat(seat)) {
        const int y = anchor.y - ti + 26;
        if (faceUp) {
            l.hand = {seat == 0 ? 1080 - 27 * n - 13 : 10, y};
            l.step = 27;
            l.cardW = 140;
            l.cardH = 200;
        } else {
            l.hand = {seat == 0 ? 1020 : 10, y};
            l.cardW = 150;
            l.cardH = n == 1 ? 339 : 300;
        }
        l.plate = {l.hand.x + 34, l.hand.y - 34};
        l.mark = {l.hand.x, l.hand.y - 34};
    } else {
        l.hand = {anchor.x, anchor.y + 7 * (26 - ti)};
        if (faceUp) {
            l.step = 20;
            l.cardW = 115;
            l.cardH = 165;
        } else {
            l.cardW = n >= 1 && n <= 10 ? static_cast<int>(FanWidth(n) * kFarFanScale) : 0;
            l.cardH = 215;
        }
        l.plate = {anchor.x - 66, l.hand.y + 34};
        l.mark = {anchor.x - 34, l.hand.y};
    }
    return l;
}

HandLayout HumanHandLayout(int n, int ti) {
    HandLayout l;
    const int left = 376 + ((8 - n) * 33) / 2;
    l.hand = {left, 474 + 6 * ti};
    l.step = 33;
    l.cardW = kCardWidth;
    l.cardH = kCardHeight;
    l.plate = {left - 66, l.hand.y + 34};
    l.mark = {left - 34, l.hand.y};
    return l;
}

Rect HumanHandRect(int n, int ti) {
    const Point p = HumanHandLayout(n, ti).hand;
    return {p.x, p.y, p.x + 33 * n + 118, p.y + kCardHeight};
}

Rect HumanCardRect(int i, int n, int ti) {
    const Point p = HumanHandLayout(n, ti).hand;
    const int x = p.x + 33 * i;
    return {x, p.y, x + (i < n - 1 ? 33 : kCardWidth), p.y + kCardHeight};
}

Rect TableEdgeRect(int ti) {
    const int top = 12 * ti + 373;
    return {30, top, 1170, top + (26 - ti) / 2 + 7};
}

}  // namespace quintrick
