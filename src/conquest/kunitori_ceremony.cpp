// The unification ceremony: the realm in random colours, then in the winner's colour, the
// growing 天下統一 banner, the date stamp, the offer to save the picture and the reset.
#include <QPainter>
#include <QThread>
#include <ctime>

#include "conquest/kuni_table.h"
#include "conquest/kunitori_dialog.h"
#include "engine/lcg.h"
#include "images/image_files.h"
#include "resource_ids.h"
#include "resource_images.h"
#include "text/ui_text.h"

namespace quintrick {
namespace {

constexpr int kBannerWidth = 1287;
constexpr int kBannerHeight = 323;

// The banner with the key colour made transparent.
QImage Keyed(const QImage& banner, QRgb key) {
    QImage out = banner.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((row[x] | 0xff000000u) == (key | 0xff000000u)) row[x] = 0;
        }
    }
    return out;
}

}  // namespace

QString FormatStamp(long long time) {
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) return {};
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, "%Y.%m.%d %H:%M:%S", &local);
    return n == 0 ? QString() : QString::fromLatin1(buffer, static_cast<qsizetype>(n));
}

void CKunitori::UnificationCeremony() {
    const int human = m_context.m_entryNo;
    setWindowState(windowState() | Qt::WindowMaximized);
    if (m_context.m_soundOn == 1) m_context.host.PlaySound(kSoundUnification);

    Lcg random(static_cast<int>(std::time(nullptr)));
    m_clearBackground = false;
    for (int i = 0; i < 500; ++i) {
        const int p = random.Rand() % kProvinces;
        const int red = random.Rand() % 255;
        const int green = random.Rand() % 255;
        const int blue = random.Rand() % 255;
        FillEnlarged(p, qRgb(red, green, blue));
        repaint();
    }
    if (const auto colour = KuniColor(human)) {
        for (int p = 0; p < kProvinces; ++p) {
            FillEnlarged(p, qRgb(colour->red, colour->green, colour->blue));
            repaint();
        }
    }
    m_clearBackground = true;

    QImage banner = ReadPngResource(MapImagePath(kMapBanner, m_context.language))
                        .convertToFormat(QImage::Format_RGB32);
    if (banner.isNull() || banner.size() != QSize(kBannerWidth, kBannerHeight)) return;

    m_clearBackground = false;
    {
        QPainter painter(&m_enlarged);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 1; i <= 30; ++i) {
            const QRect target((kEnlargedWidth - 42 * i) / 2,
                               (kEnlargedHeight - 10 * i) / 2 + 4 * i, 42 * i, 10 * i);
            QImage copy;
            if (i == 30) {
                banner.invertPixels();
                copy = Keyed(banner, qRgb(0, 0, 0));
            } else {
                copy = Keyed(banner, qRgb(255, 255, 255));
            }
            painter.drawImage(target, copy);
            repaint();
        }
    }
    m_clearBackground = true;

    // The date under the banner's right edge.
    {
        QPainter painter(&m_enlarged);
        QFont font;
        MakeFont("ＭＳ Ｐゴシック", true, font, painter, 20, false, false, false);
        painter.setPen(QColor(0, 64, 128));
        painter.setBackgroundMode(Qt::TransparentMode);
        const QString stamp = FormatStamp(std::time(nullptr));
        const QFontMetrics metrics(painter.font());
        const int x = 103 + 1260 - metrics.horizontalAdvance(stamp);
        painter.drawText(QPoint(x, 777 + 300 + 20 + metrics.ascent()), stamp);
    }
    repaint();
    QThread::msleep(1000);

    IMessageBox& box = m_context.box;
    if (box.ShowMessage(kMsgSaveImage, "", kStyleQuestion) == IDYES ||
        box.ShowMessage(kMsgResetWithoutSaving, "", kStyleQuestion) == IDNO) {
        SaveMapImage();
    }

    m_session.ResetAfterUnification();
    SetStatus(UiText(kStatusReset));
    LoadMaps();
    PaintOwners();
    repaint();
}

}  // namespace quintrick
