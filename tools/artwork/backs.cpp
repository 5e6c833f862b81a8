// The two built-in card backs: a marsh among mountains and a Japanese garden.
// Both are painted at three times the card size and scaled down for soft, painterly edges.
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdint>

#include "artwork.h"

namespace quintrick::art {
namespace {

constexpr int kOver = 3;  // oversampling factor

// A small fixed-seed generator so every run paints the same scene.
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 16777216.0;
    }
    double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }

  private:
    std::uint32_t state_;
};

QColor Mix(QColor a, QColor b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// A ridge line across the picture from left to right, filled down to `bottom`.
QPainterPath Ridge(Dice& dice, double base, double amplitude, double bottom, int points,
                   double peakX = -1, double peakHeight = 0) {
    QPainterPath path;
    path.moveTo(0, bottom);
    for (int i = 0; i <= points; ++i) {
        const double x = kCardWidth * i / double(points);
        double y = base + amplitude * (std::sin(i * 0.9 + dice.Range(0, 0.6)) * 0.5 +
                                       dice.Range(-0.5, 0.5));
        if (peakX >= 0) y -= peakHeight * std::exp(-std::pow((x - peakX) / 28.0, 2));
        path.lineTo(x, y);
    }
    path.lineTo(kCardWidth, bottom);
    path.closeSubpath();
    return path;
}

void Conifer(QPainter& p, double x, double baseY, double h, QColor color) {
    QPainterPath tree;
    const double w = h * 0.34;
    tree.moveTo(x, baseY - h);
    for (int tier = 0; tier < 4; ++tier) {
        const double y = baseY - h + h * (tier + 1) / 4.0;
        const double half = w * (0.35 + 0.65 * (tier + 1) / 4.0) / 2;
        tree.lineTo(x + half, y);
        tree.lineTo(x + half * 0.45, y - h * 0.03);
    }
    for (int tier = 3; tier >= 0; --tier) {
        const double y = baseY - h + h * (tier + 1) / 4.0;
        const double half = w * (0.35 + 0.65 * (tier + 1) / 4.0) / 2;
        tree.lineTo(x - half * 0.45, y - h * 0.03);
        tree.lineTo(x - half, y);
    }
    tree.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(tree);
}

void Cloud(QPainter& p, double x, double y, double w, double alpha) {
    for (int i = 0; i < 5; ++i) {
        const double cx = x + (i - 2) * w * 0.18;
        const double r = w * (0.22 + 0.08 * (i % 2));
        QRadialGradient g(QPointF(cx, y), r);
        g.setColorAt(0, QColor(255, 255, 255, int(alpha * 255)));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(cx, y), r, r * 0.55);
    }
}

// Mirrors the picture above `waterY` into the water below it, tinted and rippled.
void Reflect(QImage& canvas, double waterY, const QPainterPath& water, QColor tint) {
    const int wy = int(waterY * kOver);
    QImage above = canvas.copy(0, 0, canvas.width(), wy).mirrored(false, true);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kOver, kOver);
    p.setClipPath(water);
    p.resetTransform();
    // Horizontal ripples: each band of rows shifted a little sideways.
    for (int y = 0; y < above.height() && wy + y < canvas.height(); y += 2) {
        const int shift =
            int(std::sin(y * 0.21) * 2.0 * kOver * (0.3 + y / double(above.height())));
        p.drawImage(QPoint(shift, wy + y), above, QRect(0, y, above.width(), 2));
    }
    p.scale(kOver, kOver);
    QColor t = tint;
    t.setAlpha(120);
    p.fillPath(water, t);
}

// Thin horizontal glints on water, `count` of them between rows yLow and yHigh.
void Ripples(QPainter& p, Dice& dice, QColor colour, int count, double yLow, double yHigh,
             double lengthLow, double lengthHigh) {
    p.setPen(QPen(colour, 0.5));
    for (int i = 0; i < count; ++i) {
        const double y = dice.Range(yLow, yHigh);
        const double x = dice.Range(-10, 140);
        p.drawLine(QPointF(x, y), QPointF(x + dice.Range(lengthLow, lengthHigh), y));
    }
}

// The ground in front of a scene: from the left edge at `left` along a gentle curve (control
// heights c1 at x 60 and c2 at `c2x`) to the right edge at `right`, down to the bottom.
QPainterPath FrontBand(double left, double c1, double c2x, double c2, double right) {
    QPainterPath band;
    band.moveTo(0, left);
    band.cubicTo(60, c1, c2x, c2, kCardWidth, right);
    band.lineTo(kCardWidth, kCardHeight);
    band.lineTo(0, kCardHeight);
    band.closeSubpath();
    return band;
}

void Grass(QPainter& p, Dice& dice, double top, double bottom, QColor a, QColor b, int count) {
    for (int i = 0; i < count; ++i) {
        const double x = dice.Range(-4, kCardWidth + 4);
        const double y = dice.Range(top, bottom);
        const double h = dice.Range(4, 10) * (0.6 + (y - top) / (bottom - top));
        const double lean = dice.Range(-3, 3);
        p.setPen(QPen(Mix(a, b, dice.Next()), dice.Range(0.5, 1.1), Qt::SolidLine, Qt::RoundCap));
        QPainterPath blade;
        blade.moveTo(x, y);
        blade.quadTo(x + lean * 0.3, y - h * 0.6, x + lean, y - h);
        p.drawPath(blade);
    }
}

QImage Finish(const QImage& big) {
    QImage small =
        big.scaled(kCardWidth, kCardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    // Rounded corners like the faces.
    QImage out(kCardWidth, kCardHeight, QImage::Format_RGB32);
    out.fill(kCornerColor);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, kCardWidth, kCardHeight), 8, 8);
    p.setClipPath(card);
    p.drawImage(0, 0, small);
    p.setClipping(false);
    p.setPen(QPen(QColor(60, 60, 60, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1), 8, 8);
    return out;
}

}  // namespace

// 南八甲田山中の黄瀬沼: a still marsh under volcanic peaks, fir forest, yellowing grass.
QImage PaintMarshBack() {
    QImage canvas(kCardWidth * kOver, kCardHeight * kOver, QImage::Format_RGB32);
    Dice dice(20240601u);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kOver, kOver);
        QLinearGradient sky(0, 0, 0, 110);
        sky.setColorAt(0, QColor(70, 128, 206));
        sky.setColorAt(0.6, QColor(150, 192, 232));
        sky.setColorAt(1, QColor(222, 232, 236));
        p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), sky);
        Cloud(p, 40, 22, 60, 0.85);
        Cloud(p, 118, 38, 48, 0.7);
        Cloud(p, 80, 52, 36, 0.5);
        // Distant volcanic peaks with snow in the gullies.
        const QPainterPath far = Ridge(dice, 70, 6, 120, 12, 95, 26);
        QLinearGradient farFill(0, 40, 0, 110);
        farFill.setColorAt(0, QColor(118, 140, 176));
        farFill.setColorAt(1, QColor(150, 170, 190));
        p.fillPath(far, farFill);
        p.setPen(QPen(QColor(240, 244, 250, 170), 1.0));
        for (int i = 0; i < 6; ++i) {
            const double x = 86 + i * 3.5;
            p.drawLine(QPointF(x, 47 + i * 1.5), QPointF(x - 2 + i, 54 + i * 2.2));
        }
        const QPainterPath mid = Ridge(dice, 88, 7, 130, 9, 30, 12);
        QLinearGradient midFill(0, 70, 0, 112);
        midFill.setColorAt(0, QColor(72, 110, 96));
        midFill.setColorAt(1, QColor(54, 88, 70));
        p.fillPath(mid, midFill);
        // Fir forest down to the shore, darker and larger towards the front.
        for (int layer = 0; layer < 3; ++layer) {
            const double base = 104 + layer * 6;
            for (int i = 0; i < 46; ++i) {
                const double x = dice.Range(-4, kCardWidth + 4);
                const double h = dice.Range(12, 22) * (1 + layer * 0.25);
                const QColor c = Mix(QColor(38, 84, 58), QColor(20, 52, 38),
                                     layer / 2.0 + dice.Range(-0.2, 0.2));
                Conifer(p, x, base + dice.Range(-2, 3), h, c);
            }
        }
        // A few maples turning red at the forest edge.
        for (int i = 0; i < 7; ++i) {
            const double x = dice.Range(6, 145);
            QRadialGradient g(QPointF(x, 117), 6);
            g.setColorAt(0, QColor(232, 110, 40));
            g.setColorAt(1, QColor(180, 60, 30, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(QPointF(x, 117), 6, 4);
        }
    }
    // The marsh.
    QPainterPath water;
    water.moveTo(0, 121);
    water.cubicTo(40, 118, 110, 119, kCardWidth, 121);
    water.lineTo(kCardWidth, 150);
    water.cubicTo(110, 162, 60, 150, 0, 164);
    water.closeSubpath();
    Reflect(canvas, 121, water, QColor(60, 110, 150));
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kOver, kOver);
        p.setClipPath(water);
        Ripples(p, dice, QColor(230, 240, 250, 110), 22, 124, 160, 8, 24);
        p.setClipping(false);
        // Yellow-green marsh meadow in front.
        const QPainterPath meadow = FrontBand(164, 150, 110, 162, 150);
        QLinearGradient grass(0, 150, 0, kCardHeight);
        grass.setColorAt(0, QColor(188, 180, 78));
        grass.setColorAt(0.5, QColor(150, 154, 58));
        grass.setColorAt(1, QColor(96, 118, 44));
        p.fillPath(meadow, grass);
        // Islands of sedge in the water.
        for (int i = 0; i < 4; ++i) {
            const double x = 20 + i * 34 + dice.Range(-6, 6);
            const double y = 138 + dice.Range(-6, 8);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(150, 150, 64));
            p.drawEllipse(QPointF(x, y), dice.Range(7, 12), 2.2);
            Grass(p, dice, y - 1, y + 1, QColor(170, 164, 70), QColor(110, 130, 50), 12);
        }
        p.setClipPath(meadow);
        Grass(p, dice, 150, kCardHeight + 8, QColor(210, 196, 92), QColor(92, 116, 40), 520);
        // Cotton grass and small flowers.
        for (int i = 0; i < 40; ++i) {
            const double x = dice.Range(0, kCardWidth);
            const double y = dice.Range(160, kCardHeight);
            const double r = 0.8 + (y - 160) / 40.0;
            p.setPen(Qt::NoPen);
            p.setBrush(i % 5 == 0 ? QColor(170, 110, 200) : QColor(250, 250, 244));
            p.drawEllipse(QPointF(x, y), r, r * 0.9);
        }
    }
    return Finish(canvas);
}

// 国指定名勝の盛美園: a garden pond with a two-storey villa, a pruned pine, a stone lantern.
QImage PaintGardenBack() {
    QImage canvas(kCardWidth * kOver, kCardHeight * kOver, QImage::Format_RGB32);
    Dice dice(19110701u);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kOver, kOver);
        QLinearGradient sky(0, 0, 0, 90);
        sky.setColorAt(0, QColor(120, 170, 222));
        sky.setColorAt(1, QColor(226, 234, 238));
        p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), sky);
        Cloud(p, 110, 18, 56, 0.8);
        Cloud(p, 30, 34, 40, 0.6);
        // Woods behind the garden: rounded canopies.
        for (int i = 0; i < 60; ++i) {
            const double x = dice.Range(-10, kCardWidth + 10);
            const double y = dice.Range(50, 92);
            const double r = dice.Range(9, 17);
            QRadialGradient g(QPointF(x - r * 0.3, y - r * 0.4), r * 1.2);
            const QColor base = Mix(QColor(60, 112, 58), QColor(30, 76, 44), dice.Next());
            g.setColorAt(0, base.lighter(130));
            g.setColorAt(1, base);
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(QPointF(x, y), r, r * 0.8);
        }
        // The villa: dark timber ground floor, white upper floor, copper-green roofs.
        const QColor timber(78, 52, 36), plaster(244, 240, 228), roof(84, 132, 118);
        p.setPen(QPen(QColor(50, 40, 30), 0.5));
        p.setBrush(roof);
        QPainterPath lowRoof;
        lowRoof.moveTo(58, 96);
        lowRoof.lineTo(70, 88);
        lowRoof.lineTo(136, 88);
        lowRoof.lineTo(148, 96);
        lowRoof.closeSubpath();
        p.drawPath(lowRoof);
        p.setBrush(plaster);
        p.drawRect(QRectF(78, 70, 50, 18));
        p.setBrush(QColor(70, 90, 110));
        for (int i = 0; i < 5; ++i) p.drawRect(QRectF(82 + i * 9.3, 74, 5, 10));
        p.setBrush(roof);
        QPainterPath topRoof;
        topRoof.moveTo(72, 71);
        topRoof.lineTo(86, 60);
        topRoof.lineTo(120, 60);
        topRoof.lineTo(134, 71);
        topRoof.closeSubpath();
        p.drawPath(topRoof);
        p.setBrush(timber);
        p.drawRect(QRectF(62, 96, 82, 16));
        p.setBrush(QColor(236, 226, 196));
        for (int i = 0; i < 8; ++i) p.drawRect(QRectF(65 + i * 9.8, 98, 7.5, 12));
        p.setPen(QPen(timber, 0.5));
        for (int i = 0; i < 8; ++i) {
            p.drawLine(QPointF(68.75 + i * 9.8, 98), QPointF(68.75 + i * 9.8, 110));
            p.drawLine(QPointF(65 + i * 9.8, 104), QPointF(72.5 + i * 9.8, 104));
        }
        // Lawn and shore.
        QLinearGradient lawn(0, 108, 0, 120);
        lawn.setColorAt(0, QColor(98, 150, 64));
        lawn.setColorAt(1, QColor(74, 124, 52));
        p.fillRect(QRectF(0, 111, kCardWidth, 12), lawn);
        // Azalea mounds along the shore.
        for (int i = 0; i < 9; ++i) {
            const double x = dice.Range(0, kCardWidth);
            const double y = 114 + dice.Range(-2, 3);
            const double r = dice.Range(6, 10);
            const bool bloom = i % 3 != 0;
            QRadialGradient g(QPointF(x - 2, y - 3), r * 1.3);
            const QColor c = bloom ? QColor(226, 96, 150) : QColor(70, 128, 60);
            g.setColorAt(0, c.lighter(125));
            g.setColorAt(1, c.darker(110));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(QPointF(x, y), r, r * 0.6);
        }
    }
    QPainterPath pond;
    pond.moveTo(0, 121);
    pond.cubicTo(50, 119, 100, 120, kCardWidth, 121);
    pond.lineTo(kCardWidth, 170);
    pond.cubicTo(120, 178, 60, 166, 0, 176);
    pond.closeSubpath();
    Reflect(canvas, 121, pond, QColor(40, 90, 96));
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kOver, kOver);
        // Stepping stones across the pond.
        for (int i = 0; i < 5; ++i) {
            const double x = 40 + i * 18;
            const double y = 160 - i * 6;
            QRadialGradient g(QPointF(x - 2, y - 1.5), 7);
            g.setColorAt(0, QColor(196, 192, 180));
            g.setColorAt(1, QColor(120, 116, 108));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(QPointF(x, y), 7 - i * 0.6, 2.6 - i * 0.2);
        }
        p.setClipPath(pond);
        Ripples(p, dice, QColor(220, 236, 240, 100), 18, 124, 172, 6, 20);
        p.setClipping(false);
        // Moss and gravel in front.
        const QPainterPath front = FrontBand(176, 166, 120, 178, 170);
        QLinearGradient moss(0, 168, 0, kCardHeight);
        moss.setColorAt(0, QColor(86, 134, 58));
        moss.setColorAt(1, QColor(54, 96, 42));
        p.fillPath(front, moss);
        p.setClipPath(front);
        Grass(p, dice, 170, kCardHeight + 6, QColor(120, 170, 70), QColor(50, 90, 40), 160);
        p.setClipping(false);
        // Stone lantern on the right shore.
        const QColor stone(150, 146, 136), shade(104, 100, 92);
        p.setPen(QPen(QColor(70, 66, 60), 0.6));
        p.setBrush(shade);
        p.drawRect(QRectF(118, 198, 22, 5));
        p.setBrush(stone);
        p.drawRect(QRectF(126, 178, 6, 20));
        p.drawRect(QRectF(120, 174, 18, 5));
        p.setBrush(QColor(250, 214, 120));
        p.drawRect(QRectF(123, 165, 12, 9));
        p.setBrush(stone);
        p.drawRect(QRectF(125, 166, 3, 8));
        p.drawRect(QRectF(130, 166, 3, 8));
        QPainterPath cap;
        cap.moveTo(115, 166);
        cap.quadTo(129, 152, 143, 166);
        cap.closeSubpath();
        p.drawPath(cap);
        p.drawEllipse(QPointF(129, 155), 2.5, 2.5);
        // The pruned pine on the left: a leaning trunk with cloud-shaped pads.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(92, 62, 44));
        QPainterPath trunk;
        trunk.moveTo(14, kCardHeight);
        trunk.cubicTo(20, 180, 4, 160, 26, 130);
        trunk.cubicTo(36, 118, 52, 112, 66, 108);
        trunk.lineTo(66, 112);
        trunk.cubicTo(50, 118, 40, 126, 33, 136);
        trunk.cubicTo(18, 160, 30, 182, 26, kCardHeight);
        trunk.closeSubpath();
        p.drawPath(trunk);
        p.setPen(QPen(QColor(92, 62, 44), 2));
        p.drawLine(QPointF(26, 150), QPointF(8, 142));
        p.drawLine(QPointF(40, 124), QPointF(42, 104));
        const QPointF pads[] = {{8, 140}, {22, 122}, {42, 100}, {62, 104}, {30, 104}, {12, 158}};
        const double padW[] = {14, 16, 15, 12, 10, 11};
        for (int i = 0; i < 6; ++i) {
            const QPointF c = pads[i];
            QRadialGradient g(c + QPointF(-2, -3), padW[i]);
            g.setColorAt(0, QColor(74, 132, 70));
            g.setColorAt(1, QColor(26, 70, 40));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, padW[i], padW[i] * 0.42);
            p.setBrush(QColor(120, 170, 96, 140));
            p.drawEllipse(c + QPointF(-1, -2), padW[i] * 0.6, padW[i] * 0.15);
        }
    }
    return Finish(canvas);
}

}  // namespace quintrick::art
