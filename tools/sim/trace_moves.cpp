#include "trace_moves.h"

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <utility>

namespace quintrick {
namespace {

using nlohmann::json;

int Int(const json& line, const char* name) {
    const auto it = line.find(name);
    if (it == line.end() || !it->is_number_integer()) {
        throw std::runtime_error(std::string(name) + " is missing");
    }
    return it->get<int>();
}

bool Flag(const json& line, const char* name) {
    const auto it = line.find(name);
    if (it == line.end() || !it->is_boolean()) {
        throw std::runtime_error(std::string(name) + " is missing");
    }
    return it->get<bool>();
}

template <std::size_t N>
std::array<int, N> Ints(const json& line, const char* name) {
    const auto it = line.find(name);
    if (it == line.end() || !it->is_array() || it->size() != N) {
        throw std::runtime_error(std::string(name) + " is missing");
    }
    std::array<int, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = (*it)[i].get<int>();
    return out;
}

class Reader {
  public:
    explicit Reader(std::vector<TracedGame>& games) : m_games(games) {}

    void Line(const json& line) {
        const std::string ev = line.at("ev").get<std::string>();
        if (ev == "match") {
            ++m_match;
            m_entry = Int(line, "character");
            m_open = false;
        } else if (ev == "game") {
            m_game = TracedGame{};
            m_game.match = m_match;
            m_game.moves.game = Int(line, "game");
            m_game.moves.entry = m_entry;
            m_exchange = {-1, -1};
            m_open = true;
            Add(MoveKind::kGame, {m_game.moves.game, Int(line, "trump")});
        } else if (!m_open) {
            return;  // stones, human choices and the end belong to no game
        } else if (ev == "deal") {
            Add(MoveKind::kDeal, {Int(line, "seed")});
        } else if (ev == "redeal") {
            Add(MoveKind::kRedeal, {Int(line, "seed")});
        } else if (ev == "exchange") {
            m_exchange = {Int(line, "a"), Int(line, "b")};
            Add(MoveKind::kExchange, {m_exchange.first, m_exchange.second});
        } else if (ev == "related") {
            // The seating the game began with: the one shown here before the exchange.
            auto seats = Ints<kSeats>(line, "seatPlayer");
            if (m_exchange.first >= 0 && m_exchange.first < kSeats && m_exchange.second >= 0 &&
                m_exchange.second < kSeats) {
                std::swap(seats[m_exchange.first], seats[m_exchange.second]);
            }
            m_game.moves.seatPlayer = seats;
            Add(MoveKind::kRelated, {});
        } else if (ev == "leader") {
            Add(MoveKind::kLeader, {Int(line, "seat")});
        } else if (ev == "show") {
            const auto cards = Ints<2>(line, "cards");
            Add(MoveKind::kShow, {Int(line, "seat"), cards[0], cards[1]});
        } else if (ev == "trump") {
            Add(MoveKind::kTrump, {Int(line, "seat"), Int(line, "suit")});
        } else if (ev == "call") {
            Add(MoveKind::kCall, {Int(line, "seat"), Int(line, "suit")});
        } else if (ev == "play") {
            Add(MoveKind::kPlay, {Int(line, "seat"), Int(line, "card")});
        } else if (ev == "trick") {
            Add(MoveKind::kTrick, {Int(line, "winner"), Int(line, "R"), Int(line, "U")});
        } else if (ev == "declare") {
            const bool computer = line.at("by").get<std::string>() == "computer";
            Add(MoveKind::kDeclare,
                {line.at("kind").get<std::string>() == "sixteen" ? 0 : 1, computer ? 1 : 0,
                 Flag(line, "answer") ? 1 : 0, computer ? Int(line, "seed") : 0,
                 computer ? Int(line, "r") : 0});
        } else if (ev == "result") {
            const int result = Int(line, "result");
            Add(MoveKind::kResult, {result});
            if (result == 1) {
                m_game.points = Ints<kSeats>(line, "points");
                m_games.push_back(std::move(m_game));
                m_open = false;
            }
        }
    }

  private:
    void Add(MoveKind kind, std::initializer_list<int> values) {
        Move move{kind, {}};
        std::copy(values.begin(), values.end(), move.v.begin());
        m_game.moves.moves.push_back(move);
    }

    std::vector<TracedGame>& m_games;
    TracedGame m_game;
    int m_match = 0;
    int m_entry = 0;
    bool m_open = false;
    std::pair<int, int> m_exchange{-1, -1};
};

}  // namespace

bool ReadTracedGames(std::istream& in, std::vector<TracedGame>& games, std::string& why) {
    Reader reader(games);
    std::string text;
    for (long number = 1; std::getline(in, text); ++number) {
        const json line = json::parse(text, nullptr, false);
        try {
            if (line.is_discarded() || !line.is_object()) throw std::runtime_error("not JSON");
            reader.Line(line);
        } catch (const std::exception& e) {
            why = "line " + std::to_string(number) + ": " + e.what();
            return false;
        }
    }
    return true;
}

}  // namespace quintrick
