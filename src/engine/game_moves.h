// A game kept move by move: the events of one game in the order the engine reported them, from
// its start to its result, with the seating it began with. The deals are kept by their seeds (the
// engine's deal depends on the seed alone) and every decision by what was decided, so the game can
// be played again exactly. The text form is compact and checked whole when read: a damaged one is
// refused with the reason, never half read.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards.h"
#include "game_state.h"
#include "observer.h"

namespace quintrick {

// The format number written at the head of the text.
inline constexpr int kGameMovesFormat = 1;

enum class MoveKind : char {
    kGame = 'G',      // game, trump
    kDeal = 'D',      // seed
    kRedeal = 'R',    // seed of the deal given up
    kExchange = 'X',  // seat a, seat b
    kRelated = 'K',   // (the kan holders are fixed)
    kLeader = 'L',    // seat
    kShow = 'S',      // seat, first card, second card
    kTrump = 'T',     // seat, suit
    kCall = 'C',      // seat, suit (the joker's called suit)
    kPlay = 'P',      // seat, card (and the name of the computer's step that chose it)
    kTrick = 'W',     // winner, related pictures, unrelated pictures
    kDeclare = 'Q',   // kind (0 "16", 1 reverse), by a computer (0/1), answer (0/1), seed, draw
    kResult = 'E',    // result (1 game over, 2 next battle)
};

struct Move {
    MoveKind kind = MoveKind::kGame;
    std::array<int, 5> v{};  // the values, as many as the kind has
    std::string why{};       // a computer's play: the step of its order that chose the card

    bool operator==(const Move&) const = default;
    // The number of values a kind carries.
    static int Arity(MoveKind kind);
};

struct GameMoves {
    int game = 0;                          // 1..10
    int entry = 0;                         // the human's character
    std::array<int, kSeats> seatPlayer{};  // the player at each seat when the game began
    std::vector<Move> moves;               // from the game's start to its result
    // True once the game's result has been recorded.
    bool Complete() const;
};

// The text form: "M1 g3 e7 s01234" then one token per move, a kind letter and its values joined
// by commas ("P2,17"); a computer's play adds the name of its step ("P2,17,take-trick").
std::string EncodeMoves(const GameMoves& moves);
// Reads the text form; std::nullopt with the reason when anything in it is out of place.
std::optional<GameMoves> DecodeMoves(std::string_view text, std::string* why = nullptr);
// One move as its token, for messages ("P2,17").
std::string MoveText(const Move& move);

// Keeps the moves of the game in progress from the events of the engine and the computer players.
class CMoveRecorder : public IGameObserver {
  public:
    explicit CMoveRecorder(const GameState& gs) : m_gs(gs) {}

    const GameMoves& Moves() const { return m_moves; }
    // Takes up the moves of a game in progress (a saved match, a take-back).
    void Restore(GameMoves moves);

    void OnGameStart(int game, int trump) override;
    void OnDeal(int seed) override { Add(MoveKind::kDeal, {seed}); }
    void OnRedeal(int seed) override { Add(MoveKind::kRedeal, {seed}); }
    void OnExchange(int a, int b) override { Add(MoveKind::kExchange, {a, b}); }
    void OnRelated() override { Add(MoveKind::kRelated, {}); }
    void OnLeader(int seat) override { Add(MoveKind::kLeader, {seat}); }
    void OnShow(int seat, CardId first, CardId second) override {
        Add(MoveKind::kShow, {seat, first, second});
    }
    void OnTrump(int seat, int suit) override { Add(MoveKind::kTrump, {seat, suit}); }
    void OnCall(int seat, int suit) override { Add(MoveKind::kCall, {seat, suit}); }
    void OnPlay(int seat, CardId card, const char* why) override {
        Add(MoveKind::kPlay, {seat, card}, why);
    }
    void OnTrick(int winner, int related, int unrelated) override {
        Add(MoveKind::kTrick, {winner, related, unrelated});
    }
    void OnDeclare(int kind, bool byComputer, bool answer, int seed, int draw) override {
        Add(MoveKind::kDeclare, {kind, byComputer ? 1 : 0, answer ? 1 : 0, seed, draw});
    }
    void OnResult(int result) override { Add(MoveKind::kResult, {result}); }

  private:
    void Add(MoveKind kind, std::initializer_list<int> values, const char* why = "");

    const GameState& m_gs;
    GameMoves m_moves;
    bool m_open = false;  // between a game's start and its result
};

}  // namespace quintrick
