// The records database held by another program: a lock is no damage, and a match that ends
// while the lock is held waits (in memory and in its file) until it can be written. Another
// program's database in the records' place is not added to.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <vector>

#include "engine/strings.h"
#include "records/game_records.h"
#include "records/keeper_state.h"
#include "records/records_db.h"
#include "records_test_support.h"

namespace quintrick {
namespace {

MatchRecord Match(int index) {
    MatchRecord m;
    m.started = "2026-12-0" + std::to_string(index) + " 20:00:00";
    m.ended = "2026-12-0" + std::to_string(index) + " 20:30:00";
    m.finished = index % 2 == 1;
    m.character = {5, 8, 6, 2, 7};
    m.seat = {0, 1, 2, 3, 4};
    GameRecord game;
    game.game = 1;
    game.points = {-2, 3, -2, -2, 3};
    game.pictures = {1, 4, 2, 3, 6};
    m.games.push_back(game);
    m.points = {-10, 10, -10, 0, index};
    m.rank = RankOf(m.points, 4);
    m.stonesAccount = m.finished ? 100 + index : -1;
    return m;
}

std::vector<std::string> Started(const std::vector<MatchRow>& rows) {
    std::vector<std::string> out;
    for (const MatchRow& row : rows) out.push_back(row.started);
    return out;
}

// Another program's connection to the file, holding it in one of two ways.
class Holder {
  public:
    enum class Hold { Write, Everything };
    Holder(const QString& path, Hold hold) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", kName);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        // Everything: not even a read gets through (as a program in exclusive locking mode).
        if (hold == Hold::Everything) {
            EXPECT_TRUE(q.exec("PRAGMA locking_mode = EXCLUSIVE"));
        }
        EXPECT_TRUE(q.exec(hold == Hold::Everything ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE"))
            << q.lastError().text().toStdString();
        EXPECT_TRUE(q.exec("CREATE TABLE IF NOT EXISTS holder_probe (x)"));
    }
    ~Holder() { Release(); }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    void Release() {
        if (!QSqlDatabase::contains(kName)) return;
        {
            QSqlDatabase db = QSqlDatabase::database(kName, false);
            QSqlQuery(db).exec("ROLLBACK");
            db.close();
        }
        QSqlDatabase::removeDatabase(kName);
    }

  private:
    static constexpr const char* kName = "holder";
};

class RecordsLock : public ::testing::Test {
  protected:
    void SetUp() override {
        test::EnsureApp();
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath("records.sqlite");
        CRecordsDb db;
        ASSERT_EQ(db.Open(m_path), CRecordsDb::Opened::Ok);
        ASSERT_TRUE(db.StoreMatch(Match(1)));
    }
    CGameRecords::Say Say() {
        return [this](int id, const std::string&, int) { said.push_back(id); };
    }
    std::vector<std::string> Stored() {
        CRecordsDb db;
        EXPECT_EQ(db.Open(m_path), CRecordsDb::Opened::Ok);
        return Started(db.LoadMatches());
    }
    QTemporaryDir m_dir;
    QString m_path;
    std::vector<int> said;
};

// A healthy file locked by another program is not damaged: it is left where it is, and opens
// once the lock is gone with every match in it.
TEST_F(RecordsLock, ALockedFileIsBusyNotDamaged) {
    Holder holder(m_path, Holder::Hold::Everything);
    CRecordsDb db;
    EXPECT_EQ(db.Open(m_path), CRecordsDb::Opened::Busy);
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(QFileInfo::exists(m_path + ".bad"));
    holder.Release();
    EXPECT_EQ(db.Open(m_path), CRecordsDb::Opened::Ok);
    EXPECT_EQ(Started(db.LoadMatches()), std::vector<std::string>{Match(1).started});
}

// The game starts while the file is held: the player is told the records are in use (not that
// they were damaged or cannot be written), the match that ends meanwhile waits, and both are
// written once the lock is gone.
TEST_F(RecordsLock, TheGameOpensTheRecordsLaterWhenTheyAreInUse) {
    Holder holder(m_path, Holder::Hold::Everything);
    CGameRecords records(Say());
    records.Open(m_path);
    EXPECT_FALSE(records.Available());
    EXPECT_EQ(said, std::vector<int>{kMsgRecordsBusy});
    records.Store(Match(2));
    EXPECT_EQ(records.Pending().size(), 1u);
    EXPECT_TRUE(QFileInfo(records.PendingPath()).isFile());
    EXPECT_FALSE(records.WritePending());
    holder.Release();
    EXPECT_TRUE(records.WritePending());
    EXPECT_TRUE(records.Available());
    EXPECT_FALSE(QFileInfo::exists(records.PendingPath()));
    EXPECT_EQ(said, std::vector<int>{kMsgRecordsBusy});  // told once
    EXPECT_EQ(Stored(), (std::vector<std::string>{Match(1).started, Match(2).started}));
}

// A write lock held when a match ends: the match waits, the database stays open, and the next
// match writes both in order.
TEST_F(RecordsLock, AMatchEndingUnderAWriteLockIsWrittenLater) {
    CGameRecords records(Say());
    records.Open(m_path);
    ASSERT_TRUE(records.Available());
    {
        Holder holder(m_path, Holder::Hold::Write);
        records.Store(Match(2));
        EXPECT_TRUE(records.Available());
        EXPECT_EQ(records.Pending().size(), 1u);
        EXPECT_EQ(said, std::vector<int>{kMsgRecordsBusy});
        EXPECT_FALSE(records.WritePending());
    }
    records.Store(Match(3));
    EXPECT_TRUE(records.Pending().empty());
    EXPECT_EQ(Stored(),
              (std::vector<std::string>{Match(1).started, Match(2).started, Match(3).started}));
    EXPECT_EQ(said, std::vector<int>{kMsgRecordsBusy});
}

// The run ends while a match waits: the next run writes it, once, even when the run before had
// written it already and stopped before it could forget it.
TEST_F(RecordsLock, WaitingMatchesOutliveTheRunAndAreWrittenOnce) {
    QString pendingPath;
    {
        CGameRecords records(Say());
        records.Open(m_path);
        Holder holder(m_path, Holder::Hold::Write);
        records.Store(Match(2));
        records.Store(Match(3));
        pendingPath = records.PendingPath();
    }
    ASSERT_TRUE(QFileInfo(pendingPath).isFile());
    {
        // Match 2 reached the database before the run stopped; its file still names it.
        CRecordsDb db;
        ASSERT_EQ(db.Open(m_path), CRecordsDb::Opened::Ok);
        ASSERT_TRUE(db.StoreMatch(Match(2)));
    }
    CGameRecords next(Say());
    next.Open(m_path);
    EXPECT_TRUE(next.Pending().empty());
    EXPECT_FALSE(QFileInfo::exists(pendingPath));
    EXPECT_EQ(Stored(),
              (std::vector<std::string>{Match(1).started, Match(2).started, Match(3).started}));
}

// The waiting matches read back as they were written; damage is refused with a reason.
TEST_F(RecordsLock, WaitingMatchesReadBackWhole) {
    const std::vector<MatchRecord> matches = {Match(2), Match(3)};
    const std::string text = WritePendingRecords(matches);
    const auto back = ReadPendingRecords(text);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 2u);
    for (std::size_t i = 0; i < matches.size(); ++i) {
        EXPECT_EQ((*back)[i].started, matches[i].started);
        EXPECT_EQ((*back)[i].ended, matches[i].ended);
        EXPECT_EQ((*back)[i].finished, matches[i].finished);
        EXPECT_EQ((*back)[i].points, matches[i].points);
        EXPECT_EQ((*back)[i].stonesAccount, matches[i].stonesAccount);
        EXPECT_EQ((*back)[i].games.size(), matches[i].games.size());
    }
    for (const std::string& bad :
         {std::string("{}"), std::string("[]"), text.substr(0, text.size() / 2),
          std::string(100000, '[') + std::string(100000, ']'),
          std::string(R"({"pending":[{"started":"x"}]})")}) {
        std::string why;
        EXPECT_FALSE(ReadPendingRecords(bad, &why));
        EXPECT_FALSE(why.empty());
    }
}

// Another program's SQLite database at the records' name (no version of ours, tables of its
// own) is moved aside untouched and a fresh file made in its place.
TEST_F(RecordsLock, AnotherProgramsDatabaseIsNotAddedTo) {
    const QString foreign = m_dir.filePath("foreign.sqlite");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
        db.setDatabaseName(foreign);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE notes (id INTEGER PRIMARY KEY, text TEXT)"));
        ASSERT_TRUE(q.exec("INSERT INTO notes (text) VALUES ('keep me')"));
        db.close();
    }
    QSqlDatabase::removeDatabase("foreign");
    CRecordsDb db;
    ASSERT_EQ(db.Open(foreign), CRecordsDb::Opened::MovedAside);
    EXPECT_EQ(db.MovedTo(), foreign + ".bad");
    EXPECT_TRUE(db.LoadMatches().empty());
    db.Close();
    {
        QSqlDatabase old = QSqlDatabase::addDatabase("QSQLITE", "old");
        old.setDatabaseName(foreign + ".bad");
        ASSERT_TRUE(old.open());
        QSqlQuery q(old);
        ASSERT_TRUE(q.exec("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
        std::vector<std::string> tables;
        while (q.next()) tables.push_back(q.value(0).toString().toStdString());
        EXPECT_EQ(tables, std::vector<std::string>{"notes"});
        old.close();
    }
    QSqlDatabase::removeDatabase("old");
    // An empty file is ours to set up.
    const QString empty = m_dir.filePath("empty.sqlite");
    EXPECT_EQ(db.Open(empty), CRecordsDb::Opened::Ok);
}

}  // namespace
}  // namespace quintrick
