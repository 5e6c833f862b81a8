// The panels drawn straight into the back buffer: the trump, game and battle indicators, the
// remaining-cards panel and the score board.
#include <algorithm>
#include <string>

#include "blit.h"
#include "layout.h"
#include "table.h"

namespace quintrick {

namespace {
constexpr int kGlyphW = 16;
constexpr int kGlyphH = 27;
constexpr int kMinusGlyph = 10;
const QColor kPanelBlue(0, 102, 204);

Rect Glyph(int g) {
    return Rect::At(kGlyphW * g, 0, kGlyphW, kGlyphH);
}
}  // namespace

void CTable::DrawIndicators(QPainter& p) {
    const bool playing = m_gs.m_phase != kNoGame;
    const int suit = playing ? (m_gs.m_trump & 3) : 0;
    // The label images have room for games 1..10 and battles 1..3.
    const int game = playing ? std::clamp(m_gs.m_game, 1, 10) : 1;
    const int battle = playing ? std::clamp(m_gs.m_battle, 1, 3) : 1;
    const PixelScale s = Px();
    Copy(p, kTrumpRect.left, kTrumpRect.top, Art(m_s.m_imgSuit[suit]), s);
    QImage& gameLabel = Stamped(m_s.m_imgGameLabel);
    Stamp(gameLabel, 32, 0, Art(m_s.m_imgGameDigits, 21, 26), Rect::At(21 * (game - 1), 0, 21, 26),
          s);
    Copy(p, kGameLabelRect.left, kGameLabelRect.top, gameLabel, s);
    QImage& battleLabel = Stamped(m_s.m_imgBattleLabel);
    Stamp(battleLabel, 22, 0, Art(m_s.m_imgBattleDigits, 23, 26),
          Rect::At(23 * (battle - 1), 0, 23, 26), s);
    Copy(p, kBattleLabelRect.left, kBattleLabelRect.top, battleLabel, s);
}

void CTable::DrawRemainingPanel(QPainter& p) {
    const PixelScale s = Px();
    QImage& panel = Stamped(m_s.m_imgPanel);
    const QImage& digits = Art(m_s.m_imgLcdDigits, kGlyphW, kGlyphH);
    if (!panel.isNull()) {
        {
            QPainter pp(&panel);
            pp.fillRect(ToQRect(s(Rect::At(2, 40, 169, 27))), kPanelBlue);
            pp.fillRect(ToQRect(s(Rect::At(2, 106, 169, 27))), kPanelBlue);
        }
        const GameState& g = m_gs;
        for (int i = 0; i < 2; ++i) {
            for (int j = 0; j < 4; ++j) {
                const int x = 43 * j + 15;
                const int y = 66 * i + 40;
                int v = 0;
                if (i == 1) {
                    v = g.m_suitLeft[j];
                } else {
                    const int row0[4] = {g.m_relatedNeed, g.m_unrelatedNeed, g.m_picturesLeft,
                                         g.m_jokerLeft};
                    v = row0[j];
                    if (j < 2 &&
                        (g.m_declaration == kSixteen || g.m_declaration == kReverseSixteen)) {
                        // While a declaration stands the declaring side needs every picture left
                        // and the other side one.
                        const bool pictures = (g.m_declaration == kSixteen) == (j == 0);
                        v = pictures ? std::clamp(g.m_picturesLeft, 0, 9) : 1;
                    }
                }
                v = std::clamp(v, 0, 99);
                if (v <= 9) {
                    Stamp(panel, x, y, digits, Glyph(v), s);
                } else {
                    Stamp(panel, x - 13, y, digits, Glyph(v / 10), s);
                    Stamp(panel, x + 3, y, digits, Glyph(v % 10), s);
                }
            }
        }
    }
    Copy(p, kPanelRect.left, kPanelRect.top, panel, s);
}

void CTable::DrawLcdNumber(QPainter& p, int value, int x, int y) {
    const std::string text = std::to_string(value);
    const int len = int(text.size());
    for (int i = 0; i < len; ++i) {
        const int glyph = text[i] == '-' ? kMinusGlyph : text[i] - '0';
        Copy(p, x + kGlyphW * (4 - len + i), y, Art(m_s.m_keyed.lcdDigits, kGlyphW, kGlyphH),
             Glyph(glyph), Px());
    }
}

void CTable::DrawScoreBoard(QPainter& p) {
    const PixelScale s = Px();
    FillOutlined(p, kScoreBoardRect, QColor(0, 70, 0), QColor(66, 66, 39), 2, s);
    const Rect inner{kScoreBoardRect.left + 2, kScoreBoardRect.top + 2, kScoreBoardRect.right - 2,
                     kScoreBoardRect.bottom - 2};
    FrameRect(p, inner, QColor(255, 255, 0), s);
    QImage& gameLabel = Stamped(m_s.m_imgGameLabel);
    for (int r = 0; r < 10; ++r) {
        Stamp(gameLabel, 32, 0, Art(m_s.m_imgGameDigits, 21, 26), Rect::At(21 * r, 0, 21, 26), s);
        Copy(p, 348, 260 + 30 * r, gameLabel, s);
    }
    Copy(p, 348, 560, Art(m_s.m_imgBanners, 163, 26), Rect::At(0, 0, 115, 26), s);
    for (int player = 0; player < kSeats; ++player) {
        const int plate = PlateIndex(m_gs.m_playerName[player]);
        if (plate >= 0) {
            Copy(p, 475 + 78 * player, 223, Art(m_s.m_keyed.plates, 66, 34),
                 Rect::At(0, 34 * plate, 66, 34), s);
        }
        long long total = 0;
        for (int r = 0; r < 10; ++r) {
            const int v = m_gs.m_points[r][player];
            total += v;
            DrawLcdNumber(p, v, 476 + 78 * player, 260 + 30 * r);
        }
        DrawLcdNumber(p, int(std::clamp<long long>(total, -9999, 99999)), 476 + 78 * player,
                      260 + 30 * 10);
    }
}

}  // namespace quintrick
