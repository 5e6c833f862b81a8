// The card sheet: faces with corner indices, pip layouts, framed court figures, aces, joker.
#include <QPainter>
#include <QPainterPath>

#include "artwork.h"
#include "paint_util.h"

namespace quintrick::art {
namespace {

constexpr double kCx = kCardWidth / 2.0;   // 75.5
constexpr double kCy = kCardHeight / 2.0;  // 107.5

const char* const kRanks[13] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};

void CardBody(QPainter& p) {
    p.fillRect(QRect(0, 0, kCardWidth, kCardHeight), kCornerColor);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1), 8, 8);
}

// Rank above a small pip in the top-left corner, and the same turned round bottom-right.
void CornerIndex(QPainter& p, int suit, const QString& rank) {
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(kCardWidth, kCardHeight);
            p.rotate(180);
        }
        QFont font = IndexFont(26);
        p.setFont(font);
        p.setPen(SuitColor(suit));
        const QRectF box(1, 2, 32, 28);
        if (rank.size() > 1) {
            // "10" is squeezed to keep the column narrow.
            p.save();
            p.translate(box.center());
            p.scale(0.74, 1.0);
            p.drawText(QRectF(-24, -14, 48, 28), Qt::AlignCenter, rank);
            p.restore();
        } else {
            p.drawText(box, Qt::AlignCenter, rank);
        }
        DrawPip(p, suit, 17, 42, 17);
        p.restore();
    }
}

struct Pip {
    double x;
    double y;
};

std::vector<Pip> PipLayout(int count) {
    const double l = 50, c = kCx, r = 101;
    const double top = 40, bottom = 175, mid = kCy;
    const double q1 = top + (bottom - top) / 3, q2 = top + 2 * (bottom - top) / 3;
    switch (count) {
        case 2:
            return {{c, top}, {c, bottom}};
        case 3:
            return {{c, top}, {c, mid}, {c, bottom}};
        case 4:
            return {{l, top}, {r, top}, {l, bottom}, {r, bottom}};
        case 5:
            return {{l, top}, {r, top}, {c, mid}, {l, bottom}, {r, bottom}};
        case 6:
            return {{l, top}, {r, top}, {l, mid}, {r, mid}, {l, bottom}, {r, bottom}};
        case 7:
            return {{l, top}, {r, top},    {c, (top + mid) / 2}, {l, mid},
                    {r, mid}, {l, bottom}, {r, bottom}};
        case 8:
            return {{l, top},    {r, top},   {c, (top + mid) / 2},
                    {l, mid},    {r, mid},   {c, (mid + bottom) / 2},
                    {l, bottom}, {r, bottom}};
        case 9:
            return {{l, top}, {r, top}, {l, q1},     {r, q1},    {c, mid},
                    {l, q2},  {r, q2},  {l, bottom}, {r, bottom}};
        default:
            return {{l, top}, {r, top}, {c, (top + q1) / 2},    {l, q1},     {r, q1},
                    {l, q2},  {r, q2},  {c, (q2 + bottom) / 2}, {l, bottom}, {r, bottom}};
    }
}

void NumberCard(QPainter& p, int suit, int count) {
    const double size = count >= 9 ? 25 : 27;
    for (const Pip& pip : PipLayout(count)) {
        DrawPip(p, suit, pip.x, pip.y, size, pip.y > kCy + 1);
    }
}

void AceCard(QPainter& p, int suit) {
    if (suit == 3) {
        // The ace of spades carries an ornament ring.
        p.setPen(QPen(QColor(22, 22, 30), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(kCx, kCy), 50, 50);
        p.setPen(QPen(QColor(190, 150, 60), 2.5));
        p.drawEllipse(QPointF(kCx, kCy), 46, 46);
        for (int i = 0; i < 24; ++i) {
            p.save();
            p.translate(kCx, kCy);
            p.rotate(i * 15);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(190, 150, 60));
            QPainterPath leaf;
            leaf.moveTo(0, -53);
            leaf.quadTo(3, -57, 0, -61);
            leaf.quadTo(-3, -57, 0, -53);
            p.drawPath(leaf);
            p.restore();
        }
        DrawPip(p, suit, kCx, kCy, 76);
        return;
    }
    QColor ring = SuitColor(suit);
    ring.setAlpha(60);
    p.setPen(QPen(ring, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(kCx, kCy), 44, 44);
    DrawPip(p, suit, kCx, kCy, 66);
    // A soft highlight gives the big pip some depth.
    p.save();
    p.setClipPath(QTransform::fromTranslate(kCx, kCy).map(SuitPath(suit, 66)));
    QLinearGradient shine(kCx - 30, kCy - 30, kCx + 20, kCy + 30);
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(kCx - 40, kCy - 40, 80, 80), shine);
    p.restore();
}

struct CourtStyle {
    QColor robe;
    QColor robeDark;
    QColor trim;
    QColor accent;
};

CourtStyle StyleOf(int slot) {
    switch (slot) {
        case 11:
            return {QColor(168, 28, 44), QColor(110, 14, 28), QColor(226, 178, 52),
                    QColor(36, 52, 140)};
        case 10:
            return {QColor(42, 78, 170), QColor(24, 44, 110), QColor(226, 178, 52),
                    QColor(222, 112, 150)};
        default:
            return {QColor(28, 128, 76), QColor(16, 80, 46), QColor(232, 188, 48),
                    QColor(200, 70, 40)};
    }
}

QColor HairOf(int suit) {
    const QColor hair[4] = {QColor(84, 54, 30), QColor(150, 70, 30), QColor(196, 150, 60),
                            QColor(36, 30, 30)};
    return hair[suit & 3];
}

// The upper half of a court figure; the lower half is the same turned round.
void CourtHalf(QPainter& p, int suit, int slot) {
    const CourtStyle st = StyleOf(slot);
    const QColor ink(40, 30, 30);
    const QColor skin(248, 218, 186);
    const QPen outline(ink, 1.1);

    // Robe and shoulders.
    QPainterPath robe;
    robe.moveTo(38, 108);
    robe.lineTo(40, 92);
    robe.cubicTo(42, 80, 54, 76, 64, 75);
    robe.lineTo(87, 75);
    robe.cubicTo(97, 76, 109, 80, 111, 92);
    robe.lineTo(113, 108);
    robe.closeSubpath();
    QLinearGradient robeFill(40, 75, 112, 108);
    robeFill.setColorAt(0, st.robe);
    robeFill.setColorAt(1, st.robeDark);
    p.setPen(outline);
    p.setBrush(robeFill);
    p.drawPath(robe);

    // Front band with the suit pips.
    QPainterPath band;
    band.moveTo(66, 76);
    band.lineTo(85, 76);
    band.lineTo(88, 108);
    band.lineTo(63, 108);
    band.closeSubpath();
    p.setBrush(QColor(250, 240, 214));
    p.drawPath(band);
    DrawPip(p, suit, kCx, 88, 10);
    DrawPip(p, suit, kCx, 101, 8);
    // Gold trim and collar.
    p.setPen(QPen(st.trim, 2.2));
    p.drawLine(QPointF(66, 76), QPointF(63, 108));
    p.drawLine(QPointF(85, 76), QPointF(88, 108));
    p.setPen(outline);
    p.setBrush(st.trim);
    QPainterPath collar;
    collar.moveTo(60, 75);
    collar.quadTo(kCx, 86, 91, 75);
    collar.quadTo(kCx, 80, 60, 75);
    p.drawPath(collar);
    // Shoulder pattern.
    p.setPen(QPen(st.accent, 1.6));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(44 + i * 5, 96 - i * 4), QPointF(48 + i * 5, 104 - i * 4));
        p.drawLine(QPointF(107 - i * 5, 96 - i * 4), QPointF(103 - i * 5, 104 - i * 4));
    }

    // Hair behind the head (long for the queen).
    p.setPen(outline);
    p.setBrush(HairOf(suit));
    if (slot == 10) {
        QPainterPath hair;
        hair.moveTo(61, 52);
        hair.cubicTo(56, 66, 58, 78, 54, 84);
        hair.lineTo(97, 84);
        hair.cubicTo(93, 78, 95, 66, 90, 52);
        hair.closeSubpath();
        p.drawPath(hair);
    }
    // Neck and face.
    p.setBrush(skin);
    p.drawRect(QRectF(71, 66, 9, 10));
    p.drawEllipse(QPointF(kCx, 58), 11.5, 13.5);
    // Hair on top.
    p.setBrush(HairOf(suit));
    QPainterPath top;
    top.moveTo(64, 56);
    top.cubicTo(63, 44, 88, 44, 87, 56);
    top.cubicTo(83, 49, 68, 49, 64, 56);
    p.drawPath(top);
    // Eyes, brows, mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(71, 57), 1.4, 1.6);
    p.drawEllipse(QPointF(80, 57), 1.4, 1.6);
    p.setPen(QPen(ink, 1));
    p.drawLine(QPointF(68.5, 53.5), QPointF(73, 53));
    p.drawLine(QPointF(78, 53), QPointF(82.5, 53.5));
    p.setPen(QPen(QColor(180, 60, 60), 1.2));
    p.drawLine(QPointF(73, 65), QPointF(78, 65));
    p.setBrush(QColor(240, 150, 140, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(68.5, 61.5), 2.5, 1.8);
    p.drawEllipse(QPointF(82.5, 61.5), 2.5, 1.8);

    p.setPen(outline);
    if (slot == 11) {
        // King: beard and a five-pointed crown, a sword at his side.
        p.setBrush(HairOf(suit));
        QPainterPath beard;
        beard.moveTo(64.5, 60);
        beard.cubicTo(65, 76, 86, 76, 86.5, 60);
        beard.cubicTo(83, 68, 68, 68, 64.5, 60);
        p.drawPath(beard);
        QPainterPath crown;
        crown.moveTo(63, 48);
        crown.lineTo(62, 34);
        crown.lineTo(67.5, 41);
        crown.lineTo(71, 31);
        crown.lineTo(75.5, 40);
        crown.lineTo(80, 31);
        crown.lineTo(83.5, 41);
        crown.lineTo(89, 34);
        crown.lineTo(88, 48);
        crown.closeSubpath();
        p.setBrush(st.trim);
        p.drawPath(crown);
        p.setBrush(QColor(200, 30, 40));
        p.drawEllipse(QPointF(kCx, 44.5), 2, 2);
        p.setBrush(QColor(40, 90, 200));
        p.drawEllipse(QPointF(67.5, 45), 1.6, 1.6);
        p.drawEllipse(QPointF(83.5, 45), 1.6, 1.6);
        // Sword.
        p.setBrush(QColor(220, 226, 236));
        p.drawRect(QRectF(44, 58, 4, 40));
        p.setBrush(st.trim);
        p.drawRect(QRectF(39, 96, 14, 3.5));
        p.drawRect(QRectF(44.5, 99.5, 3, 8));
    } else if (slot == 10) {
        // Queen: a tiara with a jewel, and a flower in her hand.
        QPainterPath tiara;
        tiara.moveTo(64, 48);
        tiara.quadTo(66, 37, 70, 42);
        tiara.quadTo(75.5, 30, 81, 42);
        tiara.quadTo(85, 37, 87, 48);
        tiara.quadTo(75.5, 44, 64, 48);
        p.setBrush(st.trim);
        p.drawPath(tiara);
        p.setBrush(st.accent);
        p.drawEllipse(QPointF(kCx, 40), 2.2, 2.2);
        // Flower: stem, petals, centre.
        p.setPen(QPen(QColor(40, 120, 50), 1.6));
        p.drawLine(QPointF(99, 104), QPointF(99, 86));
        p.setPen(outline);
        p.setBrush(st.accent);
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(99, 83);
            p.rotate(i * 72);
            p.drawEllipse(QPointF(0, -3.5), 2.6, 3.6);
            p.restore();
        }
        p.setBrush(QColor(250, 214, 70));
        p.drawEllipse(QPointF(99, 83), 2.2, 2.2);
    } else {
        // Jack: a feathered cap and a halberd.
        p.setBrush(st.robeDark);
        QPainterPath cap;
        cap.moveTo(61, 50);
        cap.cubicTo(60, 36, 90, 34, 91, 49);
        cap.quadTo(75.5, 44, 61, 50);
        p.drawPath(cap);
        p.setBrush(st.trim);
        p.drawRect(QRectF(61.5, 47, 29, 3.5));
        p.setBrush(st.accent);
        QPainterPath feather;
        feather.moveTo(84, 42);
        feather.cubicTo(92, 32, 100, 30, 104, 27);
        feather.cubicTo(100, 36, 94, 42, 86, 45);
        feather.closeSubpath();
        p.drawPath(feather);
        // Halberd.
        p.setBrush(QColor(130, 86, 46));
        p.drawRect(QRectF(102, 50, 3, 58));
        p.setBrush(QColor(214, 220, 232));
        QPainterPath blade;
        blade.moveTo(103.5, 36);
        blade.lineTo(107, 48);
        blade.lineTo(103.5, 52);
        blade.lineTo(100, 48);
        blade.closeSubpath();
        p.drawPath(blade);
        QPainterPath axe;
        axe.moveTo(105, 53);
        axe.quadTo(114, 52, 113, 62);
        axe.quadTo(109, 58, 105, 60);
        axe.closeSubpath();
        p.drawPath(axe);
    }
}

void CourtCard(QPainter& p, int suit, int slot) {
    const QRectF frame(33.5, 19.5, 84, 176);
    const CourtStyle st = StyleOf(slot);
    QLinearGradient ground(frame.topLeft(), frame.bottomRight());
    ground.setColorAt(0, QColor(255, 250, 234));
    ground.setColorAt(1, QColor(246, 236, 210));
    p.setPen(QPen(SuitColor(suit), 1.5));
    p.setBrush(ground);
    p.drawRoundedRect(frame, 4, 4);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(kCardWidth, kCardHeight);
            p.rotate(180);
        }
        p.setClipRect(
            QRectF(frame.left() + 1, frame.top() + 1, frame.width() - 2, kCy - frame.top() - 1));
        CourtHalf(p, suit, slot);
        p.setClipping(false);
        DrawPip(p, suit, 42, 29, 12);
        p.restore();
    }
    p.setPen(QPen(st.trim, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame.adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    p.setPen(QPen(SuitColor(suit), 1.2));
    p.drawLine(QPointF(frame.left() + 3, kCy), QPointF(frame.right() - 3, kCy));
}

}  // namespace

void PaintCardFace(QPainter& p, int id) {
    const int suit = id / 13;
    const int slot = id % 13;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    CardBody(p);
    if (slot == 12)
        AceCard(p, suit);
    else if (slot >= 9)
        CourtCard(p, suit, slot);
    else
        NumberCard(p, suit, slot + 2);
    CornerIndex(p, suit, QString::fromLatin1(kRanks[slot]));
}

QImage PaintCardSheet() {
    QImage sheet(kCardWidth * kSheetColumns, kCardHeight * kSheetRows, QImage::Format_RGB32);
    sheet.fill(kCornerColor);
    QPainter p(&sheet);
    for (int id = 0; id < kSheetColumns * kSheetRows; ++id) {
        p.save();
        p.translate(kCardWidth * (id % kSheetColumns), kCardHeight * (id / kSheetColumns));
        p.setClipRect(QRect(0, 0, kCardWidth, kCardHeight));
        if (id == 0) {
            PaintJoker(p);
        } else if (id == 13 || id == 26) {
            p.drawImage(0, 0, id == 13 ? PaintMarshBack() : PaintGardenBack());
        } else {
            PaintCardFace(p, id);
        }
        p.restore();
    }
    return sheet;
}

}  // namespace quintrick::art
