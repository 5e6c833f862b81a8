// The face-down card images: the sideways back of the discard pile and the strip of the ten
// pre-rendered hand fans, composed from the chosen back (a built-in sheet cell or the user's own
// picture) and kept as "CardBackTen.bmp" in the per-user cache folder.
#pragma once

#include <functional>

#include "engine/host.h"
#include "geometry.h"
#include "surfaces.h"

namespace quintrick {

inline constexpr QRgb kFrameColour = 0xff78783c;  // RGB(120, 120, 60)
inline constexpr char kStripCacheFile[] = "CardBackTen.bmp";
inline constexpr char kFreeImageFile[] = "CardBackOne.jpg";

// What the preparation works with. `flicker` is called once before the strip is composed and
// once before each fan of 2..10 cards (ten calls, so an inverting overlay ends as it began).
struct CardBackContext {
    CSurfaces& s;
    IProfile& profile;
    IMessageBox& messages;
    std::function<void()> flicker;
};

// The composer's working record.
struct CCardBackSet {
    int bitsPerPixel = 0;
    int bytesPerRow = 0;
    std::array<Point, 4> corners{};  // the sideways back's corners
    std::array<Point, 4> turned{};   // the corners as the last RotateBack turned them
    Point pivot;                     // kept across the cards of one fan
    int turnedW = 0, turnedH = 0;    // the last turned card in m_cardBack
    int ox = 0, oy = 0;              // where its corner (0, 0) lies in the turned image
};

// Fan angles: the first card of the fan of n cards is turned A(n) degrees, each next one 15 less.
constexpr int FanAngle(int n) {
    constexpr int angles[11] = {0, 0, 120, 120, 120, 135, 150, 165, 180, 180, 195};
    return angles[n];
}

// Prepares the hand fans (m_handFans) and m_backSideways, from the cache file unless `rebuild`
// (a cache file that does not hold a whole strip is rebuilt): the fans are read from the file,
// or after a composition from the file it was stored in (from the composed strip when it could
// not be stored; m_handStrip is released either way). True when both are ready.
bool PrepareCardBacks(CardBackContext& ctx, bool rebuild);
// The chosen back upright into m_cardBack (sideways false) or turned into m_backSideways.
bool PrepareBackImage(CardBackContext& ctx, bool sideways);
// Loads "CardBackOne.jpg" from the cache folder into m_cardBack; false when there is none.
bool LoadStoredFreeImage(CardBackContext& ctx);
// Composes the whole strip (and frames the sideways back when "CardWaku" is 1).
bool ComposeHandStrip(CardBackContext& ctx, CCardBackSet& composer);
// Where a fan is drawn: the picture and the x of the fan's left edge in it.
struct FanCanvas {
    QImage* image = nullptr;
    int left = 0;
};
// Composes the fans of 1..10 cards in turn, each onto canvas(n) over what lies there, calling
// done(n) after each (false from either stops it); flickers and frames as ComposeHandStrip.
bool ComposeFans(CardBackContext& ctx, CCardBackSet& composer,
                 const std::function<FanCanvas(int n)>& canvas,
                 const std::function<bool(int n)>& done);
// One card of a fan: turned by `angle` degrees about the fan's pivot onto `onto`.
bool DrawFanCard(CardBackContext& ctx, CCardBackSet& composer, QImage& onto, bool first, int fanX,
                 int angle);
// Turns m_backSideways counter-clockwise by `theta` radians into m_cardBack (inverse mapping).
bool RotateBack(CardBackContext& ctx, CCardBackSet& composer, double theta);

}  // namespace quintrick
