// The unification banner: 天下統一 in large yellow brush-like letters on white.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include "mapart.h"

namespace quintrick::mapart {

QImage DrawBanner() {
    QImage image(1287, 323, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont font("IPAMincho");
    font.setPixelSize(262);
    font.setBold(true);
    QPainterPath path;
    const QString text = "天下統一";
    // Each letter in its own quarter, slightly tilted like a hand-written line.
    QRandomGenerator random(1467);
    for (int i = 0; i < text.size(); ++i) {
        QPainterPath letter;
        letter.addText(0, 0, font, text.mid(i, 1));
        const QRectF box = letter.boundingRect();
        QTransform t;
        t.translate(40 + i * 305 + 152 - box.center().x(), 165 - box.center().y());
        t.rotate(-4 + 8 * random.generateDouble(), Qt::ZAxis);
        path.addPath(t.map(letter));
    }
    // The shadow, the dark brush edge, then the yellow body with dry-brush streaks.
    painter.translate(9, 9);
    painter.fillPath(path, QColor(190, 190, 190));
    painter.resetTransform();
    painter.strokePath(path,
                       QPen(QColor(150, 80, 0), 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient body(0, 20, 0, 300);
    body.setColorAt(0.0, QColor(255, 250, 90));
    body.setColorAt(0.5, QColor(255, 220, 0));
    body.setColorAt(1.0, QColor(240, 170, 0));
    painter.fillPath(path, body);
    painter.setClipPath(path);
    for (int i = 0; i < 70; ++i) {
        const double y = 20 + 290 * random.generateDouble();
        const double x = 1280 * random.generateDouble();
        QPainterPath streak;
        streak.moveTo(x, y);
        streak.cubicTo(x + 60, y - 6, x + 120, y + 6, x + 90 + 120 * random.generateDouble(),
                       y + 2);
        painter.strokePath(streak, QPen(QColor(255, 252, 190), 2 + 3 * random.generateDouble()));
    }
    painter.end();
    return ToIndexed(image, 16);
}

}  // namespace quintrick::mapart
