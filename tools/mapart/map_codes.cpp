// Tidying the warped province codes: the split of 陸奥 and 出羽, islets, pin-hole lakes, the seeds,
// and the one-third copy for the standard map.
#include <QDebug>
#include <algorithm>
#include <map>
#include <set>

#include "conquest/kuni_table.h"
#include "mapart.h"

namespace quintrick::mapart {
namespace {

constexpr std::uint8_t kMutsuMark = 200;
constexpr std::uint8_t kDewaMark = 201;

// The 4-connected components of equal code; calls visit(code, pixels) for each.
template <typename Visit>
void ForEachComponent(const CodeMap& map, Visit visit) {
    std::vector<char> seen(map.code.size(), 0);
    std::vector<int> stack, pixels;
    for (int start = 0; start < static_cast<int>(map.code.size()); ++start) {
        if (seen[start]) continue;
        const std::uint8_t code = map.code[start];
        pixels.clear();
        stack.assign(1, start);
        seen[start] = 1;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            pixels.push_back(i);
            const int x = i % map.width, y = i / map.width;
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (const auto& n : next) {
                if (!map.inside(n[0], n[1])) continue;
                const int j = n[1] * map.width + n[0];
                if (!seen[j] && map.code[j] == code) {
                    seen[j] = 1;
                    stack.push_back(j);
                }
            }
        }
        visit(code, pixels);
    }
}

void SplitByNearestSeed(CodeMap& map, const std::array<QPoint, kProvinces>& seeds) {
    const std::vector<int> mutsu{1, 2, 3, 4, 5}, dewa{6, 7};
    for (int y = 0; y < map.height; ++y) {
        for (int x = 0; x < map.width; ++x) {
            std::uint8_t& c = map.at(x, y);
            if (c != kMutsuMark && c != kDewaMark) continue;
            const auto& group = c == kMutsuMark ? mutsu : dewa;
            int best = group[0];
            long bestD = -1;
            for (int p : group) {
                const long dx = x - seeds[p].x(), dy = y - seeds[p].y();
                if (bestD < 0 || dx * dx + dy * dy < bestD) {
                    bestD = dx * dx + dy * dy;
                    best = p;
                }
            }
            c = static_cast<std::uint8_t>(best);
        }
    }
    // Smooth the straight cuts: a few rounds of a 7 x 7 majority among the split provinces.
    auto split = [](std::uint8_t c) { return c >= 1 && c <= 7; };
    for (int round = 0; round < 4; ++round) {
        CodeMap next = map;
        for (int y = 3; y < map.height - 3; ++y) {
            for (int x = 3; x < map.width - 3; ++x) {
                const std::uint8_t c = map.at(x, y);
                if (!split(c)) continue;
                const bool mutsu = c <= 5;
                std::array<int, 8> count{};
                for (int dy = -3; dy <= 3; ++dy) {
                    for (int dx = -3; dx <= 3; ++dx) {
                        const std::uint8_t n = map.at(x + dx, y + dy);
                        if (split(n) && (n <= 5) == mutsu) ++count[n];
                    }
                }
                next.at(x, y) = static_cast<std::uint8_t>(
                    std::max_element(count.begin(), count.end()) - count.begin());
            }
        }
        map = std::move(next);
    }
}

}  // namespace

void CleanUp(CodeMap& map, const std::array<QPoint, kProvinces>& seeds, int minPiece) {
    SplitByNearestSeed(map, seeds);
    auto holdsSeed = [&](std::uint8_t code, const std::vector<int>& pixels) {
        if (code >= kProvinces) return false;
        const QPoint s = seeds[code];
        return std::find(pixels.begin(), pixels.end(), s.y() * map.width + s.x()) != pixels.end();
    };
    // Pin-hole lakes take the colour of the land around them; islets go under the sea.
    std::vector<std::pair<std::uint8_t, std::vector<int>>> changes;
    ForEachComponent(map, [&](std::uint8_t code, const std::vector<int>& pixels) {
        if (static_cast<int>(pixels.size()) >= minPiece || holdsSeed(code, pixels)) return;
        std::map<int, int> around;
        for (int i : pixels) {
            const int x = i % map.width, y = i / map.width;
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (const auto& n : next) {
                if (map.inside(n[0], n[1]) && map.at(n[0], n[1]) != code)
                    ++around[map.at(n[0], n[1])];
            }
        }
        std::uint8_t to = kSea;
        if (code == kSea && around.size() == 1)
            to = static_cast<std::uint8_t>(around.begin()->first);
        if (code != kSea || to != kSea) changes.push_back({to, pixels});
    });
    for (const auto& [to, pixels] : changes) {
        for (int i : pixels) map.code[static_cast<std::size_t>(i)] = to;
    }
    int forced = 0;
    for (int p = 0; p < kProvinces; ++p) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                std::uint8_t& c = map.at(seeds[p].x() + dx, seeds[p].y() + dy);
                if (c != p) ++forced;
                c = static_cast<std::uint8_t>(p);
            }
        }
    }
    if (forced) qInfo() << "seed surroundings set by force:" << forced << "pixels";
}

CodeMap ThirdOf(CodeMap& big) {
    // The standard seed and its eight neighbours belong to their province, so the seed is never
    // border; on the enlarged map these pixels lie mostly under the province's own label.
    for (int p = 0; p < kProvinces; ++p) {
        for (int dy = -4; dy <= 4; ++dy) {
            for (int dx = -4; dx <= 4; ++dx) {
                big.at(3 * KuniCoords[p].sx + 1 + dx, 3 * KuniCoords[p].sy + 1 + dy) =
                    static_cast<std::uint8_t>(p);
            }
        }
    }
    CodeMap small(big.width / 3, big.height / 3);
    for (int y = 0; y < small.height; ++y) {
        for (int x = 0; x < small.width; ++x) {
            std::map<int, int> count;
            for (int dy = 0; dy < 3; ++dy) {
                for (int dx = 0; dx < 3; ++dx) ++count[big.at(3 * x + dx, 3 * y + dy)];
            }
            int best = big.at(3 * x + 1, 3 * y + 1);
            for (const auto& [code, n] : count) {
                if (n > count[best]) best = code;
            }
            small.at(x, y) = static_cast<std::uint8_t>(best);
        }
    }
    std::array<QPoint, kProvinces> seeds;
    for (int p = 0; p < kProvinces; ++p) {
        seeds[p] = QPoint(KuniCoords[p].sx, KuniCoords[p].sy);
        if (small.at(seeds[p].x(), seeds[p].y()) != p) {
            qInfo() << "standard seed of" << QString::fromStdString(KuniName(p)) << "lies in"
                    << small.at(seeds[p].x(), seeds[p].y()) << "before the seeds are set";
        }
        // The seed and its four neighbours belong to the province, so the seed is never border.
        for (const QPoint d :
             {QPoint(0, 0), QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            small.at(seeds[p].x() + d.x(), seeds[p].y() + d.y()) = static_cast<std::uint8_t>(p);
        }
    }
    // Islets of one or two pixels would be nothing but border.
    std::vector<std::vector<int>> drop;
    ForEachComponent(small, [&](std::uint8_t code, const std::vector<int>& pixels) {
        if (code != kSea && pixels.size() < 3) drop.push_back(pixels);
    });
    for (const auto& pixels : drop) {
        for (int i : pixels) small.code[static_cast<std::size_t>(i)] = kSea;
    }
    for (int p = 0; p < kProvinces; ++p) {
        if (small.at(seeds[p].x(), seeds[p].y()) != p) {
            qInfo() << "standard seed of" << QString::fromStdString(KuniName(p)) << "lies in"
                    << small.at(seeds[p].x(), seeds[p].y());
        }
    }
    return small;
}

std::vector<std::pair<int, int>> SeaCrossings(const CodeMap& map) {
    std::set<std::pair<int, int>> touching;
    for (int y = 0; y + 1 < map.height; ++y) {
        for (int x = 0; x + 1 < map.width; ++x) {
            const int c = map.at(x, y);
            for (int n : {int(map.at(x + 1, y)), int(map.at(x, y + 1))}) {
                if (c != n && c < kProvinces && n < kProvinces) touching.insert(std::minmax(c, n));
            }
        }
    }
    std::vector<std::pair<int, int>> crossings;
    for (int p = 0; p < kProvinces; ++p) {
        for (int n : KuniTable[p].Neighbours()) {
            if (p < n && !touching.contains({p, n})) crossings.push_back({p, n});
        }
    }
    for (const auto& [a, b] : touching) {
        const auto list = KuniTable[a].Neighbours();
        if (std::find(list.begin(), list.end(), b) == list.end()) {
            qInfo() << "land border not in the table:" << QString::fromStdString(KuniName(a))
                    << QString::fromStdString(KuniName(b));
        }
    }
    return crossings;
}

}  // namespace quintrick::mapart
