// The view's strength setting and its hint: the computers' decisions object by the setting, and
// the sampling player's card for the human, asked off the GUI thread and shown near the card.
#include <QLabel>
#include <QTimer>

#include "engine/settings_table.h"
#include "hint_search.h"
#include "shell/extras/tip_window.h"
#include "view.h"

namespace quintrick {

void CT40913View::SetStrongComputers(bool strong) {
    Write(m_profile, entries::kTsuyosa, strong ? 1 : 0);
    m_levelPlayers.SetStrong(strong);
}

bool CT40913View::HintAvailable() const {
    return m_gs.m_phase == 1 && !m_callout.active && m_engine.HumanMayPlay() &&
           m_engine.HeldNow() == CEngine::Held::kNothing && m_gs.m_handCount[kHumanSeat] > 0;
}

bool CT40913View::RequestHint() {
    if (!HintAvailable()) return false;
    m_hint->Ask(m_gs, m_playLog);
    return true;
}

namespace {

// The answer still fits when the human has not acted and the game has not moved on.
bool SameQuestion(const GameState& asked, const GameState& now) {
    return asked.m_game == now.m_game && asked.m_turn == now.m_turn &&
           asked.m_handCount == now.m_handCount &&
           asked.m_hand[kHumanSeat] == now.m_hand[kHumanSeat] && asked.m_field == now.m_field &&
           asked.m_cardPlayed == now.m_cardPlayed;
}

}  // namespace

void CT40913View::ShowHint(const GameState& asked, const SearchResult& result) {
    if (!HintAvailable() || !SameQuestion(asked, m_gs)) return;
    const int pos = result.best.pos;
    if (pos < 0 || pos >= m_gs.m_handCount[kHumanSeat]) return;
    const QString text = HintText(m_gs, result);
    // The keyboard mark moves as the arrow keys move it.
    if (!m_engine.MoveCursor(pos - m_gs.CursorInHand())) return;
    m_lastHint = text;
    repaint();
    if (!m_hintTip) {
        // A balloon in the colours of the explanation tip, above the card.
        m_hintTip = new QLabel(this);
        m_hintTip->setObjectName(QStringLiteral("hintTip"));
        m_hintTip->setAutoFillBackground(true);
        QPalette palette = m_hintTip->palette();
        palette.setColor(QPalette::Window, CTipWindow::kBackground);
        palette.setColor(QPalette::WindowText, CTipWindow::kTextColour);
        m_hintTip->setPalette(palette);
        m_hintTip->setFrameShape(QFrame::Box);
        m_hintTip->setMargin(3);
        m_hintTipTimer = new QTimer(this);
        m_hintTipTimer->setSingleShot(true);
        connect(m_hintTipTimer, &QTimer::timeout, m_hintTip, &QWidget::hide);
    }
    m_hintTip->setText(text);
    m_hintTip->adjustSize();
    const Rect card = m_table.CardRect(pos);
    const Scales& s = m_table.m_scales;
    const int x =
        std::clamp(m_area.left() + s.X(card.left), 0, std::max(0, width() - m_hintTip->width()));
    const int y = std::max(0, m_area.top() + s.Y(card.top - 30) - m_hintTip->height());
    m_hintTip->move(x, y);
    m_hintTip->show();
    m_hintTip->raise();
    m_hintTipTimer->start(kHintTipMs);
}

void CT40913View::HideHintTip() {
    if (m_hintTip) m_hintTip->hide();
}

}  // namespace quintrick
