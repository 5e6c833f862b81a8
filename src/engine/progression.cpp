// A match from game to game and a game from battle to battle.
#include <algorithm>
#include <climits>
#include <numeric>
#include <utility>

#include "callout.h"
#include "deal.h"
#include "engine.h"
#include "first_leader.h"
#include "roster.h"
#include "settings_table.h"
#include "stone_account.h"
#include "strings.h"

namespace quintrick {

CEngine::CEngine(GameState& gs, SettingCopies& settings, IHost& host, IComputerPlayers& players)
    : m_gs(gs), m_set(settings), m_host(host), m_players(players) {}

void CEngine::Sound(int sound, bool toEnd) {
    if (m_set.m_soundOn == 1) m_host.PlaySound(sound, toEnd);
}

void CEngine::Callout(quintrick::Callout callout, int seat, int suit, int sound) {
    ShowCalloutFor(m_host, m_set, callout, seat, suit, sound);
}

int CEngine::Message(int stringId, int style) {
    return m_host.ShowMessage(stringId, {}, style);
}

bool CEngine::StartGameTimer(int tickMs) {
    m_gs.m_gameTimer = m_host.SetTimer(kGameTimerEvent, tickMs);
    if (m_gs.m_gameTimer == 0) {
        Message(kMsgTimerFailed, kStyleError);
        return false;
    }
    return true;
}

bool CEngine::RestartGameTimer(int speed) {
    if (m_gs.m_phase == kNoGame) return true;
    m_host.KillTimer(kGameTimerEvent);
    SettingCopies trial = m_set;
    trial.m_speed = speed;
    return StartGameTimer(trial.TickMs());
}

int CEngine::StartGame() {
    if (m_gs.m_game == 1 && m_gs.m_battle == 0) {
        IProfile& profile = m_host.Profile();
        int chosen;
        if (Read(profile, entries::kAutoStart) == 1) {
            chosen = Read(profile, entries::kEntryNo);
        } else {
            chosen = m_host.ChooseCharacter();
            if (chosen == -1) {
                // Nothing is in the middle now: leave the start command available.
                m_gs.m_phase = kNoGame;
                return 0;
            }
            Write(profile, entries::kEntryNo, chosen);
        }
        if (!IsSelectableCharacter(chosen)) chosen = 0;
        m_gs.m_entryNo = chosen;
        for (int player = 0; player < 4; ++player) {
            m_gs.m_playerName[player] = RosterName(ComputerCharacter(player));
        }
        m_gs.m_playerName[kHumanPlayer] = RosterName(chosen);
    }
    m_gs.m_battle = 0;
    m_gs.m_trump = m_gs.m_game == 10 ? kSpades : (m_gs.m_game - 1) % 3;
    m_gs.m_holder.fill(kUnrelated);
    m_observer->OnGameStart(m_gs.m_game, m_gs.m_trump);

    PrepareBattle();
    int seed = Deal();
    while (!CheckDoubleKan()) {
        m_observer->OnRedeal(seed);
        Callout(Callout::Redeal, -1, 0, 0);
        seed = Deal();
    }
    SeparateKanHolders();
    m_observer->OnRelated();
    m_gs.m_phase = kPlaying;
    m_host.RedrawTable();
    m_host.SaveResumePoint({ResumeAt::kLead});
    return ContinueStartGame();
}

int CEngine::ContinueStartGame() {
    ChooseFirstLeader();
    m_gs.m_turn = m_gs.m_leader;
    m_observer->OnLeader(m_gs.m_leader);
    for (int seat = 0; seat < 4; ++seat) {
        if (m_gs.m_holder[seat] != kUnrelated) Callout(Callout::Kan, seat, 0, kSoundKan);
    }
    if (!StartGameTimer(m_set.TickMs())) return 0;
    m_gs.m_busy = 0;
    return 1;
}

void CEngine::PrepareBattle() {
    ++m_gs.m_battle;
    m_gs.m_relatedTarget = m_gs.m_battle == 2 ? 8 : 9;
    m_gs.m_unrelatedTarget = 17 - m_gs.m_relatedTarget;
    ResetBattleCounters(m_gs);
    m_gs.m_busy = 1;
    m_gs.m_dragging = 0;
    m_gs.m_showLastTrick = 0;
    m_gs.m_cursor = 0;
    m_gs.m_pickedCard = kNoCard;
    m_gs.m_pickedIndex = -1;
    m_gs.m_handCount.fill(kHandSize);
}

int CEngine::Deal() {
    const int seed = ClockSeed(m_host.LocalTimeOfDay());
    DealCards(m_gs, seed);
    m_observer->OnDeal(seed);
    return seed;
}

bool CEngine::CheckDoubleKan() {
    const CardId trumpAce = AceOf(m_gs.m_trump);
    for (int seat = 0; seat < kSeats; ++seat) {
        int holder = m_gs.m_hand[seat][0] == kJoker ? kJokerHolder : kUnrelated;
        for (CardId card : m_gs.m_hand[seat]) {
            if (card == trumpAce) holder = holder == kUnrelated ? kTrumpAceHolder : kBothHolders;
        }
        m_gs.m_holder[seat] = holder;
        if (holder == kBothHolders) {
            m_gs.m_holder.fill(kUnrelated);
            return false;
        }
    }
    return true;
}

void CEngine::SeparateKanHolders() {
    struct Exchange {
        int holderA, holderB, seatA, seatB;
    };
    static constexpr Exchange kExchanges[] = {
        {4, 0, 0, 1}, {3, 4, 3, 2}, {0, 1, 1, 2}, {1, 2, 2, 3}, {2, 3, 2, 1},
    };
    for (const auto& e : kExchanges) {
        if (m_gs.m_holder[e.holderA] != kUnrelated && m_gs.m_holder[e.holderB] != kUnrelated) {
            std::swap(m_gs.m_hand[e.seatA], m_gs.m_hand[e.seatB]);
            std::swap(m_gs.m_holder[e.seatA], m_gs.m_holder[e.seatB]);
            std::swap(m_gs.m_seatPlayer[e.seatA], m_gs.m_seatPlayer[e.seatB]);
            m_observer->OnExchange(e.seatA, e.seatB);
            return;
        }
    }
}

void CEngine::ChooseFirstLeader() {
    if (m_gs.m_holder[kHumanSeat] != kUnrelated) {
        const int answer = Message(kMsgAskLead, kStyleQuestion);
        m_gs.m_leader = answer == IDYES ? kHumanSeat : (m_gs.m_holder[1] != kUnrelated ? 1 : 2);
        return;
    }
    const LocalTime now = m_host.LocalTimeOfDay();
    m_gs.m_leader = ClockLeader(m_gs, now.valid && now.second % 2 == 0);
}

int ClockLeader(const GameState& gs, bool evenSecond) {
    int low = -1;
    int high = -1;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (gs.m_holder[seat] == kUnrelated) continue;
        if (low < 0) low = seat;
        high = seat;
    }
    return evenSecond ? low : high;
}

void CEngine::StartNextBattle() {
    const int won = m_gs.m_battle;
    int jokerHolder = 0;
    int aceHolder = 0;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (m_gs.m_holder[seat] == kJokerHolder) jokerHolder = seat;
        if (m_gs.m_holder[seat] == kTrumpAceHolder) aceHolder = seat;
    }
    m_gs.m_trumpPartner = won == 1 ? jokerHolder : aceHolder;
    m_gs.m_showPartner = won == 1 ? aceHolder : jokerHolder;

    PrepareBattle();
    m_gs.m_phase = kPlaying;
    Deal();
    m_host.RedrawTable();
    m_host.SaveResumePoint({ResumeAt::kBattle});
    ContinueNextBattle();
}

void CEngine::ContinueNextBattle() {
    m_gs.m_showCount = 0;
    if (m_gs.m_trumpPartner == kHumanSeat) {
        m_gs.m_showCard = m_players.ChooseShowCards();
        m_gs.m_showCount = 2;
        m_host.RedrawTable();
        m_observer->OnShow(m_gs.m_showPartner, m_gs.m_showCard[0], m_gs.m_showCard[1]);
        const int suit = m_host.ChooseSuit("役に") & 3;
        m_gs.m_trump = suit;
        m_observer->OnTrump(kHumanSeat, suit);
        Sound(TrumpSound(suit), true);
    } else if (m_gs.m_showPartner == kHumanSeat) {
        m_gs.m_busy = 1;
        Message(kMsgPutShowCards, kStyleInfo);
        m_gs.m_turn = kHumanSeat;
        m_gs.m_phase = kShowingCards;
        return;
    } else {
        NameTrump(m_players.ChooseTrumpAlone());
    }
    m_gs.m_showCount = 0;
    m_gs.m_busy = 0;
    m_gs.m_leader = m_gs.m_turn = m_gs.m_trumpPartner;
    m_observer->OnLeader(m_gs.m_leader);
}

void CEngine::NameTrump(int suit) {
    m_gs.m_trump = suit;
    Callout(Callout::TrumpCall, m_gs.m_trumpPartner, suit, TrumpSound(suit));
    m_observer->OnTrump(m_gs.m_trumpPartner, suit);
}

void CEngine::FinishShowCards() {
    m_observer->OnShow(kHumanSeat, m_gs.m_showCard[0], m_gs.m_showCard[1]);
    NameTrump(m_players.ChooseTrumpFromShowCards());
    m_gs.m_hand[kHumanSeat][8] = m_gs.m_showCard[0];
    m_gs.m_hand[kHumanSeat][9] = m_gs.m_showCard[1];
    m_gs.m_handCount[kHumanSeat] = kHandSize;
    SortHands(m_gs);
    m_gs.m_leader = m_gs.m_turn = m_gs.m_trumpPartner;
    m_gs.m_field[kHumanSeat] = kNoCard;
    m_gs.m_showCount = 0;
    m_gs.m_phase = kPlaying;
    m_gs.m_busy = 0;
    m_observer->OnLeader(m_gs.m_leader);
    m_host.RedrawTable();
}

void CEngine::EndOfGame() {
    ++m_gs.m_game;
    if (m_gs.m_game <= 10) {
        m_host.GameOver();
        StartGame();
        return;
    }
    m_gs.m_showScore = 1;
    m_host.RedrawTable();
    CreditStones();
    m_host.GameOver();
    if (Message(kMsgContinue, kStyleQuestion) != IDYES) {
        m_host.RequestClose();
        return;
    }
    for (auto& row : m_gs.m_points) row.fill(0);
    m_gs.m_battle = 0;
    m_gs.m_showScore = 0;
    m_gs.m_game = 1;
    m_host.RedrawTable();
    StartGame();
}

void CEngine::CreditStones() {
    // The accounts to end at are worked out first and saved with the match; the saved match goes
    // only after every account is set. A run killed in between sets the same accounts again at
    // the next start, so the stones of a match count exactly once.
    IProfile& profile = m_host.Profile();
    ResumePoint credit{ResumeAt::kCredit};
    std::array<int, kSeats> deltas{};
    for (int player = 0; player < kSeats; ++player) {
        long long total = 0;
        for (const auto& row : m_gs.m_points) total += row[player];
        deltas[player] = static_cast<int>(std::clamp<long long>(total, INT_MIN, INT_MAX));
        const int character = player == kHumanPlayer ? m_gs.m_entryNo : ComputerCharacter(player);
        const long long sum =
            static_cast<long long>(GetStones(profile, character)) + deltas[player];
        credit.credit[player] = {character,
                                 static_cast<int>(std::clamp<long long>(sum, 0, INT_MAX))};
    }
    m_host.SaveResumePoint(credit);
    ApplyCredit(profile, credit);
    for (int player = 0; player < kSeats; ++player) {
        const int character = credit.credit[player].character;
        m_observer->OnStones(player, character, deltas[player], GetStones(profile, character));
    }
    m_host.MatchCredited();
}

void CEngine::ApplyCredit(IProfile& profile, const ResumePoint& credit) {
    for (const StoneCredit& account : credit.credit) {
        SetStones(profile, account.character, account.stones);
    }
}

}  // namespace quintrick
