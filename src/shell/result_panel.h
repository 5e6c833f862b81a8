// The panel over the table after each game: how each battle ended, every player's points for the
// game and for the match, the pictures taken; after the tenth game the ranks and the stones.
// Enter, Space, Escape or a click closes it; the review button or V closes it asking to look back
// on the game (the dialog's result is then kReview).
#pragma once

#include <QDialog>

#include "game_result.h"

namespace quintrick {

class CResultPanel : public QDialog {
    Q_OBJECT
  public:
    CResultPanel(const GameResult& result, QWidget* parent = nullptr);
    // The result when the player asked for the review of the game.
    static constexpr int kReview = 2;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

}  // namespace quintrick
