// Every text the table images write, in Japanese and in English: the one source from which the
// generator draws both artwork sets (and which the tests read to check the English set).
#pragma once

#include <iterator>
#include <vector>

namespace quintrick::art {

enum class ArtLanguage { Japanese, English };

struct ArtText {
    const char* ja;
    const char* en;
    const char* In(ArtLanguage language) const {
        return language == ArtLanguage::English ? en : ja;
    }
};

inline constexpr ArtText kTextRedeal{"重カン処理中", "Redealing"};
inline constexpr ArtText kTextKan{"カン", "Mine!"};
inline constexpr ArtText kTextKoi{"こい", "Come!"};
inline constexpr ArtText kTextIku{"いく", "Go!"};
// The game label reads "第 n ゲーム" / "Game n of 10", the number stamped into its gap.
inline constexpr ArtText kTextGameBefore{"第", "Game"};
inline constexpr ArtText kTextGameAfter{"ゲーム", "of 10"};
// The battle label reads "n 戦目" / "1st battle", the numeral stamped into its gap.
inline constexpr ArtText kTextBattleAfter{"戦目", "battle"};
inline constexpr ArtText kTextBattleNumerals[3] = {{"一", "1st"}, {"二", "2nd"}, {"三", "3rd"}};
inline constexpr ArtText kTextTrumpCall{"ヤク", "TRUMP"};
inline constexpr ArtText kTextSuitCall{"請求", "Call"};
// The remaining-cards panel's letters for the related and the unrelated group.
inline constexpr ArtText kTextRelated{"K", "R"};
inline constexpr ArtText kTextUnrelated{"M", "U"};
inline constexpr ArtText kTextBanners[6] = {
    {"合計", "Total"},
    {"16宣言中", "\"16\" declared"},
    {"逆16宣言中", "Reverse 16 declared"},
    {"初期設定中", "Setting up"},
    {"旗をクリックして開始", "Click the flag to start"},
    {"役決め中", "Choosing the trump"},
};
// The name plates in roster order; the Japanese names are the engine's roster names.
inline constexpr const char* kEnglishRosterNames[10] = {"Kestrel", "Osprey", "Heron",  "Falcon",
                                                        "Crane",   "Raven",  "Magpie", "Egret",
                                                        "Shrike",  "Harrier"};

// The character dialog's map picture: its title, and the English names of the characters' home
// provinces (the Japanese names and which province is whose home are the province table's).
inline constexpr ArtText kTextHomeMapTitle{"打ち手の国", "Home provinces"};
struct EnglishProvinceName {
    int province;  // province index
    const char* en;
};
inline constexpr EnglishProvinceName kEnglishHomeNames[] = {
    {1, "Tsugaru"}, {3, "Date"},   {13, "Omi"},   {15, "Echigo"}, {27, "Kai"},
    {31, "Mikawa"}, {32, "Owari"}, {41, "Tamba"}, {55, "Aki"},    {70, "Satsuma"},
};
// The English name of a province of the table above, nullptr for any other.
inline const char* EnglishHomeName(int province) {
    for (const EnglishProvinceName& n : kEnglishHomeNames) {
        if (n.province == province) return n.en;
    }
    return nullptr;
}

// All of the above but the roster and province names, for the tests.
inline std::vector<ArtText> AllArtTexts() {
    std::vector<ArtText> all = {kTextRedeal,      kTextKan,        kTextKoi,
                                kTextIku,         kTextGameBefore, kTextGameAfter,
                                kTextBattleAfter, kTextTrumpCall,  kTextSuitCall,
                                kTextRelated,     kTextUnrelated,  kTextHomeMapTitle};
    all.insert(all.end(), std::begin(kTextBattleNumerals), std::end(kTextBattleNumerals));
    all.insert(all.end(), std::begin(kTextBanners), std::end(kTextBanners));
    return all;
}

}  // namespace quintrick::art
