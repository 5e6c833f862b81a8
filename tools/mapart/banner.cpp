// The unification banner: 天下統一 (or its English words) in large yellow brush-like letters on
// white.
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <algorithm>

#include "mapart.h"

namespace quintrick::mapart {

namespace {

// 天下統一: each letter in its own quarter, slightly tilted like a hand-written line.
QPainterPath JapaneseLetters(const QString& text, QRandomGenerator& random) {
    QFont font("IPAMincho");
    font.setPixelSize(262);
    font.setBold(true);
    QPainterPath path;
    for (int i = 0; i < text.size(); ++i) {
        QPainterPath letter;
        letter.addText(0, 0, font, text.mid(i, 1));
        const QRectF box = letter.boundingRect();
        QTransform t;
        t.translate(40 + i * 305 + 152 - box.center().x(), 165 - box.center().y());
        t.rotate(-4 + 8 * random.generateDouble(), Qt::ZAxis);
        path.addPath(t.map(letter));
    }
    return path;
}

// The English words in bold serif capitals across the banner, every letter slightly tilted and
// lifted like brush work, the line fitted into the same margins as the Japanese letters.
QPainterPath LatinLetters(const QString& text, QRandomGenerator& random) {
    QFont font("DejaVu Serif");
    font.setPixelSize(170);
    font.setBold(true);
    const QString upper = text.toUpper();
    QPainterPath line;
    double x = 0;
    const QFontMetricsF metrics(font);
    for (int i = 0; i < upper.size(); ++i) {
        QPainterPath letter;
        letter.addText(0, 0, font, upper.mid(i, 1));
        const QRectF box = letter.boundingRect();
        QTransform t;
        t.translate(x + box.width() / 2, -6 + 12 * random.generateDouble());
        t.rotate(-4 + 8 * random.generateDouble(), Qt::ZAxis);
        t.translate(-box.width() / 2, 0);
        line.addPath(t.map(letter));
        x += metrics.horizontalAdvance(upper.mid(i, 1));
    }
    const QRectF bounds = line.boundingRect();
    const double scale = std::min(1200.0 / bounds.width(), 250.0 / bounds.height());
    QTransform fit;
    fit.translate(643 - bounds.center().x() * scale, 165 - bounds.center().y() * scale);
    fit.scale(scale, scale);
    return fit.map(line);
}

}  // namespace

QImage DrawBanner(art::ArtLanguage language) {
    QImage image(1287, 323, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QRandomGenerator random(1467);
    const QString text = QString::fromUtf8(art::kTextUnified.In(language));
    const QPainterPath path = language == art::ArtLanguage::English ? LatinLetters(text, random)
                                                                    : JapaneseLetters(text, random);
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
