// Button presses, releases, double-clicks and keys of the human's play.
#include "human_input.h"

#include "engine/settings_table.h"

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
    m_engine.ReleaseHold();
    m_gs.m_showScore = 0;
    m_dragScreen = {};
}

int CHumanInput::HitHandCard(int bx, int by, bool remember) {
    const int i = m_table.HitHandCard(bx, by);
    if (i >= 0 && remember) {
        const Rect r = m_table.CardRect(i);
        m_gs.m_grabOffset = {bx - r.left, by - r.top};
    }
    return i;
}

int CHumanInput::HitIcon(int bx, int by) {
    for (int i = 0; i < int(kToolbarRects.size()); ++i) {
        if (kToolbarRects[i].Contains(bx, by)) return i;
    }
    return -1;
}

bool CHumanInput::InDropZone(int bx, int by) const {
    const Rect f = m_table.FieldRect();
    const Rect zone{f.left - f.Width() / 4, f.top - f.Height() / 4, f.right + f.Width() / 4,
                    f.bottom + f.Height() / 4};
    return zone.Contains(bx, by);
}

void CHumanInput::OnLButtonDown(int x, int y) {
    if (m_gs.m_phase == kNoGame || m_gs.m_turn != kHumanSeat) return;
    // One thing at a time: a press while something is held (its release was lost) does nothing.
    if (m_engine.HeldNow() != CEngine::Held::kNothing) return;
    const int bx = m_table.m_scales.BaseX(x);
    const int by = m_table.m_scales.BaseY(y);

    // The previous trick while the field is pressed (once a trick has been played).
    if (m_table.FieldRect().Contains(bx, by) && m_engine.HoldLastTrick()) return;
    const int icon = HitIcon(bx, by);
    if (icon == 3) m_table.AngleUp();
    if (icon == 4) m_table.AngleDown();

    // The discards face up while the pile is pressed.
    if (m_table.DiscardRect().Contains(bx, by) && m_engine.HoldDiscards()) {
        m_host.RepaintNow();
        return;
    }
    const int i = HitHandCard(bx, by, true);
    if (i == -1) {
        if (m_table.HitTableEdge(bx, by)) m_engine.HoldAngle();
        return;
    }
    // Show cards are picked up without a check; a card for the trick must be legal (a refused
    // card stays in the hand, with the rule's message while rule messages are on).
    if (m_engine.PickUpCard(i)) DrawDraggedCard(bx, by);
}

void CHumanInput::OnLButtonUp(int x, int y) {
    const int bx = m_table.m_scales.BaseX(x);
    const int by = m_table.m_scales.BaseY(y);
    const int icon = HitIcon(bx, by);
    // Whatever the button held ends first, wherever the release happens: a held card is played
    // when it lands on the field (and no score board covers the table), else it goes back.
    const Rect dragged = m_dragScreen;
    m_dragScreen = {};
    const bool dropped = m_engine.HeldNow() == CEngine::Held::kCard && InDropZone(bx, by) &&
                         m_gs.m_showScore == 0 && (icon < 0 || icon > 2) && m_engine.DropHeldCard();
    const CEngine::Held held = dropped ? CEngine::Held::kCard : m_engine.ReleaseHold();
    if (!dragged.IsEmpty()) m_host.RepaintArea(dragged);
    if (held == CEngine::Held::kDiscards) m_host.RepaintNow();
    if (held == CEngine::Held::kAngle) {
        Write(m_profile, entries::kKakudo, int(std::trunc(m_table.Kakudo())));
    }
    if (icon >= 0 && icon <= 2) {
        m_host.OpenMenu(icon);
        return;
    }
    if (m_gs.m_phase == kNoGame || m_gs.m_turn != kHumanSeat) return;
    if (m_gs.m_showScore == 1) {
        m_gs.m_showScore = 0;
        Redraw();
    }
}

void CHumanInput::OnLButtonDblClk(int x, int y) {
    if (m_gs.m_phase == kNoGame || m_gs.m_turn != kHumanSeat || m_gs.m_showScore != 0) return;
    const int i = HitHandCard(m_table.m_scales.BaseX(x), m_table.m_scales.BaseY(y), false);
    if (i != -1) m_engine.PlayCardAt(i);
}

void CHumanInput::OnKeyDown(GameKey key) {
    if (m_gs.m_phase == kNoGame || m_gs.m_showScore != 0) return;
    switch (key) {
        case GameKey::Enter:
        case GameKey::Space:
        case GameKey::Up:
            if (m_gs.m_turn == kHumanSeat) m_engine.PlayCursorCard();
            break;
        case GameKey::Left:
        case GameKey::Right:
            if (m_engine.MoveCursor(key == GameKey::Left ? -1 : 1)) m_host.RepaintNow();
            break;
        case GameKey::Home:
        case GameKey::End: {
            // The mark goes to the first or the last card, a step from where it stands.
            const int target = key == GameKey::Home ? 0 : m_gs.m_handCount[kHumanSeat] - 1;
            if (m_engine.MoveCursor(target - m_gs.CursorInHand())) m_host.RepaintNow();
            break;
        }
    }
}

}  // namespace quintrick
