// The computer players' calls: the joker's called suit, show cards, the trump of battles 2 and 3
// and the declarations after a sweep.
#include <array>

#include "engine/deal.h"
#include "engine/lcg.h"
#include "fuda_dashi.h"

namespace quintrick {
namespace {

// The suit with the largest count; ties go to the lowest-numbered suit.
int LargestSuit(const std::array<int, kSuits>& counts) {
    int best = 0;
    for (int s = 1; s < kSuits; ++s) {
        if (counts[s] > counts[best]) best = s;
    }
    return best;
}

// Counts a seat's cards by id / 13, so the joker counts as a club.
void AddSuitCounts(const GameState& gs, int seat, std::array<int, kSuits>& counts) {
    for (int i = 0; i < gs.m_handCount[seat]; ++i) ++counts[SuitOf(gs.m_hand[seat][i])];
}

}  // namespace

int CFudaDashi::JokerLeadSuit() const {
    static constexpr int kLeadsJokerBelow[4] = {6, 5, 7, 4};
    const int n = Count();
    const int player = Player();
    if (n == 10 || n >= kLeadsJokerBelow[player]) return -1;
    // Raven and Heron call the suit with the fewest pictures played, Shrike and Magpie the one
    // with the fewest low cards played.
    const auto& played = (player == 0 || player == 3) ? m_gs.m_picturePlayed : m_gs.m_plainPlayed;
    int suit = 0;
    for (int s = 1; s < kSuits; ++s) {
        if (played[s] < played[suit]) suit = s;
    }
    return suit;
}

std::array<CardId, 2> CFudaDashi::ShowCardsOf(int seat) const {
    const auto& hand = m_gs.m_hand[seat];
    std::array<int, kSuits> counts{};
    for (CardId card : hand) {
        if (card != kJoker) ++counts[SuitOf(card)];
    }
    const int chosen = LargestSuit(counts);
    std::array<CardId, 2> shown = m_gs.m_showCard;
    int found = 0;
    for (int i = kHandSize - 1; i >= 0 && found < 2; --i) {
        if (hand[i] != kJoker && SuitOf(hand[i]) == chosen) shown[found++] = hand[i];
    }
    if (hand[0] == kJoker) {
        shown[1] = kJoker;
    } else {
        for (CardId card : hand) {
            if (Slot(card) == kAce && SuitOf(card) != chosen) {
                shown[1] = card;
                break;
            }
        }
    }
    return shown;
}

std::array<CardId, 2> CFudaDashi::ChooseShowCards() {
    return ShowCardsOf(m_gs.m_showPartner);
}

int CFudaDashi::ChooseTrumpAlone() {
    std::array<int, kSuits> counts{};
    AddSuitCounts(m_gs, m_gs.m_trumpPartner, counts);
    AddSuitCounts(m_gs, m_gs.m_showPartner, counts);
    return LargestSuit(counts);
}

int CFudaDashi::ChooseTrumpFromShowCards() {
    // The human's whole hand is looked at: the eight cards still held and the two shown.
    std::array<int, kSuits> human{};
    AddSuitCounts(m_gs, kHumanSeat, human);
    for (int i = 0; i < m_gs.m_showCount && i < 2; ++i) ++human[SuitOf(m_gs.m_showCard[i])];
    std::array<int, kSuits> partner{};
    AddSuitCounts(m_gs, m_gs.m_trumpPartner, partner);

    int trump = LargestSuit(human);
    if (human[trump] < 6) {
        trump = LargestSuit(partner);
        if (partner[trump] < 6) {
            std::array<int, kSuits> sum{};
            for (int s = 0; s < kSuits; ++s) sum[s] = human[s] + partner[s];
            trump = LargestSuit(sum);
            if (sum[trump] < 8) {
                const CardId shown =
                    m_gs.m_showCard[0] != kJoker ? m_gs.m_showCard[0] : m_gs.m_showCard[1];
                trump = SuitOf(shown);
            }
        }
    }
    return trump;
}

DeclarationChoice CFudaDashi::Draw(int percent) const {
    const int seed = ClockSeed(m_host.LocalTimeOfDay());
    Lcg rng(seed);
    const int r = rng.Rand();
    return {r % 10 < percent / 10, seed, r};
}

DeclarationChoice CFudaDashi::WantSixteen() {
    return Draw(30);
}

DeclarationChoice CFudaDashi::WantReverseSixteen() {
    return Draw(20);
}

}  // namespace quintrick
