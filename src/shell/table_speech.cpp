#include "table_speech.h"

#include <QCoreApplication>
#include <QStringList>

#include "engine/engine.h"
#include "engine/strings.h"
#include "engine/trick_rules.h"
#include "text/ui_text.h"

namespace quintrick {
namespace {

// The context of the table's words in the catalogue.
struct TableSpeech {
    Q_DECLARE_TR_FUNCTIONS(TableSpeech)
};

QString PlayerName(const GameState& gs, int player) {
    if (player < 0 || player >= kSeats) return {};
    if (player == kHumanPlayer) return TableSpeech::tr("あなた");
    return UiPlayerName(gs.m_playerName[player]);
}

// The names of the seats of one group, in seat order.
QString GroupNames(const GameState& gs, bool related) {
    QStringList names;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (gs.IsRelated(seat) == related) names << SeatName(gs, seat);
    }
    //: Between the names of a group's players.
    return names.join(TableSpeech::tr("、"));
}

}  // namespace

QString SeatName(const GameState& gs, int seat) {
    if (seat < 0 || seat >= kSeats) return {};
    return PlayerName(gs, gs.m_seatPlayer[seat]);
}

bool HandCardPlayable(const GameState& gs, int pos, bool humanMayPlay) {
    if (!humanMayPlay || pos < 0 || pos >= gs.m_handCount[kHumanSeat]) return false;
    if (gs.m_phase == kShowingCards) return true;
    return IsLegalPlay(gs, kHumanSeat, gs.m_hand[kHumanSeat][pos]) == Rule::kNone;
}

QString PlayableText(bool playable) {
    return playable ? TableSpeech::tr("出せます") : TableSpeech::tr("今は出せません");
}

QString FieldText(const GameState& gs, int seat) {
    const CardId card = gs.m_field[seat];
    //: A seat's card on the field: %1 the player, %2 the card.
    if (card != kNoCard) return TableSpeech::tr("%1: %2").arg(SeatName(gs, seat), UiCardName(card));
    return TableSpeech::tr("%1: まだ出していません").arg(SeatName(gs, seat));
}

QString StatusText(const GameState& gs, bool humanMayPlay) {
    if (gs.m_phase == kNoGame || gs.m_battle == 0)
        return TableSpeech::tr("ゲームはまだ始まっていません");
    QStringList parts;
    //: %1 the game (1-10), %2 the battle (1-3), %3 the trump suit.
    parts << TableSpeech::tr("第%1ゲーム 第%2戦 役は%3")
                 .arg(QString::number(gs.m_game), QString::number(gs.m_battle),
                      UiSuitName(gs.m_trump));
    const GroupPictures pictures = CountGroupPictures(gs);
    //: %1 the players of the related group, %2 its picture cards, %3 the number it needs.
    parts << TableSpeech::tr("関係グループ %1: 絵札%2枚 (勝ちまで%3枚)")
                 .arg(GroupNames(gs, true), QString::number(pictures.related),
                      QString::number(gs.m_relatedTarget));
    parts << TableSpeech::tr("無関係グループ %1: 絵札%2枚 (勝ちまで%3枚)")
                 .arg(GroupNames(gs, false), QString::number(pictures.unrelated),
                      QString::number(gs.m_unrelatedTarget));
    if (gs.m_phase == kShowingCards && humanMayPlay) {
        parts << TableSpeech::tr("あなたが見せ札を２枚出す番です");
    } else if (humanMayPlay) {
        parts << TableSpeech::tr("あなたの番です");
    } else {
        parts << TableSpeech::tr("%1の番です").arg(SeatName(gs, gs.m_turn));
    }
    QStringList points;
    for (int player = 0; player < kSeats; ++player) {
        int sum = 0;
        for (int game = 0; game < gs.m_game && game < 10; ++game) sum += gs.m_points[game][player];
        points << TableSpeech::tr("%1 %2点").arg(PlayerName(gs, player), QString::number(sum));
    }
    parts << TableSpeech::tr("得点: %1").arg(points.join(TableSpeech::tr("、")));
    //: Between the parts of the state of the game.
    return parts.join(TableSpeech::tr("。"));
}

void CTableAnnouncer::OnGameStart(int game, int trump) {
    Say(TableSpeech::tr("第%1ゲームが始まります。役は%2です")
            .arg(QString::number(game), UiSuitName(trump)));
}

void CTableAnnouncer::OnRedeal(int) {
    Say(TableSpeech::tr("配り直しです"));
}

void CTableAnnouncer::OnShow(int seat, CardId first, CardId second) {
    Say(TableSpeech::tr("%1の見せ札は%2と%3です")
            .arg(SeatName(m_gs, seat), UiCardName(first), UiCardName(second)));
}

void CTableAnnouncer::OnTrump(int seat, int suit) {
    Say(TableSpeech::tr("%1が役を%2に決めました").arg(SeatName(m_gs, seat), UiSuitName(suit)));
}

void CTableAnnouncer::OnCall(int seat, int suit) {
    Say(TableSpeech::tr("%1が%2を請求しました").arg(SeatName(m_gs, seat), UiSuitName(suit)));
}

void CTableAnnouncer::OnPlay(int seat, CardId card, const char* /*why*/) {
    QString text =
        TableSpeech::tr("%1が%2を出しました").arg(SeatName(m_gs, seat), UiCardName(card));
    // A computer's joker lead names the suit the others must follow.
    if (card == kJoker && seat == m_gs.m_leader && seat != kHumanSeat) {
        text += TableSpeech::tr("。%1を請求しました").arg(UiSuitName(m_gs.m_calledSuit));
    }
    Say(text);
}

void CTableAnnouncer::OnTrick(int winner, int related, int unrelated) {
    //: %1 the winner of the trick; %2 and %3 the picture cards each group has taken.
    Say(TableSpeech::tr("%1が取りました。絵札は関係グループ%2枚、無関係グループ%3枚です")
            .arg(SeatName(m_gs, winner), QString::number(related), QString::number(unrelated)));
}

void CTableAnnouncer::OnDeclare(int kind, bool, bool answer, int, int) {
    if (answer) return Say(UiText(kind == 0 ? kMsgRelatedDeclared : kMsgUnrelatedDeclared));
    Say(kind == 0 ? TableSpeech::tr("「１６」は宣言しませんでした")
                  : TableSpeech::tr("「逆１６」は宣言しませんでした"));
}

void CTableAnnouncer::OnResult(int result) {
    if (result != kGameOver) return Say(TableSpeech::tr("次の戦に進みます"));
    const int game = m_gs.m_game;
    QStringList points;
    for (int player = 0; player < kSeats && game >= 1 && game <= 10; ++player) {
        points << TableSpeech::tr("%1 %2点").arg(PlayerName(m_gs, player),
                                                 QString::number(m_gs.m_points[game - 1][player]));
    }
    Say(TableSpeech::tr("第%1ゲームの結果: %2")
            .arg(QString::number(game), points.join(TableSpeech::tr("、"))));
}

}  // namespace quintrick
