#include "conquest/kuni_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <queue>
#include <string>

#include "engine/strings.h"

namespace quintrick {
namespace {

const KuniRecord& Kuni(int i) {
    return KuniTable[static_cast<std::size_t>(i)];
}

bool Lists(int from, int to) {
    const auto n = Kuni(from).Neighbours();
    return std::find(n.begin(), n.end(), to) != n.end();
}

TEST(KuniTable, NamesAreCutFromTheNameString) {
    const struct {
        int province;
        const char* name;
    } cases[] = {{0, "蝦夷"}, {11, "飛弾"}, {41, "丹波"}, {74, "対馬"}, {-1, ""}, {75, ""}};
    for (const auto& c : cases) EXPECT_EQ(KuniName(c.province), c.name) << c.province;
}

// The romanised names of the English map and texts: Hepburn without long-vowel marks, plain
// ASCII letters only, one for every province.
TEST(KuniTable, RomanisedNames) {
    const struct {
        int province;
        const char* name;
    } cases[] = {{0, "Ezo"},        {8, "Shimotsuke"}, {9, "Kozuke"}, {11, "Hida"},
                 {13, "Omi"},       {16, "Etchu"},     {24, "Awa"},   {30, "Totomi"},
                 {36, "Yamashiro"}, {45, "Hoki"},      {59, "Awa"},   {72, "Ryukyu"},
                 {74, "Tsushima"},  {-1, ""},          {75, ""}};
    for (const auto& c : cases) EXPECT_EQ(KuniRomanName(c.province), c.name) << c.province;
    for (int i = 0; i < kProvinces; ++i) {
        const std::string_view name = KuniRomanName(i);
        ASSERT_FALSE(name.empty()) << i;
        EXPECT_TRUE(name[0] >= 'A' && name[0] <= 'Z') << name;
        EXPECT_TRUE(std::all_of(name.begin() + 1, name.end(), [](char c) {
            return c >= 'a' && c <= 'z';
        })) << name;
    }
}

TEST(KuniTable, NeighboursAreAscendingSymmetricAndInRange) {
    for (int i = 0; i < kProvinces; ++i) {
        const auto n = Kuni(i).Neighbours();
        ASSERT_FALSE(n.empty()) << i;
        EXPECT_TRUE(std::is_sorted(n.begin(), n.end())) << i;
        EXPECT_EQ(std::adjacent_find(n.begin(), n.end()), n.end()) << i;
        EXPECT_LE(n.size(), i == 10 ? 10u : 7u) << i;  // only 信濃 has ten
        for (int j : n) {
            ASSERT_TRUE(j >= 0 && j < kProvinces && j != i) << i << "->" << j;
            EXPECT_TRUE(Lists(j, i)) << j << " does not list " << i;
        }
    }
}

TEST(KuniTable, SeaCrossingsAndNamedPairsAreNeighbours) {
    const std::pair<int, int> pairs[] = {{0, 1},   {14, 15}, {47, 46}, {58, 40}, {58, 59}, {73, 63},
                                         {73, 74}, {72, 70}, {41, 20}, {38, 37}, {39, 57}};
    for (auto [a, b] : pairs) EXPECT_TRUE(Lists(a, b) && Lists(b, a)) << a << "-" << b;
}

TEST(KuniTable, AllProvincesAreConnected) {
    std::vector<bool> seen(kProvinces, false);
    std::queue<int> open;
    open.push(0);
    seen[0] = true;
    int reached = 1;
    while (!open.empty()) {
        const int i = open.front();
        open.pop();
        for (int j : Kuni(i).Neighbours()) {
            if (!seen[static_cast<std::size_t>(j)]) {
                seen[static_cast<std::size_t>(j)] = true;
                ++reached;
                open.push(j);
            }
        }
    }
    EXPECT_EQ(reached, kProvinces);
}

TEST(KuniTable, HomesCostsAndColours) {
    // character -> home province
    const int homes[kCharacters] = {1, 3, 31, 27, 15, 32, 13, 55, 41, 70};
    int homeCount = 0;
    for (int i = 0; i < kProvinces; ++i) {
        EXPECT_GE(Kuni(i).cost, 1);
        EXPECT_LE(Kuni(i).cost, 160);
        if (Kuni(i).home >= 0) ++homeCount;
    }
    EXPECT_EQ(homeCount, kCharacters);
    for (int c = 0; c < kCharacters; ++c) EXPECT_EQ(HomeProvince(c), homes[c]) << c;
    EXPECT_EQ(HomeProvince(10), -1);
    EXPECT_EQ(Kuni(0).cost, 160);
    EXPECT_EQ(Kuni(47).cost, 1);
    EXPECT_EQ(Kuni(13).cost, 155);

    EXPECT_EQ(KuniColor(0), (KuniRgb{255, 0, 255}));
    EXPECT_EQ(KuniColor(3), (KuniRgb{128, 128, 0}));
    EXPECT_EQ(KuniColor(9), (KuniRgb{0, 0, 128}));
    for (int owner : {10, 12, -1}) EXPECT_FALSE(KuniColor(owner).has_value()) << owner;
}

// The explanation of every character's name plate names the home province of the table.
TEST(KuniTable, ExplanationsNameTheHomeProvince) {
    for (int c = 0; c < kCharacters; ++c) {
        const std::string text(LoadString(kTipPersonalityFirst + c));
        const std::string home = "\n[本拠地] " + KuniName(HomeProvince(c));
        ASSERT_GE(text.size(), home.size()) << c;
        EXPECT_EQ(text.substr(text.size() - home.size()), home) << c;
    }
}

}  // namespace
}  // namespace quintrick
