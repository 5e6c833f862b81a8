// The timer handler: the start-up tick and one step of the game per tick of the game timer.
#include "engine.h"
#include "settings_table.h"
#include "strings.h"

namespace quintrick {
namespace {

// Marks a tick as running; a tick that arrives from a nested event loop meanwhile is ignored.
class TickGuard {
  public:
    explicit TickGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~TickGuard() { m_flag = false; }
    TickGuard(const TickGuard&) = delete;
    TickGuard& operator=(const TickGuard&) = delete;

  private:
    bool& m_flag;
};

}  // namespace

void CEngine::OnTimer(int eventId) {
    if (m_inTick) return;
    TickGuard guard(m_inTick);
    if (eventId == kSetupTimerEvent) {
        m_host.KillTimer(kSetupTimerEvent);
        if (!m_host.PrepareCardBacks()) {
            Message(kMsgCardBackFailed, kStyleError);
            return;
        }
        m_gs.m_notReady = 0;
        if (const std::optional<ResumePoint> point = m_host.TakeUpSavedMatch()) {
            m_host.RedrawTable();
            GoOnFrom(*point);
            return;
        }
        if (Read(m_host.Profile(), entries::kAutoStart) == 1) {
            StartGame();
            m_host.RedrawTable();
            SaveTick();
        } else {
            m_host.RedrawTable();
            if (m_set.m_ruleRem == 1) Message(kMsgStartHelp, kStyleInfo);
        }
        return;
    }
    if (eventId == kGameTimerEvent && m_gs.m_gameTimer != 0 && m_gs.m_dragging == 0 &&
        m_gs.m_busy == 0) {
        const bool resolves = m_gs.FieldComplete();
        OnGameTick();
        // Saved after every trick and whenever the game comes to wait for the human.
        if (resolves || m_gs.m_busy == 1) SaveTick();
    }
}

void CEngine::SaveTick() {
    // Not once the match is over (its stones are credited) or before a game has started.
    if (m_gs.m_phase != 0 && m_gs.m_game <= 10) m_host.SaveResumePoint({ResumeAt::kTick});
}

void CEngine::Resume(const ResumePoint& point) {
    if (m_inTick) return;
    TickGuard guard(m_inTick);
    GoOnFrom(point);
}

void CEngine::GoOnFrom(const ResumePoint& point) {
    m_gs.m_dragging = 0;
    switch (point.at) {
        case ResumeAt::kLead:
            ContinueStartGame();
            break;
        case ResumeAt::kBattle:
            if (!StartGameTimer(m_set.TickMs())) return;
            ContinueNextBattle();
            if (m_gs.m_phase != 2) TurnStep();
            break;
        case ResumeAt::kJudge:
            if (!StartGameTimer(m_set.TickMs())) return;
            if (JudgeAndGoOn(point.winner)) TurnStep();
            break;
        case ResumeAt::kCredit:
            return;  // nothing left to play: the host applies the credit
        case ResumeAt::kTick:
            StartGameTimer(m_set.TickMs());
            return;
    }
    SaveTick();
}

void CEngine::OnGameTick() {
    if (m_gs.FieldComplete()) {
        const int winner = ResolveTrick(m_gs);
        const GroupPictures sums = CountGroupPictures(m_gs);
        m_observer->OnTrick(winner, sums.related, sums.unrelated);
        if (!JudgeAndGoOn(winner)) return;
    }
    TurnStep();
}

bool CEngine::JudgeAndGoOn(int winner) {
    const GroupPictures sums = CountGroupPictures(m_gs);
    m_gs.m_busy = 1;
    switch (JudgeTrick(winner, sums.related, sums.unrelated)) {
        case kGameOver:
            EndOfGame();
            return false;
        case kNextBattle:
            StartNextBattle();
            return m_gs.m_phase != kShowingCards;
        default:
            UpdateDisplayCounters(sums.related, sums.unrelated);
            NextTrick(m_gs, winner, sums);
            m_gs.m_busy = 0;
            return true;
    }
}

void CEngine::TurnStep() {
    if (m_gs.m_turn == kHumanSeat) {
        m_host.RedrawTable();
        m_gs.m_busy = 1;
        return;
    }
    ComputerPlaysOne();
}

void CEngine::ComputerPlaysOne() {
    const int seat = m_gs.m_turn;
    const bool leads = seat == m_gs.m_leader;
    CardChoice choice;
    if (leads) {
        if (m_gs.m_handCount[seat] == kHandSize) {
            for (int other = 0; other < 4; ++other) {
                if (other != seat && m_gs.m_holder[other] != 0) {
                    Callout(Callout::Come, other, 0, kSoundCome);
                    break;
                }
            }
            Callout(Callout::Go, seat, 0, kSoundGo);
        }
        choice = m_players.ChooseLeadCard();
    } else {
        choice = m_players.ChooseFollowCard();
    }
    // A choice outside the hand or against the rules never reaches the field.
    int pos = choice.pos;
    if (pos < 0 || pos >= m_gs.m_handCount[seat] ||
        IsLegalPlay(m_gs, seat, m_gs.m_hand[seat][pos]) != Rule::kNone) {
        pos = FirstLegalPosition(m_gs, seat);
        choice = {pos, -1, "first-legal"};
    }
    // The joker led names its suit.
    const bool callsSuit = leads && m_gs.m_hand[seat][pos] == kJoker && choice.jokerSuit >= 0;
    if (callsSuit) {
        m_gs.m_busy = 1;
        Callout(Callout::SuitCall, seat, choice.jokerSuit, CallSound(choice.jokerSuit));
        m_gs.m_busy = 0;
        m_observer->OnCall(seat, choice.jokerSuit);
    }
    const CardId card = PlayToField(m_gs, seat, pos, callsSuit ? choice.jokerSuit : -1);
    m_gs.m_pickedIndex = pos;
    m_gs.m_pickedCard = card;
    m_observer->OnPlay(seat, card, choice.why);
    m_host.RedrawTable();
    Sound(kSoundCard, false);
}

}  // namespace quintrick
