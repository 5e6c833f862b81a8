#include "main_frame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

#include "engine/settings_table.h"
#include "engine/strings.h"
#include "screen_size.h"
#include "shell/extras/peek_exchange.h"

namespace quintrick {
namespace {

QSize DesktopSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

constexpr int kStateNormal = 0;
constexpr int kStateMaximised = 1;
constexpr int kStateFullScreen = 2;

}  // namespace

CMainFrame::CMainFrame(AppFlags flags, IDialogs* dialogs)
    : m_view(new CT40913View(flags, dialogs, this)) {
    setCentralWidget(m_view);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setMinimumSize(kMinClient);
    IProfile& profile = m_view->Profile();
    const GamenChoice choice = ChooseGamen(Read(profile, entries::kGamenAtFrame), DesktopSize());
    if (choice.store) Write(profile, entries::kGamen, choice.width);
    m_gamen = choice.width;
    const QSize stored = UsableStoredSize(
        QSize(Read(profile, entries::kWindowWidth), Read(profile, entries::kWindowHeight)),
        DesktopSize());
    if (stored.isValid()) {
        resize(stored);
        m_normalSize = stored;
    } else {
        // Until the window manager frames it the client is the whole outer size.
        resize(m_gamen, FrameHeight(m_gamen));
        m_normalSize = size();
        m_fitToFrame = true;
    }
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // Kept by the window itself: what window systems report as the normal geometry of a
    // maximised or full-screen window differs from one to another.
    if (windowState() == Qt::WindowNoState && size() != m_normalSize) {
        m_previousNormalSize = m_normalSize;
        m_normalSize = size();
    }
}

QMargins CMainFrame::FrameMargins() const {
    const QWindow* handle = windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

QSize CMainFrame::ClientSize() const {
    const QMargins frame = FrameMargins();
    return {std::max(1, m_gamen - frame.left() - frame.right()),
            std::max(1, FrameHeight(m_gamen) - frame.top() - frame.bottom())};
}

void CMainFrame::ApplyScreenSize(int width) {
    m_gamen = width;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) showNormal();
    m_fitToFrame = true;
    m_fittedFrame = FrameMargins();
    resize(ClientSize());
    CentreOnDesktop();
}

void CMainFrame::CentreOnDesktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect desk = screen->geometry();
    const QSize outer = size().grownBy(FrameMargins());
    // A top-level window's position is that of its frame.
    move(desk.left() + (desk.width() - outer.width()) / 2,
         desk.top() + (desk.height() - outer.height()) / 2);
}

void CMainFrame::ShowAsStored() {
    CentreOnDesktop();
    switch (Read(m_view->Profile(), entries::kWindowState)) {
        case kStateMaximised:
            showMaximized();
            break;
        case kStateFullScreen:
            m_beforeFullScreen = Qt::WindowNoState;
            showFullScreen();
            break;
        default:
            show();
            break;
    }
}

void CMainFrame::ToggleFullScreen() {
    if (isFullScreen()) return LeaveFullScreen();
    m_beforeFullScreen = windowState() & Qt::WindowMaximized;
    showFullScreen();
}

void CMainFrame::LeaveFullScreen() {
    if (!isFullScreen()) return;
    if (m_beforeFullScreen & Qt::WindowMaximized) {
        showMaximized();
    } else {
        showNormal();
    }
}

void CMainFrame::StoreWindowState() {
    IProfile& profile = m_view->Profile();
    Write(profile, entries::kWindowWidth, m_normalSize.width());
    Write(profile, entries::kWindowHeight, m_normalSize.height());
    const int state = isFullScreen()  ? kStateFullScreen
                      : isMaximized() ? kStateMaximised
                                      : kStateNormal;
    Write(profile, entries::kWindowState, state);
}

bool CMainFrame::SpansTheScreen(QSize client) const {
    const QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return false;
    const QMargins frame = FrameMargins();
    return client.width() + frame.left() + frame.right() >= screen->availableGeometry().width();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    // Some window systems resize the window to the whole screen before they say it is maximised
    // or full screen: that size was not a normal one. Others say so first, while the window still
    // has its normal size, which stays.
    if (windowState() != Qt::WindowNoState && size() == m_normalSize &&
        m_previousNormalSize.isValid() && SpansTheScreen(size())) {
        m_normalSize = m_previousNormalSize;
    }
    if (isVisible()) StoreWindowState();
}

bool CMainFrame::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // The window manager adds its frame only after the window is shown: a preset keeps its outer
    // size, so the client shrinks by the frame.
    if (m_fitToFrame && isVisible() && windowState() == Qt::WindowNoState &&
        FrameMargins() != m_fittedFrame) {
        const QEvent::Type type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::UpdateRequest ||
            type == QEvent::WindowActivate || type == QEvent::Paint) {
            m_fittedFrame = FrameMargins();
            resize(ClientSize());
            CentreOnDesktop();
        }
    }
    return handled;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    CT40913View& view = *m_view;
    if (!view.m_closeWithoutAsking && view.Gs().m_phase != kNoGame &&
        view.ShowMessage(kMsgQuitMidway, {}, kStyleQuestion) == IDNO) {
        event->ignore();
        return;
    }
    view.m_closeWithoutAsking = false;
    StoreWindowState();
    // The match as it stands is kept for the next start; one that could not be kept is given up.
    if (!view.SaveAtClose()) view.RecordAbandonedMatch();
    // Tells a running peek process to close.
    WritePeekCloseEntries(view.Profile());
    event->accept();
}

}  // namespace quintrick
