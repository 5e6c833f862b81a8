// The paint routine: the composed table (copied, or stretched when it was composed at another
// size) to the client area, the status banner, the
// called-suit and right indicators, and margins in the table's background. It never composes.
#include <QLinearGradient>
#include <QRegion>
#include <algorithm>

#include "blit.h"
#include "engine/trick_rules.h"
#include "layout.h"
#include "table.h"

namespace quintrick {

void CTable::DrawBanner(QPainter& p, int row) {
    const Rect dst =
        Rect::At(m_scales.X(kBannerPos.x), m_scales.Y(97), m_scales.X(163), m_scales.Y(26));
    StretchSmooth(p, dst, m_s.m_imgBanners, Rect::At(0, 26 * row, 163, 26));
}

void CTable::DrawInfoIndicators(QPainter& p) {
    const Rect hand = HandRect();
    const int right = hand.right;
    const int top = hand.top;
    const int w = m_scales.X(40);
    const int h = m_scales.Y(37);
    const int y = m_scales.Y(top);
    StretchSmooth(p, Rect::At(m_scales.X(right + 8), y, w, h),
                  m_s.m_keyed.suit[m_gs.m_calledSuit & 3], Rect::At(0, 0, 47, 53));
    const int enemyHasRight = OpponentWinningRank(m_gs);
    StretchSmooth(p, Rect::At(m_scales.X(right + 52), y, w, h), m_s.m_keyed.signs,
                  Rect::At(enemyHasRight != 0 ? 40 : 0, 0, 40, 37));
}

void CTable::Paint(QPainter& p, QSize client, const PaintHooks& hooks) {
    const int w = m_scales.X(kBaseWidth);
    const int h = m_scales.Y(kBaseHeight);
    const QImage& buffer = m_s.m_backBuffer;
    const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
    if (Px().k != 1 && buffer.size() == QSize(qRound(w * dpr), qRound(h * dpr))) {
        // Composed at the size it is shown at: one copy, pixel for pixel. The buffer's pixels are
        // shown through a picture of the screen's pixel ratio, without copying them.
        QImage shown(buffer.constBits(), buffer.width(), buffer.height(), buffer.bytesPerLine(),
                     buffer.format());
        shown.setDevicePixelRatio(dpr);
        p.drawImage(QPoint(0, 0), shown);
    } else {
        // Composed at another size (the base one, or the last one while the window is being
        // resized): stretched.
        StretchSmooth(p, Rect::At(0, 0, w, h), buffer,
                      Rect::At(0, 0, buffer.width(), buffer.height()));
    }

    int banner = -1;
    if (m_gs.m_notReady) {
        banner = 3;
    } else if (m_gs.m_phase == kNoGame) {
        banner = 4;
    } else if (m_gs.m_phase == kShowingCards) {
        banner = 5;
    } else if (m_gs.m_declaration == kSixteen) {
        banner = 1;
    } else if (m_gs.m_declaration == kReverseSixteen) {
        banner = 2;
    }
    if (banner >= 0) DrawBanner(p, banner);

    if (m_gs.m_showScore == 0 && hooks.mark) hooks.mark(p);
    if (m_gs.m_phase == kPlaying && m_gs.m_showScore == 0 && m_gs.m_turn == kHumanSeat &&
        m_gs.m_leader != kHumanSeat && m_set.m_dspInfo == 1) {
        DrawInfoIndicators(p);
    }
    PaintMargins(p, QRect(0, 0, w, h), QRect(QPoint(0, 0), client));
    if (hooks.overlay) hooks.overlay(p);
}

void CTable::PaintMargins(QPainter& p, const QRect& area, const QRect& client) const {
    const QRegion margins = QRegion(client).subtracted(area);
    if (margins.isEmpty()) return;
    QLinearGradient gradient(0, area.top(), 0, std::max(area.top(), area.bottom()));
    gradient.setColorAt(0, QColor::fromRgb(kBackgroundTop));
    gradient.setColorAt(1, QColor::fromRgb(BackgroundBottom()));
    p.save();
    p.setClipRegion(margins, Qt::IntersectClip);
    p.fillRect(client, gradient);
    p.restore();
}

}  // namespace quintrick
