// The joker: a jester in four colours on a harlequin ground.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "artwork.h"
#include "paint_util.h"

namespace quintrick::art {
namespace {

const QColor kJesterColors[4] = {QColor(214, 38, 52), QColor(34, 96, 200), QColor(24, 150, 70),
                                 QColor(246, 180, 20)};

void Star(QPainter& p, QPointF c, double r, QColor color) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = (i % 2 == 0) ? r : r * 0.42;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(star);
}

void VerticalWord(QPainter& p, double cx, double top) {
    const QString word = QStringLiteral("JOKER");
    QFont font = LatinFont(12, true);
    p.setFont(font);
    for (int i = 0; i < word.size(); ++i) {
        p.setPen(kJesterColors[i % 4].darker(115));
        p.drawText(QRectF(cx - 8, top + i * 13, 16, 14), Qt::AlignCenter, word.mid(i, 1));
    }
}

}  // namespace

void PaintJoker(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRect(0, 0, kCardWidth, kCardHeight), kCornerColor);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1), 8, 8);

    // Corner words and stars.
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(kCardWidth, kCardHeight);
            p.rotate(180);
        }
        VerticalWord(p, 14, 5);
        Star(p, QPointF(14, 79), 7, kJesterColors[3]);
        p.restore();
    }

    // Harlequin ground inside a gold frame.
    const QRectF frame(30.5, 14.5, 90, 186);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(frame, 6, 6);
    p.setClipPath(clip);
    const double dw = 22.5, dh = 31;
    for (int row = -1; row < 8; ++row) {
        for (int col = -1; col < 5; ++col) {
            const double cx = frame.left() + col * dw + (row % 2 ? dw / 2 : 0);
            const double cy = frame.top() + row * dh / 2;
            QPainterPath d;
            d.moveTo(cx, cy - dh / 2);
            d.lineTo(cx + dw / 2, cy);
            d.lineTo(cx, cy + dh / 2);
            d.lineTo(cx - dw / 2, cy);
            d.closeSubpath();
            QColor c = kJesterColors[(row + col + 8) % 4];
            c = QColor::fromHsv(c.hsvHue(), 70, 255);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPath(d);
        }
    }
    // A glow behind the figure.
    QRadialGradient glow(QPointF(kCardWidth / 2.0, 100), 70);
    glow.setColorAt(0, QColor(255, 255, 230, 230));
    glow.setColorAt(1, QColor(255, 255, 230, 0));
    p.fillRect(frame, glow);
    p.restore();
    p.setPen(QPen(QColor(200, 150, 40), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 6, 6);

    const double cx = kCardWidth / 2.0;
    const QPen ink(QColor(40, 30, 40), 1.2);
    // Body: a two-coloured tunic with diamonds.
    QPainterPath body;
    body.moveTo(42, 200);
    body.lineTo(46, 150);
    body.cubicTo(50, 132, 64, 126, cx, 126);
    body.cubicTo(87, 126, 101, 132, 105, 150);
    body.lineTo(109, 200);
    body.closeSubpath();
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(30, 120, cx - 30, 90), kJesterColors[1]);
    p.fillRect(QRectF(cx, 120, 100, 90), kJesterColors[0]);
    p.setBrush(kJesterColors[3]);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const double y = 150 + i * 16;
        QPainterPath d;
        d.moveTo(cx, y - 6);
        d.lineTo(cx + 5, y);
        d.lineTo(cx, y + 6);
        d.lineTo(cx - 5, y);
        d.closeSubpath();
        p.drawPath(d);
    }
    p.restore();
    p.setPen(ink);
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);

    // Ruffled collar.
    for (int i = 0; i < 9; ++i) {
        const double a = M_PI * (0.1 + 0.8 * i / 8.0);
        const QPointF c(cx - 30 * std::cos(a), 124 + 9 * std::sin(a));
        p.setBrush(kJesterColors[i % 4]);
        p.setPen(ink);
        p.drawEllipse(c, 7.5, 6);
    }

    // Face.
    p.setBrush(QColor(252, 232, 214));
    p.drawEllipse(QPointF(cx, 100), 19, 21);
    p.setBrush(QColor(240, 110, 120, 160));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx - 11, 106), 4.5, 3.2);
    p.drawEllipse(QPointF(cx + 11, 106), 4.5, 3.2);
    // Eyes: closed, laughing arcs, with star patches.
    p.setPen(QPen(QColor(40, 30, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - 12, 93, 8, 6), 0, 180 * 16);
    p.drawArc(QRectF(cx + 4, 93, 8, 6), 0, 180 * 16);
    Star(p, QPointF(cx + 8, 89), 3.5, kJesterColors[1]);
    // Smile and nose.
    p.setPen(QPen(QColor(180, 30, 50), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(cx - 9, 102, 18, 11), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kJesterColors[0]);
    p.drawEllipse(QPointF(cx, 103), 3.2, 3.2);

    // Three-pointed hat with bells: the side horns first, the middle one over them.
    auto horn = [&](QPointF base0, QPointF c0, QPointF c1, QPointF tip, QPointF c2, QPointF c3,
                    QPointF base1, QColor color) {
        QPainterPath path;
        path.moveTo(base0);
        path.cubicTo(c0, c1, tip);
        path.cubicTo(c2, c3, base1);
        path.closeSubpath();
        p.setPen(ink);
        p.setBrush(color);
        p.drawPath(path);
        QRadialGradient bell(tip - QPointF(1.5, 1.5), 5);
        bell.setColorAt(0, QColor(255, 246, 170));
        bell.setColorAt(1, QColor(214, 160, 20));
        p.setBrush(bell);
        p.drawEllipse(tip, 4.5, 4.5);
    };
    horn(QPointF(cx - 21, 88), QPointF(cx - 32, 74), QPointF(46, 62), QPointF(37, 57),
         QPointF(52, 57), QPointF(cx - 12, 64), QPointF(cx - 4, 80), kJesterColors[2]);
    horn(QPointF(cx + 21, 88), QPointF(cx + 32, 74), QPointF(105, 62), QPointF(114, 57),
         QPointF(99, 57), QPointF(cx + 12, 64), QPointF(cx + 4, 80), kJesterColors[1]);
    horn(QPointF(cx - 14, 84), QPointF(cx - 15, 64), QPointF(cx - 7, 44), QPointF(cx + 2, 30),
         QPointF(cx + 5, 48), QPointF(cx + 13, 64), QPointF(cx + 14, 84), kJesterColors[0]);
    // Hat band.
    QPainterPath band;
    band.moveTo(cx - 21, 90);
    band.quadTo(cx, 80, cx + 21, 90);
    band.lineTo(cx + 20, 84);
    band.quadTo(cx, 74, cx - 20, 84);
    band.closeSubpath();
    p.setBrush(kJesterColors[3]);
    p.setPen(ink);
    p.drawPath(band);

    // Stars scattered round the jester.
    Star(p, QPointF(44, 32), 5, kJesterColors[3]);
    Star(p, QPointF(108, 36), 4, kJesterColors[0]);
    Star(p, QPointF(40, 118), 3.5, kJesterColors[1]);
    Star(p, QPointF(111, 112), 4, kJesterColors[2]);
}

}  // namespace quintrick::art
