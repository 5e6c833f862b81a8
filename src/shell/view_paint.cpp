// The view's paint: the composed table stretched to the window, the keyboard mark, the overlays
// of the human's input, the call plate and the inverted F1 button on top. Nothing is composed
// here.
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "startup_trace.h"
#include "table/layout.h"
#include "view.h"

namespace quintrick {

void CT40913View::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRegion(event->region());
    if (m_table.m_s.m_backBuffer.isNull()) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    // A move to a screen of another pixel ratio composes the table again.
    if (WantedPixelScale() != m_table.PixelScaleFactor() && !m_rescale.isActive()) {
        m_rescale.start();
    }
    m_table.PaintMargins(p, m_area, rect());
    p.translate(m_area.topLeft());
    CTable::PaintHooks hooks;
    hooks.mark = [this](QPainter& q) { m_input.DrawCursorMark(q); };
    hooks.overlay = [this](QPainter& q) {
        m_input.DrawOverlay(q);
        PaintCallout(q);
        if (m_f1Inverted) {
            q.save();
            q.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            q.fillRect(F1ButtonRect(), Qt::white);
            q.restore();
        }
    };
    m_table.Paint(p, m_area.size(), hooks);
    // The rest of the start-up once this frame is out.
    if (m_startupPending && !m_completionPosted) {
        StartupMark("first table painted");
        m_completionPosted = true;
        QTimer::singleShot(0, this, [this] {
            // The window system first takes the frame (one round trip), so that the table is on
            // the screen before the rest of the start takes the processor.
            QGuiApplication::sync();
            CompleteStartup();
        });
    }
}

QRect CT40913View::F1ButtonRect() const {
    const Rect r = m_table.m_scales.ToScreenRect(kToolbarRects[0]);
    return QRect(r.left, r.top, r.Width(), r.Height());
}

void CT40913View::FlickerF1Button() {
    m_f1Inverted = !m_f1Inverted;
    repaint(F1ButtonRect().translated(m_area.topLeft()));
}

void CT40913View::RepaintNow() {
    repaint();
    m_words.Refresh(this);
}

void CT40913View::RepaintArea(const Rect& screen) {
    repaint(QRect(screen.left, screen.top, screen.Width(), screen.Height())
                .translated(m_area.topLeft())
                .adjusted(-1, -1, 1, 1));
    m_words.Refresh(this);
}

}  // namespace quintrick
