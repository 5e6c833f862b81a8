#include "conquest/map_fill.h"

#include <QFile>
#include <QTextStream>

#include "conquest/kuni_coords.h"

namespace quintrick {
namespace {

// Scanline fill of the 4-connected area of pixels for which `inside` holds; `inside` must turn
// false for a pixel once `set` has been called for it.
template <typename Inside, typename Set>
int ScanlineFill(QImage& image, QPoint seed, Inside inside, Set set) {
    if (!image.rect().contains(seed) || !inside(seed.x(), seed.y())) return 0;
    int count = 0;
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        const int y = p.y();
        if (!inside(p.x(), y)) continue;
        int left = p.x(), right = p.x();
        while (left > 0 && inside(left - 1, y)) --left;
        while (right + 1 < image.width() && inside(right + 1, y)) ++right;
        for (int x = left; x <= right; ++x) set(x, y);
        count += right - left + 1;
        for (int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= image.height()) continue;
            bool open = false;
            for (int x = left; x <= right; ++x) {
                const bool in = inside(x, ny);
                if (in && !open) stack.push_back({x, ny});
                open = in;
            }
        }
    }
    return count;
}

QRgb Pixel(const QImage& image, int x, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] | 0xff000000u;
}

}  // namespace

int BoundaryFill(QImage& image, QPoint seed, QRgb fill, QRgb boundary) {
    if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
    fill |= 0xff000000u;
    boundary |= 0xff000000u;
    std::vector<char> done(static_cast<std::size_t>(image.width()) * image.height(), 0);
    const int width = image.width();
    auto index = [width](int x, int y) { return static_cast<std::size_t>(y) * width + x; };
    return ScanlineFill(
        image, seed,
        [&](int x, int y) { return !done[index(x, y)] && Pixel(image, x, y) != boundary; },
        [&](int x, int y) {
            done[index(x, y)] = 1;
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = fill;
        });
}

int SurfaceFill(QImage& image, QPoint seed, QRgb fill) {
    if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
    if (!image.rect().contains(seed)) return 0;
    fill |= 0xff000000u;
    const QRgb target = Pixel(image, seed.x(), seed.y());
    if (target == fill) return 0;
    return ScanlineFill(
        image, seed, [&](int x, int y) { return Pixel(image, x, y) == target; },
        [&](int x, int y) { reinterpret_cast<QRgb*>(image.scanLine(y))[x] = fill; });
}

MapSeeds LoadMapSeeds(AssetLanguage language) {
    return [language] {
        MapSeeds s;
        for (int p = 0; p < kProvinces; ++p) {
            const KuniCoord& k = KuniCoords[static_cast<std::size_t>(p)];
            s.enlarged[static_cast<std::size_t>(p)].push_back({k.SeedX(), k.SeedY()});
            s.standard[static_cast<std::size_t>(p)].push_back({k.sx, k.sy});
        }
        QFile file(MapPiecesPath(language));
        if (!file.open(QIODevice::ReadOnly)) return s;
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QStringList f = in.readLine().split(' ', Qt::SkipEmptyParts);
            if (f.size() != 4 || (f[0] != "E" && f[0] != "S")) continue;
            const int p = f[1].toInt();
            if (p < 0 || p >= kProvinces) continue;
            auto& list = f[0] == "E" ? s.enlarged : s.standard;
            list[static_cast<std::size_t>(p)].push_back({f[2].toInt(), f[3].toInt()});
        }
        return s;
    }();
}

}  // namespace quintrick
