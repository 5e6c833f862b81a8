// The mouse-move handling with its cursor shapes, and the overlays drawn over the composed
// table: the dragged card, the keyboard mark and the discard spread.
#include <algorithm>
#include <cmath>

#include "human_input.h"
#include "table/blit.h"
#include "table/layout.h"

namespace quintrick {

void CHumanInput::Show(Pointer pointer) {
    m_pointer = pointer;
    m_host.SetPointer(pointer);
}

void CHumanInput::OnMouseMove(int x, int y) {
    const int bx = m_table.m_scales.BaseX(x);
    const int by = m_table.m_scales.BaseY(y);

    const int icon = HitIcon(bx, by);
    if (icon >= 0 && icon <= 2) return Show(Pointer::Hand);
    if (icon >= 3) return Show(m_gs.m_phase != kNoGame ? Pointer::Hand : Pointer::Arrow);
    if (m_gs.m_phase == kNoGame || m_gs.m_turn != kHumanSeat) return Show(Pointer::Arrow);

    if (AngleDragging()) {
        if (by >= kEdgeMinY && by <= kEdgeMaxY) {
            m_table.SetKakudo(9.0 + double(by - 480) / double(float(kEdgePxPerDeg)));
            m_table.RedrawTable(false);
            return Show(Pointer::EdgeDrag);
        }
        return Show(Pointer::NoEntry);
    }
    if (m_gs.m_dragging) {
        DrawDraggedCard(bx, by);
        const bool inside = bx >= 1 && bx <= 1199 && by >= 1 && by <= 899;
        return Show(inside ? Pointer::Hand : Pointer::NoEntry);
    }
    if (HitHandCard(bx, by, false) != -1) return Show(Pointer::Hand);
    if (m_table.HitTableEdge(bx, by)) return Show(Pointer::UpDown);
    if (m_table.FieldRect().Contains(bx, by)) return Show(Pointer::Hand);
    Show(Pointer::Arrow);
}

void CHumanInput::DrawDraggedCard(int bx, int by) {
    const Scales& s = m_table.m_scales;
    const int x = std::clamp(bx - m_gs.m_grabOffset.x, 0, kBaseWidth);
    const int y = std::clamp(by - m_gs.m_grabOffset.y, 0, kBaseHeight);
    const Rect old = m_dragScreen;
    m_dragScreen = Rect::At(s.X(x), s.Y(y), s.X(kCardWidth), s.Y(kCardHeight));
    if (!old.IsEmpty()) m_host.RepaintArea(old);
    m_host.RepaintArea(m_dragScreen);
}

void CHumanInput::DrawCursorMark(QPainter& p) const {
    const int count = m_gs.m_handCount[kHumanSeat];
    if (count <= 0 || count > kHandSize) return;
    // The mark stands on the wrapped position; the engine moves m_cursor there when it acts.
    const Rect card = m_table.CardRect(m_gs.CursorInHand());
    const Scales& s = m_table.m_scales;
    const Rect dst = Rect::At(s.X(card.left + 6), s.Y(card.top - 20), s.X(20), s.Y(18));
    StretchSmooth(p, dst, m_table.m_s.m_keyed.cursorMark, Rect::At(0, 0, 20, 18));
}

void CHumanInput::DrawOverlay(QPainter& p) const {
    const CSurfaces& sf = m_table.m_s;
    const Scales& s = m_table.m_scales;
    if (m_gs.m_showDiscards == 1) {
        const int step = s.X(20);
        const int top = s.Y(m_table.DiscardRect().top);
        const int n = std::clamp(m_gs.m_discardCount, 0, int(m_gs.m_discard.size()));
        for (int i = 0; i < n; ++i) {
            const CardId card = m_gs.m_discard[i];
            if (card < 0 || card > 51) continue;
            const Point cell = CardCell(card);
            StretchSmooth(p, Rect::At(i * step, top, s.X(kCardWidth), s.Y(kCardHeight)),
                          sf.m_cardSheet, Rect::At(cell.x, cell.y, kCardWidth, kCardHeight));
        }
    }
    if (m_gs.m_dragging == 1 && !m_dragScreen.IsEmpty() && m_gs.m_pickedCard >= 0 &&
        m_gs.m_pickedCard <= 51) {
        const Point cell = CardCell(m_gs.m_pickedCard);
        StretchSmooth(p, m_dragScreen, sf.m_cardSheet,
                      Rect::At(cell.x, cell.y, kCardWidth, kCardHeight));
    }
}

}  // namespace quintrick
