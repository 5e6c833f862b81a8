// Composition of the card backs: the upright and sideways back, the turned cards of the fans.
#include "card_backs.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/settings_table.h"
#include "engine/strings.h"
#include "layout.h"

namespace quintrick {

namespace {
bool FrameOn(CardBackContext& ctx) {
    return Read(ctx.profile, entries::kCardWaku) == 1;
}

void Frame(QImage& img, QRect r) {
    QPainter p(&img);
    p.setPen(QColor::fromRgb(kFrameColour));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// The back's source: a built-in cell of the card sheet or the user's picture in m_cardBack.
struct BackSource {
    const QImage* img = nullptr;
    int y0 = 0;
};

bool Covers(const QImage& img, int y0) {
    return !img.isNull() && img.width() >= kCardWidth && img.height() >= y0 + kCardHeight;
}
}  // namespace

bool PrepareBackImage(CardBackContext& ctx, bool sideways) {
    CSurfaces& s = ctx.s;
    int backSet = Read(ctx.profile, entries::kBackSet);
    BackSource src;
    if (backSet == 2) {
        if (LoadStoredFreeImage(ctx)) {
            if (!sideways) return true;
            src = {&s.m_cardBack, 0};
        } else {
            backSet = 0;
        }
    }
    if (!src.img) {
        if (backSet != 1) backSet = 0;
        src = {&s.m_cardSheet, kCardHeight * (backSet + 1)};
    }
    if (!Covers(*src.img, src.y0)) return false;
    if (!sideways) {
        if (!MakeSurface(s.m_cardBack, kCardWidth, kCardHeight)) {
            ctx.messages.ShowMessage(kMsgMemory, {}, kStyleError);
            return false;
        }
        for (int y = 0; y < kCardHeight; ++y) {
            std::memcpy(s.m_cardBack.scanLine(y), src.img->constScanLine(src.y0 + y),
                        size_t(kCardWidth) * 4);
        }
        return true;
    }
    QImage& out = s.m_backSideways;
    if (out.width() != kCardHeight || out.height() != kCardWidth) {
        if (!MakeSurface(out, kCardHeight, kCardWidth)) {
            ctx.messages.ShowMessage(kMsgMemory, {}, kStyleError);
            return false;
        }
    }
    // (x, y) of the upright back becomes (214 - y, x): a quarter turn clockwise.
    for (int y = 0; y < kCardHeight; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.img->constScanLine(src.y0 + y));
        for (int x = 0; x < kCardWidth; ++x) {
            reinterpret_cast<QRgb*>(out.scanLine(x))[kCardHeight - 1 - y] = in[x];
        }
    }
    return true;
}

bool RotateBack(CardBackContext& ctx, CCardBackSet& c, double theta) {
    const double sn = std::sin(theta);
    const double cs = std::cos(theta);
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < 4; ++i) {
        const Point corner = c.corners[i];
        const double X = corner.x * cs + corner.y * sn;
        const double Y = corner.y * cs - corner.x * sn;
        c.turned[i] = {int(std::trunc(X)), int(std::trunc(Y))};
        minX = std::min(minX, X);
        maxX = std::max(maxX, X);
        minY = std::min(minY, Y);
        maxY = std::max(maxY, Y);
    }
    const int w = int(std::trunc(maxX - minX + 1.5));
    const int h = int(std::trunc(maxY - minY + 1.5));
    c.ox = int(std::trunc(-minX));
    c.oy = int(std::trunc(-minY));
    QImage& out = ctx.s.m_cardBack;
    if (!MakeSurface(out, w, h)) return false;
    out.fill(kKeyStrip);
    const QImage& back = ctx.s.m_backSideways;
    if (back.width() < kCardHeight || back.height() < kCardWidth) return false;
    for (int r = 0; r < h; ++r) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(r));
        const double yy = r + minY;
        for (int q = 0; q < w; ++q) {
            const double xx = q + minX;
            const int u = int(std::trunc(xx * cs - yy * sn + 0.5));
            const int v = int(std::trunc(xx * sn + yy * cs + 0.5));
            if (u >= 0 && u <= kCardHeight - 1 && v >= 0 && v <= kCardWidth - 1) {
                row[q] = reinterpret_cast<const QRgb*>(back.constScanLine(v))[u];
            }
        }
    }
    c.turnedW = w;
    c.turnedH = h;
    return true;
}

bool DrawFanCard(CardBackContext& ctx, CCardBackSet& c, QImage& strip, bool first, int fanX,
                 int angle) {
    const double pi = 4 * std::atan(1.0);
    if (!RotateBack(ctx, c, angle * pi / 180)) return false;
    int x = 0, y = 0;
    if (first) {
        x = fanX;
        y = 261 - c.oy;
        c.pivot = {fanX + c.ox, 261};
    } else {
        x = c.pivot.x - c.ox;
        y = c.pivot.y - c.oy;
    }
    // Copy with the key colour transparent; later cards cover earlier ones.
    const QImage& card = ctx.s.m_cardBack;
    for (int r = 0; r < c.turnedH; ++r) {
        const int sy = y + r;
        if (sy < 0 || sy >= strip.height()) continue;
        const auto* in = reinterpret_cast<const QRgb*>(card.constScanLine(r));
        auto* out = reinterpret_cast<QRgb*>(strip.scanLine(sy));
        for (int q = 0; q < c.turnedW; ++q) {
            const int sx = x + q;
            if (sx >= 0 && sx < strip.width() && in[q] != kKeyStrip) out[sx] = in[q];
        }
    }
    if (FrameOn(ctx)) {
        QPainter p(&strip);
        p.setPen(QColor::fromRgb(kFrameColour));
        const Point pv = c.pivot;
        QPoint from(c.turned[3].x + pv.x, c.turned[3].y + pv.y);
        for (int i = 0; i < 4; ++i) {
            const QPoint to(c.turned[i].x + pv.x, c.turned[i].y + pv.y);
            p.drawLine(from, to);
            from = to;
        }
    }
    return true;
}

bool ComposeFans(CardBackContext& ctx, CCardBackSet& c,
                 const std::function<FanCanvas(int n)>& canvas,
                 const std::function<bool(int n)>& done) {
    CSurfaces& s = ctx.s;
    const bool frame = FrameOn(ctx);
    for (int n = 1; n <= 10; ++n) {
        if (ctx.flicker) ctx.flicker();
        const FanCanvas on = canvas(n);
        if (!on.image) return false;
        if (n == 1) {
            // The one-card fan is the upright back.
            if (!PrepareBackImage(ctx, false)) return false;
            for (int y = 0; y < kCardHeight; ++y) {
                std::memcpy(on.image->scanLine(46 + y) + size_t(on.left) * 4,
                            s.m_cardBack.constScanLine(y), size_t(kCardWidth) * 4);
            }
            if (frame) Frame(*on.image, QRect(on.left, 46, kCardWidth, kCardHeight));
            if (!PrepareBackImage(ctx, true)) return false;
            // Every surface is 32 bits per pixel; the turned cards read its rows directly.
            c.bitsPerPixel = s.m_backSideways.depth();
            c.bytesPerRow = int(s.m_backSideways.bytesPerLine());
            if (c.bitsPerPixel < 16 || c.bitsPerPixel > 32) return false;
            c.corners = {Point{0, 0}, Point{214, 0}, Point{214, 150}, Point{0, 150}};
        } else {
            int angle = FanAngle(n);
            for (int k = 0; k < n; ++k) {
                if (!DrawFanCard(ctx, c, *on.image, k == 0, on.left, angle)) return false;
                angle -= 15;
            }
        }
        if (!done(n)) return false;
    }
    if (frame) Frame(s.m_backSideways, QRect(0, 0, kCardHeight, kCardWidth));
    return true;
}

bool ComposeHandStrip(CardBackContext& ctx, CCardBackSet& c) {
    CSurfaces& s = ctx.s;
    if (s.m_handStrip.width() != kStripWidth || s.m_handStrip.height() != kStripHeight) {
        if (!MakeSurface(s.m_handStrip, kStripWidth, kStripHeight)) return false;
    }
    s.m_handStrip.fill(kKeyStrip);
    return ComposeFans(
        ctx, c,
        [&s](int n) {
            return FanCanvas{&s.m_handStrip, FanStart(n)};
        },
        [](int) { return true; });
}

}  // namespace quintrick
