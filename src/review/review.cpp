#include "review.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>

#include "players/play_log.h"
#include "replay.h"

namespace quintrick {
namespace {

// One of the human's card plays as the replay reached it: the state and what had been seen.
struct Position {
    Position(const GameState& state, const CPlayLog& seen, int at)
        : gs(state), log(gs, seen), move(at) {}
    GameState gs;
    CPlayLog log;
    int move;
};

// The seed of the search at a position: the moves that led there, so the same game always gives
// the same review.
std::uint64_t PositionSeed(const GameMoves& moves, int upTo) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    const auto mix = [&h](std::uint64_t v) {
        h ^= v;
        h *= 0x100000001B3ull;
    };
    mix(static_cast<std::uint64_t>(moves.game));
    for (int i = 0; i < upTo && i < static_cast<int>(moves.moves.size()); ++i) {
        const Move& m = moves.moves[i];
        mix(static_cast<unsigned char>(m.kind));
        for (int v : m.v) mix(static_cast<std::uint32_t>(v));
    }
    return SampleRng(h).Next();
}

DecisionReview Review(const Position& p, const GameMoves& moves, const ReviewSettings& settings) {
    DecisionReview d;
    d.move = p.move;
    d.battle = p.gs.m_battle;
    d.trick = kHandSize + 1 - p.gs.m_handCount[kHumanSeat];
    d.card = moves.moves[p.move].v[1];
    if (p.move > 0 && moves.moves[p.move - 1].kind == MoveKind::kCall) {
        d.suit = moves.moves[p.move - 1].v[1];
    }
    const SearchResult known =
        SearchCard(p.gs, p.log, kHumanSeat, settings.samples, PositionSeed(moves, p.move));
    const SearchResult seen = SearchCardSeeingAll(p.gs, kHumanSeat);
    for (std::size_t i = 0; i < known.options.size(); ++i) {
        const SearchOption& option = known.options[i];
        ChoiceValue choice;
        choice.card = p.gs.m_hand[kHumanSeat][option.pos];
        choice.suit = option.suit;
        choice.known = option.points;
        choice.seen = i < seen.options.size() ? seen.options[i].points : 0;
        if (choice.card == d.card && (choice.suit < 0 || choice.suit == d.suit)) {
            d.chosen = static_cast<int>(i);
        }
        d.choices.push_back(choice);
    }
    if (d.choices.size() > 1) {
        double bestKnown = d.choices.front().known;
        double bestSeen = d.choices.front().seen;
        for (const ChoiceValue& c : d.choices) {
            bestKnown = std::max(bestKnown, c.known);
            bestSeen = std::max(bestSeen, c.seen);
        }
        d.lossKnown = bestKnown - d.choices[d.chosen].known;
        d.lossSeen = bestSeen - d.choices[d.chosen].seen;
        d.mistake = d.lossKnown > settings.threshold;
    }
    return d;
}

void Total(GameReview& review) {
    review.lossKnown = review.lossSeen = 0;
    review.mistakes = 0;
    for (const DecisionReview& d : review.decisions) {
        review.lossKnown += d.lossKnown;
        review.lossSeen += d.lossSeen;
        review.mistakes += d.mistake ? 1 : 0;
    }
}

std::string Fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

}  // namespace

std::string CardText(CardId card) {
    if (card == kJoker) return "Jo";
    if (!IsValidCard(card)) return "?";
    static constexpr const char* kRanks[13] = {"2", "3",  "4", "5", "6", "7", "8",
                                               "9", "10", "J", "Q", "K", "A"};
    static constexpr char kSuitLetters[4] = {'c', 'd', 'h', 's'};
    return std::string(kRanks[Slot(card)]) + kSuitLetters[SuitOf(card)];
}

double MistakeLoss(const GameReview& review) {
    double loss = 0;
    for (const DecisionReview& d : review.decisions) loss += d.mistake ? d.lossKnown : 0;
    return loss;
}

std::optional<GameReview> ReviewGame(const GameMoves& moves, const ReviewSettings& settings,
                                     std::string* why, const ReviewProgress& progress) {
    std::vector<std::unique_ptr<Position>> positions;
    CGameReplay replay(moves);
    replay.m_onHumanCard = [&positions](const GameState& gs, const CPlayLog& log, int move) {
        positions.push_back(std::make_unique<Position>(gs, log, move));
    };
    if (!replay.Run(true, why)) return std::nullopt;
    GameReview review;
    review.game = moves.game;
    review.settings = settings;
    review.points = replay.Points();
    const int total = static_cast<int>(positions.size());
    for (int i = 0; i < total; ++i) {
        if (progress && !progress(i, total)) {
            if (why) *why = "cancelled";
            return std::nullopt;
        }
        review.decisions.push_back(Review(*positions[i], moves, settings));
    }
    if (progress) progress(total, total);
    Total(review);
    return review;
}

std::string FormatReview(const GameReview& review) {
    std::ostringstream out;
    out << "game " << review.game << ": " << review.decisions.size() << " plays, "
        << review.mistakes << " mistakes; points lost to mistakes: " << Fixed(MistakeLoss(review))
        << "; lost in all (from what could be known): " << Fixed(review.lossKnown)
        << ", with all cards seen: " << Fixed(review.lossSeen) << '\n';
    out << "battle.trick  played  best   loss  seen-loss  choices (card known/seen)\n";
    for (const DecisionReview& d : review.decisions) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < d.choices.size(); ++i) {
            if (d.choices[i].known > d.choices[best].known) best = i;
        }
        char head[96];
        std::snprintf(head, sizeof head, "%d.%-2d          %-6s  %-5s %5s  %9s %s ", d.battle,
                      d.trick, CardText(d.card).c_str(), CardText(d.choices[best].card).c_str(),
                      Fixed(d.lossKnown).c_str(), Fixed(d.lossSeen).c_str(), d.mistake ? "*" : " ");
        out << head;
        if (d.choices.size() == 1) out << " (only card)";
        for (const ChoiceValue& c : d.choices) {
            if (d.choices.size() == 1) break;
            out << ' ' << CardText(c.card);
            if (c.suit >= 0) out << '>' << "cdhs"[c.suit];
            out << ' ' << Fixed(c.known) << '/' << Fixed(c.seen);
        }
        out << '\n';
    }
    return out.str();
}

std::string EncodeReview(const GameReview& review) {
    std::ostringstream out;
    out.precision(17);
    out << "R" << kReviewFormat << ' ' << review.game << ' ' << review.settings.samples << ' '
        << review.settings.threshold << ' ' << review.decisions.size();
    for (int p : review.points) out << ' ' << p;
    for (const DecisionReview& d : review.decisions) {
        out << '\n'
            << d.move << ' ' << d.battle << ' ' << d.trick << ' ' << d.card << ' ' << d.suit << ' '
            << d.chosen << ' ' << (d.mistake ? 1 : 0) << ' ' << d.lossKnown << ' ' << d.lossSeen
            << ' ' << d.choices.size();
        for (const ChoiceValue& c : d.choices) {
            out << ' ' << c.card << ' ' << c.suit << ' ' << c.known << ' ' << c.seen;
        }
    }
    return out.str();
}

std::optional<GameReview> DecodeReview(const std::string& text) {
    std::istringstream in(text);
    std::string format;
    GameReview review;
    std::size_t count = 0;
    if (!(in >> format) || format != "R" + std::to_string(kReviewFormat)) return std::nullopt;
    if (!(in >> review.game >> review.settings.samples >> review.settings.threshold >> count) ||
        count > 40) {
        return std::nullopt;
    }
    for (int& p : review.points) {
        if (!(in >> p)) return std::nullopt;
    }
    for (std::size_t i = 0; i < count; ++i) {
        DecisionReview d;
        int mistake = 0;
        std::size_t choices = 0;
        if (!(in >> d.move >> d.battle >> d.trick >> d.card >> d.suit >> d.chosen >> mistake >>
              d.lossKnown >> d.lossSeen >> choices) ||
            choices < 1 || choices > 16 || d.chosen < 0 || d.chosen >= static_cast<int>(choices)) {
            return std::nullopt;
        }
        d.mistake = mistake != 0;
        for (std::size_t c = 0; c < choices; ++c) {
            ChoiceValue v;
            if (!(in >> v.card >> v.suit >> v.known >> v.seen) || !IsValidCard(v.card)) {
                return std::nullopt;
            }
            d.choices.push_back(v);
        }
        if (!IsValidCard(d.card)) return std::nullopt;
        review.decisions.push_back(std::move(d));
    }
    std::string rest;
    if (in >> rest) return std::nullopt;
    Total(review);
    return review;
}

}  // namespace quintrick
