#include "shell/extras/tip_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "engine/strings.h"
#include "images/image_files.h"
#include "text/ui_text.h"

namespace quintrick {
namespace {

// The balloon's outline around the margins: a one-pixel border and rounded corners that keep
// clear of the text.
constexpr QMargins kBalloonInset{5, 4, 5, 4};
constexpr int kCornerRadius = 5;
constexpr int kPointerGap = 20;  // the balloon sits this far below the pointer
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

}  // namespace

CTipWindow::CTipWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_owner(owner) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setObjectName(QStringLiteral("explanationTip"));
    QFont f(PreferredGothicFamily());
    f.setPointSize(9);
    setFont(f);
    m_showTimer.setSingleShot(true);
    m_popTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, [this] { ShowNow(); });
    connect(&m_popTimer, &QTimer::timeout, this, [this] { Pop(); });
}

QSize CTipWindow::BalloonSize(const QString& text) const {
    const QRect r =
        fontMetrics().boundingRect(QRect(0, 0, kMaxTextWidth, 1 << 20), kTextFlags, text);
    return r.size().grownBy(kMargins).grownBy(kBalloonInset);
}

void CTipWindow::SetToolText(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    const bool afterPop = m_popped;
    m_popped = false;
    if (m_text.isEmpty()) {
        m_showTimer.stop();
        m_popTimer.stop();
        hide();
        return;
    }
    if (!m_active) return;
    if (isVisible()) {
        ShowNow();  // the new text in place of the old
    } else {
        // After a tip timed out or was clicked away, the next one waits the reshow delay.
        Arm(afterPop ? kReshowMs : kInitialDelayMs);
    }
}

void CTipWindow::Activate(bool on) {
    if (on == m_active) return;
    m_active = on;
    m_popped = false;
    if (!on) {
        m_showTimer.stop();
        m_popTimer.stop();
        hide();
    } else if (!m_text.isEmpty()) {
        Arm(kInitialDelayMs);
    }
}

void CTipWindow::Apply(const HoverHelp& help) {
    switch (help.action) {
        case HoverHelp::Action::Keep:
            return;
        case HoverHelp::Action::Hide:
            Activate(false);
            return;
        case HoverHelp::Action::Show: {
            QString shown = help.textId ? UiText(help.textId) : QString();
            if (help.extraId != 0 && !shown.isEmpty()) shown += u'\n' + UiText(help.extraId);
            if (help.groupId != 0) {
                shown +=
                    (shown.isEmpty() ? QString() : QStringLiteral("\n")) + UiText(help.groupId);
            }
            SetToolText(shown);
            Activate(true);
            return;
        }
    }
}

void CTipWindow::RelayEvent(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* e = static_cast<const QMouseEvent*>(event);
            m_pointer = e->globalPosition().toPoint();
            // Resting begins anew with every move while no tip is up.
            if (m_showTimer.isActive() && !isVisible()) m_showTimer.start();
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            m_showTimer.stop();
            if (isVisible()) Pop();
            break;
        case QEvent::Leave:
            m_showTimer.stop();
            m_popTimer.stop();
            m_popped = false;
            hide();
            break;
        default:
            break;
    }
}

void CTipWindow::Arm(int delayMs) {
    if (m_popped) return;
    m_showTimer.start(delayMs);
}

void CTipWindow::ShowNow() {
    if (!m_active || m_text.isEmpty() || m_popped) return;
    const QSize size = BalloonSize(m_text);
    QPoint at = m_pointer + QPoint(0, kPointerGap);
    if (const QScreen* screen = QGuiApplication::screenAt(m_pointer)) {
        const QRect avail = screen->availableGeometry();
        const int maxX = std::max(avail.left(), avail.right() - size.width());
        at.setX(std::clamp(at.x(), avail.left(), maxX));
        if (at.y() + size.height() > avail.bottom())
            at.setY(std::max(avail.top(), m_pointer.y() - size.height() - 4));
    }
    setGeometry(QRect(at, size));
    show();
    raise();
    update();
    m_popTimer.start(kAutoPopMs);
}

void CTipWindow::Pop() {
    m_popTimer.stop();
    m_popped = true;
    m_showTimer.stop();
    hide();
}

void CTipWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(kTextColour);
    p.setBrush(kBackground);
    p.drawRoundedRect(outline, kCornerRadius, kCornerRadius);
    p.setPen(kTextColour);
    p.drawText(rect().marginsRemoved(kBalloonInset).marginsRemoved(kMargins), kTextFlags, m_text);
}

}  // namespace quintrick
