// The records the keeper writes for simulated matches against the runner's own summary, which
// counts the same things from the events by itself.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>

#include "engine/roster.h"
#include "engine/strings.h"
#include "match_runner.h"
#include "records/record_keeper.h"
#include "records/records_db.h"
#include "records_test_support.h"
#include "review/replay.h"
#include "sim_stats.h"

namespace quintrick {
namespace {

class DbSink : public IRecordSink {
  public:
    explicit DbSink(CRecordsDb& db) : m_db(db) {}
    void Store(const MatchRecord& match) override {
        m_ok = m_db.StoreMatch(match) && m_ok;
        m_last = match;
        ++m_stored;
    }
    CRecordsDb& m_db;
    MatchRecord m_last;
    bool m_ok = true;
    int m_stored = 0;
};

// Runs one query on its own connection and returns the first value.
long long Sum(const QString& path, const QString& sql) {
    long long value = -1;
    {
        QSqlDatabase db = QSqlDatabase::database("sum", false);
        if (!db.isValid()) db = QSqlDatabase::addDatabase("QSQLITE", "sum");
        db.setDatabaseName(path);
        EXPECT_TRUE(db.isOpen() || db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        if (q.next()) value = q.value(0).toLongLong();
    }
    return value;
}

TEST(RecordsSim, TwoHundredMatchesAgreeWithTheRunnersSummary) {
    test::EnsureApp();
    QTemporaryDir dir;
    const QString path = dir.filePath("records.sqlite");
    CRecordsDb db;
    ASSERT_EQ(db.Open(path), CRecordsDb::Opened::Ok);
    constexpr int kMatches = 200;
    MatchRunner runner(3, 4321, kMatches);
    runner.m_host.m_keepLog = false;
    SimStats stats;
    DbSink sink(db);
    RecordKeeper keeper(runner.m_gs, sink, [] { return std::string("2026-12-10 12:00:00"); });
    runner.m_host.AddObserver(&stats);
    runner.m_host.AddObserver(&keeper);
    runner.Start();
    ASSERT_TRUE(runner.RunToEnd(kMatches * 100'000L));
    ASSERT_TRUE(sink.m_ok);
    ASSERT_EQ(sink.m_stored, kMatches);
    EXPECT_FALSE(keeper.MatchRunning());

    const auto q = [&](const char* sql) { return Sum(path, QString::fromUtf8(sql)); };
    EXPECT_EQ(q("SELECT COUNT(*) FROM matches WHERE finished = 1"), kMatches);
    EXPECT_EQ(q("SELECT COUNT(*) FROM games"), 10 * kMatches);
    // The points of each character: the runner adds up the stones credited.
    for (int c = 0; c < kRosterSize; ++c) {
        SCOPED_TRACE(c);
        long long points = 0, matches = 0;
        for (int p = 0; p < 5; ++p) {
            points += q(QString("SELECT COALESCE(SUM(points_%1), 0) FROM matches WHERE "
                                "character_%1 = %2")
                            .arg(p)
                            .arg(c)
                            .toUtf8());
            matches += q(QString("SELECT COUNT(*) FROM matches WHERE character_%1 = %2")
                             .arg(p)
                             .arg(c)
                             .toUtf8());
        }
        EXPECT_EQ(points, stats.Points(c));
        EXPECT_EQ(matches, stats.MatchesPlayed(c));
    }
    // The games' points add up to the match's, and every game is zero-sum.
    EXPECT_EQ(q("SELECT COUNT(*) FROM matches m WHERE points_4 != (SELECT SUM(points_4) FROM "
                "games g WHERE g.match_id = m.id)"),
              0);
    EXPECT_EQ(q("SELECT COUNT(*) FROM games WHERE points_0 + points_1 + points_2 + points_3 + "
                "points_4 != 0"),
              0);
    // Ranks, sweeps, declarations and the declarations made good.
    for (int rank = 1; rank <= 5; ++rank) {
        EXPECT_EQ(q(QString("SELECT COUNT(*) FROM matches WHERE rank = %1").arg(rank).toUtf8()),
                  stats.HumanRanks()[rank - 1])
            << "rank " << rank;
    }
    EXPECT_EQ(q("SELECT SUM(sweeps) FROM games"), stats.Sweeps(0));
    EXPECT_EQ(q("SELECT SUM(reverse_sweeps) FROM games"), stats.Sweeps(1));
    EXPECT_EQ(q("SELECT SUM(sixteen_declared) FROM games"), stats.Declared(0));
    EXPECT_EQ(q("SELECT SUM(reverse_declared) FROM games"), stats.Declared(1));
    EXPECT_EQ(q("SELECT SUM(sixteen_made) FROM games"),
              runner.m_host.MessageCount(kMsgSixteenMade));
    EXPECT_EQ(q("SELECT SUM(reverse_made) FROM games"),
              runner.m_host.MessageCount(kMsgReverseMade));
    EXPECT_GT(stats.Sweeps(0) + stats.Sweeps(1), 0);
    // Each battle hands out its pictures: at most 16 a battle, at least the winner's target.
    EXPECT_EQ(q("SELECT COUNT(*) FROM games WHERE pictures_0 + pictures_1 + pictures_2 + "
                "pictures_3 + pictures_4 > 16 * battles OR pictures_0 + pictures_1 + pictures_2 "
                "+ pictures_3 + pictures_4 < 8 * battles"),
              0);
    // Every game names its two related seats apart, and the winner group.
    EXPECT_EQ(q("SELECT COUNT(*) FROM games WHERE joker_seat = ace_seat OR joker_seat < 0 OR "
                "ace_seat < 0"),
              0);
    EXPECT_GT(q("SELECT COUNT(*) FROM games WHERE winner = 'related'"), 0);
    EXPECT_GT(q("SELECT COUNT(*) FROM games WHERE winner = 'unrelated'"), 0);
    // Every stored game, played again from its moves, reaches the points kept with it.
    int replayed = 0;
    for (const MatchRow& match : db.LoadMatches()) {
        for (const GameRecord& game : db.LoadGames(match.id)) {
            std::string why;
            const auto moves = DecodeMoves(game.moves, &why);
            ASSERT_TRUE(moves) << why;
            CGameReplay replay(*moves);
            ASSERT_TRUE(replay.Run(true, &why))
                << "match " << match.id << " game " << game.game << ": " << why;
            EXPECT_EQ(replay.Points(), game.points);
            ++replayed;
        }
    }
    EXPECT_EQ(replayed, 10 * kMatches);
    QSqlDatabase::database("sum", false).close();
    QSqlDatabase::removeDatabase("sum");
}

TEST(RecordsSim, AGameTakenUpFromItsKeptStateIsKeptWholeMoveByMove) {
    MatchRunner runner(4, 2500, 1);
    struct Sink : IRecordSink {
        void Store(const MatchRecord& match) override { records.push_back(match); }
        std::vector<MatchRecord> records;
    } sink;
    RecordKeeper keeper(runner.m_gs, sink, [] { return std::string("2026-12-10 12:00:00"); });
    runner.m_host.AddObserver(&keeper);
    runner.Start();
    while (runner.m_gs.m_game < 3) runner.Step();
    runner.RunTricks(4);
    // The state goes through its text form into a second keeper, which sees the rest.
    const auto state = keeper.State();
    ASSERT_TRUE(state);
    ASSERT_FALSE(state->game.moves.empty());
    const auto read = ReadKeeperState(WriteKeeperState(*state), runner.m_gs);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->game.moves, state->game.moves);
    RecordKeeper second(runner.m_gs, sink, [] { return std::string("2026-12-10 12:00:00"); });
    second.Restore(*read);
    runner.m_host.AddObserver(&second);
    while (runner.m_gs.m_game < 4) runner.Step();
    keeper.Abandon();
    second.Abandon();
    ASSERT_EQ(sink.records.size(), 2u);
    const MatchRecord& taken = sink.records[1];
    ASSERT_EQ(taken.games.size(), 3u);
    for (const GameRecord& game : taken.games) {
        SCOPED_TRACE(game.game);
        const auto moves = DecodeMoves(game.moves);
        ASSERT_TRUE(moves);
        CGameReplay replay(*moves);
        std::string why;
        ASSERT_TRUE(replay.Run(true, &why)) << why;
        EXPECT_EQ(replay.Points(), game.points);
    }
}

TEST(RecordsSim, GivenUpMatchIsKeptAsAbandonedWithItsFinishedGames) {
    MatchRunner runner(0, 100, 1);
    struct Sink : IRecordSink {
        void Store(const MatchRecord& match) override { records.push_back(match); }
        std::vector<MatchRecord> records;
    } sink;
    RecordKeeper keeper(runner.m_gs, sink, [] { return std::string("2026-12-10 12:00:00"); });
    runner.m_host.AddObserver(&keeper);
    keeper.Abandon();  // nothing runs yet: nothing to keep
    EXPECT_TRUE(sink.records.empty());
    runner.Start();
    while (runner.m_gs.m_game < 4) runner.Step();
    runner.RunTricks(2);
    ASSERT_TRUE(keeper.MatchRunning());
    keeper.Abandon();
    ASSERT_EQ(sink.records.size(), 1u);
    const MatchRecord& m = sink.records[0];
    EXPECT_FALSE(m.finished);
    ASSERT_EQ(m.games.size(), 3u);
    for (int p = 0; p < 5; ++p) {
        int sum = 0;
        for (int g = 0; g < 3; ++g) sum += runner.m_gs.m_points[g][p];
        EXPECT_EQ(m.points[p], sum);
    }
    EXPECT_EQ(m.character[4], 0);
    EXPECT_EQ(m.character[0], ComputerCharacter(0));
    EXPECT_EQ(m.stonesAccount, -1);
    EXPECT_EQ(m.rank, RankOf(m.points, 4));
    EXPECT_FALSE(keeper.MatchRunning());
    keeper.Abandon();
    EXPECT_EQ(sink.records.size(), 1u);
}

}  // namespace
}  // namespace quintrick
