#include "saved_match.h"

#include <climits>
#include <cstdint>
#include <iterator>
#include <nlohmann/json.hpp>
#include <type_traits>

#include "card_places.h"
#include "roster.h"
#include "trick_rules.h"

namespace quintrick {
namespace {

using nlohmann::json;

constexpr const char* kResumeNames[] = {"tick", "lead", "battle", "judge", "credit"};
constexpr int kPointsLimit = 100000;  // far beyond any game's points

// Every saved field of the game state with its range, in the order of the state. Timers, the
// drag in progress, the hover flags and the names are not saved: they belong to the running
// window or follow from the characters.
template <typename GS, typename V>
void VisitState(GS& gs, V& v) {
    v.Int("busy", gs.m_busy, 0, 1);
    v.Int("discardCount", gs.m_discardCount, 0, 34);
    v.Int("showScore", gs.m_showScore, 0, 1);
    v.Int("leader", gs.m_leader, 0, 4);
    v.Int("turn", gs.m_turn, 0, 4);
    v.Array("pictureTaker", gs.m_pictureTaker, -1, 4);
    v.Int("calledSuit", gs.m_calledSuit, 0, 3);
    v.Int("trump", gs.m_trump, 0, 3);
    v.Array("plainPlayed", gs.m_plainPlayed, 0, 9);
    v.Array("picturePlayed", gs.m_picturePlayed, 0, 4);
    v.Grid("hand", gs.m_hand, -1, 51);
    v.Array("field", gs.m_field, -1, 51);
    v.Int("pickedCard", gs.m_pickedCard, -1, 51);
    v.Array("showCard", gs.m_showCard, -1, 51);
    v.Array("discard", gs.m_discard, -1, 51);
    v.Int("game", gs.m_game, 1, 11);
    v.Int("battle", gs.m_battle, 1, 3);
    v.Int("declaration", gs.m_declaration, 0, 2);
    v.Grid("points", gs.m_points, -kPointsLimit, kPointsLimit);
    v.Int("relatedTarget", gs.m_relatedTarget, 8, 9);
    v.Int("unrelatedTarget", gs.m_unrelatedTarget, 8, 9);
    v.Array("seatPlayer", gs.m_seatPlayer, 0, 4);
    v.Int("entryNo", gs.m_entryNo, 0, kRosterSize - 1);
    v.Int("cursor", gs.m_cursor, 0, 9);
    v.Int("showCount", gs.m_showCount, 0, 2);
    v.Int("showPartner", gs.m_showPartner, 0, 4);
    v.Int("trumpPartner", gs.m_trumpPartner, 0, 4);
    v.Int("pickedIndex", gs.m_pickedIndex, -1, 9);
    v.Array("handCount", gs.m_handCount, 0, 10);
    v.Array("lastTrick", gs.m_lastTrick, -1, 51);
    v.Array("trickRank", gs.m_trickRank, -1, 300);
    v.Array("holder", gs.m_holder, 0, 2);
    v.Array("pictureCount", gs.m_pictureCount, -1, 16);
    v.Array("cardPlayed", gs.m_cardPlayed, 0, 1);
    v.Int("relatedNeed", gs.m_relatedNeed, -16, 17);
    v.Int("unrelatedNeed", gs.m_unrelatedNeed, -16, 17);
    v.Int("picturesLeft", gs.m_picturesLeft, 0, 16);
    v.Int("jokerLeft", gs.m_jokerLeft, 0, 1);
    v.Array("suitLeft", gs.m_suitLeft, 0, 13);
    v.Int("phase", gs.m_phase, 1, 2);
}

// The clients' parts, kept as they are.
constexpr const char* kParts[] = {"runner", "table", "records"};

std::optional<std::string> SavedMatch::*PartOf(int i) {
    constexpr std::optional<std::string> SavedMatch::*parts[] = {
        &SavedMatch::runner, &SavedMatch::table, &SavedMatch::records};
    return parts[i];
}

struct Writer {
    json& out;
    template <typename T>
    void Int(const char* name, const T& field, int, int) {
        out[name] = static_cast<int>(field);
    }
    template <typename A>
    void Array(const char* name, const A& values, int, int) {
        json list = json::array();
        for (const auto& value : values) list.push_back(static_cast<int>(value));
        out[name] = std::move(list);
    }
    template <typename G>
    void Grid(const char* name, const G& rows, int, int) {
        json grid = json::array();
        for (const auto& row : rows) {
            json list = json::array();
            for (const auto& value : row) list.push_back(static_cast<int>(value));
            grid.push_back(std::move(list));
        }
        out[name] = std::move(grid);
    }
};

// Reads fields from one JSON object; the first problem is kept and everything after it skipped.
struct Reader {
    const json& in;
    std::string& error;

    bool Number(const json& value, const char* name, int low, int high, int& out) {
        if (!error.empty()) return false;
        long long number = 0;
        if (value.is_number_unsigned()) {
            const auto u = value.get<std::uint64_t>();
            number =
                u > static_cast<std::uint64_t>(INT_MAX) ? LLONG_MAX : static_cast<long long>(u);
        } else if (value.is_number_integer()) {
            number = value.get<std::int64_t>();
        } else {
            error = std::string(name) + " is not a whole number";
            return false;
        }
        if (number < low || number > high) {
            error = std::string(name) + " is out of range";
            return false;
        }
        out = static_cast<int>(number);
        return true;
    }
    const json* Member(const char* name) {
        if (!error.empty()) return nullptr;
        const auto it = in.find(name);
        if (it == in.end()) {
            error = std::string(name) + " is missing";
            return nullptr;
        }
        return &*it;
    }
    const json* List(const json& value, const char* name, std::size_t size) {
        if (!value.is_array() || value.size() != size) {
            error = std::string(name) + " is not a list of " + std::to_string(size);
            return nullptr;
        }
        return &value;
    }
    template <typename T>
    void Int(const char* name, T& field, int low, int high) {
        int number = 0;
        if (const json* value = Member(name); value && Number(*value, name, low, high, number)) {
            field = static_cast<T>(number);
        }
    }
    template <typename A>
    void Fill(const json& list, const char* name, A& values, int low, int high) {
        std::size_t i = 0;
        for (const json& item : list) {
            int number = 0;
            if (!Number(item, name, low, high, number)) return;
            values[i++] = static_cast<std::decay_t<decltype(values[0])>>(number);
        }
    }
    template <typename A>
    void Array(const char* name, A& values, int low, int high) {
        const json* value = Member(name);
        if (value && List(*value, name, values.size())) Fill(*value, name, values, low, high);
    }
    template <typename G>
    void Grid(const char* name, G& rows, int low, int high) {
        const json* value = Member(name);
        if (!value || !List(*value, name, rows.size())) return;
        std::size_t r = 0;
        for (const json& row : *value) {
            if (!List(row, name, rows[r].size())) return;
            Fill(row, name, rows[r++], low, high);
            if (!error.empty()) return;
        }
    }
};

std::string CheckCards(const GameState& gs, const ResumePoint& point) {
    // A judged trick's cards are already on the piles.
    const bool judged = point.at == ResumeAt::kJudge || point.at == ResumeAt::kCredit;
    return CardPlaceProblem(gs, !judged);
}

std::string CheckTrick(const GameState& gs, const ResumePoint& point) {
    if (gs.m_phase == 2) {
        if (point.at != ResumeAt::kTick || gs.m_turn != kHumanSeat || gs.m_showCount > 1 ||
            gs.m_showPartner != kHumanSeat || gs.m_battle == 1 || gs.FieldCount() != 0) {
            return "the show cards are damaged";
        }
        return {};
    }
    if (gs.m_showCount != 0) return "the show cards are damaged";
    if (point.at != ResumeAt::kTick && point.at != ResumeAt::kJudge) return {};
    // The seats that have played are the leader and those after it, and they hold one card less.
    const int played = gs.FieldCount();
    if (gs.m_turn != (gs.m_leader + played) % kSeats) return "the turn is out of order";
    const int cards = gs.m_handCount[gs.m_leader] + (played > 0 ? 1 : 0);
    for (int i = 0; i < kSeats; ++i) {
        const int seat = (gs.m_leader + i) % kSeats;
        const bool hasPlayed = gs.m_field[seat] != kNoCard;
        if (hasPlayed != (i < played)) return "the field is out of order";
        if (gs.m_handCount[seat] + (hasPlayed ? 1 : 0) != cards) return "the hands do not match";
    }
    if (point.at == ResumeAt::kJudge) {
        if (played != kSeats || point.winner < 0 || point.winner >= kSeats) {
            return "the trick to judge is damaged";
        }
        for (int seat = 0; seat < kSeats; ++seat) {
            if (CardStrength(gs, gs.m_field[seat]) > CardStrength(gs, gs.m_field[point.winner])) {
                return "the trick to judge is damaged";
            }
        }
    }
    return {};
}

}  // namespace

std::string CheckSavedState(const GameState& gs, const ResumePoint& point) {
    if ((gs.m_game == 11) != (point.at == ResumeAt::kCredit)) return "game is out of range";
    if (point.at == ResumeAt::kLead && gs.m_battle != 1) return "battle is out of range";
    if (point.at == ResumeAt::kBattle && gs.m_battle == 1) return "battle is out of range";
    if (!IsSelectableCharacter(gs.m_entryNo)) return "entryNo is not a player's character";
    std::array<int, kSeats> seats{};
    std::array<int, 3> holders{};
    for (int seat = 0; seat < kSeats; ++seat) {
        ++seats[gs.m_seatPlayer[seat]];
        ++holders[gs.m_holder[seat]];
    }
    if (seats != std::array<int, kSeats>{1, 1, 1, 1, 1}) return "seatPlayer is not a seating";
    if (holders != std::array<int, 3>{3, 1, 1}) return "holder is not a related pair";
    if (gs.m_relatedTarget != (gs.m_battle == 2 ? 8 : 9) ||
        gs.m_unrelatedTarget != 17 - gs.m_relatedTarget) {
        return "the targets do not match the battle";
    }
    if (gs.m_trumpPartner == gs.m_showPartner && gs.m_battle > 1) return "the partners are damaged";
    for (int row = 0; row < 10; ++row) {
        int sum = 0;
        for (int points : gs.m_points[row]) {
            sum += points;
            if (row >= gs.m_game && points != 0) return "points of a later game";
        }
        if (sum != 0) return "points of a game do not add up to zero";
    }
    if (std::string why = CheckCards(gs, point); !why.empty()) return why;
    if (std::string why = CheckTrick(gs, point); !why.empty()) return why;
    if (point.at == ResumeAt::kCredit) {
        for (int player = 0; player < kSeats; ++player) {
            const StoneCredit& c = point.credit[player];
            const int character = player == kHumanPlayer ? gs.m_entryNo : ComputerCharacter(player);
            if (c.character != character || c.stones < 0) return "the credit is damaged";
        }
    }
    return {};
}

bool MakeSavable(const GameState& gs, const ResumePoint& point, GameState& out, std::string& why) {
    out = gs;
    out.PutBackHeldCard();
    out.m_dragging = 0;
    out.m_showLastTrick = 0;
    out.m_showDiscards = 0;
    // Ranges first (by writing and reading back the fields), then the table.
    json fields;
    Writer writer{fields};
    VisitState(out, writer);
    GameState probe;
    Reader reader{fields, why};
    VisitState(probe, reader);
    if (why.empty()) why = CheckSavedState(out, point);
    return why.empty();
}

std::string WriteSavedMatch(const SavedMatch& match, std::string* why) {
    std::string problem;
    GameState gs;
    if (!MakeSavable(match.gs, match.point, gs, problem)) {
        if (why) *why = problem;
        return {};
    }
    json doc;
    doc["format"] = kSavedMatchFormat;
    doc["program"] = "Quintrick";
    doc["resume"] = kResumeNames[static_cast<int>(match.point.at)];
    if (match.point.at == ResumeAt::kJudge) doc["winner"] = match.point.winner;
    if (match.point.at == ResumeAt::kCredit) {
        json credit = json::array();
        for (const StoneCredit& c : match.point.credit) credit.push_back({c.character, c.stones});
        doc["credit"] = std::move(credit);
    }
    json state;
    Writer writer{state};
    VisitState(gs, writer);
    doc["state"] = std::move(state);
    for (int i = 0; i < std::ssize(kParts); ++i) {
        const std::optional<std::string>& text = match.*PartOf(i);
        if (!text) continue;
        json part = json::parse(*text, nullptr, false);
        if (!part.is_object()) {
            if (why) *why = std::string(kParts[i]) + " is not an object";
            return {};
        }
        doc[kParts[i]] = std::move(part);
    }
    return doc.dump() + '\n';
}

bool JsonDepthWithin(std::string_view text, int limit) {
    int depth = 0;
    bool inString = false, escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit) return false;
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return true;
}

std::optional<SavedMatch> ReadSavedMatch(std::string_view text, std::string* why) {
    std::string error;
    auto fail = [&](std::string reason) -> std::optional<SavedMatch> {
        if (why) *why = std::move(reason);
        return std::nullopt;
    };
    if (text.size() > kSavedMatchMaxBytes) return fail("the file is too large");
    if (!JsonDepthWithin(text)) return fail("the file is nested too deeply");
    const json doc = json::parse(text.begin(), text.end(), nullptr, false);
    if (doc.is_discarded() || !doc.is_object())
        return fail("the file is not JSON (damaged or cut short)");
    Reader top{doc, error};
    const auto program = doc.find("program");
    if (program == doc.end() || *program != "Quintrick") return fail("not a saved match");
    int format = 0;
    top.Int("format", format, 1, INT_MAX);
    if (!error.empty()) return fail(error);
    if (format > kSavedMatchFormat)
        return fail("saved by a newer version (format " + std::to_string(format) + ")");

    SavedMatch match;
    const auto resume = doc.find("resume");
    int at = -1;
    for (int i = 0; i < 5; ++i) {
        if (resume != doc.end() && *resume == kResumeNames[i]) at = i;
    }
    if (at < 0) return fail("resume is not a resume point");
    match.point.at = static_cast<ResumeAt>(at);
    if (match.point.at == ResumeAt::kJudge) top.Int("winner", match.point.winner, 0, 4);
    if (match.point.at == ResumeAt::kCredit) {
        const json* credit = top.Member("credit");
        if (credit && top.List(*credit, "credit", kSeats)) {
            std::size_t player = 0;
            for (const json& pair : *credit) {
                if (!top.List(pair, "credit", 2)) break;
                StoneCredit& c = match.point.credit[player++];
                if (!top.Number(pair[0], "credit", 0, kRosterSize - 1, c.character) ||
                    !top.Number(pair[1], "credit", 0, INT_MAX, c.stones)) {
                    break;
                }
            }
        }
    }
    if (!error.empty()) return fail(error);

    const json* state = top.Member("state");
    if (!state || !state->is_object()) return fail("state is missing");
    Reader fields{*state, error};
    VisitState(match.gs, fields);
    if (!error.empty()) return fail("state: " + error);
    for (int i = 0; i < std::ssize(kParts); ++i) {
        const auto it = doc.find(kParts[i]);
        if (it == doc.end()) continue;
        if (!it->is_object()) return fail(std::string(kParts[i]) + " is damaged");
        match.*PartOf(i) = it->dump();
    }
    if (std::string problem = CheckSavedState(match.gs, match.point); !problem.empty()) {
        return fail(problem);
    }
    // What follows from the characters, and what belongs to a running window.
    for (int player = 0; player < 4; ++player) {
        match.gs.m_playerName[player] = RosterName(ComputerCharacter(player));
    }
    match.gs.m_playerName[kHumanPlayer] = RosterName(match.gs.m_entryNo);
    match.gs.m_notReady = 0;
    return match;
}

}  // namespace quintrick
