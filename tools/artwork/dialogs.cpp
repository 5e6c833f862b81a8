// Pictures of the two small dialogs and the program's icon: the OK seal of the suit dialog
// (182), the map of the characters' home provinces behind the character buttons (191), and the
// desktop icon.
#include <QFontMetricsF>
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "artwork.h"
#include "conquest/kuni_table.h"
#include "conquest/map_fill.h"
#include "interaction/select_buttons.h"
#include "paint_util.h"

namespace quintrick::art {
namespace {

// Dialog units to pixels in the dialog pictures.
constexpr int kDlu = 2;

constexpr QRgb kLand = qRgb(236, 226, 192);
constexpr QRgb kBorder = qRgb(120, 104, 80);

// The province under every pixel of the picture, -1 for the sea: the conquest map's standard
// picture with each province filled from its seeds, scaled into the picture's frame. The black
// outlines of the conquest map belong to a province beside them.
std::vector<int> ProvinceGrid() {
    QImage map = QImage(QStringLiteral(":/map/164.png")).convertToFormat(QImage::Format_RGB32);
    const MapSeeds seeds = LoadMapSeeds();
    for (int p = 0; p < kProvinces; ++p) {
        for (const QPoint& seed : seeds.standard[static_cast<std::size_t>(p)]) {
            if (map.valid(seed) && map.pixel(seed) == qRgb(255, 255, 255)) {
                SurfaceFill(map, seed, qRgb(1, 2, p));
            }
        }
    }
    const auto filled = [&](int x, int y) {
        if (!map.valid(x, y)) return -1;
        const QRgb c = map.pixel(x, y);
        return qRed(c) == 1 && qGreen(c) == 2 ? qBlue(c) : -1;
    };
    const auto province = [&](int x, int y) {
        const int own = filled(x, y);
        if (own >= 0 || !map.valid(x, y) || map.pixel(x, y) != qRgb(0, 0, 0)) return own;
        for (const auto& [dx, dy] : {std::pair{1, 0}, {0, 1}, {-1, 0}, {0, -1}}) {
            if (filled(x + dx, y + dy) >= 0) return filled(x + dx, y + dy);
        }
        return -1;
    };
    std::vector<int> grid(static_cast<std::size_t>(kHomeMapWidth * kHomeMapHeight), -1);
    for (int y = kHomeMapTop; y < kHomeMapHeight; ++y) {
        for (int x = 0; x < kHomeMapWidth; ++x) {
            const int mx = (2 * x + 1) * kHomeMapSourceWidth / (2 * kHomeMapWidth);
            const int my = (2 * (y - kHomeMapTop) + 1) * kHomeMapSourceWidth / (2 * kHomeMapWidth);
            grid[static_cast<std::size_t>(y * kHomeMapWidth + x)] = province(mx, my);
        }
    }
    return grid;
}

// The point of a province nearest to its centre of mass (a bent province's centre may lie
// outside it).
QPointF ProvinceCentre(const std::vector<int>& grid, int province) {
    double sx = 0, sy = 0;
    int n = 0;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        if (grid[i] != province) continue;
        sx += static_cast<double>(i % kHomeMapWidth);
        sy += static_cast<double>(i / kHomeMapWidth);
        ++n;
    }
    if (n == 0) return {};
    const QPointF mean(sx / n, sy / n);
    QPointF best = mean;
    double bestD = -1;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        if (grid[i] != province) continue;
        const QPointF q(static_cast<double>(i % kHomeMapWidth),
                        static_cast<double>(i / kHomeMapWidth));
        const double d = QLineF(mean, q).length();
        if (bestD < 0 || d < bestD) {
            bestD = d;
            best = q;
        }
    }
    return best + QPointF(0.5, 0.5);
}

QColor HomeColour(int character) {
    const KuniRgb c = KuniColor(character).value_or(KuniRgb{});
    return QColor(c.red, c.green, c.blue);
}

}  // namespace

QImage PaintOkSeal(ArtLanguage language) {
    QImage img = Canvas(16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(196, 30, 36));
    p.setPen(QPen(QColor(120, 10, 14), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.setPen(Qt::white);
    // One kanji, or the two Latin letters a little smaller to fit the seal.
    const bool english = language == ArtLanguage::English;
    p.setFont(english ? LatinFont(9) : JapaneseFont(12));
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString::fromUtf8(kTextOkSeal.In(language)));
    return img;
}

QImage PaintHomeMap(ArtLanguage language) {
    const int w = kHomeMapWidth, h = kHomeMapHeight;
    QImage img(w, h, QImage::Format_RGB32);
    {
        QPainter p(&img);
        QLinearGradient sea(0, 0, 0, h);
        sea.setColorAt(0, QColor(168, 208, 236));
        sea.setColorAt(1, QColor(120, 170, 214));
        p.fillRect(img.rect(), sea);
    }
    // Each selectable character's home province in the character's colour on the conquest map.
    std::array<QRgb, kProvinces> fill;
    fill.fill(kLand);
    for (const SelectButton& b : kSelectButtons) {
        const int home = HomeProvince(b.character);
        if (home >= 0) fill[static_cast<std::size_t>(home)] = HomeColour(b.character).rgb();
    }
    const std::vector<int> grid = ProvinceGrid();
    const auto at = [&](int x, int y) {
        return x < w && y < h ? grid[static_cast<std::size_t>(y * w + x)] : -1;
    };
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int province = at(x, y);
            const bool border = at(x + 1, y) != province || at(x, y + 1) != province;
            if (province < 0 && !border) continue;
            row[x] = border ? kBorder : fill[static_cast<std::size_t>(province)];
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A frame in the character's colour round each button, a line from it to the middle of the
    // home province and the province's name beside it.
    for (const SelectButton& b : kSelectButtons) {
        const int home = HomeProvince(b.character);
        if (home < 0) continue;
        const QColor colour = HomeColour(b.character);
        const QRectF button(b.left * kDlu, b.top * kDlu, 30 * kDlu, 27 * kDlu);
        const QPointF target = ProvinceCentre(grid, home);
        QLineF line(button.center(), target);
        line.setLength(std::max(0.0, line.length() - 5));
        p.setPen(QPen(QColor(60, 40, 20), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(line);
        p.setPen(QPen(colour.lighter(140), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(line);
        p.setPen(QPen(QColor(60, 40, 20), 2));
        p.setBrush(colour.lighter(140));
        p.drawRoundedRect(button.adjusted(-4, -4, 4, 4), 8, 8);
        p.setPen(QPen(QColor(60, 40, 20), 1.5));
        p.setBrush(QColor(250, 244, 226));
        p.drawEllipse(target, 4, 4);
        const std::string ja = KuniName(home);
        const std::string_view en = KuniRomanName(home);
        const QString name = language == ArtLanguage::English
                                 ? QString::fromUtf8(en.data(), qsizetype(en.size()))
                                 : QString::fromUtf8(ja.data(), qsizetype(ja.size()));
        const QFont font = language == ArtLanguage::English ? LatinFont(13) : JapaneseSerifFont(15);
        // The name stands on the side of the province away from the button.
        const bool right = target.x() >= button.center().x();
        const double width = QFontMetricsF(font).horizontalAdvance(name) + 4;
        QRectF box(right ? target.x() + 8 : target.x() - 8 - width, target.y() - 10, width, 20);
        box.moveLeft(std::clamp(box.left(), 6.0, w - 6 - width));
        OutlinedText(p, box, name, font, QColor(250, 244, 226), QColor(60, 40, 20), 3,
                     (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    p.setPen(QPen(QColor(60, 40, 20), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
    const QFont titleFont =
        language == ArtLanguage::English ? LatinFont(22) : JapaneseSerifFont(26);
    OutlinedText(p, QRectF(12, 10, 300, 40), QString::fromUtf8(kTextHomeMapTitle.In(language)),
                 titleFont, QColor(250, 244, 226), QColor(60, 40, 20), 3,
                 Qt::AlignLeft | Qt::AlignVCenter);
    return img;
}

QImage PaintAppIcon(int size) {
    QImage img = Canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 128-unit square whatever the size, so every size shows the same picture.
    p.scale(size / 128.0, size / 128.0);
    QRadialGradient felt(64, 64, 70);
    felt.setColorAt(0, QColor(40, 140, 80));
    felt.setColorAt(1, QColor(16, 80, 44));
    p.setBrush(felt);
    p.setPen(QPen(QColor(90, 60, 24), 5));
    p.drawRoundedRect(QRectF(4, 4, 120, 120), 22, 22);
    // Five cards fanned, one for each hand at the table.
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(64, 100);
        p.rotate(-40 + 20 * i);
        p.setBrush(QColor(252, 250, 244));
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.drawRoundedRect(QRectF(-16, -78, 32, 46), 4, 4);
        DrawPip(p, i % 4, 0, -55, 18);
        p.restore();
    }
    return img;
}

}  // namespace quintrick::art
