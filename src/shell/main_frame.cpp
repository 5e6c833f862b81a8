#include "main_frame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

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

void CMainFrame::ApplyScreenSize(int width) {
    m_gamen = width;
    setFixedSize(width, FrameHeight(width));
    m_view->resize(width, FrameHeight(width));
    CentreOnDesktop();
}

void CMainFrame::CentreOnDesktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect desk = screen->geometry();
    move(desk.left() + (desk.width() - width()) / 2, desk.top() + (desk.height() - height()) / 2);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    CT40913View& view = *m_view;
    if (!view.m_closeWithoutAsking && view.Gs().m_phase > 0 &&
        view.ShowMessage(kMsgQuitMidway, {}, kStyleQuestion) == IDNO) {
        event->ignore();
        return;
    }
    view.m_closeWithoutAsking = false;
    // Tells a running peek process to close.
    WritePeekCloseEntries(view.Profile());
    event->accept();
}

}  // namespace quintrick
