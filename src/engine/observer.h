// Events of a match, reported as they happen (the match runner writes them as its trace).
// Every operation does nothing by default.
#pragma once

#include <array>

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
    virtual void OnPlay(int /*seat*/, CardId /*card*/) {}
    virtual void OnTrick(int /*winner*/, int /*related*/, int /*unrelated*/) {}
    // kind 0 "sixteen", 1 "reverse"; seed and draw only for a computer's decision.
    virtual void OnDeclare(int /*kind*/, bool /*byComputer*/, bool /*answer*/, int /*seed*/,
                           int /*draw*/) {}
    virtual void OnResult(int /*result*/) {}
    virtual void OnStones(int /*player*/, int /*character*/, int /*delta*/, int /*stored*/) {}
};

}  // namespace quintrick
