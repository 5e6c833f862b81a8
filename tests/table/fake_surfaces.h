// Surfaces of plain, known colours for checking the composition pixel by pixel without relying
// on the artwork: every sheet pixel encodes its own position, every image is one flat colour.
#pragma once

#include <QImage>

#include "table/layout.h"
#include "table/surfaces.h"

namespace quintrick::testing {

// The sheet pixel at (x, y): red = x & 255, green = y & 255, blue = high bits of both.
inline QRgb SheetPixel(int x, int y) {
    return qRgb(x & 255, y & 255, (x >> 8) | ((y >> 8) << 3));
}
inline QImage MakeSheet() {
    QImage sheet(1963, 860, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = 0; x < sheet.width(); ++x) row[x] = SheetPixel(x, y);
    }
    return sheet;
}
// The sheet pixel of card `id` at (s, t) inside its cell.
inline QRgb CardPixel(CardId id, int s, int t) {
    const Point c = CardCell(id);
    return SheetPixel(c.x + s, c.y + t);
}

inline QImage Flat(int w, int h, QRgb colour) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// Flat stand-ins for the static images: each its own colour, keyed images with their key colour
// in the first column so that the key can be seen to stay transparent.
inline constexpr QRgb kTurnMarkColour = 0xff102030;
inline constexpr QRgb kPlateColour = 0xff203040;
inline constexpr QRgb kPanelColour = 0xff304050;
inline constexpr QRgb kLcdColour = 0xff00ff00;  // column 0 of every glyph is the key
inline constexpr QRgb kSuitColour = 0xff405060;
inline constexpr QRgb kLabelColour = 0xff506070;
inline constexpr QRgb kToolbarColour = 0xff607080;
inline constexpr QRgb kBannerColour = 0xff708090;
inline constexpr QRgb kBackColour = 0xffa0b0c0;

// LCD glyph g (0..10) is drawn in its own colour.
inline QRgb GlyphColour(int g) {
    return qRgb(0, 255, 20 * g);
}
inline constexpr QRgb kSafeSignColour = 0xff0000a0;
inline constexpr QRgb kDangerSignColour = 0xffa0a000;

inline QImage Keyed(int w, int h, QRgb colour, QRgb key) {
    QImage img = Flat(w, h, colour);
    for (int y = 0; y < h; ++y) img.setPixel(0, y, key);
    return img;
}

// Every surface made, every image flat; the card sheet positional; the back cells flat.
inline void FillFakeSurfaces(CSurfaces& s) {
    s.m_backBuffer = Flat(kBaseWidth, kBaseHeight, 0xff000000);
    s.m_tableSurface = Flat(kSurfaceWidth, kSurfaceHeight, 0xff000000);
    s.m_cardSheet = MakeSheet();
    s.m_rotateScratch = Flat(kCardHeight, kCardWidth, 0xff000000);
    s.m_handStrip = Flat(kStripWidth, kStripHeight, kKeyStrip);
    s.m_backSideways = Flat(kCardHeight, kCardWidth, kBackColour);
    s.m_imgRedeal = Flat(243, 62, kKeyPlate);
    s.m_imgKan = s.m_imgKoi = s.m_imgIku = Flat(64, 34, kKeyPlate);
    s.m_imgTurnMark = Keyed(34, 34, kTurnMarkColour, kKeyPlate);
    s.m_imgPlates = Keyed(132, 340, kPlateColour, kKeyWhite);
    s.m_imgPanel = Flat(175, 138, kPanelColour);
    s.m_imgLcdDigits = Keyed(176, 27, kLcdColour, kKeyLcd);
    for (int g = 0; g < 11; ++g) {
        for (int y = 0; y < 27; ++y) {
            s.m_imgLcdDigits.setPixel(16 * g, y, kKeyLcd);
            for (int x = 1; x < 16; ++x) s.m_imgLcdDigits.setPixel(16 * g + x, y, GlyphColour(g));
        }
    }
    for (auto& suit : s.m_imgSuit) suit = Keyed(47, 53, kSuitColour, kKeySuit);
    s.m_imgGameLabel = s.m_imgBattleLabel = Flat(115, 26, kLabelColour);
    s.m_imgGameDigits = Flat(210, 26, kLabelColour);
    s.m_imgBattleDigits = Flat(69, 26, kLabelColour);
    s.m_imgToolbar = Flat(163, 32, kToolbarColour);
    s.m_imgTrumpCall = s.m_imgSuitCall = Flat(74, 38, kKeyPlate);
    s.m_imgBanners = Flat(163, 156, kBannerColour);
    s.m_imgCursorMark = Keyed(20, 18, 0xff000080, kKeyWhite);
    s.m_imgSigns = Keyed(80, 37, kSafeSignColour, kKeyRed);
    for (int y = 0; y < 37; ++y) {
        for (int x = 41; x < 80; ++x) s.m_imgSigns.setPixel(x, y, kDangerSignColour);
    }
    MakeKeyedCopies(s);
}

}  // namespace quintrick::testing
