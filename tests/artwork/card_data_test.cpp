// The card data file beside the binary: a JPEG sheet of 13 x 4 cells whatever its first bytes.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QSet>

namespace quintrick {
namespace {

constexpr int kW = 151;
constexpr int kH = 215;

QByteArray ReadCardData() {
    QFile file(QCoreApplication::applicationDirPath() + "/QuintrickSys.dll");
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// What the game does before decoding: the JPEG start marker over the first four bytes.
QImage Decode(QByteArray bytes) {
    bytes.replace(0, 4, QByteArray("\xFF\xD8\xFF\xE0", 4));
    return QImage::fromData(bytes, "JPG").convertToFormat(QImage::Format_RGB32);
}

const QImage& Sheet() {
    static const QImage sheet = Decode(ReadCardData());
    return sheet;
}

TEST(CardData, DecodesToTheSheetWhateverItsFirstFourBytes) {
    const QByteArray stored = ReadCardData();
    ASSERT_GT(stored.size(), 1000);
    const QImage reference = Decode(stored);
    ASSERT_EQ(reference.size(), QSize(1963, 860));
    const QByteArray prefixes[] = {stored.left(4), QByteArray("\xFF\xD8\xFF\xE0", 4),
                                   QByteArray(4, '\0'), QByteArray("MZ\x90\x00", 4),
                                   QByteArray("\xFF\xFF\xFF\xFF", 4)};
    for (const QByteArray& prefix : prefixes) {
        QByteArray bytes = stored;
        bytes.replace(0, 4, prefix);
        const QImage image = Decode(bytes);
        EXPECT_EQ(image, reference) << prefix.toHex().constData();
    }
    // Undecoded as it is stored when the first bytes are not the marker.
    if (!stored.startsWith(QByteArray("\xFF\xD8", 2))) {
        EXPECT_TRUE(QImage::fromData(stored, "JPG").isNull());
    }
}

template <typename Pred>
int CountIn(const QImage& image, const QRect& area, Pred pred) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += pred(QColor(image.pixel(x, y)));
    return n;
}

bool Red(const QColor& c) {
    return c.red() > 150 && c.green() < 90 && c.blue() < 100;
}
bool Black(const QColor& c) {
    return c.lightness() < 70;
}
bool White(const QColor& c) {
    return c.red() > 235 && c.green() > 235 && c.blue() > 235;
}

QRect Cell(int id) {
    return QRect(kW * (id % 13), kH * (id / 13), kW, kH);
}

TEST(CardData, FacesSitInTheirSuitRowsWithCornerIndices) {
    const QImage& sheet = Sheet();
    ASSERT_FALSE(sheet.isNull());
    for (int id = 1; id < 52; ++id) {
        if (id == 13 || id == 26) continue;
        SCOPED_TRACE(id);
        const QRect cell = Cell(id);
        const bool red = id / 13 == 1 || id / 13 == 2;
        // A white face with rounded corners.
        EXPECT_TRUE(White(QColor(sheet.pixel(cell.left() + 75, cell.top() + 4))));
        EXPECT_FALSE(White(QColor(sheet.pixel(cell.topLeft()))));
        EXPECT_FALSE(White(QColor(sheet.pixel(cell.bottomRight()))));
        // Index top-left and, turned round, bottom-right, in the suit's colour.
        const QRect index(cell.left() + 3, cell.top() + 4, 28, 48);
        const QRect turned(cell.right() - 30, cell.bottom() - 51, 28, 48);
        for (const QRect& area : {index, turned}) {
            const int redInk = CountIn(sheet, area, Red);
            const int blackInk = CountIn(sheet, area, Black);
            if (red) {
                EXPECT_GT(redInk, 80);
                EXPECT_LT(blackInk, 10);
            } else {
                EXPECT_GT(blackInk, 80);
                EXPECT_LT(redInk, 5);
            }
        }
    }
}

TEST(CardData, NumberCardsCarryInkInProportionToTheirPips) {
    const QImage& sheet = Sheet();
    for (int suit = 0; suit < 4; ++suit) {
        for (int slot = suit == 3 ? 0 : 1; slot <= 8; ++slot) {
            const int id = suit * 13 + slot;
            const QRect pips = Cell(id).adjusted(36, 22, -36, -22);
            const auto ink = (suit == 1 || suit == 2) ? Red : Black;
            const double perPip = CountIn(sheet, pips, ink) / double(slot + 2);
            EXPECT_GT(perPip, 180) << id;
            EXPECT_LT(perPip, 560) << id;
        }
    }
}

TEST(CardData, AcesHaveALargeCentralPipAndCourtsAFramedFigure) {
    const QImage& sheet = Sheet();
    for (int suit = 0; suit < 4; ++suit) {
        SCOPED_TRACE(suit);
        const auto ink = (suit == 1 || suit == 2) ? Red : Black;
        const QRect centre = Cell(suit * 13 + 12).adjusted(55, 87, -55, -87);
        EXPECT_GT(CountIn(sheet, centre, ink), centre.width() * centre.height() * 6 / 10);
        for (int slot = 9; slot <= 11; ++slot) {
            // Court figures are in colour: many distinct hues, not just ink on white.
            const QRect figure = Cell(suit * 13 + slot).adjusted(36, 22, -36, -22);
            const int coloured = CountIn(sheet, figure, [](const QColor& c) {
                return c.hsvSaturation() > 120 && c.value() > 60;
            });
            EXPECT_GT(coloured, figure.width() * figure.height() / 6) << slot;
        }
    }
}

TEST(CardData, JokerIsColourfulAndTheBacksArePictures) {
    const QImage& sheet = Sheet();
    const QRect joker = Cell(0).adjusted(30, 14, -30, -14);
    for (int hue : {0, 60, 120, 220}) {  // red, yellow, green, blue
        EXPECT_GT(CountIn(sheet, joker,
                          [hue](const QColor& c) {
                              const int d = std::abs(c.hsvHue() - hue);
                              return c.hsvSaturation() > 120 && std::min(d, 360 - d) < 25;
                          }),
                  80)
            << hue;
    }
    for (int id : {13, 26}) {
        const QRect cell = Cell(id).adjusted(4, 4, -4, -4);
        EXPECT_LT(CountIn(sheet, cell, White), cell.width() * cell.height() / 10) << id;
        QSet<QRgb> colours;
        for (int y = cell.top(); y <= cell.bottom(); y += 2)
            for (int x = cell.left(); x <= cell.right(); x += 2)
                colours.insert(sheet.pixel(x, y) & 0xf0f0f0);
        EXPECT_GT(colours.size(), 150) << id;
    }
    // The two backs are different scenes.
    EXPECT_NE(sheet.copy(Cell(13)), sheet.copy(Cell(26)));
}

}  // namespace
}  // namespace quintrick
