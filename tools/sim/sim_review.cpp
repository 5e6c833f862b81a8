#include "sim_review.h"

#include <cctype>
#include <chrono>
#include <cmath>
#include <fstream>
#include <optional>
#include <vector>

#include "cli_args.h"
#include "engine/saved_match.h"
#include "records/keeper_state.h"
#include "review/replay.h"
#include "review/review.h"
#include "trace_moves.h"
#ifdef QUINTRICK_SIM_RECORDS
#include "sim_records.h"
#endif

namespace quintrick {
namespace {

// A kept game from either kind of file.
struct KeptGame {
    std::string name;   // "match 3 game 7"
    std::string moves;  // text form; empty when the game has none
    std::array<int, kSeats> points{};
};

bool IsDatabase(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[16] = {};
    in.read(head, sizeof head);
    return in && std::string_view(head, sizeof head) == std::string_view("SQLite format 3\0", 16);
}

// A saved match (the game's match.json or the runner's --save): one JSON object, where a
// trace's lines are events ({"ev":...}).
bool IsSavedMatch(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string head;
    char c = 0;
    while (head.size() < 8 && in.get(c)) {
        if (!std::isspace(static_cast<unsigned char>(c))) head += c;
    }
    return head.starts_with('{') && !head.starts_with("{\"ev\"");
}

// The games a saved match's records hold: the ones finished before it was saved.
bool ReadSavedGames(const std::string& path, std::vector<KeptGame>& games, std::string& why) {
    std::ifstream in(path, std::ios::binary);
    std::string text;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kSavedMatchMaxBytes) break;  // the reader refuses it
    }
    const std::optional<SavedMatch> saved = ReadSavedMatch(text, &why);
    if (!saved) return false;
    if (!saved->records) {
        why = "the saved match keeps no records of its games";
        return false;
    }
    const std::optional<KeeperState> kept = ReadKeeperState(*saved->records, saved->gs, &why);
    if (!kept) {
        why = "the records of the saved match are damaged: " + why;
        return false;
    }
    for (const GameRecord& g : kept->match.games)
        games.push_back({"game " + std::to_string(g.game), g.moves, g.points});
    return true;
}

bool ReadKept(const std::string& path, std::vector<KeptGame>& games, std::string& why) {
    if (IsSavedMatch(path)) return ReadSavedGames(path, games, why);
    if (IsDatabase(path)) {
#ifdef QUINTRICK_SIM_RECORDS
        std::vector<StoredGame> stored;
        if (!LoadStoredGames(path, stored, why)) return false;
        for (const StoredGame& g : stored) {
            games.push_back(
                {"match " + std::to_string(g.match) + " game " + std::to_string(g.record.game),
                 g.record.moves, g.record.points});
        }
        return true;
#else
        why = "this build has no database support";
        return false;
#endif
    }
    std::ifstream in(path);
    if (!in) {
        why = "cannot read " + path;
        return false;
    }
    std::vector<TracedGame> traced;
    if (!ReadTracedGames(in, traced, why)) return false;
    for (const TracedGame& g : traced) {
        games.push_back(
            {"match " + std::to_string(g.match) + " game " + std::to_string(g.moves.game),
             EncodeMoves(g.moves), g.points});
    }
    return true;
}

// The game `which` names among `games`.
std::optional<std::size_t> Choose(const std::vector<KeptGame>& games, std::string_view which,
                                  bool database) {
    if (games.empty()) return std::nullopt;
    if (which.empty()) return database ? games.size() - 1 : 0;
    const std::size_t colon = which.find(':');
    if (colon == std::string_view::npos) {
        const auto n = ParseInt(which, 1, static_cast<int>(games.size()));
        if (!n) return std::nullopt;
        return static_cast<std::size_t>(*n - 1);
    }
    const auto match = ParseInt(which.substr(0, colon), 1, 1'000'000'000);
    const auto game = ParseInt(which.substr(colon + 1), 1, 10);
    if (!match || !game) return std::nullopt;
    const std::string name = "match " + std::to_string(*match) + " game " + std::to_string(*game);
    for (std::size_t i = 0; i < games.size(); ++i) {
        if (games[i].name == name) return i;
    }
    return std::nullopt;
}

}  // namespace

// Every game reviewed, one line each, and the mean loss per game with its 95 % interval.
int ReviewAll(const std::vector<KeptGame>& games, int samples, std::ostream& out,
              std::ostream& err) {
    std::vector<double> losses;
    int mistakes = 0;
    for (const KeptGame& game : games) {
        if (game.moves.empty()) continue;  // kept before games were kept move by move
        std::string why;
        const auto moves = DecodeMoves(game.moves, &why);
        const auto review =
            moves ? ReviewGame(*moves, {samples, kMistakeThreshold}, &why) : std::nullopt;
        if (!review) {
            err << "quintrick-sim: " << game.name << ": " << why << '\n';
            return 1;
        }
        out << game.name << ": " << review->decisions.size() << " plays, " << review->mistakes
            << " mistakes, lost " << review->lossKnown << " (all cards seen " << review->lossSeen
            << ")\n";
        losses.push_back(review->lossKnown);
        mistakes += review->mistakes;
    }
    const double n = static_cast<double>(losses.size());
    double mean = 0, square = 0;
    for (double l : losses) mean += l / n;
    for (double l : losses) square += (l - mean) * (l - mean);
    const double half = n > 1 ? 1.96 * std::sqrt(square / (n - 1) / n) : 0;
    out << "games: " << losses.size() << "; mistakes: " << mistakes
        << "; points lost per game: " << mean << ", 95 % CI " << mean - half << " .. "
        << mean + half << '\n';
    return 0;
}

int ReviewCommand(const std::string& path, std::string_view which, int samples, std::ostream& out,
                  std::ostream& err) {
    std::vector<KeptGame> games;
    std::string why;
    if (!ReadKept(path, games, why)) {
        err << "quintrick-sim: " << path << ": " << why << '\n';
        return 1;
    }
    if (which == "all") return ReviewAll(games, samples, out, err);
    const auto chosen = Choose(games, which, IsDatabase(path) || IsSavedMatch(path));
    if (!chosen) {
        err << "quintrick-sim: " << path << ": no game " << (which.empty() ? "kept" : which)
            << '\n';
        return 1;
    }
    const KeptGame& game = games[*chosen];
    if (game.moves.empty()) {
        err << "quintrick-sim: " << game.name << " was kept without its moves\n";
        return 1;
    }
    const auto moves = DecodeMoves(game.moves, &why);
    if (!moves) {
        err << "quintrick-sim: " << game.name << ": the moves are damaged: " << why << '\n';
        return 1;
    }
    const auto begin = std::chrono::steady_clock::now();
    const auto review = ReviewGame(*moves, {samples, kMistakeThreshold}, &why);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    if (!review) {
        err << "quintrick-sim: " << game.name << " cannot be played again: " << why << '\n';
        return 1;
    }
    if (review->points != game.points) {
        err << "quintrick-sim: " << game.name << " replays to other points than were kept\n";
        return 1;
    }
    out << game.name << " (" << samples << " worlds a play, reviewed in " << seconds << " s)\n"
        << FormatReview(*review);
    return 0;
}

int CheckReplayCommand(const std::string& path, std::ostream& out, std::ostream& err) {
    std::vector<KeptGame> games;
    std::string why;
    if (!ReadKept(path, games, why)) {
        err << "quintrick-sim: " << path << ": " << why << '\n';
        return 1;
    }
    int same = 0, differ = 0, refused = 0, without = 0;
    for (const KeptGame& game : games) {
        if (game.moves.empty()) {
            ++without;
            continue;
        }
        const auto moves = DecodeMoves(game.moves, &why);
        CGameReplay replay(moves ? *moves : GameMoves{});
        if (!moves || !replay.Run(true, &why)) {
            ++refused;
            err << game.name << ": refused: " << why << '\n';
        } else if (replay.Points() != game.points) {
            ++differ;
            err << game.name << ": replays to other points\n";
        } else {
            ++same;
        }
    }
    out << "games: " << games.size() << "; replayed to the kept points: " << same
        << "; other points: " << differ << "; refused: " << refused
        << "; kept without moves: " << without << '\n';
    return differ == 0 && refused == 0 ? 0 : 1;
}

}  // namespace quintrick
