#include "conquest/kuni_table.h"

#include <string_view>

#include "engine/strings.h"

namespace quintrick {

// cost, home character, neighbours
const std::array<KuniRecord, kProvinces> KuniTable = {{
    {160, -1, {1, 2}},                                  // 0 蝦夷
    {32, 0, {0, 2, 6}},                                 // 1 津軽
    {68, -1, {0, 1, 3, 6}},                             // 2 南部
    {124, 1, {2, 4, 5, 6, 7}},                          // 3 伊達
    {62, -1, {3, 5, 7, 8, 9, 15}},                      // 4 蘆名
    {48, -1, {3, 4, 8, 21}},                            // 5 相馬
    {30, -1, {1, 2, 3, 7}},                             // 6 秋田
    {33, -1, {3, 4, 6, 15}},                            // 7 最上
    {74, -1, {4, 5, 9, 21}},                            // 8 下野
    {100, -1, {4, 8, 10, 15, 25}},                      // 9 上野
    {81, -1, {9, 11, 12, 15, 16, 25, 27, 29, 30, 31}},  // 10 信濃
    {7, -1, {10, 12, 16, 18, 19}},                      // 11 飛弾
    {108, -1, {10, 11, 13, 19, 31, 32, 34}},            // 12 美濃
    {155, 6, {12, 19, 20, 34, 35, 36}},                 // 13 近江
    {3, -1, {15}},                                      // 14 佐渡
    {78, 4, {4, 7, 9, 10, 14, 16}},                     // 15 越後
    {76, -1, {10, 11, 15, 17, 18}},                     // 16 越中
    {42, -1, {16, 18}},                                 // 17 能登
    {71, -1, {11, 16, 17, 19}},                         // 18 加賀
    {99, -1, {11, 12, 13, 18, 20}},                     // 19 越前
    {17, -1, {13, 19, 36, 41, 42}},                     // 20 若狭
    {106, -1, {5, 8, 22}},                              // 21 常陸
    {78, -1, {21, 23, 25}},                             // 22 下総
    {75, -1, {22, 24}},                                 // 23 上総
    {9, -1, {23}},                                      // 24 安房
    {133, -1, {9, 10, 22, 26, 27}},                     // 25 武蔵
    {38, -1, {25, 27, 28, 29}},                         // 26 相模
    {45, 3, {10, 25, 26, 29}},                          // 27 甲斐
    {14, -1, {26, 29}},                                 // 28 伊豆
    {30, -1, {10, 26, 27, 28, 30}},                     // 29 駿河
    {51, -1, {10, 29, 31}},                             // 30 遠江
    {58, 2, {10, 12, 30, 32}},                          // 31 三河
    {114, 5, {12, 31, 34}},                             // 32 尾張
    {4, -1, {34}},                                      // 33 志摩
    {113, -1, {12, 13, 32, 33, 35, 37, 57}},            // 34 伊勢
    {2, -1, {13, 34, 36, 37}},                          // 35 伊賀
    {41, -1, {13, 20, 35, 37, 38, 39, 41}},             // 36 山城
    {89, -1, {34, 35, 36, 38, 39, 57}},                 // 37 大和
    {71, -1, {36, 37, 39, 40, 41, 49}},                 // 38 摂津
    {48, -1, {36, 37, 38, 40, 57}},                     // 39 河内
    {28, -1, {38, 39, 57, 58}},                         // 40 和泉
    {52, 8, {20, 36, 38, 42, 43, 49}},                  // 41 丹波
    {22, -1, {20, 41, 43}},                             // 42 丹後
    {22, -1, {41, 42, 44, 49}},                         // 43 但馬
    {17, -1, {43, 45, 49, 50}},                         // 44 因幡
    {20, -1, {44, 46, 50, 52, 53}},                     // 45 伯耆
    {37, -1, {45, 47, 48, 53}},                         // 46 出雲
    {1, -1, {46}},                                      // 47 隠岐
    {22, -1, {46, 53, 54, 55, 56}},                     // 48 石見
    {71, -1, {38, 41, 43, 44, 50, 51, 58}},             // 49 播磨
    {37, -1, {44, 45, 49, 51, 52}},                     // 50 美作
    {44, -1, {49, 50, 52, 60}},                         // 51 備前
    {35, -1, {45, 50, 51, 53}},                         // 52 備中
    {37, -1, {45, 46, 48, 52, 55}},                     // 53 備後
    {33, -1, {48, 55, 56}},                             // 54 周防
    {38, 7, {48, 53, 54, 61}},                          // 55 安芸
    {26, -1, {48, 54, 65}},                             // 56 長門
    {48, -1, {34, 37, 39, 40}},                         // 57 紀伊
    {12, -1, {40, 49, 59}},                             // 58 淡路
    {36, -1, {58, 60, 61, 62}},                         // 59 阿波
    {25, -1, {51, 59, 61}},                             // 60 讃岐
    {73, -1, {55, 59, 60, 62, 66}},                     // 61 伊予
    {19, -1, {59, 61}},                                 // 62 土佐
    {67, -1, {64, 65, 66, 67, 73}},                     // 63 筑前
    {53, -1, {63, 66, 67, 68}},                         // 64 筑後
    {28, -1, {56, 63, 66}},                             // 65 豊前
    {83, -1, {61, 63, 64, 65, 68, 69}},                 // 66 豊後
    {61, -1, {63, 64}},                                 // 67 肥前
    {68, -1, {64, 66, 69, 70}},                         // 68 肥後
    {24, -1, {66, 68, 70, 71}},                         // 69 日向
    {56, 9, {68, 69, 71, 72}},                          // 70 薩摩
    {35, -1, {69, 70, 72}},                             // 71 大隅
    {60, -1, {70, 71}},                                 // 72 琉球
    {1, -1, {63, 74}},                                  // 73 壱岐
    {3, -1, {73}},                                      // 74 対馬
}};

std::string KuniName(int province) {
    return KuniNameFrom(LoadString(kStrProvinceNames), province);
}

std::string KuniName(int province, std::string (*names)(int id)) {
    return KuniNameFrom(names(kStrProvinceNames), province);
}

std::string KuniNameFrom(std::string_view names, int province) {
    if (province < 0 || province >= kProvinces) return {};
    // Names of any length stand between commas, in province order.
    if (names.find(',') != std::string_view::npos) {
        std::size_t start = 0;
        for (int i = 0; i < province; ++i) {
            start = names.find(',', start);
            if (start == std::string_view::npos) return {};
            ++start;
        }
        return std::string(names.substr(start, names.find(',', start) - start));
    }
    // The Japanese names stand two characters each, without separators.
    std::size_t pos = 0;
    auto skipCharacter = [&] {
        if (pos >= names.size()) return;
        ++pos;
        while (pos < names.size() && (static_cast<unsigned char>(names[pos]) & 0xC0) == 0x80) ++pos;
    };
    for (int i = 0; i < 2 * province; ++i) skipCharacter();
    const std::size_t start = pos;
    skipCharacter();
    skipCharacter();
    return std::string(names.substr(start, pos - start));
}

std::string_view KuniRomanName(int province) {
    static constexpr std::array<std::string_view, kProvinces> kNames = {{
        "Ezo",         // 0 蝦夷
        "Tsugaru",     // 1 津軽
        "Nambu",       // 2 南部
        "Date",        // 3 伊達
        "Ashina",      // 4 蘆名
        "Soma",        // 5 相馬
        "Akita",       // 6 秋田
        "Mogami",      // 7 最上
        "Shimotsuke",  // 8 下野
        "Kozuke",      // 9 上野
        "Shinano",     // 10 信濃
        "Hida",        // 11 飛弾
        "Mino",        // 12 美濃
        "Omi",         // 13 近江
        "Sado",        // 14 佐渡
        "Echigo",      // 15 越後
        "Etchu",       // 16 越中
        "Noto",        // 17 能登
        "Kaga",        // 18 加賀
        "Echizen",     // 19 越前
        "Wakasa",      // 20 若狭
        "Hitachi",     // 21 常陸
        "Shimosa",     // 22 下総
        "Kazusa",      // 23 上総
        "Awa",         // 24 安房
        "Musashi",     // 25 武蔵
        "Sagami",      // 26 相模
        "Kai",         // 27 甲斐
        "Izu",         // 28 伊豆
        "Suruga",      // 29 駿河
        "Totomi",      // 30 遠江
        "Mikawa",      // 31 三河
        "Owari",       // 32 尾張
        "Shima",       // 33 志摩
        "Ise",         // 34 伊勢
        "Iga",         // 35 伊賀
        "Yamashiro",   // 36 山城
        "Yamato",      // 37 大和
        "Settsu",      // 38 摂津
        "Kawachi",     // 39 河内
        "Izumi",       // 40 和泉
        "Tamba",       // 41 丹波
        "Tango",       // 42 丹後
        "Tajima",      // 43 但馬
        "Inaba",       // 44 因幡
        "Hoki",        // 45 伯耆
        "Izumo",       // 46 出雲
        "Oki",         // 47 隠岐
        "Iwami",       // 48 石見
        "Harima",      // 49 播磨
        "Mimasaka",    // 50 美作
        "Bizen",       // 51 備前
        "Bitchu",      // 52 備中
        "Bingo",       // 53 備後
        "Suo",         // 54 周防
        "Aki",         // 55 安芸
        "Nagato",      // 56 長門
        "Kii",         // 57 紀伊
        "Awaji",       // 58 淡路
        "Awa",         // 59 阿波
        "Sanuki",      // 60 讃岐
        "Iyo",         // 61 伊予
        "Tosa",        // 62 土佐
        "Chikuzen",    // 63 筑前
        "Chikugo",     // 64 筑後
        "Buzen",       // 65 豊前
        "Bungo",       // 66 豊後
        "Hizen",       // 67 肥前
        "Higo",        // 68 肥後
        "Hyuga",       // 69 日向
        "Satsuma",     // 70 薩摩
        "Osumi",       // 71 大隅
        "Ryukyu",      // 72 琉球
        "Iki",         // 73 壱岐
        "Tsushima",    // 74 対馬
    }};
    if (province < 0 || province >= kProvinces) return {};
    return kNames[static_cast<std::size_t>(province)];
}

int HomeProvince(int character) {
    for (int i = 0; i < kProvinces; ++i) {
        if (character >= 0 && KuniTable[static_cast<std::size_t>(i)].home == character) return i;
    }
    return -1;
}

std::optional<KuniRgb> KuniColor(int owner) {
    static constexpr std::array<KuniRgb, kCharacters> kColors = {{
        {255, 0, 255},  // Kestrel: magenta
        {0, 255, 255},  // Osprey: cyan
        {255, 255, 0},  // Heron: yellow
        {128, 128, 0},  // Falcon: olive
        {128, 0, 0},    // Crane: maroon
        {255, 0, 0},    // Raven: red
        {0, 255, 0},    // Magpie: lime
        {0, 128, 0},    // Egret: green
        {0, 0, 255},    // Shrike: blue
        {0, 0, 128},    // Harrier: navy
    }};
    if (owner < 0 || owner >= kCharacters) return std::nullopt;
    return kColors[static_cast<std::size_t>(owner)];
}

}  // namespace quintrick
