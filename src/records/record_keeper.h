// Turns the events of a match into its record: an observer of the engine and the computer
// players that hands every finished or abandoned match to a sink. No Qt here: the game and the
// headless runner share it.
#pragma once

#include <functional>
#include <string>

#include "engine/game_moves.h"
#include "engine/game_state.h"
#include "engine/observer.h"
#include "keeper_state.h"
#include "match_record.h"

namespace quintrick {

// Where the records go (the database in the game and in the runner).
class IRecordSink {
  public:
    virtual ~IRecordSink() = default;
    virtual void Store(const MatchRecord& match) = 0;
};

class RecordKeeper : public IGameObserver {
  public:
    // `now` gives the local time as "YYYY-MM-DD HH:MM:SS" (the system clock when empty).
    RecordKeeper(const GameState& gs, IRecordSink& sink, std::function<std::string()> now = {});

    // Hands the match in progress to the sink as abandoned (nothing when no match runs).
    void Abandon();
    bool MatchRunning() const { return m_running; }
    // What is kept of the match in progress (saved with the match); nullopt when none runs.
    std::optional<KeeperState> State() const;
    // Takes up a match in progress as it was kept (a saved match taken up again).
    void Restore(const KeeperState& state);

    // How often the human took a move back in the match in progress; a match with any is kept
    // as played with take-backs.
    int TakeBacks() const { return m_match.takeBacks; }
    void SetTakeBacks(int count) { m_match.takeBacks = count; }

    void OnGameStart(int game, int trump) override;
    void OnRelated() override;
    void OnTrick(int winner, int related, int unrelated) override;
    void OnDeclare(int kind, bool byComputer, bool answer, int seed, int draw) override;
    void OnResult(int result) override;
    void OnStones(int player, int character, int delta, int stored) override;
    // The other events only go into the game's moves.
    void OnDeal(int seed) override { m_moves.OnDeal(seed); }
    void OnRedeal(int seed) override { m_moves.OnRedeal(seed); }
    void OnExchange(int a, int b) override { m_moves.OnExchange(a, b); }
    void OnLeader(int seat) override { m_moves.OnLeader(seat); }
    void OnShow(int seat, CardId first, CardId second) override {
        m_moves.OnShow(seat, first, second);
    }
    void OnTrump(int seat, int suit) override { m_moves.OnTrump(seat, suit); }
    void OnCall(int seat, int suit) override { m_moves.OnCall(seat, suit); }
    void OnPlay(int seat, CardId card, const char* why) override {
        m_moves.OnPlay(seat, card, why);
    }

    // The local time of the system clock, "YYYY-MM-DD HH:MM:SS".
    static std::string LocalNow();

  private:
    void Finish(bool finished);
    std::string KeptMoves() const;

    const GameState& m_gs;
    IRecordSink& m_sink;
    std::function<std::string()> m_now;
    MatchRecord m_match;
    GameRecord m_game;
    CMoveRecorder m_moves;  // the moves of the game in progress
    bool m_running = false;
    bool m_gameRunning = false;
    int m_declared = 0;  // 0 none, 1 "16", 2 reverse 16 in force in this battle
    int m_lastRelated = 0, m_lastUnrelated = 0;
    int m_stonesSeen = 0;
};

}  // namespace quintrick
