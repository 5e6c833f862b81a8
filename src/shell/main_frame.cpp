#include "main_frame.h"

#include <QCloseEvent>
#include <QGuiApplication>
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

}  // namespace

CMainFrame::CMainFrame(AppFlags flags, IDialogs* dialogs)
    : m_view(new CT40913View(flags, dialogs, this)) {
    setCentralWidget(m_view);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    IProfile& profile = m_view->Profile();
    const GamenChoice choice = ChooseGamen(Read(profile, entries::kGamenAtFrame), DesktopSize());
    if (choice.store) Write(profile, entries::kGamen, choice.width);
    m_gamen = choice.width;
    setFixedSize(m_gamen, FrameHeight(m_gamen));
    SetStartScales();
}

void CMainFrame::SetStartScales() {
    // Without a menu bar the view fills the frame's client area.
    const QSize client = size();
    const float d = float(std::max(client.width(), client.height())) / 1200.0f;
    m_view->Table().m_scales = {d, d};
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
    m_fittedFrame = FrameMargins();
    const QSize client = ClientSize();
    setFixedSize(client);
    m_view->resize(client);
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

bool CMainFrame::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // The window manager adds its frame only after the window is shown: the outer size stays the
    // chosen one, so the client shrinks by the frame, and the table scales to the client.
    if (isVisible() && FrameMargins() != m_fittedFrame) {
        const QEvent::Type type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::UpdateRequest ||
            type == QEvent::WindowActivate || type == QEvent::Paint) {
            ApplyScreenSize(m_gamen);
            const QSize client = m_view->size();
            m_view->Table().m_scales = {float(client.width()) / 1200.0f,
                                        float(client.height()) / 900.0f};
            m_view->Table().m_saveUnderRect = {};
            m_view->update();
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
    // The match as it stands is kept for the next start; one that could not be kept is given up.
    if (!view.SaveAtClose()) view.RecordAbandonedMatch();
    // Tells a running peek process to close.
    WritePeekCloseEntries(view.Profile());
    event->accept();
}

}  // namespace quintrick
