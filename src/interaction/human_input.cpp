// Button presses, releases, double-clicks and keys of the human's play.
#include "human_input.h"

namespace quintrick {

CHumanInput::CHumanInput(GameState& gs, const SettingCopies& settings, CEngine& engine,
                         CTable& table, IProfile& profile, IInputHost& host)
    : m_gs(gs),
      m_set(settings),
      m_engine(engine),
      m_table(table),
      m_profile(profile),
      m_host(host) {}

void CHumanInput::Reset() {
    m_angleDrag = 0;
    m_gs.m_dragging = 0;
    m_gs.m_showScore = 0;
    m_dragScreen = {};
}

int CHumanInput::HitHandCard(int bx, int by, bool remember) {
    if (!m_table.m_handRect.Contains(bx, by)) return -1;
    const int count = std::clamp(m_gs.m_handCount[kHumanSeat], 0, kHandSize);
    for (int i = 0; i < count; ++i) {
        const Rect& r = m_table.m_cardRect[i];
        if (r.Contains(bx, by)) {
            if (remember) m_gs.m_grabOffset = {bx - r.left, by - r.top};
            return i;
        }
    }
    return -1;
}

int CHumanInput::HitIcon(int bx, int by) {
    for (int i = 0; i < int(kToolbarRects.size()); ++i) {
        if (kToolbarRects[i].Contains(bx, by)) return i;
    }
    return -1;
}

void CHumanInput::OnLButtonDown(int x, int y) {
    if (m_gs.m_phase == 0 || m_gs.m_turn != kHumanSeat) return;
    const int bx = m_table.m_scales.BaseX(x);
    const int by = m_table.m_scales.BaseY(y);

    // The previous trick while the field is pressed (once a trick has been played).
    if (m_gs.m_showLastTrick == 0 && m_gs.m_handCount[kHumanSeat] < kHandSize &&
        m_table.m_fieldRect.Contains(bx, by)) {
        m_gs.m_showLastTrick = 1;
        Redraw();
        return;
    }
    const int icon = HitIcon(bx, by);
    if (icon == 3) m_table.AngleUp();
    if (icon == 4) m_table.AngleDown();

    // The discards face up while the pile is pressed.
    if (m_gs.m_showDiscards == 0 && m_gs.m_discardCount > 0 &&
        m_table.m_discardRect.Contains(bx, by)) {
        m_gs.m_showDiscards = 1;
        m_host.RepaintNow();
        return;
    }
    const int i = HitHandCard(bx, by, true);
    if (i == -1) {
        if (m_table.HitTableEdge(bx, by)) m_angleDrag = 1;
        return;
    }
    // Show cards are picked up without a check; a card for the trick must be legal (a refused
    // card stays in the hand, with the rule's message while rule messages are on).
    if (!m_engine.CheckHumanCard(i)) return;
    m_gs.m_pickedCard = m_gs.m_hand[kHumanSeat][i];
    m_gs.m_pickedIndex = i;
    m_gs.RemoveFromHand(kHumanSeat, i);
    m_gs.m_dragging = 1;
    Redraw();
    DrawDraggedCard(bx, by);
}

void CHumanInput::OnLButtonUp(int x, int y) {
    const int bx = m_table.m_scales.BaseX(x);
    const int by = m_table.m_scales.BaseY(y);
    const int icon = HitIcon(bx, by);
    if (icon >= 0 && icon <= 2) {
        m_host.OpenMenu(icon);
        return;
    }
    if (m_gs.m_phase == 0 || m_gs.m_turn != kHumanSeat) return;
    if (m_gs.m_showScore == 1) {
        m_gs.m_showScore = 0;
        Redraw();
    } else if (m_gs.m_showLastTrick == 1) {
        m_gs.m_showLastTrick = 0;
        Redraw();
    } else if (m_gs.m_showDiscards == 1) {
        m_gs.m_showDiscards = 0;
        m_host.RepaintNow();
    } else if (m_gs.m_dragging == 1) {
        m_gs.m_dragging = 0;
        Drop(bx, by);
    } else if (m_angleDrag == 1) {
        m_angleDrag = 0;
        m_profile.WriteInt("Last", "Kakudo", int(std::trunc(m_table.Kakudo())));
    }
}

void CHumanInput::Drop(int bx, int by) {
    const CardId card = m_gs.m_pickedCard;
    const Rect old = m_dragScreen;
    m_dragScreen = {};
    if (card == kNoCard) return;
    const Rect& f = m_table.m_fieldRect;
    const Rect zone{f.left - f.Width() / 4, f.top - f.Height() / 4, f.right + f.Width() / 4,
                    f.bottom + f.Height() / 4};
    if (!zone.Contains(bx, by) || !m_engine.HumanMayPlay()) {
        // Back to where it came from.
        const int at = std::clamp(m_gs.m_pickedIndex, 0, m_gs.m_handCount[kHumanSeat]);
        m_gs.InsertIntoHand(kHumanSeat, at, card);
        m_gs.m_pickedCard = kNoCard;
        m_gs.m_pickedIndex = -1;
        Redraw();
        if (!old.IsEmpty()) m_host.RepaintArea(old);
        return;
    }
    if (m_gs.m_phase == 2) {
        m_engine.PutShowCard(card);
    } else {
        m_engine.PlayHumanCard(card);
    }
}

void CHumanInput::OnLButtonDblClk(int x, int y) {
    if (m_gs.m_phase == 0 || m_gs.m_turn != kHumanSeat || m_gs.m_showDiscards != 0 ||
        m_gs.m_showScore != 0 || m_gs.m_dragging != 0) {
        return;
    }
    const int i = HitHandCard(m_table.m_scales.BaseX(x), m_table.m_scales.BaseY(y), false);
    if (i == -1) return;
    m_gs.m_cursor = i;
    m_engine.PlayCursorCard();
}

void CHumanInput::OnKeyDown(GameKey key) {
    if (m_gs.m_phase == 0 || m_gs.m_showDiscards != 0 || m_gs.m_showScore != 0 ||
        m_gs.m_dragging != 0) {
        return;
    }
    switch (key) {
        case GameKey::Enter:
        case GameKey::Space:
        case GameKey::Up:
            if (m_gs.m_turn == kHumanSeat) m_engine.PlayCursorCard();
            break;
        case GameKey::Left:
        case GameKey::Right:
            m_gs.m_cursor += key == GameKey::Left ? -1 : 1;
            // The cursor wraps around the hand.
            if (m_gs.m_cursor < 0) m_gs.m_cursor = m_gs.m_handCount[kHumanSeat] - 1;
            if (m_gs.m_cursor > m_gs.m_handCount[kHumanSeat] - 1) m_gs.m_cursor = 0;
            m_host.RepaintNow();
            m_engine.Sound(kSoundChoice, false);
            break;
    }
}

}  // namespace quintrick
