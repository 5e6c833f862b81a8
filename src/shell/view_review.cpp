// 振り返り from the game: the last game that came to an end, or a stored game from the records.
#include "view.h"

#include "engine/strings.h"
#include "review_window.h"

namespace quintrick {
namespace {

// The string-table entry said when there is no game to look back on.
constexpr int kMsgNoGameToReview = 30402;

}  // namespace

void CT40913View::OpenReview(const GameMoves& moves, ReviewCache cache, QWidget* owner) {
    if (m_openReview) {
        m_openReview(moves);
        return;
    }
    CReviewWindow window(moves, std::move(cache), owner ? owner : this);
    window.exec();
}

void CT40913View::ReviewLastGame() {
    // A game of the match in progress that came to an end is not stored yet.
    if (const std::optional<KeeperState> kept = m_recordKeeper.State();
        kept && !kept->match.games.empty()) {
        if (const auto moves = DecodeMoves(kept->match.games.back().moves)) {
            return OpenReview(*moves, {}, this);
        }
    }
    if (m_records.Available()) {
        const std::vector<MatchRow> rows = m_records.Db().LoadMatches();
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            const std::vector<GameRecord> games = m_records.Db().LoadGames(row->id);
            for (auto game = games.rbegin(); game != games.rend(); ++game) {
                if (!game->moves.empty()) return ReviewStoredGame(row->id, game->game, this);
            }
        }
    }
    ShowMessage(kMsgNoGameToReview, {}, kStyleInfo);
}

void CT40913View::ReviewStoredGame(std::int64_t match, int game, QWidget* owner) {
    std::optional<GameMoves> moves;
    std::string why;
    if (m_records.Available()) {
        for (const GameRecord& record : m_records.Db().LoadGames(match)) {
            if (record.game == game && !record.moves.empty()) {
                moves = DecodeMoves(record.moves, &why);
            }
        }
    }
    if (!moves) {
        ShowMessage(kMsgNoGameToReview, {}, kStyleInfo);
        return;
    }
    CRecordsDb& db = m_records.Db();
    ReviewCache cache{
        [&db, match, game] { return db.LoadReview(match, game); },
        [&db, match, game](const std::string& text) { db.StoreReview(match, game, text); }};
    OpenReview(*moves, std::move(cache), owner);
}

}  // namespace quintrick
