#include "group_sign.h"

#include <QPainterPath>
#include <QPen>
#include <algorithm>

namespace quintrick {

namespace {
// The sign is half the plate's height across, its centre 12 % of that height inside the
// plate's top-left corner: it covers the rounded corner, not the name.
constexpr double kSignShare = 0.5;
constexpr double kCentreInset = 0.12;
constexpr double kRimShare = 0.12;  // the dark rim's width against the sign's size
constexpr QRgb kSignRim = 0xff181820;
}  // namespace

QRectF GroupSignBox(const QRectF& plate) {
    const double size = plate.height() * kSignShare;
    const QPointF centre(plate.left() + plate.height() * kCentreInset,
                         plate.top() + plate.height() * kCentreInset);
    return QRectF(centre.x() - size / 2, centre.y() - size / 2, size, size);
}

void DrawGroupSign(QPainter& p, const QRectF& plate, bool related) {
    if (plate.isEmpty()) return;
    const QRectF box = GroupSignBox(plate);
    const double rim = std::max(1.0, box.width() * kRimShare);
    // The rim is drawn inside the box: the outline is the shape shrunk by half its width.
    const QRectF inner = box.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(QColor::fromRgb(kSignRim), rim);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(QColor::fromRgb(kGroupSignWhite));
    if (related) {
        p.drawEllipse(inner);
    } else {
        // An upright triangle as wide as the box; the miter of its sharp top is kept inside.
        const double top = inner.top() + rim * 0.4;
        QPainterPath triangle;
        triangle.moveTo(inner.center().x(), top);
        triangle.lineTo(inner.right(), inner.bottom());
        triangle.lineTo(inner.left(), inner.bottom());
        triangle.closeSubpath();
        p.drawPath(triangle);
    }
    p.restore();
}

}  // namespace quintrick
