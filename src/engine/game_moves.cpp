#include "game_moves.h"

#include <algorithm>
#include <charconv>

#include "roster.h"

namespace quintrick {
namespace {

// No game comes near this many events (about 170 for three full battles).
constexpr std::size_t kMaxMoves = 1000;
// The seeds a clock reading can give: an unreadable clock, or 0 .. 59 + 60 * 59 + 23.
constexpr int kUnreadableSeed = -61;
constexpr int kMaxSeed = 59 + 60 * 59 + 23;

constexpr MoveKind kKinds[] = {MoveKind::kGame,     MoveKind::kDeal,    MoveKind::kRedeal,
                               MoveKind::kExchange, MoveKind::kRelated, MoveKind::kLeader,
                               MoveKind::kShow,     MoveKind::kTrump,   MoveKind::kCall,
                               MoveKind::kPlay,     MoveKind::kTrick,   MoveKind::kDeclare,
                               MoveKind::kResult};

bool IsSeat(int v) {
    return v >= 0 && v < kSeats;
}
bool IsSuit(int v) {
    return v >= 0 && v < kSuits;
}
bool IsSeed(int v) {
    return v == kUnreadableSeed || (v >= 0 && v <= kMaxSeed);
}
bool IsPictures(int v) {
    return v >= 0 && v <= kPictureCards;
}

// True when the values of a move lie in their ranges.
bool ValuesInRange(const Move& m) {
    const auto& v = m.v;
    switch (m.kind) {
        case MoveKind::kGame:
            return v[0] >= 1 && v[0] <= 10 && IsSuit(v[1]);
        case MoveKind::kDeal:
        case MoveKind::kRedeal:
            return IsSeed(v[0]);
        case MoveKind::kExchange:
            return IsSeat(v[0]) && IsSeat(v[1]) && v[0] != v[1];
        case MoveKind::kRelated:
            return true;
        case MoveKind::kLeader:
            return IsSeat(v[0]);
        case MoveKind::kShow:
            return IsSeat(v[0]) && IsValidCard(v[1]) && IsValidCard(v[2]) && v[1] != v[2];
        case MoveKind::kTrump:
        case MoveKind::kCall:
            return IsSeat(v[0]) && IsSuit(v[1]);
        case MoveKind::kPlay:
            return IsSeat(v[0]) && IsValidCard(v[1]);
        case MoveKind::kTrick:
            return IsSeat(v[0]) && IsPictures(v[1]) && IsPictures(v[2]) &&
                   v[1] + v[2] <= kPictureCards;
        case MoveKind::kDeclare:
            return (v[0] == 0 || v[0] == 1) && (v[1] == 0 || v[1] == 1) &&
                   (v[2] == 0 || v[2] == 1) && (v[3] == 0 || IsSeed(v[3])) && v[4] >= 0 &&
                   v[4] <= 32767;
        case MoveKind::kResult:
            return v[0] == 1 || v[0] == 2;
    }
    return false;
}

// A step's name as the computer players write it: lower-case words joined by hyphens.
bool IsStepName(std::string_view name) {
    return !name.empty() && name.size() <= 48 && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || c == '-';
    });
}

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<GameMoves> Refuse(std::string* why, std::string reason) {
    if (why) *why = std::move(reason);
    return std::nullopt;
}

}  // namespace

int Move::Arity(MoveKind kind) {
    switch (kind) {
        case MoveKind::kRelated:
            return 0;
        case MoveKind::kDeal:
        case MoveKind::kRedeal:
        case MoveKind::kLeader:
        case MoveKind::kResult:
            return 1;
        case MoveKind::kGame:
        case MoveKind::kExchange:
        case MoveKind::kTrump:
        case MoveKind::kCall:
        case MoveKind::kPlay:
            return 2;
        case MoveKind::kShow:
        case MoveKind::kTrick:
            return 3;
        case MoveKind::kDeclare:
            return 5;
    }
    return 0;
}

bool GameMoves::Complete() const {
    return !moves.empty() && moves.back().kind == MoveKind::kResult && moves.back().v[0] == 1;
}

std::string MoveText(const Move& move) {
    std::string text(1, static_cast<char>(move.kind));
    for (int i = 0; i < Move::Arity(move.kind); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(move.v[i]);
    }
    if (!move.why.empty()) text += ',' + move.why;
    return text;
}

std::string EncodeMoves(const GameMoves& moves) {
    std::string text = "M" + std::to_string(kGameMovesFormat) + " g" + std::to_string(moves.game) +
                       " e" + std::to_string(moves.entry) + " s";
    for (int player : moves.seatPlayer) text += static_cast<char>('0' + player);
    for (const Move& move : moves.moves) {
        text += ' ';
        text += MoveText(move);
    }
    return text;
}

std::optional<GameMoves> DecodeMoves(std::string_view text, std::string* why) {
    std::vector<std::string_view> tokens;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end == at) return Refuse(why, "an empty place in the moves");
        tokens.push_back(text.substr(at, end - at));
        if (tokens.size() > kMaxMoves + 4) return Refuse(why, "too many moves");
        at = end + 1;
        if (end + 1 == text.size()) return Refuse(why, "the moves end in a space");
    }
    if (tokens.size() < 4) return Refuse(why, "the moves are cut short");
    if (tokens[0] != "M" + std::to_string(kGameMovesFormat)) {
        return Refuse(why, "the moves are of an unknown format");
    }
    GameMoves out;
    const auto header = [&](std::string_view token, char letter, int low, int high) {
        if (token.size() < 2 || token[0] != letter) return std::optional<int>();
        const auto n = Number(token.substr(1));
        return n && *n >= low && *n <= high ? n : std::nullopt;
    };
    const auto game = header(tokens[1], 'g', 1, 10);
    const auto entry = header(tokens[2], 'e', 0, kRosterSize - 1);
    if (!game || !entry) return Refuse(why, "the game or the character is out of range");
    out.game = *game;
    out.entry = *entry;
    const std::string_view seats = tokens[3];
    if (seats.size() != 1 + kSeats || seats[0] != 's') return Refuse(why, "the seating is damaged");
    unsigned seen = 0;
    for (int s = 0; s < kSeats; ++s) {
        const int player = seats[1 + s] - '0';
        if (!IsSeat(player) || (seen >> player & 1)) return Refuse(why, "the seating is damaged");
        seen |= 1u << player;
        out.seatPlayer[s] = player;
    }
    for (std::size_t t = 4; t < tokens.size(); ++t) {
        const std::string_view token = tokens[t];
        const std::string where = "move " + std::to_string(t - 3) + " (" + std::string(token) + ")";
        const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](MoveKind k) {
            return static_cast<char>(k) == token[0];
        });
        if (kind == std::end(kKinds)) return Refuse(why, where + " is of no known kind");
        Move move{*kind, {}};
        const int arity = Move::Arity(*kind);
        std::string_view rest = token.substr(1);
        if (*kind == MoveKind::kPlay) {
            // seat,card or seat,card,step
            const std::size_t first = rest.find(',');
            const std::size_t second =
                first == std::string_view::npos ? first : rest.find(',', first + 1);
            if (second != std::string_view::npos) {
                move.why = std::string(rest.substr(second + 1));
                if (!IsStepName(move.why)) return Refuse(why, where + " names no step");
                rest = rest.substr(0, second);
            }
        }
        for (int i = 0; i < arity; ++i) {
            const std::size_t comma = rest.find(',');
            const std::string_view part = rest.substr(0, comma);
            const auto value = Number(part);
            if (!value) return Refuse(why, where + " has a value that is no number");
            move.v[i] = *value;
            const bool last = i + 1 == arity;
            if (last != (comma == std::string_view::npos)) {
                return Refuse(why, where + " has the wrong number of values");
            }
            rest = last ? std::string_view() : rest.substr(comma + 1);
        }
        if (arity == 0 && !rest.empty()) return Refuse(why, where + " has values it cannot have");
        if (!ValuesInRange(move)) return Refuse(why, where + " has a value out of range");
        out.moves.push_back(move);
    }
    if (out.moves.empty() || out.moves.front().kind != MoveKind::kGame ||
        out.moves.front().v[0] != out.game) {
        return Refuse(why, "the moves do not begin with their game");
    }
    return out;
}

void CMoveRecorder::OnGameStart(int game, int trump) {
    m_moves = GameMoves{};
    m_moves.game = game;
    m_moves.entry = std::clamp(m_gs.m_entryNo, 0, kRosterSize - 1);
    m_moves.seatPlayer = m_gs.m_seatPlayer;
    m_open = true;
    Add(MoveKind::kGame, {game, trump});
}

void CMoveRecorder::Restore(GameMoves moves) {
    m_moves = std::move(moves);
    m_open = !m_moves.moves.empty() && !m_moves.Complete();
}

void CMoveRecorder::Add(MoveKind kind, std::initializer_list<int> values, const char* why) {
    if (!m_open || m_moves.moves.size() >= kMaxMoves) return;
    Move move{kind, {}, why ? why : ""};
    std::copy(values.begin(), values.end(), move.v.begin());
    m_moves.moves.push_back(move);
    if (kind == MoveKind::kResult && move.v[0] == 1) m_open = false;
}

}  // namespace quintrick
