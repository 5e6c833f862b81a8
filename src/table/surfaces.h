// The off-screen surfaces and static images the table is drawn with, and the card sheet they
// are cut from. Every surface is a QImage in Format_RGB32; images drawn with a transparent key
// colour also keep a copy whose key pixels are transparent.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <array>

#include "engine/cards.h"
#include "engine/host.h"
#include "hand_fans.h"
#include "resource_paths.h"

namespace quintrick {

// Key colours of the transparent copies.
inline constexpr QRgb kKeyPlate = 0xff666699;  // RGB(102, 102, 153)
// The top colour of the table's background (the same as the plates' key).
inline constexpr QRgb kBackgroundTop = 0xff666699;
inline constexpr QRgb kKeyWhite = 0xffffffff;
inline constexpr QRgb kKeyLcd = 0xff0066cc;   // RGB(0, 102, 204)
inline constexpr QRgb kKeySuit = 0xff99ff99;  // RGB(153, 255, 153)
inline constexpr QRgb kKeyRed = 0xffff0000;
inline constexpr QRgb kKeyStrip = 0xfffff7ff;  // RGB(255, 247, 255)

// A copy of `src` in which every pixel of colour `key` is fully transparent
// (Format_ARGB32_Premultiplied).
QImage KeyToAlpha(const QImage& src, QRgb key);
// The same made from `src` itself, without a second copy of the pixels when nothing else holds
// them (`src` is left empty).
QImage KeyToAlpha(QImage&& src, QRgb key);

// The file name of the card data file in the executable's folder.
inline constexpr char kCardDataFile[] = "QuintrickSys.dll";

struct CSurfaces {
    AssetLanguage m_language = AssetLanguage::Japanese;  // of the images with words

    QImage m_backBuffer;     // 1200 x 900, the composed table in base coordinates
    QImage m_tableSurface;   // 1140 x 846, the flat table top
    QImage m_cardSheet;      // the decoded card sheet
    QImage m_rotateScratch;  // 215 x 151, one card turned a quarter turn
    QImage m_handStrip;      // 3575 x 342, the ten face-down hand fans while they are composed
    QImage m_backSideways;   // 215 x 151, the chosen back turned clockwise
    QImage m_cardBack;       // scratch of the card-back preparation

    QImage m_imgRedeal, m_imgKan, m_imgKoi, m_imgIku, m_imgTurnMark, m_imgPlates, m_imgPanel,
        m_imgLcdDigits;
    std::array<QImage, 4> m_imgSuit;
    QImage m_imgGameLabel, m_imgGameDigits, m_imgBattleLabel, m_imgBattleDigits, m_imgToolbar,
        m_imgTrumpCall, m_imgBanners, m_imgSuitCall, m_imgCursorMark, m_imgSigns;

    // Transparent copies of the keyed images (made with the images).
    struct Keyed {
        QImage turnMark, plates, lcdDigits, cursorMark, signs;
        std::array<QImage, 4> suit;
    } m_keyed;
    // The hand fans as they are drawn: from the stored strip or the strip in memory.
    HandFans m_handFans;
};

// Makes the transparent copies of the keyed images, and takes the hand strip for the fans.
void MakeKeyedCopies(CSurfaces& s);

// Makes every surface and loads every static image (Qt resources ":/bmp/<id>.png"), after
// releasing what a previous call made. On failure shows message 30001 and returns false.
bool BuildSurfaces(CSurfaces& s, IMessageBox& messages);
// The same in two halves: what the empty table at start needs (the back buffer, the table
// surface and the images of the indicators, panels, plates and marks, with their transparent
// copies), after releasing what a previous call made; then the cards' scratch surfaces and the
// call plates; and a blank hand strip, the canvas the card backs are composed on (the game makes
// it only when it prepares the card backs, before any hand is dealt; no fan is drawn before).
bool BuildFirstSurfaces(CSurfaces& s, IMessageBox& messages);
bool BuildRemainingSurfaces(CSurfaces& s, IMessageBox& messages);
bool MakeBlankHandStrip(CSurfaces& s, IMessageBox& messages);
// Releases every surface and image, the card sheet included (not m_cardBack).
void ReleaseSurfaces(CSurfaces& s);
// Loads a bitmap resource, its words in `language`, into a surface (RGB32); false when it cannot
// be loaded.
bool LoadBitmapResource(QImage& into, int id, AssetLanguage language = AssetLanguage::Japanese);
// A picture stored as raw pixels in a resource: "QRW1", width and height (32-bit little endian),
// then the RGB32 rows. Null when there is none or it is not whole.
QImage ReadRawBitmap(const QString& path);
// Replaces `surface` by a new w x h one (black); false when it cannot be made.
bool MakeSurface(QImage& surface, int w, int h);

// Reads the card sheet from the card data file in `folder` (by default the executable's folder).
// The file's first four bytes are not relied on: the JPEG start and APP0 markers are put back in
// memory before decoding; the file itself is only read. False (and no sheet) on any failure.
bool LoadCardSheet(CSurfaces& s, const QString& folder = {});
// The same in two steps: the file read and checked as far as it can be without decoding (a
// whole picture of at least the sheet's size; empty on any failure), then decoded.
QByteArray ReadCardData(const QString& folder = {});
bool DecodeCardSheet(CSurfaces& s, const QByteArray& data);

// Writes card `id`'s cell, turned a quarter turn clockwise, into m_rotateScratch.
void RotateCard(CSurfaces& s, CardId id);

}  // namespace quintrick
