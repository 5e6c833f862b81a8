// The card-back dialog: fitting the previews, the user's own picture (chosen, dropped, broken),
// storing the settings, and what remains of "CardBackOne.jpg" afterwards.
#include "shell/extras/back_set.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "engine/settings_table.h"
#include "engine/strings.h"
#include "images/image_files.h"
#include "memory_profile.h"
#include "recording_box.h"
#include "table/card_backs.h"
#include "table/table.h"

namespace quintrick {
namespace {

TEST(FitCardRect, FitsTheCardIntoItsFrame) {
    struct Case {
        QRect frame, card;
    };
    const Case cases[] = {
        {{0, 0, 160, 200}, {10, 0, 140, 200}},   // too low: scaled to the height
        {{0, 0, 200, 240}, {24, 12, 151, 215}},  // larger both ways: the card as it is
        {{0, 0, 151, 215}, {0, 0, 151, 215}},    // exactly the card
        {{5, 7, 302, 100}, {121, 7, 70, 100}},   // wide and low
        {{0, 0, 100, 400}, {0, 129, 100, 142}},  // narrow and high: scaled to the width
        {{0, 0, 152, 215}, {0, 0, 151, 215}},    // one way larger only: scaled
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitCardRect(c.frame), c.card) << c.frame.width() << "x" << c.frame.height();
}

TEST(FileDialogFilter, KeepsTheDescriptionsWithTheirPatterns) {
    EXPECT_EQ(FileDialogFilter("画像(jpeg) |*.jpg;*.jpeg|GIFファイル(*.gif)|*.gif||"),
              "画像(jpeg) (*.jpg *.jpeg);;GIFファイル(*.gif) (*.gif)");
}

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y);
}
bool Near(QRgb c, QRgb want) {
    return std::abs(qRed(c) - qRed(want)) < 40 && std::abs(qGreen(c) - qGreen(want)) < 40 &&
           std::abs(qBlue(c) - qBlue(want)) < 40;
}

class BackSet : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(table.BuildSurfaces());
        ASSERT_TRUE(table.LoadCardSheet());
        dir = GetTempDir({}, box);
        ASSERT_FALSE(dir.isEmpty());
        stored = QDir(dir).filePath("CardBackOne.jpg");
        QFile::remove(stored);
        // A 300 x 300 picture: red on the left, blue on the right.
        QImage picture(300, 300, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QPainter(&picture).fillRect(150, 0, 150, 300, Qt::blue);
        picturePath = QDir(dir).filePath("chosen.png");
        ASSERT_TRUE(picture.save(picturePath));
    }
    QPushButton* Button(CBackSet& d, const char* id) { return d.findChild<QPushButton*>(id); }
    QRadioButton* Radio(CBackSet& d, int id) {
        return d.findChild<QRadioButton*>(QString::number(id));
    }
    void StoreFile() {
        QImage back(151, 215, QImage::Format_RGB32);
        back.fill(Qt::green);
        ASSERT_TRUE(back.save(stored, "JPEG"));
    }

    GameState gs;
    SettingCopies settings;
    MemoryProfile profile;
    test::RecordingBox box;
    CTable table{gs, settings, profile, box};
    int sounds = 0, prepared = 0, redrawn = 0;
    bool prepareFails = false;
    BackSetHost host{table.m_s,
                     profile,
                     box,
                     [this] { ++sounds; },
                     [this](bool rebuild) {
                         ++prepared;
                         return !prepareFails && rebuild && table.PrepareCardBacks(true);
                     },
                     [this] { ++redrawn; }};
    QString dir, stored, picturePath;
};

TEST_F(BackSet, AChosenPictureIsStoredSqueezedAndTheTableShowsIt) {
    {
        CBackSet dialog(host);
        dialog.show();
        EXPECT_TRUE(Radio(dialog, 1000)->isChecked());
        EXPECT_FALSE(dialog.PictureSet());
        dialog.m_chooseFile = [this] { return picturePath; };
        QTest::mouseClick(Button(dialog, "1017"), Qt::LeftButton);
        EXPECT_TRUE(dialog.PictureSet());
        EXPECT_TRUE(Radio(dialog, 1002)->isChecked());
        QTest::mouseClick(Button(dialog, "1"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        FinishBackSettings(host, true, dialog.Changed());
    }
    EXPECT_TRUE(box.Ids().empty());
    EXPECT_EQ(Read(profile, entries::kBackSet), 2);
    const QImage file(stored);
    ASSERT_EQ(file.size(), QSize(151, 215));
    EXPECT_TRUE(Near(Pixel(file, 20, 100), qRgb(255, 0, 0)));
    EXPECT_TRUE(Near(Pixel(file, 130, 100), qRgb(0, 0, 255)));
    // The card backs were rebuilt from it: the sideways back's (214 - y, x) is the upright (x, y).
    EXPECT_EQ(prepared, 1);
    EXPECT_EQ(redrawn, 1);
    EXPECT_TRUE(Near(Pixel(table.m_s.m_backSideways, 214 - 100, 20), qRgb(255, 0, 0)));
    EXPECT_TRUE(Near(Pixel(table.m_s.m_backSideways, 214 - 100, 130), qRgb(0, 0, 255)));

    // Opened again, the black frame shows the stored picture.
    table.m_s.m_cardBack = QImage();
    CBackSet again(host);
    again.show();
    EXPECT_TRUE(again.PictureSet());
    EXPECT_TRUE(Radio(again, 1002)->isChecked());
    const QImage shot = again.grab().toImage();
    const QRect card = again.CardRects()[2];
    EXPECT_TRUE(
        Near(shot.pixel(card.left() + card.width() / 8, card.center().y()), qRgb(255, 0, 0)));
    EXPECT_TRUE(
        Near(shot.pixel(card.right() - card.width() / 8, card.center().y()), qRgb(0, 0, 255)));
}

TEST_F(BackSet, StoredPictureSurvivesOnlyWhileItIsTheChosenBack) {
    struct Case {
        const char* what;
        int backSet;
        int pick;     // radio to select, -1 none
        bool choose;  // choose a new picture
        bool ok;      // OK or Cancel
        bool kept;
        int backSetAfter;
    };
    const Case cases[] = {
        {"cancel while it is the back", 2, -1, false, false, true, 2},
        {"cancel with a built-in back", 0, -1, false, false, false, 0},
        {"a built-in back chosen", 2, 1001, false, true, false, 1},
        {"a new picture cancelled", 2, -1, true, false, true, 2},
        {"the same back again", 2, -1, false, true, true, 2},
    };
    for (const Case& c : cases) {
        Write(profile, entries::kBackSet, c.backSet);
        StoreFile();
        const QByteArray before = [&] {
            QFile f(stored);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        bool changed = false;
        {
            CBackSet dialog(host);
            dialog.show();
            if (c.pick >= 0) QTest::mouseClick(Radio(dialog, c.pick), Qt::LeftButton);
            if (c.choose) {
                ASSERT_TRUE(dialog.OpenFreeImage(picturePath));
            }
            QTest::mouseClick(Button(dialog, c.ok ? "1" : "2"), Qt::LeftButton);
            changed = dialog.Changed();
        }
        FinishBackSettings(host, c.ok, changed);
        EXPECT_EQ(QFile::exists(stored), c.kept) << c.what;
        EXPECT_EQ(Read(profile, entries::kBackSet), c.backSetAfter) << c.what;
        if (c.kept) {
            QFile f(stored);
            f.open(QIODevice::ReadOnly);
            EXPECT_EQ(f.readAll(), before) << c.what;
        }
    }
    EXPECT_TRUE(box.Ids().empty());
    EXPECT_EQ(redrawn, 1);  // only the change of back rebuilt the table
}

TEST_F(BackSet, BrokenHostileOrForeignFilesChangeNothing) {
    const auto write = [&](const char* name, const QByteArray& bytes) {
        const QString path = QDir(dir).filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    };
    // A bitmap header that claims 50000 x 50000 pixels.
    QByteArray bomb("BM");
    const auto le32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i) bomb.append(char((v >> (8 * i)) & 0xff));
    };
    le32(70);
    le32(0);
    le32(54);
    le32(40);
    le32(50000);
    le32(50000);
    bomb.append("\x01\x00\x18\x00", 4);
    le32(0);
    le32(0);
    le32(0);
    le32(0);
    le32(0);
    le32(0);
    bomb.append(QByteArray(16, '\x7f'));
    struct Case {
        QString path;
        int message;  // 0: none
    };
    const Case cases[] = {
        {write("broken.png", "\x89PNG\r\n\x1a\n not a picture at all"), kMsgTransferFailed},
        {write("cut.jpg", QByteArray("\xff\xd8\xff\xe0", 4) + QByteArray(40, 'x')),
         kMsgTransferFailed},
        {write("bomb.bmp", bomb), kMsgTransferFailed},
        {write("notes.txt", "a text"), kMsgUnsupportedFileType},
        {QDir(dir).filePath("missing.png"), 0},
    };
    Write(profile, entries::kBackSet, 1);
    CBackSet dialog(host);
    dialog.show();
    table.m_s.m_cardBack = QImage(151, 215, QImage::Format_RGB32);
    table.m_s.m_cardBack.fill(Qt::green);
    const QImage before = table.m_s.m_cardBack;
    for (const Case& c : cases) {
        box.Clear();
        EXPECT_FALSE(dialog.OpenFreeImage(c.path)) << c.path.toStdString();
        EXPECT_EQ(box.Ids(), c.message ? std::vector<int>{c.message} : std::vector<int>{});
        EXPECT_EQ(table.m_s.m_cardBack, before);
        EXPECT_FALSE(dialog.PictureSet());
        EXPECT_FALSE(dialog.Changed());
        EXPECT_TRUE(Radio(dialog, 1001)->isChecked());
    }
}

TEST_F(BackSet, OkWithoutAPictureOfTheUsersOwnStaysOpen) {
    CBackSet dialog(host);
    dialog.show();
    QTest::mouseClick(Radio(dialog, 1002), Qt::LeftButton);
    EXPECT_EQ(sounds, 1);
    QTest::mouseClick(Button(dialog, "1"), Qt::LeftButton);
    EXPECT_EQ(box.Ids(), std::vector<int>{kMsgNoFreeImage});
    EXPECT_EQ(box.Styles(), std::vector<int>{kStyleError});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Read(profile, entries::kBackSet), 0);
}

// The drop as the window system hands it over (outside a real drag session).
struct DroppableBackSet : CBackSet {
    using CBackSet::CBackSet;
    using CBackSet::dropEvent;
};

TEST_F(BackSet, FramesClicksDropsAndTheFrameLine) {
    DroppableBackSet dialog(host);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const auto& cards = dialog.CardRects();
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, cards[1].center());
    EXPECT_EQ(dialog.Selection(), 1);
    EXPECT_EQ(sounds, 1);
    // A file dropped outside the black frame is not taken; inside it is.
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(picturePath)});
    QDropEvent outside(QPointF(cards[0].center()), Qt::CopyAction, &mime, Qt::LeftButton, {});
    dialog.dropEvent(&outside);
    EXPECT_FALSE(dialog.PictureSet());
    QDropEvent inside(QPointF(cards[2].center()), Qt::CopyAction, &mime, Qt::LeftButton, {});
    dialog.dropEvent(&inside);
    EXPECT_TRUE(dialog.PictureSet());
    EXPECT_EQ(dialog.Selection(), 2);
    // The frame line follows the check box at once.
    const QRect card = cards[0];
    EXPECT_EQ(dialog.grab().toImage().pixel(card.topLeft()), kFrameColour);
    dialog.findChild<QCheckBox*>("1012")->click();
    EXPECT_NE(dialog.grab().toImage().pixel(card.topLeft()), kFrameColour);
    // A double click on the first frame chooses it and stores.
    QTest::mouseDClick(&dialog, Qt::LeftButton, {}, cards[0].center());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Read(profile, entries::kBackSet), 0);
    EXPECT_EQ(Read(profile, entries::kCardWaku), 0);
    EXPECT_TRUE(dialog.Changed());
    EXPECT_FALSE(QFile::exists(stored));  // the dropped picture was not the chosen back
}

TEST_F(BackSet, FailedRebuildIsReported) {
    prepareFails = true;
    FinishBackSettings(host, true, true);
    EXPECT_EQ(box.Ids(), std::vector<int>{kMsgCardBackFailed});
    EXPECT_EQ(redrawn, 0);
    box.Clear();
    FinishBackSettings(host, false, true);  // cancelled: nothing rebuilt
    FinishBackSettings(host, true, false);  // nothing changed
    EXPECT_EQ(prepared, 1);
    EXPECT_TRUE(box.Ids().empty());
}

}  // namespace
}  // namespace quintrick
