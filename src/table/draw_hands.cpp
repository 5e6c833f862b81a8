// The five hands: computer hands face down (one fan of the card backs) or face up, the human's
// hand, each with its name plate and current-player mark.
#include <algorithm>

#include "blit.h"
#include "group_sign.h"
#include "layout.h"
#include "table.h"

namespace quintrick {

namespace {
int Count(const GameState& gs, int seat) {
    return std::clamp(gs.m_handCount[seat], 0, kHandSize);
}

bool IsDrawableCard(CardId c) {
    return c >= 0 && c <= 51;
}
}  // namespace

void CTable::DrawCard(QPainter& p, CardId card, int x, int y) {
    if (!IsDrawableCard(card)) return;
    if (Px().k != 1) return Copy(p, x, y, m_art.Card(m_s.m_cardSheet, card), Px());
    const Point cell = CardCell(card);
    Copy(p, x, y, m_s.m_cardSheet, Rect::At(cell.x, cell.y, kCardWidth, kCardHeight));
}

void CTable::DrawSeatMarks(QPainter& p, int seat, const HandLayout& l) {
    const int marked = m_humanAnswers ? kHumanSeat : m_gs.m_turn;
    if (marked == seat) Copy(p, l.mark.x, l.mark.y, Art(m_s.m_keyed.turnMark), Px());
    const int player = std::clamp(m_gs.m_seatPlayer[seat], 0, kSeats - 1);
    const int index = PlateIndex(m_gs.m_playerName[player]);
    const int column = m_gs.m_holder[seat] != kUnrelated ? 0 : 66;
    if (index < 0) return;  // no name yet
    Copy(p, l.plate.x, l.plate.y, Art(m_s.m_keyed.plates, 66, 34),
         Rect::At(column, 34 * index, 66, 34), Px());
    DrawGroupSign(p, QRectF(ToQRect(Px()(Rect::At(l.plate.x, l.plate.y, 66, 34)))), column == 0);
}

const QImage& CTable::Unscaled(int count) {
    const qint64 source = m_s.m_handFans.Key();
    if (m_unscaled.count != count || m_unscaled.source != source) {
        m_unscaled = {};  // the old one goes first: two at once are not needed
        m_unscaled = {count, source, m_s.m_handFans.Fan(count)};
    }
    return m_unscaled.image;
}

void CTable::DrawComputerHand(QPainter& p, int seat) {
    const int n = Count(m_gs, seat);
    const HandLayout l = ComputerHandLayout(seat, n, Perspective(m_kakudo).ti, false);
    DrawSeatMarks(p, seat, l);
    if (n == 0 || l.cardW <= 0 || l.cardH <= 0) return;
    // The fan is scaled once for its size and kept: a redraw only lays it over the table. Scaled
    // alone into a transparent picture it holds exactly the colours and coverage that scaling it
    // onto the table would blend, so the table looks the same either way.
    ScaledFan& fan = m_fans[size_t(seat)];
    const Rect to = Px()(Rect::At(l.hand.x, l.hand.y, l.cardW, l.cardH));
    const ScaledFan::Key key{n, to.Width(), to.Height(), m_s.m_handFans.Key()};
    if (!(fan.key == key)) {
        fan = {};
        // Another seat's fan of the same count and size is the same picture.
        for (const ScaledFan& other : m_fans) {
            if (other.key == key) fan = other;
        }
    }
    if (fan.image.isNull()) {
        fan.key = key;
        fan.image = QImage(to.Width(), to.Height(), QImage::Format_ARGB32_Premultiplied);
        fan.image.fill(Qt::transparent);
        QPainter f(&fan.image);
        f.setCompositionMode(QPainter::CompositionMode_Source);
        StretchSmooth(f, Rect::At(0, 0, to.Width(), to.Height()), Unscaled(n),
                      Rect::At(0, 0, FanWidth(n), kStripHeight));
    }
    p.drawImage(QPoint(to.left, to.top), fan.image);
}

void CTable::DrawOpenHand(QPainter& p, int seat) {
    const int n = Count(m_gs, seat);
    const HandLayout l = ComputerHandLayout(seat, n, Perspective(m_kakudo).ti, true);
    DrawSeatMarks(p, seat, l);
    for (int i = 0; i < n; ++i) {
        const CardId card = m_gs.m_hand[seat][i];
        if (!IsDrawableCard(card)) continue;
        const Point cell = CardCell(card);
        StretchSmooth(p, Px()(Rect::At(l.hand.x + l.step * i, l.hand.y, l.cardW, l.cardH)),
                      m_s.m_cardSheet, Rect::At(cell.x, cell.y, kCardWidth, kCardHeight));
    }
}

void CTable::DrawHumanHand(QPainter& p) {
    const int n = Count(m_gs, kHumanSeat);
    const int ti = Perspective(m_kakudo).ti;
    const HandLayout l = HumanHandLayout(n, ti);
    DrawSeatMarks(p, kHumanSeat, l);
    for (int i = 0; i < n; ++i) {
        DrawCard(p, m_gs.m_hand[kHumanSeat][i], l.hand.x + l.step * i, l.hand.y);
    }
}

}  // namespace quintrick
