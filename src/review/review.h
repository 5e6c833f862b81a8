// The review of a kept game: for each of the human's card plays, the value of every legal choice
// in final points of the game for the human, (a) from what the human could know, by the sampling
// search over the worlds consistent with what had been seen (a fixed seed per position, so the
// same game always gives the same review), and (b) with all cards seen, played out in the true
// hands. The loss of a play is the best value less the value of the card played; a play whose
// loss (from what could be known) passes the threshold is a mistake.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/game_moves.h"
#include "players/sample_search.h"

namespace quintrick {

// The format number of a review's text form; a cached review of another format is made again.
inline constexpr int kReviewFormat = 1;
// Points a play may lose against the best choice before it counts as a mistake. A battle is worth
// a few points to one player (about 2 to 6 without a declaration), so three quarters of a point
// is a battle lost in about one world of five.
inline constexpr double kMistakeThreshold = 0.75;

struct ReviewSettings {
    int samples = kDefaultSamples;
    double threshold = kMistakeThreshold;
    bool operator==(const ReviewSettings&) const = default;
};

struct ChoiceValue {
    CardId card = kNoCard;
    int suit = -1;     // the called suit of a led joker, else -1
    double known = 0;  // from what the human could know
    double seen = 0;   // with all cards seen
    bool operator==(const ChoiceValue&) const = default;
};

struct DecisionReview {
    int move = 0;    // index of the play in the game's moves
    int battle = 0;  // 1..3
    int trick = 0;   // 1..10 within the battle
    CardId card = kNoCard;
    int suit = -1;
    std::vector<ChoiceValue> choices;  // in hand order; one entry: nothing to choose
    int chosen = 0;                    // the index of the card played in choices
    double lossKnown = 0;
    double lossSeen = 0;
    bool mistake = false;
    bool operator==(const DecisionReview&) const = default;
};

struct GameReview {
    int game = 0;
    ReviewSettings settings;
    std::vector<DecisionReview> decisions;
    double lossKnown = 0;  // the sum of the plays' losses from what could be known
    double lossSeen = 0;   // ... and with all cards seen
    int mistakes = 0;
    std::array<int, kSeats> points{};  // the game's points by player, as the replay reached them
    bool operator==(const GameReview&) const = default;
};

// Told how far the review has come (plays done, plays in all); returns false to stop it.
using ReviewProgress = std::function<bool(int done, int total)>;

// Reviews a whole kept game; std::nullopt with the reason when its moves do not replay (or, with
// `why` set to "cancelled", when the progress function stopped it).
std::optional<GameReview> ReviewGame(const GameMoves& moves, const ReviewSettings& settings,
                                     std::string* why = nullptr,
                                     const ReviewProgress& progress = {});

// The points lost in the plays that count as mistakes (from what could be known).
double MistakeLoss(const GameReview& review);

// The review as a text table (one line a play) with a summary line, for the command line.
std::string FormatReview(const GameReview& review);
// A card as text: "J" for the joker, else rank and suit letter ("10h", "As").
std::string CardText(CardId card);

// A review's text form for the cache, and reading it back (std::nullopt when damaged).
std::string EncodeReview(const GameReview& review);
std::optional<GameReview> DecodeReview(const std::string& text);

}  // namespace quintrick
