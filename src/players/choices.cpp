// Which card a computer seat follows or leads with.
#include "engine/trick_rules.h"
#include "fuda_dashi.h"

namespace quintrick {

CFudaDashi::CFudaDashi(GameState& gs, IHost& host) : m_gs(gs), m_host(host) {}

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

CardChoice CFudaDashi::Legal(CardChoice choice) const {
    const int seat = m_gs.m_turn;
    const int pos = choice.pos;
    if (pos >= 0 && pos < Count() && IsLegalPlay(m_gs, seat, At(pos)) == Rule::kNone) return choice;
    // The step lists may name a card the rules forbid (the joker in trick 1 when a void seat
    // feeds its partner with nothing but trumps besides it): the lowest allowed card is played.
    return {FirstLegalPosition(m_gs, seat), -1, "lowest-legal"};
}

namespace {

// The follow order: the first step that names a card chooses it.
struct NamedFollowStep {
    const char* why;
    CFudaDashi::FollowStep step;
};
constexpr NamedFollowStep kFollowOrder[] = {
    // The joker when the trick is worth it.
    {"joker", &CFudaDashi::PlayJoker},
    {"only-card", &CFudaDashi::OnlyCard},
    // Last to play, nothing to beat and void: a non-trump jack or queen to the own group.
    {"last-gives-jack-or-queen", &CFudaDashi::LastGivesJackOrQueen},
    // Two cards left while an opponent still holds the joker.
    {"beside-opponents-joker", &CFudaDashi::BesideOpponentsJoker},
    // Nobody of the other group plays after this seat.
    {"take-trick", &CFudaDashi::TakeTheTrick},
    {"feed-partner", &CFudaDashi::FeedThePartner},
    // Holding the called suit.
    {"jack-or-queen-on-partners-ace", &CFudaDashi::JackOrQueenOnPartnersAce},
    {"ace-of-suit", &CFudaDashi::AceOfTheSuit},
    {"lowest-of-suit", &CFudaDashi::LowestOfTheSuit},
    // Void in the called suit.
    {"discard-jack-or-queen-on-partners-ace", &CFudaDashi::DiscardJackOrQueenOnPartnersAce},
    {"low-non-trump", &CFudaDashi::LowNonTrump},
    {"trump-over", &CFudaDashi::TrumpOver},
    {"low-card", &CFudaDashi::LowCard},
    {"lowest-picture", &CFudaDashi::LowestPicture},
    {"second-card", &CFudaDashi::SecondCard},
};

}  // namespace

CardChoice CFudaDashi::ChooseFollowCard() {
    const int called = m_gs.m_calledSuit;
    const FollowView view{quintrick::OpponentWinningRank(m_gs),
                          Count(),
                          CountSuit(called),
                          called,
                          m_gs.m_trump,
                          NoOpponentAfter(),
                          PartnerCalledAceOnField()};
    for (const NamedFollowStep& s : kFollowOrder) {
        const int pos = (this->*s.step)(view);
        if (pos >= 0) return Legal({pos, -1, s.why});
    }
    return Legal({-1, -1, ""});  // not reached: the last step always names a card
}

int CFudaDashi::PlayJoker(const FollowView& v) const {
    return HoldsJoker() && ShouldPlayJoker(v.w) ? 0 : -1;
}

int CFudaDashi::OnlyCard(const FollowView& v) const {
    return v.n == 1 ? 0 : -1;
}

int CFudaDashi::LastGivesJackOrQueen(const FollowView& v) const {
    if (!IsLastToPlay() || v.w != 0 || v.c != 0) return -1;
    return First(
        [&](CardId x) { return SuitOf(x) != v.trump && (Slot(x) == kJack || Slot(x) == kQueen); });
}

int CFudaDashi::BesideOpponentsJoker(const FollowView& v) const {
    if (v.n != 2) return -1;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (m_gs.SameGroup(seat, m_gs.m_turn) || m_gs.m_handCount[seat] == 0 ||
            m_gs.m_hand[seat][0] != kJoker) {
            continue;
        }
        if (IsPicture(At(0)) != IsPicture(At(1))) {
            const int other = IsPicture(At(0)) ? 1 : 0;
            if (SuitOf(At(other)) == v.called || v.c == 0) return other;
        }
        break;
    }
    return -1;
}

int CFudaDashi::TakeTheTrick(const FollowView& v) const {
    return v.noOpponentAfter && v.w != 0 ? TakeTrick(v.w) : -1;
}

int CFudaDashi::FeedThePartner(const FollowView& v) const {
    return v.noOpponentAfter && v.w == 0 ? FeedPartner() : -1;
}

int CFudaDashi::JackOrQueenOnPartnersAce(const FollowView& v) const {
    if (v.c == 0 || !v.partnerAce) return -1;
    return First(
        [&](CardId x) { return SuitOf(x) == v.called && (Slot(x) == kJack || Slot(x) == kQueen); });
}

int CFudaDashi::AceOfTheSuit(const FollowView& v) const {
    return v.c == 0 ? -1 : First([&](CardId x) { return x == AceOf(v.called); });
}

int CFudaDashi::LowestOfTheSuit(const FollowView& v) const {
    return v.c == 0 ? -1 : First([&](CardId x) { return SuitOf(x) == v.called; });
}

int CFudaDashi::DiscardJackOrQueenOnPartnersAce(const FollowView& v) const {
    if (!v.partnerAce) return -1;
    return First(
        [&](CardId x) { return SuitOf(x) != v.trump && (Slot(x) == kJack || Slot(x) == kQueen); });
}

int CFudaDashi::LowNonTrump(const FollowView& v) const {
    return v.w != 0 ? -1 : First([&](CardId x) { return SuitOf(x) != v.trump && IsLow(x); });
}

int CFudaDashi::TrumpOver(const FollowView& v) const {
    if (v.w == 0 || v.called == v.trump || PicturesOnField() == 0) return -1;
    return First([&](CardId x) { return SuitOf(x) == v.trump && CardStrength(m_gs, x) > v.w; });
}

int CFudaDashi::LowCard(const FollowView&) const {
    return First([](CardId x) { return IsLow(x); });
}

int CFudaDashi::LowestPicture(const FollowView&) const {
    int pos = -1;
    for (int slot = kJack; pos < 0 && slot <= kAce; ++slot) {
        pos = First([slot](CardId x) { return Slot(x) == slot; });
    }
    return pos;
}

int CFudaDashi::SecondCard(const FollowView& v) const {
    return v.n == 1 ? 0 : 1;
}

CardChoice CFudaDashi::ChooseLeadCard() {
    if (Count() == 1) return {0, -1, "only-card"};
    if (HoldsJoker()) {
        const int suit = JokerLeadSuit();
        if (suit >= 0) return {0, suit, "joker-lead"};
    }
    return Legal(LeadByPlayer());
}

namespace {

// A step of a lead order: the lowest card (the joker aside) it allows is led.
struct LeadStep {
    const char* why;
    bool (*allows)(const CFudaDashi& p, int trump, CardId c);
};

bool TopNonTrump(const CFudaDashi& p, int trump, CardId c) {
    return SuitOf(c) != trump && p.IsTopCard(c);
}
bool LowNonTrump(const CFudaDashi&, int trump, CardId c) {
    return SuitOf(c) != trump && IsLow(c);
}
bool AnyNonTrump(const CFudaDashi&, int trump, CardId c) {
    return SuitOf(c) != trump;
}
bool TopTrump(const CFudaDashi& p, int trump, CardId c) {
    return SuitOf(c) == trump && p.IsTopCard(c);
}
bool LowTrump(const CFudaDashi&, int trump, CardId c) {
    return SuitOf(c) == trump && IsLow(c);
}
bool AnAce(const CFudaDashi&, int, CardId c) {
    return Slot(c) == kAce;
}
bool TopCard(const CFudaDashi& p, int, CardId c) {
    return p.IsTopCard(c);
}
bool LowCard(const CFudaDashi&, int, CardId c) {
    return IsLow(c);
}

// The lead orders of the four characters, by player.
constexpr LeadStep kRavenLead[] = {
    {"top-non-trump", TopNonTrump}, {"low-non-trump", LowNonTrump}, {"non-trump", AnyNonTrump}};
constexpr LeadStep kShrikeLead[] = {{"top-trump", TopTrump},
                                    {"low-trump", LowTrump},
                                    {"ace", AnAce},
                                    {"top-card", TopCard},
                                    {"low-card", LowCard}};
constexpr LeadStep kMagpieLead[] = {{"top-card", TopCard}, {"low-card", LowCard}};
constexpr LeadStep kHeronLead[] = {
    {"low-non-trump", LowNonTrump}, {"top-non-trump", TopNonTrump}, {"low-trump", LowTrump}};

struct LeadOrder {
    const LeadStep* steps;
    int count;
};
template <std::size_t N>
constexpr LeadOrder OrderOf(const LeadStep (&steps)[N]) {
    return {steps, static_cast<int>(N)};
}
constexpr LeadOrder kLeadOrders[4] = {OrderOf(kRavenLead), OrderOf(kShrikeLead),
                                      OrderOf(kMagpieLead), OrderOf(kHeronLead)};

}  // namespace

CardChoice CFudaDashi::LeadByPlayer() const {
    const int trump = m_gs.m_trump;
    const LeadOrder& order = kLeadOrders[Player()];
    for (int i = 0; i < order.count; ++i) {
        const LeadStep& step = order.steps[i];
        const int pos = First([&](CardId c) { return step.allows(*this, trump, c); });
        if (pos >= 0) return {pos, -1, step.why};
    }
    return {1, -1, "second-card"};
}

}  // namespace quintrick
