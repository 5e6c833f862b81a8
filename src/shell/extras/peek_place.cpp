#include "shell/extras/peek_place.h"

#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace quintrick {

QString DescribePeekOwner(const QWidget* window) {
    if (!window || !window->isVisible()) return {};
    const QRect f = window->frameGeometry();
    const QRect c(window->mapToGlobal(QPoint(0, 0)), window->size());
    QStringList fields{QString::number(window->winId())};
    for (const QRect& r : {f, c}) {
        for (const int v : {r.x(), r.y(), r.width(), r.height()}) fields << QString::number(v);
    }
    return fields.join(u' ');
}

std::optional<PeekOwner> ParsePeekOwner(const QString& text) {
    const QStringList fields = text.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() != 9) return std::nullopt;
    bool ok = true;
    PeekOwner owner;
    owner.winId = static_cast<quintptr>(fields[0].toULongLong(&ok));
    int v[8];
    for (int i = 0; i < 8 && ok; ++i) v[i] = fields[i + 1].toInt(&ok);
    if (!ok) return std::nullopt;
    owner.frame = QRect(v[0], v[1], v[2], v[3]);
    owner.client = QRect(v[4], v[5], v[6], v[7]);
    if (!owner.frame.isValid() || !owner.client.isValid()) return std::nullopt;
    return owner;
}

QPoint PeekPlace(const QRect& owner, const QSize& size, const QRect& screen) {
    const int w = size.width(), h = size.height();
    const auto clampY = [&](int y) {
        return std::max(screen.top(), std::min(y, screen.bottom() + 1 - h));
    };
    const int rightRoom = screen.right() - owner.right();
    const int leftRoom = owner.left() - screen.left();
    if (rightRoom >= w) return {owner.right() + 1, clampY(owner.top())};
    if (leftRoom >= w) return {owner.left() - w, clampY(owner.top())};
    const int x = rightRoom >= leftRoom ? screen.right() + 1 - w : screen.left();
    return {std::max(screen.left(), x), clampY(owner.bottom() + 1 - h)};
}

}  // namespace quintrick
