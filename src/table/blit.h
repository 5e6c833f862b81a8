// Small drawing steps shared by the layers: filled rectangles with an outline, frames, opaque,
// keyed and smooth copies between surfaces.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include "geometry.h"

namespace quintrick {

inline QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// The drawing steps below take base units and draw on a surface composed at `s`; the images
// they copy are drawn at that scale already (see ScaledArt).

// Fills (left, top) .. (right - 1, bottom - 1) with `fill`, the outer `penWidth` units of it in
// `pen` (no outline when penWidth is 0).
void FillOutlined(QPainter& p, const Rect& r, QColor fill, QColor pen, int penWidth,
                  PixelScale s = {});
// A one-unit frame on (left, top) .. (right - 1, bottom - 1).
void FrameRect(QPainter& p, const Rect& r, QColor pen, PixelScale s = {});

// Copies the part `src` of `img` to (x, y) unscaled (keyed copies pass their transparent image).
inline void Copy(QPainter& p, int x, int y, const QImage& img, const Rect& src, PixelScale s = {}) {
    p.drawImage(QPoint(s(x), s(y)), img, ToQRect(s(src)));
}
inline void Copy(QPainter& p, int x, int y, const QImage& img, PixelScale s = {}) {
    p.drawImage(QPoint(s(x), s(y)), img);
}

// Copies the part `src` of `img` stretched to `dst` with smooth (halftone) scaling.
void StretchSmooth(QPainter& p, const Rect& dst, const QImage& img, const Rect& src);

// Overwrites pixels of `dst` at (x, y) with the part `src` of `img` (both RGB32), clipped.
void Stamp(QImage& dst, int x, int y, const QImage& img, const Rect& src, PixelScale s = {});

}  // namespace quintrick
