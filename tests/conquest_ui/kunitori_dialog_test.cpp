// The map dialog: opening, clicks, takings on the enlarged map, scrolling, the stones column, the
// regulars' turn, closing, and the ceremony.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include "conquest/conquest_rules.h"
#include "dialog_fixture.h"
#include "resource_ids.h"
#include "resource_paths.h"

namespace quintrick {
namespace {

using test::At;
using test::DialogFixture;
using test::Rgb;

QPoint LabelPoint(const CKunitori& dialog, int province) {
    const KuniCoord& k = KuniCoords[province];
    return {k.bx + 5 + 2 - dialog.ScrollX(), k.by + 5 + 2 - dialog.ScrollY()};
}

// The legend's stone column on the standard map.
const QRect kStoneColumn(125, 99, 46, 160);

TEST(Kunitori, OpeningWithAnEmptyProfile) {
    DialogFixture f(kKestrel);
    auto dialog = f.Open();
    ASSERT_TRUE(dialog->IsReady());
    EXPECT_EQ(dialog->windowTitle().toStdString(),
              "[ ｢紅隼｣ の国盗りモード ] ... 現在の石数: 0  石数不足で、盗れる国がありません！！");
    // 640 x 480 stored by default; the height is raised to the window's minimum of 538.
    EXPECT_EQ(dialog->size(), QSize(640, 538));
    EXPECT_TRUE(dialog->IsStandardMap());
    EXPECT_TRUE(dialog->InConquestMode());
    EXPECT_FALSE(dialog->findChild<QScrollBar*>("1013")->isEnabled());
    // The owners are coloured on both maps: 津軽 is Kestrel's, 尾張 Raven's, 佐渡 nobody's.
    for (const auto& [province, colour] :
         {std::pair{1, Rgb(kKestrel)}, {32, Rgb(kRaven)}, {14, qRgb(255, 255, 255)}}) {
        const KuniCoord& k = KuniCoords[province];
        EXPECT_EQ(At(dialog->StandardMap(), k.sx, k.sy), colour) << province;
        EXPECT_EQ(At(dialog->EnlargedMap(), k.SeedX(), k.SeedY()), colour) << province;
    }
}

// Every province coloured by its owner on both maps, at every seed of every piece.
TEST(Kunitori, OwnersColouredOnBothViews) {
    DialogFixture f(kFalcon);
    for (int p = 0; p < kProvinces; ++p) SetKuniOwner(f.profile, p, (p * 7) % 11);
    SetStones(f.profile, kFalcon, 1234);
    SetStones(f.profile, kRaven, 87);
    auto dialog = f.Open();
    const MapSeeds seeds = LoadMapSeeds();
    for (int p = 0; p < kProvinces; ++p) {
        const int owner = (p * 7) % 11;
        const QRgb colour = owner < 10 ? Rgb(owner) : qRgb(255, 255, 255);
        for (const QPoint& s : seeds.standard[p])
            EXPECT_EQ(At(dialog->StandardMap(), s.x(), s.y()), colour) << p;
        for (const QPoint& s : seeds.enlarged[p])
            EXPECT_EQ(At(dialog->EnlargedMap(), s.x(), s.y()), colour) << p;
    }
    dialog->show();
    QApplication::processEvents();
    dialog->resize(1000, 760);
    const QImage standard = dialog->grab().toImage();
    EXPECT_EQ(At(standard, 10, 10), qRgb(198, 198, 198));  // grey around the centred map
    dialog->OnZoom();
    for (int i = 0; i < 4; ++i)
        dialog->OnScroll(Qt::Horizontal, QAbstractSlider::SliderPageStepAdd);
    for (int i = 0; i < 16; ++i) dialog->OnScroll(Qt::Vertical, QAbstractSlider::SliderPageStepAdd);
    const QImage enlarged = dialog->grab().toImage();
    EXPECT_EQ(At(enlarged, 2 + KuniCoords[10].SeedX() - 200, 2 + KuniCoords[10].SeedY() - 800),
              Rgb((10 * 7) % 11));  // 信濃 where the scrolled view shows it
    if (const QByteArray shots = qgetenv("QUINTRICK_SHOT_DIR"); !shots.isEmpty()) {
        standard.save(QString::fromLocal8Bit(shots) + "/map-standard.png");
        enlarged.save(QString::fromLocal8Bit(shots) + "/map-enlarged.png");
    }
}

TEST(Kunitori, ClicksOnTheStandardMapAndBetweenLabels) {
    DialogFixture f;
    SetStones(f.profile, kKestrel, 500);
    auto dialog = f.Open();
    dialog->show();
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_EQ(f.box.calls, (std::vector<std::pair<int, int>>{{kMsgStandardMapClick, kStyleInfo}}));
    dialog->OnZoom();
    f.box.calls.clear();
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, QPoint(300, 200));  // open sea
    EXPECT_TRUE(f.box.calls.empty());
    EXPECT_EQ(GetStones(f.profile, kKestrel), 500);
}

TEST(Kunitori, TakingOnTheEnlargedMapUpdatesBothMapsAndTheProfile) {
    DialogFixture f;
    SetStones(f.profile, kKestrel, 40);
    auto dialog = f.Open();
    dialog->resize(kScrollWidth, kScrollHeight);  // the whole map without scrolling
    dialog->show();
    dialog->OnZoom();
    ASSERT_FALSE(dialog->IsStandardMap());
    const QImage columnBefore = dialog->StandardMap().copy(kStoneColumn);
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, LabelPoint(*dialog, 6));  // 秋田
    EXPECT_EQ(GetKuniOwner(f.profile, 6), kKestrel);
    EXPECT_EQ(GetStones(f.profile, kKestrel), 10);
    // The stone column shows the stones left at once, as a new opening would.
    EXPECT_NE(dialog->StandardMap().copy(kStoneColumn), columnBefore);
    EXPECT_EQ(dialog->StandardMap().copy(kStoneColumn), f.Open()->StandardMap().copy(kStoneColumn));
    const KuniCoord& k = KuniCoords[6];
    EXPECT_EQ(At(dialog->EnlargedMap(), k.SeedX(), k.SeedY()), Rgb(kKestrel));
    EXPECT_EQ(At(dialog->StandardMap(), k.sx, k.sy), Rgb(kKestrel));
    EXPECT_EQ(At(dialog->EnlargedMap(), k.bx + 1, k.by + 1), qRgb(255, 255, 0));  // label kept
    EXPECT_EQ(f.host.sounds, std::vector<int>{kSoundCard});
    EXPECT_TRUE(
        dialog->windowTitle().endsWith("現在の石数: 10  石数不足で、盗れる国がありません！！"));
    EXPECT_FALSE(dialog->InConquestMode());  // 最上 costs 33
    // Out of conquest mode a click does nothing.
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, LabelPoint(*dialog, 2));
    EXPECT_EQ(GetKuniOwner(f.profile, 2), kNoOwner);
}

// The English map: its own artwork, and a click on the part of a romanised label box that
// reaches beyond the Japanese box takes the province.
TEST(Kunitori, EnglishMapClicksOnTheWiderLabels) {
    for (const AssetLanguage language : {AssetLanguage::Japanese, AssetLanguage::English}) {
        DialogFixture f;
        SetStones(f.profile, kKestrel, 100);
        KunitoriContext context = f.Context();
        context.language = language;
        auto dialog = std::make_unique<CKunitori>(context);
        ASSERT_TRUE(dialog->IsReady());
        dialog->resize(kScrollWidth, kScrollHeight);
        dialog->show();
        dialog->OnZoom();
        const LabelBox nanbu = KuniLabel(2, MapLabels::Romanised);  // 南部, next to 津軽
        ASSERT_GT(nanbu.width, kLabelWidth + 4);
        const QImage expected = QImage(MapImagePath(kMapEnlarged, language));
        const QPoint inside(nanbu.x + nanbu.width - 3, nanbu.y + 5);
        EXPECT_EQ(At(dialog->EnlargedMap(), inside.x(), inside.y()),
                  At(expected.convertToFormat(QImage::Format_RGB32), inside.x(), inside.y()));
        QTest::mouseClick(dialog.get(), Qt::LeftButton, {},
                          inside + QPoint(2, 2) - QPoint(dialog->ScrollX(), dialog->ScrollY()));
        const bool english = language == AssetLanguage::English;
        EXPECT_EQ(At(dialog->EnlargedMap(), inside.x(), inside.y()) == qRgb(255, 255, 0), english);
        EXPECT_EQ(GetKuniOwner(f.profile, 2), english ? kKestrel : kNoOwner);
        EXPECT_EQ(GetStones(f.profile, kKestrel), english ? 32 : 100);
    }
}

TEST(Kunitori, ScrollingStaysOnTheMap) {
    const struct {
        Qt::Orientation orientation;
        int action;
        int times;
        int expected;
    } cases[] = {
        {Qt::Horizontal, QAbstractSlider::SliderPageStepAdd, 3, 150},
        {Qt::Horizontal, QAbstractSlider::SliderPageStepAdd, 40, 691},  // 1491 - 800
        {Qt::Horizontal, QAbstractSlider::SliderSingleStepAdd, 200, 691},
        {Qt::Horizontal, QAbstractSlider::SliderSingleStepSub, 5, 0},
        {Qt::Vertical, QAbstractSlider::SliderPageStepAdd, 40, 1038},  // 1638 - 600
        {Qt::Vertical, QAbstractSlider::SliderSingleStepAdd, 2, 20},
        {Qt::Vertical, QAbstractSlider::SliderToMaximum, 1, 0},  // other codes change nothing
    };
    for (const auto& c : cases) {
        DialogFixture f;
        auto dialog = f.Open();
        dialog->resize(800, 600);
        dialog->show();
        dialog->OnZoom();
        for (int i = 0; i < c.times; ++i) dialog->OnScroll(c.orientation, c.action);
        const int offset = c.orientation == Qt::Horizontal ? dialog->ScrollX() : dialog->ScrollY();
        EXPECT_EQ(offset, c.expected) << c.action << " x" << c.times;
    }
}

TEST(Kunitori, StoneColumnFormats) {
    const struct {
        int stones;
        std::string text;
    } cases[] = {{1234, "1,234"}, {999, "  999"}, {0, "    0"}, {9999, "9,999"}, {10000, ""}};
    for (const auto& c : cases) EXPECT_EQ(StoneCellText(c.stones), c.text) << c.stones;

    // Drawn into the column: a count leaves ink in its row, 10000 or more a blank cell.
    DialogFixture f;
    SetStones(f.profile, 0, 1234);
    SetStones(f.profile, 1, 10000);
    auto dialog = f.Open();
    auto inked = [&](int row) {
        int ink = 0;
        for (int y = 99 + 16 * row; y < 115 + 16 * row; ++y) {
            for (int x = 125; x <= 170; ++x)
                ink += At(dialog->StandardMap(), x, y) != qRgb(255, 255, 255);
        }
        return ink;
    };
    EXPECT_GT(inked(0), 10);
    EXPECT_EQ(inked(1), 0);
    EXPECT_GT(inked(2), 3);  // "0"
}

TEST(Kunitori, RegularsMoveWhenTheEnlargedMapOpens) {
    DialogFixture f;
    SetStones(f.profile, kRaven, 4 + 1);  // from 尾張: 志摩 is not next to it; 美濃 108 is too dear
    SetStones(f.profile, kHeron, 51 + 2);  // from 三河: 遠江 51
    auto dialog = f.Open();
    const QImage columnBefore = dialog->StandardMap().copy(kStoneColumn);
    dialog->OnZoom();
    EXPECT_NE(dialog->StandardMap().copy(kStoneColumn), columnBefore);
    EXPECT_EQ(dialog->StandardMap().copy(kStoneColumn), f.Open()->StandardMap().copy(kStoneColumn));
    EXPECT_EQ(f.host.plainBoxes,
              std::vector<std::string>{
                  "レギュラー ｢蒼鷺｣ の国盗り| ｢遠江｣ を盗ります。\n    (残り : 2)"});
    EXPECT_EQ(At(dialog->StandardMap(), KuniCoords[30].sx, KuniCoords[30].sy), Rgb(kHeron));
    dialog->OnZoom();
    dialog->OnZoom();  // each switch lets them move again; nothing affordable now
    EXPECT_EQ(f.host.plainBoxes.size(), 1u);
}

TEST(Kunitori, ClosingStoresTheWindowState) {
    DialogFixture f;
    QRect outer;
    {
        auto dialog = f.Open();
        dialog->show();
        QApplication::processEvents();
        dialog->resize(700, 560);
        dialog->move(30, 40);
        QApplication::processEvents();
        outer = dialog->frameGeometry();
        dialog->reject();
    }
    EXPECT_EQ(f.profile.ReadInt("Last", "Zoomed", -1), 0);
    EXPECT_EQ(f.profile.ReadInt("Last", "SX", -1), outer.width());
    EXPECT_EQ(f.profile.ReadInt("Last", "SY", -1), outer.height());
    EXPECT_EQ(f.profile.ReadInt("Last", "PX", -1), 30);
    EXPECT_EQ(f.profile.ReadInt("Last", "PY", -1), 40);
    {
        auto dialog = f.Open();
        dialog->show();
        QApplication::processEvents();
        EXPECT_EQ(dialog->frameGeometry().size(), outer.size());  // the same window again
        dialog->showMaximized();
        QApplication::processEvents();
        dialog->reject();
    }
    EXPECT_EQ(f.profile.ReadInt("Last", "Zoomed", -1), 1);
    EXPECT_EQ(f.profile.ReadInt("Last", "SX", -1), outer.width());  // the restored rectangle
    EXPECT_EQ(f.profile.ReadInt("Last", "SY", -1), outer.height());
    auto again = f.Open();
    EXPECT_TRUE(again->windowState() & Qt::WindowMaximized);
}

// Over a framed game window the map opens centred on it, and opening and closing it without
// touching it stores the same outer rectangle every time.
TEST(Kunitori, ReopeningKeepsTheRectangleCentredOverTheGame) {
    QWidget game;
    game.setGeometry(60, 50, 640, 480);  // on the offscreen desktop of 800 x 600
    game.show();
    QApplication::processEvents();
    for (const int zoomed : {0, 1}) {
        DialogFixture f;
        f.profile.WriteInt("Last", "Zoomed", zoomed);
        f.profile.WriteInt("Last", "SX", 560);
        f.profile.WriteInt("Last", "SY", 540);
        std::vector<std::array<int, 4>> stored;
        for (int cycle = 0; cycle < 5; ++cycle) {
            {
                CKunitori dialog(f.Context(), &game);
                dialog.show();
                QApplication::processEvents();
                if (zoomed == 0) {
                    const QPoint off =
                        dialog.frameGeometry().center() - game.frameGeometry().center();
                    EXPECT_LE(off.manhattanLength(), 2) << off.x() << "," << off.y();
                    EXPECT_EQ(dialog.frameGeometry().size(), QSize(560, 540));
                }
                dialog.reject();
            }
            stored.push_back(std::array<int, 4>{
                f.profile.ReadInt("Last", "PX", -1), f.profile.ReadInt("Last", "PY", -1),
                f.profile.ReadInt("Last", "SX", -1), f.profile.ReadInt("Last", "SY", -1)});
            EXPECT_EQ(stored.back(), stored.front()) << "cycle " << cycle << " zoomed " << zoomed;
        }
        EXPECT_EQ(stored.front()[2], 560);
        EXPECT_EQ(stored.front()[3], 540);
    }
}

}  // namespace
}  // namespace quintrick
