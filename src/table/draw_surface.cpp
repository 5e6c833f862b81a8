// The flat table top (felt, field, discard pile, captured pictures, field and show cards), its
// perspective projection into the back buffer and the table's front edge.
#include <algorithm>
#include <cstring>

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
    const PixelScale s = Px();
    FillOutlined(p, kFeltRect, QColor(24, 131, 56), Qt::black, 1, s);
    FillOutlined(p, kFieldRect, QColor(0, 160, 0), QColor(0, 100, 0), 2, s);
    const int n = m_gs.m_discardCount;
    if (n > 0) {
        const Point top = DiscardTopPos(Perspective(m_kakudo).ti, n);
        Copy(p, top.x, top.y, Art(m_s.m_backSideways), s);
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
            // Turned as drawn, and only where the surface is drawn again.
            const QRect target =
                ToQRect(Px()(Rect::At(at.x, at.y + step, kCardHeight, kCardWidth)));
            if (p.hasClipping() && !p.clipBoundingRect().intersects(target)) continue;
            DrawTurnedCard(p, PictureCard(k), at.x, at.y + step);
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
            DrawTurnedCard(p, card, at.x, at.y);
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

CTable::SurfaceInputs CTable::CurrentSurfaceInputs() const {
    SurfaceInputs in;
    in.ti = Perspective(m_kakudo).ti;
    in.discardCount = m_gs.m_discardCount;
    in.pictureTaker = m_gs.m_pictureTaker;
    in.field = m_gs.m_showLastTrick == 1 ? m_gs.m_lastTrick : m_gs.m_field;
    in.showCount = m_gs.m_showCount;
    in.showCard = m_gs.m_showCard;
    // An image's key changes whenever its pixels may have changed.
    in.sheet = m_s.m_cardSheet.cacheKey();
    in.backSideways = m_s.m_backSideways.cacheKey();
    in.surface = m_s.m_tableSurface.cacheKey();
    return in;
}

std::pair<int, int> CTable::ChangedRows(const SurfaceInputs& before, const SurfaceInputs& now) {
    const std::pair<int, int> all{0, kSurfaceHeight};
    if (before.sheet != now.sheet || before.backSideways != now.backSideways ||
        before.surface != now.surface || before.pictureTaker != now.pictureTaker) {
        return all;
    }
    int top = kSurfaceHeight;
    int bottom = 0;
    const auto add = [&](int y, int h) {
        top = std::min(top, y);
        bottom = std::max(bottom, y + h);
    };
    if (before.ti != now.ti || before.discardCount != now.discardCount) {
        // The top card of the pile, and the rows its side takes below it.
        for (const SurfaceInputs* in : {&before, &now}) {
            if (in->discardCount > 0) {
                add(DiscardTopPos(in->ti, in->discardCount).y, kCardWidth + in->discardCount);
            }
        }
    }
    for (int seat = 0; seat < kSeats; ++seat) {
        if (before.field[seat] != now.field[seat]) {
            add(kFieldCardPos[seat].y, IsSideSeat(seat) ? kCardWidth : kCardHeight);
        }
    }
    if (before.showCount != now.showCount || before.showCard != now.showCard) {
        add(ShowCardPos(0).y, kCardHeight);
    }
    if (top >= bottom) return {0, 0};
    return {std::max(top, 0), std::min(bottom, kSurfaceHeight)};
}

void CTable::DrawTurnedCard(QPainter& p, CardId card, int x, int y) {
    if (Px().k != 1) return Copy(p, x, y, m_art.Card(m_s.m_cardSheet, card, true), Px());
    RotateCard(m_s, card);
    Copy(p, x, y, m_s.m_rotateScratch);
}

void CTable::Reproject(const std::vector<ProjectionBand>& bands, int top, int bottom) {
    QImage& img = m_projected.image;
    const PixelScale s = Px();
    if (img.size() != m_s.m_backBuffer.size()) {
        // Left unfilled: only the rows the bands cover are ever written or read, so the pages of
        // the others are never touched and take no memory (about half of it at most angles).
        img = QImage(m_s.m_backBuffer.size(), QImage::Format_RGB32);
        if (img.isNull()) return;
    }
    const bool all = top <= 0 && bottom >= kSurfaceHeight;
    if (all) m_projected.spans.clear();
    QPainter q(&img);
    // Halftone stretching: smooth scaling of each band.
    q.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (size_t k = 0; k < bands.size(); ++k) {
        const ProjectionBand& b = bands[k];
        // A nearer band is at least as wide as a farther one and starts no higher: only the rows
        // above the next band remain of this one.
        int rows = 5;
        if (k + 1 < bands.size()) rows = std::min(rows, bands[k + 1].top - b.top);
        if (rows <= 0) continue;
        // A band is smoothed within its own five source rows; one row more each way is kept
        // for safety.
        if (!all && (b.sourceY + 5 < top - 1 || b.sourceY > bottom)) continue;
        const Rect clip = s(Rect::At(b.left, b.top, b.width, rows));
        q.setClipRect(ToQRect(clip));
        if (s.k == 1) {
            q.drawImage(QRectF(b.left, b.top, b.width, 5), m_s.m_tableSurface,
                        QRectF(0, b.sourceY, kSurfaceWidth, 5));
        } else {
            q.drawImage(QRectF(b.left * s.k, b.top * s.k, b.width * s.k, 5 * s.k),
                        m_s.m_tableSurface,
                        QRectF(0, s(b.sourceY), s(kSurfaceWidth), s(b.sourceY + 5) - s(b.sourceY)));
        }
        const int left = std::max(clip.left, 0);
        const int right = std::min(clip.right, img.width());
        for (int y = std::max(clip.top, 0); all && y < std::min(clip.bottom, img.height()); ++y) {
            if (left < right) m_projected.spans.push_back({y, left, right});
        }
    }
    m_projected.kakudo = m_kakudo;
    m_projected.surface = m_s.m_tableSurface.cacheKey();
}

void CTable::ProjectTable() {
    const Perspective persp(m_kakudo);
    const ProjectionResult r = LayoutProjection(persp, m_discardTopRow, m_discardBottomRow);
    if (!m_s.m_tableSurface.isNull()) {
        if (m_projected.kakudo != m_kakudo || m_projected.image.isNull()) {
            Reproject(r.bands, 0, kSurfaceHeight);
        } else if (m_projected.surface != m_s.m_tableSurface.cacheKey()) {
            // Only the rows drawn since are projected again, unless the surface changed in
            // another way (made anew).
            const bool drawnHere = m_surfaceInputs.surface == m_s.m_tableSurface.cacheKey();
            if (drawnHere) {
                Reproject(r.bands, m_surfaceRows.first, m_surfaceRows.second);
            } else {
                Reproject(r.bands, 0, kSurfaceHeight);
            }
        }
        m_surfaceRows = {kSurfaceHeight, 0};
        // The projected rows straight into the back buffer.
        QImage& buffer = m_s.m_backBuffer;
        const QImage& from = m_projected.image;
        if (buffer.size() == from.size()) {
            uchar* to = buffer.bits();
            const qsizetype stride = buffer.bytesPerLine();
            for (const ProjectedTable::Span& s : m_projected.spans) {
                std::memcpy(to + s.y * stride + 4 * s.left, from.constScanLine(s.y) + 4 * s.left,
                            size_t(s.right - s.left) * 4);
            }
        }
    }
    m_discardSide = r.discardSide;
}

Rect CTable::ShowCardsRect() const {
    const Point first = ShowCardPos(0);
    const Point second = ShowCardPos(1);
    return ProjectRect(Perspective(m_kakudo), first.x, first.y, second.x + kCardWidth,
                       second.y + kCardHeight);
}

void CTable::DrawTableEdge(QPainter& p) {
    const PixelScale s = Px();
    FillOutlined(p, TableEdgeRect(Perspective(m_kakudo).ti), QColor(0, 72, 0), Qt::black, 1, s);
    const int n = m_gs.m_discardCount;
    if (n <= 0) return;
    const QColor line(96, 96, 96);
    const Rect& side = m_discardSide;
    FillOutlined(p, side, QColor(164, 164, 164), line, 1, s);
    if (n > 10 && !side.IsEmpty()) {
        const int k = n / 10;
        const int step = (side.bottom - side.top) / (k + 1);
        for (int i = 1; i <= k; ++i) {
            const int y = side.top + i * step;
            p.fillRect(ToQRect(s(Rect{side.left, y, side.right, y + 1})), line);
        }
    }
}

}  // namespace quintrick
