// Every command id of the program: the items of the three popup menus, the keys F1 to F6, the
// speeds, the window sizes and the peek commands.
#pragma once

namespace quintrick {

enum CommandId : int {
    // Game menu.
    kCmdStart = 32771,
    kCmdNewMatch = 32813,  // also Ctrl+N
    kCmdExit = 57665,
    kCmdRecords = 32850,  // also F6
    kCmdHint = 32812,     // also H
    // Settings menu.
    kCmdSpeedFast = 32774,
    kCmdSpeedFaster = 32783,
    kCmdSpeedNormal = 32776,
    kCmdSpeedSlower = 32785,
    kCmdSpeedSlow = 32778,
    kCmdOpenMode = 32781,
    kCmdSound = 32773,
    kCmdRuleRem = 32788,
    kCmdDspRem = 32782,
    kCmdNokori = 32779,
    kCmdDspInfo = 32797,
    kCmdAutoStart = 32807,
    kCmdScore = 32772,
    kCmdMap = 32784,
    kCmdResetMap = 32786,
    kCmdCardBacks = 32790,
    kCmdSize640 = 32794,
    kCmdSize800 = 32791,
    kCmdSize1024 = 32805,
    kCmdSize1200 = 32792,
    kCmdSize1400 = 32806,
    kCmdSize1600 = 32793,
    kCmdFullScreen = 32880,
    kCmdLevelNormal = 32810,
    kCmdLevelStrong = 32811,
    kCmdLanguageJapanese = 32851,
    kCmdLanguageEnglish = 32852,
    // The volume steps of the settings menu (0, 25, 50, 75, 100 %), the keys - and + (10 % down
    // and up) and the announcements as a text line.
    kCmdVolume0 = 32870,
    kCmdVolume100 = 32874,
    kCmdVolumeDown = 32875,
    kCmdVolumeUp = 32876,
    kCmdJimaku = 32877,
    // The keys ? (the key reference) and I (the state of the game said).
    kCmdKeyReference = 32878,
    kCmdSayState = 32879,
    kCmdTakeBack = 32853,     // also Ctrl+Z
    kCmdReview = 32854,       // also V
    kCmdResultPanel = 32860,  // the result panel after each game on / off
    // Game menu: the views of the table that the mouse holds, and the pause.
    kCmdLastTrick = 32861,  // also L
    kCmdDiscards = 32862,   // also D
    kCmdPause = 32863,      // also P
    // Help menu.
    kCmdHelpOperation = 32787,
    kCmdHelpRules = 32780,
    kCmdHelpTactics = 32789,
    kCmdAbout = 57664,
    // The keys F1 to F5: the three menus and the two angle steps.
    kCmdGameMenu = 32798,
    kCmdSettingsMenu = 32799,
    kCmdHelpMenu = 32800,
    kCmdAngleUp = 32801,
    kCmdAngleDown = 32802,
    // The peek commands: 701 + seat shows computer seat 0-3.
    kPeekCommandFirst = 701,
    kPeekCommandLast = 704,
};

}  // namespace quintrick
