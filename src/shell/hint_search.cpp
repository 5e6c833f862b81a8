#include "hint_search.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QStringList>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>

#include "engine/strings.h"
#include "text/ui_text.h"

namespace quintrick {
namespace {

QString Text(int id) {
    return UiText(id);
}

}  // namespace

CHintSearch::CHintSearch(Answer onAnswer, QObject* parent)
    : QObject(parent), m_onAnswer(std::move(onAnswer)), m_rng(0x48494E54ull) {}

CHintSearch::~CHintSearch() {
    // A search still running works on its own copies and its result is thrown away.
    Forget();
}

void CHintSearch::Ask(const GameState& gs, const CPlayLog& log, int samples) {
    Forget();
    m_asked = std::make_unique<GameState>(gs);
    m_open = true;
    const unsigned question = ++m_question;
    const std::uint64_t seed = m_rng.Next();
    // The log's copy still names the live state, but the search reads only what it recorded.
    auto search = [state = gs, facts = log, samples, seed] {
        return SearchCard(state, facts, kHumanSeat, samples, seed);
    };
    m_watcher = new QFutureWatcher<SearchResult>(this);
    connect(m_watcher, &QFutureWatcher<SearchResult>::finished, this, [this, question] {
        if (question != m_question || !m_open) return;
        const SearchResult result = m_watcher->result();
        const std::unique_ptr<GameState> asked = std::move(m_asked);
        Forget();
        m_onAnswer(*asked, result);
    });
    m_watcher->setFuture(QtConcurrent::run(std::move(search)));
}

void CHintSearch::Forget() {
    m_open = false;
    m_asked.reset();
    if (!m_watcher) return;
    m_watcher->disconnect(this);
    m_watcher->deleteLater();
    m_watcher = nullptr;
}

void CHintSearch::WaitForWorker() {
    if (m_watcher) m_watcher->waitForFinished();
}

QString HintText(const GameState& gs, const SearchResult& result) {
    const int pos = result.best.pos;
    if (pos < 0 || pos >= gs.m_handCount[kHumanSeat]) return {};
    const QString name = UiCardName(gs.m_hand[kHumanSeat][pos]);
    if (result.options.size() <= 1) return Text(kHintOnlyCard).arg(name);
    if (result.worlds == 0) return Text(kHintPlain).arg(name);
    const int percent = int(std::lround(result.best.winShare * 100.0));
    return Text(kHintTip).arg(name, QString::number(percent));
}

}  // namespace quintrick
