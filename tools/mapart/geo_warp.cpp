// Loading the province raster and warping it onto the seed layout: a thin-plate spline carries
// every province's inside point onto its fill seed; 蝦夷 and 琉球 get insets of their own.
#include <QDebug>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <cmath>
#include <complex>

#include "conquest/kuni_table.h"
#include "mapart.h"

namespace quintrick::mapart {
namespace {

constexpr int kEzo = 0;
constexpr int kRyukyu = 72;
constexpr int kMutsu = -2;
constexpr int kDewa = -3;

// Raster pixel of a longitude and latitude (the raster is a plain lon/lat grid).
QPointF RasterPoint(double lon, double lat) {
    return {(lon - 127.0) * 140.0, (45.76 - lat) * 175.0};
}

// Where the split-off provinces of 陸奥 and 出羽 lie.
struct SplitAnchor {
    int province;
    double lon;
    double lat;
};
constexpr SplitAnchor kSplitAnchors[] = {
    {1, 140.45, 40.62},  // 津軽: Hirosaki
    {2, 141.30, 40.00},  // 南部: Morioka and the Kitakami hills
    {3, 141.00, 38.55},  // 伊達: the Sendai plain
    {4, 139.75, 37.45},  // 蘆名: the Aizu basin
    {5, 140.85, 37.62},  // 相馬: the Hamadori coast
    {6, 140.35, 39.75},  // 秋田: the Akita plain
    {7, 140.15, 38.55},  // 最上: the Yamagata basin
};

// Thin-plate spline from map pixels to raster pixels, exact at the control points.
class ThinPlate {
  public:
    ThinPlate(const std::vector<QPointF>& from, const std::vector<QPointF>& to) : m_from(from) {
        const int n = static_cast<int>(from.size());
        const int m = n + 3;
        std::vector<double> a(static_cast<std::size_t>(m) * m, 0.0);
        std::vector<double> bx(static_cast<std::size_t>(m), 0.0),
            by(static_cast<std::size_t>(m), 0.0);
        auto A = [&](int r, int c) -> double& { return a[static_cast<std::size_t>(r) * m + c]; };
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) A(i, j) = Kernel(from[i], from[j]);
            A(i, n) = A(n, i) = 1.0;
            A(i, n + 1) = A(n + 1, i) = from[i].x();
            A(i, n + 2) = A(n + 2, i) = from[i].y();
            bx[i] = to[i].x();
            by[i] = to[i].y();
        }
        Solve(a, m, bx);
        Solve(a, m, by);
        m_wx = bx;
        m_wy = by;
    }

    QPointF Map(double x, double y) const {
        const std::size_t n = m_from.size();
        double sx = m_wx[n] + m_wx[n + 1] * x + m_wx[n + 2] * y;
        double sy = m_wy[n] + m_wy[n + 1] * x + m_wy[n + 2] * y;
        for (std::size_t i = 0; i < n; ++i) {
            const double k = Kernel(m_from[i], QPointF(x, y));
            sx += m_wx[i] * k;
            sy += m_wy[i] * k;
        }
        return {sx, sy};
    }

  private:
    static double Kernel(const QPointF& p, const QPointF& q) {
        const double dx = p.x() - q.x(), dy = p.y() - q.y();
        const double r2 = dx * dx + dy * dy;
        return r2 <= 0.0 ? 0.0 : r2 * std::log(r2);
    }

    // Gaussian elimination with partial pivoting on a copy of the matrix.
    static void Solve(std::vector<double> a, int m, std::vector<double>& b) {
        auto A = [&](int r, int c) -> double& { return a[static_cast<std::size_t>(r) * m + c]; };
        for (int col = 0; col < m; ++col) {
            int pivot = col;
            for (int r = col + 1; r < m; ++r) {
                if (std::fabs(A(r, col)) > std::fabs(A(pivot, col))) pivot = r;
            }
            for (int c = 0; c < m; ++c) std::swap(A(col, c), A(pivot, c));
            std::swap(b[col], b[pivot]);
            for (int r = col + 1; r < m; ++r) {
                const double f = A(r, col) / A(col, col);
                for (int c = col; c < m; ++c) A(r, c) -= f * A(col, c);
                b[r] -= f * b[col];
            }
        }
        for (int r = m - 1; r >= 0; --r) {
            double s = b[r];
            for (int c = r + 1; c < m; ++c) s -= A(r, c) * b[c];
            b[r] = s / A(r, r);
        }
    }

    std::vector<QPointF> m_from;
    std::vector<double> m_wx, m_wy;
};

// A scaled copy of the raster codes of one inset province, its anchor on the seed and fitted
// into the target rectangle.
struct Inset {
    int province;
    QRect target;
    QRectF source;  // raster bounding box of the province's codes
    double scale = 1.0;
    QPointF seed, anchor;

    void Fit(const GeoData& geo, QPoint seedPoint) {
        seed = seedPoint;
        anchor = geo.anchor[province];
        double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
        for (int y = 0; y < geo.raster.height(); ++y) {
            const uchar* row = geo.raster.constScanLine(y);
            for (int x = 0; x < geo.raster.width(); ++x) {
                if (row[x] == 0 || geo.province[row[x]] != province) continue;
                if (row[x] == 71) continue;  // the Kurils may be cut off by the frame
                left = std::min(left, double(x));
                right = std::max(right, double(x + 1));
                top = std::min(top, double(y));
                bottom = std::max(bottom, double(y + 1));
            }
        }
        source = QRectF(QPointF(left, top), QPointF(right, bottom));
        scale = std::min({(seed.x() - target.left()) / (anchor.x() - left),
                          (target.right() - seed.x()) / (right - anchor.x()),
                          (seed.y() - target.top()) / (anchor.y() - top),
                          (target.bottom() - seed.y()) / (bottom - anchor.y())});
    }
    // A second pair of points turns the inset as well: the raster point `second` lands on
    // `secondSeed` (the standard map's seed, three times its coordinates).
    void Turn(const GeoData& geo, QPoint seedPoint, QPointF second, QPointF secondSeed) {
        seed = seedPoint;
        anchor = geo.anchor[province];
        const std::complex<double> out(secondSeed.x() - seed.x(), secondSeed.y() - seed.y());
        const std::complex<double> in(second.x() - anchor.x(), second.y() - anchor.y());
        turn = out / in;
    }
    QPointF ToRaster(int x, int y) const {
        const std::complex<double> d(x + 0.5 - seed.x(), y + 0.5 - seed.y());
        const std::complex<double> r = d / (turn * scale);
        return anchor + QPointF(r.real(), r.imag());
    }
    std::complex<double> turn{1.0, 0.0};
};

int Sample(const GeoData& geo, QPointF p) {
    const int x = static_cast<int>(std::floor(p.x())), y = static_cast<int>(std::floor(p.y()));
    if (x < 0 || y < 0 || x >= geo.raster.width() || y >= geo.raster.height()) return 0;
    return geo.raster.constScanLine(y)[x];
}

// The raster point of the province nearest to `p` that lies at least two pixels inside it.
QPointF NearestInside(const GeoData& geo, int province, QPointF p) {
    auto deep = [&](int x, int y) {
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int code = Sample(geo, QPointF(x + dx, y + dy));
                if (code == 0 ||
                    geo.province[static_cast<std::size_t>(code)] !=
                        geo.province[static_cast<std::size_t>(Sample(geo, QPointF(x, y)))])
                    return false;
            }
        }
        return true;
    };
    auto owner = [&](int x, int y) {
        const int code = Sample(geo, QPointF(x, y));
        if (code == 0) return -1;
        const int q = geo.province[static_cast<std::size_t>(code)];
        // The split provinces share their old province's codes.
        if (q == kMutsu && province >= 1 && province <= 5) return province;
        if (q == kDewa && (province == 6 || province == 7)) return province;
        return q;
    };
    const int cx = static_cast<int>(p.x()), cy = static_cast<int>(p.y());
    for (int r = 0; r < 400; ++r) {
        for (int dy = -r; dy <= r; ++dy) {
            for (int dx = -r; dx <= r; ++dx) {
                if (std::max(std::abs(dx), std::abs(dy)) != r) continue;
                if (owner(cx + dx, cy + dy) == province && deep(cx + dx, cy + dy)) {
                    return QPointF(cx + dx + 0.5, cy + dy + 0.5);
                }
            }
        }
    }
    return geo.anchor[static_cast<std::size_t>(province)];
}

}  // namespace

bool LoadGeoData(const QString& folder, GeoData& geo, QString& error) {
    geo.raster =
        QImage(folder + "/provinces_raster.png").convertToFormat(QImage::Format_Grayscale8);
    QFile file(folder + "/provinces_raster.json");
    if (geo.raster.isNull() || !file.open(QIODevice::ReadOnly)) {
        error = "cannot read the raster or its table in " + folder;
        return false;
    }
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    geo.province.fill(-1);
    std::array<bool, kProvinces> found{};
    for (const QJsonValue& v : root["codes"].toArray()) {
        const QJsonObject c = v.toObject();
        const int code = c["code"].toInt();
        QString name = c["name"].toString();
        if (name == "飛騨") name = "飛弾";  // the game writes it so
        int province = -1;
        if (name == "陸奥" || code == 69)
            province = kMutsu;
        else if (name == "出羽")
            province = kDewa;
        else if (code == 72)
            province = 28;  // the southern Izu islands belong to 伊豆
        else if (code == 71)
            province = kEzo;  // the southern Kurils, with 蝦夷
        else {
            for (int p = 0; p < kProvinces; ++p) {
                if (QString::fromStdString(KuniName(p)) == name) province = p;
            }
        }
        // 奄美 and the northern Tokara islands are left out: too far for the insets.
        if (code == 73 || code == 75) province = -1;
        if (code <= 0 || code > 255) continue;
        geo.province[static_cast<std::size_t>(code)] = province;
        if (province >= 0 && c["name"].isString() && code != 72 && code != 71) {
            const QJsonObject in = c["inside_point"].toObject();
            geo.anchor[static_cast<std::size_t>(province)] =
                QPointF(in["x"].toDouble() + 0.5, in["y"].toDouble() + 0.5);
            found[static_cast<std::size_t>(province)] = true;
        }
    }
    // The Okinawa inset grows north-east from its seed: anchor it in the island's south-west.
    geo.anchor[kRyukyu] = RasterPoint(127.71, 26.16);
    for (const SplitAnchor& s : kSplitAnchors) {
        geo.anchor[static_cast<std::size_t>(s.province)] = RasterPoint(s.lon, s.lat);
        found[static_cast<std::size_t>(s.province)] = true;
    }
    for (int p = 0; p < kProvinces; ++p) {
        if (!found[static_cast<std::size_t>(p)]) {
            error = "no raster code for " + QString::fromStdString(KuniName(p));
            return false;
        }
    }
    return true;
}

CodeMap WarpToSeeds(const GeoData& geo) {
    std::array<QPoint, kProvinces> seeds;
    std::vector<QPointF> from, to;
    for (int p = 0; p < kProvinces; ++p) {
        const KuniCoord& k = KuniCoords[static_cast<std::size_t>(p)];
        seeds[static_cast<std::size_t>(p)] = QPoint(k.SeedX(), k.SeedY());
        if (p == kEzo || p == kRyukyu) continue;
        from.emplace_back(k.SeedX() + 0.5, k.SeedY() + 0.5);
        to.push_back(geo.anchor[static_cast<std::size_t>(p)]);
    }
    // A second control point per province carries a raster point of the province onto the
    // standard map's seed (three times its coordinates), so that both seeds lie inside it.
    // Sea east of southern 日向, held west of the 琉球 inset's label and seed.
    for (const auto& [x, y, lon, lat] : {std::array<double, 4>{226, 1498, 131.62, 31.90},
                                         std::array<double, 4>{214, 1540, 131.50, 31.45},
                                         std::array<double, 4>{206, 1585, 131.42, 31.25}}) {
        from.emplace_back(x, y);
        to.push_back(RasterPoint(lon, lat));
    }
    const ThinPlate first(from, to);
    for (int p = 0; p < kProvinces; ++p) {
        if (p == kEzo || p == kRyukyu) continue;
        const KuniCoord& k = KuniCoords[static_cast<std::size_t>(p)];
        const QPointF at(3 * k.sx + 1.5, 3 * k.sy + 1.5);
        if (std::hypot(at.x() - k.SeedX(), at.y() - k.SeedY()) < 4) continue;
        from.push_back(at);
        to.push_back(NearestInside(geo, p, first.Map(at.x(), at.y())));
    }
    const ThinPlate warp(from, to);
    Inset ezo{kEzo, QRect(QPoint(985, 18), QPoint(1452, 540)), {}, 1.0, {}, {}};
    Inset ryukyu{kRyukyu, QRect(QPoint(234, 1462), QPoint(440, 1606)), {}, 1.0, {}, {}};
    ezo.Fit(geo, seeds[kEzo]);
    const KuniCoord& ry = KuniCoords[kRyukyu];
    if (Sample(geo, geo.anchor[kRyukyu]) != 74 || Sample(geo, RasterPoint(127.87, 26.47)) != 74) {
        qWarning() << "the Okinawa points are not on the island";
    }
    ryukyu.Turn(geo, seeds[kRyukyu], RasterPoint(127.87, 26.47),
                QPointF(3 * ry.sx + 1.5, 3 * ry.sy + 1.5));

    CodeMap map(kEnlargedWidth, kEnlargedHeight);
    for (int y = 0; y < map.height; ++y) {
        for (int x = 0; x < map.width; ++x) {
            const int code = Sample(geo, warp.Map(x + 0.5, y + 0.5));
            int province = code == 0 ? -1 : geo.province[static_cast<std::size_t>(code)];
            if (province == kEzo || province == kRyukyu) province = -1;
            // The insets show their island where the main map has sea.
            for (const Inset* inset : {&ezo, &ryukyu}) {
                if (province != -1 || !inset->target.contains(x, y)) continue;
                const int c = Sample(geo, inset->ToRaster(x, y));
                if (c != 0 && geo.province[c] == inset->province) province = inset->province;
            }
            // 陸奥 and 出羽 are marked for the split by nearest seed.
            if (province == kMutsu)
                map.at(x, y) = 200;
            else if (province == kDewa)
                map.at(x, y) = 201;
            else if (province >= 0)
                map.at(x, y) = static_cast<std::uint8_t>(province);
        }
    }
    return map;
}

}  // namespace quintrick::mapart
