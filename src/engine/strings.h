// The program's string table: every user-visible message by its id (UTF-8).
#pragma once

#include <string_view>

namespace quintrick {

enum StringId : int {
    kMsgMemory = 30001,
    kMsgReadFailed = 30002,
    kMsgAskLead = 30003,
    kMsgTransferFailed = 30004,
    kMsgPutShowCards = 30005,
    kMsgQuitMidway = 30006,
    kMsgCardBackFailed = 30007,
    kMsgDataFileMissing = 30009,
    kMsgTimerFailed = 30011,
    kMsgResetConquest = 30012,
    kStrProvinceNames = 30013,
    kMsgUnified = 30014,
    kMsgRelatedWins = 30015,
    kMsgRelatedSweepAsk = 30016,
    kMsgRelatedDeclared = 30017,
    kMsgContinue = 30018,
    kMsgRelatedSweep = 30019,
    kMsgUnrelatedWins = 30020,
    kMsgUnrelatedSweepAsk = 30021,
    kMsgUnrelatedDeclared = 30022,
    kMsgUnrelatedSweep = 30023,
    kMsgSixteenMissed = 30024,
    kMsgSixteenMade = 30025,
    kMsgReverseMissed = 30026,
    kMsgRuleFollowSuit = 30027,
    kMsgRuleJokerFirst = 30028,
    kMsgRuleJokerNinth = 30029,
    kMsgJokerLeadPrompt = 30030,
    kMsgStartHelp = 30031,
    kMsgReverseMade = 30008,
    kMsgNoFreeImage = 30040,
    kMsgPeekLaunchFailed = 30041,
    kMsgUnsupportedFileType = 30056,
    kMsgNoHelpFolder = 30162,
    // Screen explanations: the ten personalities (roster order), then the table's elements.
    kTipPersonalityFirst = 30100,
    kTipTrump = 30110,
    kTipGameCounter = 30111,
    kTipBattleCounter = 30112,
    kTipRelatedTarget = 30113,
    kTipUnrelatedTarget = 30114,
    kTipPicturesLeft = 30115,
    kTipJokerLeft = 30116,
    kTipClubsLeft = 30117,
    kTipDiamondsLeft = 30118,
    kTipHeartsLeft = 30119,
    kTipSpadesLeft = 30120,
    kTipField = 30121,
    kTipDiscard = 30122,
    kTipTurnMark = 30123,
    kTipAngleUp = 30124,
    kTipAngleDown = 30125,
    kTipCalledSuit = 30126,
    kTipRight = 30127,
    // The version history, oldest release first.
    kVersionOldest = 30200,
    kVersionNewest = 30208,
    kMsgAutoStartNext = 30038,
};

// The text of a string-table entry; empty when there is no such entry.
std::string_view LoadString(int id);

}  // namespace quintrick
