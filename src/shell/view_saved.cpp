// The view and the saved match: written at every resume point and at close, offered at start,
// thrown away by a new match and when a finished match's stones are credited.
#include <QApplication>
#include <cmath>

#include "engine/saved_match.h"
#include "engine/settings_table.h"
#include "engine/strings.h"
#include "view.h"

namespace quintrick {

void CT40913View::SaveResumePoint(const ResumePoint& point) {
    const SavedMatch match{
        m_gs, point, std::nullopt,
        TableView{static_cast<int>(std::trunc(m_table.Kakudo())), m_set.m_openMode}};
    // A state that could not be taken up again is never written: the last good file stays.
    const std::string text = WriteSavedMatch(match);
    if (!text.empty()) m_savedMatch.Write(text);
}

void CT40913View::MatchCredited() {
    m_savedMatch.Remove();
}

std::optional<ResumePoint> CT40913View::TakeUpSavedMatch() {
    if (!m_savedMatch.Exists()) return std::nullopt;
    const std::optional<std::string> text = m_savedMatch.Read();
    std::optional<SavedMatch> saved;
    if (text) saved = ReadSavedMatch(*text);
    if (!saved) {
        // Kept for diagnosis, and the program starts as it always does.
        m_savedMatch.SetAside();
        ShowMessage(kMsgResumeFailed, {}, kStyleError);
        return std::nullopt;
    }
    if (saved->point.at == ResumeAt::kCredit) {
        // The last run ended a match and was stopped while crediting it: finish that, once.
        CEngine::ApplyCredit(m_profile, saved->point);
        m_savedMatch.Remove();
        return std::nullopt;
    }
    if (ShowMessage(kMsgResumeMatch, {}, kStyleQuestion) != IDYES) {
        m_savedMatch.Remove();
        return std::nullopt;
    }
    m_gs = saved->gs;
    if (saved->table) {
        m_table.SetKakudo(saved->table->angle);
        Write(m_profile, entries::kKakudo, static_cast<int>(std::trunc(m_table.Kakudo())));
        m_set.m_openMode = saved->table->openMode;
        Write(m_profile, entries::kOpenMode, m_set.m_openMode);
    }
    return saved->point;
}

void CT40913View::SaveAtClose() {
    // In the middle of a step (a question is open) the file already holds the point before it.
    if (m_gs.m_phase == 0 || m_gs.m_game > 10 || m_engine.InStep() ||
        QApplication::activeModalWidget()) {
        return;
    }
    SaveResumePoint({});
}

void CT40913View::NewMatchCommand() {
    if (ShowMessage(kMsgAbandonMatch, {}, kStyleQuestion) != IDYES) return;
    RecordAbandonedMatch();
    m_savedMatch.Remove();
    KillTimer(kGameTimerEvent);
    m_gs.m_gameTimer = 0;
    for (auto& row : m_gs.m_points) row.fill(0);
    m_gs.m_battle = 0;
    m_gs.m_game = 1;
    m_gs.m_showScore = 0;
    m_gs.m_dragging = 0;
    m_engine.StartGame();
    RedrawTable();
}

}  // namespace quintrick
