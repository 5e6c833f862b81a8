// Events of a match, reported as they happen (the match runner writes them as its trace).
// Every operation does nothing by default.
#pragma once

#include <array>
#include <vector>

#include "cards.h"

namespace quintrick {

class IGameObserver {
  public:
    virtual ~IGameObserver() = default;
    virtual void OnGameStart(int /*game*/, int /*trump*/) {}
    virtual void OnDeal(int /*seed*/) {}
    virtual void OnRedeal(int /*seed*/) {}
    virtual void OnExchange(int /*a*/, int /*b*/) {}
    virtual void OnRelated() {}
    virtual void OnLeader(int /*seat*/) {}
    virtual void OnShow(int /*seat*/, CardId /*first*/, CardId /*second*/) {}
    virtual void OnTrump(int /*seat*/, int /*suit*/) {}
    virtual void OnCall(int /*seat*/, int /*suit*/) {}
    // `why`: the name of the step that chose a computer's card (see the decisions), "" for the
    // human's card.
    virtual void OnPlay(int /*seat*/, CardId /*card*/, const char* /*why*/) {}
    virtual void OnTrick(int /*winner*/, int /*related*/, int /*unrelated*/) {}
    // kind 0 "sixteen", 1 "reverse"; seed and draw only for a computer's decision.
    virtual void OnDeclare(int /*kind*/, bool /*byComputer*/, bool /*answer*/, int /*seed*/,
                           int /*draw*/) {}
    // How a battle ended, as the string of its message (the group that won and how).
    virtual void OnOutcome(int /*stringId*/) {}
    virtual void OnResult(int /*result*/) {}
    virtual void OnStones(int /*player*/, int /*character*/, int /*delta*/, int /*stored*/) {}
};

// Passes every event on to several observers, in the order they were added.
class CObserverList final : public IGameObserver {
  public:
    void Add(IGameObserver* observer) {
        if (observer) m_list.push_back(observer);
    }
    void Clear() { m_list.clear(); }

    void OnGameStart(int game, int trump) override {
        Each(&IGameObserver::OnGameStart, game, trump);
    }
    void OnDeal(int seed) override { Each(&IGameObserver::OnDeal, seed); }
    void OnRedeal(int seed) override { Each(&IGameObserver::OnRedeal, seed); }
    void OnExchange(int a, int b) override { Each(&IGameObserver::OnExchange, a, b); }
    void OnRelated() override { Each(&IGameObserver::OnRelated); }
    void OnLeader(int seat) override { Each(&IGameObserver::OnLeader, seat); }
    void OnShow(int seat, CardId first, CardId second) override {
        Each(&IGameObserver::OnShow, seat, first, second);
    }
    void OnTrump(int seat, int suit) override { Each(&IGameObserver::OnTrump, seat, suit); }
    void OnCall(int seat, int suit) override { Each(&IGameObserver::OnCall, seat, suit); }
    void OnPlay(int seat, CardId card, const char* why) override {
        Each(&IGameObserver::OnPlay, seat, card, why);
    }
    void OnTrick(int winner, int related, int unrelated) override {
        Each(&IGameObserver::OnTrick, winner, related, unrelated);
    }
    void OnDeclare(int kind, bool byComputer, bool answer, int seed, int draw) override {
        Each(&IGameObserver::OnDeclare, kind, byComputer, answer, seed, draw);
    }
    void OnOutcome(int stringId) override { Each(&IGameObserver::OnOutcome, stringId); }
    void OnResult(int result) override { Each(&IGameObserver::OnResult, result); }
    void OnStones(int player, int character, int delta, int stored) override {
        Each(&IGameObserver::OnStones, player, character, delta, stored);
    }

  private:
    template <typename... Params, typename... Args>
    void Each(void (IGameObserver::*event)(Params...), Args... args) {
        for (IGameObserver* observer : m_list) (observer->*event)(args...);
    }
    std::vector<IGameObserver*> m_list;
};

}  // namespace quintrick
