// Shared drawing helpers of the artwork generator: fonts, suit shapes, keyed images.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <Qt>

class QPainter;

namespace quintrick::art {

// Suits in card-id order: 0 clubs, 1 diamonds, 2 hearts, 3 spades.
inline bool IsRedSuit(int suit) {
    return suit == 1 || suit == 2;
}
QColor SuitColor(int suit);

// A suit symbol of about `size` pixels high, centred on the origin, pointing up.
QPainterPath SuitPath(int suit, double size);

// Draws the suit symbol centred at (cx, cy); upside down when `flipped`.
void DrawPip(QPainter& p, int suit, double cx, double cy, double size, bool flipped = false);

// The first installed family of a preferred list of Japanese gothic fonts.
QFont JapaneseFont(int pixelSize, bool bold = true);
// Mincho (serif) Japanese font for the labels.
QFont JapaneseSerifFont(int pixelSize, bool bold = true);
// Latin serif font for the card indices.
QFont IndexFont(int pixelSize);
// Latin sans font for small labels.
QFont LatinFont(int pixelSize, bool bold = true);

// A transparent canvas of the given size to draw keyed artwork on.
QImage Canvas(int width, int height);

// Turns a drawn canvas into an opaque RGB image: pixels less than half covered become exactly
// `key`, the others take their own colour; no covered pixel keeps the key colour.
QImage Keyed(const QImage& canvas, QColor key);

// Replaces every pixel of exactly `key` colour by a neighbouring shade (opaque images that must
// not contain the key).
void AvoidColor(QImage& image, QColor key);

// Text drawn with a dark outline (for plates and banners).
void OutlinedText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font,
                  QColor fill, QColor outline, double outlineWidth, int flags = Qt::AlignCenter);

}  // namespace quintrick::art
