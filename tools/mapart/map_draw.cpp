// Drawing the two maps from their province codes: white provinces with black borders on a
// light-cyan sea, dashed sea crossings, the title, the legend, and (enlarged map only) the
// yellow label boxes with the costs under them, in Japanese or in English.
#include <QDebug>
#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>

#include "conquest/kuni_table.h"
#include "engine/roster.h"
#include "mapart.h"

namespace quintrick::mapart {
namespace {

const QRgb kSeaRgb = qRgb(204, 255, 255);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QColor kLinkColour(40, 96, 168);

QFont PixelFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Land white, sea light cyan; a land pixel is border when a 4-neighbour is sea or a province of
// a higher index, so every border is one pixel wide and closes each province for 4-connected
// fills.
QImage Plain(const CodeMap& map) {
    QImage image(map.width, map.height, QImage::Format_RGB32);
    for (int y = 0; y < map.height; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < map.width; ++x) {
            const int c = map.at(x, y);
            if (c == kSea) {
                row[x] = kSeaRgb;
                continue;
            }
            bool border = x == 0 || y == 0 || x == map.width - 1 || y == map.height - 1;
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (const auto& n : next) {
                if (!map.inside(n[0], n[1])) continue;
                const int o = map.at(n[0], n[1]);
                if (o == kSea || (o != c && o > c)) border = true;
            }
            row[x] = border ? kBlack : kWhite;
        }
    }
    return image;
}

// A dashed line between the nearest coast pixels of two provinces, over the sea only.
void DrawCrossing(QImage& image, const CodeMap& map, int a, int b, int width, int dash, int gap) {
    std::vector<QPoint> pa, pb;
    for (int y = 1; y + 1 < map.height; ++y) {
        for (int x = 1; x + 1 < map.width; ++x) {
            const int c = map.at(x, y);
            if (c != a && c != b) continue;
            const bool coast = map.at(x + 1, y) == kSea || map.at(x - 1, y) == kSea ||
                               map.at(x, y + 1) == kSea || map.at(x, y - 1) == kSea;
            if (coast) (c == a ? pa : pb).push_back({x, y});
        }
    }
    if (pa.empty() || pb.empty()) return;
    long best = -1;
    QPoint from, to;
    for (const QPoint& p : pa) {
        for (const QPoint& q : pb) {
            const long d =
                long(p.x() - q.x()) * (p.x() - q.x()) + long(p.y() - q.y()) * (p.y() - q.y());
            if (best < 0 || d < best) {
                best = d;
                from = p;
                to = q;
            }
        }
    }
    const double length = std::sqrt(double(best));
    // Neighbours that only look across land (the table's links over mountains) get no line.
    int overSea = 0;
    for (int s = 0; s <= int(length); ++s) {
        const double t = length == 0 ? 0 : s / length;
        const int cx = int(std::lround(from.x() + (to.x() - from.x()) * t));
        const int cy = int(std::lround(from.y() + (to.y() - from.y()) * t));
        if (map.at(cx, cy) == kSea) ++overSea;
    }
    if (overSea < 0.7 * length) return;
    for (int s = 0; s <= int(length); ++s) {
        if (s % (dash + gap) >= dash) continue;
        const double t = length == 0 ? 0 : s / length;
        const int cx = int(std::lround(from.x() + (to.x() - from.x()) * t));
        const int cy = int(std::lround(from.y() + (to.y() - from.y()) * t));
        for (int dy = 0; dy < width; ++dy) {
            for (int dx = 0; dx < width; ++dx) {
                const int x = cx + dx - width / 2, y = cy + dy - width / 2;
                if (map.inside(x, y) && map.at(x, y) == kSea)
                    image.setPixel(x, y, kLinkColour.rgb());
            }
        }
    }
}

QString Text(const art::ArtText& text, art::ArtLanguage language) {
    return QString::fromUtf8(text.In(language));
}

// The title and legend font: the Japanese gothic, or a Latin sans for the English words.
QString LegendFamily(art::ArtLanguage language) {
    return language == art::ArtLanguage::English ? "DejaVu Sans" : "IPAPGothic";
}

QString CharacterName(int character, art::ArtLanguage language) {
    if (language == art::ArtLanguage::English)
        return QString::fromUtf8(art::kEnglishRosterNames[character]);
    return QString::fromUtf8(RosterName(character).data(), int(RosterName(character).size()));
}

// The title and the legend, laid out in standard-map pixels and drawn `k` times larger.
void DrawLegend(QImage& image, int k, art::ArtLanguage language) {
    const QString family = LegendFamily(language);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The longer English title in a smaller size, within the sea left of Ezo.
    const bool english = language == art::ArtLanguage::English;
    painter.setFont(PixelFont(family, (english ? 22 : 26) * k, true));
    painter.setPen(QColor(0, 48, 112));
    painter.drawText(QRect(20 * k, 22 * k, (english ? 300 : 200) * k, 40 * k),
                     Qt::AlignLeft | Qt::AlignVCenter, Text(art::kTextMapTitle, language));
    painter.setPen(QPen(Qt::black, k));
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(20 * k, 78 * k, 155 * k, 185 * k));
    painter.setFont(PixelFont(family, 12 * k, true));
    painter.drawText(QRect(26 * k, 82 * k, 70 * k, 15 * k), Qt::AlignLeft | Qt::AlignVCenter,
                     Text(art::kTextMapPlayers, language));
    painter.drawText(QRect(125 * k, 82 * k, 46 * k, 15 * k), Qt::AlignCenter,
                     Text(art::kTextMapStones, language));
    painter.setPen(QPen(QColor(128, 128, 128), k));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(124 * k, 98 * k, 47 * k + (k - 1), 161 * k + (k - 1)));
    painter.setFont(PixelFont(family, 12 * k, false));
    for (int c = 0; c < kCharacters; ++c) {
        const int y0 = (99 + 16 * c) * k;
        painter.setPen(Qt::black);
        painter.drawText(QRect(26 * k, y0, 70 * k, 16 * k), Qt::AlignLeft | Qt::AlignVCenter,
                         CharacterName(c, language));
        const KuniRgb rgb = *KuniColor(c);
        painter.setBrush(QColor(rgb.red, rgb.green, rgb.blue));
        painter.setPen(QPen(Qt::black, k));
        painter.drawRect(QRect(100 * k, y0 + 3 * k, 19 * k, 10 * k));
    }
    // The stones are written into this column at run time; it stays plain white.
    painter.fillRect(QRect(125 * k, 99 * k, 46 * k, 160 * k), Qt::white);
}

QRect BoxRect(int province, MapLabels set) {
    const LabelBox b = KuniLabel(province, set);
    return QRect(b.x, b.y, b.width, b.height);
}

// The costs, in the same font in both languages, under the left end of the label box.
QFont CostFont() {
    return PixelFont("IPAPGothic", 10, false);
}
QRect CostRect(int province, MapLabels set) {
    const QRect box = BoxRect(province, set);
    return QRect(box.left() + 1, box.bottom() + 1, kLabelWidth - 2, 11);
}
// The pixels the cost's digits cover.
QRect CostInk(int province, MapLabels set) {
    const QFontMetrics metrics(CostFont());
    const QRect rect = CostRect(province, set);
    return metrics.tightBoundingRect(QString::number(KuniTable[province].cost))
        .translated(rect.left(), rect.top() + metrics.ascent());
}

void DrawLabels(QImage& image, art::ArtLanguage language, bool& fits) {
    const bool english = language == art::ArtLanguage::English;
    const MapLabels set = english ? MapLabels::Romanised : MapLabels::Japanese;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFont nameFont = english ? PixelFont("DejaVu Sans Condensed", 11, false)
                                   : PixelFont("IPAPGothic", 12, false);
    const QFontMetrics metrics(nameFont);
    for (int p = 0; p < kProvinces; ++p) {
        const QRect box = BoxRect(p, set);
        const QString name =
            english ? QString::fromUtf8(KuniRomanName(p).data(), int(KuniRomanName(p).size()))
                    : QString::fromStdString(KuniName(p));
        // One pixel of yellow on each side of the name inside the black frame.
        const int needed = metrics.horizontalAdvance(name) + 4;
        if (english && needed > box.width()) {
            qWarning() << "the label of" << name << "needs" << needed << "pixels, has"
                       << box.width();
            fits = false;
        }
        painter.setPen(Qt::black);
        painter.setBrush(QColor(255, 255, 0));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setFont(nameFont);
        painter.drawText(box.adjusted(1, 1, -1, -1), Qt::AlignCenter, name);
        painter.setFont(CostFont());
        painter.setPen(QColor(160, 0, 0));
        painter.drawText(CostRect(p, set), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(KuniTable[p].cost));
    }
}

}  // namespace

std::vector<QString> LabelCrowding() {
    std::vector<QString> problems;
    const MapLabels set = MapLabels::Romanised;
    const auto name = [](int p) { return QString::fromUtf8(KuniRomanName(p).data()); };
    for (int p = 0; p < kProvinces; ++p) {
        const QPoint seed(KuniCoords[p].SeedX(), KuniCoords[p].SeedY());
        for (int q = 0; q < kProvinces; ++q) {
            const QString what = name(q) + " covers " + name(p);
            if (q != p && BoxRect(q, set).contains(seed)) problems.push_back(what + "'s seed");
            if (q != p && CostInk(q, set).contains(seed)) problems.push_back(what + "'s seed");
            if (q == p) continue;
            if (q > p && BoxRect(q, set).intersects(BoxRect(p, set)))
                problems.push_back(what + "'s box");
            if (BoxRect(q, set).intersects(CostInk(p, set))) problems.push_back(what + "'s cost");
            if (q > p && CostInk(q, set).intersects(CostInk(p, set)))
                problems.push_back(what + "'s cost with its cost");
        }
        if (BoxRect(p, set).contains(seed) || CostInk(p, set).contains(seed))
            problems.push_back(name(p) + " covers its own seed");
    }
    return problems;
}

namespace {

// A seed in each further white piece of every province.
std::vector<PieceSeed> Pieces(const QImage& image, const CodeMap& map, int minPixels,
                              const std::array<QPoint, kProvinces>& seeds) {
    std::vector<PieceSeed> pieces;
    std::vector<char> seen(map.code.size(), 0);
    for (int start = 0; start < int(map.code.size()); ++start) {
        const int sx = start % map.width, sy = start / map.width;
        const int code = map.code[start];
        if (seen[start] || code >= kProvinces || image.pixel(sx, sy) != kWhite) continue;
        std::vector<int> stack{start}, pixels;
        seen[start] = 1;
        bool holdsSeed = false;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            pixels.push_back(i);
            const int x = i % map.width, y = i / map.width;
            if (QPoint(x, y) == seeds[code]) holdsSeed = true;
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (const auto& n : next) {
                if (!map.inside(n[0], n[1])) continue;
                const int j = n[1] * map.width + n[0];
                if (!seen[j] && image.pixel(n[0], n[1]) == kWhite && map.code[j] == code) {
                    seen[j] = 1;
                    stack.push_back(j);
                }
            }
        }
        if (holdsSeed || int(pixels.size()) < minPixels) continue;
        // The piece's pixel nearest to its centre.
        double cx = 0, cy = 0;
        for (int i : pixels) {
            cx += i % map.width;
            cy += i / map.width;
        }
        cx /= double(pixels.size());
        cy /= double(pixels.size());
        const int at = *std::min_element(pixels.begin(), pixels.end(), [&](int a, int b) {
            return std::hypot(a % map.width - cx, a / map.width - cy) <
                   std::hypot(b % map.width - cx, b / map.width - cy);
        });
        pieces.push_back({code, at % map.width, at / map.width});
    }
    return pieces;
}

}  // namespace

MapImages DrawMaps(const CodeMap& big, const CodeMap& small, art::ArtLanguage language) {
    MapImages out;
    out.enlarged = Plain(big);
    out.standard = Plain(small);
    for (const auto& [a, b] : SeaCrossings(big)) {
        qInfo() << "sea crossing" << QString::fromStdString(KuniName(a))
                << QString::fromStdString(KuniName(b));
        DrawCrossing(out.enlarged, big, a, b, 2, 6, 4);
        DrawCrossing(out.standard, small, a, b, 1, 3, 2);
    }
    DrawLegend(out.enlarged, 3, language);
    DrawLegend(out.standard, 1, language);
    out.labelsFit = true;
    DrawLabels(out.enlarged, language, out.labelsFit);
    std::array<QPoint, kProvinces> bigSeeds, smallSeeds;
    for (int p = 0; p < kProvinces; ++p) {
        bigSeeds[p] = QPoint(KuniCoords[p].SeedX(), KuniCoords[p].SeedY());
        smallSeeds[p] = QPoint(KuniCoords[p].sx, KuniCoords[p].sy);
    }
    out.enlargedPieces = Pieces(out.enlarged, big, 6, bigSeeds);
    out.standardPieces = Pieces(out.standard, small, 2, smallSeeds);
    return out;
}

QImage ToIndexed(const QImage& image, int colours) {
    std::map<QRgb, long> count;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) ++count[row[x] | 0xff000000u];
    }
    std::vector<std::pair<long, QRgb>> byCount;
    for (const auto& [rgb, n] : count) byCount.push_back({n, rgb});
    std::sort(byCount.rbegin(), byCount.rend());
    QList<QRgb> table;
    for (const auto& [n, rgb] : byCount) {
        if (table.size() == colours) break;
        table.push_back(rgb);
    }
    if (int(count.size()) > colours) {
        qInfo() << count.size() << "colours reduced to" << colours;
    }
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

}  // namespace quintrick::mapart
