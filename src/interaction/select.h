// The character dialog: six buttons on a small map of the characters' home provinces. A button
// closes it with OK and its character in m_chosen; the close box or Esc cancels.
#pragma once

#include <QDialog>

#include "interaction/select_buttons.h"

namespace quintrick {

class CSelect : public QDialog {
    Q_OBJECT
  public:
    explicit CSelect(QWidget* parent = nullptr);

    // Before a press it holds a value outside the roster, which the caller turns into character 0.
    int m_chosen = -100;

  protected:
    // The arrows move between the characters; Enter and Space choose the one with the focus, and
    // do nothing before one has it (no character is chosen without the player pointing at it).
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

}  // namespace quintrick
