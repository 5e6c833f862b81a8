// Saving the map image, and the unification ceremony that offers it.
#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include "conquest/conquest_rules.h"
#include "dialog_fixture.h"
#include "engine/settings_table.h"
#include "resource_ids.h"
#include "resource_paths.h"

namespace quintrick {
namespace {

using test::At;
using test::DialogFixture;
using test::Rgb;

TEST(MapExport, ImageTypeFromTheExtension) {
    const struct {
        const char* path;
        const char* type;
    } cases[] = {{"/tmp/a.PNG", "png"},    {"japan.jpg", "jpeg"}, {"x.Tif", "tiff"},
                 {"m.jpeg", "jpeg"},       {"m.gif", "gif"},      {"/tmp/dir.v2/name", ""},
                 {"/tmp/map.tiff", "tiff"}};
    for (const auto& c : cases) EXPECT_EQ(ExportImageType(c.path).toStdString(), c.type) << c.path;
}

TEST(MapExport, SaveDialogOverwriteAndFolder) {
    const struct {
        const char* name;  // empty: the file dialog is cancelled
        bool exists;
        int overwrite;       // answer to kMsgOverwrite
        int showFolder;      // answer to kMsgSavedShowFolder
        const char* format;  // written format, empty when nothing is written
        bool folderShown;
    } cases[] = {
        {"map.PNG", false, IDYES, IDYES, "png", true},
        {"map.png", true, IDNO, IDYES, "", false},     // kept as it was
        {"map.png", true, IDYES, IDNO, "png", false},  // saved, no browser
        {"japan.jpg", false, IDYES, IDYES, "jpeg", true},
        {"map.bmp", false, IDYES, IDYES, "bmp", true},
        {"", false, IDYES, IDYES, "", false},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        DialogFixture f;
        const QString path = *c.name ? dir.filePath(c.name) : QString();
        if (c.exists) {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        f.host.saveAs = path;
        f.box.answers = {{kMsgOverwrite, c.overwrite}, {kMsgSavedShowFolder, c.showFolder}};
        auto dialog = f.Open();
        dialog->SaveMapImage();
        ASSERT_EQ(f.host.asked.size(), 1u);
        EXPECT_TRUE(
            f.host.asked[0].startsWith("保存するファイルを指定|無題|gif|JPEGファイル(*.jpeg)"));
        QImageReader reader(path);
        EXPECT_EQ(QString(reader.format()).toStdString(), c.format) << c.name;
        if (*c.format) {
            EXPECT_EQ(reader.size(), QSize(1467, 1614)) << c.name;
        }
        if (c.exists && c.overwrite == IDNO) {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::ReadOnly));
            EXPECT_EQ(old.readAll(), "old");
        }
        EXPECT_EQ(f.host.folders.size(), c.folderShown ? 1u : 0u) << c.name;
    }
}

// The exported map is compressed without loss: PNG at its highest compression and TIFF with
// LZW are small, and every pixel is the dialog's.
TEST(MapExport, PngAndTiffAreSmallAndLossless) {
    const struct {
        const char* name;
        qint64 maxBytes;
    } cases[] = {{"map.png", 200 * 1024}, {"map.tiff", 1024 * 1024}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        DialogFixture f;
        const QString path = dir.filePath(c.name);
        f.host.saveAs = path;
        f.box.answers = {{kMsgSavedShowFolder, IDNO}};
        auto dialog = f.Open();
        dialog->SaveMapImage();
        EXPECT_LT(QFileInfo(path).size(), c.maxBytes) << c.name;
        const QImage saved(path);
        ASSERT_EQ(saved.size(), QSize(1467, 1614)) << c.name;
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
                  dialog->EnlargedMap().convertToFormat(QImage::Format_RGB32))
            << c.name;
    }
}

// Kestrel owns everything but 対馬 and takes it: the ceremony colours the realm, shows the
// banner and the date, offers the picture, and resets the conquest.
TEST(Unification, CeremonySavesThePictureAndResets) {
    QTemporaryDir dir;
    DialogFixture f(kKestrel);
    for (int p = 0; p < kProvinces; ++p) SetKuniOwner(f.profile, p, p == 74 ? kNoOwner : kKestrel);
    SetStones(f.profile, kKestrel, 3);
    f.profile.WriteInt("Kunitori", "INIT", 1);
    f.host.saveAs = dir.filePath("tenka.png");
    f.box.answers = {{kMsgSaveImage, IDYES}, {kMsgSavedShowFolder, IDNO}};
    QImage atQuestion;
    auto dialog = f.Open();
    f.box.onQuestion = [&](int id) {
        if (id == kMsgSaveImage) atQuestion = dialog->EnlargedMap();
    };
    dialog->resize(900, 700);
    dialog->show();
    dialog->OnZoom();
    const KuniCoord& k = KuniCoords[74];
    for (int i = 0; i < 200 && k.bx + 7 - dialog->ScrollX() > 880; ++i) {
        dialog->OnScroll(Qt::Horizontal, QAbstractSlider::SliderSingleStepAdd);
    }
    for (int i = 0; i < 200 && k.by + 7 - dialog->ScrollY() > 670; ++i) {
        dialog->OnScroll(Qt::Vertical, QAbstractSlider::SliderPageStepAdd);
    }
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {},
                      QPoint(k.bx + 7 - dialog->ScrollX(), k.by + 7 - dialog->ScrollY()));

    EXPECT_EQ(f.host.sounds, (std::vector<int>{kSoundCard, kSoundUnification}));
    ASSERT_FALSE(atQuestion.isNull());
    // Before the question: the realm in Kestrel's colour and the inverted banner in the middle.
    EXPECT_EQ(At(atQuestion, KuniCoords[0].SeedX(), KuniCoords[0].SeedY()), Rgb(kKestrel));
    EXPECT_EQ(At(atQuestion, KuniCoords[74].SeedX(), KuniCoords[74].SeedY()), Rgb(kKestrel));
    int blue = 0;  // the yellow letters turn blue when inverted
    for (int y = 777; y < 1077; y += 3) {
        for (int x = 103; x < 1363; x += 3) {
            const QColor c(atQuestion.pixel(x, y));
            blue += c.blue() > 180 && c.red() < 60 && c.green() < 90;
        }
    }
    EXPECT_GT(blue, 1000);
    if (const QByteArray shots = qgetenv("QUINTRICK_SHOT_DIR"); !shots.isEmpty()) {
        atQuestion.save(QDir(QString::fromLocal8Bit(shots)).filePath("map-ceremony.png"));
    }
    EXPECT_EQ(QImage(f.host.saveAs).size(), QSize(1467, 1614));
    EXPECT_TRUE(f.host.folders.empty());

    // Afterwards: the state reset, "INIT" 0, the maps showing the home provinces only.
    EXPECT_EQ(f.profile.ReadInt("Kunitori", "INIT", -1), 0);
    EXPECT_FALSE(dialog->InConquestMode());
    EXPECT_TRUE(dialog->windowTitle().endsWith(" ... 初期設定に戻りました。"));
    for (int p = 0; p < kProvinces; ++p) {
        const int home = KuniTable[p].home;
        EXPECT_EQ(GetKuniOwner(f.profile, p), home >= 0 ? home : kNoOwner);
        const QRgb expected = home >= 0 ? Rgb(home) : qRgb(255, 255, 255);
        EXPECT_EQ(At(dialog->StandardMap(), KuniCoords[p].sx, KuniCoords[p].sy), expected) << p;
        EXPECT_EQ(At(dialog->EnlargedMap(), KuniCoords[p].SeedX(), KuniCoords[p].SeedY()), expected)
            << p;
    }
}

// The English map's ceremony shows the English banner: where its letters are, the final
// inverted copy is blue.
TEST(Unification, EnglishCeremonyShowsTheEnglishBanner) {
    DialogFixture f(kKestrel);
    for (int p = 0; p < kProvinces; ++p) SetKuniOwner(f.profile, p, kKestrel);
    f.box.answers = {{kMsgSaveImage, IDNO}, {kMsgResetWithoutSaving, IDYES}};
    KunitoriContext context = f.Context(0);
    context.language = AssetLanguage::English;
    CKunitori dialog(context);
    QImage atQuestion;
    f.box.onQuestion = [&](int id) {
        if (id == kMsgSaveImage) atQuestion = dialog.EnlargedMap();
    };
    dialog.UnificationCeremony();
    ASSERT_FALSE(atQuestion.isNull());
    const QImage banner = QImage(MapImagePath(kMapBanner, AssetLanguage::English))
                              .convertToFormat(QImage::Format_RGB32);
    int letters = 0, blue = 0;
    for (int y = 777; y < 1077; y += 3) {
        for (int x = 103; x < 1363; x += 3) {
            const QColor b(banner.pixel((x - 103) * 1287 / 1260, (y - 777) * 323 / 300));
            if (b.red() < 200 || b.green() < 150 || b.blue() > 120) continue;  // not yellow
            ++letters;
            const QColor c(atQuestion.pixel(x, y));
            blue += c.blue() > 180 && c.red() < 60 && c.green() < 90;
        }
    }
    EXPECT_GT(letters, 1000);
    EXPECT_GE(blue * 10, letters * 8) << blue << "/" << letters;
    if (const QByteArray shots = qgetenv("QUINTRICK_SHOT_DIR"); !shots.isEmpty()) {
        atQuestion.save(QDir(QString::fromLocal8Bit(shots)).filePath("map-ceremony-en.png"));
    }
}

TEST(Unification, DecliningBothQuestionsSavesNothing) {
    DialogFixture f(kEgret);
    for (int p = 0; p < kProvinces; ++p) SetKuniOwner(f.profile, p, p == 73 ? kNoOwner : kEgret);
    SetStones(f.profile, kEgret, 1);
    f.box.answers = {{kMsgSaveImage, IDNO}, {kMsgResetWithoutSaving, IDYES}};
    auto dialog = f.Open(0);
    dialog->UnificationCeremony();
    EXPECT_TRUE(f.host.asked.empty());
    EXPECT_TRUE(f.host.sounds.empty());  // sound effects off
    EXPECT_EQ(f.box.calls,
              (std::vector<std::pair<int, int>>{{kMsgSaveImage, kStyleQuestion},
                                                {kMsgResetWithoutSaving, kStyleQuestion}}));
    EXPECT_EQ(GetKuniOwner(f.profile, 0), kNoOwner);
}

}  // namespace
}  // namespace quintrick
