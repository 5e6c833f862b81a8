// Which card a computer seat follows or leads with.
#include "engine/trick_rules.h"
#include "fuda_dashi.h"

namespace quintrick {

CFudaDashi::CFudaDashi(GameState& gs, const SettingCopies& settings, IHost& host)
    : m_gs(gs), m_set(settings), m_host(host) {}

// The lowest position at or after the joker (which is skipped) whose card satisfies `pred`,
// or -1.
template <typename Pred>
int CFudaDashi::First(Pred pred) const {
    for (int i = HoldsJoker() ? 1 : 0; i < Count(); ++i) {
        if (pred(At(i))) return i;
    }
    return -1;
}

bool CFudaDashi::IsTopCard(CardId card) const {
    if (card == kJoker || Slot(card) == kAce) return true;
    for (int slot = Slot(card) + 1; slot <= kAce; ++slot) {
        if (m_gs.m_cardPlayed[MakeCard(SuitOf(card), slot)] == 0) return false;
    }
    return true;
}

int CFudaDashi::CountSuit(int suit) const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) n += At(i) != kJoker && SuitOf(At(i)) == suit;
    return n;
}

int CFudaDashi::CountLowOfSuit(int suit) const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) {
        n += At(i) != kJoker && SuitOf(At(i)) == suit && IsLow(At(i));
    }
    return n;
}

int CFudaDashi::PicturesOnField() const {
    int n = 0;
    for (CardId card : m_gs.m_field) n += card != kNoCard && IsPicture(card);
    return n;
}

bool CFudaDashi::IsLastToPlay() const {
    return m_gs.m_turn == (m_gs.m_leader + 4) % 5;
}

bool CFudaDashi::NoOpponentAfter() const {
    const int next = NextSeat(m_gs.m_turn);
    for (CardId card : m_gs.m_field) {
        if (card == kJoker) return true;
    }
    if (m_gs.m_field[next] != kNoCard) return true;
    return m_gs.FieldCount() >= 3 && !m_gs.IsRelated(m_gs.m_turn) && !m_gs.IsRelated(next);
}

bool CFudaDashi::PartnerCalledAceOnField() const {
    const CardId ace = AceOf(m_gs.m_calledSuit);
    for (int seat = 0; seat < kSeats; ++seat) {
        if (m_gs.m_field[seat] == ace) return m_gs.SameGroup(seat, m_gs.m_turn);
    }
    return false;
}

int CFudaDashi::OpponentWinningRank() {
    return quintrick::OpponentWinningRank(m_gs);
}

bool CFudaDashi::ShouldPlayJoker(int w) const {
    const int n = Count();
    const int p = PicturesOnField();
    const int called = m_gs.m_calledSuit;
    if (n == 10) return false;
    if (n == 2) return true;
    if (w == 0) return false;
    if (p > 2) return true;
    const int need = m_gs.IsRelated(m_gs.m_turn) ? m_gs.m_relatedNeed : m_gs.m_unrelatedNeed;
    if (p > 0 && p >= need) return true;
    if (CountSuit(called) == 0 && CountSuit(m_gs.m_trump) > 0) {
        if (p == 0) return false;
        if (n < 2) return true;
        for (int i = 1; i < n; ++i) {
            if (SuitOf(At(i)) == m_gs.m_trump && CardStrength(m_gs, At(i)) > w) return false;
        }
        return true;
    }
    if (CountSuit(called) > 0 && CountLowOfSuit(called) == 0) {
        for (int i = 1; i < n; ++i) {
            if (IsPicture(At(i)) && SuitOf(At(i)) == called) return At(i) + 100 < w;
        }
    }
    // From this many cards in hand two pictures on the field are needed, below it one.
    static constexpr int kTwoPicturesFrom[4] = {5, 4, 6, 7};
    return p >= (n >= kTwoPicturesFrom[Player()] ? 2 : 1);
}

int CFudaDashi::TakeTrick(int w) const {
    const int called = m_gs.m_calledSuit;
    const int trump = m_gs.m_trump;
    if (CountSuit(called) > 0) {
        int pos =
            First([&](CardId c) { return SuitOf(c) == called && IsPicture(c) && c + 100 > w; });
        if (pos < 0) pos = First([&](CardId c) { return SuitOf(c) == called; });
        return pos;
    }
    int pos = -1;
    if (called != trump && PicturesOnField() > 0) {
        pos = First([&](CardId c) { return SuitOf(c) == trump && CardStrength(m_gs, c) > w; });
    }
    if (pos < 0) pos = First([](CardId c) { return IsLow(c); });
    for (int slot = kJack; pos < 0 && slot <= kAce; ++slot) {
        pos = First([slot](CardId c) { return Slot(c) == slot; });
    }
    return pos < 0 ? 0 : pos;
}

int CFudaDashi::FeedPartner() const {
    const int called = m_gs.m_calledSuit;
    const int trump = m_gs.m_trump;
    if (CountSuit(called) > 0) {
        int pos = First([&](CardId c) { return c == MakeCard(called, kJack); });
        if (pos < 0) pos = First([&](CardId c) { return c == MakeCard(called, kQueen); });
        if (pos < 0) pos = First([&](CardId c) { return SuitOf(c) == called; });
        return pos;
    }
    auto nonTrumpSlot = [&](int slot) {
        return First([&](CardId c) { return SuitOf(c) != trump && Slot(c) == slot; });
    };
    int pos = nonTrumpSlot(kJack);
    if (pos < 0) pos = nonTrumpSlot(kQueen);
    if (pos < 0) pos = First([&](CardId c) { return SuitOf(c) != trump && IsLow(c); });
    if (pos < 0) pos = nonTrumpSlot(kKing);
    if (pos < 0) pos = nonTrumpSlot(kAce);
    return pos < 0 ? 0 : pos;
}

int CFudaDashi::Legal(int pos) const {
    const int seat = m_gs.m_turn;
    if (pos >= 0 && pos < Count() && IsLegalPlay(m_gs, seat, At(pos)) == Rule::kNone) return pos;
    // The step lists may name a card the rules forbid (the joker in trick 1 when a void seat
    // feeds its partner with nothing but trumps besides it): the lowest allowed card is played.
    return FirstLegalPosition(m_gs, seat);
}

int CFudaDashi::ChooseFollowCard() {
    return Legal(FollowStep(OpponentWinningRank()));
}

int CFudaDashi::FollowStep(int w) {
    const int n = Count();
    const int called = m_gs.m_calledSuit;
    const int trump = m_gs.m_trump;
    const int c = CountSuit(called);
    if (HoldsJoker() && ShouldPlayJoker(w)) return 0;
    if (n == 1) return 0;
    if (IsLastToPlay() && w == 0 && c == 0) {
        const int pos = First([&](CardId x) {
            return SuitOf(x) != trump && (Slot(x) == kJack || Slot(x) == kQueen);
        });
        if (pos >= 0) return pos;
    }
    if (n == 2) {
        for (int seat = 0; seat < kSeats; ++seat) {
            if (m_gs.SameGroup(seat, m_gs.m_turn) || m_gs.m_handCount[seat] == 0 ||
                m_gs.m_hand[seat][0] != kJoker) {
                continue;
            }
            if (IsPicture(At(0)) != IsPicture(At(1))) {
                const int other = IsPicture(At(0)) ? 1 : 0;
                if (SuitOf(At(other)) == called || c == 0) return other;
            }
            break;
        }
    }
    if (NoOpponentAfter()) return w != 0 ? TakeTrick(w) : FeedPartner();
    const bool partnerAce = PartnerCalledAceOnField();
    if (c > 0) {
        int pos = -1;
        if (partnerAce) {
            pos = First([&](CardId x) {
                return SuitOf(x) == called && (Slot(x) == kJack || Slot(x) == kQueen);
            });
        }
        if (pos < 0) pos = First([&](CardId x) { return x == AceOf(called); });
        if (pos < 0) pos = First([&](CardId x) { return SuitOf(x) == called; });
        return pos;
    }
    int pos = -1;
    if (partnerAce) {
        pos = First([&](CardId x) {
            return SuitOf(x) != trump && (Slot(x) == kJack || Slot(x) == kQueen);
        });
    }
    if (pos < 0 && w == 0) pos = First([&](CardId x) { return SuitOf(x) != trump && IsLow(x); });
    if (pos < 0 && w != 0 && called != trump && PicturesOnField() > 0) {
        pos = First([&](CardId x) { return SuitOf(x) == trump && CardStrength(m_gs, x) > w; });
    }
    if (pos < 0) pos = First([](CardId x) { return IsLow(x); });
    for (int slot = kJack; pos < 0 && slot <= kAce; ++slot) {
        pos = First([slot](CardId x) { return Slot(x) == slot; });
    }
    if (pos < 0) pos = n == 1 ? 0 : 1;
    return pos;
}

int CFudaDashi::LeadChoice(int& jokerSuit) const {
    jokerSuit = -1;
    if (Count() == 1) return 0;
    if (HoldsJoker()) {
        jokerSuit = JokerLeadSuit();
        if (jokerSuit >= 0) return 0;
    }
    return Legal(LeadByPlayer());
}

int CFudaDashi::ChooseLeadCard() {
    int jokerSuit;
    const int pos = LeadChoice(jokerSuit);
    if (jokerSuit >= 0) CallSuit(jokerSuit);
    return pos;
}

int CFudaDashi::LeadByPlayer() const {
    const int trump = m_gs.m_trump;
    auto isTrump = [trump](CardId c) { return SuitOf(c) == trump; };
    auto top = [this](CardId c) { return IsTopCard(c); };
    auto low = [](CardId c) { return IsLow(c); };
    // Each lead order is a list of conditions tried in turn; the fallback is position 1.
    auto firstOf = [this](auto... steps) {
        int pos = -1;
        ((pos < 0 ? (pos = First(steps)) : pos), ...);
        return pos < 0 ? 1 : pos;
    };
    switch (Player()) {
        case 0:  // Raven: non-trump top cards, then non-trump low cards
            return firstOf([&](CardId c) { return !isTrump(c) && top(c); },
                           [&](CardId c) { return !isTrump(c) && low(c); },
                           [&](CardId c) { return !isTrump(c); });
        case 1:  // Shrike: trumps first (top, then low), then aces
            return firstOf([&](CardId c) { return isTrump(c) && top(c); },
                           [&](CardId c) { return isTrump(c) && low(c); },
                           [](CardId c) { return Slot(c) == kAce; }, top, low);
        case 2:  // Magpie: top cards, then low cards
            return firstOf(top, low);
        default:  // Heron: non-trump low, non-trump top, then low trumps
            return firstOf([&](CardId c) { return !isTrump(c) && low(c); },
                           [&](CardId c) { return !isTrump(c) && top(c); },
                           [&](CardId c) { return isTrump(c) && low(c); });
    }
}

}  // namespace quintrick
