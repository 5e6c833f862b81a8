// The view's paint: the composed table stretched to the window, the keyboard mark, the overlays
// of the human's input, the call plate and the inverted F1 button on top. Nothing is composed
// here.
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "engine/strings.h"
#include "startup_trace.h"
#include "table/layout.h"
#include "text/ui_text.h"
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
        PaintStatusLine(q);
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

QString CT40913View::StatusLine() const {
    if (m_paused) return UiText(kStatusPaused);
    if (m_gs.m_phase == kShowingCards && m_gs.m_turn == kHumanSeat) {
        return UiText(kStatusShowCards).arg(std::max(0, 2 - m_gs.m_showCount));
    }
    return {};
}

void CT40913View::PaintStatusLine(QPainter& q) {
    // A plate across the lower middle of the table, over everything but the call plate.
    const QString text = StatusLine();
    if (text.isEmpty()) return;
    QFont font = q.font();
    font.setPixelSize(std::max(12, height() / 40));
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int w = std::min(width() - 8, metrics.horizontalAdvance(text) + metrics.height() * 2);
    const int h = metrics.height() * 3 / 2;
    const QRect plate((width() - w) / 2, height() * 58 / 100, w, h);
    q.save();
    q.setRenderHint(QPainter::Antialiasing);
    q.setPen(QPen(QColor(216, 192, 112), 2));
    q.setBrush(QColor(12, 40, 24, 225));
    q.drawRoundedRect(plate, h / 4.0, h / 4.0);
    q.setFont(font);
    q.setPen(QColor(255, 236, 170));
    q.drawText(plate, Qt::AlignCenter, metrics.elidedText(text, Qt::ElideRight, w - 8));
    q.restore();
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
