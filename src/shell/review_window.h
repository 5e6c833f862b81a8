// 振り返り: a kept game shown again card by card with all five hands face up, and the review of
// the human's plays (the value of every legal card from what could be known and with all cards
// seen, the card played marked, mistakes highlighted). The review is made on a worker thread
// with a progress bar that can be cancelled, and kept where the caller says so that opening the
// window again is instant.
#pragma once

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/game_moves.h"
#include "engine/game_state.h"
#include "review/review.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QTableWidget;
class QTimer;
template <typename T>
class QFutureWatcher;

namespace quintrick {

class CReviewBoard;

// Where a game's review is kept (the records database for a stored game); either may be empty.
struct ReviewCache {
    std::function<std::string()> load;
    std::function<void(const std::string&)> store;
};

class CReviewWindow : public QDialog {
    Q_OBJECT
  public:
    CReviewWindow(const GameMoves& moves, ReviewCache cache, QWidget* parent = nullptr,
                  const ReviewSettings& settings = {});
    ~CReviewWindow() override;

    // One frame per card played, and one at the start of each battle (all hands full).
    int Frames() const { return static_cast<int>(m_frames.size()); }
    int Frame() const { return m_frame; }
    void ShowFrame(int frame);
    // The frame of a move of the game (a card played), -1 when it has none.
    int FrameOfMove(int move) const;
    // True once the review is there (made or read from the cache).
    bool Reviewed() const { return m_review.has_value(); }
    const std::optional<GameReview>& Review() const { return m_review; }
    // Stops the review being made (the cancel button).
    void CancelReview();
    // Waits for the worker to end (tests).
    void WaitForReview();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct FrameState {
        GameState gs;
        int move = 0;   // the move shown (a card played, or the start of a battle)
        int seat = -1;  // who played the card, -1 at a battle's start
        CardId card = kNoCard;
    };
    void StartReview();
    void Finished();
    void ShowChoices();
    void ShowSummary();
    // The first frame of the trick before or after the one shown.
    int TrickFrame(int step) const;

    GameMoves m_moves;
    ReviewCache m_cache;
    ReviewSettings m_settings;
    std::vector<FrameState> m_frames;
    int m_frame = 0;
    std::optional<GameReview> m_review;
    std::string m_failure;  // why the game cannot be shown, empty when it can

    CReviewBoard* m_board = nullptr;
    QSlider* m_slider = nullptr;
    QLabel* m_caption = nullptr;
    QLabel* m_summary = nullptr;
    QTableWidget* m_choices = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QTimer* m_poll = nullptr;
    QFutureWatcher<std::optional<GameReview>>* m_watcher = nullptr;
    // Shared with the worker.
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<int>> m_done = std::make_shared<std::atomic<int>>(0);
    std::shared_ptr<std::atomic<int>> m_total = std::make_shared<std::atomic<int>>(0);
};

}  // namespace quintrick
