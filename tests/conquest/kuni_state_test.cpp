#include "conquest/kuni_state.h"

#include <gtest/gtest.h>

#include <climits>

#include "conquest/kuni_table.h"
#include "engine/strings.h"
#include "memory_profile.h"
#include "recording_box.h"

namespace quintrick {
namespace {

using test::RecordingBox;

TEST(KuniState, EmptyProfileReadsDefaults) {
    MemoryProfile profile;
    EXPECT_EQ(GetKuniOwner(profile, 5), kNoOwner);
    EXPECT_EQ(GetStones(profile, 9), 0);
    SetKuniOwner(profile, 5, 12);
    SetStones(profile, 9, 77);
    EXPECT_EQ(profile.ReadInt("Owner", "Kuni5", -1), 12);  // any value is kept as written
    EXPECT_EQ(profile.ReadInt("Entry", "Entry9", -1), 77);
    EXPECT_EQ(GetKuniOwner(profile, 5), 12);
}

TEST(KuniState, CreditMatchStonesClampsAtZeroAndIntMax) {
    const struct {
        int stored;
        int delta;
        int expected;
    } cases[] = {{20, -30, 0},
                 {0, 45, 45},
                 {100, -100, 0},
                 {INT_MAX - 5, 10, INT_MAX},
                 {INT_MAX, INT_MAX, INT_MAX},
                 {-50, 20, 0},
                 {INT_MIN, INT_MIN, 0}};
    for (const auto& c : cases) {
        MemoryProfile profile;
        SetStones(profile, 4, c.stored);
        CreditMatchStones(profile, 4, c.delta);
        EXPECT_EQ(GetStones(profile, 4), c.expected) << c.stored << " + " << c.delta;
    }
}

void ExpectFreshState(MemoryProfile& profile) {
    for (int i = 0; i < kProvinces; ++i) {
        const int home = KuniTable[static_cast<std::size_t>(i)].home;
        EXPECT_EQ(GetKuniOwner(profile, i), home >= 0 ? home : kNoOwner) << i;
        EXPECT_TRUE(profile.Has("Owner", "Kuni" + std::to_string(i))) << i;
    }
    for (int c = 0; c < kCharacters; ++c) {
        EXPECT_EQ(GetKuniOwner(profile, HomeProvince(c)), c);
        EXPECT_EQ(profile.ReadInt("Entry", "Entry" + std::to_string(c), -1), 0);
    }
}

TEST(KuniState, ResetAnswersAndConfirmation) {
    const struct {
        bool confirm;
        int answer;
        bool reset;
        int questions;
    } cases[] = {
        {true, IDYES, true, 1}, {true, IDNO, false, 1}, {true, 0, true, 1}, {false, IDNO, true, 0}};
    for (const auto& c : cases) {
        MemoryProfile profile;
        SetStones(profile, 2, 500);
        SetKuniOwner(profile, 31, 7);
        const int writesBefore = profile.Writes();
        RecordingBox box(c.answer);
        EXPECT_EQ(ResetKunitori(profile, box, c.confirm), c.reset);
        ASSERT_EQ(static_cast<int>(box.calls.size()), c.questions);
        if (c.questions) {
            EXPECT_EQ(box.calls[0].first, kMsgResetConquest);
            EXPECT_EQ(box.calls[0].second, kStyleQuestion);
        }
        if (c.reset) {
            ExpectFreshState(profile);
        } else {
            EXPECT_EQ(profile.Writes(), writesBefore);
            EXPECT_EQ(GetStones(profile, 2), 500);
        }
    }
}

TEST(KuniState, StartUpInitialisesOnlyWhileInitIsZero) {
    MemoryProfile profile;
    RecordingBox box(IDNO);
    InitKunitoriAtStartup(profile, box);
    ExpectFreshState(profile);
    EXPECT_EQ(profile.ReadInt("Kunitori", "INIT", -1), 1);
    EXPECT_TRUE(box.calls.empty());

    SetStones(profile, 0, 33);  // a later start keeps the state
    InitKunitoriAtStartup(profile, box);
    EXPECT_EQ(GetStones(profile, 0), 33);

    profile.WriteInt("Kunitori", "INIT", 0);  // left by a unification
    InitKunitoriAtStartup(profile, box);
    EXPECT_EQ(GetStones(profile, 0), 0);
    EXPECT_EQ(profile.ReadInt("Kunitori", "INIT", -1), 1);
}

}  // namespace
}  // namespace quintrick
