// quintrick-review-shot <folder> [ja|en]: the review window at a play marked as a mistake, the
// same window while its review is being made (the progress bar) at a computer's card with the
// reason it was chosen, and the records window's last fifty with the review action, as PNG files
// named with the language.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "match_runner.h"
#include "records/record_keeper.h"
#include "records/records_db.h"
#include "shell/records_window.h"
#include "shell/review_window.h"
#include "text/translations.h"

using namespace quintrick;

namespace {

// A match of the characters' rules for the human, kept in `db`; returns its games' moves.
std::vector<GameMoves> PlayMatch(CRecordsDb& db) {
    struct Sink : IRecordSink {
        explicit Sink(CRecordsDb& d) : db(d) {}
        void Store(const MatchRecord& match) override { db.StoreMatch(match); }
        CRecordsDb& db;
    } sink(db);
    MatchRunner runner(3, 30303, 1, {HumanPolicy::kFirst});
    runner.m_host.m_keepLog = false;
    RecordKeeper keeper(runner.m_gs, sink, [] { return std::string("2026-12-11 07:30:00"); });
    runner.m_host.AddObserver(&keeper);
    runner.Start();
    runner.RunToEnd();
    std::vector<GameMoves> games;
    for (const MatchRow& row : db.LoadMatches()) {
        for (const GameRecord& g : db.LoadGames(row.id)) {
            if (auto m = DecodeMoves(g.moves)) games.push_back(*m);
        }
    }
    return games;
}

bool Save(QWidget& w, const QString& path) {
    w.show();
    QApplication::processEvents();
    const bool ok = w.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quintrick-review-shot <folder> [ja|en]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("ja");
    InstallTranslations(app, language);
    QDir().mkpath(folder);
    QTemporaryDir dir;
    CRecordsDb db;
    if (db.Open(dir.filePath(QStringLiteral("records.sqlite"))) != CRecordsDb::Opened::Ok) return 1;
    const std::vector<GameMoves> games = PlayMatch(db);
    bool ok = !games.empty();
    const QString suffix = u'-' + language + QStringLiteral(".png");

    // The game with the most mistakes, shown at its worst play.
    std::optional<GameReview> worst;
    std::size_t worstGame = 0;
    for (std::size_t i = 0; i < games.size(); ++i) {
        auto review = ReviewGame(games[i], {});
        if (review && (!worst || review->mistakes > worst->mistakes)) {
            worst = std::move(review);
            worstGame = i;
        }
    }
    if (worst) {
        std::string kept = EncodeReview(*worst);
        CReviewWindow window(games[worstGame], {[&kept] { return kept; }, {}});
        const DecisionReview* mistake = nullptr;
        for (const DecisionReview& d : worst->decisions) {
            if (d.mistake && (!mistake || d.lossKnown > mistake->lossKnown)) mistake = &d;
        }
        if (mistake) window.ShowFrame(window.FrameOfMove(mistake->move));
        ok &= Save(window, folder + QStringLiteral("/review-mistake") + suffix);
    }
    {
        // The review being made: the progress bar with its cancel button, at a computer's card
        // of the second trick with the step that chose it.
        const GameMoves& game = games.front();
        CReviewWindow window(game, {}, nullptr, {kDefaultSamples * 20, kMistakeThreshold});
        int plays = 0, shown = 7;
        for (int move = 0; move < int(game.moves.size()); ++move) {
            const Move& m = game.moves[size_t(move)];
            if (m.kind == MoveKind::kPlay && ++plays > 6 && !m.why.empty()) {
                shown = window.FrameOfMove(move);
                break;
            }
        }
        window.ShowFrame(shown);
        ok &= Save(window, folder + QStringLiteral("/review-progress") + suffix);
        window.CancelReview();
    }
    {
        RecordsWindowHost host;
        host.message = [](int, std::string_view, int) { return IDOK; };
        host.review = [](std::int64_t, int, QWidget*) {};
        CRecordsWindow window(db, std::move(host));
        if (auto* tabs = window.findChild<QTabWidget*>()) tabs->setCurrentIndex(2);
        ok &= Save(window, folder + QStringLiteral("/records-review-action") + suffix);
    }
    return ok ? 0 : 1;
}
