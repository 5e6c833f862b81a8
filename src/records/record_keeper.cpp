#include "record_keeper.h"

#include <ctime>

#include "engine/roster.h"

namespace quintrick {

int RankOf(const std::array<int, kRecordPlayers>& points, int player) {
    int rank = 1;
    for (int p : points) rank += p > points[player] ? 1 : 0;
    return rank;
}

RecordKeeper::RecordKeeper(const GameState& gs, IRecordSink& sink, std::function<std::string()> now)
    : m_gs(gs),
      m_sink(sink),
      m_now(now ? std::move(now) : std::function<std::string()>(LocalNow)),
      m_moves(gs) {}

std::string RecordKeeper::LocalNow() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

void RecordKeeper::OnGameStart(int game, int trump) {
    // A first game while a match is still open means that match was given up.
    if (m_running && game == 1) Abandon();
    if (!m_running) {
        m_match = MatchRecord{};
        m_match.started = m_now();
        for (int player = 0; player < 4; ++player) {
            m_match.character[player] = ComputerCharacter(player);
        }
        m_match.character[kHumanPlayer] = m_gs.m_entryNo;
        for (int seat = 0; seat < kSeats; ++seat) m_match.seat[m_gs.m_seatPlayer[seat]] = seat;
        m_running = true;
        m_stonesSeen = 0;
    }
    m_moves.OnGameStart(game, trump);
    m_game = GameRecord{};
    m_game.game = game;
    m_game.trump = trump;
    m_gameRunning = true;
    m_declared = 0;
}

void RecordKeeper::OnRelated() {
    m_moves.OnRelated();
    for (int seat = 0; seat < kSeats; ++seat) {
        if (m_gs.m_holder[seat] == kJokerHolder) {
            m_game.jokerSeat = seat;
            m_game.jokerPlayer = m_gs.m_seatPlayer[seat];
        } else if (m_gs.m_holder[seat] == kTrumpAceHolder) {
            m_game.aceSeat = seat;
            m_game.acePlayer = m_gs.m_seatPlayer[seat];
        }
    }
}

void RecordKeeper::OnTrick(int winner, int related, int unrelated) {
    m_moves.OnTrick(winner, related, unrelated);
    m_lastRelated = related;
    m_lastUnrelated = unrelated;
}

void RecordKeeper::OnDeclare(int kind, bool byComputer, bool answer, int seed, int draw) {
    m_moves.OnDeclare(kind, byComputer, answer, seed, draw);
    // Every declaration question follows a sweep, asked of the human or decided by a computer.
    ++(kind == 0 ? m_game.sweeps : m_game.reverseSweeps);
    if (!answer) return;
    ++(kind == 0 ? m_game.sixteenDeclared : m_game.reverseDeclared);
    m_declared = kind + 1;
}

void RecordKeeper::OnResult(int result) {
    m_moves.OnResult(result);
    if (!m_gameRunning) return;
    // The battle is over: count its pictures and how a declaration ended.
    for (int seat = 0; seat < kSeats; ++seat) {
        const int taken = m_gs.m_pictureCount[seat];
        if (taken > 0) m_game.pictures[m_gs.m_seatPlayer[seat]] += taken;
    }
    bool relatedWon = m_lastRelated >= m_gs.m_relatedTarget;
    if (m_declared == 1) {
        relatedWon = m_lastRelated == 16;
        if (relatedWon) ++m_game.sixteenMade;
    } else if (m_declared == 2) {
        relatedWon = m_lastRelated > 0;
        if (!relatedWon) ++m_game.reverseMade;
    }
    m_declared = 0;
    if (result != 1) return;
    m_game.relatedWon = relatedWon;
    m_game.battles = m_gs.m_battle;
    m_game.points = m_gs.m_points[m_game.game - 1];
    m_game.moves = KeptMoves();
    m_match.games.push_back(m_game);
    m_gameRunning = false;
}

void RecordKeeper::OnStones(int player, int, int delta, int stored) {
    if (!m_running) return;
    if (player == kHumanPlayer) {
        m_match.stonesCredited = delta;
        m_match.stonesAccount = stored;
    }
    if (++m_stonesSeen == kRecordPlayers) Finish(true);
}

std::optional<KeeperState> RecordKeeper::State() const {
    if (!m_running) return std::nullopt;
    KeeperState state{m_match, m_game, m_gameRunning, m_declared, m_lastRelated, m_lastUnrelated};
    if (m_gameRunning) state.game.moves = KeptMoves();
    return state;
}

std::string RecordKeeper::KeptMoves() const {
    // Moves taken up from a save that had none, or of another game, are not kept.
    const GameMoves& moves = m_moves.Moves();
    if (moves.game != m_game.game || moves.moves.empty()) return {};
    return EncodeMoves(moves);
}

void RecordKeeper::Restore(const KeeperState& state) {
    m_match = state.match;
    m_game = state.game;
    m_gameRunning = state.gameRunning;
    m_declared = state.declared;
    m_lastRelated = state.lastRelated;
    m_lastUnrelated = state.lastUnrelated;
    std::optional<GameMoves> moves;
    if (state.gameRunning && !state.game.moves.empty()) moves = DecodeMoves(state.game.moves);
    m_moves.Restore(moves && moves->game == state.game.game ? *moves : GameMoves{});
    m_running = true;
    m_stonesSeen = 0;
}

void RecordKeeper::Abandon() {
    if (m_running) Finish(false);
}

void RecordKeeper::Finish(bool finished) {
    m_match.finished = finished;
    m_match.ended = m_now();
    // A finished match counts the score table's ten rows (also those of games played before a
    // match was continued from a save); an abandoned one the games that came to an end.
    m_match.points = {};
    if (finished) {
        for (const auto& row : m_gs.m_points) {
            for (int p = 0; p < kRecordPlayers; ++p) m_match.points[p] += row[p];
        }
    } else {
        for (const GameRecord& game : m_match.games) {
            for (int p = 0; p < kRecordPlayers; ++p) m_match.points[p] += game.points[p];
        }
    }
    m_match.rank = RankOf(m_match.points, kHumanPlayer);
    if (!finished) {
        m_match.stonesCredited = 0;
        m_match.stonesAccount = -1;
    }
    m_running = false;
    m_gameRunning = false;
    m_sink.Store(m_match);
}

}  // namespace quintrick
