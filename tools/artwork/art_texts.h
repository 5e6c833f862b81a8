// Every text the generated artwork writes, in Japanese and in English: the one source from which
// the generators (tools/artwork, tools/mapart) draw both artwork sets, and which the tests read to
// check the English set.
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
// The province map: its title and the heads of the legend's columns (the characters and their
// stones); the unification banner; the seal on the suit dialog's OK button.
inline constexpr ArtText kTextMapTitle{"国盗りマップ", "Province Conquest Map"};
inline constexpr ArtText kTextMapPlayers{"打ち手", "Player"};
inline constexpr ArtText kTextMapStones{"石数", "Stones"};
inline constexpr ArtText kTextUnified{"天下統一", "Realm Unified"};
inline constexpr ArtText kTextOkSeal{"決", "OK"};
// The name plates in roster order; the Japanese names are the engine's roster names.
inline constexpr const char* kEnglishRosterNames[10] = {"Kestrel", "Osprey", "Heron",  "Falcon",
                                                        "Crane",   "Raven",  "Magpie", "Egret",
                                                        "Shrike",  "Harrier"};

// The character dialog's map picture: its title (the provinces' names, Japanese and romanised,
// and which province is whose home are the province table's).
inline constexpr ArtText kTextHomeMapTitle{"打ち手の国", "Home provinces"};

// All of the above but the roster and province names, for the tests.
inline std::vector<ArtText> AllArtTexts() {
    std::vector<ArtText> all = {
        kTextRedeal,    kTextKan,          kTextKoi,       kTextIku,        kTextGameBefore,
        kTextGameAfter, kTextBattleAfter,  kTextTrumpCall, kTextSuitCall,   kTextRelated,
        kTextUnrelated, kTextHomeMapTitle, kTextMapTitle,  kTextMapPlayers, kTextMapStones,
        kTextUnified,   kTextOkSeal};
    all.insert(all.end(), std::begin(kTextBattleNumerals), std::end(kTextBattleNumerals));
    all.insert(all.end(), std::begin(kTextBanners), std::end(kTextBanners));
    return all;
}

}  // namespace quintrick::art
