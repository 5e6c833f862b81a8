// The table's images as they are drawn on surfaces composed at another scale than the base one:
// each made once per scale, when it is first drawn, from its base image (cells of a sheet each
// scaled alone, so that no cell takes colour from its neighbour, to the pixel edges PixelScale
// gives them). At scale 1 the base images themselves are drawn.
#pragma once

#include <QImage>
#include <array>
#include <map>

#include "engine/cards.h"
#include "geometry.h"

namespace quintrick {

class ScaledArt {
  public:
    // Forgets every scaled image; the next ones are made at `s`.
    void Reset(PixelScale s);
    PixelScale Scale() const { return m_scale; }

    // `base` (a sheet of cells of cellW x cellH base units, or one picture when they are 0) at
    // the scale. `follow`: made again when the base image's pixels change (else once per scale:
    // for images the table stamps in place, whose scaled copy is stamped the same way).
    QImage& Of(const QImage& base, int cellW = 0, int cellH = 0, bool follow = true);
    // Card `id` of the base card sheet at the scale, upright or turned a quarter turn clockwise.
    const QImage& Card(const QImage& sheet, CardId id, bool turned = false);

  private:
    struct Entry {
        qint64 key = 0;
        QImage image;
    };
    PixelScale m_scale;
    std::map<const QImage*, Entry> m_images;  // by the base image's place in the surfaces
    std::array<Entry, 2 * 52> m_cards;        // upright, then turned
    QImage m_none;                            // what a card that is not there draws
};

// `base` with its cells of cellW x cellH (the whole image when 0) each scaled smoothly to
// s(cell); the result is s(width) x s(height), in the base image's format.
QImage ScaleCells(const QImage& base, int cellW, int cellH, PixelScale s);

}  // namespace quintrick
