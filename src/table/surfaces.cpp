#include "surfaces.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QResource>
#include <QSysInfo>
#include <QtEndian>
#include <cstring>
#include <initializer_list>
#include <tuple>

#include "engine/strings.h"
#include "images/image_files.h"
#include "layout.h"
#include "resource_images.h"
#include "resource_paths.h"

namespace quintrick {

QImage KeyToAlpha(const QImage& src, QRgb key) {
    return KeyToAlpha(QImage(src), key);
}

QImage KeyToAlpha(QImage&& src, QRgb key) {
    if (src.isNull()) return {};
    // Converted in place when `src` is the only holder of its pixels.
    QImage out = std::move(src).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb opaqueKey = key | 0xff000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((row[x] | 0xff000000u) == opaqueKey) row[x] = 0;
        }
    }
    return out;
}

bool MakeSurface(QImage& surface, int w, int h) {
    surface = QImage();
    if (w <= 0 || h <= 0) return false;
    QImage made(w, h, QImage::Format_RGB32);
    if (made.isNull()) return false;
    made.fill(Qt::black);
    surface = std::move(made);
    return true;
}

QImage ReadRawBitmap(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid()) return {};
    const QByteArray data = resource.uncompressedData();
    constexpr qsizetype kHeader = 12;
    if (data.size() < kHeader || !data.startsWith("QRW1")) return {};
    const auto width = qFromLittleEndian<quint32>(data.constData() + 4);
    const auto height = qFromLittleEndian<quint32>(data.constData() + 8);
    if (width == 0 || height == 0 || width > 4096 || height > 4096 ||
        data.size() != kHeader + qsizetype(width) * height * 4) {
        return {};
    }
    // Stored without compression, the pixels lie in the program's file as they are in memory:
    // the picture is made over them, and copied only if it is ever drawn on.
    const uchar* pixels = resource.data() + kHeader;
    if (resource.compressionAlgorithm() == QResource::NoCompression &&
        QSysInfo::ByteOrder == QSysInfo::LittleEndian &&
        reinterpret_cast<quintptr>(pixels) % alignof(QRgb) == 0) {
        return QImage(pixels, int(width), int(height), 4 * int(width), QImage::Format_RGB32);
    }
    QImage picture(int(width), int(height), QImage::Format_RGB32);
    if (picture.isNull()) return {};
    const char* row = data.constData() + kHeader;
    for (int y = 0; y < picture.height(); ++y, row += 4 * width) {
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (quint32 x = 0; x < width; ++x) out[x] = qFromLittleEndian<quint32>(row + 4 * x);
    }
    return picture;
}

bool LoadBitmapResource(QImage& into, int id, AssetLanguage language) {
    // The images with words come in the language given. Those of the first
    // painted table are stored as raw pixels too, which takes no decoding.
    into = ReadRawBitmap(RawImagePath(id, language));
    if (!into.isNull()) return true;
    const QImage img = ReadPngResource(ImagePath(id, language));
    if (img.isNull()) return false;
    into = img.convertToFormat(QImage::Format_RGB32);
    return !into.isNull();
}

void ReleaseSurfaces(CSurfaces& s) {
    QImage* all[] = {
        &s.m_backBuffer,     &s.m_tableSurface,    &s.m_cardSheet,     &s.m_rotateScratch,
        &s.m_handStrip,      &s.m_backSideways,    &s.m_imgRedeal,     &s.m_imgKan,
        &s.m_imgKoi,         &s.m_imgIku,          &s.m_imgTurnMark,   &s.m_imgPlates,
        &s.m_imgPanel,       &s.m_imgLcdDigits,    &s.m_imgGameLabel,  &s.m_imgGameDigits,
        &s.m_imgBattleLabel, &s.m_imgBattleDigits, &s.m_imgToolbar,    &s.m_imgTrumpCall,
        &s.m_imgBanners,     &s.m_imgSuitCall,     &s.m_imgCursorMark, &s.m_imgSigns};
    for (QImage* img : all) *img = QImage();
    for (QImage& img : s.m_imgSuit) img = QImage();
    s.m_keyed = {};
    s.m_handFans.Clear();
}

namespace {

// The card sheet: thirteen cards a row, four rows.
constexpr int kSheetWidth = 13 * kCardWidth;
constexpr int kSheetHeight = 4 * kCardHeight;

struct Resource {
    QImage* img;
    int id;
};

// The transparent copies of the keyed images (not of the hand strip).
void MakeImageKeyedCopies(CSurfaces& s) {
    auto& k = s.m_keyed;
    k.turnMark = KeyToAlpha(s.m_imgTurnMark, kKeyPlate);
    k.plates = KeyToAlpha(s.m_imgPlates, kKeyWhite);
    k.lcdDigits = KeyToAlpha(s.m_imgLcdDigits, kKeyLcd);
    k.cursorMark = KeyToAlpha(s.m_imgCursorMark, kKeyWhite);
    k.signs = KeyToAlpha(s.m_imgSigns, kKeyRed);
    for (int i = 0; i < 4; ++i) k.suit[i] = KeyToAlpha(s.m_imgSuit[i], kKeySuit);
}

bool MakeSurfaces(std::initializer_list<std::tuple<QImage*, int, int>> surfaces) {
    for (const auto& [img, w, h] : surfaces) {
        if (!MakeSurface(*img, w, h)) return false;
    }
    return true;
}

bool LoadResources(AssetLanguage language, std::initializer_list<Resource> resources) {
    for (const Resource& r : resources) {
        if (!LoadBitmapResource(*r.img, r.id, language)) return false;
    }
    return true;
}

}  // namespace

bool BuildFirstSurfaces(CSurfaces& s, IMessageBox& messages) {
    ReleaseSurfaces(s);
    // The empty table: the gradient, the indicators, the toolbar, the remaining-cards panel, the
    // name plates, the turn mark, the banner; and the marks and signs the paint draws on it.
    const bool ok = MakeSurfaces({{&s.m_backBuffer, kBaseWidth, kBaseHeight},
                                  {&s.m_tableSurface, kSurfaceWidth, kSurfaceHeight}}) &&
                    LoadResources(s.m_language, {{&s.m_imgTurnMark, 152},
                                                 {&s.m_imgPlates, 154},
                                                 {&s.m_imgPanel, 130},
                                                 {&s.m_imgLcdDigits, 169},
                                                 {&s.m_imgSuit[0], 146},
                                                 {&s.m_imgSuit[1], 147},
                                                 {&s.m_imgSuit[2], 148},
                                                 {&s.m_imgSuit[3], 149},
                                                 {&s.m_imgGameLabel, 134},
                                                 {&s.m_imgGameDigits, 170},
                                                 {&s.m_imgBattleLabel, 171},
                                                 {&s.m_imgBattleDigits, 172},
                                                 {&s.m_imgToolbar, 165},
                                                 {&s.m_imgBanners, 137},
                                                 {&s.m_imgCursorMark, 136},
                                                 {&s.m_imgSigns, 175}});
    if (!ok) {
        messages.ShowMessage(kMsgMemory, {}, kStyleError);
        return false;
    }
    MakeImageKeyedCopies(s);
    return true;
}

bool BuildRemainingSurfaces(CSurfaces& s, IMessageBox& messages) {
    // The cards' scratch surfaces and the call plates.
    const bool ok = MakeSurfaces({{&s.m_rotateScratch, kCardHeight, kCardWidth},
                                  {&s.m_backSideways, kCardHeight, kCardWidth}}) &&
                    LoadResources(s.m_language, {{&s.m_imgRedeal, 155},
                                                 {&s.m_imgKan, 153},
                                                 {&s.m_imgKoi, 167},
                                                 {&s.m_imgIku, 168},
                                                 {&s.m_imgTrumpCall, 173},
                                                 {&s.m_imgSuitCall, 174}});
    if (!ok) {
        messages.ShowMessage(kMsgMemory, {}, kStyleError);
        return false;
    }
    return true;
}

bool MakeBlankHandStrip(CSurfaces& s, IMessageBox& messages) {
    if (!MakeSurface(s.m_handStrip, kStripWidth, kStripHeight)) {
        messages.ShowMessage(kMsgMemory, {}, kStyleError);
        return false;
    }
    s.m_handStrip.fill(kKeyStrip);
    s.m_handFans.Clear();
    return true;
}

void MakeKeyedCopies(CSurfaces& s) {
    MakeImageKeyedCopies(s);
    s.m_handFans.UseStrip(s.m_handStrip);
}

bool BuildSurfaces(CSurfaces& s, IMessageBox& messages) {
    return BuildFirstSurfaces(s, messages) && BuildRemainingSurfaces(s, messages) &&
           MakeBlankHandStrip(s, messages);
}

QByteArray ReadCardData(const QString& folder) {
    const QString dir = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
    QFile file(QDir(dir).filePath(QString::fromLatin1(kCardDataFile)));
    // Read with the pictures' size limit: a huge file is refused before it is read.
    const qint64 size = file.open(QIODevice::ReadOnly) ? file.size() : 0;
    QByteArray data = size >= 4 && size <= kMaxPictureFileBytes ? file.read(size) : QByteArray();
    // A file cut short decodes without complaint, the missing part grey: only a whole picture
    // (it ends with the end-of-image marker) of at least the sheet's size is taken.
    if (data.size() != size || !data.endsWith(QByteArrayView("\xff\xd9", 2))) return {};
    // The stored bytes at the start are not relied on: put the start-of-image and APP0 markers
    // back before decoding.
    static constexpr char kHeader[4] = {'\xff', '\xd8', '\xff', '\xe0'};
    std::memcpy(data.data(), kHeader, 4);
    // The picture's size from its header, without decoding it.
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    const QSize picture = reader.size();
    if (picture.width() < kSheetWidth || picture.height() < kSheetHeight) return {};
    return data;
}

bool DecodeCardSheet(CSurfaces& s, const QByteArray& data) {
    s.m_cardSheet = QImage();
    if (data.isEmpty()) return false;
    // Only the JPEG reader is asked: with detection on, Qt would load every image plugin first.
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    QImage sheet;
    if (!reader.read(&sheet) || sheet.width() < kSheetWidth || sheet.height() < kSheetHeight) {
        return false;
    }
    s.m_cardSheet = sheet.convertToFormat(QImage::Format_RGB32);
    return !s.m_cardSheet.isNull();
}

bool LoadCardSheet(CSurfaces& s, const QString& folder) {
    return DecodeCardSheet(s, ReadCardData(folder));
}

void RotateCard(CSurfaces& s, CardId id) {
    QImage& dst = s.m_rotateScratch;
    if (dst.width() != kCardHeight || dst.height() != kCardWidth) {
        if (!MakeSurface(dst, kCardHeight, kCardWidth)) return;
    }
    const Point cell = CardCell(id);
    const QImage& src = s.m_cardSheet;
    const bool inside =
        id >= 0 && cell.x + kCardWidth <= src.width() && cell.y + kCardHeight <= src.height();
    if (!inside) {
        dst.fill(Qt::black);
        return;
    }
    // Source (x0 + col, y0 + row) becomes (214 - row, col): the card's top edge ends up right.
    for (int col = 0; col < kCardWidth; ++col) {
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(col));
        for (int row = 0; row < kCardHeight; ++row) {
            const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(cell.y + row));
            out[kCardHeight - 1 - row] = in[cell.x + col];
        }
    }
}

}  // namespace quintrick
