#include "keeper_state.h"

#include <climits>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "engine/game_moves.h"
#include "engine/roster.h"
#include "engine/saved_match.h"

namespace quintrick {
namespace {

using nlohmann::json;

constexpr int kPointsLimit = 100000;  // far beyond any game's points
constexpr std::size_t kMaxTimeText = 64;

// A problem found while reading: its text is the reason given.
struct Damaged : std::runtime_error {
    using std::runtime_error::runtime_error;
};

const json& Member(const json& object, const char* name) {
    if (!object.is_object()) throw Damaged("records: not an object");
    const auto it = object.find(name);
    if (it == object.end()) throw Damaged(std::string("records: ") + name + " is missing");
    return *it;
}

int Int(const json& value, const char* name, int low, int high) {
    if (!value.is_number_integer())
        throw Damaged(std::string("records: ") + name + " is no number");
    const auto number = value.get<long long>();
    if (number < low || number > high) {
        throw Damaged(std::string("records: ") + name + " is out of range");
    }
    return static_cast<int>(number);
}

int Field(const json& object, const char* name, int low, int high) {
    return Int(Member(object, name), name, low, high);
}

bool Bool(const json& object, const char* name) {
    const json& value = Member(object, name);
    if (!value.is_boolean())
        throw Damaged(std::string("records: ") + name + " is not true or false");
    return value.get<bool>();
}

template <std::size_t N>
std::array<int, N> Ints(const json& object, const char* name, int low, int high) {
    const json& list = Member(object, name);
    if (!list.is_array() || list.size() != N) {
        throw Damaged(std::string("records: ") + name + " is not a list of " + std::to_string(N));
    }
    std::array<int, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = Int(list[i], name, low, high);
    return out;
}

json GameJson(const GameRecord& g) {
    json j = {{"game", g.game},
              {"trump", g.trump},
              {"battles", g.battles},
              {"jokerSeat", g.jokerSeat},
              {"aceSeat", g.aceSeat},
              {"jokerPlayer", g.jokerPlayer},
              {"acePlayer", g.acePlayer},
              {"relatedWon", g.relatedWon},
              {"sweeps", g.sweeps},
              {"reverseSweeps", g.reverseSweeps},
              {"sixteenDeclared", g.sixteenDeclared},
              {"sixteenMade", g.sixteenMade},
              {"reverseDeclared", g.reverseDeclared},
              {"reverseMade", g.reverseMade},
              {"points", g.points},
              {"pictures", g.pictures}};
    if (!g.moves.empty()) j["moves"] = g.moves;
    return j;
}

GameRecord ReadGame(const json& j) {
    GameRecord g;
    g.game = Field(j, "game", 1, 10);
    g.trump = Field(j, "trump", 0, 3);
    g.battles = Field(j, "battles", 0, 3);
    g.jokerSeat = Field(j, "jokerSeat", -1, 4);
    g.aceSeat = Field(j, "aceSeat", -1, 4);
    g.jokerPlayer = Field(j, "jokerPlayer", -1, 4);
    g.acePlayer = Field(j, "acePlayer", -1, 4);
    g.relatedWon = Bool(j, "relatedWon");
    // At most one question of each kind per battle.
    g.sweeps = Field(j, "sweeps", 0, 3);
    g.reverseSweeps = Field(j, "reverseSweeps", 0, 3);
    g.sixteenDeclared = Field(j, "sixteenDeclared", 0, g.sweeps);
    g.sixteenMade = Field(j, "sixteenMade", 0, g.sixteenDeclared);
    g.reverseDeclared = Field(j, "reverseDeclared", 0, g.reverseSweeps);
    g.reverseMade = Field(j, "reverseMade", 0, g.reverseDeclared);
    g.points = Ints<kRecordPlayers>(j, "points", -kPointsLimit, kPointsLimit);
    g.pictures = Ints<kRecordPlayers>(j, "pictures", 0, 48);
    // The moves (kept since they were recorded) are checked when they are replayed; moves that
    // cannot be read are left out, the game's record stays.
    const auto moves = j.find("moves");
    if (moves != j.end() && moves->is_string() && DecodeMoves(moves->get<std::string>())) {
        g.moves = moves->get<std::string>();
    }
    return g;
}

std::string TimeText(const json& object, const char* name) {
    const json& value = Member(object, name);
    if (!value.is_string() || value.get<std::string>().empty() ||
        value.get<std::string>().size() > kMaxTimeText) {
        throw Damaged(std::string("records: ") + name + " is not a time");
    }
    return value.get<std::string>();
}

KeeperState Read(const json& doc, const GameState& gs) {
    KeeperState s;
    s.match.started = TimeText(doc, "started");
    s.match.character = Ints<kRecordPlayers>(doc, "character", 0, kRosterSize - 1);
    s.match.seat = Ints<kRecordPlayers>(doc, "seat", 0, kSeats - 1);
    for (int player = 0; player < kRecordPlayers; ++player) {
        const int character = player == kHumanPlayer ? gs.m_entryNo : ComputerCharacter(player);
        if (s.match.character[player] != character) {
            throw Damaged("records: the characters are not the match's");
        }
    }
    std::array<int, kSeats> seats{};
    for (int seat : s.match.seat) ++seats[seat];
    if (seats != std::array<int, kSeats>{1, 1, 1, 1, 1})
        throw Damaged("records: seat is no seating");
    const json& games = Member(doc, "games");
    if (!games.is_array() || games.size() > 10) throw Damaged("records: games is damaged");
    // The games that came to an end are the ones right before the current game (a match taken up
    // from a file without records has only the later ones), with the score table's points.
    for (std::size_t i = 0; i < games.size(); ++i) {
        GameRecord g = ReadGame(games[i]);
        if (g.game != gs.m_game - static_cast<int>(games.size() - i) ||
            g.points != gs.m_points[g.game - 1]) {
            throw Damaged("records: the games are not the match's");
        }
        s.match.games.push_back(g);
    }
    s.gameRunning = Bool(doc, "gameRunning");
    if (s.gameRunning) {
        s.game = ReadGame(Member(doc, "game"));
        if (s.game.game != gs.m_game)
            throw Damaged("records: the game in progress is not the match's");
    }
    s.declared = Field(doc, "declared", 0, 2);
    s.lastRelated = Field(doc, "lastRelated", 0, 16);
    s.lastUnrelated = Field(doc, "lastUnrelated", 0, 16);
    // Saves made before take-backs were counted have none.
    if (doc.contains("takeBacks")) s.match.takeBacks = Field(doc, "takeBacks", 0, 1'000'000);
    return s;
}

json MatchJson(const MatchRecord& m) {
    json games = json::array();
    for (const GameRecord& g : m.games) games.push_back(GameJson(g));
    return {{"started", m.started},
            {"ended", m.ended},
            {"finished", m.finished},
            {"character", m.character},
            {"seat", m.seat},
            {"points", m.points},
            {"rank", m.rank},
            {"stonesCredited", m.stonesCredited},
            {"stonesAccount", m.stonesAccount},
            {"games", std::move(games)}};
}

MatchRecord ReadMatch(const json& j) {
    MatchRecord m;
    m.started = TimeText(j, "started");
    m.ended = TimeText(j, "ended");
    m.finished = Bool(j, "finished");
    m.character = Ints<kRecordPlayers>(j, "character", 0, kRosterSize - 1);
    m.seat = Ints<kRecordPlayers>(j, "seat", 0, kSeats - 1);
    m.points = Ints<kRecordPlayers>(j, "points", -10 * kPointsLimit, 10 * kPointsLimit);
    m.rank = Field(j, "rank", 1, kRecordPlayers);
    m.stonesCredited = Field(j, "stonesCredited", -10 * kPointsLimit, 10 * kPointsLimit);
    m.stonesAccount = Field(j, "stonesAccount", -1, INT_MAX);
    const json& games = Member(j, "games");
    if (!games.is_array() || games.size() > 10) throw Damaged("records: games is damaged");
    for (const json& g : games) m.games.push_back(ReadGame(g));
    return m;
}

}  // namespace

std::string WritePendingRecords(const std::vector<MatchRecord>& records) {
    json list = json::array();
    for (const MatchRecord& m : records) list.push_back(MatchJson(m));
    return json{{"pending", std::move(list)}}.dump() + '\n';
}

std::optional<std::vector<MatchRecord>> ReadPendingRecords(std::string_view text,
                                                           std::string* why) {
    try {
        if (text.size() > kSavedMatchMaxBytes) throw Damaged("records: too large");
        if (!JsonDepthWithin(text)) throw Damaged("records: nested too deeply");
        const json doc = json::parse(text.begin(), text.end(), nullptr, false);
        if (doc.is_discarded()) throw Damaged("records: not JSON");
        const json& list = Member(doc, "pending");
        if (!list.is_array()) throw Damaged("records: pending is not a list");
        std::vector<MatchRecord> records;
        for (const json& m : list) records.push_back(ReadMatch(m));
        return records;
    } catch (const std::exception& e) {
        if (why) *why = e.what();
        return std::nullopt;
    }
}

std::string WriteKeeperState(const KeeperState& s) {
    json games = json::array();
    for (const GameRecord& g : s.match.games) games.push_back(GameJson(g));
    json doc = {{"started", s.match.started},    {"character", s.match.character},
                {"seat", s.match.seat},          {"games", std::move(games)},
                {"gameRunning", s.gameRunning},  {"declared", s.declared},
                {"lastRelated", s.lastRelated},  {"lastUnrelated", s.lastUnrelated},
                {"takeBacks", s.match.takeBacks}};
    if (s.gameRunning) doc["game"] = GameJson(s.game);
    return doc.dump();
}

std::optional<KeeperState> ReadKeeperState(std::string_view text, const GameState& gs,
                                           std::string* why) {
    if (!JsonDepthWithin(text)) {
        if (why) *why = "records: nested too deeply";
        return std::nullopt;
    }
    const json doc = json::parse(text.begin(), text.end(), nullptr, false);
    try {
        if (doc.is_discarded()) throw Damaged("records: not JSON");
        return Read(doc, gs);
    } catch (const std::exception& e) {
        if (why) *why = e.what();
        return std::nullopt;
    }
}

}  // namespace quintrick
