// The hint: the sampling player's choice for the human's hand, searched on a worker thread over
// copies of the game state and the play log, so the window goes on while it thinks. Only the
// answer to the latest question is passed on, on the GUI thread; the view drops it when the
// state has moved on meanwhile.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "engine/game_state.h"
#include "players/play_log.h"
#include "players/sample_search.h"

template <typename T>
class QFutureWatcher;

namespace quintrick {

class CHintSearch : public QObject {
  public:
    // `onAnswer` receives the state the question was asked in and the search's result.
    using Answer = std::function<void(const GameState& asked, const SearchResult& result)>;
    CHintSearch(Answer onAnswer, QObject* parent);
    ~CHintSearch() override;

    // Asks for the human seat's card in `gs`. The worker reads only its own copies; it draws from
    // the hint's own generator, never from the deal's. A question still open is forgotten.
    void Ask(const GameState& gs, const CPlayLog& log, int samples = kDefaultSamples);
    // Forgets the open question: its answer will not be passed on.
    void Forget();
    bool Open() const { return m_open; }
    // Waits for the open question's search to end (tests).
    void WaitForWorker();

  private:
    Answer m_onAnswer;
    SampleRng m_rng;
    QFutureWatcher<SearchResult>* m_watcher = nullptr;
    std::unique_ptr<GameState> m_asked;
    unsigned m_question = 0;
    bool m_open = false;
};

// The hint tip for a search result over the human's hand in `gs`.
QString HintText(const GameState& gs, const SearchResult& result);

}  // namespace quintrick
