// 一手戻す: the states at which the game waited for the human's card are kept for the match in
// progress, and the human may go back to the one before the last card played, again and again.
#include <QApplication>

#include "view.h"

namespace quintrick {
namespace {

// Far more than a match has cards of the human's (at most 30 a game).
constexpr std::size_t kMaxTakeBackPoints = 400;

}  // namespace

void CT40913View::NoteTakeBackPoint() {
    if (m_gs.m_phase == kNoGame || m_gs.m_game > 10 || m_gs.m_busy != 1 ||
        !m_engine.HumanMayPlay()) {
        return;
    }
    auto point = std::make_unique<TakeBackPoint>(m_gs, m_playLog, m_recordKeeper.State());
    if (!m_takeBackPoints.empty() && m_takeBackPoints.back()->dump == point->dump) return;
    if (m_takeBackPoints.size() >= kMaxTakeBackPoints) {
        m_takeBackPoints.erase(m_takeBackPoints.begin());
    }
    m_takeBackPoints.push_back(std::move(point));
}

bool CT40913View::TakeBackAvailable() const {
    if (m_gs.m_phase == kNoGame || m_gs.m_game > 10 || m_engine.InStep() ||
        m_engine.HeldNow() != CEngine::Held::kNothing || m_callout.active ||
        QApplication::activeModalWidget() || m_takeBackPoints.empty()) {
        return false;
    }
    // Waiting at the last point itself, the card before it is the one taken back.
    return m_takeBackPoints.back()->dump != m_gs.Dump() || m_takeBackPoints.size() >= 2;
}

bool CT40913View::TakeBack() {
    if (!TakeBackAvailable()) return false;
    if (m_takeBackPoints.back()->dump == m_gs.Dump()) m_takeBackPoints.pop_back();
    const TakeBackPoint& point = *m_takeBackPoints.back();
    HideHintTip();
    KillTimer(kGameTimerEvent);
    const int taken = m_recordKeeper.TakeBacks();
    m_gs = point.gs;
    m_playLog.CopyFrom(point.seen);
    if (point.kept) m_recordKeeper.Restore(*point.kept);
    m_recordKeeper.SetTakeBacks(taken + 1);
    // The game waits for the human's card again, as it did then; the saved match keeps it.
    m_engine.Resume({ResumeAt::kTick});
    RedrawTable();
    SaveResumePoint({});
    return true;
}

}  // namespace quintrick
