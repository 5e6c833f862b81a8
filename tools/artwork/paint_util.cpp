#include "paint_util.h"

#include <QFontDatabase>
#include <QPainter>
#include <QStringList>
#include <QTransform>

namespace quintrick::art {

QColor SuitColor(int suit) {
    return IsRedSuit(suit) ? QColor(204, 18, 36) : QColor(22, 22, 30);
}

namespace {

// Mirrors the left half of a symmetric outline (given from the bottom point upwards) to the right.
QPainterPath HeartShape() {
    QPainterPath path;
    path.moveTo(0, 0.5);
    path.cubicTo(-0.14, 0.32, -0.5, 0.08, -0.5, -0.19);
    path.cubicTo(-0.5, -0.40, -0.35, -0.5, -0.25, -0.5);
    path.cubicTo(-0.12, -0.5, -0.03, -0.42, 0, -0.30);
    path.cubicTo(0.03, -0.42, 0.12, -0.5, 0.25, -0.5);
    path.cubicTo(0.35, -0.5, 0.5, -0.40, 0.5, -0.19);
    path.cubicTo(0.5, 0.08, 0.14, 0.32, 0, 0.5);
    path.closeSubpath();
    return path;
}

QPainterPath Stem() {
    QPainterPath stem;
    stem.moveTo(-0.03, 0.12);
    stem.quadTo(-0.04, 0.40, -0.21, 0.5);
    stem.lineTo(0.21, 0.5);
    stem.quadTo(0.04, 0.40, 0.03, 0.12);
    stem.closeSubpath();
    return stem;
}

QPainterPath SpadeShape() {
    QPainterPath body;
    body.moveTo(0, -0.5);
    body.cubicTo(-0.14, -0.30, -0.5, -0.12, -0.5, 0.12);
    body.cubicTo(-0.5, 0.30, -0.36, 0.37, -0.26, 0.37);
    body.cubicTo(-0.14, 0.37, -0.05, 0.31, -0.02, 0.24);
    body.lineTo(0.02, 0.24);
    body.cubicTo(0.05, 0.31, 0.14, 0.37, 0.26, 0.37);
    body.cubicTo(0.36, 0.37, 0.5, 0.30, 0.5, 0.12);
    body.cubicTo(0.5, -0.12, 0.14, -0.30, 0, -0.5);
    body.closeSubpath();
    return body.united(Stem());
}

QPainterPath ClubShape() {
    QPainterPath path;
    const double r = 0.225;
    path.addEllipse(QPointF(0, -0.27), r, r);
    QPainterPath left;
    left.addEllipse(QPointF(-0.265, 0.07), r, r);
    QPainterPath right;
    right.addEllipse(QPointF(0.265, 0.07), r, r);
    QPainterPath centre;
    centre.addEllipse(QPointF(0, 0.0), 0.12, 0.14);
    return path.united(left).united(right).united(centre).united(Stem());
}

QPainterPath DiamondShape() {
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.quadTo(0.16, -0.18, 0.39, 0);
    path.quadTo(0.16, 0.18, 0, 0.5);
    path.quadTo(-0.16, 0.18, -0.39, 0);
    path.quadTo(-0.16, -0.18, 0, -0.5);
    path.closeSubpath();
    return path;
}

QString FirstInstalled(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    }
    return families.front();
}

QFont MakeFont(const QStringList& families, int pixelSize, bool bold) {
    QFont font(FirstInstalled(families));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

QPainterPath SuitPath(int suit, double size) {
    QPainterPath unit;
    switch (suit) {
        case 0:
            unit = ClubShape();
            break;
        case 1:
            unit = DiamondShape();
            break;
        case 2:
            unit = HeartShape();
            break;
        default:
            unit = SpadeShape();
            break;
    }
    return QTransform::fromScale(size, size).map(unit);
}

void DrawPip(QPainter& p, int suit, double cx, double cy, double size, bool flipped) {
    p.save();
    p.translate(cx, cy);
    if (flipped) p.rotate(180);
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColor(suit));
    p.drawPath(SuitPath(suit, size));
    p.restore();
}

QFont JapaneseFont(int pixelSize, bool bold) {
    return MakeFont({"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"}, pixelSize, bold);
}

QFont JapaneseSerifFont(int pixelSize, bool bold) {
    return MakeFont({"IPAPMincho", "IPAMincho", "Noto Serif CJK JP", "IPAPGothic"}, pixelSize,
                    bold);
}

QFont IndexFont(int pixelSize) {
    return MakeFont({"DejaVu Serif", "Noto Serif", "Nimbus Roman"}, pixelSize, true);
}

QFont LatinFont(int pixelSize, bool bold) {
    return MakeFont({"DejaVu Sans", "Noto Sans", "Nimbus Sans"}, pixelSize, bold);
}

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage Keyed(const QImage& canvas, QColor key) {
    const QImage src = canvas.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    const QRgb keyRgb = key.rgb();
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = in[x];
            row[x] = qAlpha(c) < 128 ? keyRgb : qRgb(qRed(c), qGreen(c), qBlue(c));
        }
    }
    // Covered pixels that happen to match the key move one step away from it.
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            if (qAlpha(in[x]) >= 128 && (row[x] & 0xffffff) == (keyRgb & 0xffffff)) {
                const int b = qBlue(keyRgb);
                row[x] = qRgb(qRed(keyRgb), qGreen(keyRgb), b > 0 ? b - 1 : 1);
            }
        }
    }
    return out;
}

void AvoidColor(QImage& image, QColor key) {
    const QRgb keyRgb = key.rgb() & 0xffffff;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if ((c & 0xffffff) == keyRgb) {
                const int b = qBlue(c);
                image.setPixel(x, y, qRgb(qRed(c), qGreen(c), b > 0 ? b - 1 : 1));
            }
        }
    }
}

void OutlinedText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font,
                  QColor fill, QColor outline, double outlineWidth, int flags) {
    // Lay the text out as a path so the outline follows the glyphs.
    const QFontMetricsF fm(font);
    const QRectF bounds = fm.boundingRect(rect, flags, text);
    QPainterPath path;
    double x = bounds.left();
    if (flags & Qt::AlignHCenter)
        x = rect.center().x() - fm.horizontalAdvance(text) / 2;
    else if (flags & Qt::AlignRight)
        x = rect.right() - fm.horizontalAdvance(text);
    double y = rect.top() + fm.ascent();
    if (flags & Qt::AlignVCenter) y = rect.center().y() + (fm.ascent() - fm.descent()) / 2;
    path.addText(QPointF(x, y), font, text);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

}  // namespace quintrick::art
