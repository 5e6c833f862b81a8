// Every section and entry of the application profile, with its type and the default a read
// uses when the entry is missing. Code addresses the profile only through these declarations.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/host.h"

namespace quintrick {

struct IntEntry {
    std::string_view section;
    std::string_view entry;
    int def;
};

struct StringEntry {
    std::string_view section;
    std::string_view entry;
    std::string_view def;
};

// A family of int entries named prefix + index (index 0 .. count-1).
struct IndexedIntEntry {
    std::string_view section;
    std::string_view prefix;
    int count;
    int def;
};

namespace entries {

// "Settei": the user's settings. The first seven have copies on the view.
inline constexpr IntEntry kSpeed{"Settei", "Speed", 9};
inline constexpr IntEntry kOpenMode{"Settei", "OpenMode", 0};
inline constexpr IntEntry kKoukaon{"Settei", "Koukaon", 1};
inline constexpr IntEntry kRuleRem{"Settei", "RuleRem", 1};
inline constexpr IntEntry kDspRem{"Settei", "DspRem", 1};
inline constexpr IntEntry kNokoriDsp{"Settei", "NokoriDsp", 1};
inline constexpr IntEntry kDspInfo{"Settei", "DspInfo", 1};
inline constexpr IntEntry kAutoStart{"Settei", "AutoStart", 0};
inline constexpr IntEntry kEntryNo{"Settei", "EntryNo", 0};
// The frame width: read as 1000 ("not set yet") when the frame is created, as 640 elsewhere.
inline constexpr IntEntry kGamenAtFrame{"Settei", "Gamen", 1000};
inline constexpr IntEntry kGamen{"Settei", "Gamen", 640};
// The computers' strength: 0 their characters' rules, 1 cards chosen by the sampling search.
inline constexpr IntEntry kTsuyosa{"Settei", "Tsuyosa", 0};
// The result panel after each game: 1 shown, 0 not.
inline constexpr IntEntry kResultPanel{"Settei", "ResultPanel", 1};
// The language of the user interface: "ja" or "en"; empty follows the desktop.
inline constexpr StringEntry kLanguage{"Settei", "Language", ""};

// "Last": the last-used view state.
inline constexpr IntEntry kKakudo{"Last", "Kakudo", 21};
inline constexpr IntEntry kBackSet{"Last", "BackSet", 0};
inline constexpr IntEntry kCardWaku{"Last", "CardWaku", 1};
inline constexpr IntEntry kMapX{"Last", "PX", 0};
inline constexpr IntEntry kMapY{"Last", "PY", 0};
inline constexpr IntEntry kMapWidth{"Last", "SX", 640};
inline constexpr IntEntry kMapHeight{"Last", "SY", 480};
inline constexpr IntEntry kMapZoomed{"Last", "Zoomed", 0};
// The table window: the client size of the normal window (0: not stored, the "Gamen" size is
// used) and its state (0 normal, 1 maximised, 2 full screen).
inline constexpr IntEntry kWindowWidth{"Last", "Width", 0};
inline constexpr IntEntry kWindowHeight{"Last", "Height", 0};
inline constexpr IntEntry kWindowState{"Last", "WindowState", 0};

// The province conquest.
inline constexpr IntEntry kKunitoriInit{"Kunitori", "INIT", 0};
inline constexpr IndexedIntEntry kKuniOwner{"Owner", "Kuni", 75, 10};
inline constexpr IndexedIntEntry kStones{"Entry", "Entry", 10, 0};

// "Cun": the exchange with the peek process.
inline constexpr std::array<StringEntry, 4> kCunHand{{
    {"Cun", "0", ""},
    {"Cun", "1", ""},
    {"Cun", "2", ""},
    {"Cun", "3", ""},
}};
inline constexpr IntEntry kCunNow{"Cun", "Now", 0};
inline constexpr StringEntry kCunName{"Cun", "Name", ""};
inline constexpr IntEntry kCunningView{"Cun", "CunningView", 0};

// Every fixed int entry, in table order ("Gamen" with its frame-creation default).
inline constexpr std::array<IntEntry, 27> kAllIntEntries{{
    kSpeed,     kOpenMode, kKoukaon,      kRuleRem,      kDspRem,       kNokoriDsp,   kDspInfo,
    kAutoStart, kEntryNo,  kGamenAtFrame, kKakudo,       kBackSet,      kCardWaku,    kMapX,
    kMapY,      kMapWidth, kMapHeight,    kMapZoomed,    kKunitoriInit, kCunNow,      kCunningView,
    kGamen,     kTsuyosa,  kWindowWidth,  kWindowHeight, kWindowState,  kResultPanel,
}};

}  // namespace entries

inline int Read(IProfile& profile, const IntEntry& e) {
    return profile.ReadInt(e.section, e.entry, e.def);
}
inline void Write(IProfile& profile, const IntEntry& e, int value) {
    profile.WriteInt(e.section, e.entry, value);
}
inline std::string Read(IProfile& profile, const StringEntry& e) {
    return profile.ReadString(e.section, e.entry, e.def);
}
inline void Write(IProfile& profile, const StringEntry& e, std::string_view value) {
    profile.WriteString(e.section, e.entry, value);
}
inline std::string EntryName(const IndexedIntEntry& e, int index) {
    return std::string(e.prefix) + std::to_string(index);
}
inline int Read(IProfile& profile, const IndexedIntEntry& e, int index) {
    return profile.ReadInt(e.section, EntryName(e, index), e.def);
}
inline void Write(IProfile& profile, const IndexedIntEntry& e, int index, int value) {
    profile.WriteInt(e.section, EntryName(e, index), value);
}

// The hand the game published for the peek process for computer seat 0..3; any other seat has
// none.
inline bool IsCunSeat(int seat) {
    return seat >= 0 && seat < static_cast<int>(entries::kCunHand.size());
}
inline std::string ReadCunHand(IProfile& profile, int seat) {
    return IsCunSeat(seat) ? Read(profile, entries::kCunHand[static_cast<std::size_t>(seat)])
                           : std::string();
}

}  // namespace quintrick
