// The flat table top (felt, field, discard pile, captured pictures, field and show cards), its
// perspective projection into the back buffer and the table's front edge.
#include <algorithm>

#include "blit.h"
#include "layout.h"
#include "table.h"

namespace quintrick {

namespace {
bool IsDrawableCard(CardId c) {
    return c >= 0 && c <= 51;
}
}  // namespace

void CTable::DrawTableSurface(QPainter& p) {
    FillOutlined(p, kFeltRect, QColor(24, 131, 56), Qt::black, 1);
    FillOutlined(p, kFieldRect, QColor(0, 160, 0), QColor(0, 100, 0), 2);
    const int n = m_gs.m_discardCount;
    if (n > 0) {
        const Point top = DiscardTopPos(Perspective(m_kakudo).ti, n);
        Copy(p, top.x, top.y, m_s.m_backSideways);
        m_discardTopRow = top.y + kCardWidth;
        m_discardBottomRow = top.y + kCardWidth + n;
    }
}

void CTable::DrawCapturedPictures(QPainter& p) {
    std::array<int, kSeats> count{};
    for (int seat : m_gs.m_pictureTaker) {
        if (seat >= 0 && seat < kSeats) ++count[seat];
    }
    std::array<int, kSeats> spacing{};
    for (int seat = 0; seat < kSeats; ++seat) spacing[seat] = CapturedSpacing(count[seat]);
    std::array<int, kSeats> j{};
    // In picture order, lowest first; later cards cover earlier ones.
    for (int k = 0; k < kPictureCards; ++k) {
        const int seat = m_gs.m_pictureTaker[k];
        if (seat < 0 || seat >= kSeats) continue;
        const int step = ++j[seat] * spacing[seat];
        const Point at = kCapturedPos[seat];
        if (IsSideSeat(seat)) {
            Copy(p, at.x, at.y + step, m_s.m_pictureStrip,
                 Rect::At(0, kCardWidth * k, kCardHeight, kCardWidth));
        } else {
            DrawCard(p, PictureCard(k), at.x + step, at.y);
        }
    }
}

void CTable::DrawFieldCards(QPainter& p) {
    const auto& cards = m_gs.m_showLastTrick == 1 ? m_gs.m_lastTrick : m_gs.m_field;
    for (int seat = 0; seat < kSeats; ++seat) {
        const CardId card = cards[seat];
        if (!IsDrawableCard(card)) continue;
        const Point at = kFieldCardPos[seat];
        if (IsSideSeat(seat)) {
            RotateCard(m_s, card);
            Copy(p, at.x, at.y, m_s.m_rotateScratch);
        } else {
            DrawCard(p, card, at.x, at.y);
        }
    }
}

void CTable::DrawShowCards(QPainter& p) {
    const int count = std::clamp(m_gs.m_showCount, 0, 2);
    for (int k = 0; k < count; ++k) {
        const Point at = ShowCardPos(k);
        DrawCard(p, m_gs.m_showCard[k], at.x, at.y);
    }
}

void CTable::ProjectTable(QPainter& p) {
    const Perspective persp(m_kakudo);
    const ProjectionResult r = LayoutProjection(persp, m_discardTopRow, m_discardBottomRow);
    if (!m_s.m_tableSurface.isNull()) {
        // Halftone stretching: smooth scaling of each band.
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        for (const ProjectionBand& b : r.bands) {
            p.drawImage(QRectF(b.left, b.top, b.width, 5), m_s.m_tableSurface,
                        QRectF(0, b.sourceY, kSurfaceWidth, 5));
        }
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    m_discardSide = r.discardSide;
}

void CTable::DrawTableEdge(QPainter& p) {
    FillOutlined(p, TableEdgeRect(Perspective(m_kakudo).ti), QColor(0, 72, 0), Qt::black, 1);
    const int n = m_gs.m_discardCount;
    if (n <= 0) return;
    const QColor line(96, 96, 96);
    const Rect& side = m_discardSide;
    FillOutlined(p, side, QColor(164, 164, 164), line, 1);
    if (n > 10 && !side.IsEmpty()) {
        const int k = n / 10;
        const int step = (side.bottom - side.top) / (k + 1);
        for (int i = 1; i <= k; ++i)
            p.fillRect(side.left, side.top + i * step, side.Width(), 1, line);
    }
}

}  // namespace quintrick
