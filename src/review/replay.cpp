#include "replay.h"

#include <algorithm>

#include "engine/engine.h"
#include "engine/first_leader.h"
#include "engine/null_profile.h"
#include "engine/strings.h"
#include "engine/trick_rules.h"

namespace quintrick {

// The host, the computer players and the observer of the replayed game in one: every answer the
// engine asks for is read from the record at the move that comes next, and every event it
// reports is checked against that move.
class CGameReplay::Driver final : public IHost, public IComputerPlayers, public IGameObserver {
  public:
    Driver(CGameReplay& owner, const GameMoves& moves)
        : m_owner(owner), m_moves(moves.moves), m_log(m_gs), m_engine(m_gs, m_set, *this, *this) {
        m_set.m_soundOn = 0;
        m_set.m_ruleRem = 0;
        m_engine.SetObserver(&m_log);
        m_engine.AddObserver(this);
        m_gs.ResetAtInitialUpdate();
        m_gs.m_game = moves.game;
        m_gs.m_entryNo = moves.entry;
        m_gs.m_seatPlayer = moves.seatPlayer;
        m_entry = moves.entry;
    }

    bool Run(bool whole) {
        m_engine.StartGame();
        int idle = 0;
        for (int step = 0; step < 20000 && !Stopped(); ++step) {
            const std::size_t before = m_next;
            if (m_gs.m_busy == 1 && m_engine.HumanMayPlay()) {
                HumanActs();
            } else {
                m_engine.OnTimer(kGameTimerEvent);
            }
            idle = m_next == before ? idle + 1 : 0;
            if (idle > 50) Fail("the game stops at this move");
        }
        if (!m_failure.empty()) return false;
        if (whole && !m_done) {
            m_failure = "the record ends before the game's result";
            return false;
        }
        return true;
    }

    const std::string& Failure() const { return m_failure; }
    bool Done() const { return m_done; }

    // IHost.
    int ShowMessage(int stringId, std::string_view, int style) override {
        if (stringId == kMsgAskLead) {
            const Move* leader = Peek(MoveKind::kLeader);
            return leader && leader->v[0] == kHumanSeat ? IDYES : IDNO;
        }
        if (stringId == kMsgRelatedSweepAsk || stringId == kMsgUnrelatedSweepAsk) {
            const Move* declare = Peek(MoveKind::kDeclare);
            return declare && declare->v[1] == 0 && declare->v[2] == 1 ? IDYES : IDNO;
        }
        return style == kStyleQuestion ? IDNO : IDOK;
    }
    int SetTimer(int eventId, int) override { return eventId; }
    void KillTimer(int) override {}
    int ChooseSuit(std::string_view prompt) override {
        const Move* move = Peek(prompt.empty() ? MoveKind::kCall : MoveKind::kTrump);
        if (!move || move->v[0] != kHumanSeat) {
            Fail("the record has no suit named by the human here");
            return kClubs;
        }
        return move->v[1];
    }
    int ChooseCharacter() override { return m_entry; }
    void ShowCallout(Callout, int, int, int, int) override {}
    void PlaySound(int, bool) override {}
    void RedrawTable() override {}
    bool PrepareCardBacks() override { return true; }
    void RequestClose() override {}
    LocalTime LocalTimeOfDay() override {
        // The clock is read for a deal's seed and for the first leader among two computer
        // holders (by the parity of the second).
        if (const Move* deal = Peek(MoveKind::kDeal)) {
            const int seed = deal->v[0];
            if (seed < 0) return {0, 0, 0, false};
            return {0, seed / 60, seed % 60, true};
        }
        if (const Move* leader = Peek(MoveKind::kLeader)) {
            return {0, 0, ClockLeader(m_gs, true) == leader->v[0] ? 0 : 1, true};
        }
        // Past the record (the engine goes on to the next game): a clock that moves on, so that
        // a deal given up is followed by another.
        ++m_spareClock;
        return {0, m_spareClock / 60 % 60, m_spareClock % 60, true};
    }
    IProfile& Profile() override { return m_profile; }

    // IComputerPlayers.
    CardChoice ChooseFollowCard() override { return RecordedCard(m_next); }
    CardChoice ChooseLeadCard() override {
        // A joker led with its suit called: the engine reports the call before the card.
        if (const Move* call = Peek(MoveKind::kCall); call && call->v[0] == m_gs.m_turn) {
            CardChoice choice = RecordedCard(m_next + 1);
            choice.jokerSuit = call->v[1];
            return choice;
        }
        return RecordedCard(m_next);
    }
    DeclarationChoice WantSixteen() override { return Declares(0); }
    DeclarationChoice WantReverseSixteen() override { return Declares(1); }
    int OpponentWinningRank() override { return quintrick::OpponentWinningRank(m_gs); }
    std::array<CardId, 2> ChooseShowCards() override {
        const Move* show = Peek(MoveKind::kShow);
        const int seat = m_gs.m_showPartner;
        if (!show || show->v[0] != seat || !Holds(seat, show->v[1]) || !Holds(seat, show->v[2])) {
            Fail("the recorded show cards are not the show partner's");
            return {m_gs.m_hand[seat][0], m_gs.m_hand[seat][1]};
        }
        return {show->v[1], show->v[2]};
    }
    int ChooseTrumpAlone() override { return RecordedTrump(); }
    int ChooseTrumpFromShowCards() override { return RecordedTrump(); }

    // IGameObserver: every event must be the recorded move.
    void OnGameStart(int game, int trump) override { Check({MoveKind::kGame, {game, trump}}); }
    void OnDeal(int seed) override { Check({MoveKind::kDeal, {seed}}); }
    void OnRedeal(int seed) override { Check({MoveKind::kRedeal, {seed}}); }
    void OnExchange(int a, int b) override { Check({MoveKind::kExchange, {a, b}}); }
    void OnRelated() override { Check({MoveKind::kRelated, {}}); }
    void OnLeader(int seat) override { Check({MoveKind::kLeader, {seat}}); }
    void OnShow(int seat, CardId first, CardId second) override {
        Check({MoveKind::kShow, {seat, first, second}});
    }
    void OnTrump(int seat, int suit) override { Check({MoveKind::kTrump, {seat, suit}}); }
    void OnCall(int seat, int suit) override { Check({MoveKind::kCall, {seat, suit}}); }
    void OnPlay(int seat, CardId card, const char* why) override {
        Check({MoveKind::kPlay, {seat, card}, why ? why : ""});
    }
    void OnTrick(int winner, int related, int unrelated) override {
        Check({MoveKind::kTrick, {winner, related, unrelated}});
    }
    void OnDeclare(int kind, bool byComputer, bool answer, int seed, int draw) override {
        Check({MoveKind::kDeclare, {kind, byComputer ? 1 : 0, answer ? 1 : 0, seed, draw}});
    }
    void OnResult(int result) override { Check({MoveKind::kResult, {result}}); }

  private:
    CNullProfile m_profile;  // nothing is kept

    bool Stopped() const { return m_done || !m_failure.empty() || m_next >= m_moves.size(); }

    void Fail(const std::string& reason) {
        if (!m_failure.empty() || m_done) return;
        m_failure = "move " + std::to_string(m_next + 1) + ": " + reason;
    }

    // The next move when it is of `kind`.
    const Move* Peek(MoveKind kind) const {
        if (m_done || m_next >= m_moves.size() || m_moves[m_next].kind != kind) return nullptr;
        return &m_moves[m_next];
    }

    void Check(const Move& move) {
        if (m_done || !m_failure.empty()) return;
        if (m_next >= m_moves.size()) {
            Fail("the game goes on beyond its record");
            return;
        }
        if (m_moves[m_next] != move) {
            Fail("the record has " + MoveText(m_moves[m_next]) + ", the game " + MoveText(move));
            return;
        }
        const int index = static_cast<int>(m_next++);
        if (move.kind == MoveKind::kResult && move.v[0] == 1) {
            m_done = true;
            const auto& row = m_gs.m_points[m_gs.m_game - 1];
            std::copy(row.begin(), row.end(), m_owner.m_points.begin());
        }
        if (m_owner.m_onMove) m_owner.m_onMove(m_gs, index);
    }

    bool Holds(int seat, CardId card) const {
        const auto& hand = m_gs.m_hand[seat];
        return std::find(hand.begin(), hand.begin() + m_gs.m_handCount[seat], card) !=
               hand.begin() + m_gs.m_handCount[seat];
    }

    // The recorded card of the seat to play at move `at`: its position in the hand (-1 when it is
    // not there) and the step that chose it.
    CardChoice RecordedCard(std::size_t at) {
        const Move* play = at < m_moves.size() && !m_done && m_moves[at].kind == MoveKind::kPlay
                               ? &m_moves[at]
                               : nullptr;
        const int seat = m_gs.m_turn;
        if (!play || play->v[0] != seat) {
            Fail("the record has no card of seat " + std::to_string(seat) + " here");
            return {-1, -1, ""};
        }
        const auto& hand = m_gs.m_hand[seat];
        const auto end = hand.begin() + m_gs.m_handCount[seat];
        const auto card = std::find(hand.begin(), end, play->v[1]);
        if (card == end) {
            Fail("seat " + std::to_string(seat) + " does not hold the recorded card");
            return {-1, -1, ""};
        }
        return {static_cast<int>(card - hand.begin()), -1, play->why.c_str()};
    }

    // A computer's answer to a declaration; the engine reports it.
    DeclarationChoice Declares(int kind) {
        const Move* declare = Peek(MoveKind::kDeclare);
        if (!declare || declare->v[0] != kind || declare->v[1] != 1) {
            Fail("the record has no computer's declaration here");
            return {};
        }
        return {declare->v[2] == 1, declare->v[3], declare->v[4]};
    }

    int RecordedTrump() {
        const Move* trump = Peek(MoveKind::kTrump);
        if (!trump || trump->v[0] != m_gs.m_trumpPartner) {
            Fail("the record has no trump named by the trump partner here");
            return m_gs.m_trump;
        }
        return trump->v[1];
    }

    void HumanActs() {
        if (m_gs.m_phase == kShowingCards) {
            const Move* show = Peek(MoveKind::kShow);
            if (!show || show->v[0] != kHumanSeat) {
                Fail("the record has no show cards of the human here");
                return;
            }
            PlayHuman(show->v[1 + (m_gs.m_showCount & 1)]);
            return;
        }
        std::size_t at = m_next;
        if (at < m_moves.size() && m_moves[at].kind == MoveKind::kCall) ++at;
        if (at >= m_moves.size() || m_moves[at].kind != MoveKind::kPlay ||
            m_moves[at].v[0] != kHumanSeat) {
            Fail("the record has no card of the human here");
            return;
        }
        if (m_owner.m_onHumanCard) m_owner.m_onHumanCard(m_gs, m_log, static_cast<int>(at));
        PlayHuman(m_moves[at].v[1]);
    }

    void PlayHuman(CardId card) {
        const auto& hand = m_gs.m_hand[kHumanSeat];
        const auto end = hand.begin() + m_gs.m_handCount[kHumanSeat];
        const auto at = std::find(hand.begin(), end, card);
        if (at == end) {
            Fail("the human does not hold the recorded card");
            return;
        }
        m_gs.m_cursor = static_cast<int>(at - hand.begin());
        if (!m_engine.PlayCursorCard()) Fail("the rules do not allow the recorded card");
    }

    CGameReplay& m_owner;
    const std::vector<Move>& m_moves;
    std::size_t m_next = 0;
    bool m_done = false;
    std::string m_failure;
    int m_entry = 0;
    int m_spareClock = 0;
    GameState m_gs;
    SettingCopies m_set;
    CPlayLog m_log;
    CEngine m_engine;
};

CGameReplay::CGameReplay(GameMoves moves) : m_moves(std::move(moves)) {}
CGameReplay::~CGameReplay() = default;

bool CGameReplay::Run(bool whole, std::string* why) {
    m_points.fill(0);
    m_reachedResult = false;
    const auto driver = std::make_unique<Driver>(*this, m_moves);
    const bool ok = driver->Run(whole);
    m_reachedResult = ok && driver->Done();
    if (!ok && why) *why = driver->Failure();
    return ok;
}

}  // namespace quintrick
