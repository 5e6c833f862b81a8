// The map artwork generator's parts: the warp of the province raster onto the seed layout, the
// province code maps, the drawing of the two maps and the banner.
#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "art_texts.h"
#include "conquest/kuni_coords.h"

namespace quintrick::mapart {

inline constexpr std::uint8_t kSea = 255;

// A province index (0..74) or kSea per pixel.
struct CodeMap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> code;
    CodeMap(int w, int h) : width(w), height(h), code(static_cast<std::size_t>(w) * h, kSea) {}
    std::uint8_t& at(int x, int y) { return code[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t at(int x, int y) const { return code[static_cast<std::size_t>(y) * width + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// The province raster with its table.
struct GeoData {
    QImage raster;                    // grayscale, one code per pixel
    std::array<int, 256> province{};  // raster code -> province, -1 none, -2 陸奥, -3 出羽
    std::array<QPointF, kProvinces> anchor;  // a raster point inside each province
};
bool LoadGeoData(const QString& folder, GeoData& geo, QString& error);

// The enlarged map's province codes, warped so that every province's anchor lands on its seed.
CodeMap WarpToSeeds(const GeoData& geo);

// Drops islets, fills pin-hole lakes, splits 陸奥 and 出羽, and keeps every seed in its own
// province.
void CleanUp(CodeMap& map, const std::array<QPoint, kProvinces>& seeds, int minPiece);

// The standard map's codes: one third of the enlarged map, after giving the pixels around
// every standard seed (three times over) to the seed's province on the enlarged map too.
CodeMap ThirdOf(CodeMap& big);

// Extra fill seeds: one point in every further piece of a province's white area.
struct PieceSeed {
    int province;
    int x;
    int y;
};

struct MapImages {
    QImage enlarged;
    QImage standard;
    std::vector<PieceSeed> enlargedPieces;
    std::vector<PieceSeed> standardPieces;
    bool labelsFit = true;  // false when a name is wider than its label box
};
// The maps with their words (title, legend, province names) in one language.
MapImages DrawMaps(const CodeMap& big, const CodeMap& small, art::ArtLanguage language);

QImage DrawBanner(art::ArtLanguage language);

// What the romanised label boxes and the costs under them cover that they must leave free:
// another label box, another cost, a fill seed. Empty when the layout is sound.
std::vector<QString> LabelCrowding();

// The image reduced to an indexed palette of at most `colours` entries (exact when it has few
// enough colours, nearest palette entry otherwise).
QImage ToIndexed(const QImage& image, int colours);

// The outer points of the neighbour relation that the maps do not show as a land border.
std::vector<std::pair<int, int>> SeaCrossings(const CodeMap& map);

}  // namespace quintrick::mapart
