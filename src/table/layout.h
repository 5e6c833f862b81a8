// Where everything lies on the table: the fixed layout in base and table-surface coordinates and
// the positions that follow the bird's-eye angle and the size of a hand. Pure geometry.
#pragma once

#include <array>

#include "engine/cards.h"
#include "geometry.h"

namespace quintrick {

inline constexpr int kBaseWidth = 1200;
inline constexpr int kBaseHeight = 900;
inline constexpr int kSurfaceWidth = 1140;
inline constexpr int kSurfaceHeight = 846;
inline constexpr int kCardWidth = 151;
inline constexpr int kCardHeight = 215;

// The hand-fan strip: fan n (1..10) is kFanWidth[n - 1] wide and starts at FanStart(n).
inline constexpr int kStripWidth = 3575;
inline constexpr int kStripHeight = 342;
inline constexpr std::array<int, 10> kFanWidth{151, 261, 265, 319, 366, 398, 415, 434, 470, 496};
constexpr int FanWidth(int n) {
    return kFanWidth[n - 1];
}
constexpr int FanStart(int n) {
    int x = 0;
    for (int i = 1; i < n; ++i) x += FanWidth(i);
    return x;
}

// Top-left corner of a card's cell on the card sheet.
constexpr Point CardCell(CardId id) {
    return {151 * (id % 13), 215 * (id / 13)};
}

// Fixed rectangles and anchors (base coordinates).
inline constexpr std::array<Rect, 5> kToolbarRects{Rect{10, 64, 55, 96}, Rect{55, 64, 87, 96},
                                                   Rect{87, 64, 119, 96}, Rect{119, 64, 146, 96},
                                                   Rect{146, 64, 173, 96}};
inline constexpr Point kToolbarPos{10, 64};
inline constexpr Rect kTrumpRect{10, 10, 57, 63};
inline constexpr Rect kGameLabelRect{58, 10, 173, 36};
inline constexpr Rect kBattleLabelRect{58, 37, 173, 63};
inline constexpr Point kBannerPos{10, 97};
inline constexpr Rect kPanelRect{995, 4, 1170, 142};
inline constexpr std::array<Point, 8> kCounterRects{
    Point{1002, 4},  Point{1045, 4},  Point{1088, 4},  Point{1131, 4},
    Point{1002, 70}, Point{1045, 70}, Point{1088, 70}, Point{1131, 70}};  // 43 x 40 each
inline constexpr Rect kScoreBoardRect{324, 216, 877, 603};
inline constexpr std::array<Point, 5> kSeatAnchor{Point{1080, 220}, Point{680, 0}, Point{316, 0},
                                                  Point{10, 220}, Point{376, 630}};
inline constexpr std::array<Point, 4> kCalloutPos{Point{926, 320}, Point{750, 175}, Point{386, 175},
                                                  Point{210, 320}};

// Fixed layout on the table surface (table-surface coordinates).
inline constexpr Rect kFeltRect{0, 0, 1139, 845};
inline constexpr Rect kFieldRect{234, 234, 906, 612};
inline constexpr Rect kFieldHitRect{235, 235, 905, 611};
inline constexpr Rect kDiscardHitRect{55, 653, 270, 804};
inline constexpr std::array<Point, 5> kFieldCardPos{
    Point{690, 460}, Point{679, 235}, Point{310, 235}, Point{235, 460}, Point{500, 396}};
inline constexpr std::array<Point, 5> kCapturedPos{Point{915, 235}, Point{662, 10}, Point{102, 10},
                                                   Point{10, 235}, Point{382, 621}};

// Seats 0 and 3 show their cards sideways.
constexpr bool IsSideSeat(int seat) {
    return seat == 0 || seat == 3;
}

// Spacing of a seat's captured picture cards for `count` of them.
constexpr int CapturedSpacing(int count) {
    return count <= 5 ? 45 : (count <= 10 ? 30 : 15);
}

// Show card k (0 or 1) on the table surface.
constexpr Point ShowCardPos(int k) {
    return {399 + 191 * k, 315};
}

// Top-left of the discard pile's top card on the table surface for n > 0 discards.
constexpr Point DiscardTopPos(int ti, int n) {
    return {55, 644 - ((26 - ti) * n) / 5};
}

// Positions of one seat's hand, name plate and current-player mark.
struct HandLayout {
    Point hand;     // the fan, or card 0 of a face-up or human hand
    int step = 0;   // x step between face-up or human cards
    int cardW = 0;  // size of one drawn card, or of the whole fan when face down
    int cardH = 0;
    Point plate;  // name plate, 66 x 34
    Point mark;   // current-player mark, 34 x 34
};

// Layout of computer seat 0..3 with n cards at angle ti, face up or face down.
HandLayout ComputerHandLayout(int seat, int n, int ti, bool faceUp);
// Layout of the human's hand of n cards at angle ti.
HandLayout HumanHandLayout(int n, int ti);

// The human's recorded rectangles for a hand of n cards.
Rect HumanHandRect(int n, int ti);
Rect HumanCardRect(int i, int n, int ti);

// The table's front edge under the projected table (base coordinates).
Rect TableEdgeRect(int ti);

}  // namespace quintrick
