// The view and the saved match: written at every resume point and at close, offered at start,
// thrown away by a new match and when a finished match's stones are credited.
#include <QApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <climits>
#include <cmath>

#include "engine/saved_match.h"
#include "engine/settings_table.h"
#include "engine/strings.h"
#include "records/keeper_state.h"
#include "text/ui_text.h"
#include "view.h"

namespace quintrick {

namespace {

// The credit's part of a finished match's record, as the engine reports it while crediting:
// every player's match total and the account it ended at.
void RecordCredit(RecordKeeper& keeper, const GameState& gs, const ResumePoint& credit) {
    for (int player = 0; player < kSeats; ++player) {
        long long total = 0;
        for (const auto& row : gs.m_points) total += row[player];
        keeper.OnStones(player, credit.credit[player].character,
                        static_cast<int>(std::clamp<long long>(total, INT_MIN, INT_MAX)),
                        credit.credit[player].stones);
    }
}

// How the window showed the table: the window's part of a saved match.
struct TableView {
    int angle = 21;  // the bird's-eye angle
    int openMode = 0;
};

std::string WriteTableView(const TableView& view) {
    const QJsonObject object{{QStringLiteral("angle"), view.angle},
                             {QStringLiteral("openMode"), view.openMode}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

// std::nullopt when a field is missing, not a whole number or out of range.
std::optional<TableView> ReadTableView(const std::string& text) {
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text));
    if (!doc.isObject()) return std::nullopt;
    const QJsonObject object = doc.object();
    const auto whole = [&object](const char* name, int low, int high) -> std::optional<int> {
        const QJsonValue value = object.value(QLatin1String(name));
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number != std::floor(number) || number < low || number > high)
            return std::nullopt;
        return static_cast<int>(number);
    };
    const std::optional<int> angle = whole("angle", 0, 90);
    const std::optional<int> openMode = whole("openMode", 0, 1);
    if (!angle || !openMode) return std::nullopt;
    return TableView{*angle, *openMode};
}

}  // namespace

void CT40913View::SaveResumePoint(const ResumePoint& point) {
    if (point.at == ResumeAt::kTick) NoteTakeBackPoint();
    // Records that waited for another program's lock are written once it is gone.
    m_records.WritePending();
    SavedMatch match{
        m_gs, point, std::nullopt,
        WriteTableView({static_cast<int>(std::trunc(m_table.Kakudo())), m_set.m_openMode}),
        std::nullopt};
    // The records of the match so far go with it, so that they continue with it.
    if (const std::optional<KeeperState> kept = m_recordKeeper.State()) {
        match.records = WriteKeeperState(*kept);
    }
    // A state that could not be taken up again is never written: the last good file stays. A
    // refused state goes to the log with the reason.
    std::string refused;
    const std::string text = WriteSavedMatch(match, &refused);
    QString why = QString::fromStdString(refused);
    if (text.empty()) {
        qWarning("the match was not saved: %s\n%s", refused.c_str(), m_gs.Dump().c_str());
    } else if (m_savedMatch.Write(text, &why)) {
        return;
    }
    if (m_toldSaveFailed) return;
    // Said once (after the running step); the game plays on and tries again at the next point.
    m_toldSaveFailed = true;
    const std::string prefix = QDir::toNativeSeparators(m_savedMatch.Path()).toStdString() + "\n" +
                               why.toStdString() + "\n";
    QMetaObject::invokeMethod(
        this, [this, prefix] { ShowMessage(kMsgMatchUnsaved, prefix, kStyleError); },
        Qt::QueuedConnection);
}

void CT40913View::MatchCredited() {
    m_takeBackPoints.clear();
    m_savedMatch.Remove();
}

std::optional<ResumePoint> CT40913View::TakeUpSavedMatch() {
    if (!m_savedMatch.Exists()) return std::nullopt;
    const std::optional<std::string> text = m_savedMatch.Read();
    std::optional<SavedMatch> saved;
    if (text) saved = ReadSavedMatch(*text);
    // The window's part, when there is one, must be whole.
    std::optional<TableView> table;
    if (saved && saved->table) {
        table = ReadTableView(*saved->table);
        if (!table) saved.reset();
    }
    // The records kept with the match must belong to it (older files have none).
    std::optional<KeeperState> kept;
    if (saved && saved->records) {
        kept = ReadKeeperState(*saved->records, saved->gs);
        if (!kept) saved.reset();
    }
    if (!saved) {
        // Kept for diagnosis, and the program starts as it always does. Where it cannot be moved
        // (a write-protected folder), it stays where it is and the player is told so.
        if (m_savedMatch.SetAside()) {
            ShowMessage(kMsgResumeFailed, {}, kStyleError);
        } else {
            ShowMessage(kMsgResumeFailedKept,
                        QDir::toNativeSeparators(m_savedMatch.Path()).toStdString() + "\n",
                        kStyleError);
        }
        return std::nullopt;
    }
    if (saved->point.at == ResumeAt::kCredit) {
        // The last run ended a match and was stopped while crediting it: finish that, once.
        CEngine::ApplyCredit(m_profile, saved->point);
        if (kept && !FinishedMatchRecorded(kept->match.started)) {
            RecordKeeper keeper(saved->gs, m_records);
            keeper.Restore(*kept);
            RecordCredit(keeper, saved->gs, saved->point);
        }
        m_savedMatch.Remove();
        return std::nullopt;
    }
    // The question names the match: its game and when it began (older files do not know).
    std::string which;
    if (kept) {
        which =
            UiText(kMsgResumeWhich)
                .arg(QString::number(saved->gs.m_game), QString::fromStdString(kept->match.started))
                .toStdString();
    }
    if (ShowMessage(kMsgResumeMatch, which, kStyleQuestion) != IDYES) {
        // Given up: recorded as abandoned with the games it had.
        if (kept) {
            RecordKeeper keeper(saved->gs, m_records);
            keeper.Restore(*kept);
            keeper.Abandon();
        }
        m_savedMatch.Remove();
        return std::nullopt;
    }
    m_gs = saved->gs;
    if (kept) m_recordKeeper.Restore(*kept);
    if (table) {
        m_table.SetKakudo(table->angle);
        Write(m_profile, entries::kKakudo, static_cast<int>(std::trunc(m_table.Kakudo())));
        m_set.m_openMode = table->openMode;
        Write(m_profile, entries::kOpenMode, m_set.m_openMode);
    }
    return saved->point;
}

bool CT40913View::FinishedMatchRecorded(const std::string& started) {
    if (!m_records.Available()) return false;
    const std::vector<MatchRow> rows = m_records.Db().LoadMatches();
    return std::any_of(rows.begin(), rows.end(), [&started](const MatchRow& row) {
        return row.finished && row.started == started;
    });
}

bool CT40913View::SaveAtClose() {
    // In the middle of a step (a question is open) the file already holds the point before it.
    if (m_gs.m_phase != 0 && m_gs.m_game <= 10 && !m_engine.InStep() &&
        !QApplication::activeModalWidget()) {
        SaveResumePoint({});
    }
    return m_savedMatch.Exists();
}

void CT40913View::SaveForSessionEnd() {
    // The session ends: the close that follows keeps the match and does not hold the logout up
    // with the question whether to quit midway.
    m_closeWithoutAsking = true;
    SaveAtClose();
    WritePeekCloseEntries(m_profile);
}

void CT40913View::NewMatchCommand() {
    if (ShowMessage(kMsgAbandonMatch, {}, kStyleQuestion) != IDYES) return;
    RecordAbandonedMatch();
    m_takeBackPoints.clear();
    m_savedMatch.Remove();
    KillTimer(kGameTimerEvent);
    // Nothing of the old match stays on the table: a show card put out, a card held, the piles.
    m_input.Reset();
    m_gs.ResetForNewMatch();
    m_paused = false;
    m_gs.m_gameTimer = 0;
    RedrawTable();
    m_engine.StartGame();
    RedrawTable();
}

}  // namespace quintrick
