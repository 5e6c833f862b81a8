// Flood fills on the map images and the seeds of every piece of a province.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <array>
#include <vector>

#include "conquest/kuni_state.h"
#include "resource_paths.h"

namespace quintrick {

// Fills the 4-connected area around `seed` up to pixels of the boundary colour. Pixels already of
// the fill colour are filled over like any other; every pixel is visited once. Returns the
// number of pixels set.
int BoundaryFill(QImage& image, QPoint seed, QRgb fill, QRgb boundary);

// Fills the 4-connected area of exactly the colour found at `seed`. Filling with the colour that
// is already there changes nothing and returns 0 at once.
int SurfaceFill(QImage& image, QPoint seed, QRgb fill);

// The fill seeds of each province on one map: the province's own seed first, then one point in
// each further piece (islands).
using ProvinceSeeds = std::array<std::vector<QPoint>, kProvinces>;

struct MapSeeds {
    ProvinceSeeds enlarged;
    ProvinceSeeds standard;
};

// The seeds of both maps of a language: the coordinates table plus the pieces listed beside that
// language's map images.
MapSeeds LoadMapSeeds(AssetLanguage language = AssetLanguage::Japanese);

}  // namespace quintrick
