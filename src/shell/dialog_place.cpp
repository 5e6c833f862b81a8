#include "dialog_place.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace quintrick {
namespace {

constexpr int kGap = 6;

long long Covered(const QRect& place, const std::vector<QRect>& keep) {
    long long covered = 0;
    for (const QRect& k : keep) {
        const QRect both = place.intersected(k);
        if (!both.isEmpty()) covered += static_cast<long long>(both.width()) * both.height();
    }
    return covered;
}

// Moves the rectangle into the area as far as it fits.
QRect Inside(QRect r, const QRect& area) {
    r.moveLeft(
        std::clamp(r.left(), area.left(), std::max(area.left(), area.right() + 1 - r.width())));
    r.moveTop(
        std::clamp(r.top(), area.top(), std::max(area.top(), area.bottom() + 1 - r.height())));
    return r;
}

class PlaceOnShow : public QObject {
  public:
    PlaceOnShow(QWidget& dialog, const QWidget& game, std::vector<QRect> keep)
        : QObject(&dialog), m_game(game), m_keep(std::move(keep)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* dialog = static_cast<QWidget*>(watched);
            // The dialog's own show handling gives it its final size (a message box sizes itself
            // to its text there); it is placed after that, still before it is mapped.
            dialog->removeEventFilter(this);
            QCoreApplication::sendEvent(dialog, event);
            const QWidget* window = m_game.window();
            // The dialog's frame is not known before it is shown: the game window's is the same
            // window manager's.
            QMargins frame;
            if (const QWindow* handle = window->windowHandle()) frame = handle->frameMargins();
            const QSize outer = dialog->size().grownBy(frame);
            QPoint at = PlaceClearOf(outer, window->geometry(), m_keep).topLeft();
            // A window that exists already is moved by its client's position.
            if (dialog->testAttribute(Qt::WA_WState_Created))
                at += QPoint(frame.left(), frame.top());
            dialog->move(at);
            return true;
        }
        return false;
    }

  private:
    const QWidget& m_game;
    std::vector<QRect> m_keep;
};

}  // namespace

QRect PlaceClearOf(QSize outer, const QRect& area, const std::vector<QRect>& keep) {
    std::vector<QRect> candidates;
    for (const QRect& k : keep) {
        const int x = k.center().x() - outer.width() / 2;
        const int y = k.center().y() - outer.height() / 2;
        candidates.push_back(QRect(QPoint(x, k.bottom() + 1 + kGap), outer));
        candidates.push_back(QRect(QPoint(x, k.top() - kGap - outer.height()), outer));
        candidates.push_back(QRect(QPoint(k.right() + 1 + kGap, y), outer));
        candidates.push_back(QRect(QPoint(k.left() - kGap - outer.width(), y), outer));
    }
    for (const QPoint corner :
         {area.bottomRight(), area.topRight(), area.bottomLeft(), area.topLeft()}) {
        candidates.push_back(QRect(corner - QPoint(outer.width() / 2, outer.height() / 2), outer));
    }
    QRect best =
        Inside(QRect(area.center() - QPoint(outer.width() / 2, outer.height() / 2), outer), area);
    long long least = -1;
    for (const QRect& c : candidates) {
        const QRect place = Inside(c, area);
        const long long covered = Covered(place, keep);
        if (least < 0 || covered < least) {
            least = covered;
            best = place;
        }
    }
    return best;
}

void OpenClearOf(QWidget& dialog, const QWidget& game, std::vector<QRect> keep) {
    dialog.installEventFilter(new PlaceOnShow(dialog, game, std::move(keep)));
}

}  // namespace quintrick
