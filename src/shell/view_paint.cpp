// The view's paint: the composed table stretched to the window, the keyboard mark, the overlays
// of the human's input and the call plate on top. Nothing is composed here.
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "view.h"

namespace quintrick {

void CT40913View::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRegion(event->region());
    if (m_table.m_s.m_backBuffer.isNull()) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    CTable::PaintHooks hooks;
    hooks.mark = [this](QPainter& q) { m_input.DrawCursorMark(q); };
    hooks.overlay = [this](QPainter& q) {
        m_input.DrawOverlay(q);
        PaintCallout(q);
    };
    m_table.Paint(p, size(), hooks);
    // The rest of the start-up once this frame is out.
    if (m_startupPending && !m_completionPosted) {
        m_completionPosted = true;
        QTimer::singleShot(0, this, [this] { CompleteStartup(); });
    }
}

void CT40913View::RepaintNow() {
    repaint();
}

void CT40913View::RepaintArea(const Rect& screen) {
    repaint(QRect(screen.left, screen.top, screen.Width(), screen.Height()).adjusted(-1, -1, 1, 1));
}

}  // namespace quintrick
