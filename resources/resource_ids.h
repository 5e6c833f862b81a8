// Ids of the images, cursors and sounds in the Qt resource file.
// Images are ":/bmp/<id>.png", cursors ":/cur/<id>.png", sounds ":/wave/<id>.wav".
#pragma once

namespace quintrick {

// Table images.
inline constexpr int kBmpPanel = 130;                     // remaining-cards panel, 175 x 138
inline constexpr int kBmpGameLabel = 134;                 // 第 _ ゲーム, 115 x 26
inline constexpr int kBmpCursorMark = 136;                // keyboard selection mark, 20 x 18
inline constexpr int kBmpBanners = 137;                   // six banners of 163 x 26
inline constexpr int kBmpSuit[4] = {146, 147, 148, 149};  // clubs, diamonds, hearts, spades
inline constexpr int kBmpTurnMark = 152;                  // 34 x 34
inline constexpr int kBmpKan = 153;                       // カン, 64 x 34
inline constexpr int kBmpPlates = 154;                    // name plates, 132 x 340
inline constexpr int kBmpRedeal = 155;                    // 重カン処理中, 243 x 62
inline constexpr int kBmpToolbar = 165;                   // five icon buttons, 163 x 32
inline constexpr int kBmpKoi = 167;                       // こい, 64 x 34
inline constexpr int kBmpIku = 168;                       // いく, 64 x 34
inline constexpr int kBmpLcdDigits = 169;                 // 0-9 and "-", 16 wide, 176 x 27
inline constexpr int kBmpGameDigits = 170;                // 1-10, 21 wide, 210 x 26
inline constexpr int kBmpBattleLabel = 171;               // _ 戦目, 115 x 26
inline constexpr int kBmpBattleDigits = 172;              // 一 二 三, 23 wide, 69 x 26
inline constexpr int kBmpTrumpCall = 173;                 // ヤク plate, 74 x 38
inline constexpr int kBmpSuitCall = 174;                  // 請求 plate, 74 x 38
inline constexpr int kBmpSigns = 175;                     // safety-zone and danger signs, 80 x 37
inline constexpr int kBmpOkSeal = 182;                    // seal on the suit dialog's OK, 16 x 16
inline constexpr int kBmpHomeMap = 191;                   // the character dialog's map, 434 x 538
// The images that write words, drawn again in English as ":/bmp/en/<id>.png".
inline constexpr int kBmpEnglishIds[] = {
    kBmpPanel,     kBmpGameLabel, kBmpBanners, kBmpKan,         kBmpPlates,
    kBmpRedeal,    kBmpKoi,       kBmpIku,     kBmpBattleLabel, kBmpBattleDigits,
    kBmpTrumpCall, kBmpSuitCall,  kBmpOkSeal,  kBmpHomeMap};

// The conquest map's artwork, in ":/map/" (and ":/map/en/" with English words).
inline constexpr int kMapEnlarged = 163;  // 1467 x 1614
inline constexpr int kMapStandard = 164;  // 489 x 538
inline constexpr int kMapBanner = 192;    // unification banner, 1287 x 323

// Cursors with their hot spots.
struct CursorSpec {
    int id;
    int hotX;
    int hotY;
};
inline constexpr CursorSpec kCursorUpDown{131, 6, 8};
inline constexpr CursorSpec kCursorNoEntry{133, 0, 0};
inline constexpr CursorSpec kCursorEdgeDrag{134, 15, 3};

// Sounds.
inline constexpr int kWaveTrump[4] = {144, 143, 145, 151};   // trump announced, by suit
inline constexpr int kWaveCalled[4] = {171, 172, 173, 174};  // called suit, by suit
inline constexpr int kWaveGo = 146;
inline constexpr int kWaveKan = 147;
inline constexpr int kWaveCome = 148;
inline constexpr int kWaveCard = 149;
inline constexpr int kWaveChoice = 150;
inline constexpr int kWaveUnify = 193;

}  // namespace quintrick
