// Pictures of the two small dialogs and the program's icon: the OK seal of the suit dialog
// (182), the map of the characters' home regions behind the character buttons (191), and the
// desktop icon.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "artwork.h"
#include "paint_util.h"

namespace quintrick::art {
namespace {

// Dialog units to pixels in the dialog pictures.
constexpr int kDlu = 2;

// Where the six character buttons sit (dialog units, 30 x 27) and their colours.
struct Home {
    int left, top;
    QColor colour;
};
constexpr int kHomes = 6;
const Home kHomeButtons[kHomes] = {
    {91, 68, QColor(214, 64, 52)},    {174, 122, QColor(52, 112, 200)},
    {141, 200, QColor(236, 160, 30)}, {61, 115, QColor(130, 70, 170)},
    {9, 148, QColor(40, 150, 90)},    {50, 238, QColor(200, 80, 150)},
};

// The province raster in the picture's frame: value = province code, 0 = sea.
QImage ProvinceRaster(const QString& geodata) {
    QImage raster(geodata + "/provinces_raster.png");
    return raster.isNull() ? raster : raster.convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace

QImage PaintOkSeal() {
    QImage img = Canvas(16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(196, 30, 36));
    p.setPen(QPen(QColor(120, 10, 14), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.setPen(Qt::white);
    p.setFont(JapaneseFont(12));
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, "決");
    return img;
}

QImage PaintHomeMap(const QString& geodata) {
    const int w = 217 * kDlu, h = 269 * kDlu;
    QImage img(w, h, QImage::Format_RGB32);
    {
        QPainter p(&img);
        QLinearGradient sea(0, 0, 0, h);
        sea.setColorAt(0, QColor(168, 208, 236));
        sea.setColorAt(1, QColor(120, 170, 214));
        p.fillRect(img.rect(), sea);
    }
    const QImage raster = ProvinceRaster(geodata);
    const int mapH = h;
    if (!raster.isNull()) {
        // Kyushu to the south of Tohoku fills the picture (the raster has 140 pixels a degree of
        // longitude and 175 a degree of latitude from 127 E, 45.76 N).
        constexpr double kWest = 128.8, kNorth = 43.0, kPxPerLon = 33.9, kPxPerLat = 42.4;
        const auto codeAt = [&](int x, int y) {
            const double lon = kWest + x / kPxPerLon, lat = kNorth - y / kPxPerLat;
            const int rx = int((lon - 127.0) * 140), ry = int((45.76 - lat) * 175);
            if (rx < 0 || ry < 0 || rx >= raster.width() || ry >= raster.height()) return 0;
            return int(raster.constScanLine(ry)[rx]);
        };
        int homeCode[kHomes];
        for (int i = 0; i < kHomes; ++i) {
            const int cx = (kHomeButtons[i].left + 15) * kDlu,
                      cy = (kHomeButtons[i].top + 13) * kDlu;
            homeCode[i] = 0;
            for (int r = 0; r < 90 && homeCode[i] == 0; r += 2) {
                for (int dy = -r; dy <= r && homeCode[i] == 0; dy += 2) {
                    for (int dx = -r; dx <= r && homeCode[i] == 0; dx += 2) {
                        homeCode[i] = codeAt(cx + dx, cy + dy);
                    }
                }
            }
        }
        for (int y = 0; y < mapH; ++y) {
            auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const int code = codeAt(x, y);
                if (code == 0) continue;
                QColor land(236, 226, 192);
                for (int i = 0; i < kHomes; ++i) {
                    if (code == homeCode[i]) land = kHomeButtons[i].colour.lighter(135);
                }
                const bool border = codeAt(x + 1, y) != code || codeAt(x, y + 1) != code;
                row[x] = border ? qRgb(120, 104, 80) : land.rgb();
            }
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 40, 20), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
    OutlinedText(p, QRectF(12, 10, 200, 40), "打ち手の国", JapaneseSerifFont(26),
                 QColor(250, 244, 226), QColor(60, 40, 20), 3, Qt::AlignLeft | Qt::AlignVCenter);
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
