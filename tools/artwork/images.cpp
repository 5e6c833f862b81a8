// The twenty-two images of the table: plates, labels, digits, symbols, banners, icons, signs.
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <string>

#include "art_texts.h"
#include "artwork.h"
#include "engine/roster.h"
#include "paint_util.h"
#include "resource_ids.h"

namespace quintrick::art {
namespace {

const QColor kPlateKey(102, 102, 153);
const QColor kLcdBlue(0, 102, 204);
const QColor kSuitKey(153, 255, 153);
const QColor kSignKey(255, 0, 0);

QString Jp(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The text of one language, in its font: the Japanese set as it always was, the English set in
// the bold sans serif, shrunk until it fits `width` but not below three quarters of its size;
// what is still too wide is narrowed.
struct Lettering {
    QString text;
    QFont font;
    double stretch = 1;  // horizontal scale, below 1 for a narrowed word
};
Lettering Letter(const ArtText& t, ArtLanguage language, int pixelSize, double width) {
    if (language == ArtLanguage::Japanese) return {Jp(t.ja), JapaneseFont(pixelSize)};
    const QString text = QString::fromUtf8(t.en);
    QFont font = LatinFont(pixelSize);
    const int smallest = (pixelSize * 3 + 3) / 4;
    while (font.pixelSize() > smallest && QFontMetricsF(font).horizontalAdvance(text) > width) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    const double advance = QFontMetricsF(font).horizontalAdvance(text);
    return {text, font, advance > width ? width / advance : 1.0};
}

void Draw(QPainter& p, const QRectF& r, const Lettering& l, QColor fill, QColor outline,
          double outlineWidth) {
    if (l.stretch >= 1) {
        OutlinedText(p, r, l.text, l.font, fill, outline, outlineWidth);
        return;
    }
    p.save();
    p.translate(r.left(), 0);
    p.scale(l.stretch, 1);
    OutlinedText(p, QRectF(0, r.top(), r.width() / l.stretch, r.height()), l.text, l.font, fill,
                 outline, outlineWidth);
    p.restore();
}

// A glossy rounded plate with a gold rim, the common look of the call plates.
void GlossyPlate(QPainter& p, const QRectF& r, QColor top, QColor bottom, double radius) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(QColor(40, 24, 10), 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.setPen(QPen(QColor(240, 200, 90), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), radius - 1.5, radius - 1.5);
    // Highlight over the upper half.
    QLinearGradient gloss(r.topLeft(), QPointF(r.left(), r.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(r.left() + 3, r.top() + 3, r.width() - 6, r.height() / 2 - 2),
                      radius - 2, radius - 2);
}

QImage CallPlate(const Lettering& l, QColor top, QColor bottom) {
    QImage c = Canvas(64, 34);
    QPainter p(&c);
    GlossyPlate(p, QRectF(1, 1, 62, 32), top, bottom, 8);
    Draw(p, QRectF(0, 0, 64, 35), l, QColor(255, 252, 236), QColor(60, 20, 10), 3.0);
    p.end();
    return Keyed(c, kPlateKey);
}

QImage RedealBanner(ArtLanguage language) {
    QImage c = Canvas(243, 62);
    QPainter p(&c);
    GlossyPlate(p, QRectF(1, 1, 241, 60), QColor(230, 70, 40), QColor(150, 20, 30), 14);
    const Lettering l = Letter(kTextRedeal, language, 34, 220);
    Draw(p, QRectF(0, 0, 243, 63), l, QColor(255, 244, 200), QColor(70, 10, 10), 4.0);
    p.end();
    return Keyed(c, kPlateKey);
}

// A raised thumb (a fist with the thumb up) in a golden disc.
QImage TurnMark() {
    QImage c = Canvas(34, 34);
    QPainter p(&c);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient disc(QPointF(13, 11), 22);
    disc.setColorAt(0, QColor(255, 236, 130));
    disc.setColorAt(1, QColor(236, 150, 20));
    p.setPen(QPen(QColor(120, 60, 10), 1.2));
    p.setBrush(disc);
    p.drawEllipse(QPointF(17, 17), 15.6, 15.6);
    const QColor skin(255, 214, 170);
    const QPen ink(QColor(90, 50, 30), 1.1);
    p.setPen(ink);
    p.setBrush(skin);
    // Thumb.
    QPainterPath thumb;
    thumb.moveTo(13, 15);
    thumb.cubicTo(12, 11, 14, 6, 17, 5.5);
    thumb.cubicTo(20, 5.5, 20, 9, 19.5, 14);
    thumb.closeSubpath();
    p.drawPath(thumb);
    // Fist with four folded fingers.
    p.drawRoundedRect(QRectF(10, 14, 15, 13), 3, 3);
    for (int i = 1; i < 4; ++i) p.drawLine(QPointF(19, 14 + i * 3.2), QPointF(25, 14 + i * 3.2));
    // Cuff.
    p.setBrush(QColor(40, 80, 170));
    p.drawRoundedRect(QRectF(6, 15, 5, 12), 1.5, 1.5);
    p.end();
    return Keyed(c, kPlateKey);
}

// Ten name plates per colour, 66 x 34 each, in roster order.
QImage NamePlates(ArtLanguage language) {
    QImage c = Canvas(132, 340);
    QPainter p(&c);
    for (int row = 0; row < kRosterSize; ++row) {
        const std::string name(RosterName(row));
        const ArtText t{name.c_str(), kEnglishRosterNames[row]};
        Lettering l = Letter(t, language, 17, 58);
        if (language == ArtLanguage::Japanese) l.font = JapaneseSerifFont(21);
        for (int col = 0; col < 2; ++col) {
            const QRectF r(col * 66 + 1.5, row * 34 + 1.5, 63, 31);
            const QColor top = col == 0 ? QColor(236, 74, 74) : QColor(70, 120, 230);
            const QColor bottom = col == 0 ? QColor(150, 16, 28) : QColor(22, 44, 140);
            GlossyPlate(p, r, top, bottom, 6);
            Draw(p, r.adjusted(0, 1, 0, 1), l, QColor(255, 252, 238), QColor(30, 10, 20), 2.6);
        }
    }
    p.end();
    return Keyed(c, Qt::white);
}

// The suit symbols of the tables and indicators.
QImage SuitSymbol(int suit) {
    QImage c = Canvas(47, 53);
    QPainter p(&c);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = QTransform::fromTranslate(23.5, 26.5).map(SuitPath(suit, 48));
    const QColor base = SuitColor(suit);
    QLinearGradient fill(8, 4, 40, 50);
    fill.setColorAt(0, IsRedSuit(suit) ? QColor(246, 70, 80) : QColor(90, 90, 110));
    fill.setColorAt(1, base);
    p.setPen(QPen(IsRedSuit(suit) ? QColor(120, 0, 16) : QColor(0, 0, 0), 1.2));
    p.setBrush(fill);
    p.drawPath(shape);
    p.end();
    return Keyed(c, kSuitKey);
}

// Remaining-cards panel: K (related), M (unrelated), a picture card, the joker; the suits below.
QImage RemainingPanel(ArtLanguage language) {
    QImage img(175, 138, QImage::Format_RGB32);
    img.fill(kLcdBlue);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Frame in the margins that the counters never touch.
    p.setPen(QPen(QColor(150, 200, 250), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, 174, 137), 5, 5);
    p.setPen(QPen(QColor(0, 70, 150), 1));
    p.drawLine(QPointF(4, 68.5), QPointF(171, 68.5));
    auto cx = [](int j) { return 43.0 * j + 23; };
    // Symbol boxes.
    for (int row = 0; row < 2; ++row) {
        for (int j = 0; j < 4; ++j) {
            const QRectF box(cx(j) - 17, row * 66 + 3, 34, 35);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 80, 170));
            p.drawRoundedRect(box, 5, 5);
        }
    }
    const QRectF k(cx(0) - 17, 3, 34, 35), m(cx(1) - 17, 3, 34, 35);
    OutlinedText(p, k, Jp(kTextRelated.In(language)), LatinFont(28), QColor(240, 50, 50),
                 QColor(255, 255, 250), 3);
    OutlinedText(p, m, Jp(kTextUnrelated.In(language)), LatinFont(28), QColor(40, 200, 70),
                 QColor(255, 255, 250), 3);
    // A little picture card (a crowned face).
    const QRectF card(cx(2) - 11, 5, 22, 31);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(255, 252, 240));
    p.drawRoundedRect(card, 3, 3);
    p.setBrush(QColor(230, 180, 50));
    QPainterPath crown;
    crown.moveTo(cx(2) - 7, 19);
    crown.lineTo(cx(2) - 8, 10);
    crown.lineTo(cx(2) - 4, 14);
    crown.lineTo(cx(2), 8);
    crown.lineTo(cx(2) + 4, 14);
    crown.lineTo(cx(2) + 8, 10);
    crown.lineTo(cx(2) + 7, 19);
    crown.closeSubpath();
    p.drawPath(crown);
    p.setBrush(QColor(200, 30, 40));
    p.drawRect(QRectF(cx(2) - 7, 21, 14, 11));
    // The joker: a jester's hat in three colours.
    const double jx = cx(3);
    const QColor hat[3] = {QColor(40, 170, 70), QColor(230, 40, 50), QColor(250, 200, 30)};
    const QPointF tips[3] = {{jx - 13, 12}, {jx, 5}, {jx + 13, 12}};
    for (int i = 0; i < 3; ++i) {
        QPainterPath h;
        h.moveTo(jx - 9, 30);
        h.quadTo(jx - 4 + i * 4, 18, tips[i].x(), tips[i].y());
        h.quadTo(jx - 2 + i * 2, 20, jx + 9, 30);
        h.closeSubpath();
        p.setPen(QPen(QColor(30, 20, 30), 1));
        p.setBrush(hat[i]);
        p.drawPath(h);
        p.setBrush(QColor(255, 230, 90));
        p.drawEllipse(tips[i], 2.6, 2.6);
    }
    p.setBrush(QColor(255, 240, 200));
    p.drawRoundedRect(QRectF(jx - 10, 28, 20, 6), 2, 2);
    // Suits in the lower half.
    for (int j = 0; j < 4; ++j) {
        p.setPen(QPen(QColor(255, 255, 250), 2.4));
        p.setBrush(SuitColor(j));
        p.drawPath(QTransform::fromTranslate(cx(j), 69 + 20.5).map(SuitPath(j, 27)));
    }
    p.end();
    AvoidColor(img, kLcdBlue);
    // The panel background itself is the blue of the counter rows.
    QPainter q(&img);
    q.fillRect(QRect(2, 40, 169, 27), kLcdBlue);
    q.fillRect(QRect(2, 106, 169, 27), kLcdBlue);
    return img;
}

// Seven-segment glyph: segments a..g, lit as in the usual LCD.
void Segments(QPainter& p, double x, double y, unsigned lit, QColor on, QColor off) {
    // Geometry of a 16 x 27 cell: digit 11 wide, 23 high, slanted slightly.
    const double w = 10, h = 22, t = 2.6;
    const double ox = x + 3, oy = y + 2.5;
    auto seg = [&](int index, QPointF a, QPointF b) {
        const bool on_ = lit & (1u << index);
        QPainterPath s;
        const QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        const QPointF u(d.x() / len, d.y() / len), n(-u.y(), u.x());
        const double g = 1.0;  // gap at the joints
        const QPointF a1 = a + u * g, b1 = b - u * g;
        s.moveTo(a1);
        s.lineTo(a1 + u * (t / 2) + n * (t / 2));
        s.lineTo(b1 - u * (t / 2) + n * (t / 2));
        s.lineTo(b1);
        s.lineTo(b1 - u * (t / 2) - n * (t / 2));
        s.lineTo(a1 + u * (t / 2) - n * (t / 2));
        s.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(on_ ? on : off);
        p.drawPath(s);
    };
    const double sl = 1.6;  // slant
    const QPointF tl(ox + sl, oy), tr(ox + w + sl, oy), ml(ox + sl / 2, oy + h / 2),
        mr(ox + w + sl / 2, oy + h / 2), bl(ox, oy + h), br(ox + w, oy + h);
    seg(0, tl, tr);
    seg(1, tr, mr);
    seg(2, mr, br);
    seg(3, bl, br);
    seg(4, ml, bl);
    seg(5, tl, ml);
    seg(6, ml, mr);
}

QImage LcdDigits() {
    // Bits: a b c d e f g.
    const unsigned masks[11] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f, 0x40};
    QImage c = Canvas(176, 27);
    QPainter p(&c);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 11; ++i) {
        Segments(p, 16 * i, 0, masks[i], QColor(120, 255, 110), QColor(0, 0, 0, 0));
    }
    p.end();
    // A soft glow would need the background; the digits stay crisp on the panel blue instead.
    return Keyed(c, kLcdBlue);
}

// Labels share one look: deep indigo plate, ivory text.
void LabelGround(QPainter& p, int w, int h) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(46, 46, 104));
    g.setColorAt(1, QColor(22, 22, 62));
    p.fillRect(QRect(0, 0, w, h), g);
    p.setPen(QPen(QColor(200, 170, 90), 1));
    p.drawLine(0, 0, w - 1, 0);
    p.drawLine(0, h - 1, w - 1, h - 1);
}

const QColor kLabelText(255, 240, 200);
const QColor kLabelNumber(255, 214, 90);

QImage GameLabel(ArtLanguage language) {
    QImage img(115, 26, QImage::Format_RGB32);
    QPainter p(&img);
    LabelGround(p, 115, 26);
    const Lettering before = Letter(kTextGameBefore, language, 19, 27);
    const Lettering after = Letter(kTextGameAfter, language, 18, 56);
    Draw(p, QRectF(4, 0, 27, 27), before, kLabelText, Qt::black, 0);
    Draw(p, QRectF(54, 0, 60, 27), after, kLabelText, Qt::black, 0);
    return img;
}

QImage GameDigits() {
    QImage img(210, 26, QImage::Format_RGB32);
    QPainter p(&img);
    LabelGround(p, 210, 26);
    for (int n = 1; n <= 10; ++n) {
        const QRectF cell(21 * (n - 1), 0, 21, 27);
        QFont f = LatinFont(n == 10 ? 16 : 20);
        if (n == 10) f.setLetterSpacing(QFont::AbsoluteSpacing, -1.5);
        OutlinedText(p, cell, QString::number(n), f, kLabelNumber, Qt::black, 0);
    }
    return img;
}

QImage BattleLabel(ArtLanguage language) {
    QImage img(115, 26, QImage::Format_RGB32);
    QPainter p(&img);
    LabelGround(p, 115, 26);
    const Lettering l = Letter(kTextBattleAfter, language, 19, 62);
    const QRectF where =
        language == ArtLanguage::Japanese ? QRectF(48, 0, 48, 27) : QRectF(48, 0, 64, 27);
    Draw(p, where, l, kLabelText, Qt::black, 0);
    return img;
}

QImage BattleDigits(ArtLanguage language) {
    QImage img(69, 26, QImage::Format_RGB32);
    QPainter p(&img);
    LabelGround(p, 69, 26);
    for (int n = 0; n < 3; ++n) {
        const Lettering l = Letter(kTextBattleNumerals[n], language, 20, 22);
        Draw(p, QRectF(23 * n, 0, 23, 27), l, kLabelNumber, Qt::black, 0);
    }
    return img;
}

// One bevelled button of the icon row.
void Button(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(250, 250, 252));
    g.setColorAt(1, QColor(196, 204, 222));
    p.setPen(QPen(QColor(70, 74, 100), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

void KeyLabel(QPainter& p, const QRectF& r, const char* key) {
    p.setFont(LatinFont(9));
    p.setPen(QColor(40, 44, 80));
    p.drawText(r, Qt::AlignHCenter | Qt::AlignBottom, QString::fromLatin1(key));
}

QImage Toolbar() {
    QImage img(163, 32, QImage::Format_RGB32);
    img.fill(QColor(60, 60, 110));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF f1(0, 0, 45, 32), f2(45, 0, 32, 32), f3(77, 0, 32, 32), f4(109, 0, 27, 32),
        f5(136, 0, 27, 32);
    for (const QRectF& r : {f1, f2, f3, f4, f5}) Button(p, r);
    // F1: a red flag on a pole, the key beside it.
    p.setPen(QPen(QColor(90, 60, 40), 1.6));
    p.drawLine(QPointF(9, 4), QPointF(9, 28));
    QPainterPath flag;
    flag.moveTo(10, 5);
    flag.cubicTo(16, 2, 20, 9, 27, 6);
    flag.lineTo(27, 17);
    flag.cubicTo(20, 20, 16, 13, 10, 16);
    flag.closeSubpath();
    p.setPen(QPen(QColor(120, 10, 20), 0.8));
    p.setBrush(QColor(226, 36, 46));
    p.drawPath(flag);
    p.setFont(LatinFont(11));
    p.setPen(QColor(40, 44, 80));
    p.drawText(QRectF(26, 14, 19, 16), Qt::AlignCenter, QStringLiteral("F1"));
    // F2: a computer screen.
    p.setPen(QPen(QColor(40, 44, 70), 1));
    p.setBrush(QColor(50, 56, 80));
    p.drawRoundedRect(QRectF(52, 3, 18, 13), 1.5, 1.5);
    QLinearGradient screen(53, 4, 69, 15);
    screen.setColorAt(0, QColor(120, 200, 255));
    screen.setColorAt(1, QColor(30, 110, 200));
    p.setBrush(screen);
    p.drawRect(QRectF(54, 5, 14, 9));
    p.setBrush(QColor(120, 124, 140));
    p.drawRect(QRectF(58.5, 16, 5, 2));
    p.drawRect(QRectF(54, 18, 14, 2));
    KeyLabel(p, f2.adjusted(0, 0, 0, -1), "F2");
    // F3: a question mark in a blue disc.
    QRadialGradient disc(QPointF(91, 8), 11);
    disc.setColorAt(0, QColor(120, 180, 255));
    disc.setColorAt(1, QColor(20, 80, 190));
    p.setPen(QPen(QColor(10, 40, 110), 1));
    p.setBrush(disc);
    p.drawEllipse(QPointF(93, 11.5), 8.5, 8.5);
    OutlinedText(p, QRectF(85, 3, 16, 18), QStringLiteral("?"), LatinFont(14), Qt::white, Qt::black,
                 0);
    KeyLabel(p, f3.adjusted(0, 0, 0, -1), "F3");
    // F4 / F5: green arrows up and down.
    auto arrow = [&](double cx, bool up) {
        QPainterPath a;
        const double t = up ? 3 : 20, b = up ? 20 : 3;
        a.moveTo(cx, t);
        a.lineTo(cx + 8, (t + b) / 2 - (up ? 1 : -1));
        a.lineTo(cx + 3.5, (t + b) / 2 - (up ? 1 : -1));
        a.lineTo(cx + 3.5, b);
        a.lineTo(cx - 3.5, b);
        a.lineTo(cx - 3.5, (t + b) / 2 - (up ? 1 : -1));
        a.lineTo(cx - 8, (t + b) / 2 - (up ? 1 : -1));
        a.closeSubpath();
        QLinearGradient g(cx - 8, 0, cx + 8, 0);
        g.setColorAt(0, QColor(80, 200, 90));
        g.setColorAt(1, QColor(20, 130, 50));
        p.setPen(QPen(QColor(10, 70, 30), 1));
        p.setBrush(g);
        p.drawPath(a);
    };
    arrow(122.5, true);
    KeyLabel(p, f4.adjusted(0, 0, 0, -1), "F4");
    arrow(149.5, false);
    KeyLabel(p, f5.adjusted(0, 0, 0, -1), "F5");
    return img;
}

// Call plate with room for a suit symbol: "ヤク" stacked on the left, symbol at (29, 1).
QImage TrumpCall(ArtLanguage language) {
    QImage c = Canvas(74, 38);
    QPainter p(&c);
    GlossyPlate(p, QRectF(1, 1, 72, 36), QColor(255, 246, 214), QColor(226, 196, 120), 8);
    if (language == ArtLanguage::Japanese) {
        // The two kana stacked.
        const QString word = Jp(kTextTrumpCall.ja);
        OutlinedText(p, QRectF(4, 1, 24, 19), word.left(1), JapaneseFont(17), QColor(150, 20, 30),
                     Qt::white, 0);
        OutlinedText(p, QRectF(4, 17, 24, 19), word.mid(1), JapaneseFont(17), QColor(150, 20, 30),
                     Qt::white, 0);
    } else {
        // The word runs up the left edge, beside the symbol's room.
        const Lettering l = Letter(kTextTrumpCall, language, 14, 32);
        p.save();
        p.translate(4, 37);
        p.rotate(-90);
        Draw(p, QRectF(0, 0, 36, 22), l, QColor(150, 20, 30), Qt::white, 0);
        p.restore();
    }
    p.end();
    return Keyed(c, kPlateKey);
}

// Call plate "請求": symbol room at (5, 0) 34 x 38, the word on the right.
QImage SuitCall(ArtLanguage language) {
    QImage c = Canvas(74, 38);
    QPainter p(&c);
    GlossyPlate(p, QRectF(1, 1, 72, 36), QColor(255, 246, 214), QColor(226, 196, 120), 8);
    const Lettering l = Letter(kTextSuitCall, language, 16, 33);
    Draw(p, QRectF(38, 0, 35, 39), l, QColor(20, 40, 130), Qt::white, 0);
    p.end();
    return Keyed(c, kPlateKey);
}

QImage Banners(ArtLanguage language) {
    const QColor colors[6][2] = {
        {QColor(40, 90, 60), QColor(16, 50, 30)},    {QColor(200, 60, 40), QColor(120, 20, 20)},
        {QColor(60, 90, 200), QColor(20, 40, 120)},  {QColor(110, 110, 120), QColor(60, 60, 70)},
        {QColor(220, 130, 30), QColor(150, 70, 10)}, {QColor(150, 60, 170), QColor(80, 20, 100)},
    };
    QImage img(163, 156, QImage::Format_RGB32);
    img.fill(QColor(30, 30, 40));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 6; ++row) {
        const QRectF r(0, row * 26, 163, 26);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, colors[row][0]);
        g.setColorAt(1, colors[row][1]);
        p.fillRect(r, g);
        p.setPen(QPen(QColor(240, 200, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
        const int size = Jp(kTextBanners[row].ja).size() >= 10 ? 14 : 17;
        const Lettering l = Letter(kTextBanners[row], language, size, 155);
        Draw(p, r.adjusted(0, 1, 0, 1), l, QColor(255, 250, 232), QColor(20, 10, 10), 2.4);
    }
    return img;
}

QImage CursorMark() {
    QImage c = Canvas(20, 18);
    QPainter p(&c);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    tri.moveTo(2, 2);
    tri.lineTo(18, 2);
    tri.lineTo(10, 16);
    tri.closeSubpath();
    QLinearGradient g(0, 2, 0, 16);
    g.setColorAt(0, QColor(40, 70, 180));
    g.setColorAt(1, QColor(10, 20, 90));
    p.setPen(QPen(QColor(0, 0, 50), 1));
    p.setBrush(g);
    p.drawPath(tri);
    p.end();
    return Keyed(c, Qt::white);
}

// Safety-zone sign (blue square, white chevron) and a danger sign (yellow diamond, "!").
QImage Signs() {
    QImage c = Canvas(80, 37);
    QPainter p(&c);
    p.setRenderHint(QPainter::Antialiasing);
    // Safety zone.
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(QColor(0, 80, 180));
    p.drawRoundedRect(QRectF(3, 1.5, 34, 34), 3, 3);
    QPainterPath chevron;
    chevron.moveTo(9, 10);
    chevron.lineTo(20, 28);
    chevron.lineTo(31, 10);
    chevron.lineTo(26, 10);
    chevron.lineTo(20, 20);
    chevron.lineTo(14, 10);
    chevron.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 254));
    p.drawPath(chevron);
    // Danger.
    QPainterPath diamond;
    diamond.moveTo(60, 1);
    diamond.lineTo(77.5, 18.5);
    diamond.lineTo(60, 36);
    diamond.lineTo(42.5, 18.5);
    diamond.closeSubpath();
    p.setPen(QPen(QColor(20, 20, 20), 1.6));
    p.setBrush(QColor(255, 208, 0));
    p.drawPath(diamond);
    p.setPen(QPen(QColor(20, 20, 20), 1.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath inner;
    inner.moveTo(60, 4.5);
    inner.lineTo(74, 18.5);
    inner.lineTo(60, 32.5);
    inner.lineTo(46, 18.5);
    inner.closeSubpath();
    p.drawPath(inner);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    QPainterPath bar;
    bar.moveTo(58, 9.5);
    bar.lineTo(62, 9.5);
    bar.lineTo(61, 22);
    bar.lineTo(59, 22);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(60, 26), 1.9, 1.9);
    p.end();
    return Keyed(c, kSignKey);
}

}  // namespace

std::vector<NamedImage> PaintTableImages(ArtLanguage language) {
    const ArtLanguage l = language;
    const auto plate = [l](const ArtText& t) { return Letter(t, l, 23, 56); };
    std::vector<NamedImage> out;
    out.push_back({kBmpRedeal, RedealBanner(l), "redeal banner"});
    out.push_back(
        {kBmpKan, CallPlate(plate(kTextKan), QColor(255, 120, 60), QColor(190, 40, 20)), "kan"});
    out.push_back(
        {kBmpKoi, CallPlate(plate(kTextKoi), QColor(90, 200, 110), QColor(20, 110, 50)), "come"});
    out.push_back(
        {kBmpIku, CallPlate(plate(kTextIku), QColor(90, 150, 250), QColor(20, 60, 170)), "go"});
    out.push_back({kBmpTurnMark, TurnMark(), "turn mark"});
    out.push_back({kBmpPlates, NamePlates(l), "name plates"});
    out.push_back({kBmpPanel, RemainingPanel(l), "remaining cards"});
    out.push_back({kBmpLcdDigits, LcdDigits(), "LCD digits"});
    for (int suit = 0; suit < 4; ++suit) {
        out.push_back({kBmpSuit[suit], SuitSymbol(suit), "suit"});
    }
    out.push_back({kBmpGameLabel, GameLabel(l), "game label"});
    out.push_back({kBmpGameDigits, GameDigits(), "game digits"});
    out.push_back({kBmpBattleLabel, BattleLabel(l), "battle label"});
    out.push_back({kBmpBattleDigits, BattleDigits(l), "battle digits"});
    out.push_back({kBmpToolbar, Toolbar(), "toolbar"});
    out.push_back({kBmpTrumpCall, TrumpCall(l), "trump call"});
    out.push_back({kBmpBanners, Banners(l), "banners"});
    out.push_back({kBmpSuitCall, SuitCall(l), "suit call"});
    out.push_back({kBmpCursorMark, CursorMark(), "keyboard mark"});
    out.push_back({kBmpSigns, Signs(), "signs"});
    return out;
}

}  // namespace quintrick::art
