// The explanation tip of the table view: a small balloon window that shows one text near the
// pointer. It behaves like a tooltip control with the view as its only tool: the view gives it
// the text of the element under the pointer and switches it on or off; the tip appears once the
// pointer has rested for the initial delay, disappears after the auto-pop time, and comes back
// (after the reshow delay) only for another text.
#pragma once

#include <QColor>
#include <QMargins>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "shell/extras/hover_help.h"

namespace quintrick {

class CTipWindow : public QWidget {
  public:
    static constexpr int kInitialDelayMs = 100;
    static constexpr int kAutoPopMs = 5000;
    static constexpr int kReshowMs = 1000;
    static constexpr int kMaxTextWidth = 512;
    static constexpr QMargins kMargins{2, 1, 2, 1};  // left, top, right, bottom
    static constexpr QColor kBackground{240, 207, 181};
    static constexpr QColor kTextColour{0, 51, 102};

    // `owner` is the tool: the tip shows only while the pointer is over it.
    explicit CTipWindow(QWidget* owner);

    // The tool's text; empty text shows no balloon (and takes down one on view).
    void SetToolText(const QString& text);
    QString ToolText() const { return m_text; }
    // Switched off, the tip is hidden and shows nothing until switched on again.
    void Activate(bool on);
    bool IsActive() const { return m_active; }

    // Events of the owner, passed on before the owner handles them: pointer moves place the
    // tip, a button press or the pointer leaving takes it down.
    void RelayEvent(const QEvent* event);

    // Applies what the explanation rules chose for the pointer's point.
    void Apply(const HoverHelp& help);

    // The balloon's size for a text: the text wrapped at 512 pixels, the margins and the border.
    QSize BalloonSize(const QString& text) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Arm(int delayMs);
    void ShowNow();
    void Pop();

    QWidget* m_owner;
    QString m_text;
    bool m_active = false;
    bool m_popped = false;  // taken down by the auto-pop; the same text does not come back
    QPoint m_pointer;       // last pointer position, global
    QTimer m_showTimer;
    QTimer m_popTimer;
};

}  // namespace quintrick
