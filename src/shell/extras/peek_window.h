// The peek process's window: it polls the profile section "Cun" every 500 ms, shows the hand of
// the computer seat named there, and closes when told to.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "engine/cards.h"
#include "engine/host.h"
#include "shell/extras/peek_place.h"

class QApplication;
class QWindow;

namespace quintrick {

class CPeekWindow : public QWidget {
  public:
    // `cardSheet` is the decoded card sheet the cards are cut from.
    CPeekWindow(IProfile& profile, QImage cardSheet);
    ~CPeekWindow() override;

    // Opens beside the game window and stays above it (transient for it), before it is shown.
    void AttachTo(const PeekOwner& owner);

    // Starts the 500 ms poll (timer 98).
    void StartPolling();
    // One poll of the exchange.
    void PeekTick();

    // The hand on view (seat 0's entries of the peek process's state).
    int HandCount() const { return m_handCount; }
    const std::array<CardId, kHandSize>& Hand() const { return m_hand; }

    // Called after a new hand has been put on view.
    std::function<void()> m_onHandShown;
    // Called when the window has closed.
    std::function<void()> m_onClosed;

  protected:
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    IProfile& m_profile;
    QImage m_cardSheet;
    std::unique_ptr<QWindow> m_owner;  // the game window, a window of the other process
    std::string m_peekText;            // the hand text last shown
    std::array<CardId, kHandSize> m_hand{};
    int m_handCount = 0;
    int m_peekTimer = 0;
    bool m_closing = false;
};

// Runs the program as a peek process: the profile, the card sheet from the executable's folder
// and the window, until it closes. `setup` may hook into the window before it is shown.
// Returns the application's exit code.
int RunPeekProcess(QApplication& app, const std::function<void(CPeekWindow&)>& setup = {});

}  // namespace quintrick
