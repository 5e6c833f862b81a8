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
};

// The text of a string-table entry; empty when there is no such entry.
std::string_view LoadString(int id);

}  // namespace quintrick
