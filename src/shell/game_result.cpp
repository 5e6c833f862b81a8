#include "game_result.h"

#include <QStringList>
#include <algorithm>
#include <climits>

#include "engine/strings.h"
#include "records/match_record.h"
#include "text/ui_text.h"

namespace quintrick {
namespace {

constexpr int kGameOverResult = 1;  // OnResult: the game is over

}  // namespace

QString SignedPoints(int value) {
    return (value > 0 ? QStringLiteral("+") : QString()) + QString::number(value);
}

void CGameResultCollector::OnGameStart(int game, int) {
    m_game = GameResult{};
    m_game.game = game;
}

void CGameResultCollector::OnOutcome(int stringId) {
    m_game.battleOutcome.push_back(stringId);
}

void CGameResultCollector::OnResult(int result) {
    // The battle is over: its pictures count for the players who took them.
    for (int seat = 0; seat < kSeats; ++seat) {
        const int player = m_gs.m_seatPlayer[seat];
        if (player < 0 || player >= kSeats) continue;
        m_game.pictures[player] += std::max(0, m_gs.m_pictureCount[seat]);
        m_game.related[player] = m_gs.IsRelated(seat);
    }
    if (result != kGameOverResult) return;
    m_game.game = m_gs.m_game;  // the game that ends (a match taken up again started mid-game)
    if (m_game.game < 1 || m_game.game > 10) return;
    for (int player = 0; player < kSeats; ++player) {
        m_game.points[player] = m_gs.m_points[m_game.game - 1][player];
        long long total = 0;
        for (int g = 0; g < m_game.game; ++g) total += m_gs.m_points[g][player];
        m_game.totals[player] = int(std::clamp<long long>(total, INT_MIN, INT_MAX));
        m_game.names[player] = m_gs.m_playerName[player];
    }
    if (m_game.game == 10) {
        m_game.matchOver = true;
        for (int player = 0; player < kSeats; ++player) {
            m_game.ranks[player] = RankOf(m_game.totals, player);
        }
    }
    m_result = m_game;
    m_pending = true;
}

void CGameResultCollector::OnStones(int player, int, int delta, int stored) {
    if (player < 0 || player >= kSeats) return;
    m_result.stones[player] = delta;
    m_result.accounts[player] = stored;
}

QString ResultPlainText(const GameResult& r) {
    QStringList lines;
    lines << UiText(kResTitle).arg(r.game);
    for (std::size_t b = 0; b < r.battleOutcome.size(); ++b) {
        lines << UiText(kResBattle).arg(QString::number(b + 1), UiText(r.battleOutcome[b]));
    }
    // The human first, then the computers as they sit.
    for (int player : {kHumanPlayer, 0, 1, 2, 3}) {
        QString line = UiText(kResPlayerLine)
                           .arg(UiPlayerName(r.names[player]),
                                UiText(r.related[player] ? kResRelated : kResUnrelated),
                                SignedPoints(r.points[player]), SignedPoints(r.totals[player]),
                                QString::number(r.pictures[player]));
        if (r.matchOver) {
            line += UiText(kResMatchLine)
                        .arg(UiText(kResRank).arg(r.ranks[player]), SignedPoints(r.stones[player]),
                             QString::number(r.accounts[player]));
        }
        lines << line;
    }
    return lines.join(u'\n');
}

}  // namespace quintrick
