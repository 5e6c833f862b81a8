#include "shell/extras/peek_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QTimerEvent>
#include <QWindow>

#include "engine/settings_table.h"
#include "shell/extras/peek_exchange.h"
#include "shell/profile.h"
#include "table/layout.h"
#include "table/surfaces.h"
#include "text/ui_text.h"

namespace quintrick {

CPeekWindow::CPeekWindow(IProfile& profile, QImage cardSheet)
    : QWidget(nullptr, Qt::Tool | Qt::WindowDoesNotAcceptFocus),
      m_profile(profile),
      m_cardSheet(std::move(cardSheet)) {
    setObjectName(QStringLiteral("peekWindow"));
    // A look at a hand beside the game: the keys stay with the game when it opens or is clicked.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_hand.fill(kNoCard);
    // No title until the first hand arrives; room for ten cards.
    setWindowTitle(QStringLiteral(" "));
    // The program sizes it to the hand; a fixed size also spares it a resize border.
    setFixedSize(kPeekInitialWidth, kPeekInitialHeight);
}

CPeekWindow::~CPeekWindow() = default;

void CPeekWindow::AttachTo(const PeekOwner& owner) {
    if (owner.winId != 0) {
        winId();
        // Transient for the game window: the window manager keeps it above that window only.
        m_owner.reset(QWindow::fromWinId(static_cast<WId>(owner.winId)));
        if (m_owner && windowHandle()) windowHandle()->setTransientParent(m_owner.get());
    }
    // Its frame is not known before it is shown: the game window's frame stands in for it. Qt
    // takes a position before the frame is known as the position of the window's own area.
    const QMargins frame(
        owner.client.left() - owner.frame.left(), owner.client.top() - owner.frame.top(),
        owner.frame.right() - owner.client.right(), owner.frame.bottom() - owner.client.bottom());
    const QSize outer = size().grownBy(frame);
    const QScreen* screen = QGuiApplication::screenAt(owner.frame.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    move(PeekPlace(owner.frame, outer, screen->availableGeometry()) +
         QPoint(frame.left(), frame.top()));
}

void CPeekWindow::StartPolling() {
    if (m_peekTimer == 0) m_peekTimer = startTimer(kPeekTickMs);
}

void CPeekWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_peekTimer) PeekTick();
}

void CPeekWindow::PeekTick() {
    if (m_closing) return;
    const int now = Read(m_profile, entries::kCunNow);
    if (now == kPeekCloseSeat) {
        killTimer(m_peekTimer);
        m_peekTimer = 0;
        m_closing = true;
        QTimer::singleShot(0, this, [this] { close(); });
        return;
    }
    // A seat out of the range of published hands reads as no hand.
    const std::string text = ReadCunHand(m_profile, now);
    if (text == m_peekText) return;
    if (!text.empty()) {
        setWindowTitle(UiPlayerName(Read(m_profile, entries::kCunName)));
        const std::vector<CardId> cards = ParsePeekHand(text);
        m_hand.fill(kNoCard);
        m_handCount = static_cast<int>(cards.size());
        std::copy(cards.begin(), cards.end(), m_hand.begin());
        setFixedSize(PeekClientWidth(m_handCount), kPeekClientHeight);
        repaint();
        if (m_onHandShown) m_onHandShown();
    }
    // An empty text (the seat has played out) leaves the last hand on view.
    m_peekText = text;
}

void CPeekWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    for (int i = 0; i < m_handCount; ++i) {
        const CardId card = m_hand[static_cast<std::size_t>(i)];
        const Point cell = CardCell(card);
        // Later cards over earlier ones, each 30 pixels to the right.
        p.drawImage(QPoint(30 * i, 0), m_cardSheet, QRect(cell.x, cell.y, kCardWidth, kCardHeight));
    }
}

void CPeekWindow::closeEvent(QCloseEvent* event) {
    WritePeekCloseEntries(m_profile);
    if (m_peekTimer) killTimer(m_peekTimer);
    m_peekTimer = 0;
    event->accept();
    if (m_onClosed) m_onClosed();
}

int RunPeekProcess(QApplication& app, const std::function<void(CPeekWindow&)>& setup) {
    CProfile profile;
    CSurfaces sheet;
    // Without the card sheet the window stays white; the exchange works the same.
    LoadCardSheet(sheet);
    CPeekWindow window(profile, sheet.m_cardSheet);
    window.m_onClosed = [&app] { app.quit(); };
    if (const std::optional<PeekOwner> owner =
            ParsePeekOwner(qEnvironmentVariable(kPeekOwnerVariable))) {
        window.AttachTo(*owner);
    }
    if (setup) setup(window);
    window.show();
    window.StartPolling();
    return app.exec();
}

}  // namespace quintrick
