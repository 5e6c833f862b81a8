// The main window: no menu bar, a fixed size from "Settei"/"Gamen", the caption "Quintrick", the
// close question once a game has started, and the view as its only content.
#pragma once

#include <QMainWindow>

#include "view.h"

namespace quintrick {

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    // Creates the view and gives the frame its size (the desktop-height choice when "Gamen" is not
    // set or would not fit the screen).
    explicit CMainFrame(AppFlags flags, IDialogs* dialogs = nullptr);

    CT40913View& View() { return *m_view; }
    // The frame width in use.
    int Gamen() const { return m_gamen; }

    // Fixes the window's outer size at width x (width / 4) * 3 and centres it on the desktop.
    void ApplyScreenSize(int width);
    // Sets both drawing scales from the client area (the larger side / 1200).
    void SetStartScales();
    void CentreOnDesktop();
    // The window manager's frame (none until it has framed the window).
    QMargins FrameMargins() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // The client area that the frame leaves of the outer size.
    QSize ClientSize() const;

    CT40913View* m_view;
    int m_gamen = 640;
    QMargins m_fittedFrame;  // the frame the client size was last fitted to
};

}  // namespace quintrick
