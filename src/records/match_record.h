// One match as the records keep it: who sat where, the points, the human's rank and each game.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace quintrick {

inline constexpr int kRecordPlayers = 5;  // players 0..3 the computers, 4 the human

struct GameRecord {
    int game = 0;   // 1..10
    int trump = 0;  // the trump suit of battle 1 (0 clubs .. 3 spades)
    int battles = 0;
    int jokerSeat = -1, aceSeat = -1;      // the related group's seats (after the exchange)
    int jokerPlayer = -1, acePlayer = -1;  // the players on those seats
    bool relatedWon = false;               // the group that won the game's last battle
    int sweeps = 0;                        // related sweeps (スコン)
    int reverseSweeps = 0;                 // unrelated sweeps (逆スコン)
    int sixteenDeclared = 0, sixteenMade = 0;
    int reverseDeclared = 0, reverseMade = 0;
    std::array<int, kRecordPlayers> points{};    // by player
    std::array<int, kRecordPlayers> pictures{};  // picture cards taken, by player
    std::string moves;  // the game move by move (engine/game_moves.h); empty when not kept
};

struct MatchRecord {
    std::string started;  // local time "YYYY-MM-DD HH:MM:SS"
    std::string ended;
    bool finished = false;                        // false: abandoned
    std::array<int, kRecordPlayers> character{};  // roster index of each player
    std::array<int, kRecordPlayers> seat{};       // each player's seat when the match began
    std::array<int, kRecordPlayers> points{};     // final points (sum of the games recorded)
    int rank = 0;                                 // the human's rank 1..5, ties share the better
    int stonesCredited = 0;                       // the human's match total credited as stones
    int stonesAccount = 0;  // the human's stones after the credit; -1 when none were credited
    int takeBacks = 0;      // moves the human took back during the match
    std::vector<GameRecord> games;  // the games that came to an end
};

// The rank of `player` among the points: 1 + the number of players with more points.
int RankOf(const std::array<int, kRecordPlayers>& points, int player);

}  // namespace quintrick
