#include "conquest/conquest_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conquest/kuni_table.h"
#include "engine/roster.h"
#include "engine/strings.h"
#include "memory_profile.h"
#include "recording_box.h"

namespace quintrick {
namespace {

using test::RecordingBox;

// Province indices used below.
enum : int {
    kTsugaru = 1,
    kAkita = 6,
    kShinano = 10,
    kWakasa = 20,
    kHitachi = 21,
    kMikawa = 31,
    kTamba = 41,
    kTango = 42,
    kTajima = 43,
    kInaba = 44,
};

// A profile where nobody owns anything except the listed provinces.
MemoryProfile Owning(int character, std::initializer_list<int> provinces, int stones) {
    MemoryProfile profile;
    for (int p : provinces) SetKuniOwner(profile, p, character);
    SetStones(profile, character, stones);
    return profile;
}

class RecordingMap : public IConquestMap {
  public:
    void FillOwner(int province, int character) override { fills.push_back({province, character}); }
    void ShowPlainBox(std::string_view caption, std::string_view text) override {
        boxes.push_back(std::string(caption) + "|" + std::string(text));
    }
    void SetStatus(std::string_view text) override { status = text; }
    void RepaintFromProfile() override { ++repaints; }
    void UnificationCeremony() override { ++ceremonies; }
    void PlaySound(int sound) override { sounds.push_back(sound); }

    std::vector<std::pair<int, int>> fills;
    std::vector<std::string> boxes;
    std::string status;
    int repaints = 0;
    int ceremonies = 0;
    std::vector<int> sounds;
};

std::array<std::string, 5> Names() {
    return {"レイヴン", "シュライク", "マグパイ", "ヘロン", "ケストレル"};
}

TEST(ConquestRules, CheapestTargetAndTies) {
    const struct {
        std::initializer_list<int> owned;
        int expected;
    } cases[] = {
        {{kTsugaru}, kAkita},          // 秋田 30 beats 南部 68 and 蝦夷 160
        {{kWakasa, kTamba}, kTango},   // 丹後 22 is met before 但馬 22
        {{kTamba, kTajima}, kWakasa},  // 若狭 17 is met before 因幡 17
        {{kMikawa}, 30},               // 遠江 51 is the cheapest next to 三河
        {{}, kNoProvince},
    };
    for (const auto& c : cases) {
        MemoryProfile profile = Owning(kKestrel, c.owned, 0);
        EXPECT_EQ(CheapestTarget(profile, kKestrel), c.expected);
    }
    MemoryProfile all;
    for (int i = 0; i < kProvinces; ++i) SetKuniOwner(all, i, kKestrel);
    EXPECT_EQ(CheapestTarget(all, kKestrel), kNoTarget);
    SetKuniOwner(all, 5, 12);  // an owner outside 0..9 is nobody: 相馬 is a target
    EXPECT_EQ(CheapestTarget(all, kKestrel), 5);
}

TEST(ConquestRules, CanTakeOnlyFromTheFrontier) {
    const struct {
        std::initializer_list<int> owned;
        int province;
        bool expected;
    } cases[] = {
        {{kMikawa}, kShinano, true},    // 三河 is 信濃's tenth neighbour
        {{kTamba}, kHitachi, false},    // far away
        {{kTsugaru}, 0, true},          // sea crossing to 蝦夷
        {{kTsugaru}, kTsugaru, false},  // not its own neighbour
        {{kTsugaru}, 75, false},
    };
    for (const auto& c : cases) {
        MemoryProfile profile = Owning(kKestrel, c.owned, 0);
        EXPECT_EQ(CanTake(profile, kKestrel, c.province), c.expected) << c.province;
    }
}

TEST(ConquestRules, StatusTexts) {
    const struct {
        std::initializer_list<int> owned;
        int stones;
        std::string expected;
    } cases[] = {
        {{kTsugaru}, 40, "現在の石数: 40  ｢秋田｣ が盗れます。"},
        {{kTsugaru}, 30, "現在の石数: 30  ｢秋田｣ が盗れます。"},
        {{kTsugaru}, 29, "現在の石数: 29  石数不足で、盗れる国がありません！！"},
        {{}, 500, "この打ち手は自国がないので国盗りできません！！"},
    };
    for (const auto& c : cases) {
        MemoryProfile profile = Owning(kKestrel, c.owned, c.stones);
        EXPECT_EQ(ConquestStatus(profile, kKestrel), c.expected);
    }
    MemoryProfile all;
    for (int i = 0; i < kProvinces; ++i) SetKuniOwner(all, i, kKestrel);
    EXPECT_EQ(ConquestStatus(all, kKestrel), "盗れる国がありません！！");
}

TEST(ConquestRules, HumanTaking) {
    const struct {
        int stones;
        int province;
        ConquestSession::Taking result;
        int stonesAfter;
        bool modeAfter;
        std::vector<std::pair<int, int>> messages;
    } cases[] = {
        {40, kAkita, ConquestSession::Taking::Taken, 10, false, {}},  // next is 最上 (33)
        {30, kAkita, ConquestSession::Taking::Taken, 0, false, {}},
        {100, kAkita, ConquestSession::Taking::Taken, 70, true, {}},
        {29,
         kAkita,
         ConquestSession::Taking::TooFewStones,
         29,
         true,
         {{kMsgNotEnoughStones, kStyleInfo}}},
        {500, kHitachi, ConquestSession::Taking::Ignored, 500, true, {}},
        {500, kTsugaru, ConquestSession::Taking::Ignored, 500, true, {}},
    };
    for (const auto& c : cases) {
        MemoryProfile profile = Owning(kKestrel, {kTsugaru}, c.stones);
        RecordingBox box;
        RecordingMap map;
        ConquestSession session(profile, box, map, Names(), kKestrel, true);
        EXPECT_EQ(session.HumanTakes(c.province), c.result) << c.stones << " " << c.province;
        EXPECT_EQ(GetStones(profile, kKestrel), c.stonesAfter);
        EXPECT_EQ(session.ConquestMode(), c.modeAfter) << c.stones;
        EXPECT_EQ(box.calls, c.messages);
        const bool taken = c.result == ConquestSession::Taking::Taken;
        EXPECT_EQ(GetKuniOwner(profile, c.province) == kKestrel, taken || c.province == kTsugaru);
        EXPECT_EQ(map.fills.size(), taken ? 1u : 0u);
        EXPECT_EQ(map.sounds, taken ? std::vector<int>{kSoundCard} : std::vector<int>{});
        if (taken) {
            EXPECT_EQ(map.status, ConquestStatus(profile, kKestrel));
        }
    }
}

TEST(ConquestRules, HumanTakingTheLastProvinceStartsTheCeremony) {
    MemoryProfile profile;
    for (int i = 0; i < kProvinces; ++i) SetKuniOwner(profile, i, i == 74 ? kNoOwner : kEgret);
    SetStones(profile, kEgret, 3);
    RecordingBox box;
    RecordingMap map;
    ConquestSession session(profile, box, map, Names(), kEgret, false);
    EXPECT_EQ(session.HumanTakes(74), ConquestSession::Taking::Unified);
    EXPECT_EQ(map.ceremonies, 1);
    EXPECT_TRUE(map.sounds.empty());  // sound effects off
    EXPECT_EQ(GetStones(profile, kEgret), 0);
}

TEST(ConquestRules, RegularTakesThreeInARow) {
    // Raven owns only 津軽 and can pay for 秋田 (30), then 最上 (33), then 蘆名 (62); the next
    // target, 相馬 (48), is out of reach with the 5 stones left.
    MemoryProfile profile = Owning(kRaven, {kTsugaru}, 30 + 33 + 62 + 5);
    RecordingBox box;
    RecordingMap map;
    ConquestSession session(profile, box, map, Names(), kKestrel, true);
    session.RegularsTurn();
    const std::string caption = "レギュラー ｢レイヴン｣ の国盗り|";
    EXPECT_EQ(map.boxes,
              (std::vector<std::string>{caption + " ｢秋田｣ を盗ります。\n    (残り : 100)",
                                        caption + " ｢最上｣ を盗ります。\n    (残り : 67)",
                                        caption + " ｢蘆名｣ を盗ります。\n    (残り : 5)"}));
    EXPECT_EQ(map.fills, (std::vector<std::pair<int, int>>{{6, kRaven}, {7, kRaven}, {4, kRaven}}));
    EXPECT_EQ(GetStones(profile, kRaven), 5);
    EXPECT_EQ(GetKuniOwner(profile, 4), kRaven);
    EXPECT_TRUE(map.sounds.empty());  // no sound for the regulars
    EXPECT_TRUE(box.calls.empty());
    EXPECT_TRUE(session.ConquestMode());
}

TEST(ConquestRules, RegularUnificationStopsTheOthersAndResets) {
    MemoryProfile profile;
    profile.WriteInt("Kunitori", "INIT", 1);
    for (int i = 0; i < kProvinces; ++i) SetKuniOwner(profile, i, kHeron);
    SetKuniOwner(profile, 74, kRaven);  // 対馬, next to 壱岐, costs 3
    SetStones(profile, kHeron, 3);
    SetStones(profile, kRaven, 1000);
    RecordingBox box;
    RecordingMap map;
    ConquestSession session(profile, box, map, Names(), kKestrel, true);
    session.RegularsTurn();
    ASSERT_EQ(map.boxes.size(), 1u);  // Heron takes 対馬; Raven does not move afterwards
    EXPECT_EQ(box.calls, (std::vector<std::pair<int, int>>{{kMsgUnified, kStyleInfo}}));
    EXPECT_EQ(profile.ReadInt("Kunitori", "INIT", -1), 0);
    EXPECT_FALSE(session.ConquestMode());
    EXPECT_EQ(map.status, LoadString(kStatusReset));
    EXPECT_EQ(map.repaints, 1);
    for (int c = 0; c < kCharacters; ++c) {
        EXPECT_EQ(GetKuniOwner(profile, HomeProvince(c)), c);
        EXPECT_EQ(GetStones(profile, c), 0);
    }
    EXPECT_EQ(GetKuniOwner(profile, 74), kNoOwner);
}

}  // namespace
}  // namespace quintrick
