// The main window: no menu bar, the caption "Quintrick", the close question once a game has
// started, and the view as its only content. It resizes freely, maximises and goes full screen;
// the six sizes of "Settei"/"Gamen" are presets of its outer size; the normal size and the state
// are kept for the next start.
#pragma once

#include <QMainWindow>

#include "view.h"

namespace quintrick {

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    // Creates the view and gives the frame its size: the stored normal size when there is one
    // that fits the screen, else the "Gamen" preset (the desktop-height choice when "Gamen" is
    // not set or would not fit the screen).
    explicit CMainFrame(AppFlags flags, IDialogs* dialogs = nullptr);

    CT40913View& View() { return *m_view; }
    // The preset width last chosen.
    int Gamen() const { return m_gamen; }

    // A preset: the window's outer size becomes width x (width / 4) * 3 (from a maximised or full
    // screen window it first comes back to normal), centred on the desktop.
    void ApplyScreenSize(int width);
    void CentreOnDesktop();
    // Shows the window centred, maximised or full screen as it was left.
    void ShowAsStored();
    // Full screen on, or back to the state it came from.
    void ToggleFullScreen();
    void LeaveFullScreen();
    // The window manager's frame (none until it has framed the window).
    QMargins FrameMargins() const;
    // Whether a client of this size is as wide as the screen's available area (with the frame).
    bool SpansTheScreen(QSize client) const;
    // The client size the window has when neither maximised nor full screen.
    QSize NormalSize() const { return m_normalSize; }
    // Stores the normal size and the state in the profile.
    void StoreWindowState();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The client area that the frame leaves of the preset's outer size.
    QSize ClientSize() const;

    CT40913View* m_view;
    int m_gamen = 640;
    bool m_fitToFrame = false;  // a preset waits for the frame to keep its outer size
    QMargins m_fittedFrame;     // the frame the client size was last fitted to
    Qt::WindowStates m_beforeFullScreen = Qt::WindowNoState;
    QSize m_normalSize;
    QSize m_previousNormalSize;  // the one before it
};

}  // namespace quintrick
